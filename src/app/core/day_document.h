#pragma once
// The day document: the shown day's line of the yearly data file "TAVRA99.RTF" written out
// as the one-line RTF document "TAVRA.TMP". Both are bare names, in the current directory.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

class DateCursor;

inline constexpr std::uint16_t ServedYear = 1999;
// LoadedYear after a failed load; never equal to ServedYear, so the next request retries.
inline constexpr std::uint16_t LoadFailedYear = 3000;
inline constexpr const char* DataFileName = "TAVRA99.RTF";
inline constexpr const char* DayDocumentFileName = "TAVRA.TMP";

// Splits text into lines at CR LF, a lone LF or a lone CR; a NUL byte ends the text.
std::vector<std::string> SplitLines(std::string_view text);

// The line of the data file that holds a day: 31 slots per month, counted from 0.
int DayLineIndex(int day, int month);

class DayDocument {
 public:
  // The not-found sentence uses the date text of `cursor`.
  explicit DayDocument(const DateCursor& cursor);

  std::vector<std::string> DayTexts;  // the lines of the data file, once loaded
  std::uint16_t LoadedYear = 0;       // year last loaded, or LoadFailedYear

  // Writes "TAVRA.TMP" for the day; loads the data file on the first 1999 request (and
  // again after a failed load). A day without its line gives the not-found document.
  // The file is replaced whole or not at all; write errors throw InOutError.
  void BuildDayDocument(std::uint16_t day, std::uint16_t month, std::uint16_t year);

 private:
  const DateCursor& cursor_;
};

// The program's one day document, bound to dateCursor().
DayDocument& dayDocument();

}  // namespace tavra
