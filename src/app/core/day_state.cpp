#include "app/core/day_state.h"

namespace tavra {

DayState& dayState() {
  static DayState state;
  return state;
}

}  // namespace tavra
