#pragma once
// Work for a worker thread whose reports and end come back to the thread of the object that
// runs it: a window goes on answering while the work runs (an index made, a Bible
// downloaded), and what the work says reaches the window as its own events. One piece of
// work at a time.

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

namespace tavra {

class WorkerTask {
 public:
  explicit WorkerTask(QObject* owner) : owner_(owner) {}
  // A running piece of work is asked to stop and waited for.
  ~WorkerTask();
  WorkerTask(const WorkerTask&) = delete;
  WorkerTask& operator=(const WorkerTask&) = delete;

  // Runs `work` on a worker thread, then `done` on the owner's thread; false, doing nothing,
  // while another piece runs.
  bool start(std::function<void()> work, std::function<void()> done);
  // From the worker: `report` runs on the owner's thread.
  void report(std::function<void()> report);

  bool busy() const { return thread_ != nullptr; }
  // Asks the running work to stop: it reads cancelled() and ends early.
  void cancel() { cancelled_ = true; }
  const std::atomic<bool>& cancelled() const { return cancelled_; }

 private:
  QObject* owner_;
  QThread* thread_ = nullptr;
  std::atomic<bool> cancelled_{false};
};

}  // namespace tavra
