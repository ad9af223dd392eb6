// Column widths, row heights and the placement of a table in its cell.

#include <algorithm>
#include <utility>
#include <vector>

#include "html/document/section_list.h"
#include "html/tables/table.h"

namespace tavra {

namespace {

// The distinct column spans greater than one, in increasing order; spans that no cell has
// change nothing, so only these rounds are run.
std::vector<int> SpanRounds(const TFreeList<TCellList>& rows) {
  std::vector<int> spans;
  for (int r = 0; r < rows.Count(); ++r)
    for (int c = 0; c < rows[r].Count(); ++c)
      if (int s = rows[r][c].ColSpan; s > 1) spans.push_back(s);
  std::sort(spans.begin(), spans.end());
  spans.erase(std::unique(spans.begin(), spans.end()), spans.end());
  return spans;
}

}  // namespace

void ThtmlTable::ColumnMeasures::Total() {
  minTotal = maxTotal = 0;
  for (std::size_t c = 0; c < min.size(); ++c) {
    minTotal += min[c];
    maxTotal += max[c];
  }
}

// The widths of a cell's blocks. A nested table that cannot be shown is reported and
// dropped from its own cell, as the cell's layout would do, so that the table holding
// it keeps the rest of its content.
void ThtmlTable::MeasureCell(Canvas& canvas, TCell& cell, int& min, int& max) {
  min = max = 0;
  for (int i = 0; i < cell.Count();) {
    int mn = 0, mx = 0;
    try {
      cell[i].MeasureWidths(canvas, mn, mx);
    } catch (const EProcessError& e) {
      cell.DropFailedBlock(i, e);
      continue;
    }
    min = std::max(min, mn);
    max = std::max(max, mx);
    ++i;
  }
}

void ThtmlTable::CellMeasures(Canvas& canvas, const TCellObj& cell, int& min, int& max) const {
  int pad = 2 * CellPadding + CellSpacing;
  MeasureCell(canvas, *cell.Cell, min, max);
  min += pad;
  max += pad;
}

int ThtmlTable::CaptionMeasure(Canvas& canvas) {
  int min = 0, max = 0;
  MeasureCell(canvas, *Caption->Cell, min, max);
  return min;
}

// ---------------------------------------------------------------- width measures

void ThtmlTable::PlainMeasures(Canvas& canvas, ColumnMeasures& m) {
  int pad = 2 * CellPadding + CellSpacing;
  m.min.assign(std::size_t(NumCols), 0);
  m.max.assign(std::size_t(NumCols), 0);
  for (int r = 0; r < Rows.Count(); ++r) {
    const TCellList& row = Rows[r];
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      const TCellObj& cell = row[c];
      if (cell.ColSpan != 1) continue;
      int mn = 0, mx = 0;
      CellMeasures(canvas, cell, mn, mx);
      if (cell.SpecWd > 0 && !cell.WdIsPercent) mn = mx = std::max(mn, cell.SpecWd + pad);
      m.min[c] = std::max(m.min[c], mn);
      m.max[c] = std::max(m.max[c], mx);
    }
  }
  // A spanning cell widens its columns in proportion to what they already need; columns
  // that need nothing yet share the width equally.
  auto spread = [](std::vector<int>& v, int first, int span, int need) {
    int sum = 0;
    for (int c = first; c < first + span; ++c) sum += v[std::size_t(c)];
    if (sum >= need) return;
    for (int c = first; c < first + span; ++c)
      v[std::size_t(c)] += sum > 0 ? MulDiv(v[std::size_t(c)], need - sum, sum) : need / span;
  };
  for (int s : SpanRounds(Rows)) {
    for (int r = 0; r < Rows.Count(); ++r) {
      const TCellList& row = Rows[r];
      for (int c = 0; c < row.Count() && c < NumCols; ++c) {
        const TCellObj& cell = row[c];
        if (cell.ColSpan != s) continue;
        int span = std::min(s, NumCols - c);
        int mn = 0, mx = 0;
        CellMeasures(canvas, cell, mn, mx);
        spread(m.min, c, span, mn);
        spread(m.max, c, span, mx);
      }
    }
  }
  m.Total();
}

void ThtmlTable::PercentMeasures(Canvas& canvas, int target, ColumnMeasures& m) {
  m.min.assign(std::size_t(NumCols), 0);
  m.max.assign(std::size_t(NumCols), 0);
  std::fill(std::begin(Percents), std::end(Percents), 0);
  auto shareOf = [target](const TCellObj& cell) {
    if (cell.WdIsPercent) return cell.SpecWd;
    if (cell.SpecWd > 0 && target > 0) return std::min(1000, MulDiv(cell.SpecWd, 1000, target));
    return 0;
  };
  for (int r = 0; r < Rows.Count(); ++r) {
    const TCellList& row = Rows[r];
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      const TCellObj& cell = row[c];
      if (cell.ColSpan != 1) continue;
      int mn = 0, mx = 0;
      CellMeasures(canvas, cell, mn, mx);
      m.min[c] = std::max(m.min[c], mn);
      m.max[c] = std::max(m.max[c], mx);
      Percents[c] = std::max(Percents[c], shareOf(cell));
    }
  }
  for (int s : SpanRounds(Rows)) {
    for (int r = 0; r < Rows.Count(); ++r) {
      const TCellList& row = Rows[r];
      for (int c = 0; c < row.Count() && c < NumCols; ++c) {
        const TCellObj& cell = row[c];
        if (cell.ColSpan != s) continue;
        int mn = 0, mx = 0;
        CellMeasures(canvas, cell, mn, mx);
        SpanPercentCell(c, std::min(s, NumCols - c), shareOf(cell), mn, mx, m);
      }
    }
  }
  m.Total();
}

void ThtmlTable::SpanPercentCell(int col, int span, int share, int cellMin, int cellMax, ColumnMeasures& m) {
  auto& mins = m.min;
  auto& maxs = m.max;
  int sumMin = 0, sumMax = 0, p = 0, z = 0, sumMaxNoShare = 0;
  std::vector<bool> noShare(std::size_t(span), false);
  for (int k = 0; k < span; ++k) {
    std::size_t c = std::size_t(col + k);
    sumMin += mins[c];
    sumMax += maxs[c];
    if (Percents[c] > 0) {
      p += Percents[c];
    } else {
      noShare[std::size_t(k)] = true;
      ++z;
      sumMaxNoShare += maxs[c];
    }
  }
  int dmin = cellMin - sumMin, dmax = cellMax - sumMax;

  if (share > 0 || p > 0) {
    int t = z > 0 ? std::max(0, (share - p) / z) : 0;
    if (z == 0 && p < share) {
      for (int k = 0; k < span; ++k) Percents[col + k] = MulDiv(Percents[col + k], share, p);
    } else if (t > 0) {
      for (int k = 0; k < span; ++k)
        if (noShare[std::size_t(k)]) Percents[col + k] = t;
    }
    int total = std::max(p, share);
    if (dmin > 0) {
      for (int k = 0; k < span; ++k) {
        std::size_t c = std::size_t(col + k);
        if (z == 0)
          mins[c] = std::max(mins[c], MulDiv(cellMin, Percents[c], total));
        else if (noShare[std::size_t(k)])
          mins[c] += sumMaxNoShare > 0 ? MulDiv(dmin, maxs[c], sumMaxNoShare) : dmin / z;
      }
    }
    if (dmax > 0) {
      for (int k = 0; k < span; ++k) {
        std::size_t c = std::size_t(col + k);
        if (z == 0)
          maxs[c] = std::max(maxs[c], MulDiv(cellMax, Percents[c], total));
        else if (noShare[std::size_t(k)])
          maxs[c] += dmax / z;
      }
    }
  } else {
    auto scale = [&](std::vector<int>& v, int sum, int need, int d) {
      if (d <= 0) return;
      for (int k = 0; k < span; ++k) {
        std::size_t c = std::size_t(col + k);
        v[c] = sum > 0 ? MulDiv(need, v[c], sum) : need / span;
      }
    };
    scale(mins, sumMin, cellMin, dmin);
    scale(maxs, sumMax, cellMax, dmax);
  }
}

// ---------------------------------------------------------------- column widths

void ThtmlTable::ColumnWidths(Canvas& canvas, int target) {
  std::fill(std::begin(Widths), std::end(Widths), 0);
  ColumnMeasures m;
  auto take = [&](const std::vector<int>& v) {
    for (int c = 0; c < NumCols; ++c) Widths[c] = v[std::size_t(c)];
  };

  if (HasPixelWidthCells && SpecWidth < 1) {
    PlainMeasures(canvas, m);
    if (m.minTotal < target && target < m.maxTotal)
      Interpolate(target, m);
    else
      take(m.minTotal >= target ? m.min : m.max);
    return;
  }
  PercentMeasures(canvas, target, m);
  if (m.minTotal >= target) {
    take(m.min);
  } else if (SpecWidth >= 1) {
    DistributeShares(target, m);
  } else {
    SharesWithoutWidth(target, m);
  }
}

// Shares of a table without WIDTH: the table grows to what its shares need if it may;
// else shares that cannot be met are dropped or scaled down until the rest fits.
void ThtmlTable::SharesWithoutWidth(int target, ColumnMeasures& m) {
  int p = 0;
  for (int c = 0; c < NumCols; ++c) p += Percents[c];
  if (p > 0 && p <= 1000) {
    int needed = 0, sumMaxNoShare = 0;
    for (int c = 0; c < NumCols; ++c) {
      if (Percents[c] > 0)
        needed = std::max(needed, MulDiv(m.max[std::size_t(c)], 1000, Percents[c]));
      else
        sumMaxNoShare += m.max[std::size_t(c)];
    }
    int rest = 0;
    if (p > 999)
      rest = sumMaxNoShare > 0 ? 30000 : 0;
    else
      rest = MulDiv(sumMaxNoShare, 1000, 1000 - p);
    needed = std::max(needed, rest);

    if (target >= needed) {
      int left = MulDiv(needed, 1000 - p, 1000);
      for (int c = 0; c < NumCols; ++c) {
        if (Percents[c] > 0)
          Widths[c] = MulDiv(needed, Percents[c], 1000);
        else
          Widths[c] = sumMaxNoShare > 0 ? MulDiv(m.max[std::size_t(c)], left, sumMaxNoShare) : 0;
      }
      return;
    }
    // Every pass either drops a share or scales the shares down strictly, so this ends.
    for (;;) {
      int sumW = 0, sumMinNoShare = 0;
      bool anyShare = false;
      for (int c = 0; c < NumCols; ++c) {
        if (Percents[c] <= 0) continue;
        int w = MulDiv(target, Percents[c], 1000) - 1;
        if (w < m.min[std::size_t(c)]) {
          Percents[c] = 0;
        } else {
          sumW += w;
          anyShare = true;
        }
      }
      if (!anyShare) break;
      for (int c = 0; c < NumCols; ++c)
        if (Percents[c] <= 0) sumMinNoShare += m.min[std::size_t(c)];
      if (target < sumMinNoShare + sumW) {
        long long room = std::max(0, target - sumMinNoShare);
        for (int c = 0; c < NumCols; ++c)
          if (Percents[c] > 0) Percents[c] = int(Percents[c] * room / sumW);
        continue;
      }
      for (int c = 0; c < NumCols; ++c) {
        if (Percents[c] <= 0) continue;
        std::size_t i = std::size_t(c);
        m.min[i] = m.max[i] = MulDiv(target, Percents[c], 1000);
      }
      m.Total();
      break;
    }
  }
  if (target < m.maxTotal && m.maxTotal != m.minTotal) {
    Interpolate(target, m);
  } else {
    for (int c = 0; c < NumCols; ++c) Widths[c] = m.max[std::size_t(c)];
  }
}

// Every column gets its minimum plus its part of the room between the totals.
void ThtmlTable::Interpolate(int target, const ColumnMeasures& m) {
  for (int c = 0; c < NumCols; ++c) {
    std::size_t i = std::size_t(c);
    Widths[c] = m.min[i] + MulDiv(m.max[i] - m.min[i], target - m.minTotal, m.maxTotal - m.minTotal);
  }
}

// Shares of a table with WIDTH: share columns get their part of the target unless their
// minimum is larger; the difference to the target goes to the columns without a share,
// or is taken from the share columns that can give.
void ThtmlTable::DistributeShares(int target, const ColumnMeasures& m) {
  std::vector<bool> fixed(std::size_t(NumCols), false), free(std::size_t(NumCols), false);
  int sumDiff = 0, noShareCount = 0, freeShares = 0, total = 0;
  for (int c = 0; c < NumCols; ++c) {
    std::size_t i = std::size_t(c);
    if (Percents[c] <= 0) {
      Widths[c] = m.min[i];
      sumDiff += m.max[i] - m.min[i];
      ++noShareCount;
    } else {
      int a = MulDiv(target, Percents[c], 1000);
      if (m.min[i] < a) {
        Widths[c] = a;
        free[i] = true;
        freeShares += Percents[c];
      } else {
        Widths[c] = m.min[i];
        fixed[i] = true;
      }
    }
    total += Widths[c];
  }
  int excess = total - target;

  if (excess < 0) {
    for (int c = 0; c < NumCols; ++c) {
      std::size_t i = std::size_t(c);
      if (noShareCount == 0) {
        if (free[i] && freeShares > 0) Widths[c] += MulDiv(-excess, Percents[c], freeShares);
      } else if (Percents[c] <= 0) {
        Widths[c] += sumDiff <= 0 ? -excess / noShareCount : MulDiv(-excess, m.max[i] - m.min[i], sumDiff);
      }
    }
  } else if (excess > 0) {
    bool fixedOne = true;
    for (int round = 0; round < 4 && fixedOne; ++round) {
      fixedOne = false;
      for (int c = 0; c < NumCols; ++c) {
        std::size_t i = std::size_t(c);
        if (!free[i] || freeShares <= 0) continue;
        if (Widths[c] - MulDiv(excess, Percents[c], freeShares) < m.min[i]) {
          excess -= Widths[c] - m.min[i];
          Widths[c] = m.min[i];
          free[i] = false;
          fixed[i] = true;
          freeShares -= Percents[c];
          fixedOne = true;
        }
      }
    }
    if (freeShares > 0) {
      for (int c = 0; c < NumCols; ++c)
        if (free[std::size_t(c)]) Widths[c] -= MulDiv(excess, Percents[c], freeShares);
    }
  }

  int sum = 0;
  for (int c = 0; c < NumCols; ++c) sum += Widths[c];
  if (sum < target && NumCols > 0) {
    Widths[0] += target - sum;
  } else if (sum > target) {
    for (int c = 0; c < NumCols; ++c) {
      if (!fixed[std::size_t(c)]) {
        Widths[c] -= sum - target;
        break;
      }
    }
  }
}

// ---------------------------------------------------------------- row heights

std::vector<int> ThtmlTable::RowHeights(Canvas& canvas) {
  const int rows = Rows.Count();
  const int pad = 2 * CellPadding + CellSpacing;
  std::vector<int> heights(std::size_t(rows), 0);

  auto needed = [&](TCellObj& cell) {
    int scratch = 0, maxWidth = 0;
    int width = std::max(0, cell.CellWd - 2 * CellPadding - CellSpacing);
    cell.ContentHt = cell.Cell->LayoutCell(canvas, 0, width, maxWidth, scratch);
    return std::max(cell.ContentHt, cell.SpecHt - 2 * CellPadding);
  };

  for (int k = 0; k < rows; ++k) {
    TCellList& row = Rows[k];
    int d = 0;
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      TCellObj& cell = row[c];
      if (cell.ColSpan <= 0) continue;
      cell.CellWd = 0;
      for (int j = c; j < c + cell.ColSpan && j < NumCols; ++j) cell.CellWd += Widths[j];
      if (cell.RowSpan == 1) d = std::max(d, needed(cell));
    }
    heights[std::size_t(k)] = d + pad;
  }
  // Rows that hold a cell spanning more rows, by span and then by row: the order of the
  // rounds, without visiting rows that have nothing to do in a round.
  std::vector<std::pair<int, int>> spans;
  for (int k = 0; k < rows; ++k)
    for (int c = 0; c < Rows[k].Count() && c < NumCols; ++c)
      if (const TCellObj& cell = Rows[k][c]; cell.ColSpan > 0 && cell.RowSpan > 1)
        spans.emplace_back(cell.RowSpan, k);
  std::sort(spans.begin(), spans.end());
  spans.erase(std::unique(spans.begin(), spans.end()), spans.end());
  for (auto [s, k] : spans) {
    if (k + s > rows) continue;
    TCellList& row = Rows[k];
    int d = 0;
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      TCellObj& cell = row[c];
      if (cell.ColSpan > 0 && cell.RowSpan == s) d = std::max(d, needed(cell));
    }
    d += pad;
    int sum = 0;
    for (int j = k; j < k + s; ++j) sum += heights[std::size_t(j)];
    if (sum < d) {
      int step = (d - sum) / s;
      for (int j = k; j < k + s; ++j) heights[std::size_t(j)] += step;
      heights[std::size_t(k + s - 1)] += d - sum - step * s;
    }
  }
  return heights;
}

// ---------------------------------------------------------------- layout

int ThtmlTable::LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) {
  TopY = y;
  FirstCharPos = charPos;
  indents.SetListLevel(y, ListLevel);
  int left = indents.LeftLimitAt(y);
  int avail = indents.RightLimitAt(y) - left;
  int width = avail;
  if (SpecWidth >= 1) width = WidthIsPercent ? MulDiv(SpecWidth, avail, 1000) : SpecWidth;
  int target = std::max(width - CellSpacing, 20);

  const int generation = Document ? Document->LayoutGeneration : 0;
  const bool measured = generation != 0 && measuredGeneration_ == generation && measuredTarget_ == target;
  if (!measured) {
    measuredGeneration_ = 0;
    NormaliseGrid();
    ColumnWidths(canvas, target);
    CaptionMinWidth = CaptionMeasure(canvas);
  }
  GridWidth = CellSpacing;
  for (int c = 0; c < NumCols; ++c) GridWidth += Widths[c];
  TableWidth = std::max(GridWidth, CaptionMinWidth);

  if (!measured) {
    rowHeights_ = RowHeights(canvas);
    measuredGeneration_ = generation;
    measuredTarget_ = target;
  }
  const std::vector<int>& heights = rowHeights_;
  int captionMax = 0;
  ContentHeight = 0;
  if (CaptionAtTop) {
    CaptionHeight = Caption->Cell->LayoutCell(canvas, y, TableWidth, captionMax, charPos);
    ContentHeight = CaptionHeight;
    y += CaptionHeight;
  }
  const int rows = Rows.Count();
  for (int k = 0; k < rows; ++k) {
    TCellList& row = Rows[k];
    row.RowHeight = heights[std::size_t(k)];
    ContentHeight += row.RowHeight;
    row.RowSpanHeight = 0;
    for (int c = 0; c < row.Count(); ++c) {
      TCellObj& cell = row[c];
      cell.CellHt = 0;
      for (int j = k; j < k + cell.RowSpan && j < rows; ++j) cell.CellHt += heights[std::size_t(j)];
      row.RowSpanHeight = std::max(row.RowSpanHeight, cell.CellHt);
    }
    for (int c = 0; c < row.Count() && c < NumCols; ++c) {
      TCellObj& cell = row[c];
      if (!cell.HasContent()) continue;
      int d = cell.CellHt - cell.ContentHt - CellSpacing - 2 * CellPadding;
      cell.VIndent = cell.VAlign == 1 ? d / 2 : cell.VAlign == 2 ? d : 0;
      int cellMax = 0;
      cell.Cell->LayoutCell(canvas, y + CellSpacing + CellPadding + cell.VIndent,
                            std::max(0, cell.CellWd - CellSpacing - 2 * CellPadding), cellMax, charPos);
    }
    y += row.RowHeight;
  }
  ContentHeight += CellSpacing;
  GridHeight = ContentHeight - (CaptionAtTop ? CaptionHeight : 0);
  if (!CaptionAtTop) {
    CaptionHeight = Caption->Cell->LayoutCell(canvas, TopY + GridHeight, TableWidth, captionMax, charPos);
    ContentHeight += CaptionHeight;
  }

  TableLeft = 0;
  if (TableWidth < avail) {
    if (Align == 2) TableLeft += (avail - TableWidth) / 2;
    if (Align == 3) TableLeft += avail - TableWidth;
  }
  TableLeft += left;
  GridLeft = (TableWidth - GridWidth) / 2 + TableLeft;

  CharCount = charPos - FirstCharPos;
  maxWidth = TableWidth;
  PaintHeight = ContentHeight;
  if (Floats) {
    indents.AddFloat(TopY, TableWidth + HSpace + 1, Align, ContentHeight);
    ContentHeight = 0;
  }
  return ContentHeight;
}

void ThtmlTable::MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth) {
  NormaliseGrid();
  ColumnMeasures m;
  if (HasPixelWidthCells && SpecWidth < 1)
    PlainMeasures(canvas, m);
  else
    PercentMeasures(canvas, SpecWidth >= 1 && !WidthIsPercent ? SpecWidth : 0, m);
  minWidth = m.minTotal + CellSpacing;
  maxWidth = m.maxTotal + CellSpacing;
  if (SpecWidth >= 1 && !WidthIsPercent) {
    minWidth = std::max(minWidth, SpecWidth);
    maxWidth = std::max(maxWidth, SpecWidth);
  }
  CaptionMinWidth = CaptionMeasure(canvas);
  minWidth = std::max(minWidth, CaptionMinWidth);
  maxWidth = std::max(maxWidth, CaptionMinWidth);
}

}  // namespace tavra
