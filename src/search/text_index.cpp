#include "search/text_index.h"

#include <dirent.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <mutex>

#include "platform/file_system.h"

namespace tavra::search {

namespace {

// Changes whenever an older index would answer differently: the tables or the tokenizer.
const std::string kFormat = std::string("1; ") + kTokenizerSpec;

const char* const kSchema =
    "CREATE TABLE facts(name TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE runs(grp TEXT NOT NULL, first INTEGER NOT NULL, last INTEGER NOT NULL);"
    "CREATE VIRTUAL TABLE docs USING fts5(text, grp UNINDEXED, key UNINDEXED, "
    "tokenize = 'unicode61 remove_diacritics 2', columnsize = 0);";

class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) statement_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return statement_ != nullptr; }
  sqlite3_stmt* get() const { return statement_; }
  void bind(int at, std::string_view text) {
    sqlite3_bind_text(statement_, at, text.data(), int(text.size()), SQLITE_TRANSIENT);
  }
  void bind(int at, std::int64_t value) { sqlite3_bind_int64(statement_, at, value); }
  // SQLITE_ROW, SQLITE_DONE or an error.
  int step() { return statement_ ? sqlite3_step(statement_) : SQLITE_ERROR; }
  void reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  std::string text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return bytes ? std::string(bytes, std::size_t(sqlite3_column_bytes(statement_, column))) : std::string();
  }
  std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

bool execute(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::string fact(sqlite3* db, std::string_view name, bool& ok) {
  Statement select(db, "SELECT value FROM facts WHERE name = ?1");
  if (!select.ok()) {
    ok = false;
    return "";
  }
  select.bind(1, name);
  const int result = select.step();
  ok = ok && result == SQLITE_ROW;
  return result == SQLITE_ROW ? select.text(0) : std::string();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

// The checksum of the whole file stands in the database header's "user version" (bytes 60
// to 63), which SQLite keeps for its users and itself ignores. Computed with those bytes 0.
constexpr std::size_t kChecksumAt = 60;

std::uint32_t checksum(std::string_view bytes) {
  // Fletcher's sums over 64-bit words, in four independent lanes that the processor adds side
  // by side: every search in a new process reads the whole file. The second sum of each lane
  // sees the order of the words too.
  std::uint64_t sums[4] = {}, ordered[4] = {};
  auto block = [&](const char* data) {
    std::uint64_t words[4];
    std::memcpy(words, data, sizeof words);
    for (int lane = 0; lane < 4; ++lane) ordered[lane] += sums[lane] += words[lane];
  };
  // The header's first 64 bytes, with the checksum's own place as 0, and whatever is shorter
  // than a block at the end, padded with 0.
  char head[64] = {};
  std::memcpy(head, bytes.data(), std::min(bytes.size(), sizeof head));
  std::memset(head + kChecksumAt, 0, 4);
  block(head);
  block(head + 32);
  std::size_t at = sizeof head;
  for (; at + 32 <= bytes.size(); at += 32) block(bytes.data() + at);
  if (at < bytes.size()) {
    char tail[32] = {};
    std::memcpy(tail, bytes.data() + at, bytes.size() - at);
    block(tail);
  }
  std::uint64_t hash = bytes.size();
  for (int lane = 0; lane < 4; ++lane)
    for (const std::uint64_t value : {sums[lane], ordered[lane]}) {
      hash = (hash ^ value) * 0x9E3779B97F4A7C15ull;
      hash ^= hash >> 29;
    }
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// The last index read whole and found sound, with the identity of its file; a search after
// another reads it again only when the file was replaced.
struct LoadedIndex {
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  std::shared_ptr<std::string> bytes;
};
std::mutex loadedMutex;
LoadedIndex loaded;

// The whole file when it is a regular one (no link, no FIFO) whose checksum holds.
std::shared_ptr<std::string> loadVerified(const std::string& path) {
  struct stat file;
  if (::lstat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) return nullptr;
  {
    const std::lock_guard<std::mutex> guard(loadedMutex);
    if (loaded.path == path && loaded.device == file.st_dev && loaded.inode == file.st_ino &&
        loaded.size == file.st_size && loaded.modified.tv_sec == file.st_mtim.tv_sec &&
        loaded.modified.tv_nsec == file.st_mtim.tv_nsec)
      return loaded.bytes;
  }
  auto bytes = std::make_shared<std::string>();
  try {
    *bytes = readRegularFile(path, kMaxIndexFileBytes);
  } catch (const InOutError&) {
    return nullptr;
  }
  if (bytes->size() < kChecksumAt + 4) return nullptr;
  std::uint32_t stored = 0;
  for (int i = 0; i < 4; ++i) stored = (stored << 8) | static_cast<unsigned char>((*bytes)[kChecksumAt + i]);
  if (checksum(*bytes) != stored) return nullptr;
  const std::lock_guard<std::mutex> guard(loadedMutex);
  loaded = {path, file.st_dev, file.st_ino, file.st_size, file.st_mtim, bytes};
  return bytes;
}

struct RowRun {
  std::int64_t first = 0;
  std::int64_t last = 0;
};

// Fills the index's tables from the corpus; the caller judges what came of it.
class Filler {
 public:
  Filler(sqlite3* db, const BuildControl& control)
      : control_(control), insert_(db, "INSERT INTO docs(rowid, text, grp, key) VALUES(?1, ?2, ?3, ?4)") {}

  bool take(Document&& document) {
    if (control_.cancelled() || !insert_.ok()) return false;
    bytes_ += document.text.size() + document.key.size() + document.group.size();
    if (bytes_ > kMaxIndexedBytes) {
      tooLarge_ = true;
      return false;
    }
    ++row_;
    insert_.bind(1, row_);
    insert_.bind(2, document.text);
    insert_.bind(3, document.group);
    insert_.bind(4, document.key);
    failed_ = insert_.step() != SQLITE_DONE;
    insert_.reset();
    if (runs_.empty() || runs_.back().first != document.group) runs_.push_back({document.group, {row_, row_}});
    runs_.back().second.last = row_;
    return !failed_;
  }

  bool tooLarge() const { return tooLarge_; }
  bool failed() const { return failed_ || !insert_.ok(); }
  const std::vector<std::pair<std::string, RowRun>>& runs() const { return runs_; }

 private:
  const BuildControl& control_;
  Statement insert_;
  std::int64_t row_ = 0;
  std::size_t bytes_ = 0;
  bool tooLarge_ = false;
  bool failed_ = false;
  std::vector<std::pair<std::string, RowRun>> runs_;
};

}  // namespace

TextIndex::~TextIndex() { sqlite3_close(db_); }

std::unique_ptr<TextIndex> TextIndex::open(const std::string& path, const std::string& fingerprint) {
  const std::shared_ptr<std::string> bytes = loadVerified(path);
  if (!bytes) return nullptr;
  sqlite3* db = nullptr;
  const int opened = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  std::unique_ptr<TextIndex> index(new TextIndex(db));
  index->bytes_ = bytes;
  auto* data = reinterpret_cast<unsigned char*>(bytes->data());
  if (opened != SQLITE_OK ||
      sqlite3_deserialize(db, "main", data, sqlite3_int64(bytes->size()), sqlite3_int64(bytes->size()),
                          SQLITE_DESERIALIZE_READONLY) != SQLITE_OK)
    return nullptr;
  bool ok = true;
  if (fact(db, "format", ok) != kFormat || fact(db, "fingerprint", ok) != fingerprint) return nullptr;
  index->skipped_ = lines(fact(db, "skipped", ok));
  return ok ? std::move(index) : nullptr;
}

TextIndex::Made TextIndex::make(Corpus& corpus, const std::string& fingerprint, const BuildControl& control) {
  Made made;
  sqlite3* db = nullptr;
  const int opened = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  std::unique_ptr<TextIndex> index(new TextIndex(db));
  const std::string unusable = "Rejstřík pro hledání nelze udělat: ";
  if (opened != SQLITE_OK || !execute(db, kSchema) || !execute(db, "BEGIN")) {
    made.problem = unusable + sqlite3_errmsg(db) + ".";
    return made;
  }
  bool filled = false;
  {
    Filler filler(db, control);
    made.reading = corpus.read({}, [&filler](Document&& document) { return filler.take(std::move(document)); }, control);
    made.cancelled = control.cancelled();
    if (made.cancelled || !made.reading.failure.empty()) return made;
    if (filler.tooLarge()) {
      made.problem = "Text je na rejstřík pro hledání příliš velký (přes " + std::to_string(kMaxIndexedBytes >> 20) + " MiB).";
      return made;
    }
    Statement run(db, "INSERT INTO runs(grp, first, last) VALUES(?1, ?2, ?3)");
    filled = !filler.failed() && run.ok();
    for (std::size_t i = 0; filled && i < filler.runs().size(); ++i) {
      run.bind(1, filler.runs()[i].first);
      run.bind(2, filler.runs()[i].second.first);
      run.bind(3, filler.runs()[i].second.last);
      filled = run.step() == SQLITE_DONE;
      run.reset();
    }
    std::string skipped;
    for (const std::string& part : made.reading.skipped) skipped += part + "\n";
    Statement facts(db, "INSERT INTO facts(name, value) VALUES('format', ?1), ('fingerprint', ?2), ('skipped', ?3)");
    facts.bind(1, kFormat);
    facts.bind(2, fingerprint);
    facts.bind(3, skipped);
    filled = filled && facts.step() == SQLITE_DONE;
  }
  // One segment answers faster than the many that inserting leaves.
  if (!filled || !execute(db, "COMMIT") || !execute(db, "INSERT INTO docs(docs) VALUES('optimize')")) {
    made.problem = unusable + sqlite3_errmsg(db) + ".";
    return made;
  }
  index->skipped_ = made.reading.skipped;
  made.index = std::move(index);
  return made;
}

void TextIndex::store(const std::string& path) const {
  sqlite3_int64 size = 0;
  unsigned char* bytes = sqlite3_serialize(db_, "main", &size, 0);
  if (!bytes || size < sqlite3_int64(kChecksumAt + 4)) {
    sqlite3_free(bytes);
    throw InOutError(8, "Not enough memory");
  }
  struct Free {
    void operator()(unsigned char* p) const { sqlite3_free(p); }
  };
  const std::unique_ptr<unsigned char, Free> owned(bytes);
  std::string_view content(reinterpret_cast<const char*>(bytes), std::size_t(size));
  const std::uint32_t sum = checksum(content);
  for (int i = 0; i < 4; ++i) bytes[kChecksumAt + i] = static_cast<unsigned char>(sum >> (24 - 8 * i));
  // A damaged index of the user's own that is not to be written is not to be kept either.
  struct stat old;
  if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && (old.st_mode & 0200) == 0) ::unlink(path.c_str());
  writeFileAtomically(path, content);
}

bool TextIndex::find(const Query& query, const std::vector<std::string>& groups, const WordTokenizer& tokenizer,
                     std::vector<Hit>& hits) const {
  std::vector<RowRun> runs;
  if (groups.empty()) {
    runs.push_back({std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()});
  } else {
    Statement select(db_, "SELECT first, last FROM runs WHERE grp = ?1");
    for (const std::string& group : groups) {
      select.bind(1, group);
      int result = 0;
      while ((result = select.step()) == SQLITE_ROW) runs.push_back({select.integer(0), select.integer(1)});
      if (result != SQLITE_DONE) return false;
      select.reset();
    }
    std::sort(runs.begin(), runs.end(), [](const RowRun& a, const RowRun& b) { return a.first < b.first; });
  }
  // A group named twice, or runs that meet, are searched once.
  std::vector<RowRun> merged;
  for (const RowRun& run : runs) {
    if (!merged.empty() && run.first <= merged.back().last) merged.back().last = std::max(merged.back().last, run.last);
    else merged.push_back(run);
  }
  Statement select(db_,
                   "SELECT grp, key, text FROM docs WHERE docs MATCH ?1 AND rowid BETWEEN ?2 AND ?3 ORDER BY rowid");
  const std::string expression = matchExpression(query);
  for (const RowRun& run : merged) {
    select.bind(1, expression);
    select.bind(2, run.first);
    select.bind(3, run.last);
    int result = 0;
    while ((result = select.step()) == SQLITE_ROW) {
      Hit hit{select.text(0), select.text(1), select.text(2), {}};
      hit.spans = findTerms(query, tokenizer.words(hit.text));
      hits.push_back(std::move(hit));
    }
    if (result != SQLITE_DONE) return false;
    select.reset();
  }
  return true;
}

void removeStaleTemporaries(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string prefix = path.substr(slash == std::string::npos ? 0 : slash + 1) + ".~";
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name.starts_with(prefix)) ::unlink((folder + std::string(name)).c_str());
  }
  ::closedir(dir);
}

}  // namespace tavra::search
