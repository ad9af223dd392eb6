// Preformatted text (PRE) and plain text files: one block per source line.

#include "html/document/block_elements.h"
#include "html/parse/builder_state.h"
#include "html/forms/forms.h"
#include "html/images/image_obj.h"
#include "html/document/section_list.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

// Pending text is appended to its block in pieces of just over this many characters.
constexpr std::size_t kPreFlushLength = 200;

}  // namespace

bool HtmlBuilder::beginPre(int level) {
  addCurrentSection();
  bool pushed = PushNewFont();
  if (pushed) {
    topFont().SetName(doc_.PreFontName);
    topFont().SetHtmlSize(doc_, 10);
    topFont().Fixed = true;
  }
  startPreLine(level);
  tok.InPre = true;
  return pushed;
}

void HtmlBuilder::endPre(std::u16string& pending, bool pushed) {
  flush(pending);
  addCurrentSection();
  tok.InPre = false;
  // Without its own font (the stack was full) the block has nothing to pop.
  if (pushed) PopFont();
}

void HtmlBuilder::startPreLine(int level) {
  addCurrentSection();
  currentSection_ = std::make_unique<TPreFormated>(level, alLeft, &linkTarget_, topFont(), extraFontStyles_);
  scriptMode_ = smNormal;
}

void HtmlBuilder::newPreLine(int level, std::u16string& pending) {
  flush(pending);
  startPreLine(level);
}

void HtmlBuilder::flush(std::u16string& pending) {
  if (currentSection_ && !pending.empty()) currentSection_->AppendText(pending);
  pending.clear();
}

void HtmlBuilder::DoPre(int level) {
  bool pushed = beginPre(level);
  std::u16string pending;
  for (;;) {
    const char32_t c = tok.CurrentChar;
    if (c == HtmlTokenizer::EndMarker) break;
    if (c == HtmlTokenizer::LineEnd) {
      newPreLine(level, pending);
      tok.GetCh();
    } else if (c == '&') {
      next();
      pending += tok.TokenText;
    } else if (c == '<') {
      if (!doPreTag(level, pending)) break;
    } else {
      appendUtf16(pending, c);
      if (pending.size() > kPreFlushLength) flush(pending);
      tok.GetCh();
    }
  }
  endPre(pending, pushed);
  next();  // also past the /TD or /TH that ended the block
}

bool HtmlBuilder::doPreTag(int level, std::u16string& pending) {
  next();
  Symbol s = sym();
  if (isStyleSymbol(s)) {
    flush(pending);
    setStyleBit(s);
    applyFont();
    return true;
  }
  switch (s) {
    case tagP:
    case tagBr:
      newPreLine(level, pending);
      if (tok.CurrentChar == HtmlTokenizer::LineEnd) tok.GetCh();  // BR and its line end make one break
      break;
    case tagPreEnd:
    case tagTdEnd:
    case tagThEnd:
      return false;
    case tagImg:
      flush(pending);
      ensureSection(level);
      currentSection_->AddImage(std::make_unique<TImageObj>(currentSection_->CharCount, attributes()), currentCell_);
      break;
    case tagA:
      flush(pending);
      doAnchor(level, true);
      break;
    case tagAEnd:
      flush(pending);
      DoAEnd();
      break;
    case tagInput:
    case tagSelect:
    case tagTextarea:
      flush(pending);
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
      flush(pending);
      DoFont(s, true);
      applyFont();
      break;
    case tagFontEnd:
      PopFont();
      flush(pending);
      applyFont();
      break;
    case tagMap:
      DoMap(false);
      break;
    case tagScript:
      DoScript();
      break;
    default:  // every other tag, and a lone `<`, is dropped
      break;
  }
  return true;
}

void HtmlBuilder::DoText() {
  bool pushed = beginPre(0);
  std::u16string pending;
  for (;;) {
    const char32_t c = tok.CurrentChar;
    if (c == HtmlTokenizer::EndMarker) break;
    if (c == HtmlTokenizer::LineEnd) {
      newPreLine(0, pending);
    } else {
      appendUtf16(pending, c);
      if (pending.size() > kPreFlushLength) flush(pending);
    }
    tok.GetCh();
  }
  endPre(pending, pushed);
}

}  // namespace tavra
