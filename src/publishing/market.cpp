#include "publishing/market.h"

#include "production/work_record.h"
#include "state/game_state.h"
#include "state/random.h"

namespace koratsu {

namespace {

constexpr int kAsleep = 3;
constexpr double kHourCap = 3000;
constexpr double kMomentumLoss = 2;

// A rival series' copies this hour.
double RivalSale(rec::ComicEntry& row, bool asleep) {
  double sold;
  const double power = row.SalesPower.Num();
  if (power > 0) {
    sold = Int(power * power / 20 + power * row.Popularity.Num() / 20 + 11 * RndInt(10));
    row.SalesPower = power - kMomentumLoss;
  } else {
    sold = 2 * RndInt(2);
  }
  if (asleep) sold = Int(sold / 2);
  while (sold >= kHourCap) sold = Int(sold / 2);
  return sold;
}

}  // namespace

void DriftAssetRanking() {
  GameState& g = State();
  const long long rows = g.AssetRankCount.Index();
  for (long long i = 0; i < rows; ++i) {
    rec::AssetRankEntry& row = g.AssetRankEntry[i];
    if (i == 0) {
      row.Value = g.Kingaku;
      continue;
    }
    const bool falls = RndInt(2) == 1;
    const double d = Int(row.Growth.Num() * RndInt(500));
    const double assets = row.Value.Num();
    row.Value = falls && assets - d > 0 ? assets - d : assets + d;
  }
}

void SellComicsTable() {
  GameState& g = State();
  const bool asleep = g.LifeStatus == kAsleep;
  const long long rows = g.ComicCount.Index();
  for (long long i = 0; i < rows; ++i) {
    rec::ComicEntry& row = g.ComicEntry[i];
    if (row.MangaIndex >= 0) {
      const rec::MangaWork& work = g.MangaWork[row.MangaIndex];
      row.Copies = work.TotalSold;
      row.Volumes = work.Volumes;
      if (work.State == manga_state::kSerialEnded) row.Ended = 1;
    } else if (row.MangaIndex == -1) {
      row.Copies = row.Copies.Num() + RivalSale(row, asleep);
    }
  }
}

}  // namespace koratsu
