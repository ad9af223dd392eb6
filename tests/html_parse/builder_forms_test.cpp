// Forms and their controls, image maps and images as the builder creates them.

#include <gtest/gtest.h>

#include "builder_fixture.h"
#include "html/forms/form_controls.h"
#include "html/images/image_obj.h"
#include "platform/unicode.h"

namespace tavra::test {
namespace {

const ThtmlForm& formAt(const TSectionList& doc, int index) { return dynamic_cast<const ThtmlForm&>(doc.Forms[index]); }

TEST(BuilderForms, ControlsJoinTheirFormOptionsAndLines) {
  Parsed p("<form action=go.htm method=post><select name=s><option value=1>One<option selected> Two </select>"
           "<textarea name=t rows=2>l1\n&lt;b&gt; <i>\n</textarea><input name=e value=v>"
           "<input type=hidden name=h value=1></form><input name=after>");
  ASSERT_EQ(p.doc.Forms.Count(), 2);  // the input after /FORM gets a form of its own
  const ThtmlForm& form = formAt(p.doc, 0);
  EXPECT_EQ(form.Action, "go.htm");
  ASSERT_EQ(form.Controls.size(), 4u);
  EXPECT_EQ(formAt(p.doc, 1).Controls.size(), 1u);

  auto* select = dynamic_cast<TComboFormControlObj*>(form.Controls[0].get());
  ASSERT_NE(select, nullptr);
  ASSERT_EQ(select->Options.size(), 2u);
  EXPECT_EQ(select->Options[0].first, "One");
  EXPECT_EQ(select->Options[0].second.Value, "1");
  EXPECT_FALSE(select->Options[0].second.Selected);
  EXPECT_EQ(select->Options[1].first, "Two");
  EXPECT_EQ(select->Options[1].second.Value, "");
  EXPECT_TRUE(select->Options[1].second.Selected);

  auto* area = dynamic_cast<TTextAreaFormControlObj*>(form.Controls[1].get());
  ASSERT_NE(area, nullptr);
  // Text-area content is not folded and its tags are text; references are resolved.
  EXPECT_EQ(area->TheText, (std::vector<std::string>{"l1", "<b> <i>"}));

  // One marker per visible control, in one text block; the hidden input adds none.
  EXPECT_EQ(p.blocks(), "T'\x02\x02\x02\x02'");
  EXPECT_EQ(p.block<TSection>(0).ControlRuns.size(), 4u);
}

TEST(BuilderForms, OptionTextIsCutAndTextOutsideOptionsIgnored) {
  Parsed p("<select multiple><option>a</option>junk<option value=v>" + std::string(100, 'x') +
           "</select>after");
  auto* list = dynamic_cast<TListBoxFormControlObj*>(p.doc.FormControls.at(0));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(dynamic_cast<TComboFormControlObj*>(list), nullptr);
  ASSERT_EQ(list->Options.size(), 2u);
  EXPECT_EQ(list->Options[0].first, "a");
  EXPECT_EQ(list->Options[1].first, std::string(80, 'x'));
  EXPECT_EQ(utf16ToUtf8(p.block<TSection>(0).Text), "\x02" "after");
}

TEST(BuilderForms, UnclosedTextAreaTakesTheRest) {
  Parsed p("<textarea>a\nb");
  auto* area = dynamic_cast<TTextAreaFormControlObj*>(p.doc.FormControls.at(0));
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->TheText, (std::vector<std::string>{"a", "b"}));
}

TEST(BuilderMaps, AreasCollectedUnclosedMapDropped) {
  Parsed p("<map name=nav><area shape=rect coords=\"0,0,10,10\" href=a.htm>text<area shape=circle "
           "coords=\"5,5,3\" href=b.htm></map>x");
  ASSERT_EQ(p.doc.ImageMaps.Count(), 1);
  EXPECT_EQ(p.doc.ImageMaps[0].MapName, "NAV");
  EXPECT_EQ(p.doc.ImageMaps[0].Areas.size(), 2u);
  EXPECT_EQ(p.blocks(), "T'x'");  // text inside the map is not shown

  Parsed q("<map name=m><area shape=rect coords=0,0,5,5 href=a>");
  EXPECT_EQ(q.doc.ImageMaps.Count(), 0);
}

TEST(BuilderImages, ImageStandsInTheTextAsAMarker) {
  Parsed p("a<img src=p.gif alt=pic align=left>b<p><img src=q.gif>");
  EXPECT_EQ(p.blocks(), "T'a\x04" "b' P T'\x04'");
  const TSection& s = p.block<TSection>(0);
  ASSERT_EQ(s.ImageRuns.Count(), 1);
  auto& image = dynamic_cast<TImageObj&>(s.ImageRuns[0]);
  EXPECT_EQ(image.Source, "p.gif");
  EXPECT_EQ(image.Pos, 1);
  EXPECT_EQ(image.OwnerCell, &p.doc);
}

}  // namespace
}  // namespace tavra::test
