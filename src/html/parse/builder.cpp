#include "html/parse/builder.h"

#include "html/document/block_elements.h"
#include "html/parse/builder_state.h"
#include "html/parse/colors.h"
#include "html/document/section_list.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

// The tags that end a CENTER or DIV block.
constexpr SymbolSet kBlockEndSet{tagCenterEnd, tagDivEnd};

// The symbols that DoCommonSy handles wherever they occur.
constexpr SymbolSet kCommonSet{
    tagP,       tagPEnd,      tagB,        tagBEnd,      tagI,        tagIEnd,        tagEm,      tagEmEnd,
    tagStrong,  tagStrongEnd, tagU,        tagUEnd,      tagCite,     tagCiteEnd,     tagVar,     tagVarEnd,
    tagS,       tagSEnd,      tagStrike,   tagStrikeEnd, tagSub,      tagSubEnd,      tagSup,     tagSupEnd,
    tagBr,      tagH,         tagHEnd,     tagTt,        tagTtEnd,    tagCode,        tagCodeEnd, tagKbd,
    tagKbdEnd,  tagSamp,      tagSampEnd,  tagAddress,   tagAddressEnd, tagPre,       tagImg,     tagA,
    tagAEnd,    symText,      tagTable,    tagInput,     tagSelect,   tagForm,        tagFormEnd, tagTextarea,
    tagTextareaEnd, tagFont,  tagFontEnd,  tagBasefont,  tagBig,      tagBigEnd,      tagSmall,   tagSmallEnd,
    tagMap,     tagScript};

}  // namespace

bool IsCommonSymbol(Symbol symbol) { return kCommonSet.contains(symbol); }

std::string AnchorKey(std::string_view name) { return ascii::upper(name); }

int AlignValue(const std::string& text, std::size_t max, int fallback) {
  std::string value = ascii::lower(text, max);
  if (value == "left") return alLeft;
  if (value == "center") return alCenter;
  if (value == "right") return alRight;
  return fallback;
}

// ---------------------------------------------------------------- entry points

TParseResults ParseHtmlFile(TSectionList& document, TAnchorNames& anchorNames, const std::string& fileName) {
  HtmlBuilder builder(document, anchorNames);
  builder.tok.OpenFile(fileName);
  try {
    builder.Run(false);
  } catch (const EParseError&) {
    // The document keeps what was built up to the open comment.
  }
  return std::move(builder.Results);
}

TParseResults ParseHtmlText(TSectionList& document, TAnchorNames& anchorNames, const char* text,
                            std::size_t length) {
  HtmlBuilder builder(document, anchorNames);
  builder.tok.SetText(text, length);
  builder.Run(false);
  return std::move(builder.Results);
}

TParseResults ParseTextFile(TSectionList& document, TAnchorNames& anchorNames, const std::string& fileName) {
  HtmlBuilder builder(document, anchorNames);
  builder.tok.OpenFile(fileName);
  try {
    builder.Run(true);
  } catch (const EParseError&) {
    // As for HTML files: the lines read so far stay.
  }
  return std::move(builder.Results);
}

// ---------------------------------------------------------------- one parse

HtmlBuilder::HtmlBuilder(TSectionList& document, TAnchorNames& anchorNames)
    : doc_(document), anchorNames_(anchorNames), currentCell_(&document) {
  DocumentHost& host = document.Host();
  if (host.TakesIncludes())
    tok.OnInclude = [&host](const std::string& command, std::vector<std::string>& params, const char*& buffer,
                            int& size) { host.Include(command, params, buffer, size); };
  TMyFont& base = fontStack_[1];
  base.SetFonts(host.Fonts());
  base.SetName(document.FontName);
  base.SetColor(document.FontColor);
  base.SetCharset(document.Charset);
  base.SetHtmlSize(document, 12);
  currentSection_ = std::make_unique<TSection>(0, alLeft, nullptr, base);
}

void HtmlBuilder::Run(bool plainText) {
  doc_.DocumentCharset = tok.DocumentCharset();
  auto finish = [this] {
    tok.Attributes.Clear();
    addCurrentSection();
    popFontsTo(1);
    linkTarget_.Clear();
    inLink_ = false;
  };
  try {
    tok.GetCh();
    if (plainText) {
      DoText();
    } else {
      next();
      DoBody(0, SymbolSet());
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

// ---------------------------------------------------------------- blocks

void HtmlBuilder::newSection(int level, int alignment) {
  addCurrentSection();
  currentSection_ = std::make_unique<TSection>(level, alignment, &linkTarget_, topFont(), extraFontStyles_);
  scriptMode_ = smNormal;
  if (++blocksMade_ == MaxBlocks) tok.endInput();
}

void HtmlBuilder::ensureSection(int level) {
  if (!currentSection_) newSection(level, currentAlignment_);
}

void HtmlBuilder::addCurrentSection() {
  if (!currentSection_) return;
  if (currentCell_)
    currentCell_->AddSection(std::move(currentSection_));
  else
    dropCurrentSection();
}

void HtmlBuilder::dropCurrentSection() {
  if (!currentSection_) return;
  // An anchor must not outlive the block it names.
  TSection* dropped = currentSection_.get();
  std::erase_if(anchorNames_, [dropped](const auto& entry) { return entry.second == dropped; });
  currentSection_.reset();
}

void HtmlBuilder::applyFont() {
  if (currentSection_) currentSection_->ChangeFont(doc_, topFont(), extraFontStyles_, scriptMode_);
}

// ---------------------------------------------------------------- the block loop

void HtmlBuilder::DoBody(int level, const SymbolSet& termSet) {
  while (sym() != symEndOfFile && sym() != tagBodyEnd) {
    Symbol s = sym();
    if (kCommonSet.contains(s)) {
      DoCommonSy(level);
      continue;
    }
    switch (s) {
      case tagTitle:
        DoTitle();
        break;
      case tagBody:
        doBodyTag(level);
        break;
      case tagHr:
        doHorzLine();
        break;
      case tagBase:
        DoBase();
        break;
      case tagOl:
      case tagUl:
      case tagDir:
      case tagMenu:
      case tagDl:
        if (nesting_ < MaxNesting) DoLists(1, s, termSet);
        next();
        break;
      case tagBlockquote:
        if (nesting_ < MaxNesting) {
          addCurrentSection();
          DoLists(1, s, termSet);
        }
        next();
        break;
      case tagCenter:
      case tagDiv:
        if (nesting_ < MaxNesting)
          doCenter(level, termSet);
        else
          next();
        break;
      case tagBgsound:
        DoSound();
        break;
      case tagMeta:
        DoMeta();
        break;
      default:
        if (termSet.contains(s)) return;
        next();
        break;
    }
  }
  next();
}

void HtmlBuilder::doBodyTag(int level) {
  // Only the first BODY counts, and only while nothing has been finished: it replaces the
  // text block read before it.
  if (currentCell_ && currentCell_->Count() == 0) {
    dropCurrentSection();
    for (const TAttribute& a : attributes()) {
      ColorRef colour = 0;
      switch (a.Sym) {
        case attrText:
          if (ParseColor(a.Text, colour)) {
            topFont().SetColor(colour | PaletteRelative);
            doc_.FontColor = colour | PaletteRelative;
          }
          break;
        case attrLink:
          if (ParseColor(a.Text, colour)) doc_.LinkColor = colour | PaletteRelative;
          break;
        case attrBgcolor:
          if (ParseColor(a.Text, colour)) doc_.SetBackgroundColor(colour | PaletteRelative);
          break;
        case attrBackground:
          doc_.SetBackgroundImageName(a.Text);
          break;
        default:
          break;
      }
    }
    currentSection_ = std::make_unique<TSection>(level, currentAlignment_, nullptr, fontStack_[1], extraFontStyles_);
    scriptMode_ = smNormal;
  }
  next();
}

void HtmlBuilder::doCenter(int level, const SymbolSet& termSet) {
  NestingGuard nested(nesting_);
  addCurrentSection();
  int saved = currentAlignment_;
  if (sym() == tagCenter) {
    currentAlignment_ = alCenter;
  } else if (const TAttribute* align = attributes().Find(attrAlign)) {
    currentAlignment_ = AlignValue(align->Text, 10, currentAlignment_);
  }
  newSection(level, currentAlignment_);
  next();
  DoBody(level, termSet + kBlockEndSet);
  addCurrentSection();
  currentAlignment_ = saved;
  newSection(level, currentAlignment_);
  if (sym() == tagCenterEnd || sym() == tagDivEnd) next();
}

void HtmlBuilder::doHorzLine() {
  addCurrentSection();
  if (currentCell_) currentCell_->AddSection(std::make_unique<THorzLine>(attributes()));
  next();
}

}  // namespace tavra
