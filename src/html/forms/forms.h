#pragma once
// HTML forms: the form that groups the controls of one FORM element and builds their
// submission, the control base with its window control, and the per-block control list.
// The concrete controls are in form_controls.h.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "html/parse/attributes.h"
#include "html/forms/form_widget.h"
#include "html/document/inline_objects.h"
#include "html/document/section_list.h"

namespace tavra {

class ThtmlForm;
class TFormControlObj;

class TFormControlObj : public InlineControl {
 public:
  TFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position);
  ~TFormControlObj() override;
  TFormControlObj(const TFormControlObj&) = delete;
  TFormControlObj& operator=(const TFormControlObj&) = delete;

  int YValue = 0;
  TSectionList* Document;
  ThtmlForm* Form;
  std::string Value;
  std::string Name;
  bool BaseLineAligned = false;
  std::unique_ptr<FormWidget> WinControl;

  // The window that takes the focus.
  virtual FormWidget* GetControl() const { return WinControl.get(); }
  // Back to the initial value.
  virtual void ResetToValue() {}
  // The index-th name=value entry (empty text: an entry that adds nothing); false when
  // there are no more.
  virtual bool GetSubmission(int index, std::string& text);
  virtual void SetHeightWidth(Canvas& canvas) { (void)canvas; }

  // Focus handlers of the window control.
  void ControlEntered();
  void ControlExited();

  // --- what the text layout asks of a control
  int Width() const override;
  int Height() const override;
  bool AlignsToBaseline() const override { return BaseLineAligned; }
  void SetCanvas(Canvas& canvas) override { SetHeightWidth(canvas); }
  void SetLineY(int y) override { YValue = y; }
  void ShowAt(int x, int y) override;
  void Hide() override;
  bool HasFocus() const override;

 protected:
  // Takes the window made for this control: out of sight at top -400, focus handlers on.
  void Adopt(std::unique_ptr<FormWidget> widget, int width, int height);
  FormWidgetFactory* Widgets() const;
  // The document's fixed-pitch face at 10 points.
  FontSpec FixedFont() const;
  void RaiseObjectClick(const std::string& onClickText);
};

class ThtmlForm : public HtmlFormBase {
 public:
  static constexpr std::size_t MaxMethodLength = 4;

  // Creates the form for FORM's attributes and hands it to the document's `Forms`.
  static ThtmlForm& Create(TSectionList& document, const TAttributeList& attributes);

  ThtmlForm(TSectionList& document, const TAttributeList& attributes);
  ~ThtmlForm() override;

  TSectionList* Document;
  std::string Method = "Get";
  std::string Action;
  std::string Target;
  std::string EncType;
  std::vector<std::unique_ptr<TFormControlObj>> Controls;
  int VisibleCount = 0;

  // Takes ownership; the control is also listed in the document's `FormControls`.
  TFormControlObj& AddControl(std::unique_ptr<TFormControlObj> control);
  // Unchecks the other radio buttons of this form with the same name (any case).
  void UncheckRadioGroup(TFormControlObj& control);
  void ResetControls();
  // Enter in the only visible control, a one-line edit, submits.
  void ControlKeyPress(TFormControlObj& sender, char key);
  void SizeControls(Canvas& canvas);
  // `extra`: the clicked submit button's entry, added last; empty for none.
  void SubmitForm(const std::string& extra = {});
};

// The controls of one text block, in text order; not owning.
class TFormControlList {
 public:
  int Count() const { return int(items_.size()); }
  TFormControlObj* operator[](int i) const { return items_[std::size_t(i)]; }
  void Add(TFormControlObj* control) { items_.push_back(control); }

  TFormControlObj* FindControl(int pos) const;
  // Height of the control at pos, with its baseline flag; -1 (flag untouched) when none.
  int ControlHeightAt(int pos, bool& baseLine) const;
  int ControlWidthAt(int pos) const;
  // Distance to the next control at or after pos: 0 when one stands there, 9999 when none.
  int CharsToNextControl(int pos) const;

 private:
  std::vector<TFormControlObj*> items_;
};

}  // namespace tavra
