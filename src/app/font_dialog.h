#pragma once
// The font dialog of the text box: typeface, style, size, the effects underline and
// strike-out, and a text colour from the sixteen basic colours. It keeps its own last
// choice between runs.

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace tavra {

class FontDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FontDialog(QWidget* parent = nullptr);

  QFont font() const;
  void setFont(const QFont& font);
  QColor colour() const;
  // A colour outside the sixteen is added to the list.
  void setColour(const QColor& colour);

 private:
  QFontDialog* fonts_;
  QComboBox* colours_;
};

}  // namespace tavra
