#include "html/parse/tokenizer.h"

#include <gtest/gtest.h>

#include "html_parse/tokenizer_test_util.h"
#include "platform/unicode.h"

using namespace tavra;
using tavra::test::Token;
using tavra::test::text;
using tavra::test::tokens;

namespace {

// The characters GetCh delivers, up to the end marker.
std::string characters(std::string_view html) {
  HtmlTokenizer t;
  t.SetText(html.data(), html.size());
  std::string s;
  for (t.GetCh(); t.CurrentChar != HtmlTokenizer::EndMarker && s.size() < 1000; t.GetCh())
    s += t.CurrentChar;
  return s;
}

}  // namespace

TEST(Tokenizer, EveryLineEndFormReadsAsOneCarriageReturn) {
  EXPECT_EQ(characters("a\r\nb"), "a\rb");
  EXPECT_EQ(characters("a\nb"), "a\rb");
  EXPECT_EQ(characters("a\rb"), "a\rb");
  EXPECT_EQ(characters("a\n\rb"), "a\rb");
  EXPECT_EQ(characters("a\r\n\r\nb"), "a\r\rb");  // two line ends stay two
  EXPECT_EQ(characters("a\n\nb"), "a\r\rb");
  EXPECT_EQ(characters("a\n"), "a\r");
  EXPECT_EQ(characters("a\tb"), "a b");
  // The byte 26 ends the document like the end of the input.
  EXPECT_EQ(characters("ab\x1A" "cd"), "ab");
  EXPECT_EQ(tokens("ab\x1A<b>cd"), (std::vector<Token>{{symText, "ab"}}));
}

TEST(Tokenizer, UpperCharIsTheAsciiUpperCaseOfTheCurrentCharacter) {
  HtmlTokenizer t;
  const char html[] = "a\xE1Z";
  t.SetText(html, 3);
  t.GetCh();
  EXPECT_EQ(t.CurrentChar, 'a');
  EXPECT_EQ(t.UpperChar, 'A');
  t.GetCh();
  EXPECT_EQ(t.UpperChar, U'\u00E1');  // letters past ASCII keep their case
  t.GetCh();
  EXPECT_EQ(t.CurrentChar, 'Z');
}

TEST(Tokenizer, TextFoldsWhiteSpaceOutsidePreformattedText) {
  EXPECT_EQ(tokens("a  \r\n\t b"), (std::vector<Token>{{symText, "a b"}}));
  HtmlTokenizer t;
  tavra::test::start(t, "a  \r\n b");
  t.InPre = true;
  t.NextSymbol();
  EXPECT_EQ(utf16ToUtf8(t.TokenText), "a  \r b");

  // Runs are at most 100 characters long.
  std::vector<Token> runs = tokens(std::string(250, 'x'));
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].text.size(), 100u);
  EXPECT_EQ(runs[1].text.size(), 100u);
  EXPECT_EQ(runs[2].text.size(), 50u);
}

// Letters are taken from the bytes a run at a time; each case is a place where such a run
// must stop, or go on, as reading the characters one by one would.
TEST(Tokenizer, RunsOfLettersEndWhereReadingOneByOneWould) {
  const std::string x98(98, 'x');
  const struct {
    std::string html;
    std::vector<Token> expected;
  } cases[] = {
      {"ab\x9A\xE8" "d&amp;e", {{symText, "ab\u0161\u010Dd"}, {symText, "&"}, {symText, "e"}}},
      {"ab<!-- c -->cd e", {{symText, "abcd e"}}},
      {x98 + "\x9A\x9A\x9Ay", {{symText, x98 + "\u0161\u0161"}, {symText, "\u0161y"}}},
      {"ab\x1A" "cd", {{symText, "ab"}}},
      {"ab\tc\r\nd>", {{symText, "ab c d"}, {symStrayChar, ">"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(tokens(c.html), c.expected) << c.html;
}

TEST(Tokenizer, LessAndGreaterThanInText) {
  EXPECT_EQ(tokens("a < b"), (std::vector<Token>{{symText, "a "}, {symText, "<"}, {symText, " b"}}));
  EXPECT_EQ(tokens("a > b"), (std::vector<Token>{{symText, "a "}, {symStrayChar, ">"}, {symText, " b"}}));
  EXPECT_EQ(tokens("x\x01y"), (std::vector<Token>{{symText, "x"}, {symStrayChar, "\x01"}, {symText, "y"}}));
  EXPECT_EQ(tokens("<3"), (std::vector<Token>{{symText, "<"}, {symText, "3"}}));
}

TEST(Tokenizer, NamedReferences) {
  EXPECT_EQ(text("&amp;"), "&");
  EXPECT_EQ(tokens("&amp x"), (std::vector<Token>{{symText, "&"}, {symText, " x"}}));
  EXPECT_EQ(text("&ampx"), "&ampx");           // not a reference: stays as written
  EXPECT_EQ(text("&AMP;"), "&AMP;");           // names are case-sensitive
  EXPECT_EQ(text("&lt;&gt;&quot;"), "<>\"");
  EXPECT_EQ(text("&nbsp;"), "\u00A0");
  EXPECT_EQ(text("&yuml;"), "\u00FF");
  EXPECT_EQ(text("&frac12;&Ccedil;&times;&szlig;"), "\u00BD\u00C7\u00D7\u00DF");
  EXPECT_EQ(text("&eacute;&Eacute;"), "\u00E9\u00C9");  // the two letter cases are two names
  // Latin-1 letters are themselves, not the Windows-1250 letters of the same bytes.
  EXPECT_EQ(text("&ntilde; &aring; &oslash; &egrave;"), "\u00F1 \u00E5 \u00F8 \u00E8");
  EXPECT_EQ(text("&mdash;&ldquo;&hellip;&rdquo;&euro;&OElig;&alpha;&Omega;&thetasym;&rArr;&ne;&hearts;"),
            "\u2014\u201C\u2026\u201D\u20AC\u0152\u03B1\u03A9\u03D1\u21D2\u2260\u2665");
  EXPECT_EQ(tokens("& x"), (std::vector<Token>{{symText, "&"}, {symText, " x"}}));
  EXPECT_EQ(text("&unknown;"), "&unknown;");
  // Nine characters are more than any name holds: no lookup, the rest is text.
  EXPECT_EQ(tokens("&abcdefghij;"), (std::vector<Token>{{symText, "&abcdefghi"}, {symText, "j;"}}));
  EXPECT_EQ(text("&iquest"), "\u00BF");  // no semicolon at the end of the input
}

TEST(Tokenizer, NumericReferences) {
  EXPECT_EQ(text("&#65;"), "A");
  EXPECT_EQ(text("&#65x"), "Ax");
  EXPECT_EQ(text("&#9;"), " ");
  EXPECT_EQ(text("&#10;"), "\n");
  EXPECT_EQ(text("&#32;&#255;"), " \u00FF");
  EXPECT_EQ(text("&#7;"), "&#7;");
  EXPECT_EQ(text("&#300;&#8212;&#x20AC;&#X3a9;&#x1F600;"), "\u012C\u2014\u20AC\u03A9\U0001F600");
  EXPECT_EQ(text("&#1114111;"), "\U0010FFFF");
  // The values below U+00A0 that are no characters stand for Windows-1250's.
  EXPECT_EQ(text("&#150;&#138;"), "\u2013\u0160");
  // What is no character stays as written.
  EXPECT_EQ(text("&#1114112;"), "&#1114112;");
  EXPECT_EQ(text("&#xD800;"), "&#xD800;");
  EXPECT_EQ(text("&#0;"), "&#0;");
  EXPECT_EQ(text("&#x;"), "&#x;");
  EXPECT_EQ(text("&#31"), "&#31");
  EXPECT_EQ(text("&#;"), "&#;");
  EXPECT_EQ(text("&#00000065;"), "A");  // eight digits are still read
  EXPECT_EQ(tokens("&#0000000065;"), (std::vector<Token>{{symText, "&#000000006"}, {symText, "5;"}}));
}

TEST(Tokenizer, CommentsAndDeclarationsVanish) {
  EXPECT_EQ(text("a<!-- note -->b"), "ab");
  EXPECT_EQ(text("a<!---->b"), "ab");
  EXPECT_EQ(text("a<!-- one --><!-- two -->b"), "ab");
  EXPECT_EQ(text("a<!-- x -- y -- \r\n >b"), "ab");
  // A double dash followed by other text does not close the comment.
  EXPECT_EQ(text("a<!-- x -- y -->b"), "ab");
  EXPECT_EQ(tokens("a<!-- x -- y --> z -->b"),
            (std::vector<Token>{{symText, "a z --"}, {symStrayChar, ">"}, {symText, "b"}}));
  EXPECT_EQ(text("a<!-- <b>bold</b> -- still --- >b"), "ab");
  EXPECT_EQ(tokens("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<b>x"),
            (std::vector<Token>{{symText, " "}, {tagB, ""}, {symText, "x"}}));
  EXPECT_EQ(text("a<!>b<!-x>c"), "abc");
  // A closed comment or declaration may end the input.
  EXPECT_EQ(tokens("a<!-- last -->"), (std::vector<Token>{{symText, "a"}}));
  EXPECT_EQ(tokens("<!DOCTYPE html>"), (std::vector<Token>{}));
}

TEST(Tokenizer, UnclosedCommentOrDeclarationRaisesTheParseError) {
  for (const char* html : {"a<!-- never closed", "a <! b", "a<!-- x -- ", "<!DOCTYPE html", "<!", "<!-",
                           "<b x='<!--'>", "a<!-- x --\x1A -->"}) {
    SCOPED_TRACE(html);
    try {
      tokens(html);
      FAIL() << "no error";
    } catch (const EParseError& e) {
      EXPECT_STREQ(e.what(), "Open Comment at End of HTML File");
    }
  }
}

TEST(Tokenizer, TagsAndEndTags) {
  EXPECT_EQ(tokens("<B>x</b>"), (std::vector<Token>{{tagB, ""}, {symText, "x"}, {tagBEnd, ""}}));
  EXPECT_EQ(tokens("<br></br>"), (std::vector<Token>{{tagBr, ""}, {symOtherTag, ""}}));
  EXPECT_EQ(tokens("</>x"), (std::vector<Token>{{symOtherTag, ""}, {symText, "x"}}));
  EXPECT_EQ(tokens("<blink>"), (std::vector<Token>{{symOtherTag, ""}}));
  EXPECT_EQ(tokens("<tables>"), (std::vector<Token>{{symOtherTag, ""}}));  // whole names only
  EXPECT_EQ(tokens("<selected><wrap>"), (std::vector<Token>{{attrSelected, ""}, {attrWrap, ""}}));
  EXPECT_EQ(tokens("<b"), (std::vector<Token>{{tagB, ""}}));  // ended by the end of input
  EXPECT_EQ(tokens("<p junk !@# more>x"), (std::vector<Token>{{tagP, ""}, {symText, "x"}}));
}

TEST(Tokenizer, HeadingLevelFollowsTheLetterH) {
  HtmlTokenizer t;
  tavra::test::start(t, "<h2 align=\"Center\">T</H2><h7><h>");
  t.NextSymbol();
  EXPECT_EQ(t.CurrentSymbol, tagH);
  EXPECT_EQ(t.HeadingLevel, 2);
  ASSERT_EQ(t.Attributes.Count(), 1);
  EXPECT_EQ(t.Attributes[0].Sym, attrAlign);
  EXPECT_EQ(t.Attributes[0].Text, "Center");
  t.NextSymbol();
  t.NextSymbol();
  EXPECT_EQ(t.CurrentSymbol, tagHEnd);
  EXPECT_EQ(t.HeadingLevel, 2);
  t.NextSymbol();
  EXPECT_EQ(t.CurrentSymbol, tagH);
  EXPECT_EQ(t.HeadingLevel, 0);  // 7 is no heading level
  t.NextSymbol();
  EXPECT_EQ(t.CurrentSymbol, tagH);
  EXPECT_EQ(t.HeadingLevel, 0);
}

TEST(Tokenizer, AttributeValueForms) {
  HtmlTokenizer t;
  auto tag = [&](std::string_view html) -> const TAttributeList& {
    tavra::test::start(t, html);
    t.NextSymbol();
    return t.Attributes;
  };

  const TAttributeList& table = tag("<TABLE border width=\"50%\" cellpadding = 4 bgcolor=#FFcc00>");
  ASSERT_EQ(table.Count(), 4);
  EXPECT_EQ(table[0].Sym, attrBorder);
  EXPECT_EQ(table[0].Value, 1);  // BORDER alone means 1
  EXPECT_EQ(table[0].Text, "");
  EXPECT_EQ(table[1].Text, "50%");
  EXPECT_EQ(table[1].Value, 50);
  EXPECT_EQ(table[2].Sym, attrCellpadding);
  EXPECT_EQ(table[2].Value, 4);
  EXPECT_EQ(table[3].Text, "#FFcc00");  // bare values keep their letter case
  EXPECT_EQ(table[3].Value, 0);

  const TAttributeList& font = tag("<font size=+1 color=red face='Times, serif'>");
  EXPECT_EQ(font.Find(attrSize)->Text, "+1");
  EXPECT_EQ(font.Find(attrSize)->Value, 1);
  EXPECT_EQ(font.Find(attrColor)->Text, "red");
  EXPECT_EQ(font.Find(attrFace)->Text, "Times, serif");

  const TAttributeList& td = tag("<td width=25% height=-3 colspan=2x valign=top>");
  EXPECT_EQ(td.Find(attrWidth)->Text, "25%");
  EXPECT_EQ(td.Find(attrWidth)->Value, 25);
  EXPECT_EQ(td.Find(attrHeight)->Value, -3);
  EXPECT_EQ(td.Find(attrColspan)->Text, "2X");  // a number value is upper-cased
  EXPECT_EQ(td.Find(attrColspan)->Value, 0);   // and is no integer
  EXPECT_EQ(td.Find(attrValign)->Text, "top");

  const TAttributeList& a = tag("<a href=\"x.htm?a=1&amp;b=2\" name=' \r\n top\r\n ' target=>");
  EXPECT_EQ(a.Find(attrHref)->Text, "x.htm?a=1&b=2");
  EXPECT_EQ(a.Find(attrName)->Text, "top");  // line ends dropped, then trimmed
  EXPECT_EQ(a.Find(attrTarget)->Text, "");

  const TAttributeList& input = tag("<input type=checkbox checked value=\"12\" data-x=1 value=\"3\">");
  EXPECT_EQ(input.Find(attrChecked)->Value, 0);
  EXPECT_EQ(input.Find(attrValue)->Value, 12);  // the first of two
  EXPECT_EQ(input.Count(), 5);
  EXPECT_EQ(input[3].Sym, symOtherAttr);  // unknown names are kept too
  EXPECT_EQ(input.Find(attrBgcolor), nullptr);

  // Reading stops at the first character that cannot start a name.
  const TAttributeList& img = tag("<img src=a.gif 1x=2 alt=b>");
  EXPECT_EQ(img.Count(), 1);
  // An unclosed quote runs to the end.
  const TAttributeList& open = tag("<img alt=\"never closed>text");
  EXPECT_EQ(open.Find(attrAlt)->Text, "never closed>text");
  // A quoted number with its percent sign anywhere but last is no number.
  EXPECT_EQ(tag("<td width=\"5%0\">").Find(attrWidth)->Value, 0);
  EXPECT_EQ(tag("<hr http-equiv=x>").Find(attrHttpEquiv)->Text, "x");
}

TEST(Tokenizer, OnlyTagsThatKeepAttributesReplaceTheList) {
  HtmlTokenizer t;
  tavra::test::start(t, "<img src=a><b class=x></img><p align=center>");
  t.NextSymbol();
  ASSERT_NE(t.Attributes.Find(attrSrc), nullptr);
  t.NextSymbol();  // B keeps none: the list stays
  EXPECT_NE(t.Attributes.Find(attrSrc), nullptr);
  t.NextSymbol();  // end tags never replace it
  EXPECT_NE(t.Attributes.Find(attrSrc), nullptr);
  t.NextSymbol();
  EXPECT_EQ(t.Attributes.Find(attrSrc), nullptr);
  EXPECT_EQ(t.Attributes.Find(attrAlign)->Text, "center");
}

TEST(Tokenizer, ContentSymbolsClearNoParagraphSpace) {
  HtmlTokenizer t;
  tavra::test::start(t, "<b><i>x<p><img>");
  t.NoParagraphSpace = true;
  t.NextSymbol();
  t.NextSymbol();
  EXPECT_TRUE(t.NoParagraphSpace);
  t.NextSymbol();
  EXPECT_FALSE(t.NoParagraphSpace);
  t.NoParagraphSpace = true;
  t.NextSymbol();
  EXPECT_TRUE(t.NoParagraphSpace);
  t.NextSymbol();
  EXPECT_FALSE(t.NoParagraphSpace);
}

TEST(Tokenizer, TextAreaContent) {
  HtmlTokenizer t;
  tavra::test::start(t, "<textarea>one\r\n<b>x &amp; <!-- gone -->y</TEXTAREA >after");
  t.NextSymbol();
  ASSERT_EQ(t.CurrentSymbol, tagTextarea);
  std::vector<Token> content;
  for (int i = 0; i < 50; ++i) {
    t.NextTextAreaSymbol();
    if (t.CurrentSymbol == tagTextareaEnd || t.CurrentSymbol == symEndOfFile) break;
    content.push_back({t.CurrentSymbol, utf16ToUtf8(t.TokenText)});
  }
  EXPECT_EQ(t.CurrentSymbol, tagTextareaEnd);
  EXPECT_EQ(content, (std::vector<Token>{{symText, "one"},
                                         {symLineEnd, ""},
                                         {symOtherTag, "<b"},
                                         {symText, ">x "},
                                         {symText, "&"},
                                         {symText, " y"}}));
  t.SkipPastTagEnd();
  t.NextSymbol();
  EXPECT_EQ(utf16ToUtf8(t.TokenText), "after");

  tavra::test::start(t, "no end");
  t.NextTextAreaSymbol();
  t.NextTextAreaSymbol();
  EXPECT_EQ(t.CurrentSymbol, symEndOfFile);
}

TEST(Tokenizer, ScriptContent) {
  HtmlTokenizer t;
  tavra::test::start(t, "if (a<b) x(\"&amp;\");\n<!-- kept --></Script><b>");
  t.InScript = true;
  std::vector<Token> content;
  for (int i = 0; i < 50; ++i) {
    t.NextScriptSymbol();
    if (t.CurrentSymbol == tagScriptEnd || t.CurrentSymbol == symEndOfFile) break;
    content.push_back({t.CurrentSymbol, utf16ToUtf8(t.TokenText)});
  }
  EXPECT_EQ(t.CurrentSymbol, tagScriptEnd);
  EXPECT_EQ(content, (std::vector<Token>{{symText, "if (a"},
                                         {symOtherTag, "<b"},
                                         {symText, ") x(\"&amp;\");"},
                                         {symLineEnd, ""},
                                         {symOtherTag, "<"},
                                         {symText, "!-- kept -->"}}));
  t.InScript = false;
  t.NextSymbol();
  EXPECT_EQ(t.CurrentSymbol, tagB);  // the end tag's `>` was read with it

  // At most seven characters after `<`, then a `>` only if it comes next.
  tavra::test::start(t, "<scriptxy></scriptz><i>");
  content.clear();
  for (int i = 0; i < 5; ++i) {
    t.NextScriptSymbol();
    content.push_back({t.CurrentSymbol, utf16ToUtf8(t.TokenText)});
  }
  EXPECT_EQ(content, (std::vector<Token>{{symOtherTag, "<scriptx"},
                                         {symText, "y>"},
                                         {symOtherTag, "</script"},
                                         {symText, "z>"},
                                         {symOtherTag, "<i>"}}));
}

TEST(Tokenizer, IncludeDirectivesInsertTheHandlersTextOnce) {
  HtmlTokenizer t;
  int calls = 0;
  std::string command;
  std::vector<std::string> params;
  std::string inserted;
  t.OnInclude = [&](const std::string& cmd, std::vector<std::string>& p,
                    const char*& buffer, int& size) {
    ++calls;
    command = cmd;
    params = p;
    EXPECT_EQ(size, 0);
    inserted = "<b>in</b><!--#include file=\"again\"-->!";
    buffer = inserted.data();
    size = int(inserted.size());
  };
  tavra::test::start(t, "a<!--#Include File=\"part.htm\" Virtual=x -->z");
  std::vector<Token> got = tavra::test::readAll(t);
  EXPECT_EQ(calls, 1);  // the directive inside the inserted text is a plain comment
  EXPECT_EQ(command, "Include");
  EXPECT_EQ(params, (std::vector<std::string>{"FILE=\"part.htm\"", "VIRTUAL=\"x\""}));
  EXPECT_EQ(got, (std::vector<Token>{{symText, "a"}, {tagB, ""}, {symText, "in"}, {tagBEnd, ""},
                                     {symText, "!z"}}));

  // A handler that inserts nothing leaves a plain comment; without a handler the directive
  // is a comment.
  t.OnInclude = [&](const std::string&, std::vector<std::string>&, const char*&,
                    int&) { ++calls; };
  tavra::test::start(t, "a<!--#echo var=\"x\" -->b");
  EXPECT_EQ(tavra::test::readAll(t), (std::vector<Token>{{symText, "ab"}}));
  EXPECT_EQ(calls, 2);
  t.OnInclude = nullptr;
  tavra::test::start(t, "a<!--#include file=x -->b");
  EXPECT_EQ(tavra::test::readAll(t), (std::vector<Token>{{symText, "ab"}}));

  // A directive written inside another's attribute value is not run; the end of input
  // inside a directive is the parse error.
  int nested = 0;
  t.OnInclude = [&](const std::string&, std::vector<std::string>&, const char*&,
                    int&) { ++nested; };
  tavra::test::start(t, "<!--#a b=\"<!--#c d=1 -->\" -->x");
  EXPECT_EQ(tavra::test::readAll(t), (std::vector<Token>{{symText, "x"}}));
  EXPECT_EQ(nested, 1);
  EXPECT_THROW(tavra::test::start(t, "<!--#include file=\"x\""), EParseError);
}

TEST(Tokenizer, TwoDocumentsSideBySide) {
  HtmlTokenizer first, second;
  tavra::test::start(first, "<b>one</b>");
  tavra::test::start(second, "<i>two &amp; three");
  first.NextSymbol();
  second.NextSymbol();
  first.NextSymbol();
  second.NextSymbol();
  EXPECT_EQ(utf16ToUtf8(first.TokenText), "one");
  EXPECT_EQ(utf16ToUtf8(second.TokenText), "two ");
  second.NextSymbol();
  EXPECT_EQ(utf16ToUtf8(second.TokenText), "&");
  first.NextSymbol();
  EXPECT_EQ(first.CurrentSymbol, tagBEnd);
}
