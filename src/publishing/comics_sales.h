#pragma once
// The hourly comics sales of the player's works: a running movie's
// audience, then every volume's sale with its decaying rate, the hour's cap,
// sleep and stock; reprints, royalties, million sellers and the chance of
// the publisher's manga award; last the returns warning when the unsold
// stock of volumes that no longer sell piles up.

#include <functional>

#include "state/value.h"

namespace koratsu {

// What the award chance calls: MangaAwardCeremony (publishing/awards.h)
// unless a test stood in for it. Returns the one it replaced; an empty one
// puts MangaAwardCeremony back.
using AwardCeremony = std::function<void(int publisher, long long work)>;
AwardCeremony SetAwardCeremony(AwardCeremony ceremony);

// The royalty of `copies` sold at `price`: a tenth of the price a copy,
// rounded down, exact for every price in yen and tenths of yen.
double RoyaltyFor(double copies, const Money& price);

// Every work's movie audience and volume sales for the hour, in order; the
// works are those there were when the pass began. Returns early once the
// award ceremony ended the game.
void SellComics();

}  // namespace koratsu
