// The second yardstick of start-up: the main window's widgets alone, as the toolkit makes
// them, showing the sample day's text, with nothing of the program behind them: no files
// read, no settings, no day document, no readings. What the program takes beyond this
// window is its own; what this window takes beyond the empty one is the toolkit's price
// of the widgets and the text.
//
//   same_widgets FILE WIDTH HEIGHT
#include <QApplication>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

#include "../first_paint_picture.h"

namespace {

QWidget* toolbar(QWidget* parent) {
  auto* bar = new QWidget(parent);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 2, 0, 2);
  row->setSpacing(0);
  const auto gap = [&](int width) {
    auto* gap = new QWidget(bar);
    gap->setFixedSize(width, 21);
    row->addWidget(gap);
  };
  const auto button = [&](const char* picture) {
    auto* button = new QToolButton(bar);
    button->setFixedSize(23, 21);
    button->setIconSize(QSize(16, 16));
    button->setIcon(QIcon(QStringLiteral(TAVRA_TOOLBAR_PICTURES "/%1.png").arg(QLatin1String(picture))));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QLatin1String(picture));
    row->addWidget(button);
  };
  gap(1);
  for (const char* picture : {"week_back", "day_back", "today", "day_forward", "week_forward"}) button(picture);
  gap(12);
  for (const char* picture : {"reading1", "reading2", "reading3"}) button(picture);
  gap(8);
  button("pericope");
  gap(12);
  auto* picker = new QDateEdit(bar);
  picker->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  picker->setDisplayFormat(QStringLiteral("d. MMMM yyyy"));
  picker->setCalendarPopup(true);
  picker->setDateRange(QDate(1901, 1, 1), QDate(2099, 12, 31));
  picker->setFixedSize(129, 21);
  picker->setDate(QDate(1999, 3, 15));
  row->addWidget(picker);
  gap(10);
  button("exit");
  gap(10);
  auto* clock = new QLabel(bar);
  clock->setFixedSize(57, 21);
  clock->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  clock->setAlignment(Qt::AlignCenter);
  row->addWidget(clock);
  row->addStretch(1);
  bar->setFixedHeight(25);
  return bar;
}

void menus(QMenuBar* bar) {
  struct Item {
    const char* caption;
    QKeySequence shortcut;
  };
  const auto menu = [bar](const char* caption, std::initializer_list<Item> items) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    for (const Item& item : items) {
      if (*item.caption) menu->addAction(QString::fromUtf8(item.caption))->setShortcut(item.shortcut);
      else menu->addSeparator();
    }
  };
  menu("&Tavra", {{"&Konec (jednou denně)", QKeySequence(Qt::ALT | Qt::Key_F4)}, {"Kone&c", Qt::Key_Escape}});
  menu("&Zobrazit", {{"&Zítra", Qt::Key_Right}, {"&Za týden", Qt::Key_PageDown}, {"", {}},
                     {"&Včera", Qt::Key_Left}, {"&Před týdnem", Qt::Key_PageUp}, {"", {}},
                     {"&Dnes", Qt::Key_Home}, {"", {}},
                     {"První čtení", QKeySequence(Qt::CTRL | Qt::Key_F1)},
                     {"Druhé čtení", QKeySequence(Qt::CTRL | Qt::Key_F2)},
                     {"Třetí čtení", QKeySequence(Qt::CTRL | Qt::Key_F3)},
                     {"Perikopa", QKeySequence(Qt::CTRL | Qt::Key_F4)}});
  menu("&Nastavení", {{"&Písmo...", {}}, {"&Barva podkladu", {}}, {"&Původní nastavení", {}}, {"&Ulož nastavení", {}}});
  menu("&O programu", {{"O &Tavrech OL", {}}, {"&O programu", {}}, {"&Autor", {}}});
}

// The sample day, as the text box shows it.
void dayText(QTextEdit& box) {
  QTextCursor cursor(box.document());
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  QTextCharFormat plain, bold, italic;
  bold.setFontWeight(QFont::Bold);
  italic.setFontItalic(true);
  cursor.beginEditBlock();
  cursor.setBlockFormat(centred);
  cursor.insertText(QStringLiteral("Pondělí 15. března 1999"), bold);
  cursor.insertBlock(centred, plain);
  cursor.insertBlock(centred, plain);
  cursor.insertText(QStringLiteral("Kdož nemiluje, nepoznal Boha; nebo Bůh láska jest.\u2028"), plain);
  cursor.insertText(QStringLiteral("1. Janova 4,8"), italic);
  cursor.insertBlock(centred, plain);
  cursor.insertBlock(centred, plain);
  cursor.insertText(QStringLiteral("Na počátku stvořil Bůh nebe a zemi.\u2028"), plain);
  cursor.insertText(QStringLiteral("Genesis 1,1"), italic);
  cursor.endEditBlock();
}

}  // namespace

int main(int argc, char** argv) {
  const int width = argc == 4 ? std::atoi(argv[2]) : 0;
  const int height = argc == 4 ? std::atoi(argv[3]) : 0;
  if (argc != 4 || width <= 0 || height <= 0 || width > 10000 || height > 10000) {
    std::fprintf(stderr, "usage: same_widgets FILE WIDTH HEIGHT\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Tavra Obce lirovské 1.6"));
  window.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  auto* text = new QTextEdit(&window);
  text->setReadOnly(true);
  text->setAcceptRichText(false);
  text->setUndoRedoEnabled(false);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  text->document()->setDocumentMargin(6);
  const QFont textFont(QStringLiteral("Times New Roman"), 10);
  text->setFont(textFont);
  text->document()->setDefaultFont(textFont);

  QWidget* bar = toolbar(&window);
  menus(window.menuBar());
  auto* client = new QWidget(&window);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(bar);
  column->addWidget(text, 1);
  window.setCentralWidget(client);
  window.resize(width, height);
  dayText(*text);

  auto* picture = new tavra::bench::FirstPaintPicture(window, QString::fromLocal8Bit(argv[1]));
  window.show();
  QApplication::exec();
  return picture->result;
}
