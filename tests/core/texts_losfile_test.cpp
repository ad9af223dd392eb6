// tavra-texts and the Czech yearly-texts files (root LOSFILE): every part of a day as the
// program shows it, the readings as the Bible viewer reads them, every encoding giving the
// same year, and files that must be refused with nothing written; the DTD they name is
// never opened.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "bible/core/reference.h"
#include "common/hang_watchdog.h"
#include "core/core_test_support.h"
#include "core/texts_test_support.h"
#include "platform/charsets.h"
#include "platform/codepage.h"
#include "platform/ini_file.h"
#include "platform/rtf_reader.h"
#include "texts/year_files.h"

using namespace tavra;
using namespace tavra::testing;
namespace fs = std::filesystem;

namespace {

// A small year, its texts invented: every kind of element, two DAY elements on one date,
// a DAY whose date has no LOSUNG, elements of a later version of the format.
const std::string kYear = R"(<HEAD><FILEVERS>1.01</FILEVERS><XLAT>K - Bible kralická</XLAT></HEAD>
<YEAR y="2027"><TL>Hesla na rok 2027</TL><S b="Ps" ch="1" v="2"/><L>Blaze tomu, kdo se</L><L>těší ze zákona.</L><SL>Žalm 1,2</SL></YEAR>
<MONTH m="0"><L>Jiná podoba hesla roku</L><SL>Žalm 1,3</SL></MONTH>
<MONTH m="1"><TL>LEDEN</TL><L>Heslo ledna</L><SL>1.Mojžíšova 1,31</SL></MONTH>
<DAY d="3" m="1" type="week" name="Alianční týden  "></DAY>
<DAY d="3" m="1" type="sunday" name="2. neděle po Vánocích  " ord="1"><S b="John" ch="1" v="16"/><L>Heslo týdne</L><SL>Jan 1,16</SL></DAY>
<DAY d="10" m="1" type="sunday" name="1. neděle po Zjevení"><L>Heslo</L><SL>Matouš 3,17</SL></DAY>
<LOSUNG d="1" m="1"><OT><L>Novoroční text</L><SL>Žalm 2,1</SL></OT><SR><SL> Jan 1,1-5 </SL></SR></LOSUNG>
<LOSUNG d="3" m="1">
 <TL>Neděle 3. ledna 2027</TL>
 <OT><S b="Is" ch="44" v="8"/><IL>Hospodin praví:</IL><L>První řádek,</L>
   <L>a <EM>druhý</EM> řádek.</L><SL>Izaiáš 44,8 K</SL></OT>
 <NT><L>Text <X>nový</X>.</L><SL>Matouš 7,8</SL></NT>
 <TT><L>první sloka,</L><L>její konec,</L><L>-</L><L>druhá sloka</L><SL>EZ 121,4.5</SL></TT>
 <SR><SL>Lukáš 4,16-21 :: Jakubova 4,13-15</SL></SR><CR><SL>Žalm 100</SL></CR>
 <Ev><SL>Lukáš 4,16-21</SL></Ev><Ep><SL>Římanům 12,1-3</SL></Ep><Pr><SL>Jan 1,14-18</SL></Pr>
 <AT><SL>Izaiáš 61,1-3</SL></AT><Bl><SL>Žalm 8</SL></Bl>
 <Ev2><SL>Marek 1,1</SL></Ev2><NOVE><L>nic</L></NOVE>
 <C><L>1623 vzpomínka dne</L></C>
</LOSUNG>
<LOSUNG d="6" m="1"><OT><L>Text</L></OT><SR><SL>Matouš 2,1-12</SL></SR><Ev><SL>Matouš 2,13-15</SL></Ev>
 <Ep><SL>Efezským 3,2-12</SL></Ep><AT><SL>Izaiáš 60,1-6</SL></AT></LOSUNG>
)";

std::string losfile(const std::string& body, const std::string& encoding = "UTF-8", const std::string& dtd = "hes27.dtd",
                    const std::string& year = " year='2027'") {
  return "<?xml version='1.0' encoding='" + encoding + "' standalone='no' ?>\n<!DOCTYPE LOSFILE SYSTEM '" + dtd +
         "' [ ]>\n<LOSFILE dtdmainvers='1' dtdsubvers='3' xml:lang='cs'" + year + ">\n" + body + "</LOSFILE>\n";
}

struct Styled {
  std::u16string text;
  bool bold, italic;
};

class TextsLosfileTest : public ::testing::Test {
 protected:
  TempDir dir;
  EnvGuard shortDate{"TAVRA_SHORTDATE", nullptr};

  ToolOutcome import(const std::string& bytes, std::vector<std::string> more = {}) {
    writeBytes(dir.path() / "rok.xml", bytes);
    std::vector<std::string> args = {"import", (dir.path() / "rok.xml").string(), "--out", dir.path().string()};
    args.insert(args.end(), more.begin(), more.end());
    return runTool(args);
  }
  std::string file(const char* name) const { return readBytes(dir.path() / name); }

  // The paragraphs of a day as the program shows them, and whether each styled run is there.
  void expectDay(int day, const std::vector<std::u16string>& paragraphs, const std::vector<Styled>& runs) {
    const rtf::Document shown = shownDay(dir.path(), day, 1, 2027);
    std::vector<std::u16string> texts;
    for (const rtf::Paragraph& paragraph : shown.paragraphs) texts.push_back(rtf::plainText(paragraph));
    EXPECT_EQ(texts, paragraphs) << day;
    for (const Styled& run : runs) {
      bool found = false;
      for (const rtf::Paragraph& paragraph : shown.paragraphs)
        for (const rtf::Run& r : paragraph.runs)
          found = found || (r.text == run.text && r.style.bold == run.bold && r.style.italic == run.italic);
      EXPECT_TRUE(found) << day << ": " << cp1250::toUtf8(cp1250::fromUtf16(run.text));
    }
  }
};

}  // namespace

TEST_F(TextsLosfileTest, EveryPartOfTheYearIsShownAndEveryReadingOpensInTheViewer) {
  writeBytes(dir.path() / "Cteni.js", "[5.5.2026]\r\nCteni1=Gn 1\r\n\r\n[3.1.2027]\r\nCteni1=stare\r\n");
  const ToolOutcome run = import(losfile(kYear));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("TAVRA2027.RTF (3 dnů ze souboru XML), "), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("varování: 362 dnů nemá v souboru XML hesla dne (prvek LOSUNG): 2027-01-02, 2027-01-04, 2027-01-05, "
                         "2027-01-07"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(runTool({"check", (dir.path() / "TAVRA2027.RTF").string()}).status, 0);

  expectDay(3,
            {u"Neděle 3. ledna 2027\nAlianční týden", u"", u"2. neděle po Vánocích\nHeslo týdne\nJan 1,16", u"",
             u"Hospodin praví: První řádek, a druhý řádek.\nIzaiáš 44,8 K", u"", u"Text nový.\nMatouš 7,8", u"",
             u"první sloka,\njejí konec,\n\ndruhá sloka\nEZ 121,4.5", u"", u"1623 vzpomínka dne", u"",
             u"Čtení: Lukáš 4,16-21 · Jakubova 4,13-15 · Žalm 100\nEvangelium: Lukáš 4,16-21\nEpištola: Římanům 12,1-3"
             u"\nStarý zákon: Izaiáš 61,1-3\nKázání: Jan 1,14-18\nŽalm: Žalm 8"},
            {{u"Neděle 3. ledna 2027", true, false}, {u"Alianční týden", false, true},
             {u"2. neděle po Vánocích", true, false}, {u"Hospodin praví:", false, true}, {u"druhý", true, false},
             {u"Izaiáš 44,8 K", false, true}, {u"EZ 121,4.5", false, true}});
  expectDay(1,
            {u"Pátek 1. ledna 2027", u"", u"Heslo na rok 2027\nBlaze tomu, kdo se těší ze zákona.\nŽalm 1,2", u"",
             u"Heslo na měsíc leden\nHeslo ledna\n1.Mojžíšova 1,31", u"", u"Novoroční text\nŽalm 2,1", u"",
             u"Čtení: Jan 1,1-5"},
            {{u"Heslo na rok 2027", true, false}});
  expectDay(10, {u"Neděle 10. ledna 2027", u"", u"1. neděle po Zjevení\nHeslo\nMatouš 3,17"}, {});

  // Cteni1 to Cteni3 are the first three of SR, CR, AT, Ep, Ev; Perikopa is Pr.
  const IniFile index(dir.folder() + "Cteni.js");
  struct Key {
    const char* section;
    const char* key;
    const char* value;
  };
  const Key keys[] = {{"3.1.2027", "Cteni1", "Lukáš 4,16-21"}, {"3.1.2027", "Cteni2", "Jakubova 4,13-15"},
                      {"3.1.2027", "Cteni3", "Žalm 100"},      {"3.1.2027", "Perikopa", "Jan 1,14-18"},
                      {"6.1.2027", "Cteni1", "Matouš 2,1-12"},  {"6.1.2027", "Cteni2", "Izaiáš 60,1-6"},
                      {"6.1.2027", "Cteni3", "Efezským 3,2-12"}, {"1.1.2027", "Cteni1", "Jan 1,1-5"},
                      {"5.5.2026", "Cteni1", "Gn 1"}};
  for (const Key& k : keys)
    EXPECT_EQ(cp1250::toUtf8(index.readString(k.section, k.key, "<none>")), k.value) << k.section << " " << k.key;
  const std::string written = file("Cteni.js");
  EXPECT_EQ(written.find("stare"), std::string::npos);
  std::size_t references = 0;
  for (std::size_t at = written.find('='); at != std::string::npos; at = written.find('=', at + 1), ++references) {
    const std::string value = written.substr(at + 1, written.find('\r', at) - at - 1);
    const bible::Reference reference = bible::parseReference(cp1250::toUtf8(value));
    EXPECT_TRUE(reference.ok()) << cp1250::toUtf8(value) << ": " << reference.problem;
  }
  EXPECT_EQ(references, 9u);
}

TEST_F(TextsLosfileTest, EveryEncodingGivesTheSameYearAndTheNamedDtdIsNeverOpened) {
  ASSERT_EQ(import(losfile(kYear)).status, 0);
  const std::string year = file("TAVRA2027.RTF"), index = file("Cteni.js");
  // A FIFO without a writer blocks whoever opens it.
  const std::string fifo = (dir.path() / "hes27.dtd").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"UTF-16", "\xFF\xFE" + encodeText(losfile(kYear, "UTF-16", fifo), Charset::Utf16LE)},
      {"Windows-1250", encodeText(losfile(kYear, "windows-1250", fifo), Charset::Windows1250)},
      {"ISO-8859-2", encodeText(losfile(kYear, "ISO-8859-2", fifo), Charset::Iso8859_2)},
      {"UTF-8", losfile(kYear, "UTF-8", fifo)},
  };
  for (const Case& c : cases) {
    fs::remove(dir.path() / "TAVRA2027.RTF");
    fs::remove(dir.path() / "Cteni.js");
    HangWatchdog watchdog(std::string("a FIFO as the DTD of a LOSFILE in ") + c.what);
    const ToolOutcome run = import(c.bytes);
    EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
    EXPECT_EQ(file("TAVRA2027.RTF"), year) << c.what;
    EXPECT_EQ(file("Cteni.js"), index) << c.what;
  }
}

TEST_F(TextsLosfileTest, FaultyAndHostileFilesAreRefusedInCzechAndNothingIsWritten) {
  writeBytes(dir.path() / "TAVRA2027.RTF", "old year\r\n");
  writeBytes(dir.path() / "Cteni.js", "[1.1.2027]\r\nCteni1=old\r\n");
  const std::string day = "<LOSUNG d=\"3\" m=\"1\"><OT><L>Text</L></OT></LOSUNG>\n";
  const auto declaring = [&](const std::string& subset) {
    std::string bytes = losfile(day);
    return bytes.replace(bytes.find("[ ]"), 3, "[" + subset + "]");
  };
  std::string tooDeep = "<LOSUNG d=\"3\" m=\"1\">";
  for (int i = 0; i < 16; ++i) tooDeep += "<X>";
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {"entity", declaring("<!ENTITY a \"b\">"), {}, "řádek 2, sloupec 50: soubor deklaruje entitu „a“"},
      {"element", declaring("<!ELEMENT LOSFILE ANY>"), {}, "soubor deklaruje prvek „LOSFILE“; deklarace se nečtou"},
      {"attribute default", declaring("<!ATTLIST LOSFILE year CDATA '2028'>"), {}, "soubor deklaruje atributy prvku „LOSFILE“"},
      {"undeclared entity", losfile("<LOSUNG d=\"3\" m=\"1\"><OT><L>a&nbsp;b</L></OT></LOSUNG>"), {},
       "řádek 4, sloupec 29: odkaz na nedeklarovanou entitu „nbsp“"},
      {"another year", losfile(day), {"--year", "2028"}, "soubor je ročenka na rok 2027, ne na rok 2028"},
      {"no year", losfile(day, "UTF-8", "hes27.dtd", ""), {}, "soubor neuvádí svůj rok (atribut year prvku LOSFILE)"},
      {"no day", losfile("<YEAR><L>Heslo</L></YEAR>"), {}, "soubor neobsahuje žádný den (prvek LOSUNG)"},
      {"date not in the year", losfile("<LOSUNG d=\"29\" m=\"2\"/>" + day), {}, "řádek 4: LOSUNG d=„29“ m=„2“ není den roku 2027"},
      {"a day twice", losfile(day + day), {}, "řádek 5 (2027-01-03): LOSUNG tohoto dne už je na řádku 4"},
      {"a text twice", losfile("<LOSUNG d=\"3\" m=\"1\"><NT/><NT/></LOSUNG>"), {}, "<NT> je v jednom dni dvakrát"},
      {"character outside Windows-1250", losfile("<LOSUNG d=\"3\" m=\"1\">\n<OT><L>A → B</L></OT></LOSUNG>"), {},
       "řádek 5 (2027-01-03): OT, znak 3: „→“ (U+2192) nelze zapsat ve Windows-1250"},
      {"too deep", losfile(tooDeep), {}, "prvky jsou vnořené hlouběji než 16"},
  };
  for (const Case& c : cases) {
    const ToolOutcome run = import(c.bytes, c.args);
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << "\nexpected: " << c.message << "\ngot: " << run.err;
    EXPECT_NE(run.err.find("nic nebylo zapsáno"), std::string::npos) << c.what;
    EXPECT_EQ(file("TAVRA2027.RTF"), "old year\r\n") << c.what;
    EXPECT_EQ(file("Cteni.js"), "[1.1.2027]\r\nCteni1=old\r\n") << c.what;
  }
}

TEST_F(TextsLosfileTest, WithoutAYearTheFileGivesItsOwn) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* said;  // in what the tool writes: the year file made, or why none was
  };
  const Case cases[] = {
      {"LOSFILE", losfile("<LOSUNG d=\"3\" m=\"1\"><OT><L>Text</L></OT></LOSUNG>", "UTF-8", "x.dtd", " year='2029'"),
       "TAVRA2029.RTF (1 dnů"},
      {"table", "date\ttext1\tref1\n2028-02-29\tVerš\tJan 1\n", "TAVRA2028.RTF (1 dnů"},
      {"daily watchwords", "<FreeXml><Losungen><Datum>2030-01-01</Datum><Losungstext>a</Losungstext></Losungen></FreeXml>",
       "TAVRA2030.RTF (1 dnů"},
      {"table without days", "date\ttext1\tref1\n", "soubor nemá žádný den, z něhož by byl poznat rok"},
      {"a year beyond the calendar", "date\ttext1\tref1\n2100-01-01\tVerš\tJan 1\n", "rok 2100 neleží mezi roky 1901 a 2099"},
  };
  for (const Case& c : cases) {
    const ToolOutcome run = import(c.bytes);
    EXPECT_NE((run.out + run.err).find(c.said), std::string::npos) << c.what << ": " << run.out << run.err;
  }
}
