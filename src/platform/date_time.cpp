#include "platform/date_time.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/codepage.h"

namespace tavra {
namespace {

// Czech names; the text is Windows-1250 like every text of the program.
struct CzechNames {
  std::array<std::string, 12> months, monthsGenitive, monthsShort;
  std::array<std::string, 7> days, daysShort;  // Sunday first

  CzechNames() {
    const char* m[] = {"leden", "únor", "březen", "duben", "květen", "červen",
                       "červenec", "srpen", "září", "říjen", "listopad", "prosinec"};
    const char* mg[] = {"ledna", "února", "března", "dubna", "května", "června",
                        "července", "srpna", "září", "října", "listopadu", "prosince"};
    const char* ms[] = {"led", "úno", "bře", "dub", "kvě", "čvn", "čvc", "srp", "zář", "říj", "lis", "pro"};
    const char* d[] = {"neděle", "pondělí", "úterý", "středa", "čtvrtek", "pátek", "sobota"};
    const char* ds[] = {"ne", "po", "út", "st", "čt", "pá", "so"};
    for (int i = 0; i < 12; ++i) {
      months[i] = cp1250::fromUtf8(m[i]);
      monthsGenitive[i] = cp1250::fromUtf8(mg[i]);
      monthsShort[i] = cp1250::fromUtf8(ms[i]);
    }
    for (int i = 0; i < 7; ++i) {
      days[i] = cp1250::fromUtf8(d[i]);
      daysShort[i] = cp1250::fromUtf8(ds[i]);
    }
  }
};

const CzechNames& names() {
  static const CzechNames instance;
  return instance;
}

int daysInMonth(int year, int month) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kLengths[month - 1];
}

// 0 = Sunday; Sakamoto's method for the proleptic Gregorian calendar.
int dayOfWeek(const Date& date) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = date.year - (date.month < 3 ? 1 : 0);
  return (y + y / 4 - y / 100 + y / 400 + kOffsets[date.month - 1] + date.day) % 7;
}

std::string number(int value, int minDigits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", minDigits, value);
  return buffer;
}

// A picture read token by token: runs of one letter, quoted literals, other characters.
class Picture {
 public:
  explicit Picture(std::string_view text) : text_(text) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return text_[pos_]; }
  bool startsWith(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }
  void skip(std::size_t n) { pos_ += n; }

  int takeRun() {
    char c = text_[pos_];
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] == c) ++pos_;
    return int(pos_ - start);
  }

  // A literal in single or double quotes; two single quotes inside single quotes stand
  // for one. An unclosed quote runs to the end of the picture.
  void takeLiteral(std::string& out) {
    char quote = text_[pos_++];
    while (pos_ < text_.size()) {
      char c = text_[pos_++];
      if (c != quote) {
        out += c;
      } else if (quote == '\'' && pos_ < text_.size() && text_[pos_] == '\'') {
        out += '\'';
        ++pos_;
      } else {
        return;
      }
    }
  }

  // Whether the picture names the day as a number, which puts a month name into the
  // genitive ("5. března", but "březen 1999").
  bool hasDayNumber() const {
    Picture p(text_);
    std::string ignored;
    while (!p.atEnd()) {
      char c = p.peek();
      if (c == '\'' || c == '"') {
        p.takeLiteral(ignored);
      } else if (c == 'd') {
        if (p.takeRun() <= 2) return true;
      } else {
        p.skip(1);
      }
    }
    return false;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::string fromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return fallback;
  return cp1250::fromUtf8(value);
}

bool parseIsoDate(const char* s, Date& out) {
  if (s == nullptr) return false;
  std::string_view v(s);
  if (v.size() != 10 || v[4] != '-' || v[7] != '-') return false;
  int fields[3] = {0, 0, 0};
  const std::size_t starts[3] = {0, 5, 8};
  const std::size_t lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f) {
    for (std::size_t i = 0; i < lengths[f]; ++i) {
      char c = v[starts[f] + i];
      if (c < '0' || c > '9') return false;
      fields[f] = fields[f] * 10 + (c - '0');
    }
  }
  if (!isValidDate(fields[0], fields[1], fields[2])) return false;
  out = Date{fields[0], fields[1], fields[2]};
  return true;
}

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts;
}

}  // namespace

bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

Date encodeDate(int year, int month, int day) {
  if (!isValidDate(year, month, day)) throw DateConvertError("Invalid argument to date encode");
  return Date{year, month, day};
}

Date today() {
  Date fixed;
  if (parseIsoDate(std::getenv("TAVRA_TODAY"), fixed)) return fixed;
  std::tm parts = localNow();
  return Date{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

TimeOfDay timeNow() {
  std::tm parts = localNow();
  return TimeOfDay{parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::string shortDateFormat() { return fromEnvironment("TAVRA_SHORTDATE", "d.M.yyyy"); }

std::string longTimeFormat() { return fromEnvironment("TAVRA_LONGTIME", "H:mm:ss"); }

// The date picker always speaks Czech, like the rest of the window, whatever the short
// date picture is: "5. března 1999".
std::string longDateFormat() { return "d. MMMM yyyy"; }

std::string formatDate(std::string_view pictureText, const Date& date) {
  const CzechNames& n = names();
  bool monthKnown = date.month >= 1 && date.month <= 12;
  bool valid = isValidDate(date.year, date.month, date.day);
  Picture picture(pictureText);
  bool genitive = picture.hasDayNumber();
  std::string out;
  while (!picture.atEnd()) {
    char c = picture.peek();
    if (c == '\'' || c == '"') {
      picture.takeLiteral(out);
    } else if (c == 'd') {
      int run = picture.takeRun();
      if (run <= 2) out += number(date.day, run);
      else if (valid) out += (run == 3 ? n.daysShort : n.days)[dayOfWeek(date)];
    } else if (c == 'M') {
      int run = picture.takeRun();
      if (run <= 2) out += number(date.month, run);
      else if (monthKnown && run == 3) out += n.monthsShort[date.month - 1];
      else if (monthKnown) out += (genitive ? n.monthsGenitive : n.months)[date.month - 1];
    } else if (c == 'y') {
      int run = picture.takeRun();
      if (run <= 2) out += number(date.year % 100, run);
      else out += number(date.year, 4);
    } else {
      out += c;
      picture.skip(1);
    }
  }
  return out;
}

std::string formatTime(std::string_view pictureText, const TimeOfDay& time) {
  Picture picture(pictureText);
  bool morning = time.hour < 12;
  int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  std::string out;
  while (!picture.atEnd()) {
    char c = picture.peek();
    if (c == '\'' || c == '"') {
      picture.takeLiteral(out);
    } else if (picture.startsWith("AM/PM")) {
      out += morning ? "AM" : "PM";
      picture.skip(5);
    } else if (picture.startsWith("am/pm")) {
      out += morning ? "am" : "pm";
      picture.skip(5);
    } else if (c == 'h' || c == 'H' || c == 'm' || c == 's') {
      int digits = picture.takeRun() >= 2 ? 2 : 1;
      int value = c == 'h' ? hour12 : c == 'H' ? time.hour : c == 'm' ? time.minute : time.second;
      out += number(value, digits);
    } else if (c == 't') {
      out += picture.takeRun() >= 2 ? (morning ? "AM" : "PM") : (morning ? "A" : "P");
    } else {
      out += c;
      picture.skip(1);
    }
  }
  return out;
}

}  // namespace tavra
