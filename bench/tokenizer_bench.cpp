// Throughput of the HTML tokenizer on a generated document of a few megabytes, from
// memory and through the file source.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "html/parse/tokenizer.h"

using namespace tavra;

namespace {

// Mixed markup and text as help documents have it: headings, paragraphs with formatting
// and links, character references, comments, lists, tables with attributes, CR LF lines.
std::string generateDocument(std::size_t targetSize) {
  static const char* kWords[] = {"Bible",  "text", "day",        "reading",    "the",
                                 "of",     "and",  "program",    "window",     "\xE8" "ten\xED",
                                 "p\xF8\xED" "klad", "slovo", "Hospodin", "a",  "je",
                                 "to",     "v",    "na",         "kalend\xE1\xF8", "\x9E" "alm"};
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> word(0, int(std::size(kWords)) - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  auto sentence = [&](std::string& out, int words) {
    for (int i = 0; i < words; ++i) {
      int p = percent(rng);
      if (p < 5)
        out += "<b>" + std::string(kWords[word(rng)]) + "</b> ";
      else if (p < 8)
        out += "<a href=\"page" + std::to_string(word(rng)) + ".htm#top\">" + kWords[word(rng)] + "</a> ";
      else if (p < 11)
        out += "&amp; ";
      else if (p < 13)
        out += "&eacute;&nbsp;";
      else if (p < 14)
        out += "&#169; ";
      else
        out += std::string(kWords[word(rng)]) + " ";
    }
  };

  std::string doc =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<html><head><title>Benchmark</title>"
      "</head>\r\n<body bgcolor=\"#FFFFF0\" text=black link=navy>\r\n";
  int section = 0;
  while (doc.size() < targetSize) {
    ++section;
    doc += "<h2 align=center>Section " + std::to_string(section) + "</h2>\r\n";
    doc += "<!-- section " + std::to_string(section) + " -- generated -->\r\n";
    for (int p = 0; p < 4; ++p) {
      doc += "<p align=left>";
      sentence(doc, 40);
      doc += "\r\n";
    }
    doc += "<ul>\r\n";
    for (int i = 0; i < 5; ++i) {
      doc += "  <li>";
      sentence(doc, 8);
      doc += "\r\n";
    }
    doc += "</ul>\r\n<table border width=\"90%\" cellpadding=2 cellspacing=0>\r\n";
    for (int r = 0; r < 3; ++r) {
      doc += "<tr valign=top>";
      for (int c = 0; c < 3; ++c) {
        doc += "<td width=33% bgcolor=#E0E0FF>";
        sentence(doc, 5);
        doc += "</td>";
      }
      doc += "</tr>\r\n";
    }
    doc += "</table>\r\n<pre>\tpreformatted  text\r\n\tline two</pre>\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

const std::string& document() {
  static const std::string doc = generateDocument(4 << 20);
  return doc;
}

std::size_t readToEnd(HtmlTokenizer& t) {
  std::size_t symbols = 0;
  t.GetCh();
  do {
    t.NextSymbol();
    ++symbols;
  } while (t.CurrentSymbol != symEndOfFile);
  return symbols;
}

void reportThroughput(benchmark::State& state, std::size_t bytes, std::size_t symbols) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
  state.counters["MB"] =
      benchmark::Counter(double(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["symbols"] = double(symbols);
}

void BM_TokenizeMemory(benchmark::State& state) {
  const std::string& doc = document();
  HtmlTokenizer t;
  std::size_t symbols = 0;
  for (auto _ : state) {
    t.SetText(doc.data(), doc.size());
    symbols = readToEnd(t);
    benchmark::DoNotOptimize(symbols);
  }
  reportThroughput(state, doc.size(), symbols);
}
BENCHMARK(BM_TokenizeMemory)->Unit(benchmark::kMillisecond);

void BM_TokenizeFile(benchmark::State& state) {
  const std::string& doc = document();
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("tavra_tokenizer_bench_" + std::to_string(::getpid()) + ".htm"))
                               .string();
  std::ofstream(path, std::ios::binary) << doc;
  HtmlTokenizer t;
  std::size_t symbols = 0;
  for (auto _ : state) {
    t.OpenFile(path);
    symbols = readToEnd(t);
    benchmark::DoNotOptimize(symbols);
  }
  std::remove(path.c_str());
  reportThroughput(state, doc.size(), symbols);
}
BENCHMARK(BM_TokenizeFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
