#include "app/core/day_document.h"

#include "app/core/date_cursor.h"
#include "platform/file_system.h"

namespace tavra {

namespace {

constexpr std::string_view kDocumentStart = "{\\rtf1\\ansi ";
constexpr std::string_view kNotFoundStart = "\\par\\par\\b\\qj Data na ";
constexpr std::string_view kNotFoundEnd = " nebyla nalezena!";
constexpr std::string_view kDocumentEnd = "}\r\n";
constexpr int kSlotsPerMonth = 31;

}  // namespace

std::vector<std::string> SplitLines(std::string_view text, std::size_t maxLines) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size() && lines.size() < maxLines) {
    // A plain scan: the data file is read whole at start-up, and a search for either of
    // two characters costs several times as much per byte.
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.emplace_back(text.substr(pos, end - pos));
    if (end == text.size()) break;
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

int DayLineIndex(int day, int month) { return (month - 1) * kSlotsPerMonth + (day - 1); }

bool isDataYear(int year) { return year >= FirstDataYear && year <= LastDataYear; }

std::string DataFileNameFor(int year) {
  if (year == ServedYear) return DataFileName;
  std::string digits = std::to_string(year);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return "TAVRA" + digits + ".RTF";
}

DayDocument::DayDocument(const DateCursor& cursor) : cursor_(cursor) {}

void DayDocument::BuildDayDocument(std::uint16_t day, std::uint16_t month, std::uint16_t year) {
  if (isDataYear(year) && year != LoadedYear) {
    LoadedYear = year;
    try {
      DayTexts = SplitLines(readRegularFile(DataFileNameFor(year), MaxDataFileSize), DataFileLineCount);
    } catch (const std::exception&) {
      // A missing or unreadable data file shows as "not found"; the next request retries.
      LoadedYear = LoadFailedYear;
      DayTexts.clear();
    }
  }
  const std::string dateText = shortDateText(cursor_.CursorToDate());

  // A data file that is short, or a day outside the 31 slots of a month, has no line for the
  // day: that day is not found, rather than a document left half written.
  const std::string* line = nullptr;
  if (isDataYear(year) && LoadedYear == year && day >= 1 && day <= kSlotsPerMonth && month >= 1 &&
      month <= 12) {
    const int index = DayLineIndex(day, month);
    if (index < static_cast<int>(DayTexts.size())) line = &DayTexts[static_cast<std::size_t>(index)];
  }
  // The years beside 1999 come from files made by a tool that leaves a day without text
  // empty; 1999 keeps its data file's every line as it stands.
  if (line && line->empty() && year != ServedYear) line = nullptr;

  std::string document(kDocumentStart);
  if (line) {
    document += *line;
  } else {
    document += kNotFoundStart;
    document += dateText;
    document += kNotFoundEnd;
  }
  document += kDocumentEnd;
  writeFileAtomically(DayDocumentFileName, document, Durability::Scratch);
}

DayDocument& dayDocument() {
  static DayDocument document(dateCursor());
  return document;
}

}  // namespace tavra
