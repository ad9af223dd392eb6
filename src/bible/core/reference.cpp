#include "bible/core/reference.h"

#include <algorithm>

#include "platform/unicode.h"

namespace tavra::bible {

namespace {

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isDash(char32_t c) { return c == '-' || c == 0x2010 || c == 0x2011 || c == 0x2012 || c == 0x2013 || c == 0x2014 || c == 0x2212; }
bool isSeparator(char32_t c) { return c == ',' || c == ':'; }
// Letters of the scripts a book name is written in; anything above ASCII that is not
// punctuation we know counts, so that an unknown name is reported whole.
bool isLetter(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && !isBlank(c) &&
                                                               !isDash(c) && c != 0x201E && c != 0x201C);
}

std::string quoted(std::u32string_view text) { return "„" + utf32ToUtf8(text) + "“"; }

class Parser {
 public:
  explicit Parser(std::u32string text) : s_(std::move(text)) {}

  Reference run() {
    while (ok()) {
      skipBlanks();
      if (at(';')) {  // an empty part, or a semicolon at the end
        ++i_;
        continue;
      }
      if (i_ == s_.size()) break;
      part();
      skipBlanks();
      if (ok() && i_ < s_.size() && !at(';')) fail("nečekaný znak " + quoted(s_.substr(i_, 1)));
    }
    if (ok() && result_.ranges.empty()) fail("prázdný odkaz");
    if (!ok()) result_.ranges.clear();
    return std::move(result_);
  }

 private:
  bool ok() const { return result_.problem.empty(); }
  void fail(std::string problem) {
    if (ok()) result_.problem = std::move(problem);
  }
  bool at(char32_t c) const { return i_ < s_.size() && s_[i_] == c; }
  bool atDigit() const { return i_ < s_.size() && isDigit(s_[i_]); }
  bool atDash() const { return i_ < s_.size() && isDash(s_[i_]); }
  bool atSeparator() const { return i_ < s_.size() && isSeparator(s_[i_]); }
  void skipBlanks() {
    while (i_ < s_.size() && isBlank(s_[i_])) ++i_;
  }

  // A book name starts with a letter, or with a number that a letter follows ("1. Kor").
  bool bookAhead() const {
    std::size_t j = i_;
    while (j < s_.size() && isDigit(s_[j])) ++j;
    if (j > i_) {
      if (j < s_.size() && s_[j] == '.') ++j;
      while (j < s_.size() && isBlank(s_[j])) ++j;
    }
    return j < s_.size() && isLetter(s_[j]);
  }

  void readBook() {
    const std::size_t start = i_;
    while (atDigit()) ++i_;
    while (i_ < s_.size() && (isLetter(s_[i_]) || isBlank(s_[i_]) || s_[i_] == '.')) ++i_;
    std::size_t end = i_;
    while (end > start && isBlank(s_[end - 1])) --end;
    const std::u32string written = s_.substr(start, end - start);
    book_ = findBook(utf32ToUtf8(written));
    if (!book_) fail("neznámá kniha " + quoted(written));
  }

  // A chapter or verse number: at most three digits, not 0.
  int number(const char* what) {
    if (!atDigit()) {
      fail(std::string("chybí číslo ") + what);
      return 0;
    }
    const std::size_t start = i_;
    int value = 0;
    while (atDigit()) value = value * 10 + int(s_[i_++] - '0'), value = std::min(value, 100000);
    if (i_ - start > 3) fail("číslo " + quoted(s_.substr(start, i_ - start)) + " je příliš velké");
    else if (value == 0) fail(std::string("nula není číslo ") + what);
    return value;
  }

  // A verse, with the letter of a half verse ("5a", "5b") read as the whole verse.
  int verse() {
    const int value = number("verše");
    if (i_ < s_.size() && std::u32string_view(U"abcdABCD").find(s_[i_]) != std::u32string_view::npos &&
        (i_ + 1 == s_.size() || !isLetter(s_[i_ + 1])))
      ++i_;
    return value;
  }

  void add(int firstChapter, int firstVerse, int lastChapter, int lastVerse) {
    if (!ok()) return;
    const bool backwards = lastChapter < firstChapter ||
                           (lastChapter == firstChapter && firstVerse && lastVerse && lastVerse < firstVerse);
    if (backwards) {
      fail("rozsah končí dřív, než začíná");
      return;
    }
    result_.ranges.push_back({book_, firstChapter, firstVerse, lastChapter, lastVerse});
  }

  void part() {
    if (bookAhead()) readBook();
    else if (!book_) fail("chybí kniha");
    if (!ok()) return;
    skipBlanks();
    const int chapter = number("kapitoly");
    if (!ok()) return;
    skipBlanks();
    if (atSeparator()) {
      ++i_;
      verses(chapter);
    } else if (atDash()) {
      ++i_;
      skipBlanks();
      const int last = number(book_->oneChapter ? "verše" : "kapitoly");
      skipBlanks();
      if (atSeparator()) {
        ++i_;
        skipBlanks();
        add(chapter, 0, last, verse());
      } else if (book_->oneChapter) {
        add(1, chapter, 1, last);
      } else {
        add(chapter, 0, last, 0);
      }
    } else if (book_->oneChapter) {
      add(1, chapter, 1, chapter);
    } else {
      add(chapter, 0, chapter, 0);
    }
  }

  // "1-8.14-15", "30-21,2": verses of `chapter`, the last range possibly ending in a later one.
  void verses(int chapter) {
    while (ok()) {
      skipBlanks();
      const int first = verse();
      skipBlanks();
      if (atDash()) {
        ++i_;
        skipBlanks();
        const int last = verse();
        skipBlanks();
        std::size_t j = i_ + 1;
        while (j < s_.size() && isBlank(s_[j])) ++j;
        if (atSeparator() && j < s_.size() && isDigit(s_[j])) {
          i_ = j;
          const int lastVerse = verse();
          add(chapter, first, last, lastVerse);
          chapter = last;
        } else {
          add(chapter, first, chapter, last);
        }
      } else {
        add(chapter, first, chapter, first);
      }
      skipBlanks();
      if (!at('.')) return;
      ++i_;  // a dot before more verses, or one that ends the reference
      skipBlanks();
      if (!atDigit()) return;
    }
  }

  std::u32string s_;
  std::size_t i_ = 0;
  const BookInfo* book_ = nullptr;
  Reference result_;
};

}  // namespace

Reference parseReference(std::string_view text) {
  if (text.size() > MaxReferenceLength) {
    Reference refused;
    refused.problem = "odkaz je příliš dlouhý";
    return refused;
  }
  return Parser(utf8ToUtf32(text)).run();
}

std::string osisRef(const VerseRange& range) {
  const std::string book(range.book ? range.book->osis : "");
  auto place = [&](int chapter, int verse) {
    std::string out = book + "." + std::to_string(chapter);
    if (verse) out += "." + std::to_string(verse);
    return out;
  };
  const std::string first = place(range.firstChapter, range.firstVerse);
  const std::string last = place(range.lastChapter, range.lastVerse);
  return first == last ? first : first + "-" + last;
}

}  // namespace tavra::bible
