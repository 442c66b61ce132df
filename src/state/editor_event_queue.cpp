#include "state/editor_event_queue.h"

#include <string>

#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

namespace {

constexpr int kEntries = static_cast<int>(decltype(GameState::EditorEvent)::kCapacity);

// Which fields each code carries.
struct Carried {
  bool manga, magazine, mangaIndex, target;
};

std::optional<Carried> FieldsOf(int code) {
  namespace c = event_code;
  switch (code) {
    case c::kOneShotVerdict: return Carried{true, true, false, false};
    case c::kVeryPopular:
    case c::kNotPopular:
    case c::kFairlyPopular: return Carried{true, false, false, false};
    case c::kLastEpisode:
    case c::kAnimeOffer:
    case c::kMovieOffer: return Carried{false, false, true, false};
    case c::kMerchandiseOffer: return Carried{true, false, false, true};
    case c::kSerialDeadline:
    case c::kComicsOffer:
    case c::kBroadcast:
    case c::kComicsRelease:
    case c::kAnimeEnd:
    case c::kPremiere: return Carried{false, false, false, true};
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<int> FindFreeEvent() {
  const GameState& g = State();
  for (int i = 0; i < kEntries; ++i)
    if (g.EditorEvent[i].Code == event_code::kFree) return i;
  return std::nullopt;
}

std::optional<int> QueueEditorEvent(int code, const Value& delay, const EventFields& fields) {
  const std::optional<Carried> carried = FieldsOf(code);
  if (!carried) {
    LogLine("editor events: code " + std::to_string(code) + " is never queued; nothing queued");
    return std::nullopt;
  }
  const std::optional<int> entry = FindFreeEvent();
  if (!entry) {
    // Every entry waits for its own event: this one is dropped rather than
    // written over another.
    LogLine("editor events: the queue is full; event code " + std::to_string(code) + " not queued");
    return std::nullopt;
  }
  rec::EditorEvent& e = State().EditorEvent[*entry];
  e.Delay = delay;
  e.Code = code;
  if (carried->manga) e.Manga = fields.Manga;
  if (carried->magazine) e.Magazine = fields.Magazine;
  if (carried->mangaIndex) e.MangaIndex = fields.MangaIndex;
  if (carried->target) e.Target = fields.Target;
  return entry;
}

}  // namespace koratsu
