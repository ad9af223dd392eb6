#include "platform/date_time.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/codepage.h"

using namespace tavra;

namespace {

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string cp(const char* utf8) { return cp1250::fromUtf8(utf8); }

}  // namespace

TEST(DateTime, EncodeAcceptsOnlyRealDates) {
  EXPECT_EQ(encodeDate(2000, 2, 29), (Date{2000, 2, 29}));
  EXPECT_TRUE(isValidDate(1, 1, 1));
  EXPECT_TRUE(isValidDate(9999, 12, 31));
  for (auto [y, m, d] : {std::tuple{1900, 2, 29}, {2100, 2, 29}, {2001, 2, 29}, {1999, 4, 31}, {1999, 13, 1},
                         {1999, 0, 1}, {1999, 1, 0}, {0, 1, 1}, {10000, 1, 1}}) {
    EXPECT_FALSE(isValidDate(y, m, d)) << y << "-" << m << "-" << d;
    try {
      encodeDate(y, m, d);
      ADD_FAILURE() << "no error for " << y << "-" << m << "-" << d;
    } catch (const DateConvertError& e) {
      EXPECT_STREQ(e.what(), "Invalid argument to date encode");
    }
  }
}

TEST(DateTime, DatePicturesGiveNumbersAndCzechNames) {
  const Date friday{2001, 1, 5};
  EXPECT_EQ(formatDate("d.M.yyyy", friday), "5.1.2001");
  EXPECT_EQ(formatDate("dd.MM.yy", friday), "05.01.01");
  EXPECT_EQ(formatDate("y/yyyy", Date{2007, 11, 30}), "7/2007");
  EXPECT_EQ(formatDate("yyyy-MM-dd", Date{812, 3, 4}), "0812-03-04");
  EXPECT_EQ(formatDate("dddd d. MMMM yyyy", friday), cp("pátek 5. ledna 2001"));
  EXPECT_EQ(formatDate("ddd d.M.", Date{2000, 2, 29}), cp("út 29.2."));
  EXPECT_EQ(formatDate("MMMM yyyy", Date{1999, 3, 5}), cp("březen 1999"));  // no day number: nominative
  EXPECT_EQ(formatDate("dddd MMMM", Date{1999, 3, 7}), cp("neděle březen"));
  EXPECT_EQ(formatDate("d. MMM", Date{1999, 6, 1}), cp("1. čvn"));
  EXPECT_EQ(formatDate(longDateFormat(), Date{1999, 3, 5}), cp("5. března 1999"));
  EXPECT_EQ(formatDate(longDateFormat(), Date{1999, 12, 24}), cp("24. prosince 1999"));
  EXPECT_EQ(formatDate("'den' d \"of\" M, 'it''s'", friday), "den 5 of 1, it's");
  EXPECT_EQ(formatDate("'open d", friday), "open d");
  EXPECT_EQ(formatDate("H:mm d", friday), "H:mm 5");  // time letters mean nothing in a date
}

TEST(DateTime, ImpossibleDatesFormatWithoutNames) {
  EXPECT_EQ(formatDate("d.M.yyyy MMMM dddd", Date{0, 0, 0}), "0.0.0000  ");
  EXPECT_EQ(formatDate("d.MMMM", Date{1999, 13, 40}), "40.");
}

TEST(DateTime, TimePictures) {
  EXPECT_EQ(formatTime("H:mm:ss", TimeOfDay{9, 5, 7}), "9:05:07");
  EXPECT_EQ(formatTime("HH:m:s", TimeOfDay{9, 5, 7}), "09:5:7");
  EXPECT_EQ(formatTime("hh:mm tt", TimeOfDay{0, 30, 0}), "12:30 AM");
  EXPECT_EQ(formatTime("h:mm t", TimeOfDay{13, 0, 0}), "1:00 P");
  EXPECT_EQ(formatTime("h AM/PM", TimeOfDay{12, 0, 0}), "12 PM");
  EXPECT_EQ(formatTime("h am/pm", TimeOfDay{11, 0, 0}), "11 am");
  EXPECT_EQ(formatTime("'h' H", TimeOfDay{23, 59, 59}), "h 23");
}

TEST(DateTime, UserPicturesComeFromTheEnvironment) {
  {
    ScopedEnv shortDate("TAVRA_SHORTDATE", nullptr);
    ScopedEnv longTime("TAVRA_LONGTIME", "");
    EXPECT_EQ(shortDateFormat(), "d.M.yyyy");
    EXPECT_EQ(longTimeFormat(), "H:mm:ss");
    EXPECT_EQ(shortDateText(Date{2001, 1, 5}), "5.1.2001");
  }
  ScopedEnv shortDate("TAVRA_SHORTDATE", "dd/MM/yyyy");
  ScopedEnv longTime("TAVRA_LONGTIME", "hh.mm tt");
  EXPECT_EQ(shortDateText(Date{2001, 1, 5}), "05/01/2001");
  EXPECT_EQ(longTimeText(TimeOfDay{14, 3, 0}), "02.03 PM");
}

TEST(DateTime, TodayCanBeFixedWithAValidIsoDate) {
  {
    ScopedEnv fixed("TAVRA_TODAY", "1999-03-05");
    EXPECT_EQ(today(), (Date{1999, 3, 5}));
  }
  for (const char* ignored : {"1999-02-30", "1999-3-5", "1999-03-05x", "abcd-ef-gh", ""}) {
    ScopedEnv fixed("TAVRA_TODAY", ignored);
    Date d = today();
    EXPECT_TRUE(isValidDate(d.year, d.month, d.day)) << ignored;
    EXPECT_GE(d.year, 2020) << ignored;  // the system's date, not anything read from the value
  }
}
