#pragma once
// A random source that plays a script of draws and fails the test on a draw it
// did not expect: a wrong range, or a draw after the script ran dry.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/random.h"

namespace koratsu::testing {

class ScriptedRandom : public RandomSource {
 public:
  // Expects Int(Rnd × range) to be drawn next and to give `result`.
  ScriptedRandom& Expect(long range, long result);
  // Expects a plain Rnd (range 0), answering `value`.
  ScriptedRandom& ExpectRnd(double value);
  // The next `count` draws may have any range; each answers `value` as its Rnd.
  ScriptedRandom& Any(std::size_t count, double value = 0.5);

  double Next(long range) override;
  void Seed(std::uint64_t) override { ++seeds_; }

  std::size_t Remaining() const { return entries_.size() - next_; }
  std::size_t Drawn() const { return next_; }
  int Seeds() const { return seeds_; }

 private:
  struct Entry {
    bool any;
    long range;
    double result;
  };
  std::vector<Entry> entries_;
  std::size_t next_ = 0;
  int seeds_ = 0;
};

// A seeded source that counts its draws and remembers their ranges.
class CountingRandom : public RandomSource {
 public:
  explicit CountingRandom(std::uint64_t seed = 7) : inner_(seed) {}
  double Next(long range) override {
    ranges.push_back(range);
    return inner_.Next(range);
  }
  void Seed(std::uint64_t seed) override { inner_.Seed(seed); }
  std::size_t Count() const { return ranges.size(); }
  std::vector<long> ranges;

 private:
  SeededRandom inner_;
};

// A seeded source that keeps its seed: the world set-up's seeding from the
// computer clock is ignored, so a whole game plays the same every run.
class FixedRandom : public RandomSource {
 public:
  explicit FixedRandom(std::uint64_t seed) : inner_(seed) {}
  double Next(long range) override { return inner_.Next(range); }
  void Seed(std::uint64_t) override {}

 private:
  SeededRandom inner_;
};

}  // namespace koratsu::testing
