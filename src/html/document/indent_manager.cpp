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
}

void IndentManagerBasic::Reset(int left, int right) {
  LeftEdge = left;
  RightEdge = right;
  CurrentLevel = 0;
}

int IndentManagerBasic::LeftLimitAt(int y) const {
  int offset = 0;
  for (const IndentRec& r : LeftIndents)
    if (r.StartY <= y && y < r.EndY) offset = std::max(offset, r.Offset);
  return addClamped(LeftEdge, offset);
}

int IndentManagerBasic::RightLimitAt(int y) const {
  int offset = 0;
  for (const IndentRec& r : RightIndents)
    if (r.StartY <= y && y < r.EndY) offset = std::min(offset, r.Offset);
  return addClamped(RightEdge, offset);
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
    for (IndentRec& r : LeftIndents) {
      if (r.LevelTag > level) {
        r.LevelTag = 0;
        r.EndY = y - 1;
      }
    }
  }
  CurrentLevel = level;
}

int IndentManagerBasic::FloatsBottom() const {
  int bottom = 0;
  for (const auto* list : {&LeftIndents, &RightIndents})
    for (const IndentRec& r : *list)
      if (r.LevelTag == 0) bottom = std::max(bottom, r.EndY);
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

int IndentManagerBasic::BelowWiderIndents() const {
  int a = 0;
  for (const IndentRec& r : LeftIndents)
    if (r.LevelTag == CurrentLevel) a = r.Offset;
  bool any = false;
  int bottom = INT_MIN;
  for (const IndentRec& r : LeftIndents) {
    if (r.Offset > a) {
      any = true;
      bottom = std::max(bottom, r.EndY);
    }
  }
  return any ? addClamped(bottom, 1) : 1;
}

}  // namespace tavra
