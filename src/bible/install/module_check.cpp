#include "bible/install/module_check.h"

#include <swconfig.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "bible/core/module_folders.h"
#include "platform/czech_text.h"
#include "platform/file_system.h"

namespace tavra::bible {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxNameLength = 64;

bool hasControl(std::string_view text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

// The entries SWORD gives for `key` in the section.
std::size_t countOf(const sword::ConfigEntMap& section, const char* key) {
  return section.count(sword::SWBuf(key));
}

// Which sections a description file declares; false when it cannot be read.
std::vector<std::string> sectionsOf(const sword::SWConfig& config) {
  std::vector<std::string> names;
  for (const auto& [name, entries] : config.getSections()) names.emplace_back(name.c_str());
  return names;
}

std::string checkDescription(const sword::ConfigEntMap& section, ModuleDescription& module) {
  if (countOf(section, "AbsoluteDataPath") > 0) return "její popis udává absolutní cestu k datům";
  const std::size_t paths = countOf(section, "DataPath");
  if (paths == 0) return "její popis neudává cestu k datům";
  if (paths > 1) return "její popis udává více cest k datům";
  return dataFolderOf(section.find(sword::SWBuf("DataPath"))->second.c_str(), module.dataFolder);
}

}  // namespace

std::string checkModuleName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength)
    return "jméno modulu musí mít 1 až " + std::to_string(kMaxNameLength) + " znaků";
  for (char c : name) {
    const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    if (!allowed) return "jméno modulu smí obsahovat jen písmena bez diakritiky, číslice, „_“ a „-“";
  }
  return "";
}

std::string dataFolderOf(std::string_view dataPath, std::string& folder) {
  const std::string refused = "cesta k datům " + czechQuoted(hasControl(dataPath) ? "…" : dataPath);
  if (dataPath.empty()) return "její popis neudává cestu k datům";
  if (hasControl(dataPath) || dataPath.find('\\') != std::string_view::npos)
    return refused + " obsahuje nedovolené znaky";
  if (dataPath.front() == '/') return refused + " je absolutní";
  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start <= dataPath.size();) {
    const std::size_t end = std::min(dataPath.find('/', start), dataPath.size());
    const std::string_view part = dataPath.substr(start, end - start);
    if (part == "..") return refused + " vede mimo složku modulů";
    if (!part.empty() && part != ".") parts.push_back(part);
    start = end + 1;
  }
  if (parts.size() < 2 || parts.front() != "modules") return refused + " nevede do složky modules";
  folder.clear();
  for (std::string_view part : parts) {
    if (!folder.empty()) folder += '/';
    folder += part;
  }
  return "";
}

std::string readModuleDescription(const std::string& modsD, const std::string& name, ModuleDescription& module) {
  if (std::string problem = checkModuleName(name); !problem.empty()) return problem;
  if (!unsafeModuleFile(modsD).empty()) return "popisy modulů zdroje nelze bezpečně přečíst";
  std::error_code ec;
  std::string found;
  for (fs::directory_iterator entry(modsD, ec), end; !ec && entry != end; entry.increment(ec)) {
    const fs::file_status status = entry->symlink_status(ec);
    if (ec || fs::is_directory(status)) continue;
    const std::string path = entry->path().string();
    const sword::SWConfig config(path.c_str());
    const std::vector<std::string> sections = sectionsOf(config);
    if (std::find(sections.begin(), sections.end(), name) == sections.end()) continue;
    if (fs::is_symlink(status)) return "její popis " + czechQuoted(entry->path().filename().string()) + " je odkaz";
    if (!found.empty()) return "zdroj ji popisuje vícekrát";
    if (sections.size() > 1) return "její popis " + czechQuoted(entry->path().filename().string()) + " popisuje i jiné moduly";
    found = path;
    module.name = name;
    if (std::string problem = checkDescription(config.getSections().find(name.c_str())->second, module);
        !problem.empty())
      return problem;
  }
  if (ec) return "popisy modulů zdroje nelze přečíst";
  if (found.empty()) return "zdroj ji nenabízí";
  try {
    module.conf = readRegularFile(found, kMaxDescriptionSize);
  } catch (const std::exception&) {
    return "její popis nelze přečíst";
  }
  return "";
}

std::string checkFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.size() > 255 || hasControl(name) ||
      name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
    return "zdroj nabízí soubor s nedovoleným jménem " + czechQuoted(hasControl(name) ? "…" : name);
  return "";
}

std::string addModuleFile(std::vector<ModuleFile>& files, std::uintmax_t& total, ModuleFile file) {
  if (files.size() >= kMaxModuleFiles) return "modul má příliš mnoho souborů";
  if (file.size > kMaxModuleFileSize) return "soubor " + czechQuoted(file.path) + " je příliš velký";
  total += file.size;
  if (total > kMaxModuleSize) return "modul je příliš velký";
  files.push_back(std::move(file));
  return "";
}

std::string listModuleFiles(const std::string& root, const std::string& folder, std::vector<ModuleFile>& files) {
  files.clear();
  // No link on the way down: the repository decides what its folders hold, not where.
  std::string path = root;
  for (std::size_t start = 0; start < folder.size();) {
    const std::size_t end = std::min(folder.find('/', start), folder.size());
    path += '/';
    path += folder.substr(start, end - start);
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return "zdroj neobsahuje její data (" + folder + ")";
    if (!S_ISDIR(st.st_mode)) return "cesta k jejím datům vede přes " + czechQuoted(path) + ", což není složka";
    start = end + 1;
  }
  std::uintmax_t total = 0;
  std::error_code ec;
  fs::recursive_directory_iterator entry(path, fs::directory_options::none, ec);
  for (const fs::recursive_directory_iterator end; !ec && entry != end; entry.increment(ec)) {
    const std::string relative = entry->path().lexically_relative(path).string();
    const fs::file_status status = entry->symlink_status(ec);
    if (ec) break;
    if (fs::is_directory(status)) {
      if (entry.depth() + 1 >= kMaxModuleDepth) return "složky modulu jsou vnořeny příliš hluboko";
      continue;
    }
    if (!fs::is_regular_file(status)) return "soubor " + czechQuoted(relative) + " není obyčejný soubor";
    const std::uintmax_t size = entry->file_size(ec);
    if (ec) break;
    if (std::string problem = addModuleFile(files, total, {relative, size}); !problem.empty()) return problem;
  }
  if (ec) return "data modulu nelze přečíst";
  if (files.empty()) return "zdroj neobsahuje její data (" + folder + ")";
  return "";
}

bool foldersOverlap(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  return b.substr(0, a.size()) == a && (b.size() == a.size() || b[a.size()] == '/');
}

}  // namespace tavra::bible
