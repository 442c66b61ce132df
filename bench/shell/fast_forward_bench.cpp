// One game year fast-forwarded without a screen, the player making the soak's
// seeded random choices at every window, the game drawing from its own
// generator: from a new game, and in a heavy late game (600 works of 200
// volumes each, a full comics market).

#include <benchmark/benchmark.h>

#include <memory>

#include "support/late_game.h"
#include "support/scenario.h"
#include "support/soak_player.h"

namespace koratsu {
namespace {

constexpr long long kYear = 365 * 24;

void FastForwardAYear(benchmark::State& st, bool heavy) {
  for (auto _ : st) {
    st.PauseTiming();
    auto scenario = std::make_unique<testing::Scenario>(testing::ScenarioStart{.seed = 5, .builtInGenerator = true});
    testing::SoakPlayer player(*scenario, {.seed = 5, .saveOdds = 0});
    testing::SoakPlayer::Hooks hooks;
    // A game that ends is followed by another as heavy.
    if (heavy) hooks.newGame = [&] { bench::FillLateGame(scenario->g, 600, 200); };
    st.ResumeTiming();
    player.Play(kYear, hooks);
    st.counters["events"] = static_cast<double>(player.events);
    st.counters["games"] = static_cast<double>(player.games);
    st.PauseTiming();
    scenario.reset();
    st.ResumeTiming();
  }
}

void BM_FastForwardAYearFromANewGame(benchmark::State& st) { FastForwardAYear(st, false); }
BENCHMARK(BM_FastForwardAYearFromANewGame)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FastForwardAYearInAHeavyGame(benchmark::State& st) { FastForwardAYear(st, true); }
BENCHMARK(BM_FastForwardAYearInAHeavyGame)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace koratsu
