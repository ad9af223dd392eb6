#pragma once
// The Bible viewer's search row: the words sought, where to seek them (the whole Bible, one
// Testament, the book shown) and the search itself on a worker thread, so that the first
// search of a Bible, which makes its index, shows its progress and can be cancelled while
// the window goes on answering. The answer goes to the window, which shows it as a page.

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

#include "bible/core/bible_search.h"
#include "platform/qt/worker_task.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tavra::bible {

class BibleSearchBar : public QWidget {
  Q_OBJECT

 public:
  // What a search reads, asked of the window when it starts.
  struct Target {
    std::string libraryFolder;  // as BibleLibrary takes it
    std::optional<BibleInfo> bible;
    const BookInfo* book = nullptr;  // the book shown, offered as a scope
  };
  using Answer = std::function<void(const std::string& query, const BibleInfo& bible, const BibleSearch& found)>;

  BibleSearchBar(std::function<Target()> target, Answer answer, QWidget* parent = nullptr);

  // Shows the row with the field focused and its text selected (`query` in it when given).
  void open(const std::string& query = {});
  // Searches for the field's words; does nothing while a search runs.
  void start();
  void cancel();
  bool busy() const { return task_.busy(); }

  QLineEdit* field() const { return field_; }
  QComboBox* scope() const { return scope_; }
  QProgressBar* progress() const { return progress_; }
  QLabel* status() const { return status_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  void offerBook(const BookInfo* book);
  BibleScope chosenScope() const;
  void showProgress(std::size_t done, std::size_t total);
  void finish(const std::string& query, const BibleInfo& bible, const BibleSearch& found);

  std::function<Target()> target_;
  Answer answer_;
  const BookInfo* book_ = nullptr;
  WorkerTask task_{this};  // a running search is cancelled and waited for when the bar goes

  QLineEdit* field_ = nullptr;
  QComboBox* scope_ = nullptr;
  QPushButton* search_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tavra::bible
