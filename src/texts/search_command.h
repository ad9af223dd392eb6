#pragma once
// tavra-texts search QUERY... [--folder FOLDER]: the days whose texts or readings hold what
// is sought, one a line, "YYYY-MM-DD<TAB>the start of the matching text", in the order of
// the calendar. FOLDER is Tavra's folder, by default the current one.

#include <iosfwd>
#include <string>
#include <vector>

namespace tavra::texts {

// `args` start with "search". 0 days found, 1 none (a Czech sentence on `err`) or the texts
// cannot be read, 2 a wrong command line or nothing to search for.
int runSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavra::texts
