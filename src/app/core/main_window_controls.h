#pragma once
// What the day core needs of the main window: its look, its bounds and the enabling of its
// commands. The window implements this; tests implement it with a recording fake.

#include <string>

namespace tavra {

// The four reading commands: a toolbar button and a menu item each.
enum class ReadingCommand { First, Second, Third, Pericope };

// The two information documents beside the program, each with its menu item.
enum class InfoDocument {
  DailyTexts,  // "Info.prg", menu item OTavrech
  Program,     // "OProgramu.prg", menu item Pout1
};

class MainWindowControls {
 public:
  virtual ~MainWindowControls() = default;

  // Colours are 0x00BBGGRR, or negative system-colour numbers.
  virtual int textBoxColour() const = 0;  // background of the text box
  virtual void setTextBoxColour(int colour) = 0;
  virtual int fontColour() const = 0;  // colour of the text box's font
  virtual void setFontColour(int colour) = 0;
  virtual std::string fontName() const = 0;  // Windows-1250 bytes
  virtual void setFontName(const std::string& name) = 0;
  virtual int fontSize() const = 0;  // points
  virtual void setFontSize(int points) = 0;

  // Outer bounds of the main window in pixels.
  virtual int left() const = 0;
  virtual void setLeft(int left) = 0;
  virtual int top() const = 0;
  virtual void setTop(int top) = 0;
  virtual int height() const = 0;
  virtual void setHeight(int height) = 0;
  virtual int width() const = 0;
  virtual void setWidth(int width) = 0;
  // Sets height, then width, then centres the window on the desktop.
  virtual void centreWithSize(int width, int height) = 0;

  // Enables or disables a reading command's toolbar button and menu item together.
  virtual void setReadingCommandEnabled(ReadingCommand command, bool enabled) = 0;
  // Disables the menu item that shows an information document.
  virtual void disableInfoCommand(InfoDocument document) = 0;
  // Shows a modal message box (caption the application title, one OK button). UTF-8 text.
  virtual void showMessage(const std::string& text) = 0;
};

}  // namespace tavra
