#pragma once
// Drawing routines for pictures and frames: a picture through its transparency mask,
// alternate text wrapped into a box, and the 3-D border of image frames and tables.

#include <string>

#include "platform/canvas.h"

namespace tavra {

// Draws `picture` stretched to destWidth x destHeight at (x, y), leaving the canvas as it
// was wherever `mask` is set. The picture itself is not changed.
void DrawTransparentBitmap(Canvas& canvas, const Bitmap& picture, const Mask& mask, int destWidth, int destHeight,
                           int x, int y);

// Word-wraps `text` at blanks into the box in the canvas's current font and colour, one
// line per height of "A", as many lines as fit; lines are clipped to the box.
void WrapTextInRect(Canvas& canvas, int left, int top, int right, int bottom, const std::u16string& text);

// One-pixel frame just inside left..right, top..bottom (right and bottom exclusive).
// Raised: top and left edges light, right and bottom dark; sunken: the reverse. The
// light colour is silver on a white page (`pageBackground`), else the button highlight.
void Draw3DBorder(ColorRef pageBackground, Canvas& canvas, int left, int top, int right, int bottom, bool raised);

}  // namespace tavra
