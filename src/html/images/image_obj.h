#pragma once
// An IMG element in running text: its attributes, its picture from the image cache (or a
// placeholder), its size from the picture and WIDTH / HEIGHT, and its painting with
// border and alternate text. Animated GIFs play on the document's timer.

#include <functional>
#include <memory>
#include <string>

#include "html/parse/attributes.h"
#include "html/images/image_cache.h"
#include "html/document/inline_objects.h"

namespace tavra {

class TImageObj : public InlineImage, public AnimatedPicture {
 public:
  TImageObj(int position, const TAttributeList& attributes);
  ~TImageObj() override;
  TImageObj(const TImageObj&) = delete;
  TImageObj& operator=(const TImageObj&) = delete;

  // HEIGHT, at least 1 when given, 0 when absent; WIDTH in pixels, or a percentage
  // 1..100 with WidthIsPercent. Pixel sizes are capped at the largest picture side, so
  // that no page can push coordinates past the integer range.
  int SpecHeight = 0;
  int SpecWidth = 0;
  int ImageHeight = 0;
  int ImageWidth = 0;
  bool SizeFixed = false;
  std::string Source;
  std::u16string AltText;
  bool NoBorder = false;
  std::uint8_t Transparent = 0;  // 0 opaque, 1 corner colour, 2 GIF, 3 its own alpha (PNG, 32-bit BMP)
  TSectionList* Document = nullptr;

  // The picture drawn: a bitmap (with its mask) or an animated GIF.
  const Bitmap* PictureBitmap() const { return bitmap_; }
  const Mask* PictureMask() const { return mask_; }
  TGIFImage* PictureGif() const { return gif_; }
  bool ShowsPlaceholder() const;

  void SizeImage(TSectionList& document, Canvas& canvas, int availableWidth, const TFontObj& run) override;
  void DrawImage(Canvas& canvas, int x, const TFontObj& run, int baseline, int rowTop) const override;
  void RestartAnimation() override;
  void Animate() override;
  Rect AnimatedRect() const override { return PictureRect(); }

 private:
  void FetchPicture(TSectionList& document);
  void UsePlaceholder(const Bitmap& picture, const Mask* mask);
  void DrawPicture(Canvas& canvas, int x, int top, bool placeholder) const;

  const Bitmap* bitmap_ = nullptr;
  const Mask* mask_ = nullptr;
  TGIFImage* gif_ = nullptr;
  std::unique_ptr<TGIFImage> ownGif_;  // a player of its own for a cached animation
  bool fetched_ = false;
  std::string cacheKey_;  // the source under which a cache entry is held, if any
};

// The document's background fetch, as the viewer installs it for the document's
// FetchBitmap: a bitmap from the cache (no mask; its own alpha plane, if any, is drawn
// over the panel's colour), or null with `pending` when the host will deliver it later.
// The document releases the name when cleared.
const Bitmap* FetchBackgroundBitmap(TSectionList& document, const std::string& name, bool& pending);

}  // namespace tavra
