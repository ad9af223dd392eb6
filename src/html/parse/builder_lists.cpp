// Lists: OL, UL, DIR, MENU, DL and BLOCKQUOTE with their items.

#include "html/document/block_elements.h"
#include "html/parse/builder_state.h"
#include "html/document/section_list.h"

namespace tavra {

namespace {

constexpr SymbolSet kListEndSet{tagOlEnd, tagUlEnd, tagDirEnd, tagMenuEnd, tagDlEnd, tagBlockquoteEnd};

}  // namespace

void HtmlBuilder::DoLists(int level, Symbol listSymbol, const SymbolSet& termSet) {
  NestingGuard nested(nesting_);
  int itemNumber = 1;
  char listType = '1';
  bool plain = listSymbol != tagOl;
  bool noBullets = listSymbol == tagUl && attributes().Find(attrPlain);
  if (listSymbol == tagOl) {
    if (const TAttribute* start = attributes().Find(attrStart); start && start->Value >= 0) itemNumber = start->Value;
    if (const TAttribute* type = attributes().Find(attrType); type && !type->Text.empty()) listType = type->Text[0];
  }
  addCurrentSection();
  next();
  if (kListEndSet.contains(sym())) return;  // an empty list leaves no block

  int itemLevel = level;
  while (!kListEndSet.contains(sym()) && sym() != symEndOfFile) {
    Symbol s = sym();
    if (IsCommonSymbol(s) && s != tagTable) {
      DoCommonSy(itemLevel);
      continue;
    }
    switch (s) {
      case tagHr:
        doHorzLine();
        break;
      case tagOl:
      case tagUl:
      case tagDir:
      case tagMenu:
      case tagDl:
        if (nesting_ < MaxNesting) DoLists(level + 1, s, termSet);
        next();
        break;
      case tagBlockquote:
        if (nesting_ < MaxNesting) {
          addCurrentSection();
          DoLists(level + 1, s, termSet);
        }
        next();
        break;
      case tagLi: {
        addCurrentSection();
        std::unique_ptr<TUListItem> item;
        if (plain) {
          item = std::make_unique<TUListItem>(level, &linkTarget_, topFont(), extraFontStyles_);
        } else {
          item = std::make_unique<TOListItem>(level, &linkTarget_, topFont(), listType, itemNumber, extraFontStyles_);
          ++itemNumber;
        }
        item->NoBullet = noBullets;
        currentSection_ = std::move(item);
        scriptMode_ = smNormal;
        tok.SkipWhiteSpace();
        next();
        if (sym() == tagP) next();  // LI P opens no empty paragraph
        itemLevel = level;
        break;
      }
      case tagDd:
      case tagDt:
        addCurrentSection();
        itemLevel = s == tagDd ? level : level - 1;
        currentSection_ = std::make_unique<TDListItem>(itemLevel, &linkTarget_, topFont(), extraFontStyles_);
        scriptMode_ = smNormal;
        next();
        break;
      case tagCenter:
      case tagDiv:
        DoBody(itemLevel, kListEndSet + SymbolSet{symEndOfFile} + termSet);
        break;
      case tagTable:
        if (nesting_ < MaxNesting) {
          if (currentSection_) currentSection_->CloseSection();
          DoTable(itemLevel);
        } else {
          next();
        }
        break;
      default:
        if (termSet.contains(s)) return;
        next();
        break;
    }
  }
  addCurrentSection();
}

}  // namespace tavra
