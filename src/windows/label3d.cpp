#include "windows/label3d.h"

#include <QImage>

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/codepage.h"
#include "platform/qt/painter_canvas.h"

namespace tavra {

namespace {

// One line of a caption after accelerator marks are resolved: its bytes and the index of
// the underlined accelerator character (-1 when none).
struct CaptionLine {
  std::u16string text;
  int accel = -1;
};

// Tab stops every eight average character widths.
int tabStop(const CanvasFont& font) { return std::max(1, 8 * font.metrics().aveCharWidth); }

// Width of `text` as drawn from `x0`, tabs moving to the next stop when expanded.
int lineWidth(const CanvasFont& font, std::u16string_view text, bool expandTabs) {
  if (!expandTabs) return font.textWidth(text);
  int x = 0, stop = tabStop(font);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\t') continue;
    x += font.textWidth(text.substr(start, i - start));
    if (i < text.size()) x = (x / stop + 1) * stop;
    start = i + 1;
  }
  return x;
}

// Resolves accelerator marks: "&&" is a plain "&", "&x" underlines x, a final "&" is dropped.
CaptionLine resolvePrefixes(std::u16string_view text) {
  CaptionLine line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (++i == text.size()) break;
      if (text[i] != '&' && line.accel < 0) line.accel = static_cast<int>(line.text.size());
    }
    line.text += text[i];
  }
  return line;
}

// Splits the caption into lines at explicit breaks and, with word breaking, at blanks so
// that each line fits `width`. A word wider than `width` keeps a line of its own.
std::vector<CaptionLine> layoutLines(const CanvasFont& font, std::u16string_view caption, unsigned flags, int width) {
  bool prefixes = !(flags & dtNoPrefix), tabs = flags & dtExpandTabs;
  std::vector<CaptionLine> lines;
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t end = caption.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = caption.size();
    std::u16string_view paragraph = caption.substr(start, end - start);
    auto measure = [&](std::u16string_view s) {
      return lineWidth(font, prefixes ? std::u16string_view(resolvePrefixes(s).text) : s, tabs);
    };
    while (true) {
      std::size_t cut = paragraph.size();
      if ((flags & dtWordBreak) && measure(paragraph) > width) {
        std::size_t fit = std::u16string_view::npos;
        for (std::size_t i = 0; i < paragraph.size(); ++i)
          if (paragraph[i] == ' ' && measure(paragraph.substr(0, i)) <= width) fit = i;
        if (fit == std::u16string_view::npos) {
          fit = paragraph.find(' ');
          if (fit == std::u16string_view::npos) fit = paragraph.size();
        }
        cut = fit;
      }
      std::u16string_view piece = paragraph.substr(0, cut);
      lines.push_back(prefixes ? resolvePrefixes(piece) : CaptionLine{std::u16string(piece), -1});
      std::size_t next = paragraph.find_first_not_of(' ', cut);
      if (cut >= paragraph.size() || next == std::u16string_view::npos) break;
      paragraph = paragraph.substr(next);
    }
    if (end == caption.size()) break;
    // "\r\n" is one break.
    start = end + ((caption[end] == '\r' && end + 1 < caption.size() && caption[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

void drawLine(Canvas& canvas, const CaptionLine& line, int x, int baseline, bool expandTabs) {
  const CanvasFont& font = *canvas.font();
  int stop = tabStop(font), pen = x;
  std::size_t start = 0;
  std::u16string_view text = line.text;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !(expandTabs && text[i] == '\t')) continue;
    std::u16string_view segment = text.substr(start, i - start);
    if (!segment.empty()) canvas.textOut(pen, baseline, segment);
    pen += font.textWidth(segment);
    if (i < text.size()) pen = x + ((pen - x) / stop + 1) * stop;
    start = i + 1;
  }
  if (line.accel >= 0) {
    int left = x + lineWidth(font, text.substr(0, line.accel), expandTabs);
    int right = left + font.advance(text[line.accel]);
    canvas.fillRect({left, baseline + 1, right, baseline + 2}, canvas.textColor());
  }
}

// Draws the caption's lines into `rect`, from its top, aligned by `flags`.
void drawCaption(Canvas& canvas, const std::vector<CaptionLine>& lines, const Rect& rect, unsigned flags) {
  const CanvasFont& font = *canvas.font();
  bool tabs = flags & dtExpandTabs;
  int y = rect.top;
  for (const CaptionLine& line : lines) {
    int w = lineWidth(font, line.text, tabs), x = rect.left;
    if (flags & dtCenter)
      x = rect.left + (rect.width() - w) / 2;
    else if (flags & dtRight)
      x = rect.right - w;
    drawLine(canvas, line, x, y + font.metrics().ascent, tabs);
    y += font.metrics().height;
  }
}

}  // namespace

TmyLabel3d::TmyLabel3d(QWidget* parent, FontEngine& fonts) : QWidget(parent), fonts_(fonts) {
  Font_.face.name = "MS Sans Serif";
  Font_.face.size = 8;
  setMouseTracking(true);
  setAttribute(Qt::WA_NoSystemBackground);
}

TmyLabel3d::~TmyLabel3d() {
  if (mouseGrabber() == this) releaseMouse();
}

void TmyLabel3d::SetCaption(const std::string& value) {
  std::string cut = value.substr(0, std::min<std::size_t>(value.size(), kMaxCaption));
  if (cut == Caption_) return;
  Caption_ = std::move(cut);
  AdjustBounds();
  Invalidate();
}

void TmyLabel3d::SetCaptionUtf8(const std::string& utf8) { SetCaption(cp1250::fromUtf8(utf8)); }

void TmyLabel3d::SetFont(const LabelFont& value) {
  if (value == Font_) return;
  Font_ = value;
  AdjustBounds();
  Invalidate();
}

void TmyLabel3d::SetColor(ColorRef value) {
  ParentColor_ = false;
  if (value == Color_) return;
  Color_ = value;
  Invalidate();
}

void TmyLabel3d::SetTransparent(bool value) {
  if (value == Transparent_) return;
  Transparent_ = value;
  Invalidate();
}

void TmyLabel3d::SetAlignment(TAlignment value) {
  if (value == Alignment_) return;
  Alignment_ = value;
  Invalidate();
}

void TmyLabel3d::SetShowAccelChar(bool value) {
  if (value == ShowAccelChar_) return;
  ShowAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TmyLabel3d::SetAutoSize(bool value) {
  if (value == AutoSize_) return;
  AutoSize_ = value;
  AdjustBounds();
}

void TmyLabel3d::SetAStyle3D(T3DEffect value) {
  if (value == AStyle3D_) return;
  AStyle3D_ = value;
  Invalidate();
}

void TmyLabel3d::SetAShadeRightBottom(ColorRef value) {
  if (value == AShadeRightBottom_) return;
  AShadeRightBottom_ = value;
  Invalidate();
}

void TmyLabel3d::SetAShadeLeftTop(ColorRef value) {
  if (value == AShadeLeftTop_ || AShadeLTSet_) return;
  AShadeLeftTop_ = value;
  Invalidate();
}

void TmyLabel3d::SetAHShadeOffSet(int value) {
  if (value == AHShadeOffSet_) return;
  AHShadeOffSet_ = value;
  Invalidate();
}

void TmyLabel3d::SetAVShadeOffSet(int value) {
  if (value == AVShadeOffSet_) return;
  AVShadeOffSet_ = value;
  Invalidate();
}

void TmyLabel3d::SetAShadeLTSet(bool value) {
  if (value != AShadeLTSet_) {
    AShadeLTSet_ = value;
    if (value) {
      SavedLeftTopShade_ = AShadeLeftTop_;
      AShadeLeftTop_ = clWhite;
    } else {
      AShadeLeftTop_ = SavedLeftTopShade_;
    }
  }
  Invalidate();
}

void TmyLabel3d::Paint(Canvas& canvas) {
  Rect client{0, 0, width(), height()};
  if (!Transparent_) canvas.fillRect(client, Color_);
  canvas.setBrushNull();
  canvas.setBkMode(BkMode::Transparent);
  unsigned flags = dtWordBreak | dtExpandTabs;
  if (Alignment_ == taRightJustify) flags |= dtRight;
  if (Alignment_ == taCenter) flags |= dtCenter;
  DrawCaptionText(canvas, client, flags);
}

void TmyLabel3d::DrawCaptionText(Canvas& canvas, Rect& rect, unsigned flags) {
  std::u16string text = cp1250::toUtf16(Caption_);
  if (((flags & dtCalcRect) && text.empty()) || (ShowAccelChar_ && text == u"&")) text.assign(1, u' ');
  if (!ShowAccelChar_) flags |= dtNoPrefix;
  canvas.setFont(canvas.fonts().createFont(Font_.face));
  std::vector<CaptionLine> lines = layoutLines(*canvas.font(), text, flags, rect.width());

  if (flags & dtCalcRect) {
    int w = 0;
    for (const CaptionLine& line : lines)
      w = std::max(w, lineWidth(*canvas.font(), line.text, flags & dtExpandTabs));
    rect.right = rect.left + w;
    rect.bottom = rect.top + static_cast<int>(lines.size()) * canvas.font()->metrics().height;
    return;
  }

  ColorRef first = AStyle3D_ == Resit3d ? AShadeLeftTop_ : AShadeRightBottom_;
  ColorRef second = AStyle3D_ == Resit3d ? AShadeRightBottom_ : AShadeLeftTop_;
  if (AStyle3D_ == Resit3d || AStyle3D_ == Raised3d) {
    canvas.setTextColor(first);
    drawCaption(canvas, lines, rect.translated(1, 1), flags);
    canvas.setTextColor(second);
    drawCaption(canvas, lines, rect.translated(-1, -1), flags);
  } else if (AStyle3D_ == Shadowed3d) {
    canvas.setTextColor(AShadeRightBottom_);
    drawCaption(canvas, lines, rect.translated(AHShadeOffSet_, AVShadeOffSet_), flags);
  }
  canvas.setTextColor(isEnabled() ? Font_.color : clGrayText);
  drawCaption(canvas, lines, rect, flags);
}

void TmyLabel3d::Invalidate() { update(); }

void TmyLabel3d::AdjustBounds() {
  if (!AutoSize_) return;
  // Measuring needs only the font, so a canvas of one pixel will do.
  QImage surface(1, 1, QImage::Format_RGB32);
  QPainter painter(&surface);
  PainterCanvas measuring(painter, 1, 1, fonts_);
  Rect r{0, 0, width(), height()};
  DrawCaptionText(measuring, r, dtCalcRect | dtExpandTabs);
  int x = Alignment_ == taRightJustify ? this->x() + width() - r.right : this->x();
  setGeometry(x, y(), r.right, r.bottom);
}

void TmyLabel3d::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PainterCanvas canvas(painter, width(), height(), fonts_);
  Paint(canvas);
}

void TmyLabel3d::mouseMoveEvent(QMouseEvent* event) {
  if (mouseGrabber() != this) grabMouse();
  if (mouseGrabber() != this) return;
  QPoint p = event->position().toPoint();
  if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
    releaseMouse();
    if (OnMouseOut) OnMouseOut(this);
  }
}

void TmyLabel3d::hideEvent(QHideEvent* event) {
  // A hidden label keeping the mouse would leave every other window deaf to it.
  if (mouseGrabber() == this) releaseMouse();
  QWidget::hideEvent(event);
}

}  // namespace tavra
