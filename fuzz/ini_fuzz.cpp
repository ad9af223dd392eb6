// Any bytes as a profile file: read, one key written and the file read again. The file
// lives in a private temporary folder, so that parallel fuzzing jobs do not meet.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

using namespace tavra;

namespace {

const std::string& iniPath() {
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavra-fuzz-ini-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern + "/Tavra.ini";
  }();
  return path;
}

// The first line of the input that looks like a key, and the section above it, so that
// reads hit entries the file has.
void firstKey(std::string_view text, std::string& section, std::string& key) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.front() == '[') {
      section = std::string(line.substr(1, line.find(']') == std::string_view::npos ? line.npos : line.find(']') - 1));
    } else if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
      key = std::string(line.substr(0, eq));
      return;
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string& path = iniPath();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    std::abort();
  }
  std::string section = "Nastaveni", key = "Velikost";
  firstKey(text, section, key);
  {
    IniFile ini(path);
    std::string value = ini.readString(section, key, "x");
    if (value.size() > 2047) __builtin_trap();
    ini.readInteger(section, key, -1);
    try {
      ini.writeString(section, key, "hodnota\r\n[vlozeno]\nklic=1");
      ini.writeInteger("Nastaveni", "Velikost", 12);
    } catch (const IniWriteError&) {
      // A name the file cannot hold is refused with this error.
    }
  }
  IniFile again(path);
  if (again.readInteger("Nastaveni", "Velikost", 0) != 12) __builtin_trap();
  std::remove(path.c_str());
  return 0;
}
