#pragma once
// The game's one random generator.
//
// Rule code draws either Rnd() (a uniform number in [0, 1)) or RndInt(n), the
// Int(Rnd × n) that most draws are; the range it passes lets a scripted source
// in the tests check that each draw is the one expected.

#include <cstdint>
#include <memory>

namespace koratsu {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform number in [0, 1). `range` is the n of an Int(Rnd × n) draw, or 0
  // for a plain Rnd.
  virtual double Next(long range) = 0;
  virtual void Seed(std::uint64_t seed) = 0;
};

// A small, fast generator with a reproducible sequence per seed.
class SeededRandom : public RandomSource {
 public:
  constexpr explicit SeededRandom(std::uint64_t seed = 1) : state_(Start(seed)) {}
  double Next(long range) override;
  void Seed(std::uint64_t seed) override { state_ = Start(seed); }

 private:
  static constexpr std::uint64_t Start(std::uint64_t seed) { return seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull; }
  std::uint64_t state_ = 0;
};

double Rnd();
// Int(Rnd × n): 0 .. n - 1 with equal chance.
long RndInt(long n);
// Int(Rnd × n × factor) with the product Rnd × n first taken in single
// precision, as a few old draws were written; its range is n × factor.
long RndIntSingle(long n, double factor);
// Seeds the generator from the computer clock's timer (every world set-up).
void Randomize();

// Installs another source; nullptr restores the built-in seeded one. The caller keeps ownership.
void SetRandomSource(RandomSource* source);
RandomSource& CurrentRandomSource();

}  // namespace koratsu
