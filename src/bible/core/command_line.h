#pragma once
// The viewer's command line. Tavra starts it with the reference alone, in Windows-1250
// bytes, split at blanks ("Bible.exe Mt 5,1-12"); a reader types it in UTF-8:
//
//   Bible.exe [--module NAME] REFERENCE...          the window (or, without a display, the text)
//   Bible.exe [--module NAME] --text REFERENCE...   the passage on standard output
//   Bible.exe --list                                 the installed Bibles
//   Bible.exe --print REFERENCE...                   the reference as it arrived
//   Bible.exe --search QUERY... [--module NAME] [--scope ot|nt|BOOK]   the verses found

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "bible/core/bible_library.h"

namespace tavra::bible {

struct CommandLine {
  bool print = false;
  bool list = false;
  bool text = false;
  bool search = false;    // the words are the query (bible/core/search_command.h)
  std::string scope;      // --scope, as given
  std::string module;     // as given, "" for the chosen Bible
  std::string reference;  // UTF-8, the words after the options joined by blanks
  std::string problem;    // Czech, when the options themselves are wrong
};

// An argument in UTF-8: kept when it is valid UTF-8, else read as Windows-1250.
std::string decodeArgument(std::string_view bytes);

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// A reference looked up: read, its Bible chosen, its verses read; or the Czech sentence
// that says, naming the reference, why it cannot be shown.
struct Lookup {
  Reference parsed;
  const BibleInfo* bible = nullptr;
  Passage passage;
  std::string message;  // "" when the passage was read
};

// With `moduleName` "" the Bible is the one `remembered` names, or the library's default.
Lookup lookUp(const BibleLibrary& library, const std::string& reference, const std::string& moduleName,
              const std::string& remembered);

// --text: "chapter,verse<TAB>text" a line; 0, or 1 with a Czech message on `err`.
int printPassage(const BibleLibrary& library, const CommandLine& line, const std::string& remembered,
                 std::ostream& out, std::ostream& err);

// --list: "name<TAB>language<TAB>description" a line; 0.
int listBibles(const BibleLibrary& library, std::ostream& out, std::ostream& err);

}  // namespace tavra::bible
