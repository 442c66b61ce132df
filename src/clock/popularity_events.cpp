// Afternoon popularity events of the works with comics.

#include "clock/phases.h"

namespace koratsu {

void PopularityEvents() {}

}  // namespace koratsu
