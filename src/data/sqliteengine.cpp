#include "sqliteengine.h"

#include "sqlerror.h"

#include <QSqlQuery>

namespace {
// How long a copy waits for another copy's write before a statement fails.
constexpr int busyTimeoutMs = 30000;
} // namespace

void SqliteEngine::configure(QSqlDatabase &db, const QString &path)
{
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
}

void SqliteEngine::afterOpen(QSqlDatabase &db)
{
    // Copies of the program may share the file on a network folder: keep the rollback journal.
    QSqlQuery q(db);
    execOrThrow(q, QStringLiteral("PRAGMA journal_mode=DELETE"));
}
