#pragma once
// Reads the bytes of an HTML document as a stream of symbols: tags with their attributes,
// character references and runs of text. The bytes are read in the document's character
// set (document_charset.h); text comes out as UTF-16, attribute values as UTF-8. One
// object holds the whole state of one parse, so documents can be read one after another
// or side by side.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "html/parse/attributes.h"
#include "html/parse/symbols.h"
#include "platform/charsets.h"

namespace tavra {


// Raised when the input ends inside a comment, a `<!` declaration or an include directive.
class EParseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* OpenCommentMessage = "Open Comment at End of HTML File";

// An include directive `<!--#command name="value" ... -->`, read when a handler is set.
// `Params` holds one line per attribute: NAME="value" (UTF-8). To insert text in place of
// the directive, the handler points `Buffer` at it and sets `BuffSize`; the text is read in
// the document's character set and copied at once, so the buffer stays the handler's.
using IncludeHandler = std::function<void(const std::string& Command, std::vector<std::string>& Params,
                                          const char*& Buffer, int& BuffSize)>;

class HtmlTokenizer {
 public:
  static constexpr char32_t EndMarker = 26;  // every source ends with it; the character ends a document
  static constexpr char32_t LineEnd = 13;    // CR, LF, CR LF and LF CR all read as this
  static constexpr int MaxTokenText = 150;
  static constexpr int MaxTextRun = 100;  // text is delivered in runs of at most this many
  // The first block of a file is where its character set is looked for.
  static constexpr int FileBufferSize = 4096;
  // A document file is read up to this many bytes; the rest is ignored as if the file
  // ended there.
  static constexpr std::size_t MaxDocumentFileBytes = std::size_t(64) << 20;

  enum class TSourceMode { File, Memory, Include };

  HtmlTokenizer();
  ~HtmlTokenizer();
  HtmlTokenizer(const HtmlTokenizer&) = delete;
  HtmlTokenizer& operator=(const HtmlTokenizer&) = delete;

  // Start reading a file (throws the platform's InOutError when it cannot be opened) or
  // `length` bytes of memory (which must outlive the parse). Either resets the whole state
  // and settles the character set from the first bytes; the first GetCh then reads the
  // first character.
  void OpenFile(const std::string& fileName);
  void SetText(const char* text, std::size_t length);
  // Reads as if the source ended here: the builder's budgets end a document early.
  void endInput();

  // Called for include directives while a file or memory text is read.
  IncludeHandler OnInclude;

  // The state the builder reads. CurrentChar is in the letter case of the source;
  // UpperChar is its upper-case form (ASCII letters only).
  char32_t CurrentChar = EndMarker;
  char32_t UpperChar = EndMarker;
  Symbol CurrentSymbol = symEndOfFile;
  std::u16string TokenText;
  int HeadingLevel = 0;      // 1..6 after H1..H6 and their end tags, else 0
  bool InScript = false;     // script text is being collected: comments are kept
  bool InPre = false;        // set by the builder: text is not folded
  bool NoParagraphSpace = false;  // the builder's flag; content symbols clear it
  TAttributeList Attributes;      // of the last tag that keeps attributes

  TSourceMode SourceMode() const { return mode_; }
  Charset DocumentCharset() const { return charset_; }

  // One normalised character, without removing comments.
  void ReadChar();
  // One character with comments, declarations and include directives removed.
  void GetCh();
  void SkipWhiteSpace();
  // Skips to the next `>` (or the end) and reads the character after it.
  void SkipPastTagEnd();

  // The next symbol of ordinary content into CurrentSymbol and TokenText.
  void NextSymbol();
  // The next symbol of TEXTAREA content: no folding, tags other than the end tag are text.
  void NextTextAreaSymbol();
  // The next symbol of SCRIPT content: references are not resolved either.
  void NextScriptSymbol();

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const;
  };

  TSourceMode mode_ = TSourceMode::Memory;
  Charset charset_ = Charset::Windows1250;
  const char16_t* byteTable_ = nullptr;  // of a single-byte set, else null
  int pending_ = -1;      // one pushed-back character; -1 = none
  int pendingByte_ = -1;  // one byte a malformed sequence gave back; -1 = none
  int pendingUnit_ = -1;  // one UTF-16 unit an unpaired surrogate gave back; -1 = none
  bool ended_ = false;  // the end marker was read: every source now answers it
  int constructDepth_ = 0;  // inside `<!` constructs: the end of input is an error
  bool inInclude_ = false;  // reading a directive: a nested one is a plain comment

  // The bytes being read: the memory text, the file buffer's current block or the
  // included text. Every source reads from here; `refill` handles the end of a block.
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  // File.
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::unique_ptr<char[]> fileBuffer_;
  std::size_t fileBytesRead_ = 0;
  // Included text, read in place of a directive; then reading returns to the saved
  // source and position.
  std::string includeText_;
  TSourceMode includeReturn_ = TSourceMode::Memory;
  const char* returnPos_ = nullptr;
  const char* returnEnd_ = nullptr;

  std::string name_;   // scratch for tag and attribute names
  std::string value_;  // scratch for attribute values

  void resetState();
  void settleCharset();
  char32_t ReadSourceChar();
  char32_t decodeChar();
  char32_t decodeUtf8(int lead);
  char32_t decodeUtf16();
  int nextUnit();
  int nextByte();
  bool refill();
  void setCurrent(char32_t c);
  void removeConstructs();

  bool GetTag();
  bool GetEntity();
  bool GetText();
  void copyPlainBytes();
  bool rawLineEndOrEnd();
  void rawText(bool stopAtReference);
  bool GetAttribute(Symbol& sym, std::string& name, std::string& text, std::int32_t& value);
  bool getAttrName(std::string& name);
  bool GetQuotedValue(std::string& text, std::int32_t& value);
  bool GetNumberValue(std::string& text, std::int32_t& value);
  void GetBareValue(std::string& text);
  // Reads a reference after `&`: the character it stands for, or 0 with the reference as
  // written (ASCII) in `asWritten`.
  char32_t readEntity(std::string& asWritten);
  void SkipComment();
  void SkipDeclaration();
  void DoInclude();
};

}  // namespace tavra
