// The symbols that may stand anywhere in a body, a list, a cell or a block.

#include "html/document/block_elements.h"
#include "html/parse/builder_state.h"
#include "html/forms/form_controls.h"
#include "html/images/image_obj.h"
#include "html/document/section_list.h"

namespace tavra {

void HtmlBuilder::DoCommonSy(int level) {
  Symbol s = sym();
  if (isStyleSymbol(s)) {
    setStyleBit(s);
    applyFont();
    next();
    return;
  }
  switch (s) {
    case tagP:
    case tagPEnd:
      doParagraph(level);
      return;  // doParagraph has read on
    case tagSub:
    case tagSup:
      ensureSection(level);
      scriptMode_ = s == tagSub ? smSubscript : smSuperscript;
      applyFont();
      break;
    case tagSubEnd:
    case tagSupEnd:
      scriptMode_ = smNormal;
      applyFont();
      break;
    case tagBr: {
      int alignment = currentSection_ ? currentSection_->CloseSection() : currentAlignment_;
      addCurrentSection();
      newSection(level, alignment);
      currentSection_->ApplyClear(attributes());
      break;
    }
    case tagH:
      doHeading(level);
      break;
    case tagHEnd:
      if (fontIndex_ > 1) {
        addCurrentSection();
        currentCell_->AddSection(std::make_unique<THeadingSpace>(unsigned(tok.HeadingLevel)));
        PopFont();
      }
      break;
    case tagTt:
    case tagCode:
    case tagKbd:
    case tagSamp:
      if (PushNewFont()) {
        topFont().SetName(doc_.PreFontName);
        topFont().SetHtmlSize(doc_, 10);
        topFont().Fixed = true;
        applyFont();
      }
      break;
    case tagTtEnd:
    case tagCodeEnd:
    case tagKbdEnd:
    case tagSampEnd:
    case tagFontEnd:
    case tagBigEnd:
    case tagSmallEnd:
      PopFont();
      applyFont();
      break;
    case tagAddress:
      addCurrentSection();
      if (PushNewFont()) topFont().SetStyle(topFont().Style() | fsItalic);
      newSection(level, currentAlignment_);
      break;
    case tagAddressEnd:
      addCurrentSection();
      PopFont();
      break;
    case tagPre:
      DoPre(level);
      return;
    case tagImg:
      ensureSection(level);
      currentSection_->AddImage(std::make_unique<TImageObj>(currentSection_->CharCount, attributes()), currentCell_);
      break;
    case tagA:
      doAnchor(level, false);
      break;
    case tagAEnd:
      DoAEnd();
      break;
    case symText:
      ensureSection(level);
      currentSection_->AppendText(tok.TokenText);
      break;
    case tagTable:
      if (nesting_ < MaxNesting) {
        DoTable(level);
        return;
      }
      break;
    case tagInput:
    case tagSelect:
    case tagTextarea:
      doFormControl(level);
      break;
    case tagForm:
      currentForm_ = &ThtmlForm::Create(doc_, attributes());
      break;
    case tagFormEnd:
      currentForm_ = nullptr;
      break;
    case tagFont:
    case tagBasefont:
      if (DoFont(s, false)) applyFont();
      break;
    case tagBig:
    case tagSmall:
      if (DoBigSmall(s)) applyFont();
      break;
    case tagMap:
      DoMap(true);
      return;
    case tagScript:
      DoScript();
      break;
    default:  // /TEXTAREA and anything not meant for here
      break;
  }
  next();
}

void HtmlBuilder::doParagraph(int level) {
  addCurrentSection();
  if (!tok.NoParagraphSpace && currentCell_) currentCell_->AddSection(std::make_unique<TParagraphSpace>());
  tok.SkipWhiteSpace();
  int alignment = GetAlign(sym());
  tok.NoParagraphSpace = true;
  next();
  while (sym() == tagP || sym() == tagPEnd) {
    alignment = GetAlign(sym());
    tok.SkipWhiteSpace();
    tok.NoParagraphSpace = true;
    next();
  }
  newSection(level, alignment);
}

int HtmlBuilder::GetAlign(Symbol symbol) const {
  if (symbol == tagPEnd) return currentAlignment_;
  const TAttribute* align = attributes().Find(attrAlign);
  return align ? AlignValue(align->Text, 10, currentAlignment_) : currentAlignment_;
}

void HtmlBuilder::doHeading(int level) {
  if (fontIndex_ >= FontStackSize) return;  // the heading keeps the current font, no spacers
  addCurrentSection();
  PushNewFont();
  int headingLevel = tok.HeadingLevel;
  int points = headingLevel >= 1 && headingLevel <= 6 ? HeadingSizes[headingLevel - 1] : 12;
  topFont().SetHtmlSize(doc_, points);
  if (headingLevel > 0) topFont().SetStyle(topFont().Style() | fsBold);
  currentCell_->AddSection(std::make_unique<THeadingSpace>(unsigned(headingLevel)));
  newSection(level, GetAlign(tagH));
}

void HtmlBuilder::doAnchor(int level, bool inPre) {
  for (const TAttribute& a : attributes()) {
    if (a.Sym == attrHref) {
      if (inLink_) DoAEnd();
      if (!a.Text.empty()) {
        const TAttribute* target = attributes().Find(attrTarget);
        linkTarget_.URL = a.Text;
        linkTarget_.Target = target ? target->Text : std::string();
        inLink_ = true;
        if (PushNewFont()) {
          topFont().SetStyle(topFont().Style() | fsUnderline);
          topFont().SetColor(doc_.LinkColor);
        }
        if (currentSection_ && !inPre)
          currentSection_->ChangeLink(attrHref, doc_, topFont(), linkTarget_, extraFontStyles_, scriptMode_);
      }
      // Preformatted text starts a link run for every HREF.
      if (currentSection_ && inPre)
        currentSection_->ChangeLink(attrHref, doc_, topFont(), linkTarget_, extraFontStyles_, scriptMode_);
    } else if (a.Sym == attrName && !a.Text.empty()) {
      ensureSection(level);
      anchorNames_.emplace(AnchorKey(a.Text), currentSection_.get());
    }
  }
}

void HtmlBuilder::doFormControl(int level) {
  Symbol s = sym();
  ensureSection(level);
  TFormControlObj* control =
      AddFormControl(*currentSection_, s, doc_, currentCell_, attributes(), currentForm_);
  if (s == tagSelect)
    DoSelect(control);
  else if (s == tagTextarea)
    DoTextArea(control);
}

}  // namespace tavra
