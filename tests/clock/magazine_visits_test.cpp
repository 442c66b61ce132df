// The editors' noon visits (requests and serial offers) and the fan letters
// at 14:00: their gates, their draws in order and what they hand to the
// windows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "clock/phases.h"
#include "production/work_record.h"
#include "publishing/noon_visits.h"
#include "state/catalogues.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kYoungIkari = 2;  // 千石船書房 (publisher 2), like the next row
constexpr int kChokomaka = 3;   // deadline on Tuesdays
constexpr int kSenkokubune = 2;

class MagazineVisitsTest : public ClockTest {
 protected:
  MagazineVisitsTest() {
    AddMagazines();
    g.PlayerSei = "漫画";
    g.DaysSinceOffer = 10;
  }
  ~MagazineVisitsTest() override { SetRandomSource(nullptr); }

  // The noon's phase under a script of draws, which it must use up.
  void Noon(ScriptedRandom& draws) {
    SetRandomSource(&draws);
    MagazineVisits();
    SetRandomSource(&random);
    EXPECT_EQ(draws.Remaining(), 0u) << "draws left over";
  }

  // The reply windows shown, each as "mode:magazine" (the one-shot's or the serial's row).
  std::vector<std::string> Replies() const {
    std::vector<std::string> replies;
    for (const UiEvent& e : ui.Events())
      if (e.kind == UiEvent::Show && e.form == form::kRequestReply) replies.push_back(reply_.at(replies.size()));
    return replies;
  }

  void RecordReplies() {
    ui.On(form::kRequestReply, [this] {
      const Value mode = g.FormSlot[form::kRequestReply].Mode;
      const Value& row = mode == 1 ? g.RequestMagazine : g.OneShotRequestMagazine;
      reply_.push_back(mode.Str() + ":" + row.Str());
    });
  }

  std::vector<std::string> reply_;
};

TEST_F(MagazineVisitsTest, TheNoonCountsBeforeTheRulesSoASixthNoonMayBringAVisit) {
  RecordReplies();
  g.Magazine[0].Yukou = 1;
  for (int before : {4, 5}) {
    SCOPED_TRACE(before);
    g.DaysSinceOffer = before;
    g.GameHour = 11;
    g.GameMinute = 30;
    g.SubTick = 1;
    StartWork();
    g.KoudouMinutesLeft = 600;
    ui.Clear();
    reply_.clear();
    ScriptedRandom draws;
    draws.ExpectRnd(0.5).Expect(20, 0).Expect(50, 3);  // the timer's own draw, then row 0's chances
    if (before == 5) draws.Expect(2, 0);
    SetRandomSource(&draws);
    TimerEvent();
    SetRandomSource(&random);
    EXPECT_EQ(draws.Remaining(), 0u);
    EXPECT_EQ(g.GameHour, 12);
    EXPECT_EQ(g.DaysSinceOffer, before == 5 ? 0 : 5);
    EXPECT_EQ(Replies(), before == 5 ? std::vector<std::string>{"0:0"} : std::vector<std::string>{});
  }
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines,
            (std::vector<std::string>{"  どうも、こんにちは。週刊少年ドタバタでお世話になっています。今日お伺いしたのは",
                                      "実は漫画先生に読切を描いてもらおうと言うことで伺ったのですが",
                                      "ちょっと急いでいて、〆切が10日後なのですが、よろしいですか？"}));
}

TEST_F(MagazineVisitsTest, OnlyTheFirstMagazineVisitsYetEveryKnownOneDrawsItsChances) {
  RecordReplies();
  g.Magazine[0].Yukou = 1;
  g.Magazine[1].Yukou = 2;
  ScriptedRandom draws;
  draws.Expect(20, 0).Expect(50, 7).Expect(2, 1).Expect(20, 0).Expect(50, 0);
  Noon(draws);
  EXPECT_EQ(Replies(), std::vector<std::string>{"0:0"});
  EXPECT_EQ(g.FormSlot[form::kRequestReply].Mode, 0);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).lines,
            (std::vector<std::string>{"  こんにちは。週刊少年ドタバタの編集部のものです。今日お伺いしたのは",
                                      "  実は他の先生に読切原稿を頼んでいたのですが、その先生が失踪してしまったので",
                                      "漫画先生に、読切原稿の依頼にきたのですが、", "〆切が10日後ですがよろしいですか？"}));
}

TEST_F(MagazineVisitsTest, AMagazineRunningASerialAsksNothingAndItsPublishersOthersRarely) {
  RecordReplies();
  g.Magazine[kYoungIkari].Yukou = 1;
  rec::Magazine& running = g.Magazine[kChokomaka];
  running.Yukou = 5;
  running.RequestState = 3;
  running.SerialRunning = 1;
  const struct {
    long usual, rare;
    bool visit;
  } cases[] = {{0, 1, false}, {5, 0, true}};
  for (const auto& c : cases) {
    reply_.clear();
    ui.Clear();
    g.DaysSinceOffer = 6;
    ScriptedRandom draws;
    draws.Expect(20, c.usual).Expect(50, c.rare);
    if (c.visit) draws.Expect(2, 0);
    // The running magazine's own chances, all hits, and its offer's draw
    // while no visit came; no first request.
    draws.Expect(20, 0).Expect(50, 0);
    if (!c.visit) draws.Expect(25, 0);
    Noon(draws);
    EXPECT_EQ(Replies(), c.visit ? std::vector<std::string>{"0:2"} : std::vector<std::string>{});
  }
  EXPECT_EQ(g.PublisherSerialRunning[kSenkokubune - 1], 1);
  for (int p : {0, 2, 3, 4}) EXPECT_EQ(g.PublisherSerialRunning[p], 0) << p;

  // The next noon finds the serial ended.
  running.SerialRunning = 0;
  ScriptedRandom next;
  next.Expect(20, 1).Expect(50, 1).Expect(20, 1).Expect(50, 1);
  Noon(next);
  EXPECT_EQ(g.PublisherSerialRunning[kSenkokubune - 1], 0);
}

TEST_F(MagazineVisitsTest, ASerialOfferNeedsACloseRelationAndAnAcceptedRequest) {
  RecordReplies();
  rec::Magazine& magazine = g.Magazine[kChokomaka];
  magazine.Yukou = 3;
  const struct {
    int requestState;
    bool drawn;
  } cases[] = {{1, false}, {2, true}, {3, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.requestState);
    magazine.RequestState = c.requestState;
    g.DaysSinceOffer = 6;
    reply_.clear();
    ui.Clear();
    ScriptedRandom draws;
    draws.Expect(20, 1).Expect(50, 1);
    if (c.drawn) draws.Expect(25, 0);
    Noon(draws);
    EXPECT_EQ(Replies(), c.drawn ? std::vector<std::string>{"1:3"} : std::vector<std::string>{});
  }
  EXPECT_EQ(g.SerialMagazine, kChokomaka);
  EXPECT_EQ(g.DaysSinceOffer, 0);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines,
            (std::vector<std::string>{"  いつも週刊ちょこまかでお世話になっています。編集部で検討した結果",
                                      "  漫画先生についに新連載をしてもらおうという事で意見が一致しました。",
                                      "  原稿料は毎週24万円で、毎週 火曜日が締め切りとなっていますが、",
                                      "  この連載を引き受けて頂けますか？"}));
}

TEST_F(MagazineVisitsTest, AFirstRequestComesFromAMagazineWhosePublisherKnowsThePlayer) {
  RecordReplies();
  g.PublisherYukou[kSenkokubune] = 1;
  g.Magazine[kYoungIkari].Yukou = -1;  // known, and badly: no first request from it
  ScriptedRandom draws;
  draws.Expect(100, 0).Expect(100, 0);  // 週刊ヤングイカリ, then 週刊ちょこまか
  Noon(draws);
  EXPECT_EQ(Replies(), std::vector<std::string>{"0:3"});
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).lines,
            (std::vector<std::string>{"  はじめまして。千石船書房のものです。実は出版社の中でですね",
                                      "  漫画先生のお噂を聞いて今日は 週刊ちょこまかに読切原稿の依頼にきたのですが",
                                      "  〆切が10日後ですが、お願できますでしょうか？"}));
}

TEST(SerialDeadlineTest, MonthlyByDayWeeklyByWeekday) {
  FreshState fresh;
  GameState& g = fresh.g();
  rec::Magazine* magazine = Append(g.Magazine, g.MagazineCount);
  const struct {
    int frequency, day;
    const char* text;
  } cases[] = {{1, 15, "毎月 15日"}, {2, 0, "毎週 日曜日"}, {2, 3, "毎週 水曜日"}, {2, 6, "毎週 土曜日"}};
  for (const auto& c : cases) {
    magazine->Frequency = c.frequency;
    magazine->DeadlineDay = c.day;
    EXPECT_EQ(SerialDeadlineText(0), c.text);
  }
}

TEST_F(ClockTest, FanLettersDrawForEveryWorkAfterTheRivalsDayAndComeForSerialsOnly) {
  const int states[] = {manga_state::kUnsent, manga_state::kSerialRunning, manga_state::kTaken,
                        manga_state::kSerialEnded, manga_state::kSerialRunning};
  for (int state : states) {
    const long long m = AppendMangaWork();
    g.MangaWork[m].State = state;
  }
  std::vector<Value> letters;
  ui.On(form::kFanLetter, [&] { letters.push_back(g.FormSlot[form::kFanLetter].Param); });
  // Every draw hits: Int(Rnd × n) is 0.
  ScriptedRandom draws;
  draws.Any(1000, 0.0);
  SetRandomSource(&draws);
  RivalDayAndFanLetters();
  SetRandomSource(nullptr);
  EXPECT_EQ(letters, (std::vector<Value>{1, 3, 4}));

  // The letters' draws are the last of the phase, one per work.
  CountingRandom counted;
  SetRandomSource(&counted);
  RivalDayAndFanLetters();
  SetRandomSource(nullptr);
  ASSERT_GT(counted.ranges.size(), 5u) << "the rivals' day draws first";
  EXPECT_EQ(std::vector<long>(counted.ranges.end() - 5, counted.ranges.end()), std::vector<long>(5, 100));
}

}  // namespace
}  // namespace koratsu::testing
