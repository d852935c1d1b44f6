#include "appointmentform.h"

#include "validtime.h"

QString cellTimeText(const QTime &time, QChar timeSeparator)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return two(time.hour()) + timeSeparator + two(time.minute()) + timeSeparator + two(time.second());
}

QStringList RowTimes(int displayStart, int displayEnd, int displayUnit, QChar timeSeparator)
{
    QStringList times;
    for (int row = displayStart; row < displayEnd; ++row)
        times.append(cellTimeText(QTime(0, 0).addSecs(row * displayUnit * 60), timeSeparator));
    return times;
}

QTime storedTime(const QString &text, const RegionalSettings &regional)
{
    const std::optional<QTime> time = parseTime(text, regional);
    if (!time)
        return {};
    const bool showsSeconds = regional.shortTimeFormat.contains(QLatin1Char('s'));
    return QTime(time->hour(), time->minute(), showsSeconds ? time->second() : 0);
}

int resourceNumber(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    return ok && number != -1 ? number : 0;
}
