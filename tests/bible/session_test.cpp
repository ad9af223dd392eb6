// The Bible viewer's session without a window and without a home: a library of one folder
// the test fills, settings in memory. What the reader sees go wrong when the session errs:
// the wrong notice, the chapter lost on a change of Bible, the wrong Bible after an install.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "bible/core/bible_session.h"
#include "bible_fixture.h"

using namespace tavra::bible;
using namespace tavra::bible::test;

namespace {

class MemorySettings : public BibleSettings {
 public:
  std::string bible() const override { return bible_; }
  bool setBible(const std::string& name) override {
    bible_ = name;
    return true;
  }
  int fontSize(int def) const override { return size_ ? size_ : def; }
  bool setFontSize(int points) override {
    size_ = points;
    return true;
  }

 private:
  std::string bible_;
  int size_ = 0;
};

class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "tavra-session-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : "";
    fs::create_directories(path_ / "mods.d");
  }
  ~Folder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A second English Bible: the King James Version's data under another name.
void addKjvCopy(const fs::path& root) {
  std::ifstream conf(root / "mods.d" / (std::string(kKjv) + ".conf"));
  std::string text(std::istreambuf_iterator<char>(conf), {});
  text.replace(text.find(kKjv), std::string(kKjv).size(), "KjvCopy");
  text.replace(text.find("Abbreviation=KJV"), 16, "Abbreviation=KJ2");
  std::ofstream(root / "mods.d/kjvcopy.conf") << text;
}

struct Session {
  explicit Session(const fs::path& folder) : session(std::make_unique<BibleLibrary>(folder.string()), settings) {}
  MemorySettings settings;
  BibleSession session;
};

TEST(BibleSession, TheNoticeSaysWhatTheReaderLacks) {
  struct Case {
    const char* what;
    bool kjv, czech;
    const char* reference;
    const char* module;
    std::string notice;
    bool offerInstall;
  };
  const Case cases[] = {
      {"no Czech Bible", true, false, "J 3,16", "", "Není nainstalována žádná česká Bible; text je z Bible „KJV“.", true},
      {"a Czech Bible", true, true, "J 3,16", "KJV", "", false},
      {"no Bible holds it", true, false, "Tob 1,1", "", "Žádná nainstalovaná Bible toto místo neobsahuje.", true},
      {"another Bible holds it", true, true, "Tob 1,1", "KJV",
       "Toto místo obsahuje Bible „TCZ“; vyberte ji v seznamu Biblí.", false},
      {"no Bible at all", false, false, "J 3,16", "", "Není nainstalována žádná Bible.", true},
      {"no reference it reads", true, true, "Xy 1,1", "", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Folder folder;
    if (c.kjv) linkKingJamesVersion(folder.path());
    if (c.czech) TempHome::copyCzechBible(folder.path());
    Session s(folder.path());
    s.session.open(c.reference, c.module);
    EXPECT_EQ(s.session.notice().text, c.notice);
    EXPECT_EQ(s.session.notice().offerInstall, c.offerInstall);
  }
}

TEST(BibleSession, AnotherBibleKeepsTheChapterShownWhole) {
  const Folder folder;
  linkKingJamesVersion(folder.path());
  TempHome::copyCzechBible(folder.path());
  Session s(folder.path());
  s.session.open("J 3,16", "KJV");
  ASSERT_TRUE(s.session.stepChapter(+1));
  EXPECT_EQ(s.session.page().heading, "Jan 4");
  const int czech = s.session.chosenIndex() == 0 ? 1 : 0;
  ASSERT_EQ(s.session.bibles()[std::size_t(czech)].name, kCzech);
  ASSERT_TRUE(s.session.chooseBible(czech));
  EXPECT_EQ(s.session.bible()->name, kCzech);
  EXPECT_EQ(s.settings.bible(), kCzech);
  EXPECT_TRUE(s.session.wholeChapter());
  EXPECT_EQ(s.session.page().heading, "Jan 4");
  EXPECT_EQ(s.session.page().message, "Bible tuto kapitolu neobsahuje.");
  ASSERT_TRUE(s.session.stepChapter(-1));
  EXPECT_EQ(s.session.page().heading, "Jan 3");
  ASSERT_EQ(s.session.page().verses.size(), 1u);
  EXPECT_EQ(s.session.page().marked, std::vector<bool>{true});
}

TEST(BibleSession, AfterAnInstallTheNewBibleHoldingThePassageIsChosenCzechFirst) {
  struct Case {
    const char* reference;
    const char* chosen;
  };
  // Both new Bibles hold John 3,16 and the Czech one wins; only the English one holds Mt 5,1.
  const Case cases[] = {{"J 3,16", kCzech}, {"Mt 5,1", "KjvCopy"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    const Folder folder;
    linkKingJamesVersion(folder.path());
    Session s(folder.path());
    s.session.open(c.reference, "");
    ASSERT_EQ(s.session.bible()->name, kKjv);
    addKjvCopy(folder.path());
    TempHome::copyCzechBible(folder.path());
    s.session.installed();
    ASSERT_NE(s.session.bible(), nullptr);
    EXPECT_EQ(s.session.bible()->name, c.chosen);
    EXPECT_EQ(s.settings.bible(), c.chosen);
    EXPECT_EQ(s.session.bibles()[std::size_t(s.session.chosenIndex())].name, c.chosen);
    EXPECT_FALSE(s.session.page().verses.empty());
  }
}

}  // namespace

namespace {

// A module's text and names reach the page as text: markup in them is shown, never obeyed.
TEST(PassagePage, WhatAModuleSaysIsShownNotObeyed) {
  const std::string hostile = "<b>X</b> & \"Y\"";
  const std::string shown = "&lt;b&gt;X&lt;/b&gt; &amp; &quot;Y&quot;";
  const BookInfo* john = findBook("J");
  ASSERT_NE(john, nullptr);
  const std::vector<std::function<void(Page&)>> places = {
      [&](Page& page) { page.heading = hostile; },
      [&](Page& page) { page.bible = hostile; },
      [&](Page& page) { page.message = hostile; },
      [&](Page& page) { page.verses = {Verse{john, 3, 16, hostile, false}}; },
  };
  for (std::size_t i = 0; i < places.size(); ++i) {
    SCOPED_TRACE(i);
    Page page;
    page.heading = "J 3,16";
    places[i](page);
    const std::string html = pageHtml(page);
    EXPECT_NE(html.find(shown), std::string::npos) << html;
    EXPECT_EQ(html.find(hostile), std::string::npos) << html;
  }
}

}  // namespace
