// tavra-texts: makes a year's files for Tavra from a table, checks a year file and
// exports one back to a table. See texts_command.h.

#include <iostream>
#include <string>
#include <vector>

#include "texts/texts_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const int status = tavra::texts::runTextsCommand(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : 1;
}
