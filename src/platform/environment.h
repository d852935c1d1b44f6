#pragma once

#include "regionalsettings.h"

#include <QDateTime>
#include <QString>
#include <functional>

// What the program takes from the machine it runs on. The real values are the defaults;
// tests pass their own folders, clock and regional settings.
struct Environment
{
    QString programFolder; // folder of the running program, no trailing separator
    QString commonDataFolder; // all-users configuration folder, no trailing separator
    std::function<QDateTime()> now;
    RegionalSettings regional;

    static Environment system();

    QDate today() const { return now().date(); }
};
