#pragma once
// GIF pictures (87a and 89a): every frame decoded once into a bitmap, a composed current
// picture with its transparency mask, and frame-by-frame playing under the document's
// animation timer.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace tavra {

class LzwDecoder;

class TFrame {
 public:
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int BitsPerPixel = 0;  // local colour-table exponent, 0 without a local table
  int Delay = 0;         // milliseconds
  std::uint8_t Disposal = 0;
  bool HasLocalTable = false;
  bool Interlaced = false;
  bool HasTransparency = false;
  std::uint8_t TransparentIndex = 0;
  std::uint32_t TransparentColour = 0;  // 0x00RRGGBB
  std::array<std::uint8_t, 768> LocalColours{};
  tavra::Bitmap Bitmap;       // the frame's pixels, black where transparent
  Mask MaskBitmap;            // set where transparent (transparent frames only)
  tavra::Bitmap PreviousImage;  // what lay under the frame, for disposal 3
  Mask PreviousMask;
  std::string Comment;

  Rect area() const { return {Left, Top, Left + Width, Top + Height}; }
};

// What lies behind a picture on the page, for pictures with transparent parts: the
// colour of the cell or document, or the document's background picture, tiled as the
// page tiles it (document y = canvas y + scrollOffset).
struct PictureBackground {
  ColorRef colour = clWhite;
  const tavra::Bitmap* tile = nullptr;
  int scrollOffset = 0;
};

// Milliseconds for animation timing; a test may install its own clock (nullptr restores
// the system's).
std::int64_t AnimationClock();
void SetAnimationClock(std::function<std::int64_t()> clock);

class TGIFImage {
 public:
  static constexpr int kMaxFrames = 256;

  TGIFImage() = default;
  // An independent copy for one inline image, restarted at frame 1.
  static std::unique_ptr<TGIFImage> CreateCopy(const TGIFImage& source);

  // Full decode / structure only. False when the data are not a GIF or decoding failed
  // (the image is then empty); truncated data keep the frames read so far.
  bool LoadFromFile(const std::string& path);
  bool LoadFromStream(std::string_view data);
  bool ScanFile(const std::string& path);
  bool ScanStream(std::string_view data);

  void SetPlaying(bool on);
  void SetFrameIndex(int n);
  void SetShowAllowed(bool on) { ShowAllowed_ = on; }
  // One tick of the document's animation timer; `invalidate` receives the rectangle the
  // picture was last drawn in when the shown frame changes.
  void TimerTick(const std::function<void(const Rect&)>& invalidate);
  // Draws the current picture stretched to width x height at (x, y).
  void Draw(Canvas& canvas, const PictureBackground& background, int height, int width, int y, int x);

  // Copies of frame 1's pixels and mask, kept by the image; nullptr when there is no
  // decoded frame (or, for the mask, frame 1 is not transparent).
  const tavra::Bitmap* FirstFrameBitmap();
  const Mask* FirstFrameMask();

  bool Animated() const { return Animated_; }
  bool NoData() const { return NoData_; }
  bool Playing() const { return Playing_; }
  bool ShowAllowed() const { return ShowAllowed_; }
  bool ScanOnly() const { return ScanOnly_; }
  bool AnyTransparent() const { return AnyTransparent_; }
  int Width() const { return Width_; }
  int Height() const { return Height_; }
  int FrameIndex() const { return FrameIndex_; }
  int FrameCount() const { return int(Frames_.size()); }
  int RepeatLimit() const { return RepeatLimit_; }
  int PassCount() const { return PassCount_; }
  int BitsPerPixel() const { return BitsPerPixel_; }
  int CurrentInterval() const { return CurrentInterval_; }
  const TFrame& Frame(int index) const { return *Frames_[std::size_t(index - 1)]; }
  // The composed picture and its mask (set = transparent; empty unless AnyTransparent).
  const tavra::Bitmap& ImageDC() const { return ImageDC_; }
  const Mask& MaskDC() const { return MaskDC_; }
  const Rect& LastDrawn() const { return LastDrawn_; }

  int SpeedPercent = 100;
  bool DrawnSinceTick = false;
  bool IsCopy = false;

 private:
  bool Load(std::string_view data, bool scanOnly);
  void Clear();
  bool Parse(std::string_view data);
  bool ReadFrame(std::string_view data, std::size_t& pos, TFrame& frame, LzwDecoder& decoder,
                 std::vector<std::uint8_t>& codes);
  bool DecodeFramePixels(TFrame& frame, int codeSize, const std::vector<std::uint8_t>& codes, LzwDecoder& decoder);
  void ComposeCurrent();
  void DisposeCurrent();
  int IntervalOf(const TFrame& frame) const;

  bool Animated_ = false;
  int FrameIndex_ = 1;
  bool NoData_ = true;
  int Width_ = 0, Height_ = 0;
  int RepeatLimit_ = 1;
  bool AnyTransparent_ = false;
  bool ShowAllowed_ = true;
  int BitsPerPixel_ = 0;
  std::array<std::uint8_t, 768> GlobalColours_{};
  tavra::Bitmap ImageDC_;
  Mask MaskDC_;
  tavra::Bitmap ScratchDC_;
  bool NeedBackground_ = false;
  std::unique_ptr<tavra::Bitmap> FirstBitmap_;
  std::unique_ptr<Mask> FirstMask_;
  bool Playing_ = false;
  Rect LastDrawn_;
  std::vector<std::unique_ptr<TFrame>> Frames_;
  int PassCount_ = 1;
  bool FirstTick_ = true;
  bool ScanOnly_ = false;
  std::int64_t LastTick_ = 0;
  int CurrentInterval_ = 0;
};

// The loaders of the image fetch: nullptr when the data are not a GIF or cannot be
// decoded (the cache's unused entries are then purged). `notAnimated` tells whether the
// GIF has at most one frame.
std::unique_ptr<TGIFImage> LoadGifFromFile(const std::string& path, bool& notAnimated);
std::unique_ptr<TGIFImage> LoadGifFromStream(std::string_view data, bool& notAnimated);

}  // namespace tavra
