#include "shell/clock_timer.h"

#include "clock/tick.h"
#include "shell/tutorial.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/time_text.h"
#include "ui/tutorial_stages.h"

namespace koratsu::shell {

namespace {

constexpr int kStatusCycle = 20;

}  // namespace

std::optional<int> ClockInterval(const Value& speed) {
  if (speed == 1) return 10;
  if (speed == 2) return 30;
  if (speed == 3) return 60;
  return std::nullopt;
}

std::string DateCaption() {
  const GameState& g = State();
  const char* tutorialMark = g.TutorialStage == tutorial_stage::kNewGame ? " ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ" : "";
  return Join(g.AppTitle, tutorialMark, " ", g.GameYear, "年", g.GameMonth, "月", g.GameDay, "日",
              WeekdayName(g.GameWeekday), HalfDayHour(g.GameHour), "時", g.GameMinute, "分");
}

ClockTimer::ClockTimer(Tick tick) { SetTick(tick); }

void ClockTimer::SetTick(Tick tick) { tick_ = tick ? tick : &GameTick; }

bool ClockTimer::Event(MainScreen& screen) {
  if (running_) return false;
  running_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{running_};

  GameState& g = State();

  // The status line takes a new text at the first event of each cycle of 20.
  g.StatusBarTick += 1;
  if (g.StatusBarTick == 1) screen.SetStatusLine(g.StatusBarText.Str());
  if (g.StatusBarTick == kStatusCycle && g.KoudouShown == 1) {
    g.StatusBarText = "";
    g.StatusBarTick = 0;
  }
  if (g.StatusBarTick == kStatusCycle && g.KoudouShown == 0) {
    g.StatusBarText = "指示待ち";
    g.StatusBarTick = 0;
  }

  // One draw per event keeps the random sequence moving with real time.
  Rnd();

  tick_();
  // A game that ended inside the tick has put the title screen in place.
  if (State().GameActive != 1) return true;
  GameState& now = State();  // a window inside the tick may have replaced the game

  if (now.CaptionRefresh == 1) {
    now.CaptionRefresh = 0;
    screen.SetCaption(DateCaption());
  }

  if (TutorialEndDue()) {
    ShowTutorialEnd();
    // Its button ended the tutorial game and put the title screen up.
    if (State().GameActive != 1) return true;
  }

  if (State().ResumeRequest == 1) {
    State().ResumeRequest = 0;
    screen.BringToFront();
  }
  return true;
}

}  // namespace koratsu::shell
