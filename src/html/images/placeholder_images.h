#pragma once
// The program's own small pictures: the placeholders shown for pending and broken images
// and the two mouse cursors of the viewer.

#include "platform/bitmap.h"

namespace tavra {

// 16 x 16, 16 colours. Built once on first use, kept for the whole run.
const Bitmap& PendingImage();
const Bitmap& BrokenImage();
// Set where BrokenImage shows its corner colour (drawn transparent).
const Mask& BrokenImageMask();

// A 32 x 32 cursor: its pixels, a mask set where it is transparent, and its hot spot.
struct CursorPicture {
  Bitmap image;
  Mask mask;
  int hotX = 0;
  int hotY = 0;
};

// Cursor 1: the pointing hand (hot spot 13, 9).
const CursorPicture& HandCursor();
// Cursor 2: the thick I-beam (hot spot 15, 12).
const CursorPicture& IBeamCursor();

}  // namespace tavra
