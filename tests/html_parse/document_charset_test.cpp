// Documents in each character set: the same text reads the same whichever set its bytes
// are in, and bytes that are no text in the set never stop a document.

#include <gtest/gtest.h>

#include "html_parse/builder_fixture.h"
#include "html_parse/tokenizer_test_util.h"
#include "html/parse/document_charset.h"
#include "platform/charsets.h"
#include "platform/fixed_canvas.h"

namespace tavra {
namespace {

using test::Parsed;

// The first text block that holds text.
const TSection* firstBlock(const TCell& cell) {
  for (int i = 0; i < cell.Count(); ++i)
    if (auto* block = dynamic_cast<const TSection*>(&cell[i]); block && block->CharCount > 0) return block;
  return nullptr;
}

std::u16string firstText(const std::string& html) {
  Parsed p(html);
  const TSection* block = firstBlock(p.doc);
  return block ? block->Text : std::u16string();
}

std::string utf16le(std::u16string_view text) { return std::string("\xFF\xFE", 2) + encodeText(utf16ToUtf8(text), Charset::Utf16LE); }
std::string utf16be(std::u16string_view text) { return std::string("\xFE\xFF", 2) + encodeText(utf16ToUtf8(text), Charset::Utf16BE); }

TEST(DocumentCharset, TheSameTextInEverySetReadsTheSame) {
  const std::string czech = "<p>Příliš žluťoučký kůň – „úpěl“</p>";
  const std::u16string expected = u"Příliš žluťoučký kůň – „úpěl“";
  // The program's own files: Windows-1250 without a word of it.
  EXPECT_EQ(firstText(encodeText(czech, Charset::Windows1250)), expected);
  EXPECT_EQ(firstText("<meta charset=\"utf-8\">" + czech), expected);
  EXPECT_EQ(firstText("\xEF\xBB\xBF" + czech), expected);
  EXPECT_EQ(firstText(utf16le(utf8ToUtf16(czech))), expected);
  EXPECT_EQ(firstText(utf16be(utf8ToUtf16(czech))), expected);
  const std::string latin2Head = "<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-2\"></HEAD>";
  const std::string latin2Body = "<p>Příliš žluťoučký kůň</p>";
  EXPECT_EQ(firstText(latin2Head + encodeText(latin2Body, Charset::Iso8859_2)), u"Příliš žluťoučký kůň");
  const std::string french = "<p>Loïc, Søren, Zoë – “œuvre”</p>";
  EXPECT_EQ(firstText("<meta http-equiv=content-type content='text/html;charset=windows-1252'>" +
                      encodeText(french, Charset::Windows1252)),
            u"Loïc, Søren, Zoë – “œuvre”");

  // Laid out, the same text makes the same lines.
  Parsed a("<meta charset=utf-8>" + czech), b(encodeText(czech, Charset::Windows1250));
  FixedCanvas canvas(120, 400);
  int width = 0, chars = 0;
  a.doc.LayoutDocument(canvas, 0, 120, width, chars);
  b.doc.LayoutDocument(canvas, 0, 120, width, chars);
  const auto& la = firstBlock(a.doc)->Lines;
  const auto& lb = firstBlock(b.doc)->Lines;
  ASSERT_EQ(la.size(), lb.size());
  ASSERT_GT(la.size(), 1u);
  for (std::size_t i = 0; i < la.size(); ++i) EXPECT_EQ(la[i].Start, lb[i].Start);
}

TEST(DocumentCharset, OnlyAMetaOfTheHeadNamesTheSet) {
  std::size_t bom = 9;
  EXPECT_EQ(DocumentCharsetOf("<html><meta charset=koi8-r><p>x", bom), Charset::Windows1250);
  EXPECT_EQ(bom, 0u);
  EXPECT_EQ(DocumentCharsetOf("<!-- <meta charset=utf-8> --><p>x", bom), Charset::Windows1250);
  EXPECT_EQ(DocumentCharsetOf("<body><meta charset=utf-8>", bom), Charset::Windows1250);
  EXPECT_EQ(DocumentCharsetOf("<metadata charset=utf-8>", bom), Charset::Windows1250);
  EXPECT_EQ(DocumentCharsetOf("<META NAME=x><META CHARSET = 'UTF-8'>", bom), Charset::Utf8);
  EXPECT_EQ(DocumentCharsetOf(std::string(kCharsetScanBytes, ' ') + "<meta charset=utf-8>", bom),
            Charset::Windows1250);
  EXPECT_EQ(DocumentCharsetOf("\xEF\xBB\xBF<meta charset=windows-1250>", bom), Charset::Utf8);
  EXPECT_EQ(bom, 3u);
}

TEST(DocumentCharset, BytesThatAreNoTextShowTheReplacementAndTheDocumentGoesOn) {
  EXPECT_EQ(firstText("<meta charset=utf-8><p>a\xC3(b\xFF" "c\xE2\x82" "d\xED\xA0\x80" "e\xF0\x9F\x98" "f</p><p>next</p>"),
            u"a\uFFFD(b\uFFFDc\uFFFDd\uFFFDe\uFFFDf");
  Parsed p("<meta charset=utf-8><p>\xC0\xAF</p><p>after</p>");
  EXPECT_EQ(p.blocks(), "T'' P T'\uFFFD\uFFFD' P T'after' P T''");
  // Half a character at the end of UTF-16 text, and an unpaired surrogate.
  std::string odd = utf16le(u"ab");
  odd += 'c';
  EXPECT_EQ(firstText(odd), u"ab\uFFFD");
  EXPECT_EQ(firstText(utf16be(std::u16string(u"x") + char16_t(0xD800) + u"y")), u"x\uFFFDy");
  // A Windows-1250 byte the code page leaves undefined.
  EXPECT_EQ(firstText("<p>a\x81z</p>"), u"a\uFFFDz");
}

}  // namespace
}  // namespace tavra
