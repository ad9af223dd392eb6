#include "texts/year_files.h"

#include <algorithm>

#include "app/core/day_document.h"
#include "platform/codepage.h"
#include "platform/ini_file.h"
#include "platform/rtf_reader.h"

namespace tavra::texts {

namespace {

constexpr int kSlotsPerMonth = 31;

std::string linePrefix(int index) { return "řádek " + std::to_string(index + 1) + ": "; }

Date slotDate(int year, int index) { return Date{year, index / kSlotsPerMonth + 1, index % kSlotsPerMonth + 1}; }

// Whether the groups of a day's line balance inside the day document that encloses it;
// the reason for the first fault otherwise.
bool groupsBalance(std::string_view line, std::string& why) {
  int depth = 0;
  for (std::size_t pos = 0; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '\\') {
      if (pos + 1 == line.size()) {
        why = "končí zpětným lomítkem, které pohltí konec dokumentu";
        return false;
      }
      ++pos;  // an escaped brace or backslash, or the first letter of a control word
    } else if (c == '{') {
      ++depth;
    } else if (c == '}' && --depth < 0) {
      why = "„}“ na pozici " + std::to_string(pos + 1) + " uzavírá skupinu, která nezačala";
      return false;
    }
  }
  if (depth > 0) {
    why = std::to_string(depth) + "× „{“ bez uzavření";
    return false;
  }
  return true;
}

bool showsText(std::string_view line) {
  const rtf::Document document = rtf::parse("{\\rtf1\\ansi " + std::string(line) + "}");
  for (const rtf::Paragraph& paragraph : document.paragraphs)
    for (char16_t ch : rtf::plainText(paragraph))
      if (ch != u' ' && ch != u'\t' && ch != u'\n' && ch != u'\u00A0') return true;
  return false;
}

}  // namespace

int yearOfFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  if (path == DataFileName) return ServedYear;
  if (path.size() != 13 || !path.starts_with("TAVRA") || !path.ends_with(".RTF")) return 0;
  int year = 0;
  for (char c : path.substr(5, 4)) {
    if (c < '0' || c > '9') return 0;
    year = year * 10 + (c - '0');
  }
  return isDataYear(year) && year != ServedYear ? year : 0;
}

std::string yearFileContent(const YearTable& table) {
  std::vector<std::string> lines(DataFileLineCount);
  for (const DayRow& day : table.days)
    lines[std::size_t(DayLineIndex(day.date.day, day.date.month))] = composeDayLine(day.date, day.verses);
  return yearFileOfLines(lines);
}

std::string yearFileOfLines(const std::vector<std::string>& lines) {
  std::string content;
  for (const std::string& line : lines) content += line + "\r\n";
  return content;
}

std::vector<std::string> readingSections(const YearTable& table) {
  std::vector<const DayRow*> days;
  for (const DayRow& day : table.days) days.push_back(&day);
  std::sort(days.begin(), days.end(), [](const DayRow* a, const DayRow* b) {
    return DayLineIndex(a->date.day, a->date.month) < DayLineIndex(b->date.day, b->date.month);
  });
  std::vector<std::string> lines;
  for (const DayRow* day : days) {
    std::vector<std::string> keys;
    for (std::size_t k = 0; k < kReadingKeys.size(); ++k)
      if (!day->readings[k].empty()) keys.push_back(std::string(kReadingKeys[k]) + "=" + day->readings[k]);
    if (keys.empty()) continue;
    if (!lines.empty()) lines.emplace_back();
    lines.push_back("[" + shortDateText(day->date) + "]");
    lines.insert(lines.end(), keys.begin(), keys.end());
  }
  return lines;
}

std::set<std::string, std::less<>> sectionNamesOfYear(int year) {
  std::set<std::string, std::less<>> names;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= kSlotsPerMonth && isValidDate(year, month, day); ++day)
      names.insert(shortDateText(Date{year, month, day}));
  return names;
}

Report checkYearFile(std::string_view bytes, int year) {
  Report report;
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) {
    const int line = int(std::count(bytes.begin(), bytes.begin() + std::ptrdiff_t(nul), '\n')) + 1;
    report.errors.push_back("řádek " + std::to_string(line) + ": bajt 0 ukončuje text; co následuje, se nepřečte");
  }
  const std::vector<std::string> lines = SplitLines(bytes);
  if (int(lines.size()) != DataFileLineCount)
    report.errors.push_back("soubor má " + std::to_string(lines.size()) + " řádků, má jich mít " +
                            std::to_string(DataFileLineCount) + " (12 měsíců po 31 dnech)");
  std::vector<Date> empty;
  for (int index = 0; index < int(lines.size()); ++index) {
    const std::string& line = lines[std::size_t(index)];
    const Date date = slotDate(year, index);
    const bool exists = isValidDate(date.year, date.month, date.day);
    if (index >= DataFileLineCount) {
      if (!line.empty()) report.errors.push_back(linePrefix(index) + "za posledním dnem roku nesmí být text");
      continue;
    }
    if (!exists) {
      if (!line.empty())
        report.errors.push_back(linePrefix(index) + std::to_string(date.day) + ". " + std::to_string(date.month) +
                                ". neexistuje, řádek má být prázdný");
      continue;
    }
    if (line.empty()) {
      empty.push_back(date);
      continue;
    }
    const std::string prefix = linePrefix(index) + "(" + isoDate(date) + ") ";
    const auto control = std::find_if(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (control != line.end()) {
      report.errors.push_back(prefix + "řídicí znak na pozici " + std::to_string(control - line.begin() + 1));
      continue;
    }
    std::string why;
    if (!groupsBalance(line, why)) {
      report.errors.push_back(prefix + why);
      continue;
    }
    if (!showsText(line)) report.errors.push_back(prefix + "textové pole z řádku nepřečte žádný text");
  }
  if (!empty.empty())
    report.warnings.push_back(std::to_string(empty.size()) + " dnů má prázdný řádek" +
                              (year == ServedYear ? " a ukáže prázdný text: " : " a ukáže, že data nebyla nalezena: ") +
                              dateList(empty));
  return report;
}

YearExport exportYear(std::string_view bytes, int year, const IniFile& readings) {
  YearExport result;
  const std::vector<std::string> lines = SplitLines(bytes);
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kSlotsPerMonth && isValidDate(year, month, day); ++day) {
      const Date date{year, month, day};
      const int index = DayLineIndex(day, month);
      DayRow row{date, index + 1, {}, {}};
      if (index < int(lines.size())) {
        std::string why;
        std::optional<DayVerses> verses = parseDayLine(lines[std::size_t(index)], date, why);
        if (!verses) {
          result.errors.push_back(linePrefix(index) + "(" + isoDate(date) + ") není v rozložení, které zapisuje tavra-texts: " + why);
          continue;
        }
        row.verses = std::move(*verses);
      }
      const std::string section = shortDateText(date);
      bool any = row.verses.first.has_value();
      for (std::size_t k = 0; k < kReadingKeys.size(); ++k) {
        row.readings[k] = readings.readString(section, kReadingKeys[k], "");
        if (row.readings[k].find('\t') != std::string::npos) {
          result.errors.push_back("Cteni.js, [" + cp1250::toUtf8(section) + "] " + kReadingKeys[k] +
                                  ": tabulátor se do tabulky nevejde");
        }
        any = any || !row.readings[k].empty();
      }
      if (any) result.days.push_back(std::move(row));
    }
  }
  return result;
}

std::string dateList(const std::vector<Date>& dates) {
  std::string out;
  for (const Date& date : dates) out += (out.empty() ? "" : ", ") + isoDate(date);
  return out;
}

}  // namespace tavra::texts
