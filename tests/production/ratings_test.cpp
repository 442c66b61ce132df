#include "production/ratings.h"

#include <gtest/gtest.h>

#include <array>

#include "production/production_fixture.h"

namespace koratsu::testing {
namespace {

class RateMangaTest : public ProductionTest {
 protected:
  void Abilities(int drawing, int culture, int ideas, int creativity, int intelligence) {
    g.Garyoku = drawing;
    g.Kyouyou = culture;
    g.Hassouryoku = ideas;
    g.Souzouryoku = creativity;
    g.Tinou = intelligence;
  }
  // The draws of one call: the discarded one, the bonus, the luck.
  void ScriptDraws(long bonus, long luck) { random.ExpectRnd(0.3).Expect(3, bonus).Expect(12, luck); }
  std::array<int, 6> Ratings(int slot) const {
    std::array<int, 6> out{};
    for (int i = 0; i < 6; ++i) out[static_cast<size_t>(i)] = static_cast<int>(g.ProductionSlot[slot].Rating[i].Num());
    return out;
  }
};

TEST_F(RateMangaTest, RatingsComeFromTheAbilitiesAndTheBonusRaisesEachByOne) {
  struct Case {
    int drawing, culture, ideas, creativity, intelligence;
    long bonusDraw;
    std::array<int, 6> ratings;
  } cases[] = {
      // Rating 1 is Int(16 / 4 / 32) = 0 without settings.
      {4, 4, 4, 4, 4, 0, {1, 0, 1, 1, 1, 1}},
      {4, 4, 4, 4, 4, 1, {2, 1, 2, 2, 2, 2}},
      {4, 4, 4, 4, 4, 2, {1, 0, 1, 1, 1, 1}},  // only a draw of 1 is a bonus
      // Drawing 36 is 9 with or without the bonus; 32 is 8, or 9 with it.
      {36, 0, 0, 0, 0, 0, {9, 0, 0, 0, 3, 4}},
      {36, 0, 0, 0, 0, 1, {9, 1, 1, 1, 4, 5}},
      {32, 0, 0, 0, 0, 0, {8, 0, 0, 0, 2, 4}},
      {32, 0, 0, 0, 0, 1, {9, 1, 1, 1, 3, 5}},
      {99, 99, 99, 99, 99, 1, {9, 4, 9, 9, 9, 9}},  // capped at 9
  };
  for (const Case& c : cases) {
    Abilities(c.drawing, c.culture, c.ideas, c.creativity, c.intelligence);
    ScriptDraws(c.bonusDraw, 3);
    RateManga(4, 0, 0, 0);
    EXPECT_EQ(Ratings(4), c.ratings) << "drawing " << c.drawing << ", bonus draw " << c.bonusDraw;
    EXPECT_EQ(random.Remaining(), 0u) << "three draws per call";
  }
}

TEST_F(RateMangaTest, TheQualityWeighsTheSettingsByTheRatingsOverFiveAndAddsPopularityAndLuck) {
  // Ratings 5, 6, 5, 5, 4, 5: their sum is 30.
  Abilities(20, 16, 20, 20, 0);
  ScriptDraws(0, 5);
  EXPECT_EQ(RateManga(0, 30, 30, 30), 15 * 6 + 3 + 5);
  EXPECT_EQ(Ratings(0), (std::array<int, 6>{5, 6, 5, 5, 4, 5}));
  ScriptDraws(0, 0);  // a luck draw of 0 counts 50
  EXPECT_EQ(RateManga(0, 30, 30, 30), 93 + 50);

  // Without settings only popularity and luck remain, with its fractions.
  g.PlayerPopularity = 4.5;
  ScriptDraws(1, 11);
  EXPECT_EQ(RateManga(0, 0, 0, 0), 15.5);
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST(RatingMarkTest, BlanksTrianglesCirclesAndTheDoubleCircle) {
  const char* const marks[] = {"  ", "  ", "  ", "  ", "△", "△", "○", "○", "○", "◎"};
  for (int rating = 0; rating <= 9; ++rating) EXPECT_EQ(RatingMark(rating), marks[rating]) << rating;
}

}  // namespace
}  // namespace koratsu::testing
