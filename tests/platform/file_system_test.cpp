#include "platform/file_system.h"

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/temp_folder.h"
#include "common/hang_watchdog.h"

using namespace tavra;
using tavra::test::TempFolder;
using tavra::test::readTestFile;

namespace {

int errorCodeOf(const std::string& path) {
  try {
    readTestFile(path);
  } catch (const InOutError& e) {
    return e.code();
  }
  return 0;
}

}  // namespace

TEST(FileSystem, ErrorTextsFollowTheWindowsCodes) {
  struct Case {
    int errnoValue;
    int code;
    const char* text;
  };
  for (const Case& c : {Case{ENOENT, 2, "File not found"}, Case{ENOTDIR, 3, "Path not found"},
                        Case{EMFILE, 4, "Too many open files"}, Case{EACCES, 5, "File access denied"},
                        Case{EROFS, 5, "File access denied"}, Case{ENOSPC, 112, "Disk full"},
                        Case{ENAMETOOLONG, 206, "I/O error 206"}, Case{EIO, 1117, "I/O error 1117"}}) {
    InOutError e = InOutError::fromErrno(c.errnoValue);
    EXPECT_EQ(e.code(), c.code) << c.text;
    EXPECT_STREQ(e.what(), c.text);
  }
  EXPECT_EQ(InOutError::textForCode(123), "Invalid filename");
  EXPECT_EQ(InOutError::textForCode(39), "Disk full");
  EXPECT_EQ(InOutError::textForCode(0), "I/O error 0");
  EXPECT_EQ(InOutError::textForCode(-7), "I/O error -7");
}

TEST(FileSystem, ReadingReportsWhyItFailed) {
  TempFolder folder;
  std::string file = folder.file("a.txt");
  EXPECT_EQ(errorCodeOf(file), 2);
  writeFileAtomically(file, "x");
  EXPECT_EQ(errorCodeOf(file + "/below"), 3);
  EXPECT_EQ(errorCodeOf(folder.path()), 5);
  EXPECT_EQ(errorCodeOf(std::string("a\0b", 3)), 123);
}

TEST(FileSystem, WholeFilesRoundTripByteForByte) {
  TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += char(i);
  bytes += "\r\n\r";
  std::string path = folder.file("data.bin");
  writeFileAtomically(path, bytes);
  EXPECT_EQ(readTestFile(path), bytes);
  std::string big(300000, 'q');
  writeFileAtomically(path, big);
  EXPECT_EQ(readTestFile(path), big);
  writeFileAtomically(path, "");
  EXPECT_EQ(readTestFile(path), "");
}

TEST(FileSystem, BoundedReadsTakeOnlyRegularFilesWithinTheirLimit) {
  TempFolder folder;
  std::string path = folder.file("year.rtf");
  writeFileAtomically(path, "0123456789");
  EXPECT_EQ(readRegularFile(path, 10), "0123456789");
  try {
    readRegularFile(path, 9);
    ADD_FAILURE() << "a file above the limit was read";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), 223);
  }
  // A FIFO with no writer would block a plain open and read for ever.
  std::string fifo = folder.file("fifo.rtf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  {
    tavra::testing::HangWatchdog watchdog("a FIFO read whole");
    EXPECT_THROW(readRegularFile(fifo, 1000), InOutError);
  }
  EXPECT_THROW(readRegularFile(folder.path(), 1000), InOutError);
  EXPECT_THROW(readRegularFile(folder.file("missing"), 1000), InOutError);
}

TEST(FileSystem, PrefixesAndOpenedFilesAreRegularFilesToo) {
  TempFolder folder;
  std::string path = folder.file("picture.gif");
  writeFileAtomically(path, "GIF89a and more");
  EXPECT_EQ(readRegularFilePrefix(path, 6), "GIF89a");
  EXPECT_EQ(readRegularFilePrefix(path, 1000), "GIF89a and more");
  EXPECT_GE(openRegularFile(path).get(), 0);
  std::string fifo = folder.file("fifo.gif");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& other : {fifo, std::string("/dev/zero"), folder.path()}) {
    tavra::testing::HangWatchdog watchdog("a prefix or an opening of " + other);
    EXPECT_THROW(readRegularFilePrefix(other, 6), InOutError) << other;
    EXPECT_THROW(openRegularFile(other), InOutError) << other;
  }
  tavra::testing::HangWatchdog watchdog("the device /dev/zero read whole");
  EXPECT_THROW(readRegularFile("/dev/zero", 1000), InOutError);
}

TEST(FileSystem, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
  TempFolder folder;
  std::string sub = folder.file("shared");
  ASSERT_EQ(::mkdir(sub.c_str(), 0755), 0);
  std::string file = sub + "/TAVRA.TMP";
  writeFileAtomically(file, "a longer old day text");
  struct stat before;
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  ASSERT_EQ(::chmod(sub.c_str(), 0555), 0);
  writeFileAtomically(file, "new");
  EXPECT_EQ(readTestFile(file), "new");
  writeFileAtomically(file, "a text longer than any before it");
  EXPECT_EQ(readTestFile(file), "a text longer than any before it");
  struct stat after;
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  // The superuser may create files there anyway and then replaces the file as usual.
  if (::geteuid() != 0) {
    EXPECT_EQ(after.st_ino, before.st_ino);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sub), std::filesystem::directory_iterator()), 1);
  // A file that does not exist yet cannot be made there.
  if (::geteuid() != 0) {
    EXPECT_THROW(writeFileAtomically(sub + "/new.ini", "x"), InOutError);
  }
  ASSERT_EQ(::chmod(sub.c_str(), 0755), 0);
}

TEST(FileSystem, AtomicWriteKeepsTheModeAndLeavesNoTemporaries) {
  TempFolder folder;
  std::string target = folder.file("target.ini");
  writeFileAtomically(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  // A scratch file is replaced the same way; it is only not waited for on the disk.
  for (Durability durability : {Durability::Durable, Durability::Scratch}) {
    const std::string text = durability == Durability::Durable ? "new" : "scratch";
    writeFileAtomically(target, text, durability);
    EXPECT_EQ(readTestFile(target), text);
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path())) ++entries;
    EXPECT_EQ(entries, 1);
  }

  try {
    writeFileAtomically(target + "/below", "x");
    FAIL() << "no error";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), 3);
  }
  EXPECT_THROW(writeFileAtomically(folder.path(), "x"), InOutError);  // a folder is not replaced
  EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

// In a per-user folder the links point into the shared installation: a write makes the
// user's own file and leaves the shared one as it was.
TEST(FileSystem, AtomicWriteReplacesALinkInsteadOfWritingThroughIt) {
  TempFolder folder;
  std::string shared = folder.file("shared.ini");
  writeFileAtomically(shared, "shared");
  ASSERT_EQ(::chmod(shared.c_str(), 0444), 0);
  std::string link = folder.file("Tavra.ini");
  std::filesystem::create_symlink(shared, link);
  writeFileAtomically(link, "own");
  EXPECT_FALSE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readTestFile(link), "own");
  EXPECT_EQ(readTestFile(shared), "shared");
  struct stat st;
  ASSERT_EQ(::stat(link.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & 0200, 0u);  // the user's own file, writable again next time

  std::string dangling = folder.file("TAVRA.TMP");
  std::filesystem::create_symlink(folder.file("gone/TAVRA.TMP"), dangling);
  writeFileAtomically(dangling, "day");
  EXPECT_EQ(readTestFile(dangling), "day");
  EXPECT_FALSE(std::filesystem::exists(folder.file("gone")));
}

TEST(FileSystem, AReadOnlyFileIsRefusedNotReplaced) {
  TempFolder folder;
  std::string file = folder.file("Tavra.ini");
  writeFileAtomically(file, "kept");
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  try {
    writeFileAtomically(file, "lost");
    FAIL() << "no error";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), 5);
  }
  EXPECT_EQ(readTestFile(file), "kept");
}

TEST(FileSystem, ExistenceDeletionAndTheProgramFolder) {
  TempFolder folder;
  std::string file = folder.file("Tavra.ini");
  EXPECT_FALSE(fileExists(file));
  EXPECT_FALSE(deleteFile(file));
  writeFileAtomically(file, "");
  EXPECT_TRUE(fileExists(file));
  EXPECT_FALSE(fileExists(folder.path()));  // a folder is not a file
  EXPECT_FALSE(fileExists(""));
  EXPECT_TRUE(deleteFile(file));
  EXPECT_FALSE(fileExists(file));

  std::string dir = ExeDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(fileExists(dir + "platform_tests"));

  setExeDir(folder.path());
  EXPECT_EQ(ExeDir(), folder.path() + "/");
  setExeDir("");
  EXPECT_EQ(ExeDir(), dir);
}
