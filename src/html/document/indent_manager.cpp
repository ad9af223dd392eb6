#include "html/document/indent_manager.h"

#include <algorithm>
#include <climits>

namespace tavra {

namespace {

// Heights come from documents; a sum that would overflow stays at the largest int.
int addClamped(int a, int b) {
  long long s = (long long)a + b;
  return int(std::clamp<long long>(s, INT_MIN, INT_MAX));
}

}  // namespace

void IndentManagerBasic::Clear() {
  LeftIndents.clear();
  RightIndents.clear();
  passedLeft_ = {};
  passedRight_ = {};
}

void IndentManagerBasic::Reset(int left, int right) {
  LeftEdge = left;
  RightEdge = right;
  CurrentLevel = 0;
}

// Only floats and closed lists (LevelTag 0) are passed: their ends never move again.
int IndentManagerBasic::limitAt(const std::vector<IndentRec>& list, Passed& passed, int y, bool left) const {
  if (passed.count > list.size()) passed = {};
  const bool below = passed.any && y >= passed.floorY;
  int offset = 0;
  for (std::size_t i = below ? passed.count : 0; i < list.size(); ++i) {
    const IndentRec& r = list[i];
    if (r.StartY <= y && y < r.EndY) offset = left ? std::max(offset, r.Offset) : std::min(offset, r.Offset);
  }
  if (below || !passed.any) {
    std::size_t count = below ? passed.count : 0;
    int bottom = below ? passed.bottom : 0;
    for (; count < list.size() && list[count].LevelTag == 0 && list[count].EndY <= y; ++count)
      bottom = std::max(bottom, list[count].EndY);
    if (count > 0) passed = {count, y, bottom, true};
  }
  return offset;
}

int IndentManagerBasic::LeftLimitAt(int y) const {
  return addClamped(LeftEdge, limitAt(LeftIndents, passedLeft_, y, true));
}

int IndentManagerBasic::RightLimitAt(int y) const {
  return addClamped(RightEdge, limitAt(RightIndents, passedRight_, y, false));
}

void IndentManagerBasic::AddFloat(int y, int width, int side, int height) {
  IndentRec r;
  r.StartY = y;
  r.EndY = addClamped(y, height);
  r.LevelTag = 0;
  if (side == 1) {
    r.Offset = addClamped(LeftLimitAt(y), width) - LeftEdge;
    LeftIndents.push_back(r);
  } else if (side == 3) {
    r.Offset = addClamped(RightLimitAt(y) - RightEdge, -width);
    RightIndents.push_back(r);
  }
}

void IndentManagerBasic::SetListLevel(int y, int level) {
  if (level > CurrentLevel) {
    for (int d = CurrentLevel + 1; d <= level; ++d) {
      IndentRec r;
      r.Offset = addClamped(LeftLimitAt(y) - LeftEdge, ListIndent);
      r.StartY = y;
      r.EndY = OpenEnd;
      r.LevelTag = d;
      LeftIndents.push_back(r);
    }
  } else if (level < CurrentLevel && CurrentLevel > 0) {
    if (passedLeft_.count > LeftIndents.size()) passedLeft_ = {};
    // Passed records are closed already.
    for (std::size_t i = passedLeft_.count; i < LeftIndents.size(); ++i) {
      IndentRec& r = LeftIndents[i];
      if (r.LevelTag > level) {
        r.LevelTag = 0;
        r.EndY = y - 1;
      }
    }
  }
  CurrentLevel = level;
}

std::size_t IndentManagerBasic::firstUnpassed(const std::vector<IndentRec>& list, Passed& passed, int& bottom) {
  if (passed.count > list.size()) passed = {};
  if (passed.count > 0) bottom = std::max(bottom, passed.bottom);
  return passed.count;
}

int IndentManagerBasic::FloatsBottom() const {
  int bottom = 0;
  for (auto [list, passed] : {std::pair{&LeftIndents, &passedLeft_}, std::pair{&RightIndents, &passedRight_}})
    for (std::size_t i = firstUnpassed(*list, *passed, bottom); i < list->size(); ++i)
      if ((*list)[i].LevelTag == 0) bottom = std::max(bottom, (*list)[i].EndY);
  return bottom;
}

void IndentManagerBasic::BelowFloats(int& clearLeft, int& clearRight) const {
  auto below = [](const std::vector<IndentRec>& list) {
    bool any = false;
    int bottom = INT_MIN;
    for (const IndentRec& r : list) {
      if (r.LevelTag == 0) {
        any = true;
        bottom = std::max(bottom, r.EndY);
      }
    }
    return any ? addClamped(bottom, 1) : 0;
  };
  clearLeft = below(LeftIndents);
  clearRight = below(RightIndents);
}

int IndentManagerBasic::BelowWiderIndents(int atLeast) const {
  if (passedLeft_.count > LeftIndents.size()) passedLeft_ = {};
  // The passed records end at or above passedLeft_.bottom: when that cannot raise the
  // answer over atLeast, a list item deep in a long document needs only what is open.
  const bool skipPassed = passedLeft_.count > 0 && atLeast >= 1 && passedLeft_.bottom < atLeast;
  const std::size_t first = skipPassed ? passedLeft_.count : 0;
  int a = 0;
  bool found = false;
  for (std::size_t i = first; i < LeftIndents.size(); ++i) {
    if (LeftIndents[i].LevelTag == CurrentLevel) {
      a = LeftIndents[i].Offset;
      found = true;
    }
  }
  // Passed records are closed (tag 0): the last of them is the level's when none after it is.
  if (!found && first > 0 && CurrentLevel == 0) a = LeftIndents[first - 1].Offset;
  bool any = false;
  int bottom = INT_MIN;
  for (std::size_t i = first; i < LeftIndents.size(); ++i) {
    if (LeftIndents[i].Offset > a) {
      any = true;
      bottom = std::max(bottom, LeftIndents[i].EndY);
    }
  }
  return std::max(atLeast, any ? addClamped(bottom, 1) : 1);
}

}  // namespace tavra
