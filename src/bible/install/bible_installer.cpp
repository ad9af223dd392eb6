#include "bible/install/bible_installer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <installmgr.h>
#include <remotetrans.h>
#include <swmgr.h>
#include <swmodule.h>

#include <pwd.h>
#include <unistd.h>

#include "bible/core/module_folders.h"
#include "platform/file_system.h"
#include "platform/unicode.h"

namespace tavra::bible {
namespace {

constexpr const char* kConsentKey = "UserDisclaimerConfirmed=yes";
// The caption of the public repository in the install manager's master list.
constexpr const char* kPublicCaption = "CrossWire";
// A network operation that hears nothing for this long fails instead of hanging.
constexpr long kTimeoutMs = 30000;

std::string consentFile() { return userSwordFolder() + "InstallMgr/tavra.conf"; }

// Older modules describe themselves in Latin-1.
std::string toUtf8(const char* text) { return utf8OrLatin1(text ? text : ""); }

// A module locked by a key the user has not got: it would install but not read.
bool isLocked(const sword::SWModule& module) {
  const char* key = module.getConfigEntry("CipherKey");
  return key != nullptr && *key == '\0';
}

std::vector<AvailableBible> biblesOf(const sword::SWMgr& repository) {
  // Installed is what SWORD finds: the system's library, SWORD_PATH and the user's.
  sword::SWMgr system;
  sword::SWMgr user(userSwordFolder().c_str(), true, nullptr, false, false);
  std::vector<AvailableBible> bibles;
  for (const auto& [name, module] : repository.Modules) {
    if (std::string(module->getType()) != sword::SWMgr::MODTYPE_BIBLES || isLocked(*module)) continue;
    AvailableBible bible;
    bible.name = name.c_str();
    bible.description = toUtf8(module->getDescription());
    bible.language = toUtf8(module->getLanguage());
    bible.version = toUtf8(module->getConfigEntry("Version"));
    bible.installed = system.getModule(name.c_str()) != nullptr || user.getModule(name.c_str()) != nullptr;
    bibles.push_back(std::move(bible));
  }
  std::stable_sort(bibles.begin(), bibles.end(), [](const AvailableBible& a, const AvailableBible& b) {
    const bool czechA = isCzech(a.language);
    const bool czechB = isCzech(b.language);
    if (czechA != czechB) return czechA;
    return a.description < b.description;
  });
  return bibles;
}

bool checkRepository(const std::string& folder, std::string& error) {
  const std::filesystem::path modsD = std::filesystem::path(folder) / "mods.d";
  std::error_code ec;
  if (!std::filesystem::is_directory(modsD, ec)) {
    error = "Ve složce „" + folder + "“ není knihovna modulů SWORD (chybí složka mods.d).";
    return false;
  }
  const std::string bad = unsafeModuleFile(modsD.string());
  if (bad == modsD.string()) {
    error = "Složku „" + bad + "“ nelze přečíst.";
    return false;
  }
  if (!bad.empty()) {
    error = "Soubor „" + bad + "“ není platný popis modulu SWORD.";
    return false;
  }
  return true;
}

bool makeFolder(const std::string& folder, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!ec && std::filesystem::is_directory(folder, ec)) return true;
  error = "Složku „" + folder + "“ nelze vytvořit.";
  return false;
}

}  // namespace

// Passes the install manager's download reports on, and stops a download that was
// cancelled: the reports come from the thread that downloads.
class BibleInstaller::Reporter : public sword::StatusReporter {
 public:
  explicit Reporter(BibleInstaller& owner) : owner_(owner) {}
  void preStatus(long total, long completed, const char* message) override {
    report(total > 0 ? double(completed) / double(total) : -1.0, message ? message : "");
  }
  void update(unsigned long total, unsigned long completed) override {
    report(total > 0 ? double(completed) / double(total) : -1.0, std::string());
  }

 private:
  void report(double fraction, const std::string& message);
  BibleInstaller& owner_;
};

// The install manager, which asks for the user's consent as we remember it.
class BibleInstaller::Manager : public sword::InstallMgr {
 public:
  Manager(const std::string& privatePath, sword::StatusReporter* reporter)
      : sword::InstallMgr(privatePath.c_str(), reporter) {
    setTimeoutMillis(kTimeoutMs);
  }
  bool isUserDisclaimerConfirmed() const override { return BibleInstaller::hasConsent(); }

  sword::InstallSource* remote = nullptr;
  std::unique_ptr<sword::SWMgr> local;
};

void BibleInstaller::Reporter::report(double fraction, const std::string& message) {
  if (owner_.cancelled_ && owner_.manager_) owner_.manager_->terminate();
  if (owner_.progress_) owner_.progress_(std::min(fraction, 1.0), message);
}

BibleSource defaultBibleSource() {
  const char* folder = std::getenv("TAVRA_BIBLE_REPOSITORY");
  return BibleSource{folder ? folder : ""};
}

std::string userSwordFolder() {
  const char* home = std::getenv("HOME");
  std::string folder = home && *home ? home : "";
  if (folder.empty()) {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) folder = entry->pw_dir;
  }
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + ".sword/";
}

bool isCzech(const std::string& language) {
  const std::string code = language.substr(0, language.find_first_of("-_"));
  return code == "cs" || code == "cze" || code == "ces";
}

BibleInstaller::BibleInstaller(BibleSource source)
    : source_(std::move(source)), reporter_(std::make_unique<Reporter>(*this)) {}

BibleInstaller::~BibleInstaller() = default;

bool BibleInstaller::hasConsent() {
  try {
    return readRegularFile(consentFile(), 4096).find(kConsentKey) != std::string::npos;
  } catch (const std::exception&) {
    return false;
  }
}

void BibleInstaller::giveConsent() {
  std::string error;
  if (!makeFolder(userSwordFolder() + "InstallMgr", error)) throw InOutError(5, error);
  writeFileAtomically(consentFile(), std::string("[General]\n") + kConsentKey + "\n");
}

bool BibleInstaller::list(std::vector<AvailableBible>& bibles, std::string& error) {
  bibles.clear();
  cancelled_ = false;
  const std::string privatePath = userSwordFolder() + "InstallMgr/";
  if (!makeFolder(privatePath, error)) return false;
  manager_ = std::make_unique<Manager>(privatePath, reporter_.get());

  if (!source_.usesNetwork()) {
    if (!checkRepository(source_.localFolder, error)) return false;
    manager_->local = std::make_unique<sword::SWMgr>(source_.localFolder.c_str(), true, nullptr, false, false);
    bibles = biblesOf(*manager_->local);
    return true;
  }

  if (!hasConsent()) {
    error = "Bez vašeho souhlasu se program k síti nepřipojí.";
    return false;
  }
  if (manager_->sources.empty() && manager_->refreshRemoteSourceConfiguration() != 0) {
    error = cancelled_ ? "Přerušeno." : "Seznam knihoven Biblí se nepodařilo stáhnout. Zkontrolujte připojení k internetu.";
    return false;
  }
  auto found = manager_->sources.find(kPublicCaption);
  if (found == manager_->sources.end()) found = manager_->sources.begin();
  if (found == manager_->sources.end()) {
    error = "Správce instalace nezná žádnou knihovnu Biblí.";
    return false;
  }
  manager_->remote = found->second;
  if (manager_->refreshRemoteSource(manager_->remote) != 0) {
    error = cancelled_ ? "Přerušeno." : "Seznam Biblí se nepodařilo stáhnout. Zkontrolujte připojení k internetu.";
    return false;
  }
  bibles = biblesOf(*manager_->remote->getMgr());
  return true;
}

bool BibleInstaller::install(const std::string& name, std::string& error) {
  if (cancelled_) {
    error = "Instalace byla přerušena.";
    return false;
  }
  const std::string failed = "Bibli „" + name + "“ se nepodařilo nainstalovat.";
  if (!manager_ || (!manager_->local && !manager_->remote)) {
    error = failed;
    return false;
  }
  const std::string destination = userSwordFolder();
  if (!makeFolder(destination + "mods.d", error)) return false;
  sword::SWMgr target(destination.c_str(), true, nullptr, false, false);
  const int result = manager_->local
                         ? manager_->installModule(&target, source_.localFolder.c_str(), name.c_str())
                         : manager_->installModule(&target, nullptr, name.c_str(), manager_->remote);
  // The install manager's answer alone is not trusted: the module must now be readable there.
  sword::SWMgr installed(destination.c_str(), true, nullptr, false, false);
  if (result != 0 || installed.getModule(name.c_str()) == nullptr) {
    error = cancelled_ ? "Instalace byla přerušena." : failed;
    return false;
  }
  return true;
}

}  // namespace tavra::bible
