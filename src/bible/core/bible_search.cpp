#include "bible/core/bible_search.h"

#include <algorithm>
#include <charconv>

#include "platform/ascii.h"

namespace tavra::bible {

namespace {

// Changes whenever the verses' text would come out otherwise (plainVerseText, the filters),
// so that an index of the old text is made again.
constexpr const char* kTextVersion = "verses as --text prints them, 1\n";

std::string quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

// A Bible's verses, a book a group, "chapter.verse" a key.
class BibleCorpus : public search::Corpus {
 public:
  BibleCorpus(const BibleLibrary& library, const BibleInfo& bible)
      : library_(library), bible_(bible), stamp_(library.stamp(bible)) {}

  std::string indexName() const override { return "bible-" + bible_.name; }
  std::string identity() const override { return bible_.name + "\n" + stamp_.place; }
  std::string fingerprint() const override { return kTextVersion + stamp_.state; }

  search::Reading read(const std::vector<std::string>& groups, const std::function<bool(search::Document&&)>& take,
                       const search::BuildControl& control) override {
    std::vector<BookOfBible> books;
    for (const BookOfBible& book : library_.books(bible_))
      if (groups.empty() || std::find(groups.begin(), groups.end(), book.book->osis) != groups.end())
        books.push_back(book);
    if (books.empty() && groups.empty()) return {"Bibli " + quoted(bible_.shortName()) + " nelze přečíst.", {}};
    std::size_t total = 0, done = 0;
    for (const BookOfBible& book : books) total += std::size_t(book.chapters);
    for (const BookOfBible& book : books) {
      for (int chapter = 1; chapter <= book.chapters; ++chapter) {
        if (control.cancelled()) return {};
        const Passage passage = library_.read(bible_, {{book.book, chapter, 0, chapter, 0}});
        for (const Verse& verse : passage.verses) {
          search::Document document{std::string(book.book->osis),
                                    std::to_string(verse.chapter) + "." + std::to_string(verse.verse), verse.text};
          if (!take(std::move(document))) return {};
        }
        control.report(++done, total);
      }
    }
    return {};
  }

 private:
  const BibleLibrary& library_;
  const BibleInfo& bible_;
  const ModuleStamp stamp_;
};

bool parseKey(std::string_view key, int& chapter, int& verse) {
  const std::size_t dot = key.find('.');
  if (dot == std::string_view::npos) return false;
  const char* end = key.data() + key.size();
  return std::from_chars(key.data(), key.data() + dot, chapter).ec == std::errc() &&
         std::from_chars(key.data() + dot + 1, end, verse).ptr == end;
}

// Where the search looked, for a sentence: "v Novém zákoně Bible „KJV“".
std::string whereSearched(const BibleInfo& bible, const BibleScope& scope) {
  const std::string name = quoted(bible.shortName());
  switch (scope.kind) {
    case BibleScope::OldTestament: return "ve Starém zákoně Bible " + name;
    case BibleScope::NewTestament: return "v Novém zákoně Bible " + name;
    case BibleScope::Book: return "v knize " + std::string(scope.book->czechName) + " Bible " + name;
    case BibleScope::Whole: break;
  }
  return "v Bibli " + name;
}

std::string capitalised(std::string sentence) {
  if (!sentence.empty()) sentence[0] = ascii::toUpper(sentence[0]);
  return sentence;
}

}  // namespace

bool parseScope(std::string_view written, BibleScope& scope, std::string& problem) {
  if (ascii::equalIgnoringCase(written, "ot") || ascii::equalIgnoringCase(written, "sz")) {
    scope = {BibleScope::OldTestament, nullptr};
  } else if (ascii::equalIgnoringCase(written, "nt") || ascii::equalIgnoringCase(written, "nz")) {
    scope = {BibleScope::NewTestament, nullptr};
  } else if (const BookInfo* book = findBook(written)) {
    scope = {BibleScope::Book, book};
  } else {
    problem = "Rozsah hledání " + quoted(written) +
              " neznám: zadejte ot (Starý zákon), nt (Nový zákon) nebo knihu, například J nebo Jan.";
    return false;
  }
  return true;
}

BibleSearch searchBible(const BibleLibrary& library, const BibleInfo& bible, std::string_view query,
                        const BibleScope& scope, const search::BuildControl& control) {
  BibleSearch found;
  std::vector<std::string> groups;
  if (scope.kind != BibleScope::Whole) {
    for (const BookOfBible& book : library.books(bible)) {
      const bool inScope = scope.kind == BibleScope::Book ? book.book == scope.book
                                                          : book.testament == (scope.kind == BibleScope::OldTestament ? 1 : 2);
      if (inScope) groups.emplace_back(book.book->osis);
    }
    if (groups.empty()) {
      found.outcome = search::Outcome::NothingFound;
      found.message = "Bible " + quoted(bible.shortName()) + " nemá " +
                      (scope.kind == BibleScope::Book ? "knihu " + std::string(scope.book->czechName)
                       : scope.kind == BibleScope::OldTestament ? std::string("Starý zákon")
                                                                : std::string("Nový zákon")) +
                      ".";
      return found;
    }
  }
  BibleCorpus corpus(library, bible);
  search::Answer answer = search::search(corpus, query, groups, control);
  found.outcome = answer.outcome;
  found.source = answer.source;
  found.notes = std::move(answer.notes);
  found.message = answer.outcome == search::Outcome::NothingFound
                      ? capitalised(whereSearched(bible, scope) + " se " + quoted(ascii::trimmed(query)) + " nenašlo.")
                      : std::move(answer.message);
  for (search::Hit& hit : answer.hits) {
    FoundVerse verse{bookByOsis(hit.group), 0, 0, std::move(hit.text), std::move(hit.spans)};
    if (verse.book && parseKey(hit.key, verse.chapter, verse.verse)) found.verses.push_back(std::move(verse));
  }
  return found;
}

std::string shortReference(const BookInfo& book, int chapter, int verse) {
  return std::string(shortBookName(book)) + " " + std::to_string(chapter) + "," + std::to_string(verse);
}

std::string bibleIndexFile(const BibleLibrary& library, const BibleInfo& bible) {
  return search::indexFile(BibleCorpus(library, bible));
}

}  // namespace tavra::bible
