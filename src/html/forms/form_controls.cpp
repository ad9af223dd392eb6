#include "html/forms/form_controls.h"

#include <algorithm>

#include "html/images/image_obj.h"
#include "html/document/text_section.h"
#include "platform/ascii.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

// Window sizes come from attribute numbers; keep them inside what a window can be.
constexpr long long MaxWindowSize = 32000;

int windowSize(long long pixels) { return int(std::clamp(pixels, 0LL, MaxWindowSize)); }

int widthOfA(Canvas& canvas, FontEngine& fonts, const FontSpec& font) {
  canvas.setFont(fonts.createFont(font));
  return canvas.textWidth(u"A");
}

int heightOfA(Canvas& canvas, FontEngine& fonts, const FontSpec& font) {
  canvas.setFont(fonts.createFont(font));
  return canvas.fontMetrics().height;
}

}  // namespace

// ---------------------------------------------------------------- hidden

bool THiddenFormControlObj::GetSubmission(int index, std::string& text) {
  if (index != 0) return false;
  text = Name + "=" + Value;
  return true;
}

// ---------------------------------------------------------------- edit

TEditFormControlObj::TEditFormControlObj(TSectionList& document, ThtmlForm& form, const std::string& typeText,
                                         const TAttributeList& attributes, int position)
    : TFormControlObj(document, form, attributes, position) {
  if (const TAttribute* size = attributes.Find(attrSize)) {
    if (size->Value > 0) {
      EditSize = size->Value;
    } else {
      // "30, 1": the width before the height, as some pages write it.
      std::size_t blank = size->Text.find(' '), comma = size->Text.find(',');
      if (blank != std::string::npos && comma != std::string::npos) {
        std::size_t first = std::min(blank, comma);
        std::int32_t n = 0;
        if (first > 0 && ParseInteger(size->Text.substr(0, first), n)) EditSize = n;
      }
    }
  }
  if (FormWidgetFactory* widgets = Widgets()) {
    const TAttribute* maxLength = attributes.Find(attrMaxlength);
    Adopt(widgets->CreateEdit(FixedFont(), typeText == "password", maxLength ? maxLength->Value : -1), 120, 20);
    if (WinControl) {
      WinControl->SetText(Value);
      WinControl->OnKeyPress = [this](char key) { Form->ControlKeyPress(*this, key); };
    }
  }
}

void TEditFormControlObj::ResetToValue() {
  if (WinControl) WinControl->SetText(Value);
}

bool TEditFormControlObj::GetSubmission(int index, std::string& text) {
  if (index != 0) return false;
  text = Name + "=" + (WinControl ? WinControl->Text() : Value);
  return true;
}

void TEditFormControlObj::SetHeightWidth(Canvas& canvas) {
  if (!WinControl) return;
  int width = windowSize(static_cast<long long>(widthOfA(canvas, Document->Host().Fonts(), WinControl->Font())) * EditSize + 5);
  WinControl->SetBounds(WinControl->Left(), WinControl->Top(), width, WinControl->Height());
}

// ---------------------------------------------------------------- button

TButtonFormControlObj::TButtonFormControlObj(TSectionList& document, ThtmlForm& form, const std::string& typeText,
                                             const TAttributeList& attributes, int position)
    : TFormControlObj(document, form, attributes, position) {
  std::string caption = "Button";
  if (typeText == "submit") {
    ButtonKind = bkSubmit;
    caption = "Submit";
  } else if (typeText == "reset") {
    ButtonKind = bkReset;
    caption = "Reset";
  }
  if (Value.empty()) Value = caption;
  if (const TAttribute* onClick = attributes.Find(attrOnclick)) OnClickText = onClick->Text;
  if (FormWidgetFactory* widgets = Widgets()) {
    Adopt(widgets->CreateButton(Value), 75, 25);
    if (WinControl) WinControl->OnClick = [this] { ButtonClick(); };
  }
}

void TButtonFormControlObj::SetHeightWidth(Canvas& canvas) {
  if (!WinControl) return;
  canvas.setFont(Document->Host().Fonts().createFont(WinControl->Font()));
  int height = canvas.fontMetrics().height + 8;
  int width = windowSize(static_cast<long long>(canvas.textWidth(utf8ToUtf16(Value))) + 20);
  WinControl->SetBounds(WinControl->Left(), WinControl->Top(), width, height);
}

void TButtonFormControlObj::ButtonClick() {
  RaiseObjectClick(OnClickText);
  if (ButtonKind == bkReset)
    Form->ResetControls();
  else if (ButtonKind == bkSubmit)
    Form->SubmitForm(Name.empty() ? std::string() : Name + "=" + Value);
}

// ---------------------------------------------------------------- check box

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                                                 const TAttributeList& attributes, int position)
    : TFormControlObj(document, form, attributes, position) {
  if (const TAttribute* onClick = attributes.Find(attrOnclick)) OnClickText = onClick->Text;
  if (Value.empty()) Value = "On";
  BaseLineAligned = true;
  IsChecked = attributes.Find(attrChecked) != nullptr;
  if (FormWidgetFactory* widgets = Widgets()) {
    Adopt(widgets->CreateCheckBox(), 13, 13);
    if (WinControl) {
      WinControl->SetChecked(IsChecked);
      WinControl->OnClick = [this] { RaiseObjectClick(OnClickText); };
    }
  }
}

void TCheckBoxFormControlObj::ResetToValue() {
  if (WinControl) WinControl->SetChecked(IsChecked);
}

bool TCheckBoxFormControlObj::GetSubmission(int index, std::string& text) {
  if (index != 0 || !(WinControl ? WinControl->Checked() : IsChecked)) return false;
  text = Name + "=" + Value;
  return true;
}

// ---------------------------------------------------------------- radio button

TRadioButtonFormControlObj::TRadioButtonFormControlObj(TSectionList& document, ThtmlForm& form, TCell* cell,
                                                       const TAttributeList& attributes, int position)
    : TFormControlObj(document, form, attributes, position), Cell(cell) {
  BaseLineAligned = true;
  IsChecked = attributes.Find(attrChecked) != nullptr;
  if (const TAttribute* onClick = attributes.Find(attrOnclick)) OnClickText = onClick->Text;
  if (FormWidgetFactory* widgets = Widgets()) {
    Adopt(widgets->CreateRadioButton(), 13, 14);
    if (WinControl) {
      WinControl->SetChecked(IsChecked);
      WinControl->OnClick = [this] { RadioClick(); };
    }
  }
}

void TRadioButtonFormControlObj::ResetToValue() {
  if (WinControl) WinControl->SetChecked(IsChecked);
}

bool TRadioButtonFormControlObj::GetSubmission(int index, std::string& text) {
  if (index != 0 || !(WinControl ? WinControl->Checked() : IsChecked)) return false;
  text = Name + "=" + Value;
  return true;
}

void TRadioButtonFormControlObj::SetBackground(ColorRef documentBackground) {
  if (WinControl) WinControl->SetBackground(Cell && Cell->HasBackground ? Cell->BackgroundColor : documentBackground);
}

void TRadioButtonFormControlObj::RadioClick() {
  Form->UncheckRadioGroup(*this);
  RaiseObjectClick(OnClickText);
}

// ---------------------------------------------------------------- image input

TImageFormControlObj::TImageFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes,
                                           int position)
    : TFormControlObj(document, form, attributes, position) {}

bool TImageFormControlObj::SetClickPoint(int documentX, int documentY) {
  return Image && Image->ImageUnderPoint(documentX, documentY, ClickX, ClickY);
}

void TImageFormControlObj::ImageClick() {
  XPos = ClickX;
  YPos = ClickY;
  Form->SubmitForm();
  // A point that no submission took (no receiver installed) must not ride along with a
  // later submission by another button.
  XPos = -1;
}

bool TImageFormControlObj::GetSubmission(int index, std::string& text) {
  if ((index != 0 && index != 1) || XPos < 0) return false;
  std::string prefix = Name.empty() ? std::string() : Name + ".";
  if (index == 0) {
    text = prefix + "x=" + std::to_string(XPos);
  } else {
    text = prefix + "y=" + std::to_string(YPos);
    XPos = -1;
  }
  return true;
}

// ---------------------------------------------------------------- list box

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                                               const TAttributeList& attributes, int position, NoWindow)
    : TFormControlObj(document, form, attributes, position) {
  if (const TAttribute* size = attributes.Find(attrSize)) VisibleRows = size->Value;
  MultiSelect = attributes.Find(attrMultiple) != nullptr;
}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                                               const TAttributeList& attributes, int position)
    : TListBoxFormControlObj(document, form, attributes, position, NoWindow{}) {
  if (FormWidgetFactory* widgets = Widgets()) Adopt(widgets->CreateListBox(FixedFont(), MultiSelect), 121, 97);
}

void TListBoxFormControlObj::AddOption(const std::string& text, const std::string& value, bool selected) {
  Options.push_back({text, TOptionObj{value, selected}});
  LongestOption = std::max(LongestOption, int(text.size()));
}

void TListBoxFormControlObj::FillItems() {
  WinControl->ClearItems();
  for (const auto& option : Options) WinControl->AddItem(option.first);
}

void TListBoxFormControlObj::ResetToValue() {
  if (!WinControl) return;
  FillItems();
  int current = -1;
  for (int i = 0; i < int(Options.size()); ++i) {
    if (MultiSelect)
      WinControl->SetItemSelected(i, Options[std::size_t(i)].second.Selected);
    else if (Options[std::size_t(i)].second.Selected)
      current = i;
  }
  if (current >= 0) WinControl->SetCurrentIndex(current);
  if (WinControl->CurrentIndex() < 0 && !Options.empty()) WinControl->SetCurrentIndex(0);
  WinControl->ScrollToTop();
}

bool TListBoxFormControlObj::GetSubmission(int index, std::string& text) {
  if (!WinControl || index >= WinControl->ItemCount()) return false;
  bool chosen = MultiSelect ? WinControl->ItemSelected(index) : WinControl->CurrentIndex() == index;
  text.clear();
  if (chosen) {
    const std::string* value =
        index < int(Options.size()) ? &Options[std::size_t(index)].second.Value : nullptr;
    text = Name + "=" + (value && !value->empty() ? *value : WinControl->ItemText(index));
  }
  return true;
}

void TListBoxFormControlObj::SetHeightWidth(Canvas& canvas) {
  if (!WinControl) return;
  if (VisibleRows == -1) VisibleRows = std::max(1, std::min(8, int(Options.size())));
  FontSpec font = WinControl->Font();
  int height = windowSize(static_cast<long long>(heightOfA(canvas, Document->Host().Fonts(), font)) * VisibleRows);
  int width = windowSize(static_cast<long long>(widthOfA(canvas, Document->Host().Fonts(), font)) * LongestOption + 15);
  WinControl->SetClientSize(width, height);
}

// ---------------------------------------------------------------- drop-down list

TComboFormControlObj::TComboFormControlObj(TSectionList& document, ThtmlForm& form,
                                           const TAttributeList& attributes, int position)
    : TListBoxFormControlObj(document, form, attributes, position, NoWindow{}) {
  MultiSelect = false;
  if (FormWidgetFactory* widgets = Widgets()) {
    std::unique_ptr<FormWidget> combo = widgets->CreateComboBox(FixedFont());
    int height = combo ? combo->Height() : 0;  // the toolkit's own
    Adopt(std::move(combo), 145, height);
  }
}

void TComboFormControlObj::ResetToValue() {
  if (!WinControl) return;
  FillItems();
  for (int i = 0; i < int(Options.size()); ++i)
    if (Options[std::size_t(i)].second.Selected) WinControl->SetCurrentIndex(i);
  if (WinControl->CurrentIndex() < 0 && !Options.empty()) WinControl->SetCurrentIndex(0);
}

void TComboFormControlObj::SetHeightWidth(Canvas& canvas) {
  if (!WinControl) return;
  FormWidgetFactory* widgets = Widgets();
  FontEngine& fonts = Document->Host().Fonts();
  int w = widgets ? fonts.createFont(widgets->ScreenFont())->textWidth(u"A") : widthOfA(canvas, fonts, WinControl->Font());
  WinControl->SetClientSize(windowSize(static_cast<long long>(w) * LongestOption + 30), -1);
}

// ---------------------------------------------------------------- text area

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList& document, ThtmlForm& form,
                                                 const TAttributeList& attributes, int position)
    : TFormControlObj(document, form, attributes, position) {
  bool wordWrap = false;
  for (const TAttribute& a : attributes) {
    if (a.Sym == attrCols) {
      Cols = a.Value;
    } else if (a.Sym == attrRows) {
      Rows = a.Value;
    } else if (a.Sym == attrWrap) {
      std::string wrap = ascii::lower(a.Text, a.Text.size());
      if (wrap == "soft" || wrap == "hard") wordWrap = true;
    }
  }
  if (FormWidgetFactory* widgets = Widgets()) Adopt(widgets->CreateMemo(FixedFont(), wordWrap), 185, 89);
}

void TTextAreaFormControlObj::AddLine(const std::string& text) { TheText.push_back(text); }

void TTextAreaFormControlObj::ResetToValue() {
  if (!WinControl) return;
  std::string text;
  for (std::size_t i = 0; i < TheText.size(); ++i) {
    if (i > 0) text += '\n';
    text += TheText[i];
  }
  WinControl->SetText(text);
  WinControl->CaretToStart();
}

std::vector<std::string> TTextAreaFormControlObj::CurrentLines() const {
  std::vector<std::string> lines;
  if (!WinControl) return lines;
  std::string text = WinControl->Text();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool TTextAreaFormControlObj::GetSubmission(int index, std::string& text) {
  std::vector<std::string> lines = CurrentLines();
  if (index < 0 || index >= int(lines.size())) return false;
  text = Name + "=" + lines[std::size_t(index)];
  return true;
}

void TTextAreaFormControlObj::SetHeightWidth(Canvas& canvas) {
  if (!WinControl) return;
  FontSpec font = WinControl->Font();
  int height = windowSize(static_cast<long long>(heightOfA(canvas, Document->Host().Fonts(), font)) * Rows + 5);
  int width = windowSize(static_cast<long long>(widthOfA(canvas, Document->Host().Fonts(), font)) * Cols + 5);
  WinControl->SetClientSize(width, height);
}

// ---------------------------------------------------------------- the class for a tag

TFormControlObj* AddFormControl(TSection& section, Symbol symbol, TSectionList& document, TCell* cell,
                                const TAttributeList& attributes, ThtmlForm*& currentForm) {
  if (symbol != tagInput && symbol != tagSelect && symbol != tagTextarea) return nullptr;
  if (!currentForm) currentForm = &ThtmlForm::Create(document, TAttributeList());
  ThtmlForm& form = *currentForm;
  int pos = section.CharCount;
  std::unique_ptr<TFormControlObj> control;
  if (symbol == tagInput) {
    const TAttribute* type = attributes.Find(attrType);
    std::string typeText = type ? ascii::lower(type->Text, 20) : std::string();
    if (typeText == "submit" || typeText == "reset" || typeText == "button")
      control = std::make_unique<TButtonFormControlObj>(document, form, typeText, attributes, pos);
    else if (typeText == "radio")
      control = std::make_unique<TRadioButtonFormControlObj>(document, form, cell, attributes, pos);
    else if (typeText == "checkbox")
      control = std::make_unique<TCheckBoxFormControlObj>(document, form, attributes, pos);
    else if (typeText == "hidden")
      control = std::make_unique<THiddenFormControlObj>(document, form, attributes, pos);
    else if (typeText == "image")
      control = std::make_unique<TImageFormControlObj>(document, form, attributes, pos);
    else
      control = std::make_unique<TEditFormControlObj>(document, form, typeText, attributes, pos);
  } else if (symbol == tagSelect) {
    const TAttribute* size = attributes.Find(attrSize);
    if (attributes.Find(attrMultiple) || (size && size->Value > 1))
      control = std::make_unique<TListBoxFormControlObj>(document, form, attributes, pos);
    else
      control = std::make_unique<TComboFormControlObj>(document, form, attributes, pos);
  } else {
    control = std::make_unique<TTextAreaFormControlObj>(document, form, attributes, pos);
  }
  TFormControlObj& added = form.AddControl(std::move(control));
  if (auto* imageInput = dynamic_cast<TImageFormControlObj*>(&added)) {
    auto image = std::make_unique<TImageObj>(pos, attributes);
    image->FormControl = imageInput;
    imageInput->Image = image.get();
    if (!section.AddImage(std::move(image), cell)) imageInput->Image = nullptr;
  } else if (!dynamic_cast<THiddenFormControlObj*>(&added)) {
    section.AddControl(&added);
  }
  return &added;
}

}  // namespace tavra
