// The help documents of the sample installation: every link finds its document and
// anchor, and every picture they show loads.
#include <gtest/gtest.h>

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

}  // namespace
// Where the viewer places every line of a help document, at two widths, as the engine
// placed them when it read single bytes of Windows-1250: a page of the code page must look
// exactly as it did. The positions depend on the fonts' metrics only, not on how their
// glyphs are rasterised.
void hashPlaces(const TCell& cell, std::uint64_t& hash) {
  auto mix = [&](int value) { hash = (hash ^ std::uint64_t(std::uint32_t(value))) * 1099511628211ull; };
  for (int i = 0; i < cell.Count(); ++i) {
    mix(cell[i].TopY);
    mix(cell[i].ContentHeight);
    if (auto* text = dynamic_cast<const TSection*>(&cell[i])) {
      for (const LineRec& line : text->Lines) {
        mix(line.Start), mix(line.Ln), mix(line.LineX), mix(line.LineHt);
      }
    } else if (auto* table = dynamic_cast<const ThtmlTable*>(&cell[i])) {
      for (int r = 0; r < table->Rows.Count(); ++r)
        for (int c = 0; c < table->Rows[r].Count(); ++c)
          if (table->Rows[r][c].Cell) hashPlaces(*table->Rows[r][c].Cell, hash);
      if (table->Caption && table->Caption->Cell) hashPlaces(*table->Caption->Cell, hash);
    }
  }
}

TEST(HelpDocuments, LaidOutToTheSamePlacesAsBeforeTextWasUnicode) {
  const std::map<std::string, std::uint64_t> kBefore = {
      {"Info.prg 420", 11706169949147935020ull},
      {"Info.prg 640", 2920508139503502906ull},
      {"OProgramu.prg 420", 16788606770183760773ull},
      {"OProgramu.prg 640", 4878207150644368757ull}};
  for (const char* name : kDocuments) {
    for (int width : {420, 640}) {
      ThtmlViewer viewer;
      viewer.resize(width, 300);
      viewer.LoadFromFile(kSampleFolder + name);
      std::uint64_t hash = 14695981039346656037ull;
      hashPlaces(viewer.Document(), hash);
      const std::string key = std::string(name) + " " + std::to_string(width);
      EXPECT_EQ(hash, kBefore.at(key)) << key;
    }
  }
}

}  // namespace tavra
