#pragma once
// How far text is pushed in from the left and right edges of one cell at every y: by
// floating images and tables, and by the indentation of nested lists.

#include <climits>
#include <cstddef>
#include <vector>

namespace tavra {

struct IndentRec {
  int Offset = 0;    // left: distance from the left edge (>= 0); right: from the right edge (<= 0)
  int StartY = 0;    // first y the record applies to
  int EndY = 0;      // first y it no longer applies to
  int LevelTag = 0;  // 0 for a float; n >= 1 for the indent of open list level n
};

class IndentManagerBasic {
 public:
  // EndY of a list level that is still open.
  static constexpr int OpenEnd = 9999999;
  // How much further in each list level starts.
  static constexpr int ListIndent = 35;

  virtual ~IndentManagerBasic() = default;

  int LayoutWidth = 0;
  int PaintClipWidth = 0;
  std::vector<IndentRec> LeftIndents;
  std::vector<IndentRec> RightIndents;
  int CurrentLevel = 0;
  int LeftEdge = 0;
  int RightEdge = 0;

  void Clear();
  // New edges for painting at another x; the records stay (they are edge-relative).
  void Reset(int left, int right);
  int LeftLimitAt(int y) const;
  int RightLimitAt(int y) const;
  // side 1 = left, 3 = right; any other side registers nothing.
  void AddFloat(int y, int width, int side, int height);
  void SetListLevel(int y, int level);
  int FloatsBottom() const;
  void BelowFloats(int& clearLeft, int& clearRight) const;
  // The larger of atLeast and the first y below every indent wider than the current list
  // level's.
  int BelowWiderIndents(int atLeast = INT_MIN) const;

 private:
  // A long document leaves a record behind for every list and float it had; text laid out
  // further down cannot meet them. The leading records that are floats or closed lists
  // ending at or above `floorY` are skipped by the questions asked at or below it, so that
  // a line costs what is open beside it, not what the document held before.
  struct Passed {
    std::size_t count = 0;
    int floorY = 0;
    int bottom = 0;    // the lowest EndY among them
    bool any = false;  // count > 0 and floorY valid
  };
  // The first record of `list` not passed, and the lowest end of those passed.
  static std::size_t firstUnpassed(const std::vector<IndentRec>& list, Passed& passed, int& bottom);
  int limitAt(const std::vector<IndentRec>& list, Passed& passed, int y, bool left) const;
  mutable Passed passedLeft_;
  mutable Passed passedRight_;
};

}  // namespace tavra
