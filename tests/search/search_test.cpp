// The search component over a corpus of the test's own: the query language as a reader
// meets it, the same answers from the index and from reading the whole text, and an index
// that is missing, damaged, locked or cannot be stored, made by two searchers at once, or
// cancelled. The cache folder is the test's own.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "common/hang_watchdog.h"
#include "platform/temp_folder.h"
#include "search/search.h"

using namespace tavra::search;
namespace fs = std::filesystem;

namespace {

class ListCorpus : public Corpus {
 public:
  std::vector<Document> documents;
  std::string version = "1";
  int reads = 0;
  int readDelayMs = 0;

  std::string indexName() const override { return "test list"; }
  std::string identity() const override { return "list"; }
  std::string fingerprint() const override { return version; }
  Reading read(const std::vector<std::string>& groups, const std::function<bool(Document&&)>& take,
               const BuildControl& control) override {
    ++reads;
    std::this_thread::sleep_for(std::chrono::milliseconds(readDelayMs));
    for (std::size_t i = 0; i < documents.size(); ++i) {
      if (control.cancelled()) return {};
      if (!groups.empty() && std::find(groups.begin(), groups.end(), documents[i].group) == groups.end()) continue;
      if (!take(Document(documents[i]))) return {};
      control.report(i + 1, documents.size());
    }
    return {};
  }
};

const std::vector<Document> kVerses = {
    {"A", "1", "Láska je trpělivá, láska je dobrotivá."},
    {"A", "2", "BŮH je láska."},
    {"B", "3", "Bůh tak miloval svět"},
    {"B", "4", "Milovat bližního svého"},
    {"A", "5", "Jan 3,16: Neboť tak Bůh miloval svět"},
    {"B", "6", "laskavost Boží"},
};

std::string keys(const Answer& answer) {
  std::string out;
  for (const Hit& hit : answer.hits) out += hit.key;
  return out;
}

// The text with its found words in brackets, as a window would set them in bold.
std::string marked(const Hit& hit) {
  std::string out;
  std::size_t at = 0;
  for (const Span& span : hit.spans) {
    out += hit.text.substr(at, span.begin - at) + "[" + hit.text.substr(span.begin, span.length) + "]";
    at = span.begin + span.length;
  }
  return out + hit.text.substr(at);
}

class Search : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_CACHE_HOME", home_.file("cache").c_str(), 1);
    corpus_.documents = kVerses;
  }
  void TearDown() override { ::unsetenv("XDG_CACHE_HOME"); }

  // A cache folder that cannot be made: a file stands where it should be.
  void unwritableCache() {
    std::ofstream(home_.file("file"));
    ::setenv("XDG_CACHE_HOME", home_.file("file/cache").c_str(), 1);
  }

  tavra::test::TempFolder home_{"tavra-search"};
  ListCorpus corpus_;
};

TEST_F(Search, QueriesFindWholeWordsPrefixesAndPhrasesWithoutCaseOrDiacritics) {
  const struct {
    const char* query;
    const char* found;
  } cases[] = {
      {"laska", "12"},           {"LÁSKA", "12"},          {"BŮH láska", "2"},       {"buh", "235"},
      {"lask*", "126"},          {"milova*", "345"},       {"\"tak Bůh miloval\"", "5"},
      {"„Bůh tak“", "3"},        {"\"miloval bůh\"", ""},  {"3,16", "5"},            {"svět*  bůh", "35"},
      {"\"tak bůh\"*", "5"},     {"\"neukončené laska", ""},
      // Signs of the index's own query language are only signs here.
      {"NEAR(laska buh)", ""},   {"laska OR buh", ""},     {"-laska", "12"},         {"text:laska", ""},
      {"^laska", "12"},          {"laska\"\"", "12"},
  };
  for (const bool withIndex : {true, false}) {
    if (!withIndex) unwritableCache();
    for (const auto& c : cases) {
      const Answer answer = search(corpus_, c.query);
      EXPECT_EQ(keys(answer), c.found) << c.query << (withIndex ? "" : " (without an index)");
      EXPECT_EQ(answer.outcome, *c.found ? Outcome::Found : Outcome::NothingFound) << c.query;
      EXPECT_EQ(answer.source, withIndex ? (&c == cases ? Source::NewIndex : Source::StoredIndex) : Source::Scan)
          << c.query;
      EXPECT_EQ(answer.notes.empty(), withIndex) << c.query;
    }
  }
}

TEST_F(Search, AQueryOfNothingButBlanksOrSignsGetsASentenceNotEverything) {
  for (const std::string& query : std::vector<std::string>{"", "   ", ",.;!? –", "*", "\"\"", "„ “", std::string(600, 'a')}) {
    const Answer answer = search(corpus_, query);
    EXPECT_EQ(answer.outcome, Outcome::BadQuery) << query;
    EXPECT_TRUE(answer.hits.empty()) << query;
    EXPECT_GT(answer.message.size(), 20u) << query;
  }
  EXPECT_EQ(corpus_.reads, 0);
}

TEST_F(Search, TheFoundWordsAreMarkedWhereTheyStand) {
  const struct {
    const char* query;
    const char* key;
    const char* marked;
  } cases[] = {
      {"laska", "1", "[Láska] je trpělivá, [láska] je dobrotivá."},
      {"trpěl* LASKA", "1", "[Láska] je [trpělivá], [láska] je dobrotivá."},
      {"\"tak Bůh\" svet", "5", "Jan 3,16: Neboť [tak Bůh] miloval [svět]"},
      {"\"je laska\" laska", "2", "BŮH [je láska]."},
      {"3,16", "5", "Jan [3,16]: Neboť tak Bůh miloval svět"},
  };
  for (const auto& c : cases) {
    const Answer answer = search(corpus_, c.query);
    const auto hit = std::find_if(answer.hits.begin(), answer.hits.end(), [&](const Hit& h) { return h.key == c.key; });
    ASSERT_NE(hit, answer.hits.end()) << c.query;
    EXPECT_EQ(marked(*hit), c.marked) << c.query;
  }
}

TEST_F(Search, AGroupLimitsTheSearchInTheCorpusOrder) {
  for (const bool withIndex : {true, false}) {
    if (!withIndex) unwritableCache();
    EXPECT_EQ(keys(search(corpus_, "buh", {"A"})), "25");
    EXPECT_EQ(keys(search(corpus_, "lask*", {"B"})), "6");
    EXPECT_EQ(keys(search(corpus_, "lask*", {"B", "A", "B"})), "126");
    EXPECT_EQ(search(corpus_, "laska", {"C"}).outcome, Outcome::NothingFound);
  }
}

// The stored index after `damage`: the answer is whole all the same.
TEST_F(Search, AnIndexThatCannotBeUsedIsMadeAgainAndTheAnswerIsWhole) {
  const std::string file = indexFile(corpus_);
  auto overwrite = [&](std::size_t at, const std::string& bytes) {
    std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(std::streamoff(at)).write(bytes.data(), std::streamsize(bytes.size()));
  };
  sqlite3* locker = nullptr;
  fs::file_time_type linked;
  const struct {
    const char* what;
    std::function<void()> damage;
    Source source;
  } cases[] = {
      {"missing, half written by a writer that died", [&] { fs::remove(file), std::ofstream(file + ".~99999-0"); },
       Source::NewIndex},
      {"cut short", [&] { fs::resize_file(file, fs::file_size(file) / 2); }, Source::NewIndex},
      {"damaged inside", [&] { overwrite(fs::file_size(file) / 2, std::string(64, 'U')); }, Source::NewIndex},
      {"with a verse changed inside",
       [&] { overwrite(tavra::test::readTestFile(file).find("BŮH je"), "XX"); }, Source::NewIndex},
      {"damaged and read-only", [&] { overwrite(100, "UU"), fs::permissions(file, fs::perms::owner_read); },
       Source::NewIndex},
      {"not a database", [&] { std::ofstream(file) << "hello"; }, Source::NewIndex},
      {"a FIFO", [&] { fs::remove(file), ::mkfifo(file.c_str(), 0600); }, Source::NewIndex},
      {"a link",
       [&] {
         fs::copy_file(file, file + ".copy"), fs::remove(file), fs::create_symlink(file + ".copy", file);
         linked = fs::last_write_time(file + ".copy");
       },
       Source::NewIndex},
      {"of another version of the corpus", [&] { corpus_.version = "2"; }, Source::NewIndex},
      {"locked by another program",
       [&] {
         sqlite3_open(file.c_str(), &locker);
         sqlite3_exec(locker, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
       },
       Source::StoredIndex},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(keys(search(corpus_, "laska")), "12");
    c.damage();
    const tavra::testing::HangWatchdog watchdog(std::string("the index ") + c.what);
    const Answer answer = search(corpus_, "buh");
    EXPECT_EQ(keys(answer), "235") << c.what;
    for (const Hit& hit : answer.hits) EXPECT_EQ(hit.text, kVerses[std::stoul(hit.key) - 1].text) << c.what;
    EXPECT_EQ(answer.source, c.source) << c.what;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file))) << c.what;
    EXPECT_FALSE(fs::exists(file + ".~99999-0")) << c.what;
    EXPECT_EQ(search(corpus_, "buh").source, Source::StoredIndex) << c.what;
  }
  sqlite3_close(locker);
  EXPECT_EQ(fs::last_write_time(file + ".copy"), linked);  // not written through the link
}

TEST_F(Search, AnIndexThatCannotBeStoredStillAnswersWholeAndSaysSo) {
  // The index's file is a folder: the index is made in memory and not stored.
  fs::create_directories(indexFile(corpus_));
  const Answer answer = search(corpus_, "buh");
  EXPECT_EQ(keys(answer), "235");
  EXPECT_EQ(answer.source, Source::UnsavedIndex);
  ASSERT_EQ(answer.notes.size(), 1u);
  EXPECT_NE(answer.notes[0].find("nelze uložit"), std::string::npos) << answer.notes[0];
}

TEST_F(Search, TwoSearchersAtOnceMakeOneIndexAndBothGetTheWholeAnswer) {
  ListCorpus other;
  other.documents = kVerses;
  corpus_.readDelayMs = other.readDelayMs = 300;
  Answer first, second;
  std::thread a([&] { first = search(corpus_, "buh"); });
  std::thread b([&] { second = search(other, "laska"); });
  a.join();
  b.join();
  EXPECT_EQ(keys(first), "235");
  EXPECT_EQ(keys(second), "12");
  EXPECT_EQ(corpus_.reads + other.reads, 1);  // the later one waited and read the stored index
  EXPECT_EQ(search(corpus_, "svet").source, Source::StoredIndex);
}

TEST_F(Search, ACancelledSearchStopsAndLeavesNoIndex) {
  std::atomic<bool> cancel{false};
  std::size_t steps = 0;
  BuildControl control{[&](std::size_t done, std::size_t total) {
                         EXPECT_LE(done, total);
                         cancel = ++steps == 2;
                       },
                       &cancel};
  const Answer answer = search(corpus_, "buh", {}, control);
  EXPECT_EQ(answer.outcome, Outcome::Cancelled);
  EXPECT_TRUE(answer.hits.empty());
  EXPECT_EQ(steps, 2u);
  EXPECT_FALSE(fs::exists(indexFile(corpus_)));
  EXPECT_EQ(keys(search(corpus_, "buh")), "235");
}

}  // namespace
