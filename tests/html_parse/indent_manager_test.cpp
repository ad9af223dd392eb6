#include "html/document/indent_manager.h"

#include <gtest/gtest.h>

using namespace tavra;

namespace {

IndentManagerBasic laidOut(int width) {
  IndentManagerBasic m;
  m.Clear();
  m.Reset(0, width);
  m.LayoutWidth = width;
  return m;
}

}  // namespace

TEST(IndentManager, WithoutRecordsTheLimitsAreTheEdges) {
  IndentManagerBasic m = laidOut(500);
  m.Reset(20, 520);
  for (int y : {-5, 0, 100, 9999999}) {
    EXPECT_EQ(m.LeftLimitAt(y), 20);
    EXPECT_EQ(m.RightLimitAt(y), 520);
  }
  int left = -1, right = -1;
  m.BelowFloats(left, right);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(m.FloatsBottom(), 0);
  EXPECT_EQ(m.BelowWiderIndents(), 1);
}

TEST(IndentManager, FloatsStandSideBySideAndEndAtTheirBottom) {
  IndentManagerBasic m = laidOut(500);
  m.AddFloat(10, 100, 1, 50);  // left, y 10..59
  m.AddFloat(10, 60, 1, 20);   // beside it: y 10..29
  m.AddFloat(40, 80, 3, 30);   // right, y 40..69
  m.AddFloat(40, 80, 2, 30);   // no side: nothing

  ASSERT_EQ(m.LeftIndents.size(), 2u);
  EXPECT_EQ(m.LeftIndents[1].Offset, 160);
  EXPECT_EQ(m.RightIndents.size(), 1u);
  EXPECT_EQ(m.RightIndents[0].Offset, -80);

  EXPECT_EQ(m.LeftLimitAt(9), 0);
  EXPECT_EQ(m.LeftLimitAt(10), 160);
  EXPECT_EQ(m.LeftLimitAt(29), 160);
  EXPECT_EQ(m.LeftLimitAt(30), 100);
  EXPECT_EQ(m.LeftLimitAt(59), 100);
  EXPECT_EQ(m.LeftLimitAt(60), 0);
  EXPECT_EQ(m.RightLimitAt(39), 500);
  EXPECT_EQ(m.RightLimitAt(40), 420);
  EXPECT_EQ(m.RightLimitAt(70), 500);

  EXPECT_EQ(m.FloatsBottom(), 70);
  int left = 0, right = 0;
  m.BelowFloats(left, right);
  EXPECT_EQ(left, 61);
  EXPECT_EQ(right, 71);

  // Records are relative to the edges: painting at another x moves them along.
  m.Reset(1000, 1500);
  EXPECT_EQ(m.LeftLimitAt(20), 1160);
  EXPECT_EQ(m.RightLimitAt(50), 1420);
}

TEST(IndentManager, ListLevelsOpenBesideFloatsAndCloseTogether) {
  IndentManagerBasic m = laidOut(500);
  m.AddFloat(0, 100, 1, 40);
  m.SetListLevel(10, 2);
  ASSERT_EQ(m.LeftIndents.size(), 3u);
  EXPECT_EQ(m.LeftIndents[1].LevelTag, 1);
  EXPECT_EQ(m.LeftIndents[1].Offset, 135);  // 35 beyond the float
  EXPECT_EQ(m.LeftIndents[2].LevelTag, 2);
  EXPECT_EQ(m.LeftIndents[2].Offset, 170);
  EXPECT_EQ(m.LeftIndents[2].EndY, IndentManagerBasic::OpenEnd);
  EXPECT_EQ(m.CurrentLevel, 2);
  EXPECT_EQ(m.LeftLimitAt(50), 170);  // below the float the list indent stays
  EXPECT_EQ(m.FloatsBottom(), 40);    // open levels are no floats

  // The item of level 2 reaches down as far as wider indents do: none are wider.
  EXPECT_EQ(m.BelowWiderIndents(), 1);
  m.SetListLevel(60, 1);
  // Level 2 is closed at 59; at level 1 it is a wider indent that ended there.
  EXPECT_EQ(m.LeftIndents[2].LevelTag, 0);
  EXPECT_EQ(m.LeftIndents[2].EndY, 59);
  EXPECT_EQ(m.LeftIndents[1].EndY, IndentManagerBasic::OpenEnd);
  EXPECT_EQ(m.BelowWiderIndents(), 60);
  EXPECT_EQ(m.LeftLimitAt(60), 135);

  m.SetListLevel(100, 0);
  EXPECT_EQ(m.LeftIndents[1].LevelTag, 0);
  EXPECT_EQ(m.LeftIndents[1].EndY, 99);
  EXPECT_EQ(m.LeftLimitAt(100), 0);
  EXPECT_EQ(m.CurrentLevel, 0);
}

TEST(IndentManager, GoingFromLevelTwoToZeroClosesBothLevels) {
  IndentManagerBasic m = laidOut(300);
  m.SetListLevel(0, 2);
  EXPECT_EQ(m.LeftIndents[0].Offset, 35);
  EXPECT_EQ(m.LeftIndents[1].Offset, 70);
  m.SetListLevel(100, 0);
  for (const IndentRec& r : m.LeftIndents) {
    EXPECT_EQ(r.LevelTag, 0);
    EXPECT_EQ(r.EndY, 99);
  }
  // Closed levels now count with the floats.
  int left = 0, right = 0;
  m.BelowFloats(left, right);
  EXPECT_EQ(left, 100);
  EXPECT_EQ(right, 0);

  m.Clear();
  EXPECT_TRUE(m.LeftIndents.empty());
  m.Reset(0, 300);
  EXPECT_EQ(m.CurrentLevel, 0);
}

TEST(IndentManager, HugeSizesFromDocumentsDoNotOverflow) {
  IndentManagerBasic m = laidOut(500);
  m.AddFloat(2000000000, 100, 1, 2000000000);
  m.AddFloat(0, 2147483647, 1, 10);
  EXPECT_GT(m.LeftIndents[0].EndY, 2000000000);
  EXPECT_EQ(m.LeftLimitAt(5), 2147483647);
  int left = 0, right = 0;
  m.BelowFloats(left, right);
  EXPECT_EQ(left, 2147483647);
}
