// The rules of a new day: the event countdown, the poll, slot deadlines, accidents, offers, broadcasts and movies.

#include "clock/editor_events.h"
#include "clock/phases.h"

namespace koratsu {

void DailyRules() {
  // Before anything is queued today, so that today's events keep delay 0.
  CountDownEditorEvents();
}

}  // namespace koratsu
