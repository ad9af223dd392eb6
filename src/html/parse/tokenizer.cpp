#include "html/parse/tokenizer.h"

#include <algorithm>
#include <cerrno>

#include "platform/file_system.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

constexpr char kSpace = ' ';

bool isLetter(char upper) { return upper >= 'A' && upper <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool equalsIgnoreCase(const std::string& text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (ascii::toUpper(text[i]) != ascii::toUpper(lower[i])) return false;
  return true;
}

// Trims characters with codes 0..32 from both ends.
void trimControls(std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && std::uint8_t(s[b]) <= 32) ++b;
  while (e > b && std::uint8_t(s[e - 1]) <= 32) --e;
  if (b > 0 || e < s.size()) s = s.substr(b, e - b);
}

}  // namespace

void HtmlTokenizer::FileCloser::operator()(std::FILE* f) const { std::fclose(f); }

HtmlTokenizer::HtmlTokenizer() {
  TokenText.reserve(MaxTokenText + 16);
  name_.reserve(MaxTokenText + 16);
  value_.reserve(256);
}

HtmlTokenizer::~HtmlTokenizer() = default;

void HtmlTokenizer::resetState() {
  pending_ = -1;
  ended_ = false;
  constructDepth_ = 0;
  inInclude_ = false;
  pos_ = end_ = nullptr;
  file_.reset();
  includeText_.clear();
  returnPos_ = returnEnd_ = nullptr;
  CurrentChar = UpperChar = EndMarker;
  CurrentSymbol = symEndOfFile;
  TokenText.clear();
  HeadingLevel = 0;
  InScript = InPre = NoParagraphSpace = false;
  Attributes.Clear();
}

void HtmlTokenizer::OpenFile(const std::string& fileName) {
  resetState();
  mode_ = TSourceMode::File;
  Descriptor fd = openRegularFile(fileName);
  std::FILE* f = ::fdopen(fd.get(), "rb");
  if (!f) throw InOutError::fromErrno(errno);
  fd.release();
  file_.reset(f);
  fileBytesRead_ = 0;
  if (!fileBuffer_) fileBuffer_ = std::make_unique<char[]>(FileBufferSize);
}

void HtmlTokenizer::SetText(const char* text, std::size_t length) {
  resetState();
  mode_ = TSourceMode::Memory;
  if (text) {
    pos_ = text;
    end_ = text + length;
  }
}

void HtmlTokenizer::endInput() {
  ended_ = true;
  pos_ = end_ = nullptr;
}

// The current block is used up: read the file's next block, or leave the included text.
char HtmlTokenizer::refill() {
  if (ended_) return EndMarker;
  if (mode_ == TSourceMode::Include) {
    mode_ = includeReturn_;
    pos_ = returnPos_;
    end_ = returnEnd_;
    includeText_.clear();
    return ReadSourceChar();
  }
  if (mode_ == TSourceMode::File && file_) {
    std::size_t want = std::min<std::size_t>(FileBufferSize, MaxDocumentFileBytes - fileBytesRead_);
    std::size_t n = want > 0 ? std::fread(fileBuffer_.get(), 1, want, file_.get()) : 0;
    fileBytesRead_ += n;
    if (n > 0) {
      pos_ = fileBuffer_.get();
      end_ = pos_ + n;
      return ReadSourceChar();
    }
    if (std::ferror(file_.get())) {
      int error = errno;
      throw InOutError::fromErrno(error ? error : EIO);
    }
  }
  endInput();
  return EndMarker;
}

inline char HtmlTokenizer::ReadSourceChar() {
  if (pos_ < end_) {
    char c = *pos_++;
    if (c == EndMarker) endInput();  // the byte ends the document like the end itself
    return c;
  }
  return refill();
}

inline void HtmlTokenizer::setCurrent(char c) {
  CurrentChar = c;
  UpperChar = ascii::toUpper(c);
  if (c == EndMarker && constructDepth_ > 0) throw EParseError(OpenCommentMessage);
}

void HtmlTokenizer::ReadChar() {
  char c;
  if (pending_ >= 0) {
    c = char(pending_);
    pending_ = -1;
  } else {
    c = ReadSourceChar();
  }
  if (std::uint8_t(c) <= '\r') {
    if (c == '\n') {
      char next = ReadSourceChar();
      if (next != '\r') pending_ = std::uint8_t(next);
      c = LineEnd;
    } else if (c == '\r') {
      char next = ReadSourceChar();
      if (next != '\n') pending_ = std::uint8_t(next);
    } else if (c == '\t') {
      c = kSpace;
    }
  }
  setCurrent(c);
}

void HtmlTokenizer::GetCh() {
  ReadChar();
  if (UpperChar == '<' && !InScript) removeConstructs();
}

// After a `<`: a `<!` construct (comment, directive or declaration) is skipped together
// with any that follow it directly, so that the character after the last one is current.
void HtmlTokenizer::removeConstructs() {
  for (;;) {
    char peek = ReadSourceChar();
    if (peek != '!') {
      pending_ = std::uint8_t(peek);
      return;
    }
    {
      struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
      } inside(constructDepth_);
      ReadChar();
      if (CurrentChar == '-') {
        ReadChar();
        if (CurrentChar == '-') {
          ReadChar();
          // A directive met while reading another one (inside its attribute values) is a
          // plain comment: directives never nest, so input cannot drive the reader deeper.
          if (OnInclude && CurrentChar == '#' && mode_ != TSourceMode::Include && !inInclude_)
            DoInclude();
          else
            SkipComment();
        } else {
          SkipDeclaration();
        }
      } else {
        SkipDeclaration();
      }
    }
    // Past the construct's `>`: the end of input is no longer an error.
    ReadChar();
    if (UpperChar != '<' || InScript) return;
  }
}

void HtmlTokenizer::SkipComment() {
  for (;;) {
    while (CurrentChar != '-') ReadChar();
    ReadChar();
    if (CurrentChar == '-') {
      while (CurrentChar == '-') ReadChar();
      while (CurrentChar == kSpace || CurrentChar == LineEnd) ReadChar();
      if (CurrentChar == '>') return;
    }
  }
}

void HtmlTokenizer::SkipDeclaration() {
  while (CurrentChar != '>') ReadChar();
}

void HtmlTokenizer::DoInclude() {
  struct Guard {
    bool& flag;
    explicit Guard(bool& f) : flag(f) { flag = true; }
    ~Guard() { flag = false; }
  } guard(inInclude_);

  GetCh();
  std::string command;
  while (isLetter(UpperChar)) {
    if (command.size() < std::size_t(MaxTokenText)) command += CurrentChar;
    GetCh();
  }
  std::vector<std::string> params;
  Symbol sym;
  std::string name, text;
  std::int32_t value;
  while (GetAttribute(sym, name, text, value)) params.push_back(name + "=\"" + text + "\"");
  SkipComment();

  const char* buffer = nullptr;
  int size = 0;
  OnInclude(command, params, buffer, size);
  if (buffer && size > 0) {
    includeText_.assign(buffer, std::size_t(size));
    includeReturn_ = mode_;
    returnPos_ = pos_;
    returnEnd_ = end_;
    mode_ = TSourceMode::Include;
    pos_ = includeText_.data();
    end_ = pos_ + includeText_.size();
  }
}

void HtmlTokenizer::SkipWhiteSpace() {
  while (CurrentChar == kSpace || CurrentChar == LineEnd || CurrentChar == '\t') GetCh();
}

void HtmlTokenizer::SkipPastTagEnd() {
  while (CurrentChar != '>' && CurrentChar != EndMarker) GetCh();
  GetCh();
}

void HtmlTokenizer::NextSymbol() {
  TokenText.clear();
  if (CurrentChar == EndMarker) {
    CurrentSymbol = symEndOfFile;
  } else if (!GetTag() && !GetEntity() && !GetText()) {
    CurrentSymbol = symStrayChar;
    TokenText = CurrentChar;
    GetCh();
  }
  if (NoParagraphSpace) {
    switch (CurrentSymbol) {
      case tagBr:
      case tagH:
      case tagHr:
      case tagImg:
      case symText:
      case tagTable:
      case tagInput:
      case tagTextarea:
      case tagSelect:
        NoParagraphSpace = false;
        break;
      default:
        break;
    }
  }
}

bool HtmlTokenizer::GetTag() {
  if (UpperChar != '<') return false;
  GetCh();
  bool endTag = false;
  if (CurrentChar == '/') {
    endTag = true;
    GetCh();
  } else if (!isLetter(UpperChar)) {
    CurrentSymbol = symText;
    TokenText = "<";
    return true;
  }

  name_.clear();
  while (isLetter(UpperChar)) {
    if (name_.size() < std::size_t(MaxTokenText)) name_ += UpperChar;
    GetCh();
  }
  const Symbol sym = TagSymbol(name_, endTag);
  CurrentSymbol = sym;

  SkipWhiteSpace();
  HeadingLevel = 0;
  if ((sym == tagH || sym == tagHEnd) && CurrentChar >= '1' && CurrentChar <= '6') {
    HeadingLevel = CurrentChar - '0';
    GetCh();
  }

  const bool keep = KeepsAttributes(sym);
  if (keep) Attributes.Clear();
  Symbol attr;
  std::int32_t value;
  while (GetAttribute(attr, name_, value_, value))
    if (keep) Attributes.Add(attr, value, value_);
  SkipPastTagEnd();
  return true;
}

bool HtmlTokenizer::getAttrName(std::string& name) {
  if (!isLetter(UpperChar)) return false;
  name.clear();
  while (isLetter(UpperChar) || UpperChar == '-') {
    if (name.size() < std::size_t(MaxTokenText)) name += UpperChar;
    GetCh();
  }
  return true;
}

bool HtmlTokenizer::GetAttribute(Symbol& sym, std::string& name, std::string& text,
                                 std::int32_t& value) {
  SkipWhiteSpace();
  if (!getAttrName(name)) return false;
  sym = AttributeSymbol(name);
  SkipWhiteSpace();
  text.clear();
  value = sym == attrBorder ? 1 : 0;
  if (CurrentChar == '=') {
    GetCh();
    SkipWhiteSpace();
    if (!GetQuotedValue(text, value) && !GetNumberValue(text, value)) GetBareValue(text);
  }
  return true;
}

bool HtmlTokenizer::GetQuotedValue(std::string& text, std::int32_t& value) {
  const char quote = CurrentChar;
  if (quote != '"' && quote != '\'') return false;
  GetCh();
  while (CurrentChar != quote && CurrentChar != EndMarker) {
    if (CurrentChar == LineEnd) {
      GetCh();
    } else if (CurrentChar == '&') {
      readEntity(text);
    } else {
      text += CurrentChar;
      GetCh();
    }
  }
  if (CurrentChar == quote) GetCh();
  trimControls(text);

  // A percentage counts by its number.
  std::string_view number = text;
  std::string withoutPercent;
  if (!text.empty() && text.back() == '%') {
    withoutPercent = text;
    withoutPercent.erase(withoutPercent.find('%'), 1);
    number = withoutPercent;
  }
  if (!ParseInteger(number, value)) value = 0;
  return true;
}

bool HtmlTokenizer::GetNumberValue(std::string& text, std::int32_t& value) {
  if (UpperChar != '+' && UpperChar != '-' && !isDigit(UpperChar)) return false;
  while (CurrentChar != kSpace && CurrentChar != LineEnd && CurrentChar != EndMarker &&
         CurrentChar != '%' && CurrentChar != '>' && CurrentChar != '\t') {
    text += UpperChar;
    GetCh();
  }
  SkipWhiteSpace();
  if (!ParseInteger(text, value)) value = 0;
  if (CurrentChar == '%') {
    text += '%';
    GetCh();
  }
  return true;
}

void HtmlTokenizer::GetBareValue(std::string& text) {
  while (CurrentChar != kSpace && CurrentChar != LineEnd && CurrentChar != EndMarker &&
         CurrentChar != '>' && CurrentChar != '\t') {
    text += CurrentChar;
    GetCh();
  }
}

bool HtmlTokenizer::GetEntity() {
  if (UpperChar != '&') return false;
  CurrentSymbol = symText;
  TokenText.clear();
  readEntity(TokenText);
  return true;
}

void HtmlTokenizer::readEntity(std::string& out) {
  GetCh();
  if (CurrentChar == '#') {
    GetCh();
    constexpr int kMaxDigits = 6;
    char digits[kMaxDigits];
    int n = 0;
    while (isDigit(CurrentChar)) {
      digits[n++] = CurrentChar;
      GetCh();
      if (n == kMaxDigits) {  // too long to be a character: the text as written
        out += "&#";
        out.append(digits, kMaxDigits);
        return;
      }
    }
    const bool semicolon = CurrentChar == ';';
    if (semicolon) GetCh();
    if (n > 0) {
      int code = 0;
      for (int i = 0; i < n; ++i) code = code * 10 + (digits[i] - '0');
      if (code == 9) {
        out += kSpace;
        return;
      }
      if (code == 10 || (code >= 32 && code <= 255)) {
        out += char(code);
        return;
      }
    }
    out += "&#";
    out.append(digits, std::size_t(n));
    if (semicolon) out += ';';
    return;
  }

  constexpr int kMaxName = 7;
  char name[kMaxName];
  int n = 0;
  while (isLetter(UpperChar) || isDigit(UpperChar)) {
    name[n++] = CurrentChar;
    GetCh();
    if (n == kMaxName) {  // longer than any name: not looked up
      out += '&';
      out.append(name, kMaxName);
      return;
    }
  }
  const bool semicolon = CurrentChar == ';';
  if (semicolon) GetCh();
  char byte;
  if (EntityCharacter(std::string_view(name, std::size_t(n)), byte)) {
    out += byte;
    return;
  }
  out += '&';
  out.append(name, std::size_t(n));
  if (semicolon) out += ';';
}

bool HtmlTokenizer::GetText() {
  auto ends = [](char c) {
    return (std::uint8_t(c) < 32 && c != LineEnd) || c == '&' || c == '<' || c == '>';
  };
  while (TokenText.size() < std::size_t(MaxTextRun) && !ends(CurrentChar)) {
    if (!InPre && (CurrentChar == kSpace || CurrentChar == LineEnd)) {
      TokenText += kSpace;
      SkipWhiteSpace();
    } else {
      TokenText += CurrentChar;
      GetCh();
    }
  }
  if (TokenText.empty()) return false;
  CurrentSymbol = symText;
  return true;
}

void HtmlTokenizer::NextTextAreaSymbol() {
  TokenText.clear();
  if (CurrentChar == EndMarker) {
    CurrentSymbol = symEndOfFile;
  } else if (CurrentChar == LineEnd) {
    CurrentSymbol = symLineEnd;
    GetCh();
  } else if (CurrentChar == '<') {
    TokenText = "<";
    GetCh();
    while (TokenText.size() < std::size_t(MaxTokenText) && CurrentChar != kSpace &&
           CurrentChar != LineEnd && CurrentChar != '>' && CurrentChar != EndMarker) {
      TokenText += CurrentChar;
      GetCh();
    }
    CurrentSymbol = equalsIgnoreCase(TokenText, "</textarea") ? tagTextareaEnd : symOtherTag;
  } else if (CurrentChar == '&') {
    GetEntity();
  } else {
    while (TokenText.size() < std::size_t(MaxTextRun) && CurrentChar != LineEnd &&
           CurrentChar != EndMarker && CurrentChar != '&' && CurrentChar != '<') {
      TokenText += CurrentChar;
      GetCh();
    }
    CurrentSymbol = symText;
  }
}

void HtmlTokenizer::NextScriptSymbol() {
  TokenText.clear();
  if (CurrentChar == EndMarker) {
    CurrentSymbol = symEndOfFile;
  } else if (CurrentChar == LineEnd) {
    CurrentSymbol = symLineEnd;
    GetCh();
  } else if (CurrentChar == '<') {
    TokenText = "<";
    GetCh();
    for (int i = 0; i < 7 && (CurrentChar == '/' || isLetter(UpperChar)); ++i) {
      TokenText += CurrentChar;
      GetCh();
    }
    if (CurrentChar == '>') {
      TokenText += '>';
      GetCh();
    }
    CurrentSymbol = equalsIgnoreCase(TokenText, "</script>") ? tagScriptEnd : symOtherTag;
  } else {
    while (TokenText.size() < std::size_t(MaxTextRun) && CurrentChar != LineEnd &&
           CurrentChar != EndMarker && CurrentChar != '<') {
      TokenText += CurrentChar;
      GetCh();
    }
    CurrentSymbol = symText;
  }
}

}  // namespace tavra
