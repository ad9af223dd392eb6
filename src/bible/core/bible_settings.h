#pragma once
// The viewer's own settings: the Bible the user chose, in the user's configuration folder
// ($XDG_CONFIG_HOME/tavra/Bible.ini, by default ~/.config/tavra/Bible.ini), section
// [Bible], key Module, and the size of its text, key FontSize. Not beside the program: an installed program folder is not the
// user's, and the choice belongs to the user, not to one Tavra folder.

#include <string>

namespace tavra::bible {

// The file's path; "" when the user's home is unknown.
std::string bibleSettingsPath();

// The module name last chosen; "" when none was.
std::string rememberedBible();

// Keeps `name` as the user's choice; false when the file cannot be written (the choice
// then holds for this run only).
bool rememberBible(const std::string& name);

// The text's size in points, `def` when none was kept or it is out of 6 to 72.
int rememberedFontSize(int def);
bool rememberFontSize(int points);

}  // namespace tavra::bible
