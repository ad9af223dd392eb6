#include "bible/core/search_command.h"

#include "bible/core/bible_search.h"

namespace tavra::bible {

int searchCommand(const BibleLibrary& library, const CommandLine& line, const BibleSettings& settings,
                  std::ostream& out, std::ostream& err) {
  BibleScope scope;
  std::string problem;
  if (!line.scope.empty() && !parseScope(line.scope, scope, problem)) {
    err << problem << '\n';
    return 2;
  }
  const BibleInfo* bible = line.module.empty() ? library.choose(settings.bible()) : library.find(line.module);
  if (!bible) {
    err << (line.module.empty() || library.bibles().empty() ? std::string("Není nainstalována žádná Bible, a tak nelze hledat.")
                                                             : "Bible „" + line.module + "“ není nainstalována.")
        << '\n';
    return 1;
  }
  // The first search reads the whole Bible into the index, which takes seconds: say so rather
  // than keep a terminal waiting in silence.
  bool told = false;
  search::BuildControl control;
  control.progress = [&](std::size_t, std::size_t) {
    if (!told) err << "Čtu celou Bibli „" << bible->shortName() << "“, poprvé to chvíli trvá…\n" << std::flush;
    told = true;
  };
  const BibleSearch found = searchBible(library, *bible, line.reference, scope, control);
  for (const std::string& note : found.notes) err << note << '\n';
  if (found.outcome != search::Outcome::Found) {
    err << found.message << '\n';
    return found.outcome == search::Outcome::BadQuery ? 2 : 1;
  }
  for (const FoundVerse& verse : found.verses)
    out << shortReference(*verse.book, verse.chapter, verse.verse) << '\t' << verse.text << '\n';
  out.flush();
  return out ? 0 : 1;
}

}  // namespace tavra::bible
