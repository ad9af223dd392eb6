#pragma once
// TMainForm: the program's main window. A toolbar, a menu and a read-only rich-text box
// with the texts of one day; it runs the day's refresh, the navigation, the readings, the
// look settings, the clock and the exit-once-a-day mode. The file work is the day core's.

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/core/main_window_controls.h"
#include "app/core/today_watch.h"
#include "windows/app_exec.h"

class QAction;
class QColorDialog;
class QDateEdit;
class QFileDialog;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace tavra {

class FontDialog;
class TextsSearchDialog;
class RichTextBox;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `programFolder` (with its trailing separator) stands for ExeDir() when not empty;
  // `firstArgument` is the program's first command-line argument. Runs FormCreate.
  explicit TMainForm(std::string programFolder = {}, std::string firstArgument = {},
                     QWidget* parent = nullptr);
  ~TMainForm() override;

  // The windows of the "O programu" menu, shown modally by its three commands; a command
  // whose window is not set does nothing.
  void setCompanionWindows(QWidget* form1, QWidget* oProgramu, QWidget* autor);
  // Makes the companion windows (and sets them) when a command wants one before they were
  // made; called once at most.
  void setCompanionMaker(std::function<void()> make);

  std::string programFolder() const;

  // Event handlers.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormResize();

  void Den1Click();
  void Den2Click();
  void Tden1Click();
  void Tden2Click();
  void Dnes1Click();
  void SkocChange();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton9Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton8Click();

  void Cist1Click();
  void Cist2Click();
  void Cist3Click();
  void PerikopClick();
  void CteniN1Click();
  void CteniN2Click();
  void CteniN3Click();
  void Perikop2Click();

  void Psmo1Click();
  void Barvapodkladu1Click();
  void PuvnastClick();
  void UlonastavenClick();
  // Writes or removes the desktop entry that starts the program at login.
  void SpoustetClick(bool on);

  // Imports a year's texts from a file the user picks into the program's folder, says what
  // was imported or why nothing was, and shows the new year.
  void PridatTextyClick();
  // Lists the days whose texts hold the words sought; the one chosen is shown.
  void HledatTextyClick();

  void OTavrechClick();
  void Pout1Click();
  void Autoi1Click();
  void Konec1Click();
  void Konec2Click();

  void Timer1Timer();
  // Moves a window that shows today on to the new today when the date has changed.
  void FollowToday();

  // Controls, named as the window describes them.
  int Tag = 0;
  RichTextBox* TextWindow = nullptr;
  QWidget* Lista = nullptr;
  QWidget* ToolButton4 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton9 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QWidget* ToolButton1 = nullptr;
  QToolButton* Cist1 = nullptr;
  QToolButton* Cist2 = nullptr;
  QToolButton* Cist3 = nullptr;
  QWidget* ToolButton2 = nullptr;
  QToolButton* Perikop = nullptr;
  QWidget* ToolButton3 = nullptr;
  QDateEdit* Skoc = nullptr;
  QWidget* ToolButton6 = nullptr;
  QToolButton* SpeedButton8 = nullptr;
  QWidget* ToolButton5 = nullptr;
  QLabel* Panel1 = nullptr;

  QMenu* Tavra = nullptr;
  QAction* PridatTexty = nullptr;
  QAction* HledatTexty = nullptr;
  QAction* N0 = nullptr;
  QAction* Konec2 = nullptr;
  QAction* Konec1 = nullptr;
  QMenu* Zobrazit = nullptr;
  QAction* Den2 = nullptr;
  QAction* Tden1 = nullptr;
  QAction* N1 = nullptr;
  QAction* Den1 = nullptr;
  QAction* Tden2 = nullptr;
  QAction* N2 = nullptr;
  QAction* Dnes1 = nullptr;
  QAction* N3 = nullptr;
  QAction* CteniN1 = nullptr;
  QAction* CteniN2 = nullptr;
  QAction* CteniN3 = nullptr;
  QAction* Perikop2 = nullptr;
  QMenu* Nastaven1 = nullptr;
  QAction* Psmo1 = nullptr;
  QAction* Barvapodkladu1 = nullptr;
  QAction* Puvnast = nullptr;
  QAction* Ulonastaven = nullptr;
  QAction* Spoustet = nullptr;
  QMenu* Oprogramu1 = nullptr;
  QAction* OTavrech = nullptr;
  QAction* Pout1 = nullptr;
  QAction* Autoi1 = nullptr;

  // The dialogs exist from their first use on and keep their choice between uses; making
  // them is a good part of a start-up that shows neither.
  FontDialog* FontDlg = nullptr;
  QColorDialog* ColorDialog1 = nullptr;
  QFileDialog* OpenDialog = nullptr;
  TextsSearchDialog* SearchDlg = nullptr;
  QTimer* Timer1 = nullptr;
  TAppExec Exec;

  // The look of the text box: its font (name, size, style), the font's colour and the
  // background, colours as 0x00BBGGRR or negative system colours.
  const QFont& textFont() const { return textFont_; }
  int textBoxColour() const { return textBoxColour_; }
  int fontColour() const { return fontColour_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  class Controls;
  friend class Controls;

  void buildToolbar();
  void buildMenu();
  FontDialog& fontDialog();
  QColorDialog& colorDialog();
  QFileDialog& openDialog();
  TextsSearchDialog& searchDialog();
  // Shows the imported year at once: the shown day when it lies in that year, else today
  // when that does, else the year's first day.
  void showImportedYear(int year);
  QToolButton* addButton(const char* name, const char* picture, const QString& hint,
                         void (TMainForm::*handler)());
  QWidget* addSeparator(const char* name, int width);
  QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                   void (TMainForm::*handler)());
  void LaunchReading(ReadingCommand command);
  void makeCompanions();
  // Makes the companion windows if they are not yet, then shows the one `which` names.
  void showCompanion(QWidget* TMainForm::*which);
  void setTextBoxColour(int colour);
  void setFontColour(int colour);
  void setTextFont(const QFont& font);
  void applyPendingOuterSize();
  QAction* previewedAction(const QKeyEvent& key) const;
  bool menusHoldTheKeyboard() const;

  std::string programFolder_;
  std::string firstArgument_;
  std::unique_ptr<Controls> controls_;
  QFont textFont_;
  int textBoxColour_;
  int fontColour_;
  bool updatingPicker_ = false;
  bool activatedOnce_ = false;
  // An outer size set while the window's frame was not yet known (0 = none); applied once
  // the desktop has framed the window, so that saved and loaded sizes agree.
  QSize pendingOuterSize_;
  bool lostActivationToOwnWindow_ = false;
  QWidget* form1_ = nullptr;
  QWidget* oProgramu_ = nullptr;
  QWidget* autor_ = nullptr;
  std::function<void()> makeCompanions_;
  TodayWatch todayWatch_;
};

// The colour of a 0x00BBGGRR value or a negative system colour.
QColor colourFromColorRef(int colour);
int colorRefFromColour(const QColor& colour);

}  // namespace tavra
