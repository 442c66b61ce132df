#pragma once
// The rankings' sort: places copied from their table in row order, sorted
// highest key first, an entry moving up only past a strictly smaller key, so
// that equal keys keep their rows' order.

#include <algorithm>
#include <cstddef>
#include <utility>

#include "state/table.h"
#include "state/value.h"

namespace koratsu {

// Sorts places 0 to count - 1 of `places` by the field `key`, the whole
// place moving with its key.
template <class Place, std::size_t N>
void SortRanking(Table<Place, N>& places, const Value& count, Value Place::*key) {
  const long long n = std::min<long long>(count.Index(), static_cast<long long>(N));
  for (long long k = 1; k < n; ++k)
    for (long long j = k; j > 0 && places[j - 1].*key < places[j].*key; --j) std::swap(places[j - 1], places[j]);
}

}  // namespace koratsu
