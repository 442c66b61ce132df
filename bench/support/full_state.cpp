#include "support/full_state.h"

#include <cstdint>
#include <cstring>

#include "support/full_tables.h"

namespace koratsu::bench {

namespace {
template <class T>
void FillValues(T& object, std::uint64_t& counter, int textEvery) {
  auto* values = reinterpret_cast<Value*>(&object);
  for (std::size_t i = 0; i < sizeof(T) / sizeof(Value); ++i) {
    ++counter;
    if (textEvery > 0 && counter % textEvery == 0) {
      new (&values[i]) Value("テキスト");
    } else {
      new (&values[i]) Value(static_cast<double>(counter % 1000) + 0.5);
    }
  }
}
}  // namespace

void FillToCapacity(GameState& g, int textEvery) {
  ClearGameState();  // release whatever texts the state held
  std::uint64_t counter = 0;
  // Overwrite every word; the state was empty, so nothing is leaked.
  FillValues(g, counter, textEvery);
  // Prices are money, not values.
  for (auto& work : g.ComicsVolume)
    for (auto& volume : work) volume.Price = Money::FromNumber(410);
  testing::SetCountsToCapacity(g);
}

}  // namespace koratsu::bench
