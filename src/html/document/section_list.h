#pragma once
// The document: the body's blocks with the document-wide settings, the layout pass
// (width in, height out), the paint pass, and the lists of forms, image maps, animated
// pictures and form controls that the blocks register.

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "html/document_host.h"
#include "html/links/map_item.h"
#include "html/document/section_base.h"
#include "platform/bitmap.h"
#include "platform/charsets.h"
#include "platform/timer.h"

namespace tavra {

// A form of the document; the forms code derives its form class from this.
class HtmlFormBase {
 public:
  virtual ~HtmlFormBase() = default;
};

// A picture the host will deliver later, with who waits for it (no image: the document's
// background).
struct MissingImage {
  std::string Name;
  InlineImage* Image = nullptr;
};

class TSectionList : public TCell {
 public:
  static constexpr int MaxFontNameLength = 33;

  explicit TSectionList(DocumentHost& host);
  ~TSectionList() override;
  TSectionList(const TSectionList&) = delete;
  TSectionList& operator=(const TSectionList&) = delete;

  DocumentHost& Host() const { return host_; }

  bool ImagesOn = true;
  std::string FontName = "Times New Roman";
  std::string PreFontName = "Courier New";
  ColorRef FontColor = clBlack;
  ColorRef LinkColor = 0xFF0000;
  std::uint8_t Charset = 1;  // of the fonts
  // What the document's bytes were read in; its forms submit in it.
  tavra::Charset DocumentCharset = tavra::Charset::Windows1250;
  ColorRef BackgroundColor = clWindow;
  const Bitmap* BackgroundBitmap = nullptr;
  std::string BackgroundImageName;  // empty: none
  bool BackgroundLoaded = false;
  TFreeList<HtmlFormBase> Forms;
  std::vector<AnimatedPicture*> AnimatedImages;
  TFreeList<TMapItem> ImageMaps;
  std::unique_ptr<Timer> AnimationTimer;
  std::vector<InlineControl*> FormControls;
  std::vector<MissingImage> MissingImages;
  // Names the layout of the whole document in progress, 0 outside one: what a block finds
  // during such a layout stays valid until it ends, as nothing changes the document then.
  int LayoutGeneration = 0;

  void ClearDocument();
  void SetDocumentFonts(const std::string& fontName, const std::string& preFontName, int fontSize,
                        ColorRef fontColor, ColorRef linkColor, ColorRef backgroundColor);
  void SetBackgroundColor(ColorRef colour);
  void SetBackgroundImageName(const std::string& name);
  const Bitmap* BackgroundImage();
  int SectionTopY(int index) const;

  // Lays the document out for `width` from y down, and places its contents with the
  // document's left edge at x = 0; starts the animations over.
  int LayoutDocument(Canvas& canvas, int y, int width, int& scrollWidth, int& charCount);
  // Paints with the document's left edge at canvas x and its top at document y.
  int PaintDocument(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const;
  int LayoutCell(Canvas& canvas, int y, int width, int& maxWidth, int& charPos) override {
    return LayoutDocument(canvas, y, width, maxWidth, charPos);
  }
  int PaintCell(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const override {
    return PaintDocument(context, canvas, clipWidth, x, y);
  }
  // The band of document y the host shows: pictures outside it do not animate.
  void SetVisibleBand(int top, int bottom);
  // One tick of the animation timer.
  void AnimateGifs();
  // Shows the form controls whose place lies in the visible band, with the document's
  // left edge at x and its y `scrollOffset` at the top; hides the others.
  void ShowControls(int x, int scrollOffset);
  bool ControlInView(const InlineControl& control) const;
  // The same with the last x and offset given.
  void ShowControls() { ShowControls(controlsX_, controlsScroll_); }

  // True when the background is a custom colour, not one of the plain light ones.
  bool HasCustomBackground() const;
  // The background colour is white (or the system window colour, which is white).
  bool BackgroundIsWhite() const;

 private:
  DocumentHost& host_;
  int layoutCount_ = 0;
  int visibleTop_ = std::numeric_limits<int>::min();
  int visibleBottom_ = std::numeric_limits<int>::max();
  int controlsX_ = 0;
  int controlsScroll_ = 0;
};

}  // namespace tavra
