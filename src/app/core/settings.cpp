#include "app/core/settings.h"

#include "platform/date_time.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

namespace tavra {

namespace {

constexpr const char* kPosition = "Pozice";
constexpr const char* kWindow = "Okno";
constexpr const char* kMain = "Hlavni";
// Pozice/Odleva read with this default tells whether settings were ever saved.
constexpr int kNoSettings = -1;

}  // namespace

void LoadSettings(MainWindowControls& window, DayState& state, const std::string& programFolder) {
  const IniFile ini(programFolder + SettingsFileName);
  if (ini.readInteger(kPosition, "Odleva", kNoSettings) == kNoSettings) {
    window.centreWithSize(DefaultWindowWidth, DefaultWindowHeight);
  } else {
    window.setTextBoxColour(ini.readInteger(kWindow, "Barva", window.textBoxColour()));
    window.setFontColour(ini.readInteger(kWindow, "FontBarva", window.fontColour()));
    window.setFontName(ini.readString(kWindow, "Font", window.fontName()));
    window.setFontSize(ini.readInteger(kWindow, "FontVelikost", window.fontSize()));
    window.setLeft(ini.readInteger(kPosition, "Odleva", window.left()));
    window.setTop(ini.readInteger(kPosition, "Odshora", window.top()));
    window.setHeight(ini.readInteger(kPosition, "Vyska", window.height()));
    window.setWidth(ini.readInteger(kPosition, "Sirka", window.width()));
  }
  state.SavedDate = ini.readString(kMain, "Datum", state.SavedDate);
}

void SaveSettings(const MainWindowControls& window, const std::string& programFolder) {
  IniFile ini(programFolder + SettingsFileName);
  ini.writeInteger(kWindow, "Barva", window.textBoxColour());
  ini.writeInteger(kWindow, "FontBarva", window.fontColour());
  ini.writeString(kWindow, "Font", window.fontName());
  ini.writeInteger(kWindow, "FontVelikost", window.fontSize());
  ini.writeInteger(kPosition, "Odleva", window.left());
  ini.writeInteger(kPosition, "Odshora", window.top());
  ini.writeInteger(kPosition, "Vyska", window.height());
  ini.writeInteger(kPosition, "Sirka", window.width());
}

void RecordExitOnceADay(const std::string& programFolder) {
  IniFile ini(programFolder + SettingsFileName);
  ini.writeString(kMain, "Datum", shortDateText(today()));
}

void ResetLookAndSettingsFile(MainWindowControls& window) {
  window.setTextBoxColour(DefaultTextBoxColour);
  window.setFontColour(DefaultFontColour);
  window.setFontName(DefaultFontName);
  window.setFontSize(DefaultFontSize);
  // By its bare name: the file removed is the one in the current directory.
  deleteFile(SettingsFileName);
}

bool ShouldCloseOnceADay(const std::string& firstArgument, const DateCursor& cursor,
                         const DayState& state) {
  if (firstArgument != "a") return false;
  Date shown = cursor.CursorToDate();
  // A today outside 1901..2099 is shown as the nearest day inside, while the exit once a
  // day records the real today; standing on the day today is shown as, that is compared.
  if (shown == heldToday()) shown = today();
  return shortDateText(shown) == state.SavedDate;
}

void CheckInfoFiles(MainWindowControls& window, const std::string& programFolder) {
  if (!fileExists(programFolder + "Info.prg")) {
    window.disableInfoCommand(InfoDocument::DailyTexts);
    window.showMessage("Soubor obsahující informace o Tavrech Obce lirovské nebyl nalezen.");
  }
  if (!fileExists(programFolder + "OProgramu.prg")) {
    window.disableInfoCommand(InfoDocument::Program);
    window.showMessage(
        "Soubor obsahující informace o ovládání a funkcích programu nebyl nalezen.");
  }
}

}  // namespace tavra
