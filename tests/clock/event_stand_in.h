#pragma once
// A stand-in for the handler of one editor-event code, for the life of a test.

#include <utility>

#include "clock/editor_events.h"

namespace koratsu::testing {

class EventStandIn {
 public:
  EventStandIn(int code, EditorEventHandler handler)
      : code_(code), previous_(SetEditorEventHandler(code, std::move(handler))) {}
  ~EventStandIn() { SetEditorEventHandler(code_, std::move(previous_)); }
  EventStandIn(const EventStandIn&) = delete;
  EventStandIn& operator=(const EventStandIn&) = delete;

 private:
  int code_;
  EditorEventHandler previous_;
};

}  // namespace koratsu::testing
