// The texts of the two ends of a game and the ending's scroll.

#include "publishing/game_end.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace koratsu {
namespace {

TEST(GameEndTest, TheGameOverTextTellsTheCause) {
  using Lines = std::vector<std::string>;
  const Lines copied = {"あなたは盗作したことにより､漫画界を永久追放になりました。",
                        "その後あなたを公の場で見た人は居ないという。"};
  EXPECT_EQ(GameOverLines(0), copied);
  EXPECT_EQ(GameOverLines(1), (Lines{"あなたは許可を取らずに小説を漫画化したことにより､漫画界を永久追放になりました。",
                                     "その後のあなたの漫画家としての将来は絶望的だった。"}));
  EXPECT_EQ(GameOverLines(2), (Lines{"あなたは連日無理をして仕事を続けた結果、過労が溜まり死亡しました。",
                                     "残念ながらゲームオーバーです。"}));
  // The comma of the first two is the half-width one.
  for (int cause : {0, 1}) EXPECT_NE(GameOverLines(cause)[0].find("\xEF\xBD\xA4"), std::string::npos) << cause;
  for (const Value& cause : {Value(3), Value(-1), Value(2.5), Value("二")}) EXPECT_TRUE(GameOverLines(cause).empty());
}

TEST(GameEndTest, TheEpilogueEndsWithItsFarewellAfterThreeEmptyLines) {
  const auto lines = EndingLines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_STREQ(lines[0], "  おめでとうございます。あなたはすべて");
  EXPECT_STREQ(lines[1], "の出版社から漫画賞を獲得し「Koratsu」の漫画界でトップに君臨し");
  EXPECT_STREQ(lines[5], "");
  EXPECT_STREQ(lines[11], (std::string(20, ' ') + "おしまい").c_str());
}

TEST(GameEndTest, TheEndingsButtonWaitsUntilTheTextHasScrolledOut) {
  int top = kEndingTextTop;
  for (int step = 1; step <= 256; ++step) ASSERT_FALSE(ScrollEnding(top, kEndingTextHeight)) << step;
  EXPECT_TRUE(ScrollEnding(top, kEndingTextHeight)) << "step 257";
  EXPECT_EQ(top, -kEndingTextHeight);
  EXPECT_TRUE(ScrollEnding(top, kEndingTextHeight)) << "it goes on moving";
  EXPECT_EQ(top, -kEndingTextHeight - 1);
}

}  // namespace
}  // namespace koratsu
