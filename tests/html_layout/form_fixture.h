#pragma once
// A document with one text block that form controls are added to as the builder adds
// them, fake widgets, and a record of every submission.
//
// Fixed metrics: the 10-point fixed-pitch face of edit fields, list boxes and text
// areas is 13 pixels: "A" is 6 wide and 13 high. The 8-point face of buttons and of the
// screen is 11 pixels: "A" is 5 wide and 11 high.

#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "html/forms/form_controls.h"
#include "html/document/text_section.h"
#include "common/recording_host.h"
#include "html_layout/fake_form_widgets.h"
#include "platform/fixed_canvas.h"

namespace tavra::testing {

constexpr int kFixedA = 6;
constexpr int kFixedAHeight = 13;
constexpr int kScreenA = 5;
constexpr int kScreenAHeight = 11;

struct SubmittedForm {
  std::string action, target, encType, method;
  std::vector<std::string> results;
};

// Attributes as the tokenizer reads them: the number a value spells, else 0.
inline TAttributeList formAttrs(std::initializer_list<std::pair<Symbol, std::string>> list) {
  TAttributeList out;
  for (const auto& [sym, text] : list) {
    std::int32_t value = 0;
    ParseInteger(text, value);
    out.Add(sym, value, text);
  }
  return out;
}

struct FormFixture {
  FakeFormWidgetFactory widgets;
  RecordingHost host;
  TSectionList doc{host};
  std::vector<SubmittedForm> submissions;
  ThtmlForm* current = nullptr;
  TCell* cell = &doc;  // the cell that holds the block
  TMyFont font;
  std::unique_ptr<TSection> section = std::make_unique<TSection>(0, alLeft, nullptr, font);
  TSection* block = section.get();
  FixedCanvas canvas{640, 400};

  FormFixture() {
    doc.FontSize = 12;
    doc.BackgroundColor = clWhite;
    host.Widgets = &widgets;
    host.OnSubmit = [this](const FormSubmission& s) {
      submissions.push_back({s.Action, s.Target, s.EncType, s.Method, s.Results});
    };
  }

  // FORM and /FORM as the builder reads them.
  ThtmlForm& form(const TAttributeList& attributes = {}) {
    current = &ThtmlForm::Create(doc, attributes);
    return *current;
  }
  void endForm() { current = nullptr; }

  template <class T = TFormControlObj>
  T& add(Symbol symbol, const TAttributeList& attributes) {
    TFormControlObj* control = AddFormControl(*block, symbol, doc, cell, attributes, current);
    auto* typed = dynamic_cast<T*>(control);
    if (!typed) throw std::runtime_error("unexpected control class");
    return *typed;
  }
  TFormControlObj& input(const std::string& type, const std::string& name, const std::string& value = {}) {
    TAttributeList a;
    if (!type.empty()) a.Add(attrType, 0, type);
    if (!name.empty()) a.Add(attrName, 0, name);
    if (!value.empty()) a.Add(attrValue, 0, value);
    return add(tagInput, a);
  }
  template <class T = TListBoxFormControlObj>
  T& select(const TAttributeList& attributes,
            std::initializer_list<std::tuple<std::string, std::string, bool>> options) {
    T& control = add<T>(tagSelect, attributes);
    for (const auto& [text, value, selected] : options) control.AddOption(text, value, selected);
    control.ResetToValue();
    return control;
  }

  static FakeFormWidget& widget(const TFormControlObj& control) {
    return *static_cast<FakeFormWidget*>(control.WinControl.get());
  }

  // The block joins the document (as the builder ends it), the document is laid out and
  // painted at the top, and the controls are shown there, as a host shows them.
  void layoutAndPaint(int width = 600) {
    if (section) {
      section->CloseSection();
      doc.AddSection(std::move(section));
    }
    int scrollWidth = 0, chars = 0;
    doc.LayoutDocument(canvas, 0, width, scrollWidth, chars);
    doc.SetVisibleBand(0, canvas.surfaceHeight());
    doc.ShowControls(0, 0);
    doc.PaintDocument(PaintContext{{0, 0, canvas.surfaceWidth(), canvas.surfaceHeight()}}, canvas, 2000, 0, 0);
  }

  std::vector<std::string> lastResults() const {
    return submissions.empty() ? std::vector<std::string>{} : submissions.back().results;
  }
};

}  // namespace tavra::testing
