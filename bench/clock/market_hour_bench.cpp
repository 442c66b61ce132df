#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "clock/phases.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/late_game.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

// The player closes every conversation at once.
class ClosingUi : public ui::Ui {
 public:
  void ShowTalk(const std::string&) override { CloseTalk(); }
};

// A heavy late game at 20:00: 600 works of 200 volumes, every volume still
// selling, a full market of 257 rival series and 100 people in the asset
// ranking. Each hour starts from the same rates and stocks. Brisk, the
// volumes sell at rates of 20 to 199 instead of the late game's 1 to 3, so
// that most hours' sales are halved below the cap.
class HeavyMarket {
 public:
  explicit HeavyMarket(bool brisk = false) : state_(std::make_unique<GameState>()), scope_(*state_) {
    GameState& g = *state_;
    ClearGameState();
    shell::InitWorld();
    bench::FillLateGame(g, 600, 200);
    g.GameHour = 20;
    g.LifeStatus = 2;
    for (int c = 0; c < 257; ++c) {
      g.ComicEntry[c].SalesPower = 100 + c % 200;
      g.ComicEntry[c].Popularity = 30;
    }
    for (int w = 0; w < 600; ++w) {
      g.MangaWork[w].Magazine = w % 10;
      for (int v = 0; v < 200; ++v) {
        rec::ComicsVolume& volume = g.ComicsVolume[w][v];
        if (brisk) volume.SalesRate = 20 + (w + v) % 180;
        rates_.push_back(volume.SalesRate);
        printed_.push_back(volume.Printed);
      }
    }
    ui::Install(&ui_);
  }
  ~HeavyMarket() { ui::Install(nullptr); }

  void Restore() {
    GameState& g = *state_;
    size_t i = 0;
    for (int w = 0; w < 600; ++w)
      for (int v = 0; v < 200; ++v, ++i) {
        g.ComicsVolume[w][v].SalesRate = rates_[i];
        g.ComicsVolume[w][v].Printed = printed_[i];
      }
  }

 private:
  std::unique_ptr<GameState> state_;
  StateScope scope_;
  ClosingUi ui_;
  std::vector<Value> rates_, printed_;
};

// The hour's market phases at 20:00: the asset drift and the comics table,
// the sales of 120,000 volumes, and the evening's rankings.
void BM_MarketHourAt20(benchmark::State& st) {
  HeavyMarket game;
  for (auto _ : st) {
    st.PauseTiming();
    game.Restore();
    st.ResumeTiming();
    AssetDriftAndComicsTable();
    ComicsSales();
    SortRankings();
  }
}
BENCHMARK(BM_MarketHourAt20)->Unit(benchmark::kMillisecond);

// The same hour with every volume selling briskly.
void BM_MarketHourAt20Brisk(benchmark::State& st) {
  HeavyMarket game(true);
  for (auto _ : st) {
    st.PauseTiming();
    game.Restore();
    st.ResumeTiming();
    AssetDriftAndComicsTable();
    ComicsSales();
    SortRankings();
  }
}
BENCHMARK(BM_MarketHourAt20Brisk)->Unit(benchmark::kMillisecond);

// The 15:00 popularity events of the brisk game, apart.
void BM_PopularityEventsAt15(benchmark::State& st) {
  HeavyMarket game(true);
  for (auto _ : st) {
    st.PauseTiming();
    game.Restore();
    st.ResumeTiming();
    PopularityEvents();
  }
}
BENCHMARK(BM_PopularityEventsAt15)->Unit(benchmark::kMicrosecond);

// The floor under any hour of that game: the two draws the sales make for
// each of its 120,000 volumes, and nothing else.
void BM_TheSalesDrawsAloneOfAnHour(benchmark::State& st) {
  BuiltInDraws draws;
  for (auto _ : st) {
    long hits = 0;
    for (int v = 0; v < 600 * 200; ++v) hits += draws.Coin() + draws.IntIsZero(30);
    benchmark::DoNotOptimize(hits);
  }
}
BENCHMARK(BM_TheSalesDrawsAloneOfAnHour)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace koratsu
