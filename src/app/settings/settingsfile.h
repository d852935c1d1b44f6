#pragma once

#include "inifile.h"

#include <QLatin1StringView>
#include <QString>

// The sections and keys of Mirvo.ini, in one place. Names match without regard to case; these
// are the spellings the program writes.
namespace SettingsKeys {
inline constexpr QLatin1StringView fileName { "Mirvo.ini" };

inline constexpr QLatin1StringView sectionDb { "DB" };
inline constexpr QLatin1StringView sectionActiveTime { "ActiveTime" };
inline constexpr QLatin1StringView sectionOptions { "Options" };
inline constexpr QLatin1StringView sectionDiverse { "Diverse" };

inline constexpr QLatin1StringView path { "Path" }; // DB: folder of the database file
inline constexpr QLatin1StringView server { "Server" }; // DB: PostgreSQL connection string
inline constexpr QLatin1StringView useActiveTime {
    "UseActiveTime"
}; // ActiveTime: opening hours from the table
inline constexpr QLatin1StringView start { "Start" }; // ActiveTime: first shown half-hour slot
inline constexpr QLatin1StringView stop { "Stop" }; // ActiveTime: last shown half-hour slot
inline constexpr QLatin1StringView displayUnit { "DisplayUnit" }; // Options: minutes per grid row
inline constexpr QLatin1StringView cellHight { "CellHight" }; // Diverse: row height
inline constexpr QLatin1StringView autoBrede { "AutoBrede" }; // Diverse: automatic column width
inline constexpr QLatin1StringView cellBrede { "CellBrede" }; // Diverse: fixed column width
inline constexpr QLatin1StringView zoom { "Zoom" }; // Diverse: zoomed column width
inline constexpr QLatin1StringView multiUser { "MultiUser" }; // Diverse: shared use
} // namespace SettingsKeys

// Mirvo.ini in the program folder.
QString settingsFilePath(const QString &programFolder);

// The database folder as start-up reads it: empty when not set.
QString readDatabaseFolder(const IniFile &file);

// DB/Server: a PostgreSQL connection string (libpq key=value or postgresql:// URI); empty when
// not set, and then the database is the SQLite file. Passwords belong in libpq's password file
// or PGPASSWORD, not here, although libpq accepts one in the string.
QString readServerConnection(const IniFile &file);

// ActiveTime/UseActiveTime as the main window and the opening-hours window read it: default false.
bool readUseOpeningHours(const IniFile &file);

// What the main window reads at its first showing, with the defaults it uses there.
struct DisplayPreferences
{
    bool useOpeningHours = false; // DB/Server: a PostgreSQL connection string (libpq key=value or
                                  // postgresql:// URI); empty when
    // not set, and then the database is the SQLite file. Passwords belong in libpq's password file
    // or PGPASSWORD, not here, although libpq accepts one in the string.
    QString readServerConnection(const IniFile &file);

    // ActiveTime/UseActiveTime
    int timeUnit = 30; // Options/DisplayUnit
    int provisionalStartRow = 16; // ActiveTime/Start: the grid's first row until the time layout runs
    int provisionalStopRow = 32; // ActiveTime/Stop: likewise the last row
    int cellHeight = 24; // Diverse/CellHight
    bool autoWidth = true; // Diverse/AutoBrede
    int cellWidth = 0; // Diverse/CellBrede, read only when autoWidth is off
    int zoomWidth = 0; // Diverse/Zoom, read only when autoWidth is off
    bool multiUser = false; // Diverse/MultiUser
    int startSlot = 16; // ActiveTime/Start
    int stopSlot = 47; // ActiveTime/Stop
};

DisplayPreferences readDisplayPreferences(const IniFile &file);
