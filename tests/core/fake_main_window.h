#pragma once
// A main window for the day core's tests: it holds the values a real window would and logs
// every read and write, so that the order of the settings sequences can be checked.

#include <string>
#include <vector>

#include "app/core/main_window_controls.h"

namespace tavra::testing {

class FakeMainWindow : public MainWindowControls {
 public:
  // As the window is designed.
  int colour = 16777215;
  int textColour = 0;
  std::string font = "Times New Roman";
  int points = 10;
  int x = 100, y = 80, h = 300, w = 546;
  bool readingEnabled[4] = {true, true, true, true};
  mutable std::vector<std::string> log;

  int textBoxColour() const override { return get("textBoxColour", colour); }
  void setTextBoxColour(int v) override { colour = set("textBoxColour", v); }
  int fontColour() const override { return get("fontColour", textColour); }
  void setFontColour(int v) override { textColour = set("fontColour", v); }
  std::string fontName() const override {
    log.push_back("get fontName");
    return font;
  }
  void setFontName(const std::string& v) override {
    log.push_back("set fontName " + v);
    font = v;
  }
  int fontSize() const override { return get("fontSize", points); }
  void setFontSize(int v) override { points = set("fontSize", v); }
  int left() const override { return get("left", x); }
  void setLeft(int v) override { x = set("left", v); }
  int top() const override { return get("top", y); }
  void setTop(int v) override { y = set("top", v); }
  int height() const override { return get("height", h); }
  void setHeight(int v) override { h = set("height", v); }
  int width() const override { return get("width", w); }
  void setWidth(int v) override { w = set("width", v); }
  void centreWithSize(int width, int height) override {
    log.push_back("centre " + std::to_string(width) + "x" + std::to_string(height));
    w = width;
    h = height;
  }
  void setReadingCommandEnabled(ReadingCommand command, bool enabled) override {
    log.push_back("reading " + std::to_string(int(command)) + (enabled ? " on" : " off"));
    readingEnabled[int(command)] = enabled;
  }
  void disableInfoCommand(InfoDocument document) override {
    log.push_back(document == InfoDocument::DailyTexts ? "disable OTavrech" : "disable Pout1");
  }
  void showMessage(const std::string& text) override { log.push_back("message " + text); }

 private:
  int get(const char* name, int value) const {
    log.push_back(std::string("get ") + name);
    return value;
  }
  int set(const char* name, int value) {
    log.push_back(std::string("set ") + name + " " + std::to_string(value));
    return value;
  }
};

}  // namespace tavra::testing
