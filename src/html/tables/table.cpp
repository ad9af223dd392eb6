#include "html/tables/table.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "html/parse/colors.h"
#include "html/document/section_list.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

// Widths and heights from documents are kept within what a 16-bit graphics system can
// draw, so that no sum of them overflows.
constexpr int MaxExtent = 32000;

bool IsPercent(const TAttribute& a) { return a.Text.find('%') != std::string::npos; }

bool ReadColor(const TAttributeList& attributes, ColorRef& colour) {
  const TAttribute* a = attributes.Find(attrBgcolor);
  return a && ParseColor(a->Text, colour);
}

}  // namespace

// ---------------------------------------------------------------- cells and rows

TCellObj::TCellObj(TSectionList* document, const TAttributeList& attributes, std::uint8_t vAlign)
    : VAlign(vAlign), Cell(std::make_unique<TCell>(document)) {
  ColorRef colour = 0;
  if (ReadColor(attributes, colour)) {
    Cell->HasBackground = true;
    Cell->BackgroundColor = colour | PaletteRelative;
  }
  for (const TAttribute& a : attributes) {
    switch (a.Sym) {
      case attrColspan:
        if (a.Value > 1) ColSpan = a.Value;
        break;
      case attrRowspan:
        if (a.Value > 1) RowSpan = a.Value;
        break;
      case attrWidth:
        if (IsPercent(a)) {
          if (a.Value >= 1 && a.Value <= 100) {
            SpecWd = a.Value * 10;
            WdIsPercent = true;
          }
        } else if (a.Value > 0) {
          SpecWd = std::min(a.Value, MaxExtent);
        }
        break;
      case attrHeight:
        SpecHt = std::clamp(a.Value, -MaxExtent, MaxExtent);
        break;
      default:
        break;
    }
  }
}

TCellObj::TCellObj(TSectionList* document, int colSpan, int rowSpan)
    : ColSpan(colSpan), RowSpan(rowSpan), Cell(std::make_unique<TCell>(document)) {}

void TCellList::ApplyRowAttributes(const TAttributeList& attributes) {
  ColorRef colour = 0;
  if (ReadColor(attributes, colour)) {
    HasRowColor = true;
    RowColor = colour | PaletteRelative;
  }
}

// ---------------------------------------------------------------- the table

ThtmlTable::ThtmlTable(TSectionList* document, int listLevel, TCell* parentCell, std::uint8_t defaultAlign,
                       const TAttributeList& attributes)
    : Caption(std::make_unique<TCellObj>(document, 1, 1)),
      Align(defaultAlign),
      ListLevel(listLevel),
      ParentCell(parentCell) {
  Document = document;
  for (const TAttribute& a : attributes) {
    switch (a.Sym) {
      case attrAlign:
        if (ascii::equalIgnoringCase(a.Text, "CENTER")) {
          Align = 2;
          Floats = false;
        } else if (ascii::equalIgnoringCase(a.Text, "LEFT")) {
          Align = 1;
          Floats = true;
        } else if (ascii::equalIgnoringCase(a.Text, "RIGHT")) {
          Align = 3;
          Floats = true;
        }
        break;
      case attrBgcolor:
        if (ParseColor(a.Text, BgColor)) {
          BgColor |= PaletteRelative;
          HasBgColor = true;
        }
        break;
      case attrBorder:
        HasBorder = a.Value > 0;
        break;
      case attrCellpadding:
        if (a.Value >= 0) CellPadding = std::min(a.Value, 50);
        break;
      case attrCellspacing:
        if (a.Value >= 0) CellSpacing = std::min(a.Value, 40);
        break;
      case attrWidth:
        if (!IsPercent(a)) {
          WidthIsPercent = false;
          SpecWidth = std::clamp(a.Value, -MaxExtent, MaxExtent);
        } else if (a.Value >= 1 && a.Value <= 100) {
          WidthIsPercent = true;
          SpecWidth = a.Value * 10;
        }
        break;
      case attrBordercolor:
        if (ParseColor(a.Text, BorderColor)) {
          BorderColor |= PaletteRelative;
          HasBorderColor = true;
        }
        break;
      case attrHspace:
        HSpace = int(std::min<long long>(20, std::llabs(a.Value)));
        break;
      default:
        break;
    }
  }
  if (HasBorder) CellSpacing += 2;
}

// ---------------------------------------------------------------- the grid

void ThtmlTable::ApplyBackgrounds() {
  if (!HasBgColor && ParentCell && ParentCell->HasBackground) {
    HasBgColor = true;
    BgColor = ParentCell->BackgroundColor;
  }
  for (int r = 0; r < Rows.Count(); ++r) {
    TCellList& row = Rows[r];
    for (int c = 0; c < row.Count(); ++c) {
      TCell& cell = *row[c].Cell;
      if (row.HasRowColor && !cell.HasBackground) {
        cell.HasBackground = true;
        cell.BackgroundColor = row.RowColor;
      }
      if (HasBgColor && !cell.HasBackground) {
        cell.HasBackground = true;
        cell.BackgroundColor = BgColor;
      }
    }
  }
}

void ThtmlTable::NormaliseGrid() {
  ApplyBackgrounds();
  if (GridReady) return;
  auto tooMany = [] { return EProcessError("Table has too many Columns"); };
  const int rows = Rows.Count();

  // Column spans. A row that would pass the column limit fails before its placeholders
  // are made, so an absurd COLSPAN costs no memory.
  NumCols = 0;
  for (int r = 0; r < rows; ++r) {
    TCellList& row = Rows[r];
    long long columns = 0;
    for (int c = 0; c < row.Count(); ++c) {
      const TCellObj& cell = row[c];
      columns += cell.ColSpan;
      if (cell.SpecWd > 0 && !cell.WdIsPercent) HasPixelWidthCells = true;
    }
    if (columns > MaxCols) throw tooMany();
    for (int c = row.Count() - 1; c >= 0; --c) {
      int span = row[c].ColSpan, rowSpan = row[c].RowSpan;
      for (int k = 1; k < span; ++k) row.Insert(c + 1, std::make_unique<TCellObj>(Document, 0, rowSpan));
    }
    NumCols = std::max(NumCols, row.Count());
  }

  // Row spans. Every column that exists is visited, also one that insertions made, so
  // that no cell keeps a span reaching past the last row.
  for (int i = 0; i < NumCols; ++i) {
    for (int j = 0; j < rows; ++j) {
      TCellList& row = Rows[j];
      if (i >= row.Count()) continue;
      TCellObj& cell = row[i];
      cell.RowSpan = std::min(cell.RowSpan, rows - j);
      for (int c = j + 1; c < j + cell.RowSpan; ++c) {
        TCellList& below = Rows[c];
        while (below.Count() < i) below.Add(std::make_unique<TCellObj>(Document, 0, 0));
        below.Insert(i, std::make_unique<TCellObj>(Document, 0, 0));
        if (below.Count() > MaxCols) throw tooMany();
        NumCols = std::max(NumCols, below.Count());
      }
    }
  }
  GridReady = true;
}

template <class F>
void ThtmlTable::ForEachContentCell(F&& f) const {
  for (int r = 0; r < Rows.Count(); ++r) {
    TCellList& row = Rows[r];
    for (int c = 0; c < row.Count(); ++c)
      if (row[c].HasContent()) f(row[c]);
  }
}

// ---------------------------------------------------------------- hit tests

TCell* ThtmlTable::CellAtPoint(int x, int y, int& cellY) const {
  int gridTop = GridTop();
  if (y < gridTop || y >= gridTop + GridHeight) {
    bool inCaption = CaptionAtTop ? y >= 0 && y < CaptionHeight
                                  : y >= gridTop + GridHeight && y < gridTop + GridHeight + CaptionHeight;
    int left = GridX - GridLeft + TableLeft;
    if (!inCaption || x < left || x >= left + TableWidth) return nullptr;
    cellY = CaptionAtTop ? y : y - GridHeight;
    return Caption->Cell.get();
  }
  if (x < GridX || x >= GridX + GridWidth) return nullptr;
  int rowTop = gridTop;
  for (int r = 0; r < Rows.Count(); ++r) {
    const TCellList& row = Rows[r];
    int cellX = GridX;
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      const TCellObj& cell = row[c];
      if (cell.HasContent() && x >= cellX + CellSpacing && x < cellX + cell.CellWd && y >= rowTop + CellSpacing &&
          y < rowTop + cell.CellHt) {
        cellY = y - (rowTop + CellSpacing + CellPadding + cell.VIndent);
        return cell.Cell.get();
      }
      cellX += Widths[c];
    }
    rowTop += row.RowHeight;
  }
  return nullptr;
}

bool ThtmlTable::LinkAtPoint(Canvas& canvas, int x, int y, InlineControl*& control, TUrlTarget& target) {
  int cellY = 0;
  TCell* cell = CellAtPoint(x, y, cellY);
  return cell && cell->LinkAtPoint(canvas, x, cellY, control, target);
}

bool ThtmlTable::ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY) {
  int cellY = 0;
  TCell* cell = CellAtPoint(x, y, cellY);
  return cell && cell->ImageAtPoint(x, cellY, image, imageX, imageY);
}

int ThtmlTable::PointToCharPos(Canvas& canvas, int x, int y, bool& insideText, int& lineHeight, int& lineTop,
                               int& caretX) {
  int cellY = 0;
  TCell* cell = CellAtPoint(x, y, cellY);
  if (!cell) return -1;
  TCell* found = nullptr;
  int pos = cell->PointToCharPos(canvas, x, cellY, insideText, lineHeight, lineTop, caretX, found);
  lineTop += y - cellY;
  return pos;
}

bool ThtmlTable::Contains(const TSectionBase* block) const {
  if (block == this || Caption->Cell->Contains(block)) return true;
  for (int r = 0; r < Rows.Count(); ++r)
    for (int c = 0; c < Rows[r].Count(); ++c)
      if (Rows[r][c].Cell->Contains(block)) return true;
  return false;
}

// ---------------------------------------------------------------- character operations

int ThtmlTable::SearchText(int start, std::u16string_view text, bool matchCase) {
  if (CaptionAtTop) {
    int pos = Caption->Cell->SearchText(start, text, matchCase);
    if (pos >= 0) return pos;
  }
  int found = -1;
  ForEachContentCell([&](const TCellObj& cell) {
    if (found < 0) found = cell.Cell->SearchText(start, text, matchCase);
  });
  if (found < 0 && !CaptionAtTop) found = Caption->Cell->SearchText(start, text, matchCase);
  return found;
}

bool ThtmlTable::CharPosToPoint(Canvas& canvas, int pos, int& y, int& x) {
  if (pos >= FirstCharPos + CharCount) return false;
  if (CaptionAtTop && Caption->Cell->CharPosToPoint(canvas, pos, y, x)) return true;
  bool found = false;
  ForEachContentCell([&](const TCellObj& cell) {
    if (!found) found = cell.Cell->CharPosToPoint(canvas, pos, y, x);
  });
  if (!found && !CaptionAtTop) found = Caption->Cell->CharPosToPoint(canvas, pos, y, x);
  return found;
}

bool ThtmlTable::CharAtPos(int pos, char16_t& ch, TSectionBase*& block) {
  if (pos < FirstCharPos || pos >= FirstCharPos + CharCount) return false;
  if (Caption->Cell->CharAtPos(pos, ch, block)) return true;
  bool found = false;
  ForEachContentCell([&](const TCellObj& cell) {
    if (!found) found = cell.Cell->CharAtPos(pos, ch, block);
  });
  return found;
}

void ThtmlTable::CopySelectedText(int selFrom, int selTo, std::u16string& out) const {
  if (CaptionAtTop) Caption->Cell->CopySelectedText(selFrom, selTo, out);
  ForEachContentCell([&](const TCellObj& cell) { cell.Cell->CopySelectedText(selFrom, selTo, out); });
  if (!CaptionAtTop) Caption->Cell->CopySelectedText(selFrom, selTo, out);
}

void ThtmlTable::ForEachReadingCell(const std::function<void(const TCell&)>& f) const {
  if (CaptionAtTop) f(*Caption->Cell);
  ForEachContentCell([&](const TCellObj& cell) { f(*cell.Cell); });
  if (!CaptionAtTop) f(*Caption->Cell);
}

void ThtmlTable::RefreshFonts() {
  for (int r = 0; r < Rows.Count(); ++r)
    for (int c = 0; c < Rows[r].Count(); ++c) Rows[r][c].Cell->RefreshFonts();
  Caption->Cell->RefreshFonts();
}

}  // namespace tavra
