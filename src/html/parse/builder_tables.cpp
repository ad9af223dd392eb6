// Tables: rows, cells, captions, and text that stands between rows.

#include "html/parse/builder_state.h"
#include "html/document/section_list.h"
#include "html/tables/table.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

constexpr SymbolSet kCellTermSet{tagTableEnd, tagTd,      tagTdEnd,  tagTr,         tagTrEnd,
                                 tagTh,       tagThEnd,   tagCaption, tagCaptionEnd};

// VALIGN: 0 top, 1 middle, 2 bottom; `fallback` for other values.
std::uint8_t vAlignValue(const TAttribute* valign, std::uint8_t fallback) {
  if (!valign) return fallback;
  std::string value = ascii::lower(valign->Text, 9);
  if (value == "top" || value == "baseline") return 0;
  if (value == "middle") return 1;
  if (value == "bottom") return 2;
  return fallback;
}

}  // namespace

void HtmlBuilder::DoTable(int level) {
  NestingGuard nested(nesting_);
  if (inLink_) DoAEnd();
  int remembered = fontIndex_;
  TCell* outer = currentCell_;
  int savedAlignment = currentAlignment_;
  std::uint8_t savedStyles = extraFontStyles_;
  addCurrentSection();
  currentCell_ = nullptr;

  auto table = std::make_unique<ThtmlTable>(&doc_, level, outer, static_cast<std::uint8_t>(currentAlignment_),
                                            attributes());
  TableBuild t;
  t.table = table.get();
  std::uint8_t rowVAlign = 1;
  std::uint8_t rowAlign = 0;
  next();
  try {
    while (sym() != tagTableEnd && sym() != symEndOfFile) {
      switch (sym()) {
        case symText: {
          // Text between a table's tags is placed before the table.
          TCell* saved = currentCell_;
          currentCell_ = outer;
          DoBody(0, kCellTermSet);
          addCurrentSection();
          currentCell_ = saved;
          break;
        }
        case tagTd:
        case tagTh:
          readCell(t, remembered, savedStyles, rowAlign, rowVAlign);
          break;
        case tagTdEnd:
        case tagThEnd:
          AddCell(t);
          next();
          break;
        case tagTr:
          if (inLink_) DoAEnd();
          if (t.row) {
            AddCell(t);
            t.table->Rows.Add(std::move(t.row));
          }
          t.row = std::make_unique<TCellList>();
          if (const TAttribute* align = attributes().Find(attrAlign))
            rowAlign = static_cast<std::uint8_t>(AlignValue(align->Text, 9, 0));
          else
            rowAlign = 0;
          rowVAlign = vAlignValue(attributes().Find(attrValign), 1);
          t.row->ApplyRowAttributes(attributes());
          next();
          break;
        case tagTrEnd:
          if (inLink_) DoAEnd();
          if (t.row) {
            AddCell(t);
            t.table->Rows.Add(std::move(t.row));
          }
          next();
          break;
        case tagCaption:
          if (inLink_) DoAEnd();
          popFontsTo(remembered);
          extraFontStyles_ = savedStyles;
          AddCell(t);
          if (const TAttribute* align = attributes().Find(attrAlign))
            t.table->CaptionAtTop = ascii::lower(align->Text, align->Text.size()) != "bottom";
          currentCell_ = t.table->Caption->Cell.get();
          currentAlignment_ = alCenter;
          next();
          DoBody(0, kCellTermSet);
          addCurrentSection();
          currentCell_ = nullptr;
          if (sym() == tagCaptionEnd) next();
          break;
        default:
          next();
          break;
      }
    }
  } catch (...) {
    // What was read stays in the document, together with the anchors that point into it.
    finishTable(t, std::move(table), outer);
    throw;
  }
  if (inLink_) DoAEnd();
  popFontsTo(remembered);
  finishTable(t, std::move(table), outer);
  extraFontStyles_ = savedStyles;
  currentAlignment_ = savedAlignment;
  next();
}

void HtmlBuilder::readCell(TableBuild& t, int remembered, std::uint8_t styles, std::uint8_t rowAlign,
                           std::uint8_t rowVAlign) {
  bool header = sym() == tagTh;
  if (inLink_) DoAEnd();
  popFontsTo(remembered);
  extraFontStyles_ = styles;
  if (t.row)
    AddCell(t);
  else
    t.row = std::make_unique<TCellList>();  // a cell outside any row starts one
  if (header) {
    currentAlignment_ = rowAlign ? int(rowAlign) : int(alCenter);
    extraFontStyles_ = static_cast<std::uint8_t>(extraFontStyles_ | fsBold);
  } else {
    currentAlignment_ = rowAlign ? int(rowAlign) : int(alLeft);
    extraFontStyles_ = static_cast<std::uint8_t>(extraFontStyles_ & ~fsBold);
  }
  if (const TAttribute* align = attributes().Find(attrAlign))
    currentAlignment_ = AlignValue(align->Text, 9, currentAlignment_);
  std::uint8_t vAlign = vAlignValue(attributes().Find(attrValign), rowVAlign);
  t.cellObj = std::make_unique<TCellObj>(&doc_, attributes(), vAlign);
  currentCell_ = t.cellObj->Cell.get();
  tok.SkipWhiteSpace();
  next();
  tok.NoParagraphSpace = true;
  DoBody(0, kCellTermSet);
}

void HtmlBuilder::AddCell(TableBuild& t) {
  if (!currentCell_) return;
  addCurrentSection();
  if (t.cellObj && currentCell_ == t.cellObj->Cell.get()) {
    if (!t.row) t.row = std::make_unique<TCellList>();
    t.row->Add(std::move(t.cellObj));
  }
  currentCell_ = nullptr;
}

void HtmlBuilder::finishTable(TableBuild& t, std::unique_ptr<ThtmlTable> table, TCell* outer) {
  AddCell(t);
  if (t.cellObj) {  // only when the table was cut short
    if (!t.row) t.row = std::make_unique<TCellList>();
    t.row->Add(std::move(t.cellObj));
  }
  if (t.row) t.table->Rows.Add(std::move(t.row));
  currentCell_ = outer;
  addCurrentSection();  // text between rows when the table was cut short
  outer->AddSection(std::move(table));
}

}  // namespace tavra
