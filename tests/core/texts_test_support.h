#pragma once
// Runs tavra-texts in the test's process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "texts/texts_command.h"

namespace tavra::testing {

struct ToolOutcome {
  int status = 0;
  std::string out;
  std::string err;
};

inline ToolOutcome runTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ToolOutcome outcome;
  outcome.status = texts::runTextsCommand(args, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

}  // namespace tavra::testing
