#include "tfrmindstillinger.h"

#include "admin/displaysettingstarget.h"
#include "admin/storesettingsform.h"
#include "admin/updownfield.h"
#include "app/settings/settingsfile.h"
#include "platform/messages.h"
#include "platform/windowplacement.h"
#include "schedule/timelist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(place);
    return l;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

// A check box with its caption left of the box.
QCheckBox *captionLeftCheckBox(
    QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setLayoutDirection(Qt::RightToLeft);
    box->setGeometry(place);
    return box;
}

QComboBox *timeChoice(QWidget *parent, const QString &name, const QRect &place)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setMaxVisibleItems(16);
    list->setGeometry(place);
    return list;
}

} // namespace

TfrmIndstillinger::TfrmIndstillinger(
    const QString &programFolder, DisplaySettingsTarget *target, QWidget *parent)
    : QDialog(parent)
    , m_programFolder(programFolder)
    , m_target(target)
{
    setObjectName(QStringLiteral("frmIndstillinger"));
    setWindowTitle(QStringLiteral("Indstillinger"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(442, 255);
    buildControls();
}

void TfrmIndstillinger::buildControls()
{
    QGroupBox *units
        = frame(this, QStringLiteral("rTidsEnheder"), QStringLiteral("Tidsenhed"), { 8, 8, 209, 66 });
    m_timeUnits = new QButtonGroup(this);
    const QString captions[] = { QStringLiteral("5 Min."), QStringLiteral("10 Min."),
        QStringLiteral("15 Min."), QStringLiteral("30 Min.") };
    const QString names[] = { QStringLiteral("rTidsEnheder5"), QStringLiteral("rTidsEnheder10"),
        QStringLiteral("rTidsEnheder15"), QStringLiteral("rTidsEnheder30") };
    for (int choice = 0; choice < 4; ++choice) {
        // Two columns, filled top to bottom.
        auto *button = new QRadioButton(captions[choice], units);
        button->setObjectName(names[choice]);
        button->setGeometry(10 + (choice / 2) * 100, 20 + (choice % 2) * 22, 90, 20);
        m_timeUnits->addButton(button, choice);
    }

    QGroupBox *hours = frame(
        this, QStringLiteral("GroupBox1"), QStringLiteral("Kalender start / stop"), { 8, 80, 209, 80 });
    label(hours, QStringLiteral("Label1"), QStringLiteral("Start klokken"), { 10, 22, 90, 16 });
    CbCalenderStart = timeChoice(hours, QStringLiteral("CbCalenderStart"), { 110, 19, 89, 22 });
    label(hours, QStringLiteral("Label2"), QStringLiteral("Slut klokken"), { 10, 50, 90, 16 });
    CbCalenderStop = timeChoice(hours, QStringLiteral("CbCalenderStop"), { 110, 47, 89, 22 });

    QGroupBox *cells = frame(
        this, QStringLiteral("GroupBox2"), QStringLiteral("Højde og brede på celler"), { 225, 8, 209, 152 });
    label(cells, QStringLiteral("Label3"), QStringLiteral("Højde på celler"), { 10, 24, 110, 16 });
    UpDownCellHight = new UpDownField(
        QStringLiteral("UpDownCellHight"), QStringLiteral("eCelleHojde"), cellHeightRange, cells);
    UpDownCellHight->setGeometry(130, 20, 65, 22);
    CbAutoBrede = captionLeftCheckBox(
        cells, QStringLiteral("CbAutoBrede"), QStringLiteral("Auto brede"), { 10, 50, 185, 20 });
    label(cells, QStringLiteral("Label4"), QStringLiteral("Bredde"), { 10, 82, 110, 16 });
    UpDownCellBrede = new UpDownField(
        QStringLiteral("UpDownCellBrede"), QStringLiteral("eCelleBrede"), cellWidthRange, cells);
    UpDownCellBrede->setGeometry(130, 78, 65, 22);
    label(cells, QStringLiteral("Label5"), QStringLiteral("Zoom bredde"), { 10, 112, 110, 16 });
    UpDownZoom
        = new UpDownField(QStringLiteral("UpDownZoom"), QStringLiteral("eZommWidth"), zoomWidthRange, cells);
    UpDownZoom->setGeometry(130, 108, 65, 22);
    connect(CbAutoBrede, &QCheckBox::toggled, this, &TfrmIndstillinger::CbAutoBredeClick);

    cbFlerBruger = captionLeftCheckBox(
        this, QStringLiteral("cbFlerBruger"), QStringLiteral("Flerebruger"), { 8, 166, 120, 20 });

    label(this, QStringLiteral("Label6"), QStringLiteral("Sti til database"), { 8, 196, 104, 16 });
    eDbPath = new QLineEdit(this);
    eDbPath->setObjectName(QStringLiteral("eDbPath"));
    eDbPath->setGeometry(120, 192, 306, 22);

    addCloseStrip(this, 222, 442);
}

void TfrmIndstillinger::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    FormShow();
}

void TfrmIndstillinger::FormShow()
{
    const IniFile file(settingsFilePath(m_programFolder));
    showState(shownSettings(readSettingsFormValues(file, m_programFolder)));
    m_folderAtShowing = eDbPath->text().trimmed();
}

void TfrmIndstillinger::showState(const SettingsFormState &state)
{
    if (QAbstractButton *choice = m_timeUnits->button(state.timeUnitChoice))
        choice->setChecked(true);

    // A fresh list each time; filling an empty list selects its first entry, so the position
    // is set afterwards, -1 leaving the list without a selection.
    const QStringList times = buildTimeList();
    for (QComboBox *list : { CbCalenderStart, CbCalenderStop }) {
        list->clear();
        list->addItems(times);
    }
    CbCalenderStart->setCurrentIndex(state.startPosition);
    CbCalenderStop->setCurrentIndex(state.stopPosition);

    UpDownCellHight->setValue(state.cellHeight);
    CbAutoBrede->setChecked(state.autoWidth);
    UpDownCellBrede->setValue(state.cellWidth);
    UpDownZoom->setValue(state.zoomWidth);
    CbAutoBredeClick();
    eDbPath->setText(state.databaseFolder);
    cbFlerBruger->setChecked(state.multiUser);
}

SettingsFormState TfrmIndstillinger::formState() const
{
    SettingsFormState state;
    state.timeUnitChoice = m_timeUnits->checkedId();
    state.startPosition = CbCalenderStart->currentIndex();
    state.stopPosition = CbCalenderStop->currentIndex();
    state.cellHeight = UpDownCellHight->value();
    state.autoWidth = CbAutoBrede->isChecked();
    state.cellWidth = UpDownCellBrede->value();
    state.zoomWidth = UpDownZoom->value();
    state.multiUser = cbFlerBruger->isChecked();
    state.databaseFolder = eDbPath->text();
    return state;
}

void TfrmIndstillinger::CbAutoBredeClick()
{
    const bool fixedWidths = !CbAutoBrede->isChecked();
    UpDownCellBrede->setEnabled(fixedWidths);
    UpDownZoom->setEnabled(fixedWidths);
}

void TfrmIndstillinger::FormClose()
{
    IniFile file(settingsFilePath(m_programFolder));
    storeSettingsForm(formState(), m_folderAtShowing, file, *m_target);
}

void TfrmIndstillinger::done(int result)
{
    // Both "&Luk" and the close box end here; a failed closing keeps the window open.
    if (!Messages::guarded([this] { FormClose(); }))
        return;
    QDialog::done(result);
}
