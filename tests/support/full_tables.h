#pragma once
// Every counted table of a state in use to its last row: for the tests and
// benchmarks that want a state filled to the brim. Header only and without
// gtest, so that the benchmarks can include it too.

#include "state/game_state.h"

namespace koratsu::testing {

inline void SetCountsToCapacity(GameState& g) {
  auto rows = [](const auto& table) { return static_cast<double>(table.Capacity()); };
  g.AsiCount = rows(g.Assistant);
  // The poll artists run through their count: one row more than it says.
  g.PollArtistCount = rows(g.PollArtist) - 1;
  g.AssetRankCount = rows(g.AssetRankEntry);
  g.ComicCount = rows(g.ComicEntry);
  g.NovelCount = rows(g.Novel);
  g.FigureCount = rows(g.Figure);
  g.OtherMangaCount = rows(g.OtherManga);
  g.SanpoCount = rows(g.SanpoPlace);
  g.ArubaitoCount = rows(g.ArubaitoJob);
  g.SyugyouCount = rows(g.SyugyouCourse);
  g.TiItemCount = rows(g.KnowledgeItem);
  g.MangaCount = rows(g.MangaWork);
  g.MagazineCount = rows(g.Magazine);
  g.RoomItemSpriteCount = rows(g.RoomItem);
}

}  // namespace koratsu::testing
