#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "clock/calendar.h"
#include "clock/clock_fixture.h"
#include "clock/tick.h"
#include "life/activity.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

using testing::ClockTest;
using testing::FreshState;

TEST_F(ClockTest, WithoutAnActivityTimeStandsAndOnlyTheTimerDraws) {
  g.SubTick = 1;
  for (int i = 0; i < 100; ++i) TimerEvent();

  EXPECT_EQ(random.Count(), 100u);  // the timer's own discarded draws, none from the tick
  EXPECT_EQ(g.GameMinute, 0);
  EXPECT_EQ(g.GameHour, 10);
  EXPECT_EQ(g.GameDay, 5);
  EXPECT_EQ(g.SubTick, 1);
  EXPECT_TRUE(g.CaptionRefresh.IsEmpty());
  EXPECT_TRUE(ui.Events().empty());
}

TEST_F(ClockTest, AwakeWorkStepsEveryOtherEventAndCountsTheActivityDown) {
  StartWork();
  g.KoudouMinutesLeft = 100;

  TimerEvent();
  EXPECT_EQ(g.SubTick, 1);
  EXPECT_EQ(g.GameMinute, 0);
  EXPECT_TRUE(g.CaptionRefresh.IsEmpty());

  TimerEvent();
  EXPECT_EQ(g.SubTick, 0);
  EXPECT_EQ(g.GameMinute, 30);
  EXPECT_EQ(g.KoudouMinutesLeft, 70);
  EXPECT_EQ(g.CaptionRefresh, 1);
  EXPECT_EQ(g.FormSlot[form::kInfoPanel].Redraw, 1);

  EXPECT_EQ(RunHour(), 2);
  EXPECT_EQ(g.GameHour, 11);
  EXPECT_EQ(g.GameMinute, 0);
  EXPECT_EQ(g.KoudouMinutesLeft, 40);
  EXPECT_EQ(random.Count(), 4u);
}

TEST_F(ClockTest, AWalkingFigureHoldsTheCountButNotAStepAlreadyDue) {
  StartWork();
  g.TickHold = 1;
  for (int i = 0; i < 5; ++i) TimerEvent();
  EXPECT_EQ(g.SubTick, 0);
  EXPECT_EQ(g.GameMinute, 0);

  // Asleep the pace drops from 2 to 1 while the count already stands at 1.
  g.SubTick = 1;
  g.TicksPerStep = 1;
  TimerEvent();
  EXPECT_EQ(g.SubTick, 0);
  EXPECT_EQ(g.GameMinute, 30);
}

TEST_F(ClockTest, TwentyFiveMinuteStepsMakeAnHourInThreeAndDropTheExcess) {
  g.KoudouMode = koudou_mode::kOuting;
  g.KoudouMinutesLeft = 700;
  SetMinutesPerStep(700);
  ASSERT_EQ(g.MinutesPerStep, 25);
  g.TicksPerStep = 1;

  std::vector<double> minutes;
  for (int i = 0; i < 3; ++i) {
    TimerEvent();
    minutes.push_back(g.GameMinute.Num());
  }
  EXPECT_EQ(minutes, (std::vector<double>{25, 50, 0}));
  EXPECT_EQ(g.GameHour, 11);
  EXPECT_EQ(g.KoudouMinutesLeft, 700 - 75);
}

TEST_F(ClockTest, TheMidnightHourRunsAsHour24ThenTheNextDayShowsMidnight) {
  StartWork();
  g.SukezyuruType = 3;  // up through the midnight hour
  g.GameHour = 23;
  g.GameMinute = 30;
  g.TicksPerStep = 1;
  PlaceWork(0, 9.95, 10, 5);

  Value hourSeen, daySeen;
  ui.On(form::kWorkTitle, [&] {
    hourSeen = g.GameHour;
    daySeen = g.GameDay;
    g.SlotKanseido[0] = 0;
  });
  TimerEvent();

  EXPECT_EQ(hourSeen, 24);
  EXPECT_EQ(daySeen, 5);
  EXPECT_EQ(g.GameHour, 0);
  EXPECT_EQ(g.GameMinute, 0);
  EXPECT_EQ(g.GameDay, 6);
  EXPECT_EQ(g.GameWeekday, 1);
  EXPECT_EQ(g.CaptionRefresh, 1);
}

struct Midnight {
  int year, month, day, weekday;
  int nextYear, nextMonth, nextDay, nextWeekday;
};

void PrintTo(const Midnight& c, std::ostream* os) {
  *os << c.year << "/" << c.month << "/" << c.day << " weekday " << c.weekday;
}

class NewDayTest : public ClockTest, public ::testing::WithParamInterface<Midnight> {};

TEST_P(NewDayTest, TheCalendarRollsOverAtTheEndOfTheDay) {
  const Midnight& c = GetParam();
  StartWork();
  g.GameYear = c.year;
  g.GameMonth = c.month;
  g.GameDay = c.day;
  g.GameWeekday = c.weekday;
  g.GameHour = 23;
  g.GameMinute = 30;
  g.TicksPerStep = 1;
  TimerEvent();

  EXPECT_EQ(g.GameYear, c.nextYear);
  EXPECT_EQ(g.GameMonth, c.nextMonth);
  EXPECT_EQ(g.GameDay, c.nextDay);
  EXPECT_EQ(g.GameWeekday, c.nextWeekday);
  EXPECT_EQ(g.GameHour, 0);
}

INSTANTIATE_TEST_SUITE_P(Calendar, NewDayTest,
                         ::testing::Values(Midnight{1970, 4, 5, 0, 1970, 4, 6, 1},
                                           Midnight{1970, 4, 30, 6, 1970, 5, 1, 0},
                                           Midnight{1970, 1, 31, 3, 1970, 2, 1, 4},
                                           Midnight{1971, 2, 28, 0, 1971, 3, 1, 1},
                                           Midnight{1972, 2, 28, 1, 1972, 2, 29, 2},
                                           Midnight{1972, 2, 29, 2, 1972, 3, 1, 3},
                                           Midnight{1970, 12, 31, 4, 1971, 1, 1, 5},
                                           // a start day the year lacks still leaves February
                                           Midnight{1970, 2, 29, 0, 1970, 3, 1, 1}),
                         [](const ::testing::TestParamInfo<Midnight>& info) {
                           const Midnight& c = info.param;
                           return "Y" + std::to_string(c.year) + "M" + std::to_string(c.month) + "D" +
                                  std::to_string(c.day);
                         });

TEST(DaysInMonthTest, FollowsTheGameYearAndBringsLaterMonthsBack) {
  FreshState fresh;
  GameState& g = fresh.g();
  struct Case {
    int year;
    Value month;
    Value days;
    Value monthAfter;
  };
  const Case cases[] = {
      {1970, 1, 31, 1},   {1970, 4, 30, 4},   {1970, 11, 30, 11}, {1970, 12, 31, 12},
      {1970, 2, 28, 2},   {1972, 2, 29, 2},   {1970, 13, 31, 1},  {1971, 14, 28, 2},
      {1972, 14, 29, 2},  {1970, 0, {}, 0},   {1970, 25, {}, 13},
  };
  for (const Case& c : cases) {
    g.GameYear = c.year;
    Value month = c.month;
    Value days = DaysInMonth(month);
    EXPECT_EQ(days.Bits(), c.days.Bits()) << c.year << "/" << c.month.Num();
    EXPECT_EQ(month, c.monthAfter) << c.year << "/" << c.month.Num();
  }
}

TEST_F(ClockTest, StopKoudouEndsWorkAndClosesTheWorkWindow) {
  StartWork();
  ui::Show(form::kWorking, ui::Modeless);
  StopKoudou();
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.MinutesPerStep, 0);
  EXPECT_EQ(g.SigotoOn, 0);
  EXPECT_FALSE(ui::IsLoaded(form::kWorking));

  // Closing what is not open does nothing.
  ui.Clear();
  StopKoudou();
  EXPECT_TRUE(ui.Events().empty());
}

TEST_F(ClockTest, StoppingATimedActivityClosesItsProgressWindowAndTimeStands) {
  struct Case {
    int mode;
    int window;
  };
  for (Case c : {Case{koudou_mode::kOuting, form::kOutingProgress}, Case{koudou_mode::kArubaito, form::kArubaitoProgress},
                 Case{koudou_mode::kSyugyou, form::kTrainingProgress}}) {
    g.KoudouMode = c.mode;
    g.MinutesPerStep = 20;
    g.KoudouMinutesLeft = 20;
    ui::Show(c.window, ui::Modeless);
    StopKoudou();
    EXPECT_FALSE(ui::IsLoaded(c.window)) << c.mode;

    const Value minute = g.GameMinute, left = g.KoudouMinutesLeft;
    for (int i = 0; i < 10; ++i) TimerEvent();
    EXPECT_EQ(g.GameMinute, minute);
    EXPECT_EQ(g.KoudouMinutesLeft, left);
  }
}

}  // namespace
}  // namespace koratsu
