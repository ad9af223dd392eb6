// Searching a Bible: a Czech module the test makes with imp2vs from generated verses, in a
// SWORD_PATH, HOME and cache folder of the test's own. The search must agree with reading
// every chapter as --text prints it and looking at each verse by hand.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bible/core/bible_search.h"
#include "bible/core/command_line.h"
#include "bible/core/search_command.h"
#include "bible_fixture.h"
#include "platform/temp_folder.h"
#include "platform/codepage.h"
#include "platform/unicode.h"
#include "viewer_run.h"

using namespace tavra::bible;
using namespace tavra::bible::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* kModule = "HledaniCZ";

const std::vector<std::string> kWords = {
    "láska", "Bůh",  "BŮH",   "pastýř", "světlo", "slovo", "Život",  "milost", "pokoj", "víra",  "naděje", "země",
    "nebe",  "srdce", "duše", "cesta",  "pravda", "chléb", "voda",   "hora",   "Ježíš", "Pán",   "lid",    "král",
    "řeka",  "oheň", "čas",   "den",    "noc",    "syn",   "otec",   "ruka",   "slyšel", "viděl", "mluvil", "věřil",
    "miloval", "milovat", "laskavý", "světla", "a", "i", "v", "na", "se", "že", "jako", "ale", "3", "16"};
const std::vector<std::string> kSigns = {"", "", "", ",", ".", ";", ":", " –", "!", "?"};
// The books and their chapters; the first two of the Old Testament.
const std::vector<std::pair<const char*, int>> kBooks = {{"Gen", 10}, {"Ps", 4}, {"Matt", 5}, {"John", 5}, {"Jude", 1}};

// A Bible of 16 verses a chapter, its words drawn by `seed`, made once a run (imp2vs takes
// a good second).
fs::path makeModule(unsigned seed) {
  static const tavra::test::TempFolder made("tavra-search-modules");
  const fs::path root = made.file(std::to_string(seed));
  if (fs::exists(root / "mods.d/hledani.conf")) return root;
  fs::create_directories(root / "modules/texts/rawtext/hledani");
  fs::create_directories(root / "mods.d");
  std::mt19937 random(seed);
  std::ofstream imp(root / "text.imp");
  for (const auto& [book, chapters] : kBooks)
    for (int chapter = 1; chapter <= chapters; ++chapter)
      for (int verse = 1; verse <= 16; ++verse) {
        imp << "$$$" << book << '.' << chapter << '.' << verse << '\n';
        for (unsigned n = 5 + random() % 10, i = 0; i < n; ++i)
          imp << (i ? " " : "") << kWords[random() % kWords.size()] << kSigns[random() % kSigns.size()];
        imp << '\n';
      }
  imp.close();
  const std::string command = "imp2vs '" + (root / "text.imp").string() + "' -o '" +
                              (root / "modules/texts/rawtext/hledani").string() + "/' -v KJV >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return {};
  std::ofstream(root / "mods.d/hledani.conf") << "[" << kModule << "]\nDataPath=./modules/texts/rawtext/hledani/\n"
                                              << "ModDrv=RawText\nEncoding=UTF-8\nLang=cs\nVersion=1.0\n";
  return root;
}

// Words as a reader sees them, without the index's tokenizer: runs of Czech letters and
// digits, in lower case without diacritics.
std::vector<std::string> readerWords(const std::string& text) {
  static const std::u32string accented = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
  static const std::string plain = "acdeeinorstuuyzACDEEINORSTUUYZ";
  std::vector<std::string> words(1);
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t c = 0;
    tavra::nextUtf8(text, at, c);
    const std::size_t accent = accented.find(c);
    if (accent != std::u32string::npos) c = char32_t(plain[accent]);
    if (c < 128 && std::isalnum(int(c))) words.back() += char(std::tolower(int(c)));
    else if (!words.back().empty()) words.emplace_back();
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

struct Wanted {
  std::vector<std::vector<std::string>> phrases;  // each a run of words side by side
  std::vector<bool> prefix;                       // the run's last word may go on
};

bool holds(const std::vector<std::string>& words, const Wanted& wanted) {
  for (std::size_t p = 0; p < wanted.phrases.size(); ++p) {
    const auto& phrase = wanted.phrases[p];
    bool found = false;
    for (std::size_t i = 0; !found && i + phrase.size() <= words.size(); ++i) {
      found = true;
      for (std::size_t k = 0; found && k < phrase.size(); ++k)
        found = k + 1 == phrase.size() && wanted.prefix[p] ? words[i + k].starts_with(phrase[k]) : words[i + k] == phrase[k];
    }
    if (!found) return false;
  }
  return true;
}

struct ReadVerse {
  std::string book;  // OSIS
  bool oldTestament = false;
  std::string line;  // "Gn 1,2<TAB>text" as --search prints it
  std::vector<std::string> words;
};

class BibleSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = makeModule(1);
    ASSERT_FALSE(library_.empty()) << "imp2vs (libsword-utils) did not make the test Bible";
    fs::copy(library_, home_.path() / "sword", fs::copy_options::recursive);
    open();
  }

  void open() {
    sword_.emplace("SWORD_PATH", (home_.path() / "sword").string());
    library = std::make_unique<BibleLibrary>();
    bible = library->find(kModule);
    ASSERT_NE(bible, nullptr);
    verses = readEveryChapter();
  }

  // Every chapter through --text, the viewer's own reading.
  std::vector<ReadVerse> readEveryChapter() const {
    std::vector<ReadVerse> read;
    for (const BookOfBible& book : library->books(*bible)) {
      for (int chapter = 1; chapter <= book.chapters; ++chapter) {
        CommandLine line;
        line.text = true;
        line.module = kModule;
        line.reference = std::string(book.book->czechName) + " " + std::to_string(chapter) + ",1-999";
        std::ostringstream out, err;
        if (printPassage(*library, line, IniBibleSettings{}, out, err) != 0) continue;
        std::istringstream lines(out.str());
        for (std::string text; std::getline(lines, text);) {
          const std::string place = text.substr(0, text.find('\t'));
          const std::string reference = std::string(shortBookName(*book.book)) + " " + place;
          text = text.substr(place.size() + 1);
          const bool oldTestament = book.book->osis == kBooks[0].first || book.book->osis == kBooks[1].first;
          read.push_back({std::string(book.book->osis), oldTestament, reference + "\t" + text, readerWords(text)});
        }
      }
    }
    return read;
  }

  std::string expected(const Wanted& wanted, const BibleScope& scope) const {
    std::string lines;
    for (const ReadVerse& verse : verses) {
      const bool inScope = scope.kind == BibleScope::Whole ||
                           (scope.kind == BibleScope::Book && verse.book == scope.book->osis) ||
                           (scope.kind == BibleScope::OldTestament && verse.oldTestament) ||
                           (scope.kind == BibleScope::NewTestament && !verse.oldTestament);
      if (inScope && holds(verse.words, wanted)) lines += verse.line + "\n";
    }
    return lines;
  }

  static std::string printed(const BibleSearch& found) {
    std::string lines;
    for (const FoundVerse& verse : found.verses) {
      lines += shortReference(*verse.book, verse.chapter, verse.verse) + "\t" + verse.text + "\n";
      if (verse.spans.empty()) lines += "(no found word marked)\n";
    }
    return lines;
  }

  TempHome home_;
  ScopedVariable cache_{"XDG_CACHE_HOME", (home_.path() / "cache").string()};
  std::optional<ScopedVariable> sword_;
  fs::path library_;
  std::unique_ptr<BibleLibrary> library;
  const BibleInfo* bible = nullptr;
  std::vector<ReadVerse> verses;
};

TEST_F(BibleSearchTest, AgreesWithReadingEveryChapterOnManyGeneratedQueries) {
  ASSERT_GT(verses.size(), 300u);
  std::map<std::string, std::string> accented;  // "laska" -> "láska"
  for (const std::string& word : kWords) accented.emplace(readerWords(word).front(), word);
  std::mt19937 random(7);
  auto pick = [&](std::size_t n) { return std::size_t(random() % n); };
  const BibleScope scopes[] = {{}, {}, {BibleScope::OldTestament, nullptr}, {BibleScope::NewTestament, nullptr},
                               {BibleScope::Book, findBook("Ž")}, {BibleScope::Book, findBook("J")}};
  int found = 0;
  std::optional<ScopedVariable> noCache;
  for (int n = 0; n < 300; ++n) {
    // The last queries without a cache folder (a file stands in its place): read the whole Bible.
    if (n == 270) {
      std::ofstream(home_.path() / "file");
      noCache.emplace("XDG_CACHE_HOME", (home_.path() / "file/cache").string());
    }
    Wanted wanted;
    std::string query;
    for (std::size_t terms = 1 + pick(2), t = 0; t < terms; ++t) {
      const ReadVerse& verse = verses[pick(verses.size())];
      const std::size_t first = pick(verse.words.size()), length = pick(4) == 0 ? 2 : 1;
      std::vector<std::string> phrase(verse.words.begin() + long(first),
                                      verse.words.begin() + long(std::min(first + length, verse.words.size())));
      const bool prefix = pick(4) == 0 && phrase.back().size() > 2;
      if (prefix) phrase.back().resize(2 + pick(phrase.back().size() - 2));
      // The written form: the reader's letters, in upper case or as the verse has them.
      std::string written;
      for (const std::string& word : phrase) written += (written.empty() ? "" : " ") + word;
      if (pick(3) == 0) written = tavra::upperCaseUtf8(written);
      else if (pick(2) == 0 && phrase.size() == 1 && !prefix && accented.contains(written)) written = accented.at(written);
      query += (query.empty() ? "" : " ") + (phrase.size() > 1 ? "\"" + written + "\"" : written) + (prefix ? "*" : "");
      wanted.phrases.push_back(phrase);
      wanted.prefix.push_back(prefix);
    }
    const BibleScope& scope = scopes[pick(std::size(scopes))];
    const BibleSearch result = searchBible(*library, *bible, query, scope);
    const std::string want = expected(wanted, scope);
    EXPECT_EQ(printed(result), want) << query;
    EXPECT_EQ(result.source == tavra::search::Source::Scan, n >= 270) << query;
    EXPECT_EQ(result.outcome, want.empty() ? tavra::search::Outcome::NothingFound : tavra::search::Outcome::Found);
    found += !want.empty();
  }
  EXPECT_GT(found, 100);
}

TEST_F(BibleSearchTest, EveryBookHasAShortReferenceThatReadsBack) {
  const std::pair<const char*, const char*> usual[] = {{"Gen", "Gn 2,3"}, {"Ps", "Ž 2,3"}, {"John", "J 2,3"},
                                                       {"1Cor", "1K 2,3"}, {"Jude", "Ju 2,3"}};
  for (const auto& [osis, written] : usual) EXPECT_EQ(shortReference(*bookByOsis(osis), 2, 3), written);
  for (const BookInfo& book : allBooks()) {
    const std::string written = shortReference(book, 2, 3);
    const Reference parsed = parseReference(written);
    ASSERT_TRUE(parsed.ok()) << written << ": " << parsed.problem;
    EXPECT_EQ(parsed.ranges, (std::vector<VerseRange>{{&book, 2, 3, 2, 3}})) << written;
  }
}

TEST_F(BibleSearchTest, TheCommandLinePrintsReferencesThatTextReadsBackToTheSameVerse) {
  const ViewerRun run = runViewer({"--search", "laska", "--module", kModule});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, expected({{{"laska"}}, {false}}, {}));
  std::istringstream lines(run.out);
  int checked = 0;
  for (std::string line; std::getline(lines, line) && checked++ < 10;) {
    const std::string reference = line.substr(0, line.find('\t'));
    const ViewerRun text = runViewer({"--module", kModule, "--text", reference});
    EXPECT_EQ(reference.substr(reference.rfind(' ') + 1) + line.substr(reference.size()) + "\n", text.out) << line;
  }
  const std::pair<const char*, BibleScope> scopes[] = {{"nt", {BibleScope::NewTestament, nullptr}},
                                                      {"ot", {BibleScope::OldTestament, nullptr}},
                                                      {"Jan", {BibleScope::Book, findBook("J")}}};
  for (const auto& [written, scope] : scopes)
    EXPECT_EQ(runViewer({"--search", "BŮH", "--scope", written, "--module", kModule}).out,
              expected({{{"buh"}}, {false}}, scope))
        << written;
}

TEST_F(BibleSearchTest, TheCommandLineSaysInCzechWhyNothingIsListed) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* message;
  } cases[] = {
      {{"--search", "nenalezitelné", "--module", kModule}, 1, "V Bibli „HledaniCZ“ se „nenalezitelné“ nenašlo.\n"},
      {{"--search", ",;", "--module", kModule}, 2, "V hledaném textu „,;“ není žádné slovo"},
      {{"--search", "laska", "--scope", "Xy", "--module", kModule}, 2, "Rozsah hledání „Xy“ neznám"},
      {{"--search", "laska", "--scope", "Tob", "--module", kModule}, 1, "Bible „HledaniCZ“ nemá knihu Tobiáš.\n"},
      {{"--search", "laska", "--module", "NIC"}, 1, "Bible „NIC“ není nainstalována.\n"},
      {{"--search"}, 2, "Za volbou --search chybí, co se má hledat.\n"},
      {{"--scope", "nt", "J 3,16"}, 2, "Volba --scope patří k --search.\n"},
  };
  for (const auto& c : cases) {
    const ViewerRun run = runViewer(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments[1];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(BibleSearchTest, AModuleReplacedOrUpdatedIsSearchedAnew) {
  const fs::path newer = makeModule(2);
  ASSERT_FALSE(newer.empty());
  const fs::path folder = home_.path() / "sword";
  const struct {
    const char* what;
    std::function<void()> change;
  } cases[] = {
      {"its files replaced", [&] { fs::copy(newer / "modules", folder / "modules", fs::copy_options::recursive |
                                                                                   fs::copy_options::overwrite_existing); }},
      {"a new version", [&] { std::ofstream(folder / "mods.d/hledani.conf", std::ios::app) << "Version=2.0\n"; }},
  };
  for (const auto& c : cases) {
    const std::string before = printed(searchBible(*library, *bible, "pastyr"));
    c.change();
    open();
    const BibleSearch after = searchBible(*library, *bible, "pastyr");
    EXPECT_EQ(after.source, tavra::search::Source::NewIndex) << c.what;
    EXPECT_EQ(printed(after), expected({{{"pastyr"}}, {false}}, {})) << c.what;
  }
}

TEST_F(BibleSearchTest, TwoViewersIndexingAtOnceBothAnswerWholeAndLeaveASoundIndex) {
  const StartedViewer first = startViewer({"--search", "milost", "--module", kModule});
  const StartedViewer second = startViewer({"--search", "pokoj", "--module", kModule});
  const ViewerRun a = finishViewer(first), b = finishViewer(second);
  EXPECT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(b.status, 0) << b.err;
  EXPECT_EQ(a.out, expected({{{"milost"}}, {false}}, {}));
  EXPECT_EQ(b.out, expected({{{"pokoj"}}, {false}}, {}));
  const BibleSearch third = searchBible(*library, *bible, "milost");
  EXPECT_EQ(third.source, tavra::search::Source::StoredIndex);
  EXPECT_EQ(printed(third), a.out);
}

}  // namespace
