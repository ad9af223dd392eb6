#pragma once
// HTML tables: rows of cells, each cell a list of ordinary blocks (so tables nest). The
// parser's rows become a rectangular grid, column widths follow from the cells' minimum
// and maximum widths and the WIDTH attributes, row heights from the laid-out cells; the
// table is aligned or floated in its cell and paints backgrounds and 3-D borders.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "html/parse/attributes.h"
#include "html/document/section_base.h"

namespace tavra {

// One cell of a table. A placeholder (ColSpan 0) stands where a spanning cell reaches into
// the grid; it has no content of its own.
class TCellObj {
 public:
  TCellObj(TSectionList* document, const TAttributeList& attributes, std::uint8_t vAlign);
  // A placeholder.
  TCellObj(TSectionList* document, int colSpan, int rowSpan);

  int ColSpan = 1;
  int RowSpan = 1;
  int CellWd = 0;
  int CellHt = 0;
  int ContentHt = 0;
  int SpecHt = 0;
  int VIndent = 0;
  std::uint8_t VAlign = 1;  // 0 top, 1 middle, 2 bottom
  int SpecWd = 0;           // pixels, or per-mille when WdIsPercent
  bool WdIsPercent = false;
  std::unique_ptr<TCell> Cell;

  bool HasContent() const { return ColSpan > 0 && Cell->Count() > 0; }
};

// One row of a table.
class TCellList : public TFreeList<TCellObj> {
 public:
  int RowHeight = 0;
  int RowSpanHeight = 0;
  bool HasRowColor = false;
  ColorRef RowColor = 0;

  void ApplyRowAttributes(const TAttributeList& attributes);
  void Insert(int index, std::unique_ptr<TCellObj> cell) {
    items_.insert(items_.begin() + index, std::move(cell));
  }
};

class ThtmlTable : public TSectionBase {
 public:
  // More columns than this and the table is not shown.
  static constexpr int MaxCols = 30;

  ThtmlTable(TSectionList* document, int listLevel, TCell* parentCell, std::uint8_t defaultAlign,
             const TAttributeList& attributes);

  TFreeList<TCellList> Rows;
  std::unique_ptr<TCellObj> Caption;
  bool GridReady = false;
  bool HasBorder = false;
  bool CaptionAtTop = true;
  int GridLeft = 0;
  int TableLeft = 0;
  std::uint8_t Align = 1;  // 1 left, 2 centre, 3 right
  bool Floats = false;
  int NumCols = 0;
  int GridWidth = 0;
  int TableWidth = 0;
  int SpecWidth = 0;  // pixels, or per-mille when WidthIsPercent
  bool WidthIsPercent = false;
  bool HasPixelWidthCells = false;
  int CaptionHeight = 0;
  int GridHeight = 0;
  int CellPadding = 1;
  int CellSpacing = 2;
  int CaptionMinWidth = 0;
  int Widths[MaxCols + 1] = {};
  int Percents[MaxCols + 1] = {};
  int HSpace = 5;
  int ListLevel = 0;
  int GridX = 0;  // the grid's left in document coordinates, placed after layout
  bool HasBgColor = false;
  bool HasBorderColor = false;
  ColorRef BgColor = 0;
  ColorRef BorderColor = 0;
  TCell* ParentCell;

  void CopySelectedText(int selFrom, int selTo, std::u16string& out) const override;
  int LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) override;
  void PlaceContents(int x) override;
  int PaintSection(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const override;
  bool LinkAtPoint(Canvas& canvas, int x, int y, InlineControl*& control, TUrlTarget& target) override;
  bool ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY) override;
  int PointToCharPos(Canvas& canvas, int x, int y, bool& insideText, int& lineHeight, int& lineTop,
                     int& caretX) override;
  int SearchText(int start, std::u16string_view text, bool matchCase) override;
  bool CharPosToPoint(Canvas& canvas, int pos, int& y, int& x) override;
  bool CharAtPos(int pos, char16_t& ch, TSectionBase*& block) override;
  void RefreshFonts() override;
  void MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth) override;
  bool Contains(const TSectionBase* block) const override;
  // The caption and the cells with content in the order they are read.
  void ForEachReadingCell(const std::function<void(const TCell&)>& f) const;

 private:
  // Column minimum and maximum widths of one measuring pass.
  struct ColumnMeasures {
    std::vector<int> min, max;
    int minTotal = 0, maxTotal = 0;
    void Total();
  };

  void ApplyBackgrounds();
  void NormaliseGrid();
  static void MeasureCell(Canvas& canvas, TCell& cell, int& min, int& max);
  void CellMeasures(Canvas& canvas, const TCellObj& cell, int& min, int& max) const;
  void PlainMeasures(Canvas& canvas, ColumnMeasures& m);
  void PercentMeasures(Canvas& canvas, int target, ColumnMeasures& m);
  void SpanPercentCell(int col, int span, int share, int cellMin, int cellMax, ColumnMeasures& m);
  void ColumnWidths(Canvas& canvas, int target);
  void SharesWithoutWidth(int target, ColumnMeasures& m);
  void Interpolate(int target, const ColumnMeasures& m);
  void DistributeShares(int target, const ColumnMeasures& m);
  std::vector<int> RowHeights(Canvas& canvas);
  int CaptionMeasure(Canvas& canvas);

  // The cell under a point (x as painted, y relative to the table) and the point's y
  // relative to that cell's first block.
  TCell* CellAtPoint(int x, int y, int& cellY) const;
  int GridTop() const { return CaptionAtTop ? CaptionHeight : 0; }

  template <class F>
  void ForEachContentCell(F&& f) const;

  // The table holding this one lays out each of its cells twice, first to learn the row
  // heights and then in place, which would double the work at every level of nesting.
  // Within one layout of the document, the column widths and row heights found for a
  // width serve every later layout at that width.
  int measuredGeneration_ = 0;
  int measuredTarget_ = -1;
  std::vector<int> rowHeights_;
};

}  // namespace tavra
