// The font stack and the tags that change the current font.

#include <algorithm>

#include "html/parse/builder_state.h"
#include "html/parse/colors.h"
#include "html/document/section_list.h"

namespace tavra {

bool HtmlBuilder::PushNewFont() {
  if (fontIndex_ >= FontStackSize) return false;
  ++fontIndex_;
  fontStack_[std::size_t(fontIndex_)] = fontStack_[std::size_t(fontIndex_ - 1)];
  return true;
}

void HtmlBuilder::PopFont() {
  if (fontIndex_ > 1) --fontIndex_;
}

void HtmlBuilder::popFontsTo(int index) {
  while (fontIndex_ > index && fontIndex_ > 1) PopFont();
}

void HtmlBuilder::DoAEnd() {
  if (inLink_) {
    linkTarget_.Clear();
    inLink_ = false;
    PopFont();
  }
  if (currentSection_)
    currentSection_->ChangeLink(tagAEnd, doc_, topFont(), linkTarget_, extraFontStyles_, scriptMode_);
}

bool HtmlBuilder::isStyleSymbol(Symbol symbol) {
  switch (symbol) {
    case tagB: case tagBEnd: case tagStrong: case tagStrongEnd:
    case tagI: case tagIEnd: case tagEm: case tagEmEnd: case tagCite: case tagCiteEnd: case tagVar: case tagVarEnd:
    case tagU: case tagUEnd:
    case tagS: case tagSEnd: case tagStrike: case tagStrikeEnd:
      return true;
    default:
      return false;
  }
}

void HtmlBuilder::setStyleBit(Symbol symbol) {
  unsigned bit = 0;
  bool set = false;
  switch (symbol) {
    case tagB: case tagStrong: set = true; [[fallthrough]];
    case tagBEnd: case tagStrongEnd: bit = fsBold; break;
    case tagI: case tagEm: case tagCite: case tagVar: set = true; [[fallthrough]];
    case tagIEnd: case tagEmEnd: case tagCiteEnd: case tagVarEnd: bit = fsItalic; break;
    case tagU: set = true; [[fallthrough]];
    case tagUEnd: bit = fsUnderline; break;
    case tagS: case tagStrike: set = true; [[fallthrough]];
    case tagSEnd: case tagStrikeEnd: bit = fsStrikeOut; break;
    default: return;
  }
  if (set)
    extraFontStyles_ = static_cast<std::uint8_t>(extraFontStyles_ | bit);
  else
    extraFontStyles_ = static_cast<std::uint8_t>(extraFontStyles_ & ~bit);
}

bool HtmlBuilder::DoFont(Symbol symbol, bool inPre) {
  bool isBase = symbol == tagBasefont;
  int size = 0;
  bool hasColour = false;
  ColorRef colour = 0;
  std::string face;
  for (const TAttribute& a : attributes()) {
    if (a.Sym == attrSize) {
      int value = a.Value;
      if (a.Text.size() > 1 && (a.Text[0] == '+' || a.Text[0] == '-')) value += baseFontSize_;
      size = std::clamp(value, 1, 7);
      if (isBase) baseFontSize_ = size;
    } else if (a.Sym == attrColor && !isBase) {
      std::uint32_t c = 0;
      if (ParseColor(a.Text, c)) {
        colour = c;
        hasColour = true;
      }
    } else if (a.Sym == attrFace && !isBase && !a.Text.empty()) {
      std::string name = a.Text.substr(0, 50);
      name = name.substr(0, name.find(','));
      std::size_t first = name.find_first_not_of(" \t\r\n");
      std::size_t last = name.find_last_not_of(" \t\r\n");
      name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
      if (!name.empty()) face = std::move(name);
    }
  }
  // BASEFONT sets the document's font only before anything has been finished; later it
  // only moves the base of relative sizes.
  if (isBase && !(currentCell_ == &doc_ && doc_.Count() == 0)) return false;
  if (!PushNewFont()) return false;  // a FONT pushes even without attributes: /FONT pops it
  if (size == 0 && !hasColour && face.empty()) return false;
  TMyFont& font = topFont();
  if (hasColour) font.SetColor(colour | PaletteRelative);
  if (size > 0) font.SetHtmlSize(doc_, inPre ? PreFontSizes[size - 1] : FontSizes[size - 1]);
  if (!face.empty()) font.SetName(face);
  return true;
}

bool HtmlBuilder::DoBigSmall(Symbol symbol) {
  int step = -1;
  for (int i = 0; i < 7; ++i)
    if (FontSizes[i] == topFont().NormalSize) step = i + 1;
  int newStep;
  if (symbol == tagBig && step >= 1 && step <= 6)
    newStep = step + 1;
  else if (symbol == tagBig && step == 7)
    newStep = 7;  // no larger size: push the same one, so that /BIG still pops one level
  else if (symbol == tagSmall && step >= 2 && step <= 7)
    newStep = step - 1;
  else
    return false;
  if (!PushNewFont()) return false;
  topFont().SetHtmlSize(doc_, FontSizes[newStep - 1]);
  return true;
}

}  // namespace tavra
