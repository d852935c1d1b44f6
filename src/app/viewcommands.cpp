// The main window's "&Vis" menu, zoom, the resource window and map, and the time layout.

#include "admin/tfrmarbejdstider.h"
#include "data/appointmentquery.h"
#include "data/openinghoursrow.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "platform/messages.h"
#include "schedule/dayschedulefeed.h"
#include "schedule/gridprint.h"
#include "schedule/plannergrid.h"
#include "tfrmmirvo.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

void TfrmMirvo::setTicks(const MenuTicks &ticks)
{
    m_ticks = ticks;
    m_menu.showTicks(m_ticks);
}

int TfrmMirvo::ShownResourceCount() const
{
    return m_ticks.resources > 0 ? m_ticks.resources : 1;
}

void TfrmMirvo::SetResourceControls(bool enable)
{
    if (!enable) {
        MenuTicks ticks = m_ticks;
        ticks.mode = 1;
        setTicks(ticks);
    }
    RebuildResourceMap();
    for (QWidget *w : std::initializer_list<QWidget *> { DbMekLookUp, ResGroup, bMekTilbage, bMekFrem })
        w->setEnabled(enable);
}

void TfrmMirvo::ResetResourceWindow(int n)
{
    qAftaler->reopen(0, n);
}

TfrmMirvo::ResourceBounds TfrmMirvo::ReadResourceBounds() const
{
    const ::ResourceBounds bounds = m_resources->bounds();
    return { bounds.lowMek, bounds.highMek, qAftaler->minMek(), qAftaler->maxMek() };
}

void TfrmMirvo::VisMode1Click()
{
    DBPlanner1->setMode(Mode::dmMultiDay);
    MenuTicks ticks = m_ticks;
    ticks.mode = 1;
    ticks.resources = 1;
    setTicks(ticks);
    SetResourceControls(false);
    ResetResourceWindow(0);
    DBPlanner1->setNumberOfResources(1);
    ticks = m_ticks;
    ticks.resources = 1;
    setTicks(ticks);
}

void TfrmMirvo::VisMode2Click()
{
    if (ReadResourceBounds().HighMek <= 0)
        return;
    DBPlanner1->setMode(Mode::dmMultiDayRes);
    MenuTicks ticks = m_ticks;
    ticks.mode = 2;
    setTicks(ticks);
    SetResourceControls(true);
}

void TfrmMirvo::VisMode3Click()
{
    if (ReadResourceBounds().HighMek <= 0)
        return;
    DBPlanner1->setMode(Mode::dmMultiResDay);
    MenuTicks ticks = m_ticks;
    ticks.mode = 3;
    setTicks(ticks);
    SetResourceControls(true);
}

void TfrmMirvo::N1Dag1Click(QAction *item)
{
    const int days = int(m_menu.Days.indexOf(item)) + 1;
    MenuTicks ticks = m_ticks;
    ticks.days = days;
    setTicks(ticks);
    DBPlanner1->setNumberOfDays(days);
}

void TfrmMirvo::VisRes1Click(QAction *item)
{
    SetResourceCount(item->objectName());
}

void TfrmMirvo::SetResourceCount(const QString &itemName)
{
    const int highMek = ReadResourceBounds().HighMek;
    const int n = itemName.mid(QStringLiteral("VisRes").size()).toInt();
    if (n == 1) {
        MenuTicks ticks = m_ticks;
        ticks.resources = 1;
        setTicks(ticks);
        DBPlanner1->setNumberOfResources(1);
        ResetResourceWindow(0);
        if (m_ticks.mode != 1 && highMek == 0)
            VisMode1Click();
        SetResourceControls(highMek != 0);
    } else if (n >= 2 && n <= 5 && highMek >= n - 1) {
        MenuTicks ticks = m_ticks;
        ticks.resources = n;
        setTicks(ticks);
        DBPlanner1->setNumberOfResources(n);
        ResetResourceWindow(n - 1);
        if (m_ticks.mode == 1) {
            ticks = m_ticks;
            ticks.mode = 2;
            setTicks(ticks);
            VisMode2Click();
        }
        SetResourceControls(true);
    }
    RebuildResourceMap();
}

void TfrmMirvo::RebuildResourceMap()
{
    const ResourceMap map = buildResourceMap(
        qAftaler->minMek(), qAftaler->maxMek(), [this](int number) -> std::optional<QString> {
            const int row = qMek->rowOfMekKey(number);
            if (row < 0)
                return std::nullopt;
            return qMek->nameAt(row);
        });
    dbDayScr->setResourceMap(map);
    rereadGrid();
}

void TfrmMirvo::rereadGrid()
{
    dbDayScr->setActive(false);
    dbDayScr->setActive(true);
}

void TfrmMirvo::qAftalerReopened()
{
    if (dbDayScr->MinMek() != qAftaler->minMek() || dbDayScr->MaxMek() != qAftaler->maxMek())
        dbDayScr->setResourceWindow(qAftaler->minMek(), qAftaler->maxMek());
    else if (dbDayScr->isActive())
        dbDayScr->reread();
}

void TfrmMirvo::bMultiUserClick()
{
    qAftaler->requery();
}

void TfrmMirvo::SpeedButton1Click()
{
    if (DBPlanner1->PositionZoomWidth() == 0) {
        Messages::show(QStringLiteral("Zomm virker ikke når brede på kolonner er sat til auto brede."));
        Messages::show(QStringLiteral("Kan ændres under: opsætning -> indstillinger"));
        return;
    }
    DBPlanner1->zoomColumn(DBPlanner1->selectedPosition());
}

void TfrmMirvo::SpeedButton2Click()
{
    DBPlanner1->unzoomColumn(DBPlanner1->selectedPosition());
}

void TfrmMirvo::LoadOpeningHours()
{
    m_openingHours = ::LoadOpeningHours(OpeningHoursRow(m_connection.database()).read14(), UseOpeningHours);
}

void TfrmMirvo::ApplyTimeLayout()
{
    DBPlanner1->ApplyTimeLayout(TimeSettings { TimeUnit, StartSlot, StopSlot }, m_openingHours);
}

void TfrmMirvo::setDisplayScale(int pixels)
{
    DBPlanner1->setDisplayScale(pixels);
}

void TfrmMirvo::setZoomButtonsVisible(bool visible)
{
    SpeedButton1->setVisible(visible);
    SpeedButton2->setVisible(visible);
}

void TfrmMirvo::setColumnWidths(int positionWidth, int positionZoomWidth)
{
    DBPlanner1->setPositionWidth(positionWidth);
    DBPlanner1->setPositionZoomWidth(positionZoomWidth);
}

void TfrmMirvo::setRefreshButtonVisible(bool visible)
{
    bMultiUser->setVisible(visible);
}

void TfrmMirvo::Arbejdstider1Click()
{
    frmArbejdstider->exec();
    Messages::guarded([this] { ApplyTimeLayout(); });
}

void TfrmMirvo::Udskriv1Click()
{
    Messages::guarded([this] {
        QPrinter printer(QPrinter::ScreenResolution);
        m_defaultPrinter(printer);
        printGrid(*DBPlanner1, printer);
    });
}
