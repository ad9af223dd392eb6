#include "app/companion_windows.h"

#include <QEvent>
#include <QTimer>

#include <exception>
#include <utility>

#include "app/main_form.h"
#include "platform/message_box.h"
#include "windows/autor.h"
#include "windows/info_windows.h"

namespace tavra {

namespace {

template <class Make>
void makeOrReport(const char* title, Make&& make) {
  try {
    make();
  } catch (const std::exception& e) {
    reportError(std::string("Okno \u201E") + title + "\u201C nelze vytvořit: " + e.what());
  } catch (...) {
    reportError(std::string("Okno \u201E") + title + "\u201C nelze vytvořit.");
  }
}

}  // namespace

CompanionWindows::CompanionWindows(TMainForm& form, std::string programFolder)
    : QObject(&form), form_(form), programFolder_(std::move(programFolder)) {
  form.installEventFilter(this);
  form.setCompanionMaker([this] { make(); });
}

void CompanionWindows::make() {
  if (made_) return;
  made_ = true;
  form_.removeEventFilter(this);
  makeOrReport("O Tavrech OL", [&] { Form1 = new TForm1(&form_); });
  makeOrReport("O programu", [&] { OProgramu = new TOProgramu(&form_); });
  makeOrReport("Autor programu", [&] { Autor = new TAutor(programFolder_, &form_); });
  form_.setCompanionWindows(Form1, OProgramu, Autor);
}

bool CompanionWindows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched == &form_) {
    form_.removeEventFilter(this);
    // Once this paint is over and shown. A main window already closed again (by the
    // once-a-day check) ends the program; it needs no companions.
    QTimer::singleShot(0, this, [this] {
      if (form_.isVisible()) make();
    });
  }
  return false;
}

}  // namespace tavra
