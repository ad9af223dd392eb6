#include "html/gif_image.h"

#include <algorithm>
#include <chrono>
#include <new>

#include "html/display_palette.h"
#include "html/gif_decoder.h"
#include "html/image_cache.h"
#include "html/image_loading.h"

namespace tavra {

namespace {

std::function<std::int64_t()>& clockOverride() {
  static std::function<std::int64_t()> clock;
  return clock;
}

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

}  // namespace

std::int64_t AnimationClock() {
  if (clockOverride()) return clockOverride()();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SetAnimationClock(std::function<std::int64_t()> clock) { clockOverride() = std::move(clock); }

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
  c.LastDrawn_ = source.LastDrawn_;
  c.FirstTick_ = source.FirstTick_;
  c.ScanOnly_ = source.ScanOnly_;
  c.LastTick_ = source.LastTick_;
  c.CurrentInterval_ = source.CurrentInterval_;
  c.IsCopy = true;
  if (!c.ScanOnly_ && !c.NoData_) {
    c.ImageDC_ = tavra::Bitmap(c.Width_, c.Height_, 0);
    if (c.AnyTransparent_) c.MaskDC_ = Mask(c.Width_, c.Height_, 1);
  }
  for (const auto& frame : source.Frames_) c.Frames_.push_back(std::make_unique<TFrame>(*frame));
  c.FrameIndex_ = 1;
  c.PassCount_ = 1;
  c.ComposeCurrent();
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
  Frames_.clear();
  FrameIndex_ = 1;
  RepeatLimit_ = 1;
  PassCount_ = 1;
  FirstTick_ = true;
  BitsPerPixel_ = 0;
  AnyTransparent_ = false;
  Animated_ = false;
  Width_ = Height_ = 0;
  GlobalColours_.fill(0);
  ImageDC_ = {};
  MaskDC_ = {};
  ScratchDC_ = {};
  FirstBitmap_.reset();
  FirstMask_.reset();
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
        if (area > 0 && (!pictureSizeAllowed(u16(data, pos + 5), u16(data, pos + 7)) || pixelTotal > kMaxPicturePixels))
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
      Frames_.push_back(std::move(frame));
    } else {
      break;
    }
  }

  Width_ = screenWidth, Height_ = screenHeight;
  for (const auto& f : Frames_) {
    Width_ = std::max(Width_, f->Left + f->Width);
    Height_ = std::max(Height_, f->Top + f->Height);
  }
  if (Width_ > kMaxPictureSide || Height_ > kMaxPictureSide || std::int64_t(Width_) * Height_ > kMaxPicturePixels)
    return false;
  if (!ScanOnly_) {
    ImageDC_ = tavra::Bitmap(Width_, Height_, 0);
    if (AnyTransparent_) MaskDC_ = Mask(Width_, Height_, 1);
  }
  Animated_ = FrameCount() > 1;
  NoData_ = false;
  ComposeCurrent();
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
  if (frame.Disposal == 3) {
    frame.PreviousImage = tavra::Bitmap(frame.Width, frame.Height);
    frame.PreviousMask = Mask(frame.Width, frame.Height);
  }
  return true;
}

void TGIFImage::ComposeCurrent() {
  if (ScanOnly_ || NoData_ || Frames_.empty()) return;
  TFrame& f = *Frames_[std::size_t(FrameIndex_ - 1)];
  NeedBackground_ = Frames_[0]->Disposal < 2 && FrameIndex_ == 1;
  Rect area = f.area();
  Rect whole{0, 0, f.Width, f.Height};
  if (f.Disposal == 3) {
    f.PreviousImage = copyArea(ImageDC_, area);
    if (AnyTransparent_) f.PreviousMask = copyArea(MaskDC_, area);
  }
  if (f.HasTransparency) {
    transferMask(MaskDC_, area.left, area.top, f.MaskBitmap, RasterOp::And);
    transferMask(ImageDC_, area, f.MaskBitmap, whole, RasterOp::And);
    transferBitmap(ImageDC_, area, f.Bitmap, whole, RasterOp::Xor);
  } else {
    if (AnyTransparent_) fillMask(MaskDC_, area, 0);
    transferBitmap(ImageDC_, area, f.Bitmap, whole, RasterOp::Copy);
  }
}

void TGIFImage::DisposeCurrent() {
  if (ScanOnly_ || NoData_ || Frames_.empty()) return;
  const TFrame& f = *Frames_[std::size_t(FrameIndex_ - 1)];
  Rect area = f.area();
  if (f.Disposal == 2) {
    if (AnyTransparent_) fillMask(MaskDC_, area, 1);
    fillBitmap(ImageDC_, area, 0);
  } else if (f.Disposal == 3) {
    if (AnyTransparent_) transferMask(MaskDC_, area.left, area.top, f.PreviousMask, RasterOp::Copy);
    transferBitmap(ImageDC_, area, f.PreviousImage, {0, 0, f.PreviousImage.width, f.PreviousImage.height},
                   RasterOp::Copy);
  }
}

void TGIFImage::SetFrameIndex(int n) {
  if (n == FrameIndex_ || Frames_.empty()) return;
  DisposeCurrent();
  FrameIndex_ = n > FrameCount() ? 1 : n <= 0 ? FrameCount() : n;
  ComposeCurrent();
}

void TGIFImage::SetPlaying(bool on) {
  if (on == Playing_) return;
  Playing_ = on;
  PassCount_ = 1;
  if (on && FrameCount() > 1) {
    CurrentInterval_ = std::max(Frame(FrameIndex_).Delay * 100 / std::max(SpeedPercent, 1), 1);
    LastTick_ = AnimationClock();
  }
}

int TGIFImage::IntervalOf(const TFrame& frame) const {
  int speed = std::max(SpeedPercent, 1);
  return std::max((frame.Delay * 100 + speed / 2) / speed, 1);
}

void TGIFImage::TimerTick(const std::function<void(const Rect&)>& invalidate) {
  if (!Playing_ || NoData_ || ScanOnly_ || Frames_.empty()) return;
  std::int64_t now = AnimationClock();
  if (now - LastTick_ < CurrentInterval_) return;
  LastTick_ = now;
  if (RepeatLimit_ > 0 && FrameIndex_ == FrameCount()) {
    if (PassCount_ >= RepeatLimit_) {
      SetPlaying(false);
      return;
    }
    ++PassCount_;
  }
  if (FirstTick_) {
    FirstTick_ = false;
  } else {
    DisposeCurrent();
    FrameIndex_ = FrameIndex_ >= FrameCount() ? 1 : FrameIndex_ + 1;
    ComposeCurrent();
    if (invalidate) invalidate(LastDrawn_);
  }
  CurrentInterval_ = IntervalOf(Frame(FrameIndex_));
}

void TGIFImage::Draw(Canvas& canvas, const PictureBackground& background, int height, int width, int y, int x) {
  LastDrawn_ = {x, y, x + width, y + height};
  if (!ShowAllowed_ || NoData_ || ScanOnly_ || Frames_.empty() || ImageDC_.empty() || width <= 0 || height <= 0)
    return;
  Rect dest = LastDrawn_;
  Rect source{0, 0, Width_, Height_};
  Rect scratchArea{0, 0, width, height};
  if (!Frames_[0]->HasTransparency) {
    canvas.drawBitmap(dest, ImageDC_, source, RasterOp::Copy);
    return;
  }
  // The work surface has the drawn size; a size past the picture budget (the page may ask
  // for any) is drawn straight onto the canvas instead.
  if (Frame(FrameIndex_).Disposal < 2 && pictureSizeAllowed(width, height)) {
    if (ScratchDC_.width != width || ScratchDC_.height != height) {
      ScratchDC_ = tavra::Bitmap(width, height);
      NeedBackground_ = true;
    }
    if (NeedBackground_) {
      const tavra::Bitmap* tile = background.tile;
      if (tile && !tile->empty()) {
        for (int j = 0; j < height; ++j) {
          int ty = ((background.scrollOffset + y + j) % tile->height + tile->height) % tile->height;
          for (int i = 0; i < width; ++i) ScratchDC_.at(i, j) = tile->at(((x + i) % tile->width + tile->width) % tile->width, ty);
        }
      } else {
        fillBitmap(ScratchDC_, scratchArea, pixelFromColor(background.colour));
      }
      NeedBackground_ = false;
    }
    transferBitmap(ScratchDC_, scratchArea, ImageDC_, source, RasterOp::Xor);
    transferMask(ScratchDC_, scratchArea, MaskDC_, source, RasterOp::And);
    transferBitmap(ScratchDC_, scratchArea, ImageDC_, source, RasterOp::Or);
    canvas.drawBitmap(x, y, ScratchDC_, RasterOp::Copy);
    return;
  }
  canvas.save();
  canvas.setTextColor(clBlack);
  canvas.setBkColor(clWhite);
  canvas.drawBitmap(dest, ImageDC_, source, RasterOp::Xor);
  canvas.drawMask(dest, MaskDC_, source, RasterOp::And);
  canvas.drawBitmap(dest, ImageDC_, source, RasterOp::Or);
  canvas.restore();
}

const tavra::Bitmap* TGIFImage::FirstFrameBitmap() {
  if (NoData_ || ScanOnly_ || Frames_.empty() || Frames_[0]->Bitmap.empty()) return nullptr;
  if (!FirstBitmap_) FirstBitmap_ = std::make_unique<tavra::Bitmap>(Frames_[0]->Bitmap);
  return FirstBitmap_.get();
}

const Mask* TGIFImage::FirstFrameMask() {
  if (NoData_ || ScanOnly_ || Frames_.empty() || !Frames_[0]->HasTransparency || Frames_[0]->MaskBitmap.empty())
    return nullptr;
  if (!FirstMask_) FirstMask_ = std::make_unique<Mask>(Frames_[0]->MaskBitmap);
  return FirstMask_.get();
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
  image->SetPlaying(false);
  image->SetShowAllowed(false);
  notAnimated = !image->Animated();
  if (image->LoadFromStream(data)) return image;
  ImageCache().PurgeUnused();
  return nullptr;
}

}  // namespace tavra
