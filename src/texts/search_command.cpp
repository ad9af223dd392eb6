#include "texts/search_command.h"

#include <ostream>

#include "texts/day_table.h"
#include "texts/texts_search.h"

namespace tavra::texts {

int runSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string folder = ".";
  std::string query;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--folder") {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        err << "tavra-texts: za --folder chybí složka\n";
        return 2;
      }
      folder = args[++i];
    } else {
      if (!query.empty()) query += ' ';
      query += args[i];
    }
  }
  if (query.empty()) {
    err << "tavra-texts: chybí, co se má hledat\n  tavra-texts search SLOVA [--folder SLOŽKA]\n";
    return 2;
  }
  const DaysSearch found = searchDays(folder, query);
  for (const std::string& note : found.notes) err << "tavra-texts: " << note << '\n';
  if (found.outcome != search::Outcome::Found) {
    err << "tavra-texts: " << found.message << '\n';
    return found.outcome == search::Outcome::BadQuery ? 2 : 1;
  }
  for (const FoundDay& day : found.days) out << isoDate(day.date) << '\t' << day.excerpt << '\n';
  out.flush();
  return out ? 0 : 1;
}

}  // namespace tavra::texts
