#pragma once

#include <QStringList>

// The 48 half-hour texts "00:00", "00:30" ... "23:30" that the admin windows' time lists offer;
// position i is the half-hour slot i.
QStringList halfHourTimes();
