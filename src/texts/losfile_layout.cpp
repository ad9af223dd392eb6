#include "texts/losfile_layout.h"

#include <utility>

#include "platform/codepage.h"

namespace tavra::texts {

namespace {

// The paragraph break between two parts of the day: a blank line between them.
constexpr std::string_view kPart = "\\par\\par";

std::string italic(std::string_view text) { return "\\i " + escapeRtf(text) + "\\i0"; }
std::string bold(std::string_view text) { return "\\b " + escapeRtf(text) + "\\b0"; }

// A text's lines read as one paragraph of prose: the introduction first, in italics, the
// lines joined by blanks, their emphasis kept.
Verse prose(const Passage& passage) {
  Verse verse;
  if (!passage.introduction.empty()) {
    verse.text = passage.introduction;
    verse.marks.push_back(MarkedSpan{0, verse.text.size(), Mark::Speaker});
  }
  for (const Verse& line : passage.lines) {
    if (!verse.text.empty()) verse.text += ' ';
    const std::size_t at = verse.text.size();
    verse.text += line.text;
    for (MarkedSpan span : line.marks) {
      span.begin += at;
      verse.marks.push_back(span);
    }
  }
  return verse;
}

std::string sources(const Passage& passage) {
  std::string joined;
  for (const std::string& source : passage.sources) joined += (joined.empty() ? "" : "; ") + source;
  return joined;
}

// After a control word: the text as prose or, for a hymn, line by line with a blank line
// where a lone "-" parts two stanzas; then the source in italics on a line of its own.
// Nothing for an empty passage.
std::string passageText(const Passage& passage, bool byLines) {
  std::string out;
  if (byLines) {
    if (!passage.introduction.empty()) out += italic(passage.introduction);
    bool stanzaBreak = false;
    for (const Verse& line : passage.lines) {
      if (line.text == "-") {
        stanzaBreak = !out.empty();
        continue;
      }
      if (!out.empty()) out += stanzaBreak ? "\\line\\line" : "\\line";
      stanzaBreak = false;
      appendMarkedText(out, line);
    }
  } else {
    appendMarkedText(out, prose(passage));
  }
  const std::string source = sources(passage);
  if (!source.empty()) out += (out.empty() ? "" : "\\line") + italic(source);
  return out;
}

// A part with a bold title ("2. neděle po Vánocích", "Heslo na rok 2027") over its text.
std::string titled(std::string_view title, const Passage& passage) {
  const std::string text = passageText(passage, false);
  if (title.empty()) return text.empty() ? std::string() : std::string(kPart) + text;
  return std::string(kPart) + bold(title) + (text.empty() ? "" : "\\line") + text;
}

std::string readingsText(const LosDay& day) {
  static const std::pair<Reading, const char*> kFeast[] = {{Reading::Ev, "Evangelium:"}, {Reading::Ep, "Epištola:"},
                                                          {Reading::AT, "Starý zákon:"}, {Reading::Pr, "Kázání:"},
                                                          {Reading::Bl, "Žalm:"}};
  std::vector<std::string> rows;
  const auto row = [&](const char* label, std::initializer_list<Reading> readings) {
    std::string references;
    for (Reading reading : readings)
      for (const std::string& reference : day.readings[std::size_t(reading)])
        references += (references.empty() ? "" : " \xB7 ") + reference;  // a middle dot between them
    if (!references.empty()) rows.push_back(italic(cp1250::fromUtf8(label)) + "  " + escapeRtf(references));
  };
  row("Čtení:", {Reading::SR, Reading::CR});
  for (const auto& [reading, label] : kFeast) row(label, {reading});
  std::string out;
  for (const std::string& text : rows) out += (out.empty() ? std::string(kPart) : "\\line") + text;
  return out;
}

}  // namespace

std::string composeLosDayLine(const LosYear& year, const Date& date, const LosDay* day) {
  std::string body;
  std::string weeks;
  if (day) {
    for (const NamedDay& named : day->named) {
      if (!named.week) continue;
      if (!named.name.empty()) weeks += "\\line" + italic(named.name);
      const std::string text = passageText(named.watchword, false);
      if (!text.empty()) weeks += "\\line" + text;
    }
    for (const NamedDay& named : day->named)
      if (!named.week) body += titled(named.name, named.watchword);
  }
  if (date.day == 1 && date.month == 1 && year.yearWatchword)
    body += titled(cp1250::fromUtf8("Heslo na rok ") + std::to_string(date.year), *year.yearWatchword);
  if (date.day == 1 && year.monthWatchwords[std::size_t(date.month)])
    body += titled(cp1250::fromUtf8("Heslo na měsíc ") + formatDate("MMMM", date),
                   *year.monthWatchwords[std::size_t(date.month)]);
  if (day) {
    for (const std::optional<Passage>* text : {&day->oldTestament, &day->newTestament, &day->hymn}) {
      const std::string shown = *text ? passageText(**text, text == &day->hymn) : std::string();
      if (!shown.empty()) body += std::string(kPart) + shown;
    }
    for (const Passage& commemoration : day->commemorations) {
      const std::string shown = passageText(commemoration, false);
      if (!shown.empty()) body += std::string(kPart) + shown;
    }
    body += readingsText(*day);
  }
  if (body.empty() && weeks.empty()) return {};
  return "\\pard\\qc" + bold(dayHeading(date)) + weeks + body;
}

}  // namespace tavra::texts
