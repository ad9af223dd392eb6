#include "platform/user_folder.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/temp_folder.h"

using namespace tavra;
using tavra::test::TempFolder;
namespace fs = std::filesystem;

namespace {

// An installed tree under a temporary prefix: the program folder with the viewer, the
// shared data, and room for the users' folders.
class InstalledTree : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = root_.file("usr/lib/tavra/");
    shared_ = root_.file("usr/share/tavra/");
    fs::create_directories(program_);
    fs::create_directories(shared_);
    writeFileAtomically(program_ + "Bible.exe", "viewer");
    writeFileAtomically(shared_ + "Cteni.js", "[1.1.1999]\r\nCteni1=Gn 1,1\r\n");
    writeFileAtomically(shared_ + "TAVRA99.RTF", "year");
    writeFileAtomically(shared_ + "Info.prg", "<p>info</p>");
    if (const char* old = std::getenv("XDG_DATA_HOME")) savedXdg_ = old;
    if (const char* old = std::getenv("HOME")) savedHome_ = old;
    char* cwd = ::getcwd(nullptr, 0);
    savedCwd_ = cwd;
    std::free(cwd);
  }
  void TearDown() override {
    setExeDir("");
    EXPECT_EQ(::chdir(savedCwd_.c_str()), 0);
    restore("XDG_DATA_HOME", savedXdg_);
    restore("HOME", savedHome_);
  }
  static void restore(const char* name, const std::string& value) {
    if (value.empty()) ::unsetenv(name);
    else ::setenv(name, value.c_str(), 1);
  }

  // Every entry below the prefix's usr/ with its kind, size and modification time.
  std::map<std::string, std::string> listing() const {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(root_.file("usr"))) {
      struct stat st;
      ::lstat(entry.path().c_str(), &st);
      out[entry.path().string()] = std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " +
                                   std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    }
    return out;
  }

  TempFolder root_;
  std::string program_;
  std::string shared_;
  std::string savedXdg_;
  std::string savedHome_;
  std::string savedCwd_;
};

}  // namespace

TEST_F(InstalledTree, TheLayoutDecidesWhetherTheProgramIsInstalled) {
  EXPECT_EQ(installedSharedFolder(program_, "../../share/tavra", "Cteni.js"), root_.file("usr/share/tavra/"));
  EXPECT_EQ(installedSharedFolder(program_, "../../share/elsewhere", "Cteni.js"), "");
  EXPECT_EQ(installedSharedFolder(program_, "../../share/tavra", "Missing.js"), "");
  // Data beside the program make it a portable folder, whatever lies around it.
  writeFileAtomically(program_ + "Cteni.js", "");
  EXPECT_EQ(installedSharedFolder(program_, "../../share/tavra", "Cteni.js"), "");
}

TEST_F(InstalledTree, TheUsersFoldersFollowTheBaseDirectoryRules) {
  const struct {
    const char* variable;
    std::string (*folder)();
    const char* underHome;
  } kinds[] = {{"XDG_DATA_HOME", userDataFolder, "/home/jana/.local/share/tavra/"},
               {"XDG_CACHE_HOME", userCacheFolder, "/home/jana/.cache/tavra/"}};
  ::setenv("HOME", "/home/jana", 1);
  for (const auto& kind : kinds) {
    const char* old = std::getenv(kind.variable);
    const std::string saved = old ? old : "";
    ::setenv(kind.variable, "/data/jana/", 1);
    EXPECT_EQ(kind.folder(), "/data/jana/tavra/") << kind.variable;
    ::setenv(kind.variable, "relative/data", 1);
    EXPECT_EQ(kind.folder(), kind.underHome) << kind.variable;
    ::unsetenv(kind.variable);
    EXPECT_EQ(kind.folder(), kind.underHome) << kind.variable;
    restore(kind.variable, saved);
  }
}

TEST_F(InstalledTree, PreparingLinksWhatTheUserLacksAndKeepsTheUsersOwnFiles) {
  const std::string user = root_.file("home/jana/.local/share/tavra/");
  fs::create_directories(user);
  writeFileAtomically(user + "Cteni.js", "[1.1.1999]\r\nCteni1=own\r\n");
  const auto before = listing();

  EXPECT_EQ(prepareUserFolder(user, shared_, {program_ + "Bible.exe", program_ + "Absent.exe"}), "");
  EXPECT_FALSE(fs::is_symlink(user + "Cteni.js"));
  EXPECT_EQ(IniFile(user + "Cteni.js").readString("1.1.1999", "Cteni1", ""), "own");
  for (const char* name : {"TAVRA99.RTF", "Info.prg"}) {
    EXPECT_TRUE(fs::is_symlink(user + name)) << name;
    EXPECT_EQ(fs::read_symlink(user + name), shared_ + name);
  }
  EXPECT_EQ(fs::read_symlink(user + "Bible.exe"), program_ + "Bible.exe");
  EXPECT_FALSE(fs::exists(user + "Absent.exe"));
  EXPECT_EQ(listing(), before);

  // A package update reaches the files the user did not replace, and a new shared file
  // is linked on the next start.
  writeFileAtomically(shared_ + "TAVRA99.RTF", "updated year");
  writeFileAtomically(shared_ + "TAVRA2027.RTF", "new year");
  EXPECT_EQ(prepareUserFolder(user, shared_, {program_ + "Bible.exe"}), "");
  EXPECT_EQ(tavra::test::readTestFile(user + "TAVRA99.RTF"), "updated year");
  EXPECT_EQ(tavra::test::readTestFile(user + "TAVRA2027.RTF"), "new year");
  EXPECT_EQ(tavra::test::readTestFile(user + "Cteni.js"), "[1.1.1999]\r\nCteni1=own\r\n");
}

TEST_F(InstalledTree, FoldersAreMadeForTheUserAloneAndLinksOfAMovedInstallationAreRenewed) {
  const std::string user = root_.file("xdg/deep/tavra/");
  EXPECT_EQ(prepareUserFolder(user, shared_, {}), "");
  struct stat st;
  ASSERT_EQ(::stat(root_.file("xdg/deep").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat(user.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  fs::remove(user + "Info.prg");
  fs::create_symlink(root_.file("old-prefix/share/tavra/Info.prg"), user + "Info.prg");
  EXPECT_EQ(prepareUserFolder(user, shared_, {}), "");
  EXPECT_EQ(fs::read_symlink(user + "Info.prg"), shared_ + "Info.prg");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(user)) ++entries;
  EXPECT_EQ(entries, 3);  // no temporary link left behind
}

TEST_F(InstalledTree, AFolderThatCannotBeMadeIsNamedInTheMessage) {
  writeFileAtomically(root_.file("blocked"), "a file where a folder should be");
  const std::string user = root_.file("blocked/tavra/");
  EXPECT_EQ(prepareUserFolder(user, shared_, {}), "Složku „" + user + "“ pro soubory Tavry nelze vytvořit.");
  EXPECT_EQ(prepareUserFolder(root_.file("ok"), root_.file("no-share"), {}),
            "Sdílené soubory Tavry ve složce „" + root_.file("no-share") + "/“ nelze číst.");
  EXPECT_EQ(prepareUserFolder("", shared_, {}), "Nelze zjistit domovskou složku uživatele pro soubory Tavry.");
}

// The whole start of an installed program: afterwards the user's folder is both the
// program's folder and the current one, and settings and the day document written the
// usual way land there without touching the shared tree, also through a shared file of
// the same name.
TEST_F(InstalledTree, AnInstalledProgramWorksInTheUsersFolder) {
  writeFileAtomically(shared_ + "Tavra.ini", "[Okno]\r\nBarva=1\r\n");
  const auto before = listing();
  ::setenv("XDG_DATA_HOME", root_.file("jana").c_str(), 1);
  setExeDir(program_);

  EXPECT_EQ(enterUserFolderIfInstalled("../../share/tavra", "Cteni.js", "Bible.exe"), "");
  const std::string user = root_.file("jana/tavra/");
  EXPECT_EQ(ExeDir(), user);
  EXPECT_EQ(fs::current_path(), fs::path(root_.file("jana/tavra")));
  EXPECT_EQ(IniFile(ExeDir() + "Cteni.js").readString("1.1.1999", "Cteni1", ""), "Gn 1,1");
  EXPECT_TRUE(fileExists(ExeDir() + "Bible.exe"));

  IniFile settings(ExeDir() + "Tavra.ini");
  settings.writeInteger("Okno", "Barva", 255);
  writeFileAtomically("TAVRA.TMP", "{\\rtf1 day}");
  EXPECT_FALSE(fs::is_symlink(user + "Tavra.ini"));
  EXPECT_EQ(IniFile(user + "Tavra.ini").readInteger("Okno", "Barva", 0), 255);
  EXPECT_EQ(tavra::test::readTestFile(user + "TAVRA.TMP"), "{\\rtf1 day}");
  EXPECT_EQ(listing(), before);

  // A second user gets a folder of their own, with none of the first user's files.
  setExeDir(program_);
  ::setenv("XDG_DATA_HOME", root_.file("petr").c_str(), 1);
  EXPECT_EQ(enterUserFolderIfInstalled("../../share/tavra", "Cteni.js", "Bible.exe"), "");
  EXPECT_EQ(ExeDir(), root_.file("petr/tavra/"));
  EXPECT_EQ(IniFile(ExeDir() + "Tavra.ini").readInteger("Okno", "Barva", 0), 1);
  EXPECT_FALSE(fileExists(ExeDir() + "TAVRA.TMP"));
  EXPECT_EQ(listing(), before);
}

TEST_F(InstalledTree, APortableFolderIsLeftAsItIs) {
  writeFileAtomically(program_ + "Cteni.js", "");
  ::setenv("XDG_DATA_HOME", root_.file("jana").c_str(), 1);
  setExeDir(program_);
  EXPECT_EQ(enterUserFolderIfInstalled("../../share/tavra", "Cteni.js", "Bible.exe"), "");
  EXPECT_EQ(ExeDir(), program_);
  EXPECT_EQ(fs::current_path(), fs::path(savedCwd_));
  EXPECT_FALSE(fs::exists(root_.file("jana")));
}
