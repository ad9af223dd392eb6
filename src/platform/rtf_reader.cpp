#include "platform/rtf_reader.h"

#include <algorithm>
#include <cstdint>

#include "platform/ascii.h"
#include "platform/codepage.h"

namespace tavra::rtf {

namespace {

constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxParamDigits = 10;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 100;

struct State {
  CharStyle chr;
  Alignment align = Alignment::Default;
  int uc = 1;          // bytes of fallback text after each \uN
  bool skip = false;   // inside a destination whose text is not shown
};

// Destinations that hold no text of the document (tables of fonts and colours, pictures,
// document information, field instructions, headers and footers).
bool isSkippedDestination(std::string_view word) {
  static constexpr std::string_view kWords[] = {
      "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "headerl",
      "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "fldinst",
      "xe", "tc", "listtable", "listoverridetable", "rsidtbl", "generator", "themedata",
      "colorschememapping", "datastore", "latentstyles", "filetbl", "revtbl", "nonshppict",
      "template", "xmlnstbl", "mmathPr", "pgdsctbl", "userprops", "bkmkstart", "bkmkend"};
  return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

char16_t specialCharacter(std::string_view word) {
  struct Entry {
    std::string_view word;
    char16_t ch;
  };
  static constexpr Entry kEntries[] = {
      {"emdash", u'\u2014'},   {"endash", u'\u2013'},   {"bullet", u'\u2022'},
      {"lquote", u'\u2018'},   {"rquote", u'\u2019'},   {"ldblquote", u'\u201C'},
      {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
      {"qmspace", u'\u2005'}};
  for (const Entry& e : kEntries) {
    if (e.word == word) return e.ch;
  }
  return 0;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Parser {
 public:
  explicit Parser(std::string_view in) : in_(in) {}

  Document run() {
    while (pos_ < in_.size() && !finished_) {
      const char c = in_[pos_++];
      switch (c) {
        case '{': openGroup(); break;
        case '}': closeGroup(); break;
        case '\\': controlSequence(); break;
        case '\r':
        case '\n': break;
        default: rawCharacter(static_cast<std::uint8_t>(c)); break;
      }
    }
    endDocument();
    return std::move(doc_);
  }

 private:
  void openGroup() {
    pendingSkip_ = 0;
    ++depth_;
    if (overflow_ > 0 || int(stack_.size()) >= kMaxGroupDepth) {
      if (overflow_++ == 0) overflowBase_ = cur_;
      return;
    }
    stack_.push_back(cur_);
  }

  void closeGroup() {
    pendingSkip_ = 0;
    if (depth_ == 0) return;  // a stray closing brace
    --depth_;
    if (overflow_ > 0) {
      if (--overflow_ == 0) cur_ = overflowBase_;
      return;
    }
    if (depth_ == 0) {
      // The document's outermost group ends the document; anything after it is not read.
      finished_ = true;
      return;
    }
    cur_ = stack_.back();
    stack_.pop_back();
  }

  void controlSequence() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (isLetter(c)) {
      controlWord();
      return;
    }
    ++pos_;
    if (c == '\'') {
      hexByte();
      return;
    }
    if (consumeFallback()) return;
    switch (c) {
      case '\\':
      case '{':
      case '}': text(char16_t(c)); break;
      case '~': text(u'\u00A0'); break;
      case '_': text(u'\u2011'); break;
      case '*':
        if (depth_ > 1) cur_.skip = true;
        break;
      case '\r':
      case '\n': endParagraph(); break;
      default: break;  // optional hyphen, index and formula symbols: nothing to show
    }
  }

  void controlWord() {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
    std::string_view word = in_.substr(start, std::min(pos_ - start, kMaxWordLength));

    bool hasParam = false;
    long long param = 0;
    bool negative = false;
    if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && isDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    int digits = 0;
    while (pos_ < in_.size() && isDigit(in_[pos_])) {
      if (digits++ < kMaxParamDigits) param = param * 10 + (in_[pos_] - '0');
      hasParam = true;
      ++pos_;
    }
    if (negative) param = -param;
    param = std::clamp<long long>(param, INT32_MIN, INT32_MAX);
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank belongs to the word

    if (consumeFallback()) return;
    apply(word, hasParam, static_cast<int>(param));
  }

  void apply(std::string_view word, bool hasParam, int param) {
    const bool on = !hasParam || param != 0;
    if (word == "par" || word == "sect" || word == "page") {
      endParagraph();
    } else if (word == "line") {
      text(u'\n');
    } else if (word == "tab") {
      text(u'\t');
    } else if (word == "pard") {
      cur_.align = Alignment::Default;
    } else if (word == "plain") {
      cur_.chr = CharStyle{};
    } else if (word == "b") {
      cur_.chr.bold = on;
    } else if (word == "i") {
      cur_.chr.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash" ||
               word == "ulwave" || word == "ulth") {
      cur_.chr.underline = on;
    } else if (word == "ulnone") {
      cur_.chr.underline = false;
    } else if (word == "strike" || word == "striked") {
      cur_.chr.strike = on;
    } else if (word == "ql") {
      cur_.align = Alignment::Left;
    } else if (word == "qc") {
      cur_.align = Alignment::Center;
    } else if (word == "qr") {
      cur_.align = Alignment::Right;
    } else if (word == "qj") {
      cur_.align = Alignment::Justify;
    } else if (word == "fs") {
      cur_.chr.halfPoints = hasParam && param > 0 ? std::min(param, kMaxHalfPoints) : 24;
    } else if (word == "uc") {
      cur_.uc = std::clamp(param, 0, kMaxUnicodeSkip);
    } else if (word == "u") {
      if (hasParam) unicode(param);
    } else if (char16_t ch = specialCharacter(word)) {
      text(ch);
    } else if (depth_ > 1 && isSkippedDestination(word)) {
      cur_.skip = true;
    }
  }

  // \uN: N is a signed 16-bit number; the next `uc` characters are the fallback for
  // readers without Unicode and are dropped.
  void unicode(int value) {
    if (value < 0) value += 65536;
    if (value > 0 && value <= 0xFFFF) text(char16_t(value));
    pendingSkip_ = cur_.uc;
  }

  void hexByte() {
    int value = 0;
    int count = 0;
    while (count < 2 && pos_ < in_.size()) {
      const int h = ascii::hexDigit(in_[pos_]);
      if (h < 0) break;
      value = value * 16 + h;
      ++pos_;
      ++count;
    }
    if (count == 0) return;
    rawCharacter(static_cast<std::uint8_t>(value));
  }

  void rawCharacter(std::uint8_t byte) {
    if (byte < 0x20 && byte != '\t') return;
    if (consumeFallback()) return;
    text(cp1250::toUnicode(byte));
  }

  bool consumeFallback() {
    if (pendingSkip_ == 0) return false;
    --pendingSkip_;
    return true;
  }

  void text(char16_t ch) {
    if (cur_.skip || depth_ == 0) return;
    std::vector<Run>& runs = para_.runs;
    if (runs.empty() || !(runs.back().style == cur_.chr)) runs.push_back(Run{{}, cur_.chr});
    runs.back().text.push_back(ch);
  }

  void endParagraph() {
    if (cur_.skip || depth_ == 0) return;
    para_.alignment = cur_.align;
    para_.markStyle = cur_.chr;
    doc_.paragraphs.push_back(std::move(para_));
    para_ = Paragraph{};
  }

  void endDocument() {
    // A document that ends with a paragraph mark has no further, empty paragraph.
    if (!para_.runs.empty() || doc_.paragraphs.empty()) {
      para_.alignment = cur_.align;
      para_.markStyle = cur_.chr;
      doc_.paragraphs.push_back(std::move(para_));
    }
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<State> stack_;
  State cur_;
  State overflowBase_;
  int depth_ = 0;
  int overflow_ = 0;
  int pendingSkip_ = 0;
  bool finished_ = false;
  Document doc_;
  Paragraph para_;
};

Document parsePlain(std::string_view bytes) {
  Document doc;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    Paragraph p;
    const std::u16string line = cp1250::toUtf16(bytes.substr(start, end - start));
    if (!line.empty()) p.runs.push_back(Run{line, CharStyle{}});
    doc.paragraphs.push_back(std::move(p));
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  if (doc.paragraphs.empty()) doc.paragraphs.emplace_back();
  return doc;
}

}  // namespace

Document parse(std::string_view bytes) {
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || bytes.substr(first, 5) != "{\\rtf") return parsePlain(bytes);
  return Parser(bytes.substr(first)).run();
}

std::u16string plainText(const Paragraph& paragraph) {
  std::u16string out;
  for (const Run& run : paragraph.runs) out += run.text;
  return out;
}

}  // namespace tavra::rtf
