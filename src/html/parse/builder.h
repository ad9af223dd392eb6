#pragma once
// The document builder: reads an HTML document (or a plain text file) through the
// tokenizer and fills an empty document with its blocks, tables, forms and image maps.
// Every call is one whole parse on the calling thread; a parse must not be started from
// inside one of its own events.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "html/parse/tokenizer.h"

namespace tavra {

class TSection;
class TSectionList;

// Tables, lists and CENTER / DIV blocks nest at most this deep; start tags of those kinds
// beyond it are ignored, so that no document can exhaust the stack.
inline constexpr int MaxHtmlNesting = 200;

// The document's named anchors, sorted: upper-case name -> the text block that holds it.
// The first anchor of a name wins.
using TAnchorNames = std::map<std::string, TSection*>;

// The key of an anchor name in TAnchorNames: the name in upper case (ASCII letters).
std::string AnchorKey(std::string_view name);

// What the viewer reads after a parse.
struct TParseResults {
  std::string ParsedTitle;
  std::string ParsedBase;
  std::string ParsedBaseTarget;
};

// Reads an HTML file through a 2000-byte buffer. A comment left open at the end of the
// file ends the parse quietly with what was built; the platform's I/O error passes on.
// The events of the parse and the forms' widgets go to the document's host.
TParseResults ParseHtmlFile(TSectionList& document, TAnchorNames& anchorNames, const std::string& fileName);

// Reads `length` bytes of HTML from memory. Here EParseError reaches the caller (after the
// document has received what was built).
TParseResults ParseHtmlText(TSectionList& document, TAnchorNames& anchorNames, const char* text,
                            std::size_t length);

// Shows a plain text file as preformatted lines, one block per line.
TParseResults ParseTextFile(TSectionList& document, TAnchorNames& anchorNames, const std::string& fileName);

}  // namespace tavra
