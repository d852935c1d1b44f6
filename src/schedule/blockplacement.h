#pragma once

#include "appointmentitem.h"
#include "resourcemap.h"
#include "timelayout.h"
#include "viewstate.h"

#include <vector>

// Where an appointment is drawn: its column and its minutes from that column's midnight,
// cut to the visible rows. Bars (rows longer than a day) sit in the heading area instead,
// one piece per column they cover. Lanes split a column among overlapping blocks.
struct PlacedBlock
{
    int item = 0; // index into the items placed
    int column = 0;
    int startMinute = 0;
    int endMinute = 0;
    bool bar = false;
    int lane = 0;
    int laneCount = 1;
    int laneSpan = 1;

    bool operator==(const PlacedBlock &) const = default;
};

// Which items become blocks and where, for the view, the map and the visible hours.
std::vector<PlacedBlock> placeBlocks(const std::vector<AppointmentItem> &items, const ViewState &view,
    const ResourceMap &map, const TimeLayout &time);

struct LaneInterval
{
    int column = 0;
    int start = 0;
    int end = 0;
};

struct LanePlace
{
    int lane = 0;
    int laneCount = 1;
    int span = 1;

    bool operator==(const LanePlace &) const = default;
};

// Overlap lanes, one place per interval in input order. Intervals of one column that overlap
// directly or through a chain form a group sharing its lanes; each takes the first lane free
// at its start; it spans rightwards up to the first lane holding an interval it overlaps.
// Touching end to start is no overlap.
std::vector<LanePlace> assignLanes(const std::vector<LaneInterval> &intervals);
