// Parse plus layout beside the HTML views a program would otherwise embed: Qt's
// QTextDocument and litehtml. All three read the same documents and lay them out at the
// same width with the same Qt fonts: ours through QtFontEngine on a painter canvas, as the
// viewer does; QTextDocument with its own layout; litehtml through a document container
// that measures with QFontMetrics and draws nothing.
//
//   peers_bench [folder]   the generated document, then every .htm, .html and .prg file of
//                          the folder (default: the sample installation)
//   peers_bench --ours-only [N]  our engine alone on the generated document N times
//                          (2; from the second on with the fonts known, as in the timed
//                          rounds), each run's time: the run to give a profiler
//
// Our engine reads Windows-1250 bytes, the peers UTF-8 of the same text. MB/s counts the
// Windows-1250 bytes for all three, so the ratios are ratios of time.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <litehtml/litehtml.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "html/parse/builder.h"
#include "html/quiet_host.h"
#include "html/document/section_list.h"
#include "platform/codepage.h"
#include "platform/qt/painter_canvas.h"
#include "generated_document.h"
#include "ratio_line.h"

using namespace tavra;

namespace {

constexpr int kLayoutWidth = 640;
// The document's default face, as the toolkit draws it, and 12 points at 96 dpi.
const char* const kSerif = "Liberation Serif";
const char* const kMono = "Liberation Mono";
constexpr int kDefaultPixels = 16;

// ---- the documents ----

struct Document {
  std::string name;
  std::string ours;  // Windows-1250
  std::string utf8;
};

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<Document> documentsOf(const std::filesystem::path& folder) {
  std::vector<Document> documents;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (!entry.is_regular_file() || (extension != ".htm" && extension != ".html" && extension != ".prg")) continue;
    std::string bytes = readFile(entry.path());
    documents.push_back({entry.path().filename().string(), bytes, cp1250::toUtf8(bytes)});
  }
  if (error) std::fprintf(stderr, "peers_bench: cannot list %s: %s\n", folder.string().c_str(), error.message().c_str());
  std::sort(documents.begin(), documents.end(), [](const Document& a, const Document& b) { return a.name < b.name; });
  return documents;
}

// ---- the three engines ----

int layOutOurs(const Document& document) {
  QuietHost host(toolkitFonts());
  TSectionList list(host);
  TAnchorNames anchors;
  ParseHtmlText(list, anchors, document.ours.data(), document.ours.size());
  QImage surface(1, 1, QImage::Format_RGB32);
  QPainter painter(&surface);
  PainterCanvas canvas(painter, 1, 1);
  int scrollWidth = 0;
  int chars = 0;
  return list.LayoutDocument(canvas, 0, kLayoutWidth, scrollWidth, chars);
}

int layOutQTextDocument(const Document& document) {
  QTextDocument text;
  QFont font(QString::fromLatin1(kSerif));
  font.setPixelSize(kDefaultPixels);
  text.setDefaultFont(font);
  text.setHtml(QString::fromUtf8(document.utf8.data(), qsizetype(document.utf8.size())));
  text.setTextWidth(kLayoutWidth);
  return int(text.documentLayout()->documentSize().height());
}

// The user-agent style sheet litehtml needs for plain HTML: block and table display, the
// usual margins and faces.
const char* const kMasterCss = R"(
html, address, blockquote, body, dd, div, dl, dt, form, h1, h2, h3, h4, h5, h6, ol, p, ul, center,
dir, hr, menu, pre { display: block }
head, script, style, title { display: none }
li { display: list-item }
body { margin: 8px }
h1 { font-size: 2em; margin: .67em 0; font-weight: bold }
h2 { font-size: 1.5em; margin: .83em 0; font-weight: bold }
h3 { font-size: 1.17em; margin: 1em 0; font-weight: bold }
h4, h5, h6 { margin: 1.33em 0; font-weight: bold }
p, ul, ol, dl, blockquote { margin: 1em 0 }
ul, ol, dir, menu { padding-left: 40px }
ol { list-style-type: decimal }
ul { list-style-type: disc }
b, strong, th { font-weight: bold }
i, em, cite, var { font-style: italic }
pre, tt, code, kbd, samp { font-family: monospace }
pre { white-space: pre; margin: 1em 0 }
center { text-align: center }
hr { border: 1px inset; margin: .5em auto }
table { display: table; border-spacing: 2px }
thead { display: table-header-group }
tbody { display: table-row-group }
tfoot { display: table-footer-group }
tr { display: table-row }
td, th { display: table-cell; padding: 1px }
th { text-align: center }
caption { display: table-caption; text-align: center }
a[href] { color: blue; text-decoration: underline }
img { display: inline-block }
)";

// litehtml's view of the toolkit: fonts and text widths from Qt, nothing drawn.
class MeasuringContainer : public litehtml::document_container {
 public:
  litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight, litehtml::font_style italic,
                                 unsigned int decoration, litehtml::font_metrics* fm) override {
    QFont font(familyOf(faceName));
    font.setPixelSize(std::max(1, size));
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    font.setItalic(italic == litehtml::fontStyleItalic);
    font.setUnderline(decoration & litehtml::font_decoration_underline);
    font.setKerning(false);
    fonts_.push_back(std::make_unique<QFontMetrics>(font));
    const QFontMetrics& metrics = *fonts_.back();
    if (fm) {
      fm->ascent = metrics.ascent();
      fm->descent = metrics.descent();
      fm->height = metrics.height();
      fm->x_height = metrics.xHeight();
      fm->draw_spaces = italic == litehtml::fontStyleItalic || decoration != 0;
    }
    return fonts_.size();
  }
  void delete_font(litehtml::uint_ptr) override {}
  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) override {
    return fonts_[font - 1]->horizontalAdvance(QString::fromUtf8(text));
  }
  void draw_text(litehtml::uint_ptr, const litehtml::tchar_t*, litehtml::uint_ptr, litehtml::web_color,
                 const litehtml::position&) override {}
  int pt_to_px(int pt) const override { return pt * 96 / 72; }
  int get_default_font_size() const override { return kDefaultPixels; }
  const litehtml::tchar_t* get_default_font_name() const override { return kSerif; }
  void draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker&) override {}
  void load_image(const litehtml::tchar_t*, const litehtml::tchar_t*, bool) override {}
  void get_image_size(const litehtml::tchar_t*, const litehtml::tchar_t*, litehtml::size& size) override {
    size.width = 0;
    size.height = 0;
  }
  void draw_background(litehtml::uint_ptr, const litehtml::background_paint&) override {}
  void draw_borders(litehtml::uint_ptr, const litehtml::borders&, const litehtml::position&, bool) override {}
  void set_caption(const litehtml::tchar_t*) override {}
  void set_base_url(const litehtml::tchar_t*) override {}
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  void on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) override {}
  void set_cursor(const litehtml::tchar_t*) override {}
  void transform_text(litehtml::tstring&, litehtml::text_transform) override {}
  void import_css(litehtml::tstring&, const litehtml::tstring&, litehtml::tstring&) override {}
  void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool, bool) override {}
  void del_clip() override {}
  void get_client_rect(litehtml::position& client) const override {
    client.x = 0;
    client.y = 0;
    client.width = kLayoutWidth;
    client.height = 600;
  }
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                                                    const std::shared_ptr<litehtml::document>&) override {
    return nullptr;
  }
  void get_media_features(litehtml::media_features& media) const override {
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = kLayoutWidth;
    media.height = media.device_height = 600;
    media.color = 8;
    media.resolution = 96;
  }
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
    language = "cs";
    culture.clear();
  }

 private:
  static QString familyOf(const char* faceNames) {
    QString first = QString::fromUtf8(faceNames).section(QLatin1Char(','), 0, 0).trimmed();
    first.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
    if (first.compare(QLatin1String("monospace"), Qt::CaseInsensitive) == 0) return QString::fromLatin1(kMono);
    if (first.isEmpty() || first.compare(QLatin1String("serif"), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(kSerif);
    return first;
  }

  std::vector<std::unique_ptr<QFontMetrics>> fonts_;
};

int layOutLitehtml(const Document& document) {
  static litehtml::context context = [] {
    litehtml::context c;
    c.load_master_stylesheet(kMasterCss);
    return c;
  }();
  MeasuringContainer container;
  litehtml::document::ptr doc = litehtml::document::createFromUTF8(document.utf8.c_str(), &container, &context);
  doc->render(kLayoutWidth);
  return doc->height();
}

// ---- timing ----

// The best time of one call, over several rounds; small documents are laid out repeatedly
// in each round so that a round lasts long enough to be measured.
double bestSeconds(const std::function<int(const Document&)>& layOut, const Document& document) {
  using Clock = std::chrono::steady_clock;
  auto start = Clock::now();
  volatile int sink = layOut(document);
  const double once = std::chrono::duration<double>(Clock::now() - start).count();
  const int repeats = std::clamp(int(0.05 / std::max(once, 1e-6)), 1, 1000);
  const int rounds = once > 1.0 ? 3 : 5;
  double best = once;
  for (int round = 0; round < rounds; ++round) {
    start = Clock::now();
    for (int i = 0; i < repeats; ++i) sink = layOut(document);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / repeats);
  }
  (void)sink;
  return best;
}

double megabytesPerSecond(std::size_t bytes, double seconds) { return double(bytes) / 1e6 / seconds; }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  bench::startRatioFile();

  std::vector<Document> documents;
  {
    std::string generated = bench::generateDocument(3u << 20);
    std::string utf8 = cp1250::toUtf8(generated);
    documents.push_back({"generated HTML 3.2", std::move(generated), std::move(utf8)});
  }
  if (argc > 1 && std::string(argv[1]) == "--ours-only") {
    const int runs = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 100) : 2;
    for (int run = 0; run < runs; ++run) {
      const auto start = std::chrono::steady_clock::now();
      const int height = layOutOurs(documents.front());
      std::printf("height %d px, %.1f ms\n", height,
                  std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return 0;
  }
  const std::filesystem::path folder = argc > 1 ? argv[1] : TAVRA_SAMPLE_DATA;
  for (Document& d : documentsOf(folder)) documents.push_back(std::move(d));

  std::printf("parse+layout at %d px, best of several runs, MB/s of the Windows-1250 text\n", kLayoutWidth);
  std::printf("%-24s %10s %10s %10s %10s %10s %10s   %s\n", "document", "bytes", "ours", "QTextDoc", "litehtml",
              "vs QTD", "vs lite", "heights in px (ours / QTD / lite)");
  double oursTotal = 0;
  double qtTotal = 0;
  double liteTotal = 0;
  std::size_t bytesTotal = 0;
  for (const Document& d : documents) {
    const double ours = bestSeconds(layOutOurs, d);
    const double qt = bestSeconds(layOutQTextDocument, d);
    const double lite = bestSeconds(layOutLitehtml, d);
    std::printf("%-24s %10zu %10.2f %10.2f %10.2f %9.2fx %9.2fx   %d / %d / %d\n", d.name.c_str(), d.ours.size(),
                megabytesPerSecond(d.ours.size(), ours), megabytesPerSecond(d.ours.size(), qt),
                megabytesPerSecond(d.ours.size(), lite), qt / ours, lite / ours, layOutOurs(d),
                layOutQTextDocument(d), layOutLitehtml(d));
    oursTotal += ours;
    qtTotal += qt;
    liteTotal += lite;
    bytesTotal += d.ours.size();
  }
  std::printf("%-24s %10zu %10.2f %10.2f %10.2f\n", "all documents", bytesTotal, megabytesPerSecond(bytesTotal, oursTotal),
              megabytesPerSecond(bytesTotal, qtTotal), megabytesPerSecond(bytesTotal, liteTotal));
  bench::ratioLine("parse+layout vs QTextDocument: %.2fx", qtTotal / oursTotal);
  bench::ratioLine("parse+layout vs litehtml: %.2fx", liteTotal / oursTotal);
  return 0;
}
