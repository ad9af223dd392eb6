#include "texts/bounded_xml.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <expat.h>

#include "platform/charsets.h"
#include "platform/unicode.h"

namespace tavra::texts {

namespace {

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

constexpr const char* kUnread = "; deklarace se nečtou, soubor je odmítnut";

}  // namespace

// The parser's handlers, which reach the reader through the parser's user data.
struct ReaderCallbacks {
  static BoundedXmlReader& self(void* data) { return *static_cast<BoundedXmlReader*>(data); }

  static void XMLCALL onDoctype(void* data, const XML_Char* name, const XML_Char* systemId, const XML_Char* publicId,
                                int) {
    BoundedXmlReader& reader = self(data);
    reader.doctype_ = name;
    if ((systemId || publicId) && reader.dtd_ == NamedDtd::Refused)
      reader.refuse("soubor odkazuje na vnější DTD „" + std::string(systemId ? systemId : publicId) +
                    "“; to se nečte, soubor je odmítnut");
  }

  static void XMLCALL onEntity(void* data, const XML_Char* name, int, const XML_Char*, int, const XML_Char*,
                               const XML_Char* systemId, const XML_Char*, const XML_Char*) {
    self(data).refuse("soubor deklaruje " + std::string(systemId ? "vnější " : "") + "entitu „" + name +
                      "“; vlastní entity se nerozvinují ani nečtou, soubor je odmítnut");
  }

  // A declared element or attribute would change what the document says (an attribute's
  // default is added to every element that lacks it), and no format of ours declares one.
  static void XMLCALL onElementDeclaration(void* data, const XML_Char* name, XML_Content* model) {
    BoundedXmlReader& reader = self(data);
    reader.refuse("soubor deklaruje prvek „" + std::string(name) + "“" + kUnread);
    XML_FreeContentModel(static_cast<XML_Parser>(reader.parser_), model);
  }

  static void XMLCALL onAttributeDeclaration(void* data, const XML_Char* element, const XML_Char*, const XML_Char*,
                                             const XML_Char*, int) {
    self(data).refuse("soubor deklaruje atributy prvku „" + std::string(element) + "“" + kUnread);
  }

  static void XMLCALL onNotation(void* data, const XML_Char* name, const XML_Char*, const XML_Char*, const XML_Char*) {
    self(data).refuse("soubor deklaruje notaci „" + std::string(name) + "“" + kUnread);
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

  static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    BoundedXmlReader& reader = self(data);
    if (++reader.depth_ > kMaxXmlDepth)
      return reader.refuse("prvky jsou vnořené hlouběji než " + std::to_string(kMaxXmlDepth));
    reader.content_.startElement(name, attributes);
  }

  static void XMLCALL onEnd(void* data, const XML_Char*) {
    BoundedXmlReader& reader = self(data);
    if (reader.depth_ <= kMaxXmlDepth) reader.content_.endElement();
    --reader.depth_;
  }

  static void XMLCALL onText(void* data, const XML_Char* text, int length) {
    self(data).content_.characters(std::string_view(text, std::size_t(length)));
  }
};

bool looksLikeXml(std::string_view bytes) {
  Charset charset;
  const std::size_t mark = byteOrderMark(bytes, charset);
  if (mark > 0 && charset != Charset::Utf8) return true;
  bytes.remove_prefix(mark);
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '<';
}

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

int BoundedXmlReader::line() const {
  return parser_ ? int(XML_GetCurrentLineNumber(static_cast<XML_Parser>(parser_))) : 0;
}

std::string BoundedXmlReader::position() const {
  const auto parser = static_cast<XML_Parser>(parser_);
  return "řádek " + std::to_string(XML_GetCurrentLineNumber(parser)) + ", sloupec " +
         std::to_string(XML_GetCurrentColumnNumber(parser) + 1) + ": ";
}

void BoundedXmlReader::refuse(const std::string& why) {
  if (refusal_.empty()) refusal_ = position() + why;
  XML_StopParser(static_cast<XML_Parser>(parser_), XML_FALSE);
}

std::string BoundedXmlReader::read(std::string_view bytes, std::size_t memoryLimit) {
  MemoryBudget budget;
  budget.limit = memoryLimit;
  tBudget = &budget;
  std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> owner(XML_ParserCreate_MM(nullptr, &kBudgetSuite, nullptr),
                                                                XML_ParserFree);
  const XML_Parser parser = owner.get();
  parser_ = parser;
  std::string failure;
  if (!parser || bytes.size() > std::size_t(INT_MAX)) {
    failure = "na čtení souboru nestačí paměť";
  } else {
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, ReaderCallbacks::onStart, ReaderCallbacks::onEnd);
    XML_SetCharacterDataHandler(parser, ReaderCallbacks::onText);
    XML_SetUnknownEncodingHandler(parser, singleByteEncoding, nullptr);
    // Nothing outside the file is ever read, and no entity of the file's own is expanded:
    // a declaration of one is refused before anything could refer to it.
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetStartDoctypeDeclHandler(parser, ReaderCallbacks::onDoctype);
    XML_SetEntityDeclHandler(parser, ReaderCallbacks::onEntity);
    XML_SetElementDeclHandler(parser, ReaderCallbacks::onElementDeclaration);
    XML_SetAttlistDeclHandler(parser, ReaderCallbacks::onAttributeDeclaration);
    XML_SetNotationDeclHandler(parser, ReaderCallbacks::onNotation);
    XML_SetSkippedEntityHandler(parser, ReaderCallbacks::onSkippedEntity);
    XML_SetExternalEntityRefHandler(parser, ReaderCallbacks::onExternalEntity);
    const auto status = XML_Parse(parser, bytes.data(), int(bytes.size()), XML_TRUE);
    if (!refusal_.empty()) {
      failure = refusal_;
    } else if (budget.exceeded) {
      failure = position() + "čtení by potřebovalo víc než " + std::to_string(memoryLimit >> 10) +
                " KiB paměti, soubor je odmítnut";
    } else if (status != XML_STATUS_OK) {
      failure = position() + "soubor není platné XML: " + xmlFault(XML_GetErrorCode(parser));
    }
  }
  owner.reset();
  parser_ = nullptr;
  tBudget = nullptr;
  return failure;
}

}  // namespace tavra::texts
