#include "bible/core/book_names.h"

#include <map>

#include "platform/unicode.h"

namespace tavra::bible {

namespace {

// The Czech locale of the Bible library gives each book a name and one or two
// abbreviations; the translations and the readings index add theirs. Numbered books are
// written with the number and a dot ("1. Korintským"): the key drops dots and blanks, so
// "1 Korintským", "1Korintským" and "1. korintským" are the same form.
const std::vector<BookInfo> kBooks = {
    {"Gen", "Genesis", false, "Genesis|Gn|Gen|1. Mojžíšova|1. Mojž"},
    {"Exod", "Exodus", false, "Exodus|Ex|Exod|2. Mojžíšova|2. Mojž"},
    {"Lev", "Leviticus", false, "Leviticus|Lv|Lev|3. Mojžíšova|3. Mojž"},
    {"Num", "Numeri", false, "Numeri|Nu|Nm|Num|4. Mojžíšova|4. Mojž"},
    {"Deut", "Deuteronomium", false, "Deuteronomium|Dt|Deut|5. Mojžíšova|5. Mojž"},
    {"Josh", "Jozue", false, "Jozue|Joz"},
    {"Judg", "Soudců", false, "Soudců|Sd|Sdc|Soud"},
    {"Ruth", "Rút", false, "Rut|Rút|Rt"},
    {"1Sam", "1. Samuelova", false, "1. Samuelova|1S|1Sam|1. Sam"},
    {"2Sam", "2. Samuelova", false, "2. Samuelova|2S|2Sam|2. Sam"},
    {"1Kgs", "1. Královská", false, "1. Královská|1Kr|1. Král|1. Královů"},
    {"2Kgs", "2. Královská", false, "2. Královská|2Kr|2. Král|2. Královů"},
    {"1Chr", "1. Paralipomenon", false, "1. Paralipomenon|1Pa|1. Par|1. Letopisů|1Let"},
    {"2Chr", "2. Paralipomenon", false, "2. Paralipomenon|2Pa|2. Par|2. Letopisů|2Let"},
    {"Ezra", "Ezdráš", false, "Ezdráš|Ezd|Ezdr"},
    {"Neh", "Nehemiáš", false, "Nehemiáš|Nehemjáš|Neh"},
    {"Esth", "Ester", false, "Ester|Est"},
    {"Job", "Jób", false, "Job|Jób|Jb"},
    {"Ps", "Žalmy", false, "Žalmy|Žalm|Žalmů|Ž|Žl|Ps"},
    {"Prov", "Přísloví", false, "Přísloví|Př|Přís"},
    {"Eccl", "Kazatel", false, "Kazatel|Kaz"},
    {"Song", "Píseň písní", false,
     "Píseň písní|Píseň Šalomounova|Píseň Šalamounova|Píseň|Pís|Pís Šal"},
    {"Isa", "Izajáš", false, "Izaiáš|Izajáš|Iz"},
    {"Jer", "Jeremjáš", false, "Jeremiáš|Jeremjáš|Jr|Jer"},
    {"Lam", "Pláč", false, "Pláč Jeremiášův|Pláč|Pl|Nářky"},
    {"Ezek", "Ezechiel", false, "Ezechiel|Ez|Ezech"},
    {"Dan", "Daniel", false, "Daniel|Dn|Da|Dan"},
    {"Hos", "Ozeáš", false, "Ozeáš|Oz"},
    {"Joel", "Jóel", false, "Joel|Jóel|Jl"},
    {"Amos", "Ámos", false, "Amos|Ámos|Am"},
    {"Obad", "Abdijáš", true, "Abdiáš|Abdijáš|Abd"},
    {"Jonah", "Jonáš", false, "Jonáš|Jon"},
    {"Mic", "Micheáš", false, "Micheáš|Mi|Mich"},
    {"Nah", "Nahum", false, "Nahum|Na|Nah"},
    {"Hab", "Abakuk", false, "Abakuk|Ab|Abk|Abak"},
    {"Zeph", "Sofonjáš", false, "Sofoniáš|Sofonjáš|Sf|Sof"},
    {"Hag", "Ageus", false, "Ageus|Aggeus|Ag|Agg"},
    {"Zech", "Zacharjáš", false, "Zachariáš|Zacharjáš|Za|Zach"},
    {"Mal", "Malachiáš", false, "Malachiáš|Mal"},
    {"Matt", "Matouš", false, "Matouš|Mt|Mat|Matt"},
    {"Mark", "Marek", false, "Marek|Mk|Mar|Mr"},
    {"Luke", "Lukáš", false, "Lukáš|L|Lk|Luk"},
    {"John", "Jan", false, "Jan|J|Jn"},
    {"Acts", "Skutky", false, "Skutky|Skutky apoštolů|Skutky apoštolské|Sk"},
    {"Rom", "Římanům", false, "Římanům|Ř|Řím"},
    {"1Cor", "1. Korintským", false, "1. Korintským|1K|1. Kor"},
    {"2Cor", "2. Korintským", false, "2. Korintským|2K|2. Kor"},
    {"Gal", "Galatským", false, "Galatským|Ga|Gal"},
    {"Eph", "Efezským", false, "Efezským|Ef|Efez"},
    {"Phil", "Filipským", false, "Filipenským|Filipským|Filipanům|Fp|Flp|Fil"},
    {"Col", "Koloským", false, "Kolossenským|Koloským|Kolosským|Kolosanům|Ko|Kol"},
    {"1Thess", "1. Tesalonickým", false,
     "1. Tessalonicenským|1. Tesalonicenským|1. Tesalonickým|1. Soluňským|1Te|1. Tes|1. Tess"},
    {"2Thess", "2. Tesalonickým", false,
     "2. Tessalonicenským|2. Tesalonicenským|2. Tesalonickým|2. Soluňským|2Te|2. Tes|2. Tess"},
    {"1Tim", "1. Timoteovi", false, "1. Timoteovi|1Tm|1. Tim"},
    {"2Tim", "2. Timoteovi", false, "2. Timoteovi|2Tm|2. Tim"},
    {"Titus", "Titovi", false, "Titovi|Titus|Tt|Tit"},
    {"Phlm", "Filemonovi", true, "Filemonovi|Fm|Flm|Filem"},
    {"Heb", "Židům", false, "Židům|Žd|Žid"},
    {"Jas", "Jakubův", false, "Jakub|Jakubův|Jakubova|Jk|Jak"},
    {"1Pet", "1. Petrův", false, "1. Petrova|1. Petrův|1Pt|1. Petr|1P"},
    {"2Pet", "2. Petrův", false, "2. Petrova|2. Petrův|2Pt|2. Petr|2P"},
    {"1John", "1. Janův", false, "1. Janova|1. Janův|1J|1. Jan|1Jn"},
    {"2John", "2. Janův", true, "2. Janova|2. Janův|2J|2. Jan|2Jn"},
    {"3John", "3. Janův", true, "3. Janova|3. Janův|3J|3. Jan|3Jn"},
    {"Jude", "Judův", true, "Juda|Judův|Judova|Ju|Jud"},
    {"Rev", "Zjevení", false, "Zjevení|Zjevení Janovo|Zj|Zjev|Apokalypsa"},
    // The deuterocanonical books, as the library's locale names them.
    {"Tob", "Tobiáš", false, "Tobiáš|Tob|Tb|Tbt"},
    {"Jdt", "Judita", false, "Judita|Jdt"},
    {"AddEsth", "Přídavky k Ester", false, "Přídavky k Ester|Přídavky k Esteri"},
    {"Wis", "Moudrost", false, "Moudrost|Moudrost Šalamounova|Moudr|Mdr"},
    {"Sir", "Sírachovec", false, "Sirachovec|Sírachovec|Sirach|Sir"},
    {"Bar", "Báruk", false, "Baruch|Báruk|Bar"},
    {"PrAzar", "Modlitba Azarjášova", true, "Modlitba Azariášova|Modlitba Azarjášova|Azariáš|Azar"},
    {"Sus", "Zuzana", true, "Zuzana|Zuz"},
    {"Bel", "Bél a drak", true, "Bél a drak|Béla and Drak|Bel"},
    {"PrMan", "Modlitba Manassesova", true, "Modlitba Menášeova|Modlitba Manassesova|Menáše|Man"},
    {"1Macc", "1. Makabejská", false, "1. Makabejská|1Mak|1. Mak"},
    {"2Macc", "2. Makabejská", false, "2. Makabejská|2Mak|2. Mak"},
    {"3Macc", "3. Makabejská", false, "3. Makabejská|3Mak"},
    {"4Macc", "4. Makabejská", false, "4. Makabejská|4Mak"},
    {"1Esd", "1. Ezdrášova", false, "1. Ezdráš|1. Ezdráša|1. Ezdrášova|1Ezd"},
    {"2Esd", "2. Ezdrášova", false, "2. Ezdráš|2. Ezdráša|2. Ezdrášova|2Ezd"},
    {"AddPs", "Žalm 151", true, "Přídavky k Žalmům"},
};

// The letter without its diacritics, for upper-case letters of Czech and Slovak.
char32_t plain(char32_t c) {
  switch (c) {
    case U'Á': case U'Ä': return 'A';
    case U'Č': return 'C';
    case U'Ď': return 'D';
    case U'É': case U'Ě': return 'E';
    case U'Í': return 'I';
    case U'Ľ': case U'Ĺ': return 'L';
    case U'Ň': return 'N';
    case U'Ó': case U'Ô': case U'Ö': return 'O';
    case U'Ř': case U'Ŕ': return 'R';
    case U'Š': return 'S';
    case U'Ť': return 'T';
    case U'Ú': case U'Ů': case U'Ü': return 'U';
    case U'Ý': return 'Y';
    case U'Ž': return 'Z';
    default: return c;
  }
}

// "II. Kor" -> "2. Kor": a Roman numeral stands for the number only when a blank or a dot
// ends it, so that "Iz" stays Isaiah.
std::u32string arabicNumber(std::u32string text) {
  static const std::pair<std::u32string_view, char32_t> numerals[] = {{U"III", '3'}, {U"II", '2'}, {U"IV", '4'},
                                                                     {U"I", '1'}};
  for (const auto& [roman, digit] : numerals) {
    if (text.size() <= roman.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < roman.size(); ++i) same = same && upperCase(text[i]) == roman[i];
    const char32_t after = text[roman.size()];
    if (same && (after == '.' || isBlank(after))) return std::u32string(1, digit) + text.substr(roman.size());
  }
  return text;
}

std::string keyOf(std::u32string_view text, bool withoutDiacritics) {
  std::string key;
  for (char32_t c : text) {
    if (c == '.' || isBlank(c)) continue;
    c = upperCase(c);
    appendUtf8(key, withoutDiacritics ? plain(c) : c);
  }
  return key;
}

struct Index {
  std::map<std::string, const BookInfo*, std::less<>> exact;
  std::map<std::string, const BookInfo*, std::less<>> plain;  // null: two books share it
  std::map<std::string, const BookInfo*, std::less<>> osis;
  std::map<const BookInfo*, std::string_view> shortest;
};

const Index& index() {
  static const Index built = [] {
    Index index;
    for (const BookInfo& book : kBooks) {
      index.osis[std::string(book.osis)] = &book;
      std::string_view forms = book.forms;
      std::size_t shortest = std::size_t(-1);
      while (!forms.empty()) {
        const std::size_t bar = forms.find('|');
        const std::u32string form = utf8ToUtf32(forms.substr(0, bar));
        if (form.size() < shortest) shortest = form.size(), index.shortest[&book] = forms.substr(0, bar);
        forms = bar == std::string_view::npos ? std::string_view() : forms.substr(bar + 1);
        index.exact.emplace(keyOf(form, false), &book);
        auto [at, added] = index.plain.emplace(keyOf(form, true), &book);
        if (!added && at->second != &book) at->second = nullptr;
      }
    }
    return index;
  }();
  return built;
}

}  // namespace

const std::vector<BookInfo>& allBooks() { return kBooks; }

const BookInfo* findBook(std::string_view written) {
  const std::u32string text = arabicNumber(utf8ToUtf32(written));
  const Index& books = index();
  if (auto at = books.exact.find(keyOf(text, false)); at != books.exact.end()) return at->second;
  if (auto at = books.plain.find(keyOf(text, true)); at != books.plain.end()) return at->second;
  return nullptr;
}

std::string_view shortBookName(const BookInfo& book) {
  const Index& books = index();
  auto at = books.shortest.find(&book);
  return at == books.shortest.end() ? book.czechName : at->second;
}

const BookInfo* bookByOsis(std::string_view osis) {
  const Index& books = index();
  auto at = books.osis.find(osis);
  return at == books.osis.end() ? nullptr : at->second;
}

}  // namespace tavra::bible
