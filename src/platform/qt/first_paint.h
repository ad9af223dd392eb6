#pragma once
// Runs a piece of work once, right after a widget's first paint: for screenshots and
// start-up probes that must capture what a user first sees, and nothing painted later.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tavra {

// Owned by the watched widget; calls `then` once, from the event loop, as soon as the
// widget's first paint is over.
class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget* widget, std::function<void()> then) : QObject(widget), then_(std::move(then)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) QTimer::singleShot(0, watched, std::exchange(then_, nullptr));
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace tavra
