// The viewer's command line, run as Tavra and a reader run it, over the real King James
// Version and the test's Czech Bible.
#include <gtest/gtest.h>

#include <QImage>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "bible/core/command_line.h"
#include "bible_fixture.h"
#include "common/hang_watchdog.h"
#include "viewer_run.h"

using namespace tavra::bible;
using namespace tavra::bible::test;

namespace {

class CommandLineRun : public ::testing::Test {
 protected:
  void SetUp() override {
    home.installCzechBible();
    ASSERT_FALSE(HasFatalFailure());
  }
  TempHome home;
};

TEST_F(CommandLineRun, TextWritesTheVersesOneALine) {
  const ViewerRun run = runViewer({"--module", "KJV", "--text", "J", "3,16"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "3,16\tFor God so loved the world, that he gave his only begotten Son, that whosoever believeth in him "
            "should not perish, but have everlasting life.\n");
  EXPECT_EQ(run.err, "");
  const ViewerRun range = runViewer({"--module", "engKJV2006eb", "--text", "J 20,31-21,1"});
  EXPECT_EQ(range.status, 0);
  EXPECT_EQ(range.out.substr(0, 10), "20,31\tBut ");
  EXPECT_NE(range.out.find("\n21,1\tAfter these things"), std::string::npos);
  EXPECT_EQ(std::count(range.out.begin(), range.out.end(), '\n'), 2);
}

TEST_F(CommandLineRun, WithoutAModuleTheChosenBibleReads) {
  ViewerRun run = runViewer({"--text", "J 3,16"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "3,16\tNeboť tak Bůh miloval svět, že dal svého jediného Syna.\n");
  std::filesystem::create_directories(home.path() / "config/tavra");
  std::ofstream(home.path() / "config/tavra/Bible.ini") << "[Bible]\nModule=engKJV2006eb\n";
  run = runViewer({"--text", "Ž 23,1"});
  EXPECT_EQ(run.out, "23,1\tThe LORD is my shepherd; I shall not want.\n");
}

TEST_F(CommandLineRun, TavrasWindows1250ReferenceAndNoDisplayGiveTheText) {
  // "Ž 23,1" as Tavra hands it over: Windows-1250 bytes, split at the blank, no option.
  const ViewerRun run = runViewer({"--module", "KJV", "\x8E", "23,1"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "23,1\tThe LORD is my shepherd; I shall not want.\n");
  EXPECT_EQ(runViewer({"--print", "\x8E", "23"}).out, "Ž 23\n");
}

TEST_F(CommandLineRun, FailuresSayWhatInCzechNamingTheReference) {
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"--module", "KJV", "--text", "Xy 1,1"}, "Odkazu „Xy 1,1“ nerozumím: neznámá kniha „Xy“.\n"},
      {{"--module", "NIC", "--text", "J 3,16"}, "Bible „NIC“ není nainstalována, a tak nelze ukázat „J 3,16“.\n"},
      {{"--module", "KJV", "--text", "Tob 1,1"}, "Bible „KJV“ neobsahuje místo „Tob 1,1“.\n"},
      {{"--module", "TCZ", "--text", "Mt 5,1-12"}, "Bible „TCZ“ neobsahuje místo „Mt 5,1-12“.\n"},
      {{"--module", "KJV", "--text", "Ž 1-150;1-150;1-150"},
       "Místo „Ž 1-150;1-150;1-150“ je příliš dlouhé: najednou lze ukázat nejvýše 5000 veršů.\n"},
  };
  for (const auto& c : cases) {
    const ViewerRun run = runViewer(c.arguments);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
  const ViewerRun none = runViewer({"--module", "KJV"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "Není zadán žádný odkaz.\n");
  const ViewerRun usage = runViewer({"--text"});
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.err, "Za volbou --text chybí odkaz.\n");
}

TEST_F(CommandLineRun, WithNoBibleInstalledItSaysSo) {
  const std::filesystem::path empty = home.path() / "empty";
  std::filesystem::create_directories(empty / "mods.d");
  ScopedVariable path("SWORD_PATH", empty.string());
  std::filesystem::remove_all(home.sword());
  const ViewerRun run = runViewer({"--text", "J 3,16"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Není nainstalována žádná Bible, a tak nelze ukázat „J 3,16“.\n");
  const ViewerRun list = runViewer({"--list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "");
  EXPECT_EQ(list.err, "Není nainstalována žádná Bible.\n");
}

TEST_F(CommandLineRun, AFifoAmongTheModuleDescriptionsIsNamedNotRead) {
  const std::filesystem::path fifo = home.sword() / "mods.d" / "fifo.conf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  tavra::testing::HangWatchdog watchdog("a FIFO among the module descriptions");
  const ViewerRun run = runViewer({"--text", "J 3,16"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Soubor „" + fifo.string() + "“ není platný popis modulu SWORD"), std::string::npos) << run.err;
}

// The window as its first paint of the passage left it: the passage, read on the viewer's
// worker thread while the toolkit starts, is on the page.
TEST_F(CommandLineRun, TheScreenshotShowsThePassage) {
  const std::string picture = (home.path() / "passage.bmp").string();
  const ViewerRun run = runViewer({"--screenshot", picture, "--module", "KJV", "Mt", "5,1-12"});
  EXPECT_EQ(run.status, 0) << run.err;
  const QImage image(QString::fromStdString(picture));
  ASSERT_FALSE(image.isNull());
  // Dark pixels of text in the page's lower half, where only verses stand.
  int dark = 0;
  for (int y = image.height() / 2; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(dark, 1000);
  // A passage the Bible lacks: the picture is written, the status says it is not the passage.
  const ViewerRun missing = runViewer({"--screenshot", picture, "--module", "KJV", "Tob", "1,1"});
  EXPECT_EQ(missing.status, 1);
}

TEST_F(CommandLineRun, ListNamesEachBibleWithItsLanguageAndDescription) {
  const ViewerRun run = runViewer({"--list"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "TestCZ\tcs\tZkušební česká Bible\nengKJV2006eb\ten\tKing James Version\n");
}

TEST(CommandLineWords, OptionsAndTheReference) {
  CommandLine line = parseCommandLine({"--module", "B21", "--text", "--print", "Mt", "5,1"});
  EXPECT_EQ(line.module, "B21");
  EXPECT_TRUE(line.text);
  EXPECT_FALSE(line.print);  // after --text every word is the reference's
  EXPECT_EQ(line.reference, "--print Mt 5,1");
  line = parseCommandLine({"Mt", "5,1-12"});
  EXPECT_FALSE(line.text || line.print || line.list);
  EXPECT_EQ(line.reference, "Mt 5,1-12");
  EXPECT_EQ(parseCommandLine({"--module"}).problem, "Za volbou --module chybí jméno Bible.");
  EXPECT_EQ(decodeArgument("\x8E\x61lm"), "Žalm");
  EXPECT_EQ(decodeArgument("Žalm"), "Žalm");
}

}  // namespace
