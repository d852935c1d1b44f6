#include "sqlerror.h"

#include "platform/errors.h"

#include <QSqlError>
#include <QSqlQuery>

QString sqlErrorText(const QSqlQuery &query)
{
    const QSqlError e = query.lastError();
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.text();
    return text.trimmed();
}

void execOrThrow(QSqlQuery &query)
{
    if (!query.exec())
        throw MirvoError(sqlErrorText(query));
}

void execOrThrow(QSqlQuery &query, const QString &statement)
{
    if (!query.exec(statement))
        throw MirvoError(sqlErrorText(query));
}
