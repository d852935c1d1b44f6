#include "schedulerange.h"

#include "platform/errors.h"
#include "sqlerror.h"
#include "sqlvalues.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace {

const QString columns = QStringLiteral("KEYFIELD, STARTTIME, ENDTIME, SUBJECT, NOTES, COLOR, MEK");

// Resource numbers go in as an IN list of bound values: an equality on MEK lets each index
// range over its second column, where a range on MEK would not.
constexpr int maxResourcesPerStatement = 32;

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks.append(QStringLiteral("?"));
    return marks.join(QStringLiteral(", "));
}

QString rangeStatement(int resources)
{
    const QString in = placeholders(resources);
    return QStringLiteral("SELECT %1 FROM Schedules WHERE MEK IN (%2) AND STARTTIME >= ? AND STARTTIME < ? "
                          "UNION ALL "
                          "SELECT %1 FROM Schedules WHERE MEK IN (%2) AND ENDTIME >= ? AND ENDTIME < ? "
                          "AND STARTTIME < ? "
                          "ORDER BY MEK")
        .arg(columns, in);
}

void bindRange(QSqlQuery &q, int firstMek, int count, const QDateTime &from, const QDateTime &to)
{
    const QVariant lookBack = toSqlDateTime(from.addDays(-1));
    for (int i = 0; i < count; ++i)
        q.addBindValue(firstMek + i);
    q.addBindValue(lookBack);
    q.addBindValue(toSqlDateTime(to));
    for (int i = 0; i < count; ++i)
        q.addBindValue(firstMek + i);
    q.addBindValue(toSqlDateTime(from));
    q.addBindValue(toSqlDateTime(to));
    q.addBindValue(lookBack);
}

// "yyyy-MM-dd HH:mm:ss" read by position: the grid reads hundreds of these per view, and
// the general parser with its local-time validation costs more than the query itself.
QDateTime wallClock(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString();
        if (text.size() == 19 && text.at(4) == u'-' && text.at(10) == u' ' && text.at(13) == u':') {
            const auto number
                = [&text](int from, int length) { return QStringView(text).mid(from, length).toInt(); };
            const QDate date(number(0, 4), number(5, 2), number(8, 2));
            const QTime time(number(11, 2), number(14, 2), number(17, 2));
            if (date.isValid() && time.isValid())
                return QDateTime(date, time, Qt::UTC);
        }
    }
    const QDateTime parsed = fromSqlDateTime(value);
    return QDateTime(parsed.date(), parsed.time(), Qt::UTC);
}

void appendRows(QSqlQuery &q, std::vector<ScheduleRow> &rows)
{
    while (q.next()) {
        ScheduleRow row;
        row.key = q.value(0).toString();
        row.start = wallClock(q.value(1));
        row.end = wallClock(q.value(2));
        row.subject = q.value(3).toString();
        row.notes = q.value(4).toString();
        row.colour = q.value(5).isNull() ? 0 : q.value(5).toLongLong();
        row.resource = q.value(6).toInt();
        rows.push_back(std::move(row));
    }
}

} // namespace

std::vector<ScheduleRow> readScheduleRange(
    QSqlDatabase db, int minMek, int maxMek, const QDateTime &from, const QDateTime &to)
{
    std::vector<ScheduleRow> rows;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    for (int first = minMek; first <= maxMek; first += maxResourcesPerStatement) {
        const int count = std::min(maxResourcesPerStatement, maxMek - first + 1);
        if (!q.prepare(rangeStatement(count)))
            throw MirvoError(sqlErrorText(q));
        bindRange(q, first, count, from, to);
        execOrThrow(q);
        appendRows(q, rows);
    }
    return rows;
}

std::vector<ScheduleRow> readScheduleWindow(QSqlDatabase db, int minMek, int maxMek)
{
    std::vector<ScheduleRow> rows;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT %1 FROM Schedules WHERE MEK >= ? AND MEK <= ? ORDER BY MEK").arg(columns));
    q.addBindValue(minMek);
    q.addBindValue(maxMek);
    execOrThrow(q);
    appendRows(q, rows);
    return rows;
}

QStringList scheduleRangePlan(
    QSqlDatabase db, int minMek, int maxMek, const QDateTime &from, const QDateTime &to)
{
    const int count = std::clamp(maxMek - minMek + 1, 1, maxResourcesPerStatement);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + rangeStatement(count));
    bindRange(q, minMek, count, from, to);
    execOrThrow(q);
    QStringList plan;
    while (q.next())
        plan.append(q.value(3).toString());
    return plan;
}
