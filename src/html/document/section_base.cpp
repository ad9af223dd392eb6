#include "html/document/section_base.h"

#include <algorithm>

#include "html/document/block_elements.h"
#include "html/document/section_list.h"

namespace tavra {

int TSectionBase::LayoutSection(Canvas&, int y, IndentManager& indents, int& maxWidth, int& charPos) {
  TopY = y;
  FirstCharPos = charPos;
  PaintHeight = ContentHeight;
  maxWidth = indents.LayoutWidth;
  return ContentHeight;
}

void TSectionBase::CopySelectedText(int, int, std::u16string&) const {}

int TSectionBase::PaintSection(const PaintContext&, Canvas&, int, int, int y) const {
  return y + ContentHeight;
}

bool TSectionBase::LinkAtPoint(Canvas&, int, int, InlineControl*&, TUrlTarget&) { return false; }

bool TSectionBase::ImageAtPoint(int, int, InlineImage*&, int&, int&) { return false; }

int TSectionBase::PointToCharPos(Canvas&, int, int, bool&, int&, int&, int&) { return -1; }

int TSectionBase::SearchText(int, std::u16string_view, bool) { return -1; }

bool TSectionBase::CharPosToPoint(Canvas&, int, int&, int&) { return false; }

bool TSectionBase::CharAtPos(int, char16_t&, TSectionBase*&) { return false; }

void TSectionBase::MeasureWidths(Canvas&, int& minWidth, int& maxWidth) { minWidth = maxWidth = 0; }

void TCell::AddSection(std::unique_ptr<TSectionBase> block) {
  if (!block) return;
  if (auto* pre = dynamic_cast<TPreFormated*>(block.get()); pre && pre->CharCount == 0) pre->AppendText(u" ");
  block->Document = Document;
  block->RecalcFixedHeight();
  Add(std::move(block));
}

bool TCell::Contains(const TSectionBase* block) const {
  for (const auto& item : items_)
    if (item->Contains(block)) return true;
  return false;
}

void TCell::DropFailedBlock(int index, const EProcessError& error) {
  if (Document) {
    Document->Host().ReportProblem(error.what());
    Document->Host().BlockDropped(*items_[std::size_t(index)]);
  }
  Delete(index);
}

int TCell::LayoutCell(Canvas& canvas, int y, int width, int& maxWidth, int& charPos) {
  Indents.Clear();
  Indents.Reset(0, width);
  Indents.LayoutWidth = width;
  CellTopY = y;
  CellFirstCharPos = charPos;
  int height = 0;
  maxWidth = 0;
  for (int i = 0; i < Count();) {
    int blockMax = 0;
    try {
      height += items_[std::size_t(i)]->LayoutSection(canvas, y + height, Indents, blockMax, charPos);
    } catch (const EProcessError& e) {
      DropFailedBlock(i, e);
      continue;
    }
    maxWidth = std::max(maxWidth, blockMax);
    ++i;
  }
  CellCharCount = charPos - CellFirstCharPos;
  return std::max(height, Indents.FloatsBottom() - y);
}

void TCell::MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth) {
  minWidth = maxWidth = 0;
  for (auto& block : items_) {
    int mn = 0, mx = 0;
    block->MeasureWidths(canvas, mn, mx);
    minWidth = std::max(minWidth, mn);
    maxWidth = std::max(maxWidth, mx);
  }
}

void TCell::PlaceContents(int x) {
  for (auto& block : items_) block->PlaceContents(x);
}

int TCell::PaintCell(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const {
  for (const auto& block : items_) y = block->PaintSection(context, canvas, clipWidth, x, y);
  return y;
}

bool TCell::LinkAtPoint(Canvas& canvas, int x, int y, InlineControl*& control, TUrlTarget& target) {
  control = nullptr;
  target.Clear();
  int sum = 0;
  for (auto& block : items_) {
    if (sum <= y && y < sum + block->PaintHeight && block->LinkAtPoint(canvas, x, y - sum, control, target))
      return true;
    sum += block->ContentHeight;
  }
  return false;
}

TSectionBase* TCell::FindSectionAtY(int y, int& blockTop, int& index) const {
  int sum = 0;
  for (int i = 0; i < Count(); ++i) {
    int bottom = sum + items_[std::size_t(i)]->ContentHeight;
    if (bottom > y) {
      blockTop = sum;
      index = i;
      return items_[std::size_t(i)].get();
    }
    sum = bottom;
  }
  return nullptr;
}

bool TCell::ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY) {
  int sum = 0;
  for (auto& block : items_) {
    if (sum <= y && y < sum + block->PaintHeight && block->ImageAtPoint(x, y - sum, image, imageX, imageY))
      return true;
    sum += block->ContentHeight;
  }
  return false;
}

int TCell::PointToCharPos(Canvas& canvas, int x, int y, bool& insideText, int& lineHeight, int& lineTop,
                          int& caretX, TCell*& cell) {
  int top = 0, index = 0;
  TSectionBase* block = FindSectionAtY(y, top, index);
  if (!block) return -1;
  int pos = block->PointToCharPos(canvas, x, y - top, insideText, lineHeight, lineTop, caretX);
  lineTop += top;
  if (pos >= 0 && !cell) cell = this;
  return pos;
}

int TCell::SearchText(int start, std::u16string_view text, bool matchCase) {
  for (auto& block : items_) {
    int pos = block->SearchText(start, text, matchCase);
    if (pos >= 0) return pos;
  }
  return -1;
}

bool TCell::CharPosToPoint(Canvas& canvas, int pos, int& y, int& x) {
  for (auto& block : items_)
    if (block->CharPosToPoint(canvas, pos, y, x)) return true;
  return false;
}

bool TCell::CharAtPos(int pos, char16_t& ch, TSectionBase*& block) {
  if (pos < CellFirstCharPos || pos > CellFirstCharPos + CellCharCount) return false;
  for (auto& b : items_)
    if (b->CharAtPos(pos, ch, block)) return true;
  return false;
}

void TCell::CopySelectedText(int selFrom, int selTo, std::u16string& out) const {
  if (selFrom >= selTo) return;
  for (const auto& block : items_) {
    if (block->FirstCharPos >= selTo) break;
    if (block->FirstCharPos + block->CharCount > selFrom) block->CopySelectedText(selFrom, selTo, out);
  }
}

void TCell::RefreshFonts() {
  for (auto& block : items_) block->RefreshFonts();
}

}  // namespace tavra
