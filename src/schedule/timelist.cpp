#include "timelist.h"

QStringList buildTimeList()
{
    QStringList list;
    buildTimeList(list);
    return list;
}

void buildTimeList(QStringList &list)
{
    list.clear();
    for (int hour = 0; hour < 24; ++hour) {
        const QString h = QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
        list.append(h + QStringLiteral(":00"));
        list.append(h + QStringLiteral(":30"));
    }
}

int timeSlotIndex(const QString &text, const QString &defaultText, int defaultIndex)
{
    static const QStringList timeList = buildTimeList();
    QString wanted = text.trimmed();
    if (wanted.isEmpty() || wanted.size() != 5)
        wanted = defaultText.trimmed();
    for (int i = 0; i < timeList.size(); ++i) {
        if (timeList.at(i).trimmed() == wanted)
            return i;
    }
    return defaultIndex;
}
