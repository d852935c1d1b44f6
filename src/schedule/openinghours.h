#pragma once

#include <QStringList>
#include <array>

// One weekday's opening hours in half-hour slots: open from the start of `from` up to, not
// including, the start of `to`. Equal slots or `to` = -1 mean closed all day.
struct OpeningDay
{
    int weekday = 1; // 1 = Monday ... 7 = Sunday
    int from = 16;
    int to = 32;

    bool operator==(const OpeningDay &) const = default;
};

// Seven entries, Monday first.
using OpeningHours = std::array<OpeningDay, 7>;

// The fourteen stored texts, Monday's opening and closing time first, turned into slots with
// each weekday's defaults; a missing text counts as empty. Without `useOpeningHours` the
// built-in hours apply: weekdays 08:00 to 16:00, weekend closed.
OpeningHours LoadOpeningHours(const QStringList &texts, bool useOpeningHours);
