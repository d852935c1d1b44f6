#include "sqlvalues.h"

namespace {
const QString isoFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

QVariant toSqlDateTime(const QDateTime &value)
{
    return value.toString(isoFormat);
}

QDateTime zeroDateTime()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

QDateTime fromSqlDateTime(const QVariant &value)
{
    if (value.isNull())
        return zeroDateTime();
    if (value.metaType().id() == QMetaType::QDateTime) {
        QDateTime dt = value.toDateTime();
        return QDateTime(dt.date(), dt.time());
    }
    const QString text = value.toString().trimmed();
    QDateTime dt = QDateTime::fromString(text, isoFormat);
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt.isValid() ? QDateTime(dt.date(), dt.time()) : zeroDateTime();
}
