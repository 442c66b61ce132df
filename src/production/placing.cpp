#include "production/placing.h"

#include "production/settings_editor.h"
#include "production/slots.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"

namespace koratsu {

namespace {

// `size` is the original's popularity (a novel) or fame (a copy), 0 to 5;
// `targetBonus` what it adds to the work target.
bool PlaceDrawnWork(const Value& size, const Value& targetBonus, const Value& source) {
  GameState& g = State();
  const int s = FirstFreeSlot();
  if (s < 0) {
    LogLine("placing a work: no free production slot");
    return false;
  }
  rec::ProductionSlot& p = g.ProductionSlot[s];
  g.SlotKanseido[s] = 0.1;
  // The first item may lie before item 0: those settings have no item.
  const Value first = Value(RndInt(g.TiItemCount.Index())) - 2;
  for (int k = 0; k < kSettingCount; ++k) {
    p.SettingItem[k] = first + k;
    g.NewMangaSetting[k].Points = Value(RndInt(size.Index())) * 7 + 10;
  }
  for (int k = 0; k < kSettingCount; ++k) p.SettingPoints[k] = g.NewMangaSetting[k].Points;
  Value r = RndInt(50);
  if (r <= 20) r = -r;
  p.Target = Int(140 + r + targetBonus);
  p.Source = source;
  Value values[kSettingCount];
  for (int k = 0; k < kSettingCount; ++k)
    values[k] = p.SettingItem[k] >= 0 ? (5 * size + 5 * Value(RndInt(size.Index()))) / 4 : Value(0);
  CompletePlacing(s, values[0], values[1], values[2]);
  return true;
}

}  // namespace

bool PlaceAdaptedWork(const Value& novel, const Value& source) {
  const Value popularity = State().Novel[novel].Popularity;
  return PlaceDrawnWork(popularity, popularity / 3, source);
}

bool PlaceCopiedWork(const Value& row) {
  const rec::OtherManga& manga = State().OtherManga[row];
  return PlaceDrawnWork(manga.Fame, 5 * manga.Fame + manga.Popularity / 4, 1);
}

}  // namespace koratsu
