#pragma once
// The one XML reader of tavra-texts, which every XML format of yearly texts goes through.
// Every file may be hostile: the parser's allocations are counted against one budget,
// elements nest at most kMaxXmlDepth deep, no entity is declared or expanded beyond the
// predefined ones and character references, nothing is declared at all, and nothing
// outside the file (a DTD, an external entity) is ever opened. The encodings are those of
// the declaration: UTF-8, UTF-16, ISO-8859-1 and the single-byte sets the program knows.

#include <cstddef>
#include <string>
#include <string_view>

namespace tavra::texts {

// The parser's memory for one file, whatever the file holds.
inline constexpr std::size_t kMaxXmlMemory = 64u << 20;
// Elements nested deeper than this are no file of yearly texts.
inline constexpr int kMaxXmlDepth = 16;

// Whether the bytes are an XML document rather than a table: a byte-order mark of
// UTF-16, or "<" first after an optional UTF-8 mark and blanks.
bool looksLikeXml(std::string_view bytes);

// Line ends and tabs in an element come from the file's layout, not from the text: a run
// of blanks holding one is dropped at either end and becomes one space inside.
std::string flowed(std::string_view text);

// What a format makes of a document's elements, handed to it in the document's order.
// Attributes are name, value, name, value, ..., null, in UTF-8 like all text.
class XmlContent {
 public:
  virtual void startElement(std::string_view name, const char* const* attributes) = 0;
  virtual void endElement() = 0;
  virtual void characters(std::string_view text) = 0;

 protected:
  ~XmlContent() = default;
};

// A DTD named in DOCTYPE: refused as a reference to a file, or let stand unread.
enum class NamedDtd { Refused, NeverRead };

class BoundedXmlReader {
 public:
  BoundedXmlReader(XmlContent& content, NamedDtd dtd) : content_(content), dtd_(dtd) {}

  // Reads the whole document within `memoryLimit` bytes of parser memory. Returns "" when
  // it was read to its end, otherwise why not (Czech, UTF-8) with the place, as in
  // "řádek 3, sloupec 12: soubor není platné XML: ...".
  std::string read(std::string_view bytes, std::size_t memoryLimit);

  // Ends the reading with `why` as its fault; the first reason given is kept, with the
  // place where it was given.
  void refuse(const std::string& why);

  // The depth of the element being read (the root is 1) and the place in the file.
  int depth() const { return depth_; }
  // The root element's name as DOCTYPE gives it, once read; "" without DOCTYPE.
  const std::string& doctypeName() const { return doctype_; }
  int line() const;
  std::string position() const;  // "řádek 3, sloupec 12: "

 private:
  friend struct ReaderCallbacks;

  XmlContent& content_;
  NamedDtd dtd_;
  void* parser_ = nullptr;  // the running parse
  std::string refusal_;
  std::string doctype_;
  int depth_ = 0;
};

}  // namespace tavra::texts
