#include "search/search.h"

#include <cstdint>
#include <cstdio>

#include "platform/file_system.h"
#include "platform/user_folder.h"
#include "search/index_lock.h"
#include "search/text_index.h"

namespace tavra::search {

namespace {

constexpr const char* kReadingAll = "prohledává se celý text, a proto to trvá déle";

std::string quoted(const std::string& text) { return "„" + text + "“"; }

// A file name of the corpus's name: letters, digits and a few signs kept, others made '_',
// and a hash of its identity, so that two corpora of one name get two files.
std::string fileName(const Corpus& corpus) {
  std::string name;
  for (char c : corpus.indexName().substr(0, 64)) {
    const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    name += kept ? c : '_';
  }
  std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a
  for (unsigned char c : corpus.identity()) hash = (hash ^ c) * 0x100000001b3ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return name + "-" + hex + ".sqlite";
}

class Searcher {
 public:
  Searcher(Corpus& corpus, const std::vector<std::string>& groups, const BuildControl& control)
      : corpus_(corpus), groups_(groups), control_(control) {}

  Answer run(std::string_view text) {
    if (!tokenizer_.ok()) {
      answer_.message = "Hledání zde nejde: knihovna SQLite tohoto systému nemá fulltextový rejstřík (FTS5).";
      return answer_;
    }
    query_ = parseQuery(text, tokenizer_);
    if (!query_.ok()) {
      answer_.outcome = Outcome::BadQuery;
      answer_.message = query_.problem;
      return answer_;
    }
    const std::string path = indexFile(corpus_);
    if (path.empty())
      return scan("Není známa domovská složka, a tak nelze uložit rejstřík pro hledání; " + std::string(kReadingAll) + ".");
    const std::string fingerprint = corpus_.fingerprint();
    if (const auto index = TextIndex::open(path, fingerprint); index && answerFrom(*index, Source::StoredIndex))
      return finish();

    const std::string folder = path.substr(0, path.rfind('/') + 1);
    if (!makeUserFolders(folder)) return unwritable(folder);
    const IndexLock lock(path, control_);
    switch (lock.state()) {
      case IndexLock::State::Cancelled: return cancelled();
      case IndexLock::State::Unwritable: return unwritable(folder);
      case IndexLock::State::TimedOut:
        return scan("Rejstřík pro hledání dělá jiný program a stále ho nedokončil; " + std::string(kReadingAll) + ".");
      case IndexLock::State::Held: removeStaleTemporaries(path); break;
      case IndexLock::State::Unavailable: break;
    }
    // Whoever held the lock before us has most likely just made the index.
    if (lock.waited())
      if (const auto index = TextIndex::open(path, fingerprint); index && answerFrom(*index, Source::StoredIndex))
        return finish();

    TextIndex::Made made = TextIndex::make(corpus_, fingerprint, control_);
    if (made.cancelled) return cancelled();
    if (!made.reading.failure.empty()) return failed(made.reading.failure);
    if (!made.index) return scan(made.problem + " Proto se " + kReadingAll + ".");
    Source source = Source::NewIndex;
    try {
      made.index->store(path);
    } catch (const InOutError& e) {
      source = Source::UnsavedIndex;
      answer_.notes.push_back("Rejstřík pro hledání nelze uložit do " + quoted(path) + " (" + e.what() +
                              "); příští hledání ho udělá znovu.");
    }
    if (!answerFrom(*made.index, source))
      return scan("Rejstřík pro hledání selhal; " + std::string(kReadingAll) + ".");
    return finish();
  }

 private:
  bool answerFrom(const TextIndex& index, Source source) {
    std::vector<Hit> hits;
    if (!index.find(query_, groups_, tokenizer_, hits)) return false;
    answer_.hits = std::move(hits);
    answer_.source = source;
    answer_.notes.insert(answer_.notes.end(), index.skipped().begin(), index.skipped().end());
    return true;
  }

  Answer unwritable(const std::string& folder) {
    return scan("Do složky " + quoted(folder) + " nelze zapsat rejstřík pro hledání; " + kReadingAll + ".");
  }

  Answer scan(const std::string& why) {
    answer_.notes.push_back(why);
    std::vector<Hit> hits;
    const Reading reading = corpus_.read(
        groups_,
        [&](Document&& document) {
          if (control_.cancelled()) return false;
          std::vector<Span> spans = findTerms(query_, tokenizer_.words(document.text));
          if (!spans.empty())
            hits.push_back({std::move(document.group), std::move(document.key), std::move(document.text), std::move(spans)});
          return true;
        },
        control_);
    if (control_.cancelled()) return cancelled();
    if (!reading.failure.empty()) return failed(reading.failure);
    answer_.hits = std::move(hits);
    answer_.source = Source::Scan;
    answer_.notes.insert(answer_.notes.end(), reading.skipped.begin(), reading.skipped.end());
    return finish();
  }

  Answer finish() {
    answer_.outcome = answer_.hits.empty() ? Outcome::NothingFound : Outcome::Found;
    if (answer_.hits.empty()) answer_.message = "Nic nenalezeno.";
    return std::move(answer_);
  }

  Answer cancelled() {
    answer_ = Answer{Outcome::Cancelled, Source::None, {}, "Hledání bylo zrušeno.", {}};
    return std::move(answer_);
  }

  Answer failed(const std::string& why) {
    answer_ = Answer{Outcome::Failed, Source::None, {}, why, {}};
    return std::move(answer_);
  }

  Corpus& corpus_;
  const std::vector<std::string>& groups_;
  const BuildControl& control_;
  WordTokenizer tokenizer_;
  Query query_;
  Answer answer_;
};

}  // namespace

std::string indexFile(const Corpus& corpus) {
  const std::string folder = userCacheFolder();
  return folder.empty() ? "" : folder + fileName(corpus);
}

Answer search(Corpus& corpus, std::string_view query, const std::vector<std::string>& groups,
              const BuildControl& control) {
  return Searcher(corpus, groups, control).run(query);
}

}  // namespace tavra::search
