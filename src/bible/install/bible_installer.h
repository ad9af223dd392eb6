#pragma once
// Getting a Bible: the Bibles a SWORD module repository offers, and their installation
// into the user's own SWORD folder (~/.sword), through libsword's install manager.
// Toolkit-free. The repository is the public one the install manager knows, or a local
// folder laid out as a SWORD library (mods.d/ and modules/), which needs no network.
//
// The install manager asks the user's consent before its first use of the network; the
// answer is kept in ~/.sword/InstallMgr/tavra.conf, so it is asked once. Every call may
// take long (downloads): call from a worker thread, one call at a time per object.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavra::bible {

struct AvailableBible {
  std::string name;         // the module's name as SWORD knows it (its configuration's section)
  std::string description;  // UTF-8
  std::string language;     // as the module gives it: "cs", "en", ...
  std::string version;
  bool installed = false;   // SWORD finds a module of this name already
};

struct BibleSource {
  // A folder holding a SWORD library; empty for the public repository.
  std::string localFolder;
  bool usesNetwork() const { return localFolder.empty(); }
};

// The source used when none is chosen: the folder named by TAVRA_BIBLE_REPOSITORY when
// set, else the public repository.
BibleSource defaultBibleSource();

// $HOME/.sword/ (with the trailing separator), where Bibles are installed.
std::string userSwordFolder();

// Whether the language is Czech ("cs", "cs-CZ", "cze", "ces").
bool isCzech(const std::string& language);

class BibleInstaller {
 public:
  // Progress of a download: a fraction from 0 to 1 (negative when unknown) and a message.
  // Called on the thread that runs the installer.
  using Progress = std::function<void(double fraction, const std::string& message)>;

  explicit BibleInstaller(BibleSource source);
  ~BibleInstaller();
  BibleInstaller(const BibleInstaller&) = delete;
  BibleInstaller& operator=(const BibleInstaller&) = delete;

  const BibleSource& source() const { return source_; }
  void setProgress(Progress progress) { progress_ = std::move(progress); }

  // The user's consent to the network use, as remembered; giveConsent remembers it.
  static bool hasConsent();
  static void giveConsent();

  // The source's Bibles, Czech ones first, then by description. On failure returns false
  // and a Czech sentence in `error`.
  bool list(std::vector<AvailableBible>& bibles, std::string& error);

  // Installs the Bible `name` of the source into userSwordFolder(); a module already there
  // is replaced. On failure returns false and a Czech sentence in `error`. The source must
  // have been listed first.
  bool install(const std::string& name, std::string& error);

  // Asks a running list or install to stop, and refuses further installs until the next
  // list; may be called from any thread.
  void cancel() { cancelled_ = true; }

 private:
  class Manager;
  class Reporter;

  BibleSource source_;
  Progress progress_;
  std::atomic<bool> cancelled_{false};
  std::unique_ptr<Reporter> reporter_;
  std::unique_ptr<Manager> manager_;
};

}  // namespace tavra::bible
