#include "publishing/comics.h"

#include <algorithm>

#include "publishing/rival_roster.h"
#include "state/game_state.h"
#include "state/random.h"

namespace koratsu {

namespace {

// A series' momentum when it enters the market and at each new rival volume.
Value FreshSalesPower(const Value& popularity) { return popularity * Value(RndInt(5) + 10); }

// Rows in use, never past the table.
long long RowsInUse(const GameState& g) {
  return std::clamp<long long>(g.ComicCount.Index(), 0,
                               static_cast<long long>(decltype(g.ComicEntry)::Capacity()));
}

bool IsLateRivalDay(const GameState& g) {
  return g.GameYear == kLateRivalYear && g.GameMonth == kLateRivalMonth &&
         g.GameDay == kLateRivalDay;
}

}  // namespace

long long AddComicRow(const Value& title, const Value& author, const Value& popularity,
                      const Value& volumes, const Value& finalVolume, const Value& copies) {
  GameState& g = State();
  // Both draws come even when the table has no room, so that what follows
  // draws the same numbers either way.
  Rnd();
  Value salesPower = FreshSalesPower(popularity);

  rec::ComicEntry* row = Append(g.ComicEntry, g.ComicCount);
  if (!row) return -1;
  row->Title = title;
  row->Author = author;
  row->Popularity = popularity;
  row->SalesPower = salesPower;
  row->Volumes = volumes;
  row->FinalVolume = finalVolume;
  row->Copies = copies;
  row->MangaIndex = -1;
  // Whatever a row past the count held, a new series has no countdown yet.
  row->DaysToVolume = 0;
  row->Ended = 0;
  return g.ComicCount.Index() - 1;
}

void AddComic(const Value& title, const Value& author, const Value& popularity,
              const Value& volumes, const Value& finalVolume, const Value& copies) {
  AddComicRow(title, author, popularity, volumes, finalVolume, copies);
}

void UpdateRivalComics() {
  GameState& g = State();
  Rnd();

  // Countdown first, so a series created below waits a whole day.
  long long rows = RowsInUse(g);
  for (long long i = 0; i < rows; ++i) {
    rec::ComicEntry& row = g.ComicEntry[i];
    if (row.MangaIndex < 0 && row.Ended == 0) row.DaysToVolume -= 1;
  }

  std::span<const RivalWork> roster = RivalRoster();
  for (int k = 0; k < static_cast<int>(roster.size()); ++k) {
    rec::Rival& rival = g.Rival[k];
    if (k == kLateRival && rival.Debuted == 0 && !IsLateRivalDay(g)) continue;
    if (rival.Debuted != 0) {
      AdvanceRivalComic(rival.ComicRow);
      continue;
    }
    const RivalWork& work = roster[static_cast<std::size_t>(k)];
    long long row = AddComicRow(work.title, work.author, work.popularity, work.volumes,
                                work.finalVolume, work.copies);
    // A full market leaves the rival out rather than pointing it at another
    // series' row.
    if (row < 0) continue;
    rival.Debuted = 1;
    rival.ComicRow = row;
    g.ComicEntry[row].DaysToVolume = k == kQuickRival ? kQuickRivalFirstVolumeDays : kFirstVolumeDays;
  }
}

void AdvanceRivalComic(const Value& row) {
  GameState& g = State();
  Rnd();
  // Only a rival's series in use moves on; a player's row, or a row past the
  // count, is left alone even when a rival record points at it.
  long long r = row.Index();
  if (r < 0 || r >= RowsInUse(g)) return;
  rec::ComicEntry& series = g.ComicEntry[r];
  if (series.MangaIndex >= 0) return;

  if (series.DaysToVolume <= 0) {
    series.DaysToVolume = kDaysBetweenVolumes;
    series.SalesPower = FreshSalesPower(series.Popularity);
    series.Volumes += 1;
    if (series.Volumes >= series.FinalVolume) series.Ended = 1;
  }
}

}  // namespace koratsu
