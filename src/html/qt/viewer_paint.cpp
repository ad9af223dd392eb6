// The document surface: double-buffered painting of the clip rectangle over the tiled
// background picture, and the border.

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <new>

#include "html/qt/viewer.h"
#include "platform/qt/painter_canvas.h"

namespace tavra {

TPaintPanel::TPaintPanel(ThtmlViewer* viewer) : QWidget(viewer), Viewer(viewer) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  // Every pixel is painted from the off-screen picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintPanel::paintEvent(QPaintEvent* event) {
  if (Viewer->LayoutInProgress()) return;
  const QRect c = event->rect();
  if (c.isEmpty()) return;
  // A surface as tall as a whole document (a picture of all of it) is painted in bands:
  // one off-screen picture of that size would not fit in memory, nor in the painter's
  // coordinates.
  constexpr int kBand = 2048;
  QImage offscreen(c.width(), std::min(kBand, c.height()), QImage::Format_RGB32);
  if (offscreen.isNull()) throw std::bad_alloc();
  QPainter screen(this);
  for (int top = c.top(); top <= c.bottom(); top += kBand) {
    const QRect band(c.left(), top, c.width(), std::min(kBand, c.bottom() + 1 - top));
    {
      QPainter painter(&offscreen);
      PainterCanvas canvas(painter, band.width(), band.height());
      canvas.setWindowOrg(band.left(), band.top());
      PaintBackground(canvas);
      Viewer->PaintDocument(canvas, band);
      painter.translate(-band.topLeft());
      Viewer->PaintControlPictures(painter, band);
    }
    screen.drawImage(band.topLeft(), offscreen, QRect(QPoint(0, 0), band.size()));
  }
  Viewer->PaintFocusFrame(screen);
}

void TPaintPanel::PaintBackground(Canvas& canvas) const {
  const ColorRef brush = Color | kPaletteRelative;
  const Rect clip = canvas.clipRect();
  const TSectionList& document = Viewer->Document();
  // The load fetched the background picture before the first layout.
  const Bitmap* picture = document.ImagesOn ? document.BackgroundBitmap : nullptr;
  if (!picture || picture->empty()) {
    canvas.fillRect(clip, brush);
    return;
  }
  try {
    const int W = picture->width, H = picture->height;
    int y0 = -(Viewer->GetVScrollPos() % H);
    while (y0 < clip.top) y0 += H;
    int x0 = -(Viewer->GetHScrollPos() % W);
    while (x0 < clip.left) x0 += W;
    // A picture with see-through parts lies over the panel's colour.
    if (picture->hasAlpha()) canvas.fillRect(clip, brush);
    for (int y = y0 - H; y < clip.bottom; y += H)
      for (int x = x0 - W; x < clip.right; x += W) canvas.drawBitmap(x, y, *picture);
  } catch (...) {
    canvas.fillRect(clip, brush);
  }
}

PaintContext ThtmlViewer::CurrentPaintContext(const Rect& clip) const {
  return PaintContext{clip, vBar_->Position, selFrom_, selTo_};
}

void ThtmlViewer::PaintDocument(Canvas& canvas, const QRect& area) const {
  if (layoutInProgress_) return;
  const PaintContext context =
      CurrentPaintContext(Rect{std::max(marginWidth_, area.left()), std::max(1, area.top()),
                               std::min(panel_->width(), area.right() + 1), std::min(panel_->height(), area.bottom() + 1)});
  document_->PaintDocument(context, canvas, 2000, DocumentLeft(), marginHeight_);
}

// The one-pixel frame around the document surface and its bars; the frame alone is
// repainted when the focus comes or goes.
void ThtmlViewer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PainterCanvas canvas(painter, width(), height(), fonts_);
  bool dark = (borderStyle_ == htFocused && hasFocus()) || borderStyle_ == htSingle;
  canvas.setPen(dark ? clBtnText : (panel_->Color | kPaletteRelative));
  canvas.setBrushNull();
  canvas.rectangle(Rect{0, 0, width(), height()});
}

namespace {

QRegion frameOf(const QWidget& widget) { return QRegion(widget.rect()) - QRegion(widget.rect().adjusted(1, 1, -1, -1)); }

}  // namespace

void ThtmlViewer::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (OnEnter) OnEnter(this);
  update(frameOf(*this));
  if (focusStop_ >= 0) panel_->update();
}

void ThtmlViewer::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(frameOf(*this));
  if (focusStop_ >= 0) panel_->update();
}

}  // namespace tavra
