#include "app/core/readings.h"

#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace tavra {

namespace {

constexpr ReadingCommand kCommands[] = {ReadingCommand::First, ReadingCommand::Second,
                                        ReadingCommand::Third, ReadingCommand::Pericope};

// One place maps a command to its reference, for both the mutable and the read-only state.
template <class State>
auto& referenceOf(State& state, ReadingCommand command) {
  switch (command) {
    case ReadingCommand::First: return state.Reading1Ref;
    case ReadingCommand::Second: return state.Reading2Ref;
    case ReadingCommand::Third: return state.Reading3Ref;
    case ReadingCommand::Pericope: break;
  }
  return state.PericopeRef;
}

const char* keyOf(ReadingCommand command) {
  switch (command) {
    case ReadingCommand::First: return "Cteni1";
    case ReadingCommand::Second: return "Cteni2";
    case ReadingCommand::Third: return "Cteni3";
    case ReadingCommand::Pericope: break;
  }
  return "Perikopa";
}

}  // namespace

void ClearReadings(DayState& state) {
  for (ReadingCommand command : kCommands) referenceOf(state, command).clear();
}

void LoadReadings(DayState& state, const std::string& programFolder) {
  const IniFile ini(programFolder + ReadingsFileName);
  for (ReadingCommand command : kCommands) {
    std::string& reference = referenceOf(state, command);
    reference = ini.readString(state.DateText, keyOf(command), reference);
  }
}

void ApplyReadingAvailability(MainWindowControls& window, const DayState& state) {
  for (ReadingCommand command : kCommands)
    window.setReadingCommandEnabled(command, !ReadingReference(state, command).empty());
}

const std::string& ReadingReference(const DayState& state, ReadingCommand command) {
  return referenceOf(state, command);
}

ReadingLaunch DecideReadingLaunch(ReadingCommand command, const DayState& state,
                                  const std::string& programFolder) {
  ReadingLaunch launch;
  const std::string viewer = programFolder + BibleViewerFileName;
  launch.viewerFound = fileExists(viewer);
  if (launch.viewerFound) {
    // Quoted, so that a blank in the folder never ends the program name early and starts
    // a file named like the folder's first word in its place.
    launch.commandLine = "\"" + viewer + "\" " + ReadingReference(state, command);
  } else if (command == ReadingCommand::Pericope) {
    launch.message = "Prohlížeč perikop není nainstalován.";
  } else {
    launch.message = "Prohlížeč odkazů není nainstalován.";
  }
  return launch;
}

}  // namespace tavra
