#include "html/links/link_paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/codepage.h"
#include "platform/unicode.h"
#include "platform/ascii.h"

namespace tavra {

namespace fs = std::filesystem;

namespace {

void replaceAll(std::string& text, char from, char to) { std::replace(text.begin(), text.end(), from, to); }

bool isDrivePath(const std::string& path) { return path.size() >= 2 && path[1] == ':'; }

bool isUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  char32_t c;
  while (pos < bytes.size())
    if (!nextUtf8(bytes, pos, c)) return false;
  return true;
}

// Escaped bytes of a path: a run of them that is not UTF-8 is Windows-1250, as every
// path of the program's own documents was written.
std::string decodeEscapes(const std::string& text) {
  std::string result;
  std::size_t i = 0;
  while (i < text.size()) {
    std::string bytes;
    std::size_t p = i;
    for (; p < text.size() && text[p] == '%' && p > 0 && p + 2 < text.size(); p += 3) {
      int high = ascii::hexDigit(text[p + 1]), low = ascii::hexDigit(text[p + 2]);
      // A zero byte would cut the path short wherever it meets the file system.
      if (high < 0 || low < 0 || (high == 0 && low == 0)) break;
      bytes += char(high * 16 + low);
    }
    if (!bytes.empty()) {
      result += isUtf8(bytes) ? bytes : cp1250::toUtf8(bytes);
      i = p;
    } else if (text[i] == '%') {
      return result + text.substr(i);  // an escape that is none ends the decoding
    } else {
      result += text[i++];
    }
  }
  return result;
}

}  // namespace

std::string TrimControls(const std::string& text) { return std::string(ascii::trimmed(text)); }

std::string UrlToLocalPath(const std::string& text) {
  std::string result = decodeEscapes(text);
  if (result.find('/') != std::string::npos) {
    std::transform(result.begin(), result.end(), result.begin(), ascii::toLower);
    std::size_t p = result.find("file:///");
    if (p != std::string::npos) {
      // A file URL of this machine names its path from the root; one of the home
      // platform starts with a drive.
      bool drive = result.size() > p + 9 && (result[p + 9] == ':' || result[p + 9] == '|');
      result.erase(p, drive ? 8 : 7);
    } else if ((p = result.find("file://")) != std::string::npos) {
      result.erase(p, 7);
    }
    replaceAll(result, '|', ':');
    replaceAll(result, '/', '\\');
  }
  return result;
}

std::string NativePath(const std::string& path) {
  std::string result = isDrivePath(path) ? path.substr(2) : path;
  replaceAll(result, '\\', '/');
  return result;
}

std::string ExpandFileName(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  fs::path full = fs::absolute(fs::path(path), error);
  if (error) full = fs::path(path);
  return full.lexically_normal().string();
}

std::string ExtractFileDir(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string MatchFileCase(const std::string& path) {
  std::error_code error;
  if (path.empty() || fs::exists(path, error)) return path;
  fs::path given(path);
  fs::path result = given.root_path();
  bool matching = true;
  for (const fs::path& part : given.relative_path()) {
    if (matching && !fs::exists(result / part, error)) {
      matching = false;
      const fs::path folder = result.empty() ? fs::path(".") : result;
      for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (ascii::equalIgnoringCase(name, part.string())) {
          result /= name;
          matching = true;
          break;
        }
      }
      if (matching) continue;
    }
    result /= part;
  }
  return result.string();
}

std::string ResolveLinkPath(const std::string& name, const LinkContext& context) {
  const std::string trimmed = TrimControls(name);
  std::string s = UrlToLocalPath(trimmed);
  const bool fileUrl = trimmed.size() >= 5 && ascii::equalIgnoringCase(trimmed.substr(0, 5), "file:");
  if (!fileUrl && !s.empty() && s[0] == '\\') s = context.ServerRoot + s;
  std::string result;
  if (!s.empty() && s[0] == '\\') {
    // Rooted on the current drive, which is this machine's root.
    result = ExpandFileName(NativePath(s));
  } else if (isDrivePath(s) || s.rfind("\\\\", 0) == 0) {
    result = ExpandFileName(NativePath(s));
  } else if (ascii::equalIgnoringCase(context.DocumentBase, "DosPath")) {
    result = NativePath(s);
  } else {
    std::string folder = context.DocumentBase.empty() ? ExtractFileDir(context.DocumentFile)
                                                      : ExtractFileDir(NativePath(UrlToLocalPath(context.DocumentBase)));
    result = ExpandFileName(folder + NativePath(s));
  }
  return MatchFileCase(result);
}

std::string ServerRootValue(const std::string& text) {
  std::string result = TrimControls(text);
  if (!result.empty() && result.back() == '\\') result.pop_back();
  return result;
}

}  // namespace tavra
