#pragma once
// Parsing small documents for the builder tests, and a short text form of the blocks that
// result, so that a test states the whole block sequence it expects.

#include <string>
#include <string_view>

#include "html/document/block_elements.h"
#include "html/parse/builder.h"
#include "html/document/section_list.h"
#include "html/tables/table.h"
#include "common/recording_host.h"
#include "platform/unicode.h"

namespace tavra::test {

// One token per block: T'text' (text block), F'text' (preformatted line), U'..' / O'..' /
// D'..' (list items), P (paragraph space), H<level> (heading space), R (rule),
// X<rows> (table).
inline std::string describe(const TCell& cell) {
  std::string out;
  for (int i = 0; i < cell.Count(); ++i) {
    const TSectionBase& b = cell[i];
    std::string token;
    if (auto* pre = dynamic_cast<const TPreFormated*>(&b)) {
      token = "F'" + utf16ToUtf8(pre->Text) + "'";
    } else if (auto* ol = dynamic_cast<const TOListItem*>(&b)) {
      token = "O'" + utf16ToUtf8(ol->Text) + "'";
    } else if (auto* dl = dynamic_cast<const TDListItem*>(&b)) {
      token = "D'" + utf16ToUtf8(dl->Text) + "'";
    } else if (auto* ul = dynamic_cast<const TUListItem*>(&b)) {
      token = "U'" + utf16ToUtf8(ul->Text) + "'";
    } else if (auto* text = dynamic_cast<const TSection*>(&b)) {
      token = "T'" + utf16ToUtf8(text->Text) + "'";
    } else if (dynamic_cast<const TParagraphSpace*>(&b)) {
      token = "P";
    } else if (auto* heading = dynamic_cast<const THeadingSpace*>(&b)) {
      token = "H" + std::to_string(heading->Level);
    } else if (dynamic_cast<const THorzLine*>(&b)) {
      token = "R";
    } else if (auto* table = dynamic_cast<const ThtmlTable*>(&b)) {
      token = "X" + std::to_string(table->Rows.Count());
    } else {
      token = "?";
    }
    if (!out.empty()) out += ' ';
    out += token;
  }
  return out;
}

// A parsed document with its anchors and results.
// The events of the parse reach `host`; set its handlers before parsing.
struct Parsed {
  testing::RecordingHost host;
  TSectionList doc{host};
  TAnchorNames anchors;
  TParseResults results;

  Parsed() { doc.FontSize = 12; }
  explicit Parsed(std::string_view html) : Parsed() { parse(html); }
  void parse(std::string_view html) { results = ParseHtmlText(doc, anchors, html.data(), html.size()); }

  std::string blocks() const { return describe(doc); }

  // The index-th block, which the caller expects to be of type T.
  template <class T>
  T& block(int index) const {
    T* b = dynamic_cast<T*>(&doc[index]);
    if (!b) throw std::runtime_error("block " + std::to_string(index) + " has another type");
    return *b;
  }
};

// The first block of type T in `cell` after index `from`, or null.
template <class T>
T* findBlock(const TCell& cell, int from = 0) {
  for (int i = from; i < cell.Count(); ++i)
    if (auto* b = dynamic_cast<T*>(&cell[i])) return b;
  return nullptr;
}

// The cell at (row, column) of a table.
inline TCell& cellAt(const ThtmlTable& table, int row, int column) { return *table.Rows[row][column].Cell; }

}  // namespace tavra::test
