#include "production/new_manga.h"

#include <gtest/gtest.h>

#include <vector>

#include "production/production_fixture.h"
#include "production/slots.h"
#include "state/tutorial_stage.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

using NewMangaTest = ProductionTest;

TEST_F(NewMangaTest, FiveBusySlotsStillOpenTheChoiceAndSixOnlyRefuse) {
  for (int s = 0; s < kLastSlot; ++s) Busy(s);
  g.FormSlot[form::kSettingsEditor].Mode = 2;
  StartNewManga();
  EXPECT_EQ(g.BusySlotCount, 5);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kNewMangaChoice});
  EXPECT_EQ(ui.Events().back().number, ui::Modal);
  EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 0);
  EXPECT_TRUE(ui.Messages().empty());

  ui.Clear();
  Busy(kLastSlot);
  StartNewManga();
  EXPECT_EQ(g.BusySlotCount, 6);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"同時に制作できる漫画の数は6つです"});
  EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(NewMangaTest, NoNewWorkWhenTheWorksTableCouldNotTakeIt) {
  for (int s = 0; s < kLastSlot; ++s) Busy(s);
  g.MangaCount = 636;  // 636 finished and 5 in production fill all 641 rows
  g.TutorialStage = tutorial_stage::kNewManga;
  StartNewManga();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kWorksTableFullMessage});
  EXPECT_TRUE(ui.Shown().empty());
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kNewManga);

  ui.Clear();
  g.MangaCount = 635;
  StartNewManga();
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kNewMangaChoice});
}

TEST_F(NewMangaTest, TheTutorialMovesOnOnceTheChecksPassEvenIfThePlayerLeaves) {
  struct Case {
    int stage, busy, after;
  } cases[] = {{4, 0, 5}, {4, 6, 4}, {3, 0, 3}, {5, 0, 5}};
  for (const Case& c : cases) {
    for (int s = 0; s <= kLastSlot; ++s) g.SlotKanseido[s] = s < c.busy ? 1 : 0;
    g.TutorialStage = c.stage;
    StartNewManga();  // the scripted player leaves Form46 at once
    EXPECT_EQ(g.TutorialStage, c.after) << "stage " << c.stage << ", " << c.busy << " busy";
  }
}

}  // namespace
}  // namespace koratsu::testing
