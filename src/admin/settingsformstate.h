#pragma once

#include "app/settings/settingsformvalues.h"

#include <QString>
#include <optional>

// An inclusive range of an up-down number field. The field never leaves it, so a value from
// the file outside it shows as the nearest end.
struct NumberRange
{
    int minimum;
    int maximum;
    int clamp(int value) const { return value < minimum ? minimum : (value > maximum ? maximum : value); }
};

inline constexpr NumberRange cellHeightRange { 11, 99 };
inline constexpr NumberRange cellWidthRange { 50, 500 };
inline constexpr NumberRange zoomWidthRange { 60, 1000 };

// The time-unit choices in order: "5 Min.", "10 Min.", "15 Min.", "30 Min.".
// 5, 10 and 15 pick their own choice; 30 and any other value pick "30 Min.".
int timeUnitChoice(int displayUnit);
// The minutes of a choice; none for -1 (no choice) or an unknown index.
std::optional<int> choiceTimeUnit(int choice);

// The position of a half-hour slot in the time list, or -1 (no selection) outside 0..47.
int timeListPosition(int slot);

// What the settings window's controls hold.
struct SettingsFormState
{
    int timeUnitChoice = 3; // 0..3, -1 when none is chosen
    int startPosition = 16; // -1 when the list has no selection
    int stopPosition = 47;
    int cellHeight = 24;
    bool autoWidth = true;
    int cellWidth = cellWidthRange.minimum;
    int zoomWidth = zoomWidthRange.minimum;
    bool multiUser = false;
    QString databaseFolder;
};

// What the window shows for the values read from the file.
SettingsFormState shownSettings(const SettingsFormValues &values);
