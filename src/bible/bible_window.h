#pragma once
// The Bible viewer's window: what its session (bible/core/bible_session.h) shows, drawn by
// the program's own HTML viewer: the passage of a reference in the chosen Bible under a
// heading of the reference and the Bible's name, the whole chapter on request with the
// passage marked, the chapters before and after, a chooser of the installed Bibles, larger
// and smaller text, copying; the session's notice above, with an installation offered
// through a hook the program supplies. The window decides nothing itself: it passes the
// user's commands to the session and draws the result.
//
// Keys: Esc closes (the search row first, when it has the focus); Ctrl+F searches;
// Ctrl++ and Ctrl+- change the text's size, Ctrl+0 restores it;
// Alt+Left and Alt+Right (or Ctrl+PgUp, Ctrl+PgDown) the chapter before and after;
// Ctrl+K the whole chapter; Ctrl+C copies the selection or, with none, the whole passage,
// with its reference.

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "bible/core/bible_session.h"
#include "bible/search_bar.h"

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
  // Draws what `session` shows now; the session outlives the window.
  explicit BibleWindow(BibleSession& session, QWidget* parent = nullptr);
  // The widgets alone, made while the session's library is still being read; setSession
  // then draws it.
  explicit BibleWindow(QWidget* parent = nullptr);
  ~BibleWindow() override;

  void setSession(BibleSession& session);

  // Without a hook the window offers no installation.
  void setInstaller(InstallHook hook);

  // Draws what the session shows, after a change made to it from outside the window.
  void showSession();

  // The commands, as the keys and buttons give them.
  void previousChapter();
  void nextChapter();
  void setWholeChapter(bool whole);
  void zoom(int steps);  // 0: the default size
  void copy();
  void chooseBible(int index);
  void install();
  // The search row, opened by Ctrl+F or "Hledat"; Alt+Left returns from a result's passage
  // to the results, where there are any, else it is the chapter before.
  void openSearch();
  void openSearch(const std::string& query);
  void back();

  // What is shown, for the tests and the start-up probe.
  ThtmlViewer* viewer() const { return viewer_; }
  const Page& page() const { return session_->page(); }
  const BibleInfo* bible() const { return session_->bible(); }
  QComboBox* chooser() const { return chooser_; }
  QPushButton* installButton() const { return installButton_; }
  QLabel* notice() const { return notice_; }
  int fontSize() const { return session_->fontSize(); }
  BibleSearchBar* searchBar() const { return searchBar_; }  // null until first opened
  QToolButton* resultsButton() const { return results_; }

 private:
  void buildWidgets();
  void addShortcuts();
  void fillChooser();
  void showNotice();
  BibleSearchBar& searchRow();
  void closeSearchOrWindow();
  void followLink(const std::string& address, bool& handled);

  BibleSession* session_ = nullptr;
  InstallHook installer_;

  ThtmlViewer* viewer_ = nullptr;
  QComboBox* chooser_ = nullptr;
  QToolButton* previous_ = nullptr;
  QToolButton* whole_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* copy_ = nullptr;
  QToolButton* results_ = nullptr;
  BibleSearchBar* searchBar_ = nullptr;
  QWidget* noticeBar_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* installButton_ = nullptr;
};

}  // namespace tavra::bible
