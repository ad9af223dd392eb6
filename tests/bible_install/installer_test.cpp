#include "bible/install/bible_installer.h"

#include "bible/core/bible_library.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <swkey.h>
#include <swmgr.h>
#include <swmodule.h>

#include <sys/stat.h>

#include "bible_install/repository_fixture.h"

namespace tavra::bible {
namespace {

using test::RepositoryTest;

// The verse as SWORD reads it from the user's folder alone, or "<no module>".
std::string readVerse(const std::string& module, const char* key) {
  sword::SWMgr user(userSwordFolder().c_str(), true, nullptr, false, false);
  sword::SWModule* bible = user.getModule(module.c_str());
  if (bible == nullptr) return "<no module>";
  bible->setKeyText(key);
  std::string text = bible->stripText();
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

std::vector<std::string> names(const std::vector<AvailableBible>& bibles) {
  std::vector<std::string> result;
  for (const AvailableBible& bible : bibles) result.push_back(bible.name);
  return result;
}

TEST_F(RepositoryTest, TheUsersFolderFollowsHome) {
  EXPECT_EQ(userSwordFolder(), std::string(std::getenv("HOME")) + "/.sword/");
  for (const auto& [language, czech] : std::vector<std::pair<std::string, bool>>{
           {"cs", true}, {"cs-CZ", true}, {"cs_CZ", true}, {"cze", true}, {"ces", true}, {"csb", false},
           {"en", false}, {"", false}})
    EXPECT_EQ(isCzech(language), czech) << language;
}

TEST_F(RepositoryTest, ALocalRepositoryListsItsBiblesCzechFirst) {
  BibleInstaller installer(BibleSource{repository()});
  std::vector<AvailableBible> bibles;
  std::string error;
  ASSERT_TRUE(installer.list(bibles, error)) << error;
  // No commentary, no locked module; Czech first, then by description.
  EXPECT_EQ(names(bibles), (std::vector<std::string>{"TavraCz", "AbbEn", "AaaEn"}));
  ASSERT_EQ(bibles.size(), 3u);
  EXPECT_EQ(bibles[0].description, "Zkušební Bible česká");
  EXPECT_EQ(bibles[0].language, "cs");
  EXPECT_EQ(bibles[0].version, "1.2");
  for (const AvailableBible& bible : bibles) EXPECT_FALSE(bible.installed) << bible.name;
  EXPECT_FALSE(BibleInstaller::hasConsent());  // a folder needs no consent
}

TEST_F(RepositoryTest, AnInstalledBibleIsReadBackThroughSword) {
  BibleInstaller installer(BibleSource{repository()});
  std::vector<AvailableBible> bibles;
  std::string error;
  ASSERT_TRUE(installer.list(bibles, error)) << error;
  ASSERT_EQ(readVerse("TavraCz", "John 3:16"), "<no module>");
  ASSERT_TRUE(installer.install("TavraCz", error)) << error;
  EXPECT_EQ(readVerse("TavraCz", "John 3:16"), "Neboť tak Bůh miloval svět, že dal svého jediného Syna.");
  EXPECT_EQ(readVerse("TavraCz", "Genesis 1:1"), "Na počátku stvořil Bůh nebe a zemi.");
  EXPECT_TRUE(std::filesystem::exists(userSwordFolder() + "mods.d/tavracz.conf"));

  ASSERT_TRUE(installer.list(bibles, error)) << error;
  ASSERT_FALSE(bibles.empty());
  EXPECT_TRUE(bibles[0].installed);
}

TEST_F(RepositoryTest, FailuresAreReportedInCzech) {
  struct Case {
    std::string folder;
    const char* install;  // nullptr: only the listing
    bool listed;
    std::string error;
  };
  const QTemporaryDir scratch;
  const std::string empty = scratch.filePath(QStringLiteral("no-repository")).toStdString();
  // A FIFO among the descriptions would hang SWORD's reading of them.
  const std::string withFifo = scratch.filePath(QStringLiteral("fifo-repository")).toStdString();
  std::filesystem::create_directories(withFifo + "/mods.d");
  ASSERT_EQ(::mkfifo((withFifo + "/mods.d/hang.conf").c_str(), 0600), 0);
  const std::vector<Case> cases = {
      {empty, nullptr, false, "Ve složce „" + empty + "“ není knihovna modulů SWORD (chybí složka mods.d)."},
      {withFifo, nullptr, false, "Soubor „" + withFifo + "/mods.d/hang.conf“ není platný popis modulu SWORD."},
      {repository(), "NoSuchBible", true, "Bibli „NoSuchBible“ nelze nainstalovat: zdroj ji nenabízí."},
  };
  for (const Case& c : cases) {
    BibleInstaller installer(BibleSource{c.folder});
    std::vector<AvailableBible> bibles;
    std::string error;
    EXPECT_EQ(installer.list(bibles, error), c.listed) << c.folder;
    if (c.install) {
      EXPECT_FALSE(installer.install(c.install, error));
    }
    EXPECT_EQ(error, c.error);
  }
  // Installing before any listing knows no source.
  BibleInstaller unlisted(BibleSource{repository()});
  std::string error;
  EXPECT_FALSE(unlisted.install("TavraCz", error));
  EXPECT_EQ(error, "Bibli „TavraCz“ se nepodařilo nainstalovat.");
  // A cancelled dialog installs nothing more.
  BibleInstaller cancelled(BibleSource{repository()});
  std::vector<AvailableBible> bibles;
  ASSERT_TRUE(cancelled.list(bibles, error)) << error;
  cancelled.cancel();
  EXPECT_FALSE(cancelled.install("TavraCz", error));
  EXPECT_EQ(error, "Instalace byla přerušena.");
  EXPECT_EQ(readVerse("TavraCz", "John 3:16"), "<no module>");
}

// The network is never used without the consent; the consent is kept in the user's folder.
TEST_F(RepositoryTest, ThePublicRepositoryWaitsForConsent) {
  BibleInstaller installer(BibleSource{});
  EXPECT_TRUE(installer.source().usesNetwork());
  std::vector<AvailableBible> bibles;
  std::string error;
  EXPECT_FALSE(BibleInstaller::hasConsent());
  EXPECT_FALSE(installer.list(bibles, error));
  EXPECT_EQ(error, "Bez vašeho souhlasu se program k síti nepřipojí.");
  EXPECT_TRUE(bibles.empty());

  BibleInstaller::giveConsent();
  EXPECT_TRUE(BibleInstaller::hasConsent());
  EXPECT_TRUE(std::filesystem::is_regular_file(userSwordFolder() + "InstallMgr/tavra.conf"));
  clearHome();
  EXPECT_FALSE(BibleInstaller::hasConsent());
}

TEST(BibleSourceDefault, AFolderInTheEnvironmentReplacesThePublicRepository) {
  EXPECT_TRUE(defaultBibleSource().usesNetwork());
  setenv("TAVRA_BIBLE_REPOSITORY", "/srv/sword", 1);
  EXPECT_EQ(defaultBibleSource().location, "/srv/sword");
  EXPECT_FALSE(defaultBibleSource().usesNetwork());
  setenv("TAVRA_BIBLE_REPOSITORY", "http://127.0.0.1:8080/sword", 1);
  EXPECT_TRUE(defaultBibleSource().usesNetwork());
  unsetenv("TAVRA_BIBLE_REPOSITORY");
}

}  // namespace
}  // namespace tavra::bible
