#include "bible/core/module_folders.h"

#include <swmgr.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/user_folder.h"

namespace tavra::bible {

namespace {

bool safeFile(const std::filesystem::directory_entry& entry, std::error_code& ec) {
  const std::filesystem::file_status status = entry.status(ec);
  if (ec) return false;
  if (std::filesystem::is_directory(status)) return true;
  return std::filesystem::is_regular_file(status) && entry.file_size(ec) <= kMaxDescriptionSize && !ec;
}

}  // namespace

std::string unsafeModuleFile(const std::string& modsD) {
  std::error_code ec;
  const std::filesystem::directory_entry top(modsD, ec);
  if (ec || !top.exists(ec)) return "";
  if (!top.is_directory(ec)) return safeFile(top, ec) ? "" : modsD;
  for (std::filesystem::directory_iterator entry(modsD, ec), end; !ec && entry != end; entry.increment(ec))
    if (!safeFile(*entry, ec)) return entry->path().string();
  return ec ? modsD : "";
}

std::vector<std::string> configuredModuleFolders() {
  std::vector<std::string> folders;
  char type = 0;
  char* prefix = nullptr;
  char* config = nullptr;
  sword::StringList augmented;
  sword::SWMgr::findConfig(&type, &prefix, &config, &augmented);
  if (config) folders.emplace_back(config);
  delete[] prefix;
  delete[] config;
  for (const sword::SWBuf& path : augmented) folders.push_back(std::string(path.c_str()) + "/mods.d");
  if (const std::string home = userHomeFolder(); !home.empty()) folders.push_back(home + ".sword/mods.d");
  return folders;
}

}  // namespace tavra::bible
