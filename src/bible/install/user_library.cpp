#include "bible/install/user_library.h"

#include <swconfig.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/czech_text.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

namespace tavra::bible {
namespace {

namespace fs = std::filesystem;

std::string parentOf(const std::string& relative) {
  const std::size_t slash = relative.rfind('/');
  return slash == std::string::npos ? "" : relative.substr(0, slash);
}

// `swordFolder`/`relative` reached one folder at a time, none of them a link; missing ones
// are made when `create` says so.
std::string folderChain(const std::string& swordFolder, const std::string& relative, bool create, std::string& path) {
  path = swordFolder;
  if (!path.empty() && path.back() == '/') path.pop_back();
  std::error_code ec;
  if (create) fs::create_directories(path, ec);
  for (std::size_t start = 0; start < relative.size();) {
    const std::size_t end = std::min(relative.find('/', start), relative.size());
    path += '/';
    path += relative.substr(start, end - start);
    start = end + 1;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 && create && ::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
      return "složku " + czechQuoted(path) + " nelze vytvořit";
    if (::lstat(path.c_str(), &st) != 0) return "složka " + czechQuoted(path) + " neexistuje";
    if (S_ISLNK(st.st_mode)) return "cesta k datům vede přes odkaz " + czechQuoted(path);
    if (!S_ISDIR(st.st_mode)) return "v cestě k datům stojí soubor " + czechQuoted(path);
  }
  return "";
}

std::string copyBytes(int from, int to, const std::string& name) {
  char buffer[1 << 16];
  std::uintmax_t copied = 0;
  for (;;) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return "soubor " + czechQuoted(name) + " nelze přečíst";
    if (n == 0) return "";
    copied += std::uintmax_t(n);
    if (copied > kMaxModuleFileSize) return "soubor " + czechQuoted(name) + " je příliš velký";
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(to, buffer + done, std::size_t(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return "soubor " + czechQuoted(name) + " nelze zapsat (je disk plný?)";
      done += w;
    }
  }
}

}  // namespace

std::vector<InstalledModule> installedModules(const std::string& swordFolder) {
  std::vector<InstalledModule> modules;
  std::error_code ec;
  for (fs::directory_iterator entry(swordFolder + "mods.d", ec), end; !ec && entry != end; entry.increment(ec)) {
    if (!entry->is_regular_file(ec) || entry->is_symlink(ec)) continue;
    const std::string path = entry->path().string();
    const sword::SWConfig config(path.c_str());
    for (const auto& [section, entries] : config.getSections()) {
      auto dataPath = entries.find(sword::SWBuf("DataPath"));
      if (dataPath == entries.end()) continue;
      InstalledModule module{section.c_str(), path, ""};
      if (!dataFolderOf(dataPath->second.c_str(), module.dataFolder).empty()) module.dataFolder.clear();
      modules.push_back(std::move(module));
    }
  }
  return modules;
}

std::string checkPlace(const std::string& swordFolder, const ModuleDescription& module) {
  for (const InstalledModule& other : installedModules(swordFolder))
    if (other.name != module.name && !other.dataFolder.empty() && foldersOverlap(other.dataFolder, module.dataFolder))
      return "její data by se smísila s daty Bible " + czechQuoted(other.name);
  return "";
}

ModuleStage::ModuleStage(std::string swordFolder) : swordFolder_(std::move(swordFolder)) {}

ModuleStage::~ModuleStage() {
  std::error_code ignored;
  if (!folder_.empty()) fs::remove_all(folder_, ignored);
}

std::string ModuleStage::create() {
  std::string modules;
  if (std::string problem = folderChain(swordFolder_, "modules", true, modules); !problem.empty()) return problem;
  std::string pattern = modules + "/.tavra-install-XXXXXX";
  if (!::mkdtemp(pattern.data())) return "ve složce " + czechQuoted(modules) + " nelze vytvořit dočasnou složku";
  folder_ = pattern;
  if (::mkdir((folder_ + "/new").c_str(), 0755) != 0) return "ve složce " + czechQuoted(modules) + " nelze zapisovat";
  return "";
}

std::string ModuleStage::pathFor(const std::string& relative, std::string& path) {
  path = folder_ + "/new/" + relative;
  std::error_code ec;
  fs::create_directories(fs::path(path).parent_path(), ec);
  return ec ? "dočasnou složku nelze vytvořit" : "";
}

std::string ModuleStage::copyFile(const std::string& source, const ModuleFile& file) {
  std::string target;
  if (std::string problem = pathFor(file.path, target); !problem.empty()) return problem;
  Descriptor from(::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat st;
  if (from.get() < 0 || ::fstat(from.get(), &st) != 0 || !S_ISREG(st.st_mode))
    return "soubor " + czechQuoted(file.path) + " není obyčejný soubor";
  Descriptor to(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (to.get() < 0) return "soubor " + czechQuoted(file.path) + " nelze zapsat";
  if (std::string problem = copyBytes(from.get(), to.get(), file.path); !problem.empty()) return problem;
  if (to.close() != 0) return "soubor " + czechQuoted(file.path) + " nelze zapsat (je disk plný?)";
  return "";
}

std::string ModuleStage::place(const ModuleDescription& module) {
  std::string parent;
  if (std::string problem = folderChain(swordFolder_, parentOf(module.dataFolder), true, parent); !problem.empty())
    return problem;
  const std::string target = parent + module.dataFolder.substr(module.dataFolder.rfind('/'));
  const std::string staged = folder_ + "/new";
  const std::string old = folder_ + "/old";
  struct stat st;
  const bool hadOld = ::lstat(target.c_str(), &st) == 0;
  if (hadOld && (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode)))
    return "v místě jejích dat stojí odkaz nebo soubor " + czechQuoted(target);
  if (hadOld && ::rename(target.c_str(), old.c_str()) != 0) return "její dřívější data nelze nahradit";
  auto restore = [&] {
    ::rename(target.c_str(), staged.c_str());
    if (hadOld) ::rename(old.c_str(), target.c_str());
  };
  if (::rename(staged.c_str(), target.c_str()) != 0) {
    if (hadOld) ::rename(old.c_str(), target.c_str());
    return "její data nelze přesunout na místo";
  }

  std::string modsD;
  std::string description;
  for (const InstalledModule& installed : installedModules(swordFolder_))
    if (installed.name == module.name) description = installed.descriptionFile;
  if (std::string problem = folderChain(swordFolder_, "mods.d", true, modsD); !problem.empty()) {
    restore();
    return problem;
  }
  for (int n = 1; description.empty(); ++n) {
    const std::string candidate =
        modsD + "/" + ascii::lower(module.name) + (n == 1 ? "" : "-" + std::to_string(n)) + ".conf";
    if (::lstat(candidate.c_str(), &st) != 0) description = candidate;
  }
  try {
    writeFileAtomically(description, module.conf);
  } catch (const std::exception&) {
    restore();
    return "její popis nelze zapsat do složky " + czechQuoted(modsD);
  }
  return "";
}

std::string removeModule(const std::string& swordFolder, const std::string& name) {
  const std::vector<InstalledModule> modules = installedModules(swordFolder);
  const InstalledModule* found = nullptr;
  for (const InstalledModule& module : modules)
    if (module.name == name) found = &module;
  if (!found) return "není nainstalována ve složce " + czechQuoted(swordFolder);
  if (::unlink(found->descriptionFile.c_str()) != 0) return "její popis nelze smazat";
  // Data that another module shares, or that lie where no module's data should, stay.
  if (found->dataFolder.empty()) return "";
  for (const InstalledModule& other : modules)
    if (&other != found && !other.dataFolder.empty() && foldersOverlap(other.dataFolder, found->dataFolder)) return "";
  std::string folder;
  if (!folderChain(swordFolder, found->dataFolder, false, folder).empty()) return "";
  std::error_code ec;
  fs::remove_all(folder, ec);
  return ec ? "její data nelze smazat" : "";
}

}  // namespace tavra::bible
