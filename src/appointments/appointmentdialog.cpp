#include "appointmentdialog.h"

#include "appointments/appointmentprint.h"
#include "appointments/colourpicker.h"
#include "appointments/resourcelookup.h"
#include "appointments/timelineedit.h"
#include "appointments/validtime.h"
#include "platform/messages.h"
#include "platform/windowplacement.h"

#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QFont pixelFont(const QString &family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Tab leaves the date picker for the next field instead of stepping through day, month and year.
class DateField : public QDateEdit
{
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return frame;
}

QLabel *label(QWidget *panel, const QString &name, const QString &caption, const QRect &place)
{
    auto *l = new QLabel(caption, panel);
    l->setObjectName(name);
    QFont font = panel->font();
    font.setBold(true);
    l->setFont(font);
    l->setGeometry(place);
    return l;
}

} // namespace

TfrmAftaleTekst::TfrmAftaleTekst(const RegionalSettings &regional, QWidget *parent)
    : QDialog(parent)
    , m_regional(regional)
{
    setObjectName(QStringLiteral("frmAftaleTekst"));
    setWindowTitle(QStringLiteral("Mirvo"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // The client area of a 689 x 431 window with its frame and title bar.
    resize(681, 397);

    QFrame *top = panel(this, QStringLiteral("Panel3"));
    top->setFixedHeight(41);
    QFrame *fields = panel(this, QStringLiteral("Panel2"));
    fields->setFont(pixelFont(QStringLiteral("Verdana"), 13));
    QFrame *bottom = panel(this, QStringLiteral("Panel1"));
    bottom->setFixedHeight(38);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(fields, 1);
    layout->addWidget(bottom);

    buildFields(fields);
    buildButtons(bottom);

    QWidget::setTabOrder(m_date, m_start);
    QWidget::setTabOrder(m_start, m_end);
    QWidget::setTabOrder(m_end, m_heading);
    QWidget::setTabOrder(m_heading, m_text);
    QWidget::setTabOrder(m_text, m_colour);
    QWidget::setTabOrder(m_colour, m_resource);
    QWidget::setTabOrder(m_resource, m_ok);
    QWidget::setTabOrder(m_ok, m_cancel);
    QWidget::setTabOrder(m_cancel, m_print);

    // FormCreate: the colour of a first, unfilled showing.
    m_colour->setColor(ColourPicker::SkyBlue);
}

QComboBox *TfrmAftaleTekst::timeField(QWidget *panel, const QString &name, TimeLineEdit *&edit)
{
    auto *combo = new QComboBox(panel);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    edit = new TimeLineEdit(m_regional, combo);
    combo->setLineEdit(edit);
    combo->setCompleter(nullptr);
    return combo;
}

void TfrmAftaleTekst::buildFields(QWidget *panel)
{
    label(panel, QStringLiteral("Label1"), QStringLiteral("Den:"), { 8, 4, 33, 16 });
    m_date = new DateField(panel);
    m_date->setObjectName(QStringLiteral("AftaleDato"));
    m_date->setCalendarPopup(true);
    m_date->setGeometry(8, 20, 209, 24);

    label(panel, QStringLiteral("Label2"), QStringLiteral("Fra:"), { 224, 4, 29, 16 });
    m_start = timeField(panel, QStringLiteral("KLfra"), m_startEdit);
    m_start->setGeometry(224, 20, 129, 24);
    // The start list drops down by itself once typing starts, showing every entry, and closes
    // when one is picked; what was typed stays as typed.
    auto *dropDown = new QCompleter(m_start->model(), m_start);
    dropDown->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    dropDown->setCaseSensitivity(Qt::CaseInsensitive);
    m_start->setCompleter(dropDown);

    label(panel, QStringLiteral("Label3"), QStringLiteral("Til:"), { 360, 4, 21, 16 });
    m_end = timeField(panel, QStringLiteral("KLTil"), m_endEdit);
    m_end->setGeometry(360, 20, 129, 24);

    label(panel, QStringLiteral("Label4"), QStringLiteral("Overskrift"), { 8, 52, 72, 16 });
    m_heading = new QLineEdit(panel);
    m_heading->setObjectName(QStringLiteral("AftaleOverskrift"));
    m_heading->setGeometry(8, 68, 479, 24);

    label(panel, QStringLiteral("Label5"), QStringLiteral("Tekst"), { 8, 100, 39, 16 });
    m_text = new QPlainTextEdit(panel);
    m_text->setObjectName(QStringLiteral("AftaleTekst"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(true);
    m_text->setGeometry(8, 116, 665, 169);

    label(panel, QStringLiteral("Label6"), QStringLiteral("Farve:"), { 496, 4, 47, 16 });
    m_colour = new ColourPicker(panel);
    m_colour->setObjectName(QStringLiteral("AftaleFarve"));
    m_colour->setGeometry(496, 20, 177, 22);

    label(panel, QStringLiteral("Label7"), QStringLiteral("Ressource:"), { 496, 52, 80, 16 });
    m_resource = new ResourceLookup(panel);
    m_resource->setObjectName(QStringLiteral("DbMekLookUp"));
    m_resource->setFont(pixelFont(QStringLiteral("Arial"), 13));
    m_resource->setGeometry(496, 67, 177, 24);

    setRegionalSettings(m_regional);
}

void TfrmAftaleTekst::buildButtons(QWidget *panel)
{
    const QFont font = pixelFont(QStringLiteral("Verdana"), 13, true);
    auto button = [&](const QString &name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, panel);
        b->setObjectName(name);
        b->setFont(font);
        b->setGeometry(left, 6, 83, 25);
        // Enter must never press a button for the user.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    m_ok = button(QStringLiteral("Button1"), QStringLiteral("&Ok"), 592);
    m_cancel = button(QStringLiteral("Button2"), QStringLiteral("&Fortryd"), 505);
    m_print = button(QStringLiteral("Button3"), QStringLiteral("&Udskriv"), 416);
    connect(m_ok, &QPushButton::clicked, this, &TfrmAftaleTekst::Button1Click);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmAftaleTekst::Button2Click);
    connect(m_print, &QPushButton::clicked, this, &TfrmAftaleTekst::Button3Click);
}

void TfrmAftaleTekst::setRegionalSettings(const RegionalSettings &regional)
{
    m_regional = regional;
    m_date->setLocale(regional.locale);
    m_date->setDisplayFormat(regional.longDateFormat);
    m_startEdit->setRegionalSettings(regional);
    m_endEdit->setRegionalSettings(regional);
}

void TfrmAftaleTekst::setTimeChoices(const QStringList &times)
{
    for (QComboBox *combo : { m_start, m_end }) {
        const QString typed = combo->currentText();
        combo->clear();
        combo->addItems(times);
        combo->setCurrentIndex(-1);
        combo->setEditText(typed);
    }
}

void TfrmAftaleTekst::setResourceModel(QAbstractItemModel *model)
{
    m_resource->setResourceModel(model);
}

QDate TfrmAftaleTekst::date() const
{
    return m_date->date();
}

void TfrmAftaleTekst::setDate(const QDate &date)
{
    m_date->setDate(date);
}

QString TfrmAftaleTekst::startText() const
{
    return m_start->currentText();
}

void TfrmAftaleTekst::setStartText(const QString &text)
{
    m_start->setEditText(text);
}

QString TfrmAftaleTekst::endText() const
{
    return m_end->currentText();
}

void TfrmAftaleTekst::setEndText(const QString &text)
{
    m_end->setEditText(text);
}

QString TfrmAftaleTekst::heading() const
{
    return m_heading->text();
}

void TfrmAftaleTekst::setHeading(const QString &heading)
{
    m_heading->setText(heading);
}

QStringList TfrmAftaleTekst::textLines() const
{
    const QString plain = m_text->toPlainText();
    if (plain.isEmpty())
        return {};
    QStringList lines = plain.split(u'\n');
    // A final line break ends the last line; it does not start another.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString TfrmAftaleTekst::text() const
{
    QString joined;
    for (const QString &line : textLines())
        joined += line + QLatin1String("\r\n");
    return joined;
}

void TfrmAftaleTekst::setTextLines(const QStringList &lines)
{
    QString plain = lines.join(u'\n');
    // Keep a final empty line: without the extra break it would read back as no line at all.
    if (!lines.isEmpty() && lines.last().isEmpty())
        plain += u'\n';
    m_text->setPlainText(plain);
}

int TfrmAftaleTekst::color() const
{
    return m_colour->color();
}

void TfrmAftaleTekst::setColor(int value)
{
    m_colour->setColor(value);
}

QString TfrmAftaleTekst::resourceValue() const
{
    return m_resource->value();
}

void TfrmAftaleTekst::setResourceValue(const QString &value)
{
    m_resource->setValue(value);
}

void TfrmAftaleTekst::Button1Click()
{
    if (!ValidTime(startText(), m_regional) || !ValidTime(endText(), m_regional)) {
        Messages::show(QString::fromLatin1(InvalidTimeMessage));
        return;
    }
    accept();
}

void TfrmAftaleTekst::Button2Click()
{
    reject();
}

void TfrmAftaleTekst::Button3Click()
{
    Messages::guarded([this] {
        QPrinter printer(QPrinter::HighResolution);
        AppointmentPrint::preparePrinter(printer);
        if (!m_chooser || !m_chooser(printer, this))
            return;
        AppointmentPrintout printout;
        printout.dateText = AppointmentPrint::dateText(date(), m_regional.dateSeparator);
        printout.startText = startText();
        printout.endText = endText();
        printout.heading = heading();
        printout.text = m_text->toPlainText();
        AppointmentPrint::print(printout, printer);
    });
}

void TfrmAftaleTekst::keyPressEvent(QKeyEvent *event)
{
    // Neither Esc nor Enter closes this dialog; only its buttons and the close box do.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->ignore();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TfrmAftaleTekst::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
