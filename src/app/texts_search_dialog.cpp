#include "app/texts_search_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <memory>

#include "platform/codepage.h"
#include "platform/czech_text.h"
#include "platform/qt/qt_text.h"
#include "texts/texts_search.h"

namespace tavra {

TextsSearchDialog::TextsSearchDialog(std::string folder, std::function<void(const Date&)> show, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), show_(std::move(show)) {
  setWindowTitle(QStringLiteral("Hledat v textech"));
  auto* column = new QVBoxLayout(this);

  auto* row = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("&Hledat:"), this);
  field_ = new QLineEdit(this);
  field_->setAccessibleName(QStringLiteral("Hledat v textech"));
  field_->setPlaceholderText(QStringLiteral("slova, slovo*, \"slova za sebou\""));
  field_->setClearButtonEnabled(true);
  label->setBuddy(field_);
  search_ = new QPushButton(QStringLiteral("Hledat"), this);
  search_->setAutoDefault(false);
  row->addWidget(label);
  row->addWidget(field_, 1);
  row->addWidget(search_);
  column->addLayout(row);

  auto* working = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(QStringLiteral("Průběh hledání"));
  progress_->hide();
  cancel_ = new QPushButton(QStringLiteral("&Zrušit hledání"), this);
  cancel_->setAutoDefault(false);
  cancel_->hide();
  working->addWidget(progress_, 1);
  working->addWidget(cancel_);
  column->addLayout(working);

  status_ = new QLabel(this);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  column->addWidget(status_);

  auto* caption = new QLabel(QStringLiteral("&Nalezené dny:"), this);
  list_ = new QListWidget(this);
  list_->setAccessibleName(QStringLiteral("Nalezené dny"));
  list_->setMinimumSize(520, 260);
  caption->setBuddy(list_);
  column->addWidget(caption);
  column->addWidget(list_, 1);

  auto* buttons = new QHBoxLayout;
  showDay_ = new QPushButton(QStringLiteral("&Ukázat den"), this);
  showDay_->setAutoDefault(false);
  showDay_->setEnabled(false);
  auto* close = new QPushButton(QStringLiteral("Za&vřít"), this);
  close->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(showDay_);
  buttons->addWidget(close);
  column->addLayout(buttons);

  connect(field_, &QLineEdit::returnPressed, this, &TextsSearchDialog::start);
  connect(search_, &QPushButton::clicked, this, &TextsSearchDialog::start);
  connect(cancel_, &QPushButton::clicked, this, [this] { task_.cancel(); });
  connect(list_, &QListWidget::itemActivated, this, &TextsSearchDialog::showChosenDay);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { showDay_->setEnabled(row >= 0); });
  connect(showDay_, &QPushButton::clicked, this, &TextsSearchDialog::showChosenDay);
  connect(close, &QPushButton::clicked, this, &TextsSearchDialog::reject);
}

void TextsSearchDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  field_->setFocus(Qt::OtherFocusReason);
  field_->selectAll();
}

void TextsSearchDialog::reject() {
  task_.cancel();
  QDialog::reject();
}

void TextsSearchDialog::start() {
  if (task_.busy()) return;
  const std::string query = field_->text().trimmed().toStdString();
  auto found = std::make_shared<texts::DaysSearch>();
  status_->setText(QStringLiteral("Hledám…"));
  search_->setEnabled(false);
  task_.start(
      [this, found, query, folder = folder_] {
        search::BuildControl control;
        control.cancel = &task_.cancelled();
        control.progress = [this](std::size_t done, std::size_t total) {
          task_.report([this, done, total] { showProgress(done, total); });
        };
        *found = texts::searchDays(folder, query, control);
      },
      [this, found] { showFound(*found); });
}

void TextsSearchDialog::showFound(const texts::DaysSearch& found) {
  progress_->hide();
  cancel_->hide();
  search_->setEnabled(true);
  list_->clear();
  dates_.clear();
  for (const texts::FoundDay& day : found.days) {
    dates_.push_back(day.date);
    list_->addItem(QString::fromStdU16String(cp1250::toUtf16(shortDateText(day.date))) + QStringLiteral(" – ") +
                   qtText(day.excerpt));
  }
  QString text = found.outcome == search::Outcome::Found
                     ? qtText("Nalezeno: " + czechCount(static_cast<long long>(dates_.size()), "den", "dny", "dnů") + ".")
                 : found.outcome == search::Outcome::Cancelled ? QStringLiteral("Hledání bylo přerušeno.")
                                                               : qtText(found.message);
  for (const std::string& note : found.notes) text += QLatin1Char(' ') + qtText(note);
  status_->setText(text);
  if (list_->count() > 0) {
    list_->setCurrentRow(0);
    list_->setFocus(Qt::OtherFocusReason);
  }
}

void TextsSearchDialog::showProgress(std::size_t done, std::size_t total) {
  if (!task_.busy()) return;
  if (!progress_->isVisible()) {
    status_->setText(QStringLiteral("Připravuji rejstřík textů, poprvé to chvíli trvá…"));
    progress_->show();
    cancel_->show();
  }
  progress_->setRange(0, 1000);
  progress_->setValue(total ? int(1000.0 * double(done) / double(total)) : 0);
}

void TextsSearchDialog::showChosenDay() {
  const int row = list_->currentRow();
  if (row < 0 || row >= int(dates_.size())) return;
  show_(dates_[std::size_t(row)]);
  accept();
}

}  // namespace tavra
