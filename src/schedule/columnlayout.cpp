#include "columnlayout.h"

#include "resourcemap.h"

ColumnLayout::ColumnLayout(const ViewState &view)
    : m_view(view)
{ }

int ColumnLayout::columnCount() const
{
    if (m_view.mode == Mode::dmMultiDay)
        return m_view.numberOfDays;
    return m_view.numberOfDays * m_view.numberOfResources;
}

int ColumnLayout::dayOffset(int p) const
{
    switch (m_view.mode) {
    case Mode::dmMultiDay:
        return p;
    case Mode::dmMultiDayRes:
        return p % m_view.numberOfDays;
    case Mode::dmMultiResDay:
        return p / m_view.numberOfResources;
    }
    return p;
}

QDate ColumnLayout::PositionDay(int p) const
{
    return m_view.day.addDays(dayOffset(p));
}

int ColumnLayout::PositionSlot(int p) const
{
    switch (m_view.mode) {
    case Mode::dmMultiDay:
        return 0;
    case Mode::dmMultiDayRes:
        return p / m_view.numberOfDays;
    case Mode::dmMultiResDay:
        return p % m_view.numberOfResources;
    }
    return 0;
}

int ColumnLayout::column(int dayOffset, int slot) const
{
    if (dayOffset < 0 || dayOffset >= m_view.numberOfDays || slot < 0)
        return -1;
    switch (m_view.mode) {
    case Mode::dmMultiDay:
        return dayOffset;
    case Mode::dmMultiDayRes:
        return slot < m_view.numberOfResources ? dayOffset + slot * m_view.numberOfDays : -1;
    case Mode::dmMultiResDay:
        return slot < m_view.numberOfResources ? slot + dayOffset * m_view.numberOfResources : -1;
    }
    return -1;
}

int ColumnLayout::columnsPerGroup() const
{
    switch (m_view.mode) {
    case Mode::dmMultiDay:
        return columnCount();
    case Mode::dmMultiDayRes:
        return m_view.numberOfDays;
    case Mode::dmMultiResDay:
        return m_view.numberOfResources;
    }
    return columnCount();
}

int ColumnLayout::groupCount() const
{
    if (!hasGroups())
        return 0;
    return columnCount() / columnsPerGroup();
}

QString ColumnLayout::columnHeading(int p, const ResourceMap &map, QChar dateSeparator) const
{
    if (m_view.mode == Mode::dmMultiResDay)
        return map.nameOfSlot(PositionSlot(p));
    return dateHeading(PositionDay(p), dateSeparator);
}

QString ColumnLayout::groupHeading(int group, const ResourceMap &map, QChar dateSeparator) const
{
    const int first = group * columnsPerGroup();
    switch (m_view.mode) {
    case Mode::dmMultiDay:
        return {};
    case Mode::dmMultiDayRes:
        return map.nameOfSlot(PositionSlot(first));
    case Mode::dmMultiResDay:
        return dateHeading(PositionDay(first), dateSeparator);
    }
    return {};
}

QString ColumnLayout::dateHeading(const QDate &date, QChar dateSeparator)
{
    const auto twoDigits = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    return twoDigits(date.day()) + dateSeparator + twoDigits(date.month()) + dateSeparator
        + QString::number(date.year()).rightJustified(4, u'0');
}
