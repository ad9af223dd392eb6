#include "platform/user_folder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace tavra {
namespace {

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool isFolder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool entryExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// mkdir -p, each new folder for the user alone.
bool makeFolders(const std::string& folder) {
  std::string::size_type at = 0;
  while (at != std::string::npos) {
    at = folder.find('/', at + 1);
    const std::string part = folder.substr(0, at);
    if (part.empty() || isFolder(part)) continue;
    if (::mkdir(part.c_str(), 0700) != 0 && !(errno == EEXIST && isFolder(part))) return false;
  }
  return true;
}

std::vector<std::string> entriesOf(const std::string& folder, bool& ok) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  ok = dir != nullptr;
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

// Links `name` in `folder` to `target` unless the user has an entry of that name. A link
// whose target has gone (the installation moved or a file left the package) is replaced
// through a temporary link renamed over it, so there is never a moment without one.
bool linkUnlessPresent(const std::string& folder, const std::string& name, const std::string& target) {
  const std::string link = folder + name;
  struct stat st;
  if (::lstat(link.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode) || ::stat(link.c_str(), &st) == 0) return true;
    const std::string temp = folder + ".~" + name + "-" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(target.c_str(), temp.c_str()) != 0) return false;
    if (::rename(temp.c_str(), link.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
  }
  // Another Tavra starting at the same moment may have made it first.
  return ::symlink(target.c_str(), link.c_str()) == 0 || (errno == EEXIST && entryExists(link));
}

}  // namespace

std::string userHomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return withSeparator(home);
  const passwd* account = ::getpwuid(::getuid());
  return account && account->pw_dir && account->pw_dir[0] == '/' ? withSeparator(account->pw_dir) : "";
}

std::string installedSharedFolder(const std::string& programFolder, const std::string& sharedRelative,
                                  const std::string& marker) {
  const std::string program = withSeparator(programFolder);
  if (program.empty() || sharedRelative.empty() || entryExists(program + marker)) return "";
  // The program folder has no links in it (the system names it resolved), so ".." can be
  // folded away by the text alone; the links made from it then read plainly.
  const std::string shared =
      withSeparator(std::filesystem::path(program + sharedRelative).lexically_normal().string());
  return isFolder(shared) && entryExists(shared + marker) ? shared : "";
}

std::string xdgBaseFolder(const char* variable, const char* fallback) {
  const char* base = std::getenv(variable);
  // The base directory rules: a relative path is ignored.
  if (base && base[0] == '/') return withSeparator(base);
  const std::string home = userHomeFolder();
  return home.empty() ? "" : home + fallback;
}

namespace {

std::string tavraFolderIn(const std::string& base) { return base.empty() ? "" : base + "tavra/"; }

}  // namespace

std::string configHomeFolder() { return xdgBaseFolder("XDG_CONFIG_HOME", ".config/"); }

std::string userDataFolder() { return tavraFolderIn(xdgBaseFolder("XDG_DATA_HOME", ".local/share/")); }

std::string userConfigFolder() { return tavraFolderIn(configHomeFolder()); }

std::string userCacheFolder() { return tavraFolderIn(xdgBaseFolder("XDG_CACHE_HOME", ".cache/")); }

bool makeUserFolders(const std::string& folder) { return !folder.empty() && makeFolders(folder); }

std::string prepareUserFolder(const std::string& userFolder, const std::string& sharedFolder,
                              const std::vector<std::string>& programFiles) {
  const std::string folder = withSeparator(userFolder);
  const std::string named = "„" + folder + "“";
  if (folder.empty()) return "Nelze zjistit domovskou složku uživatele pro soubory Tavry.";
  if (!makeFolders(folder)) return "Složku " + named + " pro soubory Tavry nelze vytvořit.";
  bool readable = false;
  const std::string shared = withSeparator(sharedFolder);
  for (const std::string& name : entriesOf(shared, readable)) {
    if (!linkUnlessPresent(folder, name, shared + name))
      return "Ve složce " + named + " nelze připravit soubor „" + name + "“.";
  }
  if (!readable) return "Sdílené soubory Tavry ve složce „" + shared + "“ nelze číst.";
  for (const std::string& file : programFiles) {
    if (!entryExists(file)) continue;
    const std::string name = file.substr(file.rfind('/') + 1);
    if (!linkUnlessPresent(folder, name, file))
      return "Ve složce " + named + " nelze připravit soubor „" + name + "“.";
  }
  return "";
}

std::string enterUserFolderIfInstalled(const std::string& sharedRelative, const std::string& marker,
                                       const std::string& viewer) {
  const std::string program = ExeDir();
  const std::string shared = installedSharedFolder(program, sharedRelative, marker);
  if (shared.empty()) return "";
  const std::string folder = userDataFolder();
  std::string message = prepareUserFolder(folder, shared, {program + viewer});
  if (!message.empty()) return message;
  if (::chdir(folder.c_str()) != 0) return "Do složky „" + folder + "“ pro soubory Tavry nelze přejít.";
  setExeDir(folder);
  return "";
}

}  // namespace tavra
