#pragma once
// A repository's module as the installer judges it before anything is written. A
// repository is not trusted: its description names the folder the module's files go to,
// and a description that says "../../" would put them anywhere the user may write. So the
// name, the description and every file are checked here, and the destination is computed
// from the checked data path alone.
//
// Every function answers "" when all is well, or the reason in Czech (a clause that fits
// after "Bibli „NAME“ nelze nainstalovat: ").

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavra::bible {

// What one module may bring: no Bible comes near these.
inline constexpr std::uintmax_t kMaxModuleFileSize = std::uintmax_t(512) << 20;
inline constexpr std::uintmax_t kMaxModuleSize = std::uintmax_t(2) << 30;
inline constexpr std::size_t kMaxModuleFiles = 1000;
// Folders inside a module's folder, counted from it.
inline constexpr int kMaxModuleDepth = 4;

// The module of a description, checked: ready to be installed into a SWORD folder.
struct ModuleDescription {
  std::string name;        // the description's one section
  std::string dataFolder;  // "modules/texts/ztext/kjv": relative, normalised, below "modules"
  std::string conf;        // the description's bytes, as they are installed into mods.d
};

// A file of a module, relative to its folder ("ot.bzs", "sub/x").
struct ModuleFile {
  std::string path;
  std::uintmax_t size = 0;  // 0 where a repository does not say
};

// Letters without diacritics, digits, '_' and '-', at most 64 of them.
std::string checkModuleName(std::string_view name);

// The folder a DataPath names, relative to the SWORD folder: "./modules/texts/rawtext/x/"
// gives "modules/texts/rawtext/x". Refused: an absolute path, a ".." component, a
// backslash or control character, anything not strictly below "modules".
std::string dataFolderOf(std::string_view dataPath, std::string& folder);

// Finds the description of `name` among the files of `modsD` and checks it: exactly one
// file describes the module, that file describes nothing else, it names one DataPath and
// no AbsoluteDataPath. The folders SWORD reads must have been checked (module_folders.h).
std::string readModuleDescription(const std::string& modsD, const std::string& name, ModuleDescription& module);

// A file name as a repository's listing gives it: one component, no control character.
std::string checkFileName(std::string_view name);

// Adds a file to `files` within the limits above; `total` sums the sizes so far.
std::string addModuleFile(std::vector<ModuleFile>& files, std::uintmax_t& total, ModuleFile file);

// The files of `folder` (relative to `root`, a SWORD library on disk): regular files only,
// no link on the way from `root` down, none of them a FIFO, device or socket, and within
// the limits above.
std::string listModuleFiles(const std::string& root, const std::string& folder, std::vector<ModuleFile>& files);

// Whether one of the two folders ("a/b", "a/b/c") is the other or lies inside it.
bool foldersOverlap(std::string_view a, std::string_view b);

}  // namespace tavra::bible
