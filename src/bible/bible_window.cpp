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
#include <set>
#include <tuple>

#include "bible/core/bible_settings.h"
#include "html/qt/viewer.h"

namespace tavra::bible {

namespace {

// The widest the window opens to show the Bibles' names whole.
constexpr int kWidestOpening = 960;

constexpr int kDefaultFontSize = 14;
// The sizes Ctrl+plus and Ctrl+minus step through, in points.
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40, 48};

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

bool isCzechBible(const BibleInfo& bible) { return isCzech(bible.language); }

std::string bibleLine(const BibleInfo& bible) {
  return bible.abbreviation.empty() ? bible.description : bible.description + " (" + bible.abbreviation + ")";
}

QToolButton* toolButton(QWidget* parent, const QString& text, const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

BibleWindow::BibleWindow(QWidget* parent) : QWidget(parent), fontSize_(rememberedFontSize(kDefaultFontSize)) {
  setWindowTitle(QStringLiteral("Bible"));
  buildWidgets();
  addShortcuts();
  resize(640, 520);
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
  auto* smaller = toolButton(bar, QStringLiteral("A−"), QStringLiteral("Menší písmo (Ctrl+−)"));
  auto* larger = toolButton(bar, QStringLiteral("A+"), QStringLiteral("Větší písmo (Ctrl++)"));
  auto* label = new QLabel(QStringLiteral("&Bible:"), bar);
  chooser_ = new QComboBox(bar);
  chooser_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  chooser_->setMinimumContentsLength(12);
  label->setBuddy(chooser_);
  for (QWidget* w : std::initializer_list<QWidget*>{previous_, whole_, next_}) tools->addWidget(w);
  tools->addStretch(1);
  for (QWidget* w : std::initializer_list<QWidget*>{smaller, larger, copy_, label, chooser_}) tools->addWidget(w);

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
  viewer_->SetDefFontSize(fontSize_);
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
}

void BibleWindow::addShortcuts() {
  auto add = [this](std::initializer_list<QKeySequence> keys, std::function<void()> run) {
    auto* action = new QAction(this);
    action->setShortcuts(QList<QKeySequence>(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    addAction(action);
  };
  add({QKeySequence(Qt::Key_Escape)}, [this] { close(); });
  add({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
      [this] { zoom(1); });
  add({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoom(-1); });
  add({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoom(0); });
  add({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}, [this] { previousChapter(); });
  add({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, [this] { nextChapter(); });
  add({QKeySequence(Qt::CTRL | Qt::Key_K)}, [this] { whole_->toggle(); });
  add({QKeySequence::Copy}, [this] { copy(); });
}

void BibleWindow::open(std::unique_ptr<BibleLibrary> library, const std::string& reference,
                       const std::string& moduleName) {
  Lookup found =
      library ? lookUp(*library, reference, moduleName, moduleName.empty() ? rememberedBible() : "") : Lookup{};
  open(std::move(library), reference, moduleName, std::move(found));
}

void BibleWindow::open(std::unique_ptr<BibleLibrary> library, const std::string& reference,
                       const std::string& moduleName, Lookup found) {
  library_ = std::move(library);
  reference_ = reference;
  module_ = moduleName;
  showLookup(std::move(found));
}

void BibleWindow::setInstaller(InstallHook hook) {
  installer_ = std::move(hook);
  render();
}

void BibleWindow::lookUpAgain() {
  showLookup(library_ ? lookUp(*library_, reference_, module_, module_.empty() ? rememberedBible() : "") : Lookup{});
}

void BibleWindow::showLookup(Lookup found) {
  lookup_ = std::move(found);
  wholeChapter_ = false;
  chapterBook_ = nullptr;
  chapter_ = 0;
  fillChooser();
  render();
}

void BibleWindow::fillChooser() {
  chooser_->clear();
  if (!library_) return;
  for (const BibleInfo& bible : library_->bibles()) {
    const std::string text = bible.shortName() + " – " + bible.description;
    chooser_->addItem(fromUtf8(text), fromUtf8(bible.name));
    if (&bible == lookup_.bible) chooser_->setCurrentIndex(chooser_->count() - 1);
  }
  if (!lookup_.bible) chooser_->setCurrentIndex(-1);
  chooser_->setEnabled(chooser_->count() > 0);
  // The window opens wide enough for the row of tools with the Bibles' names whole, as far
  // as a reasonable width allows; later the user's size stands.
  if (!isVisible()) resize(std::clamp(sizeHint().width(), width(), std::max(width(), kWidestOpening)), height());
}

// Whether an installed Bible other than the one shown holds the passage; its name in `name`.
bool BibleWindow::anotherBibleHolds(std::string* name) const {
  if (!library_ || !lookup_.parsed.ok()) return false;
  for (const BibleInfo& bible : library_->bibles()) {
    if (&bible == lookup_.bible) continue;
    if (library_->read(bible, lookup_.parsed.ranges).status == Passage::Ok) {
      if (name) *name = bible.shortName();
      return true;
    }
  }
  return false;
}

void BibleWindow::showNotice(const std::string& text, bool offerInstall) {
  notice_->setText(fromUtf8(text));
  installButton_->setVisible(offerInstall && installer_);
  noticeBar_->setVisible(!text.empty());
}

void BibleWindow::render() {
  page_ = Page{};
  page_.heading = reference_.empty() ? "Bible" : reference_;
  const bool shown = lookup_.message.empty() && lookup_.passage.status == Passage::Ok;
  if (!shown) {
    page_.message = lookup_.message;
    if (lookup_.bible) page_.bible = bibleLine(*lookup_.bible);
    std::string other;
    const bool parsed = lookup_.parsed.ok();
    if (parsed && library_ && library_->bibles().empty())
      showNotice("Není nainstalována žádná Bible.", true);
    else if (parsed && anotherBibleHolds(&other))
      showNotice("Toto místo obsahuje Bible „" + other + "“; vyberte ji v seznamu Biblí.", false);
    else if (parsed && lookup_.passage.status == Passage::NotInBible)
      showNotice("Žádná nainstalovaná Bible toto místo neobsahuje.", true);
    else
      showNotice("", false);
  } else if (wholeChapter_ && chapterBook_) {
    renderChapter();
  } else {
    page_.bible = bibleLine(*lookup_.bible);
    page_.verses = lookup_.passage.verses;
  }
  if (shown) {
    const bool czechInstalled = std::any_of(library_->bibles().begin(), library_->bibles().end(), isCzechBible);
    showNotice(czechInstalled ? ""
                              : "Není nainstalována žádná česká Bible; text je z Bible „" +
                                    lookup_.bible->shortName() + "“.",
               !czechInstalled);
  }
  previous_->setEnabled(shown);
  next_->setEnabled(shown);
  whole_->setEnabled(shown);
  copy_->setEnabled(shown);
  {
    const QSignalBlocker quiet(whole_);
    whole_->setChecked(shown && wholeChapter_);
  }
  setWindowTitle(fromUtf8(page_.heading + " – Bible"));
  viewer_->LoadFromString(pageHtml(page_), wholeChapter_ && !page_.marked.empty() ? PassageAnchor : "");
}

void BibleWindow::renderChapter() {
  const Passage chapter = library_->read(*lookup_.bible, {VerseRange{chapterBook_, chapter_, 0, chapter_, 0}});
  page_.heading = chapterName(*chapterBook_, chapter_);
  page_.bible = bibleLine(*lookup_.bible);
  page_.verses = chapter.verses;
  if (chapter.status != Passage::Ok) page_.message = "Bible tuto kapitolu neobsahuje.";
  std::set<std::tuple<const BookInfo*, int, int>> inPassage;
  for (const Verse& verse : lookup_.passage.verses) inPassage.insert({verse.book, verse.chapter, verse.verse});
  bool any = false;
  for (const Verse& verse : page_.verses) {
    const bool marked = inPassage.count({verse.book, verse.chapter, verse.verse}) > 0;
    page_.marked.push_back(marked);
    any = any || marked;
  }
  if (!any) page_.marked.clear();
}

void BibleWindow::setWholeChapter(bool whole) {
  if (!lookup_.bible || lookup_.passage.verses.empty()) return;
  wholeChapter_ = whole;
  if (whole) {
    chapterBook_ = lookup_.passage.verses.front().book;
    chapter_ = lookup_.passage.verses.front().chapter;
  }
  render();
}

void BibleWindow::previousChapter() {
  if (!lookup_.bible || lookup_.passage.verses.empty()) return;
  const BookInfo* book = wholeChapter_ ? chapterBook_ : lookup_.passage.verses.front().book;
  int chapter = wholeChapter_ ? chapter_ : lookup_.passage.verses.front().chapter;
  if (!library_->stepChapter(*lookup_.bible, book, chapter, -1)) return;
  wholeChapter_ = true;
  chapterBook_ = book;
  chapter_ = chapter;
  render();
}

void BibleWindow::nextChapter() {
  if (!lookup_.bible || lookup_.passage.verses.empty()) return;
  const BookInfo* book = wholeChapter_ ? chapterBook_ : lookup_.passage.verses.back().book;
  int chapter = wholeChapter_ ? chapter_ : lookup_.passage.verses.back().chapter;
  if (!library_->stepChapter(*lookup_.bible, book, chapter, +1)) return;
  wholeChapter_ = true;
  chapterBook_ = book;
  chapter_ = chapter;
  render();
}

void BibleWindow::zoom(int steps) {
  const int* begin = std::begin(kSizes);
  const int* end = std::end(kSizes);
  int size = kDefaultFontSize;
  if (steps > 0) {
    const int* larger = std::upper_bound(begin, end, fontSize_);
    size = larger == end ? end[-1] : *larger;
  } else if (steps < 0) {
    const int* smaller = std::lower_bound(begin, end, fontSize_);
    size = smaller == begin ? *begin : smaller[-1];
  }
  if (size == fontSize_) return;
  fontSize_ = size;
  viewer_->SetDefFontSize(size);
  rememberFontSize(size);
}

void BibleWindow::copy() {
  if (page_.verses.empty() && page_.message.empty()) return;
  const std::string bible = lookup_.bible ? lookup_.bible->shortName() : "";
  QString text;
  const std::u16string selected = viewer_->SelectedText();
  if (!selected.empty()) {
    text = fromUtf8(page_.heading + (bible.empty() ? "" : " (" + bible + ")")) + QLatin1Char('\n') +
           QString::fromStdU16String(selected).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  } else {
    text = fromUtf8(pageText(page_, bible));
  }
  QApplication::clipboard()->setText(text);
}

void BibleWindow::chooseBible(int index) {
  if (!library_ || index < 0 || index >= int(library_->bibles().size())) return;
  const BibleInfo& bible = library_->bibles()[std::size_t(index)];
  module_ = bible.name;
  rememberBible(bible.name);
  const bool whole = wholeChapter_;
  const BookInfo* book = chapterBook_;
  const int chapter = chapter_;
  lookUpAgain();
  // The chapter read stays in view in the other Bible.
  if (whole && book && lookup_.passage.status == Passage::Ok) {
    wholeChapter_ = true;
    chapterBook_ = book;
    chapter_ = chapter;
    render();
  }
}

void BibleWindow::install() {
  if (!installer_ || !library_) return;
  std::set<std::string> before;
  for (const BibleInfo& bible : library_->bibles()) before.insert(bible.name);
  if (!installer_(this)) return;
  library_->reload();
  // The new Bible that holds the passage, a Czech one first, becomes the user's choice.
  const BibleInfo* chosen = nullptr;
  const Reference parsed = parseReference(reference_);
  for (const BibleInfo& bible : library_->bibles()) {
    if (before.count(bible.name) || (chosen && isCzechBible(*chosen))) continue;
    if (parsed.ok() && library_->read(bible, parsed.ranges).status != Passage::Ok) continue;
    if (!chosen || isCzechBible(bible)) chosen = &bible;
  }
  if (chosen) {
    module_ = chosen->name;
    rememberBible(chosen->name);
  }
  lookUpAgain();
}

}  // namespace tavra::bible
