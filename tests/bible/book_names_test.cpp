// Every book of the Bible as Czech readers write it, against the key the Bible library
// must get for it.
#include <gtest/gtest.h>

#include <versificationmgr.h>

#include <fstream>
#include <string>

#include "bible/core/book_names.h"
#include "bible/core/reference.h"

using namespace tavra::bible;

namespace {

struct Written {
  const char* form;
  const char* osis;
};

// The translations' abbreviations and names, and the short forms of the readings index.
const Written kForms[] = {
    {"Gn", "Gen"}, {"Genesis", "Gen"}, {"1. Mojžíšova", "Gen"}, {"Ex", "Exod"}, {"Exodus", "Exod"},
    {"2. Mojžíšova", "Exod"}, {"Lv", "Lev"}, {"Leviticus", "Lev"}, {"Nu", "Num"}, {"Numeri", "Num"},
    {"Dt", "Deut"}, {"Deuteronomium", "Deut"}, {"Joz", "Josh"}, {"Jozue", "Josh"}, {"Sd", "Judg"},
    {"Soudců", "Judg"}, {"Rt", "Ruth"}, {"Rút", "Ruth"}, {"1S", "1Sam"}, {"1. Samuelova", "1Sam"},
    {"2S", "2Sam"}, {"2. Samuelova", "2Sam"}, {"1Kr", "1Kgs"}, {"1. Královská", "1Kgs"}, {"2Kr", "2Kgs"},
    {"2. Královská", "2Kgs"}, {"1Pa", "1Chr"}, {"1. Paralipomenon", "1Chr"}, {"1. Letopisů", "1Chr"},
    {"2Pa", "2Chr"}, {"2. Letopisů", "2Chr"}, {"Ezd", "Ezra"}, {"Ezdráš", "Ezra"}, {"Neh", "Neh"},
    {"Nehemjáš", "Neh"}, {"Est", "Esth"}, {"Ester", "Esth"}, {"Jb", "Job"}, {"Jób", "Job"}, {"Ž", "Ps"},
    {"Žalm", "Ps"}, {"Žalmy", "Ps"}, {"Př", "Prov"}, {"Přísloví", "Prov"}, {"Kaz", "Eccl"},
    {"Kazatel", "Eccl"}, {"Pís", "Song"}, {"Píseň písní", "Song"}, {"Píseň Šalomounova", "Song"},
    {"Iz", "Isa"}, {"Izajáš", "Isa"}, {"Izaiáš", "Isa"}, {"Jr", "Jer"}, {"Jeremiáš", "Jer"}, {"Pl", "Lam"},
    {"Pláč Jeremiášův", "Lam"}, {"Ez", "Ezek"}, {"Ezechiel", "Ezek"}, {"Da", "Dan"}, {"Dn", "Dan"},
    {"Daniel", "Dan"}, {"Oz", "Hos"}, {"Ozeáš", "Hos"}, {"Jl", "Joel"}, {"Jóel", "Joel"}, {"Am", "Amos"},
    {"Ámos", "Amos"}, {"Abd", "Obad"}, {"Abdijáš", "Obad"}, {"Jon", "Jonah"}, {"Jonáš", "Jonah"},
    {"Mi", "Mic"}, {"Micheáš", "Mic"}, {"Na", "Nah"}, {"Nahum", "Nah"}, {"Abk", "Hab"}, {"Abakuk", "Hab"},
    {"Sf", "Zeph"}, {"Sofonjáš", "Zeph"}, {"Ag", "Hag"}, {"Ageus", "Hag"}, {"Za", "Zech"},
    {"Zacharjáš", "Zech"}, {"Mal", "Mal"}, {"Malachiáš", "Mal"}, {"Mt", "Matt"}, {"Matouš", "Matt"},
    {"Mk", "Mark"}, {"Marek", "Mark"}, {"L", "Luke"}, {"Lk", "Luke"}, {"Lukáš", "Luke"}, {"J", "John"},
    {"Jan", "John"}, {"Sk", "Acts"}, {"Skutky apoštolů", "Acts"}, {"Ř", "Rom"}, {"Římanům", "Rom"},
    {"1K", "1Cor"}, {"1. Korintským", "1Cor"}, {"2K", "2Cor"}, {"2. Korintským", "2Cor"}, {"Ga", "Gal"},
    {"Galatským", "Gal"}, {"Ef", "Eph"}, {"Efezským", "Eph"}, {"Fp", "Phil"}, {"Filipenským", "Phil"},
    {"Filipským", "Phil"}, {"Ko", "Col"}, {"Koloským", "Col"}, {"Kolossenským", "Col"}, {"1Te", "1Thess"},
    {"1 Te", "1Thess"}, {"1. Tes", "1Thess"}, {"1. Tesalonicenským", "1Thess"},
    {"1. Tessalonicenským", "1Thess"}, {"2Te", "2Thess"}, {"2. Tesalonickým", "2Thess"}, {"1Tm", "1Tim"},
    {"1. Timoteovi", "1Tim"}, {"2Tm", "2Tim"}, {"2. Timoteovi", "2Tim"}, {"Tt", "Titus"}, {"Titovi", "Titus"},
    {"Fm", "Phlm"}, {"Filemonovi", "Phlm"}, {"Žd", "Heb"}, {"Židům", "Heb"}, {"Jk", "Jas"},
    {"Jakubův", "Jas"}, {"1Pt", "1Pet"}, {"1. Petrův", "1Pet"}, {"2Pt", "2Pet"}, {"2. Petrova", "2Pet"},
    {"1J", "1John"}, {"1. Janův", "1John"}, {"2J", "2John"}, {"2. Janova", "2John"}, {"3J", "3John"},
    {"3. Janův", "3John"}, {"Ju", "Jude"}, {"Judův", "Jude"}, {"Zj", "Rev"}, {"Zjevení Janovo", "Rev"},
    {"Tob", "Tob"}, {"Jdt", "Jdt"}, {"Mdr", "Wis"}, {"Sír", "Sir"}, {"Bar", "Bar"}, {"1Mak", "1Macc"},
    {"2. Makabejská", "2Macc"},
    // Case, blanks, dots, Roman numbers and missing diacritics.
    {"mt", "Matt"}, {"MT.", "Matt"}, {"1.Kor", "1Cor"}, {"II. Kor", "2Cor"}, {"I Te", "1Thess"},
    {"Zalm", "Ps"}, {"Rimanum", "Rom"}, {"Zd", "Heb"}, {"Zidum", "Heb"},
};

// The reference of chapter 2, verse 3 in the book (verse 3 of a book of one chapter).
std::string expectedKey(const BookInfo& book) { return std::string(book.osis) + (book.oneChapter ? ".1.3" : ".2.3"); }
std::string written(const std::string& form, const BookInfo& book) { return form + (book.oneChapter ? " 3" : " 2,3"); }

// Whether some versification of the Bible library knows the OSIS name.
bool libraryKnows(const std::string& osis) {
  auto* manager = sword::VersificationMgr::getSystemVersificationMgr();
  for (const sword::SWBuf& name : manager->getVersificationSystems())
    if (manager->getVersificationSystem(name.c_str())->getBookNumberByOSISName(osis.c_str()) > 0) return true;
  return false;
}

TEST(BookNames, EveryWrittenFormGivesTheLibrarysKey) {
  for (const Written& row : kForms) {
    SCOPED_TRACE(row.form);
    const BookInfo* book = findBook(row.form);
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->osis, row.osis);
    const Reference parsed = parseReference(written(row.form, *book));
    ASSERT_TRUE(parsed.ok()) << parsed.problem;
    ASSERT_EQ(parsed.ranges.size(), 1u);
    EXPECT_EQ(osisRef(parsed.ranges[0]), expectedKey(*book));
    EXPECT_TRUE(libraryKnows(row.osis));
  }
}

TEST(BookNames, EveryFormOfTheTableReadsAsItsOwnBook) {
  int forms = 0;
  for (const BookInfo& book : allBooks()) {
    EXPECT_TRUE(libraryKnows(std::string(book.osis))) << book.osis;
    EXPECT_EQ(bookByOsis(book.osis), &book);
    std::string_view rest = book.forms;
    while (!rest.empty()) {
      const std::size_t bar = rest.find('|');
      const std::string form(rest.substr(0, bar));
      rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
      ++forms;
      const Reference parsed = parseReference(written(form, book));
      ASSERT_TRUE(parsed.ok()) << form << ": " << parsed.problem;
      EXPECT_EQ(osisRef(parsed.ranges.at(0)), expectedKey(book)) << form;
    }
  }
  EXPECT_GT(forms, 300);
}

TEST(BookNames, UnknownAndAmbiguousNamesAreNotBooks) {
  for (const char* name : {"", "Xy", "Matoušek", "1. Matouš", "Jan Jan", "Z z"}) EXPECT_EQ(findBook(name), nullptr) << name;
}

// The Czech locale that the Bible library ships is the table's base: every abbreviation it
// lists reads as the book it names.
TEST(BookNames, TheLibrarysCzechLocaleIsCovered) {
  std::ifstream locale("/usr/share/sword/locales.d/cs-utf8.conf");
  if (!locale) GTEST_SKIP() << "libsword-common's Czech locale is not installed";
  std::string line;
  bool abbreviations = false;
  int checked = 0;
  while (std::getline(locale, line)) {
    if (line.starts_with("[")) abbreviations = line.starts_with("[Book Abbrevs]");
    const std::size_t equals = line.find('=');
    if (!abbreviations || line.starts_with("#") || equals == std::string::npos) continue;
    const std::string name = line.substr(0, equals), osis = line.substr(equals + 1);
    if (name.find('(') != std::string::npos) continue;  // "ESTER (ŘEC.)": no reference is written so
    const BookInfo* book = findBook(name);
    ASSERT_NE(book, nullptr) << name;
    EXPECT_EQ(book->osis, osis) << name;
    ++checked;
  }
  EXPECT_GT(checked, 150);
}

}  // namespace
