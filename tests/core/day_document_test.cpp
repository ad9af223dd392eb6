#include "app/core/day_document.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/core/date_cursor.h"
#include "core/core_test_support.h"
#include "platform/file_system.h"
#include "common/hang_watchdog.h"

using namespace tavra;
using namespace tavra::testing;
using Lines = std::vector<std::string>;

namespace {

// A data file whose line k says which slot it is, with the RTF bytes a day line may hold.
std::string dataFile(int lineCount, std::string_view lineEnd = "\r\n") {
  std::string text;
  for (int k = 0; k < lineCount; ++k) {
    text += "\\b line " + std::to_string(k) + "\\b0  \xE8" "ten\xED";  // "čtení" in Windows-1250
    text += lineEnd;
  }
  return text;
}

std::string foundDocument(int line) {
  return "{\\rtf1\\ansi \\b line " + std::to_string(line) + "\\b0  \xE8" "ten\xED}\r\n";
}

std::string notFoundDocument(const std::string& dateText) {
  return "{\\rtf1\\ansi \\par\\par\\b\\qj Data na " + dateText + " nebyla nalezena!}\r\n";
}

// A current directory of its own, today's and the short date's settings fixed, and a
// cursor and document that belong to the test.
class DayDocumentTest : public ::testing::Test {
 protected:
  TempDir dir;
  CurrentDirGuard cwd{dir.path()};
  EnvGuard shortDate{"TAVRA_SHORTDATE", nullptr};
  DateCursor cursor;
  DayDocument document{cursor};

  std::string build(int day, int month, int year) {
    cursor.SetCursorFromPicker(Date{year, month, day});
    document.BuildDayDocument(cursor.Day, cursor.Month, cursor.Year);
    return readBytes(dir.path() / "TAVRA.TMP");
  }
};

}  // namespace

TEST(DayLines, SplitAtEveryKindOfLineEndUntilNul) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF, then a lone CR
  EXPECT_EQ(SplitLines("a\r\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines(std::string_view("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines(std::string_view("\0a", 2)), Lines{});
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\n"), (Lines{""}));
  // Lines past the ones asked for are not made: a file of line ends costs nothing more.
  EXPECT_EQ(SplitLines("a\nb\nc\nd", 2), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines(std::string(1000, '\n'), 3), (Lines{"", "", ""}));
}

TEST(DayLines, EveryMonthHasThirtyOneSlots) {
  EXPECT_EQ(DayLineIndex(1, 1), 0);
  EXPECT_EQ(DayLineIndex(31, 1), 30);
  EXPECT_EQ(DayLineIndex(1, 2), 31);
  EXPECT_EQ(DayLineIndex(1, 3), 62);
  EXPECT_EQ(DayLineIndex(31, 12), 371);
}

TEST_F(DayDocumentTest, ServedDaysCopyTheirLineByteForByte) {
  writeBytes(dir.path() / DataFileName, dataFile(372));
  EXPECT_EQ(build(1, 1, 1999), foundDocument(0));
  EXPECT_EQ(build(31, 1, 1999), foundDocument(30));
  EXPECT_EQ(build(1, 2, 1999), foundDocument(31));
  EXPECT_EQ(build(1, 3, 1999), foundDocument(62));
  EXPECT_EQ(build(31, 12, 1999), foundDocument(371));
  EXPECT_EQ(document.LoadedYear, ServedYear);
  EXPECT_EQ(document.DayTexts.size(), 372u);
}

TEST_F(DayDocumentTest, LoneLineFeedsAndCarriageReturnsEndLinesToo) {
  writeBytes(dir.path() / DataFileName, dataFile(200, "\n") + dataFile(172, "\r"));
  EXPECT_EQ(build(31, 12, 1999), foundDocument(171));
  EXPECT_EQ(build(10, 1, 1999), foundDocument(9));
}

TEST_F(DayDocumentTest, OtherYearsAreNotFoundInTheUsersDateFormat) {
  writeBytes(dir.path() / DataFileName, dataFile(372));
  EXPECT_EQ(build(5, 1, 1999), foundDocument(4));
  EXPECT_EQ(build(31, 12, 1998), notFoundDocument("31.12.1998"));
  EXPECT_EQ(build(5, 1, 2001), notFoundDocument("5.1.2001"));
  EXPECT_EQ(document.LoadedYear, LoadFailedYear);  // neither has a file of its own

  EnvGuard format("TAVRA_SHORTDATE", "yyyy-MM-dd");
  EXPECT_EQ(build(1, 1, 2000), notFoundDocument("2000-01-01"));
}

TEST_F(DayDocumentTest, TheDataFileIsReadOnceAndOnlyForItsYear) {
  EXPECT_EQ(build(1, 1, 2000), notFoundDocument("1.1.2000"));
  EXPECT_EQ(document.LoadedYear, LoadFailedYear);  // "TAVRA2000.RTF" was tried, not 1999's file

  writeBytes(dir.path() / DataFileName, dataFile(372));
  EXPECT_EQ(build(15, 6, 1999), foundDocument(DayLineIndex(15, 6)));
  // Changed or removed afterwards, the file is not read again.
  writeBytes(dir.path() / DataFileName, "changed\r\n");
  EXPECT_EQ(build(2, 1, 1999), foundDocument(1));
  std::filesystem::remove(dir.path() / DataFileName);
  EXPECT_EQ(build(31, 12, 1999), foundDocument(371));
}

TEST_F(DayDocumentTest, AMissingDataFileIsRetriedOnTheNextRequest) {
  EXPECT_EQ(build(5, 1, 1999), notFoundDocument("5.1.1999"));
  EXPECT_EQ(document.LoadedYear, LoadFailedYear);
  EXPECT_EQ(build(6, 1, 1999), notFoundDocument("6.1.1999"));
  // A 2000 request without its own file fails as well, whatever 1999's file holds.
  EXPECT_EQ(build(6, 1, 2000), notFoundDocument("6.1.2000"));
  EXPECT_EQ(document.LoadedYear, LoadFailedYear);

  writeBytes(dir.path() / DataFileName, dataFile(372));
  EXPECT_EQ(build(6, 1, 1999), foundDocument(5));
  EXPECT_EQ(document.LoadedYear, ServedYear);
}

TEST_F(DayDocumentTest, DaysBeyondAShortDataFileAreNotFoundInACompleteDocument) {
  writeBytes(dir.path() / DataFileName, dataFile(40));
  EXPECT_EQ(build(9, 2, 1999), foundDocument(39));
  EXPECT_EQ(build(10, 2, 1999), notFoundDocument("10.2.1999"));
  EXPECT_EQ(build(31, 12, 1999), notFoundDocument("31.12.1999"));
  EXPECT_EQ(document.LoadedYear, ServedYear);

  // An empty data file loads as no lines at all.
  DateCursor other;
  DayDocument empty{other};
  writeBytes(dir.path() / DataFileName, "");
  other.SetCursorFromPicker(Date{1999, 1, 1});
  empty.BuildDayDocument(1, 1, 1999);
  EXPECT_EQ(readBytes(dir.path() / "TAVRA.TMP"), notFoundDocument("1.1.1999"));
}

TEST_F(DayDocumentTest, AFailedWriteRaisesTheInputOutputError) {
  writeBytes(dir.path() / DataFileName, dataFile(372));
  // A folder standing where the document goes cannot be replaced by a file.
  std::filesystem::create_directory(dir.path() / "TAVRA.TMP");
  cursor.SetCursorFromPicker(Date{1999, 1, 1});
  EXPECT_THROW(document.BuildDayDocument(1, 1, 1999), InOutError);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "TAVRA.TMP"));
  EXPECT_EQ(document.LoadedYear, ServedYear);

  std::filesystem::remove(dir.path() / "TAVRA.TMP");
  EXPECT_EQ(build(1, 1, 1999), foundDocument(0));
}

TEST_F(DayDocumentTest, ARewriteReplacesALongerOldDocumentWhole) {
  writeBytes(dir.path() / "TAVRA.TMP", std::string(5000, 'x'));
  EXPECT_EQ(build(1, 1, 1998), notFoundDocument("1.1.1998"));
}

namespace {

// A year file whose line k names its year and slot, so that a document shows which file
// and which line it came from.
std::string yearFile(int year, int lineCount = DataFileLineCount) {
  std::string text;
  for (int k = 0; k < lineCount; ++k) text += "\\b " + std::to_string(year) + "/" + std::to_string(k) + "\\b0\r\n";
  return text;
}

std::string yearDocument(int year, int line) {
  return "{\\rtf1\\ansi \\b " + std::to_string(year) + "/" + std::to_string(line) + "\\b0}\r\n";
}

}  // namespace

TEST(DayLines, EachYearHasItsFileAnd1999KeepsItsOldName) {
  EXPECT_EQ(DataFileNameFor(1999), "TAVRA99.RTF");
  EXPECT_EQ(DataFileNameFor(2027), "TAVRA2027.RTF");
  EXPECT_EQ(DataFileNameFor(1901), "TAVRA1901.RTF");
  EXPECT_TRUE(isDataYear(1901));
  EXPECT_TRUE(isDataYear(2099));
  EXPECT_FALSE(isDataYear(1900));
  EXPECT_FALSE(isDataYear(2100));
}

TEST_F(DayDocumentTest, YearsBeside1999AreServedFromTheirOwnFiles) {
  writeBytes(dir.path() / "TAVRA2027.RTF", yearFile(2027));
  writeBytes(dir.path() / "TAVRA1901.RTF", yearFile(1901));
  EXPECT_EQ(build(1, 1, 2027), yearDocument(2027, 0));
  EXPECT_EQ(build(31, 12, 2027), yearDocument(2027, 371));
  EXPECT_EQ(build(1, 3, 2027), yearDocument(2027, 62));
  EXPECT_EQ(document.LoadedYear, 2027);
  EXPECT_EQ(build(5, 7, 1901), yearDocument(1901, DayLineIndex(5, 7)));
  // 2026 has no file: not found, though other years' files lie beside it.
  EXPECT_EQ(build(5, 7, 2026), notFoundDocument("5.7.2026"));
}

TEST_F(DayDocumentTest, SwitchingYearsReadsEachFileOncePerSwitch) {
  writeBytes(dir.path() / DataFileName, dataFile(372));
  writeBytes(dir.path() / "TAVRA2027.RTF", yearFile(2027));
  EXPECT_EQ(build(2, 1, 1999), foundDocument(1));
  // A file changed while its year stays loaded is not read again...
  writeBytes(dir.path() / DataFileName, yearFile(1999));
  EXPECT_EQ(build(3, 1, 1999), foundDocument(2));

  EXPECT_EQ(build(2, 1, 2027), yearDocument(2027, 1));
  EXPECT_EQ(document.DayTexts.size(), 372u);
  writeBytes(dir.path() / "TAVRA2027.RTF", yearFile(2127));
  EXPECT_EQ(build(3, 2, 2027), yearDocument(2027, DayLineIndex(3, 2)));

  // ...but once another year was loaded in between, its file is read afresh, once.
  EXPECT_EQ(build(3, 1, 1999), yearDocument(1999, 2));
  EXPECT_EQ(document.LoadedYear, ServedYear);
  std::filesystem::remove(dir.path() / DataFileName);
  EXPECT_EQ(build(4, 1, 1999), yearDocument(1999, 3));
  EXPECT_EQ(build(4, 1, 2027), yearDocument(2127, 3));
}

TEST_F(DayDocumentTest, AMissingYearFilePutInPlaceWhileRunningIsFoundNextTime) {
  writeBytes(dir.path() / DataFileName, dataFile(372));
  EXPECT_EQ(build(6, 1, 1999), foundDocument(5));
  EXPECT_EQ(build(6, 1, 2027), notFoundDocument("6.1.2027"));
  EXPECT_EQ(document.LoadedYear, LoadFailedYear);
  EXPECT_TRUE(document.DayTexts.empty());  // 1999's lines are not kept for another year
  EXPECT_EQ(build(7, 1, 2027), notFoundDocument("7.1.2027"));

  writeBytes(dir.path() / "TAVRA2027.RTF", yearFile(2027));
  EXPECT_EQ(build(7, 1, 2027), yearDocument(2027, 6));
  EXPECT_EQ(document.LoadedYear, 2027);
  // 2000 without its file stays not found whatever else was loaded before it.
  EXPECT_EQ(build(7, 1, 2000), notFoundDocument("7.1.2000"));
  EXPECT_EQ(build(7, 1, 1999), foundDocument(6));
  EXPECT_EQ(build(7, 1, 2000), notFoundDocument("7.1.2000"));
}

TEST_F(DayDocumentTest, AnEmptyLineIsNotFoundBeside1999ButAnEmptyTextIn1999) {
  std::string lines = yearFile(2027, 4) + "\r\n" + yearFile(2027, 367);
  writeBytes(dir.path() / "TAVRA2027.RTF", lines);
  writeBytes(dir.path() / DataFileName, lines);
  EXPECT_EQ(build(4, 1, 2027), yearDocument(2027, 3));
  EXPECT_EQ(build(5, 1, 2027), notFoundDocument("5.1.2027"));
  EXPECT_EQ(build(5, 1, 1999), "{\\rtf1\\ansi }\r\n");
}

TEST_F(DayDocumentTest, ShortHugeAndSpecialYearFilesAreNotFoundWithoutHanging) {
  writeBytes(dir.path() / "TAVRA2027.RTF", yearFile(2027, 40));
  EXPECT_EQ(build(9, 2, 2027), yearDocument(2027, 39));
  EXPECT_EQ(build(10, 2, 2027), notFoundDocument("10.2.2027"));

  writeBytes(dir.path() / "TAVRA2028.RTF", std::string(MaxDataFileSize + 1, 'x'));
  EXPECT_EQ(build(1, 1, 2028), notFoundDocument("1.1.2028"));
  EXPECT_EQ(document.LoadedYear, LoadFailedYear);

  // A FIFO in the year file's place would block a plain read for ever.
  ASSERT_EQ(::mkfifo((dir.path() / "TAVRA2029.RTF").c_str(), 0600), 0);
  {
    tavra::testing::HangWatchdog watchdog("a FIFO as the year file");
    EXPECT_EQ(build(1, 1, 2029), notFoundDocument("1.1.2029"));
  }
  std::filesystem::create_directory(dir.path() / "TAVRA2030.RTF");
  EXPECT_EQ(build(1, 1, 2030), notFoundDocument("1.1.2030"));
}

TEST_F(DayDocumentTest, YearsWithoutADataFileNameAreNotLookedFor) {
  writeBytes(dir.path() / "TAVRA2027.RTF", yearFile(2027));
  EXPECT_EQ(build(1, 1, 2027), yearDocument(2027, 0));
  cursor.SetCursorFromPicker(Date{2027, 1, 1});
  document.BuildDayDocument(1, 1, 2100);
  EXPECT_EQ(document.LoadedYear, 2027);
  EXPECT_EQ(readBytes(dir.path() / "TAVRA.TMP"), notFoundDocument("1.1.2027"));
}
