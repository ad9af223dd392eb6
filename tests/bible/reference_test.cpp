// Czech references as readers write them, and every reference of the sample readings.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "bible/core/bible_library.h"
#include "bible/core/reference.h"
#include "bible_fixture.h"
#include "platform/codepage.h"

using namespace tavra::bible;

namespace {

// The ranges' keys joined by ";", or "!" and the problem.
std::string keys(const std::string& text) {
  const Reference parsed = parseReference(text);
  if (!parsed.ok()) return "!" + parsed.problem;
  std::string out;
  for (const VerseRange& range : parsed.ranges) out += (out.empty() ? "" : ";") + osisRef(range);
  return out;
}

TEST(Reference, FormsReadersWrite) {
  const struct {
    const char* text;
    const char* keys;
  } cases[] = {
      {"J 3,16", "John.3.16"},
      {"Mt 5,1-12", "Matt.5.1-Matt.5.12"},
      {"Mt 5,1–12", "Matt.5.1-Matt.5.12"},
      {"Mt 5, 1 - 12", "Matt.5.1-Matt.5.12"},
      {"Mk 1,1-8.14-15", "Mark.1.1-Mark.1.8;Mark.1.14-Mark.1.15"},
      {"Mk 1,1.3.5-6", "Mark.1.1;Mark.1.3;Mark.1.5-Mark.1.6"},
      {"Mt 5,3-5; 6,9-10", "Matt.5.3-Matt.5.5;Matt.6.9-Matt.6.10"},
      {"J 3,16; Ř 8,28", "John.3.16;Rom.8.28"},
      {"Ž 23", "Ps.23"},
      {"Ž 23-24", "Ps.23-Ps.24"},
      {"J 20,30-21,2", "John.20.30-John.21.2"},
      {"J 20,30–21,2.5", "John.20.30-John.21.2;John.21.5"},
      {"Ř 12,5a-8b", "Rom.12.5-Rom.12.8"},
      {"Iz 40,1b", "Isa.40.1"},
      {"J 3:16", "John.3.16"},
      {"Mt 5,1-12.", "Matt.5.1-Matt.5.12"},
      {"Mt 5,1;", "Matt.5.1"},
      {"Ju 3", "Jude.1.3"},
      {"Fm 8-20", "Phlm.1.8-Phlm.1.20"},
      {"Ju 1,3", "Jude.1.3"},
      {"1. Tesalonicenským 5,16-24", "1Thess.5.16-1Thess.5.24"},
      {"II. Kor 5,17", "2Cor.5.17"},
      {"\u00A0Ž\u00A023,1 ", "Ps.23.1"},
      {"", "!prázdný odkaz"},
      {" ; ", "!prázdný odkaz"},
      {"Xy 1,1", "!neznámá kniha „Xy“"},
      {"5,1", "!chybí kniha"},
      {"Mt", "!chybí číslo kapitoly"},
      {"Mt 5,", "!chybí číslo verše"},
      {"Mt 5,12-1", "!rozsah končí dřív, než začíná"},
      {"Mt 6-5", "!rozsah končí dřív, než začíná"},
      {"J 21,2-20,30", "!rozsah končí dřív, než začíná"},
      {"Mt 0,1", "!nula není číslo kapitoly"},
      {"Mt 5,0", "!nula není číslo verše"},
      {"Mt 1234", "!číslo „1234“ je příliš velké"},
      {"Mt 5,1-12x", "!nečekaný znak „x“"},
      {"Mt 5,1 Mk", "!nečekaný znak „M“"},
      {"Mt 99999999999999999999", "!číslo „99999999999999999999“ je příliš velké"},
      {"Mt 5,1\xff", "!nečekaný znak „\xEF\xBF\xBD“"},
  };
  for (const auto& c : cases) EXPECT_EQ(keys(c.text), c.keys) << c.text;
}

TEST(Reference, AnOverlongReferenceIsRefusedWithoutReadingIt) {
  std::string text = "Mt 5,1";
  while (text.size() <= MaxReferenceLength) text += ".1";
  EXPECT_EQ(keys(text), "!odkaz je příliš dlouhý");
  EXPECT_EQ(keys(text.substr(0, MaxReferenceLength)).substr(0, 8), "Matt.5.1");
}

// The references of the sample readings index, as Tavra hands them over.
std::set<std::string> sampleReferences() {
  std::ifstream file(TAVRA_SAMPLE_DATA "/Cteni.js", std::ios::binary);
  std::set<std::string> references;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || line.starts_with(";") || equals + 1 == line.size()) continue;
    const std::string key = line.substr(0, equals);
    if (key == "Cteni1" || key == "Cteni2" || key == "Cteni3" || key == "Perikopa")
      references.insert(tavra::cp1250::toUtf8(line.substr(equals + 1)));
  }
  return references;
}

TEST(Reference, EveryReferenceOfTheSampleReadingsIsReadAndFoundInTheKingJamesVersion) {
  const std::set<std::string> references = sampleReferences();
  ASSERT_GE(references.size(), 30u);
  const tavra::bible::test::TempHome home;
  BibleLibrary library;
  const BibleInfo* kjv = library.find("KJV");
  ASSERT_NE(kjv, nullptr) << "sword-text-kjv is not installed";
  for (const std::string& text : references) {
    const Reference parsed = parseReference(text);
    ASSERT_TRUE(parsed.ok()) << text << ": " << parsed.problem;
    const Passage passage = library.read(*kjv, parsed.ranges);
    EXPECT_EQ(passage.status, Passage::Ok) << text;
    EXPECT_FALSE(passage.verses.empty()) << text;
  }
}

}  // namespace
