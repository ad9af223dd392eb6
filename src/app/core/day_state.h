#pragma once
// The main window's process-wide values that the day core reads and writes. All texts are
// Windows-1250 bytes, as they stand in the settings and readings files.

#include <string>

namespace tavra {

struct DayState {
  std::string DateText;     // the shown day in the user's short date format
  std::string SavedDate;    // Hlavni/Datum of "Tavra.ini": the date of the last exit once a day
  std::string Reading1Ref;  // Cteni1 of the shown day in "Cteni.js"
  std::string Reading2Ref;  // Cteni2
  std::string Reading3Ref;  // Cteni3
  std::string PericopeRef;  // Perikopa
};

// The program's one set of these values; all empty at start.
DayState& dayState();

}  // namespace tavra
