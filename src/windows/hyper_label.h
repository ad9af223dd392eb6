#pragma once
// THyperLabel: a text label that behaves like a link. It changes colour while the mouse is
// over it or pressed on it, and a release inside it hands its `URL` (a web page or a mail
// address) to the desktop's handler.

#include <QLabel>
#include <functional>
#include <string>

#include "platform/canvas.h"

namespace tavra {

// Opens `url` with the desktop's handler. Tests install their own to see what would be
// opened; the previous handler is returned. Without one, QDesktopServices opens it.
using ShellOpenHandler = std::function<void(const QString& url)>;
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);
void shellOpen(const QString& url);

class THyperLabel : public QLabel {
  Q_OBJECT

 public:
  explicit THyperLabel(QWidget* parent = nullptr);

  // The framework's click: a left button released over the label, before the release
  // itself is handled.
  std::function<void(THyperLabel* sender)> OnClick;

  ColorRef FontColor() const { return FontColor_; }
  void SetFontColor(ColorRef value);

  ColorRef NormalColour() const { return NormalColour_; }
  ColorRef HyperColour() const { return HyperColour_; }
  void SetHyperColour(ColorRef value) { HyperColour_ = value; }
  ColorRef PressedColour() const { return PressedColour_; }
  void SetPressedColour(ColorRef value) { PressedColour_ = value; }
  const QString& URL() const { return URL_; }
  void SetURL(const QString& value) { URL_ = value; }
  bool Pressed() const { return Pressed_; }
  bool Hovering() const { return Hovering_; }

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void MouseEnter();
  void MouseLeave();

  ColorRef FontColor_ = 0;
  ColorRef NormalColour_ = 0;
  ColorRef HyperColour_ = 0xFF0000;
  ColorRef PressedColour_ = 0x0000FF;
  QString URL_;
  bool Pressed_ = false;
  bool Hovering_ = false;
};

}  // namespace tavra
