#pragma once
// Tables built by hand the way the document builder builds them: rows of cells whose
// content is ordinary text blocks, on the fixed-metrics canvas (8 pixels per character,
// 18-pixel lines for the 12-point font).

#include <initializer_list>
#include <memory>
#include <string>

#include "html/parse/attributes.h"
#include "html/tables/table.h"
#include "html_layout/layout_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {

struct Attr {
  Symbol sym;
  int value;
  std::string text;
};

inline TAttributeList Attrs(std::initializer_list<Attr> list) {
  TAttributeList attrs;
  for (const Attr& a : list) attrs.Add(a.sym, a.value, a.text);
  return attrs;
}

// A number attribute as the tokenizer stores it: value and text.
inline Attr Num(Symbol sym, int value) { return {sym, value, std::to_string(value)}; }
inline Attr Pct(Symbol sym, int value) { return {sym, value, std::to_string(value) + "%"}; }
inline Attr Text(Symbol sym, const std::string& text) { return {sym, 0, text}; }

struct TableFixture : DocFixture {
  std::unique_ptr<ThtmlTable> NewTable(std::initializer_list<Attr> attrs = {}, TCell* parent = nullptr,
                                       std::uint8_t align = alLeft, int listLevel = 0) {
    return std::make_unique<ThtmlTable>(&doc, listLevel, parent ? parent : &doc, align, Attrs(attrs));
  }

  static TCellList& Row(ThtmlTable& table, std::initializer_list<Attr> attrs = {}) {
    auto row = std::make_unique<TCellList>();
    row->ApplyRowAttributes(Attrs(attrs));
    TCellList& ref = *row;
    table.Rows.Add(std::move(row));
    return ref;
  }

  // A cell with one text block (none when `text` is empty), appended to `row`.
  TCellObj& Cell(TCellList& row, const std::string& text, std::initializer_list<Attr> attrs = {},
                 std::uint8_t vAlign = 1) {
    auto cell = std::make_unique<TCellObj>(&doc, Attrs(attrs), vAlign);
    if (!text.empty()) AddText(*cell->Cell, text);
    TCellObj& ref = *cell;
    row.Add(std::move(cell));
    return ref;
  }

  TSection& AddText(TCell& cell, const std::string& text, int alignment = alLeft) {
    auto block = std::make_unique<TSection>(0, alignment, nullptr, font);
    block->AppendText(utf8ToUtf16(text));
    TSection& ref = *block;
    cell.AddSection(std::move(block));
    return ref;
  }

  ThtmlTable& AddTable(std::unique_ptr<ThtmlTable> table) { return add(std::move(table)); }

  static TSection& Block(const TCellObj& cell, int i = 0) { return dynamic_cast<TSection&>((*cell.Cell)[i]); }
};

}  // namespace tavra::testing
