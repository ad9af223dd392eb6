#pragma once
// The viewer's own settings: the Bible the user chose and the size of its text. The
// session reads and keeps them through this interface; the real one lives in the user's
// configuration folder ($XDG_CONFIG_HOME/tavra/Bible.ini, by default
// ~/.config/tavra/Bible.ini), section [Bible], keys Module and FontSize. Not beside the
// program: an installed program folder is not the user's, and the choice belongs to the
// user, not to one Tavra folder.

#include <string>

namespace tavra::bible {

class BibleSettings {
 public:
  virtual ~BibleSettings() = default;

  // The module name last chosen; "" when none was.
  virtual std::string bible() const = 0;
  // Keeps `name` as the user's choice; false when it cannot be kept (the choice then holds
  // for this run only).
  virtual bool setBible(const std::string& name) = 0;

  // The text's size in points; `def` when none was kept or it is out of 6 to 72.
  virtual int fontSize(int def) const = 0;
  virtual bool setFontSize(int points) = 0;
};

// The settings in the user's configuration folder.
class IniBibleSettings : public BibleSettings {
 public:
  std::string bible() const override;
  bool setBible(const std::string& name) override;
  int fontSize(int def) const override;
  bool setFontSize(int points) override;
};

// The file's path; "" when the user's home is unknown.
std::string bibleSettingsPath();

// A size as the settings keep it: 6 to 72 points, else `def`.
int fontSizeOrDefault(const std::string& text, int def);

}  // namespace tavra::bible
