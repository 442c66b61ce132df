#include <gtest/gtest.h>

#include "support/random_reset.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new koratsu::testing::RandomSourceReset);
  return RUN_ALL_TESTS();
}
