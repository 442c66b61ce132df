#pragma once
// The editor events that carry a serial into other media: the anime offer
// (code 10), the weekly broadcast (11), the comics release (12), the
// merchandise offer (13), the anime's end (14), the movie offer (15) and the
// premiere (16). Each gets its queue entry, already freed; the entry's
// fields still hold the event's values.

namespace koratsu {

// 11:00. Draws the broadcast weekday, tells the offer and opens the offer
// window in its anime mode.
void AnimeOfferEvent(int entry);

// 20:00. Pays the week's income, counts the episode and rates it; the third
// weak rating queues the anime's end for the next broadcast day.
void BroadcastEvent(int entry);

// 14:00. A new volume with its price and sales rate, the release notice,
// then its first print run. A work that already has every volume it can
// hold gets none.
void ComicsReleaseEvent(int entry);

// 14:00. The offer kept in the entry (Target the work, Manga the kind),
// unless that kind was accepted for the work since it was drawn.
void MerchandiseOfferEvent(int entry);

// 20:00. The anime goes off the air after the evening's broadcast.
void AnimeEndEvent(int entry);

// 11:00. Tells the offer and opens the offer window in its movie mode.
void MovieOfferEvent(int entry);

// 11:00. The movie's first day.
void PremiereEvent(int entry);

}  // namespace koratsu
