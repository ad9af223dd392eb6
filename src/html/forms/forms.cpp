#include "html/forms/forms.h"

#include <algorithm>

#include "html/forms/form_controls.h"
#include "platform/ascii.h"
#include "platform/charsets.h"

namespace tavra {

// ---------------------------------------------------------------- control base

TFormControlObj::TFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes,
                                 int position)
    : Document(&document), Form(&form) {
  Pos = position;
  if (const TAttribute* a = attributes.Find(attrValue)) Value = a->Text;
  if (const TAttribute* a = attributes.Find(attrName)) Name = a->Text;
}

TFormControlObj::~TFormControlObj() {
  if (WinControl) WinControl->DetachHandlers();
}

bool TFormControlObj::GetSubmission(int, std::string&) { return false; }

int TFormControlObj::Width() const { return WinControl ? WinControl->Width() : 0; }
int TFormControlObj::Height() const { return WinControl ? WinControl->Height() : 0; }

void TFormControlObj::ShowAt(int x, int y) {
  if (!WinControl) return;
  WinControl->SetBounds(x, y, WinControl->Width(), WinControl->Height());
  WinControl->SetVisible(true);
}

void TFormControlObj::Hide() {
  if (WinControl) WinControl->SetVisible(false);
}

bool TFormControlObj::HasFocus() const {
  FormWidget* control = GetControl();
  return control && control->Focused();
}

FormWidgetFactory* TFormControlObj::Widgets() const { return Document->Host().FormWidgets(); }

FontSpec TFormControlObj::FixedFont() const {
  FontSpec face;
  face.name = Document->PreFontName;
  face.size = 10;
  face.charset = Document->Charset;
  return face;
}

void TFormControlObj::Adopt(std::unique_ptr<FormWidget> widget, int width, int height) {
  WinControl = std::move(widget);
  if (!WinControl) return;
  WinControl->SetBounds(0, -400, width, height);
  WinControl->OnFocusIn = [this] { ControlEntered(); };
  WinControl->OnFocusOut = [this] { ControlExited(); };
}

void TFormControlObj::RaiseObjectClick(const std::string& onClickText) {
  Document->Host().ControlClicked(*this, onClickText);
}

void TFormControlObj::ControlEntered() {
  Document->Host().ControlFocused(*this);
  // Controls out of view stay reachable with the Tab key, far out of sight.
  for (InlineControl* inline_control : Document->FormControls) {
    auto* control = dynamic_cast<TFormControlObj*>(inline_control);
    if (!control || Document->ControlInView(*control) || !control->WinControl) continue;
    FormWidget& w = *control->WinControl;
    w.SetVisible(true);
    w.SetBounds(-4000, w.Top(), w.Width(), w.Height());
  }
}

void TFormControlObj::ControlExited() { Document->ShowControls(); }

// ---------------------------------------------------------------- form

ThtmlForm& ThtmlForm::Create(TSectionList& document, const TAttributeList& attributes) {
  auto form = std::make_unique<ThtmlForm>(document, attributes);
  ThtmlForm& ref = *form;
  document.Forms.Add(std::move(form));
  return ref;
}

ThtmlForm::ThtmlForm(TSectionList& document, const TAttributeList& attributes) : Document(&document) {
  for (const TAttribute& a : attributes) {
    switch (a.Sym) {
      case attrMethod: Method = a.Text.substr(0, MaxMethodLength); break;
      case attrAction: Action = a.Text; break;
      case attrTarget: Target = a.Text; break;
      case attrEnctype: EncType = a.Text; break;
      default: break;
    }
  }
}

ThtmlForm::~ThtmlForm() {
  // Windows that go away may move the focus; no handler may reach a control already gone.
  for (auto& control : Controls)
    if (control->WinControl) control->WinControl->DetachHandlers();
}

TFormControlObj& ThtmlForm::AddControl(std::unique_ptr<TFormControlObj> control) {
  TFormControlObj& ref = *control;
  Document->FormControls.push_back(&ref);
  if (!dynamic_cast<THiddenFormControlObj*>(&ref)) ++VisibleCount;
  Controls.push_back(std::move(control));
  return ref;
}

void ThtmlForm::UncheckRadioGroup(TFormControlObj& control) {
  if (control.Name.empty()) return;
  for (auto& other : Controls) {
    if (other.get() == &control || !ascii::equalIgnoringCase(other->Name, control.Name)) continue;
    if (auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(other.get()); radio && radio->RadioButton())
      radio->RadioButton()->SetChecked(false);
  }
}

void ThtmlForm::ResetControls() {
  for (auto& control : Controls) control->ResetToValue();
}

void ThtmlForm::ControlKeyPress(TFormControlObj& sender, char key) {
  if (key == 13 && VisibleCount == 1 && dynamic_cast<TEditFormControlObj*>(&sender)) SubmitForm();
}

void ThtmlForm::SizeControls(Canvas& canvas) {
  for (auto& control : Controls) control->SetHeightWidth(canvas);
}

void ThtmlForm::SubmitForm(const std::string& extra) {
  DocumentHost& host = Document->Host();
  if (!host.TakesSubmissions()) return;
  std::vector<std::string> results;
  for (auto& control : Controls) {
    std::string text;
    for (int index = 0; control->GetSubmission(index, text); ++index) {
      if (!text.empty()) results.push_back(encodeText(text, Document->DocumentCharset));
      text.clear();
    }
  }
  if (!extra.empty()) results.push_back(extra);
  host.SubmitForm(FormSubmission{Action, Target, EncType, Method, std::move(results)});
}

// ---------------------------------------------------------------- control list

TFormControlObj* TFormControlList::FindControl(int pos) const {
  for (TFormControlObj* control : items_)
    if (control->Pos == pos) return control;
  return nullptr;
}

int TFormControlList::ControlHeightAt(int pos, bool& baseLine) const {
  TFormControlObj* control = FindControl(pos);
  if (!control) return -1;
  baseLine = control->BaseLineAligned;
  return control->Height();
}

int TFormControlList::ControlWidthAt(int pos) const {
  TFormControlObj* control = FindControl(pos);
  return control ? control->Width() : -1;
}

int TFormControlList::CharsToNextControl(int pos) const {
  for (TFormControlObj* control : items_)
    if (control->Pos >= pos) return control->Pos - pos;
  return 9999;
}

}  // namespace tavra
