#include "html/section_list.h"

#include <algorithm>
#include <limits>

namespace tavra {

TSectionList::TSectionList(ThtmlViewer* viewer, void* paintPanel)
    : TCell(this), Viewer(viewer), PaintPanel(paintPanel), AnimationTimer(createTimer()) {
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
  if (BackgroundLoaded && !BackgroundImageName.empty() && ReleaseImage) ReleaseImage(BackgroundImageName);
  BackgroundImageName.clear();
  BackgroundLoaded = false;
  Forms.Clear();
  FormControls.clear();
  AnimatedImages.clear();
  SelFrom = SelTo = 0;
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
  if (OnBackgroundChange) OnBackgroundChange(*this);
}

void TSectionList::SetBackgroundImageName(const std::string& name) {
  BackgroundBitmap = nullptr;
  BackgroundImageName = name;
  BackgroundLoaded = false;
}

const Bitmap* TSectionList::BackgroundImage() {
  if (ImagesOn && !BackgroundLoaded && !BackgroundImageName.empty() && !BackgroundBitmap) {
    if (!OnImageRequest && ExpandImageName) BackgroundImageName = ExpandImageName(BackgroundImageName);
    bool pending = false;
    const Bitmap* bitmap = FetchBitmap ? FetchBitmap(BackgroundImageName, pending) : nullptr;
    if (bitmap)
      BackgroundBitmap = bitmap;
    else if (pending)
      MissingImages.push_back(MissingImage{BackgroundImageName, nullptr});
    BackgroundLoaded = true;
  }
  return BackgroundBitmap;
}

void TSectionList::SetScrollOffset(int y) {
  if (y == ScrollOffset) return;
  ScrollOffset = y;
  ScrollOffsetChanged = true;
  for (InlineControl* control : FormControls) control->Placed = false;
}

int TSectionList::SectionTopY(int index) const {
  int last = std::min(index - 1, Count() - 2);
  int y = 0;
  for (int i = 0; i <= last; ++i) y += (*this)[i].ContentHeight;
  return y;
}

int TSectionList::LayoutDocument(Canvas& canvas, int y, int width, int& scrollWidth, int& charCount) {
  AnimationTimer->setEnabled(false);
  for (InlineControl* control : FormControls) control->SetCanvas(canvas);
  struct InProgress {
    int& generation;
    ~InProgress() { generation = 0; }
  } inProgress{LayoutGeneration};
  layoutCount_ = layoutCount_ == std::numeric_limits<int>::max() ? 1 : layoutCount_ + 1;
  LayoutGeneration = layoutCount_;
  int height = TCell::LayoutCell(canvas, y, width, scrollWidth, charCount);
  for (AnimatedPicture* picture : AnimatedImages) picture->RestartAnimation();
  AnimationTimer->setEnabled(!AnimatedImages.empty());
  HideUnplacedControls();
  return height;
}

int TSectionList::PaintDocument(Canvas& canvas, const Rect& clip, int clipWidth, int x, int y) {
  AnimationTimer->setEnabled(false);
  for (AnimatedPicture* picture : AnimatedImages) picture->Drawn = false;
  // Canvas state set by blocks (fonts, colours, clip) does not leak to the caller, even
  // when a block fails.
  canvas.save();
  try {
    y = TCell::PaintCell(canvas, clip, clipWidth, x, y);
  } catch (...) {
    canvas.restore();
    throw;
  }
  canvas.restore();
  if (ScrollOffsetChanged) {
    HideUnplacedControls();
    ScrollOffsetChanged = false;
  }
  AnimationTimer->setEnabled(!AnimatedImages.empty());
  return y;
}

void TSectionList::AnimateGifs() {
  for (AnimatedPicture* picture : AnimatedImages)
    if (picture->Drawn) picture->Animate();
  AnimationTimer->setInterval(50);
}

void TSectionList::HideUnplacedControls() {
  if (FormControls.empty()) return;
  bool focusInside = std::any_of(FormControls.begin(), FormControls.end(),
                                 [](const InlineControl* c) { return c->HasFocus(); });
  for (InlineControl* control : FormControls) {
    if (control->Placed) continue;
    if (focusInside)
      control->ShowAt(-4000, 0);
    else
      control->Hide();
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
