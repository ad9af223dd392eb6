#include "texts/year_import.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include <sys/stat.h>

#include "app/core/day_document.h"
#include "app/core/readings.h"
#include "platform/czech_text.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "texts/losfile_layout.h"
#include "texts/losfile_xml.h"
#include "texts/watchword_xml.h"
#include "texts/year_files.h"

namespace tavra::texts {

namespace {

constexpr int kSlotsPerMonth = 31;

// The year of a table or a daily-watchword file: its files' contents and what to say.
void prepareTable(PreparedYear& prepared, TableResult result, bool xml) {
  prepared.errors = std::move(result.errors);
  prepared.year = result.table.year;
  if (!prepared.errors.empty()) return;
  prepared.from = xml ? "ze souboru XML" : "z tabulky";
  prepared.days = result.table.days.size();
  prepared.yearFile = yearFileContent(result.table);
  // A daily-watchword file carries no readings: the index is then left as it is.
  prepared.hasReadings = !xml;
  prepared.readingSections = readingSections(result.table);
  if (!result.table.daysWithoutText.empty())
    prepared.warnings.push_back(std::to_string(result.table.daysWithoutText.size()) + " dnů nemá " +
                                (xml ? "v souboru XML" : "v tabulce") +
                                " text a dostane prázdný řádek: " + dateList(result.table.daysWithoutText));
}

void prepareLosfile(PreparedYear& prepared, std::string_view bytes, int year) {
  LosResult result = readLosfile(bytes, year);
  prepared.errors = std::move(result.errors);
  prepared.year = result.year.year;
  if (!prepared.errors.empty()) return;
  const LosYear& los = result.year;
  std::map<int, const LosDay*> byDate;
  YearTable readings{los.year, {}, {}};
  for (const LosDay& day : los.days) {
    byDate[day.date.month * 100 + day.date.day] = &day;
    DayRow row{day.date, day.line, {}, {}};
    row.readings = readingKeysOf(day);
    readings.days.push_back(std::move(row));
  }
  std::vector<std::string> lines(DataFileLineCount);
  std::vector<Date> withoutTexts;
  for (int month = 1; month <= 12; ++month) {
    for (int dayOfMonth = 1; dayOfMonth <= kSlotsPerMonth && isValidDate(los.year, month, dayOfMonth); ++dayOfMonth) {
      const Date date{los.year, month, dayOfMonth};
      const auto found = byDate.find(month * 100 + dayOfMonth);
      const LosDay* day = found == byDate.end() ? nullptr : found->second;
      lines[std::size_t(DayLineIndex(dayOfMonth, month))] = composeLosDayLine(los, date, day);
      if (!day || !day->hasLosung) withoutTexts.push_back(date);
    }
  }
  prepared.from = "ze souboru XML";
  prepared.days = std::size_t(std::count_if(los.days.begin(), los.days.end(), [](const LosDay& d) { return d.hasLosung; }));
  prepared.yearFile = yearFileOfLines(lines);
  prepared.hasReadings = true;
  prepared.readingSections = readingSections(readings);
  if (!withoutTexts.empty())
    prepared.warnings.push_back(std::to_string(withoutTexts.size()) + " dnů nemá v souboru XML hesla dne (prvek LOSUNG): " +
                                dateList(withoutTexts));
}

std::string joinedPath(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// A window shows a few lines: a long list of dates ends with "…" after its last whole one.
std::string shortened(const std::string& text) {
  constexpr std::size_t kMost = 300;
  if (text.size() <= kMost) return text;
  const std::size_t comma = text.rfind(", ", kMost);
  return text.substr(0, comma == std::string::npos ? kMost : comma) + " …";
}

}  // namespace

bool readInputFile(const std::string& path, std::size_t limit, std::string& content, std::string& failure) {
  try {
    content = readRegularFile(path, limit);
    return true;
  } catch (const InOutError& e) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && std::uintmax_t(st.st_size) > limit)
      failure = path + ": soubor je větší než " + std::to_string(limit >> 20) + " MiB; tak velký se nečte";
    else
      failure = path + ": nelze přečíst (" + e.what() + ")";
    return false;
  }
}

PreparedYear prepareYear(std::string_view bytes, int year) {
  PreparedYear prepared;
  if (!looksLikeXml(bytes)) {
    prepareTable(prepared, parseTable(bytes, year), false);
  } else if (isLosfile(bytes)) {
    prepareLosfile(prepared, bytes, year);
  } else {
    prepareTable(prepared, readWatchwordXml(bytes, year), true);
  }
  if (!prepared.errors.empty()) return prepared;
  if (prepared.year == 0) {
    prepared.errors.push_back("soubor nemá žádný den, z něhož by byl poznat rok; rok lze zadat volbou --year");
  } else if (!isDataYear(prepared.year)) {
    prepared.errors.push_back("rok " + std::to_string(prepared.year) + " neleží mezi roky " +
                              std::to_string(FirstDataYear) + " a " + std::to_string(LastDataYear));
  } else if (prepared.yearFile.size() > MaxDataFileSize) {
    // Tavra reads no larger year file: the year would be written and never shown.
    prepared.errors.push_back("texty roku by zabraly víc než " + std::to_string(MaxDataFileSize >> 20) +
                              " MiB, tak velký soubor roku Tavra nečte");
  }
  return prepared;
}

ImportReport importYearFile(const std::string& file, int year, const std::string& folder) {
  ImportReport report;
  std::string text;
  if (!readInputFile(file, kMaxTableSize, text, report.failure)) return report;
  const PreparedYear prepared = prepareYear(text, year);
  report.year = prepared.year;
  if (!prepared.errors.empty()) {
    for (const std::string& error : prepared.errors) report.faults.push_back(file + ", " + error);
    return report;
  }
  report.days = prepared.days;
  report.from = prepared.from;
  const std::string yearPath = joinedPath(folder, DataFileNameFor(prepared.year));
  const std::string readingsPath = joinedPath(folder, ReadingsFileName);
  // In an installed Tavra's own folder the year files and the index start as links into
  // the shared installation. Both writes below replace such a link by the user's own file
  // and never write through it, so the shared files stay as they are and the merged index
  // keeps the other years the shared one gave.
  // An index that is there but cannot be read whole would stop the merge after the year
  // file was written; find that out before writing anything.
  std::string ignored;
  if (prepared.hasReadings && fileExists(readingsPath) &&
      !readInputFile(readingsPath, kMaxTableSize, ignored, report.failure))
    return report;
  std::optional<IniFile> readings;
  if (prepared.hasReadings) readings.emplace(readingsPath);
  try {
    writeFileAtomically(yearPath, prepared.yearFile);
  } catch (const InOutError& e) {
    report.failure = yearPath + ": nelze zapsat (" + e.what() + ")";
    return report;
  }
  const auto names = sectionNamesOfYear(prepared.year);
  try {
    if (readings)
      readings->replaceSections([&names](std::string_view name) { return names.contains(name); },
                                prepared.readingSections);
  } catch (const IniWriteError&) {
    report.outcome = ImportReport::Outcome::YearFileOnly;
    report.failure = readingsPath + ": nelze zapsat; " + yearPath + " je zapsán, čtení roku " +
                     std::to_string(prepared.year) + " ne";
    return report;
  }
  report.outcome = ImportReport::Outcome::Written;
  report.warnings = prepared.warnings;
  report.written = yearPath + " (" + std::to_string(prepared.days) + " dnů " + prepared.from + ")";
  if (prepared.hasReadings) report.written += ", " + readingsPath;
  return report;
}

std::string importSummary(const ImportReport& report) {
  const auto days = [](std::size_t n) { return czechCount(static_cast<long long>(n), "den", "dny", "dnů"); };
  constexpr std::size_t kFaultsShown = 8;
  const std::string year = std::to_string(report.year);
  std::string text;
  switch (report.outcome) {
    case ImportReport::Outcome::Written:
      text = "Texty roku " + year + " jsou přidány: " + days(report.days) + " " + report.from + ".";
      for (const std::string& warning : report.warnings) text += "\n\nVarování: " + shortened(warning);
      return text;
    case ImportReport::Outcome::YearFileOnly:
      return "Texty roku " + year + " jsou přidány bez čtení dne: " + report.failure;
    case ImportReport::Outcome::NothingWritten:
      break;
  }
  text = "Texty nebyly přidány, nic nebylo zapsáno.";
  for (std::size_t i = 0; i < report.faults.size() && i < kFaultsShown; ++i) text += "\n\n" + report.faults[i];
  if (report.faults.size() > kFaultsShown)
    text += "\n\n… a " + std::to_string(report.faults.size() - kFaultsShown) + " dalších chyb";
  if (!report.failure.empty()) text += "\n\n" + report.failure;
  return text;
}

}  // namespace tavra::texts
