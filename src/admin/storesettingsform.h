#pragma once

#include "admin/settingsformstate.h"

class DisplaySettingsTarget;
class IniFile;

inline constexpr auto RestartMessage = "Genstart program !";

// The settings window's closing, in its fixed order: the restart message when the trimmed
// folder text differs from the one remembered at showing, then each value written to the file
// and applied to the running program, then the time layout and a re-read of the grid.
// A MirvoError from the file or the target stops it there; what was done before stays done.
void storeSettingsForm(const SettingsFormState &state, const QString &folderAtShowing, IniFile &file,
    DisplaySettingsTarget &target);
