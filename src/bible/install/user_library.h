#pragma once
// The user's own SWORD library (~/.sword), the one place the installer writes: a module's
// files go to ~/.sword/<its checked data folder> and its description to ~/.sword/mods.d.
// A module is put together in a stage of its own inside ~/.sword/modules and moved into
// place whole, its description written last, so a failure at any step leaves the library
// as it was. No link is followed on the way down from ~/.sword/modules.
//
// Every function answers "" or the reason in Czech, a clause as module_check.h gives them.

#include <string>
#include <vector>

#include "bible/install/module_check.h"

namespace tavra::bible {

// A module the user's library describes.
struct InstalledModule {
  std::string name;
  std::string descriptionFile;  // its file in mods.d
  std::string dataFolder;       // checked as module_check.h checks it; "" when it does not pass
};

// The modules described in `swordFolder`/mods.d; its files must have been checked
// (module_folders.h).
std::vector<InstalledModule> installedModules(const std::string& swordFolder);

// Whether `module` may go into the library: its folder neither holds nor lies in the folder
// of another module there.
std::string checkPlace(const std::string& swordFolder, const ModuleDescription& module);

// The stage of one installation: a new folder in `swordFolder`/modules, gone with the object
// unless its content was placed.
class ModuleStage {
 public:
  explicit ModuleStage(std::string swordFolder);
  ~ModuleStage();
  ModuleStage(const ModuleStage&) = delete;
  ModuleStage& operator=(const ModuleStage&) = delete;

  std::string create();

  // The path a module file is written to in the stage, its folders made.
  std::string pathFor(const std::string& relative, std::string& path);

  // Copies a regular file of a repository on disk into the stage, following no link.
  std::string copyFile(const std::string& source, const ModuleFile& file);

  // Moves the staged files to the module's folder (a module already there is replaced)
  // and writes its description.
  std::string place(const ModuleDescription& module);

 private:
  std::string swordFolder_;
  std::string folder_;
};

// Removes a module installed in the library: its description, then its folder.
std::string removeModule(const std::string& swordFolder, const std::string& name);

}  // namespace tavra::bible
