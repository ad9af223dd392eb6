#pragma once
// The installer on the viewer's command line: --available, --install, --remove (see
// bible/core/command_line.h). The same installer, checks and messages as the dialog.

#include <ostream>

#include "bible/core/command_line.h"

namespace tavra::bible {

// Runs the command the line asks for: 0 when done; 1 with a Czech sentence on `err`.
//   --available: "name<TAB>language<TAB>description" a line, Czech Bibles first
//   --install: the Bible installed, then read back through the Bible library
//   --remove: the Bible removed from the user's SWORD folder
int runInstallCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace tavra::bible
