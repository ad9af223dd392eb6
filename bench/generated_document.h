#pragma once
// The long document of the benchmarks that compare us with other engines.

#include <iterator>
#include <random>
#include <string>

namespace tavra::bench {

// A help document of HTML 3.2 grown to `targetSize` bytes: headings, paragraphs with
// formatting and links, ordered and unordered lists, bordered tables, rules, preformatted
// verses. Czech words carry the code page's accented letters.
inline std::string generateDocument(std::size_t targetSize) {
  static const char* const kWords[] = {
      "den", "text", "\xE8" "ten\xED", "Hospodin", "slovo", "a", "je", "to", "kalend\xE1\xF8", "program",
      "okno", "v", "dnes", "t\xFD" "den", "\x9E" "alm", "na", "p\xF8\xED" "klad", "\xFA" "vod", "l\xE9" "to"};
  std::mt19937 rng(1996);
  auto pick = [&] { return std::string(kWords[rng() % std::size(kWords)]); };
  auto words = [&](std::string& out, int n) {
    for (int i = 0; i < n; ++i) {
      switch (rng() % 24) {
        case 0: out += "<b>" + pick() + "</b> "; break;
        case 1: out += "<i>" + pick() + "</i> "; break;
        case 2: out += "<a href=\"kap" + std::to_string(rng() % 40) + ".htm\">" + pick() + "</a> "; break;
        case 3: out += "&amp; "; break;
        case 4: out += "<font size=+1>" + pick() + "</font> "; break;
        case 5: out += "<tt>" + pick() + "</tt> "; break;
        default: out += pick() + " "; break;
      }
    }
  };

  std::string doc =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n<html><head><title>Kapitoly</title></head>\r\n"
      "<body bgcolor=white text=black link=navy>\r\n";
  for (int section = 1; doc.size() < targetSize; ++section) {
    doc += "<h2><a name=k" + std::to_string(section) + ">Kapitola " + std::to_string(section) + "</a></h2>\r\n";
    for (int p = 0; p < 3; ++p) {
      doc += p == 1 ? "<p align=justify>" : "<p>";
      words(doc, 70);
      doc += "\r\n";
    }
    doc += section % 2 ? "<ol>\r\n" : "<ul>\r\n";
    for (int i = 0; i < 5; ++i) {
      doc += "<li>";
      words(doc, 12);
      doc += "\r\n";
    }
    doc += section % 2 ? "</ol>\r\n" : "</ul>\r\n";
    doc += "<table border=1 cellpadding=3 cellspacing=0 width=\"90%\">\r\n<caption>Tabulka</caption>\r\n";
    for (int r = 0; r < 4; ++r) {
      doc += "<tr>";
      for (int c = 0; c < 3; ++c) {
        doc += r == 0 ? "<th>" : "<td>";
        words(doc, 5);
        doc += r == 0 ? "</th>" : "</td>";
      }
      doc += "</tr>\r\n";
    }
    doc += "</table>\r\n<hr>\r\n<pre>  ver\x9A 1\r\n  ver\x9A 2</pre>\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

}  // namespace tavra::bench
