#pragma once
// The document: the body's blocks with the document-wide settings, the layout pass
// (width in, height out), the paint pass, and the lists of forms, image maps, animated
// pictures and form controls that the blocks register.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "html/map_item.h"
#include "html/section_base.h"
#include "html/tokenizer.h"
#include "platform/bitmap.h"
#include "platform/timer.h"

namespace tavra {

class ThtmlViewer;

// A form of the document; the forms code derives its form class from this.
class HtmlFormBase {
 public:
  virtual ~HtmlFormBase() = default;
};

// The host delivers a picture's bytes in `Stream` (left null: load from the file).
using TImageRequestEvent = std::function<void(ThtmlViewer* Sender, const std::string& SRC, std::string*& Stream)>;

// A picture the host will deliver later, with who waits for it (no image: the document's
// background).
struct MissingImage {
  std::string Name;
  InlineImage* Image = nullptr;
};

class TSectionList : public TCell {
 public:
  static constexpr int MaxFontNameLength = 33;

  TSectionList(ThtmlViewer* viewer = nullptr, void* paintPanel = nullptr);
  ~TSectionList() override;

  bool ImagesOn = true;
  int ScrollOffset = 0;
  bool ScrollOffsetChanged = false;
  int SelFrom = 0;
  int SelTo = 0;
  std::string FontName = "Times New Roman";
  std::string PreFontName = "Courier New";
  ColorRef FontColor = clBlack;
  ColorRef LinkColor = 0xFF0000;
  std::uint8_t Charset = 1;
  ThtmlViewer* Viewer;
  void* PaintPanel;
  TImageRequestEvent OnImageRequest;
  ColorRef BackgroundColor = clWindow;
  std::function<void(TSectionList&)> OnBackgroundChange;
  const Bitmap* BackgroundBitmap = nullptr;
  std::string BackgroundImageName;  // empty: none
  bool BackgroundLoaded = false;
  TFreeList<HtmlFormBase> Forms;
  TScriptEvent ScriptEvent;
  std::function<void(InlineControl*)> OnControlFocus;
  // Called before a block whose layout failed leaves the document.
  std::function<void(const TSectionBase&)> OnBlockDropped;
  std::vector<AnimatedPicture*> AnimatedImages;
  std::string CopyBuffer;
  TFreeList<TMapItem> ImageMaps;
  std::unique_ptr<Timer> AnimationTimer;
  std::vector<InlineControl*> FormControls;
  std::vector<MissingImage> MissingImages;
  // Names the layout of the whole document in progress, 0 outside one: what a block finds
  // during such a layout stays valid until it ends, as nothing changes the document then.
  int LayoutGeneration = 0;

  // Services of the viewer and the image cache, installed by the viewer.
  std::function<std::string(const std::string&)> ExpandImageName;  // to a full file name
  // A plain picture for a name, or null; `pending` when the host delivers it later.
  std::function<const Bitmap*(const std::string& name, bool& pending)> FetchBitmap;
  std::function<void(const std::string& name)> ReleaseImage;  // the cache entry is no longer used

  void ClearDocument();
  void SetDocumentFonts(const std::string& fontName, const std::string& preFontName, int fontSize,
                        ColorRef fontColor, ColorRef linkColor, ColorRef backgroundColor);
  void SetBackgroundColor(ColorRef colour);
  void SetBackgroundImageName(const std::string& name);
  const Bitmap* BackgroundImage();
  void SetScrollOffset(int y);
  int SectionTopY(int index) const;

  int LayoutDocument(Canvas& canvas, int y, int width, int& scrollWidth, int& charCount);
  int PaintDocument(Canvas& canvas, const Rect& clip, int clipWidth, int x, int y);
  int LayoutCell(Canvas& canvas, int y, int width, int& maxWidth, int& charPos) override {
    return LayoutDocument(canvas, y, width, maxWidth, charPos);
  }
  int PaintCell(Canvas& canvas, const Rect& clip, int clipWidth, int x, int y) override {
    return PaintDocument(canvas, clip, clipWidth, x, y);
  }
  void AnimateGifs();
  void HideUnplacedControls();

  // True when the background is a custom colour, not one of the plain light ones.
  bool HasCustomBackground() const;
  // The background colour is white (or the system window colour, which is white).
  bool BackgroundIsWhite() const;

 private:
  int layoutCount_ = 0;
};

}  // namespace tavra
