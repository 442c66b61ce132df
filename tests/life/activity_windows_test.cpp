// The activity windows' shared place and their stamina gauge.

#include "life/activity_windows.h"

#include <gtest/gtest.h>

#include "state/game_state.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

TEST(ActivityWindowsTest, TheLastClosedWindowsPlaceIsWhereTheNextOneOpens) {
  testing::FreshState state;
  GameState& g = state.g();
  EXPECT_FALSE(RememberedActivityPlace()) << "a new game centres its first activity window";
  ActivityWindowLoaded();
  EXPECT_EQ(g.KoudouShown, 1);
  ActivityWindowClosed({1500, 2250});
  EXPECT_EQ(g.KoudouShown, 0);
  EXPECT_EQ(g.FormSlot[form::kWorking].Top, 1500);
  EXPECT_EQ(g.FormSlot[form::kWorking].Left, 2250);
  auto place = RememberedActivityPlace();
  ASSERT_TRUE(place);
  EXPECT_EQ(place->top, 1500);
  EXPECT_EQ(place->left, 2250);
  ActivityWindowClosed({0, 15});
  EXPECT_TRUE(RememberedActivityPlace()) << "only both at 0 mean none";
}

TEST(ActivityWindowsTest, TheStaminaGaugeShowsTheWholeStamina) {
  testing::FreshState state;
  state.g().Stamina = 5.5;
  state.g().StaminaMax = 25;
  EXPECT_EQ(StaminaGaugeText(), "5/25");
}

}  // namespace
}  // namespace koratsu
