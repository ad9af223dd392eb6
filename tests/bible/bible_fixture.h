#pragma once
// A home of the test's own: HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME point into a fresh
// temporary folder, so that neither the user's Bibles in ~/.sword, nor the chosen Bible of
// their settings, nor their search indexes take part, and SWORD_PATH names a library of the test's own in place of the system's:
// it holds the King James Version of Debian's sword-text-kjv (linked, not copied) and
// nothing else, whatever else the machine has. A small Czech Bible, with the markup real
// modules carry, is made in ~/.sword on request with imp2vs.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace tavra::bible::test {

namespace fs = std::filesystem;

// The King James Version as Debian's sword-text-kjv installs it.
inline constexpr const char* kKjv = "engKJV2006eb";
inline constexpr const char* kSystemLibrary = "/usr/share/sword/";
inline constexpr const char* kKjvData = "modules/texts/ztext/engKJV2006eb";
inline constexpr const char* kCzech = "TestCZ";

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) ::setenv(name, value->c_str(), 1);
    else ::unsetenv(name);
  }
  ~ScopedVariable() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Links the King James Version of sword-text-kjv into the SWORD folder `root`.
inline void linkKingJamesVersion(const fs::path& root) {
  fs::create_directories(root / "mods.d");
  fs::create_directories((root / kKjvData).parent_path());
  std::error_code failed;
  fs::copy_file(fs::path(kSystemLibrary) / "mods.d" / (std::string(kKjv) + ".conf"),
                root / "mods.d" / (std::string(kKjv) + ".conf"), failed);
  if (!failed) fs::create_directory_symlink(fs::path(kSystemLibrary) / kKjvData, root / kKjvData, failed);
  if (failed) ADD_FAILURE() << "the King James Version of sword-text-kjv is missing: " << failed.message();
}

class TempHome {
 public:
  TempHome() : folder_(makeFolder()) {
    home_.emplace("HOME", folder_.string());
    config_.emplace("XDG_CONFIG_HOME", (folder_ / "config").string());
    cache_.emplace("XDG_CACHE_HOME", (folder_ / "cache").string());
    linkKingJamesVersion(library());
    swordPath_.emplace("SWORD_PATH", library().string());
  }
  ~TempHome() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  const fs::path& path() const { return folder_; }
  fs::path sword() const { return folder_ / ".sword"; }
  fs::path library() const { return folder_ / "library"; }

  // Makes the Czech Bible "TestCZ" (abbreviation "TCZ", versification KJVA, so that it has
  // Tobit) in `library` (by default ~/.sword): Genesis 1,1-2, Psalm 23,1, John 3,16 with a
  // heading, a note, Strong's numbers and white space to collapse, and Tobit 1,1.
  // The module is made once a run (imp2vs takes a good second) and copied.
  void installCzechBible(const fs::path& library = {}) const { copyCzechBible(library.empty() ? sword() : library); }

  // The same into any SWORD folder, with no variable changed.
  static void copyCzechBible(const fs::path& root) {
    static const TempHome made(Made{});
    fs::create_directories(root);
    std::error_code failed;
    fs::copy(made.sword(), root, fs::copy_options::recursive | fs::copy_options::overwrite_existing, failed);
    ASSERT_FALSE(failed) << failed.message();
    ASSERT_TRUE(fs::exists(root / "mods.d/testcz.conf")) << "imp2vs (libsword-utils) did not make the test Bible";
  }

 private:
  struct Made {};
  // A folder, with no variable changed, holding the module in .sword.
  explicit TempHome(Made) : folder_(makeFolder()) { make(sword()); }

  void make(const fs::path& root) const {
    const fs::path data = root / "modules/texts/rawtext/testcz";
    fs::create_directories(data);
    fs::create_directories(root / "mods.d");
    const fs::path imp = folder_ / "testcz.imp";
    std::ofstream(imp) << "$$$Gen.1.1\nNa počátku <w lemma=\"strong:H1254\">stvořil</w> Bůh nebe a zemi.\n"
                          "$$$Gen.1.2\nZemě pak byla pustá a prázdná.\n"
                          "$$$Ps.23.1\nHospodin je můj pastýř, nebudu mít nedostatek.\n"
                          "$$$John.3.16\n<title>Boží láska</title>Neboť tak Bůh   miloval svět,"
                          "<note type=\"x-study\">poznámka</note> že dal\t svého\njediného Syna.\n"
                          "$$$Tob.1.1\nKniha příběhů Tobiáše.\n";
    const std::string command = "imp2vs '" + imp.string() + "' -o '" + data.string() + "/' -v KJVA >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return;
    std::ofstream(root / "mods.d/testcz.conf") << "[TestCZ]\nDataPath=./modules/texts/rawtext/testcz/\n"
                                                  "ModDrv=RawText\nSourceType=OSIS\nEncoding=UTF-8\nLang=cs\n"
                                                  "Abbreviation=TCZ\nDescription=Zkušební česká Bible\n"
                                                  "Versification=KJVA\nGlobalOptionFilter=OSISStrongs\n"
                                                  "GlobalOptionFilter=OSISFootnotes\nGlobalOptionFilter=OSISHeadings\n";
  }

  static fs::path makeFolder() {
    std::string pattern = (fs::temp_directory_path() / "tavra-bible-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
  }

  fs::path folder_;
  std::optional<ScopedVariable> home_, config_, cache_, swordPath_;
};

}  // namespace tavra::bible::test
