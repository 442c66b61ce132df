#pragma once
// The editor-event queue's entries: finding a free one, and queuing an event
// into it. Producers sit in several subsystems (the delivery, the new day,
// the handlers of earlier events), so the entries' own operations live here;
// the clock counts the delays down and fires the due entries
// (clock/editor_events.h).

#include <optional>

#include "state/value.h"

namespace koratsu {

// EventCode: what an entry is about, and which of its fields it carries.
namespace event_code {
constexpr int kFree = 0;
constexpr int kFirst = 1;             // 1 and 3 are never queued
constexpr int kOneShotVerdict = 2;    // Manga = the delivered work, Magazine = the requesting magazine
constexpr int kSerialDeadline = 4;    // Target = the production slot
constexpr int kComicsOffer = 5;       // Target = the work
constexpr int kLastEpisode = 6;       // MangaIndex = the work
constexpr int kVeryPopular = 7;       // Manga = the serial's title
constexpr int kNotPopular = 8;        // Manga = the serial's title
constexpr int kFairlyPopular = 9;     // Manga = the serial's title
constexpr int kAnimeOffer = 10;       // MangaIndex = the work
constexpr int kBroadcast = 11;        // Target = the work
constexpr int kComicsRelease = 12;    // Target = the work
constexpr int kMerchandiseOffer = 13; // Target = the work, Manga = the kind of goods
constexpr int kAnimeEnd = 14;         // Target = the work
constexpr int kMovieOffer = 15;       // MangaIndex = the work
constexpr int kPremiere = 16;         // Target = the work
constexpr int kLast = 16;
}  // namespace event_code

// What a producer hands to the queue; only the fields of its code are written.
struct EventFields {
  Value Manga{}, Magazine{}, MangaIndex{}, Target{};
};

// The lowest entry 0 to 64 whose Code is 0, or none when every entry is in
// use. Changes nothing.
std::optional<int> FindFreeEvent();

// Queues event `code`, due in `delay` days, into the lowest free entry:
// Delay, then Code, then only the fields that code carries; the entry's
// other fields keep what they held. On a full queue, or for a code that is
// never queued, nothing is written, one line is logged and the answer is none.
std::optional<int> QueueEditorEvent(int code, const Value& delay, const EventFields& fields = {});

}  // namespace koratsu
