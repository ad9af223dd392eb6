#pragma once
// The one-byte symbols of HTML reading: the tokenizer's own symbols, a start symbol for
// every tag name (and an end symbol for the names that close), and a symbol for every
// attribute name. Tags are `tag...`, their end tags `tag...End`, attributes `attr...`.

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tavra {

enum Symbol : std::uint8_t {
  // The tokenizer's own symbols.
  symText,        // a run of text, a character reference, a `<` that starts no tag
  symEndOfFile,   // the end marker
  symOtherTag,    // an unknown tag name, an end tag of a start-only name, `</` alone
  symStrayChar,   // a character that starts nothing else (controls, `>` outside a tag)
  symLineEnd,     // a line end inside TEXTAREA or SCRIPT content
  symOtherAttr,   // an attribute name that is not in the table

  // Tags with a start and an end symbol.
  tagHtml, tagHtmlEnd,
  tagTitle, tagTitleEnd,
  tagBody, tagBodyEnd,
  tagHead, tagHeadEnd,
  tagB, tagBEnd,
  tagI, tagIEnd,
  tagH, tagHEnd,  // H1..H6; the digit is the tokenizer's HeadingLevel
  tagEm, tagEmEnd,
  tagStrong, tagStrongEnd,
  tagU, tagUEnd,
  tagCite, tagCiteEnd,
  tagVar, tagVarEnd,
  tagTt, tagTtEnd,
  tagCode, tagCodeEnd,
  tagKbd, tagKbdEnd,
  tagSamp, tagSampEnd,
  tagOl, tagOlEnd,
  tagUl, tagUlEnd,
  tagDir, tagDirEnd,
  tagMenu, tagMenuEnd,
  tagDl, tagDlEnd,
  tagA, tagAEnd,
  tagAddress, tagAddressEnd,
  tagBlockquote, tagBlockquoteEnd,
  tagPre, tagPreEnd,
  tagCenter, tagCenterEnd,
  tagTable, tagTableEnd,
  tagTd, tagTdEnd,
  tagTh, tagThEnd,
  tagCaption, tagCaptionEnd,
  tagForm, tagFormEnd,
  tagTextarea, tagTextareaEnd,
  tagSelect, tagSelectEnd,
  tagOption, tagOptionEnd,
  tagFont, tagFontEnd,
  tagSub, tagSubEnd,
  tagSup, tagSupEnd,
  tagBig, tagBigEnd,
  tagSmall, tagSmallEnd,
  tagP, tagPEnd,
  tagMap, tagMapEnd,
  tagFrameset, tagFramesetEnd,
  tagNoframes, tagNoframesEnd,
  tagScript, tagScriptEnd,
  tagDiv, tagDivEnd,
  tagS, tagSEnd,
  tagStrike, tagStrikeEnd,
  tagTr, tagTrEnd,

  // Tags with a start symbol only. The tags SELECTED and WRAP read as the attribute
  // symbols attrSelected and attrWrap.
  tagLi,
  tagBr,
  tagHr,
  tagDd,
  tagDt,
  tagImg,
  tagBase,
  tagButton,
  tagInput,
  tagBasefont,
  tagArea,
  tagFrame,
  tagBgsound,
  tagMeta,

  // Attributes.
  attrHref,
  attrName,
  attrSrc,
  attrAlt,
  attrAlign,
  attrText,
  attrBgcolor,
  attrLink,
  attrBackground,
  attrColspan,
  attrRowspan,
  attrBorder,
  attrCellpadding,
  attrCellspacing,
  attrValign,
  attrWidth,
  attrStart,
  attrValue,
  attrType,
  attrCheckbox,
  attrRadio,
  attrMethod,
  attrAction,
  attrChecked,
  attrSize,
  attrMaxlength,
  attrCols,
  attrRows,
  attrMultiple,
  attrSelected,
  attrFace,
  attrColor,
  attrTransp,
  attrClear,
  attrIsmap,
  attrBordercolor,
  attrUsemap,
  attrShape,
  attrCoords,
  attrNohref,
  attrHeight,
  attrPlain,
  attrTarget,
  attrNoresize,
  attrScrolling,
  attrHspace,
  attrLanguage,
  attrFrameborder,
  attrMarginwidth,
  attrMarginheight,
  attrLoop,
  attrOnclick,
  attrWrap,
  attrNoshade,
  attrHttpEquiv,
  attrContent,
  attrEnctype,

  symbolCount
};

// The symbol of a tag name (upper case, without `<` and `/`): the start symbol, or for an
// end tag the end symbol; symOtherTag when the name has no such symbol.
Symbol TagSymbol(std::string_view upperName, bool endTag);

// The symbol of an attribute name (upper case); symOtherAttr when it is not in the table.
Symbol AttributeSymbol(std::string_view upperName);

// The character of a named reference (case-sensitive, without `&` and `;`).
bool EntityCharacter(std::string_view name, char32_t& character);

// Whether a tag's attributes replace the attribute list (the tags whose handlers read them).
bool KeepsAttributes(Symbol tag);

// The upper-case name of a tag or attribute symbol ("/P" for an end symbol), or a
// description of the tokenizer's own symbols; for messages and tests.
std::string_view SymbolName(Symbol sym);

// A set of symbols, for the builder's terminator sets.
class SymbolSet {
 public:
  constexpr SymbolSet() = default;
  constexpr SymbolSet(std::initializer_list<Symbol> symbols) {
    for (Symbol s : symbols) add(s);
  }
  constexpr void add(Symbol s) { bits_[s >> 6] |= std::uint64_t(1) << (s & 63); }
  constexpr bool contains(Symbol s) const { return (bits_[s >> 6] >> (s & 63)) & 1; }
  constexpr SymbolSet operator+(const SymbolSet& other) const {
    SymbolSet r = *this;
    for (int i = 0; i < 4; ++i) r.bits_[i] |= other.bits_[i];
    return r;
  }

 private:
  std::uint64_t bits_[4] = {0, 0, 0, 0};
};

}  // namespace tavra
