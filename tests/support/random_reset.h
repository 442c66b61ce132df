#pragma once
// Every test starts and ends with the game's own random source: a test
// installs the source it wants and leaves it installed; this listener, added
// by the test programs' main(), puts the built-in one back.

#include <gtest/gtest.h>

namespace koratsu::testing {

class RandomSourceReset : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo& test) override;
  void OnTestEnd(const ::testing::TestInfo& test) override;
};

}  // namespace koratsu::testing
