#pragma once
// Bible.exe --search QUERY [--module NAME] [--scope ot|nt|BOOK]: every verse found, one a
// line, "REFERENCE<TAB>TEXT" in the Bible's order, the reference in the short notation the
// viewer reads back ("J 3,16") and the text as --text prints it. Nothing found: a Czech
// sentence on standard error and 1; a query or scope that cannot be searched: 2.

#include <ostream>
#include <string>

#include "bible/core/command_line.h"

namespace tavra::bible {

// With `line.module` "" the Bible is the one the settings keep, or the library's default.
int searchCommand(const BibleLibrary& library, const CommandLine& line, const BibleSettings& settings,
                  std::ostream& out, std::ostream& err);

}  // namespace tavra::bible
