#pragma once
// The controls of HTML forms: hidden and image inputs, edit fields, buttons, check boxes,
// radio buttons, list boxes, drop-down lists and text areas, each with its size, its
// initial value and its submission entries; and the choice of class for a tag.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "html/forms/forms.h"
#include "html/parse/symbols.h"

namespace tavra {

class TSection;
class TImageObj;

class THiddenFormControlObj : public TFormControlObj {
 public:
  using TFormControlObj::TFormControlObj;
  bool GetSubmission(int index, std::string& text) override;
};

class TEditFormControlObj : public TFormControlObj {
 public:
  TEditFormControlObj(TSectionList& document, ThtmlForm& form, const std::string& typeText,
                      const TAttributeList& attributes, int position);
  int EditSize = 20;

  void ResetToValue() override;
  bool GetSubmission(int index, std::string& text) override;
  void SetHeightWidth(Canvas& canvas) override;
};

// ButtonKind values.
enum : std::uint8_t { bkSubmit = 0, bkReset = 1, bkButton = 2 };

class TButtonFormControlObj : public TFormControlObj {
 public:
  TButtonFormControlObj(TSectionList& document, ThtmlForm& form, const std::string& typeText,
                        const TAttributeList& attributes, int position);
  std::uint8_t ButtonKind = bkButton;
  std::string OnClickText;

  void SetHeightWidth(Canvas& canvas) override;
  void ButtonClick();
};

class TCheckBoxFormControlObj : public TFormControlObj {
 public:
  TCheckBoxFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position);
  bool IsChecked = false;
  std::string OnClickText;

  void ResetToValue() override;
  bool GetSubmission(int index, std::string& text) override;
};

class TRadioButtonFormControlObj : public TFormControlObj {
 public:
  TRadioButtonFormControlObj(TSectionList& document, ThtmlForm& form, TCell* cell, const TAttributeList& attributes,
                             int position);
  bool IsChecked = false;
  TCell* Cell;
  std::string OnClickText;

  // The panel and its button are one window here.
  FormWidget* RadioButton() const { return WinControl.get(); }
  void ResetToValue() override;
  bool GetSubmission(int index, std::string& text) override;
  // The cell's background when it has one, else the document's.
  void SetBackground(ColorRef documentBackground) override;
  void RadioClick();
};

class TImageFormControlObj : public TFormControlObj {
 public:
  TImageFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position);
  int XPos = -1;
  int YPos = 0;
  int ClickX = 0;
  int ClickY = 0;
  TImageObj* Image = nullptr;  // the picture in the text, owned by its block

  // Records the point of a click at document coordinates of the last paint; false when
  // it misses the picture.
  bool SetClickPoint(int documentX, int documentY);
  // The click was released on the picture: submit with the point.
  void ImageClick();
  bool GetSubmission(int index, std::string& text) override;
};

struct TOptionObj {
  std::string Value;
  bool Selected = false;
};

class TListBoxFormControlObj : public TFormControlObj {
 public:
  TListBoxFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position);
  int VisibleRows = -1;
  int LongestOption = 3;
  // Option texts, each with its option object.
  std::vector<std::pair<std::string, TOptionObj>> Options;

  void AddOption(const std::string& text, const std::string& value, bool selected);
  void ResetToValue() override;
  bool GetSubmission(int index, std::string& text) override;
  void SetHeightWidth(Canvas& canvas) override;

 protected:
  // For the drop-down list, which makes its own window.
  struct NoWindow {};
  TListBoxFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position,
                         NoWindow);
  void FillItems();
  bool MultiSelect = false;
};

class TComboFormControlObj : public TListBoxFormControlObj {
 public:
  TComboFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position);

  void ResetToValue() override;
  void SetHeightWidth(Canvas& canvas) override;
};

class TTextAreaFormControlObj : public TFormControlObj {
 public:
  TTextAreaFormControlObj(TSectionList& document, ThtmlForm& form, const TAttributeList& attributes, int position);
  int Rows = 5;
  int Cols = 30;
  std::vector<std::string> TheText;

  void AddLine(const std::string& text);
  void ResetToValue() override;
  bool GetSubmission(int index, std::string& text) override;
  void SetHeightWidth(Canvas& canvas) override;
  // The lines as the user left them; a last empty line does not count.
  std::vector<std::string> CurrentLines() const;
};

// Creates the control for INPUT (by its TYPE), SELECT or TEXTAREA at the end of the
// block's text and joins it to `currentForm`, which is created first (without
// attributes) for a control outside any form. A hidden input adds nothing to the text;
// an image input stands in it as a picture; the others as a control marker.
TFormControlObj* AddFormControl(TSection& section, Symbol symbol, TSectionList& document, TCell* cell,
                                const TAttributeList& attributes, ThtmlForm*& currentForm);

}  // namespace tavra
