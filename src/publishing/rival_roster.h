#pragma once
// The rival artists' works that share the comics market with the player: a
// fixed roster, indexed by rival number.

#include <span>

namespace koratsu {

struct RivalWork {
  const char* title;
  const char* author;
  int popularity;
  int volumes;  // volumes out when the series enters the market
  int finalVolume;
  int copies;  // copies sold when the series enters the market
};

std::span<const RivalWork> RivalRoster();

// One rival enters the market only on a single day of the game's calendar;
// a game that starts after that day never sees it.
inline constexpr int kLateRival = 0;
inline constexpr int kLateRivalYear = 1970;
inline constexpr int kLateRivalMonth = 7;
inline constexpr int kLateRivalDay = 3;

// Daily runs from a series' entry to its first new volume, and between volumes.
inline constexpr int kFirstVolumeDays = 56;
inline constexpr int kQuickRival = 7;  // its first new volume comes sooner
inline constexpr int kQuickRivalFirstVolumeDays = 7;
inline constexpr int kDaysBetweenVolumes = 7;

}  // namespace koratsu
