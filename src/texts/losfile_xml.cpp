#include "texts/losfile_xml.h"

#include <map>
#include <set>
#include <string>
#include <utility>

#include "app/core/day_document.h"
#include "platform/unicode.h"
#include "texts/day_table.h"

namespace tavra::texts {

namespace {

constexpr std::size_t kMaxErrors = 50;
// Every line, source, named day and commemoration kept counts against this; a real year
// holds a few thousand, and the budget bounds what a file of empty elements could cost.
constexpr std::size_t kMaxParts = 50000;
// A reference longer than this is no reference: the readings index is kept small.
constexpr std::size_t kMaxReferenceBytes = 200;
constexpr const char* kRoot = "LOSFILE";

const char* attribute(const char* const* attributes, std::string_view name) {
  for (; attributes && attributes[0]; attributes += 2)
    if (name == attributes[0]) return attributes[1];
  return nullptr;
}

// A day or month number of one or two digits; 0 for anything else.
int smallNumber(const char* text) {
  const std::string_view digits = text ? text : "";
  if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  return std::stoi(std::string(digits));
}

// An attribute's value for a message: a value a file made long is cut after 20 characters.
std::string quoted(const char* value) {
  const std::string_view text = value ? value : "";
  const std::size_t end = utf8CharactersOn(text, 0, 20);
  return "„" + std::string(text.substr(0, end)) + (end < text.size() ? "…" : "") + "“";
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Text that comes in pieces: runs of blanks become one blank, the ends are trimmed, and
// emphasis is marked in bytes of the text.
class TextBuilder {
 public:
  void add(std::string_view text) {
    for (char c : text) {
      if (isBlank(c)) {
        blank_ = !verse_.text.empty();
        continue;
      }
      flushBlank();
      verse_.text += c;
    }
  }
  void beginEmphasis() {
    flushBlank();
    start_ = verse_.text.size();
  }
  void endEmphasis() {
    if (verse_.text.size() > start_)
      verse_.marks.push_back(MarkedSpan{start_, verse_.text.size() - start_, Mark::Emphasis});
  }
  Verse take() {
    blank_ = false;
    return std::exchange(verse_, Verse{});
  }

 private:
  void flushBlank() {
    if (blank_) verse_.text += ' ';
    blank_ = false;
  }

  Verse verse_;
  bool blank_ = false;
  std::size_t start_ = 0;
};

// The verse in Windows-1250, its marks moved along: each character becomes one byte, so
// an offset becomes the number of characters before it.
bool toWindows1250(Verse& verse, std::string& why) {
  std::string bytes;
  if (!windows1250Text(verse.text, bytes, why)) return false;
  const auto characters = [&](std::size_t end) { return utf8CharactersBetween(verse.text, 0, end); };
  for (MarkedSpan& span : verse.marks) {
    const std::size_t begin = characters(span.begin);
    span.length = characters(span.begin + span.length) - begin;
    span.begin = begin;
  }
  verse.text = std::move(bytes);
  return true;
}

// What the passage being read is, and so where it goes when it ends.
enum class Target { YearWatchword, MonthWatchword, NamedDay, OldTestament, NewTestament, Hymn, Commemoration, Reading };

enum class Part { None, Introduction, Line, Source };

class LosReader : public XmlContent {
 public:
  explicit LosReader(int year) : reader_(*this, NamedDtd::NeverRead), requested_(year) {}

  LosResult run(std::string_view bytes, std::size_t memoryLimit) {
    const std::string failure = reader_.read(bytes, memoryLimit);
    if (!failure.empty()) {
      errors_.insert(errors_.begin(), failure);
    } else if (losungs_ == 0) {
      error("soubor neobsahuje žádný den (prvek LOSUNG)");
    }
    LosResult result;
    result.errors = std::move(errors_);
    if (result.errors.size() > kMaxErrors) result.errors.resize(kMaxErrors);
    result.year.year = year_;
    result.year.yearWatchword = yearWatchword_ ? std::move(yearWatchword_) : std::move(months_[0]);
    for (int m = 1; m <= 12; ++m) result.year.monthWatchwords[std::size_t(m)] = std::move(months_[std::size_t(m)]);
    for (auto& [key, day] : days_) result.year.days.push_back(std::move(day));
    return result;
  }

 private:
  void error(std::string message) {
    if (errors_.size() < kMaxErrors) errors_.push_back(std::move(message));
  }

  // Counts a kept item against the file's budget; false (the reading ended) beyond it.
  bool keep() {
    if (++parts_ <= kMaxParts) return true;
    reader_.refuse("soubor má víc než " + std::to_string(kMaxParts) + " řádků textu a pojmenovaných dnů");
    return false;
  }

  void skip() { skipFrom_ = reader_.depth(); }

  std::string prefix(int line) const { return "řádek " + std::to_string(line) + context_ + ": "; }

  void startElement(std::string_view name, const char* const* attributes) override {
    const int depth = reader_.depth();
    if (skipFrom_) return;
    if (depth == 1) return root(name, attributes);
    if (depth == 2) return topLevel(name, attributes);
    if (part_ != Part::None) {
      // Emphasis is marked in a text's lines; elsewhere its words are plain text.
      if (name != "EM" && name != "X") return skip();
      const bool emphasis = name == "EM" && part_ == Part::Line;
      inPart_.push_back(emphasis);
      if (emphasis && emphasis_++ == 0) text_.beginEmphasis();
      return;
    }
    if (passage_ && depth == passageDepth_ + 1) return beginPart(name);
    if (day_ && depth == 3) return losungChild(name);
    skip();
  }

  void endElement() override {
    const int depth = reader_.depth();
    if (skipFrom_) {
      if (depth == skipFrom_) skipFrom_ = 0;
      return;
    }
    if (part_ != Part::None && depth > passageDepth_ + 1) {
      const bool emphasis = inPart_.back();
      inPart_.pop_back();
      if (emphasis && --emphasis_ == 0) text_.endEmphasis();
    } else if (part_ != Part::None) {
      endPart();
    } else if (passage_ && depth == passageDepth_) {
      endPassage();
    } else if (day_ && depth == 2) {
      day_ = nullptr;
      context_.clear();
    }
  }

  void characters(std::string_view text) override {
    if (part_ != Part::None && !skipFrom_) text_.add(text);
  }

  void root(std::string_view name, const char* const* attributes) {
    if (name != kRoot) return reader_.refuse("kořenový prvek je „" + std::string(name) + "“, ročenka má kořen LOSFILE");
    const char* given = attribute(attributes, "year");
    const std::string text = given ? given : "";
    int own = 0;
    if (text.size() == 4 && text.find_first_not_of("0123456789") == std::string::npos) own = std::stoi(text);
    if (given && !isDataYear(own))
      return reader_.refuse("atribut year " + quoted(given) + " není rok od " + std::to_string(FirstDataYear) + " do " +
                            std::to_string(LastDataYear));
    if (own && requested_ && own != requested_)
      return reader_.refuse("soubor je ročenka na rok " + text + ", ne na rok " + std::to_string(requested_));
    year_ = own ? own : requested_;
    if (!year_) reader_.refuse("soubor neuvádí svůj rok (atribut year prvku LOSFILE); rok lze zadat volbou --year");
  }

  // The date of a DAY or LOSUNG; false, with the error given, when it is none of the year.
  bool dateOf(std::string_view element, const char* const* attributes, Date& date) {
    const char* d = attribute(attributes, "d");
    const char* m = attribute(attributes, "m");
    date = Date{year_, smallNumber(m), smallNumber(d)};
    if (isValidDate(date.year, date.month, date.day)) return true;
    error(prefix(reader_.line()) + std::string(element) + " d=" + quoted(d) + " m=" + quoted(m) + " není den roku " +
          std::to_string(year_));
    return false;
  }

  void topLevel(std::string_view name, const char* const* attributes) {
    const int line = reader_.line();
    Date date;
    if (name == "YEAR") {
      context_ = " (YEAR)";
      if (yearWatchword_) {
        error(prefix(line) + "heslo roku je v souboru dvakrát");
        return skip();
      }
      beginPassage(Target::YearWatchword);
    } else if (name == "MONTH") {
      const char* m = attribute(attributes, "m");
      month_ = smallNumber(m);
      context_ = " (MONTH m=" + quoted(m) + ")";
      const char* fault = nullptr;
      if (month_ > 12 || (month_ == 0 && !(m && std::string_view(m) == "0"))) fault = "měsíc není číslo od 0 do 12";
      else if (months_[std::size_t(month_)]) fault = "heslo tohoto měsíce je v souboru dvakrát";
      if (fault) {
        error(prefix(line) + fault);
        return skip();
      }
      beginPassage(Target::MonthWatchword);
    } else if (name == "DAY") {
      context_.clear();
      if (!dateOf(name, attributes, date) || !keep()) return skip();
      context_ = " (" + isoDate(date) + ")";
      const char* type = attribute(attributes, "type");
      named_ = NamedDay{type && std::string_view(type) == "week", {}, {}};
      TextBuilder builder;
      builder.add(attribute(attributes, "name") ? attribute(attributes, "name") : "");
      std::string why;
      Verse nameText = builder.take();
      if (!toWindows1250(nameText, why)) {
        error(prefix(line) + "DAY, name, " + why);
        return skip();
      }
      named_.name = std::move(nameText.text);
      date_ = date;
      dayFor(date, line);
      beginPassage(Target::NamedDay);
    } else if (name == "LOSUNG") {
      context_.clear();
      if (!dateOf(name, attributes, date)) return skip();
      context_ = " (" + isoDate(date) + ")";
      ++losungs_;
      LosDay& day = dayFor(date, line);
      if (day.hasLosung) {
        error(prefix(line) + "LOSUNG tohoto dne už je na řádku " + std::to_string(day.line));
        return skip();
      }
      day.hasLosung = true;
      day.line = line;
      day_ = &day;
      seen_.clear();
    } else {
      skip();
    }
  }

  LosDay& dayFor(const Date& date, int line) {
    auto [at, fresh] = days_.try_emplace(date.month * 100 + date.day);
    if (fresh) {
      at->second.date = date;
      at->second.line = line;
    }
    return at->second;
  }

  void losungChild(std::string_view name) {
    static const std::map<std::string_view, Target> kTexts = {
        {"OT", Target::OldTestament}, {"NT", Target::NewTestament}, {"TT", Target::Hymn}, {"C", Target::Commemoration}};
    const auto text = kTexts.find(name);
    std::size_t reading = kReadingCount;
    for (std::size_t k = 0; k < kReadingCount; ++k)
      if (name == kReadingElements[k]) reading = k;
    if (text == kTexts.end() && reading == kReadingCount) return skip();
    if (name != "C" && !seen_.insert(std::string(name)).second) {
      error(prefix(reader_.line()) + "<" + std::string(name) + "> je v jednom dni dvakrát");
      return skip();
    }
    if (name == "C" && !keep()) return;
    reading_ = reading;
    element_ = std::string(name);
    beginPassage(text == kTexts.end() ? Target::Reading : text->second);
  }

  void beginPassage(Target target) {
    passage_ = Passage{};
    passageDepth_ = reader_.depth();
    target_ = target;
    if (target == Target::YearWatchword) element_ = "YEAR";
    if (target == Target::MonthWatchword) element_ = "MONTH";
    if (target == Target::NamedDay) element_ = "DAY";
  }

  void beginPart(std::string_view name) {
    if (name == "IL") part_ = Part::Introduction;
    else if (name == "L") part_ = Part::Line;
    else if (name == "SL") part_ = Part::Source;
    else return skip();
    if (!keep()) return;
    partLine_ = reader_.line();
    text_.take();
  }

  void endPart() {
    const Part part = std::exchange(part_, Part::None);
    emphasis_ = 0;
    Verse verse = text_.take();
    if (verse.text.empty()) return;
    std::string why;
    if (!toWindows1250(verse, why)) return error(prefix(partLine_) + element_ + ", " + why);
    if (part == Part::Line) {
      passage_->lines.push_back(std::move(verse));
    } else if (part == Part::Source) {
      passage_->sources.push_back(std::move(verse.text));
    } else {
      passage_->introduction += (passage_->introduction.empty() ? "" : " ") + verse.text;
    }
  }

  void endPassage() {
    Passage passage = std::move(*passage_);
    passage_.reset();
    switch (target_) {
      case Target::YearWatchword: yearWatchword_ = std::move(passage); break;
      case Target::MonthWatchword: months_[std::size_t(month_)] = std::move(passage); break;
      case Target::NamedDay:
        named_.watchword = std::move(passage);
        days_[date_.month * 100 + date_.day].named.push_back(std::move(named_));
        break;
      case Target::OldTestament: day_->oldTestament = std::move(passage); break;
      case Target::NewTestament: day_->newTestament = std::move(passage); break;
      case Target::Hymn: day_->hymn = std::move(passage); break;
      case Target::Commemoration:
        if (!passage.empty()) day_->commemorations.push_back(std::move(passage));
        break;
      case Target::Reading: keepReferences(passage.sources); break;
    }
    if (!day_) context_.clear();
  }

  void keepReferences(const std::vector<std::string>& sources) {
    std::vector<std::string>& kept = day_->readings[reading_];
    for (const std::string& source : sources) {
      std::size_t start = 0;
      while (start <= source.size()) {
        std::size_t stop = source.find("::", start);
        if (stop == std::string::npos) stop = source.size();
        std::string_view reference = std::string_view(source).substr(start, stop - start);
        while (!reference.empty() && reference.front() == ' ') reference.remove_prefix(1);
        while (!reference.empty() && reference.back() == ' ') reference.remove_suffix(1);
        if (reference.size() > kMaxReferenceBytes)
          error(prefix(partLine_) + element_ + ": odkaz je delší než " + std::to_string(kMaxReferenceBytes) + " znaků");
        else if (!reference.empty())
          kept.emplace_back(reference);
        start = stop + 2;
      }
    }
  }

  BoundedXmlReader reader_;
  int requested_ = 0;
  int year_ = 0;
  std::vector<std::string> errors_;
  std::size_t parts_ = 0;
  int losungs_ = 0;
  int skipFrom_ = 0;                 // the depth of the element skipped with all it holds; 0 none
  std::string context_;              // " (2027-01-03)": what the element being read belongs to
  std::string element_;              // the element whose passage is read, for messages
  std::optional<Passage> passage_;   // the passage being read
  int passageDepth_ = 0;
  Target target_ = Target::OldTestament;
  std::size_t reading_ = 0;          // with Target::Reading
  int month_ = 0;                    // with Target::MonthWatchword
  NamedDay named_;                   // with Target::NamedDay
  Date date_;                        // its date
  Part part_ = Part::None;           // the IL, L or SL being read
  int partLine_ = 0;
  TextBuilder text_;
  std::vector<bool> inPart_;         // the elements open inside the part: emphasis or not
  int emphasis_ = 0;
  LosDay* day_ = nullptr;            // the LOSUNG being read
  std::set<std::string> seen_;       // its texts and readings read so far
  std::map<int, LosDay> days_;       // month * 100 + day
  std::optional<Passage> yearWatchword_;
  std::array<std::optional<Passage>, 13> months_;
};

// Reads up to the root element and no further; a document refused before it (for a
// declaration in its DOCTYPE) is known by the root that DOCTYPE names.
class RootName : public XmlContent {
 public:
  RootName() : reader_(*this, NamedDtd::NeverRead) {}
  std::string of(std::string_view bytes) {
    reader_.read(bytes, kMaxXmlMemory);
    return name_.empty() ? reader_.doctypeName() : name_;
  }

 private:
  void startElement(std::string_view name, const char* const*) override {
    name_ = name;
    reader_.refuse("");
  }
  void endElement() override {}
  void characters(std::string_view) override {}

  BoundedXmlReader reader_;
  std::string name_;
};

}  // namespace

bool isLosfile(std::string_view bytes) { return RootName().of(bytes) == kRoot; }

LosResult readLosfile(std::string_view bytes, int year, std::size_t memoryLimit) {
  return LosReader(year).run(bytes, memoryLimit);
}

std::array<std::string, 4> readingKeysOf(const LosDay& day) {
  std::array<std::string, 4> keys;
  std::size_t next = 0;
  for (Reading reading : {Reading::SR, Reading::CR, Reading::AT, Reading::Ep, Reading::Ev})
    for (const std::string& reference : day.readings[std::size_t(reading)])
      if (next < 3) keys[next++] = reference;
  const std::vector<std::string>& pericope = day.readings[std::size_t(Reading::Pr)];
  if (!pericope.empty()) keys[3] = pericope.front();
  return keys;
}

}  // namespace tavra::texts
