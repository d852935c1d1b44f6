#pragma once

#include <QDate>
#include <QSqlDatabase>

// Builds a new database: the four tables and their index, the System resource (id 1,
// number 0), one opening-hours row and the interface texts of the three languages.
// With demo, three named resources and about twenty appointments around `today`.
void createDatabase(QSqlDatabase db, bool demo, const QDate &today);

// True when the database already holds one of the program's tables.
bool hasProgramTables(QSqlDatabase db);
