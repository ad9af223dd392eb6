#pragma once
// Runs tavra-texts in the test's process and keeps what it printed.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/date_cursor.h"
#include "app/core/day_document.h"
#include "core/core_test_support.h"
#include "platform/rtf_reader.h"
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

// The day as the program shows it from the year files in `folder`.
inline rtf::Document shownDay(const std::filesystem::path& folder, int day, int month, int year) {
  CurrentDirGuard cwd(folder);
  DateCursor cursor;
  DayDocument document(cursor);
  cursor.SetCursorFromPicker(Date{year, month, day});
  document.BuildDayDocument(day, month, year);
  return rtf::parse(readBytes(folder / "TAVRA.TMP"));
}

}  // namespace tavra::testing
