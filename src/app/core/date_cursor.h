#pragma once
// The shown day and the calendar arithmetic that moves it. The leap rule is "every fourth
// year", exact for 1901 to 2099; the year steps refuse to leave that range.

#include <cstdint>

#include "platform/date_time.h"

namespace tavra {

// Days of a month (1..12) with the every-fourth-year leap rule; 0 for a month outside 1..12.
std::uint8_t GetDaysInMonth(std::uint8_t month, std::uint16_t year);

class DateCursor {
 public:
  std::uint16_t Day = 0;
  std::uint16_t Month = 0;
  std::uint16_t Year = 0;

  // One calendar day forwards; past the last day of a month the month carries.
  void StepDayForward();
  // One calendar day backwards; before the first day of a month the month borrows.
  void StepDayBack();
  // Seven single-day steps forwards (so a limit year wraps day by day).
  void StepWeekForward();
  // Seven single-day steps backwards.
  void StepWeekBack();
  // Next month; from December the year steps and the month becomes 1 (Day untouched).
  void StepMonthForward();
  // Previous month; from January the year steps back and the month becomes 12 (Day untouched).
  void StepMonthBack();
  // Next year, refused at 2099; the last day of a month stays the last, other days are clamped.
  void StepYearForward();
  // Previous year, refused at 1901; same last-day rule and clamping as StepYearForward.
  void StepYearBack();

  // Sets the cursor to the system's current date (today()), held to 1901..2099.
  void SetCursorToToday();
  // Sets the cursor to the date the date picker shows, held to 1901..2099.
  void SetCursorFromPicker(const Date& picked);
  // The cursor as a date; throws DateConvertError("Invalid argument to date encode").
  Date CursorToDate() const;

 private:
  void assign(const Date& date);
};

// Today as the cursor shows it: the system's date held to 1901..2099.
Date heldToday();

// The program's one cursor; all zeros until the main window's creation step sets it.
DateCursor& dateCursor();

}  // namespace tavra
