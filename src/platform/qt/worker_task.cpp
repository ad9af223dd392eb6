#include "platform/qt/worker_task.h"

#include <QThread>

namespace tavra {

WorkerTask::~WorkerTask() {
  if (!thread_) return;
  cancelled_ = true;
  thread_->wait();
  delete thread_;
}

bool WorkerTask::start(std::function<void()> work, std::function<void()> done) {
  if (thread_) return false;
  cancelled_ = false;
  thread_ = QThread::create(std::move(work));
  QObject::connect(thread_, &QThread::finished, owner_, [this, done = std::move(done)] {
    thread_->deleteLater();
    thread_ = nullptr;
    done();
  });
  thread_->start();
  return true;
}

void WorkerTask::report(std::function<void()> report) {
  QMetaObject::invokeMethod(owner_, std::move(report), Qt::QueuedConnection);
}

}  // namespace tavra
