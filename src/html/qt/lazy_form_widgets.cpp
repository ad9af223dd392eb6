#include "html/qt/lazy_form_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <algorithm>
#include <optional>

#include "html/qt/control_pictures.h"

namespace tavra {

// ---------------------------------------------------------------- one control

LazyFormWidget::LazyFormWidget(LazyFormWidgetFactory& factory, ControlState state)
    : factory_(&factory), place_(factory.Enlist(this)), state_(std::move(state)) {}

LazyFormWidget::~LazyFormWidget() {
  DetachHandlers();
  real_.reset();
  if (factory_) factory_->Forget(place_);
}

void LazyFormWidget::FactoryGone() { factory_ = nullptr; }

void LazyFormWidget::Realize() {
  if (real_ || !factory_) return;
  real_ = factory_->MakeWidget(state_);
  if (!real_) return;
  FormWidget& w = *real_;
  const ControlState& s = state_;
  w.SetBounds(s.bounds.x(), s.bounds.y(), s.bounds.width(), s.bounds.height());
  w.SetEnabled(s.enabled);
  if (s.background) w.SetBackground(*s.background);
  switch (s.kind) {
    case ControlKind::Edit:
    case ControlKind::Button: w.SetText(s.text); break;
    case ControlKind::Memo:
      w.SetText(s.text);
      w.CaretToStart();
      break;
    case ControlKind::CheckBox:
    case ControlKind::Radio: w.SetChecked(s.checked); break;
    case ControlKind::ListBox:
    case ControlKind::Combo:
      for (const std::string& item : s.items) w.AddItem(item);
      if (s.multiSelect)
        for (std::size_t i = 0; i < s.selected.size(); ++i) w.SetItemSelected(int(i), s.selected[i]);
      if (s.current >= 0 || s.multiSelect) w.SetCurrentIndex(s.current);
      w.ScrollToTop();
      break;
  }
  // Only what the user does from here on reaches the engine.
  w.OnClick = [this] {
    if (OnClick) OnClick();
  };
  w.OnKeyPress = [this](char key) {
    if (OnKeyPress) OnKeyPress(key);
  };
  w.OnChange = [this] {
    if (OnChange) OnChange();
  };
  w.OnFocusIn = [this] {
    if (OnFocusIn) OnFocusIn();
  };
  w.OnFocusOut = [this] {
    if (OnFocusOut) OnFocusOut();
  };
  w.SetVisible(s.visible);
  factory_->WidgetsChanged();
}

void LazyFormWidget::Release() {
  if (!real_ || !factory_) return;
  // Nor the one that gets the focus back when its window is active again.
  QWidget* widget = FocusWidget();
  if (real_->Focused() || (widget && widget->window()->focusWidget() == widget)) return;
  const FormWidget& w = *real_;
  ControlState& s = state_;
  s.bounds = QRect(w.Left(), w.Top(), w.Width(), w.Height());
  switch (s.kind) {
    case ControlKind::Edit:
    case ControlKind::Button:
    case ControlKind::Memo: s.text = w.Text(); break;
    case ControlKind::CheckBox:
    case ControlKind::Radio: s.checked = w.Checked(); break;
    case ControlKind::ListBox:
    case ControlKind::Combo:
      s.items.clear();
      s.selected.clear();
      for (int i = 0; i < w.ItemCount(); ++i) {
        s.items.push_back(w.ItemText(i));
        s.selected.push_back(s.multiSelect && w.ItemSelected(i));
      }
      s.current = w.CurrentIndex();
      break;
  }
  real_->DetachHandlers();
  real_.reset();
  factory_->WidgetsChanged();
}

int LazyFormWidget::Left() const { return real_ ? real_->Left() : state_.bounds.x(); }
int LazyFormWidget::Top() const { return real_ ? real_->Top() : state_.bounds.y(); }
int LazyFormWidget::Width() const { return real_ ? real_->Width() : state_.bounds.width(); }
int LazyFormWidget::Height() const { return real_ ? real_->Height() : state_.bounds.height(); }

void LazyFormWidget::SetBounds(int left, int top, int width, int height) {
  if (real_) return real_->SetBounds(left, top, width, height);
  state_.bounds = QRect(left, top, std::max(0, width), std::max(0, height));
}

void LazyFormWidget::SetClientSize(int width, int height) {
  if (real_) return real_->SetClientSize(width, height);
  const QSize frame = factory_ ? factory_->FrameSize(state_) : QSize();
  SetBounds(Left(), Top(), width < 0 ? Width() : width + frame.width(),
            height < 0 ? Height() : height + frame.height());
}

bool LazyFormWidget::Visible() const { return real_ ? real_->Visible() : state_.visible; }

void LazyFormWidget::SetVisible(bool visible) {
  state_.visible = visible;
  if (real_) real_->SetVisible(visible);
}

void LazyFormWidget::SetEnabled(bool enabled) {
  state_.enabled = enabled;
  if (real_) real_->SetEnabled(enabled);
}

bool LazyFormWidget::Focused() const { return real_ && real_->Focused(); }

void LazyFormWidget::SetFocus() {
  Realize();
  if (real_) real_->SetFocus();
}

void LazyFormWidget::SetBackground(ColorRef colour) {
  if (state_.kind != ControlKind::Radio) return;
  state_.background = colour;
  if (real_) real_->SetBackground(colour);
}

std::string LazyFormWidget::Text() const {
  if (real_) return real_->Text();
  const ControlKind k = state_.kind;
  return k == ControlKind::Edit || k == ControlKind::Button || k == ControlKind::Memo ? state_.text : std::string();
}

void LazyFormWidget::SetText(const std::string& text) {
  if (real_) return real_->SetText(text);
  const ControlKind k = state_.kind;
  if (k != ControlKind::Edit && k != ControlKind::Button && k != ControlKind::Memo) return;
  state_.text = text;
  // The one-line edit keeps no more than its maximum length, counted as the toolkit does.
  if (k == ControlKind::Edit && state_.maxLength > 0) {
    QString shown = QString::fromStdString(text);
    if (shown.size() > state_.maxLength) state_.text = shown.left(state_.maxLength).toStdString();
  }
}

void LazyFormWidget::CaretToStart() {
  if (real_) real_->CaretToStart();
}

bool LazyFormWidget::Checked() const {
  if (real_) return real_->Checked();
  return (state_.kind == ControlKind::CheckBox || state_.kind == ControlKind::Radio) && state_.checked;
}

void LazyFormWidget::SetChecked(bool checked) {
  if (real_) return real_->SetChecked(checked);
  if (state_.kind == ControlKind::CheckBox || state_.kind == ControlKind::Radio) state_.checked = checked;
}

void LazyFormWidget::ClearItems() {
  if (real_) return real_->ClearItems();
  if (!listLike()) return;
  state_.items.clear();
  state_.selected.clear();
  state_.current = -1;
}

void LazyFormWidget::AddItem(const std::string& text) {
  if (real_) return real_->AddItem(text);
  if (!listLike()) return;
  state_.items.push_back(text);
  state_.selected.push_back(false);
  // A drop-down list shows its first item as soon as it has one.
  if (state_.kind == ControlKind::Combo && state_.current < 0) state_.current = 0;
}

int LazyFormWidget::ItemCount() const { return real_ ? real_->ItemCount() : int(state_.items.size()); }

std::string LazyFormWidget::ItemText(int index) const {
  if (real_) return real_->ItemText(index);
  return index >= 0 && index < ItemCount() ? state_.items[std::size_t(index)] : std::string();
}

bool LazyFormWidget::ItemSelected(int index) const {
  if (real_) return real_->ItemSelected(index);
  if (index < 0 || index >= ItemCount()) return false;
  return state_.multiSelect ? bool(state_.selected[std::size_t(index)]) : index == state_.current;
}

void LazyFormWidget::SetItemSelected(int index, bool selected) {
  if (real_) return real_->SetItemSelected(index, selected);
  if (index < 0 || index >= ItemCount()) return;
  if (state_.multiSelect)
    state_.selected[std::size_t(index)] = selected;
  else if (selected)
    state_.current = index;
  else if (index == state_.current && state_.kind == ControlKind::ListBox)
    state_.current = -1;
}

int LazyFormWidget::CurrentIndex() const { return real_ ? real_->CurrentIndex() : state_.current; }

void LazyFormWidget::SetCurrentIndex(int index) {
  if (real_) return real_->SetCurrentIndex(index);
  if (listLike() && index >= -1 && index < ItemCount()) state_.current = index;
}

void LazyFormWidget::ScrollToTop() {
  if (real_) real_->ScrollToTop();
}

// ---------------------------------------------------------------- the factory

LazyFormWidgetFactory::LazyFormWidgetFactory(QWidget* surface) : surface_(surface), real_(surface) {}

LazyFormWidgetFactory::~LazyFormWidgetFactory() {
  for (LazyFormWidget* control : live_) control->FactoryGone();
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::adopt(ControlState state) {
  return std::make_unique<LazyFormWidget>(*this, std::move(state));
}

std::list<LazyFormWidget*>::iterator LazyFormWidgetFactory::Enlist(LazyFormWidget* control) {
  return live_.insert(live_.end(), control);
}

void LazyFormWidgetFactory::Forget(std::list<LazyFormWidget*>::iterator place) { live_.erase(place); }

void LazyFormWidgetFactory::WidgetsChanged() const {
  if (onWidgetsChanged_) onWidgetsChanged_();
}

int LazyFormWidgetFactory::RealCount() const {
  return int(std::count_if(live_.begin(), live_.end(), [](const LazyFormWidget* control) { return control->Real(); }));
}

ControlState LazyFormWidgetFactory::stateOf(ControlKind kind, std::optional<FontSpec> font) const {
  ControlState s;
  s.kind = kind;
  // Buttons, check boxes and radio buttons take the surface's font, as their widgets do.
  s.font = font ? *font : specFor(surface_ ? surface_->font() : QApplication::font());
  return s;
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateEdit(const FontSpec& font, bool password, int maxLength) {
  ControlState s = stateOf(ControlKind::Edit, font);
  s.password = password;
  s.maxLength = maxLength;
  return adopt(std::move(s));
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateButton(const std::string& caption) {
  ControlState s = stateOf(ControlKind::Button, std::nullopt);
  s.text = caption;
  return adopt(std::move(s));
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateCheckBox() {
  return adopt(stateOf(ControlKind::CheckBox, std::nullopt));
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateRadioButton() {
  return adopt(stateOf(ControlKind::Radio, std::nullopt));
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateListBox(const FontSpec& font, bool multiSelect) {
  ControlState s = stateOf(ControlKind::ListBox, font);
  s.multiSelect = multiSelect;
  return adopt(std::move(s));
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateComboBox(const FontSpec& font) {
  ControlState s = stateOf(ControlKind::Combo, font);
  s.bounds = QRect(0, -400, 0, comboHeight(font));
  return adopt(std::move(s));
}

std::unique_ptr<FormWidget> LazyFormWidgetFactory::CreateMemo(const FontSpec& font, bool wordWrap) {
  ControlState s = stateOf(ControlKind::Memo, font);
  s.wordWrap = wordWrap;
  return adopt(std::move(s));
}

std::unique_ptr<QtFormControl> LazyFormWidgetFactory::MakeWidget(const ControlSpec& wanted) { return real_.Make(wanted); }

bool LazyFormWidgetFactory::Realize(FormWidget* control) {
  auto* lazy = dynamic_cast<LazyFormWidget*>(control);
  if (!lazy) return false;
  lazy->Realize();
  return true;
}

QSize LazyFormWidgetFactory::FrameSize(const ControlState& state) {
  if (state.kind == ControlKind::ListBox) {
    if (!measureList_) measureList_ = std::make_unique<QListWidget>();
    const int f = 2 * static_cast<QListWidget*>(measureList_.get())->frameWidth();
    return {f, f};
  }
  if (state.kind == ControlKind::Memo) {
    if (!measureMemo_) measureMemo_ = std::make_unique<QPlainTextEdit>();
    auto* memo = static_cast<QPlainTextEdit*>(measureMemo_.get());
    const int f = 2 * memo->frameWidth();
    const int bar = memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo);
    return {f + bar, f + (state.wordWrap ? 0 : bar)};
  }
  return {0, 0};
}

int LazyFormWidgetFactory::comboHeight(const FontSpec& font) {
  const std::string key = font.name + "/" + std::to_string(font.size) + "/" + std::to_string(font.style);
  for (const auto& [name, height] : comboHeights_)
    if (name == key) return height;
  QComboBox combo;
  combo.setEditable(false);
  combo.setFont(qfontFor(font));
  const int height = combo.sizeHint().height();
  comboHeights_.emplace_back(key, height);
  return height;
}

void LazyFormWidgetFactory::PaintPictures(QPainter& painter, const QRect& clip) const {
  if (!surface_) return;
  for (const LazyFormWidget* control : live_) {
    const ControlState& s = control->State();
    if (control->Real() || !s.visible || !s.bounds.intersects(clip)) continue;
    paintControlPicture(painter, s, *surface_);
  }
}

LazyFormWidget* LazyFormWidgetFactory::PictureAt(const QPoint& point) const {
  for (LazyFormWidget* control : live_)
    if (!control->Real() && control->State().visible && control->State().bounds.contains(point)) return control;
  return nullptr;
}

}  // namespace tavra
