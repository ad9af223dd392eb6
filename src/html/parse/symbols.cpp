#include "html/parse/symbols.h"

#include <array>
#include <cstdint>

#include "html/parse/entity_names.h"

namespace tavra {

namespace {

struct TagEntry {
  std::string_view name;
  Symbol start;
  Symbol end;  // symOtherTag for names without an end symbol
};

constexpr TagEntry kTags[] = {
    {"HTML", tagHtml, tagHtmlEnd},
    {"TITLE", tagTitle, tagTitleEnd},
    {"BODY", tagBody, tagBodyEnd},
    {"HEAD", tagHead, tagHeadEnd},
    {"B", tagB, tagBEnd},
    {"I", tagI, tagIEnd},
    {"H", tagH, tagHEnd},
    {"EM", tagEm, tagEmEnd},
    {"STRONG", tagStrong, tagStrongEnd},
    {"U", tagU, tagUEnd},
    {"CITE", tagCite, tagCiteEnd},
    {"VAR", tagVar, tagVarEnd},
    {"TT", tagTt, tagTtEnd},
    {"CODE", tagCode, tagCodeEnd},
    {"KBD", tagKbd, tagKbdEnd},
    {"SAMP", tagSamp, tagSampEnd},
    {"OL", tagOl, tagOlEnd},
    {"UL", tagUl, tagUlEnd},
    {"DIR", tagDir, tagDirEnd},
    {"MENU", tagMenu, tagMenuEnd},
    {"DL", tagDl, tagDlEnd},
    {"A", tagA, tagAEnd},
    {"ADDRESS", tagAddress, tagAddressEnd},
    {"BLOCKQUOTE", tagBlockquote, tagBlockquoteEnd},
    {"PRE", tagPre, tagPreEnd},
    {"CENTER", tagCenter, tagCenterEnd},
    {"TABLE", tagTable, tagTableEnd},
    {"TD", tagTd, tagTdEnd},
    {"TH", tagTh, tagThEnd},
    {"CAPTION", tagCaption, tagCaptionEnd},
    {"FORM", tagForm, tagFormEnd},
    {"TEXTAREA", tagTextarea, tagTextareaEnd},
    {"SELECT", tagSelect, tagSelectEnd},
    {"OPTION", tagOption, tagOptionEnd},
    {"FONT", tagFont, tagFontEnd},
    {"SUB", tagSub, tagSubEnd},
    {"SUP", tagSup, tagSupEnd},
    {"BIG", tagBig, tagBigEnd},
    {"SMALL", tagSmall, tagSmallEnd},
    {"P", tagP, tagPEnd},
    {"MAP", tagMap, tagMapEnd},
    {"FRAMESET", tagFrameset, tagFramesetEnd},
    {"NOFRAMES", tagNoframes, tagNoframesEnd},
    {"SCRIPT", tagScript, tagScriptEnd},
    {"DIV", tagDiv, tagDivEnd},
    {"S", tagS, tagSEnd},
    {"STRIKE", tagStrike, tagStrikeEnd},
    {"TR", tagTr, tagTrEnd},
    {"LI", tagLi, symOtherTag},
    {"BR", tagBr, symOtherTag},
    {"HR", tagHr, symOtherTag},
    {"DD", tagDd, symOtherTag},
    {"DT", tagDt, symOtherTag},
    {"IMG", tagImg, symOtherTag},
    {"BASE", tagBase, symOtherTag},
    {"BUTTON", tagButton, symOtherTag},
    {"INPUT", tagInput, symOtherTag},
    {"SELECTED", attrSelected, symOtherTag},
    {"BASEFONT", tagBasefont, symOtherTag},
    {"AREA", tagArea, symOtherTag},
    {"FRAME", tagFrame, symOtherTag},
    {"BGSOUND", tagBgsound, symOtherTag},
    {"WRAP", attrWrap, symOtherTag},
    {"META", tagMeta, symOtherTag},
};
static_assert(std::size(kTags) == 64);

struct AttrEntry {
  std::string_view name;
  Symbol sym;
};

// VALUE stands twice in the table, both times with the same symbol; one entry serves.
constexpr AttrEntry kAttributes[] = {
    {"HREF", attrHref},
    {"NAME", attrName},
    {"SRC", attrSrc},
    {"ALT", attrAlt},
    {"ALIGN", attrAlign},
    {"TEXT", attrText},
    {"BGCOLOR", attrBgcolor},
    {"LINK", attrLink},
    {"BACKGROUND", attrBackground},
    {"COLSPAN", attrColspan},
    {"ROWSPAN", attrRowspan},
    {"BORDER", attrBorder},
    {"CELLPADDING", attrCellpadding},
    {"CELLSPACING", attrCellspacing},
    {"VALIGN", attrValign},
    {"WIDTH", attrWidth},
    {"START", attrStart},
    {"VALUE", attrValue},
    {"TYPE", attrType},
    {"CHECKBOX", attrCheckbox},
    {"RADIO", attrRadio},
    {"METHOD", attrMethod},
    {"ACTION", attrAction},
    {"CHECKED", attrChecked},
    {"SIZE", attrSize},
    {"MAXLENGTH", attrMaxlength},
    {"COLS", attrCols},
    {"ROWS", attrRows},
    {"MULTIPLE", attrMultiple},
    {"SELECTED", attrSelected},
    {"FACE", attrFace},
    {"COLOR", attrColor},
    {"TRANSP", attrTransp},
    {"CLEAR", attrClear},
    {"ISMAP", attrIsmap},
    {"BORDERCOLOR", attrBordercolor},
    {"USEMAP", attrUsemap},
    {"SHAPE", attrShape},
    {"COORDS", attrCoords},
    {"NOHREF", attrNohref},
    {"HEIGHT", attrHeight},
    {"PLAIN", attrPlain},
    {"TARGET", attrTarget},
    {"NORESIZE", attrNoresize},
    {"SCROLLING", attrScrolling},
    {"HSPACE", attrHspace},
    {"LANGUAGE", attrLanguage},
    {"FRAMEBORDER", attrFrameborder},
    {"MARGINWIDTH", attrMarginwidth},
    {"MARGINHEIGHT", attrMarginheight},
    {"LOOP", attrLoop},
    {"ONCLICK", attrOnclick},
    {"WRAP", attrWrap},
    {"NOSHADE", attrNoshade},
    {"HTTP-EQUIV", attrHttpEquiv},
    {"CONTENT", attrContent},
    {"ENCTYPE", attrEnctype},
};
static_assert(std::size(kAttributes) == 57);


// An open-addressing hash table from names to small values, filled once. Names are
// looked up on every tag, attribute and reference, so a probe is a hash and (nearly
// always) one comparison.
template <typename Value>
class NameTable {
 public:
  void insert(std::string_view name, Value value) {
    if (name.size() > maxLength_) maxLength_ = name.size();
    std::size_t i = hash(name) & kMask;
    while (!slots_[i].name.empty()) i = (i + 1) & kMask;
    slots_[i] = Slot{name, value};
  }
  bool find(std::string_view name, Value& value) const {
    if (name.empty() || name.size() > maxLength_) return false;
    for (std::size_t i = hash(name) & kMask; !slots_[i].name.empty(); i = (i + 1) & kMask) {
      if (slots_[i].name == name) {
        value = slots_[i].value;
        return true;
      }
    }
    return false;
  }

 private:
  static constexpr std::size_t kSize = 512;
  static constexpr std::size_t kMask = kSize - 1;
  struct Slot {
    std::string_view name;
    Value value{};
  };
  std::array<Slot, kSize> slots_{};
  std::size_t maxLength_ = 0;

  static std::size_t hash(std::string_view s) {
    std::uint32_t h = 2166136261u;
    for (char c : s) h = (h ^ std::uint8_t(c)) * 16777619u;
    return h ^ (h >> 15);
  }
};

struct Tables {
  NameTable<std::uint8_t> tags;  // index into kTags
  NameTable<Symbol> attributes;
  NameTable<char32_t> entities;
  std::array<std::string_view, symbolCount> names{};

  Tables() {
    for (std::size_t i = 0; i < std::size(kTags); ++i) {
      tags.insert(kTags[i].name, std::uint8_t(i));
      if (kTags[i].start >= tagHtml && kTags[i].start < attrHref) names[kTags[i].start] = kTags[i].name;
    }
    for (const AttrEntry& a : kAttributes) {
      attributes.insert(a.name, a.sym);
      names[a.sym] = a.name;
    }
    for (std::size_t i = 0; i < std::size(kLatin1Names); ++i) entities.insert(kLatin1Names[i], char32_t(160 + i));
    for (const EntityEntry& e : kOtherEntities) entities.insert(e.name, e.character);
    names[symText] = "(text)";
    names[symEndOfFile] = "(end of file)";
    names[symOtherTag] = "(other tag)";
    names[symStrayChar] = "(stray character)";
    names[symLineEnd] = "(line end)";
    names[symOtherAttr] = "(other attribute)";
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

// End symbols' names are built from the start names.
constexpr std::string_view kEndNames[] = {
    "/HTML", "/TITLE", "/BODY",  "/HEAD",  "/B",        "/I",          "/H",      "/EM",
    "/STRONG", "/U",   "/CITE",  "/VAR",   "/TT",       "/CODE",       "/KBD",    "/SAMP",
    "/OL",   "/UL",    "/DIR",   "/MENU",  "/DL",       "/A",          "/ADDRESS", "/BLOCKQUOTE",
    "/PRE",  "/CENTER", "/TABLE", "/TD",   "/TH",       "/CAPTION",    "/FORM",   "/TEXTAREA",
    "/SELECT", "/OPTION", "/FONT", "/SUB", "/SUP",      "/BIG",        "/SMALL",  "/P",
    "/MAP",  "/FRAMESET", "/NOFRAMES", "/SCRIPT", "/DIV", "/S",        "/STRIKE", "/TR",
};
static_assert(std::size(kEndNames) == 48);

constexpr SymbolSet kKeepAttributes = {
    tagBody,  tagP,      tagBr,    tagH,      tagHr,       tagBase,  tagOl,    tagUl,
    tagImg,   tagA,      tagTable, tagTd,     tagTr,       tagTh,    tagCaption, tagInput,
    tagForm,  tagTextarea, tagSelect, tagOption, tagFont,  tagBasefont, tagMap, tagArea,
    tagFrameset, tagFrame, tagScript, tagDiv, tagBgsound,  attrWrap, tagMeta,
};

}  // namespace

Symbol TagSymbol(std::string_view upperName, bool endTag) {
  std::uint8_t index;
  if (!tables().tags.find(upperName, index)) return symOtherTag;
  return endTag ? kTags[index].end : kTags[index].start;
}

Symbol AttributeSymbol(std::string_view upperName) {
  Symbol sym;
  return tables().attributes.find(upperName, sym) ? sym : symOtherAttr;
}

bool EntityCharacter(std::string_view name, char32_t& character) {
  return tables().entities.find(name, character);
}

bool KeepsAttributes(Symbol tag) { return kKeepAttributes.contains(tag); }

std::string_view SymbolName(Symbol sym) {
  if (sym >= tagHtml && sym <= tagTrEnd && (sym - tagHtml) % 2 == 1) return kEndNames[(sym - tagHtml) / 2];
  if (sym >= symbolCount) return "(no symbol)";
  return tables().names[sym];
}

}  // namespace tavra
