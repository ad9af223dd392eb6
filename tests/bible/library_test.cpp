// Reading passages through the Bible library: the King James Version of the system and a
// small Czech Bible made by the test, with the markup and white space real modules carry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bible/core/bible_library.h"
#include "bible/core/bible_settings.h"
#include "bible_fixture.h"

using namespace tavra::bible;
using namespace tavra::bible::test;

namespace {

class Library : public ::testing::Test {
 protected:
  void SetUp() override {
    home.installCzechBible();
    ASSERT_FALSE(HasFatalFailure());
    library = std::make_unique<BibleLibrary>();
    kjv = library->find(kKjv);
    czech = library->find(kCzech);
    ASSERT_NE(kjv, nullptr) << "sword-text-kjv is not installed";
    ASSERT_NE(czech, nullptr);
  }

  Passage read(const BibleInfo* bible, const char* reference) {
    const Reference parsed = parseReference(reference);
    EXPECT_TRUE(parsed.ok()) << reference;
    return library->read(*bible, parsed.ranges);
  }

  TempHome home;
  std::unique_ptr<BibleLibrary> library;
  const BibleInfo* kjv = nullptr;
  const BibleInfo* czech = nullptr;
};

TEST_F(Library, ListsTheBiblesWithTheirConfiguration) {
  ASSERT_EQ(library->bibles().size(), 2u);
  EXPECT_EQ(kjv->abbreviation, "KJV");
  EXPECT_EQ(kjv->language, "en");
  EXPECT_EQ(kjv->description, "King James Version");
  EXPECT_EQ(czech->description, "Zkušební česká Bible");
  EXPECT_EQ(czech->language, "cs");
}

TEST_F(Library, FindsABibleByNameOrAbbreviationInAnyCase) {
  EXPECT_EQ(library->find("kjv"), kjv);
  EXPECT_EQ(library->find("ENGKJV2006EB"), kjv);
  EXPECT_EQ(library->find("tcz"), czech);
  EXPECT_EQ(library->find("engKJV"), nullptr);
  EXPECT_EQ(library->find(""), nullptr);
}

TEST_F(Library, ChoosesTheRememberedBibleElseTheFirstCzechOne) {
  EXPECT_EQ(library->choose(""), czech);
  EXPECT_EQ(library->choose("engKJV2006eb"), kjv);
  EXPECT_EQ(library->choose("gone"), czech);
}

TEST_F(Library, APassageIsPlainTextWithoutStrongsNumbersHeadingsOrNotes) {
  const Passage john = read(kjv, "J 3,16");
  ASSERT_EQ(john.status, Passage::Ok);
  ASSERT_EQ(john.verses.size(), 1u);
  EXPECT_EQ(john.verses[0].text,
            "For God so loved the world, that he gave his only begotten Son, that whosoever believeth in him "
            "should not perish, but have everlasting life.");
  EXPECT_TRUE(john.verses[0].paragraph);  // the module's paragraph sign, taken out of the text
  // The psalm's title is a heading before verse 1.
  const Passage psalm = read(kjv, "Ž 3,1");
  ASSERT_EQ(psalm.status, Passage::Ok);
  EXPECT_EQ(psalm.verses[0].text, "LORD, how are they increased that trouble me! many are they that rise up against me.");
  const Passage czechJohn = read(czech, "J 3,16");
  ASSERT_EQ(czechJohn.status, Passage::Ok);
  EXPECT_EQ(czechJohn.verses[0].text, "Neboť tak Bůh miloval svět, že dal svého jediného Syna.");
  EXPECT_EQ(read(czech, "Gn 1,1").verses.at(0).text, "Na počátku stvořil Bůh nebe a zemi.");
}

TEST_F(Library, VersesComeInTheirOrderWithTheirPlaces) {
  const Passage passage = read(kjv, "J 20,30-21,2; Ž 23,1");
  ASSERT_EQ(passage.status, Passage::Ok);
  std::vector<std::string> places;
  for (const Verse& verse : passage.verses)
    places.push_back(std::string(verse.book->osis) + " " + std::to_string(verse.chapter) + "," + std::to_string(verse.verse));
  EXPECT_EQ(places, (std::vector<std::string>{"John 20,30", "John 20,31", "John 21,1", "John 21,2", "Ps 23,1"}));
  EXPECT_EQ(read(kjv, "Ž 23").verses.size(), 6u);
  EXPECT_EQ(read(kjv, "Mk 1,1-8.14-15").verses.size(), 10u);
}

TEST_F(Library, WhatTheBibleLacksIsNotInIt) {
  EXPECT_EQ(read(kjv, "Mt 29,1").status, Passage::NotInBible);
  EXPECT_EQ(read(kjv, "Mt 5,49").status, Passage::NotInBible);
  EXPECT_EQ(read(kjv, "Tob 1,1").status, Passage::NotInBible);  // not in its versification
  EXPECT_EQ(read(kjv, "J 3,16; Tob 1,1").status, Passage::NotInBible);
  EXPECT_EQ(read(czech, "Tob 1,1").status, Passage::Ok);
  EXPECT_EQ(read(czech, "Mt 5,1").status, Passage::NotInBible);  // a verse the module holds no text for
  // A range that runs past the chapter's end reads to the end.
  EXPECT_EQ(read(kjv, "Mt 5,40-99").verses.size(), 9u);
}

TEST_F(Library, APassageHasABoundedSize) {
  EXPECT_EQ(read(kjv, "Ž 1-150").verses.size(), 2461u);
  EXPECT_EQ(read(kjv, "Ž 1-150; 1-150; 1-150").status, Passage::TooLong);
}

TEST_F(Library, StepsThroughChaptersAcrossBooks) {
  const BookInfo* book = findBook("Mal");
  int chapter = 4;
  ASSERT_TRUE(library->stepChapter(*kjv, book, chapter, +1));
  EXPECT_EQ(book->osis, "Matt");
  EXPECT_EQ(chapter, 1);
  ASSERT_TRUE(library->stepChapter(*kjv, book, chapter, -1));
  EXPECT_EQ(book->osis, "Mal");
  EXPECT_EQ(chapter, 4);
  book = findBook("Gn");
  chapter = 1;
  EXPECT_FALSE(library->stepChapter(*kjv, book, chapter, -1));
  EXPECT_EQ(chapter, 1);
  book = findBook("Zj");
  chapter = 22;
  EXPECT_FALSE(library->stepChapter(*kjv, book, chapter, +1));
  EXPECT_EQ(library->chapterCount(*kjv, *findBook("Ž")), 150);
  EXPECT_EQ(library->chapterCount(*kjv, *findBook("Tob")), 0);
}

TEST_F(Library, FindsNewlyInstalledBiblesWhenReloaded) {
  home.installCzechBible(home.path() / "elsewhere");
  {
    ScopedVariable path("SWORD_PATH", (home.path() / "elsewhere").string());
    library->reload();
    // SWORD_PATH takes the system's place, as in every program of the library.
    ASSERT_EQ(library->bibles().size(), 1u);
    EXPECT_EQ(library->bibles()[0].name, kCzech);
  }
  library->reload();
  EXPECT_EQ(library->bibles().size(), 2u);
}

TEST(PlainVerseText, CollapsesWhiteSpaceAndTakesOutParagraphSigns) {
  const struct {
    const char* rendered;
    const char* text;
    bool paragraph;
  } cases[] = {
      {"  a \n\t b  ", "a b", false},
      {"\xC2\xB6 For God", "For God", true},
      {"a \xC2\xB6 b", "a b", false},
      {"\xC2\xA0x\xE2\x80\x83y\r\n", "x y", false},
      {"Bůh\xff", "Bůh\xEF\xBF\xBD", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    bool paragraph = !c.paragraph;
    EXPECT_EQ(plainVerseText(c.rendered, &paragraph), c.text) << c.rendered;
    EXPECT_EQ(paragraph, c.paragraph) << c.rendered;
  }
}

TEST(BibleSettings, TheChoiceIsKeptInTheUsersConfigurationFolder) {
  TempHome home;
  IniBibleSettings settings;
  EXPECT_EQ(settings.bible(), "");
  EXPECT_EQ(settings.fontSize(14), 14);
  ASSERT_TRUE(settings.setBible("engKJV2006eb"));
  ASSERT_TRUE(settings.setFontSize(20));
  EXPECT_EQ(bibleSettingsPath(), (home.path() / "config/tavra/Bible.ini").string());
  EXPECT_EQ(settings.bible(), "engKJV2006eb");
  EXPECT_EQ(settings.fontSize(14), 20);
  std::ofstream(bibleSettingsPath()) << "[Bible]\nFontSize=500\n";
  EXPECT_EQ(settings.fontSize(14), 14);
}

TEST(BibleSettings, AFolderThatCannotBeMadeLosesTheChoiceQuietly) {
  TempHome home;
  IniBibleSettings settings;
  std::ofstream(home.path() / "config") << "a file where the folder should be";
  EXPECT_FALSE(settings.setBible("engKJV2006eb"));
  EXPECT_EQ(settings.bible(), "");
}

}  // namespace
