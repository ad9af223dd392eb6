#pragma once
// Getting a Bible: the Bibles a SWORD module repository offers, their installation into
// the user's own SWORD folder (~/.sword) and their removal. Toolkit-free; the dialog and
// the command line use it alike.
//
// The repository is a folder laid out as a SWORD library (mods.d/ and modules/), a
// repository on the network named by its address, or the public repository that the
// install manager's list of repositories names. Nothing a repository says decides where a
// file goes: every module is checked before anything is written (module_check.h), and
// only ~/.sword/modules and ~/.sword/mods.d are written to (user_library.h).
//
// The network is used only with the user's consent, kept in ~/.sword/InstallMgr/tavra.conf
// so that it is asked once, or given for one run. Every call may take long (downloads):
// call from a worker thread, one call at a time per object.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavra::bible {

class RemoteRepository;

struct AvailableBible {
  std::string name;         // the module's name as SWORD knows it (its configuration's section)
  std::string description;  // UTF-8
  std::string language;     // as the module gives it: "cs", "en", ...
  std::string version;
  bool installed = false;   // SWORD finds a module of this name already
};

struct BibleSource {
  // A folder holding a SWORD library, a repository's address ("http://…", "https://…",
  // "ftp://…"), or "" for the public repository.
  std::string location;
  bool usesNetwork() const;
};

// The source used when none is chosen: the folder or address TAVRA_BIBLE_REPOSITORY
// names when set, else the public repository.
BibleSource defaultBibleSource();

// $HOME/.sword/ (with the trailing separator), where Bibles are installed.
std::string userSwordFolder();

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
  // The consent for this object's work only, remembered nowhere (a command's --yes).
  void consentForThisRun() { consentForRun_ = true; }

  // The source's Bibles, Czech ones first, then by description. On failure returns false
  // and a Czech sentence in `error`.
  bool list(std::vector<AvailableBible>& bibles, std::string& error);

  // Installs the Bible `name` of the source into userSwordFolder(); a module already there
  // is replaced. On failure returns false and a Czech sentence in `error`, and nothing was
  // written. The source must have been listed first.
  bool install(const std::string& name, std::string& error);

  // Removes the Bible `name` from userSwordFolder().
  static bool remove(const std::string& name, std::string& error);

  // Asks a running list or install to stop, and refuses further installs until the next
  // list; may be called from any thread.
  void cancel() { cancelled_ = true; }

 private:
  bool listRemote(std::string& error);
  std::string installFiles(const std::string& name);

  BibleSource source_;
  Progress progress_;
  std::atomic<bool> cancelled_{false};
  bool consentForRun_ = false;
  std::vector<std::string> offered_;  // the Bibles of the last listing
  std::string descriptions_;          // the folder whose mods.d describes the source's modules
  std::string fetched_;               // the installer's own folder of downloaded descriptions
  std::unique_ptr<RemoteRepository> remote_;
};

}  // namespace tavra::bible
