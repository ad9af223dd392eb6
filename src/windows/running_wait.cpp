#include "windows/running_wait.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "platform/process.h"

namespace tavra {
namespace {

// Where the system gives no end notifier, the end is asked for this often.
constexpr int kPollMs = 50;

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

// Drops input for the whole application and ends the wait when the window is closed.
// A minimised window is hidden by the desktop (a spontaneous hide) and goes on waiting.
class WaitGuard : public QObject {
 public:
  WaitGuard(QWidget* window, QEventLoop& loop) : window_(window), loop_(loop) {
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
  }
  ~WaitGuard() override {
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous()) loop_.quit();
    return isInput(event->type());
  }

 private:
  QPointer<QWidget> window_;
  QEventLoop& loop_;
};

}  // namespace

bool waitRunningEvents(ChildProcess& child, QWidget* window) {
  if (child.hasEnded()) return true;
  if (QCoreApplication::closingDown()) return false;
  QEventLoop loop;
  WaitGuard guard(window, loop);
  if (window) QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);

  const auto checkEnd = [&] {
    if (child.hasEnded()) loop.quit();
  };
  std::unique_ptr<QSocketNotifier> notifier;
  QTimer poll;
  if (child.endNotifier() >= 0) {
    notifier = std::make_unique<QSocketNotifier>(child.endNotifier(), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &loop, checkEnd);
  } else {
    QObject::connect(&poll, &QTimer::timeout, &loop, checkEnd);
    poll.start(kPollMs);
  }
  loop.exec();
  return child.hasEnded();
}

}  // namespace tavra
