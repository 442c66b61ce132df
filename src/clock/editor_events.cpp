// The queue of scheduled editor events: each due entry fires at its code's hour.

#include "clock/editor_events.h"

#include <array>
#include <string>

#include "clock/phases.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

namespace {

constexpr int kEntries = static_cast<int>(decltype(GameState::EditorEvent)::kCapacity);

using Handlers = std::array<EditorEventHandler, event_code::kLast + 1>;

Handlers& RegisteredHandlers() {
  static Handlers handlers = [] {
    Handlers built;
    for (int code = event_code::kFirst; code <= event_code::kLast; ++code)
      built[code] = BuiltInEditorEventHandler(code);
    return built;
  }();
  return handlers;
}

}  // namespace

int EditorEventHour(int code) {
  static constexpr int kHours[event_code::kLast + 1] = {0,  14, 12, 12, 18, 12, 12, 15, 15,
                                                       15, 11, 20, 14, 14, 20, 11, 11};
  if (code < event_code::kFirst || code > event_code::kLast) return 0;
  return kHours[code];
}

void CountDownEditorEvents() {
  GameState& g = State();
  for (int i = 0; i < kEntries; ++i)
    if (g.EditorEvent[i].Delay > 0) g.EditorEvent[i].Delay -= 1;
}

EditorEventHandler SetEditorEventHandler(int code, EditorEventHandler handler) {
  if (code < event_code::kFirst || code > event_code::kLast) {
    LogLine("editor events: no code " + std::to_string(code) + " to take a handler");
    return {};
  }
  EditorEventHandler previous = std::move(RegisteredHandlers()[code]);
  RegisteredHandlers()[code] = std::move(handler);
  return previous;
}

void FireEditorEvents() {
  GameState& g = State();
  // Entry by entry, the codes in turn, 1 to 16: an entry can only match the
  // code it holds, so the scan goes straight to it. A handler may queue a
  // new event into the entry it has just freed; only a later code's test
  // then sees it, as in a scan of every code.
  for (int i = 0; i < kEntries; ++i) {
    int next = event_code::kFirst;  // the next code to test for this entry
    while (next <= event_code::kLast) {
      const rec::EditorEvent& e = g.EditorEvent[i];
      const double held = e.Code.Num();
      if (held != Int(held) || held < next || held > event_code::kLast) break;
      const int code = static_cast<int>(held);
      next = code + 1;
      if (!(e.Delay == 0 && g.GameHour == EditorEventHour(code))) break;
      // A copy: the handler may replace handlers while it runs.
      const EditorEventHandler handler = RegisteredHandlers()[code];
      // Codes 1 and 3 have no handler: nothing happens for them, and an
      // entry holding one (a saved game may) stays where it is.
      if (!handler) continue;
      g.EditorEvent[i].Code = event_code::kFree;
      handler(i);
      if (GameEnded()) return;
    }
  }
}

}  // namespace koratsu
