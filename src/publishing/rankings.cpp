#include "publishing/rankings.h"

#include <algorithm>

#include "publishing/notices.h"
#include "publishing/ranking_sort.h"
#include "state/game_state.h"
#include "state/money.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kPlayerRow = 0;
constexpr int kAchievementPlaces = 10;

// The achievement of a place among the first ten, counted from 0; 0 beyond.
// Comics achievements are the asset ones plus 4.
int AchievementAt(long long place) {
  if (place == 0) return 1;
  if (place <= 2) return 2;
  if (place <= 4) return 3;
  if (place < kAchievementPlaces) return 4;
  return 0;
}
constexpr int kComicsAchievements = 4;

bool PlayersComics(const rec::ComicEntry& row) { return row.MangaIndex >= 0; }

// The player's comics rows take his works' copies and volumes.
void RefreshPlayersComicsRows() {
  GameState& g = State();
  const long long rows = g.ComicCount.Index();
  for (long long r = 0; r < rows; ++r) {
    rec::ComicEntry& row = g.ComicEntry[r];
    if (!PlayersComics(row)) continue;
    const rec::MangaWork& work = g.MangaWork[row.MangaIndex];
    row.Copies = work.TotalSold;
    row.Volumes = work.Volumes;
  }
}

int Shown(const Value& count) { return static_cast<int>(std::clamp(count.Index(), 0LL, static_cast<long long>(kRankingPlaces))); }

}  // namespace

void RebuildComicsRanking() {
  GameState& g = State();
  g.ComicRankCount = 0;
  const long long rows = g.ComicCount.Index();
  for (long long r = 0; r < rows; ++r) {
    rec::ComicRanking* place = Append(g.ComicRanking, g.ComicRankCount);
    if (!place) break;
    place->Copies = g.ComicEntry[r].Copies;
    place->Row = r;
  }
  SortRanking(g.ComicRanking, g.ComicRankCount, &rec::ComicRanking::Copies);
}

void RebuildAssetRanking() {
  GameState& g = State();
  g.AssetRankFill = 0;
  const long long rows = g.AssetRankCount.Index();
  for (long long r = 0; r < rows; ++r) {
    rec::AssetRanking* place = Append(g.AssetRanking, g.AssetRankFill);
    if (!place) break;
    place->Value = g.AssetRankEntry[r].Value;
    place->Entry = r;
  }
  SortRanking(g.AssetRanking, g.AssetRankFill, &rec::AssetRanking::Value);
}

void RankAndNoteAchievement() {
  GameState& g = State();
  g.AssetRankEntry[kPlayerRow].Value = g.Kingaku;
  RebuildAssetRanking();
  const long long filled = g.AssetRankFill.Index();
  for (long long p = 0; p < filled; ++p) {
    if (g.AssetRanking[p].Entry != kPlayerRow) continue;
    if (const int code = AchievementAt(p)) g.RankAchievement = code;
    break;
  }

  RefreshPlayersComicsRows();
  RebuildComicsRanking();
  const long long places = std::min(g.ComicRankCount.Index(), static_cast<long long>(kAchievementPlaces));
  for (long long p = 0; p < places; ++p) {
    const rec::ComicEntry& row = g.ComicEntry[g.ComicRanking[p].Row];
    if (!PlayersComics(row)) continue;
    g.RankAchievementTitle = row.Title;
    g.RankAchievement = AchievementAt(p) + kComicsAchievements;
  }
}

void AnnounceRankAchievement() {
  GameState& g = State();
  const Value code = g.RankAchievement;
  if (code == 0 || g.RankCongratShown[code] != 0) return;
  g.RankCongratShown[code] = 1;
  ui::SetControlText(form::kCongratulation, "Label1", CongratulationText(code, g.RankAchievementTitle));
  g.RankAchievement = 0;
  ui::Show(form::kCongratulation, ui::Modal);
}

void RefreshComicsRanking() { RebuildComicsRanking(); }

void RefreshAssetRanking() {
  GameState& g = State();
  g.AssetRankEntry[kPlayerRow].Name = Join(g.PlayerSei, " ", g.PlayerMei);
  RebuildAssetRanking();
}

std::string RankingPlaceText(int place) { return Join(place + 1, "位"); }

int ComicsPlaces() { return Shown(State().ComicRankCount); }

int AssetPlaces() { return Shown(State().AssetRankFill); }

std::string ComicsVolumesText(const Value& volumes, const Value& ended) {
  if (ended != 0) return Join("全", volumes, "巻");
  if (volumes < 2) return "1巻";
  return Join("1～", volumes, "巻");
}

ComicsPlace DescribeComicsPlace(int place) {
  const GameState& g = State();
  const rec::ComicEntry& row = g.ComicEntry[g.ComicRanking[place].Row];
  return {row.Title.Str(), ComicsVolumesText(row.Volumes, row.Ended), FormatKingaku(row.Copies) + "冊",
          row.Author.Str(), PlayersComics(row)};
}

AssetPlace DescribeAssetPlace(int place) {
  const GameState& g = State();
  const Value& r = g.AssetRanking[place].Entry;
  const rec::AssetRankEntry& row = g.AssetRankEntry[r];
  return {row.Name.Str(), FormatKingaku(row.Value) + "円", row.Job.Str(), r == kPlayerRow};
}

}  // namespace koratsu
