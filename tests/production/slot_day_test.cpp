// A production slot's new day: its deadline and accidents.

#include <gtest/gtest.h>

#include "production/production_fixture.h"
#include "production/slot_day.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ProductionTest;
using testing::UiEvent;

class SlotDayTest : public ProductionTest {};

TEST_F(SlotDayTest, ASerialEpisodesLastDayQueuesItsDeadlineForToday) {
  const struct {
    int kind, daysLeft, after;
    bool queued;
  } cases[] = {
      {6, 1, 0, true},    // a serial episode: its deadline event today
      {6, 3, 2, false},
      {1, 1, 0, false},   // a requested one-shot: seen at 22:00, not here
      {6, -1, -1, false}, // no deadline
      {6, 0, 0, false},   // already due
  };
  for (const auto& c : cases) {
    g.EditorEvent[0] = {};
    g.SlotKanseido[3] = 2;
    g.ProductionSlot[3].Kind = c.kind;
    g.ProductionSlot[3].DaysLeft = c.daysLeft;
    random.Expect(100, 50);
    SlotNewDay(3);
    EXPECT_EQ(g.ProductionSlot[3].DaysLeft, c.after) << c.kind << " " << c.daysLeft;
    EXPECT_EQ(g.EditorEvent[0].Code, c.queued ? 4 : 0) << c.kind << " " << c.daysLeft;
    if (c.queued) {
      EXPECT_EQ(g.EditorEvent[0].Delay, 0);
      EXPECT_EQ(g.EditorEvent[0].Target, 3);
    }
  }
  EXPECT_EQ(g.FormSlot[form::kCompletion].Redraw, 1);
}

TEST_F(SlotDayTest, AnAccidentSpoilsHalfTheProgressOrAFifthWithTheCopier) {
  const struct {
    double progress;
    bool copier;
    int mode;
    double after;
  } cases[] = {
      {0.15, false, 0, 0.1},  // 0.075 is raised to a start's 0.1
      {10.0, false, 1, 5.0},
      {10.0, true, 0, 8.0},
      {0.1, true, 1, 0.1},
  };
  for (const auto& c : cases) {
    ui.Clear();
    g.SlotKanseido[0] = c.progress;
    g.ProductionSlot[0].DaysLeft = -1;
    g.Equipment[0].Owned = c.copier ? 1 : 0;
    random.Expect(100, 0).Expect(2, c.mode);
    ui.On(form::kAccident, [&] { EXPECT_EQ(g.FormSlot[form::kAccident].Mode, c.mode); });
    SlotNewDay(0);
    EXPECT_DOUBLE_EQ(g.SlotKanseido[0].Num(), c.after) << c.progress << " " << c.copier;
    EXPECT_EQ(ui.Shown(), std::vector<int>{form::kAccident});
    if (c.copier) {
      ASSERT_EQ(ui.Talks().size(), 1u);
      EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
      EXPECT_EQ(ui.Talk(0).lines, std::vector<std::string>{"  コピー機を持っていたため思ったより被害はなかったようです。"});
    } else {
      EXPECT_TRUE(ui.Talks().empty());
    }
  }
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(SlotDayTest, AFreeSlotDrawsNothingAndKeepsItsDays) {
  g.SlotKanseido[2] = 0;
  g.ProductionSlot[2].DaysLeft = 4;
  SlotNewDay(2);
  EXPECT_EQ(g.ProductionSlot[2].DaysLeft, 4);
  EXPECT_EQ(random.Drawn(), 0u);
  EXPECT_TRUE(ui.Events().empty());
  EXPECT_TRUE(g.FormSlot[form::kCompletion].Redraw.IsEmpty());
}

}  // namespace
}  // namespace koratsu
