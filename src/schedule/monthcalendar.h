#pragma once

#include <QCalendarWidget>

class QToolButton;

// One of the month calendars beside the grid: weeks from Monday, no week numbers, only the
// shown month's days, weekend numbers red, the selected day white on teal and today sunken.
// Only a calendar with browse buttons lets the user change month and year; setting the date
// from the program reports nothing.
class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    MonthCalendar(const QLocale &locale, bool browseButtons, QWidget *parent = nullptr);

    // Selects the date and shows its month, silently.
    void setDate(const QDate &date);
    QDate date() const { return selectedDate(); }

    // Whether the selected day is marked; only the calendar last clicked marks its day.
    bool selectionShown() const { return m_selectionShown; }
    void setSelectionShown(bool shown);

    void setToday(const QDate &today);

signals:
    // The user picked a day.
    void dayPicked(const QDate &date);
    // The user browsed to another month or year.
    void monthBrowsed(int year, int month);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    void browse(int months);

    bool m_selectionShown = true;
    QDate m_today = QDate::currentDate();
};
