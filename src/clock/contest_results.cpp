// Contest results at noon.

#include "clock/phases.h"
#include "publishing/contest.h"

namespace koratsu {

void ContestResults() { JudgeContestEntries(); }

}  // namespace koratsu
