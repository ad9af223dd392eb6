// The document from the keyboard and for assistive technology: the reading text, Tab and
// Shift+Tab through links and form controls with a frame around the link reached, Enter
// on a link, the caret and selection set from outside.

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "html/forms/forms.h"
#include "html/qt/viewer.h"
#include "html/qt/viewer_accessibility.h"
#include "platform/qt/painter_canvas.h"

namespace tavra {

const ReadingText& ThtmlViewer::Reading() const {
  if (!reading_) reading_ = std::make_unique<ReadingText>(BuildReadingText(*document_));
  return *reading_;
}

void ThtmlViewer::ForgetReading() {
  if (reading_ && QAccessible::isActive()) replacedText_ = QString::fromStdU16String(reading_->Text);
  reading_.reset();
  ++documentGeneration_;
  focusStop_ = -1;
  announcedCaret_ = announcedFrom_ = announcedTo_ = -1;
  emit readingChanged(true);
}

void ThtmlViewer::AnnounceDocument() {
  announceDocumentChanged(this, replacedText_);
  replacedText_.clear();
}

void ThtmlViewer::SetFocusStop(int stop) {
  const ReadingText& reading = Reading();
  if (stop < 0 || stop >= int(reading.Stops.size())) return;
  const ReadingStop target = reading.Stops[std::size_t(stop)];
  const int old = focusStop_;
  focusStop_ = stop;
  if (target.Link < 0) {
    ScrollControlIntoView(target.Control);
    auto* control = dynamic_cast<TFormControlObj*>(target.Control);
    if (control && control->GetControl()) control->GetControl()->SetFocus();
  } else {
    if (!hasFocus()) setFocus(Qt::TabFocusReason);
    Rect all = Reading().Links[std::size_t(target.Link)].Rects.empty()
                   ? Rect{}
                   : Reading().Links[std::size_t(target.Link)].Rects.front();
    for (const Rect& r : Reading().Links[std::size_t(target.Link)].Rects)
      all = Rect{std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
                 std::max(all.bottom, r.bottom)};
    ScrollDocRectIntoView(all);
    announceFocusStop(this);
  }
  if (old != stop) panel_->update();
}

int ThtmlViewer::StopOfFocusedControl() const {
  const auto& stops = Reading().Stops;
  for (std::size_t i = 0; i < stops.size(); ++i)
    if (stops[i].Control && stops[i].Control->HasFocus()) return int(i);
  return -1;
}

bool ThtmlViewer::focusNextPrevChild(bool next) {
  const int count = int(Reading().Stops.size());
  int current = StopOfFocusedControl();
  if (current < 0 && hasFocus()) current = focusStop_;
  // Shift+Tab from the document itself goes back out of it, as Tab goes in.
  const int target = current < 0 ? (next ? 0 : -1) : current + (next ? 1 : -1);
  if (target < 0 || target >= count) return LeaveDocument(next);
  SetFocusStop(target);
  return true;
}

bool ThtmlViewer::LeaveDocument(bool next) {
  if (focusStop_ >= 0) panel_->update();
  focusStop_ = -1;
  for (QWidget* w = next ? nextInFocusChain() : previousInFocusChain(); w && w != this;
       w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
    if (isAncestorOf(w) || w->window() != window() || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
        !w->isVisible())
      continue;
    w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  // Nothing else in the window takes the focus: the document keeps it.
  if (!hasFocus()) setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void ThtmlViewer::FollowReadingLink(int link) {
  const ReadingText& reading = Reading();
  if (link < 0 || link >= int(reading.Links.size())) return;
  hoverUrl_ = reading.Links[std::size_t(link)].Target.URL;
  hoverTarget_ = reading.Links[std::size_t(link)].Target.Target;
  FollowLink();
}

bool ThtmlViewer::FollowFocusedLink() {
  if (!hasFocus() || focusStop_ < 0) return false;
  const auto& stops = Reading().Stops;
  if (focusStop_ >= int(stops.size())) return false;
  const int link = stops[std::size_t(focusStop_)].Link;
  if (link < 0) return false;
  FollowReadingLink(link);
  return true;
}

void ThtmlViewer::SetSelection(int from, int to) {
  if (noSelect_) from = to;
  selFrom_ = std::min(from, to);
  selTo_ = std::max(from, to);
  caretIndex_ = to;
  panel_->update();
  AnnounceSelection();
}

void ThtmlViewer::SetCaret(int pos) {
  caretIndex_ = pos;
  AnnounceSelection();
}

void ThtmlViewer::AnnounceSelection() {
  if (!QAccessible::isActive()) return;
  const ReadingText& reading = Reading();
  const int caret = reading.OffsetOf(caretIndex_);
  const bool any = selFrom_ >= 0 && selFrom_ < selTo_;
  const int from = any ? reading.OffsetOf(selFrom_) : caret;
  const int to = any ? reading.OffsetOf(selTo_) : caret;
  if (caret == announcedCaret_ && from == announcedFrom_ && to == announcedTo_) return;
  announcedCaret_ = caret;
  announcedFrom_ = from;
  announcedTo_ = to;
  announceSelection(this, caret, from, to);
}

int ThtmlViewer::CharPosAt(int x, int y) {
  QImage surface(1, 1, QImage::Format_RGB32);
  QPainter painter(&surface);
  PainterCanvas canvas(painter, 1, 1);
  bool inside = false;
  int lineHeight = 0, lineTop = 0, caretX = 0;
  TCell* cell = nullptr;
  return document_->PointToCharPos(canvas, DocX(x), DocY(y), inside, lineHeight, lineTop, caretX, cell);
}

QRect ThtmlViewer::PanelRect(const Rect& r) const {
  return QRect(r.left + DocumentLeft(), r.top - vBar_->Position, r.width(), r.height());
}

void ThtmlViewer::ScrollDocRectIntoView(const Rect& r) {
  const int top = vBar_->Position, height = panel_->height();
  if (r.top < top || r.bottom > top + height) SetVScrollPos(r.bottom - r.top > height ? r.top : r.top - height / 3);
  const QRect onPanel = PanelRect(r);
  if (onPanel.left() < 0 || onPanel.right() >= panel_->width())
    SetHScrollPos(std::max(0, hBar_->value() + onPanel.left() - marginWidth_));
}

// A dotted frame that shows on any background, around each line of the link reached.
void ThtmlViewer::PaintFocusFrame(QPainter& painter) const {
  if (!hasFocus() || focusStop_ < 0 || focusStop_ >= int(Reading().Stops.size())) return;
  const int link = reading_->Stops[std::size_t(focusStop_)].Link;
  if (link < 0) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  for (const Rect& r : reading_->Links[std::size_t(link)].Rects) painter.drawRect(PanelRect(r).adjusted(-1, 0, 0, -1));
  painter.restore();
}

}  // namespace tavra
