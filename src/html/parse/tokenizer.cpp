#include "html/parse/tokenizer.h"

#include <algorithm>
#include <cerrno>

#include "html/parse/document_charset.h"
#include "platform/ascii.h"
#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

constexpr char32_t kSpace = ' ';

bool isLetter(char32_t upper) { return upper >= 'A' && upper <= 'Z'; }
bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char32_t upper) { return isDigit(upper) || (upper >= 'A' && upper <= 'F'); }
char32_t upperOf(char32_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

bool equalsIgnoreCase(std::u16string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (upperOf(text[i]) != upperOf(char32_t(lower[i]))) return false;
  return true;
}

// A numeric reference's character: any scalar value but the controls. The 32 values
// below U+00A0 that are no characters of their own stand, as they always have in these
// documents, for the characters of Windows-1250 at those bytes.
bool referencedCharacter(std::uint32_t code, char32_t& c) {
  if (code == 9) {
    c = kSpace;
  } else if (code >= 0x80 && code < 0xA0) {
    c = cp1250::toUnicode(std::uint8_t(code));
  } else if (code == 10 || (code >= 32 && isScalarValue(code))) {
    c = code;
  } else {
    return false;
  }
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
  pendingByte_ = -1;
  pendingUnit_ = -1;
  charset_ = Charset::Windows1250;
  byteTable_ = singleByteTable(charset_);
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
  refill();
  settleCharset();
}

void HtmlTokenizer::SetText(const char* text, std::size_t length) {
  resetState();
  mode_ = TSourceMode::Memory;
  if (text) {
    pos_ = text;
    end_ = text + length;
  }
  settleCharset();
}

// From the bytes at hand: the whole memory text, or a file's first block.
void HtmlTokenizer::settleCharset() {
  if (!pos_) return;
  std::size_t bomLength = 0;
  charset_ = DocumentCharsetOf(std::string_view(pos_, std::size_t(end_ - pos_)), bomLength);
  byteTable_ = singleByteTable(charset_);
  pos_ += bomLength;
}

void HtmlTokenizer::endInput() {
  ended_ = true;
  pos_ = end_ = nullptr;
}

// The current block is used up: read the file's next block, or go back from the
// included text to where the directive was. False at the end of the input.
bool HtmlTokenizer::refill() {
  while (!ended_) {
    if (mode_ == TSourceMode::Include) {
      mode_ = includeReturn_;
      pos_ = returnPos_;
      end_ = returnEnd_;
      includeText_.clear();
      if (pos_ < end_) return true;
      continue;
    }
    if (mode_ == TSourceMode::File && file_) {
      std::size_t want = std::min<std::size_t>(FileBufferSize, MaxDocumentFileBytes - fileBytesRead_);
      std::size_t n = want > 0 ? std::fread(fileBuffer_.get(), 1, want, file_.get()) : 0;
      fileBytesRead_ += n;
      if (n > 0) {
        pos_ = fileBuffer_.get();
        end_ = pos_ + n;
        return true;
      }
      if (std::ferror(file_.get())) {
        int error = errno;
        throw InOutError::fromErrno(error ? error : EIO);
      }
    }
    endInput();
  }
  return false;
}

inline int HtmlTokenizer::nextByte() {
  if (pendingByte_ >= 0) {
    const int b = pendingByte_;
    pendingByte_ = -1;
    return b;
  }
  if (pos_ < end_ || refill()) return std::uint8_t(*pos_++);
  return -1;
}

inline char32_t HtmlTokenizer::ReadSourceChar() {
  // Most documents are in a single-byte set: one lookup a character.
  const char32_t c = byteTable_ && pos_ < end_ && pendingByte_ < 0 ? byteTable_[std::uint8_t(*pos_++)] : decodeChar();
  if (c == EndMarker) endInput();  // the character ends the document like the end itself
  return c;
}

char32_t HtmlTokenizer::decodeChar() {
  if (charset_ == Charset::Utf16LE || charset_ == Charset::Utf16BE) return decodeUtf16();
  const int b = nextByte();
  if (b < 0) return EndMarker;
  if (byteTable_) return byteTable_[b];
  return decodeUtf8(b);
}

// A malformed sequence is one U+FFFD; a byte that cannot continue it starts the next.
char32_t HtmlTokenizer::decodeUtf8(int lead) {
  if (lead < 0x80) return char32_t(lead);
  int extra = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return kReplacementCharacter;
  }
  for (int k = 0; k < extra; ++k) {
    const int next = nextByte();
    if (next < 0 || (next & 0xC0) != 0x80) {
      pendingByte_ = next;
      return kReplacementCharacter;
    }
    c = (c << 6) | char32_t(next & 0x3F);
  }
  return c < least || !isScalarValue(c) ? kReplacementCharacter : c;
}

int HtmlTokenizer::nextUnit() {
  if (pendingUnit_ >= 0) {
    const int u = pendingUnit_;
    pendingUnit_ = -1;
    return u;
  }
  const int a = nextByte();
  if (a < 0) return -1;
  const int b = nextByte();
  if (b < 0) return int(kReplacementCharacter);  // half a unit at the end
  return charset_ == Charset::Utf16LE ? a | (b << 8) : (a << 8) | b;
}

char32_t HtmlTokenizer::decodeUtf16() {
  const int u = nextUnit();
  if (u < 0) return EndMarker;
  if (isLowSurrogate(char16_t(u))) return kReplacementCharacter;
  if (!isHighSurrogate(char16_t(u))) return char32_t(u);
  const int low = nextUnit();
  if (low >= 0 && isLowSurrogate(char16_t(low))) return 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
  pendingUnit_ = low;  // an unpaired high surrogate: the unit after it is read again
  return kReplacementCharacter;
}

inline void HtmlTokenizer::setCurrent(char32_t c) {
  CurrentChar = c;
  UpperChar = upperOf(c);
  if (c == EndMarker && constructDepth_ > 0) throw EParseError(OpenCommentMessage);
}

void HtmlTokenizer::ReadChar() {
  char32_t c;
  if (pending_ >= 0) {
    c = char32_t(pending_);
    pending_ = -1;
  } else {
    c = ReadSourceChar();
  }
  if (c <= '\r') {
    if (c == '\n') {
      char32_t next = ReadSourceChar();
      if (next != '\r') pending_ = int(next);
      c = LineEnd;
    } else if (c == '\r') {
      char32_t next = ReadSourceChar();
      if (next != '\n') pending_ = int(next);
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
    char32_t peek = ReadSourceChar();
    if (peek != '!') {
      pending_ = int(peek);
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
    if (command.size() < std::size_t(MaxTokenText)) command += char(CurrentChar);
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
    appendUtf16(TokenText, CurrentChar);
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
    TokenText = u"<";
    return true;
  }

  name_.clear();
  while (isLetter(UpperChar)) {
    if (name_.size() < std::size_t(MaxTokenText)) name_ += char(UpperChar);
    GetCh();
  }
  const Symbol sym = TagSymbol(name_, endTag);
  CurrentSymbol = sym;

  SkipWhiteSpace();
  HeadingLevel = 0;
  if ((sym == tagH || sym == tagHEnd) && CurrentChar >= '1' && CurrentChar <= '6') {
    HeadingLevel = int(CurrentChar - '0');
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
    if (name.size() < std::size_t(MaxTokenText)) name += char(UpperChar);
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
  const char32_t quote = CurrentChar;
  if (quote != '"' && quote != '\'') return false;
  GetCh();
  std::string asWritten;
  while (CurrentChar != quote && CurrentChar != EndMarker) {
    if (CurrentChar == LineEnd) {
      GetCh();
    } else if (CurrentChar == '&') {
      if (const char32_t c = readEntity(asWritten))
        appendUtf8(text, c);
      else
        text += asWritten;
    } else {
      appendUtf8(text, CurrentChar);
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
    appendUtf8(text, UpperChar);
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
    appendUtf8(text, CurrentChar);
    GetCh();
  }
}

bool HtmlTokenizer::GetEntity() {
  if (UpperChar != '&') return false;
  CurrentSymbol = symText;
  TokenText.clear();
  std::string asWritten;
  if (const char32_t c = readEntity(asWritten))
    appendUtf16(TokenText, c);
  else
    TokenText.assign(asWritten.begin(), asWritten.end());
  return true;
}

char32_t HtmlTokenizer::readEntity(std::string& asWritten) {
  asWritten = "&";
  GetCh();
  if (CurrentChar == '#') {
    asWritten += '#';
    GetCh();
    const bool hex = UpperChar == 'X';
    if (hex) {
      asWritten += char(CurrentChar);
      GetCh();
    }
    // At this many digits no number is a character: the rest is text as written.
    constexpr std::size_t kMaxDigits = 9;
    const std::size_t first = asWritten.size();
    std::uint32_t code = 0;
    while (hex ? isHexDigit(UpperChar) : isDigit(CurrentChar)) {
      const char32_t digit = UpperChar;
      asWritten += char(CurrentChar);
      GetCh();
      code = code * (hex ? 16 : 10) + std::uint32_t(isDigit(digit) ? digit - '0' : digit - 'A' + 10);
      if (asWritten.size() - first == kMaxDigits) return 0;
    }
    const bool semicolon = CurrentChar == ';';
    if (semicolon) GetCh();
    char32_t c;
    if (asWritten.size() > first && referencedCharacter(code, c)) return c;
    if (semicolon) asWritten += ';';
    return 0;
  }

  constexpr std::size_t kMaxName = 9;  // one more than the longest name
  while (isLetter(UpperChar) || isDigit(UpperChar)) {
    asWritten += char(CurrentChar);
    GetCh();
    if (asWritten.size() - 1 == kMaxName) return 0;  // longer than any name: not looked up
  }
  const bool semicolon = CurrentChar == ';';
  if (semicolon) GetCh();
  char32_t c;
  if (EntityCharacter(std::string_view(asWritten).substr(1), c)) return c;
  if (semicolon) asWritten += ';';
  return 0;
}

// Most of a document is letters: in a single-byte set they are copied straight from the
// bytes while each is one that GetText would only append (no space, markup, reference,
// control or surrogate), as if each had been read and appended in turn.
void HtmlTokenizer::copyPlainBytes() {
  if (!byteTable_ || pending_ >= 0 || pendingByte_ >= 0 || TokenText.size() >= std::size_t(MaxTextRun)) return;
  const char* const stop = pos_ + std::min<std::ptrdiff_t>(end_ - pos_, MaxTextRun - std::ptrdiff_t(TokenText.size()));
  const char* p = pos_;
  for (; p < stop; ++p) {
    const char32_t c = byteTable_[std::uint8_t(*p)];
    if (c <= kSpace || c == '&' || c == '<' || c == '>' || c >= 0xD800) break;
  }
  std::size_t at = TokenText.size();
  TokenText.resize(at + std::size_t(p - pos_));
  for (; pos_ < p; ++pos_) TokenText[at++] = byteTable_[std::uint8_t(*pos_)];
}

bool HtmlTokenizer::GetText() {
  auto ends = [](char32_t c) { return (c < 32 && c != LineEnd) || c == '&' || c == '<' || c == '>'; };
  while (TokenText.size() < std::size_t(MaxTextRun) && !ends(CurrentChar)) {
    if (!InPre && (CurrentChar == kSpace || CurrentChar == LineEnd)) {
      TokenText += char16_t(kSpace);
      SkipWhiteSpace();
    } else {
      appendUtf16(TokenText, CurrentChar);
      copyPlainBytes();
      GetCh();
    }
  }
  if (TokenText.empty()) return false;
  CurrentSymbol = symText;
  return true;
}

// The symbols TEXTAREA and SCRIPT content share: the end, and a line end.
bool HtmlTokenizer::rawLineEndOrEnd() {
  TokenText.clear();
  if (CurrentChar == EndMarker) {
    CurrentSymbol = symEndOfFile;
  } else if (CurrentChar == LineEnd) {
    CurrentSymbol = symLineEnd;
    GetCh();
  } else {
    return false;
  }
  return true;
}

// Text as written up to a line end, a `<` or, in TEXTAREA content, a reference.
void HtmlTokenizer::rawText(bool stopAtReference) {
  while (TokenText.size() < std::size_t(MaxTextRun) && CurrentChar != LineEnd && CurrentChar != EndMarker &&
         !(stopAtReference && CurrentChar == '&') && CurrentChar != '<') {
    appendUtf16(TokenText, CurrentChar);
    GetCh();
  }
  CurrentSymbol = symText;
}

void HtmlTokenizer::NextTextAreaSymbol() {
  if (rawLineEndOrEnd()) return;
  if (CurrentChar == '<') {
    TokenText = u"<";
    GetCh();
    while (TokenText.size() < std::size_t(MaxTokenText) && CurrentChar != kSpace &&
           CurrentChar != LineEnd && CurrentChar != '>' && CurrentChar != EndMarker) {
      appendUtf16(TokenText, CurrentChar);
      GetCh();
    }
    CurrentSymbol = equalsIgnoreCase(TokenText, "</textarea") ? tagTextareaEnd : symOtherTag;
  } else if (CurrentChar == '&') {
    GetEntity();
  } else {
    rawText(true);
  }
}

void HtmlTokenizer::NextScriptSymbol() {
  if (rawLineEndOrEnd()) return;
  if (CurrentChar == '<') {
    TokenText = u"<";
    GetCh();
    for (int i = 0; i < 7 && (CurrentChar == '/' || isLetter(UpperChar)); ++i) {
      appendUtf16(TokenText, CurrentChar);
      GetCh();
    }
    if (CurrentChar == '>') {
      TokenText += u'>';
      GetCh();
    }
    CurrentSymbol = equalsIgnoreCase(TokenText, "</script>") ? tagScriptEnd : symOtherTag;
  } else {
    rawText(false);
  }
}

}  // namespace tavra
