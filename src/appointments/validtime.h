#pragma once

#include "platform/regionalsettings.h"

#include <QString>
#include <QTime>
#include <optional>

// Reads a typed time of day the way the appointment dialog accepts it: an optional morning or
// afternoon marker (the regional texts or "AM"/"PM", any case) before or after the clock, the hour,
// then optionally minutes, seconds and milliseconds, with spaces allowed before every element and
// at the end. Returns nothing when the whole text cannot be read as a real time of day.
std::optional<QTime> parseTime(const QString &text, const RegionalSettings &regional);

// True when parseTime reads the text; never fails.
bool ValidTime(const QString &text, const RegionalSettings &regional);
