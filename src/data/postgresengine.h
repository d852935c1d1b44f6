#pragma once

#include <QSqlDatabase>
#include <QString>

// The per-connection setup of a PostgreSQL server connection.
namespace PostgresEngine {

inline constexpr char driverName[] = "QPSQL";

// A libpq connection string split into the fields Qt's driver takes. The driver joins them
// into a connection string again, quoting host, database, user and password itself.
struct ConnectionFields
{
    QString host;
    int port = -1;
    QString databaseName;
    QString userName;
    QString password;
    QString options; // every other keyword, quoted, separated by ';'
};

// Accepts the key=value form and the postgresql:// URI form, exactly as libpq reads them.
// Throws MirvoError with libpq's text when the string is malformed, and when a value other
// than host, database, user or password holds a ';', which the driver cannot pass on.
ConnectionFields splitConnectionString(const QString &conninfo);

// Before opening: every field of the connection string.
void configure(QSqlDatabase &db, const QString &conninfo);

} // namespace PostgresEngine
