#include "openinghours.h"

#include "timelist.h"

OpeningHours LoadOpeningHours(const QStringList &texts, bool useOpeningHours)
{
    OpeningHours hours;
    for (int i = 0; i < 7; ++i) {
        OpeningDay &day = hours[i];
        day.weekday = i + 1;
        const bool weekend = day.weekday >= 6;
        if (useOpeningHours) {
            const QString fromDefault = weekend ? QStringLiteral("00:00") : QStringLiteral("08:00");
            const QString toDefault = weekend ? QStringLiteral("00:00") : QStringLiteral("16:00");
            day.from = timeSlotIndex(texts.value(2 * i), fromDefault, weekend ? 0 : 16);
            day.to = timeSlotIndex(texts.value(2 * i + 1), toDefault, weekend ? 0 : 32);
        } else {
            day.from = weekend ? 0 : 16;
            day.to = weekend ? -1 : 32;
        }
    }
    return hours;
}
