// Throughput of the document builder: parsing alone and parsing plus layout on the
// fixed-metrics canvas, on a generated HTML 3.2 document of a few megabytes; and one
// parse of fifty megabytes of random markup, which must finish with bounded memory.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "html/parse/builder.h"
#include "html/quiet_host.h"
#include "html/document/section_list.h"
#include "platform/fixed_canvas.h"

using namespace tavra;

namespace {

QuietHost& quietHost() {
  static QuietHost host;
  return host;
}

// Help-document markup: headings, paragraphs with formatting and links, lists, tables of
// text, preformatted blocks.
std::string generateDocument(std::size_t targetSize) {
  static const char* const kWords[] = {"den",   "text",  "\xE8" "ten\xED", "Hospodin", "slovo", "a",
                                       "je",    "to",    "kalend\xE1\xF8", "program",  "okno",  "v",
                                       "dnes",  "t\xFD" "den", "\x9E" "alm", "na",      "p\xF8\xED" "klad"};
  std::mt19937 rng(7);
  auto pick = [&] { return std::string(kWords[rng() % std::size(kWords)]); };
  auto words = [&](std::string& out, int n) {
    for (int i = 0; i < n; ++i) {
      switch (rng() % 20) {
        case 0: out += "<b>" + pick() + "</b> "; break;
        case 1: out += "<i>" + pick() + "</i> "; break;
        case 2: out += "<a href=\"doc" + std::to_string(rng() % 50) + ".htm\">" + pick() + "</a> "; break;
        case 3: out += "&amp; "; break;
        case 4: out += "<font size=+1>" + pick() + "</font> "; break;
        default: out += pick() + " "; break;
      }
    }
  };

  std::string doc = "<html><head><title>Bench</title></head>\r\n<body bgcolor=white link=navy>\r\n";
  for (int section = 1; doc.size() < targetSize; ++section) {
    doc += "<h2>Kapitola " + std::to_string(section) + "</h2>\r\n<a name=s" + std::to_string(section) + "></a>";
    for (int p = 0; p < 3; ++p) {
      doc += "<p>";
      words(doc, 60);
      doc += "\r\n";
    }
    doc += "<ol>\r\n";
    for (int i = 0; i < 4; ++i) {
      doc += "<li>";
      words(doc, 10);
      doc += "\r\n";
    }
    doc += "</ol>\r\n<table border=1 cellpadding=3 width=\"80%\">\r\n";
    for (int r = 0; r < 3; ++r) {
      doc += "<tr>";
      for (int c = 0; c < 3; ++c) {
        doc += r == 0 ? "<th>" : "<td>";
        words(doc, 6);
      }
      doc += "</tr>\r\n";
    }
    doc += "</table>\r\n<pre>  verse 1\r\n  verse 2</pre>\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

const std::string& document() {
  static const std::string doc = generateDocument(4 << 20);
  return doc;
}

std::string randomMarkup(std::size_t size) {
  static const char* const kPieces[] = {
      "<p>", "</p>", "<b>", "</b>", "<h2>", "</h2>", "<br>", "<hr>", "<a href=x>", "<a name=n>", "</a>", "<ul>",
      "</ul>", "<li>", "<ol start=2>", "</ol>", "<table border>", "</table>", "<tr>", "<td>", "<th>", "</td>",
      "<caption>", "<pre>", "</pre>", "<center>", "</center>", "<div align=right>", "</div>", "<font size=7>",
      "</font>", "<big>", "<small>", "<form>", "<input>", "<select><option>o", "</select>", "<textarea>",
      "</textarea>", "<map name=m><area coords=1,2,3>", "</map>", "<img src=x.gif>", "<title>", "<script>",
      "</script>", "word ", "&amp;", "\r\n", "<", ">", "<bogus x=1>", "<table"};
  std::mt19937 rng(11);
  std::string out;
  out.reserve(size + 64);
  while (out.size() < size) out += kPieces[rng() % std::size(kPieces)];
  return out;
}

void report(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
  state.counters["MB/s"] =
      benchmark::Counter(double(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Parse(benchmark::State& state) {
  const std::string& html = document();
  for (auto _ : state) {
    auto doc = std::make_unique<TSectionList>(quietHost());
    TAnchorNames anchors;
    ParseHtmlText(*doc, anchors, html.data(), html.size());
    benchmark::DoNotOptimize(doc->Count());
    state.PauseTiming();  // freeing the document is not part of the parse
    doc.reset();
    state.ResumeTiming();
  }
  report(state, html.size());
}
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);

void BM_ParseAndLayout(benchmark::State& state) {
  const std::string& html = document();
  FixedCanvas canvas(800, 600);
  for (auto _ : state) {
    auto doc = std::make_unique<TSectionList>(quietHost());
    TAnchorNames anchors;
    ParseHtmlText(*doc, anchors, html.data(), html.size());
    int scrollWidth = 0, chars = 0;
    benchmark::DoNotOptimize(doc->LayoutDocument(canvas, 0, 800, scrollWidth, chars));
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  report(state, html.size());
}
BENCHMARK(BM_ParseAndLayout)->Unit(benchmark::kMillisecond);

// Layout of tables nested as deep as the builder allows, by depth: the time should grow
// with about the square of the depth, not with a power of two.
void BM_LayoutNestedTables(benchmark::State& state) {
  const int depth = int(state.range(0));
  std::string html;
  for (int i = 0; i < depth; ++i) html += "<table border=1><tr><td>cell text<td>";
  html += "deep";
  FixedCanvas canvas(800, 600);
  auto doc = std::make_unique<TSectionList>(quietHost());
  TAnchorNames anchors;
  ParseHtmlText(*doc, anchors, html.data(), html.size());
  for (auto _ : state) {
    int scrollWidth = 0, chars = 0;
    benchmark::DoNotOptimize(doc->LayoutDocument(canvas, 0, 800, scrollWidth, chars));
  }
}
BENCHMARK(BM_LayoutNestedTables)->Arg(10)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ParseRandomMarkup50MB(benchmark::State& state) {
  const std::string html = randomMarkup(50u << 20);
  for (auto _ : state) {
    auto doc = std::make_unique<TSectionList>(quietHost());
    TAnchorNames anchors;
    ParseHtmlText(*doc, anchors, html.data(), html.size());
    benchmark::DoNotOptimize(doc->Count());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  report(state, html.size());
}
BENCHMARK(BM_ParseRandomMarkup50MB)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
