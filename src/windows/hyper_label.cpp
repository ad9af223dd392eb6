#include "windows/hyper_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace tavra {

namespace {

ShellOpenHandler& shellOpenHandler() {
  static ShellOpenHandler handler;
  return handler;
}

constexpr ColorRef kNavy = 0x800000;

}  // namespace

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
  ShellOpenHandler old = std::move(shellOpenHandler());
  shellOpenHandler() = std::move(handler);
  return old;
}

void shellOpen(const QString& url) {
  if (shellOpenHandler()) {
    shellOpenHandler()(url);
    return;
  }
  // The answer is not examined: without a registered program nothing happens.
  QDesktopServices::openUrl(QUrl(url.trimmed(), QUrl::TolerantMode));
}

THyperLabel::THyperLabel(QWidget* parent) : QLabel(parent) {
  SetFontColor(kNavy);
  // A release before any entry gives back the colour of construction.
  NormalColour_ = kNavy;
  QFont f = font();
  f.setBold(false);
  f.setItalic(false);
  f.setStrikeOut(false);
  f.setUnderline(true);
  setFont(f);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
}

void THyperLabel::SetFontColor(ColorRef value) {
  FontColor_ = value;
  std::uint32_t rgb = pixelFromColor(value);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
  setPalette(p);
}

void THyperLabel::MouseEnter() {
  if (Hovering_) return;
  NormalColour_ = FontColor_;
  SetFontColor(Pressed_ ? PressedColour_ : HyperColour_);
  Hovering_ = true;
}

void THyperLabel::MouseLeave() {
  if (!Hovering_) return;
  SetFontColor(NormalColour_);
  Hovering_ = false;
}

void THyperLabel::enterEvent(QEnterEvent* event) {
  MouseEnter();
  QLabel::enterEvent(event);
}

void THyperLabel::leaveEvent(QEvent* event) {
  MouseLeave();
  QLabel::leaveEvent(event);
}

void THyperLabel::mousePressEvent(QMouseEvent* event) {
  SetFontColor(PressedColour_);
  Pressed_ = true;
  QLabel::mousePressEvent(event);
}

void THyperLabel::mouseMoveEvent(QMouseEvent* event) {
  // While a button is held the toolkit keeps the mouse here and reports no leaving, so
  // entering and leaving also follow the pointer's position.
  if (rect().contains(event->position().toPoint()))
    MouseEnter();
  else
    MouseLeave();
  QLabel::mouseMoveEvent(event);
}

void THyperLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && Pressed_ && rect().contains(event->position().toPoint()) && OnClick)
    OnClick(this);
  SetFontColor(Hovering_ ? HyperColour_ : NormalColour_);
  Pressed_ = false;
  if (Hovering_ && !URL_.isEmpty()) shellOpen(URL_);
  QLabel::mouseReleaseEvent(event);
}

}  // namespace tavra
