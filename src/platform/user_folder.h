#pragma once
// The installed layout. A portable program folder holds the program and its data side by
// side, and Tavra works there. An installed program lies in <prefix>/lib/tavra/ with the
// shared data in <prefix>/share/tavra/, both owned by whoever installed them; then each
// user gets an own folder ($XDG_DATA_HOME/tavra, by default ~/.local/share/tavra) that
// holds links to the shared files and the Bible viewer, next to the user's own files, and
// Tavra works in that folder exactly as in a portable one.
//
// The layout decides, not permissions: root running an installed Tavra must not write
// into the installed tree either.

#include <string>
#include <vector>

namespace tavra {

// The shared data folder (with its trailing separator) when `programFolder` is an
// installed program folder: `marker` is not beside the program, and the folder
// `programFolder` + `sharedRelative` holds it. "" for a portable folder.
std::string installedSharedFolder(const std::string& programFolder, const std::string& sharedRelative,
                                  const std::string& marker);

// The user's home folder with its trailing separator: HOME when it is an absolute path,
// else the account's home folder; "" when neither is known.
std::string userHomeFolder();

// The XDG base folder `variable` names (XDG_CONFIG_HOME, ...), with its trailing separator,
// when it is an absolute path; otherwise <home>/`fallback` ("" when no home is known).
std::string xdgBaseFolder(const char* variable, const char* fallback);

// $XDG_DATA_HOME/tavra/ when XDG_DATA_HOME is an absolute path, otherwise
// <home>/.local/share/tavra/ (HOME, or the account's home folder); "" when neither is known.
std::string userDataFolder();

// $XDG_CONFIG_HOME/ when XDG_CONFIG_HOME is an absolute path, otherwise <home>/.config/;
// "" when neither is known. The desktop's settings for the user (its autostart folder) live there.
std::string configHomeFolder();

// configHomeFolder() + "tavra/", or "": the user's own settings of Tavra live there.
std::string userConfigFolder();

// $XDG_CACHE_HOME/tavra/ when XDG_CACHE_HOME is an absolute path, otherwise
// <home>/.cache/tavra/; "" when neither is known. What the program can make again from
// other files (the search indexes) lives there.
std::string userCacheFolder();

// Creates `folder` and its missing parents, each new one for the user alone; false when a
// part cannot be made.
bool makeUserFolders(const std::string& folder);

// Creates `userFolder` and its missing parents (for the user alone), then links there
// each entry of `sharedFolder` and each of `programFiles` (full paths) whose name the user
// has no entry for; a link left dangling by a moved installation is made anew. A file the
// user put there is never touched. Returns "" or the Czech message (UTF-8) that says what
// failed and names the folder.
std::string prepareUserFolder(const std::string& userFolder, const std::string& sharedFolder,
                              const std::vector<std::string>& programFiles);

// For an installed program: prepares the user's folder with the shared data and the
// program folder's `viewer`, makes it the current folder and the one ExeDir() answers.
// Does nothing for a portable folder. Returns "" or the Czech message for the user.
std::string enterUserFolderIfInstalled(const std::string& sharedRelative, const std::string& marker,
                                       const std::string& viewer);

}  // namespace tavra
