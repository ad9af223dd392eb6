// Painting of tables: captions, cell backgrounds and contents, the sunken cell frames,
// the raised frame of the grid and the border colour between the cells.

#include <algorithm>
#include <vector>

#include "html/document/section_list.h"
#include "html/tables/table.h"

namespace tavra {

namespace {

// A rectangle with rectangular holes, filled band by band so that the holes keep what
// was painted there.
class CutRegion {
 public:
  explicit CutRegion(const Rect& area) : area_(area) {}

  void Cut(const Rect& r) {
    Rect hole = r.intersected(area_);
    if (!hole.isEmpty()) holes_.push_back(hole);
  }

  void Fill(Canvas& canvas, ColorRef colour) const {
    if (area_.isEmpty()) return;
    std::vector<int> edges{area_.top, area_.bottom};
    for (const Rect& h : holes_) {
      edges.push_back(h.top);
      edges.push_back(h.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<std::pair<int, int>> spans;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
      int top = edges[e], bottom = edges[e + 1];
      spans.clear();
      for (const Rect& h : holes_)
        if (h.top <= top && h.bottom >= bottom) spans.emplace_back(h.left, h.right);
      std::sort(spans.begin(), spans.end());
      int x = area_.left;
      for (const auto& [left, right] : spans) {
        if (left > x) canvas.fillRect({x, top, left, bottom}, colour);
        x = std::max(x, right);
      }
      if (x < area_.right) canvas.fillRect({x, top, area_.right, bottom}, colour);
    }
  }

 private:
  Rect area_;
  std::vector<Rect> holes_;
};

// A frame one pixel wide around the pixels (left..right, top..bottom), all inclusive:
// `topLeft` colours the left and top edges, `bottomRight` the right and bottom ones.
void Frame(Canvas& canvas, int left, int top, int right, int bottom, ColorRef topLeft, ColorRef bottomRight) {
  canvas.fillRect({left, top, right + 1, top + 1}, topLeft);
  canvas.fillRect({left, top, left + 1, bottom + 1}, topLeft);
  canvas.fillRect({right, top + 1, right + 1, bottom + 1}, bottomRight);
  canvas.fillRect({left + 1, bottom, right + 1, bottom + 1}, bottomRight);
}

}  // namespace

void ThtmlTable::PlaceContents(int x) {
  GridX = x + GridLeft;
  Caption->Cell->PlaceContents(x + TableLeft);
  for (int r = 0; r < Rows.Count(); ++r) {
    TCellList& row = Rows[r];
    int cellX = GridX;
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      TCellObj& cell = row[c];
      if (cell.HasContent()) cell.Cell->PlaceContents(cellX + CellSpacing + CellPadding);
      cellX += Widths[c];
    }
  }
}

int ThtmlTable::PaintSection(const PaintContext& context, Canvas& canvas, int, int x, int y) const {
  int result = y + ContentHeight;
  if (!Document) return result;
  const Rect& clip = context.Clip;
  const int scroll = context.ScrollOffset;
  if (y + PaintHeight - scroll < clip.top || y - scroll >= clip.bottom) return result;

  const int gx = x + GridLeft;
  if (CaptionAtTop) {
    Caption->Cell->PaintCell(context, canvas, TableWidth, x + TableLeft, y);
    y += CaptionHeight;
  }
  const int gridTop = y, gridBottom = y + GridHeight;
  CutRegion border({gx, std::max(clip.top - 1, gridTop - scroll), gx + GridWidth, std::min(clip.bottom, gridBottom - scroll)});

  // On a white page the system highlight would vanish; silver keeps the frames visible.
  const ColorRef highlight = Document->BackgroundIsWhite() ? ColorRef(0xC0C0C0) : clBtnHighlight;
  const ColorRef shadow = clBtnShadow;
  const int edge = HasBorder ? 1 : 0;

  for (int r = 0; r < Rows.Count(); ++r) {
    const TCellList& row = Rows[r];
    if (y + row.RowSpanHeight - scroll < clip.top || y - scroll >= clip.bottom) {
      y += row.RowHeight;
      continue;
    }
    int cellX = gx;
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      const TCellObj& cell = row[c];
      if (cell.HasContent()) {
        Rect box{cellX + CellSpacing, y + CellSpacing - scroll, cellX + cell.CellWd, y + cell.CellHt - scroll};
        if (cell.Cell->HasBackground) canvas.fillRect(box, cell.Cell->BackgroundColor);
        cell.Cell->PaintCell(context, canvas, std::max(0, cell.CellWd - CellSpacing - 2 * CellPadding),
                             cellX + CellSpacing + CellPadding, y + CellSpacing + CellPadding + cell.VIndent);
        if (HasBorder) Frame(canvas, box.left - 1, box.top - 1, box.right, box.bottom, shadow, highlight);
        border.Cut({box.left - edge, box.top - edge, box.right + edge, box.bottom + edge});
      }
      cellX += Widths[c];
    }
    y += row.RowHeight;
  }

  if (HasBorderColor) border.Fill(canvas, BorderColor);
  if (HasBorder)
    Frame(canvas, gx, gridTop - scroll, gx + GridWidth - 1, gridBottom - 1 - scroll, highlight, shadow);
  if (!CaptionAtTop) Caption->Cell->PaintCell(context, canvas, TableWidth, x + TableLeft, gridBottom);
  return result;
}

}  // namespace tavra
