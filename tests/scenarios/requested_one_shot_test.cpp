// The road of a requested one-shot: a magazine's request taken on, the
// work planned, drawn and named, its delivery to the publisher, and the
// magazine's verdict at noon two days later.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "production/delivery.h"
#include "production/settings_editor.h"
#include "production/work_record.h"
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

namespace koratsu::testing {
namespace {

constexpr int kMagazine = 6;   // 週刊ミミズク of ミミズク社, standard 260
constexpr int kPublisher = 4;  // ミミズク社

class RequestedOneShotTest : public ::testing::Test {
 protected:
  RequestedOneShotTest() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();
  }
  ~RequestedOneShotTest() override { SetComputerClock(nullptr); }

  // A new game in which ミミズク社's request for a one-shot has been taken
  // on: its planning opens in the requested one-shot's mode, for the
  // requesting magazine, and the work is drawn and named. The delivery
  // window is played through its rules; returns its text.
  std::string MakeAndDeliver() {
    EXPECT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
    g.KnowledgeItem[3].Point = 12;
    g.OneShotRequestMagazine = kMagazine;
    g.FormSlot[form::kSettingsEditor].Mode = 1;
    ui.On(form::kSettingsEditor, [] {
      OpenSettingsEditor();
      PlanSetting(0, 3, 12);
      EXPECT_TRUE(StartProduction(1, 2));
    });
    ui::Show(form::kNewMangaChoice, ui::Modal);
    const rec::ProductionSlot& slot = g.ProductionSlot[0];
    EXPECT_EQ(slot.Kind, 3);
    EXPECT_EQ(slot.DaysLeft, 10);
    EXPECT_EQ(slot.Magazine, kMagazine);
    EXPECT_EQ(g.Magazine[kMagazine].RequestState, 1);

    std::string text;
    ui.On(form::kDelivery, [this, &text] {
      EXPECT_EQ(g.FormSlot[form::kDelivery].Mode, 0);
      popularityBefore = g.PlayerPopularity;
      OpenDelivery();
      text = DeliverRequestedOneShot();
      popularityAfter = g.PlayerPopularity;
      ui::Unload(form::kDelivery);
      DeliverySent();
    });
    player.title = "森の郵便局";
    EXPECT_TRUE(player.WorkUntilNamed());
    return text;
  }

  // The work command until the editor's verdict has been told; the new days
  // passed meanwhile and the hour of the verdict.
  struct Verdict {
    int days = 0;
    Value hour;
  };
  std::optional<Verdict> WaitForVerdict() {
    Verdict verdict;
    bool told = false;
    ui.OnTalk([&](const TalkRecord& talk) {
      if (talk.caption != "担当 報告" || told) return;
      told = true;
      verdict.hour = g.GameHour;
    });
    shell::RunCommand(shell::Command::Sigotosuru, screen);
    Value day = g.GameDay;
    const bool ran = player.RunClockUntil([&] {
      if (g.GameDay != day) {
        ++verdict.days;
        day = g.GameDay;
      }
      return told;
    });
    ui.OnTalk(nullptr);
    if (!ran) return std::nullopt;
    return verdict;
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 9, 0, 0}, 1234.5};
  FixedRandom random{23};
  ScriptedUi ui;
  RecordingScreen screen;
  RoadPlayer player{ui, screen};
  Value popularityBefore, popularityAfter;
};

TEST_F(RequestedOneShotTest, AWorkAtAnEighthOfTheStandardIsAcceptedAndPaid) {
  EXPECT_EQ(MakeAndDeliver(), "完成した読切漫画「森の郵便局」をミミズク社へ送ります。");
  EXPECT_EQ(popularityAfter, popularityBefore + 1) << "at once";
  ASSERT_EQ(g.MangaCount, 1);
  rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.State, manga_state::kRequestDelivered);
  EXPECT_EQ(work.SentMagazine, kMagazine);
  std::optional<int> queued;
  for (int i = 0; i < 65; ++i)
    if (g.EditorEvent[i].Code == event_code::kOneShotVerdict) queued = i;
  ASSERT_TRUE(queued.has_value());
  EXPECT_EQ(g.EditorEvent[*queued].Delay, 2);
  EXPECT_EQ(g.EditorEvent[*queued].Manga, 0);
  EXPECT_EQ(g.EditorEvent[*queued].Magazine, kMagazine);

  work.Hyouka = g.Magazine[kMagazine].Standard / 8;
  ASSERT_EQ(work.Hyouka, 32.5);
  const Value kingaku = g.Kingaku;
  const Value magazineYukou = g.Magazine[kMagazine].Yukou;
  const Value publisherYukou = g.PublisherYukou[kPublisher];
  ui.On(form::kFeeNotice, [&] { EXPECT_EQ(g.Kingaku, kingaku) << "paid once the notice has closed"; });
  ui.Clear();
  const std::optional<Verdict> verdict = WaitForVerdict();
  ASSERT_TRUE(verdict.has_value());
  EXPECT_EQ(verdict->days, 2) << "day D + 2";
  EXPECT_EQ(verdict->hour, 12);

  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_NE(ui.Talk(0).lines.at(0).find("「森の郵便局」"), std::string::npos);
  EXPECT_EQ(ui.ShownCount(form::kFeeNotice), 1);
  EXPECT_EQ(ui.ControlText(form::kFeeNotice, "Label2(1)"), "週刊ミミズクの稿料");
  EXPECT_EQ(ui.ControlText(form::kFeeNotice, "Label2(0)"), "20万0000円");
  EXPECT_EQ(g.Kingaku, kingaku + 200000);
  EXPECT_EQ(work.State, manga_state::kRequestAccepted);
  EXPECT_EQ(work.Prize, 200000);
  EXPECT_EQ(g.Magazine[kMagazine].RequestState, 2);
  EXPECT_EQ(g.Magazine[kMagazine].Yukou, magazineYukou + 1);
  EXPECT_EQ(g.PublisherYukou[kPublisher], publisherYukou + 1);
}

TEST_F(RequestedOneShotTest, ALowerScoreIsRefusedAndThePopularityStays) {
  MakeAndDeliver();
  ASSERT_EQ(g.MangaCount, 1);
  rec::MangaWork& work = g.MangaWork[0];
  work.Hyouka = 32.4;
  const Value kingaku = g.Kingaku;
  ui.Clear();
  const std::optional<Verdict> verdict = WaitForVerdict();
  ASSERT_TRUE(verdict.has_value());
  EXPECT_EQ(verdict->days, 2);
  EXPECT_EQ(verdict->hour, 12);
  EXPECT_EQ(ui.ShownCount(form::kFeeNotice), 0);
  EXPECT_EQ(work.State, manga_state::kRequestRejected);
  EXPECT_EQ(g.Magazine[kMagazine].RequestState, 0);
  EXPECT_EQ(g.Kingaku, kingaku);
  EXPECT_EQ(g.PlayerPopularity, popularityAfter) << "the delivery's popularity is kept";
}

}  // namespace
}  // namespace koratsu::testing
