// What the completion window shows of each production slot.

#include "production/completion.h"

#include <gtest/gtest.h>

#include "production/production_fixture.h"
#include "state/production_slots.h"

namespace koratsu::testing {
namespace {

using CompletionTest = ProductionTest;

TEST_F(CompletionTest, RowsShowTheWorkItsDeadlineItsStatusAndItsPercent) {
  const struct {
    double progress, target, daysLeft;
    int kind;
    const char *label, *deadline, *status, *percent;
    double bar;
  } cases[] = {
      {0.1, 150, -1, 0, "新しい漫画", "〆なし", "制作中", "0%", 0},
      {75, 150, 5, 3, "新しい漫画", "〆5日", "制作中", "50%", 0.5},
      {150, 150, 0, 3, "新しい漫画", "〆0日", "制作中", "100%", 1},  // at its target, not past it
      {150.4, 150, 2, 6, "連載 『月夜の猫』", "〆2日", "完成", "100%", 1},
      {99.99, 100, -1, 0, "新しい漫画", "〆なし", "制作中", "99%", 0.99},
  };
  for (const auto& c : cases) {
    g.SlotKanseido[3] = c.progress;
    g.SlotLabel[3] = c.kind == 6 ? "月夜の猫" : "新しい漫画";
    g.ProductionSlot[3].Target = c.target;
    g.ProductionSlot[3].DaysLeft = c.daysLeft;
    g.ProductionSlot[3].Kind = c.kind;
    const CompletionRow row = CompletionRowTexts(3);
    EXPECT_EQ(row.label, c.label) << c.progress;
    EXPECT_EQ(row.deadline, c.deadline) << c.progress;
    EXPECT_EQ(row.status, c.status) << c.progress;
    EXPECT_EQ(row.percent, c.percent) << c.progress;
    EXPECT_DOUBLE_EQ(row.bar, c.bar) << c.progress;
  }
}

TEST_F(CompletionTest, ARowIsShownWhileItsSlotHoldsProgress) {
  g.SlotKanseido[1] = 0.1;
  EXPECT_TRUE(SlotRowShown(1));
  EXPECT_TRUE(SlotBusy(1));
  g.SlotKanseido[1] = 0;
  EXPECT_FALSE(SlotRowShown(1));
  EXPECT_FALSE(SlotBusy(1));
}

}  // namespace
}  // namespace koratsu::testing
