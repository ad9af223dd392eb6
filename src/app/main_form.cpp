#include "app/main_form.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/core/autostart.h"
#include "app/core/date_cursor.h"
#include "app/core/day_document.h"
#include "app/core/day_state.h"
#include "app/core/readings.h"
#include "app/core/settings.h"
#include "app/font_dialog.h"
#include "app/texts_search_dialog.h"
#include "platform/codepage.h"
#include "platform/date_time.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/qt/lazy_icon.h"
#include "platform/qt/rich_text_box.h"
#include "texts/year_import.h"
#include "windows/running_wait.h"

// The toolbar pictures and the icon live in the program's resources, which a static
// library must register explicitly.
static void initTavraResources() { Q_INIT_RESOURCE(tavra); }

namespace tavra {

namespace {

constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 21;
constexpr int kDesignedWidth = 546;
constexpr int kDesignedHeight = 260;
constexpr int kPickerWidth = 129;
constexpr int kClockWidth = 57;
// The largest font the text box takes (as the rich-text reader's largest size).
constexpr int kMaxFontPoints = 1638;
// The size taken as the desktop's when the desktop is smaller or unknown.
constexpr int kMinDesktop = 640;

QString fromBytes(const std::string& bytes) { return QString::fromStdU16String(cp1250::toUtf16(bytes)); }
std::string toBytes(const QString& text) { return cp1250::fromUtf16(text.toStdU16String()); }

// A gap between toolbar controls; the wider ones carry an etched line, as flat toolbars do.
class ToolSeparator : public QWidget {
 public:
  ToolSeparator(int width, QWidget* parent) : QWidget(parent) { setFixedSize(width, kButtonHeight); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (width() < 8) return;
    QPainter painter(this);
    const int x = width() / 2 - 1;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(x, 1, x, height() - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(x + 1, 1, x + 1, height() - 2);
  }
};

QIcon toolbarPicture(const char* name) {
  const QString base = QStringLiteral(":/toolbar/") + QLatin1String(name);
  return lazyIcon(base + QStringLiteral(".png"), base + QStringLiteral("_disabled.png"), QSize(16, 16));
}

}  // namespace

QColor colourFromColorRef(int colour) {
  if (colour >= 0) return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  // System colours: the low byte is the desktop's colour index.
  const QPalette palette = QApplication::palette();
  switch (colour & 0xFF) {
    case 5: return palette.color(QPalette::Base);             // window
    case 8: return palette.color(QPalette::Text);             // window text
    case 13: return palette.color(QPalette::Highlight);       // highlight
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);          // button face
    case 18: return palette.color(QPalette::ButtonText);
    case 24: return palette.color(QPalette::ToolTipBase);     // info background
    default: return palette.color(QPalette::Window);
  }
}

int colorRefFromColour(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

// What the day core sets and reads of the window.
class TMainForm::Controls : public MainWindowControls {
 public:
  explicit Controls(TMainForm& form) : form_(form) {}

  int textBoxColour() const override { return form_.textBoxColour_; }
  void setTextBoxColour(int colour) override { form_.setTextBoxColour(colour); }
  int fontColour() const override { return form_.fontColour_; }
  void setFontColour(int colour) override { form_.setFontColour(colour); }
  std::string fontName() const override { return toBytes(form_.textFont_.family()); }
  void setFontName(const std::string& name) override {
    QFont font = form_.textFont_;
    font.setFamily(fromBytes(name));
    form_.setTextFont(font);
  }
  int fontSize() const override { return form_.textFont_.pointSize(); }
  void setFontSize(int points) override {
    if (points <= 0) return;  // the toolkit has no font of that size; keep the current one
    QFont font = form_.textFont_;
    font.setPointSize(std::min(points, kMaxFontPoints));
    form_.setTextFont(font);
  }

  int left() const override { return form_.pos().x(); }
  // Far beyond the desktop the window's edges would overflow; there it is out of sight anyway.
  void setLeft(int left) override {
    const int reach = desktopSize().width();
    form_.move(std::clamp(left, -reach, reach), form_.pos().y());
  }
  int top() const override { return form_.pos().y(); }
  void setTop(int top) override {
    const int reach = desktopSize().height();
    form_.move(form_.pos().x(), std::clamp(top, -reach, reach));
  }
  int height() const override { return form_.frameGeometry().height(); }
  void setHeight(int height) override {
    // A size the desktop cannot show, or none at all, would overflow with the frame added.
    height = std::clamp(height, 1, std::max(1, desktopSize().height()));
    const int frame = form_.frameGeometry().height() - form_.QWidget::height();
    form_.resize(form_.QWidget::width(), std::max(1, height - frame));
    if (!form_.isVisible()) form_.pendingOuterSize_.setHeight(height);
  }
  int width() const override { return form_.frameGeometry().width(); }
  void setWidth(int width) override {
    width = std::clamp(width, 1, std::max(1, desktopSize().width()));
    const int frame = form_.frameGeometry().width() - form_.QWidget::width();
    form_.resize(std::max(1, width - frame), form_.QWidget::height());
    if (!form_.isVisible()) form_.pendingOuterSize_.setWidth(width);
  }
  void centreWithSize(int width, int height) override {
    setHeight(height);
    setWidth(width);
    const QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->geometry();
    const QRect outer = form_.frameGeometry();
    form_.move(desktop.x() + (desktop.width() - outer.width()) / 2,
               desktop.y() + (desktop.height() - outer.height()) / 2);
  }

  void setReadingCommandEnabled(ReadingCommand command, bool enabled) override {
    switch (command) {
      case ReadingCommand::First:
        form_.Cist1->setEnabled(enabled);
        form_.CteniN1->setEnabled(enabled);
        break;
      case ReadingCommand::Second:
        form_.Cist2->setEnabled(enabled);
        form_.CteniN2->setEnabled(enabled);
        break;
      case ReadingCommand::Third:
        form_.Cist3->setEnabled(enabled);
        form_.CteniN3->setEnabled(enabled);
        break;
      case ReadingCommand::Pericope:
        form_.Perikop->setEnabled(enabled);
        form_.Perikop2->setEnabled(enabled);
        break;
    }
  }
  void disableInfoCommand(InfoDocument document) override {
    (document == InfoDocument::DailyTexts ? form_.OTavrech : form_.Pout1)->setEnabled(false);
  }
  void showMessage(const std::string& text) override { showMessageBox(text); }

 private:
  // A window is never made larger than the whole desktop, whatever a settings file says.
  QSize desktopSize() const {
    const QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize().expandedTo(QSize(kMinDesktop, kMinDesktop)) : QSize(kMinDesktop, kMinDesktop);
  }

  TMainForm& form_;
};

TMainForm::TMainForm(std::string programFolder, std::string firstArgument, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(std::move(programFolder)),
      firstArgument_(std::move(firstArgument)),
      controls_(std::make_unique<Controls>(*this)),
      textFont_(QString::fromLatin1(DefaultFontName), DefaultFontSize),
      textBoxColour_(DefaultTextBoxColour),
      fontColour_(DefaultFontColour) {
  initTavraResources();
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Tavra Obce lirovské 1.6"));
  setWindowIcon(lazyIcon(QStringLiteral(":/tavra_48.png")));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  TextWindow = new RichTextBox(this);
  TextWindow->setObjectName(QStringLiteral("TextWindow"));
  TextWindow->setAccessibleName(QStringLiteral("Texty dne"));
  TextWindow->setDefaultAlignment(Qt::AlignHCenter);
  TextWindow->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  TextWindow->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TextWindow->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  TextWindow->document()->setDocumentMargin(6);

  buildToolbar();
  buildMenu();

  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(Lista);
  column->addWidget(TextWindow, 1);
  setCentralWidget(client);

  setTextFont(textFont_);
  setTextBoxColour(textBoxColour_);
  setFontColour(fontColour_);

  Exec.Wait = true;
  Exec.SetWindowState(wsNormal);
  Exec.ExeName = "bible.exe";
  // The viewer is waited for with the event loop running: the window paints and its clock
  // ticks, but it takes no command until the viewer ends.
  Exec.setWaiter([this](ChildProcess& viewer) { return waitRunningEvents(viewer, this); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, [this] { runReportingErrors([this] { Timer1Timer(); }); });
  connect(Timer1, &QTimer::timeout, this, [this] { runReportingErrors([this] { FollowToday(); }); });
  Timer1->start();

  resize(kDesignedWidth, kDesignedHeight);
  qApp->installEventFilter(this);
  // The settings speak of the outer size; the window's frame is known once it exists.
  winId();

  runReportingErrors([this] { FormCreate(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::buildToolbar() {
  Lista = new QWidget(this);
  Lista->setObjectName(QStringLiteral("Lista"));
  auto* row = new QHBoxLayout(Lista);
  row->setContentsMargins(0, 2, 0, 2);
  row->setSpacing(0);

  ToolButton4 = addSeparator("ToolButton4", 1);
  SpeedButton1 = addButton("SpeedButton1", "week_back", QStringLiteral("O týden zpět"), &TMainForm::SpeedButton1Click);
  SpeedButton2 = addButton("SpeedButton2", "day_back", QStringLiteral("Včera"), &TMainForm::SpeedButton2Click);
  SpeedButton9 = addButton("SpeedButton9", "today", QStringLiteral("Dnes"), &TMainForm::SpeedButton9Click);
  SpeedButton3 = addButton("SpeedButton3", "day_forward", QStringLiteral("Zítra"), &TMainForm::SpeedButton3Click);
  SpeedButton4 =
      addButton("SpeedButton4", "week_forward", QStringLiteral("O týden dopředu"), &TMainForm::SpeedButton4Click);
  ToolButton1 = addSeparator("ToolButton1", 12);
  Cist1 = addButton("Cist1", "reading1", QStringLiteral("První čtení"), &TMainForm::Cist1Click);
  Cist2 = addButton("Cist2", "reading2", QStringLiteral("Druhé čtení"), &TMainForm::Cist2Click);
  Cist3 = addButton("Cist3", "reading3", QStringLiteral("Třetí čtení"), &TMainForm::Cist3Click);
  ToolButton2 = addSeparator("ToolButton2", 8);
  Perikop = addButton("Perikop", "pericope", QStringLiteral("Perikopa"), &TMainForm::PerikopClick);
  ToolButton3 = addSeparator("ToolButton3", 12);

  Skoc = new QDateEdit(Lista);
  Skoc->setObjectName(QStringLiteral("Skoc"));
  Skoc->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  Skoc->setDisplayFormat(QString::fromStdString(longDateFormat()));
  Skoc->setCalendarPopup(true);
  Skoc->setDateRange(QDate(1901, 1, 1), QDate(2099, 12, 31));
  Skoc->setFixedSize(kPickerWidth, kButtonHeight);
  Skoc->setToolTip(QStringLiteral("Přejít na konkrétní datum"));
  Skoc->setAccessibleName(Skoc->toolTip());
  connect(Skoc, &QDateEdit::dateChanged, this, [this] { runReportingErrors([this] { SkocChange(); }); });
  Lista->layout()->addWidget(Skoc);

  ToolButton6 = addSeparator("ToolButton6", 10);
  SpeedButton8 = addButton("SpeedButton8", "exit", QStringLiteral("Ukončit program"), &TMainForm::SpeedButton8Click);
  ToolButton5 = addSeparator("ToolButton5", 10);

  Panel1 = new QLabel(Lista);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedSize(kClockWidth, kButtonHeight);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setAccessibleName(QStringLiteral("Hodiny"));
  Lista->layout()->addWidget(Panel1);
  static_cast<QHBoxLayout*>(Lista->layout())->addStretch(1);
  Lista->setFixedHeight(kButtonHeight + 4);
}

QToolButton* TMainForm::addButton(const char* name, const char* picture, const QString& hint,
                                  void (TMainForm::*handler)()) {
  auto* button = new QToolButton(Lista);
  button->setObjectName(QLatin1String(name));
  button->setFixedSize(kButtonWidth, kButtonHeight);
  button->setIconSize(QSize(16, 16));
  button->setIcon(toolbarPicture(picture));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolTip(hint);
  // A picture alone says nothing to a screen reader: the button is called by its hint.
  button->setAccessibleName(hint);
  connect(button, &QToolButton::clicked, this, [this, handler] { runReportingErrors([&] { (this->*handler)(); }); });
  Lista->layout()->addWidget(button);
  return button;
}

QWidget* TMainForm::addSeparator(const char* name, int width) {
  auto* separator = new ToolSeparator(width, Lista);
  separator->setObjectName(QLatin1String(name));
  Lista->layout()->addWidget(separator);
  return separator;
}

QAction* TMainForm::addItem(QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& shortcut, void (TMainForm::*handler)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [this, handler] { runReportingErrors([&] { (this->*handler)(); }); });
  return action;
}

void TMainForm::buildMenu() {
  QMenuBar* bar = menuBar();
  const auto menu = [bar](const char* name, const QString& caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    return m;
  };
  const auto separator = [](QMenu* m, const char* name) {
    QAction* s = m->addSeparator();
    s->setObjectName(QLatin1String(name));
    return s;
  };

  Tavra = menu("Tavra", QStringLiteral("&Tavra"));
  PridatTexty = addItem(Tavra, "PridatTexty", QStringLiteral("&Přidat texty roku…"), QKeySequence(),
                        &TMainForm::PridatTextyClick);
  N0 = separator(Tavra, "N0");
  Konec2 = addItem(Tavra, "Konec2", QStringLiteral("&Konec (jednou denně)"), QKeySequence(Qt::ALT | Qt::Key_F4),
                   &TMainForm::Konec2Click);
  Konec1 = addItem(Tavra, "Konec1", QStringLiteral("Kone&c"), QKeySequence(Qt::Key_Escape), &TMainForm::Konec1Click);

  Zobrazit = menu("Zobrazit", QStringLiteral("&Zobrazit"));
  Den2 = addItem(Zobrazit, "Den2", QStringLiteral("&Zítra"), QKeySequence(Qt::Key_Right), &TMainForm::Den2Click);
  Tden1 = addItem(Zobrazit, "Tden1", QStringLiteral("&Za týden"), QKeySequence(Qt::Key_PageDown), &TMainForm::Tden1Click);
  N1 = separator(Zobrazit, "N1");
  Den1 = addItem(Zobrazit, "Den1", QStringLiteral("&Včera"), QKeySequence(Qt::Key_Left), &TMainForm::Den1Click);
  Tden2 = addItem(Zobrazit, "Tden2", QStringLiteral("&Před týdnem"), QKeySequence(Qt::Key_PageUp), &TMainForm::Tden2Click);
  N2 = separator(Zobrazit, "N2");
  Dnes1 = addItem(Zobrazit, "Dnes1", QStringLiteral("&Dnes"), QKeySequence(Qt::Key_Home), &TMainForm::Dnes1Click);
  HledatTexty = addItem(Zobrazit, "HledatTexty", QStringLiteral("&Hledat v textech…"), QKeySequence::Find,
                        &TMainForm::HledatTextyClick);
  N3 = separator(Zobrazit, "N3");
  CteniN1 = addItem(Zobrazit, "CteniN1", QStringLiteral("První čtení"), QKeySequence(Qt::CTRL | Qt::Key_F1),
                    &TMainForm::CteniN1Click);
  CteniN2 = addItem(Zobrazit, "CteniN2", QStringLiteral("Druhé čtení"), QKeySequence(Qt::CTRL | Qt::Key_F2),
                    &TMainForm::CteniN2Click);
  CteniN3 = addItem(Zobrazit, "CteniN3", QStringLiteral("Třetí čtení"), QKeySequence(Qt::CTRL | Qt::Key_F3),
                    &TMainForm::CteniN3Click);
  Perikop2 = addItem(Zobrazit, "Perikop2", QStringLiteral("Perikopa"), QKeySequence(Qt::CTRL | Qt::Key_F4),
                     &TMainForm::Perikop2Click);

  Nastaven1 = menu("Nastaven1", QStringLiteral("&Nastavení"));
  Psmo1 = addItem(Nastaven1, "Psmo1", QStringLiteral("&Písmo..."), QKeySequence(), &TMainForm::Psmo1Click);
  Barvapodkladu1 = addItem(Nastaven1, "Barvapodkladu1", QStringLiteral("&Barva podkladu"), QKeySequence(),
                           &TMainForm::Barvapodkladu1Click);
  Puvnast = addItem(Nastaven1, "Puvnast", QStringLiteral("&Původní nastavení"), QKeySequence(), &TMainForm::PuvnastClick);
  Ulonastaven = addItem(Nastaven1, "Ulonastaven", QStringLiteral("&Ulož nastavení"), QKeySequence(),
                        &TMainForm::UlonastavenClick);
  Nastaven1->addSeparator();
  Spoustet = Nastaven1->addAction(QStringLiteral("&Spouštět po přihlášení"));
  Spoustet->setObjectName(QStringLiteral("Spoustet"));
  Spoustet->setCheckable(true);
  connect(Spoustet, &QAction::triggered, this, [this](bool on) { runReportingErrors([&] { SpoustetClick(on); }); });
  // The entry may come or go outside the program: the mark is read when the menu opens.
  connect(Nastaven1, &QMenu::aboutToShow, this, [this] { Spoustet->setChecked(autostartEntryExists()); });

  Oprogramu1 = menu("Oprogramu1", QStringLiteral("&O programu"));
  OTavrech = addItem(Oprogramu1, "OTavrech", QStringLiteral("O &Tavrech OL"), QKeySequence(), &TMainForm::OTavrechClick);
  Pout1 = addItem(Oprogramu1, "Pout1", QStringLiteral("&O programu"), QKeySequence(), &TMainForm::Pout1Click);
  Autoi1 = addItem(Oprogramu1, "Autoi1", QStringLiteral("&Autor"), QKeySequence(), &TMainForm::Autoi1Click);
}

void TMainForm::setCompanionWindows(QWidget* form1, QWidget* oProgramu, QWidget* autor) {
  form1_ = form1;
  oProgramu_ = oProgramu;
  autor_ = autor;
}

void TMainForm::setCompanionMaker(std::function<void()> make) { makeCompanions_ = std::move(make); }

void TMainForm::makeCompanions() {
  if (makeCompanions_) std::exchange(makeCompanions_, nullptr)();
}

std::string TMainForm::programFolder() const { return programFolder_.empty() ? ExeDir() : programFolder_; }

void TMainForm::setTextBoxColour(int colour) {
  textBoxColour_ = colour;
  QPalette palette = TextWindow->palette();
  palette.setColor(QPalette::Base, colourFromColorRef(colour));
  TextWindow->setPalette(palette);
}

void TMainForm::setFontColour(int colour) {
  fontColour_ = colour;
  QPalette palette = TextWindow->palette();
  palette.setColor(QPalette::Text, colourFromColorRef(colour));
  TextWindow->setPalette(palette);
}

void TMainForm::setTextFont(const QFont& font) {
  textFont_ = font;
  TextWindow->setFont(font);
  TextWindow->document()->setDefaultFont(font);
}

// ---- the refresh and the creation step ----

void TMainForm::FormShow() {
  DayState& state = dayState();
  DateCursor& cursor = dateCursor();
  ClearReadings(state);
  state.DateText = shortDateText(cursor.CursorToDate());
  QApplication::setApplicationName(QStringLiteral("Tavra ") + fromBytes(state.DateText));
  dayDocument().BuildDayDocument(cursor.Day, cursor.Month, cursor.Year);
  LoadReadings(state, programFolder());
  TextWindow->loadRtfFile(DayDocumentFileName, MaxDayDocumentSize);
  TextWindow->setUpdatesEnabled(false);
  TextWindow->applyFontToAll(textFont_.family(), textFont_.pointSize(), colourFromColorRef(fontColour_));
  TextWindow->setUpdatesEnabled(true);
  const QString date = fromBytes(state.DateText);
  const auto hint = [](QToolButton* button, const QString& text) {
    button->setToolTip(text);
    button->setAccessibleName(text);
  };
  hint(Cist1, QStringLiteral("První čtení na ") + date);
  hint(Cist2, QStringLiteral("Druhé čtení na ") + date);
  hint(Cist3, QStringLiteral("Třetí čtení na ") + date);
  hint(Perikop, QStringLiteral("Perikopa na ") + date);
  if (Tag == 1) ApplyReadingAvailability(*controls_, state);
  const Date shown = cursor.CursorToDate();
  // Setting the picker is not a change by the user.
  const QSignalBlocker quiet(Skoc);
  Skoc->setDate(QDate(shown.year, shown.month, shown.day));
}

void TMainForm::FormCreate() {
  DayState& state = dayState();
  dateCursor().SetCursorToToday();
  todayWatch_.note(dateCursor().CursorToDate());
  LoadSettings(*controls_, state, programFolder());
  LoadReadings(state, programFolder());
  ApplyReadingAvailability(*controls_, state);
  Tag = 1;
  CheckInfoFiles(*controls_, programFolder());
}

void TMainForm::FormActivate() {
  if (ShouldCloseOnceADay(firstArgument_, dateCursor(), dayState())) close();
}

void TMainForm::FormResize() { FormShow(); }

// ---- navigation ----

void TMainForm::Den1Click() {
  dateCursor().StepDayBack();
  FormShow();
}

void TMainForm::Den2Click() {
  dateCursor().StepDayForward();
  FormShow();
}

void TMainForm::Tden1Click() {
  dateCursor().StepWeekForward();
  FormShow();
}

void TMainForm::Tden2Click() {
  dateCursor().StepWeekBack();
  FormShow();
}

void TMainForm::Dnes1Click() {
  if (today() != dateCursor().CursorToDate()) dateCursor().SetCursorToToday();
  FormShow();
}

void TMainForm::SkocChange() {
  const QDate picked = Skoc->date();
  dateCursor().SetCursorFromPicker(Date{picked.year(), picked.month(), picked.day()});
  FormShow();
}

void TMainForm::SpeedButton1Click() { Tden2Click(); }
void TMainForm::SpeedButton2Click() { Den1Click(); }
void TMainForm::SpeedButton9Click() { Dnes1Click(); }
void TMainForm::SpeedButton3Click() { Den2Click(); }
void TMainForm::SpeedButton4Click() { Tden1Click(); }
void TMainForm::SpeedButton8Click() { Konec2Click(); }

// ---- readings ----

void TMainForm::LaunchReading(ReadingCommand command) {
  const ReadingLaunch launch = DecideReadingLaunch(command, dayState(), programFolder());
  if (!launch.viewerFound) {
    controls_->showMessage(launch.message);
    return;
  }
  Exec.ExeName = launch.commandLine;
  Exec.Execute();
}

void TMainForm::Cist1Click() { LaunchReading(ReadingCommand::First); }
void TMainForm::Cist2Click() { LaunchReading(ReadingCommand::Second); }
void TMainForm::Cist3Click() { LaunchReading(ReadingCommand::Third); }
void TMainForm::PerikopClick() { LaunchReading(ReadingCommand::Pericope); }
void TMainForm::CteniN1Click() { Cist1Click(); }
void TMainForm::CteniN2Click() { Cist2Click(); }
void TMainForm::CteniN3Click() { Cist3Click(); }
void TMainForm::Perikop2Click() { PerikopClick(); }

// ---- look and settings ----

FontDialog& TMainForm::fontDialog() {
  if (!FontDlg) {
    FontDlg = new FontDialog(this);
    FontDlg->setObjectName(QStringLiteral("FontDlg"));
    FontDlg->setFont(QFont(QString::fromLatin1(DefaultFontName), DefaultFontSize));
    FontDlg->setColour(Qt::black);
  }
  return *FontDlg;
}

QColorDialog& TMainForm::colorDialog() {
  if (!ColorDialog1) {
    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    ColorDialog1->setOption(QColorDialog::DontUseNativeDialog);
  }
  return *ColorDialog1;
}

void TMainForm::Psmo1Click() {
  FontDialog& dialog = fontDialog();
  if (dialog.exec() != QDialog::Accepted) return;
  setTextFont(dialog.font());
  setFontColour(colorRefFromColour(dialog.colour()));
  FormShow();
}

void TMainForm::Barvapodkladu1Click() {
  QColorDialog& dialog = colorDialog();
  if (dialog.exec() != QDialog::Accepted) return;
  setTextBoxColour(colorRefFromColour(dialog.currentColor()));
  FormShow();
}

void TMainForm::PuvnastClick() {
  ResetLookAndSettingsFile(*controls_);
  FormCreate();
  FormShow();
}

void TMainForm::UlonastavenClick() { SaveSettings(*controls_, programFolder()); }

// ---- adding a year ----

QFileDialog& TMainForm::openDialog() {
  if (!OpenDialog) {
    OpenDialog = new QFileDialog(this, QStringLiteral("Přidat texty roku"), QDir::homePath());
    OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
    OpenDialog->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog->setNameFilters({QStringLiteral("Texty roku (*.xml *.XML *.tsv *.TSV *.txt *.TXT)"),
                                QStringLiteral("Všechny soubory (*)")});
  }
  return *OpenDialog;
}

void TMainForm::PridatTextyClick() {
  QFileDialog& dialog = openDialog();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string file = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
  const texts::ImportReport report = texts::importYearFile(file, 0, programFolder());
  const bool written = report.outcome != texts::ImportReport::Outcome::NothingWritten;
  if (written) showImportedYear(report.year);
  showMessageBox(texts::importSummary(report), MessageButtons::Ok,
                 report.outcome == texts::ImportReport::Outcome::Written ? MessageIcon::Information : MessageIcon::Error);
}

void TMainForm::showImportedYear(int year) {
  // The year is read anew even when it is the one shown.
  dayDocument().LoadedYear = 0;
  DateCursor& cursor = dateCursor();
  if (cursor.Year != year) {
    const Date now = heldToday();
    cursor.SetCursorFromPicker(now.year == year ? now : Date{year, 1, 1});
  }
  FormShow();
}

// ---- searching the texts ----

TextsSearchDialog& TMainForm::searchDialog() {
  if (!SearchDlg) {
    SearchDlg = new TextsSearchDialog(
        programFolder(),
        [this](const Date& day) {
          dateCursor().SetCursorFromPicker(day);
          FormShow();
        },
        this);
    SearchDlg->setObjectName(QStringLiteral("SearchDlg"));
  }
  return *SearchDlg;
}

void TMainForm::HledatTextyClick() { searchDialog().exec(); }

void TMainForm::SpoustetClick(bool on) {
  const std::string program = QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath().toStdString();
  const std::string problem = on ? writeAutostartEntry(program) : removeAutostartEntry();
  Spoustet->setChecked(autostartEntryExists());
  if (!problem.empty()) showMessageBox(problem, MessageButtons::Ok, MessageIcon::Error);
}

// ---- windows and exits ----

void TMainForm::showCompanion(QWidget* TMainForm::*which) {
  makeCompanions();
  QWidget* window = this->*which;
  if (!window) {
    // Its creation failed at start-up and was reported then; a silent menu item would
    // look broken.
    reportError("Toto okno se při spuštění programu nepodařilo vytvořit.");
    return;
  }
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->exec();
    return;
  }
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
}

void TMainForm::OTavrechClick() { showCompanion(&TMainForm::form1_); }
void TMainForm::Pout1Click() { showCompanion(&TMainForm::oProgramu_); }
void TMainForm::Autoi1Click() { showCompanion(&TMainForm::autor_); }

void TMainForm::Konec1Click() { close(); }

void TMainForm::Konec2Click() {
  RecordExitOnceADay(programFolder());
  close();
}

void TMainForm::Timer1Timer() {
  Panel1->setText(fromBytes(longTimeText(timeNow())));
  // Its name says what it is; screen readers hear the time as its description.
  Panel1->setAccessibleDescription(Panel1->text());
}

void TMainForm::FollowToday() {
  if (todayWatch_.follow(dateCursor(), heldToday())) FormShow();
}

// ---- window events ----

QAction* TMainForm::previewedAction(const QKeyEvent& key) const {
  const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
  for (QAction* action : {Konec2, Konec1, Den2, Tden1, Den1, Tden2, Dnes1, CteniN1, CteniN2, CteniN3, Perikop2}) {
    if (action->isEnabled() && action->shortcut() == pressed) return action;
  }
  return nullptr;
}

// While a menu is open, or the menu bar holds the keyboard (after Alt, or after Esc closed
// a menu), the menus own the plain keys: arrows walk them, Esc backs out of them.
bool TMainForm::menusHoldTheKeyboard() const {
  return QApplication::activePopupWidget() != nullptr || qobject_cast<QMenuBar*>(QApplication::focusWidget());
}

// Key preview: the menu's shortcut keys reach the window before the focused control, so
// the arrows, Page Up, Page Down and Home step the date even inside the text box.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  const auto& key = *static_cast<QKeyEvent*>(event);
  QAction* action = widget ? previewedAction(key) : nullptr;
  if (!action) return QMainWindow::eventFilter(watched, event);
  const bool plainKey = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  // An open menu hands the keys it does not use to the menu bar; there they walk the bar.
  const bool menuKey = plainKey && (menusHoldTheKeyboard() || qobject_cast<QMenuBar*>(widget));
  if (!menuKey && widget->window() != this) return QMainWindow::eventFilter(watched, event);
  if (type == QEvent::ShortcutOverride) {
    // Taken here, so that the key press comes to the menus or to this filter rather than
    // to the window's shortcut of the same key.
    event->accept();
    return true;
  }
  if (menuKey) return false;
  action->trigger();
  return true;
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  applyPendingOuterSize();
  // A desktop without frames never gives one; the size then stands as it is.
  QTimer::singleShot(2000, this, [this] { pendingOuterSize_ = QSize(); });
  runReportingErrors([this] { FormShow(); });
  // Where the desktop does not activate the new window, the once-a-day check still runs.
  QTimer::singleShot(0, this, [this] {
    if (activatedOnce_) return;
    activatedOnce_ = true;
    runReportingErrors([this] { FormActivate(); });
  });
}

void TMainForm::applyPendingOuterSize() {
  if ((pendingOuterSize_.width() <= 0 && pendingOuterSize_.height() <= 0) || !isVisible()) return;
  const QSize frame = frameGeometry().size() - size();
  if (frame.width() <= 0 && frame.height() <= 0) return;  // not framed yet
  const QSize outer = pendingOuterSize_;
  pendingOuterSize_ = QSize();
  resize(outer.width() > 0 ? std::max(1, outer.width() - frame.width()) : width(),
         outer.height() > 0 ? std::max(1, outer.height() - frame.height()) : height());
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  applyPendingOuterSize();
  if (isVisible()) runReportingErrors([this] { FormResize(); });
}

void TMainForm::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  applyPendingOuterSize();
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    // Activation from another window of this program (or the first one) runs the check;
    // coming back from another program does not.
    if (!activatedOnce_ || lostActivationToOwnWindow_) {
      activatedOnce_ = true;
      lostActivationToOwnWindow_ = false;
      runReportingErrors([this] { FormActivate(); });
    }
  } else {
    QWidget* now = QApplication::activeWindow();
    lostActivationToOwnWindow_ = now != nullptr && now != this;
  }
}

}  // namespace tavra
