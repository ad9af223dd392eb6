// tavra-texts search and the days' search behind it: year files made by tavra-texts import
// in a folder and a cache folder of the test's own.

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/hang_watchdog.h"
#include "core/core_test_support.h"
#include "core/texts_test_support.h"
#include "texts/texts_search.h"

using namespace tavra;
using namespace tavra::testing;

namespace {

const std::string kHeader = "date\ttext1\tref1\ttext2\tref2\tCteni1\tCteni2\tCteni3\tPerikopa\tNedele\n";
const std::string kLong =
    "Na počátku bylo Slovo a to Slovo bylo u Boha a to Slovo byl Bůh; to bylo na počátku u Boha. Všechno povstalo "
    "skrze ně a bez něho nepovstalo nic, co jest; v něm byl život a život byl světlem lidí.";

class TextsSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    importYear("2027",
               "2027-01-06\tHospodin je můj pastýř.\tŽalm 23,1\tJá jsem dobrý pastýř.\tJan 10,11\tŽ 23,1-6\t\t\t\t\n"
               "2027-01-24\tMilost vám a pokoj.\tŘímanům 1,7\t\t\tGn 1,1\t\t\t\tSeptuagesimae\n"
               "2027-05-01\t" + kLong + "\tJan 1,1-4\t\t\t\t\t\t\t\n");
    importYear("2028", "2028-03-01\tPastýři bděli v noci.\tLukáš 2,8\t\t\tL 2,8-14\t\t\t\t\n");
  }

  void importYear(const std::string& year, const std::string& rows) {
    writeBytes(dir.path() / "rok.tsv", kHeader + rows);
    const ToolOutcome run = runTool({"import", (dir.path() / "rok.tsv").string(), "--year", year, "--out", folder()});
    ASSERT_EQ(run.status, 0) << run.err;
  }

  std::string folder() const { return dir.path().string(); }
  ToolOutcome searchFor(const std::string& query) { return runTool({"search", query, "--folder", folder()}); }

  TempDir dir;
  EnvGuard shortDate{"TAVRA_SHORTDATE", nullptr};
  EnvGuard cache{"XDG_CACHE_HOME", (dir.path() / "cache").c_str()};
};

TEST_F(TextsSearchTest, FindsTheDaysByTheirVersesReferencesSundayAndReadings) {
  const struct {
    const char* query;
    const char* days;
  } cases[] = {
      {"pastyr", "2027-01-06\tHospodin je můj pastýř.\n"},
      {"PASTÝŘ*", "2027-01-06\tHospodin je můj pastýř.\n2028-03-01\tPastýři bděli v noci.\n"},
      {"„dobrý pastýř“", "2027-01-06\tJá jsem dobrý pastýř.\n"},
      {"rimanum milost", "2027-01-24\tMilost vám a pokoj.\n"},
      {"septuagesimae", "2027-01-24\tSeptuagesimae\n"},
      {"\"Ž 23\"", "2027-01-06\tŽ 23,1-6\n"},
      {"\"L 2,8\"", "2028-03-01\tL 2,8-14\n"},
      // The day's heading is not its text.
      {"středa", ""},
      {"ledna", ""},
  };
  for (const auto& c : cases) {
    const ToolOutcome run = searchFor(c.query);
    EXPECT_EQ(run.out, c.days) << c.query;
    EXPECT_EQ(run.status, *c.days ? 0 : 1) << c.query;
    EXPECT_EQ(run.err.empty(), *c.days != 0) << c.query << ": " << run.err;
  }
}

TEST_F(TextsSearchTest, TheStartOfALongTextComesWithTheFoundWordsMarked) {
  const struct {
    const char* query;
    const char* excerpt;  // found words in brackets
  } cases[] = {
      {"pocatku", "Na [počátku] bylo Slovo a to Slovo bylo u Boha a to Slovo byl Bůh; to bylo na [počátku] u Boha. "
                  "Všechno…"},
      {"svetlem", "…v něm byl život a život byl [světlem] lidí."},
      {"\"slovo byl buh\"", "Na počátku bylo Slovo a to Slovo bylo u Boha a to [Slovo byl Bůh]; to bylo na počátku u "
                            "Boha. Všechno…"},
  };
  for (const auto& c : cases) {
    const texts::DaysSearch found = texts::searchDays(folder(), c.query);
    ASSERT_EQ(found.days.size(), 1u) << c.query;
    const texts::FoundDay& day = found.days[0];
    EXPECT_EQ(day.date, (Date{2027, 5, 1}));
    std::string marked;
    std::size_t at = 0;
    for (const search::Span& span : day.spans) {
      marked += day.excerpt.substr(at, span.begin - at) + "[" + day.excerpt.substr(span.begin, span.length) + "]";
      at = span.begin + span.length;
    }
    EXPECT_EQ(marked + day.excerpt.substr(at), c.excerpt) << c.query;
  }
}

TEST_F(TextsSearchTest, WhatCannotBeSearchedGetsACzechSentence) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* message;
  } cases[] = {
      {{"search", "nenalezitelné", "--folder", folder()}, 1, "se „nenalezitelné“ nenašlo"},
      {{"search", ",,", "--folder", folder()}, 2, "není žádné slovo"},
      {{"search", "--folder", folder()}, 2, "chybí, co se má hledat"},
      {{"search", "pastyr", "--folder"}, 2, "za --folder chybí složka"},
      {{"search", "pastyr", "--folder", folder() + "/prazdna"}, 1, "nejsou texty žádného roku"},
  };
  for (const auto& c : cases) {
    const ToolOutcome run = runTool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(TextsSearchTest, AChangedYearIsSearchedAnewAndAnUnreadableOneIsNamed) {
  ASSERT_EQ(searchFor("noci").status, 0);
  // The year file alone changes: "v noci" becomes "za dne".
  const std::string year = readBytes(dir.path() / "TAVRA2028.RTF");
  writeBytes(dir.path() / "TAVRA2028.RTF", year.substr(0, year.find("v noci")) + "za dne" +
                                               year.substr(year.find("v noci") + 6));
  ::mkfifo((dir.path() / "TAVRA2029.RTF").c_str(), 0600);
  std::filesystem::create_directory(dir.path() / "TAVRA2030.RTF");
  const HangWatchdog watchdog("a FIFO as a year file");
  EXPECT_EQ(searchFor("noci").status, 1);
  const texts::DaysSearch found = texts::searchDays(folder(), "dne");
  ASSERT_EQ(found.days.size(), 1u);
  EXPECT_EQ(found.days[0].excerpt, "Pastýři bděli za dne.");
  ASSERT_EQ(found.notes.size(), 2u);
  EXPECT_NE(found.notes[0].find("TAVRA2029.RTF"), std::string::npos) << found.notes[0];
  EXPECT_NE(found.notes[1].find("TAVRA2030.RTF"), std::string::npos) << found.notes[1];
}

}  // namespace
