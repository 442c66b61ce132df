// The new day in its order: the countdown, the poll on the 28th, the slots'
// deadlines and accidents, then each work's offers, broadcasts and movie.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "clock/editor_events.h"
#include "clock/event_stand_in.h"
#include "clock/phases.h"
#include "publishing/poll.h"
#include "state/catalogues.h"
#include "state/editor_event_queue.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ScriptedRandom;
using testing::UiEvent;

class DailyRulesTest : public testing::ClockTest {
 protected:
  DailyRulesTest() {
    AddPollArtists();
    g.PlayerSei = "山田";
    g.PlayerMei = "太郎";
    g.PlayerPopularity = 3;
    // The poll window holds the poll as it opens.
    ui.On(form::kPoll, [] { HoldPoll(); });
  }

  // The game's midnight: the day turns, then its rules and the calendar.
  void Midnight() {
    g.GameHour = 24;
    NewDay();
  }
};

TEST_F(DailyRulesTest, ThePollComesOnEvery28thOnceFirstThing) {
  std::vector<std::string> polls;
  ui.On(form::kPoll, [&] {
    HoldPoll();
    polls.push_back(g.GameMonth.Str() + "/" + g.GameDay.Str());
  });
  g.GameYear = 1971;
  g.GameMonth = 1;
  g.GameDay = 20;
  while (!(g.GameMonth == 4 && g.GameDay == 10)) Midnight();
  EXPECT_EQ(polls, (std::vector<std::string>{"1/28", "2/28", "3/28"}));

  const std::vector<testing::TalkRecord>& talks = ui.Talks();
  ASSERT_EQ(talks.size(), 3u);
  EXPECT_EQ(talks[0].caption, "報告");
  EXPECT_EQ(talks[0].lines, std::vector<std::string>{"  今日は毎月恒例の漫画化人気投票の発表日です。"});
}

TEST_F(DailyRulesTest, ThePollPrecedesTheDeadlinesAndTheAccidents) {
  ScriptedRandom script;
  script.Any(2003);                          // the poll
  script.Expect(100, 0).Expect(2, 1);        // slot 1: an accident, the pages burnt
  script.Expect(100, 7);                     // slot 4: none
  SetRandomSource(&script);
  g.GameMonth = 2;
  g.GameDay = 27;
  g.SlotKanseido[1] = 4;
  g.ProductionSlot[1].Kind = 6;
  g.ProductionSlot[1].DaysLeft = 1;
  g.SlotKanseido[4] = 2;
  g.ProductionSlot[4].DaysLeft = -1;
  ui.On(form::kPoll, [&] {
    HoldPoll();
    EXPECT_EQ(g.ProductionSlot[1].DaysLeft, 1) << "deadlines come after the poll";
  });
  Midnight();
  EXPECT_EQ(script.Remaining(), 0u);

  std::vector<std::string> seen;
  for (const UiEvent& e : ui.Events()) {
    if (e.kind == UiEvent::Talk) seen.push_back(e.text);
    if (e.kind == UiEvent::Show) seen.push_back(form::Name(e.form));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"報告", "Form9", "Form20"}));
  EXPECT_EQ(g.FormSlot[form::kAccident].Mode, 1);
  EXPECT_EQ(g.SlotKanseido[1], 2);
  EXPECT_EQ(g.EditorEvent[0].Code, event_code::kSerialDeadline);
  EXPECT_EQ(g.EditorEvent[0].Target, 1);
  EXPECT_EQ(g.GameDay, 28);
}

TEST_F(DailyRulesTest, TwoOffersOnOneDayKeepTheirOwnWorksAndKinds) {
  ScriptedRandom script;
  script.Expect(5, 2).Expect(100, 0);  // work 0: kind 2, offered
  script.Expect(5, 0).Expect(50, 0);   // work 1, its anime on the air: kind 0, offered
  script.Expect(5, 1).Expect(100, 0);  // work 2: no serial
  SetRandomSource(&script);
  g.MangaCount = 3;
  g.MangaWork[0].State = 7;
  g.MangaWork[1].State = 8;
  g.MangaWork[1].AnimeState = 1;
  g.MangaWork[2].State = 9;
  Midnight();
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(g.EditorEvent[0].Code, event_code::kMerchandiseOffer);
  EXPECT_EQ(g.EditorEvent[0].Target, 0);
  EXPECT_EQ(g.EditorEvent[0].Manga, 2);
  EXPECT_EQ(g.EditorEvent[1].Code, event_code::kMerchandiseOffer);
  EXPECT_EQ(g.EditorEvent[1].Target, 1);
  EXPECT_EQ(g.EditorEvent[1].Manga, 0);
  EXPECT_EQ(g.EditorEvent[2].Code, 0);
}

// The events a new day queues fire the same day at their own hours.
TEST_F(DailyRulesTest, TodaysEventsFireAtTheirHours) {
  std::vector<std::string> fired;
  auto note = [this, &fired](int code) {
    return [this, code, &fired](int entry) {
      fired.push_back(std::to_string(code) + " day " + g.GameDay.Str() + " " + g.GameHour.Str() + ":00 target " +
                      g.EditorEvent[entry].Target.Str());
    };
  };
  testing::EventStandIn deadline(event_code::kSerialDeadline, note(event_code::kSerialDeadline));
  testing::EventStandIn broadcast(event_code::kBroadcast, note(event_code::kBroadcast));
  testing::EventStandIn premiere(event_code::kPremiere, note(event_code::kPremiere));
  StartWork();
  PlaceWork(2, 1, 1e9, 0, 6);
  g.ProductionSlot[2].DaysLeft = 1;
  g.MangaCount = 1;
  g.MangaWork[0].AnimeState = 1;
  g.MangaWork[0].AnimeStartDays = 1;
  g.MangaWork[0].MovieOn = 1;
  g.MangaWork[0].MovieStartDays = 1;
  while (!(g.GameDay == 7)) RunHour();
  EXPECT_EQ(fired, (std::vector<std::string>{"16 day 6 11:00 target 0", "4 day 6 18:00 target 2",
                                             "11 day 6 20:00 target 0"}));
}

}  // namespace
}  // namespace koratsu
