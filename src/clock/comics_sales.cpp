// Hourly sales of the player's comics volumes: the movie audience, reprints,
// million sellers, the award chance and the returns warning.

#include "clock/phases.h"
#include "publishing/comics_sales.h"

namespace koratsu {

void ComicsSales() { SellComics(); }

}  // namespace koratsu
