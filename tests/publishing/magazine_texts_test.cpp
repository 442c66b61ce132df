// The articles of the contest spread and of the feature, and the fan letter.

#include "publishing/magazine_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

constexpr int kWork = 4;

class MagazineTextsTest : public ::testing::Test {
 protected:
  MagazineTextsTest() {
    g().PlayerSei = "漫画";
    g().PlayerMei = "太郎";
    g().Magazine[2].Name = "週刊少年ホップ";
    g().ClassList[1].Text[1] = "少年";
    g().ClassList[2].Text[5] = "ギャグ";
    rec::MangaWork& w = g().MangaWork[kWork];
    w.Title = "星の島";
    w.Magazine = 2;
    g().MangaClass[0][kWork] = 1;
    g().MangaClass[1][kWork] = 5;
  }
  GameState& g() { return state.g(); }
  rec::MangaWork& work() { return g().MangaWork[kWork]; }

  testing::FreshState state;
};

TEST_F(MagazineTextsTest, EachPrizeHasItsArticleOnItsOwnArea) {
  const struct {
    Value result;
    int area;
    const char* article;
  } cases[] = {
      {1, 0,
       "遂に発表された、週刊少年ホップの新人賞だが、大賞を受賞した作品は漫画氏の「星の島」である。\n"
       "この作品は、主に少年を対象としたギャグだ。全体的にすぐれた作品で文句無しの大賞受賞だ！"
       "漫画氏はﾃﾞﾋﾞｭｰも決まったので楽しみにしていてくれ。"},
      {2, 1,
       "残念ながら大賞逃した作品にもいいものはあった。副賞を受賞した漫画氏の「星の島」は少年を対象としたギャグだ。\n"
       "もっと技術を上げて知識をつければ対象も夢ではないだろう。今後が期待できる人物である。"},
      {3, 2,
       "佳作の「星の島」は少年を対象のギャグであるが、"
       "技術がまだまだ足りない。知識もつけて今後も描けばよくなるかもしれない。今後の成長に期待する。"},
      {0, -1, ""},
      {4, -1, ""},
      {Value(), -1, ""},
  };
  for (const auto& c : cases) {
    work().ContestResult = c.result;
    EXPECT_EQ(ContestArticleArea(c.result), c.area) << c.result.Str();
    EXPECT_EQ(ContestArticle(kWork), c.article) << c.result.Str();
  }
}

TEST_F(MagazineTextsTest, TheFeatureFollowsTheAnimeAndTheMovieAsTheyStandNow) {
  const std::string noAnime =
      " 今週の漫画評論は「星の島」を紹介する。\n少年を対象としたギャグであり最近人気も高まっていることからアニメ化も"
      "近いといわれている。\n「まだアニメ化しません」（作品関係者）ということだが読者としては気になる所だ。";
  const std::string noMovie =
      " 今週の漫画評論は「星の島」を紹介する。\n最近話題にならない日がないと言われるくらいな作品だが映画化はしていない"
      "「映画化にはもうちょっと人気がないと」（業界関係者 Aさん）ということだが今後の動向を見守っていたい。";
  EXPECT_EQ(FeatureArticle(kWork, 2), noAnime);
  EXPECT_EQ(FeatureArticle(kWork, 3), noMovie);

  work().AnimeState = 3;
  work().MovieOn = 1;
  const std::string anime = FeatureArticle(kWork, 2);
  EXPECT_EQ(anime.rfind(" 今週の漫画評論は「星の島」の特集だ。\n既にアニメ化もしているのでご存知の方も多いかと思うが"
                        "説明しておくと少年を対象のギャグだ。",
                        0),
            0u)
      << anime;
  EXPECT_NE(anime.find("さん"), std::string::npos) << "an artist speaks of it";
  EXPECT_EQ(FeatureArticle(kWork, 3),
            " 最近話題の漫画といえば貴方は何が思い浮かぶだろうか？たいていの人は「星の島」であろう。\n"
            "映画も公開されまさに社会現象にもなったのである、本誌では今後も本作品について様々な情報を提供していく予定"
            "なので楽しみにしていてもらいたい。");
  EXPECT_EQ(FeatureArticle(kWork, 1),
            " 今週の漫画評論。特集は最近話題沸騰の「星の島」だ。\n少年を対象としたギャグである。"
            "今後ますます白熱するストーリー展開に全世界の期待がかかっている。");
  const std::string critic = FeatureArticle(kWork, 0);
  EXPECT_EQ(critic.rfind(" 漫画評論。今回の特集は最近話題の「星の島」である。\n簡単に説明すると少年を対象としたギャグだ。", 0),
            0u)
      << critic;
  EXPECT_NE(critic.find("氏"), std::string::npos) << "a critic speaks of it";
  EXPECT_NE(critic.find("本屋"), std::string::npos);

  for (const Value& variant : {Value(4), Value(-1), Value(1.5), Value("二")})
    EXPECT_EQ(FeatureArticle(kWork, variant), "") << variant.Str();
}

TEST_F(MagazineTextsTest, TheFanLetterIsAlwaysTheSecondLetterAboutItsWork) {
  EXPECT_EQ(FanLetterAddressee(), "漫画 太郎先生へ");
  g().FormSlot[form::kFanLetter].Param = kWork;
  const std::string letter =
      "  はじめまして、漫画先生！お元気ですか？僕は漫画を描くのが大好きです。もちろん先生の「星の島」を読むのも"
      "大好きです。\nそこで僕はオリジナルキャラクターを作りました。いっしょにイラストを入れておくのでよろしければ"
      "使ってくだちゃい。では。";
  for (int reading = 0; reading < 2; ++reading) {
    EXPECT_EQ(ChooseFanLetter(), letter) << reading;
    EXPECT_EQ(g().FormSlot[form::kFanLetter].Mode, 1);
  }
}

}  // namespace
}  // namespace koratsu
