#pragma once
// The shown day moves on with the calendar. A window that shows today when the date
// changes while it is open (midnight, a resume from suspend, a clock set anew) shows the
// new today; one that shows another day stays on it. The window asks at every tick of
// its clock.

#include <optional>

#include "app/core/date_cursor.h"

namespace tavra {

class TodayWatch {
 public:
  // Notes `today` (held to 1901..2099, as the cursor shows it) as the day that is today.
  void note(const Date& today) { last_ = today; }

  // When `today` differs from the day noted last and `cursor` stands on that day, moves
  // the cursor to `today` and returns true. Notes `today` either way.
  bool follow(DateCursor& cursor, const Date& today);

 private:
  std::optional<Date> last_;
};

}  // namespace tavra
