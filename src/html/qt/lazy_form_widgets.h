#pragma once
// Form controls whose widgets are made only when wanted. A document may hold thousands of
// controls, and the toolkit spends time on every child widget of the surface, shown or
// not; so each control starts as its state alone (place, text, check mark, items), is
// drawn by the viewer as a picture of itself, and becomes a real widget when the viewer
// brings it near the view, the user clicks its picture, or it takes the focus. From then
// on the widget holds the state, until the control goes or the viewer, holding too many
// widgets, lets one far from the view go back to its state alone.

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "html/qt/form_widgets.h"

class QPainter;

namespace tavra {

// What a control shows before it has a widget; enough to draw it and to make the widget.
struct ControlState : ControlSpec {
  QRect bounds{0, 0, 0, 0};  // on the surface
  bool visible = false;
  bool enabled = true;
  bool checked = false;
  std::vector<std::string> items;
  std::vector<bool> selected;
  int current = -1;
  std::optional<ColorRef> background;
};

class LazyFormWidgetFactory;

class LazyFormWidget : public QtFormControl {
 public:
  LazyFormWidget(LazyFormWidgetFactory& factory, ControlState state);
  ~LazyFormWidget() override;

  bool Real() const { return static_cast<bool>(real_); }
  // Makes the widget from the state; nothing when it is made already.
  void Realize();
  // Back to the state alone: the widget's text, check mark and items are kept, and the
  // widget goes. Nothing for a control with the focus, or that its window gives the focus
  // back to.
  void Release();
  const ControlState& State() const { return state_; }
  // The factory is going first: from now on the control is its state alone.
  void FactoryGone();

  QWidget* FocusWidget() const override { return real_ ? real_->FocusWidget() : nullptr; }
  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetClientSize(int width, int height) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  bool Focused() const override;
  // Taking the focus makes the widget.
  void SetFocus() override;
  FontSpec Font() const override { return state_.font; }
  void SetBackground(ColorRef colour) override;

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void CaretToStart() override;

  bool Checked() const override;
  void SetChecked(bool checked) override;

  void ClearItems() override;
  void AddItem(const std::string& text) override;
  int ItemCount() const override;
  std::string ItemText(int index) const override;
  bool ItemSelected(int index) const override;
  void SetItemSelected(int index, bool selected) override;
  int CurrentIndex() const override;
  void SetCurrentIndex(int index) override;
  void ScrollToTop() override;

 private:
  bool listLike() const { return state_.kind == ControlKind::ListBox || state_.kind == ControlKind::Combo; }

  LazyFormWidgetFactory* factory_;
  std::list<LazyFormWidget*>::iterator place_;  // in the factory's list of live controls
  ControlState state_;
  std::unique_ptr<QtFormControl> real_;
};

class LazyFormWidgetFactory : public FormWidgetFactory {
 public:
  explicit LazyFormWidgetFactory(QWidget* surface);
  ~LazyFormWidgetFactory() override;

  std::unique_ptr<FormWidget> CreateEdit(const FontSpec& font, bool password, int maxLength) override;
  std::unique_ptr<FormWidget> CreateButton(const std::string& caption) override;
  std::unique_ptr<FormWidget> CreateCheckBox() override;
  std::unique_ptr<FormWidget> CreateRadioButton() override;
  std::unique_ptr<FormWidget> CreateListBox(const FontSpec& font, bool multiSelect) override;
  std::unique_ptr<FormWidget> CreateComboBox(const FontSpec& font) override;
  std::unique_ptr<FormWidget> CreateMemo(const FontSpec& font, bool wordWrap) override;
  FontSpec ScreenFont() const override { return real_.ScreenFont(); }

  // Makes the widget of a control of this factory; false for any other control.
  static bool Realize(FormWidget* control);
  // Draws the controls without a widget that are shown and meet `clip` (surface
  // coordinates) with `painter` set to surface coordinates.
  void PaintPictures(QPainter& painter, const QRect& clip) const;
  // The shown control without a widget at a point of the surface, or null.
  LazyFormWidget* PictureAt(const QPoint& point) const;
  // How many controls have their widget now.
  int RealCount() const;
  // Called whenever a control gains or loses its widget (for those who list the widgets:
  // assistive technology).
  void SetOnWidgetsChanged(std::function<void()> handler) { onWidgetsChanged_ = std::move(handler); }

  // --- for the controls
  // The widget of a control as its state says.
  std::unique_ptr<QtFormControl> MakeWidget(const ControlSpec& wanted);
  // What the frame of a list box or multi-line edit adds around its client area, as the
  // widget would have it.
  QSize FrameSize(const ControlState& state);
  std::list<LazyFormWidget*>::iterator Enlist(LazyFormWidget* control);
  void Forget(std::list<LazyFormWidget*>::iterator place);
  void WidgetsChanged() const;

 private:
  // A control of `kind` in `font`, or in the surface's font without one.
  ControlState stateOf(ControlKind kind, std::optional<FontSpec> font) const;
  std::unique_ptr<FormWidget> adopt(ControlState state);
  int comboHeight(const FontSpec& font);

  QPointer<QWidget> surface_;
  QtFormWidgetFactory real_;
  std::list<LazyFormWidget*> live_;
  std::function<void()> onWidgetsChanged_;
  // Widgets never shown, asked only for their measures.
  std::unique_ptr<QWidget> measureList_;
  std::unique_ptr<QWidget> measureMemo_;
  std::vector<std::pair<std::string, int>> comboHeights_;  // by font
};

}  // namespace tavra
