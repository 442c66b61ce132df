#pragma once
// The game's one random generator.
//
// Rule code draws either Rnd() (a uniform number in [0, 1)) or RndInt(n), the
// Int(Rnd × n) that most draws are; the range it passes lets a scripted source
// in the tests check that each draw is the one expected.

#include <cmath>
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
  double Next(long) override { return Draw(); }
  void Seed(std::uint64_t seed) override { state_ = Start(seed); }
  // The draw's top 53 bits as a fraction.
  double Draw() { return static_cast<double>(Bits() >> 11) * (1.0 / 9007199254740992.0); }
  // Int(Draw() × 2) without the arithmetic: the draw's top bit.
  long Coin() { return static_cast<long>(Bits() >> 63); }

 private:
  // splitmix64: well spread, one multiply-xorshift chain per draw.
  std::uint64_t Bits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  static constexpr std::uint64_t Start(std::uint64_t seed) { return seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull; }
  std::uint64_t state_ = 0;
};

namespace random_detail {
// The source a test installed, or none; the built-in generator.
extern RandomSource* installed;
extern SeededRandom builtIn;
}  // namespace random_detail

namespace random_detail {
// Int(r × n).
inline long IntOf(double r, long n) {
  const double x = r * static_cast<double>(n);
  // A draw over a positive range is never negative, and there truncation is Int.
  return x >= 0 ? static_cast<long>(x) : static_cast<long>(std::floor(x));
}
}  // namespace random_detail

double Rnd();
// Int(Rnd × n): 0 .. n - 1 with equal chance. Inline, the built-in
// generator called directly.
inline long RndInt(long n) {
  return random_detail::IntOf(
      random_detail::installed ? random_detail::installed->Next(n) : random_detail::builtIn.Draw(), n);
}

// Int(Rnd × n) draws for a tight loop, as RndInt makes them: the built-in
// generator copied into a local that the loop's stores cannot touch, handed
// back by Put() before anything else may draw; or the source a test installed.
struct BuiltInDraws {
  SeededRandom generator = random_detail::builtIn;
  long Int(long n) { return random_detail::IntOf(generator.Draw(), n); }
  long Coin() { return generator.Coin(); }  // Int(2)
  // Int(n) == 0: the product below 1, as Int takes it, without the conversion.
  bool IntIsZero(long n) { return generator.Draw() * static_cast<double>(n) < 1.0; }
  void Put() const { random_detail::builtIn = generator; }
};
struct InstalledDraws {
  RandomSource* source = random_detail::installed;
  long Int(long n) { return random_detail::IntOf(source->Next(n), n); }
  long Coin() { return Int(2); }
  bool IntIsZero(long n) { return Int(n) == 0; }
  void Put() const {}
};

// Int(Rnd × n × factor) with the product Rnd × n first taken in single
// precision, as a few old draws were written; its range is n × factor.
long RndIntSingle(long n, double factor);
// Seeds the generator from the computer clock's timer (every world set-up).
void Randomize();

// Installs another source; nullptr restores the built-in seeded one. The caller keeps ownership.
void SetRandomSource(RandomSource* source);
RandomSource& CurrentRandomSource();

}  // namespace koratsu
