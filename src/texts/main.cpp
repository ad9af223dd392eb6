// tavra-texts: makes a year's files for Tavra from a table, checks a year file and
// exports one back to a table. See texts_command.h.

#include <iostream>
#include <string>
#include <vector>

#include "platform/licence.h"
#include "texts/texts_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "tavra-texts (Tavra) " TAVRA_VERSION "\n" << tavra::kLicenceNotice << "\n";
    return 0;
  }
  const int status = tavra::texts::runTextsCommand(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : 1;
}
