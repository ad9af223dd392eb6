// tavra-texts import: a table becomes a year file that the program's own reader shows,
// and the year's readings; a faulty table writes nothing.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/date_cursor.h"
#include "app/core/day_document.h"
#include "core/core_test_support.h"
#include "platform/codepage.h"
#include "platform/ini_file.h"
#include "platform/rtf_reader.h"
#include "core/texts_test_support.h"

using namespace tavra;
using namespace tavra::testing;

namespace {

const std::string kHeader = "date\ttext1\tref1\ttext2\tref2\tCteni1\tCteni2\tCteni3\tPerikopa\n";

std::vector<std::string> linesOf(const std::string& bytes) { return SplitLines(bytes); }

class TextsImportTest : public ::testing::Test {
 protected:
  TempDir dir;
  EnvGuard shortDate{"TAVRA_SHORTDATE", nullptr};

  std::string table(const std::string& rows) const {
    const auto path = dir.path() / "rok.tsv";
    writeBytes(path, rows);
    return path.string();
  }
  ToolOutcome import(const std::string& rows, const std::string& year = "2027") {
    return runTool({"import", table(rows), "--year", year, "--out", dir.path().string()});
  }
  std::string file(const std::string& name) const { return readBytes(dir.path() / name); }
};

}  // namespace

TEST_F(TextsImportTest, ASmallTableReadsBackThroughTheProgramsOwnReader) {
  const ToolOutcome run = import(kHeader +
                         "2027-01-06\tŽena {řekla}: C:\\cesta\tJan 3,16\tDruhý verš\t\tGn 1,1\t\t\tMt 2,1-12\n"
                         "2027-12-31\tPoslední den\tŽalm 90,12\t\t\t\t\t\t\n"
                         "2027-02-28\tBez odkazu\t\t\t\t\t\t\t\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = linesOf(file("TAVRA2027.RTF"));
  ASSERT_EQ(lines.size(), 372u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[DayLineIndex(29, 2)], "");
  EXPECT_NE(lines[DayLineIndex(28, 2)], "");

  // The program serves the day, and its reader sees heading, verse and reference.
  CurrentDirGuard cwd(dir.path());
  DateCursor cursor;
  DayDocument document(cursor);
  cursor.SetCursorFromPicker(Date{2027, 1, 6});
  document.BuildDayDocument(6, 1, 2027);
  const rtf::Document shown = rtf::parse(readBytes(dir.path() / "TAVRA.TMP"));
  ASSERT_GE(shown.paragraphs.size(), 5u);
  EXPECT_EQ(shown.paragraphs[0].alignment, rtf::Alignment::Center);
  ASSERT_EQ(shown.paragraphs[0].runs.size(), 1u);
  EXPECT_TRUE(shown.paragraphs[0].runs[0].style.bold);
  EXPECT_EQ(shown.paragraphs[0].runs[0].text, u"Středa 6. ledna 2027");
  const rtf::Paragraph& verse = shown.paragraphs[2];
  EXPECT_EQ(verse.alignment, rtf::Alignment::Center);
  ASSERT_EQ(verse.runs.size(), 2u);
  EXPECT_EQ(verse.runs[0].text, u"Žena {řekla}: C:\\cesta\n");
  EXPECT_FALSE(verse.runs[0].style.italic);
  EXPECT_EQ(verse.runs[1].text, u"Jan 3,16");
  EXPECT_TRUE(verse.runs[1].style.italic);
  EXPECT_EQ(rtf::plainText(shown.paragraphs[4]), u"Druhý verš");

  cursor.SetCursorFromPicker(Date{2027, 2, 28});
  document.BuildDayDocument(28, 2, 2027);
  const rtf::Document bare = rtf::parse(readBytes(dir.path() / "TAVRA.TMP"));
  ASSERT_EQ(bare.paragraphs.size(), 3u);
  EXPECT_EQ(rtf::plainText(bare.paragraphs[2]), u"Bez odkazu");
  // A day the table left out is not found.
  cursor.SetCursorFromPicker(Date{2027, 1, 7});
  document.BuildDayDocument(7, 1, 2027);
  EXPECT_NE(readBytes(dir.path() / "TAVRA.TMP").find("Data na 7.1.2027 nebyla nalezena!"), std::string::npos);

  // The readings, by the short-date text, in Windows-1250; empty cells are no keys.
  const IniFile readings(dir.folder() + "Cteni.js");
  EXPECT_EQ(readings.readString("6.1.2027", "Cteni1", ""), "Gn 1,1");
  EXPECT_EQ(readings.readString("6.1.2027", "Cteni2", "none"), "none");
  EXPECT_EQ(readings.readString("6.1.2027", "Perikopa", ""), "Mt 2,1-12");
  EXPECT_EQ(file("Cteni.js").find("[31.12.2027]"), std::string::npos);

  // Days without text are listed, from the first of the year.
  EXPECT_NE(run.err.find("varování: 362 dnů"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("2027-01-01, 2027-01-02"), std::string::npos);
  EXPECT_EQ(run.err.find("2027-01-06"), std::string::npos);
}

TEST_F(TextsImportTest, AShortHeaderAndCrLfRowsAreEnough) {
  const ToolOutcome run = import("\xEF\xBB\xBF" "date\ttext1\tref1\r\n2027-03-01\tVerš\tŽalm 1\r\n\r\n", "2027");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = linesOf(file("TAVRA2027.RTF"));
  ASSERT_EQ(lines.size(), 372u);
  EXPECT_EQ(lines[DayLineIndex(1, 3)],
            cp1250::fromUtf8("\\pard\\qc\\b Pondělí 1. března 2027\\b0\\par\\par Verš\\line\\i Žalm 1\\i0"));
  // No readings at all: the index holds nothing of 2027.
  EXPECT_EQ(file("Cteni.js").find("2027"), std::string::npos);
}

TEST_F(TextsImportTest, TheYearsReadingsReplaceItsOldOnesAndOtherYearsStay) {
  writeBytes(dir.path() / "Cteni.js", "; index\r\n\r\n[5.5.1999]\r\nCteni1=old 1999\r\n\r\n[5.5.2027]\r\n"
                                      "Cteni1=old 2027\r\n\r\n[5.5.2028]\r\nCteni1=old 2028\r\n");
  ASSERT_EQ(import(kHeader + "2027-05-06\tVerš\tJan 1\t\t\tL 1\t\t\t\n").status, 0);
  EXPECT_EQ(file("Cteni.js"), "; index\r\n\r\n[5.5.1999]\r\nCteni1=old 1999\r\n\r\n[6.5.2027]\r\n"
                              "Cteni1=L 1\r\n\r\n[5.5.2028]\r\nCteni1=old 2028\r\n");

  // 1999 writes its file under the old name.
  ASSERT_EQ(import(kHeader + "1999-05-05\tVerš\tJan 1\t\t\tNew\t\t\t\n", "1999").status, 0);
  EXPECT_EQ(linesOf(file("TAVRA99.RTF")).size(), 372u);
  EXPECT_EQ(IniFile(dir.folder() + "Cteni.js").readString("5.5.1999", "Cteni1", ""), "New");
}

TEST_F(TextsImportTest, EachKindOfBadRowIsNamedWithItsRowAndNothingIsWritten) {
  writeBytes(dir.path() / "TAVRA2027.RTF", "old year\r\n");
  writeBytes(dir.path() / "Cteni.js", "[1.1.2027]\r\nCteni1=old\r\n");
  const std::string good = "2027-01-01\tVerš\tJan 1\t\t\t\t\t\t\n";
  struct Case {
    std::string rows;
    std::string message;
  };
  const Case cases[] = {
      {kHeader + good + "2026-12-31\tVerš\tJan 1\t\t\t\t\t\t\n", "řádek 3: datum 2026-12-31 neleží v roce 2027"},
      {kHeader + good + "2027-01-01\tZnovu\tJan 2\t\t\t\t\t\t\n", "řádek 3: datum 2027-01-01 už je na řádku 2"},
      {kHeader + good + "2027-01-02\tA → B\tJan 2\t\t\t\t\t\t\n",
       "řádek 3, sloupec text1, znak 3: „→“ (U+2192) nelze zapsat ve Windows-1250"},
      {kHeader + good + "2027-01-02\tVerš\tJan 2\t\t\t\t\t\n", "řádek 3: chybí sloupec Perikopa"},
      {kHeader + good + "2027-01-02\tVerš\n", "řádek 3: chybí sloupec ref1"},
      {kHeader + good + "2027-01-02\tVerš\tJan 2\t\t\t\t\t\t\tnavíc\n", "řádek 3: řádek má 10 sloupců"},
      {kHeader + good + "2.1.2027\tVerš\tJan 2\t\t\t\t\t\t\n", "řádek 3: datum „2.1.2027“ není ve tvaru RRRR-MM-DD"},
      {kHeader + good + "2027-02-29\tVerš\tJan 2\t\t\t\t\t\t\n", "řádek 3: datum 2027-02-29 neexistuje"},
      {kHeader + good + "2027-01-02\t\tJan 2\t\t\t\t\t\t\n", "řádek 3: ref1 bez text1"},
      {kHeader + good + "2027-01-02\tVerš\tJan 2\t\tJan 3\t\t\t\t\n", "řádek 3: ref2 bez text2"},
      {kHeader + good + "2027-01-02\tVe\xC5rš\tJan 2\t\t\t\t\t\t\n", "řádek 3, sloupec text1, znak 3: neplatný bajt UTF-8"},
      {kHeader + good + "2027-01-02\tVerš\tJan\x01 2\t\t\t\t\t\t\n",
       "řádek 3, sloupec ref1, znak 4: řídicí znak U+0001"},
      {"date\ttext\tref1\n" + good, "řádek 1: sloupec 2 záhlaví je „text“, má být „text1“"},
      {"date\ttext1\n" + good, "řádek 1: záhlaví musí mít aspoň sloupce date, text1 a ref1"},
      {"", "tabulka je prázdná"},
  };
  for (const Case& c : cases) {
    const ToolOutcome run = import(c.rows);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << "expected: " << c.message << "\ngot: " << run.err;
    EXPECT_NE(run.err.find("nic nebylo zapsáno"), std::string::npos);
    EXPECT_EQ(file("TAVRA2027.RTF"), "old year\r\n");
    EXPECT_EQ(file("Cteni.js"), "[1.1.2027]\r\nCteni1=old\r\n");
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);  // and rok.tsv

  // Every faulty row is reported, not only the first.
  const ToolOutcome many = import(kHeader + "2026-01-01\ta\tb\t\t\t\t\t\t\n2027-13-01\ta\tb\t\t\t\t\t\t\n");
  EXPECT_NE(many.err.find("řádek 2:"), std::string::npos);
  EXPECT_NE(many.err.find("řádek 3:"), std::string::npos);
}

TEST_F(TextsImportTest, LinksBecomeTheUsersOwnFilesAndUnreadableInputsAreRefused) {
  std::filesystem::create_directory(dir.path() / "elsewhere");
  writeBytes(dir.path() / "elsewhere" / "Cteni.js", "[1.1.1999]\r\nCteni1=x\r\n");
  writeBytes(dir.path() / "elsewhere" / "TAVRA2027.RTF", "shared");
  for (const char* name : {"Cteni.js", "TAVRA2027.RTF"})
    std::filesystem::create_symlink(dir.path() / "elsewhere" / name, dir.path() / name);
  const ToolOutcome linked = import(kHeader + "2027-01-01\tVerš\tJan 1\t\t\tGn 1\t\t\t\n");
  EXPECT_EQ(linked.status, 0) << linked.err;
  for (const char* name : {"Cteni.js", "TAVRA2027.RTF"})
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path() / name)) << name;
  EXPECT_EQ(readBytes(dir.path() / "elsewhere" / "Cteni.js"), "[1.1.1999]\r\nCteni1=x\r\n");
  EXPECT_EQ(readBytes(dir.path() / "elsewhere" / "TAVRA2027.RTF"), "shared");
  const std::string merged = readBytes(dir.path() / "Cteni.js");
  EXPECT_NE(merged.find("[1.1.1999]"), std::string::npos) << merged;
  EXPECT_NE(merged.find("Gn 1"), std::string::npos) << merged;

  std::filesystem::create_directory(dir.path() / "table.tsv");
  EXPECT_EQ(runTool({"import", (dir.path() / "table.tsv").string(), "--year", "2027"}).status, 1);
}

TEST(TextsCommandLine, WrongCommandLinesGetUsageAndStatusTwo) {
  EXPECT_EQ(runTool({}).status, 2);
  EXPECT_EQ(runTool({"make", "x"}).status, 2);
  const ToolOutcome year = runTool({"import", "x.tsv", "--year", "2100"});
  EXPECT_EQ(year.status, 2);
  EXPECT_NE(year.err.find("od 1901 do 2099"), std::string::npos);
  EXPECT_EQ(runTool({"import", "x.tsv", "--year"}).status, 2);
  EXPECT_EQ(runTool({"check", "notes.rtf"}).status, 2);  // no year in the name
  EXPECT_EQ(runTool({"check", "TAVRA2027.RTF", "--out", "x"}).status, 2);
}
