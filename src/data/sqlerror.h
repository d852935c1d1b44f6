#pragma once

#include <QString>

class QSqlQuery;

// The database's own text for the last error of a query.
QString sqlErrorText(const QSqlQuery &query);

// Executes a prepared or plain query; throws MirvoError with the database's text on failure.
void execOrThrow(QSqlQuery &query);
void execOrThrow(QSqlQuery &query, const QString &statement);
