#include <gtest/gtest.h>

#include <string>

#include "clock/tick.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using testing::FreshState;

TEST(FormatMinutesTest, WritesMinutesHoursAndDays) {
  struct Case {
    double minutes;
    const char* text;
  };
  const Case cases[] = {
      {0, "0分"},           {45, "45分"},        {59, "59分"},          {-5, "-5分"},
      {60, "1時間 0分"},    {65, "1時間 5分"},   {69, "1時間 9分"},     {70, "1時間10分"},
      {90, "1時間30分"},    {1440, "24時間 0分"}, {1441, "1日0時間"},   {1500, "1日1時間"},
      {3000, "2日2時間"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatMinutes(c.minutes), c.text) << c.minutes;
}

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
