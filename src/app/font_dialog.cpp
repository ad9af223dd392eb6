#include "app/font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace tavra {

namespace {

struct NamedColour {
  const char* name;  // UTF-8
  QRgb rgb;
};

constexpr NamedColour kColours[] = {
    {"Černá", 0x000000},      {"Kaštanová", 0x800000}, {"Zelená", 0x008000},
    {"Olivová", 0x808000},    {"Námořnická", 0x000080}, {"Fialová", 0x800080},
    {"Šedozelená", 0x008080}, {"Šedá", 0x808080},       {"Stříbrná", 0xC0C0C0},
    {"Červená", 0xFF0000},    {"Limetková", 0x00FF00},  {"Žlutá", 0xFFFF00},
    {"Modrá", 0x0000FF},      {"Purpurová", 0xFF00FF},  {"Azurová", 0x00FFFF},
    {"Bílá", 0xFFFFFF},
};

QIcon swatch(const QColor& colour) {
  QPixmap pixmap(16, 12);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

}  // namespace

FontDialog::FontDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Písmo"));
  fonts_ = new QFontDialog(this);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  colours_ = new QComboBox(this);
  for (const NamedColour& c : kColours)
    colours_->addItem(swatch(QColor(c.rgb)), QString::fromUtf8(c.name), QColor(c.rgb));

  auto* colourRow = new QFormLayout;
  colourRow->addRow(QStringLiteral("&Barva:"), colours_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fonts_);
  layout->addLayout(colourRow);
  layout->addWidget(buttons);
}

QFont FontDialog::font() const { return fonts_->currentFont(); }

void FontDialog::setFont(const QFont& font) { fonts_->setCurrentFont(font); }

QColor FontDialog::colour() const { return colours_->currentData().value<QColor>(); }

void FontDialog::setColour(const QColor& colour) {
  int index = colours_->findData(colour);
  if (index < 0) {
    colours_->addItem(swatch(colour), colour.name(), colour);
    index = colours_->count() - 1;
  }
  colours_->setCurrentIndex(index);
}

}  // namespace tavra
