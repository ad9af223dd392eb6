#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tavra::rtf {
namespace {

std::u16string textOf(const Document& doc, std::size_t paragraph) {
  return paragraph < doc.paragraphs.size() ? plainText(doc.paragraphs[paragraph]) : u"<missing>";
}

CharStyle style(bool bold, bool italic, bool underline, bool strike) {
  CharStyle s;
  s.bold = bold;
  s.italic = italic;
  s.underline = underline;
  s.strike = strike;
  return s;
}

TEST(RtfReader, NotFoundDocumentHasTwoEmptyParagraphsThenBoldJustifiedSentence) {
  const Document doc = parse("{\\rtf1\\ansi \\par\\par\\b\\qj Data na 5.1.2001 nebyla nalezena!}\r\n");
  ASSERT_EQ(doc.paragraphs.size(), 3u);
  EXPECT_TRUE(doc.paragraphs[0].runs.empty());
  EXPECT_TRUE(doc.paragraphs[1].runs.empty());
  EXPECT_EQ(doc.paragraphs[0].alignment, Alignment::Default);
  const Paragraph& p = doc.paragraphs[2];
  EXPECT_EQ(p.alignment, Alignment::Justify);
  ASSERT_EQ(p.runs.size(), 1u);
  EXPECT_EQ(p.runs[0].text, u"Data na 5.1.2001 nebyla nalezena!");
  EXPECT_EQ(p.runs[0].style, style(true, false, false, false));
}

TEST(RtfReader, CharacterStylesSwitchOnAndOffAndGroupsRestoreThem) {
  const Document doc = parse("{\\rtf1 a\\b b\\b0 c\\i d{\\ul e\\strike f}g\\i0\\ul h\\ul0 i\\plain j}");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 9u);
  const std::u16string texts[] = {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"ij"};
  const CharStyle styles[] = {style(0, 0, 0, 0), style(1, 0, 0, 0), style(0, 0, 0, 0),
                              style(0, 1, 0, 0), style(0, 1, 1, 0), style(0, 1, 1, 1),
                              style(0, 1, 0, 0), style(0, 0, 1, 0), style(0, 0, 0, 0)};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].text, texts[i]) << i;
    EXPECT_EQ(runs[i].style, styles[i]) << i;
  }
}

TEST(RtfReader, ParagraphsTakeTheAlignmentInForceAtTheirEnd) {
  const Document doc = parse("{\\rtf1 one\\par\\qc two\\par three\\par\\pard four\\par\\ql five\\par"
                             "\\qr six\\par\\qj seven}");
  ASSERT_EQ(doc.paragraphs.size(), 7u);
  const Alignment expected[] = {Alignment::Default, Alignment::Center, Alignment::Center,
                                Alignment::Default, Alignment::Left,   Alignment::Right,
                                Alignment::Justify};
  const std::u16string texts[] = {u"one", u"two", u"three", u"four", u"five", u"six", u"seven"};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(doc.paragraphs[i].alignment, expected[i]) << i;
    EXPECT_EQ(textOf(doc, i), texts[i]) << i;
  }
}

TEST(RtfReader, LineBreaksTabsAndTheFinalParagraphMark) {
  const Document doc = parse("{\\rtf1 a\\line b\\tab c\\par}");
  // The closing paragraph mark does not open another, empty paragraph.
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(textOf(doc, 0), u"a\nb\tc");
  // Raw line ends in the source are not text; an escaped line end is a paragraph mark.
  const Document raw = parse("{\\rtf1 a\r\nb\\\nc}");
  ASSERT_EQ(raw.paragraphs.size(), 2u);
  EXPECT_EQ(textOf(raw, 0), u"ab");
  EXPECT_EQ(textOf(raw, 1), u"c");
}

TEST(RtfReader, FontSizeInHalfPointsIsKeptPerRunAndForTheParagraphMark) {
  const Document doc = parse("{\\rtf1 \\fs20 small\\fs36 big\\par\\fs-5 x\\fs y}");
  ASSERT_EQ(doc.paragraphs.size(), 2u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].style.halfPoints, 20);
  EXPECT_EQ(runs[1].style.halfPoints, 36);
  EXPECT_EQ(doc.paragraphs[0].markStyle.halfPoints, 36);
  // A missing or invalid size falls back to 12 points.
  ASSERT_EQ(doc.paragraphs[1].runs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[1].runs[0].text, u"xy");
  EXPECT_EQ(doc.paragraphs[1].runs[0].style.halfPoints, 24);
}

TEST(RtfReader, BytesAreWindows1250AndUnicodeCharactersDropTheirFallback) {
  // "Pátek" with \'e1, "Říjen" with \'d8 and \'ed, "šťastný" with raw bytes.
  const Document doc = parse("{\\rtf1 P\\'e1tek \\'d8\\'edjen \x9a\x9d\x61stn\xfd}");
  EXPECT_EQ(textOf(doc, 0), u"Pátek Říjen šťastný");
  // \uN with one fallback byte (the default), a negative N, \uc2 with a two-byte fallback
  // given as hex bytes, and \uc0 with no fallback.
  const Document uni = parse("{\\rtf1 \\u268?es\\u-3913 ?{\\uc2\\u345\\'72\\'7az}\\uc0\\u269 a}");
  EXPECT_EQ(textOf(uni, 0), u"Čes\uF0B7\u0159z\u010Da");
}

TEST(RtfReader, EscapedCharactersAndSpecialWords) {
  const Document doc = parse("{\\rtf1 \\{a\\}\\\\b\\~c\\-d\\emdash\\ldblquote e\\rdblquote}");
  EXPECT_EQ(textOf(doc, 0), u"{a}\\b\u00A0cd\u2014\u201Ce\u201D");
}

TEST(RtfReader, DestinationsAndUnknownControlWordsAreSkipped) {
  const Document doc = parse(
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Someone;}"
      "{\\info{\\title Nadpis}}\\viewkind4\\uc1\\pard\\cf1\\f0\\lang1029 Text"
      "{\\*\\unknowndestination {nested} words}\\foobar123 more}");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(textOf(doc, 0), u"Textmore");
}

TEST(RtfReader, TextAfterTheOutermostGroupIsNotRead) {
  const Document doc = parse("  \r\n{\\rtf1 inside}outside{\\b more}");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(textOf(doc, 0), u"inside");
}

TEST(RtfReader, InputThatIsNotRichTextIsShownAsPlainLines) {
  const Document doc = parse("first line\r\nsecond \\b line\rthird\n\xe8tvrt\xfd\n");
  ASSERT_EQ(doc.paragraphs.size(), 4u);
  EXPECT_EQ(textOf(doc, 0), u"first line");
  EXPECT_EQ(textOf(doc, 1), u"second \\b line");
  EXPECT_EQ(textOf(doc, 2), u"third");
  EXPECT_EQ(textOf(doc, 3), u"čtvrtý");
  EXPECT_EQ(parse("").paragraphs.size(), 1u);
}

TEST(RtfReader, DamagedInputNeverFails) {
  // Unbalanced braces, cut-off control words and hex bytes, huge numbers.
  const char* const inputs[] = {
      "{\\rtf1",
      "{\\rtf1 a}}}}",
      "{\\rtf1 \\",
      "{\\rtf1 \\'",
      "{\\rtf1 \\'4",
      "{\\rtf1 \\u",
      "{\\rtf1 \\u99999999999999999999 x\\fs99999999999999999999 y\\uc99999999999 \\u65 z}",
      "{\\rtf1 }}}{{{ \\par",
      "{\\rtf1 \\-\\",
      "{\\rtf1 \\*}",
  };
  for (const char* input : inputs) {
    const Document doc = parse(input);
    EXPECT_FALSE(doc.paragraphs.empty()) << input;
  }
  // A cut-off hex byte takes the digits that are there; control bytes are not text.
  EXPECT_EQ(textOf(parse("{\\rtf1 a\\'41\\'4"), 0), u"aA");
  // A size past the limit is clamped, not wrapped to a negative value.
  EXPECT_GT(parse("{\\rtf1 \\fs99999999999999999999 y}").paragraphs[0].runs[0].style.halfPoints, 0);
}

TEST(RtfReader, RandomMixturesOfItsOwnSyntaxNeverFail) {
  // Pieces of the syntax in random order: under the sanitizers this finds any read past
  // the end or state left behind by a cut-off control word.
  const char* const pieces[] = {"{", "}", "\\", "'", "u", "uc", "-", "9", "0", "e", "b", "par",
                                "*", " ", "\r\n", "fonttbl", "\xe8", "ul", "q", "c"};
  std::mt19937 random(1999);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  for (int round = 0; round < 2000; ++round) {
    std::string input = "{\\rtf1 ";
    for (int i = 0; i < 40; ++i) input += pieces[pick(random)];
    const Document doc = parse(input);
    ASSERT_FALSE(doc.paragraphs.empty()) << input;
  }
}

TEST(RtfReader, DeepNestingIsBoundedAndKeepsTheDeepestState) {
  std::string deep = "{\\rtf1 ";
  for (int i = 0; i < 100000; ++i) deep += "{\\b ";
  deep += "x";
  for (int i = 0; i < 100000; ++i) deep += "}";
  deep += "y}";
  const Document doc = parse(deep);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, u"x");
  EXPECT_TRUE(runs[0].style.bold);
  EXPECT_EQ(runs[1].text, u"y");
  EXPECT_FALSE(runs[1].style.bold);

  // Past the limit, the state of the deepest allowed group returns once the extra groups close.
  std::string over = "{\\rtf1 ";
  for (int i = 0; i < kMaxGroupDepth + 5; ++i) over += "{";
  over += "\\i a{\\b b}c";
  for (int i = 0; i < kMaxGroupDepth + 5; ++i) over += "}";
  over += "d}";
  const Document o = parse(over);
  ASSERT_EQ(o.paragraphs.size(), 1u);
  EXPECT_EQ(textOf(o, 0), u"abcd");
  EXPECT_FALSE(o.paragraphs[0].runs.back().style.italic);
}

}  // namespace
}  // namespace tavra::rtf
