#include <benchmark/benchmark.h>

#include <memory>

#include "state/game_state.h"
#include "support/full_state.h"

namespace koratsu {
namespace {

void BM_ClearGameStateFull(benchmark::State& st) {
  auto state = std::make_unique<GameState>();
  StateScope scope(*state);
  for (auto _ : st) {
    st.PauseTiming();
    bench::FillToCapacity(*state, static_cast<int>(st.range(0)));
    st.ResumeTiming();
    ClearGameState();
  }
  st.counters["state_MB"] = static_cast<double>(sizeof(GameState)) / (1024.0 * 1024.0);
  st.counters["value_bytes"] = sizeof(Value);
}
// Argument: every n-th value a text (0 numbers only, 7 a text in every seventh value).
BENCHMARK(BM_ClearGameStateFull)->Arg(0)->Arg(7)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace koratsu
