// The installer on the viewer's command line, run as a program: what a reader types and
// what comes back, over a folder, a local HTTP repository and a hostile source.
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bible_install/http_repository.h"
#include "bible_install/repository_fixture.h"
#include "common/program_run.h"

namespace tavra::bible {
namespace {

namespace fs = std::filesystem;
using test::RepositoryTest;

TEST_F(RepositoryTest, TheInstallerAnswersOnTheCommandLine) {
  test::HttpRepository server;
  server.putFolder(repository());
  std::ifstream conf(repository() + "/mods.d/abben.conf");
  server.put("mods.d.tar.gz", test::HttpRepository::archive(
                                  {{"mods.d/abben.conf", AE_IFREG, std::string(std::istreambuf_iterator<char>(conf), {})}}));
  const QTemporaryDir scratch;
  const fs::path hostile = scratch.filePath(QStringLiteral("hostile")).toStdString();
  fs::copy(repository(), hostile, fs::copy_options::recursive);
  std::ofstream(hostile / "mods.d/tavracz.conf")
      << "[TavraCz]\nDataPath=./modules/../../zlo/\nModDrv=RawText\nEncoding=UTF-8\nLang=cs\n";
  const std::string sword = userSwordFolder();

  struct Step {
    std::vector<std::string> arguments;
    int status;
    std::string out;  // the output begins with this
    std::string err;
  };
  const std::vector<Step> steps = {
      {{"--version"}, 0, "Bible.exe (Tavra) " TAVRA_VERSION "\nLicence GPL-2.0-or-later", ""},
      {{"--help"}, 0, "použití:\n", ""},
      {{"--available", "--from", repository()}, 0,
       "TavraCz\tcs\tZkušební Bible česká\nAbbEn\ten\tA Second English Bible\nAaaEn\ten\tAn English Test Bible\n", ""},
      {{"--install", "tavracz", "--from", repository()}, 0, "Bible „TavraCz“ je nainstalována.\n", ""},
      {{"--module", "TavraCz", "--text", "J 3,16"}, 0, "3,16\tNeboť tak Bůh miloval svět, že dal svého jediného Syna.\n", ""},
      {{"--remove", "TavraCz"}, 0, "Bible „TavraCz“ byla odebrána.\n", ""},
      {{"--remove", "TavraCz"}, 1, "", "Bibli „TavraCz“ nelze odebrat: není nainstalována ve složce „" + sword + "“.\n"},
      {{"--available", "--from", server.address()}, 1, "", "Bez vašeho souhlasu se program k síti nepřipojí.\n"},
      {{"--install", "AbbEn", "--from", server.address(), "--yes"}, 0, "Bible „AbbEn“ je nainstalována.\n", ""},
      {{"--install", "TavraCz", "--from", hostile.string()}, 1, "",
       "Bibli „TavraCz“ nelze nainstalovat: cesta k datům „./modules/../../zlo/“ vede mimo složku modulů.\n"},
      {{"--install"}, 2, "", "Za volbou --install chybí jméno Bible.\n"},
      {{"--install", "TavraCz", "J", "3,16"}, 2, "", "Za volbami instalace nemá stát odkaz („J 3,16“).\n"},
      {{"--available", "--remove", "TavraCz"}, 2, "", "Volby --available, --install a --remove nelze spojit.\n"},
      {{"--from", repository()}, 2, "", "Volba --from patří k volbě --available nebo --install.\n"},
      {{"--no-such-option"}, 2, "", "Neznámá volba „--no-such-option“; volby vypíše Bible.exe --help.\n"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.arguments.front() + (step.arguments.size() > 1 ? " " + step.arguments[1] : ""));
    const testing::ProgramRun run = testing::runProgram(TAVRA_BIBLE_VIEWER, step.arguments);
    EXPECT_EQ(run.status, step.status) << run.err;
    EXPECT_EQ(run.out.substr(0, step.out.size()), step.out);
    EXPECT_EQ(run.err, step.err);
  }
  EXPECT_FALSE(fs::exists(fs::path(sword).parent_path().parent_path() / "zlo"));
}

}  // namespace
}  // namespace tavra::bible
