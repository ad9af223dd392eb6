#include "search/word_tokenizer.h"

#include <sqlite3.h>

#include <climits>

namespace tavra::search {

namespace {

// The full-text extension's interface for tokenizers, as SQLite publishes it (fts5.h, which
// the Debian package does not install). Only the tokenizer's part is used.
struct Fts5Tokenizer;
struct Fts5TokenizerCalls {
  int (*xCreate)(void* userData, const char** arguments, int count, Fts5Tokenizer** out);
  void (*xDelete)(Fts5Tokenizer*);
  int (*xTokenize)(Fts5Tokenizer*, void* context, int flags, const char* text, int length,
                   int (*xToken)(void* context, int tokenFlags, const char* token, int tokenLength, int start, int end));
};
struct Fts5Api {
  int iVersion;
  int (*xCreateTokenizer)(Fts5Api*, const char* name, void* userData, Fts5TokenizerCalls*, void (*destroy)(void*));
  int (*xFindTokenizer)(Fts5Api*, const char* name, void** userData, Fts5TokenizerCalls*);
  void (*xCreateFunction)();
};
constexpr int kTokenizeDocument = 0x0004;

int collect(void* context, int, const char* token, int tokenLength, int start, int end) {
  auto* words = static_cast<std::vector<Word>*>(context);
  words->push_back({std::string(token, std::size_t(tokenLength)), std::size_t(start), std::size_t(end)});
  return SQLITE_OK;
}

}  // namespace

struct WordTokenizer::Impl {
  sqlite3* db = nullptr;
  Fts5TokenizerCalls calls{};
  Fts5Tokenizer* tokenizer = nullptr;

  Impl() {
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) return;
    Fts5Api* api = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &statement, nullptr) == SQLITE_OK) {
      sqlite3_bind_pointer(statement, 1, static_cast<void*>(&api), "fts5_api_ptr", nullptr);
      sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
    void* userData = nullptr;
    if (!api || api->iVersion < 2 || api->xFindTokenizer(api, kTokenizerName, &userData, &calls) != SQLITE_OK) return;
    const char* arguments[] = {"remove_diacritics", "2"};
    if (calls.xCreate(userData, arguments, 2, &tokenizer) != SQLITE_OK) tokenizer = nullptr;
  }

  ~Impl() {
    if (tokenizer) calls.xDelete(tokenizer);
    sqlite3_close(db);
  }
};

WordTokenizer::WordTokenizer() : impl_(std::make_unique<Impl>()) {}

WordTokenizer::~WordTokenizer() = default;

bool WordTokenizer::ok() const { return impl_->tokenizer != nullptr; }

std::vector<Word> WordTokenizer::words(std::string_view utf8) const {
  std::vector<Word> words;
  if (!ok()) return words;
  // The tokenizer takes an int length; no text we index comes near it.
  if (utf8.size() > std::size_t(INT_MAX)) utf8 = utf8.substr(0, INT_MAX);
  impl_->calls.xTokenize(impl_->tokenizer, &words, kTokenizeDocument, utf8.data(), int(utf8.size()), collect);
  return words;
}

}  // namespace tavra::search
