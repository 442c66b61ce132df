#include "production/sukezyuru.h"

#include "production/slots.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

// SubTick Mod ScheduleEvery = 0; only 0 is a multiple of 0.
bool IsMultiple(const Value& count, const Value& divisor) {
  const long long d = divisor.Index();
  const long long n = count.Index();
  return d == 0 ? n == 0 : n % d == 0;
}

// Whether the pattern has the player up at `hour` (the midnight hour is 24);
// -1 for an unknown pattern.
int AwakeAt(const Value& pattern, const Value& hour) {
  if (pattern == 1) return hour >= 11 && hour <= 18;
  if (pattern == 2) return hour >= 9 && hour <= 22;
  if (pattern == 3) return hour <= 4 || hour >= 10;
  return -1;
}

}  // namespace

void SetSukezyuruHours(const Value& which) {
  GameState& g = State();
  const Value& pattern = which == 0 ? g.SukezyuruType : g.SukezyuruTypeEdit;
  if (pattern == 1) {
    g.SukezyuruHours = 8;
  } else if (pattern == 2) {
    g.SukezyuruHours = 14;
  } else if (pattern == 3) {
    g.SukezyuruHours = 19;
  }
}

void SukezyuruCheck() {
  GameState& g = State();
  g.Awake = 0;
  // In the tick SubTick is 0 here; the work window may call in between steps,
  // and then only the pace below changes.
  if (IsMultiple(g.SubTick, g.ScheduleEvery)) {
    const int busy = BusySlots();
    g.BusySlotCount = busy;

    const int awake = AwakeAt(g.SukezyuruType, g.GameHour);
    if (awake == 1 && busy > 0) {
      g.StatusText = "仕事中";
      g.StatusDetail = "仕事をしています";
      g.LifeStatus = 2;
      g.Awake = 1;
    } else if (awake == 1) {
      g.StatusText = "生活中";
      g.StatusDetail = "仕事はありません";
      g.LifeStatus = 1;
      g.Awake = 1;
    } else if (awake == 0) {
      g.StatusText = "就寝中";
      g.StatusDetail = "寝ています";
      g.LifeStatus = 3;
    }
  }
  g.TicksPerStep = g.Awake == 0 ? 1 : 2;
}

}  // namespace koratsu
