// A serial's comics sell their way to its publisher's manga award: a running
// serial in 千石船書房's weekly, 4,490,000 copies counted, gets a volume at
// 14:00 on the day its release was due; the hours' sales carry it past
// 4,500,000 copies, and one hour the award's draw brings the ceremony, the
// prize and the trophy room. All of it through the main window's clock.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "production/work_record.h"
#include "publishing/awards.h"
#include "publishing/comics_release.h"
#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomaka = 3;           // 千石船書房's weekly, comics at 390 yen
constexpr int kChokomakaPublisher = 1;  // its publisher, counted from 0
constexpr double kCopiesCounted = 4490000;
constexpr double kAwardSales = 4500000;

class SalesAwardTest : public ::testing::Test {
 protected:
  SalesAwardTest() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();
    ui.On(form::kComicsRelease, CloseComicsRelease)
        .On(form::kAward, ReceiveAwardPrize)
        .On(form::kTrophies, [this] { trophies = FillTrophyRoom(); });
  }
  ~SalesAwardTest() override {
    SetRandomSource(nullptr);
    SetComputerClock(nullptr);
  }

  // The serial, as its deliveries and their polls have left it.
  long long PrepareSerial() {
    const long long w = g.MangaCount.Index();
    rec::MangaWork* work = Append(g.MangaWork, g.MangaCount);
    work->Title = "月夜の猫";
    work->State = manga_state::kSerialRunning;
    work->Magazine = kChokomaka;
    work->Hyouka = 120;
    work->SerialEpisodes = 6;
    work->AwardSales = kCopiesCounted;
    work->TotalSold = kCopiesCounted;
    return w;
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 5, 10, 0, 0}, 1234.5};
  FixedRandom random{32};
  ScriptedUi ui;
  RecordingScreen screen;
  std::array<TrophyPanel, 5> trophies{};
};

TEST_F(SalesAwardTest, TheHourlySalesBringTheSerialsPublisherToItsAwardCeremony) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  const long long serial = PrepareSerial();
  ASSERT_TRUE(QueueEditorEvent(event_code::kComicsRelease, 0, {.Target = serial}));
  const double money = g.Kingaku.Num();

  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_EQ(g.KoudouMode, koudou_mode::kWork);
  shell::ClockTimer timer;
  std::optional<double> soldAtCeremony;
  ui.OnTalk([&](const TalkRecord& talk) {
    if (!soldAtCeremony && talk.caption == "担当 報告" && !talk.lines.empty() &&
        talk.lines[0].starts_with("  こんにちは朗報です。"))
      soldAtCeremony = g.MangaWork[serial].AwardSales.Num();
  });
  for (int events = 0; ui.ShownCount(form::kTrophies) == 0; ++events) {
    ASSERT_LT(events, 200000) << "no award after " << g.MangaWork[serial].AwardSales.Str() << " copies";
    timer.Event(screen);
    ASSERT_EQ(g.GameActive, 1);
  }

  // The volume came out at 14:00 and sold from then on.
  const rec::MangaWork& work = g.MangaWork[serial];
  EXPECT_EQ(ui.ShownCount(form::kComicsRelease), 1);
  ASSERT_EQ(work.Volumes, 1);
  EXPECT_EQ(g.ComicsVolume[serial][0].Price, Money::FromNumber(390));
  ASSERT_TRUE(soldAtCeremony);
  EXPECT_GE(*soldAtCeremony, kAwardSales) << "the award waits for its copies";
  EXPECT_EQ(work.AwardSales, kCopiesCounted + g.ComicsVolume[serial][0].Sold.Num());

  // The ceremony of the serial's publisher, in its order.
  std::vector<std::string> captions;
  for (const TalkRecord& talk : ui.Talks())
    if (captions.size() < 5 && !talk.lines.empty() &&
        (!captions.empty() || talk.lines.front().starts_with("  こんにちは朗報です。")))
      captions.push_back(talk.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"担当 報告", "出版社 社長", "出版社 社長", "司会の人", "担当 報告"}));
  const std::string publisher = g.Publisher[kChokomakaPublisher].Name.Str();
  const std::string edition = g.Publisher[kChokomakaPublisher].AwardNo.Str();
  bool reported = false;
  for (const TalkRecord& talk : ui.Talks())
    reported = reported || (talk.lines.size() == 3 &&
                            talk.lines[0] == "  こんにちは朗報です。実は昨日、第" + edition + "回 " + publisher +
                                                 "漫画賞の発表がありまして" &&
                            talk.lines[1] == "なんと「月夜の猫」が受賞したんですよ。");
  EXPECT_TRUE(reported);
  EXPECT_EQ(ui.ShownCount(form::kAward), 1);
  EXPECT_EQ(ui.ControlText(form::kAward, "Label2(0)"), publisher);
  EXPECT_EQ(ui.ControlText(form::kAward, "Label2(1)"), "月夜の猫");

  // One trophy, the serial's; the game goes on.
  for (int p = 0; p < 5; ++p) EXPECT_EQ(g.Publisher[p].AwardDone, p == kChokomakaPublisher ? 1 : 0) << p;
  EXPECT_EQ(work.Awarded, 1);
  EXPECT_EQ(g.CeremonyBusy, 0);
  EXPECT_TRUE(trophies[kChokomakaPublisher].won);
  EXPECT_EQ(trophies[kChokomakaPublisher].title, "「月夜の猫」");
  EXPECT_EQ(ui.ShownCount(form::kEnding), 0);
  EXPECT_GE(g.Kingaku.Num() - money, kAwardPrize) << "the prize, besides the royalties";
}

}  // namespace
}  // namespace koratsu::testing
