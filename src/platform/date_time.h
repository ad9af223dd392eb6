#pragma once
// Calendar dates and times with Windows-style format pictures.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavra {

// The platform's date-conversion error ("Invalid argument to date encode").
class DateConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const Date&, const Date&) = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

bool isValidDate(int year, int month, int day);  // proleptic Gregorian, years 1..9999
// Throws DateConvertError("Invalid argument to date encode") for an impossible date.
Date encodeDate(int year, int month, int day);

// Today: TAVRA_TODAY (YYYY-MM-DD) when set and valid, else the system's local date.
Date today();
TimeOfDay timeNow();

// The user's pictures: TAVRA_SHORTDATE / TAVRA_LONGTIME when set, else "d.M.yyyy" / "H:mm:ss".
std::string shortDateFormat();
std::string longTimeFormat();
// The Czech long date picture used by the date picker.
std::string longDateFormat();

// Windows-style pictures: d dd ddd dddd M MM MMM MMMM yy yyyy, h hh H HH m mm s ss,
// AM/PM and am/pm, quoted literals '...' and "...", other characters copied. Day and month
// names are Czech, in Windows-1250 (the month name in the genitive after a day number).
std::string formatDate(std::string_view picture, const Date& date);
std::string formatTime(std::string_view picture, const TimeOfDay& time);

inline std::string shortDateText(const Date& date) { return formatDate(shortDateFormat(), date); }
inline std::string longTimeText(const TimeOfDay& time) { return formatTime(longTimeFormat(), time); }

}  // namespace tavra
