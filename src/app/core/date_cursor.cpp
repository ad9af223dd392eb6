#include "app/core/date_cursor.h"

#include <tuple>

namespace tavra {

namespace {

constexpr std::uint8_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::uint16_t kFirstYear = 1901;
constexpr std::uint16_t kLastYear = 2099;

std::uint16_t daysIn(std::uint16_t month, std::uint16_t year) {
  return GetDaysInMonth(static_cast<std::uint8_t>(month), year);
}

}  // namespace

std::uint8_t GetDaysInMonth(std::uint8_t month, std::uint16_t year) {
  // The cursor is all zeros before the first creation step; a step taken then must not read
  // outside the table.
  if (month < 1 || month > 12) return 0;
  if (month == 2 && (year & 3) == 0) return 29;
  return kMonthLengths[month - 1];
}

void DateCursor::StepDayForward() {
  if (Day < daysIn(Month, Year)) {
    ++Day;
    return;
  }
  StepMonthForward();
  Day = 1;
}

void DateCursor::StepDayBack() {
  if (Day > 1) {
    --Day;
    return;
  }
  StepMonthBack();
  Day = daysIn(Month, Year);
}

void DateCursor::StepWeekForward() {
  for (int i = 0; i < 7; ++i) StepDayForward();
}

void DateCursor::StepWeekBack() {
  for (int i = 0; i < 7; ++i) StepDayBack();
}

void DateCursor::StepMonthForward() {
  if (Month >= 12) {
    StepYearForward();
    Month = 1;
    return;
  }
  const bool lastDay = Day == daysIn(Month, Year);
  ++Month;
  const std::uint16_t length = daysIn(Month, Year);
  if (lastDay || length < Day) Day = length;
}

void DateCursor::StepMonthBack() {
  if (Month <= 1) {
    StepYearBack();
    Month = 12;
    return;
  }
  const bool lastDay = Day == daysIn(Month, Year);
  --Month;
  const std::uint16_t length = daysIn(Month, Year);
  if (lastDay || length < Day) Day = length;
}

void DateCursor::StepYearForward() {
  if (Year >= kLastYear) return;
  const bool lastDay = Day == daysIn(Month, Year);
  ++Year;
  const std::uint16_t length = daysIn(Month, Year);
  if (lastDay || length < Day) Day = length;
}

void DateCursor::StepYearBack() {
  if (Year <= kFirstYear) return;
  const bool lastDay = Day == daysIn(Month, Year);
  --Year;
  const std::uint16_t length = daysIn(Month, Year);
  if (lastDay || length < Day) Day = length;
}

void DateCursor::SetCursorToToday() { assign(today()); }

void DateCursor::SetCursorFromPicker(const Date& picked) { assign(picked); }

// Only 1901 to 2099 are served (the leap rule and the picker's range); a day outside, such
// as a system date past 2099, is held to the nearest day inside, so that the text and the
// picker show the same day and every step lands on a real one.
void DateCursor::assign(const Date& date) {
  const auto order = [](const Date& d) { return std::tuple(d.year, d.month, d.day); };
  const Date first{kFirstYear, 1, 1};
  const Date last{kLastYear, 12, 31};
  const Date held = order(date) < order(first) ? first : order(last) < order(date) ? last : date;
  Year = static_cast<std::uint16_t>(held.year);
  Month = static_cast<std::uint16_t>(held.month);
  Day = static_cast<std::uint16_t>(held.day);
}

Date DateCursor::CursorToDate() const { return encodeDate(Year, Month, Day); }

Date heldToday() {
  DateCursor held;
  held.SetCursorToToday();
  return held.CursorToDate();
}

DateCursor& dateCursor() {
  static DateCursor cursor;
  return cursor;
}

}  // namespace tavra
