#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "clock/phases.h"
#include "publishing/poll.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "support/late_game.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

// The player closes every window at once; the poll window holds its poll
// as it opens, as the real one does.
class ClosingUi : public ui::Ui {
 public:
  void ShowMessage(const std::string&) override {}
  int AskYesNo(const std::string&) override { return 7; }
  void ShowSystemWarning(const std::string&) override {}
  void ShowTalk(const std::string&) override { CloseTalk(); }
  void Show(int form, int) override {
    if (form == form::kPoll) HoldPoll();
  }
  void Unload(int) override {}
  bool IsLoaded(int) override { return false; }
  void CallForm(int, std::string_view) override {}
  void SetControlText(int, std::string_view, const std::string&) override {}
  void SetClockRunning(bool) override {}
  void GameSpeedChange() override {}
  void ChangeKoukaon() override {}
  void ChangeKingaku() override {}
  void ChangeToolStyle() override {}
  void PlaySound(int) override {}
  std::optional<std::string> ChooseSaveFile(const ui::FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseOpenFile(const ui::FileDialogRequest&) override { return {}; }
  void ShowHelp() override {}
  void OpenWebPage(const std::string&) override {}
};

// A late game (600 serials with 200 volumes each) on the 27th at midnight:
// 60 events queued, six works in production (two serial episodes due
// tomorrow), ten anime on the air and five movies counting down.
class LateMidnight {
 public:
  LateMidnight() : state_(std::make_unique<GameState>()), scope_(*state_) {
    GameState& g = *state_;
    ClearGameState();
    shell::InitWorld();
    bench::FillLateGame(g, 600, 200);
    g.PlayerPopularity = 9;
    g.Equipment[0].Owned = 1;
    for (int i = 0; i < 60; ++i) g.EditorEvent[i] = {i % 9, 2 + i % 15, i, 1, i, i % 6};
    queue_ = g.EditorEvent;
    ui::Install(&ui_);
  }
  ~LateMidnight() { ui::Install(nullptr); }

  // The day and everything a new day changes, as they were.
  void Reset() {
    GameState& g = *state_;
    g.GameYear = 1974;
    g.GameMonth = 4;
    g.GameDay = 27;
    g.GameWeekday = 3;
    g.GameHour = 24;
    g.EditorEvent = queue_;
    for (int s = 0; s <= 5; ++s) {
      g.SlotKanseido[s] = 40 + s;
      g.ProductionSlot[s].Kind = s < 2 ? 6 : 0;
      g.ProductionSlot[s].DaysLeft = s < 2 ? 1 : 5;
    }
    for (int w = 0; w < 10; ++w) {
      g.MangaWork[w].AnimeState = 1;
      g.MangaWork[w].AnimeStartDays = 1 + w % 7;
    }
    for (int w = 10; w < 15; ++w) {
      g.MangaWork[w].MovieOn = 1;
      g.MangaWork[w].MovieStartDays = w - 10;
      g.MangaWork[w].MovieDay = w - 10;
    }
  }

 private:
  std::unique_ptr<GameState> state_;
  StateScope scope_;
  ClosingUi ui_;
  decltype(GameState::EditorEvent) queue_;
};

// The new day of a 28th: the countdown, the poll, the slots, every work's
// offers and countdowns, and the calendar.
void BM_NewDayOfThe28th(benchmark::State& st) {
  LateMidnight game;
  for (auto _ : st) {
    game.Reset();
    NewDay();
  }
}
BENCHMARK(BM_NewDayOfThe28th)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace koratsu
