#pragma once

#include "platform/regionalsettings.h"

#include <QDate>
#include <QStringList>
#include <QTime>

// Rules of the create/edit command that turn grid rows and dialog texts into values.

// A time of day as the dialog's lists and a new appointment show it: two-digit 24-hour hour,
// minutes and seconds, separated by the regional time separator.
QString cellTimeText(const QTime &time, QChar timeSeparator);

// The start times of the grid's rows displayStart .. displayEnd - 1 (the last row's start is
// not offered), each as cellTimeText.
QStringList RowTimes(int displayStart, int displayEnd, int displayUnit, QChar timeSeparator);

// The time an accepted dialog text is stored with: read as the time check reads it, then kept
// only as precisely as the regional short time format shows it (no seconds under "HH:mm").
// An unreadable text gives an invalid QTime.
QTime storedTime(const QString &text, const RegionalSettings &regional);

// The dialog's resource value as a resource number: empty, non-numeric or -1 give 0.
int resourceNumber(const QString &value);
