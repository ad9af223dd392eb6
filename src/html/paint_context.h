#pragma once
// What a paint of the document is asked to show: the rectangle of the canvas to fill,
// where the document stands in the window and the selection. It travels down the paint
// calls, which read the layout and change nothing.

#include "platform/canvas.h"

namespace tavra {

struct PaintContext {
  Rect Clip;             // canvas coordinates
  int ScrollOffset = 0;  // canvas y = document y - ScrollOffset
  int SelFrom = 0;       // the selection as character positions; empty when SelFrom >= SelTo
  int SelTo = 0;
};

}  // namespace tavra
