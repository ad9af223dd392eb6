#pragma once
// The Bible viewer's window: the passage of a reference in the chosen Bible, drawn by the
// program's own HTML viewer, under a heading of the reference and the Bible's name. The
// whole chapter on request with the passage marked, the chapters before and after, a
// chooser of the installed Bibles (the choice kept in the user's settings), larger and
// smaller text, copying. Where no Bible is installed, or none holds the passage, it says so
// and offers an installation through a hook the program supplies.
//
// Keys: Esc closes; Ctrl++ and Ctrl+- change the text's size, Ctrl+0 restores it;
// Alt+Left and Alt+Right (or Ctrl+PgUp, Ctrl+PgDown) the chapter before and after;
// Ctrl+K the whole chapter; Ctrl+C copies the selection or, with none, the whole passage,
// with its reference.

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "bible/core/bible_library.h"
#include "bible/core/command_line.h"
#include "bible/core/passage_page.h"

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tavra {
class ThtmlViewer;
}

namespace tavra::bible {

// Installs a Bible with the user, the window as the parent of its dialog; true when one
// was installed.
using InstallHook = std::function<bool(QWidget* parent)>;

class BibleWindow : public QWidget {
  Q_OBJECT

 public:
  explicit BibleWindow(QWidget* parent = nullptr);
  ~BibleWindow() override;

  // Shows `reference` in the Bible `moduleName` ("" for the user's choice).
  void open(std::unique_ptr<BibleLibrary> library, const std::string& reference, const std::string& moduleName);
  // The same with the passage already looked up in `library` (by lookUp with the user's
  // remembered Bible), as the viewer does while the toolkit starts.
  void open(std::unique_ptr<BibleLibrary> library, const std::string& reference, const std::string& moduleName,
            Lookup found);

  // Without a hook the window offers no installation.
  void setInstaller(InstallHook hook);

  // The commands, as the keys and buttons give them.
  void previousChapter();
  void nextChapter();
  void setWholeChapter(bool whole);
  void zoom(int steps);  // 0: the default size
  void copy();
  void chooseBible(int index);
  void install();

  // What is shown, for the tests and the start-up probe.
  ThtmlViewer* viewer() const { return viewer_; }
  const Page& page() const { return page_; }
  const BibleInfo* bible() const { return lookup_.bible; }
  QComboBox* chooser() const { return chooser_; }
  QPushButton* installButton() const { return installButton_; }
  QLabel* notice() const { return notice_; }
  int fontSize() const { return fontSize_; }

 private:
  void buildWidgets();
  void addShortcuts();
  void lookUpAgain();
  void showLookup(Lookup found);
  void fillChooser();
  void render();
  void renderChapter();
  bool anotherBibleHolds(std::string* name) const;
  void showNotice(const std::string& text, bool offerInstall);

  std::unique_ptr<BibleLibrary> library_;
  std::string reference_;
  std::string module_;  // the Bible asked for, by the command line or the chooser
  Lookup lookup_;
  Page page_;
  bool wholeChapter_ = false;
  const BookInfo* chapterBook_ = nullptr;  // the chapter shown whole
  int chapter_ = 0;
  int fontSize_;
  InstallHook installer_;

  ThtmlViewer* viewer_ = nullptr;
  QComboBox* chooser_ = nullptr;
  QToolButton* previous_ = nullptr;
  QToolButton* whole_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* copy_ = nullptr;
  QWidget* noticeBar_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* installButton_ = nullptr;
};

}  // namespace tavra::bible
