#include "state/random.h"

#include <cmath>
#include <cstring>

#include "state/computer_clock.h"

namespace koratsu {

namespace {
// Ready before any other start-up code can draw.
constinit SeededRandom builtIn;
SeededRandom& BuiltIn() { return builtIn; }
RandomSource* installed = nullptr;
}  // namespace

double SeededRandom::Next(long) {
  // splitmix64: well spread, one multiply-xorshift chain per draw.
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

RandomSource& CurrentRandomSource() { return installed ? *installed : BuiltIn(); }

void SetRandomSource(RandomSource* source) { installed = source; }

double Rnd() { return CurrentRandomSource().Next(0); }

long RndInt(long n) {
  // The built-in generator is called directly: the hourly sales draw twice
  // for every comics volume of the game.
  const double r = installed ? installed->Next(n) : BuiltIn().SeededRandom::Next(n);
  const double x = r * static_cast<double>(n);
  // A draw over a positive range is never negative, and there truncation is Int.
  return x >= 0 ? static_cast<long>(x) : static_cast<long>(std::floor(x));
}

long RndIntSingle(long n, double factor) {
  const double r = CurrentRandomSource().Next(static_cast<long>(static_cast<double>(n) * factor));
  const float product = static_cast<float>(r * static_cast<double>(n));
  return static_cast<long>(std::floor(static_cast<double>(product) * factor));
}

void Randomize() {
  double timer = CurrentComputerClock().Timer();
  std::uint64_t bits;
  std::memcpy(&bits, &timer, sizeof bits);
  CurrentRandomSource().Seed(bits);
}

}  // namespace koratsu
