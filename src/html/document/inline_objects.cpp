#include "html/document/inline_objects.h"

#include <algorithm>

#include "html/document/fonts.h"
#include "html/document/indent_manager.h"

namespace tavra {

void InlineImage::PlaceFloat(IndentManagerBasic& indents, int y) {
  int w = OuterWidth + HSpace;
  if (ImgAlign == iaLeft) {
    FloatX = indents.LeftLimitAt(y) - indents.LeftEdge;
    indents.AddFloat(y, w, 1, OuterHeight);
  } else if (ImgAlign == iaRight) {
    FloatX = indents.RightLimitAt(y) - indents.LeftEdge - OuterWidth;
    indents.AddFloat(y, w, 3, OuterHeight);
  }
}

int InlineImage::OuterTop(const TFontObj& run, int baseline, int rowTop) const {
  if (ImgAlign == iaMiddle) return baseline + run.Descent - run.TextHeight / 2 - OuterHeight / 2;
  return ImgAlign == iaBottom ? baseline - OuterHeight : rowTop;
}

void InlineImage::Place(int x, const TFontObj& run, int baseline, int rowTop) {
  const int shift = HasBorder ? 1 : 0;
  PictureLeft = x + shift;
  PictureTop = OuterTop(run, baseline, rowTop) + shift;
}

Rect InlineImage::PictureRect() const {
  const int shift = HasBorder ? 2 : 0;
  return {PictureLeft, PictureTop, PictureLeft + OuterWidth - shift, PictureTop + OuterHeight - shift};
}

bool InlineImage::ImageUnderPoint(int x, int y, int& ix, int& iy) const {
  int w = HasBorder ? OuterWidth - 2 : OuterWidth;
  int h = HasBorder ? OuterHeight - 2 : OuterHeight;
  int dx = x - PictureLeft, dy = y - PictureTop;
  if (dx < 0 || dx >= w || dy < 0 || dy >= h) return false;
  ix = dx;
  iy = dy;
  return true;
}

int TImageObjList::FirstAtOrAfter(int pos) const {
  auto at = std::lower_bound(items_.begin(), items_.end(), pos,
                             [](const std::unique_ptr<InlineImage>& image, int p) { return image->Pos < p; });
  return int(at - items_.begin());
}

InlineImage* TImageObjList::ImageAtCharPos(int pos) const {
  int i = FirstAtOrAfter(pos);
  return i < Count() && items_[std::size_t(i)]->Pos == pos ? items_[std::size_t(i)].get() : nullptr;
}

int TImageObjList::CharsToNextImage(int pos) const {
  int i = FirstAtOrAfter(pos);
  return i < Count() ? items_[std::size_t(i)]->Pos - pos : 9999;
}

}  // namespace tavra
