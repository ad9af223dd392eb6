#include "texts/watchword_xml.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <tuple>

#include "platform/codepage.h"
#include "platform/markup.h"
#include "texts/bounded_xml.h"
#include "texts/verse_markup.h"

namespace tavra::texts {

namespace {

constexpr std::size_t kMaxErrors = 50;
constexpr const char* kRoot = "FreeXml";
constexpr const char* kDay = "Losungen";

enum Field : std::size_t { Datum, Wtag, Sonntag, Losungstext, Losungsvers, Lehrtext, Lehrtextvers, kFieldCount };
constexpr std::array<const char*, kFieldCount> kFieldNames = {
    "Datum", "Wtag", "Sonntag", "Losungstext", "Losungsvers", "Lehrtext", "Lehrtextvers"};

// "2027-01-03", "2027-01-03T00:00:00" or with fractions of a second.
bool readDatum(std::string_view text, int& year, int& month, int& day) {
  if (!parseIsoDate(text.substr(0, 10), year, month, day)) return false;
  const std::string_view time = text.substr(std::min<std::size_t>(10, text.size()));
  return time.empty() || (time.size() > 1 && time[0] == 'T' && time.find_first_not_of("0123456789:.", 1) == std::string_view::npos);
}

struct PendingDay {
  int line = 0;
  std::array<std::optional<std::string>, kFieldCount> fields;  // UTF-8, as the file gives them
};

class XmlReader : public XmlContent {
 public:
  explicit XmlReader(int year) : reader_(*this, NamedDtd::Refused) { result_.table.year = year; }

  TableResult run(std::string_view bytes, std::size_t memoryLimit) {
    const std::string failure = reader_.read(bytes, memoryLimit);
    if (!failure.empty()) {
      error(failure);
    } else if (days_ == 0) {
      error("soubor neobsahuje žádný den (prvek Losungen)");
    } else if (std::none_of(result_.table.days.begin(), result_.table.days.end(),
                            [](const DayRow& day) { return day.verses.first.has_value(); })) {
      // Such a file would make a year of empty lines, which no export gives back.
      error("soubor neobsahuje žádný den s textem (Losungstext)");
    }
    if (result_.errors.empty()) listDaysWithoutText(result_.table);
    return std::move(result_);
  }

 private:
  void refuse(const std::string& why) { reader_.refuse(why); }

  void error(std::string message) {
    if (result_.errors.size() < kMaxErrors) result_.errors.push_back(std::move(message));
  }

  void startElement(std::string_view name, const char* const*) override { start(name); }
  void endElement() override { end(); }
  void characters(std::string_view text) override {
    if (field_ != kFieldCount) text_ += text;
  }

  void start(std::string_view name) {
    const int depth = reader_.depth();
    if (depth == 1) {
      if (name != kRoot)
        refuse("kořenový prvek je „" + std::string(name) + "“, soubor s texty má kořen " + kRoot + " nebo LOSFILE");
      return;
    }
    if (depth == 2 && name == kDay) {
      day_.emplace();
      day_->line = reader_.line();
      return;
    }
    if (depth == 3 && day_) {
      for (std::size_t f = 0; f < kFieldCount; ++f) {
        if (name != kFieldNames[f]) continue;
        if (day_->fields[f]) return refuse("<" + std::string(name) + "> je v jednom dni dvakrát");
        field_ = Field(f);
        text_.clear();
      }
      return;  // other elements of a day are not ours to read
    }
    if (field_ != kFieldCount)
      refuse("prvek <" + std::string(name) + "> uvnitř <" + kFieldNames[field_] + ">; text nesmí obsahovat další prvky");
  }

  void end() {
    const int depth = reader_.depth();
    if (depth == 3 && field_ != kFieldCount) {
      day_->fields[field_] = flowed(text_);
      field_ = Field(kFieldCount);
    } else if (depth == 2 && day_) {
      ++days_;
      finishDay(*day_);
      day_.reset();
    }
  }

  void finishDay(const PendingDay& pending) {
    std::string prefix = "řádek " + std::to_string(pending.line) + ": ";
    const std::optional<std::string>& datum = pending.fields[Datum];
    if (!datum) return error(prefix + "den bez data (prvek Datum)");
    int year = 0, month = 0, dayOfMonth = 0;
    if (!readDatum(*datum, year, month, dayOfMonth))
      return error(prefix + "datum „" + *datum + "“ není ve tvaru RRRR-MM-DD ani RRRR-MM-DDT00:00:00");
    const Date date{year, month, dayOfMonth};
    if (!isValidDate(year, month, dayOfMonth)) return error(prefix + "datum " + *datum + " neexistuje");
    prefix = "řádek " + std::to_string(pending.line) + " (" + isoDate(date) + "): ";
    if (result_.table.year == 0) result_.table.year = year;  // the file's own year: that of its first day
    if (year != result_.table.year)
      return error(prefix + "datum neleží v roce " + std::to_string(result_.table.year));
    const auto [seen, fresh] = lines_.try_emplace(month * 100 + dayOfMonth, pending.line);
    if (!fresh) return error(prefix + "tento den už je na řádku " + std::to_string(seen->second));

    std::array<std::string, kFieldCount> values;
    bool ok = true;
    for (Field f : {Sonntag, Losungstext, Losungsvers, Lehrtext, Lehrtextvers}) {
      std::string why;
      if (pending.fields[f] && !windows1250Text(*pending.fields[f], values[f], why)) {
        error(prefix + kFieldNames[f] + ", " + why);
        ok = false;
      }
    }
    if (!ok) return;
    auto without = [&](Field given, Field missing) {
      if (values[given].empty() || !values[missing].empty()) return false;
      error(prefix + kFieldNames[given] + " bez " + kFieldNames[missing]);
      return true;
    };
    if (without(Losungsvers, Losungstext) || without(Lehrtextvers, Lehrtext) || without(Lehrtext, Losungstext) ||
        without(Sonntag, Losungstext))
      return;

    DayRow row{date, pending.line, {}, {}};
    auto verse = [&](Field text, Field reference) {
      Verse read = readMarkup(values[text]);
      read.reference = values[reference];
      return read;
    };
    if (!values[Losungstext].empty()) row.verses.first = verse(Losungstext, Losungsvers);
    if (!values[Lehrtext].empty()) row.verses.second = verse(Lehrtext, Lehrtextvers);
    row.verses.sunday = values[Sonntag];
    result_.table.days.push_back(std::move(row));
  }

  TableResult result_;
  BoundedXmlReader reader_;
  int days_ = 0;              // Losungen elements read
  std::optional<PendingDay> day_;
  Field field_ = Field(kFieldCount);  // the field whose text is being read, if any
  std::string text_;
  std::map<int, int> lines_;  // month * 100 + day -> the line of its Losungen
};

// An element of a day, its value given in Windows-1250.
void appendElement(std::string& out, const char* name, std::string_view value) {
  out += "    <";
  out += name;
  if (value.empty()) {
    out += " />\n";
    return;
  }
  out += ">" + escapeMarkup(cp1250::toUtf8(value)) + "</" + name + ">\n";
}

}  // namespace

TableResult readWatchwordXml(std::string_view bytes, int year, std::size_t memoryLimit) {
  return XmlReader(year).run(bytes, memoryLimit);
}

std::string writeWatchwordXml(const std::vector<DayRow>& days, std::vector<std::string>& errors) {
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<FreeXml>\n";
  for (const DayRow& day : days) {
    if (!day.verses.first) continue;
    const std::string heading = dayHeading(day.date);
    out += "  <Losungen>\n";
    appendElement(out, kFieldNames[Datum], isoDate(day.date) + "T00:00:00");
    appendElement(out, kFieldNames[Wtag], heading.substr(0, heading.find(' ')));
    appendElement(out, kFieldNames[Sonntag], day.verses.sunday);
    const Verse none;
    const Verse& second = day.verses.second ? *day.verses.second : none;
    for (const auto& [verse, text, reference] : {std::tuple{&*day.verses.first, Losungstext, Losungsvers},
                                                 std::tuple{&second, Lehrtext, Lehrtextvers}}) {
      if (!markupReadsBack(*verse))
        errors.push_back("řádek " + std::to_string(day.row) + ": (" + isoDate(day.date) + ") text „" +
                         cp1250::toUtf8(verse->text) +
                         "“ nelze do XML zapsat beze změny: jeho lomítka nebo znaky # by se přečetly jako vyznačení");
      appendElement(out, kFieldNames[text], writeMarkup(*verse));
      appendElement(out, kFieldNames[reference], verse->reference);
    }
    out += "  </Losungen>\n";
  }
  out += "</FreeXml>\n";
  return out;
}

}  // namespace tavra::texts
