// Any bytes as a Czech yearly-texts file (root LOSFILE), the year its own. A file that is
// accepted must make a year file that `tavra-texts check` passes and Tavra reads whole.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/day_document.h"
#include "texts/year_files.h"
#include "texts/year_import.h"

using namespace tavra::texts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const PreparedYear prepared = prepareYear(bytes, 0);
  if (!prepared.errors.empty()) return 0;
  if (prepared.yearFile.size() > tavra::MaxDataFileSize || !checkYearFile(prepared.yearFile, prepared.year).errors.empty())
    __builtin_trap();
  return 0;
}
