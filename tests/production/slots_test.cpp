#include "production/slots.h"

#include <gtest/gtest.h>

#include "production/production_fixture.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

class SlotsTest : public ProductionTest {
 protected:
  SlotsTest() {
    g.MagazineCount = 2;
    g.Magazine[1].DeadlineDay = 0;
    g.SerialMagazine = 1;
    g.OneShotRequestMagazine = 1;
  }
  void Mode(int mode) { g.FormSlot[form::kSettingsEditor].Mode = mode; }
  // A work just placed in slot s, as every placing window leaves it for SetupNewSlot.
  void Placed(int s, int source = 0) {
    g.SlotKanseido[s] = 0.1;
    g.ProductionSlot[s].Source = source;
  }
};

TEST_F(SlotsTest, TheFirstFreeSlotAndTheBusyCount) {
  EXPECT_EQ(FirstFreeSlot(), 0);
  for (int s : {0, 1, 3}) Busy(s);
  g.SlotKanseido[6] = 1;  // never used: not counted
  EXPECT_EQ(FirstFreeSlot(), 2);
  EXPECT_EQ(BusySlots(), 3);
  g.SlotKanseido[0] = 0;
  EXPECT_EQ(FirstFreeSlot(), 0);
  for (int s = 0; s <= kLastSlot; ++s) Busy(s);
  EXPECT_EQ(FirstFreeSlot(), -1);
  RecountSlotsInUse();
  EXPECT_EQ(g.SlotsInUse, 6);
}

TEST_F(SlotsTest, TheLabelComesFromTheModeAndTheSourceOfTheStory) {
  struct Case {
    int mode, source;
    const char* label;
  } cases[] = {
      {0, 0, "新しい漫画"},         {0, 1, "新しい漫画"},
      {0, 2, "漫画(許可なし小説)"}, {0, 3, "漫画(許可あり小説)"},
      {1, 0, "出版社依頼の読切漫画"}, {1, 1, "出版社依頼の読切漫画"},
      {1, 2, "読切漫画(許可なし小説)"}, {1, 3, "読切漫画(許可あり小説)"},
      {2, 0, "連載漫画"},           {2, 2, "連載漫画(許可なし小説)"},
      {2, 3, "連載漫画(許可あり小説)"},
  };
  for (const Case& c : cases) {
    Mode(c.mode);
    Placed(2, c.source);
    SetupNewSlot(2);
    EXPECT_EQ(g.SlotLabel[2].Str(), c.label) << "mode " << c.mode << ", source " << c.source;
  }
}

TEST_F(SlotsTest, EachModeGivesItsKindDeadlineAndMagazine) {
  g.ProductionSlot[0].Magazine = 7;
  Mode(0);
  Placed(0);
  SetupNewSlot(0);
  EXPECT_EQ(g.ProductionSlot[0].Kind, 0);
  EXPECT_EQ(g.ProductionSlot[0].DaysLeft, -1);
  EXPECT_EQ(g.ProductionSlot[0].Magazine, 7) << "an own work keeps the slot's magazine";
  EXPECT_EQ(g.FormSlot[form::kCompletion].Rebuild, 1);

  Mode(1);
  Placed(1);
  SetupNewSlot(1);
  EXPECT_EQ(g.ProductionSlot[1].Kind, 3);
  EXPECT_EQ(g.ProductionSlot[1].DaysLeft, 10);
  EXPECT_EQ(g.ProductionSlot[1].Magazine, 1);
  EXPECT_EQ(g.Magazine[1].RequestState, 1);

  Mode(2);
  Placed(3);
  SetupNewSlot(3);
  EXPECT_EQ(g.ProductionSlot[3].Kind, 6);
  EXPECT_EQ(g.ProductionSlot[3].Magazine, 1);
  EXPECT_EQ(g.SerialSlot, 3);
  EXPECT_EQ(g.SerialTalkState, 5);

  Mode(4);  // no such mode: only the rebuild and the points
  g.SlotLabel[4] = "前の漫画";
  Placed(4);
  SetupNewSlot(4);
  EXPECT_EQ(g.SlotLabel[4], Value("前の漫画"));
}

TEST_F(SlotsTest, ASerialsFirstEpisodeIsDueOnTheDeadlineWeekdayOfTheWeekAfterNext) {
  struct Case {
    int weekday, deadlineDay, days;
  } cases[] = {{6, 0, 8}, {0, 6, 20}, {3, 3, 14}, {0, 0, 14}, {6, 6, 14}};
  Mode(2);
  for (const Case& c : cases) {
    g.GameWeekday = c.weekday;
    g.Magazine[1].DeadlineDay = c.deadlineDay;
    Placed(0);
    SetupNewSlot(0);
    EXPECT_EQ(g.ProductionSlot[0].DaysLeft, c.days) << "weekday " << c.weekday << ", deadline " << c.deadlineDay;
  }
}

TEST_F(SlotsTest, ANewWorkTakesEveryPointTheOtherWorksLeave) {
  Mode(0);
  Placed(0);
  SetupNewSlot(0);
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 20) << "the first work of a new game";
  Placed(1);
  SetupNewSlot(1);
  EXPECT_EQ(g.ProductionSlot[1].SigotoPoint, 0) << "a second one started at once";

  // A freed slot's points are not handed on; the next work takes them.
  g.ProductionSlot[0].SigotoPoint = 12;
  g.ProductionSlot[1].SigotoPoint = 5;
  Busy(4, 9);  // only busy slots count
  g.SlotKanseido[4] = 0;
  Placed(2);
  SetupNewSlot(2);
  EXPECT_EQ(g.ProductionSlot[2].SigotoPoint, 3);
  EXPECT_EQ(RecountSigotoPointLeft(), 0);
}

}  // namespace
}  // namespace koratsu::testing
