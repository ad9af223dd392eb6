#include "texts/watchword_xml.h"

#include <algorithm>

#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include <expat.h>

#include "platform/charsets.h"
#include "platform/codepage.h"
#include "platform/unicode.h"
#include "texts/verse_markup.h"

namespace tavra::texts {

namespace {

constexpr std::size_t kMaxErrors = 50;
constexpr const char* kRoot = "FreeXml";
constexpr const char* kDay = "Losungen";

enum Field : std::size_t { Datum, Wtag, Sonntag, Losungstext, Losungsvers, Lehrtext, Lehrtextvers, kFieldCount };
constexpr std::array<const char*, kFieldCount> kFieldNames = {
    "Datum", "Wtag", "Sonntag", "Losungstext", "Losungsvers", "Lehrtext", "Lehrtextvers"};

// The parser's allocations, counted against one budget. The functions get no context of
// their own, and a parse runs on one thread, so the budget is the thread's.
struct MemoryBudget {
  std::size_t used = 0;
  std::size_t limit = 0;
  bool exceeded = false;
};
thread_local MemoryBudget* tBudget = nullptr;

// Each block carries its size in front, so that realloc and free can give it back.
constexpr std::size_t kHeader = alignof(std::max_align_t) > sizeof(std::size_t) ? alignof(std::max_align_t)
                                                                                : sizeof(std::size_t);

void* budgetMalloc(std::size_t size) {
  MemoryBudget& budget = *tBudget;
  if (size > budget.limit - budget.used) {
    budget.exceeded = true;
    return nullptr;
  }
  auto* block = static_cast<unsigned char*>(std::malloc(kHeader + size));
  if (!block) return nullptr;
  std::memcpy(block, &size, sizeof size);
  budget.used += size;
  return block + kHeader;
}

void budgetFree(void* pointer) {
  if (!pointer) return;
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  std::size_t size = 0;
  std::memcpy(&size, block, sizeof size);
  tBudget->used -= size;
  std::free(block);
}

void* budgetRealloc(void* pointer, std::size_t size) {
  if (!pointer) return budgetMalloc(size);
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  std::size_t old = 0;
  std::memcpy(&old, block, sizeof old);
  MemoryBudget& budget = *tBudget;
  if (size > old && size - old > budget.limit - budget.used) {
    budget.exceeded = true;
    return nullptr;
  }
  auto* grown = static_cast<unsigned char*>(std::realloc(block, kHeader + size));
  if (!grown) return nullptr;
  std::memcpy(grown, &size, sizeof size);
  budget.used = budget.used - old + size;
  return grown + kHeader;
}

const XML_Memory_Handling_Suite kBudgetSuite = {budgetMalloc, budgetRealloc, budgetFree};

// The single-byte sets the program knows, for declarations the parser does not know itself
// (it knows UTF-8, UTF-16, ISO-8859-1 and US-ASCII).
int XMLCALL singleByteEncoding(void*, const XML_Char* name, XML_Encoding* info) {
  Charset charset;
  if (!charsetByName(name, charset)) return XML_STATUS_ERROR;
  const char16_t* table = singleByteTable(charset);
  if (!table) return XML_STATUS_ERROR;
  for (int b = 0; b < 256; ++b) info->map[b] = table[b] == kReplacementCharacter ? -1 : int(table[b]);
  info->data = nullptr;
  info->convert = nullptr;
  info->release = nullptr;
  return XML_STATUS_OK;
}

std::string xmlFault(XML_Error code) {
  switch (code) {
    case XML_ERROR_NO_MEMORY: return "nedostatek paměti";
    case XML_ERROR_SYNTAX: return "chyba skladby";
    case XML_ERROR_NO_ELEMENTS: return "soubor nemá žádný prvek";
    case XML_ERROR_INVALID_TOKEN: return "neplatný znak nebo značka";
    case XML_ERROR_UNCLOSED_TOKEN: return "neukončená značka";
    case XML_ERROR_PARTIAL_CHAR: return "neúplný znak";
    case XML_ERROR_TAG_MISMATCH: return "koncová značka nepatří k otevřenému prvku";
    case XML_ERROR_DUPLICATE_ATTRIBUTE: return "atribut je uveden dvakrát";
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT: return "za kořenovým prvkem následuje další obsah";
    case XML_ERROR_UNDEFINED_ENTITY: return "neznámá entita (známé jsou jen &amp; &lt; &gt; &quot; &apos; a odkazy na znaky)";
    case XML_ERROR_BAD_CHAR_REF: return "odkaz na znak, který XML nepřipouští";
    case XML_ERROR_MISPLACED_XML_PI: return "deklarace XML není na začátku souboru";
    case XML_ERROR_UNKNOWN_ENCODING:
      return "neznámé kódování (známá jsou UTF-8, UTF-16, ISO-8859-1, ISO-8859-2, Windows-1250 a Windows-1252)";
    case XML_ERROR_INCORRECT_ENCODING: return "obsah neodpovídá kódování z deklarace";
    case XML_ERROR_UNCLOSED_CDATA_SECTION: return "neukončený oddíl CDATA";
    case XML_ERROR_XML_DECL: return "chybná deklarace XML";
    default: return std::string("chyba XML (") + XML_ErrorString(code) + ")";
  }
}

// Line ends and tabs in an element come from the file's layout, not from the text: a run
// of blanks holding one is dropped at either end and becomes one space inside.
std::string flowed(std::string_view text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t run = text.find_first_not_of(" \t\r\n", pos);
    const std::size_t end = run == std::string_view::npos ? text.size() : run;
    if (end == pos) {
      out += text[pos++];
      continue;
    }
    const std::string_view blanks = text.substr(pos, end - pos);
    if (blanks.find_first_of("\t\r\n") == std::string_view::npos) {
      out += blanks;
    } else if (pos > 0 && end < text.size()) {
      out += ' ';
    }
    pos = end;
  }
  return out;
}

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

class XmlReader {
 public:
  explicit XmlReader(int year) { result_.table.year = year; }

  TableResult run(std::string_view bytes, std::size_t memoryLimit) {
    MemoryBudget budget;
    budget.limit = memoryLimit;
    tBudget = &budget;
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> owner(XML_ParserCreate_MM(nullptr, &kBudgetSuite, nullptr),
                                                                  XML_ParserFree);
    parser_ = owner.get();
    if (!parser_ || bytes.size() > std::size_t(INT_MAX)) {
      error("na čtení souboru nestačí paměť");
    } else {
      configure();
      const auto status = XML_Parse(parser_, bytes.data(), int(bytes.size()), XML_TRUE);
      if (!refusal_.empty()) {
        error(refusal_);
      } else if (budget.exceeded) {
        error(position() + "čtení by potřebovalo víc než " + std::to_string(memoryLimit >> 10) +
              " KiB paměti, soubor je odmítnut");
      } else if (status != XML_STATUS_OK) {
        error(position() + "soubor není platné XML: " + xmlFault(XML_GetErrorCode(parser_)));
      } else if (days_ == 0) {
        error("soubor neobsahuje žádný den (prvek Losungen)");
      } else if (std::none_of(result_.table.days.begin(), result_.table.days.end(),
                              [](const DayRow& day) { return day.verses.first.has_value(); })) {
        // Such a file would make a year of empty lines, which no export gives back.
        error("soubor neobsahuje žádný den s textem (Losungstext)");
      }
    }
    owner.reset();
    tBudget = nullptr;
    if (result_.errors.empty()) listDaysWithoutText(result_.table);
    return std::move(result_);
  }

 private:
  static XmlReader& self(void* data) { return *static_cast<XmlReader*>(data); }

  void configure() {
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
    XML_SetUnknownEncodingHandler(parser_, singleByteEncoding, nullptr);
    // Nothing outside the file is ever read, and no entity of the file's own is expanded:
    // a declaration of one is refused before anything could refer to it.
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetStartDoctypeDeclHandler(parser_, onDoctype);
    XML_SetEntityDeclHandler(parser_, onEntity);
    XML_SetSkippedEntityHandler(parser_, onSkippedEntity);
    XML_SetExternalEntityRefHandler(parser_, onExternalEntity);
  }

  std::string position() const {
    return "řádek " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ", sloupec " +
           std::to_string(XML_GetCurrentColumnNumber(parser_) + 1) + ": ";
  }

  void refuse(const std::string& why) {
    if (refusal_.empty()) refusal_ = position() + why;
    XML_StopParser(parser_, XML_FALSE);
  }

  void error(std::string message) {
    if (result_.errors.size() < kMaxErrors) result_.errors.push_back(std::move(message));
  }

  static void XMLCALL onDoctype(void* data, const XML_Char*, const XML_Char* systemId, const XML_Char* publicId, int) {
    if (systemId || publicId)
      self(data).refuse("soubor odkazuje na vnější DTD „" + std::string(systemId ? systemId : publicId) +
                        "“; to se nečte, soubor je odmítnut");
  }

  static void XMLCALL onEntity(void* data, const XML_Char* name, int, const XML_Char*, int, const XML_Char*,
                               const XML_Char* systemId, const XML_Char*, const XML_Char*) {
    self(data).refuse("soubor deklaruje " + std::string(systemId ? "vnější " : "") + "entitu „" + name +
                      "“; vlastní entity se nerozvinují ani nečtou, soubor je odmítnut");
  }

  static void XMLCALL onSkippedEntity(void* data, const XML_Char* name, int) {
    self(data).refuse("odkaz na nedeklarovanou entitu „" + std::string(name) + "“; soubor je odmítnut");
  }

  static int XMLCALL onExternalEntity(XML_Parser parser, const XML_Char*, const XML_Char*, const XML_Char* systemId,
                                      const XML_Char*) {
    self(XML_GetUserData(parser)).refuse("odkaz na vnější entitu „" + std::string(systemId ? systemId : "") +
                                         "“; ta se nečte, soubor je odmítnut");
    return XML_STATUS_ERROR;
  }

  static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char**) { self(data).start(name); }
  static void XMLCALL onEnd(void* data, const XML_Char*) { self(data).end(); }
  static void XMLCALL onText(void* data, const XML_Char* text, int length) {
    XmlReader& reader = self(data);
    if (reader.field_ != kFieldCount) reader.text_.append(text, std::size_t(length));
  }

  void start(std::string_view name) {
    ++depth_;
    if (depth_ > kMaxXmlDepth) return refuse("prvky jsou vnořené hlouběji než " + std::to_string(kMaxXmlDepth));
    if (depth_ == 1) {
      if (name != kRoot) refuse("kořenový prvek je „" + std::string(name) + "“, soubor s texty má kořen " + kRoot);
      return;
    }
    if (depth_ == 2 && name == kDay) {
      day_.emplace();
      day_->line = int(XML_GetCurrentLineNumber(parser_));
      return;
    }
    if (depth_ == 3 && day_) {
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
    if (depth_ == 3 && field_ != kFieldCount) {
      day_->fields[field_] = flowed(text_);
      field_ = Field(kFieldCount);
    } else if (depth_ == 2 && day_) {
      ++days_;
      finishDay(*day_);
      day_.reset();
    }
    --depth_;
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
  XML_Parser parser_ = nullptr;
  std::string refusal_;       // why a handler stopped the parse, with the place
  int depth_ = 0;             // of the element being read; the root is 1
  int days_ = 0;              // Losungen elements read
  std::optional<PendingDay> day_;
  Field field_ = Field(kFieldCount);  // the field whose text is being read, if any
  std::string text_;
  std::map<int, int> lines_;  // month * 100 + day -> the line of its Losungen
};

std::string escapedXml(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

// An element of a day, its value given in Windows-1250.
void appendElement(std::string& out, const char* name, std::string_view value) {
  out += "    <";
  out += name;
  if (value.empty()) {
    out += " />\n";
    return;
  }
  out += ">" + escapedXml(cp1250::toUtf8(value)) + "</" + name + ">\n";
}

}  // namespace

bool looksLikeXml(std::string_view bytes) {
  Charset charset;
  const std::size_t mark = byteOrderMark(bytes, charset);
  if (mark > 0 && charset != Charset::Utf8) return true;
  bytes.remove_prefix(mark);
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '<';
}

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
