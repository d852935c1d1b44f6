#pragma once

#include "inifile.h"

#include <QString>

// What the settings window reads each time it is shown, with the defaults it uses there.
struct SettingsFormValues
{
    int timeUnit = 30; // Options/DisplayUnit, as stored (the window maps other values to 30)
    int startSlot = 16; // ActiveTime/Start
    int stopSlot = 47; // ActiveTime/Stop
    int cellHeight = 24; // Diverse/CellHight
    bool autoWidth = true; // Diverse/AutoBrede
    int cellWidth = 0; // Diverse/CellBrede
    int zoomWidth = 0; // Diverse/Zoom
    bool multiUser = false; // Diverse/MultiUser
    QString databaseFolder; // DB/Path; default the program folder with a trailing separator
};

SettingsFormValues readSettingsFormValues(const IniFile &file, const QString &programFolder);
