// The answers to the anime, movie and merchandise offers.

#include "publishing/media_offers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using Lines = std::vector<std::string>;

constexpr int kWork = 4;

class MediaOffersTest : public ::testing::Test {
 protected:
  MediaOffersTest() : g(fresh.g()) {
    g.GameActive = 1;
    g.PlayerPopularity = 10;
    g.MangaWork[kWork].Title = "海の旅";
    g.FormSlot[form::kMediaOffer].Param = kWork;
  }

  void Offer(int mode, int weekday = 0) {
    g.FormSlot[form::kMediaOffer].Mode = mode;
    g.AnimeOfferWeekday = weekday;
  }
  rec::MangaWork& work() { return g.MangaWork[kWork]; }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
};

TEST_F(MediaOffersTest, AnAcceptedAnimeStartsOnItsWeekdayEightToTwentyDaysAhead) {
  const struct {
    int today, offered, days;
    const char* weekday;
  } cases[] = {
      {3, 3, 14, "水曜日"},
      {6, 0, 8, "日曜日"},
      {0, 6, 20, "土曜日"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.days);
    g.PlayerPopularity = 10;
    g.GameWeekday = c.today;
    Offer(0, c.offered);
    ui.Clear();
    AcceptMediaOffer();
    EXPECT_EQ(g.PlayerPopularity, 13);
    EXPECT_EQ(work().AnimeState, 1);
    EXPECT_EQ(work().AnimeWeekday, c.offered);
    EXPECT_EQ(work().AnimeStartDays, c.days);
    EXPECT_EQ(work().AnimeIncome, 300000);
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, (Lines{"  おお、では早速制作に取り掛かります。 ",
                                       "第一回目の放送は" + std::to_string(c.days) + "日後の" + c.weekday +
                                           "ですので、楽しみに待っていてください。"}));
  }
}

TEST_F(MediaOffersTest, AnAcceptedMoviePremieresInSixteenDaysAsTheOfferSaid) {
  Offer(1);
  const std::optional<MediaOfferTexts> texts = MediaOfferWindowTexts();
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->offer, "「 海の旅 」が大人気で、現在映画化を検討しています。封切は16日後です。");
  AcceptMediaOffer();
  EXPECT_EQ(g.PlayerPopularity, 14);
  EXPECT_EQ(work().MovieOn, 1);
  EXPECT_EQ(work().MovieStartDays, 16);
  EXPECT_EQ(work().AnimeState, 0);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).lines, (Lines{"  そうですか、では早速制作に取り掛かります。 ",
                                     "封切りは16日後なので、楽しみに待っていてください。 "}));
}

TEST_F(MediaOffersTest, DecliningOnlyTalks) {
  for (int mode : {0, 1}) {
    Offer(mode, 2);
    ui.Clear();
    DeclineMediaOffer();
    EXPECT_EQ(g.PlayerPopularity, 10);
    EXPECT_EQ(work().AnimeState, 0);
    EXPECT_EQ(work().MovieOn, 0);
    EXPECT_EQ(work().AnimeStartDays, 0);
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, Lines{"  そうですか・・・わかりました。残念ですがそう伝えておきます。"});
  }
}

TEST_F(MediaOffersTest, TheOfferWindowsTextsFollowItsMode) {
  Offer(0, 4);
  std::optional<MediaOfferTexts> anime = MediaOfferWindowTexts();
  ASSERT_TRUE(anime);
  EXPECT_EQ(anime->caption, "テレビアニメ化");
  EXPECT_EQ(anime->accept, "アニメ化する");
  EXPECT_EQ(anime->decline, "アニメ化しない");
  EXPECT_EQ(anime->heading, "== テレビアニメ化しますか？ ==");
  EXPECT_EQ(anime->question, "テレビアニメ化しますか？");
  EXPECT_EQ(anime->offer, "「 海の旅 」をアニメ化しますか？放送は毎週木曜日です。");
  Offer(1);
  std::optional<MediaOfferTexts> movie = MediaOfferWindowTexts();
  ASSERT_TRUE(movie);
  EXPECT_EQ(movie->caption, "映画化");
  EXPECT_EQ(movie->accept, "映画化する");
  EXPECT_EQ(movie->decline, "映画化しない");
  EXPECT_EQ(movie->heading, "== 映画化しますか？ ==");
  EXPECT_EQ(movie->question, "映画化しますか？");
  // Another mode keeps the design, and accepting there changes nothing.
  Offer(2);
  EXPECT_FALSE(MediaOfferWindowTexts());
  AcceptMediaOffer();
  EXPECT_EQ(g.PlayerPopularity, 10);
  EXPECT_TRUE(ui.Events().empty());
}

TEST_F(MediaOffersTest, EachMerchandiseKindCarriesItsFeeAndAcceptingPaysItOnceWithTheCoinSound) {
  const double fees[] = {4500000, 10000000, 2000000, 5000000, 80000000};
  for (int kind = 0; kind < 5; ++kind) {
    SCOPED_TRACE(kind);
    g.Kingaku = 100;
    g.FormSlot[form::kMerchOffer].Param = kWork;
    g.FormSlot[form::kMerchOffer].Mode = kind;
    ui.Clear();
    const MerchandiseKind* offered = LoadMerchOffer();
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(g.MerchOfferFee, fees[kind]);
    EXPECT_EQ(g.Kingaku, 100) << "nothing paid as the window opens";
    AcceptMerchOffer();
    EXPECT_EQ(g.Kingaku, 100 + fees[kind]);
    EXPECT_EQ(work().MerchAccepted[kind], 1);
    EXPECT_EQ(ui.Events().size(), 1u);
    EXPECT_EQ(ui.Events()[0].kind, testing::UiEvent::Sound);
    EXPECT_EQ(ui.Events()[0].number, 0);
  }
  // Another kind leaves the fee on show as it was.
  g.FormSlot[form::kMerchOffer].Mode = 5;
  EXPECT_EQ(LoadMerchOffer(), nullptr);
  EXPECT_EQ(g.MerchOfferFee, 80000000);
}

}  // namespace
}  // namespace koratsu
