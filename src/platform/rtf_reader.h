#pragma once
// A reader for the small rich-text documents the program shows: the day document
// "TAVRA.TMP" and the day lines of the yearly data file. It understands groups,
// paragraphs, line breaks, tabs, bold, italic, underline, strike-out, alignment, font size,
// hexadecimal bytes in Windows-1250 and Unicode characters with their fallback. Unknown
// control words and ignorable destinations are skipped, and no input can make it fail:
// the worst a damaged file gets is odd text.

#include <string>
#include <string_view>
#include <vector>

namespace tavra::rtf {

enum class Alignment {
  Default,  // not given: the showing control's default applies
  Left,
  Center,
  Right,
  Justify,
};

struct CharStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int halfPoints = 0;  // font size in half points; 0 = not given
  friend bool operator==(const CharStyle&, const CharStyle&) = default;
};

struct Run {
  std::u16string text;  // a line break inside a paragraph is u'\n', a tab u'\t'
  CharStyle style;
};

struct Paragraph {
  Alignment alignment = Alignment::Default;
  std::vector<Run> runs;  // adjacent runs always differ in style
  CharStyle markStyle;    // the style in force at the paragraph's end (sets an empty line's height)
};

struct Document {
  std::vector<Paragraph> paragraphs;  // never empty
};

// Groups nested deeper than this keep the state of the deepest allowed group.
inline constexpr int kMaxGroupDepth = 100;

// Input that does not start with "{\rtf" (after white space) is taken as plain text in
// Windows-1250, one paragraph per line.
Document parse(std::string_view bytes);

// The text of a paragraph without styles, for tests and plain copies.
std::u16string plainText(const Paragraph& paragraph);

}  // namespace tavra::rtf
