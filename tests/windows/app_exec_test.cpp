#include "windows/app_exec.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/launch_probe/probe_record.h"
#include "platform/temp_folder.h"

using namespace tavra;
using tavra::test::ProbeRecord;
using tavra::test::TempFolder;
using Args = std::vector<std::string>;

namespace {

// Execute may change the current folder for good; each test gets its own back.
class AppExecTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::current_path(start_); }

  // The launch probe copied into a folder whose name holds a blank, as "Bible.exe".
  std::string installViewer() {
    std::string dir = folder_.file("Tavra OL") + "/";
    std::filesystem::create_directory(dir);
    std::filesystem::copy_file(TAVRA_LAUNCH_PROBE, dir + "Bible.exe");
    return dir;
  }

  std::filesystem::path start_ = std::filesystem::current_path();
  TempFolder folder_;
};

}  // namespace

TEST_F(AppExecTest, StartsWithTheDesignedDefaults) {
  TAppExec exec;
  EXPECT_EQ(exec.ErrNo(), -1);
  EXPECT_EQ(exec.GetErrorText(), "Nelze spustit");
  EXPECT_TRUE(exec.ChangeDir);
  EXPECT_FALSE(exec.Wait);
  EXPECT_EQ(exec.ExeName, "");
  EXPECT_EQ(exec.ExePath(), "");
  EXPECT_TRUE(exec.ExeParams().empty());
  EXPECT_EQ(exec.WindowState(), wsNormal);
  EXPECT_EQ(exec.ShowWindowCode(), 1);
  exec.SetWindowState(wsMaximized);
  EXPECT_EQ(exec.ShowWindowCode(), 3);
  exec.SetWindowState(wsMinimized);
  EXPECT_EQ(exec.ShowWindowCode(), 2);
}

TEST_F(AppExecTest, CommandLineIsTheNameThenEachParameterAfterOneBlank) {
  TAppExec exec;
  exec.ExeName = "prog.exe";
  exec.SetExeParams({"a", "b c"});
  EXPECT_EQ(exec.CommandLine(), "prog.exe a b c");
  std::vector<std::string> other{"x"};
  exec.SetExeParams(other);
  other.push_back("y");  // the component keeps its own copy
  exec.ExeParams().push_back("\"q\"");
  EXPECT_EQ(exec.CommandLine(), "prog.exe x \"q\"");
}

TEST_F(AppExecTest, ExePathLosesATrailingBackslashExceptAtARoot) {
  TAppExec exec;
  for (auto [given, stored] : {std::pair{"D:\\Data\\", "D:\\Data"}, {"D:\\", "D:\\"}, {"\\", "\\"},
                               {"D:\\Data", "D:\\Data"}, {"Data\\\\", "Data\\"}, {"/tmp/", "/tmp/"}, {"", ""}}) {
    exec.SetExePath(given);
    EXPECT_EQ(exec.ExePath(), stored) << given;
  }
}

TEST_F(AppExecTest, MissingProgramGivesCodeTwoAndItsText) {
  TAppExec exec;
  exec.ExeName = folder_.file("Bible.exe") + " Gn 1";
  exec.Wait = true;
  try {
    exec.Execute();
    FAIL() << "no error";
  } catch (const EAppExecWinExec& e) {
    EXPECT_STREQ(e.what(), "Soubor nelze najít");
  }
  EXPECT_EQ(exec.ErrNo(), 2);
  EXPECT_EQ(exec.GetErrorText(), "Soubor nelze najít");

  exec.ExeName = folder_.file("none/Bible.exe");
  EXPECT_THROW(exec.Execute(), EAppExecWinExec);
  EXPECT_EQ(exec.ErrNo(), 3);
  EXPECT_EQ(exec.GetErrorText(), "Cestu nelze najít");

  std::string notAProgram = folder_.file("text.exe");
  writeFileAtomically(notAProgram, "text");
  std::filesystem::permissions(notAProgram, std::filesystem::perms::owner_all);
  exec.ExeName = notAProgram;
  EXPECT_THROW(exec.Execute(), EAppExecWinExec);
  EXPECT_EQ(exec.ErrNo(), 193);
  EXPECT_EQ(exec.GetErrorText(), "Error");
}

TEST_F(AppExecTest, ReferenceReachesTheViewerAsPlainTextAndTheCallWaits) {
  std::string dir = installViewer();
  // The viewer takes a while and writes its record only at its end: the record being
  // there when Execute returns shows that Execute waited for the end.
  ProbeRecord probe(folder_.file("record"), 300);
  TAppExec exec;
  exec.ExeName = dir + "Bible.exe " + "Gn 1,1;rm -rf x $(touch pwned) `id` \"Ž a\" 'q'";
  exec.Wait = true;
  exec.Execute();
  ASSERT_TRUE(probe.ready());
  EXPECT_EQ(exec.ErrNo(), 0);
  EXPECT_EQ(probe.arguments(), (Args{"Gn", "1,1;rm", "-rf", "x", "$(touch", "pwned)", "`id`", "Ž a", "'q'"}));
  EXPECT_FALSE(std::filesystem::exists("pwned"));
  EXPECT_FALSE(std::filesystem::exists(dir + "pwned"));
}

TEST_F(AppExecTest, WorkingFolderIsEnteredOnlyWhenAsked) {
  std::string dir = installViewer();
  std::string work = folder_.file("work");
  std::filesystem::create_directory(work);
  TAppExec exec;
  exec.ExeName = dir + "Bible.exe";
  exec.Wait = true;
  exec.SetExePath(work);
  exec.ChangeDir = false;
  {
    ProbeRecord probe(folder_.file("record1"));
    exec.Execute();
    ASSERT_TRUE(probe.ready());
    EXPECT_EQ(std::filesystem::path(probe.folder()), start_);
  }
  exec.ChangeDir = true;
  {
    ProbeRecord probe(folder_.file("record2"));
    exec.Execute();
    ASSERT_TRUE(probe.ready());
    EXPECT_EQ(std::filesystem::path(probe.folder()), std::filesystem::canonical(work));
  }
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(work));  // not undone
}

TEST_F(AppExecTest, UnreachableWorkingFolderStartsNothing) {
  std::string dir = installViewer();
  ProbeRecord probe(folder_.file("record"));
  TAppExec exec;
  exec.ExeName = dir + "Bible.exe";
  exec.Wait = true;
  exec.SetExePath(folder_.file("missing"));
  try {
    exec.Execute();
    FAIL() << "no error";
  } catch (const EAppExecChDir& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  EXPECT_EQ(exec.ErrNo(), -1);
  EXPECT_FALSE(probe.ready());
  EXPECT_EQ(std::filesystem::current_path(), start_);
}

TEST_F(AppExecTest, CommandLineOf512CharactersIsRefusedBeforeAnythingHappens) {
  std::string dir = installViewer();
  ProbeRecord probe(folder_.file("record"));
  TAppExec exec;
  exec.Wait = true;
  exec.SetExePath(folder_.file("missing"));
  std::string name = dir + "Bible.exe ";
  exec.ExeName = name + std::string(512 - name.size(), 'a');
  try {
    exec.Execute();
    FAIL() << "no error";
  } catch (const EAppExecWinExec& e) {
    EXPECT_STREQ(e.what(), "Příkazový řádek je příliš dlouhý.");
  }
  EXPECT_EQ(exec.ErrNo(), -1);
  EXPECT_FALSE(probe.ready());

  exec.SetExePath("");
  exec.ExeName.pop_back();  // 511 characters fit
  exec.Execute();
  ASSERT_TRUE(probe.ready());
  EXPECT_EQ(probe.arguments(), Args{std::string(511 - name.size(), 'a')});
}

TEST_F(AppExecTest, StartWithoutWaitKeepsErrNo) {
  std::string dir = installViewer();
  ProbeRecord probe(folder_.file("record"));
  TAppExec exec;
  exec.ExeName = "\"" + dir + "Bible.exe\" one";
  exec.Execute();
  EXPECT_EQ(exec.ErrNo(), -1);
  ASSERT_TRUE(probe.awaitReady());
  EXPECT_EQ(probe.arguments(), Args{"one"});
}

TEST(AppExecErrorText, CoversTheWholeTable) {
  EXPECT_EQ(TAppExec::ErrorTextFor(0), "Systém má málo volné paměti, nebo je soubor vadný.");
  EXPECT_EQ(TAppExec::ErrorTextFor(10), "Špatná verze Windows");
  EXPECT_EQ(TAppExec::ErrorTextFor(20), "Dynamická knihovna (DLL) je vadná.");
  EXPECT_EQ(TAppExec::ErrorTextFor(21), "Aplikace vyžaduje 32-bitové Windows");
  for (int known : {-1, 0, 2, 3, 5, 6, 8, 10, 11, 12, 13, 14, 15, 16, 19, 20, 21})
    EXPECT_NE(TAppExec::ErrorTextFor(known), "") << known;
  for (int code : {32, 33, 193, 1117}) EXPECT_EQ(TAppExec::ErrorTextFor(code), "Error") << code;
  for (int code : {-2, 1, 4, 7, 9, 17, 18, 22, 31}) EXPECT_EQ(TAppExec::ErrorTextFor(code), "") << code;
}
