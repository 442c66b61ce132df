// The rules of a new day: the event countdown, the poll, slot deadlines, accidents, offers, broadcasts and movies.

#include "clock/editor_events.h"
#include "clock/phases.h"
#include "production/slot_day.h"
#include "production/slots.h"
#include "publishing/countdowns.h"
#include "publishing/merchandise.h"
#include "publishing/poll.h"
#include "state/game_state.h"

namespace koratsu {

void DailyRules() {
  GameState& g = State();
  // Before anything is queued today, so that today's events keep delay 0.
  CountDownEditorEvents();
  // The day just begun, before the month rolls over: once, first thing.
  if (g.GameDay == 28) {
    AnnouncePoll();
    if (GameEnded()) return;
  }
  for (int s = 0; s <= kLastSlot; ++s) SlotNewDay(s);
  const long long works = g.MangaCount.Index();
  for (long long j = 0; j < works; ++j) {
    DrawMerchandiseOffer(j);
    CountDownAnime(j);
    CountDownMovie(j);
  }
}

}  // namespace koratsu
