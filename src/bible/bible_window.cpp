#include "bible/bible_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "html/qt/viewer.h"
#include "platform/qt/qt_text.h"
#include "platform/unicode.h"

namespace tavra::bible {

namespace {

// The widest the window opens to show the Bibles' names whole.
constexpr int kWidestOpening = 960;

QToolButton* toolButton(QWidget* parent, const QString& text, const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

BibleWindow::BibleWindow(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Bible"));
  buildWidgets();
  addShortcuts();
  resize(640, 520);
  // The toolkit polishes the widgets and reads its fonts when first asked: here, while the
  // viewer's start reads the library on another thread, rather than after it. (Not by
  // asking the window's size, which the layout would keep from before the Bibles are known.)
  ensurePolished();
  (void)chooser_->fontMetrics().height();
}

BibleWindow::BibleWindow(BibleSession& session, QWidget* parent) : BibleWindow(parent) { setSession(session); }

void BibleWindow::setSession(BibleSession& session) {
  session_ = &session;
  viewer_->SetDefFontSize(session.fontSize());
  showSession();
}

BibleWindow::~BibleWindow() = default;

void BibleWindow::buildWidgets() {
  auto* bar = new QWidget(this);
  auto* tools = new QHBoxLayout(bar);
  tools->setContentsMargins(4, 2, 4, 2);
  previous_ = toolButton(bar, QStringLiteral("◀ Předchozí"), QStringLiteral("Předchozí kapitola (Alt+←)"));
  whole_ = toolButton(bar, QStringLiteral("Celá kapitola"), QStringLiteral("Celá kapitola s vyznačeným místem (Ctrl+K)"));
  whole_->setCheckable(true);
  next_ = toolButton(bar, QStringLiteral("Další ▶"), QStringLiteral("Následující kapitola (Alt+→)"));
  copy_ = toolButton(bar, QStringLiteral("Kopírovat"),
                     QStringLiteral("Zkopírovat výběr, nebo celé místo, s odkazem (Ctrl+C)"));
  results_ = toolButton(bar, QStringLiteral("↩ Výsledky"), QStringLiteral("Zpět na výsledky hledání (Alt+←)"));
  results_->hide();
  auto* search = toolButton(bar, QStringLiteral("Hledat"), QStringLiteral("Hledat slova v Bibli (Ctrl+F)"));
  auto* smaller = toolButton(bar, QStringLiteral("A−"), QStringLiteral("Menší písmo (Ctrl+−)"));
  auto* larger = toolButton(bar, QStringLiteral("A+"), QStringLiteral("Větší písmo (Ctrl++)"));
  auto* label = new QLabel(QStringLiteral("&Bible:"), bar);
  chooser_ = new QComboBox(bar);
  chooser_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  chooser_->setMinimumContentsLength(12);
  label->setBuddy(chooser_);
  for (QWidget* w : std::initializer_list<QWidget*>{previous_, whole_, next_, results_}) tools->addWidget(w);
  tools->addStretch(1);
  for (QWidget* w : std::initializer_list<QWidget*>{search, smaller, larger, copy_, label, chooser_}) tools->addWidget(w);


  noticeBar_ = new QWidget(this);
  auto* noticeLayout = new QHBoxLayout(noticeBar_);
  noticeLayout->setContentsMargins(8, 4, 8, 4);
  noticeBar_->setAutoFillBackground(true);
  QPalette palette = noticeBar_->palette();
  palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC8));
  palette.setColor(QPalette::WindowText, Qt::black);
  noticeBar_->setPalette(palette);
  notice_ = new QLabel(noticeBar_);
  notice_->setWordWrap(true);
  installButton_ = new QPushButton(QStringLiteral("Instalovat Bibli…"), noticeBar_);
  installButton_->hide();
  noticeLayout->addWidget(notice_, 1);
  noticeLayout->addWidget(installButton_);
  noticeBar_->hide();

  viewer_ = new ThtmlViewer(this);
  viewer_->SetBorderStyle(htNone);
  viewer_->SetHistoryMaxCount(0);
  viewer_->SetDefFontName("Times New Roman");
  viewer_->SetDefBackground(0xFFFFFF);
  viewer_->SetDefFontColor(0x000000);
  viewer_->SetMarginWidth(16);
  viewer_->SetMarginHeight(8);
  viewer_->SetNoSelect(false);
  viewer_->SetScrollBars(ssVertical);
  // Laid out once, at the size it is shown in, not first at a size it never has.
  viewer_->SetLayoutWhenFirstShown(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(noticeBar_);
  layout->addWidget(viewer_, 1);
  setFocusProxy(viewer_);

  connect(previous_, &QToolButton::clicked, this, &BibleWindow::previousChapter);
  connect(next_, &QToolButton::clicked, this, &BibleWindow::nextChapter);
  connect(whole_, &QToolButton::toggled, this, &BibleWindow::setWholeChapter);
  connect(copy_, &QToolButton::clicked, this, &BibleWindow::copy);
  connect(smaller, &QToolButton::clicked, this, [this] { zoom(-1); });
  connect(larger, &QToolButton::clicked, this, [this] { zoom(1); });
  connect(chooser_, &QComboBox::activated, this, &BibleWindow::chooseBible);
  connect(installButton_, &QPushButton::clicked, this, &BibleWindow::install);
  connect(search, &QToolButton::clicked, this, [this] { openSearch(); });
  connect(results_, &QToolButton::clicked, this, &BibleWindow::back);
  viewer_->OnHotSpotClick = [this](ThtmlViewer*, const std::string& address, bool& handled) {
    followLink(address, handled);
  };
}

void BibleWindow::addShortcuts() {
  auto add = [this](std::initializer_list<QKeySequence> keys, std::function<void()> run) {
    auto* action = new QAction(this);
    action->setShortcuts(QList<QKeySequence>(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    addAction(action);
  };
  add({QKeySequence(Qt::Key_Escape)}, [this] { closeSearchOrWindow(); });
  add({QKeySequence::Find}, [this] { openSearch(); });
  add({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
      [this] { zoom(1); });
  add({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoom(-1); });
  add({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoom(0); });
  add({QKeySequence(Qt::ALT | Qt::Key_Left)}, [this] { back(); });
  add({QKeySequence(Qt::CTRL | Qt::Key_PageUp)}, [this] { previousChapter(); });
  add({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, [this] { nextChapter(); });
  add({QKeySequence(Qt::CTRL | Qt::Key_K)}, [this] { whole_->toggle(); });
  add({QKeySequence::Copy}, [this] { copy(); });
}

void BibleWindow::setInstaller(InstallHook hook) {
  installer_ = std::move(hook);
  if (session_) showNotice();
}

void BibleWindow::fillChooser() {
  chooser_->clear();
  for (const BibleInfo& bible : session_->bibles())
    chooser_->addItem(qtText(bible.shortName() + " – " + bible.description), qtText(bible.name));
  chooser_->setCurrentIndex(session_->chosenIndex());
  chooser_->setEnabled(chooser_->count() > 0);
  // The window opens wide enough for the row of tools with the Bibles' names whole, as far
  // as a reasonable width allows; later the user's size stands.
  if (!isVisible()) resize(std::clamp(sizeHint().width(), width(), std::max(width(), kWidestOpening)), height());
}

void BibleWindow::showNotice() {
  const Notice& notice = session_->notice();
  notice_->setText(qtText(notice.text));
  installButton_->setVisible(notice.offerInstall && installer_);
  noticeBar_->setVisible(!notice.text.empty());
}

void BibleWindow::showSession() {
  fillChooser();
  showNotice();
  const bool shown = session_->passageShown() && !session_->showingResults();
  results_->setVisible(session_->canGoBack());
  for (QToolButton* button : {previous_, next_, whole_, copy_}) button->setEnabled(shown);
  {
    const QSignalBlocker quiet(whole_);
    whole_->setChecked(shown && session_->wholeChapter());
  }
  setWindowTitle(qtText(session_->title() + " – Bible"));
  viewer_->LoadFromString(session_->html(), session_->anchor());
}

void BibleWindow::setWholeChapter(bool whole) {
  if (session_->setWholeChapter(whole)) showSession();
}

void BibleWindow::previousChapter() {
  if (session_->stepChapter(-1)) showSession();
}

void BibleWindow::nextChapter() {
  if (session_->stepChapter(+1)) showSession();
}

void BibleWindow::zoom(int steps) {
  if (session_->zoom(steps)) viewer_->SetDefFontSize(session_->fontSize());
}

void BibleWindow::copy() {
  const std::string text = session_->copiedText(utf16ToUtf8(viewer_->SelectedText()));
  if (!text.empty()) QApplication::clipboard()->setText(qtText(text));
}

void BibleWindow::chooseBible(int index) {
  if (session_->chooseBible(index)) showSession();
}

// Made on its first use: most readers open the viewer for a passage and close it again.
BibleSearchBar& BibleWindow::searchRow() {
  if (!searchBar_) {
    searchBar_ = new BibleSearchBar(
        [this] {
          const Page& page = session_->page();
          return BibleSearchBar::Target{session_->libraryFolder(), session_->bibleToSearch(),
                                        page.verses.empty() ? nullptr : page.verses.front().book};
        },
        [this](const std::string& query, const BibleInfo& bible, const BibleSearch& found) {
          session_->showResults(query, bible, found);
          showSession();
        },
        this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, searchBar_);
  }
  return *searchBar_;
}

void BibleWindow::openSearch() { searchRow().open(); }

void BibleWindow::openSearch(const std::string& query) { searchRow().open(query); }

void BibleWindow::back() {
  if (session_->back()) showSession();
  else previousChapter();
}

void BibleWindow::closeSearchOrWindow() {
  if (searchBar_ && searchBar_->isVisible() && searchBar_->isAncestorOf(QApplication::focusWidget())) {
    searchBar_->cancel();
    searchBar_->hide();
    viewer_->setFocus(Qt::ShortcutFocusReason);
  } else {
    close();
  }
}

// A result's link shows its passage; drawn after the viewer has finished with the click
// that followed it, which the new page would pull from under it.
void BibleWindow::followLink(const std::string& address, bool& handled) {
  if (referenceOfLink(address).empty()) return;
  handled = true;
  QMetaObject::invokeMethod(
      this, [this, address] {
        if (session_->followResult(address)) showSession();
      },
      Qt::QueuedConnection);
}

void BibleWindow::install() {
  if (!installer_ || !installer_(this)) return;
  session_->installed();
  showSession();
}

}  // namespace tavra::bible
