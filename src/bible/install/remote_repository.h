#pragma once
// A SWORD module repository on the network (http, https or ftp), reached through libsword's
// transports. Only downloads happen here, each bounded in size, each to a file the caller
// names; what the repository sends is checked by the caller before it is used.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bible/install/module_check.h"

namespace tavra::bible {

// Whether `location` names a repository on the network ("http://…", "https://…", "ftp://…")
// rather than a folder.
bool isRepositoryAddress(std::string_view location);

class RemoteRepository {
 public:
  // Progress of a download: a fraction from 0 to 1 (negative when unknown) and a message.
  using Progress = std::function<void(double fraction, const std::string& message)>;

  // `address` is the repository's root, where mods.d.tar.gz and modules/ lie. A download
  // stops soon after `cancelled` turns true.
  RemoteRepository(std::string address, Progress progress, const std::atomic<bool>& cancelled);
  ~RemoteRepository();
  RemoteRepository(const RemoteRepository&) = delete;
  RemoteRepository& operator=(const RemoteRepository&) = delete;

  // Downloads the repository's descriptions and unpacks them into `folder`/mods.d.
  // "" or the Czech sentence that says why not.
  std::string fetchDescriptions(const std::string& folder);

  // The files of a module's folder ("modules/texts/ztext/kjv"), checked by module_check.h.
  // "" or the reason, a clause as module_check.h gives them.
  std::string listFiles(const std::string& dataFolder, std::vector<ModuleFile>& files);

  // Downloads one file of the folder into `destination`, a new file. "" or the reason.
  std::string download(const std::string& dataFolder, const ModuleFile& file, const std::string& destination);

 private:
  class Transfer;
  // Downloads `url` into `destination`, or into `buffer` when it is not null, stopping
  // beyond `limit` bytes. 0 when done, else libsword's code (-1 missing, -2 connection,
  // -3 stopped) or 1 for too large.
  int fetch(const std::string& url, const std::string& destination, std::string* buffer, std::uintmax_t limit,
            const std::string& message);
  std::string listFolder(const std::string& url, const std::string& prefix, int depth, std::vector<ModuleFile>& files,
                         std::uintmax_t& total);

  std::string address_;
  Progress progress_;
  const std::atomic<bool>& cancelled_;
};

}  // namespace tavra::bible
