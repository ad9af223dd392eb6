#pragma once
// The two information windows: `TForm1` about the daily texts ("Info.prg") and
// `TOProgramu` about the program ("OProgramu.prg"). Each loads its document once, when it
// is created at start-up, and keeps it (and the reader's scroll position) between showings.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tavra {

class ThtmlViewer;
class TmyLabel3d;

class TForm1 : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kDocumentFile = "Info.prg";

  explicit TForm1(QWidget* parent = nullptr);

  ThtmlViewer* html = nullptr;
  QPushButton* BitBtn1 = nullptr;

  void FormCreate();
  void BitBtn1Click();
};

class TOProgramu : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kDocumentFile = "OProgramu.prg";

  explicit TOProgramu(QWidget* parent = nullptr);

  QLabel* Image2 = nullptr;
  TmyLabel3d* myLabel3d1 = nullptr;
  QPushButton* Button1 = nullptr;
  ThtmlViewer* html = nullptr;

  void FormCreate();
  void Button1Click();
};

}  // namespace tavra
