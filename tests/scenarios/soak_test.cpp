// Ten game years of seeded random play from a new game, saved and loaded at
// random moments (the first games carry a serial of more episodes than the
// save file's main lines hold, until a save has carried one), with the
// game's invariants checked after every game hour:
// the work points given to works never exceed the studio's, no table passes
// its capacity, the money is its start plus every amount paid in or out, and
// the production slots hold no negative progress and, when free, no points.
// At every new game every text block alive is one the state holds, and none
// outlives the games.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/value.h"
#include "support/prepared_states.h"
#include "support/scenario.h"
#include "support/soak_player.h"
#include "support/state_texts.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

constexpr long long kYears = 10;
constexpr long long kHours = kYears * 365 * 24;
// The long serial: 週刊少年ハチマキ, 20 pages an episode, so 46 volumes and
// three episodes waiting for the next.
constexpr int kLongSerialMagazine = 1;
constexpr int kLongSerialEpisodes = 233;

// Every amount given to AddKingaku since the game started.
double paid = 0;
void Pay(const Value& amount) { paid += amount.Num(); }

template <class Table>
void CountWithin(std::vector<std::string>& breaks, const char* name, const Value& count, const Table& table,
                 long long spare = 0) {
  const long long capacity = static_cast<long long>(table.Capacity()) - spare;
  if (count.Num() < 0 || count.Num() > capacity)
    breaks.push_back(std::string(name) + " is " + count.Str() + ", beyond " + std::to_string(capacity));
}

// What is wrong with the running game now; nothing when all holds.
std::vector<std::string> InvariantBreaks(const GameState& g, double money) {
  std::vector<std::string> breaks;
  double allotted = 0;
  for (int s = 0; s < 7; ++s) {
    const Value& progress = g.SlotKanseido[s];
    const Value& points = g.ProductionSlot[s].SigotoPoint;
    allotted += points.Num();
    if (progress < 0) breaks.push_back("slot " + std::to_string(s) + " has progress " + progress.Str());
    if (!(progress > 0) && points != 0)
      breaks.push_back("free slot " + std::to_string(s) + " holds " + points.Str() + " points");
  }
  if (allotted > g.SigotoPoint.Num())
    breaks.push_back(std::to_string(allotted) + " work points given out of " + g.SigotoPoint.Str());
  if (g.Kingaku.Num() != money)
    breaks.push_back("the money is " + g.Kingaku.Str() + ", its payments make " + Value(money).Str());

  CountWithin(breaks, "ComicCount", g.ComicCount, g.ComicEntry);
  CountWithin(breaks, "ComicRankCount", g.ComicRankCount, g.ComicRanking);
  CountWithin(breaks, "MangaCount", g.MangaCount, g.MangaWork);
  CountWithin(breaks, "MangaListCount", g.MangaListCount, g.MangaListIndex);
  CountWithin(breaks, "AsiCount", g.AsiCount, g.Assistant);
  CountWithin(breaks, "AsiListCount", g.AsiListCount, g.AsiList);
  CountWithin(breaks, "PollArtistCount", g.PollArtistCount, g.PollArtist, 1);
  CountWithin(breaks, "AssetRankCount", g.AssetRankCount, g.AssetRankEntry);
  CountWithin(breaks, "NovelCount", g.NovelCount, g.Novel);
  CountWithin(breaks, "OtherMangaCount", g.OtherMangaCount, g.OtherManga);
  CountWithin(breaks, "TiItemCount", g.TiItemCount, g.KnowledgeItem);
  CountWithin(breaks, "CandidateCount", g.CandidateCount, g.SettingCandidate);
  CountWithin(breaks, "MagazineCount", g.MagazineCount, g.Magazine);
  CountWithin(breaks, "ResultLineCount", g.ResultLineCount, g.ResultLine);
  CountWithin(breaks, "TalkLineCount", g.TalkLineCount, g.TalkLines);
  CountWithin(breaks, "LevelUpLineCount", g.LevelUpLineCount, g.LevelUpLines);
  CountWithin(breaks, "TutorialLineCount", g.TutorialLineCount, g.TutorialLines);
  CountWithin(breaks, "TiListCount", g.TiListCount, g.TiList);
  CountWithin(breaks, "FigureCount", g.FigureCount, g.Figure);
  CountWithin(breaks, "RoomItemSpriteCount", g.RoomItemSpriteCount, g.RoomItem);
  const long long volumeRows = static_cast<long long>(decltype(g.ComicsVolume)::kCapacity);
  for (long long w = 0; w < g.MangaCount.Index() && w < volumeRows; ++w) {
    const rec::MangaWork& work = g.MangaWork[w];
    CountWithin(breaks, "Volumes", work.Volumes, g.ComicsVolume[w], 1);
    CountWithin(breaks, "SerialEpisodes", work.SerialEpisodes, work.EpisodeVolume, 1);
  }
  return breaks;
}

class SoakTest : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(SoakTest, TenGameYearsOfRandomPlayKeepEveryInvariantAtEveryHour) {
  const std::uint64_t seed = GetParam();
  const std::size_t textsBefore = LiveTextBlocks();
  auto scenario = std::make_unique<Scenario>(ScenarioStart{.seed = seed});
  Scenario& s = *scenario;
  SoakPlayer player(s, {.seed = seed});
  double start = 0;
  std::vector<std::string> breaks;
  SoakPlayer::Hooks hooks;
  hooks.newGame = [&] {
    start = s.g.Kingaku.Num();
    paid = 0;
    // Cleared and set up again: the last game's texts have gone with it.
    const auto alive = static_cast<long long>(LiveTextBlocks() - textsBefore);
    const auto held = static_cast<long long>(TextBlocksHeld(s.g));
    if (alive != held && breaks.size() < 20)
      breaks.push_back(std::to_string(alive - held) + " text blocks alive that the state does not hold (game " +
                       std::to_string(player.games) + ")");
    // The tutorial offers no saving.
    if (player.extendedSaves == 0 && !TutorialRunning()) OngoingSerial(kLongSerialMagazine, kLongSerialEpisodes);
  };
  hooks.everyHour = [&] {
    for (const std::string& b : InvariantBreaks(s.g, start + paid)) {
      if (breaks.size() < 20)
        breaks.push_back(b + " (game " + std::to_string(player.games) + ", hour " + std::to_string(player.hours) + ")");
    }
  };
  ObserveAddKingaku(&Pay);
  player.Play(kHours, hooks);
  ObserveAddKingaku(nullptr);

  EXPECT_EQ(breaks, std::vector<std::string>{});
  EXPECT_EQ(player.Problems(), std::vector<std::string>{});
  EXPECT_GT(player.saves, 0);
  EXPECT_GT(player.extendedSaves, 0) << "no save carried the long serial";
  std::string unknown;
  for (int form : s.windows.UnknownWindows())
    if (unknown.find(form::Name(form)) == std::string::npos) unknown += " " + form::Name(form);
  std::cout << "seed " << seed << ": " << player.hours << " game hours, " << player.events << " timer events, "
            << player.games << " games, " << player.saves << " saves and loads (" << player.extendedSaves
            << " with a long serial), " << player.commands
            << " commands; windows not played:" << unknown << "; ends:";
  for (const auto& [end, count] : player.ends) std::cout << " " << end << " ×" << count;
  std::cout << "\n";

  scenario.reset();
  EXPECT_EQ(LiveTextBlocks(), textsBefore) << "text blocks that outlived the games";
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakTest, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace koratsu::testing
