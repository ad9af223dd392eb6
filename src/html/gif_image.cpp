#include "html/gif_image.h"

#include <algorithm>
#include <new>

#include "html/display_palette.h"
#include "html/gif_decoder.h"
#include "html/image_cache.h"
#include "html/image_loading.h"

namespace tavra {

namespace {

std::uint16_t u16(std::string_view d, std::size_t pos) {
  return std::uint16_t(std::uint8_t(d[pos]) | (std::uint8_t(d[pos + 1]) << 8));
}

// The graphic control extension that applies to the next frame: packed flags, delay in
// hundredths, transparent index.
struct FrameControl {
  std::uint8_t flags = 0;
  int delay = 0;
  std::uint8_t transparentIndex = 0;
};

// Disposal field 0 none, 1 leave, 3 restore previous; every other value restores the
// background.
std::uint8_t disposalOf(std::uint8_t flags) {
  std::uint8_t d = (flags >> 2) & 7;
  return d == 0 || d == 1 || d == 3 ? d : 2;
}

enum class FrameResult { Ok, Stop, TooLarge };

// The name of a composition history after one more frame is composed onto it.
constexpr std::uint64_t extendHistory(std::uint64_t history, int frame) {
  std::uint64_t z = history * 0x9E3779B97F4A7C15ull + std::uint64_t(frame) + 1;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A fresh black, transparent picture with frame 1 composed on it.
constexpr std::uint64_t kFirstFrameHistory = extendHistory(0, 1);

// The most pixels `bytes` of compressed data can fill: an LZW code of at most 12 bits
// stands for at most 4096 pixels. A small picture is always allowed, so that a large
// logical screen around a small frame still shows.
bool fillableBy(std::int64_t area, std::size_t bytes) {
  constexpr std::int64_t kAlwaysFillable = std::int64_t(1) << 20;
  constexpr std::int64_t kPixelsPerByte = 4096 * 8 / 12 + 1;
  return area <= kAlwaysFillable + std::int64_t(bytes) * kPixelsPerByte;
}

}  // namespace

// The decoded frames of one picture, immutable once loaded, and the compositions its
// players hold, so that a player can find one that went its way.
struct GifFrameStore {
  std::vector<std::unique_ptr<TFrame>> Frames;
  std::vector<std::weak_ptr<GifComposition>> Compositions;

  std::shared_ptr<GifComposition> find(std::uint64_t history);
  void add(const std::shared_ptr<GifComposition>& composition);
};

// The picture the frames composed so far leave, with what lay under the current frame.
struct GifComposition {
  std::uint64_t History = 0;
  tavra::Bitmap Image;
  Mask MaskImage;
  tavra::Bitmap PreviousImage;
  Mask PreviousMask;

  void compose(const TFrame& f, bool anyTransparent);
  void dispose(const TFrame& f, bool anyTransparent);
  std::int64_t bytes() const {
    return std::int64_t(Image.pixels.size() + PreviousImage.pixels.size()) * 4 +
           std::int64_t(MaskImage.bits.size() + PreviousMask.bits.size());
  }
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

void GifComposition::compose(const TFrame& f, bool anyTransparent) {
  Rect area = f.area();
  Rect whole{0, 0, f.Width, f.Height};
  if (f.Disposal == 3) {
    PreviousImage = copyArea(Image, area);
    if (anyTransparent) PreviousMask = copyArea(MaskImage, area);
  }
  if (f.HasTransparency) {
    transferMask(MaskImage, area.left, area.top, f.MaskBitmap, RasterOp::And);
    transferMask(Image, area, f.MaskBitmap, whole, RasterOp::And);
    transferBitmap(Image, area, f.Bitmap, whole, RasterOp::Xor);
  } else {
    if (anyTransparent) fillMask(MaskImage, area, 0);
    transferBitmap(Image, area, f.Bitmap, whole, RasterOp::Copy);
  }
}

void GifComposition::dispose(const TFrame& f, bool anyTransparent) {
  Rect area = f.area();
  if (f.Disposal == 2) {
    if (anyTransparent) fillMask(MaskImage, area, 1);
    fillBitmap(Image, area, 0);
  } else if (f.Disposal == 3) {
    if (anyTransparent) transferMask(MaskImage, area.left, area.top, PreviousMask, RasterOp::Copy);
    transferBitmap(Image, area, PreviousImage, {0, 0, PreviousImage.width, PreviousImage.height}, RasterOp::Copy);
  }
}

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
  ScanOnly_ = scanOnly;
  try {
    if (Parse(data)) return true;
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

bool TGIFImage::Parse(std::string_view data) {
  Clear();
  if (data.size() < 3 || data.substr(0, 3) != "GIF") return false;

  std::size_t pos = data.size();
  int screenWidth = 0, screenHeight = 0;
  if (data.size() >= 13) {
    screenWidth = u16(data, 6), screenHeight = u16(data, 8);
    auto flags = std::uint8_t(data[10]);
    pos = 13;
    if (flags & 0x80) {
      BitsPerPixel_ = (flags & 7) + 1;
      std::size_t size = std::size_t(3) << BitsPerPixel_;
      if (size > data.size() - pos) {
        pos = data.size();
      } else {
        std::copy_n(reinterpret_cast<const std::uint8_t*>(data.data()) + pos, size, GlobalColours_.begin());
        pos += size;
      }
    }
  }

  auto decoder = std::make_unique<LzwDecoder>();
  std::vector<std::uint8_t> block;
  FrameControl control;
  std::string comment;
  std::int64_t pixelTotal = 0;
  bool walking = true;
  while (walking && pos < data.size()) {
    char introducer = data[pos];
    if (introducer == '!') {
      if (data.size() - pos < 2) break;
      auto label = std::uint8_t(data[pos + 1]);
      pos += 2;
      block.clear();
      switch (label) {
        case 0x01:
          pos = readSubBlocks(data, pos, nullptr);
          break;
        case 0xF9:
          pos = readSubBlocks(data, pos, &block);
          if (block.size() >= 4) control = {block[0], block[1] | (block[2] << 8), block[3]};
          break;
        case 0xFE:
          pos = readSubBlocks(data, pos, &block);
          comment.append(block.begin(), block.end());
          break;
        case 0xFF: {
          bool loopBlock = pos < data.size() && data[pos] == 11 && data.substr(pos + 1, 11) == "NETSCAPE2.0";
          pos = readSubBlocks(data, pos, &block);
          if (loopBlock && block.size() >= 14) RepeatLimit_ = block[12] | (block[13] << 8);
          break;
        }
        default:
          walking = false;
      }
    } else if (introducer == ',') {
      if (FrameCount() >= kMaxFrames) break;
      auto frame = std::make_unique<TFrame>();
      frame->Disposal = disposalOf(control.flags);
      frame->Delay = control.delay * 10;
      frame->HasTransparency = control.flags & 1;
      frame->TransparentIndex = control.transparentIndex;
      FrameResult result = FrameResult::Stop;
      if (data.size() - pos >= 10) {
        std::int64_t area = std::int64_t(u16(data, pos + 5)) * u16(data, pos + 7);
        pixelTotal += area;
        if (area > 0 && (!pictureSizeAllowed(u16(data, pos + 5), u16(data, pos + 7)) || pixelTotal > kMaxPicturePixels ||
                         !fillableBy(area, data.size() - pos)))
          result = FrameResult::TooLarge;
        else if (ReadFrame(data, pos, *frame, *decoder, block))
          result = FrameResult::Ok;
      }
      if (result == FrameResult::TooLarge) return false;
      if (result == FrameResult::Stop) break;
      BitsPerPixel_ = std::max(BitsPerPixel_, frame->BitsPerPixel);
      AnyTransparent_ = AnyTransparent_ || frame->HasTransparency;
      frame->Comment = std::move(comment);
      comment.clear();
      control = {};
      frames_->Frames.push_back(std::move(frame));
    } else {
      break;
    }
  }

  Width_ = screenWidth, Height_ = screenHeight;
  for (const auto& f : frames_->Frames) {
    Width_ = std::max(Width_, f->Left + f->Width);
    Height_ = std::max(Height_, f->Top + f->Height);
  }
  if (Width_ > kMaxPictureSide || Height_ > kMaxPictureSide || std::int64_t(Width_) * Height_ > kMaxPicturePixels ||
      !fillableBy(std::int64_t(Width_) * Height_, data.size()))
    return false;
  Animated_ = FrameCount() > 1;
  NoData_ = false;
  return true;
}

// The reader stands on the "," of an image descriptor that is known to be complete.
bool TGIFImage::ReadFrame(std::string_view data, std::size_t& pos, TFrame& frame, LzwDecoder& decoder,
                          std::vector<std::uint8_t>& codes) {
  frame.Left = u16(data, pos + 1), frame.Top = u16(data, pos + 3);
  frame.Width = u16(data, pos + 5), frame.Height = u16(data, pos + 7);
  auto flags = std::uint8_t(data[pos + 9]);
  pos += 10;
  frame.Interlaced = flags & 0x40;
  if (flags & 0x80) {
    frame.HasLocalTable = true;
    frame.BitsPerPixel = (flags & 7) + 1;
    std::size_t size = std::size_t(3) << frame.BitsPerPixel;
    if (size > data.size() - pos) return false;
    if (!ScanOnly_) std::copy_n(reinterpret_cast<const std::uint8_t*>(data.data()) + pos, size, frame.LocalColours.begin());
    pos += size;
  }
  if (pos >= data.size()) return false;
  int codeSize = std::uint8_t(data[pos++]);
  if (!LzwDecoder::codeSizeAccepted(codeSize)) return false;
  codes.clear();
  pos = readSubBlocks(data, pos, ScanOnly_ ? nullptr : &codes);
  while (pos < data.size() && data[pos] == 0) ++pos;
  return ScanOnly_ || DecodeFramePixels(frame, codeSize, codes, decoder);
}

bool TGIFImage::DecodeFramePixels(TFrame& frame, int codeSize, const std::vector<std::uint8_t>& codes,
                                  LzwDecoder& decoder) {
  std::size_t count = std::size_t(frame.Width) * std::size_t(frame.Height);
  std::vector<std::uint8_t> indices(count, 0);
  if (frame.HasTransparency) frame.MaskBitmap = Mask(frame.Width, frame.Height, 0);
  LzwTarget target{frame.Width, frame.Height, frame.Interlaced, indices.data(),
                   frame.HasTransparency ? frame.MaskBitmap.bits.data() : nullptr, frame.TransparentIndex};
  if (!decoder.decode(codeSize, codes, target)) return false;

  const auto& table = frame.HasLocalTable ? frame.LocalColours : GlobalColours_;
  std::array<std::uint32_t, 256> colours;
  const PaletteTable* palette = DisplayPalette();
  for (std::size_t i = 0; i < 256; ++i) {
    std::uint32_t c = (std::uint32_t(table[3 * i]) << 16) | (std::uint32_t(table[3 * i + 1]) << 8) | table[3 * i + 2];
    colours[i] = palette ? (*palette)[std::size_t(NearestPaletteIndex(*palette, c))] : c;
  }
  frame.Bitmap = tavra::Bitmap(frame.Width, frame.Height);
  for (std::size_t i = 0; i < count; ++i) frame.Bitmap.pixels[i] = colours[indices[i]];
  if (frame.HasTransparency) {
    std::size_t t = frame.TransparentIndex;
    frame.TransparentColour = (std::uint32_t(table[3 * t]) << 16) | (std::uint32_t(table[3 * t + 1]) << 8) | table[3 * t + 2];
    clearMaskedPixels(frame.Bitmap, frame.MaskBitmap);
  }
  return true;
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
  if (!Frame(1).HasTransparency) {
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

std::unique_ptr<TGIFImage> LoadGifFromFile(const std::string& path, bool& notAnimated) {
  notAnimated = true;
  std::string data;
  if (!ReadFileBytes(path, data)) return nullptr;
  return LoadGifFromStream(data, notAnimated);
}

std::unique_ptr<TGIFImage> LoadGifFromStream(std::string_view data, bool& notAnimated) {
  notAnimated = true;
  auto image = std::make_unique<TGIFImage>();
  if (!image->ScanStream(data)) return nullptr;
  image->SetPlaying(false, 0);
  image->SetShowAllowed(false);
  notAnimated = !image->Animated();
  if (image->LoadFromStream(data)) return image;
  ImageCache().PurgeUnused();
  return nullptr;
}

}  // namespace tavra
