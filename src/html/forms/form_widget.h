#pragma once
// The window controls of HTML forms as the engine sees them. The engine stays free of any
// toolkit: the viewer hands the forms a factory of real widgets on its document surface,
// tests hand them widgets of fixed sizes. Text crosses this seam in UTF-8.

#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"

namespace tavra {

// One window control. Sizes and positions are outer pixels on the document surface;
// operations that do not apply to a kind of control do nothing and read as empty.
class FormWidget {
 public:
  virtual ~FormWidget() = default;

  // --- place
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  // The size inside the frame; a negative value keeps that dimension.
  virtual void SetClientSize(int width, int height) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;
  // The font the control draws with; sizes are measured in it.
  virtual FontSpec Font() const = 0;
  // The colour behind a radio button.
  virtual void SetBackground(ColorRef colour) { (void)colour; }

  // --- one-line edit, button caption, the whole text of a multi-line edit ("\n" between lines)
  virtual std::string Text() const { return {}; }
  virtual void SetText(const std::string& text) { (void)text; }
  // Multi-line edit: caret to the start, nothing selected, scrolled to the top.
  virtual void CaretToStart() {}

  // --- check box, radio button
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool checked) { (void)checked; }

  // --- list box, drop-down list
  virtual void ClearItems() {}
  virtual void AddItem(const std::string& text) { (void)text; }
  virtual int ItemCount() const { return 0; }
  virtual std::string ItemText(int index) const { (void)index; return {}; }
  virtual bool ItemSelected(int index) const { (void)index; return false; }
  virtual void SetItemSelected(int index, bool selected) { (void)index, (void)selected; }
  // The current item (the focus rectangle; in a single-selection box also the selected
  // one), -1 for none. Setting it in a multi-selection box leaves the selection alone.
  virtual int CurrentIndex() const { return -1; }
  virtual void SetCurrentIndex(int index) { (void)index; }
  virtual void ScrollToTop() {}

  // --- what the user does; the engine installs these
  std::function<void()> OnClick;
  std::function<void(char key)> OnKeyPress;  // Enter arrives as character 13
  std::function<void()> OnChange;
  std::function<void()> OnFocusIn;
  std::function<void()> OnFocusOut;

  // No more calls into the engine: the control object that listens is going away.
  void DetachHandlers() {
    OnClick = nullptr;
    OnKeyPress = nullptr;
    OnChange = nullptr;
    OnFocusIn = nullptr;
    OnFocusOut = nullptr;
  }
};

// Makes the controls, each a child of the document surface; the forms keep them out of
// sight until the paint places them.
class FormWidgetFactory {
 public:
  virtual ~FormWidgetFactory() = default;

  // `maxLength` < 0: no limit.
  virtual std::unique_ptr<FormWidget> CreateEdit(const FontSpec& font, bool password, int maxLength) = 0;
  // Takes the surface's font.
  virtual std::unique_ptr<FormWidget> CreateButton(const std::string& caption) = 0;
  virtual std::unique_ptr<FormWidget> CreateCheckBox() = 0;
  // A radio button in a panel of its own, so that the toolkit groups nothing.
  virtual std::unique_ptr<FormWidget> CreateRadioButton() = 0;
  virtual std::unique_ptr<FormWidget> CreateListBox(const FontSpec& font, bool multiSelect) = 0;
  // A fixed drop-down list without typing.
  virtual std::unique_ptr<FormWidget> CreateComboBox(const FontSpec& font) = 0;
  // Word wrap with a vertical scroll bar, or no wrap with both bars.
  virtual std::unique_ptr<FormWidget> CreateMemo(const FontSpec& font, bool wordWrap) = 0;
  // The screen's default font, which the drop-down list is measured with.
  virtual FontSpec ScreenFont() const = 0;
};

}  // namespace tavra
