#include "publishing/rival_records.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "publishing/comics.h"

namespace koratsu {

void RebuildRivalRecords(GameState& g) {
  const long long rivals = static_cast<long long>(decltype(GameState::Rival)::kCapacity);
  const long long comics =
      std::clamp<long long>(g.ComicCount.Index(), 0, static_cast<long long>(decltype(GameState::ComicEntry)::kCapacity));
  // Rows that the rivals the file holds already stand for.
  std::vector<bool> taken(static_cast<std::size_t>(comics), false);
  for (long long rival = 0; rival < std::min(comics, rivals); ++rival) {
    const rec::Rival& record = g.Rival[rival];
    long long row = record.ComicRow.Index();
    if (record.Debuted.Num() != 0 && row >= 0 && row < comics) taken[static_cast<std::size_t>(row)] = true;
  }
  for (long long rival = comics; rival < rivals; ++rival) {
    rec::Rival& record = g.Rival[rival];
    ResetRow(record);
    if (rival >= RivalRosterSize()) continue;
    const std::string_view title = RivalRosterTitle(static_cast<int>(rival));
    for (long long row = 0; row < comics; ++row) {
      const rec::ComicEntry& entry = g.ComicEntry[row];
      if (taken[static_cast<std::size_t>(row)] || entry.MangaIndex != Value(-1) || !entry.Title.IsText() ||
          entry.Title.TextView() != title)
        continue;
      record.Debuted = 1;
      record.ComicRow = row;
      taken[static_cast<std::size_t>(row)] = true;
      break;
    }
  }
}

}  // namespace koratsu
