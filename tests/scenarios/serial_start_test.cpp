// From a first prize to a first serial: a new game's work is posted and wins
// the grand prize; at a later noon the magazine's editor asks for a one-shot,
// which is accepted and planned at once; once the magazine knows the player
// well and had a request accepted, its editor offers a serial, which is set
// up through the talk, the settings editor and the title window to a first
// episode in production with its deadline.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "production/settings_editor.h"
#include "production/work_record.h"
#include "publishing/requests.h"
#include "scenarios/road_fixture.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/road_player.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "support/settings_player.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kEventsPerMonth = 3000;

class SerialStartScenario : public RoadScenario {
 protected:
  SerialStartScenario() {
    ui.On(form::kRequestReply, [this] {
      const Value mode = g.FormSlot[form::kRequestReply].Mode;
      replies.push_back(mode.Str() + ":" + (mode == 1 ? g.RequestMagazine : g.OneShotRequestMagazine).Str());
      accept(mode) ? AcceptRequest() : DeclineRequest();
    });
    ui.On(form::kSerialTitle, [this] {
      ui.AnswerYesNo({6});
      ConfirmSerialTitle("星空ステーション");
    });
  }

  // From now on every request's work is planned from the knowledge the player has then.
  void PlanRequestsFromBestKnowledge() {
    ui.On(form::kSettingsEditor, [this] {
      OpenSettingsEditor();
      int k = 0;
      for (int item : player.BestKnowledge(3)) PlanSetting(k++, item, kTiPointCap);
      StartProduction(1, 1);
    });
  }

  // The work command, again whenever a finished work stopped it, and the
  // clock until `done` or a month of events.
  bool LiveUntil(const std::function<bool()>& done) {
    return player.RunClockUntil(
               [&] {
                 if (done() || g.GameActive != 1) return true;
                 if (g.KoudouMode == 0) shell::RunCommand(shell::Command::Sigotosuru, screen);
                 return false;
               },
               kEventsPerMonth) &&
           g.GameActive == 1;
  }

  std::function<bool(const Value&)> accept = [](const Value&) { return true; };
  std::vector<std::string> replies;
};

TEST_F(SerialStartScenario, APrizedPlayerTakesAOneShotRequestThenASerialToItsFirstEpisode) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  WorkJobsUntilKnowing();
  ASSERT_TRUE(PlanFromBestKnowledge());
  ASSERT_TRUE(player.WorkUntilNamed());
  ASSERT_TRUE(LiveUntil([&] { return g.MangaWork[0].State != manga_state::kSent; }));
  ASSERT_EQ(g.MangaWork[0].Award, 1) << "the grand prize";
  ASSERT_EQ(g.Magazine[kChokomaka].Yukou, 1);
  ASSERT_TRUE(replies.empty());

  // More knowledge for the works to come, while the noons pass.
  player.title = "二作目";
  PlanRequestsFromBestKnowledge();
  WorkJobsUntilKnowing();
  ASSERT_TRUE(LiveUntil([&] { return !replies.empty(); })) << "no request within a month";
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].substr(0, 2), "0:") << "a one-shot request";
  const Value requester = g.OneShotRequestMagazine;
  EXPECT_EQ(g.DaysSinceOffer, 0);
  EXPECT_EQ(g.Magazine[requester].RequestState, 1);
  int oneShot = -1;
  for (int s = 0; s < 6; ++s)
    if (g.SlotKanseido[s] > 0 && g.ProductionSlot[s].Kind == 3) oneShot = s;
  ASSERT_GE(oneShot, 0) << "the requested work is in production";
  EXPECT_EQ(g.ProductionSlot[oneShot].Magazine, requester);
  EXPECT_EQ(g.SlotLabel[oneShot], "出版社依頼の読切漫画");
  EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 0);

  // The magazine now knows the player well, and a requested one-shot was
  // accepted: months of play, made here. Its further one-shot requests are declined.
  rec::Magazine& magazine = g.Magazine[kChokomaka];
  magazine.Yukou = 3;
  magazine.RequestState = 2;
  accept = [](const Value& mode) { return mode == 1; };
  WorkJobsUntilKnowing();
  ASSERT_TRUE(LiveUntil([&] { return replies.back().substr(0, 2) == "1:"; })) << "no serial offer within a month";
  EXPECT_EQ(replies.back(), "1:3");

  EXPECT_EQ(magazine.RequestState, 3);
  EXPECT_EQ(magazine.SerialRunning, 1);
  EXPECT_EQ(g.SerialAccepted, 0);
  EXPECT_EQ(g.SerialTalkState, 0);
  const Value s = g.SerialSlot;
  const rec::ProductionSlot& episode = g.ProductionSlot[s];
  EXPECT_GT(g.SlotKanseido[s], 0);
  EXPECT_EQ(episode.Kind, 6);
  EXPECT_EQ(episode.Magazine, kChokomaka);
  EXPECT_EQ(g.SlotLabel[s], "星空ステーション");
  EXPECT_GE(episode.DaysLeft, 8);
  EXPECT_LE(episode.DaysLeft, 20);
  std::vector<std::string> serialTalks;
  for (const TalkRecord& talk : ui.Talks())
    if (talk.caption == "連載の依頼") serialTalks.push_back(talk.lines.front());
  EXPECT_EQ(serialTalks, (std::vector<std::string>{"なるほど、いいですね。では題名を考えましょう",
                                                    "星空ステーションですね。わかりました。"}));
  // The schedule came last, from the talk, once the title was set.
  std::vector<int> shown = ui.Shown();
  auto title = std::find(shown.rbegin(), shown.rend(), form::kSerialTitle);
  ASSERT_NE(title, shown.rend());
  EXPECT_EQ(std::count(shown.rbegin(), title, form::kSchedule), 1);
}

}  // namespace
}  // namespace koratsu::testing
