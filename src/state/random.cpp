#include "state/random.h"

#include <cmath>
#include <cstring>

#include "state/computer_clock.h"

namespace koratsu {

namespace random_detail {
// Ready before any other start-up code can draw.
constinit SeededRandom builtIn;
RandomSource* installed = nullptr;
}  // namespace random_detail

using random_detail::builtIn;
using random_detail::installed;

RandomSource& CurrentRandomSource() { return installed ? *installed : builtIn; }

void SetRandomSource(RandomSource* source) { installed = source; }

double Rnd() { return CurrentRandomSource().Next(0); }

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
