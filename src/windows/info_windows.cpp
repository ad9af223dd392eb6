#include "windows/info_windows.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QLabel>
#include <QScreen>

#include <cctype>
#include <string>

#include "html/qt/viewer.h"
#include "platform/file_system.h"
#include "windows/label3d.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

constexpr ColorRef kNavy = 0x800000;

QFont windowFont() {
  QFont f;
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
  f.setPixelSize(11);  // 8 points at 96 dots per inch
  return f;
}

// A fixed dialog with a title bar and no border icons, centred on the desktop.
void setUpFixedDialog(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight) {
  dialog.setWindowTitle(caption);
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialog.setFixedSize(clientWidth, clientHeight);
  dialog.setFont(windowFont());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desk = screen->availableGeometry();
    dialog.move(desk.x() + (desk.width() - clientWidth) / 2, desk.y() + (desk.height() - clientHeight) / 2);
  }
}

void setBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

// "Zavřít": the default button (Enter) and, through the dialog's reject on Esc, the cancel
// button as well.
QPushButton* closeButton(QDialog& dialog, int x, int y) {
  auto* button = new QPushButton(QStringLiteral("Zavřít"), &dialog);
  button->setGeometry(x, y, 75, 25);
  button->setDefault(true);
  button->setAutoDefault(true);
  // The window opens with the focus here, so that Enter closes it; Tab goes on into the
  // document and through its links.
  button->setFocus();
  return button;
}

// The viewer follows links to HTML files and pictures only; the help documents are ".prg"
// files that link to each other, so such a link is loaded here into the same viewer.
void followHelpDocumentLink(ThtmlViewer* viewer, const std::string& url, bool& handled) {
  const std::size_t hash = url.find('#');
  if (hash == 0) return;  // an anchor in this document: the viewer's own business
  const std::string file = url.substr(0, hash);
  const std::string dest = hash == std::string::npos ? std::string() : url.substr(hash);
  if (file.size() < 4) return;
  if (ascii::lower(std::string_view(file).substr(file.size() - 4)) != ".prg") return;
  handled = true;
  viewer->LoadFromFile(viewer->ResolveLinkPath(file) + dest);
}

// The viewer settings both windows share; `scrollBars` is where they differ.
ThtmlViewer* helpViewer(QDialog& dialog, TScrollStyle scrollBars) {
  auto* viewer = new ThtmlViewer(&dialog);
  viewer->SetViewImages(true);
  viewer->SetBorderStyle(htFocused);
  viewer->SetHistoryMaxCount(0);
  viewer->SetDefFontName("Times New Roman");
  viewer->SetDefPreFontName("Courier New");
  viewer->SetNoSelect(false);
  viewer->SetScrollBars(scrollBars);
  // Made at start-up, shown perhaps never: the document is read now, laid out when shown.
  viewer->SetLayoutWhenFirstShown(true);
  viewer->OnHotSpotClick = followHelpDocumentLink;
  return viewer;
}

void loadIfPresent(ThtmlViewer& viewer, const char* fileName) {
  // By the bare name, in the current folder; a missing file leaves the viewer empty (the
  // main window has already said so).
  if (fileExists(fileName)) viewer.LoadFromFile(fileName);
}

// The program's 32 x 32 picture in the 16 colours of the classic palette: an open book
// with a red ribbon under a yellow candle flame.
QPixmap programPicture() {
  QPixmap picture(32, 32);
  picture.fill(Qt::white);
  QPainter p(&picture);
  const QColor navy(0, 0, 128), black(0, 0, 0), red(255, 0, 0), yellow(255, 255, 0), silver(192, 192, 192);
  p.setPen(black);
  p.setBrush(navy);
  p.drawRect(3, 14, 25, 15);  // the cover
  p.setBrush(Qt::white);
  QPolygon leftPage({{4, 15}, {15, 13}, {15, 27}, {4, 28}});
  QPolygon rightPage({{16, 13}, {27, 15}, {27, 28}, {16, 27}});
  p.drawPolygon(leftPage);
  p.drawPolygon(rightPage);
  p.setPen(silver);
  for (int y = 17; y <= 25; y += 2) {
    p.drawLine(6, y, 13, y - 1);
    p.drawLine(18, y - 1, 25, y);
  }
  p.setPen(red);
  p.drawLine(21, 14, 21, 30);
  p.setPen(black);
  p.setBrush(Qt::white);
  p.drawRect(14, 6, 3, 7);  // the candle
  p.setPen(Qt::NoPen);
  p.setBrush(yellow);
  p.drawEllipse(QRect(13, 0, 5, 6));
  p.setBrush(red);
  p.drawEllipse(QRect(15, 3, 1, 2));
  return picture;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form1"));
  setUpFixedDialog(*this, QStringLiteral("O Tavrech Obce lirovské"), 540, 352);
  setBackground(*this, palette().color(QPalette::Button));

  BitBtn1 = closeButton(*this, 232, 320);
  html = helpViewer(*this, ssVertical);
  html->setGeometry(0, 0, 540, 313);
  setTabOrder(BitBtn1, html);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  FormCreate();
}

void TForm1::FormCreate() { loadIfPresent(*html, kDocumentFile); }

void TForm1::BitBtn1Click() { accept(); }

TOProgramu::TOProgramu(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OProgramu"));
  setUpFixedDialog(*this, QStringLiteral("O programu"), 521, 402);
  setBackground(*this, Qt::white);

  Button1 = closeButton(*this, 440, 16);

  Image2 = new QLabel(this);
  Image2->setGeometry(8, 8, 33, 33);
  Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image2->setPixmap(programPicture());

  myLabel3d1 = new TmyLabel3d(this);
  myLabel3d1->setGeometry(56, 16, 360, 30);
  myLabel3d1->SetFont({{"Times New Roman", 19, fsBold | fsItalic}, kNavy});
  myLabel3d1->SetTransparent(true);
  myLabel3d1->SetAStyle3D(Resit3d);
  myLabel3d1->SetAShadeLTSet(false);
  myLabel3d1->SetCaptionUtf8("TAVRA Obce lirovské verze 1.6");

  html = helpViewer(*this, ssBoth);
  html->setGeometry(0, 56, 521, 346);
  setTabOrder(Button1, html);
  connect(Button1, &QPushButton::clicked, this, &TOProgramu::Button1Click);
  FormCreate();
}

void TOProgramu::FormCreate() { loadIfPresent(*html, kDocumentFile); }

void TOProgramu::Button1Click() { accept(); }

}  // namespace tavra
