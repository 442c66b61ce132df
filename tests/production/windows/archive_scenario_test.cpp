// A career as the archive follows it, with the archive open: an own work is
// named, posted and given a prize; then a serial is delivered episode by
// episode, collected into volumes and sold. Each change shows within one of
// the archive's timer events, and a double-click opens the work's card.
//
// The work is named, posted and judged, the serial's episodes delivered,
// its comics released and sold, by the game's own rules.

#include <gtest/gtest.h>

#include <cstdint>

#include "clock/phases.h"
#include "platform/notice_form.h"
#include "production/archive.h"
#include "production/naming.h"
#include "production/slots.h"
#include "production/windows/archive_window.h"
#include "production/windows/delivery_window.h"
#include "production/windows/game_scene.h"
#include "production/windows/work_card_window.h"
#include "publishing/comics_sales.h"
#include "publishing/contest.h"
#include "publishing/windows/comics_release_window.h"
#include "publishing/submission_lists.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/money.h"
#include "state/editor_event_queue.h"
#include "state/random.h"
#include "ui/game_ops.h"
#include "state/shared_ops.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

constexpr int kMagazine = 3;  // 週刊ちょこまか, 19 pages an episode, comics at 390 yen

std::string Today() {
  const GameState& g = State();
  return DateString(g.GameYear, g.GameMonth, g.GameDay, 2);
}

// A finished own work waiting for its title in slot 0.
void FinishOwnWork() {
  GameState& g = State();
  rec::ProductionSlot& slot = g.ProductionSlot[0];
  g.SlotKanseido[0] = 130;
  slot.Target = 120;
  slot.Kind = 0;
  slot.Source = 0;
  slot.Quality = 60;
  const int items[] = {-1, 0, 1}, points[] = {2, 5, 8}, ratings[] = {6, 4, 2, 9, 5, 7};
  for (int k = 0; k < 3; ++k) {
    slot.SettingItem[k] = items[k];
    slot.SettingPoints[k] = points[k];
  }
  for (int r = 0; r < 6; ++r) slot.Rating[r] = ratings[r];
  slot.Class[1] = 1;
  slot.Class[2] = 2;
  g.FinishedSlot = 0;
}

// Posting it to a magazine's newcomer contest: the posting window's rules,
// the player answering yes.
void PostToContest(int magazine) {
  testing::ScriptedUi player;
  player.AnswerYesNo({6});
  OpenContestPost();
  SelectSubmissionMagazine(magazine);
  SelectSubmissionWork(0);
  ASSERT_TRUE(PostSelectedWork());
}

// The four noons until its result, judged under a generator that finds
// nothing to object to.
void JudgeAtTheFourthNoon() {
  testing::ScriptedUi player;
  testing::ScriptedRandom draws;
  draws.Expect(3, 1).Expect(3, 1);
  SetRandomSource(&draws);
  for (int noon = 0; noon < 4; ++noon) JudgeContestEntries();
  SetRandomSource(nullptr);
  EXPECT_EQ(draws.Remaining(), 0u);
}

// A serial's first episode, finished in a slot as the serial's set-up and
// the work leave it: its settings use no knowledge item.
void FinishFirstSerialEpisode(const std::string& title) {
  GameState& g = State();
  const int s = FirstFreeSlot();
  rec::ProductionSlot& slot = g.ProductionSlot[s];
  g.SlotLabel[s] = title;
  slot.Kind = 6;
  slot.Magazine = kMagazine;
  slot.Episode = 0;
  slot.Target = 160;
  slot.Quality = 45;
  for (int k = 0; k < 3; ++k) {
    slot.SettingItem[k] = -1;
    slot.SettingPoints[k] = 10;
  }
  g.SerialSlot = s;
  // At the top level, so that no level-up window comes between the deliveries.
  g.Level = 10;
}

// Every draw comes out 0: each plan has the best luck, 50, so the serial's
// quality is 53 less 1.5 an episode, and its rank 5 at first.
class LuckiestDraws : public RandomSource {
 public:
  double Next(long) override { return 0; }
  void Seed(std::uint64_t) override {}
};

// Delivering the serial's episode, finished, at its deadline: the delivery
// window opens and its 送る books the next episode's plan; the 10th
// episode's notice is closed. The first delivery makes the serial's
// record. Returns the record.
long long DeliverSerialEpisode() {
  GameState& g = State();
  const Value s = g.SerialSlot;
  g.SlotKanseido[s] = 170;
  g.FormSlot[form::kDelivery].Mode = 1;
  LuckiestDraws draws;
  SetRandomSource(&draws);
  testing::ModalScript script;
  script.When(form::kDelivery, [](platform::Form& window) { static_cast<Form18&>(window).Command1->click(); });
  if (g.ProductionSlot[s].Episode == 9)
    script.When(form::kSerialMilestone,
                [](platform::Form& window) { static_cast<platform::NoticeForm&>(window).Command1->click(); });
  ui::Show(form::kDelivery, ui::Modal);
  SetRandomSource(nullptr);
  EXPECT_TRUE(script.Done());
  return g.ProductionSlot[g.SerialSlot].MangaIndex.Index();
}

// A comics release, five days after a volume was collected, at 14:00: the
// notice is closed, then the editor's word on the first print run. It asks
// the archive for nothing: the next hour's sales do.
void ReleaseComics(long long w) {
  GameState& g = State();
  ASSERT_TRUE(QueueEditorEvent(event_code::kComicsRelease, 0, {.Target = w}));
  testing::ModalScript script;
  script.When(form::kComicsRelease, [](platform::Form& notice) { static_cast<Form47&>(notice).Command1->click(); })
      .When(form::kConversation, [](platform::Form& talk) { talk.Unload(); });
  g.GameHour = 14;
  FireEditorEvents();
  EXPECT_TRUE(script.Done());
}

// One hour of the game's own comics sales, under a generator whose noise is
// 0 and whose award draws miss.
void SellComicsForTheHour() {
  testing::ScriptedRandom draws;
  const long long works = State().MangaCount.Index();
  for (long long w = 0; w < works; ++w)
    for (long long v = 0; v < State().MangaWork[w].Volumes.Index(); ++v) draws.Expect(10, 0).Expect(30, 1);
  SetRandomSource(&draws);
  SellComics();
  SetRandomSource(nullptr);
  EXPECT_EQ(draws.Remaining(), 0u);
}

std::string Text(const QLabel* label) { return label->text().toStdString(); }

// The game is set up on a fixed day and seeded from a fixed timer.
class ArchiveScenario : public ::testing::Test {
 protected:
  ArchiveScenario() { SetComputerClock(&clock); }
  ~ArchiveScenario() override { SetComputerClock(nullptr); }

  FixedClock clock{ComputerTime{2024, 4, 5, 6, 10, 0, 0}, 1234.5};
};

TEST_F(ArchiveScenario, TheArchiveFollowsAnOwnWorkAndASerial) {
  testing::RunningGame game;
  MDIForm1& main = game.main;
  GameState& g = game.g();

  main.MImamadeManga_Click();
  auto* archive = platform::Forms().Find<Form11>(form::kArchive);
  ASSERT_NE(archive, nullptr);
  archive->Timer1->stop();
  EXPECT_EQ(archive->List1->count(), 0);

  // An own work is named, posted and given the second prize.
  FinishOwnWork();
  ASSERT_EQ(NameFinishedWork("空の旅"), TitleOutcome::Recorded);
  archive->Timer1_Timer();
  ASSERT_EQ(archive->List1->count(), 1);
  EXPECT_EQ(archive->List1->currentRow(), 0);
  EXPECT_TRUE(archive->Picture1[kOwnWorkPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label4[2]), Today() + "完成");
  EXPECT_EQ(Text(archive->Label3[3]), "投稿していません");

  PostToContest(kMagazine);
  archive->Timer1_Timer();
  EXPECT_EQ(Text(archive->Label3[3]), "週刊ちょこまかに投稿");
  EXPECT_EQ(Text(archive->Label3[4]), "されていません");

  JudgeAtTheFourthNoon();
  archive->Timer1_Timer();
  EXPECT_EQ(Text(archive->Label3[4]), "副賞を受賞");
  EXPECT_EQ(Text(archive->Label2[2]), "50万0000円");

  // A serial: its first episode adds it to the list; the player looks at it.
  FinishFirstSerialEpisode("海の旅");
  long long serial = DeliverSerialEpisode();
  archive->Timer1_Timer();
  ASSERT_EQ(archive->List1->count(), 2);
  EXPECT_EQ(archive->List1->item(1)->text(), QStringLiteral("海の旅"));
  EXPECT_EQ(archive->List1->currentRow(), 0) << "the selected row stays";
  archive->List1->setCurrentRow(1);
  EXPECT_TRUE(archive->Picture1[kSerialPanel]->isVisible());
  EXPECT_EQ(Text(archive->Label4[0]), "連載第1話");
  EXPECT_EQ(Text(archive->Label3[0]), "週刊ちょこまかに連載中");
  EXPECT_EQ(Text(archive->Label3[8]), "16作品中 第5位");

  // Twelve episodes and two volumes, each shown once it is sold.
  for (int episode = 2; episode <= 12; ++episode) {
    ASSERT_EQ(DeliverSerialEpisode(), serial);
    archive->Timer1_Timer();
    EXPECT_EQ(Text(archive->Label4[0]), "連載第" + std::to_string(episode) + "話");
    if (episode % 6 != 0) continue;
    ReleaseComics(serial);
    SellComicsForTheHour();
    archive->Timer1_Timer();
    const size_t volumes = static_cast<size_t>(episode / 6);
    EXPECT_EQ(Text(archive->Label6[volumes - 1]), " 第" + std::to_string(volumes) + "巻");
    EXPECT_EQ(Text(archive->Label7[volumes - 1]), "390円");
    // The seeded releases rate the volumes 405 and 346.5 as the serial's
    // rating falls: 150,000 and 100,000 copies printed, of which the first
    // hour sells 2,273 and 1,654 below the cap.
    EXPECT_EQ(Text(archive->Label9[volumes - 1]), volumes == 1 ? "14万7727冊" : "9万8346冊");
    EXPECT_EQ(archive->Picture1[kSerialPanel]->height(), 194 + 14 * static_cast<int>(volumes - 1));
  }
  EXPECT_EQ(Text(archive->Label8[0]), "4450冊") << "2273, then 2177 at a rate of 400";
  EXPECT_EQ(Text(archive->Label8[1]), "1654冊");
  EXPECT_EQ(Text(archive->Label3[9]), "6104冊");
  EXPECT_EQ(Text(archive->Label3[10]), "24万3896冊");

  // A double-click on the own work opens its card.
  bool carded = false;
  testing::ModalScript script;
  script.When(form::kWorkCard, [&](platform::Form& window) {
    auto& card = static_cast<Form45&>(window);
    carded = true;
    EXPECT_EQ(Text(card.Label3[0]), "== 「空の旅」の情報です  ==");
    EXPECT_EQ(Text(card.Label9[0]), "○");
    EXPECT_EQ(Text(card.Label9[5]), "◎");
    card.Command1_Click();
  });
  testing::DoubleClickRow(archive->List1, 0);
  EXPECT_TRUE(carded);
  EXPECT_EQ(g.FormSlot[form::kWorkCard].Param, 0);
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kArchive)) << "the archive stays behind the card";
}

}  // namespace
}  // namespace koratsu
