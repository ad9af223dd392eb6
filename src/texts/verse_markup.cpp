#include "texts/verse_markup.h"

namespace tavra::texts {

Verse readMarkup(std::string_view notation) {
  Verse verse;
  std::size_t pos = 0;
  while (pos < notation.size()) {
    const char sign = notation[pos];
    if (notation.substr(pos, 2) == "##") {  // around nothing: text, both of them
      verse.text += "##";
      pos += 2;
      continue;
    }
    if (sign == '#' || sign == '/') {
      const std::size_t close = notation.find(sign, pos + 1);
      const bool marked = close != std::string_view::npos && close > pos + 1 &&
                          (sign == '#' || notation[close - 1] == ':');
      if (marked) {
        const std::string_view inner = notation.substr(pos + 1, close - pos - 1);
        verse.marks.push_back(MarkedSpan{verse.text.size(), inner.size(), sign == '#' ? Mark::Emphasis : Mark::Speaker});
        verse.text += inner;
        pos = close + 1;
        continue;
      }
    }
    verse.text += sign;
    ++pos;
  }
  return verse;
}

std::string writeMarkup(const Verse& verse) {
  std::string out;
  std::size_t at = 0;
  for (const MarkedSpan& span : verse.marks) {
    out.append(verse.text, at, span.begin - at);
    const char sign = span.mark == Mark::Emphasis ? '#' : '/';
    out += sign;
    out.append(verse.text, span.begin, span.length);
    out += sign;
    at = span.begin + span.length;
  }
  out.append(verse.text, at);
  return out;
}

bool markupReadsBack(const Verse& verse) {
  const Verse back = readMarkup(writeMarkup(verse));
  return back.text == verse.text && back.marks == verse.marks;
}

}  // namespace tavra::texts
