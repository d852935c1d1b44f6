#include "testdatabase.h"

#include "data/connection.h"
#include "data/schema.h"
#include "data/sqlerror.h"
#include "platform/errors.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString clusterConninfo()
{
    return qEnvironmentVariable("MIRVO_TEST_PG");
}

// Runs one statement on the cluster's maintenance database.
void onCluster(const QString &statement)
{
    Connection admin;
    admin.connectServer(clusterConninfo());
    QSqlQuery q(admin.database());
    execOrThrow(q, statement);
}

QString uniqueDatabaseName()
{
    static QAtomicInt counter;
    return QStringLiteral("mirvo_test_%1_%2_%3")
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1))
        .arg(QUuid::createUuid().toString(QUuid::Id128).left(8));
}

} // namespace

TestDatabase::Engine TestDatabase::engine()
{
    return qEnvironmentVariable("MIRVO_TEST_ENGINE") == QLatin1String("postgres") ? Engine::Postgres
                                                                                  : Engine::Sqlite;
}

QString TestDatabase::unavailableReason()
{
    if (engine() == Engine::Postgres && clusterConninfo().isEmpty())
        return QStringLiteral("No PostgreSQL test cluster: MIRVO_TEST_PG is not set (test.sh starts one)");
    return {};
}

TestDatabase::TestDatabase(bool demo, const QDate &today)
    : TestDatabase(engine(), demo, today)
{ }

TestDatabase::TestDatabase(Engine engine, bool demo, const QDate &today)
    : m_engine(engine)
{
    Connection connection;
    if (m_engine == Engine::Sqlite) {
        connection.createSqliteFile(path());
    } else {
        m_databaseName = uniqueDatabaseName();
        onCluster(QStringLiteral("CREATE DATABASE %1").arg(m_databaseName));
        // Later keywords win in a libpq connection string.
        m_conninfo = clusterConninfo() + QStringLiteral(" dbname=") + m_databaseName;
        connection.connectServer(m_conninfo);
    }
    createDatabase(connection.database(), demo, today);
}

TestDatabase::~TestDatabase()
{
    if (m_databaseName.isEmpty())
        return;
    try {
        onCluster(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_databaseName));
    } catch (const MirvoError &e) {
        qWarning(
            "Could not drop the test database %s: %s", qPrintable(m_databaseName), qPrintable(e.message()));
    }
}

void TestDatabase::open(Connection &connection) const
{
    if (isPostgres())
        connection.openServer(m_conninfo);
    else
        connection.openSqliteFile(path());
}

QString TestDatabase::path() const
{
    return isPostgres() ? QString() : QDir(m_dir.path()).filePath(QStringLiteral("DbPlanner.Mdb"));
}
