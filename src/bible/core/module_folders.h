#pragma once
// SWORD reads every file of a module folder's mods.d whole: a FIFO or a device there would
// hang it, a huge file would fill the memory. Such folders are refused before SWORD sees them.

#include <cstdint>
#include <string>
#include <vector>

namespace tavra::bible {

// No module's description comes near this; a larger file is refused unread.
inline constexpr std::uintmax_t kMaxDescriptionSize = std::uintmax_t(1) << 20;

// The first file of `modsD` (a folder, or a single configuration file) that SWORD must not
// read, or "" when there is none. A missing path has none.
std::string unsafeModuleFile(const std::string& modsD);

// The mods.d folders and configuration files SWORD itself would read on this machine.
std::vector<std::string> configuredModuleFolders();

}  // namespace tavra::bible
