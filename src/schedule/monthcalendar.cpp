#include "monthcalendar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <qdrawutil.h>

namespace {

const QColor teal(0, 128, 128);

// Whether a cell of the day table shows a day of the shown month. The table ends in six week
// rows; the first can only hold days 1..7 of the month, the last two days from 22 on.
bool inShownMonth(const QModelIndex &cell)
{
    bool isDay = false;
    const int day = cell.data().toInt(&isDay);
    if (!isDay)
        return true; // a heading
    const int week = cell.row() - (cell.model()->rowCount() - 6);
    return !(week == 0 && day > 7) && !(week >= 4 && day < 15);
}

QToolButton *browseButton(QWidget *parent, const QString &name, const QString &text, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFixedSize(18, 18);
    return button;
}

} // namespace

MonthCalendar::MonthCalendar(const QLocale &locale, bool browseButtons, QWidget *parent)
    : QCalendarWidget(parent)
{
    setLocale(locale);
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setGridVisible(false);
    setNavigationBarVisible(false);
    setDateEditEnabled(false);

    QTextCharFormat weekend;
    weekend.setForeground(Qt::red);
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);
    QTextCharFormat header;
    header.setFontPointSize(6);
    setHeaderTextFormat(header);
    // paintCell marks the selected day itself, only while the selection is shown.
    if (auto *view = findChild<QWidget *>(QStringLiteral("qt_calendar_calendarview"))) {
        QPalette plain = view->palette();
        plain.setColor(QPalette::Highlight, Qt::transparent);
        plain.setColor(QPalette::HighlightedText, Qt::black);
        view->setPalette(plain);
    }

    // Our own title row: the month and year, with browse buttons on the first calendar only.
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("monthBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(1, 1, 1, 0);
    row->setSpacing(0);
    auto *title = new QLabel(bar);
    title->setObjectName(QStringLiteral("monthTitle"));
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    const auto showTitle = [this, title, locale](int year, int month) {
        title->setText(locale.standaloneMonthName(month, QLocale::ShortFormat) + QLatin1Char(' ')
            + QString::number(year));
    };
    connect(this, &QCalendarWidget::currentPageChanged, title, showTitle);
    showTitle(yearShown(), monthShown());
    if (browseButtons) {
        QToolButton *yearBack = browseButton(
            bar, QStringLiteral("yearBack"), QStringLiteral("«"), QStringLiteral("År tilbage"));
        QToolButton *monthBack = browseButton(
            bar, QStringLiteral("monthBack"), QStringLiteral("‹"), QStringLiteral("Månede tilbage"));
        QToolButton *monthForward = browseButton(
            bar, QStringLiteral("monthForward"), QStringLiteral("›"), QStringLiteral("Månede frem"));
        QToolButton *yearForward = browseButton(
            bar, QStringLiteral("yearForward"), QStringLiteral("»"), QStringLiteral("År frem"));
        connect(yearBack, &QToolButton::clicked, this, [this] { browse(-12); });
        connect(monthBack, &QToolButton::clicked, this, [this] { browse(-1); });
        connect(monthForward, &QToolButton::clicked, this, [this] { browse(1); });
        connect(yearForward, &QToolButton::clicked, this, [this] { browse(12); });
        row->addWidget(yearBack);
        row->addWidget(monthBack);
        row->addWidget(title, 1);
        row->addWidget(monthForward);
        row->addWidget(yearForward);
    } else {
        row->addWidget(title, 1);
    }
    if (auto *column = qobject_cast<QVBoxLayout *>(layout()))
        column->insertWidget(0, bar);

    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::dayPicked);
    // Enter on a day picked with the arrow keys picks it, as a click does.
    connect(this, &QCalendarWidget::activated, this, &MonthCalendar::dayPicked);
    // Any month change the user makes, by the browse buttons or the keyboard, is reported;
    // setDate changes the month silently.
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::monthBrowsed);
    // The days of the months before and after are left blank, so clicking there picks nothing.
    if (auto *days = findChild<QTableView *>())
        days->viewport()->installEventFilter(this);
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (auto *days = qobject_cast<QTableView *>(watched->parent())) {
            const QModelIndex cell = days->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (cell.isValid() && !inShownMonth(cell))
                return true;
        }
        break;
    default:
        break;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

void MonthCalendar::setDate(const QDate &date)
{
    const QSignalBlocker quiet(this);
    setSelectedDate(date);
    setCurrentPage(date.year(), date.month());
    // The title follows the page even while signals are blocked.
    if (auto *title = findChild<QLabel *>(QStringLiteral("monthTitle")))
        title->setText(locale().standaloneMonthName(date.month(), QLocale::ShortFormat) + QLatin1Char(' ')
            + QString::number(date.year()));
}

void MonthCalendar::setSelectionShown(bool shown)
{
    m_selectionShown = shown;
    updateCells();
}

void MonthCalendar::setToday(const QDate &today)
{
    m_today = today;
    updateCells();
}

void MonthCalendar::browse(int months)
{
    const QDate page = QDate(yearShown(), monthShown(), 1).addMonths(months);
    setCurrentPage(page.year(), page.month());
}

void MonthCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    if (date.year() != yearShown() || date.month() != monthShown())
        return; // only the shown month's days
    painter->save();
    const bool selected = m_selectionShown && date == selectedDate();
    if (selected)
        painter->fillRect(rect.adjusted(1, 1, -1, -1), teal);
    if (date == m_today)
        qDrawShadePanel(painter, rect.adjusted(1, 1, -1, -1), palette(), true, 1);
    const bool weekend = date.dayOfWeek() >= 6;
    painter->setPen(selected ? Qt::white : weekend ? Qt::red : Qt::black);
    painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter->restore();
}

void MonthCalendar::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0, Qt::white);
        shade.setColorAt(1, palette().color(QPalette::Button));
        painter.fillRect(rect(), shade);
    }
    QCalendarWidget::paintEvent(event);
}
