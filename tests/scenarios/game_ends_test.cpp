// Whole games to their ends, played through every window's rules: a copy
// and a novel adapted without permission found out at a contest, the ending
// through the fifth award and through the about box's tricks window, and the tutorial from its start
// window to its end window. Each ends on the title screen, where further
// timer events change nothing. A late game over wins over serials, comics,
// an anime and a movie running.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "production/work_record.h"
#include "publishing/awards.h"
#include "publishing/game_end.h"
#include "shell/game_flow.h"
#include "state/game_state.h"
#include "state/tutorial_stage.h"
#include "support/prepared_states.h"
#include "support/scenario.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

using shell::Command;

constexpr int kChokomaka = 3;  // 千石船書房's weekly

// The title screen as a game's end leaves it.
void ExpectTitleScreen(Scenario& s) {
  EXPECT_EQ(s.g.GameActive, 0);
  EXPECT_EQ(s.screen.status, shell::kTitleHint);
  EXPECT_EQ(s.screen.caption, shell::VersionCaption());
  EXPECT_FALSE(s.screen.gameMenus);
  EXPECT_EQ(s.QuietAfterTitle(), "");
}

// Windows of `wanted` in the order they were shown.
std::vector<int> ShownOf(const Scenario& s, const std::vector<int>& wanted) {
  std::vector<int> shown;
  for (int form : s.ui.Shown())
    for (int w : wanted)
      if (form == w) shown.push_back(form);
  return shown;
}

struct FoundOutCase {
  const char* name;
  const char* way;  // the new-manga window's button
  int source;
  int cause;
  std::vector<std::string> lines;
};

void PrintTo(const FoundOutCase& c, std::ostream* out) { *out << c.name; }

class FoundOutAtAContest : public ::testing::TestWithParam<FoundOutCase> {};

TEST_P(FoundOutAtAContest, EndsTheCareerAtTheJudgementNoon) {
  const FoundOutCase& c = GetParam();
  Scenario s;
  s.answers.Press(form::kNewMangaChoice, {c.way})
      .Press(form::kFinishedWork, {"出版社に送る"})
      .Choose(form::kContestPost, "magazine", kChokomaka);
  ASSERT_TRUE(s.NewGame());
  s.Run(Command::NewManga);
  ASSERT_EQ(s.g.SlotsInUse, 1);
  ASSERT_EQ(s.g.ProductionSlot[0].Source, c.source);

  s.Run(Command::Sigotosuru);
  ASSERT_TRUE(s.RunUntil([&] { return s.g.MangaCount == 1; }));
  const rec::MangaWork& work = s.g.MangaWork[0];
  ASSERT_EQ(work.State, manga_state::kSent);
  ASSERT_EQ(work.SentMagazine, kChokomaka);

  // The editors' look at the work finds it out.
  s.ForceDraws(3, 0);
  s.Run(Command::Sigotosuru);
  ASSERT_TRUE(s.RunUntilTheGameEnds());
  EXPECT_EQ(s.g.GameOverCause, c.cause);
  EXPECT_EQ(GameOverLines(s.g.GameOverCause), c.lines);
  EXPECT_EQ(s.ui.Shown().back(), form::kGameOver);
  ASSERT_FALSE(s.ui.Talks().empty());
  EXPECT_EQ(s.ui.Talks().back().lines.front(), std::string(c.cause == 0 ? "こんにちは実は先日送ってもらった「"
                                                                        : "どうも、こんにちは実は先日送ってもらった「") +
                                                   work.Title.Str() + "」ですが、");
  ExpectTitleScreen(s);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FoundOutAtAContest,
    ::testing::Values(
        FoundOutCase{"ACopy", "他の漫画を盗作する", 1, 0,
                     {"あなたは盗作したことにより､漫画界を永久追放になりました。", "その後あなたを公の場で見た人は居ないという。"}},
        FoundOutCase{"ANovelWithoutPermission", "小説を漫画化する", 2, 1,
                     {"あなたは許可を取らずに小説を漫画化したことにより､漫画界を永久追放になりました。",
                      "その後のあなたの漫画家としての将来は絶望的だった。"}}),
    [](const ::testing::TestParamInfo<FoundOutCase>& info) { return info.param.name; });

TEST(GameEndScenario, ALateGameOverWinsOverTheRestOfItsHour) {
  Scenario s;
  ASSERT_TRUE(s.NewGame());
  ManyWorks(300, 50);
  for (int publisher = 0; publisher < 4; ++publisher) WinAward(publisher);
  std::vector<long long> serials;
  for (int magazine : {3, 9}) {
    serials.push_back(AddWork(manga_state::kSerialRunning, 0, magazine));
    MakeSerial(serials.back(), magazine, 120, 12, 400000);
  }
  // An anime on the air and a movie in the cinemas.
  s.g.MangaWork[serials[0]].AnimeState = 1;
  s.g.MangaWork[serials[0]].AnimeStartDays = 2;
  s.g.MangaWork[serials[1]].MovieOn = 1;
  s.g.MangaWork[serials[1]].MovieStartDays = 0;
  s.g.MangaWork[serials[1]].MovieDay = 3;
  for (int slot = 0; slot < 6; ++slot) BusySlot(slot, 10 + slot, 500, slot < 4 ? 5 : 0);
  // Worn out, at the hardest pace.
  s.g.Stamina = 0.5;
  s.g.SukezyuruType = 3;
  s.Run(Command::Sigotosuru);

  auto before = std::make_unique<GameState>(s.g);
  for (int events = 0; s.g.GameActive == 1 && events < 200; ++events) {
    *before = s.g;
    s.TimerEvent();
  }
  ASSERT_EQ(s.g.GameActive, 0);
  EXPECT_EQ(s.g.GameOverCause, 2);
  EXPECT_EQ(s.ui.Shown().back(), form::kGameOver);
  EXPECT_EQ(GameOverLines(s.g.GameOverCause),
            (std::vector<std::string>{"あなたは連日無理をして仕事を続けた結果、過労が溜まり死亡しました。",
                                      "残念ながらゲームオーバーです。"}));
  // The hour's later rules never ran: no work, series, slot or yen moved.
  EXPECT_EQ(std::memcmp(&before->MangaWork, &s.g.MangaWork, sizeof s.g.MangaWork), 0);
  EXPECT_EQ(std::memcmp(&before->ComicsVolume, &s.g.ComicsVolume, sizeof s.g.ComicsVolume), 0);
  EXPECT_EQ(std::memcmp(&before->ComicEntry, &s.g.ComicEntry, sizeof s.g.ComicEntry), 0);
  EXPECT_EQ(std::memcmp(&before->SlotKanseido, &s.g.SlotKanseido, sizeof s.g.SlotKanseido), 0);
  EXPECT_EQ(s.g.Kingaku, before->Kingaku);
  ExpectTitleScreen(s);
}

TEST(GameEndScenario, TheFifthAwardEndsTheGameAndShowsFiveTrophies) {
  Scenario s;
  ASSERT_TRUE(s.NewGame());
  for (int publisher : {0, 2, 3, 4}) WinAward(publisher);
  const long long serial = AddWork(manga_state::kSerialRunning, 0, kChokomaka, "海の旅");
  MakeSerial(serial, kChokomaka, 40, 4, 400000);
  std::vector<TrophyPanel> room;
  bool activeInRoom = true;
  s.ui.On(form::kTrophies, [&] {
    activeInRoom = s.g.GameActive == 1;
    s.windows.Load(form::kTrophies);
    const auto panels = FillTrophyRoom();
    room.assign(panels.begin(), panels.end());
    s.windows.Press(form::kTrophies, "閉じる");
  });
  s.ui.Clear();
  // The fifth publisher's ceremony, as an hour's sales call it.
  MangaAwardCeremony(static_cast<int>(s.g.Magazine[kChokomaka].Publisher.Index()) - 1, serial);

  std::vector<std::string> sequence;
  for (const UiEvent& e : s.ui.Events()) {
    if (e.kind == UiEvent::Talk) sequence.push_back(e.text);
    if (e.kind == UiEvent::Show) sequence.push_back(form::Name(e.form));
  }
  EXPECT_EQ(sequence, (std::vector<std::string>{"担当 報告", "出版社 社長", "Form13", "出版社 社長", "司会の人",
                                                "担当 報告", "神の声", "Form17", "Form12"}));
  EXPECT_FALSE(activeInRoom) << "the trophy room comes after the ending";
  ASSERT_EQ(room.size(), 5u);
  for (const TrophyPanel& panel : room) EXPECT_TRUE(panel.won) << panel.publisher;
  EXPECT_FALSE(s.ui.ClockRunning());
  ExpectTitleScreen(s);
}

TEST(GameEndScenario, TheAboutBoxsHiddenPressesOpenTheTricksWindowAndItsEnding) {
  Scenario s;
  const std::string left = "Image1 左ボタン", right = "Image1 右ボタン";
  s.answers.Press(form::kAbout, {left, left, left, left, right, right, left, left, left})
      .Press(form::kTricks, {"エンディングを見る"});
  ASSERT_TRUE(s.NewGame());
  s.ui.Clear();
  s.Run(Command::HelpVersion);

  EXPECT_EQ(s.ui.Shown(), (std::vector<int>{form::kAbout, form::kTricks, form::kEnding}));
  ExpectTitleScreen(s);
}

TEST(GameEndScenario, TheTutorialLeadsFromItsStartWindowToItsEndWindowAndTheTitleScreen) {
  Scenario s;
  // The film studio until the first work can be planned.
  s.answers.Choose(form::kArubaito, "job", 5)
      .Press(form::kFinishedWork, {"出版社に送る"})
      .Choose(form::kContestPost, "magazine", kChokomaka);
  // The stage at each start and end window, and every stage seen between clock events.
  std::vector<int> atWindow, stages;
  auto note = [&] {
    const int stage = static_cast<int>(s.g.TutorialStage.Num());
    if (stages.empty() || stages.back() != stage) stages.push_back(stage);
  };
  s.ui.On(form::kTutorialStartEnd, [&] {
    atWindow.push_back(static_cast<int>(s.g.TutorialStage.Num()));
    s.windows.Load(form::kTutorialStartEnd);
    s.windows.Press(form::kTutorialStartEnd, "始める");
  });
  s.Run(Command::ChuutoRiaru);
  ASSERT_TRUE(TutorialRunning());
  note();
  for (int jobs = 0; jobs < 8 && s.g.CandidateCount < 3; ++jobs) {
    s.Run(Command::Arubaito);
    note();
    ASSERT_TRUE(s.RunUntil([&] { return s.g.KoudouMode == 0; }));
    int known = 0;
    for (int i = 0; i < s.g.TiItemCount.Index(); ++i) known += s.g.KnowledgeItem[i].Point > 0;
    if (known >= 3) break;
  }
  s.Run(Command::NewManga);
  note();
  ASSERT_EQ(s.g.SlotsInUse, 1);
  s.Run(Command::Sigotosuru);
  ASSERT_TRUE(s.RunUntil([&] {
    note();
    return s.g.GameActive != 1;
  }));

  EXPECT_EQ(atWindow, (std::vector<int>{tutorial_stage::kNone, tutorial_stage::kLast}));
  // The new game, the first job, the new work and its schedule moved the
  // tutorial on; the finished work's windows and the envelope took it to its
  // last stage within one clock event, whose end then ended it.
  EXPECT_EQ(stages, (std::vector<int>{tutorial_stage::kNewGame + 1, tutorial_stage::kJobStart + 1,
                                      tutorial_stage::kSchedule + 1, tutorial_stage::kNone}));
  EXPECT_EQ(ShownOf(s, {form::kTutorialStartEnd, form::kNewGame, form::kSettingsEditor, form::kSchedule,
                        form::kWorkTitle, form::kFinishedWork, form::kContestPost, form::kPostingAnimation}),
            (std::vector<int>{form::kTutorialStartEnd, form::kNewGame, form::kSettingsEditor, form::kSchedule,
                              form::kWorkTitle, form::kFinishedWork, form::kContestPost, form::kPostingAnimation,
                              form::kTutorialStartEnd}));
  EXPECT_EQ(s.g.MangaWork[0].State, manga_state::kSent);
  EXPECT_FALSE(TutorialRunning());
  EXPECT_FALSE(s.screen.tutorialMenus);
  ExpectTitleScreen(s);
}

}  // namespace
}  // namespace koratsu::testing
