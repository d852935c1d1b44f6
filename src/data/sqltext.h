#pragma once

#include <QString>
#include <QVariant>

// A text bound as a value. A null QString would be stored as NULL; a typed text is never NULL,
// so it goes in as the empty text. PostgreSQL cannot hold the character NUL in a text, so it is
// dropped on both engines alike: every other character is stored as typed.
inline QVariant toSqlText(const QString &text)
{
    if (text.isNull())
        return QVariant(QStringLiteral(""));
    if (text.contains(QChar(u'\0'))) {
        QString stored = text;
        stored.remove(QChar(u'\0'));
        return stored;
    }
    return text;
}
