#include "platform/ini_file.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/file_system.h"
#include "platform/ascii.h"

namespace tavra {
namespace {

// A value is handed out with at most this many characters.
constexpr std::size_t kMaxValueLength = 2047;
// A settings file is a few hundred bytes and the readings index about 140 kB; anything
// beyond this is not ours to load whole. Such a file, like one that is not a regular file,
// reads as empty and is never overwritten.
constexpr std::size_t kMaxFileSize = std::size_t(1) << 20;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) { return ascii::equalIgnoringCase(a, b); }

// "[name]" with blanks allowed around and inside the brackets; a missing "]" ends the
// name at the end of the line.
std::optional<std::string_view> sectionOf(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  return trim(line.substr(0, line.find(']')));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

// "key = value"; comment lines (";") and lines without "=" are not entries.
std::optional<Entry> entryOf(std::string_view line) {
  std::string_view t = trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Entry{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

// A value enclosed in a matching pair of quotes is read without them.
std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// A line break inside a written name or value would split the line and could plant
// keys of its own; the text is cut before it, which is also what a later read would see.
std::string_view singleLine(std::string_view s) { return s.substr(0, s.find_first_of("\r\n")); }

bool parseDigits(std::string_view s, int base, std::uint64_t limit, std::uint64_t& value) {
  if (s.empty()) return false;
  value = 0;
  for (char c : s) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    value = value * std::uint64_t(base) + std::uint64_t(digit);
    if (value > limit) return false;
  }
  return true;
}

// Decimal in the range of a signed 32-bit number, or "$"/"0x" hexadecimal of up to
// 32 bits (so "$FFFFFFFF" is -1, as a colour written in hex expects); optional sign.
std::optional<int> parseInteger(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::uint64_t value;
  if (!s.empty() && s.front() == '$') {
    if (!parseDigits(s.substr(1), 16, 0xFFFFFFFFu, value)) return std::nullopt;
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    if (!parseDigits(s.substr(2), 16, 0xFFFFFFFFu, value)) return std::nullopt;
  } else {
    if (!parseDigits(s, 10, negative ? 0x80000000u : 0x7FFFFFFFu, value)) return std::nullopt;
    return negative ? int(-std::int64_t(value)) : int(value);
  }
  auto bits = std::int32_t(std::uint32_t(value));
  return negative ? int(std::uint32_t(0) - std::uint32_t(bits)) : int(bits);
}

}  // namespace

struct IniFile::Impl {
  std::string path;
  std::vector<std::string> lines;
  std::string lineEnd = "\r\n";

  // False when the file exists but cannot be taken in whole (too large, unreadable);
  // the lines then stay as they were.
  bool load() {
    std::string content;
    try {
      content = readRegularFile(path, kMaxFileSize);
    } catch (const InOutError& e) {
      if (e.code() != 2) return false;  // no file yet reads as empty
    }
    std::vector<std::string> fresh;
    std::string end = "\r\n";
    bool endSeen = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
      char c = content[i];
      if (c != '\r' && c != '\n') continue;
      std::size_t width = (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ? 2 : 1;
      if (!endSeen) {
        end = content.substr(i, width);
        endSeen = true;
      }
      fresh.push_back(content.substr(start, i - start));
      i += width - 1;
      start = i + 1;
    }
    if (start < content.size()) fresh.push_back(content.substr(start));
    lines = std::move(fresh);
    lineEnd = std::move(end);
    return true;
  }

  // [first, last) of the lines under the first section of that name; nullopt if absent.
  // A later section of the same name is never looked into, just as a later duplicate key
  // is not: the first one wins.
  std::optional<std::pair<std::size_t, std::size_t>> section(std::string_view name) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto s = sectionOf(lines[i]);
      if (!s || !sameName(*s, name)) continue;
      std::size_t end = i + 1;
      while (end < lines.size() && !sectionOf(lines[end])) ++end;
      return std::pair{i + 1, end};
    }
    return std::nullopt;
  }

  std::optional<std::size_t> find(std::string_view sectionName, std::string_view key) const {
    auto range = section(sectionName);
    if (!range) return std::nullopt;
    for (std::size_t i = range->first; i < range->second; ++i) {
      auto e = entryOf(lines[i]);
      if (e && sameName(e->key, key)) return i;
    }
    return std::nullopt;
  }

  void set(std::string_view sectionName, std::string_view key, std::string_view value) {
    sectionName = singleLine(sectionName);
    key = singleLine(key);
    value = singleLine(value);
    if (auto at = find(sectionName, key)) {
      std::string written(entryOf(lines[*at])->key);
      lines[*at] = written + "=" + std::string(value);
      return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (auto range = section(sectionName)) {
      // After the section's last non-blank line, so the blank line before the next
      // section stays where it was.
      std::size_t at = range->second;
      while (at > range->first && trim(lines[at - 1]).empty()) --at;
      lines.insert(lines.begin() + std::ptrdiff_t(at), std::move(line));
      return;
    }
    lines.push_back("[" + std::string(sectionName) + "]");
    lines.push_back(std::move(line));
  }

  void replace(const std::function<bool(std::string_view)>& remove, const std::vector<std::string>& added) {
    auto removed = [&](std::size_t i) {
      auto name = sectionOf(lines[i]);
      return name && remove(*name);
    };
    std::vector<std::string> kept;
    std::optional<std::size_t> insertAt;
    std::size_t i = 0;
    while (i < lines.size()) {
      if (!removed(i)) {
        kept.push_back(std::move(lines[i++]));
        continue;
      }
      if (!insertAt) insertAt = kept.size();
      std::size_t end = i + 1;
      while (end < lines.size() && !sectionOf(lines[end])) ++end;
      if (end == lines.size() || !removed(end)) {
        std::size_t blanks = end;
        while (blanks > i + 1 && trim(lines[blanks - 1]).empty()) --blanks;
        for (std::size_t b = blanks; b < end; ++b) kept.push_back(std::move(lines[b]));
      }
      i = end;
    }
    if (!insertAt) {
      if (!added.empty() && !kept.empty() && !trim(kept.back()).empty()) kept.emplace_back();
      insertAt = kept.size();
    }
    std::vector<std::string> fresh;
    fresh.reserve(added.size());
    for (const std::string& line : added) fresh.emplace_back(singleLine(line));
    kept.insert(kept.begin() + std::ptrdiff_t(*insertAt), fresh.begin(), fresh.end());
    lines = std::move(kept);
  }

  void save() const {
    std::string content;
    for (const std::string& line : lines) {
      content += line;
      content += lineEnd;
    }
    writeFileAtomically(path, content);
  }
};

IniFile::IniFile(std::string path) : impl_(new Impl) {
  impl_->path = std::move(path);
  impl_->load();
}

IniFile::~IniFile() { delete impl_; }

const std::string& IniFile::path() const { return impl_->path; }

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
  auto at = impl_->find(section, key);
  if (!at) return std::string(def.substr(0, kMaxValueLength));
  std::string_view value = unquote(entryOf(impl_->lines[*at])->value);
  return std::string(value.substr(0, kMaxValueLength));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
  auto at = impl_->find(section, key);
  if (!at) return def;
  return parseInteger(unquote(entryOf(impl_->lines[*at])->value)).value_or(def);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  // The write works on the file as it is on disk now, so that it keeps whatever others
  // wrote since this object read it. A file that exists but cannot be read is left alone.
  std::string failure = "Unable to write to " + impl_->path;
  if (!impl_->load()) throw IniWriteError(failure);
  std::vector<std::string> before = impl_->lines;
  impl_->set(section, key, value);
  try {
    impl_->save();
  } catch (const InOutError&) {
    impl_->lines = std::move(before);
    throw IniWriteError(failure);
  }
}

void IniFile::replaceSections(const std::function<bool(std::string_view)>& remove,
                              const std::vector<std::string>& lines) {
  std::string failure = "Unable to write to " + impl_->path;
  if (!impl_->load()) throw IniWriteError(failure);
  std::vector<std::string> before = impl_->lines;
  impl_->replace(remove, lines);
  try {
    impl_->save();
  } catch (const InOutError&) {
    impl_->lines = std::move(before);
    throw IniWriteError(failure);
  }
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

}  // namespace tavra
