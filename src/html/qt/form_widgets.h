#pragma once
// The window controls of HTML forms as Qt widgets on the viewer's document surface:
// QLineEdit, QPushButton, QCheckBox, a QRadioButton in a panel of its own, QListWidget,
// QComboBox and QPlainTextEdit. Text crosses to the toolkit through the code page.

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include "html/forms/form_widget.h"

namespace tavra {

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

 private:
  QPointer<QWidget> surface_;
};

}  // namespace tavra
