// The hourly comics sales: each volume's sale with its decay, cap, sleep and
// stock; royalties; reprints; million sellers; the award chance; the returns
// warning; a movie's audience.

#include "publishing/comics_sales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

constexpr int kMagazine = 3;
constexpr int kPublisherNumber = 2;  // the magazine's publisher; its award is publisher 1's

class ComicsSalesTest : public ::testing::Test {
 protected:
  ComicsSalesTest() : g(fresh.g()) {
    SetRandomSource(&draws);
    previous_ = SetAwardCeremony([this](int publisher, long long work) { ceremonies.emplace_back(publisher, work); });
    g.GameActive = 1;
    g.Kingaku = 0;
    g.PlayerPopularity = 3;
    g.MangaCount = 1;
    Work().Title = "星の島";
    Work().Hyouka = 60;
    Work().Magazine = kMagazine;
    g.Magazine[kMagazine].Publisher = kPublisherNumber;
  }
  ~ComicsSalesTest() override {
    SetAwardCeremony(std::move(previous_));
    EXPECT_EQ(draws.Remaining(), 0u) << "draws the hour did not make";
  }

  rec::MangaWork& Work() { return g.MangaWork[0]; }
  // Volume v of work 0, selling at `rate` from `printed` copies at 400 yen.
  rec::ComicsVolume& Volume(int v, double rate, double printed) {
    rec::ComicsVolume& volume = g.ComicsVolume[0][v];
    volume.SalesRate = rate;
    volume.Printed = printed;
    volume.Price = Money::FromNumber(400);
    if (Work().Volumes <= v) Work().Volumes = v + 1;
    return volume;
  }
  // One volume's two draws: the sale's noise (or its 0-or-2 when the rate is
  // spent), then the award's, which misses.
  void Selling(long noise) { draws.Expect(10, noise).Expect(30, 1); }
  void Spent(long twos) { draws.Expect(2, twos).Expect(30, 1); }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
  testing::ScriptedRandom draws;
  std::vector<std::pair<int, long long>> ceremonies;

 private:
  AwardCeremony previous_;
};

TEST_F(ComicsSalesTest, AVolumeSellsByItsRateAndScoreUnderTheHoursCap) {
  struct Case {
    double rate, hyouka;
    int anime, movie, life;
    double printed;
    long noise;
    double sold, nextRate;
  } cases[] = {
      {150, 60, 0, 0, 1, 1e6, 3, 1608, 148},   // 1125 + 450 + 33
      {150, 400, 0, 0, 1, 1e6, 3, 2079, 148},  // 4158 halved below 2800
      {1, 60, 0, 0, 1, 1e6, 0, 3, 0},          // 0.05 + 3
      {200, 90, 0, 0, 1, 1e6, 9, 1499, 197},   // 2999, no anime
      {200, 90, 0, 0, 3, 1e6, 9, 749, 197},    // asleep at the last check
      {200, 90, 0, 0, 3, 500, 9, 500, 197},    // then the stock
      {200, 79, 0, 0, 2, 1e6, 0, 2790, 197},   {200, 80, 0, 0, 2, 1e6, 0, 1400, 197},
      {200, 79, 0, 1, 2, 1e6, 0, 2790, 197},   {200, 80, 0, 1, 2, 1e6, 0, 1400, 197},  // a movie alone
      {200, 119, 1, 0, 2, 1e6, 0, 3190, 197},  {200, 120, 1, 0, 2, 1e6, 0, 1600, 197},
      {200, 119, 2, 0, 2, 1e6, 0, 3190, 197},  {200, 120, 2, 0, 2, 1e6, 0, 1600, 197},  // the anime has ended
      {200, 149, 1, 1, 2, 1e6, 0, 3490, 197},  {200, 150, 1, 1, 2, 1e6, 0, 1750, 197},
      {200, 149, 2, 1, 2, 1e6, 0, 3490, 197},
  };
  for (const Case& c : cases) {
    Work().Hyouka = c.hyouka;
    Work().AnimeState = c.anime;
    Work().MovieOn = c.movie;
    Work().TotalSold = 10;
    Work().AwardSales = 20;
    g.LifeStatus = c.life;
    rec::ComicsVolume& volume = Volume(0, c.rate, c.printed);
    volume.Sold = 5;
    Selling(c.noise);
    SellComics();
    const std::string label = std::to_string(c.rate) + " " + std::to_string(c.hyouka);
    EXPECT_EQ(volume.Sold, 5 + c.sold) << label;
    EXPECT_EQ(volume.Printed, c.printed - c.sold) << label;
    EXPECT_EQ(volume.SalesRate, c.nextRate) << label;
    EXPECT_EQ(Work().TotalSold, 10 + c.sold) << label;
    EXPECT_EQ(Work().AwardSales, 20 + c.sold) << label;
  }
}

TEST_F(ComicsSalesTest, ASpentVolumeSellsNoneOrTwoFromItsStockAndNothingWithoutOne) {
  rec::ComicsVolume& volume = Volume(0, 1, 100);
  g.LifeStatus = 1;
  Selling(0);
  SellComics();
  ASSERT_EQ(volume.SalesRate, 0);
  ASSERT_EQ(volume.Sold, 3);

  struct Hour {
    long twos;
    double printedBefore, sold;
  } hours[] = {{1, 97, 2}, {0, 95, 0}, {1, 1, 1}, {1, 0, 0}};
  for (const Hour& h : hours) {
    volume.Printed = h.printedBefore;
    const Value before = volume.Sold;
    Spent(h.twos);
    SellComics();
    EXPECT_EQ(volume.Sold, before + h.sold) << h.printedBefore;
    EXPECT_EQ(volume.Printed, h.printedBefore - h.sold) << h.printedBefore;
    EXPECT_EQ(volume.SalesRate, 0);
  }
  EXPECT_TRUE(ui.Talks().empty()) << "no reprint for a volume that no longer sells";
}

TEST_F(ComicsSalesTest, RoyaltiesAreATenthOfThePriceExactly) {
  for (int yen = 390; yen <= 420; ++yen)
    for (long long copies : {1LL, 7LL, 10LL, 1499LL, 3499LL, 150000LL})
      EXPECT_EQ(RoyaltyFor(static_cast<double>(copies), Money::FromNumber(yen)), static_cast<double>(copies * yen / 10))
          << copies << " at " << yen;

  // Through the hour: 1499 copies at 399 yen, in the work's total and in the money.
  rec::ComicsVolume& volume = Volume(0, 200, 1e6);
  volume.Price = Money::FromNumber(399);
  Work().Hyouka = 90;
  g.Kingaku = 1000;
  Selling(9);
  SellComics();
  EXPECT_EQ(Work().Royalty, 1499 * 399 / 10);
  EXPECT_EQ(g.Kingaku, 1000 + 1499 * 399 / 10);
  EXPECT_EQ(g.FormSlot[form::kAssetRanking].Redraw, 1);
  EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, 1);
  EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
}

TEST_F(ComicsSalesTest, ASoldOutVolumeThatStillSellsIsReprintedBeforeTheHoursSale) {
  struct Case {
    double rate, nextRate, reprint;
    const char* text;
  } cases[] = {
      {101, 99, 50000, "  「星の島」の第1巻が 5万冊の増刷が決まりました。"},
      {102, 100, 100000, "  「星の島」の第1巻が 10万冊の増刷が決まりました。"},
      {203, 200, 150000, "  「星の島」の第1巻が 15万冊の増刷が決まりました。"},
  };
  for (const Case& c : cases) {
    ui.Clear();
    g.PlayerPopularity = 3;
    Work().Hyouka = 0;
    rec::ComicsVolume& volume = Volume(0, c.rate, 0);
    volume.Sold = 0;
    Selling(0);
    SellComics();
    const double sold = Int(c.rate * c.rate / 20);
    ASSERT_EQ(ui.Talks().size(), 1u) << c.rate;
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, std::vector<std::string>{c.text});
    EXPECT_EQ(volume.SalesRate, c.nextRate);
    EXPECT_EQ(volume.Sold, sold) << c.rate;
    EXPECT_EQ(volume.Printed, c.reprint - sold) << c.rate;
    EXPECT_DOUBLE_EQ(g.PlayerPopularity.Num(), 4.1);
  }

  // Sold out with its rate spent by this hour's decay: no reprint.
  ui.Clear();
  rec::ComicsVolume& last = Volume(1, 1, 0);
  Work().Volumes = 2;
  g.ComicsVolume[0][0].Printed = 1e6;
  Selling(0);
  Selling(0);
  SellComics();
  EXPECT_EQ(last.Printed, 0);
  EXPECT_TRUE(ui.Talks().empty());
}

TEST_F(ComicsSalesTest, TheMillionSellerIsAnnouncedOnceWhenItsCopiesReachAMillion) {
  Work().Volumes = 3;
  Volume(0, 0, 0);
  Volume(1, 0, 0);
  rec::ComicsVolume& volume = Volume(2, 200, 1000);
  volume.Sold = 999000;
  Work().Hyouka = 150;
  auto hour = [&] {
    Spent(0);
    Spent(0);
    Selling(0);
    SellComics();
  };
  hour();
  EXPECT_EQ(volume.Sold, 1000000);
  EXPECT_EQ(volume.MillionFlag, 1);
  EXPECT_EQ(ui.ShownCount(form::kComicsMilestone), 1);
  volume.Printed = 1000;
  hour();
  EXPECT_EQ(volume.Sold, 1001000);
  EXPECT_EQ(ui.ShownCount(form::kComicsMilestone), 1) << "once";
  EXPECT_EQ(g.MillionRecord[0], 0);
  EXPECT_EQ(g.MillionRecord[1], 2);
  EXPECT_EQ(g.FormSlot[form::kComicsMilestone].Param, 0);
}

TEST_F(ComicsSalesTest, TheAwardChanceIsDrawnForEveryVolumeAfterItsSale) {
  struct Case {
    long draw;
    double awardSales;
    int awardDone;
    bool ceremony;
  } cases[] = {
      {0, 4499000, 0, true},  // 1000 sold this hour make 4,500,000
      {0, 4498999, 0, false}, {1, 4600000, 0, false}, {0, 4600000, 1, false},
  };
  for (const Case& c : cases) {
    ceremonies.clear();
    Work().AwardSales = c.awardSales;
    g.Publisher[kPublisherNumber - 1].AwardDone = c.awardDone;
    Volume(0, 200, 1000);
    Work().Hyouka = 150;
    draws.Expect(10, 0).Expect(30, c.draw);
    SellComics();
    EXPECT_EQ(ceremonies.size(), c.ceremony ? 1u : 0u) << c.draw << " " << c.awardSales << " " << c.awardDone;
    if (c.ceremony) {
      EXPECT_EQ(ceremonies[0], std::make_pair(kPublisherNumber - 1, 0LL));
    }
  }
}

TEST_F(ComicsSalesTest, TheAwardVolumesRedrawsAreAskedAfterTheCeremonyAndNotAfterTheLastAward) {
  for (const bool ends : {false, true}) {
    SCOPED_TRACE(ends ? "the last award" : "an award");
    g.GameActive = 1;
    g.Publisher[kPublisherNumber - 1].AwardDone = 0;
    int asked = -1;
    SetAwardCeremony([&](int, long long) {
      const auto& slots = State().FormSlot;
      asked = slots[form::kArchive].Redraw.Index() + slots[form::kComicsRanking].Redraw.Index();
      if (ends) State().GameActive = 0;
    });
    g.FormSlot[form::kArchive].Redraw = 0;
    g.FormSlot[form::kComicsRanking].Redraw = 0;
    Work().AwardSales = 5000000;
    Volume(0, 200, 1000);
    draws.Expect(10, 0).Expect(30, 0);
    SellComics();
    EXPECT_EQ(asked, 0) << "no redraw asked before the ceremony";
    EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, ends ? 0 : 1);
    EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, ends ? 0 : 1);
  }
}

TEST_F(ComicsSalesTest, AnAwardThatEndsTheGameEndsTheHoursSales) {
  SetAwardCeremony([](int, long long) { State().GameActive = 0; });
  g.MangaCount = 2;
  Work().AwardSales = 5000000;
  Volume(0, 200, 1000);
  Volume(1, 200, 1000);
  g.MangaWork[1].Volumes = 1;
  g.ComicsVolume[1][0].SalesRate = 200;
  g.ComicsVolume[1][0].Printed = 1000;
  draws.Expect(10, 0).Expect(30, 0);
  SellComics();
  EXPECT_EQ(g.ComicsVolume[0][1].Printed, 1000) << "the next volume sells nothing";
  EXPECT_EQ(g.ComicsVolume[1][0].Printed, 1000) << "nor the next work";
}

TEST_F(ComicsSalesTest, TheReturnsWarningComesOncePerPileOfStockThatNoLongerSells) {
  // Two spent volumes of 70,000 copies and one that sells from a larger stock.
  Work().Volumes = 3;
  Volume(0, 0, 70000);
  Volume(1, 300, 500000);
  Volume(2, 0, 70000);
  Work().Hyouka = 0;
  auto hour = [&](long twos) {
    Spent(twos);
    Selling(0);
    Spent(twos);
    SellComics();
  };
  hour(1);  // counted before the hour's sale: 140,000
  EXPECT_EQ(ui.ShownCount(form::kReturnsNotice), 1);
  EXPECT_EQ(ui.ControlText(form::kReturnsNotice, "Label1(0)"), "星の島のコミックスが返品の山で出版社の倉庫が満杯です。");
  EXPECT_EQ(Work().ReturnWarned, 1);
  hour(0);
  EXPECT_EQ(ui.ShownCount(form::kReturnsNotice), 1) << "the same pile";

  g.ComicsVolume[0][0].Printed = 15001;
  g.ComicsVolume[0][2].Printed = 15000;
  hour(0);
  EXPECT_EQ(Work().ReturnWarned, 1) << "30,001 left";
  g.ComicsVolume[0][0].Printed = 15000;
  hour(0);
  EXPECT_EQ(Work().ReturnWarned, 0) << "armed again at 30,000";
  g.ComicsVolume[0][0].Printed = 70000;
  g.ComicsVolume[0][2].Printed = 70000;
  hour(0);
  EXPECT_EQ(ui.ShownCount(form::kReturnsNotice), 2);
}

TEST_F(ComicsSalesTest, AMoviesAudienceCountsOnItsRunsDaysOneToTwenty) {
  Work().MovieOn = 1;
  Work().Hyouka = 0;
  struct Case {
    double day;
    bool counted;
    double hyouka, audience;
  } cases[] = {
      {0, false, 0, 0},     {1, true, 0, 1901},  // 25 × 39² / 20
      {1, true, 100, 1482},  // 2964 halved below 2500
      {20, true, 0, 500},   {21, false, 0, 0},
  };
  for (const Case& c : cases) {
    Work().MovieDay = c.day;
    Work().Hyouka = c.hyouka;
    Work().MovieAudience = 0;
    g.Kingaku = 0;
    if (c.counted) draws.Expect(10, 0);
    SellComics();
    EXPECT_EQ(Work().MovieAudience, c.audience) << c.day;
    EXPECT_EQ(g.Kingaku, c.audience * 180) << c.day;
  }
  Work().MovieOn = 0;
  Work().MovieDay = 5;
  Work().MovieAudience = 7;
  SellComics();
  EXPECT_EQ(Work().MovieAudience, 7) << "no movie accepted";
}

// The hours of a busy market, sold once with the built-in generator and once
// with the same sequence from an installed source, must come out the same:
// every volume, every total, the money, the windows and the draws the windows
// make in between.
struct MarketOutcome {
  std::vector<double> numbers;
  std::vector<int> shown;
  std::vector<double> windowDraws;
  int talks = 0, ceremonies = 0;
  bool operator==(const MarketOutcome&) const = default;
};

MarketOutcome SellABusyMarket(RandomSource* source) {
  testing::FreshState fresh;
  GameState& g = fresh.g();
  testing::ScriptedUi ui;
  MarketOutcome out;
  ui.OnAnyWindow([&](int, int) { out.windowDraws.push_back(Rnd()); });
  ui.OnTalk([&](const testing::TalkRecord&) {
    ++out.talks;
    out.windowDraws.push_back(Rnd());
  });
  AwardCeremony previous = SetAwardCeremony([&](int publisher, long long) {
    ++out.ceremonies;
    out.windowDraws.push_back(Rnd());
    State().Publisher[publisher].AwardDone = 1;
  });
  SetRandomSource(source);
  CurrentRandomSource().Seed(7);
  g.GameActive = 1;
  g.MangaCount = 6;
  for (int m = 0; m < 5; ++m) g.Magazine[m].Publisher = m + 1;
  for (int w = 0; w < 6; ++w) {
    rec::MangaWork& work = g.MangaWork[w];
    work.Title = "作品" + std::to_string(w);
    work.Hyouka = 40 + 30 * w;
    work.Magazine = w % 5;
    work.AnimeState = w % 3;
    work.MovieOn = w % 2;
    work.AwardSales = w * 1000000;
    work.Volumes = 30;
    for (int v = 0; v < 30; ++v) {
      rec::ComicsVolume& volume = g.ComicsVolume[w][v];
      volume.SalesRate = (v % 4 == 0) ? 0 : 20 * v + w;
      volume.Printed = (v % 5 == 0) ? 0 : 3000 * v;
      volume.Sold = (v % 7 == 0) ? 999000 : 1000 * v;
      volume.Price = Money::FromNumber(390 + v);
    }
  }
  for (int hour = 0; hour < 40; ++hour) {
    g.LifeStatus = hour % 8 < 3 ? 3 : 1;
    SellComics();
  }
  for (int w = 0; w < 6; ++w) {
    const rec::MangaWork& work = g.MangaWork[w];
    for (const Value* x : {&work.AwardSales, &work.TotalSold, &work.Royalty, &work.ReturnWarned})
      out.numbers.push_back(x->Num());
    for (int v = 0; v < 30; ++v) {
      const rec::ComicsVolume& volume = g.ComicsVolume[w][v];
      for (const Value* x : {&volume.SalesRate, &volume.Printed, &volume.Sold, &volume.MillionFlag})
        out.numbers.push_back(x->Num());
    }
  }
  out.numbers.push_back(g.Kingaku.Num());
  out.numbers.push_back(g.PlayerPopularity.Num());
  out.numbers.push_back(Rnd());  // where the generator was left
  out.shown = ui.Shown();
  SetRandomSource(nullptr);
  SetAwardCeremony(std::move(previous));
  return out;
}

TEST(ComicsSalesDraws, TheBuiltInGeneratorAndAnInstalledSourceSellAlike) {
  const MarketOutcome builtIn = SellABusyMarket(nullptr);
  SeededRandom installed;
  const MarketOutcome fromSource = SellABusyMarket(&installed);
  EXPECT_EQ(builtIn, fromSource);
  // The hours met every kind of window the sales open.
  for (int form : {form::kComicsMilestone, form::kReturnsNotice})
    EXPECT_NE(std::find(builtIn.shown.begin(), builtIn.shown.end(), form), builtIn.shown.end()) << form;
  EXPECT_GT(builtIn.talks, 0) << "reprints";
  EXPECT_GT(builtIn.ceremonies, 0);
}

}  // namespace
}  // namespace koratsu
