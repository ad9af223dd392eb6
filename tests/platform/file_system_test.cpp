#include "platform/file_system.h"

#include <cerrno>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/temp_folder.h"

using namespace tavra;
using tavra::test::TempFolder;

namespace {

int errorCodeOf(const std::string& path) {
  try {
    readWholeFile(path);
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
  EXPECT_EQ(readWholeFile(path), bytes);
  std::string big(300000, 'q');
  writeFileAtomically(path, big);
  EXPECT_EQ(readWholeFile(path), big);
  writeFileAtomically(path, "");
  EXPECT_EQ(readWholeFile(path), "");
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
  EXPECT_THROW(readRegularFile(fifo, 1000), InOutError);
  EXPECT_THROW(readRegularFile(folder.path(), 1000), InOutError);
  EXPECT_THROW(readRegularFile(folder.file("missing"), 1000), InOutError);
}

TEST(FileSystem, AtomicWriteKeepsTheModeAndLeavesNoTemporaries) {
  TempFolder folder;
  std::string target = folder.file("target.ini");
  writeFileAtomically(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  writeFileAtomically(target, "new");
  EXPECT_EQ(readWholeFile(target), "new");
  struct stat st;
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path())) ++entries;
  EXPECT_EQ(entries, 1);

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
  EXPECT_EQ(readWholeFile(link), "own");
  EXPECT_EQ(readWholeFile(shared), "shared");
  struct stat st;
  ASSERT_EQ(::stat(link.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & 0200, 0u);  // the user's own file, writable again next time

  std::string dangling = folder.file("TAVRA.TMP");
  std::filesystem::create_symlink(folder.file("gone/TAVRA.TMP"), dangling);
  writeFileAtomically(dangling, "day");
  EXPECT_EQ(readWholeFile(dangling), "day");
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
  EXPECT_EQ(readWholeFile(file), "kept");
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
