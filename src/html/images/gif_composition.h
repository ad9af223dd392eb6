#pragma once
// The composed picture of a GIF player: the frames composed so far, with what lay under the
// current frame, shared by the players whose frames went the same way (see gif_image.h).

#include <cstdint>

#include "html/images/gif_image.h"

namespace tavra {

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

}  // namespace tavra
