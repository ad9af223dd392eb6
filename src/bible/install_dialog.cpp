#include "bible/install_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "platform/qt/qt_text.h"

namespace tavra::bible {
namespace {

QString sourceText(const BibleSource& source) {
  if (source.location.empty()) return QStringLiteral("Zdroj: veřejná knihovna modulů SWORD na internetu");
  return (source.usesNetwork() ? QStringLiteral("Zdroj: %1") : QStringLiteral("Zdroj: složka %1"))
      .arg(QString::fromStdString(source.location));
}

QString itemText(const AvailableBible& bible) {
  QString text = qtText(bible.description.empty() ? bible.name : bible.description);
  text += QStringLiteral(" (%1").arg(qtText(bible.name));
  if (!bible.language.empty()) text += QStringLiteral(", jazyk %1").arg(qtText(bible.language));
  text += QLatin1Char(')');
  if (bible.installed) text += QStringLiteral(" – nainstalováno");
  return text;
}

}  // namespace

bool runInstallDialog(QWidget* parent) {
  BibleInstallDialog dialog(defaultBibleSource(), parent);
  dialog.exec();
  return dialog.installedCount() > 0;
}

BibleInstallDialog::BibleInstallDialog(BibleSource source, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Instalovat Bibli"));
  auto* column = new QVBoxLayout(this);

  source_ = new QLabel(this);
  source_->setWordWrap(true);
  column->addWidget(source_);

  auto* caption = new QLabel(QStringLiteral("&Bible k instalaci (zaškrtněte mezerníkem):"), this);
  list_ = new QListWidget(this);
  list_->setAccessibleName(QStringLiteral("Bible k instalaci"));
  list_->setMinimumSize(420, 220);
  caption->setBuddy(list_);
  column->addWidget(caption);
  column->addWidget(list_, 1);

  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(QStringLiteral("Průběh"));
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setVisible(false);
  column->addWidget(progress_);

  status_ = new QLabel(this);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  column->addWidget(status_);

  auto* buttons = new QHBoxLayout;
  folder_ = new QPushButton(QStringLiteral("Ze &složky…"), this);
  folder_->setToolTip(QStringLiteral("Instalovat z knihovny modulů SWORD ve složce na disku, bez internetu"));
  install_ = new QPushButton(QStringLiteral("&Instalovat"), this);
  install_->setDefault(true);
  close_ = new QPushButton(QStringLiteral("&Zavřít"), this);
  // Enter installs, never closes nor opens the folder chooser.
  folder_->setAutoDefault(false);
  close_->setAutoDefault(false);
  buttons->addWidget(folder_);
  buttons->addStretch(1);
  buttons->addWidget(install_);
  buttons->addWidget(close_);
  column->addLayout(buttons);

  connect(folder_, &QPushButton::clicked, this, &BibleInstallDialog::chooseFolder);
  connect(install_, &QPushButton::clicked, this, &BibleInstallDialog::installChecked);
  connect(close_, &QPushButton::clicked, this, &BibleInstallDialog::reject);
  connect(list_, &QListWidget::itemChanged, this, &BibleInstallDialog::updateButtons);

  useSource(std::move(source));
}

BibleInstallDialog::~BibleInstallDialog() {
  if (task_.busy()) installer_->cancel();
}

void BibleInstallDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // After the dialog is on screen, so that the consent question has it as its parent.
  QTimer::singleShot(0, this, &BibleInstallDialog::loadList);
}

void BibleInstallDialog::reject() {
  if (!task_.busy()) {
    QDialog::reject();
    return;
  }
  closeWhenDone_ = true;
  installer_->cancel();
  setStatus(QStringLiteral("Přerušuji…"));
}

void BibleInstallDialog::useSource(BibleSource source) {
  installer_ = std::make_unique<BibleInstaller>(std::move(source));
  installer_->setProgress([this](double fraction, const std::string& message) {
    const QString text = qtText(message);
    task_.report([this, fraction, text] { showProgress(fraction, text); });
  });
  source_->setText(sourceText(installer_->source()));
  bibles_.clear();
  listed_ = false;
  fillList();
}

void BibleInstallDialog::chooseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Složka s knihovnou modulů SWORD"));
  if (folder.isEmpty()) return;
  useSource(BibleSource{folder.toStdString()});
  loadList();
}

bool BibleInstallDialog::askConsent() {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Připojení k internetu"),
                  QStringLiteral("Seznam Biblí a samotné Bible se stahují z veřejné knihovny modulů SWORD "
                                 "na internetu."),
                  QMessageBox::NoButton, this);
  box.setInformativeText(QStringLiteral(
      "Upozornění: takové stahování lze v síti rozpoznat. Žijete-li v zemi, kde jsou křesťané "
      "pronásledováni, a nechcete riskovat odhalení, tuto možnost nepoužívejte. Knihovny jiné než "
      "veřejná knihovna SWORD mohou nabízet moduly sporné kvality či obsahu.\n\n"
      "Souhlasíte s připojením k internetu?"));
  QPushButton* yes = box.addButton(QStringLiteral("&Souhlasím"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Nesouhlasím"), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

void BibleInstallDialog::loadList() {
  if (task_.busy()) return;
  if (installer_->source().usesNetwork() && !BibleInstaller::hasConsent()) {
    if (!askConsent()) {
      setStatus(QStringLiteral("Bez vašeho souhlasu se program k internetu nepřipojí. Bibli můžete "
                               "instalovat ze složky na disku (tlačítko „Ze složky…“)."),
                true);
      return;
    }
    try {
      BibleInstaller::giveConsent();
    } catch (const std::exception& e) {
      setStatus(qtText(e.what()), true);
      return;
    }
  }
  setStatus(QStringLiteral("Načítám seznam Biblí…"));
  auto result = std::make_shared<std::pair<std::vector<AvailableBible>, std::string>>();
  auto ok = std::make_shared<bool>(false);
  BibleInstaller* installer = installer_.get();
  runInBackground([installer, result, ok] { *ok = installer->list(result->first, result->second); },
                  [this, result, ok] {
                    listed_ = *ok;
                    bibles_ = std::move(result->first);
                    fillList();
                    if (!*ok) setStatus(qtText(result->second), true);
                    else if (bibles_.empty()) setStatus(QStringLiteral("Zdroj nenabízí žádnou Bibli."), true);
                    else setStatus(QStringLiteral("Zaškrtněte Bible, které chcete instalovat."));
                  });
}

void BibleInstallDialog::installChecked() {
  if (task_.busy()) return;
  auto names = std::make_shared<std::vector<std::string>>();
  for (int row = 0; row < list_->count(); ++row) {
    QListWidgetItem* item = list_->item(row);
    if (item->checkState() == Qt::Checked && (item->flags() & Qt::ItemIsEnabled))
      names->push_back(item->data(Qt::UserRole).toString().toStdString());
  }
  if (names->empty()) {
    setStatus(QStringLiteral("Zaškrtněte alespoň jednu Bibli."), true);
    return;
  }
  auto done = std::make_shared<std::vector<std::string>>();
  auto errors = std::make_shared<std::vector<std::string>>();
  BibleInstaller* installer = installer_.get();
  setStatus(QStringLiteral("Instaluji…"));
  runInBackground(
      [this, installer, names, done, errors] {
        for (std::size_t i = 0; i < names->size(); ++i) {
          const std::string& name = (*names)[i];
          const QString step = QStringLiteral("Instaluji %1 (%2 z %3)…")
                                   .arg(qtText(name)).arg(i + 1).arg(names->size());
          task_.report([this, step] { showProgress(-1, step); });
          std::string error;
          if (installer->install(name, error)) done->push_back(name);
          else errors->push_back(error);
        }
      },
      [this, done, errors] {
        installedCount_ += int(done->size());
        for (AvailableBible& bible : bibles_)
          if (std::find(done->begin(), done->end(), bible.name) != done->end()) bible.installed = true;
        fillList();
        QString text;
        if (!done->empty()) text = QStringLiteral("Nainstalováno: %1.").arg(done->size());
        for (const std::string& error : *errors) text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + qtText(error);
        setStatus(text, !errors->empty());
      });
}

void BibleInstallDialog::runInBackground(std::function<void()> work, std::function<void()> done) {
  progress_->setValue(0);
  progress_->setRange(0, 0);
  progress_->setVisible(true);
  task_.start(std::move(work), [this, done = std::move(done)] {
    progress_->setVisible(false);
    done();
    updateButtons();
    if (closeWhenDone_) QDialog::reject();
  });
  updateButtons();
}

void BibleInstallDialog::showProgress(double fraction, const QString& message) {
  if (!task_.busy()) return;
  if (fraction < 0) {
    progress_->setRange(0, 0);
  } else {
    progress_->setRange(0, 100);
    progress_->setValue(int(fraction * 100 + 0.5));
  }
  if (!message.trimmed().isEmpty() && !closeWhenDone_) status_->setText(message.trimmed());
}

void BibleInstallDialog::setStatus(const QString& text, bool failure) {
  status_->setText(text);
  status_->setStyleSheet(failure ? QStringLiteral("color: #b00000;") : QString());
}

void BibleInstallDialog::fillList() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (const AvailableBible& bible : bibles_) {
    auto* item = new QListWidgetItem(itemText(bible), list_);
    item->setData(Qt::UserRole, qtText(bible.name));
    item->setFlags(bible.installed ? Qt::ItemIsSelectable : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(bible.installed ? Qt::Checked : Qt::Unchecked);
  }
  if (list_->count() > 0) list_->setCurrentRow(0);
  updateButtons();
}

void BibleInstallDialog::updateButtons() {
  bool anyChecked = false;
  for (int row = 0; row < list_->count() && !anyChecked; ++row) {
    const QListWidgetItem* item = list_->item(row);
    anyChecked = item->checkState() == Qt::Checked && (item->flags() & Qt::ItemIsEnabled);
  }
  install_->setEnabled(!task_.busy() && listed_ && anyChecked);
  folder_->setEnabled(!task_.busy());
  list_->setEnabled(!task_.busy());
}

}  // namespace tavra::bible
