#include "platform/process.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/launch_probe/probe_record.h"
#include "platform/temp_folder.h"

using namespace tavra;
using tavra::test::TempFolder;
using Args = std::vector<std::string>;

TEST(Process, ArgumentsSplitAsTheWindowsRuntimeSplitsThem) {
  EXPECT_EQ(splitArguments(R"("a b c" d e)"), (Args{"a b c", "d", "e"}));
  EXPECT_EQ(splitArguments(R"("ab\"c" "\\" d)"), (Args{"ab\"c", "\\", "d"}));
  EXPECT_EQ(splitArguments(R"(a\\\b d"e f"g h)"), (Args{R"(a\\\b)", "de fg", "h"}));
  EXPECT_EQ(splitArguments(R"(a\\\"b c d)"), (Args{R"(a\"b)", "c", "d"}));
  EXPECT_EQ(splitArguments(R"(a\\\\"b c" d e)"), (Args{R"(a\\b c)", "d", "e"}));
  EXPECT_EQ(splitArguments(R"(a"b"" c d)"), (Args{"ab\" c d"}));
  EXPECT_EQ(splitArguments("\"\" x\t\ty "), (Args{"", "x", "y"}));
  EXPECT_EQ(splitArguments(R"("unclosed \" quote)"), (Args{"unclosed \" quote"}));
  EXPECT_EQ(splitArguments(R"(Gn 1,1;echo $(id) `id`)"), (Args{"Gn", "1,1;echo", "$(id)", "`id`"}));
  EXPECT_EQ(splitArguments("   "), Args{});

  EXPECT_EQ(splitCommandLine(R"("C:\Program Files\x.exe" a\\"b c")"),
            (Args{R"(C:\Program Files\x.exe)", R"(a\b c)"}));
  EXPECT_EQ(splitCommandLine(R"(  C:\dir\x.exe\" y)"), (Args{R"(C:\dir\x.exe\")", "y"}));
}

TEST(Process, WindowsPathsReadAsPathsHere) {
  EXPECT_EQ(posixPath(R"(C:\Work\Bible.exe)"), "/Work/Bible.exe");
  EXPECT_EQ(posixPath("d:/x"), "/x");
  EXPECT_EQ(posixPath(R"(sub\file)"), "sub/file");
  EXPECT_EQ(posixPath("C:file"), "C:file");
  EXPECT_EQ(posixPath("/already/posix"), "/already/posix");
}

TEST(Process, ProgramsAreFoundAsCreateProcessFindsThem) {
  TempFolder folder;
  std::string programs = folder.file("my programs");
  std::filesystem::create_directory(programs);
  std::string viewer = programs + "/Bible.exe";
  writeFileAtomically(viewer, "");
  std::filesystem::create_directory(folder.file("my"));  // a folder is no candidate

  ResolvedCommand command;
  ASSERT_EQ(resolveCommandLine(programs + "/Bible.exe Gn 1,1 \"a b\"", command), 0);
  EXPECT_EQ(command.program, viewer);
  EXPECT_EQ(command.argv, (Args{viewer, "Gn", "1,1", "a b"}));

  ASSERT_EQ(resolveCommandLine(programs + "/Bible Jn 3", command), 0);  // ".exe" added
  EXPECT_EQ(command.program, viewer);
  EXPECT_EQ(command.argv, (Args{programs + "/Bible", "Jn", "3"}));

  ASSERT_EQ(resolveCommandLine("\"" + viewer + "\"x y", command), 0);
  EXPECT_EQ(command.argv, (Args{viewer, "x", "y"}));

  // The shortest blank-separated prefix that names a file wins, as on Windows.
  std::filesystem::remove(folder.file("my"));
  writeFileAtomically(folder.file("my"), "");
  ASSERT_EQ(resolveCommandLine(programs + "/Bible.exe Gn", command), 0);
  EXPECT_EQ(command.program, folder.file("my"));
  EXPECT_EQ(command.argv, (Args{folder.file("my"), "programs/Bible.exe", "Gn"}));

  // Backslashes name folders; an argument naming an existing file is read the same way.
  std::string windowsStyle = "C:" + folder.path() + "\\my programs\\Bible.exe";
  for (char& c : windowsStyle)
    if (c == '/') c = '\\';
  ASSERT_EQ(resolveCommandLine("\"" + windowsStyle + "\" \"" + windowsStyle.substr(2) + "\" Jn\\3 \\", command), 0);
  EXPECT_EQ(command.program, viewer);
  EXPECT_EQ(command.argv, (Args{windowsStyle, viewer, "Jn\\3", "\\"}));
}

TEST(Process, SearchGoesToTheCurrentFolderBeforePath) {
  TempFolder folder;
  std::string previous = std::filesystem::current_path().string();
  ASSERT_EQ(::chdir(folder.path().c_str()), 0);
  ResolvedCommand command;
  EXPECT_EQ(resolveCommandLine("sh -c x", command), 0);
  EXPECT_EQ(std::filesystem::path(command.program).filename(), "sh");
  EXPECT_NE(command.program, "./sh");
  writeFileAtomically("sh", "");
  EXPECT_EQ(resolveCommandLine("sh -c x", command), 0);
  EXPECT_EQ(command.program, "./sh");
  ASSERT_EQ(::chdir(previous.c_str()), 0);
}

TEST(Process, MissingProgramsGiveTheWindowsCodes) {
  TempFolder folder;
  ResolvedCommand command;
  EXPECT_EQ(resolveCommandLine(folder.file("Bible.exe") + " Gn 1", command), 2);
  EXPECT_EQ(resolveCommandLine("tavra-no-such-program-anywhere", command), 2);
  EXPECT_EQ(resolveCommandLine(folder.file("none/Bible.exe") + " Gn", command), 3);
  EXPECT_EQ(resolveCommandLine("", command), 2);
  EXPECT_EQ(resolveCommandLine("  \t", command), 2);
  EXPECT_EQ(resolveCommandLine("\"\" x", command), 2);
  EXPECT_EQ(startProcess(folder.file("Bible.exe"), true), 2);
}

TEST(Process, StartedProgramsGetTheirArgumentsWithoutAShell) {
  TempFolder folder;
  test::ProbeRecord probe(folder.file("record"));
  int status = -1;
  ASSERT_EQ(startProcess(std::string(TAVRA_LAUNCH_PROBE) + " Gn;1 $(touch x) `touch y` \"a b\" 'q'", true,
                         &status),
            0);
  EXPECT_EQ(status, 0);
  ASSERT_TRUE(probe.ready());
  EXPECT_EQ(probe.arguments(), (Args{"Gn;1", "$(touch", "x)", "`touch", "y`", "a b", "'q'"}));
  EXPECT_FALSE(std::filesystem::exists("x"));
  EXPECT_FALSE(std::filesystem::exists("y"));
}

TEST(Process, StartFailuresMapToWindowsCodes) {
  TempFolder folder;
  std::string plain = folder.file("plain");
  writeFileAtomically(plain, "not a program");
  EXPECT_EQ(startProcess(plain, true), 5);  // no execute permission, root included
  ASSERT_EQ(::chmod(plain.c_str(), 0755), 0);
  EXPECT_EQ(startProcess(plain, true), 193);  // not a program format the system knows
}

TEST(Process, AWatchedProgramSignalsItsEndWithoutBeingWaitedFor) {
  TempFolder folder;
  test::ProbeRecord probe(folder.file("record"), 300);
  std::unique_ptr<ChildProcess> child;
  EXPECT_EQ(startChildProcess(folder.file("Bible.exe"), child), 2);
  EXPECT_EQ(child, nullptr);
  ASSERT_EQ(startChildProcess(std::string(TAVRA_LAUNCH_PROBE) + " Mt 5,1-12", child), 0);
  ASSERT_NE(child, nullptr);
  ASSERT_GE(child->endNotifier(), 0);
  EXPECT_FALSE(child->hasEnded());
  pollfd end{child->endNotifier(), POLLIN, 0};
  EXPECT_EQ(::poll(&end, 1, 0), 0);                // not readable while the program runs
  ASSERT_EQ(::poll(&end, 1, 10000), 1);
  EXPECT_TRUE(probe.ready());
  EXPECT_TRUE(child->hasEnded());
  EXPECT_EQ(child->exitStatus(), 0);
  EXPECT_EQ(child->waitForEnd(), 0);
  EXPECT_EQ(probe.arguments(), (Args{"Mt", "5,1-12"}));

  // A program given up while running goes on by itself.
  std::filesystem::remove(folder.file("record"));
  ASSERT_EQ(startChildProcess(std::string(TAVRA_LAUNCH_PROBE) + " J", child), 0);
  child.reset();
  EXPECT_TRUE(probe.awaitReady());
}
