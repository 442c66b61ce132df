#pragma once
// The game state seen word by word, for tests that account for its texts.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <unordered_set>

#include "state/game_state.h"

namespace koratsu::testing {

// Every value of the state, scratch rows included, but for the volume prices,
// which are money: the volume table is one run of volume records.
template <class State, class Each>
void ForEachValue(State& g, Each each) {
  static_assert(sizeof(g.ComicsVolume) % sizeof(rec::ComicsVolume) == 0);
  static_assert(sizeof(GameState) % sizeof(Value) == 0);
  const auto* volumes = reinterpret_cast<const char*>(&g.ComicsVolume);
  auto* values = reinterpret_cast<std::conditional_t<std::is_const_v<State>, const Value, Value>*>(&g);
  for (std::size_t i = 0; i < sizeof(GameState) / sizeof(Value); ++i) {
    const auto* at = reinterpret_cast<const char*>(values + i);
    if (at >= volumes && at < volumes + sizeof(g.ComicsVolume) &&
        static_cast<std::size_t>(at - volumes) % sizeof(rec::ComicsVolume) == offsetof(rec::ComicsVolume, Price))
      continue;
    each(values[i]);
  }
}

// How many text blocks the state's values hold (copies share one).
inline std::size_t TextBlocksHeld(const GameState& g) {
  std::unordered_set<std::uint64_t> blocks;
  ForEachValue(g, [&](const Value& v) {
    if (v.IsText()) blocks.insert(v.Bits());
  });
  return blocks.size();
}

}  // namespace koratsu::testing
