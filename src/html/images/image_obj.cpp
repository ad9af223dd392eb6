#include "html/images/image_obj.h"

#include <algorithm>
#include <cstdlib>

#include "html/document/fonts.h"
#include "html/images/image_drawing.h"
#include "html/images/placeholder_images.h"
#include "html/document/section_list.h"
#include "platform/ascii.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

// a * b / c rounded to nearest; nothing when there is no c to scale by.
int scaled(int a, int b, int c) { return c <= 0 ? 0 : MulDiv(a, b, c); }

void useLabelFont(Canvas& canvas, FontEngine& fonts) {
  FontSpec face;
  face.name = "Arial";
  face.size = 8;
  canvas.setFont(fonts.createFont(face));
}

// The host's image request, when the host delivers pictures.
ImageRequestHandler requestHandlerOf(TSectionList& document) {
  DocumentHost& host = document.Host();
  if (!host.DeliversImages()) return {};
  return [&host](const std::string& source, std::string*& stream) { host.RequestImage(source, stream); };
}

}  // namespace

const Bitmap* FetchBackgroundBitmap(TSectionList& document, const std::string& name, bool& pending) {
  TransparencyKind kind = trNone;
  bool fromCache = false;
  const Mask* mask = nullptr;
  return FetchImage(requestHandlerOf(document), name, kind, pending, fromCache, mask).bitmap;
}

TImageObj::TImageObj(int position, const TAttributeList& attributes) {
  Pos = position;
  for (const TAttribute& a : attributes) {
    switch (a.Sym) {
      case attrSrc: Source = a.Text; break;
      case attrAlt: AltText = utf8ToUtf16(a.Text); break;
      case attrAlign: {
        std::string align = ImageCacheKey(a.Text);
        ImgAlign = align == "TOP"                              ? iaTop
                   : align == "MIDDLE" || align == "ABSMIDDLE" ? iaMiddle
                   : align == "LEFT"                           ? iaLeft
                   : align == "RIGHT"                          ? iaRight
                                                               : iaBottom;
        break;
      }
      case attrBorder: NoBorder = a.Value == 0; break;
      case attrWidth: {
        std::string text(ascii::trimmed(a.Text));
        std::int32_t percent = 0;
        if (!text.empty() && text.back() == '%') {
          if (ParseInteger(text.substr(0, text.size() - 1), percent) && percent >= 1 && percent <= 100)
            SpecWidth = percent, WidthIsPercent = true;
        } else {
          SpecWidth = std::clamp(a.Value, 0, kMaxPictureSide);
        }
        break;
      }
      case attrHeight: SpecHeight = std::clamp(a.Value, 1, kMaxPictureSide); break;
      case attrTransp: Transparent = 1; break;
      case attrIsmap: IsMap = true; break;
      case attrUsemap: {
        UsesMap = true;
        MapName = ImageCacheKey(a.Text);
        if (MapName.size() > 1 && MapName[0] == '#') MapName.erase(0, 1);
        break;
      }
      case attrHspace: HSpace = std::min(20, std::abs(a.Value)); break;
      default: break;
    }
  }
}

TImageObj::~TImageObj() {
  // Only a picture this image took from the cache is given back: releasing a source it
  // never held would take a user away from another document's entry.
  if (!cacheKey_.empty()) ImageCache().ReleaseImage(cacheKey_);
}

bool TImageObj::ShowsPlaceholder() const { return bitmap_ == &PendingImage() || bitmap_ == &BrokenImage(); }

void TImageObj::UsePlaceholder(const Bitmap& picture, const Mask* mask) {
  bitmap_ = &picture;
  mask_ = mask;
  gif_ = nullptr;
}

void TImageObj::FetchPicture(TSectionList& document) {
  fetched_ = true;
  bool pending = false;
  if (!Source.empty()) {
    if (!document.Host().DeliversImages()) Source = document.Host().ExpandImageName(Source);
    std::string key = ImageCacheKey(Source);
    for (const MissingImage& missing : document.MissingImages)
      if (ImageCacheKey(missing.Name) == key) pending = true;
    if (!pending) {
      auto kind = static_cast<TransparencyKind>(Transparent == 1 ? trCorner : trNone);
      bool fromCache = false;
      const Mask* mask = nullptr;
      PictureRef picture = FetchImage(requestHandlerOf(document), Source, kind, pending, fromCache, mask);
      if (picture) {
        cacheKey_ = Source;
        if (picture.gif) {
          if (fromCache) {
            ownGif_ = TGIFImage::CreateCopy(*picture.gif);
            gif_ = ownGif_.get();
          } else {
            gif_ = picture.gif;
          }
          document.AnimatedImages.push_back(this);
        } else {
          bitmap_ = picture.bitmap;
          mask_ = mask;
          if (mask || picture.bitmap->hasAlpha()) Transparent = kind;
        }
        return;
      }
    }
  }
  if (pending) {
    UsePlaceholder(PendingImage(), nullptr);
    document.MissingImages.push_back(MissingImage{Source, this});
  } else {
    UsePlaceholder(BrokenImage(), &BrokenImageMask());
    Transparent = 1;
  }
}

void TImageObj::SizeImage(TSectionList& document, Canvas& canvas, int availableWidth, const TFontObj& run) {
  Document = &document;
  if (document.ImagesOn && !fetched_) FetchPicture(document);

  bool placeholder = !document.ImagesOn || ShowsPlaceholder();
  if (gif_) gif_->SetShowAllowed(true);
  int naturalWidth = 0, naturalHeight = 0;
  if (!document.ImagesOn) {
    naturalWidth = PendingImage().width, naturalHeight = PendingImage().height;
  } else if (gif_) {
    naturalWidth = gif_->Width(), naturalHeight = gif_->Height();
  } else if (bitmap_) {
    naturalWidth = bitmap_->width, naturalHeight = bitmap_->height;
  }

  if (!SizeFixed) {
    bool widthGiven = SpecWidth > 0 && !WidthIsPercent, heightGiven = SpecHeight > 0;
    if (placeholder) {
      if (widthGiven && heightGiven) {
        ImageWidth = SpecWidth, ImageHeight = SpecHeight;
        SizeFixed = true;
      } else {
        ImageWidth = naturalWidth, ImageHeight = naturalHeight;
      }
    } else if (WidthIsPercent) {
      ImageWidth = scaled(availableWidth, SpecWidth, 100);
      ImageHeight = heightGiven ? SpecHeight : naturalHeight;
    } else {
      if (widthGiven && heightGiven) {
        ImageWidth = SpecWidth, ImageHeight = SpecHeight;
      } else if (heightGiven) {
        ImageHeight = SpecHeight, ImageWidth = scaled(SpecHeight, naturalWidth, naturalHeight);
      } else if (widthGiven) {
        ImageWidth = SpecWidth, ImageHeight = scaled(SpecWidth, naturalHeight, naturalWidth);
      } else {
        ImageWidth = naturalWidth, ImageHeight = naturalHeight;
      }
      SizeFixed = true;
    }
    if (placeholder && !SizeFixed) {
      canvas.save();
      useLabelFont(canvas, document.Host().Fonts());
      int textWidth = AltText.empty() ? 0 : canvas.textWidth(AltText);
      int textHeight = AltText.empty() ? 0 : canvas.fontMetrics().height;
      canvas.restore();
      ImageWidth = std::max(ImageWidth, textWidth + 2 + 24);
      ImageHeight = std::max({ImageHeight, 24, textHeight});
    }
  }

  OuterWidth = ImageWidth, OuterHeight = ImageHeight;
  HasBorder = !run.UrlTarget.URL.empty() && !NoBorder;
  if (HasBorder) OuterWidth += 2, OuterHeight += 2;
}

void TImageObj::DrawPicture(Canvas& canvas, int x, int top, bool placeholder) const {
  const TSectionList& doc = *Document;
  if (!doc.ImagesOn) {
    canvas.drawBitmap(x, top, PendingImage());
    return;
  }
  if (gif_) {
    // Its transparent parts show the page the canvas holds already.
    gif_->Draw(canvas, ImageHeight, ImageWidth, top, x);
    return;
  }
  if (!bitmap_) return;
  if (mask_) {
    bool broken = bitmap_ == &BrokenImage();
    DrawTransparentBitmap(canvas, *bitmap_, *mask_, broken ? bitmap_->width : ImageWidth,
                          broken ? bitmap_->height : ImageHeight, x, top);
  } else if (placeholder) {
    canvas.drawBitmap(x, top, *bitmap_);
  } else {
    canvas.drawBitmap({x, top, x + ImageWidth, top + ImageHeight}, *bitmap_, {0, 0, bitmap_->width, bitmap_->height});
  }
}

void TImageObj::DrawImage(Canvas& canvas, int x, const TFontObj& run, int baseline, int rowTop) const {
  if (!Document) return;
  const TSectionList& doc = *Document;
  bool placeholder = !doc.ImagesOn || ShowsPlaceholder();

  canvas.save();
  ColorRef remembered = canvas.textColor();
  canvas.setBrushNull();
  useLabelFont(canvas, doc.Host().Fonts());
  canvas.setTextColor(clBlack);

  int top = OuterTop(run, baseline, rowTop);
  int shift = HasBorder ? 1 : 0;
  int left = x + shift, pictureTop = top + shift;
  try {
    if (!placeholder)
      DrawPicture(canvas, left, pictureTop, false);
    else if (ImageHeight > 23 && ImageWidth > 23)
      DrawPicture(canvas, left + 4, pictureTop + 4, true);
  } catch (...) {
    // A picture that cannot be painted leaves its place empty.
  }

  auto drawAlt = [&](ColorRef colour) {
    if (AltText.empty()) return;
    canvas.setTextColor(colour);
    WrapTextInRect(canvas, left + 24, pictureTop + 4, left + ImageWidth - 2, pictureTop + ImageHeight - 1, AltText);
  };
  if (!HasBorder) {
    if (placeholder) {
      drawAlt(remembered);
      Draw3DBorder(doc.BackgroundColor, canvas, left, pictureTop, left + ImageWidth, pictureTop + ImageHeight, false);
    }
  } else {
    ColorRef linkColour = run.TheFont ? run.TheFont->Color() : doc.LinkColor;
    canvas.setPen(linkColour);
    if (placeholder) drawAlt(linkColour);
    canvas.setBrushNull();
    canvas.rectangle({x, top, x + OuterWidth, top + OuterHeight});
  }
  canvas.restore();
}

void TImageObj::RestartAnimation() {
  if (!gif_ || !Document) return;
  const std::int64_t now = Document->Host().ClockMs();
  gif_->SetFrameIndex(1);
  gif_->SetPlaying(false, now);
  gif_->SetPlaying(true, now);
}

void TImageObj::Animate() {
  if (!gif_ || !Document) return;
  DocumentHost& host = Document->Host();
  if (gif_->TimerTick(host.ClockMs())) host.InvalidateDocumentRect(PictureRect());
}

}  // namespace tavra
