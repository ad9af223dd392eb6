#include "html/qt/form_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "platform/qt/painter_canvas.h"
#include "platform/qt/qt_text.h"

namespace tavra {

QFont qfontFor(const FontSpec& face) {
  QFont font(QtFont::familyFor(face.name));
  font.setPixelSize(std::max(1, face.pixelSize()));
  font.setBold(face.style & fsBold);
  font.setItalic(face.style & fsItalic);
  return font;
}

FontSpec specFor(const QFont& font) {
  FontSpec face;
  face.name = font.family().toStdString();
  face.size = font.pixelSize() > 0 ? MulDiv(font.pixelSize(), 72, 96) : std::max(1, qRound(font.pointSizeF()));
  face.style = (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u);
  return face;
}

QColor qcolorFor(ColorRef colour) {
  ColorRef c = resolveColor(colour);
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

namespace {

std::string fromQt(const QString& text) { return text.toStdString(); }

// Reports the focus of the control's window to its owner.
class FocusWatcher : public QObject {
 public:
  FocusWatcher(QWidget* watched, FormWidget& owner) : QObject(watched), owner_(owner) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && owner_.OnFocusIn) owner_.OnFocusIn();
    if (event->type() == QEvent::FocusOut && owner_.OnFocusOut) owner_.OnFocusOut();
    return QObject::eventFilter(watched, event);
  }

 private:
  FormWidget& owner_;
};

// What all controls share: the outer window (placed and sized) and the one that takes
// the focus (the same, except for the radio button in its panel).
class QtFormWidget : public QtFormControl {
 public:
  QtFormWidget(QWidget* outer, QWidget* focusWidget, FontSpec font)
      : outer_(outer), inner_(focusWidget), font_(std::move(font)) {
    new FocusWatcher(focusWidget, *this);
    // Hidden until the document shows it in view: thousands of visible siblings make
    // every move of one cost a pass over all the others.
    outer->hide();
    // Each new widget posts its polish and layout requests, and every later request for
    // a widget with one pending searches the whole queue; handing them out now keeps the
    // queue short, so that a document's controls are made in linear time. Only those two
    // kinds: other posted work (a queued submission, a report) must not run mid-parse.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  }
  ~QtFormWidget() override {
    DetachHandlers();
    if (inner_ && inner_->hasFocus()) inner_->clearFocus();
    delete outer_.data();
  }

  int Left() const override { return outer_ ? outer_->x() : 0; }
  int Top() const override { return outer_ ? outer_->y() : 0; }
  int Width() const override { return outer_ ? outer_->width() : 0; }
  int Height() const override { return outer_ ? outer_->height() : 0; }
  void SetBounds(int left, int top, int width, int height) override {
    if (outer_) outer_->setGeometry(left, top, std::max(0, width), std::max(0, height));
  }
  void SetClientSize(int width, int height) override {
    QSize frame = frameSize();
    SetBounds(Left(), Top(), width < 0 ? Width() : width + frame.width(),
              height < 0 ? Height() : height + frame.height());
  }
  bool Visible() const override { return outer_ && outer_->isVisible(); }
  void SetVisible(bool visible) override {
    if (outer_) outer_->setVisible(visible);
  }
  void SetEnabled(bool enabled) override {
    if (outer_) outer_->setEnabled(enabled);
  }
  bool Focused() const override { return inner_ && inner_->hasFocus(); }
  void SetFocus() override {
    if (inner_) inner_->setFocus(Qt::OtherFocusReason);
  }
  FontSpec Font() const override { return font_; }
  QWidget* FocusWidget() const override { return inner_; }

 protected:
  // What the frame (and scroll bars) add around the client area.
  virtual QSize frameSize() const { return {0, 0}; }

  QPointer<QWidget> outer_;
  QPointer<QWidget> inner_;
  FontSpec font_;
};

}  // namespace

QWidget* formWidgetOf(FormWidget* control) {
  auto* widget = dynamic_cast<QtFormControl*>(control);
  return widget ? widget->FocusWidget() : nullptr;
}

namespace {

class QtEdit : public QtFormWidget {
 public:
  QtEdit(QLineEdit* edit, const FontSpec& font) : QtFormWidget(edit, edit, font), edit_(edit) {
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [this] {
      if (OnKeyPress) OnKeyPress(13);
    });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] {
      if (OnChange) OnChange();
    });
  }
  std::string Text() const override { return edit_ ? fromQt(edit_->text()) : std::string(); }
  void SetText(const std::string& text) override {
    if (edit_) edit_->setText(qtText(text));
  }

 private:
  QPointer<QLineEdit> edit_;
};

class QtButton : public QtFormWidget {
 public:
  QtButton(QPushButton* button, const FontSpec& font) : QtFormWidget(button, button, font), button_(button) {
    QObject::connect(button, &QPushButton::clicked, button, [this] {
      if (OnClick) OnClick();
    });
  }
  std::string Text() const override { return button_ ? fromQt(button_->text()) : std::string(); }
  void SetText(const std::string& text) override {
    if (button_) button_->setText(qtText(text));
  }

 private:
  QPointer<QPushButton> button_;
};

// A check box, or a radio button in its panel: clicking a radio button always checks it.
class QtCheck : public QtFormWidget {
 public:
  QtCheck(QWidget* outer, QAbstractButton* button, const FontSpec& font, bool radio)
      : QtFormWidget(outer, button, font), button_(button), panel_(radio ? outer : nullptr) {
    QObject::connect(button, &QAbstractButton::clicked, button, [this, radio] {
      if (radio && button_ && !button_->isChecked()) button_->setChecked(true);
      if (OnClick) OnClick();
    });
    QObject::connect(button, &QAbstractButton::toggled, button, [this] {
      if (OnChange) OnChange();
    });
  }
  bool Checked() const override { return button_ && button_->isChecked(); }
  void SetChecked(bool checked) override {
    if (button_) button_->setChecked(checked);
  }
  void SetBackground(ColorRef colour) override {
    if (!panel_) return;
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, qcolorFor(colour));
    panel_->setPalette(palette);
    panel_->setAutoFillBackground(true);
  }

 private:
  QPointer<QAbstractButton> button_;
  QPointer<QWidget> panel_;
};

class QtList : public QtFormWidget {
 public:
  QtList(QListWidget* list, const FontSpec& font) : QtFormWidget(list, list, font), list_(list) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
      if (OnChange) OnChange();
    });
  }
  void ClearItems() override {
    if (list_) list_->clear();
  }
  void AddItem(const std::string& text) override {
    if (list_) list_->addItem(qtText(text));
  }
  int ItemCount() const override { return list_ ? list_->count() : 0; }
  std::string ItemText(int index) const override {
    QListWidgetItem* item = itemAt(index);
    return item ? fromQt(item->text()) : std::string();
  }
  bool ItemSelected(int index) const override {
    QListWidgetItem* item = itemAt(index);
    return item && item->isSelected();
  }
  void SetItemSelected(int index, bool selected) override {
    if (QListWidgetItem* item = itemAt(index)) item->setSelected(selected);
  }
  int CurrentIndex() const override {
    if (!list_) return -1;
    if (multi()) return list_->currentRow();
    QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
  }
  void SetCurrentIndex(int index) override {
    if (!list_ || index < -1 || index >= list_->count()) return;
    if (multi())
      list_->setCurrentRow(index, QItemSelectionModel::NoUpdate);
    else
      list_->setCurrentRow(index);
  }
  void ScrollToTop() override {
    if (list_) list_->scrollToTop();
  }

 protected:
  QSize frameSize() const override {
    int f = list_ ? 2 * list_->frameWidth() : 0;
    return {f, f};
  }

 private:
  bool multi() const { return list_->selectionMode() == QAbstractItemView::ExtendedSelection; }
  QListWidgetItem* itemAt(int index) const {
    return list_ && index >= 0 && index < list_->count() ? list_->item(index) : nullptr;
  }
  QPointer<QListWidget> list_;
};

class QtCombo : public QtFormWidget {
 public:
  QtCombo(QComboBox* combo, const FontSpec& font) : QtFormWidget(combo, combo, font), combo_(combo) {
    QObject::connect(combo, &QComboBox::activated, combo, [this] {
      if (OnChange) OnChange();
    });
  }
  void ClearItems() override {
    if (combo_) combo_->clear();
  }
  void AddItem(const std::string& text) override {
    if (combo_) combo_->addItem(qtText(text));
  }
  int ItemCount() const override { return combo_ ? combo_->count() : 0; }
  std::string ItemText(int index) const override {
    return combo_ && index >= 0 && index < combo_->count() ? fromQt(combo_->itemText(index)) : std::string();
  }
  bool ItemSelected(int index) const override { return index >= 0 && index == CurrentIndex(); }
  int CurrentIndex() const override { return combo_ ? combo_->currentIndex() : -1; }
  void SetCurrentIndex(int index) override {
    if (combo_ && index >= -1 && index < combo_->count()) combo_->setCurrentIndex(index);
  }

 private:
  QPointer<QComboBox> combo_;
};

class QtMemo : public QtFormWidget {
 public:
  QtMemo(QPlainTextEdit* memo, const FontSpec& font) : QtFormWidget(memo, memo, font), memo_(memo) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [this] {
      if (OnChange) OnChange();
    });
  }
  std::string Text() const override { return memo_ ? fromQt(memo_->toPlainText()) : std::string(); }
  void SetText(const std::string& text) override {
    if (memo_) memo_->setPlainText(qtText(text));
  }
  void CaretToStart() override {
    if (!memo_) return;
    QTextCursor cursor = memo_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    memo_->setTextCursor(cursor);
    memo_->verticalScrollBar()->setValue(0);
    memo_->horizontalScrollBar()->setValue(0);
  }

 protected:
  QSize frameSize() const override {
    if (!memo_) return {0, 0};
    int f = 2 * memo_->frameWidth();
    int bar = memo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo_);
    bool vertical = memo_->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    bool horizontal = memo_->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    return {f + (vertical ? bar : 0), f + (horizontal ? bar : 0)};
  }

 private:
  QPointer<QPlainTextEdit> memo_;
};

}  // namespace

std::unique_ptr<QtFormControl> QtFormWidgetFactory::Make(const ControlSpec& wanted) {
  switch (wanted.kind) {
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(surface_);
      edit->setFont(qfontFor(wanted.font));
      if (wanted.password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet("QLineEdit { lineedit-password-character: 42 }");
      }
      if (wanted.maxLength > 0) edit->setMaxLength(wanted.maxLength);
      return std::make_unique<QtEdit>(edit, wanted.font);
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(qtText(wanted.text), surface_);
      button->setAutoDefault(false);
      return std::make_unique<QtButton>(button, specFor(button->font()));
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(surface_);
      return std::make_unique<QtCheck>(box, box, specFor(box->font()), false);
    }
    case ControlKind::Radio: {
      // A panel of its own: the toolkit groups nothing, the form groups by name.
      auto* panel = new QWidget(surface_);
      auto* radio = new QRadioButton(panel);
      radio->setAutoExclusive(false);
      radio->setGeometry(0, 0, 13, 14);
      return std::make_unique<QtCheck>(panel, radio, specFor(radio->font()), true);
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(surface_);
      list->setFont(qfontFor(wanted.font));
      list->setSelectionMode(wanted.multiSelect ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::SingleSelection);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      return std::make_unique<QtList>(list, wanted.font);
    }
    case ControlKind::Combo: {
      auto* combo = new QComboBox(surface_);
      combo->setEditable(false);
      combo->setFont(qfontFor(wanted.font));
      auto widget = std::make_unique<QtCombo>(combo, wanted.font);
      widget->SetBounds(0, -400, combo->sizeHint().width(), combo->sizeHint().height());
      return widget;
    }
    case ControlKind::Memo: {
      auto* memo = new QPlainTextEdit(surface_);
      memo->setFont(qfontFor(wanted.font));
      memo->setLineWrapMode(wanted.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      memo->setHorizontalScrollBarPolicy(wanted.wordWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
      return std::make_unique<QtMemo>(memo, wanted.font);
    }
  }
  return nullptr;
}

namespace {

ControlSpec specOf(ControlKind kind, const FontSpec& font = {}) {
  ControlSpec wanted;
  wanted.kind = kind;
  wanted.font = font;
  return wanted;
}

}  // namespace

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateEdit(const FontSpec& font, bool password, int maxLength) {
  ControlSpec wanted = specOf(ControlKind::Edit, font);
  wanted.password = password;
  wanted.maxLength = maxLength;
  return Make(wanted);
}

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateButton(const std::string& caption) {
  ControlSpec wanted = specOf(ControlKind::Button);
  wanted.text = caption;
  return Make(wanted);
}

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateCheckBox() { return Make(specOf(ControlKind::CheckBox)); }

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateRadioButton() { return Make(specOf(ControlKind::Radio)); }

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateListBox(const FontSpec& font, bool multiSelect) {
  ControlSpec wanted = specOf(ControlKind::ListBox, font);
  wanted.multiSelect = multiSelect;
  return Make(wanted);
}

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateComboBox(const FontSpec& font) {
  return Make(specOf(ControlKind::Combo, font));
}

std::unique_ptr<FormWidget> QtFormWidgetFactory::CreateMemo(const FontSpec& font, bool wordWrap) {
  ControlSpec wanted = specOf(ControlKind::Memo, font);
  wanted.wordWrap = wordWrap;
  return Make(wanted);
}

FontSpec QtFormWidgetFactory::ScreenFont() const { return specFor(QApplication::font()); }

}  // namespace tavra
