#include "bible/install/bible_installer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <installmgr.h>
#include <remotetrans.h>
#include <swmgr.h>
#include <swmodule.h>

#include "bible/core/bible_library.h"
#include "bible/core/module_folders.h"
#include "bible/install/module_check.h"
#include "bible/install/remote_repository.h"
#include "bible/install/user_library.h"
#include "platform/czech_text.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/unicode.h"
#include "platform/user_folder.h"

namespace tavra::bible {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConsentKey = "UserDisclaimerConfirmed=yes";
// The caption of the public repository in the install manager's list of repositories.
constexpr const char* kPublicCaption = "CrossWire";
constexpr long kTimeoutMs = 30000;

std::string installerFolder() { return userSwordFolder() + "InstallMgr/"; }
std::string consentFile() { return installerFolder() + "tavra.conf"; }

// Older modules describe themselves in Latin-1.
std::string toUtf8(const char* text) { return utf8OrLatin1(text ? text : ""); }

// A module locked by a key the user has not got: it would install but not read.
bool isLocked(const sword::SWModule& module) {
  const char* key = module.getConfigEntry("CipherKey");
  return key != nullptr && *key == '\0';
}

bool makeFolder(const std::string& folder, std::string& error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!ec && fs::is_directory(folder, ec)) return true;
  error = "Složku " + czechQuoted(folder) + " nelze vytvořit.";
  return false;
}

// libsword reads every description of these folders whole: none may be a FIFO, a device or
// huge. "" or the sentence that names the first that is.
std::string unsafeFolders(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    const std::string bad = unsafeModuleFile(folder);
    if (bad == folder) return "Složku " + czechQuoted(bad) + " nelze přečíst.";
    if (!bad.empty()) return "Soubor " + czechQuoted(bad) + " není platný popis modulu SWORD.";
  }
  return "";
}

std::vector<std::string> librariesRead() {
  std::vector<std::string> folders = configuredModuleFolders();
  folders.push_back(userSwordFolder() + "mods.d");
  return folders;
}

bool biblesOf(const std::string& folder, std::vector<AvailableBible>& bibles, std::string& error) {
  std::vector<std::string> read = librariesRead();
  read.push_back(folder + "/mods.d");
  error = unsafeFolders(read);
  if (!error.empty()) return false;
  const sword::SWMgr repository(folder.c_str(), true, nullptr, false, false);
  // Installed is what SWORD finds: the system's library, SWORD_PATH and the user's.
  sword::SWMgr system;
  sword::SWMgr user(userSwordFolder().c_str(), true, nullptr, false, false);
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
  return true;
}

// The install manager, asked only for the public repository's address; it reads and
// writes in its own folder and asks for the user's consent as we remember it.
class Manager : public sword::InstallMgr, public sword::StatusReporter {
 public:
  Manager(const std::string& folder, const std::atomic<bool>& cancelled)
      : sword::InstallMgr(folder.c_str(), this), cancelled_(cancelled) {
    setTimeoutMillis(kTimeoutMs);
  }
  bool isUserDisclaimerConfirmed() const override { return true; }
  void update(unsigned long, unsigned long) override {
    if (cancelled_) terminate();
  }

 private:
  const std::atomic<bool>& cancelled_;
};

bool publicAddress(const std::atomic<bool>& cancelled, std::string& address, std::string& error) {
  if (!makeFolder(installerFolder(), error)) return false;
  error = unsafeFolders({installerFolder()});
  if (!error.empty()) return false;
  Manager manager(installerFolder(), cancelled);
  if (manager.sources.empty() && manager.refreshRemoteSourceConfiguration() != 0) {
    error = cancelled ? "Přerušeno." : "Seznam knihoven Biblí se nepodařilo stáhnout. Zkontrolujte připojení k internetu.";
    return false;
  }
  auto found = manager.sources.find(kPublicCaption);
  if (found == manager.sources.end()) found = manager.sources.begin();
  if (found == manager.sources.end()) {
    error = "Správce instalace nezná žádnou knihovnu Biblí.";
    return false;
  }
  const sword::InstallSource& source = *found->second;
  address = ascii::lower(source.type.c_str()) + "://" + source.source.c_str() + source.directory.c_str();
  if (!isRepositoryAddress(address)) {
    error = "Správce instalace nezná žádnou knihovnu Biblí.";
    return false;
  }
  return true;
}

void removeFolder(std::string& folder) {
  std::error_code ignored;
  if (!folder.empty()) fs::remove_all(folder, ignored);
  folder.clear();
}

}  // namespace

bool BibleSource::usesNetwork() const { return location.empty() || isRepositoryAddress(location); }

BibleSource defaultBibleSource() {
  const char* location = std::getenv("TAVRA_BIBLE_REPOSITORY");
  return BibleSource{location ? location : ""};
}

std::string userSwordFolder() {
  const std::string home = userHomeFolder();
  return home.empty() ? ".sword/" : home + ".sword/";
}

BibleInstaller::BibleInstaller(BibleSource source) : source_(std::move(source)) {}

BibleInstaller::~BibleInstaller() { removeFolder(fetched_); }

bool BibleInstaller::hasConsent() {
  try {
    return readRegularFile(consentFile(), 4096).find(kConsentKey) != std::string::npos;
  } catch (const std::exception&) {
    return false;
  }
}

void BibleInstaller::giveConsent() {
  std::string error;
  if (!makeFolder(installerFolder(), error)) throw InOutError(5, error);
  writeFileAtomically(consentFile(), std::string("[General]\n") + kConsentKey + "\n");
}

bool BibleInstaller::listRemote(std::string& error) {
  if (!hasConsent() && !consentForRun_) {
    error = "Bez vašeho souhlasu se program k síti nepřipojí.";
    return false;
  }
  std::string address = source_.location;
  if (address.empty() && !publicAddress(cancelled_, address, error)) return false;
  if (!makeFolder(installerFolder(), error)) return false;
  std::string pattern = installerFolder() + "descriptions-XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    error = "Ve složce " + czechQuoted(installerFolder()) + " nelze zapisovat.";
    return false;
  }
  fetched_ = pattern;
  remote_ = std::make_unique<RemoteRepository>(address, progress_, cancelled_);
  error = remote_->fetchDescriptions(fetched_);
  if (!error.empty()) return false;
  descriptions_ = fetched_;
  return true;
}

bool BibleInstaller::list(std::vector<AvailableBible>& bibles, std::string& error) {
  bibles.clear();
  offered_.clear();
  descriptions_.clear();
  remote_.reset();
  removeFolder(fetched_);
  cancelled_ = false;
  if (source_.usesNetwork()) {
    if (!listRemote(error)) return false;
  } else {
    const std::string modsD = source_.location + "/mods.d";
    std::error_code ec;
    if (!fs::is_directory(modsD, ec)) {
      error = "Ve složce " + czechQuoted(source_.location) + " není knihovna modulů SWORD (chybí složka mods.d).";
      return false;
    }
    descriptions_ = source_.location;
  }
  if (!biblesOf(descriptions_, bibles, error)) {
    descriptions_.clear();
    return false;
  }
  for (const AvailableBible& bible : bibles) offered_.push_back(bible.name);
  return true;
}

std::string BibleInstaller::installFiles(const std::string& name) {
  ModuleDescription module;
  if (std::string problem = readModuleDescription(descriptions_ + "/mods.d", name, module); !problem.empty())
    return problem;
  if (std::string problem = checkPlace(userSwordFolder(), module); !problem.empty()) return problem;
  std::vector<ModuleFile> files;
  const std::string problem =
      remote_ ? remote_->listFiles(module.dataFolder, files) : listModuleFiles(source_.location, module.dataFolder, files);
  if (!problem.empty()) return problem;

  ModuleStage stage(userSwordFolder());
  if (std::string failed = stage.create(); !failed.empty()) return failed;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (cancelled_) return "instalace byla přerušena";
    std::string failed;
    if (remote_) {
      std::string target;
      failed = stage.pathFor(files[i].path, target);
      if (failed.empty()) failed = remote_->download(module.dataFolder, files[i], target);
    } else {
      failed = stage.copyFile(source_.location + "/" + module.dataFolder + "/" + files[i].path, files[i]);
      if (progress_) progress_(double(i + 1) / double(files.size()), "");
    }
    if (!failed.empty()) return failed;
  }
  return stage.place(module);
}

bool BibleInstaller::install(const std::string& name, std::string& error) {
  if (cancelled_) {
    error = "Instalace byla přerušena.";
    return false;
  }
  if (descriptions_.empty()) {
    error = "Bibli " + czechQuoted(name) + " se nepodařilo nainstalovat.";
    return false;
  }
  if (std::find(offered_.begin(), offered_.end(), name) == offered_.end()) {
    error = "Bibli " + czechQuoted(name) + " nelze nainstalovat: zdroj ji nenabízí.";
    return false;
  }
  if (std::string problem = installFiles(name); !problem.empty()) {
    error = cancelled_ ? "Instalace byla přerušena." : "Bibli " + czechQuoted(name) + " nelze nainstalovat: " + problem + ".";
    return false;
  }
  // The checks passed and the files are in place; what counts is that SWORD reads it there.
  error = unsafeFolders({userSwordFolder() + "mods.d"});
  const bool readable = error.empty() &&
                        sword::SWMgr(userSwordFolder().c_str(), true, nullptr, false, false).getModule(name.c_str());
  if (!readable) {
    removeModule(userSwordFolder(), name);
    error = "Bibli " + czechQuoted(name) + " se nepodařilo nainstalovat: SWORD ji po instalaci nepřečte.";
    return false;
  }
  return true;
}

bool BibleInstaller::remove(const std::string& name, std::string& error) {
  std::string problem = checkModuleName(name);
  if (problem.empty()) problem = unsafeModuleFile(userSwordFolder() + "mods.d").empty() ? "" : "popisy modulů nelze bezpečně přečíst";
  if (problem.empty()) problem = removeModule(userSwordFolder(), name);
  if (problem.empty()) return true;
  error = "Bibli " + czechQuoted(name) + " nelze odebrat: " + problem + ".";
  return false;
}

}  // namespace tavra::bible
