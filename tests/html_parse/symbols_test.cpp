#include "html/parse/symbols.h"

#include <gtest/gtest.h>

#include "html/parse/attributes.h"
#include "html/parse/colors.h"

using namespace tavra;

// Every symbol of the enumeration has its name in the tables and reads back as itself, so
// the enumeration and the tables cannot drift apart.
TEST(Symbols, EveryTagAndAttributeNameReadsAsItsOwnSymbol) {
  int starts = 0, ends = 0, attributes = 0;
  for (int i = tagHtml; i < symbolCount; ++i) {
    const Symbol sym = Symbol(i);
    const std::string name(SymbolName(sym));
    SCOPED_TRACE(name);
    ASSERT_FALSE(name.empty());
    if (sym >= attrHref) {
      EXPECT_EQ(AttributeSymbol(name), sym);
      ++attributes;
    } else if (name[0] == '/') {
      EXPECT_EQ(TagSymbol(name.substr(1), true), sym);
      ++ends;
    } else {
      EXPECT_EQ(TagSymbol(name, false), sym);
      ++starts;
    }
  }
  // 64 tag names, two of which (SELECTED, WRAP) read as attribute symbols.
  EXPECT_EQ(starts, 62);
  EXPECT_EQ(ends, 48);
  EXPECT_EQ(attributes, 57);
  EXPECT_EQ(TagSymbol("SELECTED", false), attrSelected);
  EXPECT_EQ(TagSymbol("WRAP", false), attrWrap);
  EXPECT_EQ(TagSymbol("TABLE", true), tagTableEnd);
  EXPECT_EQ(TagSymbol("BR", true), symOtherTag);  // start-only names have no end symbol
  EXPECT_EQ(TagSymbol("META", true), symOtherTag);
  EXPECT_EQ(AttributeSymbol("HTTP-EQUIV"), attrHttpEquiv);
  for (const char* other : {"", "H1", "TABL", "TABLES", "table", "SPAN", "BLOCKQUOTEBLOCKQUOTE"})
    EXPECT_EQ(TagSymbol(other, false), symOtherTag) << other;
  for (const char* other : {"", "src", "HTTP", "DATA-X", "BORDERS"})
    EXPECT_EQ(AttributeSymbol(other), symOtherAttr) << other;
}

TEST(Symbols, TagsThatKeepAttributes) {
  for (Symbol s : {tagBody, tagP, tagBr, tagH, tagHr, tagBase, tagOl, tagUl, tagImg, tagA, tagTable,
                   tagTd, tagTr, tagTh, tagCaption, tagInput, tagForm, tagTextarea, tagSelect,
                   tagOption, tagFont, tagBasefont, tagMap, tagArea, tagFrameset, tagFrame,
                   tagScript, tagDiv, tagBgsound, attrWrap, tagMeta})
    EXPECT_TRUE(KeepsAttributes(s)) << SymbolName(s);
  for (Symbol s : {tagB, tagI, tagLi, tagPre, tagCenter, tagTitle, tagPEnd, tagAEnd, attrSelected,
                   symOtherTag, symText})
    EXPECT_FALSE(KeepsAttributes(s)) << SymbolName(s);
}

TEST(Symbols, SymbolSets) {
  const SymbolSet lists = {tagOlEnd, tagUlEnd, attrEnctype};
  EXPECT_TRUE(lists.contains(tagOlEnd));
  EXPECT_TRUE(lists.contains(attrEnctype));
  EXPECT_FALSE(lists.contains(tagOl));
  const SymbolSet both = lists + SymbolSet{symEndOfFile};
  EXPECT_TRUE(both.contains(symEndOfFile));
  EXPECT_TRUE(both.contains(tagUlEnd));
  EXPECT_FALSE(lists.contains(symEndOfFile));
}

TEST(Symbols, ParseIntegerAcceptsOnlyWholeDecimalNumbers) {
  std::int32_t v = 99;
  EXPECT_TRUE(ParseInteger("42", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(ParseInteger("-7", v));
  EXPECT_EQ(v, -7);
  EXPECT_TRUE(ParseInteger("+3", v));
  EXPECT_EQ(v, 3);
  EXPECT_TRUE(ParseInteger("  12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(ParseInteger("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  v = 99;
  for (const char* bad : {"", "-", "12 ", "1.5", "0x10", "2147483648", "99999999999999999999", "1e3"})
    EXPECT_FALSE(ParseInteger(bad, v)) << bad;
  EXPECT_EQ(v, 99);
}

TEST(Colors, NamesAndHexadecimalNumbers) {
  std::uint32_t c = 0;
  EXPECT_TRUE(ParseColor("#FF0000", c));
  EXPECT_EQ(c, 0x0000FFu);
  for (const char* red : {"red", "Red", "RED"}) {
    c = 0;
    EXPECT_TRUE(ParseColor(red, c));
    EXPECT_EQ(c, 0x0000FFu);
  }
  EXPECT_TRUE(ParseColor("navy", c));
  EXPECT_EQ(c, 0x800000u);
  EXPECT_TRUE(ParseColor("Fuchsia", c));
  EXPECT_EQ(c, 0xFF00FFu);
  EXPECT_TRUE(ParseColor("silver", c));
  EXPECT_EQ(c, 0xC0C0C0u);
  EXPECT_TRUE(ParseColor("#123456", c));
  EXPECT_EQ(c, 0x563412u);
  EXPECT_TRUE(ParseColor("00ff00", c));  // the number sign may be missing
  EXPECT_EQ(c, 0x00FF00u);
  EXPECT_TRUE(ParseColor("12#3456", c));  // the first `#` is removed wherever it stands
  EXPECT_EQ(c, 0x563412u);
  EXPECT_TRUE(ParseColor("#1FF0000", c));  // bits above 24 are dropped
  EXPECT_EQ(c, 0x0000FFu);
  EXPECT_TRUE(ParseColor("#ABC", c));  // short numbers are numbers too: 0x000ABC
  EXPECT_EQ(c, 0xBC0A00u);

  c = 0x42;
  for (const char* bad : {"", "#", "orange", "#GG0000", "##FF0000", "#FF 000", "123456789", "grey"})
    EXPECT_FALSE(ParseColor(bad, c)) << bad;
  EXPECT_EQ(c, 0x42u);  // a failed parse leaves the colour alone
}
