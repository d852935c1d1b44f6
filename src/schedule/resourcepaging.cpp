#include "resourcepaging.h"

std::optional<ResourcePage> previousResourcePage(int lowMek, int minMek, int count)
{
    if (lowMek >= minMek)
        return std::nullopt;
    ResourcePage page;
    page.maxMek = minMek - 1;
    page.minMek = page.maxMek - count + 1;
    if (page.minMek < lowMek)
        page = { 0, count - 1 };
    return page;
}

std::optional<ResourcePage> nextResourcePage(int highMek, int maxMek, int count)
{
    if (highMek <= maxMek)
        return std::nullopt;
    const int minMek = maxMek + 1;
    return ResourcePage { minMek, minMek + count - 1 };
}

QDate sameDayInMonth(const QDate &date, int year, int month)
{
    const QDate first(year, month, 1);
    return QDate(year, month, qMin(date.day(), first.daysInMonth()));
}
