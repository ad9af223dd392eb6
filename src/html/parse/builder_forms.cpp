// The content of TEXTAREA and SELECT.

#include "html/parse/builder_state.h"
#include "html/forms/form_controls.h"
#include "platform/ascii.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

constexpr std::size_t kMaxOptionText = 80;


// Counted in characters of UTF-16 text, so that a cut never halves a character's bytes.
void appendCut(std::u16string& to, std::u16string_view text, std::size_t max) {
  if (to.size() < max) to.append(text.substr(0, max - to.size()));
}

std::string trimmedUtf8(std::u16string_view text) { return std::string(ascii::trimmed(utf16ToUtf8(text))); }

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
      text += utf16ToUtf8(tok.TokenText);
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
  std::u16string text, value;
  bool selected = false;
  while (sym() != tagSelectEnd && sym() != symEndOfFile) {
    if (sym() == symText) {
      if (collecting) appendCut(text, tok.TokenText, kMaxOptionText);
    } else if (sym() == tagOption || sym() == tagOptionEnd) {
      const std::string option = trimmedUtf8(text);
      if (!option.empty() && collecting && list) list->AddOption(option, utf16ToUtf8(value), selected);
      text.clear();
      value.clear();
      selected = false;
      collecting = sym() == tagOption;
      if (collecting) {
        selected = attributes().Find(attrSelected) != nullptr;
        if (const TAttribute* v = attributes().Find(attrValue)) appendCut(value, utf8ToUtf16(v->Text), kMaxOptionText);
      }
    }
    next();
  }
  const std::string option = trimmedUtf8(text);
  if (collecting && !option.empty() && list) list->AddOption(option, utf16ToUtf8(value), selected);
  if (control) control->ResetToValue();
}

}  // namespace tavra
