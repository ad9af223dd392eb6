#pragma once
// The viewer's command line. Tavra starts it with the reference alone, in Windows-1250
// bytes, split at blanks ("Bible.exe Mt 5,1-12"); a reader types it in UTF-8:
//
//   Bible.exe [--module NAME] REFERENCE...          the window (or, without a display, the text)
//   Bible.exe [--module NAME] --text REFERENCE...   the passage on standard output
//   Bible.exe --list                                 the installed Bibles
//   Bible.exe --print REFERENCE...                   the reference as it arrived
//   Bible.exe --available [--from SOURCE] [--yes]    the Bibles a source offers
//   Bible.exe --install NAME [--from SOURCE] [--yes] a Bible installed into ~/.sword
//   Bible.exe --remove NAME                          a Bible removed from ~/.sword
//   Bible.exe --search QUERY... [--module NAME] [--scope ot|nt|BOOK]   the verses found
//   Bible.exe --help | --version
//
// SOURCE is a folder or a repository's address; without it the default source of
// bible_installer.h. --yes consents to the network use for this run.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "bible/core/bible_library.h"
#include "bible/core/bible_settings.h"

namespace tavra::bible {

struct CommandLine {
  bool help = false;
  bool version = false;
  bool print = false;
  bool list = false;
  bool text = false;
  bool available = false;
  std::string install;    // the Bible to install, "" for none
  std::string remove;     // the Bible to remove, "" for none
  std::string from;       // the source to install from, "" for the default
  bool yes = false;       // the consent to the network use, for this run
  bool search = false;    // the words are the query (bible/core/search_command.h)
  std::string scope;      // --scope, as given
  std::string module;     // as given, "" for the chosen Bible
  std::string reference;  // UTF-8, the words after the options joined by blanks
  std::string problem;    // Czech, when the options themselves are wrong
};

// An argument in UTF-8: kept when it is valid UTF-8, else read as Windows-1250.
std::string decodeArgument(std::string_view bytes);

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// Whether the line asks for the installer's work rather than a passage.
inline bool isInstallCommand(const CommandLine& line) {
  return line.available || !line.install.empty() || !line.remove.empty();
}

// --help: the usage, in Czech.
extern const char* const Usage;

// A reference looked up: read, its Bible chosen, its verses read; or the Czech sentence
// that says, naming the reference, why it cannot be shown.
struct Lookup {
  Reference parsed;
  std::optional<BibleInfo> bible;  // the Bible chosen, a copy: the library's list may change
  Passage passage;
  std::string message;  // "" when the passage was read
};

// The Bible read is the one `moduleName` names; with "" the one the settings keep, else the
// library's default (BibleLibrary::choose). The viewer's window and its command line alike.
Lookup lookUp(const BibleLibrary& library, const std::string& reference, const std::string& moduleName,
              const BibleSettings& settings);

// --text: "chapter,verse<TAB>text" a line; 0, or 1 with a Czech message on `err`.
int printPassage(const BibleLibrary& library, const CommandLine& line, const BibleSettings& settings,
                 std::ostream& out, std::ostream& err);

// --list: "name<TAB>language<TAB>description" a line; 0.
int listBibles(const BibleLibrary& library, std::ostream& out, std::ostream& err);

}  // namespace tavra::bible
