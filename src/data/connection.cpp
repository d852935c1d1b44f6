#include "connection.h"

#include "platform/errors.h"
#include "postgresengine.h"
#include "sqlerror.h"
#include "sqliteengine.h"

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

QString databaseErrorText(const QSqlError &e)
{
    const QString text = e.databaseText().trimmed();
    return text.isEmpty() ? e.text().trimmed() : text;
}

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

void Connection::openOrThrow(QSqlDatabase &db)
{
    if (!db.isValid())
        throw MirvoError(QStringLiteral("The database driver %1 is not installed").arg(db.driverName()));
    if (!db.open())
        throw MirvoError(databaseErrorText(db.lastError()));
}

void Connection::openSqlite(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(SqliteEngine::driverName), m_name);
    SqliteEngine::configure(db, path);
    openOrThrow(db);
    SqliteEngine::afterOpen(db);
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

void Connection::connectServer(const QString &conninfo)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(PostgresEngine::driverName), m_name);
    PostgresEngine::configure(db, conninfo);
    openOrThrow(db);
}

void Connection::openServer(const QString &conninfo)
{
    connectServer(conninfo);
    checkTables();
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
