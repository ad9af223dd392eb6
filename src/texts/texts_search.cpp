#include "texts/texts_search.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "app/core/day_document.h"
#include "app/core/readings.h"
#include "platform/ascii.h"
#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/rtf_reader.h"
#include "platform/unicode.h"
#include "texts/day_table.h"
#include "texts/year_files.h"

namespace tavra::texts {

namespace {

// Changes whenever a day's text would come out otherwise, so that an older index is made again.
constexpr const char* kTextVersion = "days: verses, Sunday, readings; 1\n";

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }

std::u16string trimmed(std::u16string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}

// "name size inode time" of a file, following links as the program's reading does; "" when
// there is none.
std::string fileStamp(const std::string& path) {
  struct stat file;
  if (::stat(path.c_str(), &file) != 0) return "";
  return std::to_string(file.st_size) + " " + std::to_string(file.st_ino) + " " + std::to_string(file.st_mtim.tv_sec) +
         "." + std::to_string(file.st_mtim.tv_nsec);
}

// The days of a folder's year files, a year a group, the ISO date a key.
class DaysCorpus : public search::Corpus {
 public:
  explicit DaysCorpus(const std::string& folder) : folder_(folder) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    for (int year = FirstDataYear; year <= LastDataYear; ++year)
      if (std::string stamp = fileStamp(folder_ + DataFileNameFor(year)); !stamp.empty())
        years_.push_back({year, std::move(stamp)});
  }

  std::string indexName() const override { return "texts"; }

  std::string identity() const override {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::weakly_canonical(std::filesystem::absolute(folder_), ec);
    return ec ? folder_ : absolute.string();
  }

  // The section names of the readings depend on the short-date picture.
  std::string fingerprint() const override {
    std::string fingerprint = kTextVersion + shortDateFormat() + "\n" + ReadingsFileName + " " +
                              fileStamp(folder_ + ReadingsFileName) + "\n";
    for (const auto& [year, stamp] : years_) fingerprint += std::to_string(year) + " " + stamp + "\n";
    return fingerprint;
  }

  search::Reading read(const std::vector<std::string>& groups, const std::function<bool(search::Document&&)>& take,
                       const search::BuildControl& control) override {
    search::Reading reading;
    if (years_.empty()) {
      reading.failure = "Ve složce „" + folder_ + "“ nejsou texty žádného roku (soubory TAVRA99.RTF, TAVRA<rok>.RTF).";
      return reading;
    }
    const IniFile readings(folder_ + ReadingsFileName);
    std::size_t done = 0;
    for (const auto& [year, stamp] : years_) {
      if (control.cancelled()) return reading;
      const std::string group = std::to_string(year);
      if (!groups.empty() && std::find(groups.begin(), groups.end(), group) == groups.end()) continue;
      const std::string name = DataFileNameFor(year);
      std::vector<std::string> lines;
      try {
        lines = SplitLines(readRegularFile(folder_ + name, MaxDataFileSize), DataFileLineCount);
      } catch (const InOutError& e) {
        reading.skipped.push_back("Soubor „" + name + "“ nelze přečíst (" + e.what() + "); ve dnech roku " + group +
                                  " se nehledalo.");
        continue;
      }
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31 && isValidDate(year, month, day); ++day) {
          const Date date{year, month, day};
          const std::size_t index = std::size_t(DayLineIndex(day, month));
          const std::string section = shortDateText(date);
          std::vector<std::string> dayReadings;
          for (const char* key : kReadingKeys) dayReadings.push_back(readings.readString(section, key, ""));
          std::string text = dayText(index < lines.size() ? lines[index] : "", date, dayReadings);
          if (!text.empty() && !take({group, isoDate(date), std::move(text)})) return reading;
        }
      }
      control.report(++done, years_.size());
    }
    return reading;
  }

 private:
  std::string folder_;
  std::vector<std::pair<int, std::string>> years_;  // the years with a file, and its stamp
};

// The line of `text` with the first found word, cut to kExcerptCharacters around it.
FoundDay excerpt(const Date& date, std::string_view text, const std::vector<search::Span>& spans) {
  FoundDay found{date, {}, {}};
  const std::size_t first = spans.empty() ? 0 : spans.front().begin;
  const std::size_t lineStart = first == 0 ? 0 : text.rfind('\n', first - 1) + 1;
  const std::size_t lineEnd = std::min(text.find('\n', first), text.size());
  std::size_t start = lineStart;
  std::string before;
  // A word far into a long line: start a few words before it.
  const std::size_t firstEnd = spans.empty() ? first : first + spans.front().length;
  if (utf8CharactersBetween(text, lineStart, firstEnd) > kExcerptCharacters - 10) {
    start = utf8CharacterStart(text, first);
    for (std::size_t back = 0; back < 30 && start > lineStart; ++back) start = utf8CharacterStart(text, start - 1);
    const std::size_t blank = text.find(' ', start);
    if (blank != std::string_view::npos && blank < first) start = blank + 1;
    before = "…";
  }
  std::size_t end = utf8CharactersOn(text, start, kExcerptCharacters);
  std::string after;
  if (end < lineEnd) {
    const std::size_t blank = text.rfind(' ', end);
    if (blank != std::string_view::npos && blank > start && blank >= firstEnd) end = blank;
    after = "…";
  } else {
    end = lineEnd;
  }
  found.excerpt = before + std::string(text.substr(start, end - start)) + after;
  for (const search::Span& span : spans) {
    if (span.begin < start || span.begin >= end) continue;
    found.spans.push_back({span.begin - start + before.size(), std::min(span.begin + span.length, end) - span.begin});
  }
  return found;
}

}  // namespace

std::string dayText(std::string_view line, const Date& date, const std::vector<std::string>& readings) {
  std::string text;
  auto add = [&text](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += '\n';
    text += part;
  };
  if (!line.empty()) {
    const rtf::Document document = rtf::parse("{\\rtf1\\ansi " + std::string(line) + "}");
    const std::u16string heading = cp1250::toUtf16(dayHeading(date));
    bool first = true;
    for (const rtf::Paragraph& paragraph : document.paragraphs) {
      const std::u16string plain = rtf::plainText(paragraph);
      std::size_t start = 0;
      while (start <= plain.size()) {
        const std::size_t end = std::min(plain.find(u'\n', start), plain.size());
        const std::u16string part = trimmed(std::u16string_view(plain).substr(start, end - start));
        start = end + 1;
        if (part.empty()) continue;
        if (!(first && part == heading)) add(utf16ToUtf8(part));
        first = false;
      }
    }
  }
  for (const std::string& reading : readings) add(utf16ToUtf8(trimmed(cp1250::toUtf16(reading))));
  return text;
}

DaysSearch searchDays(const std::string& folder, std::string_view query, const search::BuildControl& control) {
  DaysCorpus corpus(folder);
  search::Answer answer = search::search(corpus, query, {}, control);
  DaysSearch found{answer.outcome, answer.source, {}, std::move(answer.message), std::move(answer.notes)};
  if (answer.outcome == search::Outcome::NothingFound)
    found.message = "V textech ve složce „" + folder + "“ se „" + std::string(ascii::trimmed(query)) + "“ nenašlo.";
  for (const search::Hit& hit : answer.hits) {
    int year = 0, month = 0, day = 0;
    if (parseIsoDate(hit.key, year, month, day) && isValidDate(year, month, day))
      found.days.push_back(excerpt(Date{year, month, day}, hit.text, hit.spans));
  }
  return found;
}

std::string daysIndexFile(const std::string& folder) { return search::indexFile(DaysCorpus(folder)); }

}  // namespace tavra::texts
