// Fitting the laid-out document into the control: layout width, the two scroll bars,
// the vertical limit, reading positions that survive a new layout, size changes and keys.

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "html/qt/viewer.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/qt/painter_canvas.h"

namespace tavra {

T32ScrollBar::T32ScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setSingleStep(SmallChange);
  setRange(0, 0);
}

void T32ScrollBar::SetParams(int position, int page, int max, int min) {
  if (position == Position && page == Page && max == Max && min == Min) return;
  ++ParamsCalls;
  Position = position;
  Page = page;
  Max = max;
  Min = min;
  // The window's range ends where the last page starts.
  const QSignalBlocker blocker(this);
  setRange(min, std::max(min, max - std::max(page, 1) + 1));
  setPageStep(std::max(page, 1));
  setValue(position);
}

namespace {

int borderWidth(THTMLBorderStyle style) { return style == htNone ? 0 : 1; }
int layoutDeduction(THTMLBorderStyle style) { return style == htNone ? 1 : 3; }
bool verticalAllowed(TScrollStyle s) { return s == ssVertical || s == ssBoth; }
bool horizontalAllowed(TScrollStyle s) { return s == ssHorizontal || s == ssBoth; }

}  // namespace

void ThtmlViewer::LayoutView() {
  scrollWidth_ = 0;
  bool wasInProgress = layoutInProgress_;
  layoutInProgress_ = true;
  try {
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    PainterCanvas canvas(painter, 1, 1);
    int a = layoutDeduction(borderStyle_), charCount = 0;
    if (verticalAllowed(scrollBars_)) {
      int h = document_->LayoutDocument(canvas, marginHeight_, width() - scrollBarSize_ - a - 2 * marginWidth_,
                                        scrollWidth_, charCount);
      docHeight_ = h + 2 * marginHeight_;
    } else {
      int h = document_->LayoutDocument(canvas, marginHeight_, width() - a - 2 * marginWidth_, scrollWidth_,
                                        charCount);
      docHeight_ = h + marginHeight_;
    }
  } catch (...) {
    layoutInProgress_ = wasInProgress;
    throw;
  }
  layoutInProgress_ = wasInProgress;
  // Lines and links stand elsewhere now.
  reading_.reset();
  emit readingChanged(false);
  ArrangeScrollBars();
}

void ThtmlViewer::ArrangeScrollBars() {
  scrollWidth_ = std::min(scrollWidth_, 2000);
  const int b = borderWidth(borderStyle_), bar = scrollBarSize_, W = width(), H = height();
  panel_->move(b, b);
  const int need = 2 * marginWidth_ + scrollWidth_;
  bool showV = false, showH = false;
  if (verticalAllowed(scrollBars_)) {
    showV = docHeight_ >= H - 2 ||
            (horizontalAllowed(scrollBars_) && docHeight_ >= H - bar - 2 && W - bar < need);
    showH = horizontalAllowed(scrollBars_) && (W < need || (showV && W - bar < need));
  } else {
    showH = horizontalAllowed(scrollBars_) && W < need;
  }
  const int w = showV ? W - bar : W;
  const int panelHeight = showH ? H - 2 * b - bar : H - 2 * b;
  panel_->resize(std::max(0, w - 2 * b), std::max(0, panelHeight));

  hBar_->setVisible(showH);
  hBar_->setPageStep(std::max(1, w - 20));
  hBar_->setGeometry(b, H - bar - b, std::max(0, w - b), bar);
  const int hMax = std::max(0, std::max(2 * marginWidth_ + scrollWidth_, w - 2 * b));
  {
    const QSignalBlocker blocker(hBar_);
    hBar_->setRange(0, std::max(0, hMax - panel_->width()));
  }

  vBar_->setGeometry(W - bar - b, b, bar, std::max(0, panelHeight));
  vBar_->LargeChange = panelHeight - vBar_->SmallChange;
  vBar_->setVisible(showV);
  vBar_->SetParams(vBar_->Position, panelHeight + 1, docHeight_, 0);
  ViewMoved();
  update();
}

void ThtmlViewer::ViewMoved() {
  const int top = vBar_->Position;
  document_->SetVisibleBand(top, top + panel_->height());
  document_->ShowControls(DocumentLeft(), top);
  MakeControlsNearView();
}

int ThtmlViewer::VerticalLimit() const { return std::max(0, docHeight_ - panel_->height()); }

int ThtmlViewer::ClampV(int y) const { return std::clamp(y, 0, VerticalLimit()); }

void ThtmlViewer::ScrollToY(int y) {
  y = ClampV(y);
  const bool moved = y != vBar_->Position;
  vBar_->SetPosition(y);
  ViewMoved();
  if (moved) panel_->update();
}

void ThtmlViewer::SetVScrollPos(int y) {
  y = ClampV(y);
  if (y != vBar_->Position) ScrollToY(y);
}

int ThtmlViewer::GetHScrollPos() const { return hBar_->value(); }

void ThtmlViewer::SetHScrollPos(int x) { hBar_->setValue(x); }

int ThtmlViewer::GetPositionTag() const {
  int top = 0, index = 0;
  if (!document_->FindSectionAtY(vBar_->Position, top, index)) return 0;
  return index * 65536 + ((vBar_->Position - top) & 0xFFFF);
}

void ThtmlViewer::SetPositionTag(int tag) {
  if (tag < 0 || tag / 65536 >= document_->Count()) return;
  ScrollToY(document_->SectionTopY(tag / 65536) + (tag & 0xFFFF));
}

void ThtmlViewer::Relayout() {
  if (busy_) return;
  SetBusy(true);
  try {
    int tag = GetPositionTag();
    LayoutView();
    SetPositionTag(tag);
  } catch (...) {
    SetBusy(false);
    throw;
  }
  SetBusy(false);
}

void ThtmlViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The first showing lays the document out right after this, at this size.
  if (layoutPending_) return;
  if (width() == lastWidth_ || busy_) {
    ArrangeScrollBars();
  } else {
    Relayout();
    lastWidth_ = width();
  }
  if (docHeight_ < panel_->height())
    ScrollToY(0);
  else
    ScrollToY(vBar_->Position);
  hBar_->setValue(std::min(hBar_->value(), hBar_->maximum()));
}

void ThtmlViewer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  shownOnce_ = true;
  if (!layoutPending_) return;
  // Where the load would have left the view had it been laid out then.
  layoutPending_ = false;
  LayoutView();
  lastWidth_ = width();
  if (pendingAnchor_.empty() || !JumpToAnchor(pendingAnchor_)) {
    ScrollToY(0);
    hBar_->setValue(0);
  }
}

void ThtmlViewer::VScrollAction(int action) {
  setFocus();
  const int old = vBar_->Position;
  int now = old;
  switch (action) {
    case QAbstractSlider::SliderMove: now = vBar_->sliderPosition(); break;
    case QAbstractSlider::SliderSingleStepSub: now = old - vBar_->SmallChange; break;
    case QAbstractSlider::SliderSingleStepAdd: now = old + vBar_->SmallChange; break;
    case QAbstractSlider::SliderPageStepSub: now = old - vBar_->LargeChange; break;
    case QAbstractSlider::SliderPageStepAdd: now = old + vBar_->LargeChange; break;
    case QAbstractSlider::SliderToMinimum: now = 0; break;
    case QAbstractSlider::SliderToMaximum: now = docHeight_ - panel_->height(); break;
    default: break;
  }
  now = ClampV(now);
  vBar_->SetPosition(now);
  // The slider applies this position when the action ends.
  vBar_->setSliderPosition(now);
  ViewMoved();
  panel_->scroll(0, old - now);
}

void ThtmlViewer::HScrollChanged(int) {
  ViewMoved();
  panel_->update();
}

void ThtmlViewer::keyPressEvent(QKeyEvent* event) {
  runReportingErrors([&] { KeyDown(event); });
}

void ThtmlViewer::KeyDown(QKeyEvent* event) {
  int key = event->key();
  if (OnKeyDown) OnKeyDown(this, key, event->modifiers());
  std::uint8_t byte = 0;
  if (OnKeyPress && !event->text().isEmpty() && cp1250::fromUnicode(event->text().at(0).unicode(), byte)) {
    char ch = char(byte);
    OnKeyPress(this, ch);
  }
  if (event->matches(QKeySequence::Copy)) {
    CopyToClipboard();
    return;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && FollowFocusedLink()) return;
  const int old = vBar_->Position;
  int now = old;
  switch (key) {
    case Qt::Key_PageUp: now = old - vBar_->LargeChange; break;
    case Qt::Key_PageDown: now = old + vBar_->LargeChange; break;
    case Qt::Key_End: now = docHeight_; break;
    case Qt::Key_Home: now = 0; break;
    case Qt::Key_Up: now = old - vBar_->SmallChange; break;
    case Qt::Key_Down: now = old + vBar_->SmallChange; break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
      int step = key == Qt::Key_Left ? -hBar_->singleStep() : hBar_->singleStep();
      hBar_->setValue(std::clamp(hBar_->value() + step, 0, hBar_->maximum()));
      panel_->update();
      return;
    }
    default: QWidget::keyPressEvent(event); return;
  }
  now = ClampV(now);
  vBar_->SetPosition(now);
  ViewMoved();
  if (std::abs(now - old) == vBar_->SmallChange) {
    panel_->scroll(0, old - now);
  } else {
    panel_->update();
  }
}

void ThtmlViewer::keyReleaseEvent(QKeyEvent* event) {
  int key = event->key();
  if (OnKeyUp) OnKeyUp(this, key, event->modifiers());
  QWidget::keyReleaseEvent(event);
}

}  // namespace tavra
