#pragma once

#include <QSqlDatabase>
#include <QString>

// The per-connection setup of an SQLite database file.
namespace SqliteEngine {

inline constexpr char driverName[] = "QSQLITE";

// Before opening: the file and how long a copy waits for another copy's write.
void configure(QSqlDatabase &db, const QString &path);
// After opening; throws MirvoError with the engine's text.
void afterOpen(QSqlDatabase &db);

} // namespace SqliteEngine
