#pragma once
// The three companion windows of the "O programu" menu: the information windows `TForm1`
// and `TOProgramu` and the author window `TAutor`, children of the main window.
//
// They are made right after the main window's first paint rather than before it: nothing
// of them shows until their menu is used, which cannot happen before that paint, and
// making them (reading and parsing the help documents, matching the faces of their
// labels) would hold the first paint back. A command that wants one sooner makes them at
// once. Each still reads its document when it is made, so the files are read at start.

#include <QObject>
#include <string>

namespace tavra {

class TAutor;
class TForm1;
class TMainForm;
class TOProgramu;

class CompanionWindows : public QObject {
 public:
  // `programFolder` (with its trailing separator) is where the author window's picture lies.
  CompanionWindows(TMainForm& form, std::string programFolder);

  // Makes the windows and hands them to the main window's menu, once; the later calls do
  // nothing. A window that cannot be built is reported in Czech and left out (null).
  void make();
  bool made() const { return made_; }

  TForm1* Form1 = nullptr;
  TOProgramu* OProgramu = nullptr;
  TAutor* Autor = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TMainForm& form_;
  std::string programFolder_;
  bool made_ = false;
};

}  // namespace tavra
