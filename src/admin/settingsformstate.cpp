#include "settingsformstate.h"

namespace {
constexpr int timeUnits[] = { 5, 10, 15, 30 };
constexpr int slotCount = 48;
} // namespace

int timeUnitChoice(int displayUnit)
{
    for (int choice = 0; choice < 3; ++choice) {
        if (timeUnits[choice] == displayUnit)
            return choice;
    }
    return 3;
}

std::optional<int> choiceTimeUnit(int choice)
{
    if (choice < 0 || choice > 3)
        return std::nullopt;
    return timeUnits[choice];
}

int timeListPosition(int slot)
{
    return slot >= 0 && slot < slotCount ? slot : -1;
}

SettingsFormState shownSettings(const SettingsFormValues &values)
{
    SettingsFormState state;
    state.timeUnitChoice = timeUnitChoice(values.timeUnit);
    state.startPosition = timeListPosition(values.startSlot);
    state.stopPosition = timeListPosition(values.stopSlot);
    state.cellHeight = cellHeightRange.clamp(values.cellHeight);
    state.autoWidth = values.autoWidth;
    state.cellWidth = cellWidthRange.clamp(values.cellWidth);
    state.zoomWidth = zoomWidthRange.clamp(values.zoomWidth);
    state.multiUser = values.multiUser;
    state.databaseFolder = values.databaseFolder;
    return state;
}
