#include "html/images/image_cache.h"

#include <algorithm>
#include <new>

#include "platform/ascii.h"
#include "platform/unicode.h"

namespace tavra {

std::string ImageCacheKey(const std::string& source) {
  return upperCaseUtf8(ascii::trimmed(source));
}

int TStringBitmapList::lowerBound(const std::string& key) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                             [](const auto& entry, const std::string& k) { return entry.first < k; });
  return int(it - entries_.begin());
}

int TStringBitmapList::IndexOf(const std::string& key) const {
  std::string k = ImageCacheKey(key);
  int i = lowerBound(k);
  return i < Count() && entries_[std::size_t(i)].first == k ? i : -1;
}

std::int64_t TBitmapItem::Bytes() const {
  std::int64_t bytes = 0;
  if (ImageBitmap)
    bytes += std::int64_t(ImageBitmap->pixels.size() * sizeof(std::uint32_t) + ImageBitmap->alpha.size());
  if (MaskImage) bytes += std::int64_t(MaskImage->bits.size());
  if (ImageGif) bytes += ImageGif->FrameBytes() + ImageGif->CompositionBytes();
  return bytes;
}

bool TStringBitmapList::StoreImage(const std::string& key, std::unique_ptr<TBitmapItem>& item) {
  std::string k = ImageCacheKey(key);
  int i = lowerBound(k);
  if (i < Count() && entries_[std::size_t(i)].first == k) return false;
  const std::int64_t bytes = item->Bytes();
  if (bytes_ + bytes > maxBytes_) {
    PurgeUnused();
    if (bytes_ + bytes > maxBytes_) return false;
    i = lowerBound(k);
  }
  item->InUseCount += 1;
  item->CountedBytes = bytes;
  bytes_ += bytes;
  entries_.emplace(entries_.begin() + i, std::move(k), std::move(item));
  return true;
}

PictureRef TStringBitmapList::TakeImage(int index) {
  TBitmapItem& item = Item(index);
  item.IdleAge = 0;
  item.InUseCount += 1;
  return item.Image();
}

void TStringBitmapList::ReleaseImage(const std::string& key) {
  int i = IndexOf(key);
  if (i >= 0) Item(i).InUseCount -= 1;
}

void TStringBitmapList::AgeEntries() {
  for (int i = Count() - 1; i >= 0; --i) {
    TBitmapItem& item = Item(i);
    item.IdleAge += 1;
    if (item.IdleAge > maxIdle_ && item.InUseCount < 1) removeAt(i);
  }
}

void TStringBitmapList::SetIdleLimit(int n) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Item(i).IdleAge > n && Item(i).InUseCount <= 0) removeAt(i);
  maxIdle_ = n;
}

void TStringBitmapList::PurgeUnused() {
  for (int i = Count() - 1; i >= 0; --i)
    if (Item(i).InUseCount < 1) removeAt(i);
}

void TStringBitmapList::Clear() {
  entries_.clear();
  bytes_ = 0;
}

void TStringBitmapList::removeAt(int index) {
  bytes_ -= Item(index).CountedBytes;
  entries_.erase(entries_.begin() + index);
}

TStringBitmapList& ImageCache() {
  static TStringBitmapList cache;
  return cache;
}

namespace {

PictureRef fromCache(TStringBitmapList& cache, int index, TransparencyKind& transparency, const Mask*& mask) {
  PictureRef picture = cache.TakeImage(index);
  TBitmapItem& item = cache.Item(index);
  if (picture.bitmap) {
    if (item.Transparency == trGif || item.Transparency == trPng) {
      transparency = item.Transparency;
    } else if (transparency == trCorner) {
      if (!item.MaskImage) item.MaskImage = MakeImageMask(*picture.bitmap, false, 0);
      if (item.MaskImage) item.Transparency = trCorner;
    }
    mask = item.MaskImage.get();
  }
  return picture;
}

bool hasGifExtension(const std::string& source) {
  std::size_t dot = source.find_last_of('.');
  if (dot == std::string::npos || source.size() - dot != 4) return false;
  return ImageCacheKey(source.substr(dot)) == ".GIF";
}

}  // namespace

PictureRef FetchImage(const ImageRequestHandler& onImageRequest, const std::string& source,
                      TransparencyKind& transparency, bool& pending, bool& fromCacheOut, const Mask*& mask) {
  mask = nullptr;
  pending = false;
  fromCacheOut = false;
  if (source.empty()) return {};
  TStringBitmapList& cache = ImageCache();
  std::string key = ImageCacheKey(source);
  if (int index = cache.IndexOf(key); index >= 0) {
    fromCacheOut = true;
    return fromCache(cache, index, transparency, mask);
  }

  try {
    auto item = std::make_unique<TBitmapItem>();
    bool notAnimated = true;
    if (onImageRequest) {
      std::string* stream = nullptr;
      onImageRequest(source, stream);
      if (stream == &PendingImageStream()) {
        pending = true;
        return {};
      }
      if (stream && !stream->empty()) {
        int format = ImageFormatOf(*stream);
        if (format == ifGif87 || format == ifGif89) item->ImageGif = LoadGifFromStream(*stream, notAnimated);
        if (!item->ImageGif) item->ImageBitmap = LoadImageFromStream(stream, transparency, item->MaskImage);
      }
    } else {
      if (hasGifExtension(source)) item->ImageGif = LoadGifFromFile(source, notAnimated);
      if (!item->ImageGif) item->ImageBitmap = LoadImageFromFile(source, transparency, item->MaskImage);
    }

    if (item->ImageGif && notAnimated) {
      // A still GIF is kept as a plain bitmap with its mask.
      std::unique_ptr<TGIFImage> gif = std::move(item->ImageGif);
      auto first = std::make_unique<Bitmap>();
      auto firstMask = std::make_unique<Mask>();
      // The frame's own pixels move into the cache: a still picture is held once.
      if (gif->TakeFirstFrame(*first, *firstMask)) item->ImageBitmap = std::move(first);
      gif.reset();
      if (item->ImageBitmap && !firstMask->empty()) {
        item->MaskImage = std::move(firstMask);
        transparency = trGif;
      } else if (transparency == trCorner && item->ImageBitmap) {
        item->MaskImage = MakeImageMask(*item->ImageBitmap, false, 0);
      }
      if (!item->ImageBitmap) item->MaskImage.reset();
    }
    if (!item->Image()) return {};
    const bool ownAlpha = item->ImageBitmap && item->ImageBitmap->hasAlpha();
    item->Transparency = item->MaskImage || ownAlpha ? transparency : trNone;
    PictureRef picture = item->Image();
    const Mask* itemMask = item->MaskImage.get();
    if (!cache.StoreImage(key, item)) {
      // The key was absent a moment ago: a handler stored the same source meanwhile. The
      // caller still gets its picture, the stored one, whose entry owns it for as long as
      // the caller uses it; the copy just loaded has no owner and goes.
      const int index = cache.IndexOf(key);
      if (index < 0) return {};
      fromCacheOut = true;
      return fromCache(cache, index, transparency, mask);
    }
    mask = itemMask;
    return picture;
  } catch (const std::bad_alloc&) {
    cache.PurgeUnused();
    return {};
  }
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
