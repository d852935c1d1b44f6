#pragma once

#include <QString>
#include <QVariant>

// A text bound as a value. A null QString would be stored as NULL; a typed text is never NULL,
// so it goes in as the empty text.
inline QVariant toSqlText(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}
