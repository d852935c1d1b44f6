#pragma once

#include <QDateTime>
#include <QVariant>

// Date-times go into the database in the engine's own form, ISO text "yyyy-MM-dd HH:mm:ss",
// never in a regional format, so copies with different regional settings share one file.
QVariant toSqlDateTime(const QDateTime &value);

// Reads a date-time column; an empty or unreadable value gives the zero date, 30 December 1899.
QDateTime fromSqlDateTime(const QVariant &value);

QDateTime zeroDateTime();
