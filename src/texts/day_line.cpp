#include "texts/day_line.h"

#include <vector>

#include "platform/codepage.h"

namespace tavra::texts {

namespace {

// In Windows-1250 the small letters with diacritics lie 0x20 above their capitals, as
// ASCII's do; the weekdays begin with p, ú, s, č or n.
char capital(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) return char(byte - 0x20);
  return c;
}

// A line cut into what the layout is made of: control words (with a numeric parameter
// kept as part of the word, "b0") and runs of text with their escapes undone.
struct Token {
  bool word = false;
  std::string value;
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool tokenize(std::string_view line, std::vector<Token>& tokens, std::string& why) {
  auto textToken = [&]() -> std::string& {
    if (tokens.empty() || tokens.back().word) tokens.push_back(Token{false, {}});
    return tokens.back().value;
  };
  std::size_t pos = 0;
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c == '{' || c == '}') {
      why = "skupina „" + std::string(1, c) + "“ na pozici " + std::to_string(pos);
      return false;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
      why = "řídicí znak na pozici " + std::to_string(pos);
      return false;
    }
    if (c != '\\') {
      textToken() += c;
      continue;
    }
    if (pos < line.size() && (line[pos] == '\\' || line[pos] == '{' || line[pos] == '}')) {
      textToken() += line[pos++];
      continue;
    }
    const std::size_t start = pos;
    while (pos < line.size() && isLetter(line[pos])) ++pos;
    while (pos > start && pos < line.size() && isDigit(line[pos])) ++pos;
    if (pos == start) {
      why = "neznámá řídicí sekvence na pozici " + std::to_string(start);
      return false;
    }
    tokens.push_back(Token{true, std::string(line.substr(start, pos - start))});
    if (pos < line.size() && line[pos] == ' ') ++pos;  // the delimiting blank
  }
  return true;
}

}  // namespace

std::string dayHeading(const Date& date) {
  std::string heading = formatDate("dddd d. MMMM yyyy", date);
  if (!heading.empty()) heading[0] = capital(heading[0]);
  return heading;
}

void appendMarkedText(std::string& line, const Verse& verse) {
  const std::string_view text = verse.text;
  std::size_t at = 0;
  auto plain = [&](std::size_t end) {
    if (end > at) line += " " + escapeRtf(text.substr(at, end - at));
    at = end;
  };
  for (const MarkedSpan& span : verse.marks) {
    plain(span.begin);
    const bool speaker = span.mark == Mark::Speaker;
    line += speaker ? "\\i " : "\\b ";
    line += escapeRtf(text.substr(span.begin, span.length));
    line += speaker ? "\\i0" : "\\b0";
    at = span.begin + span.length;
  }
  plain(text.size());
}

std::string escapeRtf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\\' || c == '{' || c == '}') out += '\\';
    out += c;
  }
  return out;
}

std::string composeDayLine(const Date& date, const DayVerses& verses) {
  if (!verses.first) return {};
  std::string line = "\\pard\\qc\\b " + escapeRtf(dayHeading(date)) + "\\b0";
  if (!verses.sunday.empty()) line += "\\line " + escapeRtf(verses.sunday);
  for (const std::optional<Verse>& verse : {verses.first, verses.second}) {
    if (!verse) continue;
    line += "\\par\\par";
    appendMarkedText(line, *verse);
    if (!verse->reference.empty()) line += "\\line\\i " + escapeRtf(verse->reference) + "\\i0";
  }
  return line;
}

std::optional<DayVerses> parseDayLine(std::string_view line, const Date& date, std::string& why) {
  DayVerses verses;
  if (line.empty()) return verses;
  std::vector<Token> tokens;
  if (!tokenize(line, tokens, why)) return std::nullopt;

  std::size_t at = 0;
  auto word = [&](std::string_view name) {
    if (at < tokens.size() && tokens[at].word && tokens[at].value == name) {
      ++at;
      return true;
    }
    why = "čeká se \\" + std::string(name);
    return false;
  };
  auto text = [&](std::string& into) {
    if (at < tokens.size() && !tokens[at].word && !tokens[at].value.empty()) {
      into = tokens[at++].value;
      return true;
    }
    why = "čeká se text";
    return false;
  };

  // A verse's text: plain runs and marked ones, at least one of them.
  auto verseText = [&](Verse& verse) {
    while (at < tokens.size()) {
      if (!tokens[at].word) {
        verse.text += tokens[at++].value;
        continue;
      }
      const bool speaker = tokens[at].value == "i";
      if (!speaker && tokens[at].value != "b") break;
      ++at;
      std::string marked;
      if (!text(marked) || !word(speaker ? "i0" : "b0")) return false;
      verse.marks.push_back(MarkedSpan{verse.text.size(), marked.size(), speaker ? Mark::Speaker : Mark::Emphasis});
      verse.text += marked;
    }
    if (!verse.text.empty()) return true;
    why = "čeká se text";
    return false;
  };

  std::string heading;
  if (!word("pard") || !word("qc") || !word("b") || !text(heading) || !word("b0")) return std::nullopt;
  if (heading != dayHeading(date)) {
    why = "nadpis „" + cp1250::toUtf8(heading) + "“ nepatří ke dni " + cp1250::toUtf8(dayHeading(date));
    return std::nullopt;
  }
  if (at < tokens.size() && tokens[at].word && tokens[at].value == "line") {
    ++at;
    if (!text(verses.sunday)) return std::nullopt;
  }
  for (std::optional<Verse>* slot : {&verses.first, &verses.second}) {
    if (at == tokens.size()) break;
    Verse verse;
    if (!word("par") || !word("par") || !verseText(verse)) return std::nullopt;
    if (at < tokens.size() && tokens[at].word && tokens[at].value == "line") {
      ++at;
      if (!word("i") || !text(verse.reference) || !word("i0")) return std::nullopt;
    }
    *slot = std::move(verse);
  }
  if (!verses.first && !verses.sunday.empty()) {
    why = "jméno neděle bez verše";
    return std::nullopt;
  }
  if (at != tokens.size()) {
    why = "za druhým veršem následuje další obsah";
    return std::nullopt;
  }
  return verses;
}

}  // namespace tavra::texts
