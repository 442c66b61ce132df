// The daily merchandise draw of a work.

#include <gtest/gtest.h>

#include "publishing/merchandise.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"

namespace koratsu {
namespace {

class MerchandiseTest : public ::testing::Test {
 protected:
  MerchandiseTest() : g(fresh.g()) { SetRandomSource(&random); }
  ~MerchandiseTest() override { SetRandomSource(nullptr); }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedRandom random;
};

TEST_F(MerchandiseTest, OnlyASerialGetsAnOfferOfAKindNotYetAccepted) {
  const struct {
    int state, anime, accepted, kind, range, chance;
    bool offered;
  } cases[] = {
      {7, 0, -1, 0, 100, 0, true},   // off the air: 1 in 100 per kind
      {8, 1, -1, 3, 50, 0, true},    // on the air: 1 in 50
      {7, 1, -1, 4, 100, 0, true},   // the bank, on the air
      {7, 0, -1, 4, 200, 0, false},  // the bank never without the anime
      {7, 2, -1, 4, 200, 0, false},  // nor once it has ended
      {7, 0, -1, 2, 100, 1, false},
      {7, 1, 1, 1, 50, 0, false},    // accepted once, never again
      {7, 1, 0, 1, 50, 0, true},     // another kind's acceptance does not count
      {9, 1, -1, 0, 50, 0, false},   // not a serial
      {1, 0, -1, 0, 100, 0, false},
  };
  for (const auto& c : cases) {
    g.EditorEvent[0] = {};
    rec::MangaWork& w = g.MangaWork[3];
    w = {};
    w.State = c.state;
    w.AnimeState = c.anime;
    if (c.accepted >= 0) w.MerchAccepted[c.accepted] = 1;
    random.Expect(5, c.kind).Expect(c.range, c.chance);
    DrawMerchandiseOffer(3);
    EXPECT_EQ(g.EditorEvent[0].Code, c.offered ? 13 : 0) << c.state << " " << c.anime << " " << c.kind;
    if (c.offered) {
      EXPECT_EQ(g.EditorEvent[0].Delay, 0);
      EXPECT_EQ(g.EditorEvent[0].Target, 3);
      EXPECT_EQ(g.EditorEvent[0].Manga, c.kind);
    }
  }
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(MerchandiseTest, TheChanceIsTakenInSinglePrecision) {
  g.MangaWork[0].State = 7;
  g.MangaWork[0].AnimeState = 1;
  // Just below 1/50, Rnd × 50 floors to 0 in double precision but rounds
  // to 1 in single precision: no offer.
  random.Any(1, 0.1).Any(1, 0.02 - 1e-12);
  DrawMerchandiseOffer(0);
  EXPECT_EQ(g.EditorEvent[0].Code, 0);
  random.Any(1, 0.1).Any(1, 0.0199);
  DrawMerchandiseOffer(0);
  EXPECT_EQ(g.EditorEvent[0].Code, 13);
}

}  // namespace
}  // namespace koratsu
