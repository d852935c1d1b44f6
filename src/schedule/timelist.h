#pragma once

#include <QString>
#include <QStringList>

// The 48 half-hour texts of a day, "00:00" to "23:30": the fixed form in which the settings
// file and the opening hours store times of day. Entry i is i × 30 minutes after midnight.
QStringList buildTimeList();

// Empties `list` and fills it with the half-hour texts.
void buildTimeList(QStringList &list);

// The half-hour slot of a stored time text. A text that is empty or not five characters long
// after trimming is replaced by `defaultText`; the result is the slot whose text equals it
// exactly (both trimmed), else `defaultIndex`.
int timeSlotIndex(const QString &text, const QString &defaultText, int defaultIndex);
