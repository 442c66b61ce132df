// The rules of a new day: the event countdown, the poll, slot deadlines, accidents, offers, broadcasts and movies.

#include "clock/phases.h"

namespace koratsu {

void DailyRules() {}

}  // namespace koratsu
