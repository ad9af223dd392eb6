// The help documents of the sample installation: every link finds its document and
// anchor, and every picture they show loads.
#include <QStyle>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "html/images/gif_image.h"
#include "html/images/image_loading.h"
#include "html/qt/viewer.h"
#include "html/tables/table.h"
#include "html/document/text_section.h"
#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/fixed_canvas.h"
#include "platform/unicode.h"

namespace tavra {
namespace {

const std::string kSampleFolder = std::string(TAVRA_SAMPLE_DATA) + "/";
constexpr std::size_t kMaxHelpFileBytes = std::size_t(1) << 20;
const char* const kDocuments[] = {"Info.prg", "OProgramu.prg"};

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return s;
}

// The values of `attribute` in tags named `tag`, in document order.
std::vector<std::string> attributeValues(const std::string& html, const std::string& tag,
                                         const std::string& attribute) {
  std::vector<std::string> values;
  std::regex tagPattern("<" + tag + "\\b[^>]*>", std::regex::icase);
  std::regex valuePattern(attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
  for (auto it = std::sregex_iterator(html.begin(), html.end(), tagPattern); it != std::sregex_iterator(); ++it) {
    std::smatch value;
    std::string text = it->str();
    if (std::regex_search(text, value, valuePattern)) values.push_back(value[1]);
  }
  return values;
}

TEST(HelpDocuments, LinksFindTheirDocumentsAndAnchors) {
  std::map<std::string, std::string> documents;
  std::map<std::string, std::set<std::string>> anchors;
  for (const char* name : kDocuments) {
    documents[name] = readRegularFile(kSampleFolder + name, kMaxHelpFileBytes);
    for (const std::string& anchor : attributeValues(documents[name], "A", "NAME")) anchors[name].insert(anchor);
  }
  int crossLinks = 0;
  for (const auto& [name, html] : documents) {
    std::vector<std::string> links = attributeValues(html, "A", "HREF");
    EXPECT_GE(links.size(), 8u) << name;
    for (const std::string& link : links) {
      std::string file = link.substr(0, link.find('#'));
      std::string anchor = link.find('#') == std::string::npos ? "" : link.substr(link.find('#') + 1);
      std::string target = file.empty() ? name : file;
      ASSERT_TRUE(documents.count(target)) << name << ": " << link;
      if (target != name) ++crossLinks;
      if (!anchor.empty()) {
        EXPECT_TRUE(anchors[target].count(anchor)) << name << ": " << link;
      }
    }
  }
  EXPECT_GE(crossLinks, 4);
}

TEST(HelpDocuments, WrittenInWindows1250WithTheirStructure) {
  for (const char* name : kDocuments) {
    std::string html = readRegularFile(kSampleFolder + name, kMaxHelpFileBytes);
    // Czech letters as single bytes of the code page, never as UTF-8 sequences.
    EXPECT_EQ(cp1250::fromUtf8(cp1250::toUtf8(html)), html) << name;
    EXPECT_EQ(html.find("\xC5\xA1"), std::string::npos) << name;  // "š" in UTF-8
    EXPECT_NE(html.find("\x9A"), std::string::npos) << name;      // "š" in Windows-1250
    std::string tags = upper(html);
    for (const char* tag : {"<H1", "<H2", "<P>", "<UL>", "<LI>", "<TABLE", "<TH>", "<TD", "<IMG"})
      EXPECT_NE(tags.find(tag), std::string::npos) << name << " " << tag;
  }
}

TEST(HelpDocuments, TheOnceADayExitIsTaughtByItsMenuItemNotOnlyByAltF4) {
  // Many window managers take Alt+F4 for a plain close, which records no day; the help
  // names the ways that always record it.
  const std::string html = readRegularFile(kSampleFolder + "OProgramu.prg", 1 << 20);
  const std::size_t begin = html.find("<A NAME=\"jednou\">");
  ASSERT_NE(begin, std::string::npos);
  const std::string section = html.substr(begin, html.find("<A NAME=", begin + 1) - begin);
  for (const char* phrase : {"<I>Konec (jednou denně)</I> z nabídky <I>Tavra</I>", "tlačítkem <I>Ukončit program</I>",
                             "si je vezme správce", "datum se pak nezapamatuje"})
    EXPECT_NE(section.find(cp1250::fromUtf8(phrase)), std::string::npos) << phrase;
}

TEST(HelpDocuments, PicturesLoad) {
  std::set<std::string> pictures;
  for (const char* name : kDocuments)
    for (const std::string& src : attributeValues(readRegularFile(kSampleFolder + name, kMaxHelpFileBytes), "IMG", "SRC"))
      pictures.insert(src);
  EXPECT_EQ(pictures, (std::set<std::string>{"kalendar.bmp", "krajina.jpg", "svice.gif"}));

  std::unique_ptr<Bitmap> jpeg = LoadBitmapFile(kSampleFolder + "krajina.jpg", false);
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->width, 160);
  EXPECT_EQ(jpeg->height, 100);
  std::unique_ptr<Bitmap> bmp = LoadBitmapFile(kSampleFolder + "kalendar.bmp", false);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width, 48);
  EXPECT_EQ(bmp->height, 48);
  // Bottom-up rows: the red head of the page is at the top.
  EXPECT_EQ(bmp->at(20, 5) & 0xFFFFFF, 0xC82828u);
  EXPECT_EQ(bmp->at(0, 0) & 0xFFFFFF, 0xFFFFFFu);

  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromFile(kSampleFolder + "svice.gif"));
  EXPECT_EQ(gif.Width(), 24);
  EXPECT_EQ(gif.Height(), 32);
  EXPECT_EQ(gif.FrameCount(), 2);
  EXPECT_TRUE(gif.Animated());
  EXPECT_TRUE(gif.AnyTransparent());

  std::unique_ptr<Bitmap> background = LoadBitmapFile(kSampleFolder + "Autor.jpg", false);
  ASSERT_TRUE(background);
  EXPECT_EQ(background->width, 448);
  EXPECT_EQ(background->height, 300);
}

// Where the viewer breaks and places the lines of the help documents, on the fixed-metrics
// canvas where a character of a font of p pixels advances p / 2 (platform/fixed_canvas.h).
// A paragraph of the body in one size, without pictures, is broken as a reader would do
// it by hand: as many words as fit in the body's width each with the blank after it (the
// paragraph's last word without), the blanks after the last one kept on its line; lines
// stand one below the other, each as high as its font (p + p / 8).

struct LinePlace {
  std::string where;  // document, width, block and the line's first words
  int start, expectedStart;
  int x, expectedX;
};

// The starts of the lines that greedy breaking at `width` pixels gives for `text`, each
// character `advance` wide.
std::vector<int> greedyStarts(const std::u16string& text, int width, int advance) {
  const int n = int(text.size());
  std::vector<int> starts{0};
  for (int lineStart = 0;;) {
    int next = lineStart;
    for (bool first = true; next < n; first = false) {
      int wordEnd = next;
      while (wordEnd < n && text[std::size_t(wordEnd)] != u' ') ++wordEnd;
      const int blank = wordEnd < n ? 1 : 0;
      if (!first && (wordEnd + blank - lineStart) * advance > width) break;
      next = wordEnd;
      while (next < n && text[std::size_t(next)] == u' ') ++next;
    }
    if (next >= n) return starts;
    starts.push_back(lineStart = next);
  }
}

std::vector<LinePlace> bodyLinePlaces(const ThtmlViewer& viewer, const std::string& name, int width) {
  std::vector<LinePlace> places;
  // The viewer's width less its vertical bar, its frame (3 pixels) and both margins.
  const int bodyWidth = width - viewer.style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 3 - 2 * viewer.MarginWidth();
  const TSectionList& document = viewer.Document();
  // The bands of the floating pictures: text beside them starts right of them.
  std::vector<std::pair<int, int>> floats;
  for (int b = 0; b < document.Count(); ++b)
    if (const auto* text = dynamic_cast<const TSection*>(&document[b]))
      for (int i = 0; i < text->ImageRuns.Count(); ++i)
        if (text->ImageRuns[i].IsFloat())
          floats.emplace_back(text->ImageRuns[i].PictureTop, text->ImageRuns[i].PictureTop + text->ImageRuns[i].OuterHeight + 10);
  for (int b = 0; b < document.Count(); ++b) {
    const auto* text = dynamic_cast<const TSection*>(&document[b]);
    if (!text || text->Lines.empty() || text->ImageRuns.Count() > 0 || !text->ControlRuns.empty() ||
        text->ListLevel != 0 || text->Alignment != alLeft)
      continue;
    const int pixels = text->FontRuns[0].Font()->face().pixelSize();
    bool oneSize = true;
    for (int r = 0; r < text->FontRuns.Count(); ++r) oneSize &= text->FontRuns[r].Font()->face().pixelSize() == pixels;
    const bool besideAFloat = std::any_of(floats.begin(), floats.end(), [&](const std::pair<int, int>& band) {
      return text->TopY < band.second && text->TopY + text->ContentHeight > band.first;
    });
    if (!oneSize || besideAFloat) continue;
    const std::vector<int> starts = greedyStarts(text->Text, bodyWidth, pixels / 2);
    int height = 0;
    for (std::size_t l = 0; l < text->Lines.size(); ++l) {
      const LineRec& line = text->Lines[l];
      const std::string words = utf16ToUtf8(text->Text.substr(std::size_t(line.Start), 24));
      places.push_back({name + " at " + std::to_string(width) + ", block " + std::to_string(b) + ", line " +
                            std::to_string(l + 1) + " \"" + words + "\"",
                        line.Start, l < starts.size() ? starts[l] : -1, line.LineX, 0});
      height += line.LineHt;
      EXPECT_EQ(line.LineHt, pixels + pixels / 8) << places.back().where;
    }
    EXPECT_EQ(text->Lines.size(), starts.size()) << name << " at " << width << ", block " << b;
    EXPECT_EQ(text->ContentHeight, height) << name << " at " << width << ", block " << b;
  }
  return places;
}

TEST(HelpDocuments, BodyLinesBreakAndStandWhereTheFixedMetricsPutThem) {
  for (const char* name : kDocuments) {
    for (int width : {420, 640}) {
      ThtmlViewer viewer(nullptr, fixedFontEngine());
      viewer.setAttribute(Qt::WA_DontShowOnScreen);
      viewer.resize(width, 300);
      viewer.show();
      viewer.LoadFromFile(kSampleFolder + name);
      const std::vector<LinePlace> places = bodyLinePlaces(viewer, name, width);
      EXPECT_GE(places.size(), 20u) << name << " at " << width;
      for (const LinePlace& p : places) {
        EXPECT_EQ(p.start, p.expectedStart) << p.where;
        EXPECT_EQ(p.x, p.expectedX) << p.where;
      }
    }
  }
}

}  // namespace
}  // namespace tavra
