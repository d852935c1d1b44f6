#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's single database connection. It owns the QSqlDatabase and does the
// per-engine setup; every data object works through it.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an SQLite database file that must already exist and hold the program's tables.
    // Throws MirvoError with the reason when the file is no usable database.
    void openSqliteFile(const QString &path);

    // Creates and opens a new SQLite file (used by the database tool and tests).
    void createSqliteFile(const QString &path);

    // Connects to a PostgreSQL server through a libpq connection string (key=value or
    // postgresql:// URI; a password comes from libpq's own means, such as ~/.pgpass or
    // PGPASSWORD, unless the string holds one) and checks that the database holds the program's
    // tables. Throws MirvoError with the server's reason: unreachable, login refused, a table
    // missing, or a malformed string.
    void openServer(const QString &conninfo);

    // Connects like openServer without looking for the tables (used by the database tool and tests).
    void connectServer(const QString &conninfo);

    bool isOpen() const;
    QSqlDatabase database() const;
    QString connectionName() const { return m_name; }

    // Throws MirvoError naming the first table the database lacks.
    void checkTables() const;

private:
    void openSqlite(const QString &path);
    // Opens the database prepared under this connection's name; throws MirvoError with the reason.
    static void openOrThrow(QSqlDatabase &db);

    QString m_name;
};
