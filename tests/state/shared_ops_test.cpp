#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/shared_ops.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

class SharedOpsTest : public ::testing::Test {
 protected:
  GameState& g() { return fresh_.g(); }
  testing::FreshState fresh_;
};

TEST_F(SharedOpsTest, DateStringPadsMonthAndDayAndShortensTheYear) {
  struct Case {
    int year, month, day, mode;
    const char* text;
  } cases[] = {
      {1970, 7, 3, 2, "70/07/03"},   {1971, 10, 12, 2, "71/10/12"}, {1970, 11, 5, 2, "70/11/05"},
      {2005, 1, 31, 2, "05/01/31"},  {1970, 2, 29, 2, "70/02/29"},  {1970, 7, 3, 1, "1970/07/03"},
      {1999, 12, 1, 1, "1999/12/01"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DateString(c.year, c.month, c.day, c.mode), c.text) << c.year << "/" << c.month;
}

TEST_F(SharedOpsTest, ClearWorkSlotFreesTheSlotAndKeepsTheOldWorksSettings) {
  rec::ProductionSlot& slot = g().ProductionSlot[3];
  g().SlotKanseido[3] = 812.5;
  slot.DaysLeft = 4;
  slot.SigotoPoint = 7;
  slot.Extension = 1;
  slot.SpareB = 9;
  slot.Source = 2;
  slot.Episode = 11;
  slot.MangaIndex = 6;
  slot.Target = 1200;
  slot.Magazine = 4;
  slot.Quality = 240;
  g().SlotLabel[3] = "第11話";

  ClearWorkSlot(3);

  for (const Value* v : {&g().SlotKanseido[3], &slot.DaysLeft, &slot.SigotoPoint, &slot.Extension,
                         &slot.SpareB, &slot.Source, &slot.Episode, &slot.MangaIndex}) {
    EXPECT_TRUE(v->IsNumber());
    EXPECT_EQ(*v, 0);
  }
  EXPECT_EQ(slot.Target, 1200);
  EXPECT_EQ(slot.Magazine, 4);
  EXPECT_EQ(slot.Quality, 240);
  EXPECT_EQ(g().SlotLabel[3].Str(), "第11話");
}

TEST_F(SharedOpsTest, ClearWorkSlotOutsideTheSlotsChangesNothing) {
  g().SlotKanseido[8] = 5;
  ClearWorkSlot(8);
  ClearWorkSlot(-1);
  EXPECT_EQ(g().SlotKanseido[8], 5);
}

}  // namespace
}  // namespace koratsu
