#pragma once
// The books of the Bible as Czech readers write them: the full names and abbreviations of
// the Czech translations in use (Bible kralická, the ecumenical translation, Bible 21), the
// Czech book names that the Bible library ships, and the short forms of the readings index.
// Each book is known by its OSIS name, the name a module's versification uses.

#include <string>
#include <string_view>
#include <vector>

namespace tavra::bible {

struct BookInfo {
  std::string_view osis;       // "Matt"
  std::string_view czechName;  // "Matouš": the name shown in headings
  bool oneChapter = false;     // Abdiáš, Filemonovi, 2. a 3. Janova, Juda: "Ju 3" is a verse
  std::string_view forms;      // every accepted spelling, separated by '|'
};

// Every book of the table, in the canon's order (the deuterocanonical books after the New
// Testament).
const std::vector<BookInfo>& allBooks();

// The book a written name or abbreviation stands for, or nullptr. Case, dots and blanks do
// not matter ("1. Tes", "1Te", "1 te"); a leading Roman numeral followed by a blank or a dot
// counts as its number ("II. Kor"); a spelling without its diacritics is accepted when it
// leaves no doubt ("Zalm", "Rim").
const BookInfo* findBook(std::string_view written);

// The book's shortest written form: "Gn", "Ž", "J", "1K", the short notation of the readings
// index, which findBook reads back as this book (the forms of two books never meet).
std::string_view shortBookName(const BookInfo& book);

// The book of an OSIS name, or nullptr.
const BookInfo* bookByOsis(std::string_view osis);

}  // namespace tavra::bible
