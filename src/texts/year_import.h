#pragma once
// The import of a year's texts into Tavra's folder, the same for `tavra-texts import` and
// for the main window's menu: a table, a daily-watchword XML file (root FreeXml) or a Czech
// yearly-texts file (root LOSFILE), told apart by their content, become the year file
// "TAVRA<Y>.RTF" and the year's sections of the readings index "Cteni.js". A faulty file
// writes nothing; the shared files of an installed Tavra are never written through.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"

namespace tavra::texts {

// The largest table or XML file accepted: a year of long texts is well under a megabyte.
inline constexpr std::size_t kMaxTableSize = 16u << 20;

// What an import makes of a file before anything is written.
struct PreparedYear {
  int year = 0;
  std::string yearFile;  // the content of "TAVRA<Y>.RTF"
  bool hasReadings = false;               // the index gets the year's sections
  std::vector<std::string> readingSections;  // the lines of those sections
  std::size_t days = 0;                   // days the file holds
  std::string from;                       // "z tabulky", "ze souboru XML"
  std::vector<std::string> warnings;      // UTF-8
  std::vector<std::string> errors;        // UTF-8, each naming its place; nothing may be written
};

// The year in `bytes`; `year` 0 takes the file's own (a LOSFILE's attribute year, else the
// year of the first day), a given one must agree with the file.
PreparedYear prepareYear(std::string_view bytes, int year);

struct ImportReport {
  enum class Outcome { Written, NothingWritten, YearFileOnly };
  Outcome outcome = Outcome::NothingWritten;
  int year = 0;
  std::size_t days = 0;
  std::string from;                   // as PreparedYear::from
  std::vector<std::string> faults;    // the file's faults, each "FILE, řádek …"
  std::string failure;                // what could not be read or written, naming the file
  std::vector<std::string> warnings;  // UTF-8
  std::string written;                // "FOLDER/TAVRA2027.RTF (365 dnů ze souboru XML), FOLDER/Cteni.js"
};

// Imports `file` for `year` (0: the file's own) into `folder`. Messages are Czech, UTF-8.
ImportReport importYearFile(const std::string& file, int year, const std::string& folder);

// What the import did, for a window: what was imported (the year, its days, the warnings)
// or why nothing was (the first faults with their places), in Czech, UTF-8.
std::string importSummary(const ImportReport& report);

// Reads a whole regular file of at most `limit` bytes; false with the reason (naming the
// file) in `failure` otherwise.
bool readInputFile(const std::string& path, std::size_t limit, std::string& content, std::string& failure);

}  // namespace tavra::texts
