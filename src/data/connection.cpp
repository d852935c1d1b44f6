#include "connection.h"

#include "platform/errors.h"
#include "sqlerror.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("mirvo-%1").arg(counter.fetchAndAddRelaxed(1));
}

// How long a copy waits for another copy's write before a statement fails.
constexpr int busyTimeoutMs = 30000;

} // namespace

Connection::Connection()
    : m_name(uniqueConnectionName())
{ }

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::openSqlite(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        throw MirvoError(db.lastError().text());
    QSqlQuery q(db);
    // Copies of the program may share the file on a network folder: keep the rollback journal.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")))
        throw MirvoError(sqlErrorText(q));
}

void Connection::openSqliteFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw MirvoError(QStringLiteral("%1 is not a file").arg(path));
    openSqlite(path);
    checkTables();
}

void Connection::createSqliteFile(const QString &path)
{
    openSqlite(path);
}

bool Connection::isOpen() const
{
    return database().isOpen();
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void Connection::checkTables() const
{
    QSqlDatabase db = database();
    // Reading a row of each table proves that the file is a database and the tables are there.
    for (const QString &table : { QStringLiteral("Schedules"), QStringLiteral("Res"),
             QStringLiteral("Settings"), QStringLiteral("T_Sprog") }) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table)))
            throw MirvoError(sqlErrorText(q));
    }
}
