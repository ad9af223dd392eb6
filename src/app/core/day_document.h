#pragma once
// The day document: the shown day's line of its year's data file ("TAVRA99.RTF" for 1999,
// "TAVRA2027.RTF" for 2027) written out as the one-line RTF document "TAVRA.TMP". All are
// bare names, in the current directory.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

class DateCursor;

// The year of the original data file, whose empty lines are days with an empty text.
inline constexpr std::uint16_t ServedYear = 1999;
// The years that have a data file of their own (those the date picker offers).
inline constexpr std::uint16_t FirstDataYear = 1901;
inline constexpr std::uint16_t LastDataYear = 2099;
// LoadedYear after a failed load; never a served year, so the next request retries.
inline constexpr std::uint16_t LoadFailedYear = 3000;
inline constexpr const char* DataFileName = "TAVRA99.RTF";
inline constexpr const char* DayDocumentFileName = "TAVRA.TMP";
// A year's file is a few hundred kilobytes; a larger one is not a data file.
inline constexpr std::size_t MaxDataFileSize = 8u << 20;
// The day document holds one line of a data file and a short frame around it.
inline constexpr std::size_t MaxDayDocumentSize = MaxDataFileSize + 1024;
inline constexpr int DataFileLineCount = 12 * 31;

bool isDataYear(int year);
// "TAVRA99.RTF" for 1999, "TAVRA" + four digits + ".RTF" for the other data years.
std::string DataFileNameFor(int year);

// Splits text into lines at CR LF, a lone LF or a lone CR; a NUL byte ends the text.
// Only the first `maxLines` lines are made, so a file of line ends costs no more than
// the lines that are used.
std::vector<std::string> SplitLines(std::string_view text, std::size_t maxLines = std::size_t(-1));

// The line of the data file that holds a day: 31 slots per month, counted from 0.
int DayLineIndex(int day, int month);

class DayDocument {
 public:
  // The not-found sentence uses the date text of `cursor`.
  explicit DayDocument(const DateCursor& cursor);

  std::vector<std::string> DayTexts;  // the lines of the data file of LoadedYear
  std::uint16_t LoadedYear = 0;       // year last loaded, or LoadFailedYear

  // Writes "TAVRA.TMP" for the day; loads the year's data file when another year (or
  // none) is loaded, so a file is read again only after another year or a failed load.
  // A day without its line, or outside 1999 with an empty line, gives the not-found
  // document. The file is replaced whole or not at all; write errors throw InOutError.
  void BuildDayDocument(std::uint16_t day, std::uint16_t month, std::uint16_t year);

 private:
  const DateCursor& cursor_;
};

// The program's one day document, bound to dateCursor().
DayDocument& dayDocument();

}  // namespace tavra
