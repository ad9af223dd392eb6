#include "html/parse/document_charset.h"

#include <string>

#include "platform/ascii.h"

namespace tavra {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool isLabelChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
}

// The label after "charset" in a META tag's text (lower case), or empty.
std::string_view charsetLabel(std::string_view tag) {
  for (std::size_t at = tag.find("charset"); at != std::string_view::npos; at = tag.find("charset", at + 1)) {
    std::size_t i = at + 7;
    while (i < tag.size() && isBlank(tag[i])) ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && (isBlank(tag[i]) || tag[i] == '"' || tag[i] == '\'')) ++i;
    const std::size_t begin = i;
    while (i < tag.size() && isLabelChar(tag[i])) ++i;
    if (i > begin) return tag.substr(begin, i - begin);
  }
  return {};
}

}  // namespace

Charset DocumentCharsetOf(std::string_view start, std::size_t& bomLength) {
  Charset charset = Charset::Windows1250;
  bomLength = byteOrderMark(start, charset);
  if (bomLength > 0) return charset;

  const std::string head = ascii::lower(start.substr(0, kCharsetScanBytes));
  std::size_t pos = 0;
  while ((pos = head.find('<', pos)) != std::string::npos) {
    if (head.compare(pos, 4, "<!--") == 0) {
      const std::size_t close = head.find("-->", pos + 4);
      if (close == std::string::npos) break;
      pos = close + 3;
      continue;
    }
    if (head.compare(pos, 5, "<body") == 0) break;
    const std::size_t end = head.find('>', pos);
    if (end == std::string::npos) break;
    if (head.compare(pos, 5, "<meta") == 0 && pos + 5 < head.size() && (isBlank(head[pos + 5]) || head[pos + 5] == '>')) {
      const std::string_view label = charsetLabel(std::string_view(head).substr(pos, end - pos));
      if (!label.empty()) {
        charsetByName(label, charset);  // an unknown label keeps the default
        return charset;
      }
    }
    pos = end + 1;
  }
  return charset;
}

}  // namespace tavra
