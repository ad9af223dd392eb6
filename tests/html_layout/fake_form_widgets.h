#pragma once
// Form controls without a toolkit: fixed sizes, state kept in plain fields, and helpers
// that act as the user would (click, type, press Enter, move the focus).
//
// Framed controls (list box, drop-down list, multi-line edit) have a 2-pixel frame, so
// their outer size is the client size plus 4. Buttons and the screen use an 8-point font.

#include <memory>
#include <string>
#include <vector>

#include "html/forms/form_widget.h"

namespace tavra::testing {

enum class FakeKind { Edit, Button, CheckBox, Radio, ListBox, Combo, Memo };

class FakeFormWidgetFactory;

class FakeFormWidget : public FormWidget {
 public:
  FakeFormWidget(FakeFormWidgetFactory& factory, FakeKind kind, FontSpec font, int frame)
      : factory_(factory), kind(kind), font(std::move(font)), frame(frame) {}
  ~FakeFormWidget() override;

  FakeFormWidgetFactory& factory_;
  FakeKind kind;
  FontSpec font;
  int frame;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  bool enabled = true;
  bool focused = false;
  ColorRef background = 0;
  std::string text;
  bool checked = false;
  bool password = false;
  int maxLength = -1;
  bool multiSelect = false;
  bool wordWrap = false;
  std::vector<std::string> items;
  std::vector<bool> selected;
  int current = -1;
  int topItem = 0;
  int caret = -1;

  int Left() const override { return left; }
  int Top() const override { return top; }
  int Width() const override { return width; }
  int Height() const override { return height; }
  void SetBounds(int l, int t, int w, int h) override { left = l, top = t, width = w, height = h; }
  void SetClientSize(int w, int h) override {
    if (w >= 0) width = w + 2 * frame;
    if (h >= 0) height = h + 2 * frame;
  }
  bool Visible() const override { return visible; }
  void SetVisible(bool v) override { visible = v; }
  void SetEnabled(bool e) override { enabled = e; }
  bool Focused() const override { return focused; }
  void SetFocus() override;
  FontSpec Font() const override { return font; }
  void SetBackground(ColorRef colour) override { background = colour; }

  std::string Text() const override { return text; }
  void SetText(const std::string& t) override {
    text = maxLength > 0 && int(t.size()) > maxLength ? t.substr(0, std::size_t(maxLength)) : t;
  }
  void CaretToStart() override { caret = 0; }
  bool Checked() const override { return checked; }
  void SetChecked(bool c) override { checked = c; }

  void ClearItems() override {
    items.clear();
    selected.clear();
    current = -1;
  }
  void AddItem(const std::string& t) override {
    items.push_back(t);
    selected.push_back(false);
  }
  int ItemCount() const override { return int(items.size()); }
  std::string ItemText(int i) const override { return i >= 0 && i < ItemCount() ? items[std::size_t(i)] : ""; }
  bool ItemSelected(int i) const override {
    if (i < 0 || i >= ItemCount()) return false;
    return multiSelect ? bool(selected[std::size_t(i)]) : i == current;
  }
  void SetItemSelected(int i, bool s) override {
    if (i >= 0 && i < ItemCount()) selected[std::size_t(i)] = s;
  }
  int CurrentIndex() const override { return current; }
  void SetCurrentIndex(int i) override {
    if (i >= -1 && i < ItemCount()) current = i;
  }
  void ScrollToTop() override { topItem = 0; }

  // --- the user
  void click() {
    if (kind == FakeKind::CheckBox) checked = !checked;
    if (kind == FakeKind::Radio) checked = true;
    if (OnClick) OnClick();
  }
  void type(const std::string& t) {
    SetText(t);
    if (OnChange) OnChange();
  }
  void pressEnter() {
    if (OnKeyPress) OnKeyPress(13);
  }
};

class FakeFormWidgetFactory : public FormWidgetFactory {
 public:
  static FontSpec surfaceFont() {
    FontSpec face;
    face.name = "MS Sans Serif";
    face.size = 8;
    return face;
  }

  std::vector<FakeFormWidget*> created;  // still alive, in order of creation
  FakeFormWidget* focus = nullptr;

  std::unique_ptr<FormWidget> CreateEdit(const FontSpec& font, bool password, int maxLength) override {
    auto w = make(FakeKind::Edit, font, 0);
    w->password = password;
    w->maxLength = maxLength;
    return w;
  }
  std::unique_ptr<FormWidget> CreateButton(const std::string& caption) override {
    auto w = make(FakeKind::Button, surfaceFont(), 0);
    w->text = caption;
    return w;
  }
  std::unique_ptr<FormWidget> CreateCheckBox() override { return make(FakeKind::CheckBox, surfaceFont(), 0); }
  std::unique_ptr<FormWidget> CreateRadioButton() override { return make(FakeKind::Radio, surfaceFont(), 0); }
  std::unique_ptr<FormWidget> CreateListBox(const FontSpec& font, bool multiSelect) override {
    auto w = make(FakeKind::ListBox, font, 2);
    w->multiSelect = multiSelect;
    return w;
  }
  std::unique_ptr<FormWidget> CreateComboBox(const FontSpec& font) override {
    auto w = make(FakeKind::Combo, font, 2);
    w->height = 21;
    return w;
  }
  std::unique_ptr<FormWidget> CreateMemo(const FontSpec& font, bool wordWrap) override {
    auto w = make(FakeKind::Memo, font, 2);
    w->wordWrap = wordWrap;
    return w;
  }
  FontSpec ScreenFont() const override { return surfaceFont(); }

  // Moves the focus as the toolkit would: out of the old window, into the new one.
  void setFocus(FakeFormWidget* widget) {
    if (focus == widget) return;
    FakeFormWidget* old = focus;
    focus = widget;
    if (old) {
      old->focused = false;
      if (old->OnFocusOut) old->OnFocusOut();
    }
    if (widget) {
      widget->focused = true;
      if (widget->OnFocusIn) widget->OnFocusIn();
    }
  }

  void forget(FakeFormWidget* widget) {
    if (focus == widget) focus = nullptr;
    std::erase(created, widget);
  }

 private:
  std::unique_ptr<FakeFormWidget> make(FakeKind kind, const FontSpec& font, int frame) {
    auto w = std::make_unique<FakeFormWidget>(*this, kind, font, frame);
    created.push_back(w.get());
    return w;
  }
};

inline FakeFormWidget::~FakeFormWidget() { factory_.forget(this); }
inline void FakeFormWidget::SetFocus() { factory_.setFocus(this); }

}  // namespace tavra::testing
