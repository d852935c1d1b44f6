#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

// One row of Schedules as the grid reads it. Start and end are the stored wall-clock times,
// carried as Qt::UTC date-times so that no time-zone rule shifts or slows them.
struct ScheduleRow
{
    QString key;
    QDateTime start;
    QDateTime end;
    QString subject;
    QString notes;
    qint64 colour = 0; // empty reads as 0
    int resource = 0;
};

// The rows of resources minMek..maxMek that may overlap [from, to): those starting from one
// day before `from` up to `to`, and longer ones that end inside [from, to). Each resource is
// searched through the (MEK, STARTTIME) and (MEK, ENDTIME) indexes, so the work follows the
// rows shown, not the size of the table. A row longer than a day that begins more than a day
// before `from` and ends at or after `to` is not found. Ordered by MEK.
std::vector<ScheduleRow> readScheduleRange(
    QSqlDatabase db, int minMek, int maxMek, const QDateTime &from, const QDateTime &to);

// Every row of resources minMek..maxMek, ordered by MEK.
std::vector<ScheduleRow> readScheduleWindow(QSqlDatabase db, int minMek, int maxMek);

// SQLite's plan for the statement of readScheduleRange, one line per step.
QStringList scheduleRangePlan(
    QSqlDatabase db, int minMek, int maxMek, const QDateTime &from, const QDateTime &to);
