// Forms: the class each tag makes, sizes on the fixed-metrics canvas, submissions,
// radio groups, Enter, reset, image inputs and focus handling.

#include <gtest/gtest.h>

#include <algorithm>

#include "html/images/image_obj.h"
#include "html_layout/form_fixture.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

using Results = std::vector<std::string>;

TEST(FormControls, ControlsAndPicturesAfterTheTextLimitAreStillPlaced) {
  FormFixture f;
  std::u16string words;
  for (int i = 0; i < 10001; ++i) words += u"x ";
  f.block->AppendText(words);
  f.block->AppendText(u"dropped");
  f.form();
  auto& edit = f.input("text", "e", "v");
  auto& picture = f.add<TImageFormControlObj>(
      tagInput, formAttrs({{attrType, "image"}, {attrName, "i"}, {attrSrc, "missing.gif"}}));
  f.layoutAndPaint();

  // The text stops at the limit; the two controls stand on the last line, after it
  // (12-point lines are 18 high).
  constexpr int kLine12 = 18;
  EXPECT_EQ(f.block->Text.find(u"dropped"), std::u16string::npos);
  ASSERT_EQ(f.block->ControlRuns.size(), 1u);
  ASSERT_EQ(f.block->ImageRuns.Count(), 1);
  ASSERT_NE(picture.Image, nullptr);
  EXPECT_TRUE(edit.HasPlace);
  EXPECT_GT(edit.DocTop, 200 * kLine12);
  EXPECT_GT(picture.Image->PictureTop, 200 * kLine12);
  EXPECT_GT(picture.Image->PictureLeft, edit.DocLeft);
  EXPECT_LE(f.block->TopY + f.block->ContentHeight - edit.DocTop, 2 * kLine12);
}

TEST(FormControls, InputTypesAndEditWidths) {
  FormFixture f;
  f.form();
  auto& plain = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrName, "a"}}));
  auto& capitals = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrType, "TEXT"}}));
  auto& unknown = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrType, "colour-picker"}}));
  auto& password = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrType, "Password"}, {attrMaxlength, "8"}}));
  auto& sized = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, "30"}}));
  auto& pair = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, "12, 1"}}));
  auto& pairBlankFirst = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, ",12 1"}}));
  auto& wordPair = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, "ab, 1"}}));
  auto& zero = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, "0"}}));

  for (auto* edit : {&plain, &capitals, &unknown, &password, &zero, &pairBlankFirst, &wordPair})
    EXPECT_EQ(edit->EditSize, 20);
  EXPECT_EQ(sized.EditSize, 30);
  EXPECT_EQ(pair.EditSize, 12);

  // Made at 120 x 20 out of sight; layout gives "A" x size + 5.
  EXPECT_EQ(FormFixture::widget(plain).width, 120);
  EXPECT_EQ(FormFixture::widget(plain).top, -400);
  f.current->SizeControls(f.canvas);
  EXPECT_EQ(plain.Width(), kFixedA * 20 + 5);
  EXPECT_EQ(sized.Width(), kFixedA * 30 + 5);
  EXPECT_EQ(pair.Width(), kFixedA * 12 + 5);
  EXPECT_EQ(plain.Height(), 20);
  EXPECT_EQ(FormFixture::widget(plain).font.name, f.doc.PreFontName);
  EXPECT_EQ(FormFixture::widget(plain).font.size, 10);

  EXPECT_TRUE(FormFixture::widget(password).password);
  EXPECT_EQ(FormFixture::widget(password).maxLength, 8);
  EXPECT_FALSE(FormFixture::widget(unknown).password);
  EXPECT_FALSE(plain.BaseLineAligned);
}

TEST(FormControls, EachTagMakesItsClassAndMarker) {
  FormFixture f;
  f.block->AppendText(u"x");
  f.form();
  EXPECT_NE(dynamic_cast<TButtonFormControlObj*>(&f.input("submit", "")), nullptr);
  EXPECT_NE(dynamic_cast<TButtonFormControlObj*>(&f.input("RESET", "")), nullptr);
  EXPECT_NE(dynamic_cast<TButtonFormControlObj*>(&f.input("button", "")), nullptr);
  EXPECT_NE(dynamic_cast<TRadioButtonFormControlObj*>(&f.input("radio", "")), nullptr);
  EXPECT_NE(dynamic_cast<TCheckBoxFormControlObj*>(&f.input("checkbox", "")), nullptr);
  std::u16string before = f.block->Text;
  EXPECT_NE(dynamic_cast<THiddenFormControlObj*>(&f.input("hidden", "h")), nullptr);
  EXPECT_EQ(f.block->Text, before) << "a hidden input adds nothing to the text";
  auto* image = dynamic_cast<TImageFormControlObj*>(&f.input("image", "map"));
  ASSERT_NE(image, nullptr);
  f.add<TTextAreaFormControlObj>(tagTextarea, {});

  EXPECT_EQ(utf16ToUtf8(f.block->Text), std::string("x\2\2\2\2\2") + char(ImageMarker) + "\2");
  ASSERT_NE(image->Image, nullptr);
  EXPECT_EQ(image->Image->FormControl, image);
  EXPECT_EQ(image->Image->Pos, 6);
  EXPECT_EQ(f.block->ImageRuns.Count(), 1);
  EXPECT_EQ(image->WinControl, nullptr);
  ASSERT_EQ(f.block->ControlRuns.size(), 6u);
  EXPECT_EQ(f.block->ControlRuns[0]->Pos, 1);
  EXPECT_EQ(f.block->ControlRuns[5]->Pos, 7);

  // Every control is listed by the document; only the hidden one is not visible.
  EXPECT_EQ(f.doc.FormControls.size(), 8u);
  EXPECT_EQ(f.current->VisibleCount, 7);
}

TEST(FormControls, ControlsAndImagesAreFoundByTheirPositions) {
  FormFixture f;
  f.form();
  std::vector<int> controls, images;
  for (int i = 0; i < 40; ++i) {
    f.block->AppendText(i % 3 ? u"ab" : u"c");
    if (i % 4 == 3) {
      f.input("image", "map");
      images.push_back(f.block->CharCount - 1);
    } else {
      f.input("text", "t");
      controls.push_back(f.block->CharCount - 1);
    }
  }
  for (int pos = 0; pos <= f.block->CharCount; ++pos) {
    auto control = std::lower_bound(controls.begin(), controls.end(), pos);
    auto image = std::lower_bound(images.begin(), images.end(), pos);
    EXPECT_EQ(f.block->CharsToNextControl(pos), control == controls.end() ? 9999 : *control - pos) << pos;
    EXPECT_EQ(f.block->ControlAtPos(pos) != nullptr, control != controls.end() && *control == pos) << pos;
    EXPECT_EQ(f.block->CharsToNextImage(pos), image == images.end() ? 9999 : *image - pos) << pos;
    EXPECT_EQ(f.block->ImageRuns.ImageAtCharPos(pos) != nullptr, image != images.end() && *image == pos) << pos;
    EXPECT_EQ(f.block->IsMarker(pos), (control != controls.end() && *control == pos) ||
                                          (image != images.end() && *image == pos)) << pos;
  }
}

TEST(FormControls, ControlsOutsideAFormGetOneMadeForThem) {
  FormFixture f;
  f.input("", "first");
  ASSERT_NE(f.current, nullptr);
  ThtmlForm* implicit = f.current;
  EXPECT_EQ(implicit->Method, "Get");
  EXPECT_EQ(implicit->Action, "");
  f.input("hidden", "second");
  EXPECT_EQ(implicit->Controls.size(), 2u);
  EXPECT_EQ(implicit->VisibleCount, 1);

  ThtmlForm& explicitForm =
      f.form(formAttrs({{attrMethod, "PoStal"}, {attrAction, "go.cgi"}, {attrTarget, "_top"}, {attrEnctype, "x/y"}}));
  EXPECT_EQ(explicitForm.Method, "PoSt");
  EXPECT_EQ(explicitForm.Action, "go.cgi");
  EXPECT_EQ(explicitForm.Target, "_top");
  EXPECT_EQ(explicitForm.EncType, "x/y");
  f.input("", "third");
  f.endForm();
  f.input("", "fourth");
  EXPECT_EQ(explicitForm.Controls.size(), 1u);
  EXPECT_NE(f.current, &explicitForm);
  EXPECT_NE(f.current, implicit);
  EXPECT_EQ(f.doc.Forms.Count(), 3);
  EXPECT_EQ(f.doc.FormControls.size(), 4u);
}

TEST(FormSubmission, EveryKindOfControlInDocumentOrder) {
  FormFixture f;
  f.form(formAttrs({{attrMethod, "post"}, {attrAction, "/cgi/x"}, {attrTarget, "win"}, {attrEnctype, "text/plain"}}));
  f.input("hidden", "h", "1");
  f.input("text", "who", "Ann");
  auto& checked = f.add<TCheckBoxFormControlObj>(
      tagInput, formAttrs({{attrType, "checkbox"}, {attrName, "c1"}, {attrChecked, ""}}));
  f.input("checkbox", "c2");
  f.select(formAttrs({{attrName, "colors"}, {attrMultiple, ""}}),
           {{"Red", "", true}, {"Green", "g", false}, {"Blue", "", true}});
  f.select<TComboFormControlObj>(formAttrs({{attrName, "one"}}),
                                 {{"One", "1", false}, {"Two", "2", true}, {"Three", "", true}});
  auto& area = f.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrName, "t"}}));
  for (const char* line : {"l1", "l2", "l3"}) area.AddLine(line);
  area.ResetToValue();
  auto& go = f.add<TButtonFormControlObj>(tagInput, formAttrs({{attrType, "submit"}, {attrName, "go"}}));

  EXPECT_EQ(checked.Value, "On");
  EXPECT_EQ(FormFixture::widget(go).text, "Submit");
  FormFixture::widget(go).click();
  ASSERT_EQ(f.submissions.size(), 1u);
  const SubmittedForm& s = f.submissions[0];
  EXPECT_EQ(s.action, "/cgi/x");
  EXPECT_EQ(s.target, "win");
  EXPECT_EQ(s.encType, "text/plain");
  EXPECT_EQ(s.method, "post");
  EXPECT_EQ(s.results, (Results{"h=1", "who=Ann", "c1=On", "colors=Red", "colors=Blue", "one=Three", "t=l1", "t=l2",
                                "t=l3", "go=Submit"}));

  // What the user changed is what is sent.
  FormFixture::widget(*f.current->Controls[1]).type("Bob");
  FormFixture::widget(checked).click();
  FormFixture::widget(*f.current->Controls[3]).click();
  FormFixture::widget(area).type("only\n\nlines\n");
  FormFixture::widget(go).click();
  EXPECT_EQ(f.lastResults(), (Results{"h=1", "who=Bob", "c2=On", "colors=Red", "colors=Blue", "one=Three", "t=only",
                                      "t=", "t=lines", "go=Submit"}));
}

TEST(FormSubmission, ButtonsCaptionsAndNames) {
  FormFixture f;
  f.form();
  f.input("text", "q", "v");
  auto& unnamed = f.add<TButtonFormControlObj>(tagInput, formAttrs({{attrType, "submit"}}));
  auto& labelled =
      f.add<TButtonFormControlObj>(tagInput, formAttrs({{attrType, "submit"}, {attrName, "b"}, {attrValue, "Hledat"}}));
  auto& reset = f.add<TButtonFormControlObj>(tagInput, formAttrs({{attrType, "reset"}}));
  auto& plain = f.add<TButtonFormControlObj>(tagInput, formAttrs({{attrType, "button"}, {attrName, "p"}}));
  EXPECT_EQ(unnamed.ButtonKind, bkSubmit);
  EXPECT_EQ(reset.ButtonKind, bkReset);
  EXPECT_EQ(plain.ButtonKind, bkButton);
  EXPECT_EQ(reset.Value, "Reset");
  EXPECT_EQ(plain.Value, "Button");
  EXPECT_EQ(labelled.Value, "Hledat");

  // Caption width + 20, text height + 8, in the surface's font.
  f.current->SizeControls(f.canvas);
  EXPECT_EQ(unnamed.Width(), kScreenA * 6 + 20);
  EXPECT_EQ(labelled.Width(), kScreenA * 6 + 20);
  EXPECT_EQ(plain.Width(), kScreenA * 6 + 20);
  EXPECT_EQ(unnamed.Height(), kScreenAHeight + 8);

  FormFixture::widget(unnamed).click();
  FormFixture::widget(labelled).click();
  FormFixture::widget(plain).click();
  ASSERT_EQ(f.submissions.size(), 2u) << "a plain button submits nothing";
  EXPECT_EQ(f.submissions[0].results, (Results{"q=v"}));
  EXPECT_EQ(f.submissions[1].results, (Results{"q=v", "b=Hledat"}));
}

TEST(FormSubmission, RadioGroupsByNameWithinOneForm) {
  FormFixture f;
  f.form();
  auto& a1 = f.add<TRadioButtonFormControlObj>(
      tagInput, formAttrs({{attrType, "radio"}, {attrName, "a"}, {attrValue, "1"}, {attrChecked, ""}}));
  auto& a2 =
      f.add<TRadioButtonFormControlObj>(tagInput, formAttrs({{attrType, "radio"}, {attrName, "A"}, {attrValue, "2"}}));
  auto& other = f.add<TRadioButtonFormControlObj>(
      tagInput, formAttrs({{attrType, "radio"}, {attrName, "b"}, {attrValue, "3"}, {attrChecked, ""}}));
  auto& go = f.input("submit", "");
  EXPECT_TRUE(a1.BaseLineAligned);
  EXPECT_EQ(a1.Width(), 13);
  EXPECT_EQ(a1.Height(), 14);

  FormFixture::widget(go).click();
  EXPECT_EQ(f.lastResults(), (Results{"a=1", "b=3"}));
  FormFixture::widget(a2).click();
  EXPECT_FALSE(FormFixture::widget(a1).checked);
  EXPECT_TRUE(FormFixture::widget(other).checked);
  FormFixture::widget(go).click();
  EXPECT_EQ(f.lastResults(), (Results{"A=2", "b=3"}));

  // Two forms: the same name does not group.
  FormFixture g;
  g.form();
  auto& first =
      g.add<TRadioButtonFormControlObj>(tagInput, formAttrs({{attrType, "radio"}, {attrName, "a"}, {attrChecked, ""}}));
  g.endForm();
  g.form();
  auto& second = g.add<TRadioButtonFormControlObj>(tagInput, formAttrs({{attrType, "radio"}, {attrName, "A"}}));
  FormFixture::widget(second).click();
  EXPECT_TRUE(FormFixture::widget(first).checked);
  EXPECT_TRUE(FormFixture::widget(second).checked);

  // Unnamed radio buttons exclude nothing.
  FormFixture h;
  h.form();
  auto& n1 = h.add<TRadioButtonFormControlObj>(tagInput, formAttrs({{attrType, "radio"}, {attrChecked, ""}}));
  auto& n2 = h.add<TRadioButtonFormControlObj>(tagInput, formAttrs({{attrType, "radio"}}));
  FormFixture::widget(n2).click();
  EXPECT_TRUE(FormFixture::widget(n1).checked);
}

TEST(FormSubmission, ListBoxesAndDropDownsBySizeAndMultiple) {
  FormFixture f;
  f.form();
  f.select<TComboFormControlObj>(formAttrs({{attrName, "s1"}, {attrSize, "1"}}), {{"a", "", false}});
  auto& sized = f.select(formAttrs({{attrName, "s4"}, {attrSize, "4"}}), {{"First", "", false}, {"Second", "", false}});
  auto& multiple = f.select(formAttrs({{attrName, "m"}, {attrMultiple, ""}}), {});
  auto& many = f.add<TListBoxFormControlObj>(tagSelect, formAttrs({{attrName, "many"}, {attrMultiple, ""}}));
  for (int i = 1; i <= 12; ++i) many.AddOption("Option " + std::to_string(i), "", false);
  many.ResetToValue();
  auto& plainSelect =
      f.select<TComboFormControlObj>(formAttrs({{attrName, "d"}}), {{"ab", "", false}, {"cd", "x", false}});

  EXPECT_FALSE(FormFixture::widget(sized).multiSelect);
  EXPECT_TRUE(FormFixture::widget(multiple).multiSelect);
  EXPECT_EQ(FormFixture::widget(sized).kind, FakeKind::ListBox);
  EXPECT_EQ(FormFixture::widget(plainSelect).kind, FakeKind::Combo);

  f.current->SizeControls(f.canvas);
  // Rows: SIZE, else the options up to 8, at least 1; width: longest option (at least 3) + 15.
  EXPECT_EQ(many.VisibleRows, 8);
  EXPECT_EQ(many.Height(), kFixedAHeight * 8 + 4);
  EXPECT_EQ(many.Width(), kFixedA * 9 + 15 + 4);
  EXPECT_EQ(multiple.VisibleRows, 1);
  EXPECT_EQ(multiple.Height(), kFixedAHeight + 4);
  EXPECT_EQ(multiple.Width(), kFixedA * 3 + 15 + 4);
  EXPECT_EQ(sized.Height(), kFixedAHeight * 4 + 4);
  // The drop-down list is as wide as the screen font's "A" says; its height stays.
  EXPECT_EQ(plainSelect.Width(), kScreenA * 3 + 30 + 4);
  EXPECT_EQ(plainSelect.Height(), 21);

  // Nothing selected: a single-selection box and a drop-down send their first item, a
  // multiple-selection box sends nothing; options without VALUE send their text.
  FormFixture::widget(many).selected[2] = true;
  FormFixture::widget(many).selected[10] = true;
  f.current->SubmitForm();
  EXPECT_EQ(f.lastResults(), (Results{"s1=a", "s4=First", "many=Option 3", "many=Option 11", "d=ab"}));
  EXPECT_EQ(FormFixture::widget(many).current, 0) << "the first item is current but not selected";

  FormFixture::widget(plainSelect).current = 1;
  FormFixture::widget(sized).current = 1;
  f.current->SubmitForm();
  EXPECT_EQ(f.lastResults(), (Results{"s1=a", "s4=Second", "many=Option 3", "many=Option 11", "d=x"}));
}

TEST(FormSubmission, TextAreaLineByLine) {
  FormFixture f;
  f.form();
  auto& area =
      f.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrName, "t"}, {attrRows, "3"}, {attrCols, "10"}}));
  auto& wrapped = f.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrName, "w"}, {attrWrap, "SOFT"}}));
  auto& offWrap = f.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrName, "o"}, {attrWrap, "off"}}));
  for (const char* line : {"one", "two", "three"}) area.AddLine(line);
  area.ResetToValue();
  wrapped.ResetToValue();
  EXPECT_EQ(FormFixture::widget(area).text, "one\ntwo\nthree");
  EXPECT_EQ(FormFixture::widget(area).caret, 0);
  EXPECT_TRUE(FormFixture::widget(wrapped).wordWrap);
  EXPECT_FALSE(FormFixture::widget(offWrap).wordWrap);

  f.current->SizeControls(f.canvas);
  EXPECT_EQ(area.Height(), kFixedAHeight * 3 + 5 + 4);
  EXPECT_EQ(area.Width(), kFixedA * 10 + 5 + 4);
  EXPECT_EQ(wrapped.Height(), kFixedAHeight * 5 + 5 + 4);
  EXPECT_EQ(wrapped.Width(), kFixedA * 30 + 5 + 4);

  f.current->SubmitForm();
  EXPECT_EQ(f.lastResults(), (Results{"t=one", "t=two", "t=three"})) << "empty text areas send nothing";

  // Enter in a text area, even the only visible control, never submits.
  FormFixture g;
  g.form();
  auto& lone = g.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrName, "t"}}));
  FormFixture::widget(lone).pressEnter();
  EXPECT_TRUE(g.submissions.empty());
}

TEST(FormSubmission, EnterSubmitsOnlyTheOnlyVisibleControl) {
  FormFixture f;
  f.form();
  auto& query = f.input("text", "q", "bible");
  f.input("hidden", "lang", "cz");
  FormFixture::widget(query).pressEnter();
  ASSERT_EQ(f.submissions.size(), 1u);
  EXPECT_EQ(f.lastResults(), (Results{"q=bible", "lang=cz"}));

  FormFixture g;
  g.form();
  auto& first = g.input("text", "a");
  g.input("checkbox", "b");
  FormFixture::widget(first).pressEnter();
  EXPECT_TRUE(g.submissions.empty());

  // Without a receiver nothing is collected or sent.
  FormFixture h;
  h.host.OnSubmit = nullptr;
  h.form();
  auto& lone = h.input("text", "a");
  FormFixture::widget(lone).pressEnter();
  EXPECT_TRUE(h.submissions.empty());
}

TEST(FormControls, ResetRestoresInitialValuesAfterTheClickEvent) {
  FormFixture f;
  std::vector<std::string> clicks;
  std::string editAtClick;
  f.form();
  auto& edit = f.input("text", "e", "start");
  f.host.OnControlClick = [&](TFormControlObj& control, const std::string& text) {
    clicks.push_back(text);
    editAtClick = FormFixture::widget(edit).text;
    EXPECT_EQ(control.Form, f.current);
  };
  auto& box = f.add<TCheckBoxFormControlObj>(tagInput, formAttrs({{attrType, "checkbox"}, {attrOnclick, "box()"}}));
  auto& radio = f.add<TRadioButtonFormControlObj>(
      tagInput, formAttrs({{attrType, "radio"}, {attrName, "r"}, {attrChecked, ""}, {attrOnclick, "r1()"}}));
  auto& radio2 = f.add<TRadioButtonFormControlObj>(tagInput, formAttrs({{attrType, "radio"}, {attrName, "r"}}));
  auto& list = f.select(formAttrs({{attrName, "l"}, {attrMultiple, ""}}), {{"x", "", true}, {"y", "", false}});
  auto& combo = f.select<TComboFormControlObj>(formAttrs({{attrName, "c"}}), {{"x", "", false}, {"y", "", true}});
  auto& area = f.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrName, "t"}}));
  area.AddLine("text");
  area.ResetToValue();
  auto& reset = f.add<TButtonFormControlObj>(tagInput, formAttrs({{attrType, "reset"}, {attrOnclick, "cleared()"}}));

  FormFixture::widget(edit).type("changed");
  FormFixture::widget(box).click();
  FormFixture::widget(radio2).click();
  FormFixture::widget(list).selected = {false, true};
  FormFixture::widget(combo).current = 0;
  FormFixture::widget(area).type("other");
  EXPECT_FALSE(FormFixture::widget(radio).checked);

  FormFixture::widget(reset).click();
  EXPECT_EQ(clicks, (Results{"box()", "", "cleared()"}));
  EXPECT_EQ(editAtClick, "changed") << "the click event comes before the reset";
  EXPECT_EQ(FormFixture::widget(edit).text, "start");
  EXPECT_FALSE(FormFixture::widget(box).checked);
  EXPECT_TRUE(FormFixture::widget(radio).checked);
  EXPECT_FALSE(FormFixture::widget(radio2).checked);
  EXPECT_EQ(FormFixture::widget(list).selected, (std::vector<bool>{true, false}));
  EXPECT_EQ(FormFixture::widget(combo).current, 1);
  EXPECT_EQ(FormFixture::widget(area).text, "text");
  EXPECT_TRUE(f.submissions.empty());
}

TEST(FormSubmission, ImageInputSendsItsPointOnce) {
  FormFixture f;
  f.form();
  f.input("hidden", "h", "1");
  auto& image =
      f.add<TImageFormControlObj>(tagInput, formAttrs({{attrType, "image"}, {attrName, "map"}, {attrSrc, "m.gif"}}));
  auto& go = f.input("submit", "");

  // The hit test finds the point inside the picture where layout placed it.
  image.Image->PictureLeft = 100;
  image.Image->PictureTop = 50;
  image.Image->OuterWidth = 40;
  image.Image->OuterHeight = 20;
  EXPECT_FALSE(image.SetClickPoint(140, 55));
  ASSERT_TRUE(image.SetClickPoint(112, 57));
  image.ImageClick();
  ASSERT_EQ(f.submissions.size(), 1u);
  EXPECT_EQ(f.lastResults(), (Results{"h=1", "map.x=12", "map.y=7"}));

  FormFixture::widget(go).click();
  EXPECT_EQ(f.lastResults(), (Results{"h=1"}));

  // Unnamed: plain x and y.
  FormFixture g;
  auto& unnamed = g.add<TImageFormControlObj>(tagInput, formAttrs({{attrType, "image"}}));
  unnamed.ClickX = 0;
  unnamed.ClickY = 3;
  unnamed.ImageClick();
  EXPECT_EQ(g.lastResults(), (Results{"x=0", "y=3"}));

  // A click nobody received is not sent along with a later submission.
  FormFixture h;
  h.host.OnSubmit = nullptr;
  auto& lost = h.add<TImageFormControlObj>(tagInput, formAttrs({{attrType, "image"}, {attrName, "i"}}));
  auto& later = h.input("submit", "");
  lost.ClickX = 4;
  lost.ImageClick();
  h.host.OnSubmit = [&h](const FormSubmission& s) { h.submissions.push_back({"", "", "", "", s.Results}); };
  FormFixture::widget(later).click();
  ASSERT_EQ(h.submissions.size(), 1u);
  EXPECT_TRUE(h.submissions[0].results.empty());
}

TEST(FormControls, ControlListLookups) {
  FormFixture f;
  f.form();
  TFormControlList list;
  EXPECT_EQ(list.CharsToNextControl(0), 9999);
  auto& edit = f.input("text", "e");
  auto& box = f.input("checkbox", "b");
  edit.Pos = 2;
  box.Pos = 5;
  list.Add(&edit);
  list.Add(&box);

  EXPECT_EQ(list.FindControl(5), &box);
  EXPECT_EQ(list.FindControl(3), nullptr);
  bool baseLine = false;
  EXPECT_EQ(list.ControlHeightAt(5, baseLine), 13);
  EXPECT_TRUE(baseLine);
  EXPECT_EQ(list.ControlHeightAt(4, baseLine), -1);
  EXPECT_TRUE(baseLine) << "left as it was";
  EXPECT_EQ(list.ControlHeightAt(2, baseLine), 20);
  EXPECT_FALSE(baseLine);
  EXPECT_EQ(list.ControlWidthAt(2), 120);
  EXPECT_EQ(list.ControlWidthAt(0), -1);
  EXPECT_EQ(list.CharsToNextControl(0), 2);
  EXPECT_EQ(list.CharsToNextControl(3), 2);
  EXPECT_EQ(list.CharsToNextControl(5), 0);
  EXPECT_EQ(list.CharsToNextControl(6), 9999);
}

TEST(FormControls, PlacedInTheLineAndKeptReachableWhenFocused) {
  FormFixture f;
  f.block->AppendText(u"ab");
  f.form();
  auto& edit = f.input("text", "e");
  auto& box = f.input("checkbox", "b");
  auto& radio = f.input("radio", "r");
  TCell tableCell(&f.doc);
  tableCell.HasBackground = true;
  tableCell.BackgroundColor = 0x00FF00;
  f.cell = &tableCell;
  auto& radioInCell = f.input("radio", "r");
  const std::vector<InlineControl*>& focused = f.host.Focused;
  f.layoutAndPaint();

  // 12-point text: line 18 high, baseline 14, descent 4, 8 pixels a character. The edit
  // (20 high, bottom on the row bottom) pushes the row 2 down; the check box sits on the
  // baseline.
  FakeFormWidget& e = FormFixture::widget(edit);
  FakeFormWidget& b = FormFixture::widget(box);
  EXPECT_EQ(edit.YValue, 0);
  EXPECT_EQ(f.block->Lines[0].SpaceBefore, 2);
  EXPECT_EQ(e.left, 2 * 8);
  EXPECT_EQ(e.top, 0);
  EXPECT_EQ(e.width, kFixedA * 20 + 5);
  EXPECT_TRUE(e.visible);
  EXPECT_EQ(b.left, e.left + e.width);
  EXPECT_EQ(b.top, 2 + 14 - 13);
  EXPECT_TRUE(edit.HasPlace && box.HasPlace && radio.HasPlace);
  EXPECT_EQ(FormFixture::widget(radio).background, clWhite) << "the document's background";
  EXPECT_EQ(FormFixture::widget(radioInCell).background, 0x00FF00u) << "the cell's background";

  // Scrolled away: nothing is in view. Focus keeps every window shown, far left.
  f.doc.SetVisibleBand(500, 900);
  f.doc.ShowControls(0, 500);
  f.widgets.setFocus(&e);
  ASSERT_EQ(focused.size(), 1u);
  EXPECT_EQ(focused[0], &edit);
  for (FakeFormWidget* w : f.widgets.created) {
    EXPECT_TRUE(w->visible);
    EXPECT_EQ(w->left, -4000);
  }
  // Focus leaves the document's controls: the windows out of view are hidden.
  f.widgets.setFocus(nullptr);
  for (FakeFormWidget* w : f.widgets.created) EXPECT_FALSE(w->visible);
}

TEST(FormControls, SizesFromHugeAttributesStayWithinAWindow) {
  FormFixture f;
  f.form();
  auto& edit = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, "2000000000"}}));
  auto& negative = f.add<TEditFormControlObj>(tagInput, formAttrs({{attrSize, "-5, 1"}}));
  auto& area = f.add<TTextAreaFormControlObj>(tagTextarea, formAttrs({{attrRows, "-3"}, {attrCols, "99999999"}}));
  auto& list = f.add<TListBoxFormControlObj>(tagSelect, formAttrs({{attrSize, "2147483647"}}));
  f.current->SizeControls(f.canvas);
  EXPECT_EQ(edit.Width(), 32000);
  EXPECT_EQ(negative.Width(), 0);
  EXPECT_EQ(area.Width(), 32000 + 4);
  EXPECT_EQ(area.Height(), 0 + 4);
  EXPECT_EQ(list.Height(), 32000 + 4);
}

}  // namespace
}  // namespace tavra::testing
