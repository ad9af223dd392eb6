// What a hostile repository can make the installer do: nothing. Each case is a source that
// tries to write outside ~/.sword/modules (or to slip a FIFO, a link or a second module
// past the checks); each must be refused with a Czech reason and leave the home as it was.
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <swmgr.h>
#include <swmodule.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "bible/install/bible_installer.h"
#include "bible_install/http_repository.h"
#include "bible_install/repository_fixture.h"
#include "common/hang_watchdog.h"

namespace tavra::bible {
namespace {

namespace fs = std::filesystem;
using test::HttpRepository;
using test::RepositoryTest;

const std::string kSoundConf =
    "[Zlo]\nDataPath=./modules/texts/rawtext/zlo/\nModDrv=RawText\nSourceType=Plain\nEncoding=UTF-8\nLang=cs\n"
    "Description=Zlá Bible\n";

// Every path below `root`, links and all, with the size of each file.
std::set<std::string> tree(const fs::path& root) {
  std::set<std::string> paths;
  std::error_code ec;
  for (fs::recursive_directory_iterator entry(root, ec), end; !ec && entry != end; entry.increment(ec))
    paths.insert(entry->path().string() + (entry->is_regular_file() ? " " + std::to_string(entry->file_size()) : ""));
  return paths;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

// A repository holding the sound data of the Czech test Bible under the name "Zlo" and a
// description of the case's own; `alter` spoils it further.
fs::path makeRepository(const fs::path& root, const std::string& conf,
                        const std::function<void(const fs::path&)>& alter) {
  fs::create_directories(root / "mods.d");
  fs::create_directories(root / "modules/texts/rawtext");
  fs::copy(fs::path(RepositoryTest::repository()) / "modules/texts/rawtext/tavracz", root / "modules/texts/rawtext/zlo");
  std::ofstream(root / "mods.d/zlo.conf") << conf;
  if (alter) alter(root);
  return root;
}

struct Hostile {
  const char* what;
  std::string name;
  std::string conf;
  std::function<void(const fs::path&)> alter;
  std::string reason;
};

std::vector<Hostile> hostileDescriptions() {
  const std::string dataPath = "DataPath=./modules/texts/rawtext/zlo/";
  const auto linkData = [](const fs::path& root) {
    fs::remove(root / "modules/texts/rawtext/zlo/nt");
    fs::create_symlink("/etc/passwd", root / "modules/texts/rawtext/zlo/nt");
  };
  const auto fifoData = [](const fs::path& root) {
    fs::remove(root / "modules/texts/rawtext/zlo/nt");
    ASSERT_EQ(::mkfifo((root / "modules/texts/rawtext/zlo/nt").c_str(), 0600), 0);
  };
  const auto linkedFolder = [](const fs::path& root) {
    fs::rename(root / "modules/texts/rawtext/zlo", root / "elsewhere");
    fs::create_directory_symlink(root / "elsewhere", root / "modules/texts/rawtext/zlo");
  };
  const std::string longName(65, 'Z');
  return {
      {"a .. in the data path", "Zlo", replaced(kSoundConf, dataPath, "DataPath=./modules/../../zlo/"), nullptr,
       "cesta k datům „./modules/../../zlo/“ vede mimo složku modulů"},
      {"an absolute data path", "Zlo", replaced(kSoundConf, dataPath, "DataPath=/tmp/zlo/"), nullptr,
       "cesta k datům „/tmp/zlo/“ je absolutní"},
      {"a data path outside modules", "Zlo", replaced(kSoundConf, dataPath, "DataPath=./zlo/"), nullptr,
       "cesta k datům „./zlo/“ nevede do složky modules"},
      {"the modules folder itself", "Zlo", replaced(kSoundConf, dataPath, "DataPath=./modules/./"), nullptr,
       "cesta k datům „./modules/./“ nevede do složky modules"},
      {"an absolute data path beside", "Zlo", kSoundConf + "AbsoluteDataPath=/tmp/zlo/\n", nullptr,
       "její popis udává absolutní cestu k datům"},
      {"two data paths", "Zlo", kSoundConf + "DataPath=./modules/../../zlo/\n", nullptr,
       "její popis udává více cest k datům"},
      {"a name with a dot", "Zl.o", replaced(kSoundConf, "[Zlo]", "[Zl.o]"), nullptr,
       "jméno modulu smí obsahovat jen písmena bez diakritiky, číslice, „_“ a „-“"},
      {"a name too long", longName, replaced(kSoundConf, "[Zlo]", "[" + longName + "]"), nullptr,
       "jméno modulu musí mít 1 až 64 znaků"},
      {"a second module in the description", "Zlo",
       kSoundConf + "[Druhy]\nDataPath=./modules/../../druhy/\nModDrv=RawText\n", nullptr,
       "její popis „zlo.conf“ popisuje i jiné moduly"},
      {"a data file that is a link", "Zlo", kSoundConf, linkData, "soubor „nt“ není obyčejný soubor"},
      {"a data file that is a FIFO", "Zlo", kSoundConf, fifoData, "soubor „nt“ není obyčejný soubor"},
      {"a data folder that is a link", "Zlo", kSoundConf, linkedFolder, "což není složka"},
      {"data over an installed Bible's", "Zlo", replaced(kSoundConf, dataPath, "DataPath=./modules/texts/"), nullptr,
       "její data by se smísila s daty Bible „TavraCz“"},
  };
}

class HostileSourceTest : public RepositoryTest {
 protected:
  void SetUp() override {
    RepositoryTest::SetUp();
    // A Bible already installed, which no source may overwrite under another name.
    BibleInstaller sound(BibleSource{repository()});
    std::vector<AvailableBible> bibles;
    std::string error;
    ASSERT_TRUE(sound.list(bibles, error) && sound.install("TavraCz", error)) << error;
    BibleInstaller::giveConsent();
  }

  // Lists `source` and installs `name`; the installation must fail with `reason` and leave
  // the home and the source's surroundings as they were.
  void expectRefused(const BibleSource& source, const std::string& name, const std::string& reason,
                     const fs::path& around) {
    const fs::path home = std::getenv("HOME");
    const std::set<std::string> homeBefore = tree(home);
    const std::set<std::string> aroundBefore = tree(around);
    std::string error;
    {
      const testing::HangWatchdog watchdog("installing " + name + " from " + source.location);
      BibleInstaller installer(source);
      std::vector<AvailableBible> bibles;
      ASSERT_TRUE(installer.list(bibles, error)) << error;
      EXPECT_FALSE(installer.install(name, error));
    }
    const std::string prefix = "Bibli „" + name + "“ nelze nainstalovat: ";
    EXPECT_EQ(error.substr(0, prefix.size()), prefix) << error;
    EXPECT_TRUE(error.ends_with(reason + ".")) << error;
    EXPECT_EQ(tree(home), homeBefore);
    EXPECT_EQ(tree(around), aroundBefore);
  }
};

TEST_F(HostileSourceTest, AHostileModuleInAFolderWritesNothing) {
  for (const Hostile& hostile : hostileDescriptions()) {
    SCOPED_TRACE(hostile.what);
    const QTemporaryDir scratch;
    const fs::path root = makeRepository(scratch.filePath(QStringLiteral("a/b/repository")).toStdString(),
                                         hostile.conf, hostile.alter);
    expectRefused(BibleSource{root.string()}, hostile.name, hostile.reason, scratch.path().toStdString());
  }
}

TEST_F(HostileSourceTest, AHostileModuleOnTheNetworkWritesNothing) {
  for (const Hostile& hostile : hostileDescriptions()) {
    if (hostile.alter) continue;  // links and FIFOs do not travel over HTTP
    SCOPED_TRACE(hostile.what);
    const QTemporaryDir scratch;
    const fs::path root = makeRepository(scratch.path().toStdString(), hostile.conf, nullptr);
    HttpRepository server;
    server.putFolder(root);
    server.put("mods.d.tar.gz", HttpRepository::archive({{"mods.d/zlo.conf", AE_IFREG, hostile.conf}}));
    expectRefused(BibleSource{server.address()}, hostile.name, hostile.reason, scratch.path().toStdString());
  }
  // A listing that names folders ever deeper.
  HttpRepository deep;
  deep.put("mods.d.tar.gz", HttpRepository::archive({{"mods.d/zlo.conf", AE_IFREG, kSoundConf}}));
  deep.put("modules/texts/rawtext/zlo/a/b/c/d/e/nt", "x");
  expectRefused(BibleSource{deep.address()}, "Zlo", "složky modulu jsou vnořeny příliš hluboko", std::getenv("HOME"));
}

TEST_F(HostileSourceTest, AHostileListOfModulesIsRefusedWhole) {
  struct Archive {
    const char* what;
    std::string body;
    std::string reason;
  };
  const std::string refused = "Seznam Biblí, který zdroj poslal, nelze přijmout: ";
  const auto one = [](const std::string& name, unsigned type, const std::string& content = kSoundConf) {
    return HttpRepository::archive({{"mods.d/a.conf", AE_IFREG, kSoundConf}, {name, type, content}});
  };
  const std::vector<Archive> archives = {
      {"a name with ..", one("../zlo.conf", AE_IFREG), refused + "položka „../zlo.conf“ míří mimo jeho složku."},
      {"a .. inside", one("mods.d/../../zlo.conf", AE_IFREG),
       refused + "položka „mods.d/../../zlo.conf“ míří mimo jeho složku."},
      {"an absolute name", one("/tmp/zlo.conf", AE_IFREG), refused + "položka „/tmp/zlo.conf“ míří mimo jeho složku."},
      {"a link", one("mods.d/b.conf", AE_IFLNK, "/etc/passwd"), refused + "položka „mods.d/b.conf“ není obyčejný soubor."},
      {"a device", one("mods.d/b.conf", AE_IFCHR), refused + "položka „mods.d/b.conf“ není obyčejný soubor."},
      {"a FIFO", one("mods.d/b.conf", AE_IFIFO), refused + "položka „mods.d/b.conf“ není obyčejný soubor."},
      {"a file beside mods.d", one("zlo.sh", AE_IFREG), refused + "položka „zlo.sh“ neleží ve složce mods.d."},
      {"a file below mods.d", one("mods.d/x/zlo.conf", AE_IFREG),
       refused + "položka „mods.d/x/zlo.conf“ neleží ve složce mods.d."},
      {"a huge description", one("mods.d/b.conf", AE_IFREG, std::string(std::size_t(2) << 20, 'x')),
       refused + "položka „mods.d/b.conf“ je příliš velká."},
      {"a huge download", std::string(std::size_t(17) << 20, 'x'), refused + "je příliš velký."},
      {"no archive", "<html>Not here</html>", refused + "není to archiv popisů modulů."},
  };
  const fs::path home = std::getenv("HOME");
  for (const Archive& archive : archives) {
    SCOPED_TRACE(archive.what);
    HttpRepository server;
    server.put("mods.d.tar.gz", archive.body);
    const std::set<std::string> before = tree(home);
    std::string error;
    {
      const testing::HangWatchdog watchdog(std::string("listing a repository whose archive holds ") + archive.what);
      BibleInstaller installer(BibleSource{server.address()});
      std::vector<AvailableBible> bibles;
      EXPECT_FALSE(installer.list(bibles, error));
      EXPECT_TRUE(bibles.empty());
    }
    EXPECT_EQ(error, archive.reason);
    EXPECT_EQ(tree(home), before);
  }
}

TEST_F(RepositoryTest, ASoundBibleInstallsFromALocalHttpRepositoryAndReadsBack) {
  HttpRepository server;
  server.putFolder(repository());
  std::vector<HttpRepository::Entry> descriptions;
  for (const auto& entry : fs::directory_iterator(fs::path(repository()) / "mods.d")) {
    std::ifstream in(entry.path());
    descriptions.push_back({"mods.d/" + entry.path().filename().string(), AE_IFREG,
                            std::string(std::istreambuf_iterator<char>(in), {})});
  }
  server.put("mods.d.tar.gz", HttpRepository::archive(descriptions));
  {
    BibleInstaller installer(BibleSource{server.address()});
    std::vector<AvailableBible> bibles;
    std::string error;
    EXPECT_FALSE(installer.list(bibles, error));  // no consent yet
    EXPECT_EQ(error, "Bez vašeho souhlasu se program k síti nepřipojí.");
    installer.consentForThisRun();
    ASSERT_TRUE(installer.list(bibles, error)) << error;
    ASSERT_EQ(bibles.size(), 3u);
    EXPECT_EQ(bibles[0].name, "TavraCz");
    ASSERT_TRUE(installer.install("TavraCz", error)) << error;
  }
  sword::SWMgr user(userSwordFolder().c_str(), true, nullptr, false, false);
  sword::SWModule* bible = user.getModule("TavraCz");
  ASSERT_NE(bible, nullptr);
  bible->setKeyText("Genesis 1:1");
  EXPECT_EQ(std::string(bible->stripText()).substr(0, 12), "Na počátku");
  EXPECT_FALSE(BibleInstaller::hasConsent());  // the consent of one run is not kept
  // Nothing of the download is left beside the installed Bible.
  EXPECT_EQ(tree(userSwordFolder() + "InstallMgr"), std::set<std::string>{});
}

// libsword reads every description of the folders it is given whole, so a FIFO in any of
// them would hang the listing and a huge file would fill the memory.
TEST_F(RepositoryTest, AFifoOrAHugeFileInAnyFolderTheInstallerReadsIsRefusedAtOnce) {
  const std::vector<std::pair<const char*, std::string>> folders = {
      {"the user's library", userSwordFolder() + "mods.d"},
      {"the system's library", std::string(std::getenv("SWORD_PATH")) + "/mods.d"},
      {"the source", repository() + "/mods.d"},
  };
  for (const bool fifo : {true, false}) {
    for (const auto& [what, folder] : folders) {
      SCOPED_TRACE(std::string(fifo ? "a FIFO in " : "a huge file in ") + what);
      fs::create_directories(folder);
      const std::string bad = folder + "/zlo.conf";
      if (fifo) {
        ASSERT_EQ(::mkfifo(bad.c_str(), 0600), 0);
      } else {
        std::ofstream(bad).close();
        fs::resize_file(bad, (std::uintmax_t(1) << 20) + 1);
      }
      std::string error;
      {
        const testing::HangWatchdog watchdog(std::string("listing with a bad file in ") + what);
        BibleInstaller installer(BibleSource{repository()});
        std::vector<AvailableBible> bibles;
        EXPECT_FALSE(installer.list(bibles, error));
      }
      fs::remove(bad);
      EXPECT_EQ(error, "Soubor „" + bad + "“ není platný popis modulu SWORD.");
    }
  }
}

}  // namespace
}  // namespace tavra::bible
