#include "bible/install/remote_repository.h"

#include <curlftpt.h>
#include <curlhttpt.h>
#include <filemgr.h>
#include <remotetrans.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bible/install/repository_archive.h"
#include "platform/ascii.h"

namespace tavra::bible {
namespace {

// A transfer that hears nothing for this long fails instead of hanging.
constexpr long kTimeoutMs = 30000;

constexpr const char* kUnreachable = "Zdroj Biblí není dostupný. Zkontrolujte připojení k internetu.";

std::string hostOf(const std::string& address) {
  const std::size_t start = address.find("://") + 3;
  return address.substr(start, address.find('/', start) - start);
}

}  // namespace

bool isRepositoryAddress(std::string_view location) {
  const std::string lower = ascii::lower(location.substr(0, 8));
  for (const char* scheme : {"http://", "https://", "ftp://"}) {
    const std::string_view prefix(scheme);
    if (lower.starts_with(prefix) && location.size() > prefix.size() && location[prefix.size()] != '/') return true;
  }
  return false;
}

// One download through libsword's transport: stops it when it grows beyond its limit or
// the user cancels, and passes the progress on.
class RemoteRepository::Transfer : public sword::StatusReporter {
 public:
  Transfer(const RemoteRepository& owner, std::uintmax_t limit, std::string message)
      : owner_(owner), limit_(limit), message_(std::move(message)) {
    const std::string host = hostOf(owner.address_);
    if (ascii::lower(owner.address_.substr(0, 4)) == "ftp:") transport_ = std::make_unique<sword::CURLFTPTransport>(host.c_str(), this);
    else transport_ = std::make_unique<sword::CURLHTTPTransport>(host.c_str(), this);
    transport_->setTimeoutMillis(kTimeoutMs);
    transport_->setPassive(true);
  }

  void preStatus(long, long, const char*) override {}
  void update(unsigned long total, unsigned long completed) override {
    if (completed > limit_) tooLarge_ = true;
    if (tooLarge_ || owner_.cancelled_) transport_->terminate();
    if (owner_.progress_) owner_.progress_(total > 0 ? std::min(1.0, double(completed) / double(total)) : -1.0, message_);
  }

  sword::RemoteTransport& transport() { return *transport_; }
  bool tooLarge() const { return tooLarge_; }

 private:
  const RemoteRepository& owner_;
  std::uintmax_t limit_;
  std::string message_;
  bool tooLarge_ = false;
  std::unique_ptr<sword::RemoteTransport> transport_;
};

RemoteRepository::RemoteRepository(std::string address, Progress progress, const std::atomic<bool>& cancelled)
    : address_(std::move(address)), progress_(std::move(progress)), cancelled_(cancelled) {
  if (address_.empty() || address_.back() != '/') address_ += '/';
}

RemoteRepository::~RemoteRepository() = default;

int RemoteRepository::fetch(const std::string& url, const std::string& destination, std::string* buffer,
                            std::uintmax_t limit, const std::string& message) {
  Transfer transfer(*this, limit, message);
  sword::SWBuf received;
  const int result = transfer.transport().getURL(destination.c_str(), url.c_str(), buffer ? &received : nullptr);
  if (transfer.tooLarge() || received.size() > limit) return 1;
  if (result != 0) return cancelled_ ? -3 : result;
  if (buffer) {
    buffer->assign(received.c_str(), received.size());
  } else {
    // An empty file arrives as no write at all.
    struct stat st;
    if (::lstat(destination.c_str(), &st) != 0) {
      const int fd = ::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
      if (fd < 0 || ::close(fd) != 0 || ::lstat(destination.c_str(), &st) != 0) return -1;
    }
    if (!S_ISREG(st.st_mode)) return -1;
    if (std::uintmax_t(st.st_size) > limit) return 1;
  }
  return 0;
}

std::string RemoteRepository::fetchDescriptions(const std::string& folder) {
  std::string archive;
  const int result = fetch(address_ + "mods.d.tar.gz", "", &archive, kMaxDescriptionArchive, "Stahuji seznam Biblí…");
  if (result == -3) return "Přerušeno.";
  if (result == 1) return "Seznam Biblí, který zdroj poslal, nelze přijmout: je příliš velký.";
  if (result == -1) return "Zdroj „" + address_ + "“ nenabízí seznam Biblí (mods.d.tar.gz).";
  if (result != 0) return kUnreachable;
  return unpackDescriptions(archive, folder);
}

std::string RemoteRepository::listFolder(const std::string& url, const std::string& prefix, int depth,
                                         std::vector<ModuleFile>& files, std::uintmax_t& total) {
  if (cancelled_) return "instalace byla přerušena";
  Transfer transfer(*this, kMaxDescriptionArchive, "Zjišťuji soubory Bible…");
  const std::vector<sword::DirEntry> entries = transfer.transport().getDirList(url.c_str());
  if (transfer.tooLarge()) return "zdroj poslal příliš dlouhý seznam souborů";
  for (const sword::DirEntry& entry : entries) {
    std::string name = entry.name.c_str();
    if (entry.isDirectory && !name.empty() && name.back() == '/') name.pop_back();
    if (std::string problem = checkFileName(name); !problem.empty()) return problem;
    const std::string path = prefix + name;
    if (entry.isDirectory) {
      if (depth + 1 >= kMaxModuleDepth) return "složky modulu jsou vnořeny příliš hluboko";
      if (std::string problem = listFolder(url + name + "/", path + "/", depth + 1, files, total); !problem.empty())
        return problem;
    } else if (std::string problem = addModuleFile(files, total, {path, entry.size}); !problem.empty()) {
      return problem;
    }
  }
  return "";
}

std::string RemoteRepository::listFiles(const std::string& dataFolder, std::vector<ModuleFile>& files) {
  files.clear();
  std::uintmax_t total = 0;
  if (std::string problem = listFolder(address_ + dataFolder + "/", "", 0, files, total); !problem.empty())
    return problem;
  if (files.empty()) return "zdroj neobsahuje její data (" + dataFolder + ")";
  return "";
}

std::string RemoteRepository::download(const std::string& dataFolder, const ModuleFile& file,
                                       const std::string& destination) {
  const int result = fetch(address_ + dataFolder + "/" + file.path, destination, nullptr, kMaxModuleFileSize,
                           "Stahuji " + file.path + "…");
  if (result == 1) return "soubor „" + file.path + "“ je příliš velký";
  if (result == -3) return "instalace byla přerušena";
  if (result != 0) return "soubor „" + file.path + "“ se nepodařilo stáhnout";
  return "";
}

}  // namespace tavra::bible
