#include "blockplacement.h"

#include "columnlayout.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace {

constexpr int minutesPerDay = 24 * 60;

// Wall-clock minutes since a fixed day: placement compares times as the user wrote them,
// without time zones (and without the cost of local-time conversions).
qint64 wallMinutes(const QDate &date, int minuteOfDay)
{
    return date.toJulianDay() * minutesPerDay + minuteOfDay;
}

qint64 wallMinutes(const QDateTime &t)
{
    return wallMinutes(t.date(), t.time().msecsSinceStartOfDay() / 60000);
}

bool overlaps(const LaneInterval &a, const LaneInterval &b)
{
    return a.start < b.end && b.start < a.end;
}

} // namespace

std::vector<LanePlace> assignLanes(const std::vector<LaneInterval> &intervals)
{
    std::vector<LanePlace> places(intervals.size());
    std::vector<int> order(intervals.size());
    std::iota(order.begin(), order.end(), 0);
    // By column, then start, longer first, so a group is one run of this order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const LaneInterval &x = intervals[a];
        const LaneInterval &y = intervals[b];
        if (x.column != y.column)
            return x.column < y.column;
        if (x.start != y.start)
            return x.start < y.start;
        return x.end > y.end;
    });

    std::size_t i = 0;
    while (i < order.size()) {
        const int column = intervals[order[i]].column;
        std::vector<int> laneEnds;
        std::vector<int> group;
        int groupEnd = intervals[order[i]].end;
        std::size_t j = i;
        for (; j < order.size(); ++j) {
            const LaneInterval &v = intervals[order[j]];
            if (v.column != column || (j > i && v.start >= groupEnd))
                break;
            groupEnd = std::max(groupEnd, v.end);
            auto lane = std::find_if(laneEnds.begin(), laneEnds.end(), [&](int e) { return e <= v.start; });
            if (lane == laneEnds.end()) {
                laneEnds.push_back(v.end);
                places[order[j]].lane = int(laneEnds.size()) - 1;
            } else {
                *lane = v.end;
                places[order[j]].lane = int(lane - laneEnds.begin());
            }
            group.push_back(order[j]);
        }
        const int laneCount = int(laneEnds.size());
        for (const int a : group) {
            LanePlace &place = places[a];
            place.laneCount = laneCount;
            int rightmost = laneCount;
            for (const int b : group) {
                if (places[b].lane > place.lane && places[b].lane < rightmost
                    && overlaps(intervals[a], intervals[b]))
                    rightmost = places[b].lane;
            }
            place.span = rightmost - place.lane;
        }
        i = j;
    }
    return places;
}

std::vector<PlacedBlock> placeBlocks(const std::vector<AppointmentItem> &items, const ViewState &view,
    const ResourceMap &map, const TimeLayout &time)
{
    const ColumnLayout layout(view);
    const qint64 firstVisible = wallMinutes(view.day, time.firstMinute());
    const qint64 afterLastDay = wallMinutes(view.day.addDays(view.numberOfDays), 0);
    const int visibleFrom = std::clamp(time.firstMinute(), 0, minutesPerDay);
    const int visibleTo = std::clamp(time.endMinute(), 0, minutesPerDay);

    std::vector<PlacedBlock> blocks;
    std::map<int, int> barsInColumn;
    for (int index = 0; index < int(items.size()); ++index) {
        const AppointmentItem &item = items[index];
        int slot = 0;
        if (view.mode != Mode::dmMultiDay)
            slot = map.isEmpty() ? item.resource : map.slotOfResource(item.resource);
        if (slot < 0)
            continue;
        const qint64 start = wallMinutes(item.start);
        const qint64 end = wallMinutes(item.end);
        if (end < firstVisible || start >= afterLastDay)
            continue;
        const int firstOffset = int(std::max<qint64>(0, view.day.daysTo(item.start.date())));

        if (end - start > minutesPerDay) {
            const int lastOffset
                = int(std::min<qint64>(view.numberOfDays - 1, view.day.daysTo(item.end.date())));
            for (int d = firstOffset; d <= lastOffset; ++d) {
                const int column = layout.column(d, slot);
                if (column < 0)
                    continue;
                PlacedBlock bar;
                bar.item = index;
                bar.column = column;
                bar.bar = true;
                bar.lane = barsInColumn[column]++;
                blocks.push_back(bar);
            }
            continue;
        }

        if (item.start.date() == item.end.date()) {
            const int startMinute = item.start.time().msecsSinceStartOfDay() / 60000;
            const int endMinute = item.end.time().msecsSinceStartOfDay() / 60000;
            // A block ending where the grid starts would have no height at all.
            if (endMinute < time.firstMinute() || (endMinute == time.firstMinute() && startMinute < endMinute)
                || startMinute > time.lastRowStartMinute())
                continue;
        }
        const int column = layout.column(firstOffset, slot);
        if (column < 0)
            continue;
        const qint64 midnight = wallMinutes(view.day.addDays(firstOffset), 0);
        PlacedBlock block;
        block.item = index;
        block.column = column;
        block.startMinute = int(std::clamp<qint64>(start - midnight, visibleFrom, visibleTo));
        block.endMinute = int(std::clamp<qint64>(end - midnight, visibleFrom, visibleTo));
        // Nothing of it within the visible rows of its column (a row running past midnight).
        if (block.endMinute <= block.startMinute && start < end)
            continue;
        blocks.push_back(block);
    }

    std::vector<LaneInterval> intervals;
    std::vector<int> timed;
    for (int i = 0; i < int(blocks.size()); ++i) {
        if (blocks[i].bar)
            continue;
        timed.push_back(i);
        intervals.push_back({ blocks[i].column, blocks[i].startMinute, blocks[i].endMinute });
    }
    const std::vector<LanePlace> lanes = assignLanes(intervals);
    for (int i = 0; i < int(timed.size()); ++i) {
        PlacedBlock &b = blocks[timed[i]];
        b.lane = lanes[i].lane;
        b.laneCount = lanes[i].laneCount;
        b.laneSpan = lanes[i].span;
    }
    return blocks;
}
