#include "life/activity.h"

#include <gtest/gtest.h>

#include "support/fresh_state.h"

namespace koratsu {
namespace {

using testing::FreshState;

TEST(SetMinutesPerStepTest, PicksTheStepFromTheActivitysLength) {
  FreshState fresh;
  struct Case {
    int minutes;
    int step;
  };
  const Case cases[] = {{30, 3},   {60, 3},   {61, 5},   {120, 5},  {121, 10}, {240, 10},
                        {241, 15}, {480, 15}, {481, 20}, {600, 20}, {601, 25}, {1440, 25}};
  for (const Case& c : cases) {
    SetMinutesPerStep(c.minutes);
    EXPECT_EQ(fresh.g().MinutesPerStep, c.step) << c.minutes;
  }
}

}  // namespace
}  // namespace koratsu
