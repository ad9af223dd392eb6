// The mouse on the document surface: cursors, hover events, selection by dragging and by
// double click, auto-scrolling while a drag leaves the control, image and right clicks.

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QPainter>
#include <QThread>

#include "html/forms/form_controls.h"
#include "html/qt/viewer.h"

#include <QClipboard>
#include <QGuiApplication>
#include "platform/message_box.h"
#include "platform/qt/painter_canvas.h"

namespace tavra {

namespace {

constexpr QEvent::Type AutoScrollEvent = QEvent::Type(QEvent::User + 102);

// Hit tests measure text; they need a canvas but draw nothing.
struct MeasuringCanvas {
  QImage surface{1, 1, QImage::Format_RGB32};
  QPainter painter{&surface};
  PainterCanvas canvas{painter, 1, 1};
};

bool isWordChar(char16_t c) { return QChar(c).isLetterOrNumber(); }

const QCursor& handCursor() {
  static const QCursor cursor = HandQCursor();
  return cursor;
}

}  // namespace

bool TPaintPanel::forwardToControl(QMouseEvent* event) {
  if (!mouseTarget_) return false;
  const QPointF at = mouseTarget_->mapFrom(this, event->position());
  QMouseEvent passed(event->type(), at, event->globalPosition(), event->button(), event->buttons(),
                     event->modifiers());
  QCoreApplication::sendEvent(mouseTarget_, &passed);
  if (event->type() == QEvent::MouseButtonRelease && event->buttons() == Qt::NoButton) mouseTarget_ = nullptr;
  return true;
}

void TPaintPanel::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  // A control drawn as a picture becomes its widget, which takes this press and what
  // follows until the buttons are let go.
  if (!mouseTarget_) mouseTarget_ = Viewer->MakeControlAt(p);
  if (forwardToControl(event)) return;
  runReportingErrors([&] {
    Viewer->PanelMouseDown(event->button(), event->modifiers(), p.x(), p.y());
    Viewer->AnnounceSelection();
  });
}

void TPaintPanel::mouseMoveEvent(QMouseEvent* event) {
  if (forwardToControl(event)) return;
  const QPoint p = event->position().toPoint();
  runReportingErrors([&] { Viewer->PanelMouseMove(event->buttons(), event->modifiers(), p.x(), p.y()); });
}

void TPaintPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (forwardToControl(event)) return;
  const QPoint p = event->position().toPoint();
  runReportingErrors([&] {
    Viewer->PanelMouseUp(event->button(), event->modifiers(), p.x(), p.y());
    Viewer->AnnounceSelection();
  });
}

void TPaintPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) runReportingErrors([&] {
    Viewer->SelectWordAt(p.x(), p.y());
    Viewer->AnnounceSelection();
  });
}

bool ThtmlViewer::LinkAt(int x, int y, InlineControl*& control, TUrlTarget& link) {
  MeasuringCanvas m;
  control = nullptr;
  link.Clear();
  return document_->LinkAtPoint(m.canvas, DocX(x), DocY(y), control, link);
}

void ThtmlViewer::PanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  setFocus();
  linkJustClicked_ = false;
  if (button != Qt::LeftButton) return;
  leftButtonDown_ = true;
  selecting_ = true;
  MeasuringCanvas m;
  bool inside = false;
  int lineHeight = 0, lineTop = 0, caretX = 0;
  TCell* cell = nullptr;
  dragAnchor_ = document_->PointToCharPos(m.canvas, DocX(x), DocY(y), inside, lineHeight, lineTop, caretX, cell);
  if (dragAnchor_ < 0) return;
  if (selFrom_ < selTo_) panel_->update();
  selFrom_ = selTo_ = dragAnchor_;
  caretIndex_ = dragAnchor_;
}

void ThtmlViewer::PanelMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
  lastMousePos_ = panel_->mapTo(this, QPoint(x, y));
  std::string url, target;
  InlineControl* control = nullptr;
  TUrlTarget link;
  InlineImage* image = nullptr;
  int ix = 0, iy = 0;
  if (LinkAt(x, y, control, link)) {
    panel_->setCursor(handCursor());
    if (!control) {
      url = link.URL;
      target = link.Target;
    }
  } else if ((OnImageClick || OnImageOver) && document_->ImageAtPoint(DocX(x), DocY(y), image, ix, iy)) {
    panel_->setCursor(Qt::ArrowCursor);
    if (OnImageOver) OnImageOver(this, image, shift, ix, iy);
  } else {
    MeasuringCanvas m;
    bool inside = false;
    int lineHeight = 0, lineTop = 0, caretX = 0;
    TCell* cell = nullptr;
    int p = document_->PointToCharPos(m.canvas, DocX(x), DocY(y), inside, lineHeight, lineTop, caretX, cell);
    if (p >= 0)
      panel_->setCursor(textCursor_);
    else
      panel_->setCursor(Qt::ArrowCursor);
  }
  if (url != hoverUrl_) {
    hoverUrl_ = url;
    hoverTarget_ = target;
    if (OnHotSpotCovered) OnHotSpotCovered(this, url);
  }
  if (buttons & Qt::LeftButton) {
    if (!autoScrolling_ && (y <= 0 || y > height())) {
      autoScrolling_ = true;
      QCoreApplication::postEvent(this, new QEvent(AutoScrollEvent));
    }
    if (!noSelect_) ExtendSelection(x, y);
  }
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void ThtmlViewer::ExtendSelection(int x, int y) {
  if (!selecting_ || dragAnchor_ < 0) return;
  y = std::clamp(y, 0, height());
  MeasuringCanvas m;
  bool inside = false;
  int lineHeight = 0, lineTop = 0, caretX = 0;
  TCell* cell = nullptr;
  int p = document_->PointToCharPos(m.canvas, DocX(x), DocY(y), inside, lineHeight, lineTop, caretX, cell);
  if (p >= 0 && p != caretIndex_ && !noSelect_) {
    if (dragAnchor_ < p) {
      selFrom_ = dragAnchor_;
      selTo_ = p;
    } else {
      selFrom_ = p;
      selTo_ = dragAnchor_;
    }
    panel_->update();
  }
  if (p >= 0) caretIndex_ = p;
}

void ThtmlViewer::customEvent(QEvent* event) {
  if (event->type() == AutoScrollEvent) runReportingErrors([this] { DoAutoScroll(); });
}

void ThtmlViewer::DoAutoScroll() {
  QElapsedTimer clock;
  clock.start();
  qint64 lastStep = -100;
  QPoint pt = lastMousePos_;
  // The pending events may close the window that holds the viewer.
  QPointer<ThtmlViewer> alive(this);
  while (autoScrolling_) {
    if (pt.y() > 0 && pt.y() <= height()) break;
    if (clock.elapsed() - lastStep >= 100) {
      lastStep = clock.elapsed();
      const int small = vBar_->SmallChange;
      int step = pt.y() < -15 ? -8 * small : pt.y() <= 0 ? -small : pt.y() > height() + 15 ? 8 * small : small;
      int now = ClampV(vBar_->Position + step);
      vBar_->SetPosition(now);
      ViewMoved();
      ExtendSelection(pt.x(), pt.y());
      panel_->update();
    }
    // The mouse release ends the loop from inside here.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!alive) return;
    QThread::msleep(5);
    pt = lastMousePos_;
  }
  autoScrolling_ = false;
}

void ThtmlViewer::PanelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  InlineControl* control = nullptr;
  TUrlTarget link;
  if (OnImageClick || OnRightClick) {
    InlineImage* image = nullptr;
    int ix = 0, iy = 0;
    bool onImage = document_->ImageAtPoint(DocX(x), DocY(y), image, ix, iy);
    if (onImage && OnImageClick) OnImageClick(this, image, button, shift, ix, iy);
    if (button == Qt::RightButton && OnRightClick) {
      TRightClickParameters parameters;
      if (onImage) {
        parameters.ImageObject = image;
        parameters.PointX = ix;
        parameters.PointY = iy;
      }
      if (LinkAt(x, y, control, link) && !control) {
        parameters.ClickURL = link.URL;
        parameters.ClickTarget = link.Target;
      }
      OnRightClick(this, parameters);
    }
  }
  if (button != Qt::LeftButton) return;
  ExtendSelection(x, y);
  selecting_ = false;
  autoScrolling_ = false;
  if (!leftButtonDown_) return;
  leftButtonDown_ = false;
  if (selFrom_ < selTo_ || !LinkAt(x, y, control, link)) return;
  if (control) {
    if (auto* imageInput = dynamic_cast<TImageFormControlObj*>(control))
      if (imageInput->SetClickPoint(DocX(x), y + vBar_->Position)) imageInput->ImageClick();
    return;
  }
  hoverUrl_ = link.URL;
  hoverTarget_ = link.Target;
  linkJustClicked_ = true;
  FollowLink();
}

void ThtmlViewer::SelectWordAt(int x, int y) {
  if (noSelect_ || busy_ || linkJustClicked_) return;
  MeasuringCanvas m;
  bool inside = false;
  int lineHeight = 0, lineTop = 0, caretX = 0;
  TCell* cell = nullptr;
  int p = document_->PointToCharPos(m.canvas, DocX(x), DocY(y), inside, lineHeight, lineTop, caretX, cell);
  caretIndex_ = p;
  if (p < 0) return;
  int caretY = 0, pointX = 0;
  // The caret must stand on the line that was hit: a point past the end of a line gives
  // the first position of the next one. Block tops count from the top margin.
  if (!document_->CharPosToPoint(m.canvas, p, caretY, pointX)) return;
  if (caretY - marginHeight_ > lineTop) return;
  char16_t ch = 0;
  TSectionBase* block = nullptr;
  if (!document_->CharAtPos(p, ch, block) || !isWordChar(ch)) return;
  auto wordCharAt = [&](int pos) {
    char16_t c = 0;
    TSectionBase* b = nullptr;
    return document_->CharAtPos(pos, c, b) && b == block && isWordChar(c);
  };
  int first = p, last = p;
  while (first > 0 && wordCharAt(first - 1)) --first;
  while (wordCharAt(last + 1)) ++last;
  selFrom_ = first;
  selTo_ = last + 1;
  panel_->update();
}

std::u16string ThtmlViewer::SelectedText() const {
  std::u16string text;
  if (selFrom_ < selTo_) document_->CopySelectedText(selFrom_, selTo_, text);
  return text;
}

void ThtmlViewer::CopyToClipboard() const {
  const std::u16string text = SelectedText();
  if (!text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
}

}  // namespace tavra
