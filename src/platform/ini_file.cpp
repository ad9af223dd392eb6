#include "platform/ini_file.h"

#include <cstdint>
#include <optional>
#include <utility>
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

// Where a section's lines are: [first, last) of the lines under its header.
using LineRange = std::pair<std::size_t, std::size_t>;

// [first, last) of the lines under the first section of that name; nullopt if absent.
// A later section of the same name is never looked into, just as a later duplicate key
// is not: the first one wins.
std::optional<LineRange> findSection(const std::vector<std::string>& lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto s = sectionOf(lines[i]);
    if (!s || !sameName(*s, name)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionOf(lines[end])) ++end;
    return LineRange{i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<std::string>& lines, LineRange range, std::string_view key) {
  for (std::size_t i = range.first; i < range.second; ++i) {
    auto e = entryOf(lines[i]);
    if (e && sameName(e->key, key)) return i;
  }
  return std::nullopt;
}

// Where the line that `from` is in ends: its "\r" or "\n", or the end of `text`.
std::size_t lineStop(std::string_view text, std::size_t from) {
  while (from < text.size() && text[from] != '\r' && text[from] != '\n') ++from;
  return from;
}

// Calls `visit(line)` for each line of `text` in order; lines end at "\r\n", "\n" or a
// lone "\r".
template <class Visit>
void forEachLine(std::string_view text, Visit&& visit) {
  std::size_t line = 0;
  while (line < text.size()) {
    const std::size_t stop = lineStop(text, line);
    visit(text.substr(line, stop - line));
    line = stop + (text.substr(stop, 2) == "\r\n" ? 2 : 1);
  }
}

}  // namespace

struct IniFile::Impl {
  std::string path;
  // The file as last read or written, and where its sections lie in it. The readings
  // index is a few thousand sections of a few lines each and is asked for one section's
  // keys, so a read finds the section headers only and splits no other lines.
  std::string content;
  std::string lineEnd = "\r\n";
  struct Section {
    std::string_view name;
    std::size_t bodyBegin;  // the byte after the header's line end
    std::size_t bodyEnd;    // the next header's first byte, or the end
  };
  std::vector<Section> sections;

  // False when the file exists but cannot be taken in whole (too large, unreadable);
  // the content then stays as it was.
  bool load() {
    std::string fresh;
    try {
      fresh = readRegularFile(path, kMaxFileSize);
    } catch (const InOutError& e) {
      if (e.code() != 2) return false;  // no file yet reads as empty
    }
    take(std::move(fresh));
    return true;
  }

  // The section headers are found by their "[": each one that only blanks separate from
  // the start of its line begins a header line. That spares splitting the thousands of
  // lines around them, and finds exactly the lines that a split would take for headers.
  void take(std::string fresh) {
    content = std::move(fresh);
    sections.clear();
    const std::string_view text = content;
    const std::size_t firstEnd = lineStop(text, 0);
    lineEnd = firstEnd == text.size() || text.substr(firstEnd, 2) == "\r\n" ? "\r\n" : std::string(1, text[firstEnd]);
    for (std::size_t bracket = text.find('['); bracket != std::string_view::npos; bracket = text.find('[', bracket + 1)) {
      std::size_t start = bracket;
      while (start > 0 && isBlank(text[start - 1])) --start;
      if (start > 0 && text[start - 1] != '\n' && text[start - 1] != '\r') continue;
      const std::size_t stop = lineStop(text, bracket);
      const std::size_t next = stop + (text.substr(stop, 2) == "\r\n" ? 2 : stop < text.size() ? 1 : 0);
      if (!sections.empty()) sections.back().bodyEnd = start;
      sections.push_back({*sectionOf(text.substr(start, stop - start)), next, text.size()});
      bracket = stop;
    }
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    forEachLine(content, [&](std::string_view line) { out.emplace_back(line); });
    return out;
  }

  // The value of the first such key in the first section of that name.
  std::optional<std::string_view> value(std::string_view sectionName, std::string_view key) const {
    for (const Section& section : sections) {
      if (!sameName(section.name, sectionName)) continue;
      std::optional<std::string_view> found;
      const std::string_view body(content.data() + section.bodyBegin, section.bodyEnd - section.bodyBegin);
      forEachLine(body, [&](std::string_view line) {
        if (found) return;
        auto entry = entryOf(line);
        if (entry && sameName(entry->key, key)) found = unquote(entry->value);
      });
      return found;
    }
    return std::nullopt;
  }

  // The write rules work on lines of their own; the result becomes the content.
  static void set(std::vector<std::string>& lines, std::string_view sectionName, std::string_view key,
                  std::string_view value) {
    sectionName = singleLine(sectionName);
    key = singleLine(key);
    value = singleLine(value);
    auto range = findSection(lines, sectionName);
    if (auto at = range ? findKey(lines, *range, key) : std::nullopt) {
      std::string written(entryOf(lines[*at])->key);
      lines[*at] = written + "=" + std::string(value);
      return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (range) {
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

  static void replace(std::vector<std::string>& lines, const std::function<bool(std::string_view)>& remove,
                      const std::vector<std::string>& added) {
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

  // Reads the file as it is on disk now, so that a write keeps whatever others wrote
  // since this object read it, applies `edit` to its lines and replaces the file. A file
  // that exists but cannot be read is left alone, as is one the edit would make too large
  // to read back; on failure the content stays as read.
  void rewrite(const std::function<void(std::vector<std::string>&)>& edit) {
    const std::string failure = "Unable to write to " + path;
    if (!load()) throw IniWriteError(failure);
    std::vector<std::string> edited = lines();
    edit(edited);
    std::string written;
    for (const std::string& line : edited) {
      written += line;
      written += lineEnd;
    }
    // A file beyond what a read takes in would read back as empty: every value in it lost.
    if (written.size() > kMaxFileSize) throw IniWriteError(failure);
    try {
      writeFileAtomically(path, written);
    } catch (const InOutError&) {
      throw IniWriteError(failure);
    }
    take(std::move(written));
  }
};

IniFile::IniFile(std::string path) : impl_(new Impl) {
  impl_->path = std::move(path);
  impl_->load();
}

IniFile::~IniFile() { delete impl_; }

const std::string& IniFile::path() const { return impl_->path; }

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
  return std::string(impl_->value(section, key).value_or(def).substr(0, kMaxValueLength));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
  auto value = impl_->value(section, key);
  if (!value) return def;
  return parseInteger(*value).value_or(def);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  impl_->rewrite([&](std::vector<std::string>& lines) { Impl::set(lines, section, key, value); });
}

void IniFile::replaceSections(const std::function<bool(std::string_view)>& remove,
                              const std::vector<std::string>& lines) {
  impl_->rewrite([&](std::vector<std::string>& edited) { Impl::replace(edited, remove, lines); });
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

}  // namespace tavra
