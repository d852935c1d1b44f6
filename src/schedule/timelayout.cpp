#include "timelayout.h"

#include <algorithm>

int TimeLayout::ActiveStart(int p) const
{
    return p >= 0 && p < int(activeStart.size()) ? activeStart[p] : defaultActiveStart;
}

int TimeLayout::ActiveEnd(int p) const
{
    return p >= 0 && p < int(activeEnd.size()) ? activeEnd[p] : defaultActiveEnd;
}

TimeLayout ApplyTimeLayout(const TimeLayout &current, const TimeSettings &settings, const OpeningHours &hours,
    const std::vector<int> &columnWeekdays)
{
    TimeLayout layout = current;
    layout.activeStart.clear();
    layout.activeEnd.clear();
    int k = 0;
    switch (settings.timeUnit) {
    case 5:
        k = 6;
        break;
    case 10:
        k = 3;
        break;
    case 15:
        k = 2;
        break;
    case 30:
        k = 1;
        break;
    default:
        break;
    }
    if (k > 0) {
        layout.displayStart = settings.startSlot * k;
        layout.displayEnd = settings.stopSlot * k;
        layout.displayUnit = settings.timeUnit;
    }
    for (const int weekday : columnWeekdays) {
        const OpeningDay &day = hours[std::clamp(weekday, 1, 7) - 1];
        int from = day.from;
        int to = day.to;
        if (k > 0) {
            from *= k;
            to *= k;
        }
        layout.activeStart.push_back(from - layout.displayStart);
        layout.activeEnd.push_back(to - layout.displayStart);
    }
    return layout;
}
