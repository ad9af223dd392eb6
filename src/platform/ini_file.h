#pragma once
// INI profile files: the settings "Tavra.ini" and the readings index "Cteni.js".
// Text is kept as raw bytes (Windows-1250). Sections and keys match without regard to
// ASCII case, keep their order, and comments and unknown lines survive a write.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

// A write that could not be completed. Message: "Unable to write to <path>".
class IniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class IniFile {
 public:
  // Reads the file now; a missing or unreadable file reads as empty (all keys missing).
  explicit IniFile(std::string path);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& path() const;

  // At most 2047 characters of the value are returned.
  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal, "$" hex or "0x"/"0X" hex; anything else (or a missing key) gives `def`.
  int readInteger(std::string_view section, std::string_view key, int def) const;

  // Each write goes to disk at once and replaces the file atomically; on failure it
  // throws IniWriteError and the file keeps its previous content.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);

  // Removes every section whose name `remove` accepts and puts `lines` (without line ends)
  // where the first removed section began, or after a blank line at the end when none was
  // removed; the blank lines that close a run of removed sections stay. One atomic write,
  // failing as the other writes do.
  void replaceSections(const std::function<bool(std::string_view)>& remove, const std::vector<std::string>& lines);

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace tavra
