#include "production/next_episode.h"

#include "production/delivery.h"
#include "production/point_buttons.h"
#include "production/ratings.h"
#include "production/serial_delivery.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kPreset = 3;
constexpr int kDecayPerEpisode = 5;
constexpr double kQualityLossPerEpisode = 1.5;
constexpr int kQualityFloor = 10;
constexpr double kNextRankFactor = 1.3;

rec::MangaWork& Serial() {
  GameState& g = State();
  return g.MangaWork[g.ProductionSlot[g.SerialSlot].MangaIndex];
}

}  // namespace

void PrepareNextEpisodePoints() {
  GameState& g = State();
  const rec::MangaWork& work = Serial();
  for (int k = 0; k < 3; ++k) {
    const Value item = work.SettingItem[k];
    if (item < 0) continue;
    Value& working = g.KnowledgeItem[item].PointWork;
    g.SerialPointsAdd[k] = working < kPreset ? working : Value(kPreset);
    working -= g.SerialPointsAdd[k];
  }
}

NextEpisodeRow NextEpisodeRowShown(int k) {
  const GameState& g = State();
  NextEpisodeRow row;
  row.cap = g.TiPointMax;
  const Value item = Serial().SettingItem[k];
  row.hasItem = item >= 0;
  if (!row.hasItem) {
    row.name = "なし";
    row.points = 0;
  } else {
    row.name = g.KnowledgeItem[item].Name.Str();
    row.added = g.SerialPointsAdd[k];
    row.points = g.KnowledgeItem[item].PointWork;
  }
  row.pointsText = Join(row.points, "/", row.cap);
  return row;
}

void PressNextEpisodePointButton(int k, int repeat) {
  GameState& g = State();
  g.PointRepeat = repeat;
  g.SerialSelectedSetting = k;
}

void ReleaseNextEpisodePointButton() { State().PointRepeat = kPointRepeatIdle; }

int NextEpisodeTimerStep() {
  GameState& g = State();
  if (g.FormSlot[form::kDelivery].Mode != delivery_mode::kSerial) return -1;
  const Value k = g.SerialSelectedSetting;
  const Value item = Serial().SettingItem[k];
  if (item < 0) return -1;
  if (!StepHeldPointButton(g.KnowledgeItem[item].PointWork, g.SerialPointsAdd[k])) return -1;
  return static_cast<int>(k.Index());
}

void BookNextEpisode() {
  GameState& g = State();
  rec::MangaWork& work = Serial();
  Value values[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    const Value item = work.SettingItem[k];
    if (item < 0) continue;
    // A setting may fall below 0 and keeps what it falls to.
    work.SerialSettingPoints[k] = work.SerialSettingPoints[k] + g.SerialPointsAdd[k] - kDecayPerEpisode;
    values[k] = SettingValue(item, work.SerialSettingPoints[k]);
  }
  const Value q = RateManga(g.SerialSlot, values[0], values[1], values[2]);
  work.Hyouka = q - kQualityLossPerEpisode * work.SerialEpisodes;
  if (work.Hyouka <= kQualityFloor) work.Hyouka = kQualityFloor;
  work.SerialRank = SerialRank(work.Magazine, work.Hyouka, kNextRankFactor);
  for (long long i = 0; i < g.TiItemCount.Index(); ++i) g.KnowledgeItem[i].Point = g.KnowledgeItem[i].PointWork;
}

}  // namespace koratsu
