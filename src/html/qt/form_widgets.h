#pragma once
// The window controls of HTML forms as Qt widgets on the viewer's document surface:
// QLineEdit, QPushButton, QCheckBox, a QRadioButton in a panel of its own, QListWidget,
// QComboBox and QPlainTextEdit. Text crosses to the toolkit through the code page.

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "html/forms/form_widget.h"

namespace tavra {

enum class ControlKind { Edit, Button, CheckBox, Radio, ListBox, Combo, Memo };

// What a control is made as. Buttons, check boxes and radio buttons take the surface's
// font, whatever `font` says.
struct ControlSpec {
  ControlKind kind = ControlKind::Edit;
  FontSpec font;
  bool password = false;
  int maxLength = -1;
  bool multiSelect = false;
  bool wordWrap = false;
  std::string text;  // a button's caption; other controls are given their text once made
};

// A control whose window is a widget of the toolkit, or may become one.
class QtFormControl : public FormWidget {
 public:
  // The widget that takes the focus, null while there is none.
  virtual QWidget* FocusWidget() const = 0;
};

// The widget of a control that takes the focus, null for none, for another kind of
// control, or for one whose widget is not made yet.
QWidget* formWidgetOf(FormWidget* control);

// The toolkit's font for a font of the document, and back; the colour of a ColorRef.
QFont qfontFor(const FontSpec& face);
FontSpec specFor(const QFont& font);
QColor qcolorFor(ColorRef colour);

class QtFormWidgetFactory : public FormWidgetFactory {
 public:
  // Controls become children of `surface`; they go with it if it goes first.
  explicit QtFormWidgetFactory(QWidget* surface) : surface_(surface) {}

  std::unique_ptr<FormWidget> CreateEdit(const FontSpec& font, bool password, int maxLength) override;
  std::unique_ptr<FormWidget> CreateButton(const std::string& caption) override;
  std::unique_ptr<FormWidget> CreateCheckBox() override;
  std::unique_ptr<FormWidget> CreateRadioButton() override;
  std::unique_ptr<FormWidget> CreateListBox(const FontSpec& font, bool multiSelect) override;
  std::unique_ptr<FormWidget> CreateComboBox(const FontSpec& font) override;
  std::unique_ptr<FormWidget> CreateMemo(const FontSpec& font, bool wordWrap) override;
  FontSpec ScreenFont() const override;

  // The control of `wanted`, as the one made by its Create... call, for a caller that keeps
  // the widget's own interface.
  std::unique_ptr<QtFormControl> Make(const ControlSpec& wanted);

 private:
  QPointer<QWidget> surface_;
};

}  // namespace tavra
