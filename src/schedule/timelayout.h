#pragma once

#include "openinghours.h"

#include <vector>

// The grid's rows and per-column shading. Rows are `displayUnit` minutes long, counted from
// midnight; the grid shows rows displayStart..displayEnd inclusive. Shading rows count from 0
// at displayStart; a column is open in row r when activeStart <= r < activeEnd.
struct TimeLayout
{
    int displayStart = 0;
    int displayEnd = 47;
    int displayUnit = 30;
    std::vector<int> activeStart;
    std::vector<int> activeEnd;

    // A column without its own shading uses these.
    static constexpr int defaultActiveStart = 16;
    static constexpr int defaultActiveEnd = 40;

    int rowCount() const { return displayEnd >= displayStart ? displayEnd - displayStart + 1 : 0; }
    int firstMinute() const { return displayStart * displayUnit; }
    int lastRowStartMinute() const { return displayEnd * displayUnit; }
    int endMinute() const { return (displayEnd + 1) * displayUnit; }

    int ActiveStart(int p) const;
    int ActiveEnd(int p) const;
    bool isOpen(int p, int row) const { return ActiveStart(p) <= row && row < ActiveEnd(p); }

    bool operator==(const TimeLayout &) const = default;
};

// The display preferences that decide the rows.
struct TimeSettings
{
    int timeUnit = 30;
    int startSlot = 0;
    int stopSlot = 47;
};

// Visible rows, row length and shading for columns of the given weekdays (1 = Monday). A time
// unit other than 5, 10, 15 or 30 keeps the current rows and leaves the slots unscaled.
TimeLayout ApplyTimeLayout(const TimeLayout &current, const TimeSettings &settings, const OpeningHours &hours,
    const std::vector<int> &columnWeekdays);
