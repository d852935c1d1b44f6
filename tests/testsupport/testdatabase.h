#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

class Connection;

// A fresh database made by the same code as `mirvo-db create`, removed with this object.
//
// The engine comes from MIRVO_TEST_ENGINE: "sqlite" (or unset) makes a file in a temporary
// folder; "postgres" makes a new database on the cluster that MIRVO_TEST_PG (a libpq connection
// string to a maintenance database, such as dbname=postgres) reaches, and drops it afterwards.
class TestDatabase
{
public:
    enum class Engine
    {
        Sqlite,
        Postgres
    };

    // The engine the environment selects.
    static Engine engine();
    // Empty when the selected engine can be used; otherwise why not (no cluster configured).
    static QString unavailableReason();

    explicit TestDatabase(bool demo = false, const QDate &today = QDate(2024, 1, 15));
    // On this engine whatever the environment says, e.g. a file for tests of the file itself.
    explicit TestDatabase(Engine engine, bool demo = false, const QDate &today = QDate(2024, 1, 15));
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    bool isPostgres() const { return m_engine == Engine::Postgres; }
    // Opens the database as the program does (the file, or the server connection string).
    void open(Connection &connection) const;

    QString folder() const { return m_dir.path(); }
    // The SQLite file; empty on PostgreSQL.
    QString path() const;
    // The connection string of the PostgreSQL database; empty on SQLite.
    QString conninfo() const { return m_conninfo; }
    bool isValid() const { return m_dir.isValid(); }

private:
    Engine m_engine;
    QTemporaryDir m_dir;
    QString m_databaseName; // PostgreSQL only
    QString m_conninfo;
};

// In initTestCase of a test that runs on both engines: skips the whole test when the selected
// engine cannot be reached, which happens when no test cluster was started.
#define MIRVO_REQUIRE_TEST_ENGINE()                                                                          \
    do {                                                                                                     \
        const QString reason = TestDatabase::unavailableReason();                                            \
        if (!reason.isEmpty())                                                                               \
            QSKIP(qPrintable(reason));                                                                       \
    } while (false)

// In a test about SQLite's file itself: skips it in the PostgreSQL run.
#define MIRVO_SQLITE_ONLY()                                                                                  \
    do {                                                                                                     \
        if (TestDatabase::engine() != TestDatabase::Engine::Sqlite)                                          \
            QSKIP("SQLite only");                                                                            \
    } while (false)
