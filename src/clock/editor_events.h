#pragma once
// The clock's side of the editor-event queue: the daily countdown, the hour
// of each code, and the handlers that due entries are dispatched to. Queuing
// is state/editor_event_queue.h; the hourly scan is FireEditorEvents
// (clock/phases.h).

#include <functional>

namespace koratsu {

// What a due entry does; it gets the entry's index, already freed (its
// fields still hold the event's values).
using EditorEventHandler = std::function<void(int entry)>;

// The hour, 1 to 24, at which entries of `code` fire; 0 for a code outside 1 to 16.
int EditorEventHour(int code);

// The new day's countdown: every entry's Delay above 0 goes down by one,
// free entries' too.
void CountDownEditorEvents();

// The game's own handler of `code`, empty where none is built yet
// (clock/event_handlers.cpp).
EditorEventHandler BuiltInEditorEventHandler(int code);

// Replaces the handler of `code` (1 to 16) and returns the one it had;
// tests put stand-ins in. An empty handler leaves the code without one: a
// due entry of it is freed and logged.
EditorEventHandler SetEditorEventHandler(int code, EditorEventHandler handler);

}  // namespace koratsu
