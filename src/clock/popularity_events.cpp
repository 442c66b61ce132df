// Afternoon popularity events of the works with comics.

#include "clock/phases.h"
#include "publishing/popularity.h"

namespace koratsu {

void PopularityEvents() { DrawPopularityEvents(); }

}  // namespace koratsu
