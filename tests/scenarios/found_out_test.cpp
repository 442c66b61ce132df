// The two risky stories found out: a novel adapted without permission after
// the publisher refused, drawn, named and posted, is found out at its
// contest's noon; a copied manga brought to an editor is found out at once.
// A novel adapted so and brought to an editor is found out at once too.
// Either ends the game on the title screen. The play around them runs on a
// seeded generator; the decisive draws are scripted.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "production/adaptation.h"
#include "production/copying.h"
#include "production/work_record.h"
#include "publishing/bring_in.h"
#include "publishing/novel_permission.h"
#include "publishing/submission_lists.h"
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
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kNovel = 0;        // はしる馬, a novel of publisher 1
constexpr int kCopied = 0;       // the first existing manga
constexpr int kChokomaka = 3;
constexpr int kEventsPerMonth = 3000;

// The seeded play, except while a script is set: then every draw is the
// script's, which fails the test on a draw it did not expect.
class PlayRandom : public RandomSource {
 public:
  double Next(long range) override {
    if (script && (!when || when())) return script->Next(range);
    return played_.Next(range);
  }
  void Seed(std::uint64_t) override {}

  ScriptedRandom* script = nullptr;
  std::function<bool()> when;  // the script holds only while this does, when set

 private:
  FixedRandom played_{62};
};

class FoundOutScenario : public ::testing::Test {
 protected:
  FoundOutScenario() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();
    player.title = "借りた物語";
    player.magazineRow = kChokomaka;
    ui.On(form::kGameOver, [this] { shell::ReturnToTitle(screen, form::kGameOver); });
  }
  ~FoundOutScenario() override {
    SetRandomSource(nullptr);
    SetComputerClock(nullptr);
  }

  // Scripts the draws of placing a borrowed story whose original has
  // popularity or fame `size`: the first item, three sizes, the target's
  // spread, a value per setting with an item (the first item drawn is 10,
  // so all three have one), then the rating.
  void ScriptPlacing(ScriptedRandom& draws, long size) {
    draws.Expect(g.TiItemCount.Index(), 12);
    for (int k = 0; k < 3; ++k) draws.Expect(size, 0);
    draws.Expect(50, 30);
    for (int k = 0; k < 3; ++k) draws.Expect(size, 0);
    draws.Any(3);
  }

  // Runs `play` with every draw scripted by `draws`, which it must use up.
  void Scripted(ScriptedRandom& draws, const std::function<void()>& play) {
    random.script = &draws;
    play();
    random.script = nullptr;
    EXPECT_EQ(draws.Remaining(), 0u) << "draws left over";
  }

  // A new manga adapted from the novel whose publisher refused it.
  void StartUnlicensedNovel() {
    ui.On(form::kNewMangaChoice, [] { ui::Show(form::kNovelChoice, ui::Modal); })
        .On(form::kNovelChoice, [this] {
          ui.AnswerYesNo({6});
          ConfirmNovel(kNovel);
        })
        .OnCall(form::kMDIForm1, kNovelPermissionTalkCall, ChosenNovelPermissionTalk)
        .On(form::kNovelRefused, MakeWithoutPermission);
    ScriptedRandom adaptation;
    // The novel window's, the talk's and the refusal window's discarded draws, then the placing.
    adaptation.ExpectRnd(0.5).ExpectRnd(0.5).ExpectRnd(0.5);
    ScriptPlacing(adaptation, g.Novel[kNovel].Popularity.Index());
    Scripted(adaptation, [this] { shell::RunCommand(shell::Command::NewManga, screen); });
    ASSERT_EQ(g.ProductionSlot[0].Source, 2);
    EXPECT_EQ(g.SlotLabel[0], "漫画(許可なし小説)");
    EXPECT_EQ(ui.ShownCount(form::kNovelRefused), 1);
  }

  // The finished work brought to 週刊ちょこまか's editor, whose review draws `review`.
  void BringInReviewedBy(ScriptedRandom& review) {
    ui.On(form::kBringIn, [&] {
      random.script = &review;
      OpenBringIn();
      SelectSubmissionMagazine(kChokomaka);
      SelectSubmissionWork(0);
      ui.AnswerYesNo({6});
      BringInSelectedWork();
      random.script = nullptr;
    });
    player.sendButton = 1;
    screen.calls.clear();
    player.WorkUntilNamed();
    EXPECT_EQ(review.Remaining(), 0u);
  }

  // The end of a game as the player sees it: the game-over cause, and the
  // title screen with the clock stopped.
  void ExpectTitleScreenAfter(int cause) {
    EXPECT_EQ(g.GameActive, 0);
    EXPECT_EQ(g.GameOverCause, cause);
    EXPECT_EQ(ui.ShownCount(form::kGameOver), 1);
    EXPECT_EQ(screen.calls.back(), "status:" + std::string(shell::kTitleHint));
    EXPECT_EQ(screen.Count("background:title"), 1);
    EXPECT_FALSE(ui.ClockRunning());
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 10, 0, 0}, 1234.5};
  PlayRandom random;
  ScriptedUi ui;
  RecordingScreen screen;
  RoadPlayer player{ui, screen};
};

TEST_F(FoundOutScenario, AnUnlicensedNovelIsFoundOutAtItsContestNoon) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  ASSERT_EQ(g.PublisherYukou[g.Novel[kNovel].Publisher], 0) << "the publisher does not know the player";

  StartUnlicensedNovel();

  // Drawn, named and posted; then the noons pass.
  player.sendButton = 0;
  ASSERT_TRUE(player.WorkUntilNamed());
  const rec::MangaWork& work = g.MangaWork[0];
  ASSERT_EQ(work.State, manga_state::kSent);
  ASSERT_EQ(work.Source, 2);
  ASSERT_EQ(work.SentMagazine, kChokomaka);

  // At the noon its countdown runs out, the editors find no copy, then the novel.
  ScriptedRandom judging;
  judging.Expect(3, 1).Expect(3, 0).Expect(4, 1);
  random.script = &judging;
  random.when = [&] { return g.GameHour == 12 && work.ResultDays == 0 && work.State == manga_state::kSent; };
  ui.Clear();
  screen.calls.clear();
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  EXPECT_TRUE(player.RunClockUntil([this] { return g.GameActive != 1; }, kEventsPerMonth));
  random.script = nullptr;
  EXPECT_EQ(judging.Remaining(), 0u);

  ExpectTitleScreenAfter(1);
  ASSERT_FALSE(ui.Talks().empty());
  const TalkRecord& talk = ui.Talks().back();
  EXPECT_EQ(talk.caption, "出版社の人");
  EXPECT_EQ(talk.lines, (std::vector<std::string>{
                            "どうも、こんにちは実は先日送ってもらった「借りた物語」ですが、",
                            "編集部で調べた結果、小説を漫画化していますが許可を取っていないことがわかりました。",
                            "著作権の問題などで、これは大問題ですよ・・・"}));
  EXPECT_EQ(ui.ShownCount(form::kContestArticle), 0);
}

TEST_F(FoundOutScenario, ACopyBroughtToAnEditorIsFoundOutAtOnce) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  ui.On(form::kNewMangaChoice, [] { ui::Show(form::kCopyManga, ui::Modal); }).On(form::kCopyManga, [this] {
    ui.AnswerYesNo({6});
    ConfirmCopy(kCopied);
  });
  ScriptedRandom copying;
  copying.ExpectRnd(0.5);
  ScriptPlacing(copying, g.OtherManga[kCopied].Fame.Index());
  Scripted(copying, [this] { shell::RunCommand(shell::Command::NewManga, screen); });
  ASSERT_EQ(g.ProductionSlot[0].Source, 1);

  // Finished and named, the copy goes straight to an editor; his review is scripted.
  ScriptedRandom review;
  review.ExpectRnd(0.5).Expect(3, 0);
  BringInReviewedBy(review);

  ExpectTitleScreenAfter(0);
  EXPECT_EQ(g.ResumeRequest, 0) << "the bring-in does not raise it after the game ended";
  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.Source, 1);
  EXPECT_EQ(work.State, manga_state::kSent);
  ASSERT_GE(ui.Talks().size(), 2u);
  const TalkRecord& talk = ui.Talks().back();
  EXPECT_EQ(talk.caption, "出版社の人");
  EXPECT_EQ(talk.lines, (std::vector<std::string>{"あぁ！！これは、もしかして盗作していますか・・・？",
                                                  "ん・・・そうですか、そういうことをする人だったのですね・・・"}));
  EXPECT_EQ(ui.Talks()[ui.Talks().size() - 2].lines.back(), "「借りた物語」・・・・・・・・・・・・");
}

TEST_F(FoundOutScenario, AnUnlicensedNovelBroughtToAnEditorIsFoundOutAtOnce) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  StartUnlicensedNovel();

  // The editor finds no copy, then the novel.
  ScriptedRandom review;
  review.ExpectRnd(0.5).Expect(3, 1).Expect(3, 0);
  BringInReviewedBy(review);

  ExpectTitleScreenAfter(1);
  EXPECT_EQ(g.ResumeRequest, 0) << "the bring-in does not raise it after the game ended";
  EXPECT_EQ(g.MangaWork[0].Source, 2);
  ASSERT_FALSE(ui.Talks().empty());
  const TalkRecord& talk = ui.Talks().back();
  EXPECT_EQ(talk.caption, "出版社の人");
  EXPECT_EQ(talk.lines, (std::vector<std::string>{"ふむふむなるほど、小説が原作ですか・・・・・・・・",
                                                  "ん！・・・この小説もしかして許可とっていませんね！",
                                                  "著作権の問題などで、これは大問題ですよ・・・"}));
}

}  // namespace
}  // namespace koratsu::testing
