#include "storesettingsform.h"

#include "admin/displaysettingstarget.h"
#include "app/settings/inifile.h"
#include "app/settings/settingsfile.h"
#include "platform/messages.h"

using namespace SettingsKeys;

void storeSettingsForm(const SettingsFormState &state, const QString &folderAtShowing, IniFile &file,
    DisplaySettingsTarget &target)
{
    // The folder is read only at start-up, so a new one needs a restart.
    if (state.databaseFolder.trimmed() != folderAtShowing)
        Messages::show(QString::fromLatin1(RestartMessage));

    if (const std::optional<int> minutes = choiceTimeUnit(state.timeUnitChoice)) {
        file.writeInteger(sectionOptions, displayUnit, *minutes);
        target.setTimeUnit(*minutes);
    }

    file.writeInteger(sectionActiveTime, start, state.startPosition);
    file.writeInteger(sectionActiveTime, stop, state.stopPosition);

    if (state.cellHeight > 10 && state.cellHeight < 100) {
        file.writeInteger(sectionDiverse, cellHight, state.cellHeight);
        target.setDisplayScale(state.cellHeight);
    }

    // A list without a selection keeps the running grid's hours.
    if (state.startPosition >= 0)
        target.setStartSlot(state.startPosition);
    if (state.stopPosition >= 0)
        target.setStopSlot(state.stopPosition);

    file.writeBool(sectionDiverse, autoBrede, state.autoWidth);
    target.setZoomButtonsVisible(!state.autoWidth);

    // Kept even with automatic widths, so clearing the box later brings them back.
    file.writeInteger(sectionDiverse, cellBrede, state.cellWidth);
    file.writeInteger(sectionDiverse, zoom, state.zoomWidth);

    if (state.autoWidth)
        target.setColumnWidths(0, 0);
    else
        target.setColumnWidths(
            file.readInteger(sectionDiverse, cellBrede, 0), file.readInteger(sectionDiverse, zoom, 0));

    file.writeBool(sectionDiverse, multiUser, state.multiUser);
    target.setRefreshButtonVisible(state.multiUser);

    file.writeString(sectionDb, path, state.databaseFolder);

    target.ApplyTimeLayout();
    target.rereadGrid();
}
