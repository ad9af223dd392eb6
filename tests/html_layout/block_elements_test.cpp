#include <gtest/gtest.h>

#include "layout_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

std::unique_ptr<THorzLine> rule(std::initializer_list<std::pair<Symbol, std::string>> attrs) {
  TAttributeList list;
  for (const auto& [sym, text] : attrs) {
    std::int32_t value = 0;
    std::string digits;
    for (char ch : text)
      if (ch >= '0' && ch <= '9') digits += ch;
    if (!digits.empty()) value = std::stoi(digits);
    list.Add(sym, value, text);
  }
  return std::make_unique<THorzLine>(list);
}

TEST(BlockElements, SpacerAndRuleHeightsFollowTheDocumentFontSize) {
  for (int size : {12, 10}) {
    DocFixture f;
    f.doc.FontSize = size;
    auto& para = f.add(std::make_unique<TParagraphSpace>());
    auto& h1 = f.add(std::make_unique<THeadingSpace>(1));
    auto& h2 = f.add(std::make_unique<THeadingSpace>(2));
    auto& h3 = f.add(std::make_unique<THeadingSpace>(3));
    auto& h4 = f.add(std::make_unique<THeadingSpace>(4));
    auto& h0 = f.add(std::make_unique<THeadingSpace>(0));
    auto& h5 = f.add(std::make_unique<THeadingSpace>(5));
    auto& h6 = f.add(std::make_unique<THeadingSpace>(6));
    auto& line = f.add(rule({}));
    auto& thick = f.add(rule({{attrSize, "5"}}));
    if (size == 12) {
      EXPECT_EQ(para.ContentHeight, 14);
      EXPECT_EQ(h1.ContentHeight, 16);
      EXPECT_EQ(h2.ContentHeight, 12);
      EXPECT_EQ(h3.ContentHeight, 10);
      EXPECT_EQ(h4.ContentHeight, 8);
      EXPECT_EQ(h0.ContentHeight, 8);
      EXPECT_EQ(h5.ContentHeight, 6);
      EXPECT_EQ(h6.ContentHeight, 4);
      EXPECT_EQ(line.ContentHeight, 20);
      EXPECT_EQ(thick.ContentHeight, 23);
    } else {
      EXPECT_EQ(para.ContentHeight, 12);  // 11.67 rounded
      EXPECT_EQ(h1.ContentHeight, 13);    // 13.33
      EXPECT_EQ(h2.ContentHeight, 10);
      EXPECT_EQ(h3.ContentHeight, 8);     // 8.33
      EXPECT_EQ(h4.ContentHeight, 7);     // 6.67
      EXPECT_EQ(h5.ContentHeight, 5);
      EXPECT_EQ(h6.ContentHeight, 3);     // 3.33
      EXPECT_EQ(line.ContentHeight, 17);  // 16.67
    }
  }
}

TEST(BlockElements, RuleAttributes) {
  EXPECT_EQ(rule({{attrSize, "0"}})->Thickness, 2);
  EXPECT_EQ(rule({{attrSize, "25"}})->Thickness, 2);
  EXPECT_EQ(rule({{attrSize, "20"}})->Thickness, 20);
  EXPECT_EQ(rule({{attrWidth, "0"}})->Width, -1);
  auto over = rule({{attrWidth, "150%"}});
  EXPECT_EQ(over->Width, -1);
  EXPECT_TRUE(over->WidthIsPercent);
  auto pixels = rule({{attrWidth, "120"}, {attrAlign, "RIGHT"}});
  EXPECT_EQ(pixels->Width, 120);
  EXPECT_FALSE(pixels->WidthIsPercent);
  EXPECT_EQ(pixels->Align, alRight);
  EXPECT_EQ(rule({{attrAlign, "justify"}})->Align, alCenter);
  auto coloured = rule({{attrColor, "red"}, {attrNoshade, ""}});
  EXPECT_TRUE(coloured->ColorGiven);
  EXPECT_EQ(coloured->Color, 0x0000FFu);
  EXPECT_TRUE(coloured->NoShade);
  EXPECT_FALSE(rule({{attrColor, "nonsense"}})->ColorGiven);
}

TEST(BlockElements, RuleExtentsInPercentPixelsAndFullWidth) {
  DocFixture f;
  f.add(rule({{attrWidth, "50%"}, {attrColor, "red"}}));
  f.add(rule({{attrWidth, "100"}, {attrAlign, "left"}, {attrColor, "blue"}}));
  f.add(rule({}));
  f.add(rule({{attrNoshade, ""}}));
  FixedCanvas c(600, 100);
  f.layout(c, 600);
  f.paint(c);
  const ColorRef red = 0x0000FF, blue = 0xFF0000;
  // The thin line lies 9 pixels below the top of its 20-pixel block.
  EXPECT_EQ(c.pixel(150, 9), red);
  EXPECT_EQ(c.pixel(449, 10), red);
  EXPECT_EQ(c.pixel(149, 9), clWhite);
  EXPECT_EQ(c.pixel(450, 9), clWhite);
  EXPECT_EQ(c.pixel(300, 8), clWhite);
  EXPECT_EQ(c.pixel(300, 11), clWhite);
  EXPECT_EQ(c.pixel(0, 29), blue);
  EXPECT_EQ(c.pixel(99, 30), blue);
  EXPECT_EQ(c.pixel(100, 29), clWhite);
  // Shaded: dark top and left, light bottom and right, 10 pixels inside the edges.
  EXPECT_EQ(c.pixel(300, 49), resolveColor(clBtnShadow));
  EXPECT_EQ(c.pixel(10, 50), resolveColor(clBtnShadow));
  EXPECT_EQ(c.pixel(300, 51), ColorRef(0xC0C0C0));
  EXPECT_EQ(c.pixel(590, 50), ColorRef(0xC0C0C0));
  EXPECT_EQ(c.pixel(9, 50), clWhite);
  EXPECT_EQ(c.pixel(591, 50), clWhite);
  EXPECT_EQ(c.pixel(300, 69), clBlack);
  EXPECT_EQ(c.pixel(300, 71), clBlack);
}

TEST(BlockElements, SpacersAndRulesCopyAsEmptyLines) {
  DocFixture f;
  f.text("ab");
  f.add(std::make_unique<TParagraphSpace>());
  f.text("cd");
  f.add(rule({}));
  f.text("ef");
  FixedCanvas c(200, 100);
  f.layout(c, 200);
  std::u16string copied;
  f.doc.CopySelectedText(1, 5, copied);
  EXPECT_EQ(utf16ToUtf8(copied), "b\r\n\r\ncd\r\n\r\ne");
}

}  // namespace
}  // namespace tavra::testing
