#pragma once
// The settings file "Tavra.ini" beside the program: the look of the text box, the window's
// bounds and the date of the last exit once a day. `programFolder` is ExeDir() (with its
// trailing separator), passed by the caller each time so that it is computed anew.

#include <string>

#include "app/core/date_cursor.h"
#include "app/core/day_state.h"
#include "app/core/main_window_controls.h"

namespace tavra {

inline constexpr const char* SettingsFileName = "Tavra.ini";

// Defaults of the look, as the window is designed and as reset restores them.
inline constexpr int DefaultTextBoxColour = 16777215;  // white
inline constexpr int DefaultFontColour = 0;            // black
inline constexpr const char* DefaultFontName = "Times New Roman";
inline constexpr int DefaultFontSize = 10;
// The size the window takes, centred, when there are no settings.
inline constexpr int DefaultWindowWidth = 556;
inline constexpr int DefaultWindowHeight = 260;

// Reads the settings and applies each value to the window at once, with the window's current
// value as default; Pozice/Odleva of -1 (or missing) means "no settings": only SavedDate is read.
void LoadSettings(MainWindowControls& window, DayState& state, const std::string& programFolder);

// Writes look and bounds (not Hlavni/Datum). Throws IniWriteError; earlier keys stay written.
void SaveSettings(const MainWindowControls& window, const std::string& programFolder);

// The file work of exit once a day: Hlavni/Datum := today's short-date text. Throws
// IniWriteError. The caller then closes the main window.
void RecordExitOnceADay(const std::string& programFolder);

// Steps 1 and 2 of reset to defaults: the default look, then "Tavra.ini" deleted by its bare
// name (current directory); a failed deletion is ignored. The caller then re-runs its creation
// step and refreshes.
void ResetLookAndSettingsFile(MainWindowControls& window);

// The once-a-day check: true when the first command-line argument is exactly "a" and the
// shown day's short-date text equals SavedDate, i.e. the main window is to close.
bool ShouldCloseOnceADay(const std::string& firstArgument, const DateCursor& cursor,
                         const DayState& state);

// Creation steps 5 and 6: for "Info.prg" and then "OProgramu.prg" missing from the program's
// folder, disable its menu item and show its message.
void CheckInfoFiles(MainWindowControls& window, const std::string& programFolder);

}  // namespace tavra
