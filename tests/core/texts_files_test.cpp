// tavra-texts check and export, and the round trip of the sample years.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/day_document.h"
#include "core/core_test_support.h"
#include "texts/day_line.h"
#include "core/texts_test_support.h"
#include "texts/year_files.h"

using namespace tavra;
using namespace tavra::testing;
namespace fs = std::filesystem;

namespace {

const fs::path kSamples = TAVRA_SAMPLE_DATA;

// A year file of 2027 with a verse on every day, from the tool's own line maker.
std::vector<std::string> goodLines() {
  std::vector<std::string> lines(DataFileLineCount);
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= 31 && isValidDate(2027, month, day); ++day)
      lines[std::size_t(DayLineIndex(day, month))] =
          texts::composeDayLine(Date{2027, month, day}, {texts::Verse{"Verš", "Jan 1"}, std::nullopt});
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace

TEST(TextsRoundTrip, ImportingTheExportOfASampleYearGivesItsFilesByteForByte) {
  EnvGuard shortDate("TAVRA_SHORTDATE", nullptr);
  TempDir dir;
  fs::copy_file(kSamples / "Cteni.js", dir.path() / "Cteni.js");
  for (const char* name : {"TAVRA2027.RTF", "TAVRA99.RTF"}) {
    SCOPED_TRACE(name);
    const ToolOutcome exported = runTool({"export", (kSamples / name).string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(exported.out.starts_with("date\ttext1\tref1\ttext2\tref2\tCteni1\tCteni2\tCteni3\tPerikopa\n"));
    writeBytes(dir.path() / "table.tsv", exported.out);
    const std::string year = texts::yearOfFileName(name) == 1999 ? "1999" : "2027";
    const ToolOutcome imported = runTool({"import", (dir.path() / "table.tsv").string(), "--year", year, "--out", dir.path().string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(readBytes(dir.path() / name), readBytes(kSamples / name));
    EXPECT_EQ(runTool({"check", (dir.path() / name).string()}).status, 0);
  }
  // The sample index has no empty keys outside 1999, so 2027's sections come back whole.
  const std::string index = readBytes(dir.path() / "Cteni.js");
  const std::string sample = readBytes(kSamples / "Cteni.js");
  EXPECT_EQ(index.substr(index.find("[1.1.2025]")), sample.substr(sample.find("[1.1.2025]")));
}

TEST(TextsCheck, TheSampleYearsPass) {
  for (const char* name : {"TAVRA99.RTF", "TAVRA2025.RTF", "TAVRA2026.RTF", "TAVRA2027.RTF", "TAVRA2028.RTF",
                           "TAVRA2029.RTF", "TAVRA2030.RTF"}) {
    const ToolOutcome run = runTool({"check", (kSamples / name).string()});
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
    EXPECT_EQ(run.err, "") << name;
  }
}

TEST(TextsCheck, EachFaultIsReportedWithItsLine) {
  TempDir dir;
  const std::string path = (dir.path() / "TAVRA2027.RTF").string();
  std::vector<std::string> lines = goodLines();
  lines[4] = "\\b {nezavřeno";                        // 5 January
  lines[5] = "\\b zavreno} navic{";                   // 6 January
  lines[DayLineIndex(30, 2)] = "\\b 30. února";       // a day that does not exist
  lines[DayLineIndex(1, 3)] = "\\b0\\par\\par ";      // the box reads no text
  lines[DayLineIndex(2, 3)] = "text\\";               // the backslash would eat the closing brace
  lines[DayLineIndex(3, 3)] = "";                     // an empty day: a warning only
  lines.pop_back();
  writeBytes(path, joined(lines));
  const ToolOutcome run = runTool({"check", path});
  EXPECT_EQ(run.status, 1);
  for (const std::string expected :
       {"soubor má 371 řádků, má jich mít 372", "řádek 5: (2027-01-05) 1× „{“ bez uzavření",
        "řádek 6: (2027-01-06) „}“ na pozici 11 uzavírá skupinu, která nezačala",
        "řádek 61: 30. 2. neexistuje, řádek má být prázdný", "řádek 63: (2027-03-01) textové pole z řádku nepřečte",
        "řádek 64: (2027-03-02) končí zpětným lomítkem", "varování: 1 dnů má prázdný řádek a ukáže, že data nebyla nalezena: 2027-03-03"})
    EXPECT_NE(run.err.find(expected), std::string::npos) << "expected: " << expected << "\ngot: " << run.err;

  // A NUL byte ends what the program reads.
  writeBytes(path, joined(goodLines()).insert(30, 1, '\0'));
  const ToolOutcome nul = runTool({"check", path});
  EXPECT_EQ(nul.status, 1);
  EXPECT_NE(nul.err.find("řádek 1: bajt 0"), std::string::npos) << nul.err;

  writeBytes(path, joined(goodLines()));
  EXPECT_EQ(runTool({"check", path}).status, 0);
  EXPECT_EQ(runTool({"check", (dir.path() / "missing.RTF").string(), "--year", "2027"}).status, 1);
}

TEST(TextsExport, ALineInAnotherLayoutIsAnErrorWithItsLine) {
  TempDir dir;
  std::vector<std::string> lines = goodLines();
  lines[DayLineIndex(3, 2)] = "\\pard\\qc\\b Pondělí 1. ledna 2027\\b0";  // the heading of another day
  lines[DayLineIndex(4, 2)] = "\\b vlastní\\b0";
  writeBytes(dir.path() / "TAVRA2027.RTF", joined(lines));
  const ToolOutcome run = runTool({"export", (dir.path() / "TAVRA2027.RTF").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("řádek 34: (2027-02-03)"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("nepatří ke dni"), std::string::npos);
  EXPECT_NE(run.err.find("řádek 35: (2027-02-04)"), std::string::npos);
}

TEST(TextsDayLine, EscapedTextAndMissingReferencesComeBackUnchanged) {
  const Date date{2027, 1, 6};
  const texts::DayVerses verses{texts::Verse{"a\\b {c} \\par\\par d", ""}, texts::Verse{" 1. x", "{ref}"}};
  const std::string line = texts::composeDayLine(date, verses);
  std::string why;
  const auto back = texts::parseDayLine(line, date, why);
  ASSERT_TRUE(back.has_value()) << why;
  EXPECT_EQ(*back, verses);
  EXPECT_EQ(texts::composeDayLine(date, {}), "");
}
