#pragma once
// The GIF player: the frames the reader decoded (gif_reader.h), a composed current picture
// with its transparency mask, and frame-by-frame playing under the document's animation
// timer. The decoded frames are held once for every player of a picture; players whose
// frames went the same way share one composed picture too.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "html/images/gif_reader.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace tavra {

struct GifFrameStore;
struct GifComposition;

class TGIFImage {
 public:
  static constexpr int kMaxFrames = kMaxGifFrames;

  TGIFImage();
  ~TGIFImage();
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;
  // Another player of the same picture for one inline image, restarted at frame 1. It
  // shares the decoded frames, and the composed picture with every player whose frames
  // have gone the same way, so that a picture shown many times is held once.
  static std::unique_ptr<TGIFImage> CreateCopy(const TGIFImage& source);

  // Full decode / structure only. False when the data are not a GIF or decoding failed
  // (the image is then empty); truncated data keep the frames read so far.
  bool LoadFromFile(const std::string& path);
  bool LoadFromStream(std::string_view data);
  bool ScanFile(const std::string& path);
  bool ScanStream(std::string_view data);

  // `nowMs` is the animation clock of the document's host.
  void SetPlaying(bool on, std::int64_t nowMs);
  void SetFrameIndex(int n);
  void SetShowAllowed(bool on) { ShowAllowed_ = on; }
  // One tick of the document's animation timer; true when the shown frame changed.
  bool TimerTick(std::int64_t nowMs);
  // Draws the current picture stretched to width x height at (x, y); transparent parts
  // leave what the canvas holds.
  void Draw(Canvas& canvas, int height, int width, int y, int x) const;

  // Frame 1's pixels and mask; nullptr when there is no decoded frame (or, for the mask,
  // frame 1 is not transparent).
  const tavra::Bitmap* FirstFrameBitmap() const;
  const Mask* FirstFrameMask() const;
  // Hands frame 1's pixels and mask over to the caller, who keeps a still picture as a
  // plain bitmap; false (nothing moved) when other players share the frames.
  bool TakeFirstFrame(tavra::Bitmap& bitmap, Mask& mask);

  bool Animated() const { return Animated_; }
  bool NoData() const { return NoData_; }
  bool Playing() const { return Playing_; }
  bool ShowAllowed() const { return ShowAllowed_; }
  bool ScanOnly() const { return ScanOnly_; }
  bool AnyTransparent() const { return AnyTransparent_; }
  int Width() const { return Width_; }
  int Height() const { return Height_; }
  int FrameIndex() const { return FrameIndex_; }
  int FrameCount() const;
  int RepeatLimit() const { return RepeatLimit_; }
  int PassCount() const { return PassCount_; }
  int BitsPerPixel() const { return BitsPerPixel_; }
  int CurrentInterval() const { return CurrentInterval_; }
  const TFrame& Frame(int index) const;
  // The composed picture and its mask (set = transparent; empty unless AnyTransparent);
  // both empty for a picture only scanned.
  const tavra::Bitmap& ImageDC() const;
  const Mask& MaskDC() const;

  // Bytes of decoded pixels this player holds, each shared store counted in full: the
  // frames, and the composed picture. Players that share them report the same stores.
  std::int64_t FrameBytes() const;
  std::int64_t CompositionBytes() const;
  // Whether two players hold one copy of the decoded frames / of the composed picture.
  bool SharesFramesWith(const TGIFImage& other) const { return frames_ && frames_ == other.frames_; }
  bool SharesCompositionWith(const TGIFImage& other) const;

  int SpeedPercent = 100;
  bool IsCopy = false;

 private:
  bool Load(std::string_view data, bool scanOnly);
  void Clear();
  // The composition this player shows, made on first need: the frames are composed from
  // a black, transparent picture up to the current frame.
  GifComposition* Composition() const;
  // Disposes of the current frame and composes frame n in its place; false when there
  // was no room for it, and the player stays where it was.
  bool MoveTo(int n);
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
  bool Playing_ = false;
  int PassCount_ = 1;
  bool FirstTick_ = true;
  bool ScanOnly_ = false;
  std::int64_t LastTick_ = 0;
  int CurrentInterval_ = 0;
  std::shared_ptr<GifFrameStore> frames_;
  // Names the sequence of frames composed so far; equal names, equal pictures.
  std::uint64_t history_ = 0;
  mutable std::shared_ptr<GifComposition> composition_;
};

}  // namespace tavra
