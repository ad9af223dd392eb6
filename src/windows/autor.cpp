#include "windows/autor.h"

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "platform/file_system.h"
#include "html/images/jpeg_reader.h"
#include "windows/hyper_label.h"
#include "windows/label3d.h"

namespace tavra {

namespace {

// The personal texts of our sample installation: an invented author with addresses in
// the domains reserved for examples.
constexpr const char* kAboutAuthor =
    "Program Tavra Obce lirovské napsal Tomáš Sýkora. Program je zdarma k dispozici "
    "každému, kdo o něj projeví zájem.";
constexpr const char* kThanks = "Děkuji všem, kteří mi poslali zprávy o chybách a náměty na zlepšení.";
constexpr const char* kRequest =
    "Najdete-li v programu chybu, nebo máte-li jakoukoli kritiku či námět, jak program "
    "vylepšit, napište mi prosím. Každá zpráva pomůže, aby byla příští verze lepší.";
constexpr const char* kNewVersions =
    "Uživatelům, kteří mi napíší, že program používají, rád oznámím e-mailem, kdy vyjde "
    "nová verze.";
constexpr const char* kWebPage1 = "http://tavra.example.org/";
constexpr const char* kWebPage2 = "http://www.example.net/~sykora/tavra/";
constexpr const char* kMail = "tomas.sykora@example.org";
constexpr const char* kTelephone = "999 123 456";
constexpr const char* kSmsPage = "http://sms.example.com/poslat?komu=420999123456";

constexpr const char* kWebHint = "Jste-li připojen na internet, zobrazí Váš www prohlížeč tuto stránku.";
constexpr const char* kMailHint = "Jste-li připojen na internet, spustí se Váš poštovní program.";
constexpr const char* kSmsHint =
    "Jste-li připojen na internet, zobrazí se stránka, ze které mi můžete po zadání telefonního "
    "čísla a napsání zprávy, tuto poslat na můj mobilní telefon.";

constexpr ColorRef kMaroon = 0x000080;
constexpr ColorRef kYellow = 0x00FFFF;

// The faces the window was designed with come first; where they are not installed, the
// metric-compatible sans serif stands in rather than whatever the font configuration picks.
QFont designFont(const char* face, int pixelSize) {
  QFont f;
  f.setFamilies({QString::fromLatin1(face), QStringLiteral("Liberation Sans")});
  f.setPixelSize(pixelSize);
  return f;
}

QFont sansSerif8() { return designFont("MS Sans Serif", 11); }

}  // namespace

TAutor::TAutor(const std::string& programFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Autor"));
  setWindowTitle(QStringLiteral("Autor programu"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(448, 300);
  setFont(designFont("System", 13));

  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 448, 300);
  Image1->setScaledContents(true);
  LoadPicture(programFolder + kPictureFile);

  myLabel3d1 = new TmyLabel3d(this);
  myLabel3d1->setGeometry(8, 8, 352, 26);
  myLabel3d1->SetFont({{"Times New Roman", 18, fsBold}, kMaroon});
  myLabel3d1->SetCaptionUtf8("Tavra Obce lirovské    verze 1.6");
  myLabel3d1->SetTransparent(true);
  myLabel3d1->SetAStyle3D(Raised3d);
  myLabel3d1->SetAShadeLeftTop(kYellow);
  myLabel3d1->SetAShadeLTSet(false);

  myLabel3d2 = new TmyLabel3d(this);
  myLabel3d2->setGeometry(384, 16, 56, 16);
  myLabel3d2->SetFont({{"System", 10, 0}, kMaroon});
  myLabel3d2->SetCaptionUtf8("freeware");
  myLabel3d2->SetTransparent(true);
  myLabel3d2->SetAStyle3D(Resit3d);
  myLabel3d2->SetAShadeLeftTop(kYellow);
  myLabel3d2->SetAShadeLTSet(false);

  Label1 = AddLabel(8, 48, 432, kAboutAuthor);
  Label4 = AddLabel(10, 88, 430, kThanks);
  Label7 = AddLabel(8, 112, 432, kRequest);
  Label8 = AddLabel(10, 168, 430, kNewVersions);
  Label5 = AddLabel(8, 216, 0, "Tento program naleznete na internetu:");
  Label6 = AddLabel(8, 273, 0, "Adresa autora programu:");
  Label9 = AddLabel(312, 273, 0, "Telefon:");

  HyperLabel3 = AddLink(8, 232, kWebPage1, kWebHint);
  HyperLabel4 = AddLink(8, 248, kWebPage2, kWebHint);
  HyperLabel1 = AddLink(136, 272, kMail, kMailHint);
  HyperLabel2 = AddLink(360, 272, kTelephone, kSmsHint);
  HyperLabel1->OnClick = [this](THyperLabel*) { HyperLabel1Click(); };
  HyperLabel2->OnClick = [this](THyperLabel*) { HyperLabel2Click(); };
  HyperLabel3->OnClick = [this](THyperLabel*) { HyperLabel3Click(); };
  HyperLabel4->OnClick = [this](THyperLabel*) { HyperLabel4Click(); };

  OKButton = new QPushButton(QStringLiteral("Zavřít"), this);
  OKButton->setGeometry(376, 232, 67, 25);
  OKButton->setDefault(true);
  OKButton->setAutoDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  OKButton->setFocus();
}

void TAutor::LoadPicture(const std::string& path) {
  // A missing or unreadable picture leaves the plain dialog background.
  if (!fileExists(path)) return;
  try {
    pictureData_ = readRegularFile(path, kMaxPictureFileBytes);
  } catch (const InOutError&) {
    pictureData_.clear();
  }
}

void TAutor::ShowPicture() {
  if (pictureData_.empty()) return;
  const std::optional<Bitmap> picture = decodeJpeg(pictureData_);
  pictureData_ = std::string();
  if (!picture || picture->empty()) return;
  QImage image(picture->width, picture->height, QImage::Format_RGB32);
  for (int y = 0; y < picture->height; ++y) {
    auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = 0; x < picture->width; ++x) line[x] = 0xFF000000u | picture->at(x, y);
  }
  Image1->setPixmap(QPixmap::fromImage(image));
}

QLabel* TAutor::AddLabel(int x, int y, int width, const char* utf8) {
  auto* label = new QLabel(QString::fromUtf8(utf8), this);
  label->setFont(sansSerif8());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->move(x, y);
  if (width > 0) {
    label->setWordWrap(true);
    label->setFixedWidth(width);
  }
  sizedToText_.push_back(label);
  return label;
}

THyperLabel* TAutor::AddLink(int x, int y, const char* caption, const char* hint) {
  auto* link = new THyperLabel(this);
  link->setText(QString::fromUtf8(caption));
  QFont f = sansSerif8();
  f.setBold(true);
  f.setUnderline(true);
  link->setFont(f);
  link->setToolTip(QString::fromUtf8(hint));
  link->move(x, y);
  sizedToText_.push_back(link);
  return link;
}

void TAutor::SizeLabels() {
  for (QLabel* label : sizedToText_) label->adjustSize();
  sizedToText_.clear();
}


void TAutor::HyperLabel1Click() { HyperLabel1->SetURL(QStringLiteral("mailto: ") + QString::fromUtf8(kMail)); }
void TAutor::HyperLabel2Click() { HyperLabel2->SetURL(QString::fromUtf8(kSmsPage)); }
void TAutor::HyperLabel3Click() { HyperLabel3->SetURL(QString::fromUtf8(kWebPage1)); }
void TAutor::HyperLabel4Click() { HyperLabel4->SetURL(QString::fromUtf8(kWebPage2)); }

void TAutor::keyPressEvent(QKeyEvent* event) {
  // Esc presses the close button, whose result is OK like that of Enter.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    OKButton->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TAutor::showEvent(QShowEvent* event) {
  ShowPicture();
  SizeLabels();
  // Centred on the screen, whatever window opens it.
  if (QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
  QDialog::showEvent(event);
  OKButton->setFocus();
}

}  // namespace tavra
