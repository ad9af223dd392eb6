#pragma once
// "Hledat v textech…": the days of every year in Tavra's folder whose texts or readings hold
// the words sought (texts/texts_search.h), listed by date with the start of the matching
// text; the day chosen is shown in the main window. The search runs on a worker thread, so
// that the first one, which makes the index, shows its progress and can be cancelled.

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "platform/qt/worker_task.h"
#include "texts/texts_search.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tavra {

class TextsSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // `folder` is Tavra's folder; `show` shows a day in the main window.
  TextsSearchDialog(std::string folder, std::function<void(const Date&)> show, QWidget* parent = nullptr);

  // Searches for the field's words; does nothing while a search runs.
  void start();
  // Shows the day of the current row and closes the dialog.
  void showChosenDay();
  bool busy() const { return task_.busy(); }

  QLineEdit* field() const { return field_; }
  QListWidget* days() const { return list_; }
  QLabel* status() const { return status_; }

 protected:
  void reject() override;
  // The field has the focus, its words selected, each time the dialog opens.
  void showEvent(QShowEvent* event) override;

 private:
  void showProgress(std::size_t done, std::size_t total);
  void showFound(const texts::DaysSearch& found);

  std::string folder_;
  std::function<void(const Date&)> show_;
  std::vector<Date> dates_;
  WorkerTask task_{this};  // a running search is cancelled and waited for when the dialog goes

  QLineEdit* field_ = nullptr;
  QPushButton* search_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* status_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* showDay_ = nullptr;
};

}  // namespace tavra
