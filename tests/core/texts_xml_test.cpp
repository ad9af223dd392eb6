// tavra-texts and the daily-watchword XML files: encodings, marks and the Sunday's name as
// the program shows them, the round trip through export --xml, the Nedele column of a
// table, and hostile files that must be refused with nothing written.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/core_test_support.h"
#include "core/texts_test_support.h"
#include "platform/charsets.h"
#include "platform/codepage.h"
#include "platform/rtf_reader.h"
#include "texts/texts_command.h"
#include "texts/verse_markup.h"
#include "texts/watchword_xml.h"
#include "texts/year_files.h"

using namespace tavra;
using namespace tavra::testing;
namespace fs = std::filesystem;

namespace {

struct XmlDay {
  std::string date, sunday, text1, ref1, text2, ref2;
};

// A file as published, in UTF-8; `declaration` names its encoding (none when empty).
std::string watchwords(const std::vector<XmlDay>& days, const std::string& declaration = "utf-8") {
  std::string out = declaration.empty() ? "" : "<?xml version=\"1.0\" encoding=\"" + declaration + "\" standalone=\"yes\"?>\n";
  out += "<FreeXml>\n";
  for (const XmlDay& d : days)
    out += "  <Losungen>\n    <Datum>" + d.date + "T00:00:00</Datum>\n    <Wtag>Sonntag</Wtag>\n    <Sonntag>" + d.sunday +
           "</Sonntag>\n    <Losungstext>" + d.text1 + "</Losungstext>\n    <Losungsvers>" + d.ref1 +
           "</Losungsvers>\n    <Lehrtext>" + d.text2 + "</Lehrtext>\n    <Lehrtextvers>" + d.ref2 + "</Lehrtextvers>\n  </Losungen>\n";
  return out + "</FreeXml>\n";
}

// German text that Windows-1252 holds too: typographic quotes and dashes, marks at the
// start, at the end and twice in one text.
const std::vector<XmlDay> kGerman = {
    {"2027-01-03", "2. Sonntag nach dem Christfest", "Der HERR ist mein Hirte, mir wird #nichts# mangeln.",
     "Psalm 23,1", "/Jesus spricht:/ Ich bin der gute Hirte.", "Johannes 10,11"},
    {"2027-01-04", "", "„Fürchte dich nicht“ – #glaube# nur, so wirst du #sehen#", "Markus 5,36", "", ""},
};

class TextsXmlTest : public ::testing::Test {
 protected:
  TempDir dir;
  EnvGuard shortDate{"TAVRA_SHORTDATE", nullptr};

  ToolOutcome import(const std::string& bytes, const std::string& name = "rok.xml") {
    writeBytes(dir.path() / name, bytes);
    return runTool({"import", (dir.path() / name).string(), "--year", "2027", "--out", dir.path().string()});
  }
  std::string yearFile() const { return readBytes(dir.path() / "TAVRA2027.RTF"); }
};

}  // namespace

TEST_F(TextsXmlTest, EveryEncodingOfTheSameTextsGivesTheSameYearFile) {
  const std::string utf8 = watchwords(kGerman);
  ASSERT_EQ(import(utf8).status, 0);
  const std::string expected = yearFile();
  const std::vector<std::string> lines = SplitLines(expected);
  ASSERT_EQ(lines.size(), 372u);
  EXPECT_EQ(lines[2], cp1250::fromUtf8("\\pard\\qc\\b Neděle 3. ledna 2027\\b0\\line 2. Sonntag nach dem Christfest"
                                       "\\par\\par Der HERR ist mein Hirte, mir wird \\b nichts\\b0  mangeln."
                                       "\\line\\i Psalm 23,1\\i0\\par\\par\\i Jesus spricht:\\i0  Ich bin der gute Hirte."
                                       "\\line\\i Johannes 10,11\\i0"));
  EXPECT_EQ(lines[3], cp1250::fromUtf8("\\pard\\qc\\b Pondělí 4. ledna 2027\\b0\\par\\par „Fürchte dich nicht“ – "
                                       "\\b glaube\\b0  nur, so wirst du \\b sehen\\b0\\line\\i Markus 5,36\\i0"));

  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"windows-1252", encodeText(watchwords(kGerman, "windows-1252"), Charset::Windows1252)},
      {"windows-1250", encodeText(watchwords(kGerman, "windows-1250"), Charset::Windows1250)},
      {"UTF-16", "\xFF\xFE" + encodeText(watchwords(kGerman, "UTF-16"), Charset::Utf16LE)},
      {"UTF-8 with a mark, no declaration", "\xEF\xBB\xBF" + watchwords(kGerman, "")},
  };
  for (const Case& c : cases) {
    fs::remove(dir.path() / "TAVRA2027.RTF");
    const ToolOutcome run = import(c.bytes);
    EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
    EXPECT_EQ(yearFile(), expected) << c.what;
  }
}

TEST_F(TextsXmlTest, CzechTextIsShownWithItsSundayAndMarksAndTheIndexIsLeftAlone) {
  writeBytes(dir.path() / "Cteni.js", "[3.1.2027]\r\nCteni1=Gn 1\r\n");
  const ToolOutcome run = import(watchwords(
      {{"2027-01-03", "Neděle po Vánocích", "Hospodin je můj pastýř, #nebudu# mít nedostatek.", "Žalm 23,1",
        // The file's own line ends and indentation are no part of the text.
        "\n      /Ježíš řekl:/ „Já jsem dobrý pastýř“ —\n      dobrý pastýř položí svůj život za ovce.\n    ", "Jan 10,11"}}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("1 dnů ze souboru XML"), std::string::npos) << run.out;
  EXPECT_EQ(readBytes(dir.path() / "Cteni.js"), "[3.1.2027]\r\nCteni1=Gn 1\r\n");

  const rtf::Document shown = shownDay(dir.path(), 3, 1, 2027);
  ASSERT_EQ(shown.paragraphs.size(), 5u);
  struct Expected {
    std::size_t paragraph;
    std::u16string text;
    bool bold, italic;
  };
  const Expected runs[] = {
      {0, u"Neděle 3. ledna 2027", true, false},
      {0, u"\nNeděle po Vánocích", false, false},
      {2, u"Hospodin je můj pastýř, ", false, false},
      {2, u"nebudu", true, false},
      {2, u" mít nedostatek.\n", false, false},
      {2, u"Žalm 23,1", false, true},
      {4, u"Ježíš řekl:", false, true},
      {4, u" „Já jsem dobrý pastýř“ — dobrý pastýř položí svůj život za ovce.\n", false, false},
      {4, u"Jan 10,11", false, true},
  };
  std::size_t index[5] = {};
  for (const Expected& e : runs) {
    const std::vector<rtf::Run>& got = shown.paragraphs[e.paragraph].runs;
    const std::size_t i = index[e.paragraph]++;
    ASSERT_LT(i, got.size()) << e.paragraph;
    EXPECT_EQ(got[i].text, e.text) << e.paragraph << "/" << i;
    EXPECT_EQ(got[i].style.bold, e.bold) << e.paragraph << "/" << i;
    EXPECT_EQ(got[i].style.italic, e.italic) << e.paragraph << "/" << i;
  }
  for (std::size_t p : {0, 2, 4}) EXPECT_EQ(shown.paragraphs[p].runs.size(), index[p]) << p;
}

TEST(TextsXmlRoundTrip, ExportingEverySampleYearAndImportingItGivesItsFileByteForByte) {
  EnvGuard shortDate("TAVRA_SHORTDATE", nullptr);
  TempDir dir;
  int years = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(TAVRA_SAMPLE_DATA)) {
    const std::string name = entry.path().filename().string();
    const int year = texts::yearOfFileName(name);
    if (year == 0) continue;
    ++years;
    SCOPED_TRACE(name);
    const ToolOutcome exported = runTool({"export", entry.path().string(), "--xml"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(exported.out.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<FreeXml>\n"));
    writeBytes(dir.path() / "rok.xml", exported.out);
    const ToolOutcome imported =
        runTool({"import", (dir.path() / "rok.xml").string(), "--year", std::to_string(year), "--out", dir.path().string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(readBytes(dir.path() / name), readBytes(entry.path()));
  }
  EXPECT_GE(years, 7);  // 1999 and 2025 to 2030
}

TEST_F(TextsXmlTest, MarksAndSundaysComeBackThroughXmlAndRefuseATable) {
  ASSERT_EQ(import(watchwords(kGerman)).status, 0);
  const std::string made = yearFile();
  const std::string path = (dir.path() / "TAVRA2027.RTF").string();
  const ToolOutcome exported = runTool({"export", path, "--xml"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_NE(exported.out.find("<Sonntag>2. Sonntag nach dem Christfest</Sonntag>"), std::string::npos);
  EXPECT_NE(exported.out.find("<Lehrtext>/Jesus spricht:/ Ich bin der gute Hirte.</Lehrtext>"), std::string::npos);
  EXPECT_NE(exported.out.find("<Wtag>Neděle</Wtag>"), std::string::npos);
  fs::remove(path);
  ASSERT_EQ(import(exported.out, "zpet.xml").status, 0);
  EXPECT_EQ(yearFile(), made);

  // A table has no place for the marks: the export says so rather than lose them.
  const ToolOutcome table = runTool({"export", path});
  EXPECT_EQ(table.status, 1);
  EXPECT_EQ(table.out, "");
  EXPECT_NE(table.err.find("řádek 3: (2027-01-03) text má kurzívu nebo tučné písmo"), std::string::npos) << table.err;

  // A text whose own number signs would read back as emphasis cannot be written as XML.
  std::vector<std::string> lines = SplitLines(made);
  lines[0] = cp1250::fromUtf8("\\pard\\qc\\b Pátek 1. ledna 2027\\b0\\par\\par Píseň v C# a F#");
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  writeBytes(path, bytes);
  const ToolOutcome signs = runTool({"export", path, "--xml"});
  EXPECT_EQ(signs.status, 1);
  EXPECT_EQ(signs.out, "");
  EXPECT_NE(signs.err.find("řádek 1: (2027-01-01) text „Píseň v C# a F#“ nelze do XML zapsat"), std::string::npos)
      << signs.err;
}

TEST(TextsMarkup, TheNotationReadsAsMarksOnlyWhereItIsOne) {
  using texts::Mark;
  using texts::MarkedSpan;
  struct Case {
    const char* notation;
    const char* text;
    std::vector<MarkedSpan> marks;
  };
  const Case cases[] = {
      {"#a# b #cd#", "a b cd", {{0, 1, Mark::Emphasis}, {4, 2, Mark::Emphasis}}},
      {"/Er sprach:/ Geh!", "Er sprach: Geh!", {{0, 10, Mark::Speaker}}},
      {"x/y/z", "x/y/z", {}},                       // slashes without a colon are text
      {"a/b/c:/ d", "a/bc: d", {{3, 2, Mark::Speaker}}},  // the first slash had no colon before the next
      {"## und # allein", "## und # allein", {}},
      {"#/Er:/#", "/Er:/", {{0, 5, Mark::Emphasis}}},  // inside a mark the other sign is text
  };
  for (const Case& c : cases) {
    const texts::Verse verse = texts::readMarkup(c.notation);
    EXPECT_EQ(verse.text, c.text) << c.notation;
    EXPECT_EQ(verse.marks, c.marks) << c.notation;
    EXPECT_EQ(texts::writeMarkup(verse), c.notation);
  }
  EXPECT_FALSE(texts::markupReadsBack(texts::Verse{"C# a F#", "", {}}));
  EXPECT_FALSE(texts::markupReadsBack(texts::Verse{"abc", "", {{0, 3, Mark::Speaker}}}));  // no colon
  EXPECT_TRUE(texts::markupReadsBack(texts::Verse{"C# dur", "", {}}));
}

TEST_F(TextsXmlTest, ATablesNedeleColumnGivesTheSundayLineAndComesBack) {
  writeBytes(dir.path() / "rok.tsv", "date\tNedele\ttext1\tref1\n2027-01-03\tNeděle po Vánocích\tVerš\tJan 1\n"
                                     "2027-01-04\t\tVerš\tJan 2\n");
  ASSERT_EQ(runTool({"import", (dir.path() / "rok.tsv").string(), "--year", "2027", "--out", dir.path().string()}).status, 0);
  const std::string made = yearFile();
  EXPECT_EQ(SplitLines(made)[2], cp1250::fromUtf8("\\pard\\qc\\b Neděle 3. ledna 2027\\b0\\line Neděle po Vánocích"
                                                  "\\par\\par Verš\\line\\i Jan 1\\i0"));
  const ToolOutcome exported = runTool({"export", (dir.path() / "TAVRA2027.RTF").string()});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_NE(exported.out.find("\tPerikopa\tNedele\n2027-01-03\tVerš\tJan 1\t\t\t\t\t\t\tNeděle po Vánocích\n"),
            std::string::npos)
      << exported.out;
  writeBytes(dir.path() / "zpet.tsv", exported.out);
  fs::remove(dir.path() / "TAVRA2027.RTF");
  ASSERT_EQ(runTool({"import", (dir.path() / "zpet.tsv").string(), "--year", "2027", "--out", dir.path().string()}).status, 0);
  EXPECT_EQ(yearFile(), made);

  writeBytes(dir.path() / "rok.tsv", "date\ttext1\tref1\tNedele\n2027-01-03\t\t\tNeděle\n");
  const ToolOutcome alone = runTool({"import", (dir.path() / "rok.tsv").string(), "--year", "2027", "--out", dir.path().string()});
  EXPECT_EQ(alone.status, 1);
  EXPECT_NE(alone.err.find("řádek 2: Nedele bez text1"), std::string::npos) << alone.err;
}

TEST_F(TextsXmlTest, HostileAndFaultyFilesAreRefusedInCzechAndNothingIsWritten) {
  writeBytes(dir.path() / "TAVRA2027.RTF", "old year\r\n");
  writeBytes(dir.path() / "secret.txt", "TAJNÉ");
  const std::string secret = (dir.path() / "secret.txt").string();
  const std::string head = "<?xml version=\"1.0\"?>\n";
  const std::string good = watchwords(kGerman);
  std::string bomb = head + "<!DOCTYPE FreeXml [\n<!ENTITY a \"aaaaaaaaaa\">\n";
  for (char e = 'b'; e <= 'j'; ++e) {
    std::string refs;
    for (int i = 0; i < 10; ++i) refs += std::string("&") + char(e - 1) + ";";
    bomb += std::string("<!ENTITY ") + e + " \"" + refs + "\">\n";
  }
  bomb += "]>\n<FreeXml>&j;</FreeXml>\n";
  std::string tooDeep = head + "<FreeXml>";
  for (int i = 0; i < 20; ++i) tooDeep += "<a>";
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"entity bomb", bomb, "řádek 3, sloupec 12: soubor deklaruje entitu „a“; vlastní entity se nerozvinují"},
      {"external entity", head + "<!DOCTYPE FreeXml [<!ENTITY s SYSTEM \"file://" + secret + "\">]>\n<FreeXml>&s;</FreeXml>",
       "soubor deklaruje vnější entitu „s“"},
      {"external parameter entity", head + "<!DOCTYPE FreeXml [<!ENTITY % p SYSTEM \"" + secret + "\"> %p;]>\n<FreeXml/>",
       "soubor deklaruje vnější entitu „p“"},
      {"external DTD", head + "<!DOCTYPE FreeXml SYSTEM \"" + secret + "\">\n<FreeXml/>",
       "soubor odkazuje na vnější DTD „" + secret + "“; to se nečte"},
      {"undeclared entity", head + "<FreeXml>\n  a&nbsp;b</FreeXml>",
       "řádek 3, sloupec 4: soubor není platné XML: neznámá entita"},
      // The parser points at the name of the end tag that does not fit.
      {"broken XML", head + "<FreeXml>\n  <Losungen>\n    <Datum>2027-01-05</Dat>",
       "řádek 4, sloupec 24: soubor není platné XML: koncová značka nepatří k otevřenému prvku"},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><FreeXml/>", "neznámé kódování"},
      {"byte not in windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<FreeXml>\x81</FreeXml>",
       "řádek 2, sloupec 10: soubor není platné XML: neplatný znak"},
      {"another root", head + "<Texte><Losungen/></Texte>", "kořenový prvek je „Texte“, soubor s texty má kořen FreeXml"},
      {"too deep", tooDeep, "prvky jsou vnořené hlouběji než 16"},
      {"element in a text", watchwords({{"2027-01-05", "", "a <b>b</b>", "", "", ""}}),
       "řádek 7, sloupec 20: prvek <b> uvnitř <Losungstext>"},
      {"no day", head + "<FreeXml/>", "soubor neobsahuje žádný den"},
      {"no day with a text", watchwords({{"2027-01-05", "", "", "", "", ""}}), "soubor neobsahuje žádný den s textem"},
      {"date outside the year", watchwords({{"2026-12-31", "", "Verš", "", "", ""}}),
       "řádek 3 (2026-12-31): datum neleží v roce 2027"},
      {"date twice", watchwords({kGerman[0], kGerman[1], kGerman[0]}),
       "řádek 21 (2027-01-03): tento den už je na řádku 3"},
      {"date that does not exist", watchwords({{"2027-02-29", "", "Verš", "", "", ""}}), "řádek 3: datum 2027-02-29T00:00:00 neexistuje"},
      {"character outside Windows-1250", watchwords({{"2027-01-05", "", "A &#x2192; B", "", "", ""}}),
       "řádek 3 (2027-01-05): Losungstext, znak 3: „→“ (U+2192) nelze zapsat ve Windows-1250"},
      {"reference without text", watchwords({{"2027-01-05", "", "", "Jan 1", "", ""}}),
       "řádek 3 (2027-01-05): Losungsvers bez Losungstext"},
      {"over the size limit", head + "<FreeXml>" + std::string(texts::kMaxTableSize, ' ') + "</FreeXml>",
       "soubor je větší než 16 MiB"},
  };
  for (const Case& c : cases) {
    const ToolOutcome run = import(c.bytes);
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << "\nexpected: " << c.message << "\ngot: " << run.err;
    EXPECT_NE(run.err.find("nic nebylo zapsáno"), std::string::npos) << c.what;
    EXPECT_EQ(run.err.find("TAJN"), std::string::npos) << c.what;
    EXPECT_EQ(yearFile(), "old year\r\n") << c.what;
  }
  EXPECT_FALSE(fs::exists(dir.path() / "Cteni.js"));
}

TEST(TextsXmlMemory, TheParserKeepsToItsBudget) {
  std::string file = watchwords(kGerman, "");
  file.replace(0, 9, "<FreeXml a=\"" + std::string(1 << 20, 'x') + "\">");
  const texts::TableResult bounded = texts::readWatchwordXml(file, 2027, 256 << 10);
  ASSERT_EQ(bounded.errors.size(), 1u);
  EXPECT_NE(bounded.errors[0].find("čtení by potřebovalo víc než 256 KiB paměti"), std::string::npos) << bounded.errors[0];
  const texts::TableResult ample = texts::readWatchwordXml(file, 2027);
  EXPECT_TRUE(ample.errors.empty()) << ample.errors[0];
  EXPECT_EQ(ample.table.days.size(), 2u);
}

TEST(TextsCommandLine, XmlBelongsToExportOnly) {
  EXPECT_EQ(runTool({"import", "rok.xml", "--year", "2027", "--xml"}).status, 2);
  EXPECT_EQ(runTool({"check", "TAVRA2027.RTF", "--xml"}).status, 2);
}

TEST(TextsXmlFields, TheSignsOfXmlAreEscapedAndEachDayKeepsTheFieldRules) {
  // Written: each sign XML gives a meaning as its reference, read back as itself.
  const struct {
    const char* text;
    const char* written;
  } escapes[] = {{"A & B", "A &amp; B"}, {"1 < 2", "1 &lt; 2"}, {"2 > 1", "2 &gt; 1"}};
  for (const auto& e : escapes) {
    std::vector<std::string> errors;
    const texts::DayRow day{Date{2027, 1, 5}, 2, {texts::Verse{e.text, e.text}, std::nullopt}, {}};
    const std::string xml = texts::writeWatchwordXml({day}, errors);
    EXPECT_NE(xml.find(std::string("<Losungstext>") + e.written + "</Losungstext>"), std::string::npos) << xml;
    EXPECT_NE(xml.find(std::string("<Losungsvers>") + e.written + "</Losungsvers>"), std::string::npos) << xml;
    const texts::TableResult back = texts::readWatchwordXml(xml, 2027);
    ASSERT_EQ(back.table.days.size(), 1u) << e.text;
    EXPECT_EQ(back.table.days[0].verses.first, day.verses.first) << e.text;
  }
  // Read: a day that breaks a rule is named, and the file gives no year.
  const struct {
    const char* what;
    const char* fields;
    const char* message;
  } faults[] = {
      {"a field twice", "<Datum>2027-01-05</Datum><Losungstext>a</Losungstext><Datum>2027-01-06</Datum>",
       "<Datum> je v jednom dni dvakrát"},
      {"no Datum", "<Losungstext>a</Losungstext>", "řádek 2: den bez data (prvek Datum)"},
      {"Lehrtext alone", "<Datum>2027-01-05</Datum><Lehrtext>b</Lehrtext>", "řádek 2 (2027-01-05): Lehrtext bez Losungstext"},
  };
  for (const auto& f : faults) {
    const texts::TableResult read = texts::readWatchwordXml(
        std::string("<FreeXml>\n<Losungen>") + f.fields + "</Losungen>\n<Losungen><Datum>2027-01-07</Datum>"
        "<Losungstext>c</Losungstext></Losungen></FreeXml>", 2027);
    ASSERT_EQ(read.errors.size(), 1u) << f.what;
    EXPECT_NE(read.errors[0].find(f.message), std::string::npos) << f.what << ": " << read.errors[0];
  }
}
