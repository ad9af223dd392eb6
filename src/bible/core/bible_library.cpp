#include "bible/core/bible_library.h"

#include <localemgr.h>
#include <markupfiltmgr.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <mutex>

#include "bible/core/module_folders.h"
#include "platform/ascii.h"
#include "platform/unicode.h"

namespace tavra::bible {

namespace {

// Configuration texts of modules in Latin-1 come as they are written.
std::string asUtf8(const char* text) { return utf8OrLatin1(text ? text : ""); }

// The library reads its locales, 95 files of them, when it first needs one and takes most
// of a second doing it. It needs none here: the book names are ours and keys are set by
// number. An empty locale manager (its folder a device, which holds no files) spares that.
void useNoLocales() {
  static std::once_flag once;
  std::call_once(once, [] {
    // The library's own complaints would reach standard error in English; ours say it in Czech.
    sword::SWLog::getSystemLog()->setLogLevel(0);
    sword::LocaleMgr::setSystemLocaleMgr(new sword::LocaleMgr("/dev/null"));
  });
}

}  // namespace

struct BibleLibrary::Impl {
  std::string folder;  // "" for the folders libsword finds itself
  std::unique_ptr<sword::SWMgr> manager;
  std::vector<BibleInfo> bibles;

  void load() {
    bibles.clear();
    manager.reset();
    useNoLocales();
    const std::vector<std::string> read = folder.empty() ? configuredModuleFolders() : std::vector{folder + "/mods.d"};
    for (const std::string& modsD : read) {
      if (const std::string bad = unsafeModuleFile(modsD); !bad.empty()) {
        std::fprintf(stderr, "Soubor „%s“ není platný popis modulu SWORD; Bible nejsou načteny.\n", bad.c_str());
        return;
      }
    }
    auto* plain = new sword::MarkupFilterMgr(sword::FMT_PLAIN);
    manager = folder.empty() ? std::make_unique<sword::SWMgr>(plain)
                             : std::make_unique<sword::SWMgr>(folder.c_str(), true, plain, false, false);
    // Strong's numbers, notes, headings, red letters, transliteration: all off.
    for (const sword::SWBuf& option : manager->getGlobalOptions()) {
      const sword::StringList values = manager->getGlobalOptionValues(option.c_str());
      if (std::find(values.begin(), values.end(), sword::SWBuf("Off")) != values.end())
        manager->setGlobalOption(option.c_str(), "Off");
    }
    for (const auto& [name, module] : manager->getModules()) {
      if (std::string_view(module->getType()) != sword::SWMgr::MODTYPE_BIBLES) continue;
      bibles.push_back({asUtf8(name.c_str()), asUtf8(module->getConfigEntry("Abbreviation")),
                        asUtf8(module->getLanguage()), asUtf8(module->getDescription())});
    }
  }

  sword::SWModule* module(const BibleInfo& bible) const {
    if (!manager) return nullptr;
    auto found = manager->getModules().find(bible.name.c_str());
    return found == manager->getModules().end() ? nullptr : found->second;
  }

  // The module's key and versification, for one use.
  struct Keyed {
    std::unique_ptr<sword::VerseKey> key;
    const sword::VersificationMgr::System* system = nullptr;
  };

  Keyed keyOf(sword::SWModule& module) const {
    Keyed keyed;
    std::unique_ptr<sword::SWKey> key(module.createKey());
    if (auto* verseKey = dynamic_cast<sword::VerseKey*>(key.get())) {
      key.release();
      keyed.key.reset(verseKey);
      keyed.key->setAutoNormalize(false);
      keyed.key->setIntros(false);
      keyed.system =
          sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(verseKey->getVersificationSystem());
    }
    return keyed;
  }

  // The book's number in the versification, from 1; 0 when it has no such book.
  static int bookNumber(const sword::VersificationMgr::System& system, const BookInfo& book) {
    const int number = system.getBookNumberByOSISName(std::string(book.osis).c_str());
    return number > 0 && number <= system.getBookCount() ? number : 0;
  }

  static void place(sword::VerseKey& key, const sword::VersificationMgr::System& system, int book, int chapter,
                    int verse) {
    const int oldTestament = system.getBMAX()[0];
    key.setTestament(book <= oldTestament ? 1 : 2);
    key.setBook(char(book <= oldTestament ? book : book - oldTestament));
    key.setChapter(chapter);
    key.setVerse(verse);
  }
};

BibleLibrary::BibleLibrary() : impl_(std::make_unique<Impl>()) { impl_->load(); }

BibleLibrary::BibleLibrary(std::string folder) : impl_(std::make_unique<Impl>()) {
  impl_->folder = std::move(folder);
  impl_->load();
}

BibleLibrary::~BibleLibrary() = default;

void BibleLibrary::reload() { impl_->load(); }

const std::string& BibleLibrary::folder() const { return impl_->folder; }

const std::vector<BibleInfo>& BibleLibrary::bibles() const { return impl_->bibles; }

const BibleInfo* BibleLibrary::find(std::string_view nameOrAbbreviation) const {
  for (const BibleInfo& bible : impl_->bibles)
    if (ascii::equalIgnoringCase(bible.name, nameOrAbbreviation)) return &bible;
  for (const BibleInfo& bible : impl_->bibles)
    if (!bible.abbreviation.empty() && ascii::equalIgnoringCase(bible.abbreviation, nameOrAbbreviation)) return &bible;
  return nullptr;
}

const BibleInfo* BibleLibrary::choose(std::string_view remembered) const {
  if (!remembered.empty())
    if (const BibleInfo* bible = find(remembered)) return bible;
  for (const BibleInfo& bible : impl_->bibles)
    if (isCzech(bible.language)) return &bible;
  return impl_->bibles.empty() ? nullptr : &impl_->bibles.front();
}

Passage BibleLibrary::read(const BibleInfo& bible, const std::vector<VerseRange>& ranges) const {
  Passage passage;
  sword::SWModule* module = impl_->module(bible);
  if (!module) return passage;
  Impl::Keyed keyed = impl_->keyOf(*module);
  if (!keyed.system) return passage;
  for (const VerseRange& range : ranges) {
    const int book = range.book ? Impl::bookNumber(*keyed.system, *range.book) : 0;
    if (!book) return {};
    const sword::VersificationMgr::Book& info = *keyed.system->getBook(book - 1);
    const int chapters = info.getChapterMax();
    if (range.firstChapter > chapters || range.firstVerse > info.getVerseMax(range.firstChapter)) return {};
    const int lastChapter = std::min(range.lastChapter, chapters);
    const std::size_t before = passage.verses.size();
    for (int chapter = range.firstChapter; chapter <= lastChapter; ++chapter) {
      const int verses = info.getVerseMax(chapter);
      const int first = chapter == range.firstChapter && range.firstVerse ? range.firstVerse : 1;
      const int last = chapter == range.lastChapter && range.lastVerse ? std::min(range.lastVerse, verses) : verses;
      for (int verse = first; verse <= last; ++verse) {
        if (passage.verses.size() >= MaxPassageVerses) return {Passage::TooLong, {}};
        Impl::place(*keyed.key, *keyed.system, book, chapter, verse);
        if (!module->hasEntry(keyed.key.get())) continue;
        module->setKey(*keyed.key);
        Verse read{range.book, chapter, verse, {}, false};
        read.text = plainVerseText(module->renderText().c_str(), &read.paragraph);
        if (!read.text.empty()) passage.verses.push_back(std::move(read));
      }
    }
    if (passage.verses.size() == before) return {};
  }
  passage.status = Passage::Ok;
  return passage;
}

int BibleLibrary::chapterCount(const BibleInfo& bible, const BookInfo& book) const {
  sword::SWModule* module = impl_->module(bible);
  if (!module) return 0;
  Impl::Keyed keyed = impl_->keyOf(*module);
  if (!keyed.system) return 0;
  const int number = Impl::bookNumber(*keyed.system, book);
  return number ? keyed.system->getBook(number - 1)->getChapterMax() : 0;
}

bool BibleLibrary::stepChapter(const BibleInfo& bible, const BookInfo*& book, int& chapter, int step) const {
  sword::SWModule* module = impl_->module(bible);
  if (!module || !book) return false;
  Impl::Keyed keyed = impl_->keyOf(*module);
  if (!keyed.system) return false;
  int number = Impl::bookNumber(*keyed.system, *book);
  if (!number) return false;
  int next = chapter + step;
  while (next < 1 || next > keyed.system->getBook(number - 1)->getChapterMax()) {
    number += step;
    if (number < 1 || number > keyed.system->getBookCount()) return false;
    next = step > 0 ? 1 : keyed.system->getBook(number - 1)->getChapterMax();
  }
  const BookInfo* nextBook = bookByOsis(keyed.system->getBook(number - 1)->getOSISName());
  if (!nextBook) return false;
  book = nextBook;
  chapter = next;
  return true;
}

std::vector<BookOfBible> BibleLibrary::books(const BibleInfo& bible) const {
  std::vector<BookOfBible> books;
  sword::SWModule* module = impl_->module(bible);
  if (!module) return books;
  Impl::Keyed keyed = impl_->keyOf(*module);
  if (!keyed.system) return books;
  const int oldTestament = keyed.system->getBMAX()[0];
  for (int number = 1; number <= keyed.system->getBookCount(); ++number) {
    const sword::VersificationMgr::Book& info = *keyed.system->getBook(number - 1);
    if (const BookInfo* book = bookByOsis(info.getOSISName()))
      books.push_back({book, number <= oldTestament ? 1 : 2, info.getChapterMax()});
  }
  return books;
}

ModuleStamp BibleLibrary::stamp(const BibleInfo& bible) const {
  ModuleStamp stamp;
  sword::SWModule* module = impl_->module(bible);
  if (!module) return stamp;
  for (const auto& [key, value] : module->getConfig())
    stamp.state += std::string(key.c_str()) + "=" + value.c_str() + "\n";
  stamp.place = asUtf8(module->getConfigEntry("AbsoluteDataPath"));
  // The data path of a Bible is its folder; of other kinds of module, the start of its files' names.
  std::filesystem::path folder = stamp.place, start;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) start = folder.filename(), folder = folder.parent_path();
  std::vector<std::string> files;
  for (std::filesystem::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
    const std::string name = entry->path().filename().string();
    struct stat file;
    if (!name.starts_with(start.string()) || ::stat(entry->path().c_str(), &file) != 0) continue;
    files.push_back(name + " " + std::to_string(file.st_size) + " " + std::to_string(file.st_ino) + " " +
                    std::to_string(file.st_mtim.tv_sec) + "." + std::to_string(file.st_mtim.tv_nsec));
  }
  std::sort(files.begin(), files.end());
  for (const std::string& file : files) stamp.state += file + "\n";
  return stamp;
}

bool isCzech(std::string_view language) {
  const std::string_view code = language.substr(0, language.find_first_of("-_"));
  return code == "cs" || code == "cze" || code == "ces";
}

std::string plainVerseText(std::string_view rendered, bool* paragraph) {
  std::string out;
  bool blank = false;
  bool startsParagraph = false;
  std::size_t pos = 0;
  while (pos < rendered.size()) {
    const std::size_t start = pos;
    char32_t c = 0;
    const bool valid = nextUtf8(rendered, pos, c);
    const bool space = valid && isBlank(c);
    if (valid && c == 0xB6) {  // the paragraph sign
      startsParagraph = startsParagraph || out.empty();
      blank = true;
      continue;
    }
    if (space) {
      blank = true;
      continue;
    }
    if (blank && !out.empty()) out += ' ';
    blank = false;
    if (valid) out.append(rendered.substr(start, pos - start));
    else out += "\xEF\xBF\xBD";
  }
  if (paragraph) *paragraph = startsParagraph;
  return out;
}

}  // namespace tavra::bible
