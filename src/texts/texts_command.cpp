#include "texts/texts_command.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>

#include <sys/stat.h>

#include "app/core/day_document.h"
#include "app/core/readings.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "texts/search_command.h"
#include "texts/watchword_xml.h"
#include "texts/year_files.h"

namespace tavra::texts {

namespace {

constexpr const char* kUsage =
    "použití:\n"
    "  tavra-texts import TABULKA|SOUBOR.xml --year ROK [--out SLOŽKA]\n"
    "  tavra-texts check SOUBOR [--year ROK]\n"
    "  tavra-texts export SOUBOR [--year ROK] > TABULKA\n"
    "  tavra-texts export SOUBOR [--year ROK] --xml > SOUBOR.xml\n"
    "  tavra-texts search SLOVA [--folder SLOŽKA]\n";

struct Options {
  std::string command;
  std::string file;
  std::string out = ".";
  int year = 0;
  bool xml = false;  // export in the daily-watchword format
};

bool parseYear(const std::string& text, int& year) {
  if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  year = std::stoi(text);
  return isDataYear(year);
}

// False, with the complaint written, for a command line that does not fit.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return false;
  }
  options.command = args[0];
  if (options.command != "import" && options.command != "check" && options.command != "export") {
    err << "tavra-texts: neznámý příkaz „" << options.command << "“\n" << kUsage;
    return false;
  }
  bool outGiven = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--year" || arg == "--out") {
      if (i + 1 == args.size()) {
        err << "tavra-texts: za " << arg << " chybí hodnota\n";
        return false;
      }
      const std::string& value = args[++i];
      if (arg == "--out") {
        options.out = value;
        outGiven = true;
      } else if (!parseYear(value, options.year)) {
        err << "tavra-texts: rok „" << value << "“ není rok od " << FirstDataYear << " do " << LastDataYear << "\n";
        return false;
      }
    } else if (arg == "--xml") {
      options.xml = true;
    } else if (options.file.empty() && !arg.empty() && arg[0] != '-') {
      options.file = arg;
    } else {
      err << "tavra-texts: nečekaný argument „" << arg << "“\n" << kUsage;
      return false;
    }
  }
  if (options.file.empty()) {
    err << "tavra-texts: chybí soubor\n" << kUsage;
    return false;
  }
  if (outGiven && options.command != "import") {
    err << "tavra-texts: --out patří jen k příkazu import\n";
    return false;
  }
  if (options.xml && options.command != "export") {
    err << "tavra-texts: --xml patří jen k příkazu export; import pozná soubor XML sám\n";
    return false;
  }
  if (options.year == 0 && options.command == "import") {
    err << "tavra-texts: import potřebuje --year ROK\n";
    return false;
  }
  if (options.year == 0) options.year = yearOfFileName(options.file);
  if (options.year == 0) {
    err << "tavra-texts: z názvu „" << options.file << "“ nepoznám rok; zadejte --year ROK\n";
    return false;
  }
  return true;
}

bool readInput(const std::string& path, std::size_t limit, std::string& content, std::ostream& err) {
  try {
    content = readRegularFile(path, limit);
    return true;
  } catch (const InOutError& e) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && std::uintmax_t(st.st_size) > limit)
      err << "tavra-texts: " << path << ": soubor je větší než " << (limit >> 20) << " MiB; tak velký se nečte\n";
    else
      err << "tavra-texts: " << path << ": nelze přečíst (" << e.what() << ")\n";
    return false;
  }
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int importYear(const Options& options, std::ostream& out, std::ostream& err) {
  std::string text;
  if (!readInput(options.file, kMaxTableSize, text, err)) {
    err << "tavra-texts: nic nebylo zapsáno\n";
    return 1;
  }
  // A daily-watchword file carries no readings: the index is then left as it is.
  const bool xml = looksLikeXml(text);
  TableResult result = xml ? readWatchwordXml(text, options.year) : parseTable(text, options.year);
  if (!result.errors.empty()) {
    for (const std::string& error : result.errors) err << options.file << ", " << error << "\n";
    err << "tavra-texts: nic nebylo zapsáno\n";
    return 1;
  }

  std::string folder = options.out;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  const std::string yearPath = folder + DataFileNameFor(options.year);
  const std::string readingsPath = folder + ReadingsFileName;
  // In an installed Tavra's own folder the year files and the index start as links into
  // the shared installation. Both writes below replace such a link by the user's own file
  // and never write through it, so the shared files stay as they are and the merged index
  // keeps the other years the shared one gave.
  // An index that is there but cannot be read whole would stop the merge after the year
  // file was written; find that out before writing anything.
  std::string ignored;
  if (!xml && fileExists(readingsPath) && !readInput(readingsPath, kMaxTableSize, ignored, err)) {
    err << "tavra-texts: nic nebylo zapsáno\n";
    return 1;
  }
  std::optional<IniFile> readings;
  if (!xml) readings.emplace(readingsPath);
  const std::string content = yearFileContent(result.table);
  const std::vector<std::string> sections = readingSections(result.table);
  try {
    writeFileAtomically(yearPath, content);
  } catch (const InOutError& e) {
    err << "tavra-texts: " << yearPath << ": nelze zapsat (" << e.what() << "), nic nebylo zapsáno\n";
    return 1;
  }
  const int year = options.year;
  const auto names = sectionNamesOfYear(year);
  try {
    if (readings) readings->replaceSections([&names](std::string_view name) { return names.contains(name); }, sections);
  } catch (const IniWriteError&) {
    err << "tavra-texts: " << readingsPath << ": nelze zapsat; " << yearPath
        << " je zapsán, čtení roku " << year << " ne\n";
    return 1;
  }
  const char* source = xml ? "v souboru XML" : "v tabulce";
  if (!result.table.daysWithoutText.empty())
    err << "varování: " << result.table.daysWithoutText.size() << " dnů nemá " << source
        << " text a dostane prázdný řádek: " << dateList(result.table.daysWithoutText) << "\n";
  out << "zapsáno: " << yearPath << " (" << result.table.days.size() << " dnů " << (xml ? "ze souboru XML" : "z tabulky")
      << ")";
  if (!xml) out << ", " << readingsPath;
  out << "\n";
  return 0;
}

int checkFile(const Options& options, std::ostream& out, std::ostream& err) {
  std::string bytes;
  if (!readInput(options.file, MaxDataFileSize, bytes, err)) return 1;
  const Report report = checkYearFile(bytes, options.year);
  for (const std::string& error : report.errors) err << options.file << ", " << error << "\n";
  for (const std::string& warning : report.warnings) err << options.file << ": varování: " << warning << "\n";
  if (!report.errors.empty()) return 1;
  out << options.file << ": v pořádku (rok " << options.year << ")\n";
  return 0;
}

int exportFile(const Options& options, std::ostream& out, std::ostream& err) {
  std::string bytes;
  if (!readInput(options.file, MaxDataFileSize, bytes, err)) return 1;
  const IniFile readings(folderOf(options.file) + ReadingsFileName);
  YearExport result = exportYear(bytes, options.year, readings);
  std::string written;
  if (options.xml) {
    written = writeWatchwordXml(result.days, result.errors);
  } else {
    for (const DayRow& day : result.days) {
      const bool marked = (day.verses.first && !day.verses.first->marks.empty()) ||
                          (day.verses.second && !day.verses.second->marks.empty());
      if (marked)
        result.errors.push_back("řádek " + std::to_string(day.row) + ": (" + isoDate(day.date) +
                                ") text má kurzívu nebo tučné písmo, které tabulka neunese; použijte export --xml");
    }
    written = formatTable(result.days);
  }
  if (!result.errors.empty()) {
    for (const std::string& error : result.errors) err << options.file << ", " << error << "\n";
    return 1;
  }
  if (options.xml && std::any_of(result.days.begin(), result.days.end(), [](const DayRow& day) {
        return std::any_of(day.readings.begin(), day.readings.end(), [](const std::string& r) { return !r.empty(); });
      }))
    err << "varování: čtení z " << ReadingsFileName << " se do XML nezapisují, formát pro ně nemá místo\n";
  out << written;
  return 0;
}

}  // namespace

int runTextsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args[0] == "search") return runSearchCommand(args, out, err);
  Options options;
  if (!parseOptions(args, options, err)) return 2;
  if (options.command == "import") return importYear(options, out, err);
  if (options.command == "check") return checkFile(options, out, err);
  return exportFile(options, out, err);
}

}  // namespace tavra::texts
