#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace koratsu::testing {

ScriptedRandom& ScriptedRandom::Expect(long range, long result) {
  entries_.push_back({false, range, static_cast<double>(result)});
  return *this;
}

ScriptedRandom& ScriptedRandom::ExpectRnd(double value) {
  entries_.push_back({false, 0, value});
  return *this;
}

ScriptedRandom& ScriptedRandom::Any(std::size_t count, double value) {
  for (std::size_t i = 0; i < count; ++i) entries_.push_back({true, 0, value});
  return *this;
}

double ScriptedRandom::Next(long range) {
  if (next_ >= entries_.size()) {
    ADD_FAILURE() << "unexpected draw #" << next_ + 1 << " (range " << range
                  << "): the script has run dry";
    return 0;
  }
  const Entry& e = entries_[next_++];
  if (e.any) return e.result;
  if (e.range != range) {
    ADD_FAILURE() << "draw #" << next_ << " has range " << range << ", the script expected "
                  << e.range;
  }
  if (e.range == 0) return e.result;
  // The middle of the interval that Int(Rnd × range) maps to `result`.
  return (e.result + 0.5) / static_cast<double>(e.range);
}

}  // namespace koratsu::testing
