// The contest results at noon: the countdown, the editors' checks, the
// judging and the prize's notices, in their order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "clock/phases.h"
#include "production/work_record.h"
#include "publishing/contest.h"
#include "shell/game_flow.h"
#include "state/money.h"
#include "support/recording_screen.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

constexpr int kPublisherNumber = 2;

class ContestResultsTest : public ClockTest {
 protected:
  ContestResultsTest() {
    rec::Magazine* magazine = Append(g.Magazine, g.MagazineCount);
    magazine->PublisherName = "千石船書房";
    magazine->Name = "週刊ちょこまか";
    magazine->Publisher = kPublisherNumber;
    magazine->Standard = 231;
    magazine->Prize = 1500000;
    g.PlayerSei = "漫画";
    g.Kingaku = 10000;
    ui.On(form::kGameOver, [this] { g.GameActive = 0; });  // さよなら
  }

  // A work posted to the magazine, due in `days` noons.
  long long Post(const std::string& title, double hyouka, int source = 0, int days = 1) {
    const long long w = AppendMangaWork();
    rec::MangaWork& work = g.MangaWork[w];
    work.Title = title;
    work.State = manga_state::kSent;
    work.Hyouka = hyouka;
    work.Source = source;
    work.ResultDays = days;
    work.Contest = 1;
    work.SentMagazine = 0;
    work.Magazine = 0;
    return w;
  }

  // The noon's phase under a script of draws, which it must use up.
  void Noon(ScriptedRandom& draws) {
    SetRandomSource(&draws);
    ContestResults();
    SetRandomSource(&random);
    EXPECT_EQ(draws.Remaining(), 0u) << "draws left over";
  }
};

TEST(ContestJudging, QualityAgainstTheStandardAndThePrizeMoney) {
  const struct {
    double hyouka;
    ContestPrize prize;
  } judged[] = {
      {70.000001, ContestPrize::Grand}, {70, ContestPrize::Second},    {51.34, ContestPrize::Second},
      {51.33, ContestPrize::Mention},   {37.87, ContestPrize::Mention}, {37.86, ContestPrize::Rejected},
      {0, ContestPrize::Rejected},
  };
  for (const auto& c : judged) EXPECT_EQ(JudgeHyouka(c.hyouka, 231), c.prize) << c.hyouka;

  const struct {
    double prize;
    double grand, second, mention;
  } money[] = {{1500000, 1500000, 750000, 300000}, {350000, 350000, 170000, 70000}};
  for (const auto& c : money) {
    EXPECT_EQ(PrizeMoney(ContestPrize::Grand, c.prize), c.grand);
    EXPECT_EQ(PrizeMoney(ContestPrize::Second, c.prize), c.second);
    EXPECT_EQ(PrizeMoney(ContestPrize::Mention, c.prize), c.mention);
  }
}

TEST_F(ContestResultsTest, APrizeComesWithItsArticleItsMoneyAndItsWordsInOrder) {
  const struct {
    double hyouka;
    int result;
    double money;
    const char* won;
    const char* closing;
  } cases[] = {
      {80, 1, 1500000, "」が遂に大賞を受賞しました。 / これが大賞の賞金の150万0000円です。",
       "そしてめでたく本誌でデビューが決定しました。 / 今後原稿の依頼など伺うと思うのでよろしくお願いします。"},
      {70, 2, 750000, "」が副賞を受賞しました。 / それと副賞の賞金の75万0000円です。",
       "大賞まであと少しで本誌デビューも夢ではありませんので、がんばってください。"},
      {40, 3, 300000, "」が佳作を受賞しました。 / それと佳作の賞金の30万0000円です。",
       "まだまだ本誌でデビューできませんが、がんばってください。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result);
    const long long w = Post("空の旅", c.hyouka);
    const double before = g.Kingaku.Num();
    g.PlayerDebuted = 0;
    g.Magazine[0].Yukou = 0;
    g.Magazine[0].Adopted = 0;
    g.PublisherYukou[kPublisherNumber] = 0;
    ui.Clear();

    std::vector<std::string> when;
    ui.On(form::kContestArticle, [&] {
      EXPECT_EQ(g.FormSlot[form::kContestArticle].Param, w);
      EXPECT_EQ(g.MangaWork[w].ContestResult, c.result);
      EXPECT_EQ(g.Magazine[0].Adopted, 0) << "adopted after the article";
    });
    ui.On(form::kFeeNotice, [&] {
      EXPECT_EQ(g.Kingaku, before) << "the money comes once the notice has closed";
      EXPECT_EQ(g.Magazine[0].Adopted, 1);
      EXPECT_EQ(g.MangaWork[w].Prize, c.money);
    });
    ui.OnTalk([&](const TalkRecord&) {
      when.push_back(g.Kingaku.Num() == before + c.money && g.MangaWork[w].Award == c.result ? "paid" : "unpaid");
    });
    ScriptedRandom draws;
    draws.Expect(3, 0).Expect(3, 0);
    Noon(draws);
    ui.OnTalk(nullptr);

    EXPECT_EQ(ui.Seen(), (std::vector<std::string>{
                          "talk 出版社の人:   今日は新人賞の発表がありました。 /",
                          "+44",
                          std::string("talk 出版社の人: おめでとうございます。「空の旅") + c.won + " /",
                          "49.Label2(1)=週刊ちょこまかの賞金",
                          "49.Label2(0)=" + FormatKingaku(c.money) + "円",
                          "+49",
                          std::string("talk 出版社の人: ") + c.closing + " /",
                      }));
    EXPECT_EQ(when, (std::vector<std::string>{"unpaid", "unpaid", "paid"})) << "paid and awarded before the closing words";
    const rec::MangaWork& work = g.MangaWork[w];
    EXPECT_EQ(work.State, manga_state::kTaken);
    EXPECT_EQ(work.Award, c.result);
    EXPECT_EQ(work.ContestResult, c.result);
    EXPECT_EQ(g.Kingaku, before + c.money);
    EXPECT_EQ(g.Magazine[0].Adopted, 1);
    const bool grand = c.result == 1;
    EXPECT_EQ(g.PlayerDebuted, grand ? 1 : 0);
    EXPECT_EQ(g.Magazine[0].Yukou, grand ? 1 : 0);
    EXPECT_EQ(g.PublisherYukou[kPublisherNumber], grand ? 1 : 0);
    EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
  }
}

TEST_F(ContestResultsTest, EachJudgedWorkDrawsTheCopyCheckThenTheNovelCheck) {
  const struct {
    int source;
    std::vector<std::pair<long, long>> draws;
    int cause;  // -1: judged by its quality
    const char* lastLine;
  } cases[] = {
      {0, {{3, 0}, {3, 0}}, -1, ""},
      {3, {{3, 0}, {3, 0}}, -1, ""},
      {1, {{3, 1}, {3, 0}}, -1, ""},  // a copy not found out still wins
      {2, {{3, 0}, {3, 1}}, -1, ""},
      {1, {{3, 0}}, 0, "つきましては編集部ではそれなりの仕打ちを受けてもらうことに決定しました。"},
      {2, {{3, 2}, {3, 0}, {4, 0}}, 1, "著作権の問題などで、大問題だぜこのやろぉ！"},
      {2, {{3, 0}, {3, 0}, {4, 3}}, 1, "著作権の問題などで、これは大問題ですよ・・・"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "source " << c.source << ", first draw " << c.draws[0].second);
    g.GameActive = 1;
    g.GameOverCause = "";
    const long long w = Post("借り物", 80, c.source);
    ui.Clear();
    ScriptedRandom draws;
    for (auto [range, result] : c.draws) draws.Expect(range, result);
    Noon(draws);

    if (c.cause < 0) {
      EXPECT_EQ(g.MangaWork[w].State, manga_state::kTaken);
      EXPECT_EQ(ui.ShownCount(form::kGameOver), 0);
      continue;
    }
    ASSERT_EQ(ui.Talks().size(), 1u);
    const TalkRecord& talk = ui.Talk(0);
    EXPECT_EQ(talk.caption, "出版社の人");
    ASSERT_EQ(talk.lines.size(), 3u);
    EXPECT_EQ(talk.lines[0], c.cause == 0 ? "こんにちは実は先日送ってもらった「借り物」ですが、"
                                          : "どうも、こんにちは実は先日送ってもらった「借り物」ですが、");
    EXPECT_EQ(talk.lines[1], c.cause == 0 ? "編集部で見た結果、明らかに他の漫画から盗作していることが分かりました。"
                                          : "編集部で調べた結果、小説を漫画化していますが許可を取っていないことがわかりました。");
    EXPECT_EQ(talk.lines[2], c.lastLine);
    EXPECT_EQ(ui.Shown(), std::vector<int>{form::kGameOver});
    EXPECT_EQ(g.GameOverCause, c.cause);
    EXPECT_EQ(g.MangaWork[w].State, manga_state::kSent);
  }
}

TEST_F(ContestResultsTest, AFoundOutCopyEndsTheTickTheTutorialAndTheNoonsOtherJudging) {
  RecordingScreen screen;
  ui.On(form::kGameOver, [&] { shell::ReturnToTitle(screen, form::kGameOver); });
  g.TutorialMode = 1;
  g.TutorialStage = 11;
  const long long copy = Post("写し絵", 80, 1);
  const long long own = Post("本物", 80);
  StartWork();
  g.GameHour = 11;
  g.GameMinute = 30;
  g.SubTick = 1;

  ScriptedRandom draws;
  draws.Any(1).Expect(3, 0);  // the timer's own draw, then the copy check
  SetRandomSource(&draws);
  TimerEvent();
  SetRandomSource(&random);
  EXPECT_EQ(draws.Remaining(), 0u);

  EXPECT_EQ(g.GameHour, 12);
  EXPECT_EQ(ui.Seen(), (std::vector<std::string>{
                        "talk 出版社の人: こんにちは実は先日送ってもらった「写し絵」ですが、 / "
                        "編集部で見た結果、明らかに他の漫画から盗作していることが分かりました。 / "
                        "つきましては編集部ではそれなりの仕打ちを受けてもらうことに決定しました。 /",
                        "+51",
                    }));
  EXPECT_EQ(g.GameOverCause, 0);
  EXPECT_EQ(g.GameActive, 0);
  EXPECT_FALSE(TutorialRunning());
  EXPECT_EQ(g.MangaWork[copy].State, manga_state::kSent);
  EXPECT_EQ(g.MangaWork[own].ResultDays, 1) << "the second entry is not reached";
  EXPECT_EQ(g.MangaWork[own].State, manga_state::kSent);
}

TEST_F(ContestResultsTest, EachEntryIsJudgedOnceOnTheNoonItsCountdownRunsOut) {
  const long long posted = Post("落選作", 30, 0, 4);
  const long long broughtIn = Post("持込み作", 80, 0, 2);
  g.MangaWork[broughtIn].Contest = 0;
  const long long prized = Post("受賞作", 80, 0, 0);
  g.MangaWork[prized].State = manga_state::kTaken;

  const double postedDays[] = {3, 2, 1, 0, 0, 0};
  const double broughtInDays[] = {1, 0, 0, 0, 0, 0};
  for (int noon = 1; noon <= 6; ++noon) {
    SCOPED_TRACE(noon);
    ui.Clear();
    g.FormSlot[form::kArchive].Redraw = 0;
    ScriptedRandom draws;
    if (noon == 4) draws.Expect(3, 0).Expect(3, 0);
    Noon(draws);
    EXPECT_EQ(g.MangaWork[posted].ResultDays, postedDays[noon - 1]);
    EXPECT_EQ(g.MangaWork[broughtIn].ResultDays, broughtInDays[noon - 1]);
    EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
    if (noon != 4) {
      EXPECT_TRUE(ui.Events().empty());
      continue;
    }
    EXPECT_EQ(ui.Seen(), (std::vector<std::string>{
                          "talk 報告: どうもこんにちは、漫画先生ですね。 / この前送っていただいた「落選作」ですが、 / "
                          "残念ながら不採用と言うことになってしまいました。次回はがんばってください。 /"}));
  }
  EXPECT_EQ(g.MangaWork[posted].State, manga_state::kSent);
  EXPECT_TRUE(g.MangaWork[posted].Award.IsEmpty());
  EXPECT_EQ(g.Kingaku, 10000);
}

}  // namespace
}  // namespace koratsu::testing
