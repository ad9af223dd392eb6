#include "bible/core/command_line.h"

#include "platform/codepage.h"

namespace tavra::bible {

namespace {

std::string quoted(const std::string& text) { return "„" + text + "“"; }

}  // namespace

std::string decodeArgument(std::string_view bytes) {
  std::size_t pos = 0;
  char32_t c = 0;
  while (pos < bytes.size())
    if (!cp1250::nextUtf8(bytes, pos, c)) return cp1250::toUtf8(bytes);
  return std::string(bytes);
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool words = false;  // after --text everything is the reference
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (!words && arg == "--print") {
      line.print = true;
    } else if (!words && arg == "--list") {
      line.list = true;
    } else if (!words && arg == "--text") {
      line.text = words = true;
    } else if (!words && arg == "--search") {
      line.search = true;
    } else if (!words && arg == "--scope") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        line.problem = "Za volbou --scope chybí rozsah: ot, nt nebo kniha.";
        return line;
      }
      line.scope = decodeArgument(arguments[++i]);
    } else if (!words && arg == "--module") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        line.problem = "Za volbou --module chybí jméno Bible.";
        return line;
      }
      line.module = decodeArgument(arguments[++i]);
    } else {
      if (!line.reference.empty()) line.reference += ' ';
      line.reference += decodeArgument(arg);
    }
  }
  if (line.text && line.reference.empty()) line.problem = "Za volbou --text chybí odkaz.";
  if (!line.search && !line.scope.empty()) line.problem = "Volba --scope patří k --search.";
  if (line.search && line.reference.empty()) line.problem = "Za volbou --search chybí, co se má hledat.";
  return line;
}

Lookup lookUp(const BibleLibrary& library, const std::string& reference, const std::string& moduleName,
              const std::string& remembered) {
  Lookup found;
  found.parsed = parseReference(reference);
  if (reference.find_first_not_of(" \t") == std::string::npos) {
    found.message = "Není zadán žádný odkaz.";
    return found;
  }
  if (!found.parsed.ok()) {
    found.message = "Odkazu " + quoted(reference) + " nerozumím: " + found.parsed.problem + ".";
    return found;
  }
  found.bible = moduleName.empty() ? library.choose(remembered) : library.find(moduleName);
  if (!found.bible) {
    found.message = moduleName.empty() || library.bibles().empty()
                        ? "Není nainstalována žádná Bible, a tak nelze ukázat " + quoted(reference) + "."
                        : "Bible " + quoted(moduleName) + " není nainstalována, a tak nelze ukázat " +
                              quoted(reference) + ".";
    return found;
  }
  found.passage = library.read(*found.bible, found.parsed.ranges);
  if (found.passage.status == Passage::NotInBible)
    found.message = "Bible " + quoted(found.bible->shortName()) + " neobsahuje místo " + quoted(reference) + ".";
  else if (found.passage.status == Passage::TooLong)
    found.message = "Místo " + quoted(reference) + " je příliš dlouhé: najednou lze ukázat nejvýše " +
                    std::to_string(MaxPassageVerses) + " veršů.";
  return found;
}

int printPassage(const BibleLibrary& library, const CommandLine& line, const std::string& remembered,
                 std::ostream& out, std::ostream& err) {
  const Lookup found = lookUp(library, line.reference, line.module, remembered);
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
