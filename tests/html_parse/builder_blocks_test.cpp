// The blocks that text, paragraphs, headings, lists, fonts and preformatted text make.

#include <gtest/gtest.h>

#include "builder_fixture.h"
#include "html/parse/colors.h"
#include "platform/unicode.h"

namespace tavra::test {
namespace {

TEST(BuilderParagraphs, OneSpaceBetweenParagraphsNoneForRepeatedTags) {
  EXPECT_EQ(Parsed("a<p>b").blocks(), "T'a' P T'b'");
  EXPECT_EQ(Parsed("a<p><p></p>b").blocks(), "T'a' P T'b'");
  EXPECT_EQ(Parsed("a<p>b<p>c").blocks(), "T'a' P T'b' P T'c'");
  EXPECT_EQ(Parsed("a<p>b</p><p>c").blocks(), "T'a' P T'b' P T'c'");
  // White space around the tags does not make text of its own.
  EXPECT_EQ(Parsed("a\n<p>\n  b").blocks(), "T'a ' P T'b'");
}

TEST(BuilderParagraphs, AlignAppliesToTheParagraphOnly) {
  Parsed p("<p align=RIGHT>r<br>s<p>t");
  EXPECT_EQ(p.blocks(), "T'' P T'r' T's' P T't'");
  EXPECT_EQ(p.block<TSection>(2).Alignment, alRight);
  EXPECT_EQ(p.block<TSection>(3).Alignment, alRight);  // BR continues the paragraph's alignment
  EXPECT_EQ(p.block<TSection>(5).Alignment, alLeft);
  Parsed q("<p align=middle>x");
  EXPECT_EQ(q.block<TSection>(2).Alignment, alLeft);
}

TEST(BuilderParagraphs, BreakClearAndRule) {
  Parsed p("a<br clear=left>b<hr>c");
  EXPECT_EQ(p.blocks(), "T'a' T'b' R T'c'");
  EXPECT_EQ(p.block<TSection>(1).ClearMode, 1);
  // A BR on an empty block keeps a line: the block gets one blank.
  EXPECT_EQ(Parsed("<br><br>x").blocks(), "T' ' T' ' T'x'");
}

TEST(BuilderHeadings, SpacersAroundAndFontRestoredAfterEndTag) {
  Parsed p("a<h2 align=center>Head</h2>b");
  EXPECT_EQ(p.blocks(), "T'a' H2 T'Head' H2 T'b'");
  const TSection& head = p.block<TSection>(2);
  EXPECT_EQ(head.FontRuns[0].TheFont->NormalSize, 18);
  EXPECT_TRUE(head.FontRuns[0].TheFont->Style() & fsBold);
  EXPECT_EQ(head.Alignment, alCenter);
  const TSection& after = p.block<TSection>(4);
  EXPECT_EQ(after.FontRuns[0].TheFont->NormalSize, 12);
  EXPECT_FALSE(after.FontRuns[0].TheFont->Style() & fsBold);

  Parsed h1("<h1>x</h1><h4>y</h4><h6>z</h6>");
  EXPECT_EQ(h1.blocks(), "T'' H1 T'x' H1 H4 T'y' H4 H6 T'z' H6");
  EXPECT_EQ(h1.block<TSection>(2).FontRuns[0].TheFont->NormalSize, 24);
  EXPECT_EQ(h1.block<TSection>(5).FontRuns[0].TheFont->NormalSize, 12);
  EXPECT_EQ(h1.block<TSection>(8).FontRuns[0].TheFont->NormalSize, 8);
}

TEST(BuilderHeadings, FullFontStackMakesHeadingsPlain) {
  // 24 FONT tags fill the stack (the base font is the 25th): the heading keeps the
  // current font and emits no spacer; its end tag still closes the block and pops.
  std::string html;
  for (int i = 0; i < 24; ++i) html += "<font color=red>";
  html += "a<h1>b</h1>c";
  Parsed p(html);
  EXPECT_EQ(p.blocks(), "T'ab' H1 T'c'");
  const TMyFont& heading = *p.block<TSection>(0).FontRuns.Last().TheFont;
  EXPECT_EQ(heading.NormalSize, 12);
  EXPECT_FALSE(heading.Style() & fsBold);
}

TEST(BuilderStyles, StyleBitsOnAndOffInRuns) {
  Parsed p("<b>b<i>bi</b>i</i><u>u</u><strike>s</strike>n");
  const TSection& s = p.block<TSection>(0);
  ASSERT_EQ(utf16ToUtf8(s.Text), "bbiiusn");
  auto styleAt = [&](int pos) {
    int index = 0;
    return s.FontRuns.RunAtPos(pos, index).TheFont->Style();
  };
  EXPECT_EQ(styleAt(0), unsigned(fsBold));
  EXPECT_EQ(styleAt(1), unsigned(fsBold | fsItalic));
  EXPECT_EQ(styleAt(3), unsigned(fsItalic));
  EXPECT_EQ(styleAt(4), unsigned(fsUnderline));
  EXPECT_EQ(styleAt(5), unsigned(fsStrikeOut));
  EXPECT_EQ(styleAt(6), 0u);
}

TEST(BuilderStyles, SubscriptAndSuperscriptRuns) {
  Parsed p("x<sub>1</sub>y<sup>2</sup>");
  const TSection& s = p.block<TSection>(0);
  int index = 0;
  EXPECT_EQ(s.FontRuns.RunAtPos(1, index).ScriptMode, smSubscript);
  EXPECT_EQ(s.FontRuns.RunAtPos(1, index).TheFont->NormalSize, 9);
  EXPECT_EQ(s.FontRuns.RunAtPos(2, index).ScriptMode, smNormal);
  EXPECT_EQ(s.FontRuns.RunAtPos(3, index).ScriptMode, smSuperscript);
}

TEST(BuilderFonts, BaseFontAndRelativeSizes) {
  // After a finished block BASEFONT leaves the current size alone but moves the base.
  Parsed p("<p>abc<basefont size=5>def<font size=+1>g</font>h");
  EXPECT_EQ(p.blocks(), "T'' P T'abcdefgh'");
  const TSection& s = p.block<TSection>(2);
  int index = 0;
  EXPECT_EQ(s.FontRuns.RunAtPos(3, index).TheFont->NormalSize, 12);
  EXPECT_EQ(s.FontRuns.RunAtPos(6, index).TheFont->NormalSize, 24);
  EXPECT_EQ(s.FontRuns.RunAtPos(7, index).TheFont->NormalSize, 12);

  // Before anything is finished it sets the font of the text that follows.
  Parsed q("<basefont size=5>abc");
  EXPECT_EQ(q.block<TSection>(0).FontRuns.Last().TheFont->NormalSize, 18);
}

TEST(BuilderFonts, SizeClampedInsideAndOutsidePre) {
  Parsed p("<font size=9>x</font><font size=-9>y</font><pre><font size=9>z</font></pre>");
  const TSection& s = p.block<TSection>(0);
  int index = 0;
  EXPECT_EQ(s.FontRuns.RunAtPos(0, index).TheFont->NormalSize, 36);
  EXPECT_EQ(s.FontRuns.RunAtPos(1, index).TheFont->NormalSize, 8);
  const TPreFormated& pre = p.block<TPreFormated>(1);
  ASSERT_EQ(utf16ToUtf8(pre.Text), "z");
  EXPECT_EQ(pre.FontRuns.RunAtPos(0, index).TheFont->NormalSize, 30);
}

TEST(BuilderFonts, ColourFaceAndFixedPitch) {
  Parsed p("<font color=red face=' Arial , Helvetica'>a</font><tt>b</tt>c");
  const TSection& s = p.block<TSection>(0);
  int index = 0;
  const TMyFont& a = *s.FontRuns.RunAtPos(0, index).TheFont;
  EXPECT_EQ(a.Color(), ColorRef(0x0000FF | PaletteRelative));
  EXPECT_EQ(a.Name(), "Arial");
  const TMyFont& b = *s.FontRuns.RunAtPos(1, index).TheFont;
  EXPECT_EQ(b.Name(), p.doc.PreFontName);
  EXPECT_TRUE(b.Fixed);
  EXPECT_EQ(b.NormalSize, 10);
  const TMyFont& c = *s.FontRuns.RunAtPos(2, index).TheFont;
  EXPECT_EQ(c.Name(), p.doc.FontName);
  EXPECT_FALSE(c.Fixed);
}

TEST(BuilderFonts, BigAndSmallStepThroughTheTable) {
  Parsed p("<big>a<big>b</big></big><small>c<small>d<small>e</small>g</small>h</small>f");
  const TSection& s = p.block<TSection>(0);
  ASSERT_EQ(utf16ToUtf8(s.Text), "abcdeghf");
  int index = 0;
  auto size = [&](int pos) { return s.FontRuns.RunAtPos(pos, index).TheFont->NormalSize; };
  EXPECT_EQ(size(0), 14);
  EXPECT_EQ(size(1), 18);
  EXPECT_EQ(size(2), 10);
  EXPECT_EQ(size(3), 8);
  EXPECT_EQ(size(4), 8);  // SMALL at the smallest step pushes nothing...
  EXPECT_EQ(size(5), 10);  // ...but its end tag pops a level all the same
  EXPECT_EQ(size(6), 12);
  EXPECT_EQ(size(7), 12);  // the base font is never popped
}

TEST(BuilderFonts, BigAtTheLargestStepKeepsTheSizeAndBalancesItsEndTag) {
  Parsed p("<font size=2><font size=7><big>x</big>y</font>z</font>w");
  const TSection& s = p.block<TSection>(0);
  int index = 0;
  auto size = [&](int pos) { return s.FontRuns.RunAtPos(pos, index).TheFont->NormalSize; };
  EXPECT_EQ(size(0), 36);
  EXPECT_EQ(size(1), 36);
  EXPECT_EQ(size(2), 10);  // /BIG popped BIG's own level, so /FONT returns to size 2
  EXPECT_EQ(size(3), 12);
}

TEST(BuilderBody, FirstBodyReplacesEarlierTextLaterBodiesAreIgnored) {
  Parsed p("junk<body bgcolor=red text=blue link=lime>text<p>more<body bgcolor=yellow text=red>");
  EXPECT_EQ(p.blocks(), "T'text' P T'more'");
  EXPECT_EQ(p.doc.BackgroundColor, ColorRef(0x0000FF | PaletteRelative));
  EXPECT_EQ(p.doc.FontColor, ColorRef(0xFF0000 | PaletteRelative));
  EXPECT_EQ(p.doc.LinkColor, ColorRef(0x00FF00 | PaletteRelative));
  EXPECT_EQ(p.block<TSection>(0).FontRuns[0].TheFont->Color(), ColorRef(0xFF0000 | PaletteRelative));
  EXPECT_EQ(p.block<TSection>(2).FontRuns[0].TheFont->Color(), ColorRef(0xFF0000 | PaletteRelative));

  Parsed bg("<body background=paper.gif>x");
  EXPECT_EQ(bg.doc.BackgroundImageName, "paper.gif");
}

TEST(BuilderBody, EverythingAfterBodyEndIsIgnored) {
  EXPECT_EQ(Parsed("a</body>b<p>c").blocks(), "T'a'");
}

TEST(BuilderBody, CenterAndDivBlocks) {
  Parsed p("a<center>b<div align=right>c</div>d</center>e");
  EXPECT_EQ(p.blocks(), "T'a' T'b' T'c' T'd' T'e'");
  EXPECT_EQ(p.block<TSection>(1).Alignment, alCenter);
  EXPECT_EQ(p.block<TSection>(2).Alignment, alRight);
  EXPECT_EQ(p.block<TSection>(3).Alignment, alCenter);
  EXPECT_EQ(p.block<TSection>(4).Alignment, alLeft);
}

TEST(BuilderHead, TitleBaseAndEvents) {
  std::vector<std::string> metas;
  std::vector<std::string> sounds;
  Parsed p;
  p.host.OnMeta = [&](const std::string& httpEq, const std::string& name, const std::string& content) {
    metas.push_back(httpEq + "|" + name + "|" + content);
  };
  p.host.OnSound = [&](const std::string& src, int loop, bool terminate) {
    sounds.push_back(src + "|" + std::to_string(loop) + (terminate ? "|t" : "|f"));
  };
  p.parse("<head><title>A &amp; B</title><base href=\"http://x/\" target=main>"
          "<meta http-equiv=refresh content=5><meta name=author></head>"
          "<bgsound src=s.wav loop=3><bgsound src=t.wav><bgsound loop=2>text");
  EXPECT_EQ(p.results.ParsedTitle, "A & B");
  EXPECT_EQ(p.results.ParsedBase, "http://x/");
  EXPECT_EQ(p.results.ParsedBaseTarget, "main");
  EXPECT_EQ(metas, (std::vector<std::string>{"refresh||5", "|author|"}));
  EXPECT_EQ(sounds, (std::vector<std::string>{"s.wav|3|f", "t.wav|1|f"}));
  EXPECT_EQ(p.blocks(), "T'text'");
}

TEST(BuilderHead, IncludedTextIsReadInPlaceAndHandlerErrorsPassOn) {
  const std::string inserted = "<b>in</b>";
  Parsed p;
  p.host.OnInclude = [&](const std::string& command, std::vector<std::string>& params, const char*& buffer,
                         int& size) {
    if (command != "include" || params.empty() || params[0] != "FILE=\"x.htm\"") return;
    buffer = inserted.data();
    size = int(inserted.size());
  };
  p.parse("a<!--#include file=\"x.htm\" -->b");
  EXPECT_EQ(p.blocks(), "T'ainb'");
  // A host that takes no includes reads the directive as a comment.
  EXPECT_EQ(Parsed("a<!--#include file=\"x.htm\" -->b").blocks(), "T'ab'");

  // An error of a handler reaches the caller after the text read so far has been placed.
  Parsed q;
  q.host.OnMeta = [](const std::string&, const std::string&, const std::string&) {
    throw std::runtime_error("handler");
  };
  EXPECT_THROW(q.parse("a<p>b<meta name=x>c"), std::runtime_error);
  EXPECT_EQ(q.blocks(), "T'a' P T'b'");
}

TEST(BuilderScripts, SkippedWithoutEventHandedOverWithIt) {
  EXPECT_EQ(Parsed("a<script>if (x<b) write('<p>z</p>')</script>b").blocks(), "T'ab'");

  Parsed p;
  std::string language, script;
  int calls = 0;
  p.host.OnScript = [&](const std::string& lang, const std::string& text) {
    ++calls;
    language = lang;
    script = text;
  };
  p.parse("a<script language=JavaScript>\n<!--\nf(1 < 2, '&amp;')\n//-->\n</script>b");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(language, "JavaScript");
  EXPECT_EQ(script, "\r\n<!--\r\nf(1 < 2, '&amp;')\r\n//-->\r\n");
  EXPECT_EQ(p.blocks(), "T'ab'");
}

TEST(BuilderPre, EachSourceLineABlockBreakAndLineEndMakeOne) {
  Parsed p("x<pre>a  b\nc<br>\nd<p>e\n</pre>y");
  EXPECT_EQ(p.blocks(), "T'x' F'a  b' F'c' F'd' F'e' F' ' T'y'");
  const TPreFormated& line = p.block<TPreFormated>(1);
  EXPECT_TRUE(line.FontRuns[0].TheFont->Fixed);
  EXPECT_EQ(line.FontRuns[0].TheFont->NormalSize, 10);
  EXPECT_FALSE(p.block<TSection>(6).FontRuns[0].TheFont->Fixed);
}

TEST(BuilderPre, TagsInsidePre) {
  Parsed p("<pre>&lt;<b>b</b> <x>c <i>i</i> < d<a href=h.htm>l</a></pre>");
  const TPreFormated& pre = p.block<TPreFormated>(1);
  // Unknown tags and a lone `<` are dropped; references are resolved.
  EXPECT_EQ(utf16ToUtf8(pre.Text), "<b c i  dl");
  int index = 0;
  EXPECT_TRUE(pre.FontRuns.RunAtPos(1, index).TheFont->Style() & fsBold);
  EXPECT_FALSE(pre.FontRuns.RunAtPos(2, index).TheFont->Style() & fsBold);
  EXPECT_TRUE(pre.FontRuns.RunAtPos(5, index).TheFont->Style() & fsItalic);
  EXPECT_EQ(pre.FontRuns.RunAtPos(9, index).UrlTarget.URL, "h.htm");
}

TEST(BuilderPre, FullFontStackLeavesTheOuterFontsInPlace) {
  // With no room for its own font, PRE must not pop one it did not push.
  std::string html;
  for (int i = 0; i < 23; ++i) html += "<font size=1>";
  html += "<font size=7><pre>p</pre>a";
  Parsed p(html);
  ASSERT_EQ(p.blocks(), "T'' F'p' T'a'");
  EXPECT_EQ(p.block<TPreFormated>(1).FontRuns[0].TheFont->NormalSize, 36);
  EXPECT_EQ(p.block<TSection>(2).FontRuns[0].TheFont->NormalSize, 36);
}

TEST(BuilderPre, LongLinesArriveWhole) {
  std::string line(1000, 'q');
  Parsed p("<pre>" + line + "\n" + line + "</pre>");
  EXPECT_EQ(p.blocks(), "T'' F'" + line + "' F'" + line + "'");
}

TEST(BuilderPre, MapInsidePreLosesNoText) {
  Parsed p("<pre>a<map name=m><area shape=rect coords=0,0,1,1 href=x></map>b\nc</pre>");
  EXPECT_EQ(p.blocks(), "T'' F'ab' F'c'");
  EXPECT_EQ(p.doc.ImageMaps.Count(), 1);
}

TEST(BuilderLists, ItemsLevelsAndNumbers) {
  Parsed p("<ul><li>a<li>b<ol start=4 type=A><li>c<li>d</ol></ul>e");
  EXPECT_EQ(p.blocks(), "T'' U'a' U'b' O'c' O'd' T'e'");
  EXPECT_EQ(p.block<TUListItem>(1).ListLevel, 1);
  const TOListItem& c = p.block<TOListItem>(3);
  EXPECT_EQ(c.ListLevel, 2);
  EXPECT_EQ(c.ItemNumber, 4);
  EXPECT_EQ(c.ListType, 'A');
  EXPECT_EQ(p.block<TOListItem>(4).ItemNumber, 5);
  EXPECT_EQ(p.block<TSection>(5).ListLevel, 0);
}

TEST(BuilderLists, ListItemFollowedByParagraphAndEmptyList) {
  EXPECT_EQ(Parsed("<ul><li><p>x</ul>").blocks(), "T'' U'x'");
  EXPECT_EQ(Parsed("a<ul></ul>b").blocks(), "T'a' T'b'");
}

TEST(BuilderLists, PlainBulletsDefinitionsAndBlockquote) {
  Parsed p("<ul plain><li>a</ul><dl><dt>t<dd>d</dl><blockquote>q</blockquote>");
  EXPECT_EQ(p.blocks(), "T'' U'a' D't' D'd' T'q'");
  EXPECT_TRUE(p.block<TUListItem>(1).NoBullet);
  EXPECT_EQ(p.block<TDListItem>(2).ListLevel, 0);
  EXPECT_EQ(p.block<TDListItem>(3).ListLevel, 1);
  EXPECT_EQ(p.block<TSection>(4).ListLevel, 1);
}

TEST(BuilderAnchors, NamesAndLinks) {
  Parsed p("<a name=top>Top</a> text<p><a name=Sec href=s.htm target=main>link</a> after");
  ASSERT_EQ(p.anchors.size(), 2u);
  EXPECT_EQ(p.anchors.at("TOP"), &p.block<TSection>(0));
  EXPECT_EQ(p.anchors.at("SEC"), &p.block<TSection>(2));
  const TSection& s = p.block<TSection>(2);
  ASSERT_EQ(utf16ToUtf8(s.Text), "link after");
  int index = 0;
  const TFontObj& link = s.FontRuns.RunAtPos(0, index);
  EXPECT_EQ(link.UrlTarget.URL, "s.htm");
  EXPECT_EQ(link.UrlTarget.Target, "main");
  EXPECT_TRUE(link.TheFont->Style() & fsUnderline);
  EXPECT_EQ(link.TheFont->Color(), p.doc.LinkColor);
  const TFontObj& after = s.FontRuns.RunAtPos(5, index);
  EXPECT_EQ(after.UrlTarget.URL, "");
  EXPECT_FALSE(after.TheFont->Style() & fsUnderline);
}

TEST(BuilderAnchors, LinkSpansBlocksAndNewHrefEndsTheOldLink) {
  Parsed p("<a href=a.htm>one<br>two<a href=b.htm>three</a>four");
  EXPECT_EQ(p.blocks(), "T'one' T'twothreefour'");
  const TSection& s = p.block<TSection>(1);
  int index = 0;
  EXPECT_EQ(s.FontRuns.RunAtPos(0, index).UrlTarget.URL, "a.htm");
  EXPECT_EQ(s.FontRuns.RunAtPos(3, index).UrlTarget.URL, "b.htm");
  EXPECT_EQ(s.FontRuns.RunAtPos(8, index).UrlTarget.URL, "");
  EXPECT_EQ(s.FontRuns.RunAtPos(8, index).TheFont->Color(), p.doc.FontColor);
  EXPECT_EQ(s.FontRuns.RunAtPos(3, index).TheFont->Color(), p.doc.LinkColor);
}

TEST(BuilderAnchors, FirstAnchorOfANameWinsAndDroppedTextTakesItsAnchorAlong) {
  Parsed p("<a name=x>one<p><a name=X>two");
  EXPECT_EQ(p.anchors.at("X"), &p.block<TSection>(0));
  // The text before BODY is discarded; its anchor must not point at freed memory.
  Parsed q("<a name=lost>junk<body>text");
  EXPECT_EQ(q.blocks(), "T'text'");
  EXPECT_EQ(q.anchors.count("LOST"), 0u);
}

}  // namespace
}  // namespace tavra::test
