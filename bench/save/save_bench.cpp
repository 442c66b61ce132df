#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "save/reader.h"
#include "save/writer.h"
#include "state/game_state.h"
#include "support/late_game.h"

namespace koratsu {
namespace {

std::string BenchPath() { return (std::filesystem::temp_directory_path() / "koratsu_save_bench.krt").string(); }

// Argument: the comics volumes (and serial episodes) of each of 600 works.
void BM_SaveLateGame(benchmark::State& st) {
  auto g = std::make_unique<GameState>();
  bench::FillLateGame(*g, 600, static_cast<int>(st.range(0)));
  std::string path = BenchPath();
  for (auto _ : st) {
    save::Result written = save::WriteSaveFile(*g, path);
    if (!written) st.SkipWithError(written.error.c_str());
  }
  st.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveLateGame)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_LoadLateGame(benchmark::State& st) {
  auto saved = std::make_unique<GameState>();
  bench::FillLateGame(*saved, 600, static_cast<int>(st.range(0)));
  std::string path = BenchPath();
  if (!save::WriteSaveFile(*saved, path)) st.SkipWithError("cannot write the file");
  auto target = std::make_unique<GameState>();
  for (auto _ : st) {
    // As the load reads: into a game that is dropped if the file fails.
    save::Result read = save::ReadSaveFile(*target, path, save::OnFailure::kLeave);
    if (!read) st.SkipWithError(read.error.c_str());
  }
  st.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadLateGame)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

// The parts of a load and a save without the disk.
void BM_SaveFileBytes(benchmark::State& st) {
  auto g = std::make_unique<GameState>();
  bench::FillLateGame(*g, 600, 200);
  std::string bytes;
  for (auto _ : st) benchmark::DoNotOptimize(save::SaveFileBytes(*g, bytes));
  st.counters["lines"] = 0;
  for (char c : bytes) st.counters["lines"] += c == '\n';
}
BENCHMARK(BM_SaveFileBytes)->Unit(benchmark::kMillisecond);

// Argument 0: a read that can be taken back; 1: into a state that is dropped
// on failure, as a load reads into its fresh game.
void BM_ReadSaveFileBytes(benchmark::State& st) {
  auto saved = std::make_unique<GameState>();
  bench::FillLateGame(*saved, 600, 200);
  std::string bytes;
  save::SaveFileBytes(*saved, bytes);
  auto target = std::make_unique<GameState>();
  save::OnFailure onFailure = st.range(0) == 0 ? save::OnFailure::kTakeBack : save::OnFailure::kLeave;
  for (auto _ : st) benchmark::DoNotOptimize(save::ReadSaveFileBytes(*target, bytes, onFailure));
}
BENCHMARK(BM_ReadSaveFileBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole state copied and moved back: a read that can be taken back keeps
// a journal of what it replaced instead, and this is what it saves.
void BM_CopyAndMoveState(benchmark::State& st) {
  auto g = std::make_unique<GameState>();
  bench::FillLateGame(*g, 600, 200);
  for (auto _ : st) {
    auto copy = std::make_unique<GameState>(*g);
    *g = std::move(*copy);
  }
}
BENCHMARK(BM_CopyAndMoveState)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace koratsu
