#include "texts/texts_command.h"

#include <algorithm>
#include <ostream>

#include "app/core/day_document.h"
#include "app/core/readings.h"
#include "platform/ini_file.h"
#include "texts/search_command.h"
#include "texts/watchword_xml.h"
#include "texts/year_files.h"
#include "texts/year_import.h"

namespace tavra::texts {

namespace {

constexpr const char* kUsage =
    "použití:\n"
    "  tavra-texts import TABULKA|SOUBOR.xml [--year ROK] [--out SLOŽKA]\n"
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
  // An import without a year takes the file's own.
  if (options.year == 0 && options.command != "import") options.year = yearOfFileName(options.file);
  if (options.year == 0 && options.command != "import") {
    err << "tavra-texts: z názvu „" << options.file << "“ nepoznám rok; zadejte --year ROK\n";
    return false;
  }
  return true;
}

bool readInput(const std::string& path, std::size_t limit, std::string& content, std::ostream& err) {
  std::string failure;
  if (readInputFile(path, limit, content, failure)) return true;
  err << "tavra-texts: " << failure << "\n";
  return false;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int importYear(const Options& options, std::ostream& out, std::ostream& err) {
  const ImportReport report = importYearFile(options.file, options.year, options.out);
  for (const std::string& fault : report.faults) err << fault << "\n";
  if (!report.failure.empty()) err << "tavra-texts: " << report.failure << "\n";
  if (report.outcome == ImportReport::Outcome::NothingWritten) err << "tavra-texts: nic nebylo zapsáno\n";
  if (report.outcome != ImportReport::Outcome::Written) return 1;
  for (const std::string& warning : report.warnings) err << "varování: " << warning << "\n";
  out << "zapsáno: " << report.written << "\n";
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
