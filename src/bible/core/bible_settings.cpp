#include "bible/core/bible_settings.h"

#include "platform/ini_file.h"
#include "platform/user_folder.h"

namespace tavra::bible {

namespace {
constexpr const char* kSection = "Bible";
constexpr const char* kModule = "Module";
constexpr const char* kFontSize = "FontSize";

bool write(const char* key, const std::string& value) {
  const std::string path = bibleSettingsPath();
  if (path.empty() || !makeUserFolders(userConfigFolder())) return false;
  try {
    IniFile file(path);
    if (file.readString(kSection, key, "") != value) file.writeString(kSection, key, value);
    return true;
  } catch (const IniWriteError&) {
    return false;
  }
}

std::string read(const char* key) {
  const std::string path = bibleSettingsPath();
  return path.empty() ? "" : IniFile(path).readString(kSection, key, "");
}

}  // namespace

std::string bibleSettingsPath() {
  const std::string folder = userConfigFolder();
  return folder.empty() ? "" : folder + "Bible.ini";
}

int fontSizeOrDefault(const std::string& text, int def) {
  int points = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || points > 1000) return def;
    points = points * 10 + (c - '0');
  }
  return points >= 6 && points <= 72 ? points : def;
}

std::string IniBibleSettings::bible() const { return read(kModule); }

bool IniBibleSettings::setBible(const std::string& name) { return write(kModule, name); }

int IniBibleSettings::fontSize(int def) const { return fontSizeOrDefault(read(kFontSize), def); }

bool IniBibleSettings::setFontSize(int points) { return write(kFontSize, std::to_string(points)); }

}  // namespace tavra::bible
