#pragma once
// A year's files as tavra-texts makes, checks and reads them: the year file "TAVRA<Y>.RTF"
// (372 lines of Windows-1250, CR LF) and the year's sections of the readings index
// "Cteni.js", one per day with readings, named by the day's short-date text.

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "texts/day_table.h"

namespace tavra {
class IniFile;
}

namespace tavra::texts {

// The year of a data file's name ("TAVRA99.RTF" is 1999, "TAVRA2027.RTF" 2027), taken
// from its last path component; 0 for any other name.
int yearOfFileName(std::string_view path);

// The year file of its 372 lines, each ended by CR LF.
std::string yearFileOfLines(const std::vector<std::string>& lines);

// Every slot of the year: the day's line, or an empty line for a day without text and
// for the slots of dates that do not exist.
std::string yearFileContent(const YearTable& table);

// The year's sections of the readings index in the order of the days, a blank line
// between two sections; days without readings have none.
std::vector<std::string> readingSections(const YearTable& table);

// The section names of the readings index that belong to `year`: the short-date texts
// of its days.
std::set<std::string, std::less<>> sectionNamesOfYear(int year);

struct Report {
  std::vector<std::string> errors;    // UTF-8, each naming its line
  std::vector<std::string> warnings;  // UTF-8
};

// What is wrong with a year file for `year`: the line count, groups that do not balance,
// control bytes, text in the slot of a date that does not exist, a day whose line the
// rich-text box reads as no text. Days with empty lines are warnings.
Report checkYearFile(std::string_view bytes, int year);

// The days of a year file written in the layout tavra-texts writes, with their readings
// from `readings`. A day is listed when it has text or readings. Lines in another layout
// are errors.
struct YearExport {
  std::vector<DayRow> days;
  std::vector<std::string> errors;
};
YearExport exportYear(std::string_view bytes, int year, const IniFile& readings);

// Dates for a message: "2027-01-06, 2027-02-01".
std::string dateList(const std::vector<Date>& dates);

}  // namespace tavra::texts
