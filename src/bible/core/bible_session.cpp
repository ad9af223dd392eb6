#include "bible/core/bible_session.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <tuple>

#include "platform/czech_text.h"

namespace tavra::bible {

namespace {

// The sizes a larger or smaller text steps through, in points.
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40, 48};

std::string bibleLine(const BibleInfo& bible) {
  return bible.abbreviation.empty() ? bible.description : bible.description + " (" + bible.abbreviation + ")";
}

bool isCzechBible(const BibleInfo& bible) { return isCzech(bible.language); }

}  // namespace

BibleSession::BibleSession(std::unique_ptr<BibleLibrary> library, BibleSettings& settings)
    : library_(std::move(library)), settings_(settings), fontSize_(settings.fontSize(DefaultFontSize)) {}

void BibleSession::open(const std::string& reference, const std::string& moduleName) {
  open(reference, moduleName, lookUp(*library_, reference, moduleName, settings_));
}

void BibleSession::open(const std::string& reference, const std::string& moduleName, Lookup found) {
  reference_ = reference;
  module_ = moduleName;
  show(std::move(found));
}

void BibleSession::lookUpAgain() { show(lookUp(*library_, reference_, module_, settings_)); }

void BibleSession::show(Lookup found) {
  lookup_ = std::move(found);
  wholeChapter_ = false;
  chapterBook_ = nullptr;
  chapter_ = 0;
  rebuild();
}

bool BibleSession::passageShown() const { return lookup_.message.empty() && lookup_.passage.status == Passage::Ok; }

int BibleSession::chosenIndex() const {
  const std::string name = showingResults() ? results_.bible : lookup_.bible ? lookup_.bible->name : "";
  const auto& list = bibles();
  const auto found =
      std::find_if(list.begin(), list.end(), [&](const BibleInfo& bible) { return !name.empty() && bible.name == name; });
  return found == list.end() ? -1 : int(std::distance(list.begin(), found));
}

std::string BibleSession::anchor() const {
  return !showingResults() && wholeChapter_ && !page_.marked.empty() ? PassageAnchor : "";
}

std::string BibleSession::html() const { return showingResults() ? results_.html : pageHtml(page_); }

std::string BibleSession::title() const { return showingResults() ? results_.title : page_.heading; }

void BibleSession::showResults(const std::string& query, const BibleInfo& bible, const BibleSearch& found) {
  results_ = {searchPageHtml(query, bible.shortName(), found), "Hledání " + czechQuoted(query), bible.name};
}

std::optional<BibleInfo> BibleSession::bibleToSearch() const {
  if (lookup_.bible) return lookup_.bible;
  const BibleInfo* chosen = library_->choose(settings_.bible());
  return chosen ? std::optional<BibleInfo>(*chosen) : std::nullopt;
}

bool BibleSession::searchNow(const std::string& query, const std::string& moduleName, const std::string& scope) {
  BibleScope within;
  std::string problem;
  const BibleInfo* bible = moduleName.empty() ? library_->choose(settings_.bible()) : library_->find(moduleName);
  if (!bible)
    problem = moduleName.empty() ? "Není nainstalována žádná Bible, a tak nelze hledat."
                                 : "Bible " + czechQuoted(moduleName) + " není nainstalována.";
  else if (!scope.empty()) parseScope(scope, within, problem);
  if (!problem.empty()) {
    open("", moduleName, Lookup{{}, std::nullopt, {}, problem});
    return false;
  }
  showResults(query, *bible, searchBible(*library_, *bible, query, within));
  return true;
}

bool BibleSession::followResult(const std::string& address) {
  const std::string reference = referenceOfLink(address);
  if (reference.empty() || !showingResults()) return false;
  savedResults_ = results_;
  reference_ = reference;
  module_ = results_.bible;
  lookUpAgain();
  return true;
}

bool BibleSession::back() {
  if (!canGoBack()) return false;
  results_ = savedResults_;
  return true;
}

// An installed Bible other than the one shown that holds the passage: its short name.
std::string BibleSession::otherBibleHolding() const {
  if (!lookup_.parsed.ok()) return "";
  for (const BibleInfo& bible : bibles()) {
    if (lookup_.bible && bible.name == lookup_.bible->name) continue;
    if (library_->read(bible, lookup_.parsed.ranges).status == Passage::Ok) return bible.shortName();
  }
  return "";
}

Notice BibleSession::noticeFor() const {
  if (passageShown()) {
    if (std::any_of(bibles().begin(), bibles().end(), isCzechBible)) return {};
    return {"Není nainstalována žádná česká Bible; text je z Bible " + czechQuoted(lookup_.bible->shortName()) + ".",
            true};
  }
  if (!lookup_.parsed.ok()) return {};
  if (bibles().empty()) return {"Není nainstalována žádná Bible.", true};
  if (const std::string other = otherBibleHolding(); !other.empty())
    return {"Toto místo obsahuje Bible " + czechQuoted(other) + "; vyberte ji v seznamu Biblí.", false};
  if (lookup_.passage.status == Passage::NotInBible) return {"Žádná nainstalovaná Bible toto místo neobsahuje.", true};
  return {};
}

void BibleSession::rebuild() {
  results_ = {};
  page_ = Page{};
  page_.heading = reference_.empty() ? "Bible" : reference_;
  if (!passageShown()) {
    page_.message = lookup_.message;
    if (lookup_.bible) page_.bible = bibleLine(*lookup_.bible);
  } else if (wholeChapter_ && chapterBook_) {
    rebuildChapter();
  } else {
    page_.bible = bibleLine(*lookup_.bible);
    page_.verses = lookup_.passage.verses;
  }
  notice_ = noticeFor();
}

void BibleSession::rebuildChapter() {
  const Passage chapter = library_->read(*lookup_.bible, {VerseRange{chapterBook_, chapter_, 0, chapter_, 0}});
  page_.heading = chapterName(*chapterBook_, chapter_);
  page_.bible = bibleLine(*lookup_.bible);
  page_.verses = chapter.verses;
  if (chapter.status != Passage::Ok) page_.message = "Bible tuto kapitolu neobsahuje.";
  std::set<std::tuple<const BookInfo*, int, int>> inPassage;
  for (const Verse& verse : lookup_.passage.verses) inPassage.insert({verse.book, verse.chapter, verse.verse});
  bool any = false;
  for (const Verse& verse : page_.verses) {
    const bool marked = inPassage.count({verse.book, verse.chapter, verse.verse}) > 0;
    page_.marked.push_back(marked);
    any = any || marked;
  }
  if (!any) page_.marked.clear();
}

bool BibleSession::setWholeChapter(bool whole) {
  if (!passageShown() || lookup_.passage.verses.empty() || whole == wholeChapter_) return false;
  wholeChapter_ = whole;
  if (whole) {
    chapterBook_ = lookup_.passage.verses.front().book;
    chapter_ = lookup_.passage.verses.front().chapter;
  }
  rebuild();
  return true;
}

bool BibleSession::stepChapter(int step) {
  if (!passageShown() || lookup_.passage.verses.empty()) return false;
  // From the chapter shown whole, else from the passage's first or last chapter.
  const Verse& edge = step < 0 ? lookup_.passage.verses.front() : lookup_.passage.verses.back();
  const BookInfo* book = wholeChapter_ ? chapterBook_ : edge.book;
  int chapter = wholeChapter_ ? chapter_ : edge.chapter;
  if (!library_->stepChapter(*lookup_.bible, book, chapter, step)) return false;
  wholeChapter_ = true;
  chapterBook_ = book;
  chapter_ = chapter;
  rebuild();
  return true;
}

bool BibleSession::chooseBible(int index) {
  if (index < 0 || index >= int(bibles().size())) return false;
  const std::string name = bibles()[std::size_t(index)].name;
  module_ = name;
  settings_.setBible(name);
  const bool whole = wholeChapter_;
  const BookInfo* book = chapterBook_;
  const int chapter = chapter_;
  lookup_ = lookUp(*library_, reference_, module_, settings_);
  // The chapter read stays in view in the other Bible.
  wholeChapter_ = whole && book && passageShown();
  chapterBook_ = wholeChapter_ ? book : nullptr;
  chapter_ = wholeChapter_ ? chapter : 0;
  rebuild();
  return true;
}

void BibleSession::installed() {
  std::set<std::string> before;
  for (const BibleInfo& bible : bibles()) before.insert(bible.name);
  library_->reload();
  // The new Bible that holds the passage, a Czech one first, becomes the user's choice.
  const BibleInfo* chosen = nullptr;
  const Reference parsed = parseReference(reference_);
  for (const BibleInfo& bible : bibles()) {
    if (before.count(bible.name) || (chosen && isCzechBible(*chosen))) continue;
    if (parsed.ok() && library_->read(bible, parsed.ranges).status != Passage::Ok) continue;
    if (!chosen || isCzechBible(bible)) chosen = &bible;
  }
  if (chosen) {
    module_ = chosen->name;
    settings_.setBible(chosen->name);
  }
  lookUpAgain();
}

bool BibleSession::zoom(int steps) {
  const int* begin = std::begin(kSizes);
  const int* end = std::end(kSizes);
  int size = DefaultFontSize;
  if (steps > 0) {
    const int* larger = std::upper_bound(begin, end, fontSize_);
    size = larger == end ? end[-1] : *larger;
  } else if (steps < 0) {
    const int* smaller = std::lower_bound(begin, end, fontSize_);
    size = smaller == begin ? *begin : smaller[-1];
  }
  if (size == fontSize_) return false;
  fontSize_ = size;
  settings_.setFontSize(size);
  return true;
}

std::string BibleSession::copiedText(const std::string& selection) const {
  std::string selected;
  for (std::size_t i = 0; i < selection.size(); ++i)
    if (!(selection[i] == '\r' && i + 1 < selection.size() && selection[i + 1] == '\n')) selected += selection[i];
  if (showingResults()) return selected;
  if (page_.verses.empty() && page_.message.empty()) return "";
  const std::string bible = lookup_.bible ? lookup_.bible->shortName() : "";
  if (selected.empty()) return pageText(page_, bible);
  return page_.heading + (bible.empty() ? "" : " (" + bible + ")") + "\n" + selected;
}

}  // namespace tavra::bible
