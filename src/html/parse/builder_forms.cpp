// The content of TEXTAREA and SELECT.

#include "html/parse/builder_state.h"
#include "html/forms/form_controls.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

constexpr std::size_t kMaxOptionText = 80;


void appendCut(std::string& to, const std::string& text, std::size_t max) {
  if (to.size() < max) to.append(text, 0, max - to.size());
}

}  // namespace

void HtmlBuilder::DoTextArea(TFormControlObj* control) {
  auto* area = dynamic_cast<TTextAreaFormControlObj*>(control);
  std::string text;
  tok.NextTextAreaSymbol();
  while (sym() != tagTextareaEnd && sym() != symEndOfFile) {
    if (sym() == symLineEnd) {
      if (area) area->AddLine(text);
      text.clear();
    } else {
      text += tok.TokenText;
    }
    tok.NextTextAreaSymbol();
  }
  tok.SkipPastTagEnd();
  if (area && !text.empty()) area->AddLine(text);
  if (control) control->ResetToValue();
}

void HtmlBuilder::DoSelect(TFormControlObj* control) {
  auto* list = dynamic_cast<TListBoxFormControlObj*>(control);
  next();
  bool collecting = false;
  std::string text, value;
  bool selected = false;
  while (sym() != tagSelectEnd && sym() != symEndOfFile) {
    if (sym() == symText) {
      if (collecting) appendCut(text, tok.TokenText, kMaxOptionText);
    } else if (sym() == tagOption || sym() == tagOptionEnd) {
      std::string option(ascii::trimmed(text));
      if (!option.empty() && collecting && list) list->AddOption(option, value, selected);
      text.clear();
      value.clear();
      selected = false;
      collecting = sym() == tagOption;
      if (collecting) {
        selected = attributes().Find(attrSelected) != nullptr;
        if (const TAttribute* v = attributes().Find(attrValue)) appendCut(value, v->Text, kMaxOptionText);
      }
    }
    next();
  }
  std::string option(ascii::trimmed(text));
  if (collecting && !option.empty() && list) list->AddOption(option, value, selected);
  if (control) control->ResetToValue();
}

}  // namespace tavra
