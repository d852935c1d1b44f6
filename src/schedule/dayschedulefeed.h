#pragma once

#include "resourcemap.h"

#include <QObject>
#include <QPointer>
#include <QSqlDatabase>

class PlannerGrid;

// The grid's item feed: reads the appointments of the resource window that overlap the days
// the grid shows and hands them to the grid as items. It re-reads whenever the grid's view
// changes, the window changes, or it is switched on; every complete read ends in itemsRead().
class DayScheduleFeed : public QObject
{
    Q_OBJECT

public:
    explicit DayScheduleFeed(PlannerGrid *grid, QObject *parent = nullptr);

    void setDatabase(const QSqlDatabase &db);

    // The resources whose appointments are loaded: MinMek..MaxMek. A change re-reads.
    int MinMek() const { return m_minMek; }
    int MaxMek() const { return m_maxMek; }
    void setResourceWindow(int minMek, int maxMek);

    // Slots and headings of the resources; given to the grid at once, used by the next read.
    const ResourceMap &resourceMap() const { return m_map; }
    void setResourceMap(const ResourceMap &map);

    // Off clears the grid's items and stops reading; on clears and reads anew.
    bool isActive() const { return m_active; }
    void setActive(bool active);

    // Reads the current window again, so that other copies' changes show. Database errors
    // propagate as MirvoError after the grid has been emptied.
    void reread();

signals:
    void itemsRead();

private:
    QPointer<PlannerGrid> m_grid;
    QSqlDatabase m_db;
    ResourceMap m_map;
    int m_minMek = 0;
    int m_maxMek = 0;
    bool m_active = false;
};
