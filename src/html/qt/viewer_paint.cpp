// The document surface: double-buffered painting of the clip rectangle over the tiled
// background picture, and the border.

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
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
  Viewer->DrawBorder();
  const QRect c = event->rect();
  if (c.isEmpty()) return;
  QImage offscreen(c.size(), QImage::Format_RGB32);
  if (offscreen.isNull()) throw std::bad_alloc();
  {
    QPainter painter(&offscreen);
    PainterCanvas canvas(painter, c.width(), c.height());
    canvas.setWindowOrg(c.left(), c.top());
    PaintBackground(canvas);
    if (OnPaintDocument) OnPaintDocument(canvas);
  }
  QPainter screen(this);
  screen.drawImage(c.topLeft(), offscreen);
  if (EraseRequested) EraseRequested = false;
}

void TPaintPanel::PaintBackground(Canvas& canvas) {
  const ColorRef brush = Color | kPaletteRelative;
  const Rect clip = canvas.clipRect();
  TSectionList& document = Viewer->Document();
  const Bitmap* picture = document.ImagesOn ? document.BackgroundImage() : nullptr;
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
    for (int y = y0 - H; y < clip.bottom; y += H)
      for (int x = x0 - W; x < clip.right; x += W) canvas.drawBitmap(x, y, *picture);
  } catch (...) {
    canvas.fillRect(clip, brush);
  }
}

void ThtmlViewer::PaintDocument(Canvas& canvas) {
  if (layoutInProgress_) return;
  document_->PaintDocument(canvas, Rect{marginWidth_, 1, panel_->width(), panel_->height()}, 2000,
                           marginWidth_ - hBar_->value(), marginHeight_);
}

void ThtmlViewer::DrawBorder() { borderBox_->update(); }

void ThtmlViewer::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (OnEnter) OnEnter(this);
  DrawBorder();
}

void ThtmlViewer::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  DrawBorder();
}

}  // namespace tavra
