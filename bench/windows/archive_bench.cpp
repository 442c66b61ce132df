// The windows' benchmarks, run offscreen.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include <QApplication>

#include "platform/app_setup.h"
#include "platform/form.h"
#include "production/windows/archive_window.h"
#include "shell/windows/qt_ui.h"
#include "state/game_state.h"
#include "support/late_game.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

// The archive open on the last work of a late game: a serial with 500
// volumes, its rows already made.
class OpenArchive {
 public:
  OpenArchive() : state_(std::make_unique<GameState>()), scope_(*state_), previous_(ui::Installed()) {
    ui::Install(&ui_);
    bench::FillLateGame(*state_, 600, 500);
    ui::Show(form::kArchive, ui::Modeless);
    archive_ = platform::Forms().Find<Form11>(form::kArchive);
    archive_->Timer1->stop();
    archive_->List1->setCurrentRow(599);
    QApplication::processEvents();
  }
  ~OpenArchive() {
    platform::Forms().UnloadAll();
    QApplication::processEvents();
    ui::Install(previous_);
  }
  GameState& g() { return *state_; }
  Form11& archive() { return *archive_; }

 private:
  std::unique_ptr<GameState> state_;
  StateScope scope_;
  QtUi ui_;
  ui::Ui* previous_;
  Form11* archive_ = nullptr;
};

// An hour's sales of every volume, then the archive's timer event that shows
// them; with `paint`, also the window painted at once.
void RedrawAfterSales(benchmark::State& st, bool paint) {
  OpenArchive open;
  GameState& g = open.g();
  rec::MangaWork& work = g.MangaWork[599];
  for (auto _ : st) {
    for (int v = 0; v < 500; ++v) {
      rec::ComicsVolume& volume = g.ComicsVolume[599][v];
      volume.Sold += 7;
      volume.Printed -= 7;
    }
    work.TotalSold += 3500;
    g.FormSlot[form::kArchive].Redraw = 1;
    open.archive().Timer1_Timer();
    if (paint) open.archive().repaint();
  }
  if (open.archive().Label6.size() != 500) st.SkipWithError("the volume rows were not made");
}

void BM_ArchiveSerialRedraw(benchmark::State& st) { RedrawAfterSales(st, false); }
BENCHMARK(BM_ArchiveSerialRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ArchiveSerialRedrawPainted(benchmark::State& st) { RedrawAfterSales(st, true); }
BENCHMARK(BM_ArchiveSerialRedrawPainted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace koratsu

int main(int argc, char** argv) {
  // Windows are measured offscreen, with no display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  koratsu::platform::SetUpApplication(app);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
