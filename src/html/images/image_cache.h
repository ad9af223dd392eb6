#pragma once
// The process-wide cache of loaded pictures, keyed by their source name, and the image
// fetch of the documents that goes through it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "html/images/gif_image.h"
#include "html/images/image_loading.h"
#include "platform/bitmap.h"

namespace tavra {

// A picture handed out by the cache: a still bitmap or an animated GIF, never both.
struct PictureRef {
  Bitmap* bitmap = nullptr;
  TGIFImage* gif = nullptr;
  explicit operator bool() const { return bitmap || gif; }
};

// One cache entry; owns its pictures.
struct TBitmapItem {
  int IdleAge = 0;     // document loads since the entry was last fetched
  int InUseCount = 0;  // current users
  TransparencyKind Transparency = trNone;
  std::unique_ptr<Bitmap> ImageBitmap;
  std::unique_ptr<TGIFImage> ImageGif;
  std::unique_ptr<Mask> MaskImage;  // set where transparent
  std::int64_t CountedBytes = 0;    // what the cache counted for it when it was stored

  PictureRef Image() const { return {ImageBitmap.get(), ImageGif.get()}; }
  // The decoded pixels it holds now.
  std::int64_t Bytes() const;
};

// The key of a source name: upper case, without blanks and control characters at
// either end.
std::string ImageCacheKey(const std::string& source);

// Sorted by key. Entries are visited from the last to the first, so that removing one
// never skips another.
class TStringBitmapList {
 public:
  int MaxIdle() const { return maxIdle_; }
  int Count() const { return int(entries_.size()); }
  const std::string& Key(int index) const { return entries_[std::size_t(index)].first; }
  TBitmapItem& Item(int index) const { return *entries_[std::size_t(index)].second; }
  // -1 when absent. Keys are normalised by every operation that takes one.
  int IndexOf(const std::string& key) const;

  // The decoded pictures of the whole process together; beyond it, after the unused
  // entries have gone, a picture fails to load and shows as broken.
  static constexpr std::int64_t DefaultMaxBytes = std::int64_t(384) << 20;
  std::int64_t Bytes() const { return bytes_; }
  std::int64_t MaxBytes() const { return maxBytes_; }
  // A smaller budget makes no room by itself: it holds from the next picture stored.
  void SetMaxBytes(std::int64_t n) { maxBytes_ = n; }

  // Adds the entry (one user); false, leaving `item` with the caller, when the key is
  // taken already or the entry would take the cache beyond MaxBytes().
  bool StoreImage(const std::string& key, std::unique_ptr<TBitmapItem>& item);
  // The picture of the entry for one more user; its age starts again.
  PictureRef TakeImage(int index);
  // One user fewer.
  void ReleaseImage(const std::string& key);
  // A document load: every entry ages; unused ones older than the idle limit go.
  void AgeEntries();
  // Unused entries older than n go; n becomes the idle limit.
  void SetIdleLimit(int n);
  // Every unused entry goes (memory runs short).
  void PurgeUnused();
  void Clear();

 private:
  void removeAt(int index);
  int lowerBound(const std::string& key) const;

  std::vector<std::pair<std::string, std::unique_ptr<TBitmapItem>>> entries_;
  int maxIdle_ = 4;
  std::int64_t bytes_ = 0;
  std::int64_t maxBytes_ = DefaultMaxBytes;
};

TStringBitmapList& ImageCache();

// The GIF loaders of the image fetch: nullptr when the data are not a GIF or cannot be
// decoded (the cache's unused entries are then purged, to make room). `notAnimated`
// tells whether the GIF has at most one frame.
std::unique_ptr<TGIFImage> LoadGifFromFile(const std::string& path, bool& notAnimated);
std::unique_ptr<TGIFImage> LoadGifFromStream(std::string_view data, bool& notAnimated);

// The host's image request: it may set `stream` to the picture's bytes (it keeps them),
// to &PendingImageStream() for "later", or leave it null.
using ImageRequestHandler = std::function<void(const std::string& source, std::string*& stream)>;

// The image fetch of a document, for its background picture and its inline images.
// `transparency` in: trNone or trCorner (the caller's wish); out: the kind of the mask,
// or trPng for a bitmap with its own alpha plane, which needs none.
// Without a handler the source is a file name. A still GIF comes back as a bitmap, an
// animated one as the cached TGIFImage. The picture and mask belong to the cache; the
// caller is one user of the entry until it releases the source.
PictureRef FetchImage(const ImageRequestHandler& onImageRequest, const std::string& source,
                      TransparencyKind& transparency, bool& pending, bool& fromCache, const Mask*& mask);

}  // namespace tavra
