#include "app/core/settings.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/core_test_support.h"
#include "core/fake_main_window.h"
#include "platform/ini_file.h"

using namespace tavra;
using namespace tavra::testing;
using Log = std::vector<std::string>;

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  TempDir program;  // the program's folder
  FakeMainWindow window;
  DayState state;

  void writeSettings(std::string_view text) { writeBytes(program.path() / "Tavra.ini", text); }
};

}  // namespace

TEST_F(SettingsTest, WithoutSettingsTheWindowIsCentredAndOnlyTheSavedDateIsRead) {
  state.SavedDate = "kept";
  LoadSettings(window, state, program.folder());
  EXPECT_EQ(window.log, (Log{"centre 556x260"}));
  EXPECT_EQ(state.SavedDate, "kept");

  // A left edge of exactly -1 means the same, whatever else the file holds.
  writeSettings(
      "[Pozice]\r\nOdleva=-1\r\nOdshora=5\r\nVyska=400\r\nSirka=700\r\n"
      "[Okno]\r\nBarva=255\r\nFont=Arial\r\n[Hlavni]\r\nDatum=5.1.2001\r\n");
  window.log.clear();
  LoadSettings(window, state, program.folder());
  EXPECT_EQ(window.log, (Log{"centre 556x260"}));
  EXPECT_EQ(window.colour, 16777215);
  EXPECT_EQ(window.font, "Times New Roman");
  EXPECT_EQ(state.SavedDate, "5.1.2001");
}

TEST_F(SettingsTest, EachValueIsReadWithTheCurrentOneAsDefaultAndAppliedAtOnce) {
  writeSettings(
      "[okno]\r\nbarva=255\r\nFontBarva=$FF00\r\nFont=Arial\r\nFontVelikost=twelve\r\n"
      "[POZICE]\r\nODLEVA=0x1E\r\nOdshora=-20\r\nSirka=700\r\n");
  state.SavedDate = "kept";
  LoadSettings(window, state, program.folder());
  EXPECT_EQ(window.log, (Log{"get textBoxColour", "set textBoxColour 255",  //
                             "get fontColour", "set fontColour 65280",      //
                             "get fontName", "set fontName Arial",          //
                             "get fontSize", "set fontSize 10",             // not a number
                             "get left", "set left 30",                     // 0x1E
                             "get top", "set top -20",                      //
                             "get height", "set height 300",                // missing
                             "get width", "set width 700"}));
  EXPECT_EQ(state.SavedDate, "kept");
}

TEST_F(SettingsTest, SavedSettingsComeBackAndLeaveTheExitDateAlone) {
  writeSettings("[Hlavni]\r\nDatum=5.1.2001\r\n");
  window.colour = 0x00336699;
  window.textColour = -2147483640;  // a system colour
  window.font = "Courier \xC8" "esk\xFD";
  window.points = 14;
  window.x = -1200;
  window.y = 7;
  window.h = 480;
  window.w = 640;
  SaveSettings(window, program.folder());
  EXPECT_EQ(window.log, (Log{"get textBoxColour", "get fontColour", "get fontName", "get fontSize",
                             "get left", "get top", "get height", "get width"}));

  FakeMainWindow restored;
  LoadSettings(restored, state, program.folder());
  EXPECT_EQ(restored.colour, 0x00336699);
  EXPECT_EQ(restored.textColour, -2147483640);
  EXPECT_EQ(restored.font, "Courier \xC8" "esk\xFD");
  EXPECT_EQ(restored.points, 14);
  EXPECT_EQ(restored.x, -1200);
  EXPECT_EQ(restored.y, 7);
  EXPECT_EQ(restored.h, 480);
  EXPECT_EQ(restored.w, 640);
  EXPECT_EQ(state.SavedDate, "5.1.2001");
}

TEST_F(SettingsTest, AFailedSaveReportsTheFile) {
  const std::string missing = program.folder() + "no-such-folder/";
  try {
    SaveSettings(window, missing);
    FAIL() << "the save did not fail";
  } catch (const IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + missing + "Tavra.ini");
  }
}

TEST_F(SettingsTest, ExitOnceADayRecordsTodayNotTheShownDay) {
  EnvGuard today("TAVRA_TODAY", "2001-01-05");
  EnvGuard format("TAVRA_SHORTDATE", nullptr);
  writeSettings("[Okno]\r\nBarva=255\r\n[Hlavni]\r\nDatum=1.1.1999\r\n");
  RecordExitOnceADay(program.folder());

  const IniFile ini(program.folder() + "Tavra.ini");
  EXPECT_EQ(ini.readString("Hlavni", "Datum", ""), "5.1.2001");
  EXPECT_EQ(ini.readInteger("Okno", "Barva", 0), 255);
  EXPECT_EQ(ini.readInteger("Pozice", "Odleva", -1), -1);  // bounds are not saved here
}

TEST_F(SettingsTest, ResetRestoresTheLookAndDeletesTheFileOfTheCurrentDirectory) {
  TempDir current;
  CurrentDirGuard cwd(current.path());
  writeSettings("[Pozice]\r\nOdleva=10\r\n");
  writeBytes(current.path() / "Tavra.ini", "[Pozice]\r\nOdleva=20\r\n");
  window.colour = 255;
  window.textColour = 65280;
  window.font = "Arial";
  window.points = 20;

  ResetLookAndSettingsFile(window);
  EXPECT_EQ(window.log, (Log{"set textBoxColour 16777215", "set fontColour 0",
                             "set fontName Times New Roman", "set fontSize 10"}));
  EXPECT_FALSE(std::filesystem::exists(current.path() / "Tavra.ini"));
  EXPECT_TRUE(std::filesystem::exists(program.path() / "Tavra.ini"));

  // Nothing left to delete is not an error.
  EXPECT_NO_THROW(ResetLookAndSettingsFile(window));
}

TEST_F(SettingsTest, OnceADayClosesOnlyWithTheArgumentAAndTheSavedShownDay) {
  EnvGuard format("TAVRA_SHORTDATE", nullptr);
  DateCursor cursor;
  cursor.SetCursorFromPicker(Date{2001, 1, 5});
  state.SavedDate = "5.1.2001";
  EXPECT_TRUE(ShouldCloseOnceADay("a", cursor, state));
  EXPECT_FALSE(ShouldCloseOnceADay("A", cursor, state));
  EXPECT_FALSE(ShouldCloseOnceADay("", cursor, state));
  EXPECT_FALSE(ShouldCloseOnceADay("a ", cursor, state));
  cursor.StepDayForward();
  EXPECT_FALSE(ShouldCloseOnceADay("a", cursor, state));
  state.SavedDate.clear();
  EXPECT_FALSE(ShouldCloseOnceADay("a", cursor, state));

  // After 2099 the day shown is 31.12.2099, but the day recorded on exit is the real one.
  EnvGuard today("TAVRA_TODAY", "2100-02-28");
  cursor.SetCursorToToday();
  state.SavedDate = "28.2.2100";
  EXPECT_TRUE(ShouldCloseOnceADay("a", cursor, state));
  state.SavedDate = "31.12.2099";
  EXPECT_FALSE(ShouldCloseOnceADay("a", cursor, state));
  state.SavedDate = "28.2.2100";
  cursor.StepDayBack();
  EXPECT_FALSE(ShouldCloseOnceADay("a", cursor, state));
}

TEST_F(SettingsTest, MissingInformationFilesDisableTheirCommandsWithAMessage) {
  CheckInfoFiles(window, program.folder());
  EXPECT_EQ(window.log,
            (Log{"disable OTavrech",
                 "message Soubor obsahující informace o Tavrech Obce lirovské nebyl nalezen.",
                 "disable Pout1",
                 "message Soubor obsahující informace o ovládání a funkcích programu nebyl "
                 "nalezen."}));

  writeBytes(program.path() / "Info.prg", "<html></html>");
  window.log.clear();
  CheckInfoFiles(window, program.folder());
  EXPECT_EQ(window.log, (Log{"disable Pout1",
                             "message Soubor obsahující informace o ovládání a funkcích "
                             "programu nebyl nalezen."}));

  writeBytes(program.path() / "OProgramu.prg", "<html></html>");
  window.log.clear();
  CheckInfoFiles(window, program.folder());
  EXPECT_TRUE(window.log.empty());
}
