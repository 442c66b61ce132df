// The editor events of a serial's other media: the anime and movie offers,
// the weekly broadcast, the comics release, merchandise, the anime's end and
// the premiere.

#include "publishing/media_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "publishing/comics_release.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using Lines = std::vector<std::string>;
using testing::UiEvent;

constexpr int kWork = 2;
constexpr int kMagazine = 3;

class MediaEventsTest : public ::testing::Test {
 protected:
  MediaEventsTest() : g(fresh.g()) {
    SetRandomSource(&random);
    g.GameActive = 1;
    g.PlayerSei = "漫画";
    g.PlayerMei = "太郎";
    g.PlayerFame = 20;
    g.GameWeekday = 3;
    g.MangaCount = 3;
    g.Magazine[kMagazine].ComicsPrice = 390;
    rec::MangaWork& w = g.MangaWork[kWork];
    w.Title = "海の旅";
    w.State = 7;
    w.Magazine = kMagazine;
    w.Hyouka = 80;
  }
  ~MediaEventsTest() override { SetRandomSource(nullptr); }

  rec::MangaWork& work() { return g.MangaWork[kWork]; }

  // Entry `entry` as the dispatch hands it over: freed, its fields still holding the event's.
  int Due(int entry, EventFields fields = {.MangaIndex = kWork, .Target = kWork}) {
    rec::EditorEvent& e = g.EditorEvent[entry];
    e.Code = 0;
    e.Delay = 0;
    e.Manga = fields.Manga;
    e.MangaIndex = fields.MangaIndex;
    e.Target = fields.Target;
    return entry;
  }

  // A broadcast of the anime on the air on today's weekday.
  void Broadcast() {
    work().AnimeState = 1;
    work().AnimeWeekday = g.GameWeekday;
    BroadcastEvent(Due(5));
  }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
  testing::ScriptedRandom random;
};

TEST_F(MediaEventsTest, TheAnimeOfferDrawsItsWeekdayTalksAndOpensTheOfferInAnimeMode) {
  random.Expect(7, 5);
  int modeShown = -1;
  ui.On(form::kMediaOffer, [&] { modeShown = static_cast<int>(g.FormSlot[form::kMediaOffer].Mode.Index()); });
  AnimeOfferEvent(Due(4, {.MangaIndex = kWork}));
  EXPECT_EQ(g.AnimeOfferWeekday, 5);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines, (Lines{"  連載漫画「海の旅」がですね、",
                                     "読者の人気も非常に高く、テレビ局からアニメ化の話がきているのですが",
                                     "なおアニメ化すると毎週30万円の収入があります。",
                                     "毎週金曜日放送と言うことですが、どうしますか？"}));
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kMediaOffer});
  EXPECT_EQ(modeShown, 0);
  EXPECT_EQ(g.FormSlot[form::kMediaOffer].Param, kWork);
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(MediaEventsTest, TheMovieOfferTalksAndOpensTheOfferInMovieMode) {
  MovieOfferEvent(Due(4, {.MangaIndex = kWork}));
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).lines, (Lines{"  連載漫画「海の旅」が、",
                                     "読者の人気も非常に高く、ついに映画化の話まできているのですが、どうします？"}));
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kMediaOffer});
  EXPECT_EQ(g.FormSlot[form::kMediaOffer].Param, kWork);
  EXPECT_EQ(g.FormSlot[form::kMediaOffer].Mode, 1);
  EXPECT_EQ(random.Drawn(), 0u);
}

TEST_F(MediaEventsTest, ThePremiereTellsTheRunAndTheAnimesEndTakesItOffTheAir) {
  PremiereEvent(Due(0, {.Target = kWork}));
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines, (Lines{"  今日は映画「海の旅」の封切りです。",
                                     "  また、興行収入の10%が原作者である漫画先生に振り込まれます。",
                                     "  3週間上映されますのでヒットするといいですね。"}));
  work().AnimeState = 1;
  AnimeEndEvent(Due(0, {.Target = kWork}));
  EXPECT_EQ(work().AnimeState, 2);
  EXPECT_EQ(ui.Talks().size(), 1u);
}

TEST_F(MediaEventsTest, ABroadcastPaysWithTheCoinSoundAndRatesASixthOfTheScore) {
  const struct {
    double score, rating;
    bool weak;
  } cases[] = {
      {60, 10, false}, {17, 3.2, true}, {200, 26.4, false}, {19, 3.1, true}, {42, 7.0, true}, {43, 7.1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    work().Hyouka = c.score;
    work().AnimeLowCount = 0;
    work().AnimeEpisode = 4;
    work().AnimeIncome = 300000;
    g.Kingaku = 1000;
    g.FormSlot[form::kArchive].Redraw = 0;
    ui.Clear();
    Broadcast();
    EXPECT_EQ(work().AnimeRating, c.rating);
    EXPECT_EQ(work().AnimeLowCount, c.weak ? 1 : 0);
    EXPECT_EQ(g.Kingaku, 301000);
    EXPECT_EQ(work().AnimeEpisode, 5);
    EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
    EXPECT_EQ(work().AnimeStartDays, 7) << "the next one a week later";
    EXPECT_TRUE(ui.Talks().empty()) << "a later broadcast says nothing";
    ASSERT_EQ(ui.Events().size(), 1u);
    EXPECT_EQ(ui.Events()[0].kind, UiEvent::Sound);
    EXPECT_EQ(ui.Events()[0].number, 0);
  }
}

TEST_F(MediaEventsTest, TheFirstBroadcastIsPraisedFromARatingOfFifteen) {
  const std::string opening = "  今日、放送されました「海の旅」ですが、";
  const struct {
    double score;
    Lines lines;
  } cases[] = {
      {90, {opening + "大好評で視聴率がいいんですよ", "これからもがんばっていきましょう。"}},
      {89, {opening + "なかなかの評判のようです。"}},
      {10, {opening + "なかなかの評判のようです。"}},  // 3.2 at least: the poor notice never comes
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    work().Hyouka = c.score;
    work().AnimeEpisode = 0;
    ui.Clear();
    Broadcast();
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, c.lines);
  }
}

TEST_F(MediaEventsTest, TheThirdWeakBroadcastAloneQueuesTheEndForTheNextBroadcastDay) {
  work().Hyouka = 30;
  work().AnimeEpisode = 1;
  for (int weak = 1; weak <= 4; ++weak) {
    SCOPED_TRACE(weak);
    ui.Clear();
    Broadcast();
    EXPECT_EQ(work().AnimeLowCount, weak);
    EXPECT_EQ(g.EditorEvent[0].Code, weak >= 3 ? event_code::kAnimeEnd : 0);
    EXPECT_EQ(ui.Talks().size(), weak == 3 ? 1u : 0u);
    if (weak != 3) continue;
    EXPECT_EQ(ui.Talk(0).lines, (Lines{"  実はですね、現在テレビアニメ放送中の「海の旅」が、",
                                       "  最近視聴率が下がってきていまして、テレビ局からそろそろ終了・・・ということになりました。",
                                       "  来週の放送で、最終回ということですのでよろしくお願いします。では、"}));
    EXPECT_EQ(g.EditorEvent[0].Delay, 7);
    EXPECT_EQ(g.EditorEvent[0].Target, kWork);
  }
  EXPECT_EQ(g.EditorEvent[1].Code, 0) << "a fourth weak broadcast queues nothing more";
}

TEST_F(MediaEventsTest, OnceTheSerialHasEndedEachBroadcastWearsTheScoreDownToTen) {
  work().State = 8;
  work().Hyouka = 27;
  work().AnimeEpisode = 1;
  const double scores[] = {22, 17, 12, 10, 10};
  const double ratings[] = {4.5, 3.6, 3.2, 3.2, 3.2};  // each rates the score before it wore off
  for (int week = 0; week < 5; ++week) {
    SCOPED_TRACE(week);
    Broadcast();
    EXPECT_EQ(work().Hyouka, scores[week]);
    EXPECT_EQ(work().AnimeRating, ratings[week]);
  }
  // A running serial keeps its score, raised to 10 where it is lower.
  work().State = 7;
  work().Hyouka = 8;
  Broadcast();
  EXPECT_EQ(work().Hyouka, 10);
}

TEST_F(MediaEventsTest, TheReleaseNumbersAndPricesTheVolumeShowsTheNoticeThenTellsThePrintRun) {
  work().Volumes = 1;
  work().Hyouka = 30;
  g.ComicsVolume[kWork][0].Printed = 1234;
  random.Expect(4, 2);
  Value volumesWhileShown;
  ui.On(form::kComicsRelease, [&] { volumesWhileShown = work().Volumes; });
  ComicsReleaseEvent(Due(9, {.Target = kWork}));

  EXPECT_EQ(work().Volumes, 2);
  const rec::ComicsVolume& volume = g.ComicsVolume[kWork][1];
  EXPECT_EQ(volume.Price, Money::FromNumber(390));
  EXPECT_EQ(volume.SalesRate, 9 * (30 + 2 + 1));
  EXPECT_EQ(volume.Printed, 100000);
  EXPECT_EQ(g.ComicsVolume[kWork][0].Printed, 1234) << "the first volume's stock stays";
  EXPECT_EQ(volumesWhileShown, 2);
  EXPECT_EQ(g.FormSlot[form::kComicsRelease].Param, kWork);
  EXPECT_EQ(ui.ControlText(form::kComicsRelease, "Label2(1)"), "海の旅");
  EXPECT_EQ(ui.ControlText(form::kComicsRelease, "Label2(0)"), "390円");
  EXPECT_EQ(ui.ControlText(form::kComicsRelease, "Label2(2)"), "2巻");
  // The print run is told after the notice closed.
  std::vector<UiEvent::Kind> order;
  for (const UiEvent& e : ui.Events())
    if (e.kind == UiEvent::Show || e.kind == UiEvent::Talk) order.push_back(e.kind);
  EXPECT_EQ(order, (std::vector<UiEvent::Kind>{UiEvent::Show, UiEvent::Talk}));
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines, Lines{"  今回の初回発行部数は 10万0000冊です。"});
}

TEST_F(MediaEventsTest, TheFirstPrintRunGrowsWithTheSalesRate) {
  const std::pair<double, double> cases[] = {{0, 50000},     {199.9, 50000},  {200, 100000},
                                             {399.9, 100000}, {400, 150000}, {2000, 150000}};
  for (const auto& [rate, copies] : cases) EXPECT_EQ(FirstPrintRun(rate), copies) << rate;

  work().Hyouka = 19;  // 9 × (19 + 0 + 1) = 180
  random.Expect(4, 0);
  ComicsReleaseEvent(Due(9, {.Target = kWork}));
  EXPECT_EQ(ui.Talk(0).lines, Lines{"  今回の初回発行部数は 5万0000冊です。"});
}

TEST_F(MediaEventsTest, AWorkHoldingEveryVolumeItCanGetsNoNewOne) {
  work().Volumes = 501;
  g.ComicsVolume[kWork][500].Printed = 7;
  std::vector<std::string> log;
  SetLogSink([&](const std::string& line) { log.push_back(line); });
  ComicsReleaseEvent(Due(9, {.Target = kWork}));
  SetLogSink({});
  EXPECT_EQ(work().Volumes, 501);
  EXPECT_EQ(g.ComicsVolume[kWork][500].Printed, 7);
  EXPECT_TRUE(ui.Events().empty());
  EXPECT_EQ(random.Drawn(), 0u);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("comics release"), std::string::npos);
}

TEST_F(MediaEventsTest, AMerchandiseOfferTellsItsKindAndOpensTheWindowForItsOwnWorkAndKind) {
  const struct {
    int kind;
    Lines lines;
  } cases[] = {
      {0, {"  「海の旅」が大人気でお菓子メーカーから", "スナック菓子を出したいと言うことですが、どうしますか？"}},
      {1, {"  「海の旅」が大人気でゲームメーカーから", "ゲームソフトを出したいと言うことですが、どうしますか？"}},
      {2, {"  「海の旅」が大人気でおもちゃメーカーから", "キャラクターカードを発売したいと言うことですが、どうしますか？"}},
      {3, {"  「海の旅」が大人気でおもちゃメーカーから", "ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱを発売したいと言うことですが、どうしますか？"}},
      {4, {"  「海の旅」の主人公を銀行が", "ﾏｽｺｯﾄのｷｬﾗｸﾀｰに採用したいと言うことですが、どうしますか？"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    ui.Clear();
    g.FormSlot[form::kMerchOffer] = {};
    rec::FormSlot shownWith;
    ui.On(form::kMerchOffer, [&] { shownWith = g.FormSlot[form::kMerchOffer]; });
    MerchandiseOfferEvent(Due(6, {.Manga = c.kind, .Target = kWork}));
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, c.lines);
    EXPECT_EQ(ui.Shown(), std::vector<int>{form::kMerchOffer});
    EXPECT_EQ(shownWith.Param, kWork);
    EXPECT_EQ(shownWith.Mode, c.kind);
  }
}

TEST_F(MediaEventsTest, TwoOffersOfOneDayShowTheirOwnWorksAndAnAcceptedKindNeverAgain) {
  g.MangaWork[0].Title = "空の旅";
  g.MangaWork[0].State = 8;
  std::vector<std::pair<std::string, long long>> shown;  // the talk's first line, the kind shown
  ui.On(form::kMerchOffer, [&] {
    const rec::FormSlot& slot = g.FormSlot[form::kMerchOffer];
    shown.push_back({g.MangaWork[slot.Param].Title.Str(), slot.Mode.Index()});
    g.MangaWork[slot.Param].MerchAccepted[slot.Mode] = 1;  // the player accepts
  });
  MerchandiseOfferEvent(Due(0, {.Manga = 1, .Target = 0}));
  MerchandiseOfferEvent(Due(1, {.Manga = 3, .Target = kWork}));
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, long long>>{{"空の旅", 1}, {"海の旅", 3}}));
  // An offer of the same kind drawn again before the first was accepted.
  ui.Clear();
  MerchandiseOfferEvent(Due(2, {.Manga = 3, .Target = kWork}));
  EXPECT_TRUE(ui.Events().empty());
}

}  // namespace
}  // namespace koratsu
