#include "html/document/indent_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

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

// A long page leaves a record behind for every list and float; the questions asked further
// down skip those passed, and a question asked higher up again must still see them.
TEST(IndentManager, AfterManyListsAndFloatsTheLimitsAreThoseOfEveryRecord) {
  IndentManagerBasic m = laidOut(600);
  auto limit = [&](int y, bool left) {
    int offset = 0;
    for (const IndentRec& r : left ? m.LeftIndents : m.RightIndents)
      if (r.StartY <= y && y < r.EndY) offset = left ? std::max(offset, r.Offset) : std::min(offset, r.Offset);
    return left ? offset : 600 + offset;
  };
  for (int i = 0, y = 0; i < 40; ++i, y += 50) {
    m.SetListLevel(y, 1 + i % 2);
    if (i % 3 == 0) m.AddFloat(y + 5, 30 + i, i % 2 ? 1 : 3, 120);
    m.SetListLevel(y + 30, 0);
    for (int q : {y, y + 10, y + 40, y + 200, y / 2, y - 60, 0}) {
      EXPECT_EQ(m.LeftLimitAt(q), limit(q, true)) << "list " << i << " at " << q;
      EXPECT_EQ(m.RightLimitAt(q), limit(q, false)) << "list " << i << " at " << q;
    }
  }
  int bottom = 0;
  for (const auto* list : {&m.LeftIndents, &m.RightIndents})
    for (const IndentRec& r : *list)
      if (r.LevelTag == 0) bottom = std::max(bottom, r.EndY);
  EXPECT_EQ(m.FloatsBottom(), bottom);
}

// Far down a long document the records of earlier lists are passed; a list item there must
// reach exactly as far as when every record is read.
TEST(IndentManager, AnItemFarDownReachesAsFarAsWhenEveryRecordIsRead) {
  IndentManagerBasic m = laidOut(500);
  int y = 0;
  for (int item = 0; item < 5; ++item, y += 30) {
    m.SetListLevel(y, 1);
    m.SetListLevel(y + 10, 3);
    if (item % 2) m.AddFloat(y + 10, 60, 1, 25);
    m.SetListLevel(y + 20, 0);
    m.LeftLimitAt(y + 30);
  }
  for (int level : {2, 1, 0}) {
    m.SetListLevel(y, level);
    m.LeftLimitAt(y += 10);
    IndentManagerBasic everyRecord = laidOut(500);
    everyRecord.LeftIndents = m.LeftIndents;
    everyRecord.CurrentLevel = m.CurrentLevel;
    for (int atLeast : {INT_MIN, 0, 1, 40, y - 40, y - 15, y, y + 100})
      EXPECT_EQ(m.BelowWiderIndents(atLeast), std::max(atLeast, everyRecord.BelowWiderIndents()))
          << "level " << level << ", at least " << atLeast;
  }
}
