// Bringing a work to an editor: the question, the review's draws in their
// order, the adoption with its fee, the refusal and the finding out.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/work_record.h"
#include "publishing/bring_in.h"
#include "publishing/notices.h"
#include "publishing/submission_lists.h"
#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomaka = 3;  // 千石船書房's 週刊ちょこまか, prize 1,000,000 yen
constexpr int kSenkokubune = 2;
constexpr double kHigh = 27.28, kLow = 27.27;

class BringInTest : public ::testing::Test {
 protected:
  BringInTest() : g(fresh.g()) {
    g.GameActive = 1;
    g.Kingaku = 10000;
    AddClassLists();
    AddMagazines();
    ui.On(form::kGameOver, [this] {  // the title screen
      g.GameActive = 0;
      g.ResumeRequest = 0;
    });
    ui.On(form::kFeeNotice, [] { FeeNoticePressed(); });
  }
  ~BringInTest() override { SetRandomSource(nullptr); }

  long long AddWork(const std::string& title, double hyouka, int source = 0) {
    const long long m = AppendMangaWork();
    g.MangaWork[m].Title = title;
    g.MangaWork[m].State = manga_state::kUnsent;
    g.MangaWork[m].Hyouka = hyouka;
    g.MangaWork[m].Source = source;
    return m;
  }

  // The window with `magazine` and the first work chosen; 持込む answered yes
  // under a script of draws, which it must use up.
  bool BringIn(ScriptedRandom& draws, int magazine = kChokomaka) {
    SetRandomSource(&draws);
    bool brought = false;
    ui.On(form::kBringIn, [&] {
      OpenBringIn();
      SelectSubmissionMagazine(magazine);
      SelectSubmissionWork(0);
      brought = BringInSelectedWork();
    });
    ui.AnswerYesNo({6});
    ui::Show(form::kBringIn, ui::Modal);
    EXPECT_EQ(draws.Remaining(), 0u) << "draws left over";
    return brought;
  }

  FreshState fresh;
  GameState& g;
  ScriptedUi ui;
};

TEST_F(BringInTest, WithNoWorkTheSelectedPublisherSaysSoAndNoAnswerChangesNothing) {
  OpenBringIn();
  SelectSubmissionMagazine(kChokomaka);
  EXPECT_FALSE(BringInSelectedWork());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"現在千石船書房に持込める原稿はありません。"});

  AddWork("一番星", 50);
  OpenBringIn();
  SelectSubmissionWork(0);
  ui.AnswerYesNo({7});
  EXPECT_FALSE(BringInSelectedWork());
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"千石船書房に一番星を持込みますか？"});
  EXPECT_EQ(g.MangaWork[0].State, manga_state::kUnsent);
  EXPECT_TRUE(g.MotikomuManga.IsEmpty());
  EXPECT_TRUE(ui.Talks().empty());
}

TEST_F(BringInTest, AGoodOwnStoryIsAdoptedAndPaidOnceItsNoticeHasClosed) {
  AddWork("送った漫画", 10);
  g.MangaWork[0].State = manga_state::kSent;
  const long long w = AddWork("一番星", kHigh);
  g.ResumeRequest = 0;
  ScriptedRandom draws;
  draws.ExpectRnd(0.5).Expect(3, 0).Expect(3, 0).Expect(3, 2).Expect(2, 1);
  ui.On(form::kFeeNotice, [&] {
    EXPECT_EQ(g.Kingaku, 10000) << "the fee comes after the notice";
    EXPECT_EQ(g.Publisher[kSenkokubune - 1].MotikomuCount, 1);
    FeeNoticePressed();
  });
  ASSERT_TRUE(BringIn(draws));

  const rec::MangaWork& work = g.MangaWork[w];
  EXPECT_EQ(work.State, manga_state::kTaken);
  EXPECT_EQ(work.Award, 4);
  EXPECT_EQ(work.Prize, 1000000);
  EXPECT_EQ(work.SentMagazine, kChokomaka);
  EXPECT_EQ(work.Magazine, kChokomaka);
  EXPECT_TRUE(work.ResultDays.IsEmpty()) << "never judged at a noon";
  EXPECT_TRUE(work.Contest.IsEmpty());
  EXPECT_EQ(g.Kingaku, 1010000);
  EXPECT_EQ(g.Magazine[kChokomaka].Yukou, 1);
  EXPECT_EQ(g.PublisherYukou[kSenkokubune], 1);
  EXPECT_EQ(g.PlayerDebuted, 1);
  EXPECT_EQ(DescribeSubmissionMagazine(kChokomaka).adopted, "あります");
  EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
  EXPECT_EQ(g.MotikomuManga, w);
  EXPECT_EQ(g.MotikomuTalkState, 1);
  EXPECT_EQ(g.ResumeRequest, 1);
  EXPECT_EQ(ui.ControlText(form::kFeeNotice, "Label2(1)"), "週刊ちょこまかの稿料");
  EXPECT_EQ(ui.ControlText(form::kFeeNotice, "Label2(0)"), "100万0000円");
  int coins = 0;
  for (const UiEvent& e : ui.Events()) coins += e.kind == UiEvent::Sound && e.number == 0;
  EXPECT_EQ(coins, 1);

  ASSERT_EQ(ui.Talks().size(), 3u);
  EXPECT_EQ(ui.Talk(0).lines, (std::vector<std::string>{"こんにちは、編集部のものです。漫画の持ち込みだね。",
                                                        "さっそくですが作品を拝見しましょう。",
                                                        "「一番星」・・・・・・・・・・・・"}));
  EXPECT_EQ(ui.Talk(1).lines,
            (std::vector<std::string>{"おー、面白い漫画ですね。驚きました。", "では、さっそく採用ということにいたします。"}));
  EXPECT_EQ(ui.Talk(2).lines, (std::vector<std::string>{"さっそく本誌に載せることにします。",
                                                        "今後原稿の依頼など伺うと思うのでよろしくお願いします。"}));
  for (const TalkRecord& talk : ui.Talks()) EXPECT_EQ(talk.caption, "出版社の人");
  std::vector<int> shown = ui.Shown();
  EXPECT_EQ(shown, (std::vector<int>{form::kBringIn, form::kFeeNotice}));
}

TEST_F(BringInTest, TheVerdictByScoreAndDraw) {
  const struct {
    double hyouka;
    long verdict, wording;
    bool adopted;
    const char* words;
    int debutedBefore, debutedAfter;  // an adoption never lowers a debut by request
  } cases[] = {
      {kHigh, 1, 0, true, "なるほど・・かなり実力をもってらっしゃいますね。", 2, 2},
      {kLow, 0, 1, true, "おー、面白い漫画ですね。驚きました。", 0, 1},
      {kLow, 1, 0, false, "うーん・・なかなかいいとは思うのですが、まだまだ努力の余地はあると思います", 0, 0},
      {0, 2, 1, false, "これでは駄目だな。うちの雑誌に載せるわけにはいかないぜ。", 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.hyouka) + " " + std::to_string(c.verdict));
    const long long w = AddWork("作品", c.hyouka);
    g.Magazine[kChokomaka].Yukou = 2;
    g.PublisherYukou[kSenkokubune] = 0;
    g.FormSlot[form::kArchive].Redraw = 0;
    g.PlayerDebuted = c.debutedBefore;
    const double money = g.Kingaku.Num();
    ui.Clear();
    ScriptedRandom draws;
    draws.ExpectRnd(0.5).Expect(3, 1).Expect(3, 1).Expect(3, c.verdict).Expect(2, c.wording);
    ASSERT_TRUE(BringIn(draws));
    ASSERT_GE(ui.Talks().size(), 2u);
    EXPECT_EQ(ui.Talk(1).lines.front(), c.words);
    EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1) << "the work left the unsent ones either way";
    EXPECT_EQ(g.PlayerDebuted, c.debutedAfter);
    if (c.adopted) {
      EXPECT_EQ(g.MangaWork[w].State, manga_state::kTaken);
      EXPECT_EQ(g.Magazine[kChokomaka].Yukou, 3);
      EXPECT_EQ(g.PublisherYukou[kSenkokubune], 1);
      continue;
    }
    EXPECT_EQ(g.MangaWork[w].State, manga_state::kSent);
    EXPECT_EQ(g.Magazine[kChokomaka].Yukou, 1);
    EXPECT_EQ(g.PublisherYukou[kSenkokubune], -1);
    EXPECT_EQ(g.Kingaku, money);
    EXPECT_TRUE(g.MangaWork[w].Award.IsEmpty());
    EXPECT_EQ(ui.Talks().size(), 2u) << "no fee, no closing words";
    EXPECT_EQ(ui.ShownCount(form::kFeeNotice), 0);
    OpenBringIn();
    EXPECT_EQ(g.MangaListCount, 0) << "a refused work is never listed again";
  }
}

TEST_F(BringInTest, ACopyOrAnUnlicensedNovelFoundOutEndsTheGame) {
  const struct {
    int source;
    std::vector<long> tests;  // the draws of the copy test and the novel test
    int cause;                // -1: not found out
  } cases[] = {
      {1, {0}, 0},    {1, {1, 0}, -1}, {2, {0, 0}, 1}, {2, {2, 1}, -1},
      {3, {0, 0}, -1}, {0, {0, 0}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    fresh.g().GameActive = 1;
    g.GameOverCause = Value();
    const long long w = AddWork("作品", kHigh, c.source);
    ui.Clear();
    g.ResumeRequest = 0;
    ScriptedRandom draws;
    draws.ExpectRnd(0.5);
    for (long t : c.tests) draws.Expect(3, t);
    if (c.cause < 0) draws.Expect(3, 1).Expect(2, 0);
    ASSERT_TRUE(BringIn(draws));
    if (c.cause < 0) {
      EXPECT_EQ(g.MangaWork[w].State, manga_state::kTaken) << "judged like any other";
      EXPECT_EQ(ui.ShownCount(form::kGameOver), 0);
      continue;
    }
    EXPECT_EQ(g.GameOverCause, c.cause);
    EXPECT_EQ(g.GameActive, 0);
    EXPECT_EQ(g.ResumeRequest, 0) << "not raised again after the game ended";
    EXPECT_EQ(g.MangaWork[w].State, manga_state::kSent);
    EXPECT_EQ(ui.Shown().back(), form::kGameOver);
    ASSERT_EQ(ui.Talks().size(), 2u);
    const std::vector<std::string> copy = {"あぁ！！これは、もしかして盗作していますか・・・？",
                                           "ん・・・そうですか、そういうことをする人だったのですね・・・"};
    const std::vector<std::string> novel = {"ふむふむなるほど、小説が原作ですか・・・・・・・・",
                                            "ん！・・・この小説もしかして許可とっていませんね！",
                                            "著作権の問題などで、これは大問題ですよ・・・"};
    EXPECT_EQ(ui.Talk(1).lines, c.cause == 0 ? copy : novel);
  }
}

}  // namespace
}  // namespace koratsu::testing
