#pragma once
// The state of one parse and the recursive-descent reader over the tokenizer's symbols.
// Internal to the builder; the entry points are in builder.h.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "html/parse/builder.h"
#include "html/document/fonts.h"
#include "html/parse/symbols.h"
#include "html/document/text_section.h"
#include "html/parse/tokenizer.h"
#include "html/links/url_target.h"

namespace tavra {

class ThtmlForm;
class ThtmlTable;
class TCellList;
class TCellObj;
class TFormControlObj;

class HtmlBuilder {
 public:
  static constexpr int FontStackSize = 25;
  static constexpr int MaxNesting = MaxHtmlNesting;
  // A block of text costs several hundred bytes however little it holds; a document of
  // nothing but line breaks would otherwise take a hundred times its size. Past this
  // many the rest of the document is not read.
  static constexpr int MaxBlocks = 250'000;

  HtmlBuilder(TSectionList& document, TAnchorNames& anchorNames);
  HtmlBuilder(const HtmlBuilder&) = delete;
  HtmlBuilder& operator=(const HtmlBuilder&) = delete;

  HtmlTokenizer tok;
  TParseResults Results;

  // The whole parse of the opened source; `plainText` reads it as a text file. The text
  // reached so far lands in the document on every way out.
  void Run(bool plainText);

 private:
  // The cells and row of the table being read.
  struct TableBuild {
    ThtmlTable* table = nullptr;
    std::unique_ptr<TCellList> row;
    std::unique_ptr<TCellObj> cellObj;
  };

  // Counts one level of nesting for as long as it lives.
  class NestingGuard {
   public:
    explicit NestingGuard(int& depth) : depth_(depth) { ++depth_; }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    int& depth_;
  };

  TSectionList& doc_;
  TAnchorNames& anchorNames_;
  TCell* currentCell_;
  std::unique_ptr<TSection> currentSection_;
  std::array<TMyFont, FontStackSize + 1> fontStack_;  // 1-based; index 1 is the base font
  int fontIndex_ = 1;
  TUrlTarget linkTarget_;
  bool inLink_ = false;
  int currentAlignment_ = alLeft;
  std::uint8_t extraFontStyles_ = 0;
  std::uint8_t scriptMode_ = smNormal;
  ThtmlForm* currentForm_ = nullptr;
  int baseFontSize_ = 3;
  int nesting_ = 0;
  int blocksMade_ = 0;

  Symbol sym() const { return tok.CurrentSymbol; }
  void next() { tok.NextSymbol(); }
  const TAttributeList& attributes() const { return tok.Attributes; }
  TMyFont& topFont() { return fontStack_[std::size_t(fontIndex_)]; }

  // --- blocks
  void newSection(int level, int alignment);
  void ensureSection(int level);
  void addCurrentSection();
  void dropCurrentSection();
  void applyFont();

  // --- fonts
  bool PushNewFont();
  void PopFont();
  void popFontsTo(int index);
  void DoAEnd();
  bool DoFont(Symbol symbol, bool inPre);
  bool DoBigSmall(Symbol symbol);
  void setStyleBit(Symbol symbol);
  static bool isStyleSymbol(Symbol symbol);

  // --- body
  void DoBody(int level, const SymbolSet& termSet);
  void DoCommonSy(int level);
  void doBodyTag(int level);
  void doCenter(int level, const SymbolSet& termSet);
  void doParagraph(int level);
  void doHeading(int level);
  void doAnchor(int level, bool inPre);
  void doFormControl(int level);
  void doHorzLine();
  int GetAlign(Symbol symbol) const;

  // --- lists
  void DoLists(int level, Symbol listSymbol, const SymbolSet& termSet);

  // --- tables
  void DoTable(int level);
  void readCell(TableBuild& t, int remembered, std::uint8_t styles, std::uint8_t rowAlign,
                std::uint8_t rowVAlign);
  void AddCell(TableBuild& t);
  void finishTable(TableBuild& t, std::unique_ptr<ThtmlTable> table, TCell* outer);

  // --- preformatted and plain text
  void DoPre(int level);
  void DoText();
  bool beginPre(int level);
  void endPre(std::u16string& pending, bool pushed);
  void startPreLine(int level);
  void newPreLine(int level, std::u16string& pending);
  void flush(std::u16string& pending);
  bool doPreTag(int level, std::u16string& pending);

  // --- forms
  void DoTextArea(TFormControlObj* control);
  void DoSelect(TFormControlObj* control);

  // --- head and side elements
  void DoMap(bool readOn);
  void DoScript();
  void DoTitle();
  void DoBase();
  void DoSound();
  void DoMeta();
};

// Whether DoCommonSy handles the symbol.
bool IsCommonSymbol(Symbol symbol);
// Lower-cases ASCII letters of at most `max` characters of `text`.

// Alignment keyword ("left", "center", "right") read from an attribute; `fallback` for
// other values.
int AlignValue(const std::string& text, std::size_t max, int fallback);

}  // namespace tavra
