// The life schedule: waking hours, status texts, busy slots and the pace.

#include "production/sukezyuru.h"

#include <gtest/gtest.h>

#include <string>

#include "state/game_state.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using testing::FreshState;

TEST(SukezyuruCheckTest, TheScheduleDecidesWakingHoursTextsAndPace) {
  FreshState fresh;
  GameState& g = fresh.g();
  g.ScheduleEvery = 12;
  struct Case {
    int pattern, hour;
    bool busy;
    int awake, lifeStatus;
    const char* text;
    const char* detail;
  };
  const Case cases[] = {
      {1, 10, true, 0, 3, "就寝中", "寝ています"},  {1, 11, true, 1, 2, "仕事中", "仕事をしています"},
      {1, 18, false, 1, 1, "生活中", "仕事はありません"}, {1, 19, true, 0, 3, "就寝中", "寝ています"},
      {2, 8, true, 0, 3, "就寝中", "寝ています"},   {2, 9, true, 1, 2, "仕事中", "仕事をしています"},
      {2, 22, true, 1, 2, "仕事中", "仕事をしています"}, {2, 24, true, 0, 3, "就寝中", "寝ています"},
      {1, 24, true, 0, 3, "就寝中", "寝ています"},  {3, 24, true, 1, 2, "仕事中", "仕事をしています"},
      {3, 1, false, 1, 1, "生活中", "仕事はありません"}, {3, 4, true, 1, 2, "仕事中", "仕事をしています"},
      {3, 5, true, 0, 3, "就寝中", "寝ています"},   {3, 9, true, 0, 3, "就寝中", "寝ています"},
      {3, 10, true, 1, 2, "仕事中", "仕事をしています"},
  };
  for (const Case& c : cases) {
    g.SukezyuruType = c.pattern;
    g.GameHour = c.hour;
    g.SlotKanseido[3] = c.busy ? 2.5 : 0;
    g.SubTick = 0;
    SukezyuruCheck();
    const std::string where = "pattern " + std::to_string(c.pattern) + " at " + std::to_string(c.hour);
    EXPECT_EQ(g.Awake, c.awake) << where;
    EXPECT_EQ(g.LifeStatus, c.lifeStatus) << where;
    EXPECT_EQ(g.StatusText.Str(), c.text) << where;
    EXPECT_EQ(g.StatusDetail.Str(), c.detail) << where;
    EXPECT_EQ(g.TicksPerStep, c.awake ? 2 : 1) << where;
    EXPECT_EQ(g.BusySlotCount, c.busy ? 1 : 0) << where;
  }
}

TEST(SukezyuruCheckTest, BetweenStepsOrWithAnUnknownScheduleOnlyThePaceChanges) {
  FreshState fresh;
  GameState& g = fresh.g();
  g.ScheduleEvery = 12;
  g.SukezyuruType = 2;
  g.GameHour = 12;
  g.StatusText = "生活中";
  g.LifeStatus = 1;
  g.Awake = 1;
  g.SlotKanseido[0] = 1;

  g.SubTick = 1;  // the work window opened between two steps
  SukezyuruCheck();
  EXPECT_EQ(g.Awake, 0);
  EXPECT_EQ(g.TicksPerStep, 1);
  EXPECT_EQ(g.StatusText.Str(), "生活中");
  EXPECT_EQ(g.LifeStatus, 1);
  EXPECT_TRUE(g.BusySlotCount.IsEmpty());

  g.SubTick = 0;
  g.SukezyuruType = 4;
  SukezyuruCheck();
  EXPECT_EQ(g.Awake, 0);
  EXPECT_EQ(g.TicksPerStep, 1);
  EXPECT_EQ(g.StatusText.Str(), "生活中");
  EXPECT_EQ(g.BusySlotCount, 1);

  // A schedule divisor of 0 (a damaged game) counts only SubTick 0 as a multiple.
  g.SukezyuruType = 2;
  g.ScheduleEvery = 0;
  SukezyuruCheck();
  EXPECT_EQ(g.Awake, 1);
  g.SubTick = 1;
  SukezyuruCheck();
  EXPECT_EQ(g.Awake, 0);
}

}  // namespace
}  // namespace koratsu
