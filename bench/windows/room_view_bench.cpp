// The room view left alone for a minute: the studio as a new game sets it up,
// no activity under way, so that nothing in the room moves.

#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QTimer>

#include "platform/form.h"
#include "roomview/walking.h"
#include "roomview/windows/room_view_window.h"
#include "shell/windows/qt_ui.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

constexpr int kFramesAMinute = 60 * 1000 / 30;

// Every timer event of an idle minute, each followed by whatever painting it
// asked for.
void BM_RoomViewIdleMinute(benchmark::State& st) {
  auto state = std::make_unique<GameState>();
  StateScope scope(*state);
  QtUi ui;
  ui::Ui* previous = ui::Installed();
  ui::Install(&ui);
  ClearGameState();
  shell::InitWorld();
  state->LifeStatus = 2;
  MoveFigures();
  ui::Show(form::kRoomView, ui::Modeless);
  Form1* view = platform::Forms().Find<Form1>(form::kRoomView);
  view->Timer1->stop();
  QApplication::processEvents();
  for (auto _ : st) {
    for (int frame = 0; frame < kFramesAMinute; ++frame) {
      view->Timer1_Timer();
      QApplication::processEvents();
    }
  }
  platform::Forms().UnloadAll();
  QApplication::processEvents();
  ui::Install(previous);
}
BENCHMARK(BM_RoomViewIdleMinute)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace koratsu
