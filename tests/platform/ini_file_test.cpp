#include "platform/ini_file.h"

#include <csignal>
#include <string>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/file_system.h"
#include "platform/temp_folder.h"
#include "common/hang_watchdog.h"

using namespace tavra;
using tavra::test::TempFolder;

namespace {

std::string makeFile(const TempFolder& folder, const std::string& content) {
  std::string path = folder.file("Tavra.ini");
  writeFileAtomically(path, content);
  return path;
}

}  // namespace

TEST(IniFile, KeysAndSectionsFollowTheProfileRules) {
  TempFolder folder;
  IniFile ini(makeFile(folder,
                       "Stray=before any section\r\n"
                       "; Barva=1 is a comment\r\n"
                       "[Okno]\r\n"
                       "  Barva  =  255  \r\n"
                       "Font=\"Times New Roman\"\r\n"
                       "Single='x'\r\n"
                       "Half=\"open\r\n"
                       "barva=999\r\n"
                       "NoEquals\r\n"
                       "Empty=\r\n"
                       "[ Pozice ]\r\n"
                       "Odleva=12\n"
                       "[OKNO]\r\n"
                       "Extra=from the second section of the same name\r"
                       "[Last]\n"
                       "Tail=no line end"));
  EXPECT_EQ(ini.readString("okno", "BARVA", "d"), "255");       // case, blanks, first of duplicates
  EXPECT_EQ(ini.readString("Okno", "Font", "d"), "Times New Roman");  // quotes removed
  EXPECT_EQ(ini.readString("Okno", "Single", "d"), "x");
  EXPECT_EQ(ini.readString("Okno", "Half", "d"), "\"open");
  EXPECT_EQ(ini.readString("Okno", "Empty", "d"), "");
  EXPECT_EQ(ini.readString("Okno", "NoEquals", "d"), "d");
  EXPECT_EQ(ini.readString("Okno", "Extra", "d"), "d");
  EXPECT_EQ(ini.readString("Pozice", "odleva", "d"), "12");     // LF line end
  EXPECT_EQ(ini.readString("Last", "Tail", "d"), "no line end");  // after a lone CR
  EXPECT_EQ(ini.readString("", "Stray", "d"), "d");
  EXPECT_EQ(ini.readString("Okno", "; Barva", "d"), "d");
  EXPECT_EQ(ini.readString("Chybi", "Barva", "default"), "default");
}

// A header is any line whose first character after blanks is "["; a "[" elsewhere is text.
TEST(IniFile, HeadersAreTheLinesThatBeginWithABracket) {
  TempFolder folder;
  IniFile ini(makeFile(folder,
                       "[First]\n"
                       "Key=a [Second] in a value\n"
                       "odd line [Second]\n"
                       "Other=[not a header]\n"
                       " \t[Second]\r"                      // blanks before, a lone CR after
                       "Key=second\r\n"
                       "[]\r\n"
                       "Key=unnamed\r\n"
                       "[first]\r\n"
                       "Key=later duplicate\r\n"
                       "Extra=never read\r\n"
                       "[Tail"));
  EXPECT_EQ(ini.readString("FIRST", "Key", "d"), "a [Second] in a value");
  EXPECT_EQ(ini.readString("First", "Other", "d"), "[not a header]");
  EXPECT_EQ(ini.readString("First", "Extra", "d"), "d");  // only the first section of a name
  EXPECT_EQ(ini.readString("second", "key", "d"), "second");
  EXPECT_EQ(ini.readString("", "Key", "d"), "unnamed");
  EXPECT_EQ(ini.readString("Tail", "Key", "d"), "d");

  // Thousands of sections, as in the readings index: each answers with its own keys.
  std::string many;
  for (int day = 1; day <= 3000; ++day)
    many += "[" + std::to_string(day) + ".1.2027]\r\nCteni1=r" + std::to_string(day) + "\r\n\r\n";
  IniFile index(makeFile(folder, many + "[1.1.2027]\r\nCteni2=late\r\n"));
  EXPECT_EQ(index.readString("1.1.2027", "Cteni1", ""), "r1");
  EXPECT_EQ(index.readString("1.1.2027", "Cteni2", "none"), "none");
  EXPECT_EQ(index.readString("2999.1.2027", "Cteni1", ""), "r2999");
  EXPECT_EQ(index.readString("3000.1.2027", "Cteni1", ""), "r3000");
  EXPECT_EQ(index.readString("3001.1.2027", "Cteni1", "none"), "none");
}

TEST(IniFile, MissingOrUnreadableFileReadsAsEmpty) {
  TempFolder folder;
  IniFile missing(folder.file("none.ini"));
  EXPECT_EQ(missing.readInteger("Pozice", "Odleva", -1), -1);
  IniFile folderItself(folder.path());
  EXPECT_EQ(folderItself.readString("a", "b", "def"), "def");

  // A FIFO would block the reader for good; it reads as empty and is never replaced.
  std::string fifo = folder.file("fifo.ini");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  {
    tavra::testing::HangWatchdog watchdog("a FIFO as the settings file");
    IniFile piped(fifo);
    EXPECT_EQ(piped.readInteger("Pozice", "Odleva", -1), -1);
    EXPECT_THROW(piped.writeInteger("Pozice", "Odleva", 1), IniWriteError);
  }
  struct stat st;
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(IniFile, AFileAboveTheLimitReadsAsEmptyAndStays) {
  TempFolder folder;
  std::string path = folder.file("big.ini");
  std::string content = "[Okno]\r\nSirka=5\r\n" + std::string((1u << 20) + 1, '\n');
  writeFileAtomically(path, content);
  IniFile big(path);
  EXPECT_EQ(big.readInteger("Okno", "Sirka", -1), -1);
  EXPECT_THROW(big.writeInteger("Okno", "Sirka", 6), IniWriteError);
  EXPECT_EQ(tavra::test::readTestFile(path).size(), content.size());
  // Nor does a write make one: it would read back as empty, every value lost.
  const std::string near = folder.file("near.ini");
  IniFile growing(near);
  growing.writeString("Cteni", "Dny", std::string(1000, 'x'));
  const std::vector<std::string> many(1100, "Cteni1=" + std::string(1000, 'y'));
  EXPECT_THROW(growing.replaceSections([](std::string_view) { return false; }, many), IniWriteError);
  EXPECT_EQ(IniFile(near).readString("Cteni", "Dny", ""), std::string(1000, 'x'));
}

TEST(IniFile, IntegersAreDecimalOrHexAndAnythingElseGivesTheDefault) {
  TempFolder folder;
  IniFile ini(makeFile(folder,
                       "[N]\n"
                       "dec=30\nneg=-42\nplus=+7\ndollar=$1E\nhex=0x1E\nHEX=0X1e\nnegHex=-$10\n"
                       "min=-2147483648\nmax=2147483647\nover=2147483648\nunder=-2147483649\n"
                       "allBits=$FFFFFFFF\ntooWide=0x100000000\nquoted=\"15\"\n"
                       "trailing=12abc\ninner=1 2\nbareDollar=$\nbareHex=0x\nsign=-\nword=abc\nempty=\n"
                       "float=1.5\n"));
  EXPECT_EQ(ini.readInteger("N", "dec", 0), 30);
  EXPECT_EQ(ini.readInteger("N", "neg", 0), -42);
  EXPECT_EQ(ini.readInteger("N", "plus", 0), 7);
  EXPECT_EQ(ini.readInteger("N", "dollar", 0), 30);
  EXPECT_EQ(ini.readInteger("N", "hex", 0), 30);
  EXPECT_EQ(ini.readInteger("N", "HEX", 0), 30);
  EXPECT_EQ(ini.readInteger("N", "negHex", 0), -16);
  EXPECT_EQ(ini.readInteger("N", "min", 0), -2147483647 - 1);
  EXPECT_EQ(ini.readInteger("N", "max", 0), 2147483647);
  EXPECT_EQ(ini.readInteger("N", "allBits", 0), -1);
  EXPECT_EQ(ini.readInteger("N", "quoted", 0), 15);
  for (const char* key : {"over", "under", "tooWide", "trailing", "inner", "bareDollar", "bareHex", "sign",
                          "word", "empty", "float", "missing"})
    EXPECT_EQ(ini.readInteger("N", key, -5), -5) << key;
}

TEST(IniFile, ValuesAreCutAt2047Characters) {
  TempFolder folder;
  std::string longValue(3000, 'x');
  longValue[2046] = 'E';
  IniFile ini(makeFile(folder, "[S]\nlong=" + longValue + "\nexact=" + std::string(2047, 'y') + "\n"));
  std::string read = ini.readString("S", "long", "");
  EXPECT_EQ(read.size(), 2047u);
  EXPECT_EQ(read.back(), 'E');
  EXPECT_EQ(ini.readString("S", "exact", ""), std::string(2047, 'y'));
}

TEST(IniFile, WritesKeepOrderCommentsAndUnknownLines) {
  TempFolder folder;
  std::string path = makeFile(folder,
                              "; settings\r\n"
                              "[Okno]\r\n"
                              "Barva=1\r\n"
                              "something odd\r\n"
                              "\r\n"
                              "[Pozice]\r\n"
                              "Odleva=5\r\n");
  IniFile ini(path);
  ini.writeInteger("OKNO", "barva", -16777201);  // existing key, other case
  ini.writeString("Okno", "Font", "Arial");      // new key in an existing section
  ini.writeInteger("Hlavni", "Datum", 7);        // new section
  ini.writeString("Pozice", "Odleva", "a\r\n[Pozice]\r\nOdleva=9");  // a line break cannot plant keys
  EXPECT_EQ(tavra::test::readTestFile(path),
            "; settings\r\n"
            "[Okno]\r\n"
            "Barva=-16777201\r\n"
            "something odd\r\n"
            "Font=Arial\r\n"
            "\r\n"
            "[Pozice]\r\n"
            "Odleva=a\r\n"
            "[Hlavni]\r\n"
            "Datum=7\r\n");
  EXPECT_EQ(ini.readInteger("Okno", "Barva", 0), -16777201);
  IniFile again(path);
  EXPECT_EQ(again.readString("okno", "font", ""), "Arial");
  EXPECT_EQ(again.readInteger("hlavni", "datum", 0), 7);
}

TEST(IniFile, WriteCreatesTheFileAndKeepsWhatOthersWroteMeanwhile) {
  TempFolder folder;
  std::string path = folder.file("new.ini");
  IniFile first(path);
  IniFile second(path);
  first.writeString("Okno", "Font", "Arial");
  second.writeInteger("Okno", "FontVelikost", 12);
  EXPECT_EQ(tavra::test::readTestFile(path), "[Okno]\r\nFont=Arial\r\nFontVelikost=12\r\n");

  std::string lf = folder.file("lf.ini");
  writeFileAtomically(lf, "[A]\nx=1\n");
  IniFile(lf).writeString("A", "y", "2");
  EXPECT_EQ(tavra::test::readTestFile(lf), "[A]\nx=1\ny=2\n");  // the file's own line ends
}

TEST(IniFile, FailedWriteNamesTheFileAndLeavesItWhole) {
  TempFolder folder;
  // A path under a regular file cannot be written by anyone, root included.
  std::string blocker = makeFile(folder, "x");
  IniFile under(blocker + "/Tavra.ini");
  try {
    under.writeString("Okno", "Font", "Arial");
    FAIL() << "no error";
  } catch (const IniWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + blocker + "/Tavra.ini");
  }

  // A file-size limit makes the write of the new content fail part-way, also for root.
  std::string path = folder.file("kept.ini");
  std::string original = "[Okno]\r\nFont=Times New Roman\r\n";
  writeFileAtomically(path, original);
  IniFile ini(path);
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = original.size() + 10;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(ini.writeString("Okno", "Font", std::string(200, 'a')), IniWriteError);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(tavra::test::readTestFile(path), original);
  EXPECT_EQ(ini.readString("Okno", "Font", ""), "Times New Roman");
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    EXPECT_TRUE(entry.path().filename() == "kept.ini" || entry.path().filename() == "Tavra.ini")
        << "left behind: " << entry.path();
}

TEST(IniFile, ReplacedSectionsTakeThePlaceOfTheFirstRemovedOne) {
  TempFolder folder;
  std::string path = makeFile(folder,
                              "; index\r\n\r\n[1.1.1999]\r\nCteni1=a\r\n\r\n[1.1.2027]\r\nCteni1=old\r\n\r\n"
                              "[2.1.2027]\r\nCteni2=old\r\n\r\n[1.1.2028]\r\nCteni1=c\r\n");
  IniFile ini(path);
  auto is2027 = [](std::string_view name) { return name.ends_with(".2027"); };
  ini.replaceSections(is2027, {"[3.1.2027]", "Cteni1=new"});
  EXPECT_EQ(tavra::test::readTestFile(path),
            "; index\r\n\r\n[1.1.1999]\r\nCteni1=a\r\n\r\n[3.1.2027]\r\nCteni1=new\r\n\r\n[1.1.2028]\r\nCteni1=c\r\n");
  EXPECT_EQ(ini.readString("3.1.2027", "Cteni1", ""), "new");
  EXPECT_EQ(ini.readString("1.1.2027", "Cteni1", "none"), "none");

  // Without a section to replace, the lines go after a blank line at the end; a line
  // break inside one cannot plant lines of its own.
  ini.replaceSections([](std::string_view name) { return name == "9.9.2030"; }, {"[9.9.2030]", "Cteni1=x\ny"});
  EXPECT_TRUE(tavra::test::readTestFile(path).ends_with("Cteni1=c\r\n\r\n[9.9.2030]\r\nCteni1=x\r\n"));

  // Removing with nothing in their place keeps the other years.
  ini.replaceSections(is2027, {});
  EXPECT_EQ(ini.readString("1.1.1999", "Cteni1", ""), "a");
  EXPECT_EQ(ini.readString("3.1.2027", "Cteni1", "none"), "none");
  EXPECT_EQ(ini.readString("1.1.2028", "Cteni1", ""), "c");
}
