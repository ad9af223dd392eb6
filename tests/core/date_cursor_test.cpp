#include "app/core/date_cursor.h"
#include "app/core/today_watch.h"

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "core/core_test_support.h"

using namespace tavra;
namespace chr = std::chrono;

namespace {

DateCursor at(int day, int month, int year) {
  DateCursor cursor;
  cursor.SetCursorFromPicker(Date{year, month, day});
  return cursor;
}

std::string text(const DateCursor& c) {
  return std::to_string(c.Day) + "." + std::to_string(c.Month) + "." + std::to_string(c.Year);
}

std::string text(const chr::year_month_day& d) {
  return std::to_string(unsigned(d.day())) + "." + std::to_string(unsigned(d.month())) + "." +
         std::to_string(int(d.year()));
}

template <class Step>
std::string after(int day, int month, int year, Step step) {
  DateCursor cursor = at(day, month, year);
  (cursor.*step)();
  return text(cursor);
}

}  // namespace

TEST(DateCursor, MonthLengthsFollowTheEveryFourthYearRule) {
  const int common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(GetDaysInMonth(std::uint8_t(month), 1999), common[month - 1]) << month;
    EXPECT_EQ(GetDaysInMonth(std::uint8_t(month), 2000), month == 2 ? 29 : common[month - 1]);
  }
  // No century exception: the rule is exact only between 1901 and 2099.
  EXPECT_EQ(GetDaysInMonth(2, 1900), 29);
  EXPECT_EQ(GetDaysInMonth(2, 2100), 29);
  EXPECT_EQ(GetDaysInMonth(0, 1999), 0);
  EXPECT_EQ(GetDaysInMonth(13, 1999), 0);
}

TEST(DateCursor, DayStepsCrossMonthsLeapDaysAndYearEnds) {
  EXPECT_EQ(after(31, 1, 2001, &DateCursor::StepDayForward), "1.2.2001");
  EXPECT_EQ(after(28, 2, 2000, &DateCursor::StepDayForward), "29.2.2000");
  EXPECT_EQ(after(28, 2, 2001, &DateCursor::StepDayForward), "1.3.2001");
  EXPECT_EQ(after(1, 3, 2000, &DateCursor::StepDayBack), "29.2.2000");
  EXPECT_EQ(after(1, 3, 2001, &DateCursor::StepDayBack), "28.2.2001");
  EXPECT_EQ(after(31, 12, 1999, &DateCursor::StepDayForward), "1.1.2000");
  EXPECT_EQ(after(1, 1, 2000, &DateCursor::StepDayBack), "31.12.1999");
  EXPECT_EQ(after(27, 12, 2000, &DateCursor::StepWeekForward), "3.1.2001");
  EXPECT_EQ(after(3, 1, 2001, &DateCursor::StepWeekBack), "27.12.2000");
}

TEST(DateCursor, YearStepsAreRefusedAtTheLimitsWhileMonthAndDayWrap) {
  EXPECT_EQ(after(31, 12, 2099, &DateCursor::StepDayForward), "1.1.2099");
  EXPECT_EQ(after(1, 1, 1901, &DateCursor::StepDayBack), "31.12.1901");
  EXPECT_EQ(after(28, 12, 2099, &DateCursor::StepWeekForward), "4.1.2099");
  EXPECT_EQ(after(4, 1, 1901, &DateCursor::StepWeekBack), "28.12.1901");
  EXPECT_EQ(after(15, 6, 2099, &DateCursor::StepYearForward), "15.6.2099");
  EXPECT_EQ(after(15, 6, 1901, &DateCursor::StepYearBack), "15.6.1901");
  EXPECT_EQ(after(15, 6, 2098, &DateCursor::StepYearForward), "15.6.2099");
  EXPECT_EQ(after(15, 6, 1902, &DateCursor::StepYearBack), "15.6.1901");
}

TEST(DateCursor, CarryStepsKeepTheLastDayLastAndClampTheOthers) {
  // The last day of a month stays the last day of the next one.
  EXPECT_EQ(after(30, 4, 2001, &DateCursor::StepMonthForward), "31.5.2001");
  EXPECT_EQ(after(31, 1, 2000, &DateCursor::StepMonthForward), "29.2.2000");
  EXPECT_EQ(after(30, 6, 2001, &DateCursor::StepMonthBack), "31.5.2001");
  // Other days are kept, or clamped to a shorter month.
  EXPECT_EQ(after(30, 1, 2001, &DateCursor::StepMonthForward), "28.2.2001");
  EXPECT_EQ(after(15, 1, 2001, &DateCursor::StepMonthForward), "15.2.2001");
  EXPECT_EQ(after(30, 3, 2001, &DateCursor::StepMonthBack), "28.2.2001");
  // Across the year the month wraps and the day is left alone.
  EXPECT_EQ(after(31, 12, 2001, &DateCursor::StepMonthForward), "31.1.2002");
  EXPECT_EQ(after(1, 1, 2001, &DateCursor::StepMonthBack), "1.12.2000");
  // Year steps: 28 February before a leap year becomes 29 February and back again.
  EXPECT_EQ(after(28, 2, 2003, &DateCursor::StepYearForward), "29.2.2004");
  EXPECT_EQ(after(29, 2, 2004, &DateCursor::StepYearForward), "28.2.2005");
  EXPECT_EQ(after(29, 2, 2004, &DateCursor::StepYearBack), "28.2.2003");
  EXPECT_EQ(after(28, 2, 2005, &DateCursor::StepYearBack), "29.2.2004");
  EXPECT_EQ(after(27, 2, 2003, &DateCursor::StepYearForward), "27.2.2004");
}

TEST(DateCursor, DayAndWeekWalksMatchTheRealCalendarFrom1901To2099) {
  const chr::sys_days first = chr::year{1901} / 1 / 1;
  const chr::sys_days last = chr::year{2099} / 12 / 31;

  DateCursor cursor = at(1, 1, 1901);
  for (chr::sys_days day = first; day < last;) {
    day += chr::days{1};
    cursor.StepDayForward();
    ASSERT_EQ(text(cursor), text(chr::year_month_day{day}));
  }
  for (chr::sys_days day = last; day > first;) {
    day -= chr::days{1};
    cursor.StepDayBack();
    ASSERT_EQ(text(cursor), text(chr::year_month_day{day}));
  }

  // The year 1999 once more by weeks, forwards from New Year and back from New Year's Eve.
  cursor = at(1, 1, 1999);
  for (chr::sys_days day = chr::year{1999} / 1 / 1; day + chr::days{7} <= chr::sys_days{chr::year{1999} / 12 / 31};) {
    day += chr::days{7};
    cursor.StepWeekForward();
    ASSERT_EQ(text(cursor), text(chr::year_month_day{day}));
  }
  cursor = at(31, 12, 1999);
  for (chr::sys_days day = chr::year{1999} / 12 / 31; day - chr::days{7} >= chr::sys_days{chr::year{1999} / 1 / 1};) {
    day -= chr::days{7};
    cursor.StepWeekBack();
    ASSERT_EQ(text(cursor), text(chr::year_month_day{day}));
  }
}

TEST(DateCursor, TodayPickerAndEncoding) {
  tavra::testing::EnvGuard today("TAVRA_TODAY", "2001-01-05");
  DateCursor cursor;
  EXPECT_EQ(text(cursor), "0.0.0");
  cursor.SetCursorToToday();
  EXPECT_EQ(text(cursor), "5.1.2001");
  EXPECT_EQ(cursor.CursorToDate(), (Date{2001, 1, 5}));

  cursor.SetCursorFromPicker(Date{1999, 12, 24});
  EXPECT_EQ(cursor.CursorToDate(), (Date{1999, 12, 24}));

  // Outside 1901..2099 the leap rule can reach a day that does not exist.
  cursor.Day = 28, cursor.Month = 2, cursor.Year = 1900;
  cursor.StepDayForward();
  EXPECT_EQ(text(cursor), "29.2.1900");
  try {
    cursor.CursorToDate();
    FAIL() << "29.2.1900 was encoded";
  } catch (const DateConvertError& error) {
    EXPECT_STREQ(error.what(), "Invalid argument to date encode");
  }
  EXPECT_THROW(DateCursor().CursorToDate(), DateConvertError);
}

TEST(DateCursor, DaysOutside1901To2099AreHeldToTheNearestDayInside) {
  {
    tavra::testing::EnvGuard today("TAVRA_TODAY", "2100-02-28");
    DateCursor cursor;
    cursor.SetCursorToToday();
    EXPECT_EQ(text(cursor), "31.12.2099");
    cursor.StepDayForward();
    EXPECT_EQ(cursor.CursorToDate(), (Date{2099, 1, 1}));
  }
  {
    tavra::testing::EnvGuard today("TAVRA_TODAY", "1900-02-28");
    DateCursor cursor;
    cursor.SetCursorToToday();
    EXPECT_EQ(text(cursor), "1.1.1901");
    cursor.StepDayBack();
    EXPECT_EQ(cursor.CursorToDate(), (Date{1901, 12, 31}));
  }
  EXPECT_EQ(text(at(29, 2, 2100)), "31.12.2099");
  EXPECT_EQ(text(at(31, 12, 1900)), "1.1.1901");
  EXPECT_EQ(text(at(31, 12, 2099)), "31.12.2099");
  EXPECT_EQ(text(at(1, 1, 1901)), "1.1.1901");
}

TEST(DateCursor, StepsOnTheUnsetCursorStayInsideTheTable) {
  // Before the creation step the cursor is all zeros; a step must still land on a real month.
  DateCursor cursor;
  cursor.StepDayForward();
  EXPECT_EQ(text(cursor), "1.1.0");
  DateCursor back;
  back.StepDayBack();
  EXPECT_EQ(text(back), "31.12.0");
}

TEST(TodayWatch, TheShownDayFollowsAChangedDateOnlyFromToday) {
  struct Case {
    const char* what;
    bool noted;      // the day was noted as today before
    Date shown;
    Date today;      // at the tick
    Date expected;   // shown after the tick
  };
  const Date noted{2026, 12, 31};
  const Case cases[] = {
      {"midnight", true, noted, {2027, 1, 1}, {2027, 1, 1}},
      {"a clock set back", true, noted, {2026, 12, 20}, {2026, 12, 20}},
      {"the same day", true, noted, noted, noted},
      {"another day shown", true, {2026, 12, 24}, {2027, 1, 1}, {2026, 12, 24}},
      {"nothing noted yet", false, noted, {2027, 1, 1}, noted},
  };
  for (const Case& c : cases) {
    TodayWatch watch;
    if (c.noted) watch.note(noted);
    DateCursor cursor;
    cursor.SetCursorFromPicker(c.shown);
    EXPECT_EQ(watch.follow(cursor, c.today), c.expected != c.shown) << c.what;
    EXPECT_EQ(cursor.CursorToDate(), c.expected) << c.what;
    // The next tick of the same day changes nothing.
    EXPECT_FALSE(watch.follow(cursor, c.today)) << c.what;
  }
}
