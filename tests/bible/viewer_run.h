#pragma once
// Bible.exe run as a program, without a display: its exit status and what it wrote.

#include <string>
#include <vector>

#include "bible_fixture.h"
#include "common/program_run.h"

namespace tavra::bible::test {

using ViewerRun = tavra::testing::ProgramRun;
using StartedViewer = tavra::testing::StartedProgram;

// Bible.exe with `arguments` as they are, bytes not text.
inline StartedViewer startViewer(const std::vector<std::string>& arguments) {
  ScopedVariable offscreen("QT_QPA_PLATFORM", "offscreen");
  return tavra::testing::startProgram(TAVRA_BIBLE_VIEWER, arguments);
}

// Waits for the viewer at most 30 s, then ends it.
inline ViewerRun finishViewer(const StartedViewer& started) { return tavra::testing::finishProgram(started); }

inline ViewerRun runViewer(const std::vector<std::string>& arguments) { return finishViewer(startViewer(arguments)); }

}  // namespace tavra::bible::test
