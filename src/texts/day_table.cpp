#include "texts/day_table.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/codepage.h"
#include "platform/unicode.h"

namespace tavra::texts {

namespace {

// Errors beyond this many add nothing a user can act on before fixing the first ones.
constexpr std::size_t kMaxErrors = 50;

std::vector<std::string_view> splitCells(std::string_view line) {
  std::vector<std::string_view> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      cells.push_back(line.substr(start));
      return cells;
    }
    cells.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

std::string codePoint(char32_t ch) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(ch));
  return buffer;
}

std::string rowPrefix(int row) { return "řádek " + std::to_string(row) + ": "; }

bool twoDigits(std::string_view s, int& value) {
  if (s.size() != 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return false;
  value = (s[0] - '0') * 10 + (s[1] - '0');
  return true;
}

class TableReader {
 public:
  explicit TableReader(int year) { result_.table.year = year; }

  TableResult run(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::size_t start = 0;
    int row = 0;
    bool headerSeen = false;
    while (start < text.size() && result_.errors.size() < kMaxErrors) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      start = end + 1;
      ++row;
      if (line.empty()) continue;
      if (!headerSeen) {
        header(line, row);
        headerSeen = true;
      } else if (!columns_.empty()) {
        day(line, row);
      }
    }
    if (!headerSeen) error("tabulka je prázdná, chybí i záhlaví");
    if (result_.errors.empty()) listDaysWithoutText(result_.table);
    return std::move(result_);
  }

 private:
  void error(std::string message) {
    if (result_.errors.size() < kMaxErrors) result_.errors.push_back(std::move(message));
  }

  void header(std::string_view line, int row) {
    const std::vector<std::string_view> names = splitCells(line);
    std::string expected;
    for (const char* name : kTableColumns) expected += std::string(expected.empty() ? "" : ", ") + name;
    const std::size_t most = kTableColumns.size() + 1;
    if (names.size() > most) {
      error(rowPrefix(row) + "záhlaví má " + std::to_string(names.size()) + " sloupců, nejvýš jich může být " +
            std::to_string(most) + " (" + expected + " a " + kSundayColumn + ")");
      return;
    }
    std::size_t next = 0;  // the next of kTableColumns
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (i > 0 && names[i] == kSundayColumn && sundayColumn_ == kNone) {
        sundayColumn_ = i;
        continue;
      }
      if (next == kTableColumns.size() || names[i] != kTableColumns[next]) {
        const std::string wanted = next == kTableColumns.size() ? "žádný" : "„" + std::string(kTableColumns[next]) + "“";
        error(rowPrefix(row) + "sloupec " + std::to_string(i + 1) + " záhlaví je „" + std::string(names[i]) +
              "“, má být " + wanted + " (záhlaví: " + expected + ", oddělené tabulátorem, a kdekoli za date " +
              kSundayColumn + ")");
        return;
      }
      ++next;
    }
    if (next < kMinTableColumns) {
      error(rowPrefix(row) + "záhlaví musí mít aspoň sloupce date, text1 a ref1");
      return;
    }
    columns_.assign(names.begin(), names.end());
  }

  // The cell in Windows-1250; false (with the error given) when a character cannot be held.
  bool convert(std::string_view cell, std::size_t column, int row, std::string& out) {
    std::string why;
    if (windows1250Text(cell, out, why)) return true;
    error("řádek " + std::to_string(row) + ", sloupec " + columns_[column] + ", " + why);
    return false;
  }

  void day(std::string_view line, int row) {
    const std::vector<std::string_view> cells = splitCells(line);
    if (cells.size() < columns_.size()) {
      error(rowPrefix(row) + "chybí sloupec " + columns_[cells.size()] + " (řádek má " + std::to_string(cells.size()) +
            " z " + std::to_string(columns_.size()) + " sloupců)");
      return;
    }
    if (cells.size() > columns_.size()) {
      error(rowPrefix(row) + "řádek má " + std::to_string(cells.size()) + " sloupců, záhlaví jen " +
            std::to_string(columns_.size()));
      return;
    }
    int year = 0, month = 0, dayOfMonth = 0;
    if (!parseIsoDate(cells[0], year, month, dayOfMonth)) {
      error(rowPrefix(row) + "datum „" + std::string(cells[0]) + "“ není ve tvaru RRRR-MM-DD");
      return;
    }
    if (!isValidDate(year, month, dayOfMonth)) {
      error(rowPrefix(row) + "datum " + std::string(cells[0]) + " neexistuje");
      return;
    }
    if (result_.table.year == 0) result_.table.year = year;  // the table's own year: that of its first day
    if (year != result_.table.year) {
      error(rowPrefix(row) + "datum " + std::string(cells[0]) + " neleží v roce " + std::to_string(result_.table.year));
      return;
    }
    const auto [seen, fresh] = rows_.try_emplace(month * 100 + dayOfMonth, row);
    if (!fresh) {
      error(rowPrefix(row) + "datum " + std::string(cells[0]) + " už je na řádku " + std::to_string(seen->second));
      return;
    }

    std::array<std::string, kTableColumns.size()> values;
    std::string sunday;
    bool ok = true;
    for (std::size_t c = 1, field = 1; c < cells.size(); ++c) {
      std::string& into = c == sundayColumn_ ? sunday : values[field++];
      ok = convert(cells[c], c, row, into) && ok;
    }
    if (!ok) return;

    DayRow entry{Date{year, month, dayOfMonth}, row, {}, {}};
    if (!values[2].empty() && values[1].empty()) return error(rowPrefix(row) + "ref1 bez text1");
    if (!values[4].empty() && values[3].empty()) return error(rowPrefix(row) + "ref2 bez text2");
    if (!values[3].empty() && values[1].empty()) return error(rowPrefix(row) + "text2 bez text1");
    if (!sunday.empty() && values[1].empty()) return error(rowPrefix(row) + kSundayColumn + " bez text1");
    if (!values[1].empty()) entry.verses.first = Verse{values[1], values[2], {}};
    if (!values[3].empty()) entry.verses.second = Verse{values[3], values[4], {}};
    entry.verses.sunday = std::move(sunday);
    for (std::size_t k = 0; k < kReadingKeys.size(); ++k) entry.readings[k] = values[5 + k];
    result_.table.days.push_back(std::move(entry));
  }

  static constexpr std::size_t kNone = std::size_t(-1);

  TableResult result_;
  std::vector<std::string> columns_;  // the header's names; none until a good header was read
  std::size_t sundayColumn_ = kNone;
  std::map<int, int> rows_;  // month * 100 + day -> the row that gave it
};

}  // namespace

bool parseIsoDate(std::string_view s, int& year, int& month, int& day) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
  year = 0;
  for (char c : s.substr(0, 4)) {
    if (c < '0' || c > '9') return false;
    year = year * 10 + (c - '0');
  }
  return twoDigits(s.substr(5, 2), month) && twoDigits(s.substr(8, 2), day);
}

bool windows1250Text(std::string_view utf8, std::string& out, std::string& why) {
  out.clear();
  std::size_t pos = 0;
  int index = 0;
  while (pos < utf8.size()) {
    ++index;
    char32_t ch = 0;
    const std::size_t begin = pos;
    const std::string where = "znak " + std::to_string(index) + ": ";
    if (!nextUtf8(utf8, pos, ch)) {
      why = where + "neplatný bajt UTF-8";
      return false;
    }
    if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) {
      why = where + "řídicí znak " + codePoint(ch) + " nemůže být v textu";
      return false;
    }
    std::uint8_t byte = 0;
    if (!cp1250::fromUnicode(ch, byte)) {
      why = where + "„" + std::string(utf8.substr(begin, pos - begin)) + "“ (" + codePoint(ch) +
            ") nelze zapsat ve Windows-1250";
      return false;
    }
    out += char(byte);
  }
  return true;
}

void listDaysWithoutText(YearTable& table) {
  std::map<int, bool> hasText;
  for (const DayRow& d : table.days) hasText[d.date.month * 100 + d.date.day] = d.verses.first.has_value();
  table.daysWithoutText.clear();
  for (int month = 1; month <= 12; ++month) {
    for (int dayOfMonth = 1; dayOfMonth <= 31 && isValidDate(table.year, month, dayOfMonth); ++dayOfMonth) {
      auto it = hasText.find(month * 100 + dayOfMonth);
      if (it == hasText.end() || !it->second) table.daysWithoutText.push_back(Date{table.year, month, dayOfMonth});
    }
  }
}

TableResult parseTable(std::string_view utf8, int year) { return TableReader(year).run(utf8); }

std::string isoDate(const Date& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

std::string formatTable(const std::vector<DayRow>& days) {
  const bool sundays =
      std::any_of(days.begin(), days.end(), [](const DayRow& d) { return !d.verses.sunday.empty(); });
  std::string out;
  for (const char* name : kTableColumns) out += std::string(out.empty() ? "" : "\t") + name;
  if (sundays) out += std::string("\t") + kSundayColumn;
  out += '\n';
  for (const DayRow& d : days) {
    const Verse none;
    const Verse& first = d.verses.first ? *d.verses.first : none;
    const Verse& second = d.verses.second ? *d.verses.second : none;
    out += isoDate(d.date);
    for (const std::string* cell : {&first.text, &first.reference, &second.text, &second.reference})
      out += "\t" + cp1250::toUtf8(*cell);
    for (const std::string& reading : d.readings) out += "\t" + cp1250::toUtf8(reading);
    if (sundays) out += "\t" + cp1250::toUtf8(d.verses.sunday);
    out += '\n';
  }
  return out;
}

}  // namespace tavra::texts
