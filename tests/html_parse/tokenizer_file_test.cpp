#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "html/parse/tokenizer.h"
#include "html_parse/tokenizer_test_util.h"
#include "platform/file_system.h"
#include "common/hang_watchdog.h"

using namespace tavra;
using tavra::test::Token;

namespace {

class TempFile {
 public:
  explicit TempFile(const std::string& content) {
    static int counter = 0;
    path_ = (std::filesystem::temp_directory_path() /
             ("tavra_tokenizer_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + ".htm"))
                .string();
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::vector<Token> fileTokens(const std::string& path) {
  HtmlTokenizer t;
  t.OpenFile(path);
  t.GetCh();
  return tavra::test::readAll(t);
}

// Places `piece` so that its byte `split` is the first byte of the next block of the file.
void placeAcrossBlock(std::string& doc, std::string_view piece, std::size_t split) {
  const std::size_t block = HtmlTokenizer::FileBufferSize;
  const std::size_t target = (doc.size() / block + 1) * block - split;
  doc.append(target - doc.size(), 'x');
  doc.append(piece);
}

}  // namespace

TEST(TokenizerFile, TokensStraddlingTheBufferBoundaryReadAsInMemory) {
  std::string doc;
  placeAcrossBlock(doc, "<table border=2 width=\"50%\">", 5);
  placeAcrossBlock(doc, "a\r\nb", 2);        // CR is the last byte of a block, LF the first
  placeAcrossBlock(doc, "<!-- note -->c", 1);  // `<` ends a block, `!` starts the next
  placeAcrossBlock(doc, "&eacute;", 3);
  placeAcrossBlock(doc, "d\n\re", 2);
  doc += "</table>";

  TempFile file(doc);
  std::vector<Token> fromFile = fileTokens(file.path());
  EXPECT_EQ(fromFile, tavra::test::tokens(doc));

  int tables = 0;
  std::string text;
  for (const Token& t : fromFile) {
    if (t.sym == tagTable) ++tables;
    if (t.sym == symText) text += t.text;
  }
  EXPECT_EQ(tables, 1);
  EXPECT_NE(text.find("a b"), std::string::npos);   // one line end, folded to a space
  EXPECT_NE(text.find("xc"), std::string::npos);    // the comment vanished
  EXPECT_NE(text.find("x\u00E9"), std::string::npos);  // a Windows-1250 byte by default
  EXPECT_NE(text.find("d e"), std::string::npos);
  EXPECT_EQ(text.find('!'), std::string::npos);

  HtmlTokenizer t;
  t.OpenFile(file.path());
  t.GetCh();
  t.NextSymbol();
  while (t.CurrentSymbol == symText) t.NextSymbol();
  ASSERT_EQ(t.CurrentSymbol, tagTable);
  EXPECT_EQ(t.Attributes.Find(attrBorder)->Value, 2);
  EXPECT_EQ(t.Attributes.Find(attrWidth)->Text, "50%");
}

TEST(TokenizerFile, IncludedTextReturnsToTheFile) {
  std::string doc(1990, 'y');
  doc += "<!--#include file=\"a\"-->z<b>";
  TempFile file(doc);
  HtmlTokenizer t;
  const std::string inserted = "<i>in</i>";
  t.OnInclude = [&](const std::string&, std::vector<std::string>&, const char*& buffer,
                    int& size) {
    buffer = inserted.data();
    size = int(inserted.size());
  };
  t.OpenFile(file.path());
  t.GetCh();
  std::vector<Token> got = tavra::test::readAll(t);
  ASSERT_GE(got.size(), 5u);
  EXPECT_EQ(got[got.size() - 5], (Token{tagI, ""}));
  EXPECT_EQ(got[got.size() - 4], (Token{symText, "in"}));
  EXPECT_EQ(got[got.size() - 3], (Token{tagIEnd, ""}));
  EXPECT_EQ(got[got.size() - 2], (Token{symText, "z"}));
  EXPECT_EQ(got[got.size() - 1], (Token{tagB, ""}));
}

TEST(TokenizerFile, MissingEmptyAndUnreadableFiles) {
  HtmlTokenizer t;
  EXPECT_THROW(t.OpenFile("/nonexistent/tavra/none.htm"), InOutError);

  TempFile empty("");
  EXPECT_TRUE(fileTokens(empty.path()).empty());

  // A folder, a device and a FIFO are refused at once, without blocking or reading them.
  EXPECT_THROW(t.OpenFile(std::filesystem::temp_directory_path().string()), InOutError);
  {
    tavra::testing::HangWatchdog watchdog("the device /dev/zero as a document");
    EXPECT_THROW(t.OpenFile("/dev/zero"), InOutError);
  }
  std::string fifo = std::filesystem::temp_directory_path().string() + "/tavra-tok-" + std::to_string(::getpid());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  {
    tavra::testing::HangWatchdog watchdog("a FIFO as a document");
    EXPECT_THROW(t.OpenFile(fifo), InOutError);
  }
  ::unlink(fifo.c_str());

  // An unclosed comment at the end of a file is the parse error, as in memory.
  TempFile open(std::string(2500, 'q') + "<!-- open");
  EXPECT_THROW(fileTokens(open.path()), EParseError);
}

TEST(TokenizerFile, CharactersOfSeveralBytesStraddlingTheBufferBoundaryReadAsInMemory) {
  for (const std::string& mark : {std::string("<meta charset=utf-8>"), std::string("\xEF\xBB\xBF")}) {
    std::string doc = mark;
    placeAcrossBlock(doc, "ž", 1);             // two bytes, one in each block
    placeAcrossBlock(doc, "\xE2\x80\x94", 2);  // an em dash, its last two bytes in the next
    placeAcrossBlock(doc, "\U0001F600", 1);
    placeAcrossBlock(doc, "\xC3(", 1);          // broken: the byte after it is read again
    TempFile file(doc);
    std::vector<Token> fromFile = fileTokens(file.path());
    EXPECT_EQ(fromFile, tavra::test::tokens(doc));
    std::string text;
    for (const Token& t : fromFile) text += t.text;
    EXPECT_NE(text.find("xž"), std::string::npos);
    EXPECT_NE(text.find("x—"), std::string::npos);
    EXPECT_NE(text.find("x\U0001F600"), std::string::npos);
    EXPECT_NE(text.find("x\uFFFD("), std::string::npos);
  }
}

TEST(TokenizerFile, SurrogateHalvesOfUtf16InTwoBlocksReadAsInMemory) {
  for (const bool little : {true, false}) {
    SCOPED_TRACE(little ? "UTF-16LE" : "UTF-16BE");
    auto units = [little](std::u16string_view text) {
      std::string bytes;
      for (char16_t u : text) {
        const char high = char(u >> 8), low = char(u & 0xFF);
        bytes += little ? std::string{low, high} : std::string{high, low};
      }
      return bytes;
    };
    // Pads with 'x' units so that the unit at `piece`'s index `split` begins the next block.
    std::string doc = little ? "\xFF\xFE" : "\xFE\xFF";
    auto across = [&](std::u16string_view piece, std::size_t split) {
      const std::size_t block = HtmlTokenizer::FileBufferSize;
      const std::size_t target = (doc.size() / block + 1) * block - 2 * split;
      while (doc.size() < target) doc += units(u"x");
      doc += units(piece);
    };
    across(u"\U0001F600", 1);          // the low half begins the next block
    across(u"\U0001F600<b>", 2);       // the whole pair ends a block
    across(u"\xD800<i>", 1);           // an unpaired high half: the '<' after it is read again
    across(u"y\xDC00z", 1);            // a low half alone
    TempFile file(doc);
    std::vector<Token> fromFile = fileTokens(file.path());
    EXPECT_EQ(fromFile, tavra::test::tokens(doc));
    std::string text;
    for (const Token& t : fromFile) text += t.text;
    EXPECT_NE(text.find("x\U0001F600x"), std::string::npos) << text.substr(0, 40);
    EXPECT_NE(text.find("x\uFFFD"), std::string::npos);
    EXPECT_NE(text.find("y\uFFFDz"), std::string::npos);
    for (Symbol tag : {tagB, tagI})
      EXPECT_TRUE(std::any_of(fromFile.begin(), fromFile.end(), [tag](const Token& t) { return t.sym == tag; }))
          << SymbolName(tag);
  }
}
