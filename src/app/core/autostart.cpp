#include "app/core/autostart.h"

#include <algorithm>

#include <sys/stat.h>

#include "platform/file_system.h"
#include "platform/unicode.h"
#include "platform/user_folder.h"

namespace tavra {

namespace {

// A quoted argument of an Exec line: the characters that keep their meaning inside double
// quotes take a backslash, a percent sign is doubled (it starts a field code); then the
// line as a whole is a string value, in which a backslash is written twice.
std::string quotedExecArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) value += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return value;
}

// A control character cannot stand in a desktop entry, and a path that is not UTF-8
// would not survive the reading of one.
bool writableInEntry(const std::string& program) {
  return utf16ToUtf8(utf8ToUtf16(program)) == program &&
         std::none_of(program.begin(), program.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

}  // namespace

std::string autostartEntryPath() {
  const std::string config = configHomeFolder();
  return config.empty() ? "" : config + "autostart/tavra.desktop";
}

bool autostartEntryExists() {
  struct stat st;
  const std::string path = autostartEntryPath();
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string autostartEntryText(const std::string& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Tavra\n"
         "Comment=Biblické texty na každý den\n"
         "Exec=" +
         quotedExecArgument(program) +
         " a\n"
         "Icon=org.example.tavra.Tavra\n"
         "Terminal=false\n";
}

std::string writeAutostartEntry(const std::string& program) {
  if (!writableInEntry(program)) return "Cestu k programu nelze zapsat do položky spouštění: " + program;
  const std::string path = autostartEntryPath();
  if (path.empty()) return "Nelze zjistit domovskou složku uživatele pro položku spouštění.";
  if (!makeUserFolders(folderOf(path))) return "Nelze vytvořit složku " + folderOf(path) + ".";
  // A link there is replaced by the entry, never written through; anything else but a
  // file is left alone.
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
    return "Místo souboru " + path + " je něco jiného; položku spouštění nelze zapsat.";
  try {
    writeFileAtomically(path, autostartEntryText(program));
  } catch (const InOutError& e) {
    return "Nelze zapsat soubor " + path + ": " + e.what();
  }
  return {};
}

std::string removeAutostartEntry() {
  const std::string path = autostartEntryPath();
  struct stat st;
  // A link is removed itself, also one whose target has gone.
  if (path.empty() || ::lstat(path.c_str(), &st) != 0) return {};
  if (S_ISDIR(st.st_mode)) return "Místo souboru " + path + " je složka; položku spouštění nelze odebrat.";
  if (!deleteFile(path)) return "Nelze odstranit soubor " + path + ".";
  return {};
}

}  // namespace tavra
