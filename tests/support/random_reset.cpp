#include "support/random_reset.h"

#include "state/random.h"

namespace koratsu::testing {

void RandomSourceReset::OnTestStart(const ::testing::TestInfo&) { SetRandomSource(nullptr); }

// The test's own source is gone by now; nothing may draw from it.
void RandomSourceReset::OnTestEnd(const ::testing::TestInfo&) { SetRandomSource(nullptr); }

}  // namespace koratsu::testing
