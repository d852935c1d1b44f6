#include "resourcestore.h"

#include "engine.h"
#include "sqlerror.h"
#include "sqltext.h"
#include "transaction.h"

#include <QSqlQuery>
#include <QVariant>

ResourceStore::ResourceStore(QSqlDatabase db)
    : m_db(db)
{ }

ResourceBounds ResourceStore::bounds() const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    execOrThrow(q,
        QStringLiteral(
            "SELECT COALESCE(MIN(MekKey), 0) AS LowMek, COALESCE(MAX(MekKey), 0) AS HighMek FROM Res"));
    if (!q.next())
        return {};
    return { q.value(0).toInt(), q.value(1).toInt() };
}

std::optional<int> ResourceStore::readHighMek() const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    execOrThrow(q, QStringLiteral("SELECT COALESCE(MAX(MekKey), 0) AS HighMek FROM Res"));
    if (!q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

int ResourceStore::highMek() const
{
    return readHighMek().value_or(0);
}

int ResourceStore::nextResourceNumber() const
{
    const std::optional<int> high = readHighMek();
    return high ? *high + 1 : 0;
}

int ResourceStore::insertResource(const QString &name)
{
    // The number is taken and used in one statement, so two copies sharing the file cannot
    // hand out the same number; the transaction keeps others out until it is read back.
    Transaction transaction(m_db);
    lockRegister();
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("INSERT INTO Res (MekKey, Navn) SELECT COALESCE(MAX(MekKey), 0) + 1, ? FROM Res"));
    q.addBindValue(toSqlText(name));
    execOrThrow(q);
    const int number = highMek();
    transaction.commit();
    return number;
}

void ResourceStore::insertSystemResource()
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO Res (MekKey, Navn) VALUES (?, ?)"));
    q.addBindValue(0);
    q.addBindValue(QStringLiteral("System"));
    execOrThrow(q);
}

void ResourceStore::renameSystemResource(const QString &name)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE Res SET Navn = ? WHERE id = 1"));
    q.addBindValue(toSqlText(name));
    execOrThrow(q);
}

void ResourceStore::lockRegister()
{
    // SQLite's first write locks the whole file. PostgreSQL locks rows only, so two copies could
    // read the same highest number, or renumber while another adds: lock the register.
    if (!isPostgres(m_db))
        return;
    QSqlQuery q(m_db);
    execOrThrow(q, QStringLiteral("LOCK TABLE Res IN SHARE ROW EXCLUSIVE MODE"));
}

void ResourceStore::deleteResource(int n)
{
    Transaction transaction(m_db);
    lockRegister();
    QSqlQuery q(m_db);
    for (const char *statement : { "DELETE FROM Res WHERE MekKey = ?", "DELETE FROM Schedules WHERE MEK = ?",
             "UPDATE Schedules SET MEK = MEK - 1 WHERE MEK > ?",
             "UPDATE Res SET MekKey = MekKey - 1 WHERE MekKey > ?" }) {
        q.prepare(QString::fromLatin1(statement));
        q.addBindValue(n);
        execOrThrow(q);
    }
    transaction.commit();
}
