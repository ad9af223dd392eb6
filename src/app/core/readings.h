#pragma once
// The readings index "Cteni.js" beside the program (an INI file, one section per short-date
// text with keys Cteni1, Cteni2, Cteni3, Perikopa) and the launch of the external Bible viewer.
// `programFolder` is ExeDir() (with its trailing separator), passed anew on each call.

#include <string>

#include "app/core/day_state.h"
#include "app/core/main_window_controls.h"

namespace tavra {

inline constexpr const char* ReadingsFileName = "Cteni.js";
inline constexpr const char* BibleViewerFileName = "Bible.exe";

// Empties Reading1Ref, Reading2Ref, Reading3Ref and PericopeRef (the refresh does this first).
void ClearReadings(DayState& state);

// Reads the four references of section DateText, each with its current value as default; a
// missing file reads as all keys missing.
void LoadReadings(DayState& state, const std::string& programFolder);

// Enables each reading command exactly when its reference is not empty, in the order
// first, second, third reading, pericope.
void ApplyReadingAvailability(MainWindowControls& window, const DayState& state);

// The reference that a reading command hands to the viewer.
const std::string& ReadingReference(const DayState& state, ReadingCommand command);

// What a reading command does: run `commandLine` (the quoted path of the program folder's
// "Bible.exe", one blank and the reference, its bytes as stored) through the launcher, waiting for it, or, when
// the viewer is missing, show `message` (UTF-8) instead.
struct ReadingLaunch {
  bool viewerFound = false;
  std::string commandLine;
  std::string message;
};
ReadingLaunch DecideReadingLaunch(ReadingCommand command, const DayState& state,
                                  const std::string& programFolder);

}  // namespace tavra
