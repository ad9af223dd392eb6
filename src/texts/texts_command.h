#pragma once
// The command line of tavra-texts, which makes, checks and exports a year's files:
//   tavra-texts import TABLE|FILE.xml [--year Y] [--out FOLDER]
//   tavra-texts check FILE [--year Y]
//   tavra-texts export FILE [--year Y] [--xml]
//   tavra-texts search QUERY [--folder FOLDER]   the days whose texts hold it (search_command.h)
// import tells a table, a daily-watchword XML file and a Czech yearly-texts file apart by
// their content (year_import.h); without --year it takes the year the file holds.
// Messages are Czech, in UTF-8; the exported table goes to `out`.

#include <iosfwd>
#include <string>
#include <vector>

#include "texts/year_import.h"

namespace tavra::texts {

// Runs one command with `args` (without the program name); returns the exit status:
// 0 done, 1 the input is faulty or a file could not be written, 2 a wrong command line.
int runTextsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavra::texts
