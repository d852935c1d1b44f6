#include "tfrmarbejdstider.h"

#include "admin/openinghourstarget.h"
#include "app/settings/settingsfile.h"
#include "platform/messages.h"
#include "platform/windowplacement.h"
#include "schedule/timelist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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

QComboBox *timeField(QWidget *parent, const QString &name, int left, int top)
{
    auto *field = new QComboBox(parent);
    field->setObjectName(name);
    field->setEditable(true);
    // The list keeps its 48 times whatever is typed; a typed text is stored as typed.
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setMaxVisibleItems(16);
    field->setGeometry(left, top, 81, 22);
    return field;
}

struct DayLine
{
    const char *label;
    const char *caption;
    const char *separator;
    const char *from;
    const char *to;
};

// Monday first, in the order of the Settings columns.
constexpr DayLine dayLines[] = {
    { "Label1", "Mandag", "Label2", "CbManFra", "CbManTil" },
    { "Label3", "Tirsdag", "Label4", "CbTirFra", "CbTirTil" },
    { "Label5", "Onsdag", "Label6", "CbOnsFra", "CbOnsTil" },
    { "Label7", "Torsdag", "Label8", "CbTorFra", "CbTorTil" },
    { "fff", "Fredag", "Label10", "CbFreFra", "CbFreTil" },
    { "Label9", "Lørdag", "Label11", "CbLorFra", "CbLorTil" },
    { "Label12", "Søndag", "Label13", "CbSonFra", "CbSonTil" },
};

} // namespace

TfrmArbejdstider::TfrmArbejdstider(
    QSqlDatabase db, const QString &programFolder, OpeningHoursTarget *target, QWidget *parent)
    : QDialog(parent)
    , m_row(db)
    , m_programFolder(programFolder)
    , m_target(target)
{
    setObjectName(QStringLiteral("frmArbejdstider"));
    setWindowTitle(QStringLiteral("Åbningstider"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    // The client area of a 536 x 200 window with its frame and title bar.
    setFixedSize(528, 166);
    buildControls();
}

void TfrmArbejdstider::buildControls()
{
    auto *group = new QGroupBox(QStringLiteral("Åbnings tider"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(0, 0, 528, 133);

    // Monday to Thursday on the left, Friday to Sunday on the right.
    for (int day = 0; day < 7; ++day) {
        const DayLine &line = dayLines[day];
        const int left = day < 4 ? 10 : 270;
        const int top = 20 + (day % 4) * 26;
        label(group, QString::fromLatin1(line.label), QString::fromUtf8(line.caption),
            { left, top + 3, 54, 16 });
        m_fields.append(timeField(group, QString::fromLatin1(line.from), left + 56, top));
        label(group, QString::fromLatin1(line.separator), QStringLiteral("---"),
            { left + 141, top + 3, 18, 16 });
        m_fields.append(timeField(group, QString::fromLatin1(line.to), left + 161, top));
    }

    cbUseOpenTimes = new QCheckBox(QStringLiteral("Benyt åbnings tider"), group);
    cbUseOpenTimes->setObjectName(QStringLiteral("cbUseOpenTimes"));
    cbUseOpenTimes->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    cbUseOpenTimes->setGeometry(270, 20 + 3 * 26 + 2, 242, 20);

    addCloseStrip(this, 133, 528);
}

void TfrmArbejdstider::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    Messages::guarded([this] { FormShow(); });
}

void TfrmArbejdstider::FormShow()
{
    const QStringList times = buildTimeList();
    for (QComboBox *field : std::as_const(m_fields)) {
        field->clear();
        field->addItems(times);
        field->setCurrentIndex(-1);
        field->setEditText(QString());
    }
    // Should the row not be read, empty fields store nothing unless the user types.
    m_storedTexts = fieldTexts();

    const QStringList texts = m_row.read14();
    for (int i = 0; i < m_fields.size(); ++i) {
        QComboBox *field = m_fields.at(i);
        // A listed time is also the list's current entry, so the drop-down opens on it.
        field->setCurrentIndex(field->findText(texts.at(i), Qt::MatchExactly | Qt::MatchCaseSensitive));
        field->setEditText(texts.at(i));
    }
    m_storedTexts = fieldTexts();

    cbUseOpenTimes->setChecked(readUseOpeningHours(IniFile(settingsFilePath(m_programFolder))));
}

QStringList TfrmArbejdstider::fieldTexts() const
{
    QStringList texts;
    for (const QComboBox *field : m_fields)
        texts.append(field->currentText());
    return texts;
}

void TfrmArbejdstider::FormClose()
{
    const QStringList texts = fieldTexts();
    // Unchanged fields are not written, so a change made meanwhile on another workstation stays.
    if (texts != m_storedTexts) {
        m_row.write14(texts);
        m_storedTexts = texts;
    }
    const bool use = cbUseOpenTimes->isChecked();
    IniFile(settingsFilePath(m_programFolder))
        .writeBool(SettingsKeys::sectionActiveTime, SettingsKeys::useActiveTime, use);
    if (m_target) {
        m_target->setUseOpeningHours(use);
        m_target->LoadOpeningHours();
    }
}

void TfrmArbejdstider::done(int result)
{
    // Both "&Luk" and the close box end here; a failed closing keeps the window open.
    if (!Messages::guarded([this] { FormClose(); }))
        return;
    QDialog::done(result);
}
