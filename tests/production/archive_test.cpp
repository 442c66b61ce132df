#include "production/archive.h"

#include <gtest/gtest.h>

#include "production/archive_records.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

TEST(ArchiveTest, EachStateGroupHasItsPanel) {
  struct Case {
    Value state;
    int panel;
  } cases[] = {
      {7, kSerialPanel},   {8, kSerialPanel},   {5, kOneShotPanel}, {10, kOneShotPanel}, {11, kOneShotPanel},
      {1, kOwnWorkPanel},  {2, kOwnWorkPanel},  {9, kOwnWorkPanel}, {4, kNoPanel},       {3, kNoPanel},
      {6, kNoPanel},       {0, kNoPanel},       {Value(), kNoPanel},
  };
  for (const Case& c : cases) EXPECT_EQ(PanelForState(c.state), c.panel) << c.state.Str();
}

TEST(ArchiveTest, ScrollRangeOfAPanelTallerThanTheViewport) {
  struct Case {
    int panel, viewport, maximum, largeChange;
  } cases[] = {
      {222, 150, 76, 111},
      {194, 193, 5, 97},
      {63, 40, 27, 32},  // half of 63 goes to the even 32
      {65, 40, 29, 32},  // and half of 65 to the even 32 as well
  };
  for (const Case& c : cases) {
    const ArchiveScrollRange range = ScrollRangeFor(c.panel, c.viewport);
    EXPECT_EQ(range.maximum, c.maximum) << c.panel;
    EXPECT_TRUE(range.setsSteps);
    EXPECT_EQ(range.largeChange, c.largeChange) << c.panel;
    EXPECT_EQ(range.smallChange, 14);
  }
  for (int viewport : {194, 300}) {
    const ArchiveScrollRange fits = ScrollRangeFor(194, viewport);
    EXPECT_EQ(fits.maximum, 0);
    EXPECT_FALSE(fits.setsSteps);
  }
}

TEST(ArchiveTest, HeightFitAndTheListsHeight) {
  EXPECT_EQ(FitArchiveHeight(900), 1300);
  EXPECT_EQ(FitArchiveHeight(1300), 1300);
  EXPECT_EQ(FitArchiveHeight(4500), 4500);
  EXPECT_EQ(ArchiveListHeight(300), 260);
  EXPECT_EQ(ArchiveListHeight(30), 0);
}

TEST(ArchiveTest, TheRowSelectedAfterTheListIsFilledAgain) {
  EXPECT_EQ(RowAfterRefill(5, 8), 5);
  EXPECT_EQ(RowAfterRefill(-1, 8), 0);
  EXPECT_EQ(RowAfterRefill(8, 8), 0);
  EXPECT_EQ(RowAfterRefill(-1, 0), -1);
}

TEST(ArchiveTest, ADoubleClickOpensTheCardOfThatWorkOnly) {
  FreshState fresh;
  GameState& g = fresh.g();
  ScriptedUi ui;
  for (const char* title : {"一", "二", "三"}) AddWork(g, title, 1);
  OpenWorkCard(2);
  EXPECT_EQ(g.FormSlot[form::kWorkCard].Param, 2);
  ASSERT_EQ(ui.Shown(), std::vector<int>{form::kWorkCard});
  EXPECT_EQ(ui.Events().back().number, ui::Modal);
  for (int row : {-1, 3}) OpenWorkCard(row);
  EXPECT_EQ(ui.ShownCount(form::kWorkCard), 1);
  EXPECT_EQ(g.FormSlot[form::kWorkCard].Param, 2);
}

}  // namespace
}  // namespace koratsu::testing
