#include "html/document/section_list.h"

#include <algorithm>
#include <limits>

#include "html/images/image_cache.h"
#include "html/images/image_obj.h"

namespace tavra {

TSectionList::TSectionList(DocumentHost& host) : TCell(this), AnimationTimer(host.CreateTimer()), host_(host) {
  AnimationTimer->setEnabled(false);
  AnimationTimer->setInterval(50);
  AnimationTimer->onTimer = [this] { AnimateGifs(); };
}

TSectionList::~TSectionList() {
  AnimationTimer->setEnabled(false);
  // Blocks go first: images may still refer to the document's lists.
  Clear();
}

void TSectionList::ClearDocument() {
  BackgroundBitmap = nullptr;
  if (BackgroundLoaded && !BackgroundImageName.empty()) ImageCache().ReleaseImage(BackgroundImageName);
  BackgroundImageName.clear();
  BackgroundLoaded = false;
  Forms.Clear();
  FormControls.clear();
  AnimatedImages.clear();
  ImageMaps.Clear();
  MissingImages.clear();
  Clear();
}

void TSectionList::SetDocumentFonts(const std::string& fontName, const std::string& preFontName, int fontSize,
                                    ColorRef fontColor, ColorRef linkColor, ColorRef backgroundColor) {
  FontName = fontName.substr(0, MaxFontNameLength);
  PreFontName = preFontName.substr(0, MaxFontNameLength);
  FontSize = fontSize;
  FontColor = fontColor;
  LinkColor = linkColor;
  SetBackgroundColor(backgroundColor);
  RefreshFonts();
}

void TSectionList::SetBackgroundColor(ColorRef colour) {
  BackgroundColor = colour;
  host_.BackgroundChanged();
}

void TSectionList::SetBackgroundImageName(const std::string& name) {
  BackgroundBitmap = nullptr;
  BackgroundImageName = name;
  BackgroundLoaded = false;
}

const Bitmap* TSectionList::BackgroundImage() {
  if (ImagesOn && !BackgroundLoaded && !BackgroundImageName.empty() && !BackgroundBitmap) {
    if (!host_.DeliversImages()) BackgroundImageName = host_.ExpandImageName(BackgroundImageName);
    bool pending = false;
    const Bitmap* bitmap = FetchBackgroundBitmap(*this, BackgroundImageName, pending);
    if (bitmap)
      BackgroundBitmap = bitmap;
    else if (pending)
      MissingImages.push_back(MissingImage{BackgroundImageName, nullptr});
    BackgroundLoaded = true;
  }
  return BackgroundBitmap;
}

int TSectionList::SectionTopY(int index) const {
  int last = std::min(index - 1, Count() - 2);
  int y = 0;
  for (int i = 0; i <= last; ++i) y += (*this)[i].ContentHeight;
  return y;
}

int TSectionList::LayoutDocument(Canvas& canvas, int y, int width, int& scrollWidth, int& charCount) {
  AnimationTimer->setEnabled(false);
  for (InlineControl* control : FormControls) {
    control->SetCanvas(canvas);
    control->HasPlace = false;
  }
  struct InProgress {
    int& generation;
    ~InProgress() { generation = 0; }
  } inProgress{LayoutGeneration};
  layoutCount_ = layoutCount_ == std::numeric_limits<int>::max() ? 1 : layoutCount_ + 1;
  LayoutGeneration = layoutCount_;
  int height = TCell::LayoutCell(canvas, y, width, scrollWidth, charCount);
  TCell::PlaceContents(0);
  for (AnimatedPicture* picture : AnimatedImages) picture->RestartAnimation();
  // The timer keeps its phase from here on: paints neither stop nor restart it.
  AnimationTimer->setEnabled(!AnimatedImages.empty());
  return height;
}

int TSectionList::PaintDocument(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const {
  // Canvas state set by blocks (fonts, colours, clip) does not leak to the caller, even
  // when a block fails.
  canvas.save();
  try {
    y = TCell::PaintCell(context, canvas, clipWidth, x, y);
  } catch (...) {
    canvas.restore();
    throw;
  }
  canvas.restore();
  return y;
}

void TSectionList::SetVisibleBand(int top, int bottom) {
  visibleTop_ = top;
  visibleBottom_ = bottom;
}

void TSectionList::AnimateGifs() {
  for (AnimatedPicture* picture : AnimatedImages) {
    const Rect r = picture->AnimatedRect();
    if (r.bottom > visibleTop_ && r.top < visibleBottom_) picture->Animate();
  }
  AnimationTimer->setInterval(50);
}

bool TSectionList::ControlInView(const InlineControl& control) const {
  return control.HasPlace && control.DocTop + control.Height() > visibleTop_ && control.DocTop < visibleBottom_;
}

void TSectionList::ShowControls(int x, int scrollOffset) {
  controlsX_ = x;
  controlsScroll_ = scrollOffset;
  if (FormControls.empty()) return;
  bool focusInside = std::any_of(FormControls.begin(), FormControls.end(),
                                 [](const InlineControl* c) { return c->HasFocus(); });
  for (InlineControl* control : FormControls) {
    const int top = control->DocTop;
    if (ControlInView(*control)) {
      control->ShowAt(control->DocLeft + x, top - scrollOffset);
    } else if (focusInside) {
      // Hiding the focused control would move the focus; out of sight keeps it.
      control->ShowAt(-4000, 0);
    } else {
      control->Hide();
    }
  }
}

bool TSectionList::BackgroundIsWhite() const {
  return (BackgroundColor & 0xFFFFFF) == 0xFFFFFF ||
         (BackgroundColor == clWindow && resolveColor(clWindow) == 0xFFFFFF);
}

bool TSectionList::HasCustomBackground() const {
  ColorRef c = BackgroundColor;
  if (c == clBtnFace || (c & 0xFFFFFF) == 0xFFFFFF || (c & 0xFFFFFF) == 0xC0C0C0) return false;
  if (c == clWindow && resolveColor(clWindow) == 0xFFFFFF) return false;
  return true;
}

}  // namespace tavra
