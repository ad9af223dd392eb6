#include "html/image_cache.h"

#include <algorithm>
#include <new>

#include "platform/codepage.h"

namespace tavra {

namespace {

// Upper case of a Windows-1250 letter, through its Unicode character: ASCII, Latin-1
// and the Latin Extended-A pairs that the code page holds.
char upperByte(char c) {
  auto byte = static_cast<std::uint8_t>(c);
  if (byte < 0x80) return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
  char32_t u = cp1250::toUnicode(byte);
  char32_t upper = u;
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
    upper = u - 0x20;
  else if ((u >= 0x100 && u <= 0x137) || (u >= 0x14A && u <= 0x177))
    upper = u & ~char32_t(1);
  else if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
    upper = (u & 1) ? u : u - 1;
  std::uint8_t out = byte;
  if (upper != u && cp1250::fromUnicode(upper, out)) return static_cast<char>(out);
  return c;
}

bool isTrimmed(char c) { return static_cast<std::uint8_t>(c) <= ' '; }

}  // namespace

std::string ImageCacheKey(const std::string& source) {
  std::size_t begin = 0, end = source.size();
  while (begin < end && isTrimmed(source[begin])) ++begin;
  while (end > begin && isTrimmed(source[end - 1])) --end;
  std::string key = source.substr(begin, end - begin);
  for (char& c : key) c = upperByte(c);
  return key;
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
  if (ImageBitmap) bytes += std::int64_t(ImageBitmap->pixels.size() * sizeof(std::uint32_t));
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
    item->Transparency = item->MaskImage ? transparency : trNone;
    PictureRef picture = item->Image();
    const Mask* itemMask = item->MaskImage.get();
    // The key was absent a moment ago; if a handler stored it meanwhile, the picture
    // just loaded is dropped rather than left without an owner.
    if (!cache.StoreImage(key, item)) return {};
    mask = itemMask;
    return picture;
  } catch (const std::bad_alloc&) {
    cache.PurgeUnused();
    return {};
  }
}

}  // namespace tavra
