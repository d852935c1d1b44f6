#include "settingsformvalues.h"

#include "folders.h"
#include "settingsfile.h"

using namespace SettingsKeys;

SettingsFormValues readSettingsFormValues(const IniFile &file, const QString &programFolder)
{
    SettingsFormValues v;
    v.timeUnit = file.readInteger(sectionOptions, displayUnit, 30);
    v.startSlot = file.readInteger(sectionActiveTime, start, 16);
    v.stopSlot = file.readInteger(sectionActiveTime, stop, 47);
    v.cellHeight = file.readInteger(sectionDiverse, cellHight, 24);
    v.autoWidth = file.readBool(sectionDiverse, autoBrede, true);
    v.cellWidth = file.readInteger(sectionDiverse, cellBrede, 0);
    v.zoomWidth = file.readInteger(sectionDiverse, zoom, 0);
    v.databaseFolder = file.readString(sectionDb, path, TrailingBackslash(programFolder, 1));
    v.multiUser = file.readBool(sectionDiverse, multiUser, false);
    return v;
}
