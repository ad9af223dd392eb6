#include "bible/install/install_command.h"

#include <algorithm>
#include <string>
#include <vector>

#include "bible/core/bible_library.h"
#include "bible/install/bible_installer.h"
#include "platform/czech_text.h"
#include "platform/ascii.h"

namespace tavra::bible {
namespace {

// What a repository wrote, fit for a terminal: no control character reaches it.
std::string printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

// The installed Bible answers with the first book it holds a verse of.
bool readsBack(const std::string& name) {
  const BibleLibrary library;
  const BibleInfo* bible = library.find(name);
  if (!bible) return false;
  for (const BookInfo& book : allBooks())
    if (const int chapters = library.chapterCount(*bible, book);
        chapters > 0 && library.read(*bible, {VerseRange{&book, 1, 0, chapters, 0}}).status == Passage::Ok)
      return true;
  return false;
}

int install(BibleInstaller& installer, const std::vector<AvailableBible>& bibles, const std::string& asked,
            std::ostream& out, std::ostream& err) {
  // The name as the source writes it, whatever the case it was typed in.
  std::string name = asked;
  const auto exact = [&](const AvailableBible& bible) { return bible.name == asked; };
  if (std::none_of(bibles.begin(), bibles.end(), exact))
    for (const AvailableBible& bible : bibles)
      if (ascii::equalIgnoringCase(bible.name, asked)) name = bible.name;
  std::string error;
  if (!installer.install(name, error)) {
    err << error << '\n';
    return 1;
  }
  if (!readsBack(name)) {
    err << "Bible " << czechQuoted(name) << " je nainstalována, ale nelze ji přečíst.\n";
    return 1;
  }
  out << "Bible " << czechQuoted(name) << " je nainstalována.\n";
  return 0;
}

}  // namespace

int runInstallCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string error;
  if (!line.remove.empty()) {
    if (!BibleInstaller::remove(line.remove, error)) {
      err << error << '\n';
      return 1;
    }
    out << "Bible " << czechQuoted(line.remove) << " byla odebrána.\n";
    return 0;
  }
  BibleInstaller installer(line.from.empty() ? defaultBibleSource() : BibleSource{line.from});
  if (line.yes) installer.consentForThisRun();
  std::vector<AvailableBible> bibles;
  if (!installer.list(bibles, error)) {
    err << error << '\n';
    return 1;
  }
  if (!line.install.empty()) return install(installer, bibles, line.install, out, err);
  if (bibles.empty()) err << "Zdroj nenabízí žádnou Bibli.\n";
  for (const AvailableBible& bible : bibles)
    out << printable(bible.name) << '\t' << printable(bible.language) << '\t' << printable(bible.description) << '\n';
  out.flush();
  return out ? 0 : 1;
}

}  // namespace tavra::bible
