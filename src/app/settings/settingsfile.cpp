#include "settingsfile.h"

#include "folders.h"

using namespace SettingsKeys;

QString settingsFilePath(const QString &programFolder)
{
    return programFilePath(programFolder, fileName);
}

QString readDatabaseFolder(const IniFile &file)
{
    return file.readString(sectionDb, path, QString());
}

QString readServerConnection(const IniFile &file)
{
    return file.readString(sectionDb, server, QString());
}

bool readUseOpeningHours(const IniFile &file)
{
    return file.readBool(sectionActiveTime, useActiveTime, false);
}

DisplayPreferences readDisplayPreferences(const IniFile &file)
{
    DisplayPreferences p;
    p.useOpeningHours = readUseOpeningHours(file);
    p.timeUnit = file.readInteger(sectionOptions, displayUnit, 30);
    p.provisionalStartRow = file.readInteger(sectionActiveTime, start, 16);
    // 32, not 47: the time layout sets the real last row from stopSlot for every known time unit.
    p.provisionalStopRow = file.readInteger(sectionActiveTime, stop, 32);
    p.cellHeight = file.readInteger(sectionDiverse, cellHight, 24);
    p.startSlot = file.readInteger(sectionActiveTime, start, 16);
    p.stopSlot = file.readInteger(sectionActiveTime, stop, 47);
    p.autoWidth = file.readBool(sectionDiverse, autoBrede, true);
    if (!p.autoWidth) {
        p.cellWidth = file.readInteger(sectionDiverse, cellBrede, 0);
        p.zoomWidth = file.readInteger(sectionDiverse, zoom, 0);
    }
    p.multiUser = file.readBool(sectionDiverse, multiUser, false);
    return p;
}
