#include "state/time_text.h"

#include <gtest/gtest.h>

namespace koratsu {
namespace {

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

TEST(HalfDayHourTest, HoursAreShownInHalfDays) {
  const struct {
    int hour;
    const char* shown;
  } cases[] = {{0, "午前 0"}, {11, "午前 11"}, {12, "午後 0"}, {23, "午後 11"}};
  for (const auto& c : cases) EXPECT_EQ(HalfDayHour(c.hour), c.shown);
}

TEST(WeekdayNameTest, NamesSundayToSaturdayAndNothingElse) {
  EXPECT_STREQ(WeekdayName(0), "日曜日");
  EXPECT_STREQ(WeekdayName(6), "土曜日");
  EXPECT_STREQ(WeekdayName(7), "");
}

}  // namespace
}  // namespace koratsu
