#include "html/images/gif_image.h"

#include <algorithm>
#include <new>

#include "html/images/gif_composition.h"
#include "html/images/image_loading.h"

namespace tavra {

namespace {

// The name of a composition history after one more frame is composed onto it.
constexpr std::uint64_t extendHistory(std::uint64_t history, int frame) {
  std::uint64_t z = history * 0x9E3779B97F4A7C15ull + std::uint64_t(frame) + 1;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A fresh black, transparent picture with frame 1 composed on it.
constexpr std::uint64_t kFirstFrameHistory = extendHistory(0, 1);

}  // namespace

// The decoded frames of one picture, immutable once loaded, and the compositions its
// players hold, so that a player can find one that went its way.
struct GifFrameStore {
  std::vector<std::unique_ptr<TFrame>> Frames;
  std::vector<std::weak_ptr<GifComposition>> Compositions;

  std::shared_ptr<GifComposition> find(std::uint64_t history);
  void add(const std::shared_ptr<GifComposition>& composition);
};

std::shared_ptr<GifComposition> GifFrameStore::find(std::uint64_t history) {
  std::shared_ptr<GifComposition> found;
  std::erase_if(Compositions, [&](const std::weak_ptr<GifComposition>& weak) {
    std::shared_ptr<GifComposition> c = weak.lock();
    if (c && !found && c->History == history) found = c;
    return !c;
  });
  return found;
}

void GifFrameStore::add(const std::shared_ptr<GifComposition>& composition) { Compositions.push_back(composition); }

TGIFImage::TGIFImage() : frames_(std::make_shared<GifFrameStore>()) {}

TGIFImage::~TGIFImage() = default;

int TGIFImage::FrameCount() const { return int(frames_->Frames.size()); }

const TFrame& TGIFImage::Frame(int index) const { return *frames_->Frames[std::size_t(index - 1)]; }

std::unique_ptr<TGIFImage> TGIFImage::CreateCopy(const TGIFImage& source) {
  auto copy = std::make_unique<TGIFImage>();
  TGIFImage& c = *copy;
  c.Animated_ = source.Animated_;
  c.NoData_ = source.NoData_;
  c.Width_ = source.Width_, c.Height_ = source.Height_;
  c.RepeatLimit_ = source.RepeatLimit_;
  c.SpeedPercent = source.SpeedPercent;
  c.AnyTransparent_ = source.AnyTransparent_;
  c.ShowAllowed_ = source.ShowAllowed_;
  c.BitsPerPixel_ = source.BitsPerPixel_;
  c.GlobalColours_ = source.GlobalColours_;
  c.Playing_ = source.Playing_;
  c.FirstTick_ = source.FirstTick_;
  c.ScanOnly_ = source.ScanOnly_;
  c.LastTick_ = source.LastTick_;
  c.CurrentInterval_ = source.CurrentInterval_;
  c.IsCopy = true;
  c.frames_ = source.frames_;
  c.FrameIndex_ = 1;
  c.PassCount_ = 1;
  c.history_ = kFirstFrameHistory;
  return copy;
}

bool TGIFImage::LoadFromFile(const std::string& path) {
  std::string data;
  if (!ReadFileBytes(path, data)) {
    Clear();
    return false;
  }
  return Load(data, false);
}

bool TGIFImage::LoadFromStream(std::string_view data) { return Load(data, false); }

bool TGIFImage::ScanFile(const std::string& path) {
  std::string data;
  if (!ReadFileBytes(path, data)) {
    Clear();
    return false;
  }
  return Load(data, true);
}

bool TGIFImage::ScanStream(std::string_view data) { return Load(data, true); }

bool TGIFImage::Load(std::string_view data, bool scanOnly) {
  Clear();
  ScanOnly_ = scanOnly;
  try {
    GifPicture picture;
    if (ReadGif(data, scanOnly, picture)) {
      Width_ = picture.Width, Height_ = picture.Height;
      BitsPerPixel_ = picture.BitsPerPixel;
      RepeatLimit_ = picture.RepeatLimit;
      AnyTransparent_ = picture.AnyTransparent;
      GlobalColours_ = picture.GlobalColours;
      frames_->Frames = std::move(picture.Frames);
      Animated_ = FrameCount() > 1;
      NoData_ = false;
      return true;
    }
  } catch (const std::bad_alloc&) {
  }
  Clear();
  return false;
}

void TGIFImage::Clear() {
  NoData_ = true;
  // Players made from the old picture keep its frames; this one starts a store of its own.
  frames_ = std::make_shared<GifFrameStore>();
  composition_.reset();
  history_ = kFirstFrameHistory;
  FrameIndex_ = 1;
  RepeatLimit_ = 1;
  PassCount_ = 1;
  FirstTick_ = true;
  BitsPerPixel_ = 0;
  AnyTransparent_ = false;
  Animated_ = false;
  Width_ = Height_ = 0;
  GlobalColours_.fill(0);
}

GifComposition* TGIFImage::Composition() const {
  if (composition_) return composition_.get();
  if (ScanOnly_ || NoData_ || FrameCount() == 0) return nullptr;
  // Only a player that has composed nothing yet lacks a composition: one at frame 1.
  composition_ = frames_->find(history_);
  if (composition_) return composition_.get();
  auto fresh = std::make_shared<GifComposition>();
  fresh->Image = tavra::Bitmap(Width_, Height_, 0);
  if (AnyTransparent_) fresh->MaskImage = Mask(Width_, Height_, 1);
  fresh->compose(Frame(FrameIndex_), AnyTransparent_);
  fresh->History = history_;
  frames_->add(fresh);
  composition_ = std::move(fresh);
  return composition_.get();
}

bool TGIFImage::MoveTo(int n) {
  try {
    GifComposition* current = Composition();
    if (!current) {
      FrameIndex_ = n;
      return true;
    }
    const std::uint64_t target = extendHistory(history_, n);
    if (std::shared_ptr<GifComposition> shared = frames_->find(target)) {
      composition_ = std::move(shared);
    } else {
      if (composition_.use_count() > 1) {
        // Others still show the picture as it is: this player goes on with a copy.
        auto own = std::make_shared<GifComposition>(*current);
        frames_->add(own);
        composition_ = std::move(own);
      }
      composition_->dispose(Frame(FrameIndex_), AnyTransparent_);
      composition_->compose(Frame(n), AnyTransparent_);
      composition_->History = target;
    }
    history_ = target;
    FrameIndex_ = n;
    return true;
  } catch (const std::bad_alloc&) {
    // No room for a picture of its own: the player stays on the frame it shows.
    return false;
  }
}

void TGIFImage::SetFrameIndex(int n) {
  if (n == FrameIndex_ || FrameCount() == 0) return;
  MoveTo(n > FrameCount() ? 1 : n <= 0 ? FrameCount() : n);
}

void TGIFImage::SetPlaying(bool on, std::int64_t nowMs) {
  if (on == Playing_) return;
  Playing_ = on;
  PassCount_ = 1;
  if (on && FrameCount() > 1) {
    CurrentInterval_ = std::max(Frame(FrameIndex_).Delay * 100 / std::max(SpeedPercent, 1), 1);
    LastTick_ = nowMs;
  }
}

int TGIFImage::IntervalOf(const TFrame& frame) const {
  int speed = std::max(SpeedPercent, 1);
  return std::max((frame.Delay * 100 + speed / 2) / speed, 1);
}

bool TGIFImage::TimerTick(std::int64_t nowMs) {
  if (!Playing_ || NoData_ || ScanOnly_ || FrameCount() == 0) return false;
  if (nowMs - LastTick_ < CurrentInterval_) return false;
  LastTick_ = nowMs;
  if (RepeatLimit_ > 0 && FrameIndex_ == FrameCount()) {
    if (PassCount_ >= RepeatLimit_) {
      SetPlaying(false, nowMs);
      return false;
    }
    ++PassCount_;
  }
  bool changed = false;
  if (FirstTick_)
    FirstTick_ = false;
  else
    changed = MoveTo(FrameIndex_ >= FrameCount() ? 1 : FrameIndex_ + 1);
  CurrentInterval_ = IntervalOf(Frame(FrameIndex_));
  return changed;
}

void TGIFImage::Draw(Canvas& canvas, int height, int width, int y, int x) const {
  if (!ShowAllowed_ || NoData_ || ScanOnly_ || FrameCount() == 0 || width <= 0 || height <= 0) return;
  const GifComposition* c = Composition();
  if (!c || c->Image.empty()) return;
  const Rect dest{x, y, x + width, y + height};
  const Rect source{0, 0, Width_, Height_};
  if (!AnyTransparent_) {
    canvas.drawBitmap(dest, c->Image, source, RasterOp::Copy);
    return;
  }
  // Black where transparent in the picture, white in the mask: what the canvas holds,
  // the page behind, stays there.
  canvas.save();
  canvas.setTextColor(clBlack);
  canvas.setBkColor(clWhite);
  canvas.drawBitmap(dest, c->Image, source, RasterOp::Xor);
  canvas.drawMask(dest, c->MaskImage, source, RasterOp::And);
  canvas.drawBitmap(dest, c->Image, source, RasterOp::Or);
  canvas.restore();
}

const tavra::Bitmap& TGIFImage::ImageDC() const {
  static const tavra::Bitmap none;
  const GifComposition* c = Composition();
  return c ? c->Image : none;
}

const Mask& TGIFImage::MaskDC() const {
  static const Mask none;
  const GifComposition* c = Composition();
  return c ? c->MaskImage : none;
}

std::int64_t TGIFImage::FrameBytes() const {
  std::int64_t bytes = 0;
  for (const auto& f : frames_->Frames)
    bytes += std::int64_t(f->Bitmap.pixels.size()) * 4 + std::int64_t(f->MaskBitmap.bits.size());
  return bytes;
}

std::int64_t TGIFImage::CompositionBytes() const { return composition_ ? composition_->bytes() : 0; }

bool TGIFImage::SharesCompositionWith(const TGIFImage& other) const {
  return composition_ && composition_ == other.composition_;
}

const tavra::Bitmap* TGIFImage::FirstFrameBitmap() const {
  if (NoData_ || ScanOnly_ || FrameCount() == 0 || Frame(1).Bitmap.empty()) return nullptr;
  return &Frame(1).Bitmap;
}

const Mask* TGIFImage::FirstFrameMask() const {
  if (NoData_ || ScanOnly_ || FrameCount() == 0 || !Frame(1).HasTransparency || Frame(1).MaskBitmap.empty())
    return nullptr;
  return &Frame(1).MaskBitmap;
}

bool TGIFImage::TakeFirstFrame(tavra::Bitmap& bitmap, Mask& mask) {
  if (!FirstFrameBitmap() || frames_.use_count() > 1) return false;
  TFrame& first = *frames_->Frames.front();
  bitmap = std::move(first.Bitmap);
  mask = first.HasTransparency ? std::move(first.MaskBitmap) : Mask();
  composition_.reset();
  NoData_ = true;
  return true;
}

}  // namespace tavra
