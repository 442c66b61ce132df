// The monthly poll: the player's weight, the votes, the ranking and its top five.

#include <gtest/gtest.h>

#include <set>

#include "publishing/poll.h"
#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"

namespace koratsu {
namespace {

class PollTest : public ::testing::Test {
 protected:
  PollTest() : g(fresh.g()) {
    AddPollArtists();
    g.PlayerSei = "山田";
    g.PlayerMei = "太郎";
    g.PlayerPopularity = 3;
  }
  ~PollTest() override { SetRandomSource(nullptr); }

  testing::FreshState fresh;
  GameState& g;
};

TEST_F(PollTest, ThePlayersWeightIsFiveAPointUpTo80) {
  const struct {
    double popularity, weight;
  } cases[] = {{3, 15}, {0, 0}, {7.5, 37.5}, {15.5, 77.5}, {16, 80}, {40, 80}};
  for (const auto& c : cases) {
    testing::CountingRandom random;
    SetRandomSource(&random);
    g.PlayerPopularity = c.popularity;
    HoldPoll();
    EXPECT_EQ(g.PollArtist[0].Popularity, c.weight) << c.popularity;
  }
}

TEST_F(PollTest, ASeededPollShowsFiveArtistsWithVotesFallingDownwards) {
  for (std::uint64_t seed : {1u, 7u, 2024u}) {
    testing::CountingRandom random(seed);
    SetRandomSource(&random);
    HoldPoll();
    ASSERT_EQ(random.Count(), 2003u) << "a discarded draw, then two for every vote";
    EXPECT_EQ(random.ranges[0], 0);
    EXPECT_EQ(random.ranges[1], 16);
    EXPECT_EQ(random.ranges[2], 100);

    double total = 0;
    for (long long i = 0; i < g.PollArtistCount.Index(); ++i) total += g.PollVotes[i].Num();
    EXPECT_LE(total, 1001);
    EXPECT_GT(total, 0);

    const std::vector<PollPlace> top = PollTopFive();
    ASSERT_EQ(top.size(), 5u);
    std::set<std::string> names;
    for (std::size_t k = 0; k < top.size(); ++k) {
      names.insert(top[k].name);
      EXPECT_EQ(top[k].player, top[k].name == "山田 太郎") << seed;
      if (k > 0) {
        EXPECT_GE(g.PollRanking[k - 1].Votes, g.PollRanking[k].Votes) << seed;
      }
      EXPECT_EQ(top[k].votes, g.PollRanking[k].Votes.Str() + "票");
    }
    EXPECT_EQ(names.size(), 5u) << seed;
  }
}

TEST_F(PollTest, ThePlayerWinsTiesAndOthersTiesGoToTheLowerRow) {
  // Counted votes (the second draw 0): row 9 before row 2, row 5 before the
  // player; every other vote is drawn at 99, which no chance lets count.
  const long counted[] = {9, 5, 4, 0, 2, 9, 5, 0, 2, 5, 0};
  testing::ScriptedRandom random;
  random.ExpectRnd(0.5);
  for (long artist : counted) random.Expect(16, artist).Expect(100, 0);
  for (int n = std::size(counted); n < kPollVotes; ++n) random.Expect(16, n % 16).Expect(100, 99);
  SetRandomSource(&random);
  HoldPoll();
  EXPECT_EQ(random.Remaining(), 0u);

  const std::vector<PollPlace> top = PollTopFive();
  ASSERT_EQ(top.size(), 5u);
  const struct {
    const char* name;
    const char* votes;
    bool player;
  } expected[] = {
      {"山田 太郎", "3票", true}, {"丸井 ごろう", "3票", false}, {"竹中 ポン太", "2票", false},
      {"霧島 ヨウ", "2票", false}, {"あおい 夏彦", "1票", false},
  };
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(top[k].name, expected[k].name) << k;
    EXPECT_EQ(top[k].votes, expected[k].votes) << k;
    EXPECT_EQ(top[k].player, expected[k].player) << k;
  }
}

TEST_F(PollTest, APlayerWithoutWeightIsNotAmongTheFive) {
  testing::CountingRandom random(3);
  SetRandomSource(&random);
  g.PlayerPopularity = 0;
  HoldPoll();
  EXPECT_EQ(g.PollVotes[0], 0);
  for (const PollPlace& place : PollTopFive()) EXPECT_FALSE(place.player) << place.name;
}

}  // namespace
}  // namespace koratsu
