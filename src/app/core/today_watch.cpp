#include "app/core/today_watch.h"

#include <utility>

namespace tavra {

bool TodayWatch::follow(DateCursor& cursor, const Date& today) {
  const std::optional<Date> last = std::exchange(last_, today);
  if (!last || *last == today || cursor.CursorToDate() != *last) return false;
  cursor.SetCursorFromPicker(today);
  return true;
}

}  // namespace tavra
