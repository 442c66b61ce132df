// A new game's first work: knowledge points gathered, the new-manga
// command, an own story planned in the settings editor and started.

#include <gtest/gtest.h>

#include "production/settings_editor.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "support/settings_player.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

TEST(NewMangaScenario, TheFirstOwnStoryGoesToSlotZeroWithTheStudiosPoints) {
  FreshState state;
  ScriptedUi ui;
  RecordingScreen screen;
  CountingRandom world(11);
  SetRandomSource(&world);
  shell::SetProgramValues();
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  GameState& g = state.g();

  // Knowledge from a few part-time jobs: 10 points of one item, 6 of another.
  const int first = 3, second = 8;
  g.KnowledgeItem[first].Point = 10;
  g.KnowledgeItem[second].Point = 6;
  const Value factor1 = g.KnowledgeItem[first].Value, factor2 = g.KnowledgeItem[second].Value;

  ScriptedRandom start;
  ui.On(form::kNewMangaChoice, [&] { ui::Show(form::kSettingsEditor, ui::Modal); })  // オリジナルストーリー
      .On(form::kSettingsEditor, [&] {
        OpenSettingsEditor();
        PlanSetting(0, first, 8);
        PlanSetting(1, second, 10);  // stops at the item's 6
        start.ExpectRnd(0.5).Expect(50, 30).ExpectRnd(0.5).Expect(3, 0).Expect(12, 4);
        SetRandomSource(&start);
        EXPECT_TRUE(StartProduction(1, 2));  // 少女層, ﾄﾞｷｭﾒﾝﾀﾘｰ
      });
  shell::RunCommand(shell::Command::NewManga, screen);
  EXPECT_EQ(start.Remaining(), 0u);

  const rec::ProductionSlot& slot = g.ProductionSlot[0];
  EXPECT_EQ(g.SlotKanseido[0], 0.1);
  EXPECT_EQ(g.SlotLabel[0], Value("新しい漫画"));
  EXPECT_EQ(slot.Kind, 0);
  EXPECT_EQ(slot.DaysLeft, -1);
  EXPECT_EQ(slot.Class[0], 1);
  EXPECT_EQ(slot.Class[1], 2);
  EXPECT_EQ(slot.SettingItem[0], first);
  EXPECT_EQ(slot.SettingPoints[0], 8);
  EXPECT_EQ(slot.SettingItem[1], second);
  EXPECT_EQ(slot.SettingPoints[1], 6);
  EXPECT_EQ(slot.SettingItem[2], -1);
  const double values = factor1.Num() * 8 + factor2.Num() * 6;
  EXPECT_EQ(slot.Target, Int(140 + 30 + values / 20));
  double ratings = 0;
  for (int i = 0; i < 6; ++i) {
    EXPECT_GE(slot.Rating[i], 0);
    EXPECT_LE(slot.Rating[i], 9);
    ratings += slot.Rating[i].Num();
  }
  EXPECT_EQ(slot.Rating[0], Int(g.Garyoku / 4)) << "no bonus";
  EXPECT_DOUBLE_EQ(slot.Quality.Num(), values / 6 * (ratings / 5) + 3 + 4);
  EXPECT_EQ(slot.SigotoPoint, 20);
  EXPECT_EQ(g.SlotsInUse, 1);

  // The points are spent; the schedule comes next.
  EXPECT_EQ(g.KnowledgeItem[first].Point, 2);
  EXPECT_EQ(g.KnowledgeItem[second].Point, 0);
  EXPECT_EQ(ui.ShownCount(form::kSchedule), 1);
  EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 0);
}

}  // namespace
}  // namespace koratsu::testing
