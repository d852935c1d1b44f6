// The main window's calendars, the grid's day buttons, resource paging, the resource picker
// and the check that resource 0 exists.

#include "admin/tfrmressourcer.h"
#include "data/appointmentquery.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "platform/messages.h"
#include "schedule/dayschedulefeed.h"
#include "schedule/monthcalendar.h"
#include "schedule/plannergrid.h"
#include "schedule/resourcepaging.h"
#include "tfrmmirvo.h"

#include <QComboBox>

void TfrmMirvo::Calender1DayChange(const QDate &date)
{
    DBPlanner1->setDay(date);
}

void TfrmMirvo::CalenderDaySelect(MonthCalendar *calendar)
{
    for (MonthCalendar *c : { Calender1, Calender2, Calender3 })
        c->setSelectionShown(c == calendar);
}

void TfrmMirvo::Calender1MonthChange(int year, int month)
{
    const QDate shown = sameDayInMonth(Calender1->date(), year, month);
    Calender2->setDate(shown.addMonths(1));
    Calender3->setDate(shown.addMonths(2));
}

void TfrmMirvo::DBPlanner1PlannerNext()
{
    ApplyTimeLayout();
}

void TfrmMirvo::bMekTilbageClick()
{
    const ResourceBounds b = ReadResourceBounds();
    const std::optional<ResourcePage> page = previousResourcePage(b.LowMek, b.MinMek, ShownResourceCount());
    if (!page)
        return;
    qAftaler->reopen(page->minMek, page->maxMek);
    RebuildResourceMap();
}

void TfrmMirvo::bMekFremClick()
{
    const ResourceBounds b = ReadResourceBounds();
    const std::optional<ResourcePage> page = nextResourcePage(b.HighMek, b.MaxMek, ShownResourceCount());
    if (!page)
        return;
    qAftaler->reopen(page->minMek, page->maxMek);
    RebuildResourceMap();
}

void TfrmMirvo::setPickerValue(int mekKey)
{
    m_pickerMekKey = mekKey;
    DbMekLookUp->setCurrentIndex(qMek->rowOfMekKey(mekKey));
    if (DbMekLookUp->currentText() == m_pickerText)
        return;
    m_pickerText = DbMekLookUp->currentText();
    DbMekLookUpChange();
}

void TfrmMirvo::restorePicker()
{
    // Reading the resources anew does not change the picked resource.
    DbMekLookUp->setCurrentIndex(qMek->rowOfMekKey(m_pickerMekKey));
}

void TfrmMirvo::DbMekLookUpChange()
{
    if (DbMekLookUp->currentText().isEmpty())
        return;
    const int row = qMek->rowOfMekKey(m_pickerMekKey);
    if (row < 0)
        return;
    const int mekKey = qMek->mekKeyAt(row);
    ResourceMap map;
    map.append(mekKey, 0, qMek->nameAt(row));
    dbDayScr->setResourceMap(map);
    DBPlanner1->setNumberOfResources(1);
    qAftaler->reopen(mekKey, mekKey);
    rereadGrid();
    MenuTicks ticks = m_ticks;
    ticks.resources = 1;
    setTicks(ticks);
}

void TfrmMirvo::CheckDefaultResource()
{
    if (qMek->rowOfMekKey(0) >= 0) {
        if (qMek->count() == 1) {
            SetResourceControls(false);
        } else {
            if (DBPlanner1->mode() == Mode::dmMultiDay) {
                DBPlanner1->setMode(Mode::dmMultiDayRes);
                MenuTicks ticks = m_ticks;
                ticks.mode = 2;
                setTicks(ticks);
            }
            SetResourceControls(true);
        }
        return;
    }
    Messages::show(QStringLiteral("No default found "));
    m_resources->insertSystemResource();
    qMek->reopen();
    Messages::show(QStringLiteral("Default added"));
}

void TfrmMirvo::resourceDeleted()
{
    qAftaler->reopen(qAftaler->minMek(), qAftaler->maxMek());
    qMek->reopen();
    const int remaining = qMek->count();
    if (remaining < DBPlanner1->numberOfResources()) {
        dbDayScr->setActive(false);
        DBPlanner1->setNumberOfResources(remaining);
        dbDayScr->setActive(true);
        MenuTicks ticks = m_ticks;
        ticks.resources = remaining >= 1 && remaining <= 5 ? remaining : 0;
        setTicks(ticks);
    }
    CheckDefaultResource();
    if (remaining == 1)
        VisMode1Click();
}

void TfrmMirvo::systemResourceRenamed()
{
    qAftaler->reopen(qAftaler->minMek(), qAftaler->maxMek());
    qMek->reopen();
    rereadGrid();
}

void TfrmMirvo::Kartotek1Click()
{
    frmRessourcer->exec();
    Messages::guarded([this] {
        rereadGrid();
        setPickerValue(0);
        DbMekLookUp->update();
    });
}
