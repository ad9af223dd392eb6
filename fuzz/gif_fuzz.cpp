// Any bytes as a GIF: scanned, decoded, every frame composed in turn and drawn.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "html/images/gif_image.h"
#include "html/images/image_cache.h"
#include "platform/fixed_canvas.h"

using namespace tavra;

namespace {
constexpr std::int64_t kFuzzPixels = std::int64_t(1) << 22;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TGIFImage scan;
  if (!scan.ScanStream(bytes)) return 0;
  // A few header bytes may ask for the whole picture budget, which is honoured but takes
  // seconds to fill under the sanitizers; the search stays with pictures of a
  // megapixel or so, where it learns more per second.
  if (std::int64_t(scan.Width()) * scan.Height() * std::max(scan.FrameCount(), 1) > kFuzzPixels) return 0;

  bool notAnimated = false;
  auto gif = LoadGifFromStream(bytes, notAnimated);
  if (!gif) return 0;
  FixedCanvas canvas(64, 64);
  // A second player of the same frames, which shares their compositions while it follows
  // the first and goes its own way after.
  auto copy = TGIFImage::CreateCopy(*gif);
  // Twice round all frames, so that each disposal meets the frame after it and the
  // last frame returns to the first.
  for (int i = 0; i < 2 * gif->FrameCount(); ++i) {
    gif->SetFrameIndex(gif->FrameIndex() + 1);
    gif->Draw(canvas, 48, 40, 3, 5);
    if (i % 2 == 0) copy->SetFrameIndex(copy->FrameIndex() + 1);
    copy->Draw(canvas, gif->Height(), gif->Width(), 0, 0);
  }
  gif->FirstFrameBitmap();
  gif->FirstFrameMask();
  return 0;
}
