// A heavy late game played through the main window's clock timer, event by
// event, for a game week: 600 works of 200 volumes each, a full comics
// market of 257 rows, 40 editor events queued, six works in progress, an
// anime on the air and a movie in its run. Each event is timed on its own;
// the counters give the median event, the heaviest event, and the heaviest
// game hour (every event of that hour together).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

#include "shell/clock_timer.h"
#include "shell/world_setup.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/late_game.h"
#include "support/quiet_screen.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

constexpr int kWorks = 600;
constexpr int kVolumes = 200;
constexpr int kQueued = 40;
constexpr long long kWeek = 7 * 24;

// Every window the week's events open is closed at once.
class ClosingUi : public ui::Ui {};

class HeavyGame {
 public:
  HeavyGame() {
    GameState& g = fresh_.g();
    ClearGameState();
    shell::InitWorld();
    bench::FillLateGame(g, kWorks, kVolumes);
    g.GameActive = 1;
    g.GameYear = 1978;
    g.GameMonth = 6;
    g.GameDay = 20;
    g.GameWeekday = 1;
    g.GameHour = 9;
    g.GameMinute = 0;
    g.Stamina = 1e9;
    g.StaminaMax = 1e9;
    bench::WorkOnSixWorks(g);
    rec::MangaWork& anime = g.MangaWork[0];
    anime.AnimeState = 1;
    anime.AnimeWeekday = 3;
    anime.AnimeEpisode = 12;
    rec::MangaWork& movie = g.MangaWork[1];
    movie.AnimeState = 2;
    movie.MovieOn = 1;
    movie.MovieDay = 4;
    // Far enough away that none falls due within the week.
    for (int e = 0; e < kQueued; ++e)
      QueueEditorEvent(event_code::kFairlyPopular, 30 + e, {.Manga = g.MangaWork[e].Title});
    ui::Install(&ui_);
  }
  ~HeavyGame() { ui::Install(nullptr); }
  GameState& g() { return fresh_.g(); }

 private:
  testing::FreshState fresh_;
  ClosingUi ui_;
};

void BM_HeavyGameWeekOfTimerEvents(benchmark::State& st) {
  std::vector<double> events;
  double heaviestHour = 0;
  for (auto _ : st) {
    st.PauseTiming();
    HeavyGame game;
    GameState& g = game.g();
    bench::QuietScreen screen;
    shell::ClockTimer timer;
    std::map<long long, double> hours;
    long long hour = 0;
    st.ResumeTiming();
    while (hour < kWeek && g.GameActive == 1) {
      const int before = static_cast<int>(g.GameHour.Num());
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(timer.Event(screen));
      const double took = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
      events.push_back(took);
      hours[hour] += took;
      if (static_cast<int>(g.GameHour.Num()) != before) ++hour;
    }
    st.PauseTiming();
    if (g.GameActive != 1) st.SkipWithError("the game ended within the week");
    for (const auto& [h, took] : hours) heaviestHour = std::max(heaviestHour, took);
    st.ResumeTiming();
  }
  std::sort(events.begin(), events.end());
  st.counters["events"] = static_cast<double>(events.size());
  st.counters["median_us"] = events.empty() ? 0 : events[events.size() / 2];
  st.counters["heaviest_event_us"] = events.empty() ? 0 : events.back();
  st.counters["heaviest_hour_us"] = heaviestHour;
}
BENCHMARK(BM_HeavyGameWeekOfTimerEvents)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace koratsu
