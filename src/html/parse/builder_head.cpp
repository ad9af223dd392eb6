// Elements that add no text: image maps, scripts, the title, BASE, BGSOUND and META.

#include "html/parse/builder_state.h"
#include "html/document/section_list.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

// The script buffer starts at this size; it grows geometrically, so that a long script
// costs linear time.
constexpr std::size_t kScriptBufferStart = 32500;

const std::string& textOf(const TAttributeList& attributes, Symbol symbol) {
  static const std::string empty;
  const TAttribute* a = attributes.Find(symbol);
  return a ? a->Text : empty;
}

}  // namespace

void HtmlBuilder::DoMap(bool readOn) {
  auto map = std::make_unique<TMapItem>();
  if (const TAttribute* name = attributes().Find(attrName)) {
    map->MapName = AnchorKey(name->Text);  // map names compare in upper case too
  }
  next();
  while (sym() != tagMapEnd && sym() != symEndOfFile) {
    if (sym() == tagArea) map->AddArea(attributes());
    next();
  }
  if (sym() == tagMapEnd) doc_.ImageMaps.Add(std::move(map));
  // Inside preformatted text the characters after the end tag are still to be read.
  if (readOn) next();
}

void HtmlBuilder::DoScript() {
  if (!doc_.Host().TakesScripts()) {
    do
      tok.NextScriptSymbol();
    while (sym() != tagScriptEnd && sym() != symEndOfFile);
    return;
  }
  struct ScriptFlag {
    bool& flag;
    explicit ScriptFlag(bool& f) : flag(f) { flag = true; }
    ~ScriptFlag() { flag = false; }
  } inScript(tok.InScript);
  std::string language = textOf(attributes(), attrLanguage);
  std::string buffer;
  buffer.reserve(kScriptBufferStart);
  tok.NextScriptSymbol();
  while (sym() != tagScriptEnd && sym() != symEndOfFile) {
    if (sym() == symLineEnd)
      buffer += "\r\n";
    else
      buffer += utf16ToUtf8(tok.TokenText);
    tok.NextScriptSymbol();
  }
  doc_.Host().Script(language, std::move(buffer));
}

void HtmlBuilder::DoTitle() {
  Results.ParsedTitle.clear();
  next();
  while (sym() == symText) {
    Results.ParsedTitle += utf16ToUtf8(tok.TokenText);
    next();
  }
}

void HtmlBuilder::DoBase() {
  if (const TAttribute* href = attributes().Find(attrHref)) Results.ParsedBase = href->Text;
  if (const TAttribute* target = attributes().Find(attrTarget)) Results.ParsedBaseTarget = target->Text;
  next();
}

void HtmlBuilder::DoSound() {
  const TAttribute* src = attributes().Find(attrSrc);
  if (src) {
    const TAttribute* loop = attributes().Find(attrLoop);
    doc_.Host().Sound(src->Text, loop ? loop->Value : 1, false);
  }
  next();
}

void HtmlBuilder::DoMeta() {
  doc_.Host().Meta(textOf(attributes(), attrHttpEquiv), textOf(attributes(), attrName),
                   textOf(attributes(), attrContent));
  next();
}

}  // namespace tavra

