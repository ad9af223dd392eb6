// Any bytes as a daily-watchword XML file for 2027. A file that is accepted must make a
// year file, and writing its days back to XML and reading that again must give the same
// year file: what the import keeps, the export must not lose.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "texts/watchword_xml.h"
#include "texts/year_files.h"

using namespace tavra::texts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TableResult first = readWatchwordXml(bytes, 2027);
  if (!first.errors.empty()) return 0;
  const std::string year = yearFileContent(first.table);
  std::vector<std::string> errors;
  const std::string written = writeWatchwordXml(first.table.days, errors);
  if (!errors.empty()) return 0;  // a verse whose own signs would read back as marks
  const TableResult again = readWatchwordXml(written, 2027);
  if (!again.errors.empty() || yearFileContent(again.table) != year) __builtin_trap();
  return 0;
}
