#pragma once
// Finished works as the game leaves them in its records, for the archive's
// and the work card's tests: own works, requested one-shots and serials
// with their volumes, in the ten magazines of a new world.

#include <array>
#include <initializer_list>
#include <string>

#include "state/catalogues.h"
#include "state/game_state.h"

namespace koratsu::testing {

// Magazine row 0: 週刊少年ドタバタ, 15 serial places, prize 1,000,000 yen.
constexpr int kDotabata = 0;
// Magazine row 3: 週刊ちょこまか, 16 serial places.
constexpr int kChokomaka = 3;

// Appends a work named `title` in state `state`, made on `date`; its index.
inline long long AddWork(GameState& g, const std::string& title, int state, const char* date = "08/04/01") {
  const long long w = g.MangaCount.Index();
  rec::MangaWork* m = Append(g.MangaWork, g.MangaCount);
  if (!m) return -1;
  m->Title = title;
  m->State = state;
  m->Date = date;
  m->Prize = 0;
  m->TotalSold = 0;
  return w;
}

// A serial in `magazine`, begun on 08/04/01 with the fee of every serial.
inline long long AddSerial(GameState& g, const std::string& title, int magazine, int episodes, int rank,
                           const char* ended = nullptr) {
  const long long w = AddWork(g, title, ended ? 8 : 7);
  rec::MangaWork& m = g.MangaWork[w];
  m.Magazine = magazine;
  m.SerialEpisodes = episodes;
  m.SerialRank = rank;
  m.SerialFee = 240000;
  if (ended) m.SerialEndDate = ended;
  return w;
}

// Volumes released for work `w`, one per stock, at 400 yen; each sold
// 1000 copies, and the work's running total counts them.
inline void GiveVolumes(GameState& g, long long w, std::initializer_list<double> stocks) {
  rec::MangaWork& m = g.MangaWork[w];
  for (double stock : stocks) {
    rec::ComicsVolume& v = g.ComicsVolume[w][m.Volumes];
    v.Price = Money::FromNumber(400);
    v.Sold = 1000;
    v.Printed = stock;
    m.Volumes += 1;
    m.TotalSold += 1000;
  }
}

// How work `w` was made: its audience and genre entries, its settings'
// knowledge items (negative for none) and points, and its six ratings.
struct Making {
  int audience, genre;
  std::array<int, 3> items, points;
  std::array<int, 6> ratings;
};
inline void GiveMaking(GameState& g, long long w, const Making& making) {
  rec::MangaWork& m = g.MangaWork[w];
  g.MangaClass[0][w] = making.audience;
  g.MangaClass[1][w] = making.genre;
  for (int k = 0; k < 3; ++k) {
    m.SettingItem[k] = making.items[static_cast<size_t>(k)];
    m.SettingPoints[k] = making.points[static_cast<size_t>(k)];
  }
  for (int r = 0; r < 6; ++r) m.Rating[r] = making.ratings[static_cast<size_t>(r)];
}

}  // namespace koratsu::testing
