// The event notices' texts by mode, code and count, and their two buttons' effects.

#include "publishing/notices.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class NoticesTest : public ::testing::Test {
 protected:
  GameState& g() { return state.g(); }
  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(NoticesTest, TheAccidentTellsInkOrFireAndNothingForAnotherMode) {
  EXPECT_EQ(AccidentText(0), "  インクが原稿の上に零れてしまいました。完成が大幅に遅れそうです。");
  EXPECT_EQ(AccidentText(1), "  原稿が火事により燃えてしまいました。完成が大幅に遅れそうです。");
  for (const Value& mode : {Value(2), Value(-1), Value(0.5)}) EXPECT_FALSE(AccidentText(mode)) << mode.Str();
}

TEST_F(NoticesTest, TheMillionSellerCallsTheFirstVolumeVolumeOne) {
  g().MangaWork[3].Title = "星の島";
  g().MillionRecord[0] = 3;
  g().MillionRecord[1] = 0;
  EXPECT_EQ(MillionSellerText(), "「星の島」のコミックス 第1巻の売り上げがついに100万冊を突破しました。");
  g().MillionRecord[1] = 11;
  EXPECT_EQ(MillionSellerText(), "「星の島」のコミックス 第12巻の売り上げがついに100万冊を突破しました。");
  g().FormSlot[form::kComicsMilestone].Param = 1;
  EXPECT_FALSE(MillionSellerText());
}

TEST_F(NoticesTest, ARankingFeatHasTheTextOfItsCode) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {1, "  資産ﾗﾝｷﾝｸﾞで貴方が遂に一位に輝きました。おめでとうございます。"},
      {2, "  資産ﾗﾝｷﾝｸﾞで三位以内に入りました。おめでとうございます。"},
      {3, "  資産ﾗﾝｷﾝｸﾞで五位以内に入りました。おめでとうございます。"},
      {4, "  資産ﾗﾝｷﾝｸﾞで十位以内に入りました。おめでとうございます。"},
      {5, "  「星の島」がｺﾐｯｸｽの売上げが遂に一位に輝きました。おめでとうございます。"},
      {6, "  「星の島」がｺﾐｯｸｽの売上げが三位以内に入りました。おめでとうございます。"},
      {7, "  「星の島」がｺﾐｯｸｽの売上げが五位以内に入りました。おめでとうございます。"},
      {8, "  「星の島」がｺﾐｯｸｽの売上げが十位以内に入りました。おめでとうございます。"},
      {0, ""},
      {9, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CongratulationText(c.code, "星の島"), c.text) << c.code;
}

TEST_F(NoticesTest, ASerialMilestoneHasItsTextAndItsPicture) {
  const struct {
    int episodes;
    const char* text;
    int picture;
  } cases[] = {
      {10, " 「星の島」の連載が10回を突破しましたおめでとうございます。", 1},
      {30, " 「星の島」の連載が30回を突破しましたおめでとうございます。", 0},
      {50, " 「星の島」の連載がついに50回を突破しましたおめでとうございます。", 2},
      {100, " 「星の島」の連載がついに100回を突破しましたおめでとうございます。", 3},
      {20, "", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SerialMilestoneText("星の島", c.episodes), c.text) << c.episodes;
    EXPECT_EQ(SerialMilestonePicture(c.episodes), c.picture) << c.episodes;
  }
}

TEST_F(NoticesTest, TheOpenersTextsNameTheWork) {
  EXPECT_EQ(VeryPopularHeading("星の島"), "==星の島が大人気です ==");
  EXPECT_EQ(VeryPopularText("星の島", PopularityNews::Magazine),
            "「星の島」が大人気で雑誌で紹介されました。コミックスの売り上げがよくなりそうです。");
  EXPECT_EQ(VeryPopularText("星の島", PopularityNews::NewsProgramme),
            "「星の島」が大人気でニュース番組で紹介されました。コミックスの売り上げがよくなりそうです。");
  EXPECT_EQ(VeryPopularText("星の島", PopularityNews::Interview),
            "「星の島」の雑誌の取材がきました。コミックスの売り上げがよくなりそうです。");
  EXPECT_EQ(ReturnsText("星の島"), "星の島のコミックスが返品の山で出版社の倉庫が満杯です。");
  g().Magazine[2].Name = "週刊少年ホップ";
  EXPECT_EQ(FeePurpose(2, true), "週刊少年ホップの賞金");
  EXPECT_EQ(FeePurpose(2, false), "週刊少年ホップの稿料");
  EXPECT_EQ(FeeAmount(200000), "20万0000円");
}

TEST_F(NoticesTest, TheFeeButtonRingsTheCoinUnlessEffectsAreOff) {
  FeeNoticePressed();
  g().Koukaon = 2;
  FeeNoticePressed();
  int sounds = 0;
  for (const testing::UiEvent& e : ui.Events())
    if (e.kind == testing::UiEvent::Sound) {
      ++sounds;
      EXPECT_EQ(e.number, 0);
    }
  EXPECT_EQ(sounds, 1);
}

TEST_F(NoticesTest, ThePopularityButtonAddsExactlyOne) {
  g().PlayerPopularity = 41;
  VeryPopularPressed();
  EXPECT_EQ(g().PlayerPopularity, 42);
}

}  // namespace
}  // namespace koratsu
