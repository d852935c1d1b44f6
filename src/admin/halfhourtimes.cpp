#include "halfhourtimes.h"

QStringList halfHourTimes()
{
    QStringList times;
    times.reserve(48);
    for (int slot = 0; slot < 48; ++slot)
        times.append(QStringLiteral("%1:%2")
                         .arg(slot / 2, 2, 10, QLatin1Char('0'))
                         .arg(slot % 2 == 0 ? QStringLiteral("00") : QStringLiteral("30")));
    return times;
}
