// A serial from its acceptance to its end: the editor's offer accepted,
// the first episode planned and titled, every episode drawn in the work
// mode and delivered at its 18:00 deadline (the first one making the
// serial's record, the later ones paying their fee), the sixth collecting
// the first comics volume, whose offer the editor talks about, then the
// player's request to end the serial and the final delivery that frees the
// magazine's place.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "clock/editor_events.h"
#include "clock/event_stand_in.h"
#include "production/delivery.h"
#include "production/next_episode.h"
#include "production/point_buttons.h"
#include "production/serial_delivery.h"
#include "production/serial_milestones.h"
#include "production/settings_editor.h"
#include "production/work_record.h"
#include "publishing/end_serial.h"
#include "publishing/requests.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/road_player.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "support/settings_player.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomaka = 3;  // weekly, 19 pages an episode, 16 places, comics at 390 yen
constexpr int kSettingItems[] = {7, 9, 14};  // 警察官, 漫画家, 探偵物
const char* const kTitle = "星の島";

// One delivery as the delivery window saw it.
struct Delivery {
  Value hour;
  Value episodes;      // the serial's delivered episodes after it
  std::string text;    // the window's text
  double fee;          // the money it brought
};

class SerialRunTest : public ::testing::Test {
 protected:
  SerialRunTest() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    ui.FallbackAnswer(6);
  }
  ~SerialRunTest() override {
    SetRandomSource(nullptr);
    SetComputerClock(nullptr);
  }

  // A player well along his way: every ability high, a studio with
  // assistants, and knowledge enough to keep a serial's settings up for
  // many episodes.
  void SeasonedPlayer() {
    for (Value* ability : {&g.Garyoku, &g.Kyouyou, &g.Hassouryoku, &g.Souzouryoku, &g.Tinou}) *ability = 40;
    g.Level = 10;
    g.TiPointMax = 60;
    for (int item : kSettingItems) g.KnowledgeItem[item].Point = 60;
    g.SigotoPoint = 80;
  }

  // The editor's offer of a serial in 週刊ちょこまか, accepted in the reply
  // window; the first episode is an own story of three settings.
  void AcceptSerialOffer() {
    ui.On(form::kNewMangaChoice, [] { ui::Show(form::kSettingsEditor, ui::Modal); });
    ui.On(form::kSettingsEditor, [] {
      OpenSettingsEditor();
      for (int k = 0; k < 3; ++k) PlanSetting(k, kSettingItems[k], 15);
      StartProduction(1, 2);
    });
    ui.On(form::kSerialTitle, [this] {
      ui.AnswerYesNo({6});  // 星の島でいいですか。
      ConfirmSerialTitle(kTitle);
    });
    ui.On(form::kRequestReply, [] { AcceptRequest(); });  // 引き受ける
    g.RequestMagazine = kChokomaka;
    g.SerialMagazine = kChokomaka;
    g.FormSlot[form::kRequestReply].Mode = request_mode::kSerial;
    ui::Show(form::kRequestReply, ui::Modal);
  }

  // The delivery window as the player uses it: the episode is delivered as
  // the window loads; while the serial goes on he holds ▲ two ticks for
  // each setting, so that each keeps its points, then presses 送る.
  void PlayTheDeliveryWindow() {
    ui.On(form::kDelivery, [this] {
      const double money = g.Kingaku.Num();
      OpenDelivery();
      const SerialDeliveryView view = DeliverSerialEpisode();
      const long long m = g.MangaCount.Index() - 1;
      deliveries.push_back({g.GameHour, g.MangaWork[m].SerialEpisodes, view.text, g.Kingaku.Num() - money});
      if (view.outcome == SerialDeliveryOutcome::NextEpisode) {
        for (int k = 0; k < 3; ++k) {
          PressNextEpisodePointButton(k, kPointRepeatAdd);
          NextEpisodeTimerStep();
          NextEpisodeTimerStep();
          ReleaseNextEpisodePointButton();
        }
        BookNextEpisode();
      }
      ui::Unload(form::kDelivery);
      DeliverySent();
      CelebrateSerialMilestone();
    });
  }

  // Until the game answers a serial's deadline and the comics offer itself,
  // stand-ins do what its handlers do.
  void StandInForMissingHandlers() {
    if (!BuiltInEditorEventHandler(event_code::kSerialDeadline))
      deadline.emplace(event_code::kSerialDeadline, [](int entry) {
        GameState& s = State();
        const Value slot = s.EditorEvent[entry].Target;
        if (!(s.SlotKanseido[slot] > s.ProductionSlot[slot].Target)) return;
        s.SerialSlot = slot;
        s.FormSlot[form::kDelivery].Mode = delivery_mode::kSerial;
        ui::Show(form::kDelivery, ui::Modal);
      });
    if (!BuiltInEditorEventHandler(event_code::kComicsOffer))
      comicsOffer.emplace(event_code::kComicsOffer, [](int entry) {
        GameState& s = State();
        const Value w = s.EditorEvent[entry].Target;
        AddTalkLine(Join("  連載「", s.MangaWork[w].Title, "」がページがそろそろ溜まったので"));
        AddTalkLine(Join("コミックス化しようと考えています。発売が5日後で定価",
                         s.Magazine[s.MangaWork[w].Magazine].ComicsPrice, "円です、印税は10%です。"));
        ui::ShowTalk("担当 報告");
        QueueEditorEvent(event_code::kComicsRelease, 5, {.Target = w});
      });
  }

  // The talks captioned `caption` whose first line starts with `start`.
  std::vector<TalkRecord> TalksStarting(const std::string& caption, const std::string& start) const {
    std::vector<TalkRecord> found;
    for (const TalkRecord& talk : ui.Talks())
      if (talk.caption == caption && !talk.lines.empty() && talk.lines.front().starts_with(start))
        found.push_back(talk);
    return found;
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 10, 0, 0}, 1234.5};
  FixedRandom random{30};
  ScriptedUi ui;
  RecordingScreen screen;
  RoadPlayer player{ui, screen};
  std::optional<EventStandIn> deadline, comicsOffer;
  std::vector<Delivery> deliveries;
};

TEST_F(SerialRunTest, ASerialRunsEpisodeByEpisodeUntilThePlayerEndsIt) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  SeasonedPlayer();
  StandInForMissingHandlers();
  AcceptSerialOffer();
  const Value first = g.SerialSlot;
  ASSERT_EQ(g.SlotLabel[first], kTitle);
  ASSERT_EQ(g.ProductionSlot[first].Kind, 6);
  ASSERT_EQ(g.Magazine[kChokomaka].SerialRunning, 1);
  ASSERT_EQ(g.MangaCount, 0) << "the record comes with the first delivery";

  // Six episodes drawn in the work mode and delivered at their deadlines.
  PlayTheDeliveryWindow();
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_TRUE(player.RunClockUntil([this] { return deliveries.size() >= 6 || g.GameActive != 1; }, 200000));
  ASSERT_EQ(g.MangaCount, 1);
  const rec::MangaWork& serial = g.MangaWork[0];
  EXPECT_EQ(serial.Title, kTitle);
  EXPECT_EQ(serial.State, manga_state::kSerialRunning);
  EXPECT_EQ(serial.SerialFee, 240000);
  for (size_t d = 0; d < deliveries.size(); ++d) {
    SCOPED_TRACE(d + 1);
    EXPECT_EQ(deliveries[d].hour, 18);
    EXPECT_EQ(deliveries[d].episodes, static_cast<double>(d + 1));
    EXPECT_EQ(deliveries[d].fee, 240000);
    EXPECT_EQ(deliveries[d].text,
              "完成した連載漫画「星の島」第" + std::to_string(d + 1) + "話を週刊ちょこまかへ送ります。");
  }
  // 19 pages an episode: the sixth fills the first volume.
  for (int e = 0; e < 6; ++e) EXPECT_EQ(serial.EpisodeVolume[e], 1) << e;

  // Three days on, at noon, the editor offers the comics.
  ASSERT_TRUE(player.RunClockUntil(
      [this] { return !TalksStarting("担当 報告", "  連載「星の島」").empty() || g.GameActive != 1; }, 200000));
  EXPECT_EQ(g.GameHour, 12);
  EXPECT_EQ(TalksStarting("担当 報告", "  連載「星の島」").front().lines,
            (std::vector<std::string>{"  連載「星の島」がページがそろそろ溜まったので",
                                      "コミックス化しようと考えています。発売が5日後で定価390円です、印税は10%です。"}));

  // The player asks to end the serial: the list, the editor, the reply window.
  const std::size_t delivered = deliveries.size();
  ui.On(form::kEndSerial, [] {
    const std::vector<std::string> titles = ListEndableSerials();
    EXPECT_EQ(titles, std::vector<std::string>{kTitle});
    ui::Unload(form::kEndSerial);
    EndListedSerial(0);
  });
  ui.On(form::kRequestReply, [this] {
    EXPECT_EQ(g.FormSlot[form::kRequestReply].Mode, request_mode::kEndSerial);
    AcceptRequest();  // 終了させる
  });
  shell::RunCommand(shell::Command::MangaRSyuuryou, screen);
  EXPECT_EQ(serial.SerialLowCount, 4);
  ASSERT_EQ(TalksStarting("会話 担当", "  本当に終わらせて").size(), 1u);

  // The next delivery is the final one.
  ASSERT_TRUE(player.RunClockUntil([&] { return deliveries.size() > delivered || g.GameActive != 1; }, 200000));
  const Delivery& last = deliveries.back();
  EXPECT_EQ(last.hour, 18);
  EXPECT_EQ(last.fee, 240000);
  EXPECT_EQ(last.text, "完成した連載漫画「星の島」最終回を週刊ちょこまかへ送ります。");
  EXPECT_EQ(serial.State, manga_state::kSerialEnded);
  EXPECT_FALSE(serial.SerialEndDate.Str().empty());
  EXPECT_EQ(g.Magazine[kChokomaka].SerialRunning, 0);
  EXPECT_EQ(g.Magazine[kChokomaka].RequestState, 3);
  for (int s = 0; s < 6; ++s) EXPECT_FALSE(g.SlotKanseido[s] > 0 && g.ProductionSlot[s].Kind == 6) << s;
  EXPECT_EQ(g.GameActive, 1);
}

}  // namespace
}  // namespace koratsu::testing
