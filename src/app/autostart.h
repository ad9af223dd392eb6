#pragma once
// The start at login: a desktop entry in the user's autostart folder (the freedesktop
// autostart rules) that starts this Tavra with the argument "a", so that the
// exit-once-a-day mode finds the program running each day. Paths are UTF-8.

#include <string>

namespace tavra {

// $XDG_CONFIG_HOME/autostart/tavra.desktop, ~/.config/autostart/tavra.desktop when the
// variable is unset, empty or not an absolute path.
std::string autostartEntryPath();
// Whether an entry is there (a file, or a link to one).
bool autostartEntryExists();
// The entry's text for the program at `program` (an absolute path): its Exec line holds
// the path quoted as desktop entries require, then "a".
std::string autostartEntryText(const std::string& program);
// Writes the entry whole or not at all; removes it. An empty result is success, else a
// Czech message for the user.
std::string writeAutostartEntry(const std::string& program);
std::string removeAutostartEntry();

}  // namespace tavra
