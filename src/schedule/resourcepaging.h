#pragma once

#include <QDate>
#include <optional>

// A page of resource numbers shown side by side.
struct ResourcePage
{
    int minMek;
    int maxMek;
    bool operator==(const ResourcePage &) const = default;
};

// The page before the window starting at minMek, `count` resources wide; none when the first
// page is shown already. A page that would start below lowMek becomes the first page 0..count-1.
std::optional<ResourcePage> previousResourcePage(int lowMek, int minMek, int count);

// The page after the window ending at maxMek; none when the highest resource is shown. The
// last page is not shortened: its numbers past highMek show as unknown resources.
std::optional<ResourcePage> nextResourcePage(int highMek, int maxMek, int count);

// The date with `date`'s day in the given month, or that month's last day when it is shorter.
QDate sameDayInMonth(const QDate &date, int year, int month);
