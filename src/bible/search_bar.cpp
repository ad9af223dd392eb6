#include "bible/search_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <memory>

#include "platform/qt/qt_text.h"

namespace tavra::bible {

namespace {

enum ScopeItem { WholeBible, OldTestament, NewTestament, ShownBook };

}  // namespace

BibleSearchBar::BibleSearchBar(std::function<Target()> target, Answer answer, QWidget* parent)
    : QWidget(parent), target_(std::move(target)), answer_(std::move(answer)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  auto* label = new QLabel(QStringLiteral("&Hledat:"), this);
  field_ = new QLineEdit(this);
  field_->setAccessibleName(QStringLiteral("Hledat v Bibli"));
  field_->setPlaceholderText(QStringLiteral("slova, slovo*, \"slova za sebou\""));
  field_->setClearButtonEnabled(true);
  label->setBuddy(field_);
  scope_ = new QComboBox(this);
  scope_->setAccessibleName(QStringLiteral("Kde hledat"));
  scope_->addItems({QStringLiteral("v celé Bibli"), QStringLiteral("ve Starém zákoně"), QStringLiteral("v Novém zákoně")});
  search_ = new QPushButton(QStringLiteral("Hledat"), this);
  search_->setAutoDefault(false);
  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(QStringLiteral("Průběh hledání"));
  progress_->setMaximumWidth(160);
  progress_->hide();
  cancel_ = new QPushButton(QStringLiteral("&Zrušit"), this);
  cancel_->setAutoDefault(false);
  cancel_->hide();
  status_ = new QLabel(this);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  row->addWidget(label);
  row->addWidget(field_, 1);
  row->addWidget(scope_);
  row->addWidget(search_);
  row->addWidget(progress_);
  row->addWidget(cancel_);
  row->addWidget(status_, 1);

  connect(field_, &QLineEdit::returnPressed, this, &BibleSearchBar::start);
  connect(search_, &QPushButton::clicked, this, &BibleSearchBar::start);
  connect(cancel_, &QPushButton::clicked, this, &BibleSearchBar::cancel);
}

void BibleSearchBar::open(const std::string& query) {
  offerBook(target_().book);
  if (!query.empty()) field_->setText(qtText(query));
  show();
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

// The book shown is offered as a scope; another book's offer goes.
void BibleSearchBar::offerBook(const BookInfo* book) {
  if (book == book_) return;
  const bool wasChosen = scope_->currentIndex() == ShownBook;
  if (scope_->count() > ShownBook) scope_->removeItem(ShownBook);
  book_ = book;
  if (book) scope_->addItem(qtText("v knize " + std::string(book->czechName)));
  if (wasChosen) scope_->setCurrentIndex(book ? int(ShownBook) : int(WholeBible));
}

BibleScope BibleSearchBar::chosenScope() const {
  switch (scope_->currentIndex()) {
    case OldTestament: return {BibleScope::OldTestament, nullptr};
    case NewTestament: return {BibleScope::NewTestament, nullptr};
    case ShownBook: return {BibleScope::Book, book_};
    default: return {};
  }
}

void BibleSearchBar::start() {
  if (task_.busy()) return;
  const Target target = target_();
  const std::string query = field_->text().trimmed().toStdString();
  if (!target.bible) {
    status_->setText(QStringLiteral("Není nainstalována žádná Bible, a tak nelze hledat."));
    return;
  }
  const BibleInfo bible = *target.bible;
  const BibleScope scope = chosenScope();
  const std::string folder = target.libraryFolder;
  auto found = std::make_shared<BibleSearch>();
  status_->setText(QStringLiteral("Hledám…"));
  search_->setEnabled(false);
  task_.start(
      [this, found, folder, bible, scope, query] {
        search::BuildControl control;
        control.cancel = &task_.cancelled();
        control.progress = [this](std::size_t done, std::size_t total) {
          task_.report([this, done, total] { showProgress(done, total); });
        };
        // The window's library is the window's: the search reads the same modules on its own.
        const BibleLibrary library(folder);
        *found = searchBible(library, bible, query, scope, control);
      },
      [this, found, query, bible] { finish(query, bible, *found); });
}

void BibleSearchBar::cancel() {
  if (!task_.busy()) return;
  task_.cancel();
  status_->setText(QStringLiteral("Přerušuji…"));
}

// Progress comes only while the index is made: the first search of a Bible, or one whose
// index cannot be kept.
void BibleSearchBar::showProgress(std::size_t done, std::size_t total) {
  if (!task_.busy()) return;
  if (!progress_->isVisible()) {
    status_->setText(QStringLiteral("Připravuji rejstřík Bible, poprvé to chvíli trvá…"));
    progress_->show();
    cancel_->show();
  }
  progress_->setRange(0, 1000);
  progress_->setValue(total ? int(1000.0 * double(done) / double(total)) : 0);
}

void BibleSearchBar::finish(const std::string& query, const BibleInfo& bible, const BibleSearch& found) {
  progress_->hide();
  cancel_->hide();
  search_->setEnabled(true);
  switch (found.outcome) {
    case search::Outcome::Cancelled: status_->setText(QStringLiteral("Hledání bylo přerušeno.")); return;
    case search::Outcome::BadQuery:
    case search::Outcome::Failed: status_->setText(qtText(found.message)); return;
    default: status_->clear();
  }
  answer_(query, bible, found);
}

}  // namespace tavra::bible
