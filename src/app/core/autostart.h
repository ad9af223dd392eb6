#pragma once
// The start at login: a desktop entry in the user's autostart folder (the freedesktop
// autostart rules) that starts this Tavra with the argument "a", so that the
// exit-once-a-day mode finds the program running each day. Paths are UTF-8. No toolkit:
// the folder comes from the platform's user folders, the file is written whole or not at all.

#include <string>

namespace tavra {

// $XDG_CONFIG_HOME/autostart/tavra.desktop, ~/.config/autostart/tavra.desktop when the
// variable is unset, empty or not an absolute path; "" when no home folder is known.
std::string autostartEntryPath();
// Whether an entry is there (a file, or a link to one).
bool autostartEntryExists();
// The entry's text for the program at `program` (an absolute path): its Exec line holds
// the path quoted as desktop entries require, then "a".
std::string autostartEntryText(const std::string& program);
// Writes the entry whole or not at all (a link there is replaced, not written through);
// removes it (a link itself, even one whose target has gone). An empty result is success,
// else a Czech message for the user.
std::string writeAutostartEntry(const std::string& program);
std::string removeAutostartEntry();

}  // namespace tavra
