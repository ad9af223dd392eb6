#include "bible/core/command_line.h"

#include "platform/czech_text.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

namespace tavra::bible {

namespace {

// The value after an option, or "" with the problem set.
std::string valueAfter(const std::vector<std::string>& arguments, std::size_t& i, const char* missing,
                       std::string& problem) {
  if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
    problem = missing;
    return "";
  }
  return decodeArgument(arguments[++i]);
}

}  // namespace

const char* const Usage =
    "použití:\n"
    "  Bible.exe [--module JMÉNO] ODKAZ…        ukáže místo v okně (bez displeje vypíše jeho text)\n"
    "  Bible.exe [--module JMÉNO] --text ODKAZ… vypíše místo, verš na řádek: „kapitola,verš<TAB>text“\n"
    "  Bible.exe --list                         vypíše nainstalované Bible\n"
    "  Bible.exe --available [--from ZDROJ] [--yes]\n"
    "                                           vypíše Bible, které zdroj nabízí\n"
    "  Bible.exe --install JMÉNO [--from ZDROJ] [--yes]\n"
    "                                           nainstaluje Bibli do ~/.sword a přečte ji\n"
    "  Bible.exe --remove JMÉNO                 odebere Bibli z ~/.sword\n"
    "  Bible.exe [--module JMÉNO] --search SLOVA… [--scope ot|nt|KNIHA]\n"
    "                                           vypíše verše, v nichž stojí všechna slova\n"
    "  Bible.exe --print ODKAZ…                 vypíše odkaz, jak přišel\n"
    "  Bible.exe --help | --version\n"
    "\n"
    "ZDROJ je složka s knihovnou modulů SWORD, nebo adresa knihovny na síti (http://, https://,\n"
    "ftp://); bez něj veřejná knihovna modulů SWORD na internetu, nebo zdroj, který udává\n"
    "proměnná TAVRA_BIBLE_REPOSITORY. K síti se program připojí jen s vaším souhlasem, daným\n"
    "v okně instalace, nebo pro jedno spuštění volbou --yes.\n";

std::string decodeArgument(std::string_view bytes) {
  std::size_t pos = 0;
  char32_t c = 0;
  while (pos < bytes.size())
    if (!nextUtf8(bytes, pos, c)) return cp1250::toUtf8(bytes);
  return std::string(bytes);
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool words = false;  // after --text everything is the reference
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (!words && arg == "--help") {
      line.help = true;
    } else if (!words && arg == "--version") {
      line.version = true;
    } else if (!words && arg == "--available") {
      line.available = true;
    } else if (!words && arg == "--yes") {
      line.yes = true;
    } else if (!words && arg == "--install") {
      line.install = valueAfter(arguments, i, "Za volbou --install chybí jméno Bible.", line.problem);
    } else if (!words && arg == "--remove") {
      line.remove = valueAfter(arguments, i, "Za volbou --remove chybí jméno Bible.", line.problem);
    } else if (!words && arg == "--from") {
      line.from = valueAfter(arguments, i, "Za volbou --from chybí složka nebo adresa.", line.problem);
    } else if (!words && arg == "--print") {
      line.print = true;
    } else if (!words && arg == "--list") {
      line.list = true;
    } else if (!words && arg == "--text") {
      line.text = words = true;
    } else if (!words && arg == "--search") {
      line.search = true;
    } else if (!words && arg == "--scope") {
      line.scope = valueAfter(arguments, i, "Za volbou --scope chybí rozsah: ot, nt nebo kniha.", line.problem);
    } else if (!words && arg == "--module") {
      line.module = valueAfter(arguments, i, "Za volbou --module chybí jméno Bible.", line.problem);
    } else if (!words && arg.starts_with("--")) {
      line.problem = "Neznámá volba " + czechQuoted(decodeArgument(arg)) + "; volby vypíše Bible.exe --help.";
    } else {
      if (!line.reference.empty()) line.reference += ' ';
      line.reference += decodeArgument(arg);
    }
    if (!line.problem.empty()) return line;
  }
  if (line.text && line.reference.empty()) line.problem = "Za volbou --text chybí odkaz.";
  if (int(line.available) + int(!line.install.empty()) + int(!line.remove.empty()) > 1)
    line.problem = "Volby --available, --install a --remove nelze spojit.";
  else if (isInstallCommand(line) && !line.reference.empty())
    line.problem = "Za volbami instalace nemá stát odkaz („" + line.reference + "“).";
  else if (!line.from.empty() && !line.available && line.install.empty())
    line.problem = "Volba --from patří k volbě --available nebo --install.";
  else if (!line.search && !line.scope.empty())
    line.problem = "Volba --scope patří k --search.";
  else if (line.search && line.reference.empty())
    line.problem = "Za volbou --search chybí, co se má hledat.";
  return line;
}

Lookup lookUp(const BibleLibrary& library, const std::string& reference, const std::string& moduleName,
              const BibleSettings& settings) {
  Lookup found;
  found.parsed = parseReference(reference);
  if (reference.find_first_not_of(" \t") == std::string::npos) {
    found.message = "Není zadán žádný odkaz.";
    return found;
  }
  if (!found.parsed.ok()) {
    found.message = "Odkazu " + czechQuoted(reference) + " nerozumím: " + found.parsed.problem + ".";
    return found;
  }
  const BibleInfo* bible = moduleName.empty() ? library.choose(settings.bible()) : library.find(moduleName);
  if (!bible) {
    found.message = moduleName.empty() || library.bibles().empty()
                        ? "Není nainstalována žádná Bible, a tak nelze ukázat " + czechQuoted(reference) + "."
                        : "Bible " + czechQuoted(moduleName) + " není nainstalována, a tak nelze ukázat " +
                              czechQuoted(reference) + ".";
    return found;
  }
  found.bible = *bible;
  found.passage = library.read(*bible, found.parsed.ranges);
  if (found.passage.status == Passage::NotInBible)
    found.message = "Bible " + czechQuoted(found.bible->shortName()) + " neobsahuje místo " + czechQuoted(reference) + ".";
  else if (found.passage.status == Passage::TooLong)
    found.message = "Místo " + czechQuoted(reference) + " je příliš dlouhé: najednou lze ukázat nejvýše " +
                    std::to_string(MaxPassageVerses) + " veršů.";
  return found;
}

int printPassage(const BibleLibrary& library, const CommandLine& line, const BibleSettings& settings,
                 std::ostream& out, std::ostream& err) {
  const Lookup found = lookUp(library, line.reference, line.module, settings);
  if (!found.message.empty()) {
    err << found.message << '\n';
    return 1;
  }
  for (const Verse& verse : found.passage.verses)
    out << verse.chapter << ',' << verse.verse << '\t' << verse.text << '\n';
  out.flush();
  return out ? 0 : 1;
}

int listBibles(const BibleLibrary& library, std::ostream& out, std::ostream& err) {
  if (library.bibles().empty()) err << "Není nainstalována žádná Bible.\n";
  for (const BibleInfo& bible : library.bibles())
    out << bible.name << '\t' << bible.language << '\t' << bible.description << '\n';
  out.flush();
  return out ? 0 : 1;
}

}  // namespace tavra::bible
