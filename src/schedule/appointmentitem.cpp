#include "appointmentitem.h"

QString blockTimeText(const QDateTime &time, QChar timeSeparator)
{
    return QStringLiteral("%1%2%3")
        .arg(time.time().hour())
        .arg(timeSeparator)
        .arg(time.time().minute(), 2, 10, QLatin1Char('0'));
}
