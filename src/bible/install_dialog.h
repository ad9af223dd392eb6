#pragma once
// The dialog that installs Bibles: it lists the Bibles of a SWORD repository (Czech ones
// first), asks the user's consent before the first use of the network, installs the
// chosen ones into ~/.sword with a progress bar, and says in Czech what went wrong.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "bible/install/bible_installer.h"
#include "platform/qt/worker_task.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tavra::bible {

// For the viewer window: the dialog on the default source, run modally. True when at
// least one Bible was installed.
bool runInstallDialog(QWidget* parent);

class BibleInstallDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BibleInstallDialog(BibleSource source, QWidget* parent = nullptr);
  ~BibleInstallDialog() override;

  // How many Bibles this dialog has installed.
  int installedCount() const { return installedCount_; }
  bool busy() const { return task_.busy(); }

  QListWidget* list() const { return list_; }
  QLabel* status() const { return status_; }
  QProgressBar* progress() const { return progress_; }
  QPushButton* installButton() const { return install_; }
  QPushButton* folderButton() const { return folder_; }

  // Lists the source's Bibles (after the consent, for the network); runs when shown.
  void loadList();
  // Installs the checked Bibles.
  void installChecked();

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void useSource(BibleSource source);
  void chooseFolder();
  bool askConsent();
  // Runs `work` on a worker thread, then `done` here.
  void runInBackground(std::function<void()> work, std::function<void()> done);
  void setStatus(const QString& text, bool failure = false);
  void showProgress(double fraction, const QString& message);
  void fillList();
  void updateButtons();

  std::unique_ptr<BibleInstaller> installer_;
  std::vector<AvailableBible> bibles_;
  // After the installer: the work it runs is waited for before the installer goes.
  WorkerTask task_{this};
  bool listed_ = false;
  bool shownOnce_ = false;
  bool closeWhenDone_ = false;
  int installedCount_ = 0;

  QLabel* source_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* folder_ = nullptr;
  QPushButton* install_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace tavra::bible
