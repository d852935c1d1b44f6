#include "dayschedulefeed.h"

#include "data/schedulerange.h"
#include "plannergrid.h"

#include <QRegularExpression>

namespace {

QStringList textLines(const QString &notes)
{
    if (notes.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = notes.split(lineBreak);
    // Stored text ends every line with a line break, the last one too.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

DayScheduleFeed::DayScheduleFeed(PlannerGrid *grid, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
{
    connect(grid, &PlannerGrid::viewChanged, this, [this] {
        if (m_active)
            reread();
    });
}

void DayScheduleFeed::setDatabase(const QSqlDatabase &db)
{
    m_db = db;
}

void DayScheduleFeed::setResourceWindow(int minMek, int maxMek)
{
    if (minMek == m_minMek && maxMek == m_maxMek)
        return;
    m_minMek = minMek;
    m_maxMek = maxMek;
    if (m_active)
        reread();
}

void DayScheduleFeed::setResourceMap(const ResourceMap &map)
{
    m_map = map;
    if (m_grid)
        m_grid->setResourceMap(map);
}

void DayScheduleFeed::setActive(bool active)
{
    m_active = active;
    if (m_grid)
        m_grid->clearItems();
    if (active)
        reread();
}

void DayScheduleFeed::reread()
{
    if (!m_grid)
        return;
    m_grid->clearItems();
    m_grid->setResourceMap(m_map);
    if (!m_db.isValid() || !m_db.isOpen())
        return;
    const QDateTime from(m_grid->day(), QTime(0, 0));
    const QDateTime to = from.addDays(m_grid->numberOfDays());
    const std::vector<ScheduleRow> rows = readScheduleRange(m_db, m_minMek, m_maxMek, from, to);
    std::vector<AppointmentItem> items;
    items.reserve(rows.size());
    for (const ScheduleRow &row : rows) {
        AppointmentItem item;
        item.key = row.key;
        item.start = row.start;
        item.end = row.end;
        item.caption = row.subject;
        item.text = textLines(row.notes);
        item.colour = row.colour;
        item.resource = row.resource;
        items.push_back(std::move(item));
    }
    m_grid->setItems(std::move(items));
    emit itemsRead();
}
