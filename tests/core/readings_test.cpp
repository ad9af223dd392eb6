#include "app/core/readings.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/core_test_support.h"
#include "core/fake_main_window.h"

using namespace tavra;
using namespace tavra::testing;
using Log = std::vector<std::string>;

namespace {

class ReadingsTest : public ::testing::Test {
 protected:
  TempDir program;
  FakeMainWindow window;
  DayState state;

  void writeIndex(std::string_view text) { writeBytes(program.path() / "Cteni.js", text); }
  void refreshReadings() {
    ClearReadings(state);
    LoadReadings(state, program.folder());
    ApplyReadingAvailability(window, state);
  }
};

constexpr std::string_view kIndex =
    "[4.1.2001]\r\nCteni1=Gn 1,1-5\r\nCteni2=\r\nPerikopa=Mt 2,1-12\r\n"
    "[5.1.2001]\r\nCteni1=Iz 60,1-6\r\nCteni2=Ef 3,2-6\r\nCteni3=\x8E 72\r\nPerikopa=Mt 2,1-12\r\n"
    "[6.1.2001]\r\ncteni3=1 J 5,5-13\r\n";

}  // namespace

TEST_F(ReadingsTest, OnlyCommandsWithAReferenceAreEnabled) {
  writeIndex(kIndex);
  state.DateText = "5.1.2001";
  refreshReadings();
  EXPECT_EQ(state.Reading1Ref, "Iz 60,1-6");
  EXPECT_EQ(state.Reading2Ref, "Ef 3,2-6");
  EXPECT_EQ(state.Reading3Ref, "\x8E 72");
  EXPECT_EQ(state.PericopeRef, "Mt 2,1-12");
  EXPECT_EQ(window.log, (Log{"reading 0 on", "reading 1 on", "reading 2 on", "reading 3 on"}));

  // A missing key and a key with an empty value both disable their command.
  state.DateText = "4.1.2001";
  window.log.clear();
  refreshReadings();
  EXPECT_EQ(state.Reading1Ref, "Gn 1,1-5");
  EXPECT_EQ(state.Reading2Ref, "");
  EXPECT_EQ(state.Reading3Ref, "");
  EXPECT_EQ(window.log, (Log{"reading 0 on", "reading 1 off", "reading 2 off", "reading 3 on"}));

  // Keys match without regard to case.
  state.DateText = "6.1.2001";
  window.log.clear();
  refreshReadings();
  EXPECT_EQ(state.Reading3Ref, "1 J 5,5-13");
  EXPECT_EQ(window.log, (Log{"reading 0 off", "reading 1 off", "reading 2 on", "reading 3 off"}));

  // A day without a section disables everything.
  state.DateText = "7.1.2001";
  refreshReadings();
  EXPECT_EQ(window.readingEnabled[0] || window.readingEnabled[1] || window.readingEnabled[2] ||
                window.readingEnabled[3],
            false);
}

TEST_F(ReadingsTest, WithoutClearingMissingKeysKeepTheCurrentReferences) {
  // The creation step reads without emptying the references first.
  writeIndex(kIndex);
  state.DateText = "6.1.2001";
  state.Reading1Ref = "old first";
  state.PericopeRef = "old pericope";
  LoadReadings(state, program.folder());
  EXPECT_EQ(state.Reading1Ref, "old first");
  EXPECT_EQ(state.Reading3Ref, "1 J 5,5-13");
  EXPECT_EQ(state.PericopeRef, "old pericope");

  // An absent index reads as all keys missing.
  TempDir empty;
  state.DateText = "5.1.2001";
  ClearReadings(state);
  LoadReadings(state, empty.folder());
  ApplyReadingAvailability(window, state);
  EXPECT_EQ(state.Reading1Ref + state.Reading2Ref + state.Reading3Ref + state.PericopeRef, "");
  EXPECT_EQ(window.log, (Log{"reading 0 off", "reading 1 off", "reading 2 off", "reading 3 off"}));
}

TEST_F(ReadingsTest, TheViewerGetsTheReferenceExactlyAsStored) {
  state.Reading1Ref = "Gn 1,1; $(rm -rf x) \"quoted\"";
  state.Reading2Ref = "second";
  state.Reading3Ref = "third";
  state.PericopeRef = "Mt 2,1-12";

  ReadingLaunch missing = DecideReadingLaunch(ReadingCommand::First, state, program.folder());
  EXPECT_FALSE(missing.viewerFound);
  EXPECT_EQ(missing.commandLine, "");
  EXPECT_EQ(missing.message, "Prohlížeč odkazů není nainstalován.");
  EXPECT_EQ(DecideReadingLaunch(ReadingCommand::Third, state, program.folder()).message,
            "Prohlížeč odkazů není nainstalován.");
  EXPECT_EQ(DecideReadingLaunch(ReadingCommand::Pericope, state, program.folder()).message,
            "Prohlížeč perikop není nainstalován.");

  writeBytes(program.path() / "Bible.exe", "");
  ReadingLaunch first = DecideReadingLaunch(ReadingCommand::First, state, program.folder());
  EXPECT_TRUE(first.viewerFound);
  EXPECT_EQ(first.message, "");
  EXPECT_EQ(first.commandLine,
            "\"" + program.folder() + "Bible.exe\" Gn 1,1; $(rm -rf x) \"quoted\"");
  EXPECT_EQ(DecideReadingLaunch(ReadingCommand::Second, state, program.folder()).commandLine,
            "\"" + program.folder() + "Bible.exe\" second");
  EXPECT_EQ(DecideReadingLaunch(ReadingCommand::Pericope, state, program.folder()).commandLine,
            "\"" + program.folder() + "Bible.exe\" Mt 2,1-12");
}
