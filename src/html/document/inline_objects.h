#pragma once
// What a text block needs to know of the objects that stand in its text as marker
// characters: inline images (character 4) and form controls (character 2), and of the
// animated pictures that the document drives with its timer. The picture loading and the
// form controls derive their classes from these.

#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace tavra {

class IndentManagerBasic;
class TCell;
class TFontObj;
class TSectionList;

constexpr char ImageMarker = 4;
constexpr char ControlMarker = 2;

// A form control as the text layout sees it: a window of a size, standing at a marker.
class InlineControl {
 public:
  virtual ~InlineControl() = default;

  int Pos = 0;  // position of the marker in the block's text
  // Where layout put the window's top-left corner, in document coordinates.
  int DocLeft = 0;
  int DocTop = 0;
  bool HasPlace = false;

  void PlaceAt(int x, int y) {
    DocLeft = x;
    DocTop = y;
    HasPlace = true;
  }

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Whether the control's bottom sits on the text baseline (else on the row bottom).
  virtual bool AlignsToBaseline() const { return true; }
  // Layout hands every control the canvas before the document is laid out.
  virtual void SetCanvas(Canvas& canvas) { (void)canvas; }
  // The y of the line that holds the control, recorded by layout.
  virtual void SetLineY(int y) { (void)y; }
  // Shows the window with its top-left corner at (x, y) of the host's document surface.
  virtual void ShowAt(int x, int y) = 0;
  virtual void Hide() = 0;
  virtual bool HasFocus() const { return false; }
  // Radio buttons take the background of the cell or the document.
  virtual void SetBackground(ColorRef colour) { (void)colour; }
};

// Image alignment: 0 top, 1 middle, 2 bottom, 3 left float, 4 right float.
enum : std::uint8_t { iaTop = 0, iaMiddle = 1, iaBottom = 2, iaLeft = 3, iaRight = 4 };

// An inline image as the text layout sees it.
class InlineImage {
 public:
  virtual ~InlineImage() = default;

  int Pos = 0;
  int OuterWidth = 0;
  int OuterHeight = 0;
  bool WidthIsPercent = false;
  std::uint8_t ImgAlign = iaBottom;
  int HSpace = 5;
  int FloatX = 0;       // x of a float relative to the cell's left edge
  int PictureLeft = 0;  // where layout put the picture inside any border (document coordinates)
  int PictureTop = 0;
  bool HasBorder = false;
  bool IsMap = false;
  bool UsesMap = false;
  std::string MapName;
  InlineControl* FormControl = nullptr;
  TCell* OwnerCell = nullptr;

  bool IsFloat() const { return ImgAlign == iaLeft || ImgAlign == iaRight; }

  // Fetches the picture on first use and computes the size.
  virtual void SizeImage(TSectionList& document, Canvas& canvas, int availableWidth, const TFontObj& run) = 0;
  // Paints at x; `baseline` and `rowTop` are canvas y values (document y minus the
  // scroll offset).
  virtual void DrawImage(Canvas& canvas, int x, const TFontObj& run, int baseline, int rowTop) const = 0;

  // The top of the image's box on a row, by its alignment.
  int OuterTop(const TFontObj& run, int baseline, int rowTop) const;
  // Records where layout put the image's box: left at x, on a row of that baseline and top.
  void Place(int x, const TFontObj& run, int baseline, int rowTop);
  // The picture's rectangle inside any border, in document coordinates.
  Rect PictureRect() const;

  // Registers a LEFT or RIGHT image at y with the indent manager.
  void PlaceFloat(IndentManagerBasic& indents, int y);
  // The point (document coordinates) inside the picture, if it is hit.
  bool ImageUnderPoint(int x, int y, int& ix, int& iy) const;
};

// A picture that animates on the document's timer.
class AnimatedPicture {
 public:
  virtual ~AnimatedPicture() = default;

  // Back to the first frame with fresh frame timing.
  virtual void RestartAnimation() = 0;
  // Advances the frame when its time has come and asks the host to repaint it.
  virtual void Animate() = 0;
  // Where the picture stands, in document coordinates.
  virtual Rect AnimatedRect() const = 0;
};

// Images of one text block, owned, in text order.
class TImageObjList {
 public:
  int Count() const { return int(items_.size()); }
  InlineImage& operator[](int i) const { return *items_[std::size_t(i)]; }
  void Add(std::unique_ptr<InlineImage> image) { items_.push_back(std::move(image)); }

  // Images are added as their section's text grows, so they stand in the order of their
  // positions and are found by halving: a section may hold thousands of them.
  // The index of the first image at or after pos (Count() when none).
  int FirstAtOrAfter(int pos) const;
  InlineImage* ImageAtCharPos(int pos) const;
  // Distance to the next image at or after pos: 0 when one stands there, 9999 when none.
  int CharsToNextImage(int pos) const;

 private:
  std::vector<std::unique_ptr<InlineImage>> items_;
};

}  // namespace tavra
