#include "production/placing.h"

#include <gtest/gtest.h>

#include <vector>

#include "production/borrowed_story_fixture.h"
#include "production/slots.h"
#include "support/save_bytes.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kDawn = 0;   // popularity 3
constexpr int kQuiet = 2;  // popularity 0
constexpr int kBaseball = 0;  // fame 5, popularity 5
constexpr int kNameless = 1;  // fame 0, popularity 2

using PlacingTest = BorrowedStoryTest;

TEST_F(PlacingTest, TheSettingsAreThreeConsecutiveItemsAndOnlyThoseWithAnItemDrawAValue) {
  // Five knowledge items: the first item's draw runs 0 to 4, so it is -2 to 2.
  struct Case {
    long firstDraw;
    std::vector<int> items;
    std::initializer_list<long> values;
  } cases[] = {
      {0, {-2, -1, 0}, {2}},
      {1, {-1, 0, 1}, {0, 1}},
      {4, {2, 3, 4}, {1, 2, 0}},  // the last three items
  };
  for (const Case& c : cases) {
    g.SlotKanseido[0] = 0;
    ScriptPlacing(3, c.firstDraw, {0, 1, 2}, 30, c.values);
    ASSERT_TRUE(PlaceAdaptedWork(kDawn, 3));
    EXPECT_EQ(random.Remaining(), 0u) << "first draw " << c.firstDraw;
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(Slot(0).SettingItem[k], c.items[static_cast<size_t>(k)]) << c.firstDraw << " setting " << k;
      // Every setting gets a size, an empty one too.
      EXPECT_EQ(Slot(0).SettingPoints[k], 10 + 7 * k);
      EXPECT_EQ(g.NewMangaSetting[k].Points, 10 + 7 * k);
    }
    EXPECT_EQ(Slot(0).Target, 171) << "Int(140 + 30 + 3 / 3)";
  }
}

TEST_F(PlacingTest, TheTargetsSpreadLeavesOutOneToTwenty) {
  struct Case {
    long r;
    int target;
  } cases[] = {{20, 120}, {21, 161}, {0, 140}, {49, 189}};
  for (const Case& c : cases) {
    g.SlotKanseido[0] = 0;
    ScriptPlacing(0, 2, {0, 0, 0}, c.r, {0, 0, 0});
    ASSERT_TRUE(PlaceAdaptedWork(kQuiet, 2));
    EXPECT_EQ(Slot(0).Target, c.target) << "r " << c.r;
    // An unpopular novel: sizes of 10 and no setting value.
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Slot(0).SettingPoints[k], 10);
  }
}

TEST_F(PlacingTest, ACopysTargetGrowsWithTheOriginalsFameAndPopularity) {
  struct Case {
    int row;
    long size;
    long r;
    int target;
  } cases[] = {
      {kBaseball, 5, 49, 215},  // Int(140 + 49 + 25 + 1.25)
      {kBaseball, 5, 20, 146},  // Int(140 - 20 + 25 + 1.25)
      {kNameless, 0, 30, 170},  // Int(140 + 30 + 0 + 0.5)
  };
  for (const Case& c : cases) {
    g.SlotKanseido[0] = 0;
    ScriptPlacing(c.size, 2, {4, 4, 4}, c.r, {4, 4, 4});
    ASSERT_TRUE(PlaceCopiedWork(c.row));
    EXPECT_EQ(Slot(0).Target, c.target) << "row " << c.row << " r " << c.r;
    EXPECT_EQ(Slot(0).Source, 1);
  }
  // Fame 0: sizes of 10 and setting values of 0, so the quality is only the
  // player's popularity (3) and the luck (6 with the rating's draws at 0.5).
  for (int k = 0; k < 3; ++k) EXPECT_EQ(Slot(0).SettingPoints[k], 10);
  EXPECT_EQ(Slot(0).Quality, 9);
}

TEST_F(PlacingTest, AWorkGoesToTheFirstFreeSlotKeepsItsClassificationAndIsSetUp) {
  Busy(0, 20);
  Busy(1);
  g.ProductionSlot[2].Class[0] = 3;  // the slot's previous work's audience and genre
  g.ProductionSlot[2].Class[1] = 1;
  ScriptPlacing(3, 2, {1, 1, 1}, 30, {1, 1, 1});
  ASSERT_TRUE(PlaceAdaptedWork(kDawn, 2));
  EXPECT_EQ(g.SlotKanseido[2], 0.1);
  EXPECT_EQ(Slot(2).Source, 2);
  EXPECT_EQ(Slot(2).Class[0], 3);
  EXPECT_EQ(Slot(2).Class[1], 1);
  EXPECT_EQ(g.SlotLabel[2], "漫画(許可なし小説)");
  EXPECT_EQ(Slot(2).DaysLeft, -1);
  EXPECT_EQ(Slot(2).SigotoPoint, 0) << "the busy works hold every point";
  EXPECT_EQ(g.SlotsInUse, 3);
  EXPECT_EQ(g.FormSlot[form::kCompletion].Rebuild, 1);
}

TEST_F(PlacingTest, WithoutAFreeSlotNothingIsDrawnOrWritten) {
  FillAllSlots();
  const std::string before = SavedBytes(g);
  EXPECT_FALSE(PlaceAdaptedWork(kDawn, 3));
  EXPECT_FALSE(PlaceCopiedWork(kBaseball));
  EXPECT_EQ(random.Drawn(), 0u);
  EXPECT_TRUE(before == SavedBytes(g));
}

}  // namespace
}  // namespace koratsu::testing
