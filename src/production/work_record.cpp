#include "production/work_record.h"

namespace koratsu {

long long AppendMangaWork() {
  GameState& g = State();
  const long long at = g.MangaCount.Index();
  if (!Append(g.MangaWork, g.MangaCount)) return -1;
  return at;
}

bool TitleTaken(const std::string& title) {
  const GameState& g = State();
  const long long count = g.MangaCount.Index();
  for (long long m = 0; m < count && m < kMangaWorkCapacity; ++m)
    if (g.MangaWork[m].Title.Str() == title) return true;
  return false;
}

void RecordSlotMakeup(long long s, long long m) {
  GameState& g = State();
  const rec::ProductionSlot& slot = g.ProductionSlot[s];
  rec::MangaWork& work = g.MangaWork[m];
  for (int k = 0; k < 3; ++k) {
    work.SettingUsed[k] = g.NewMangaSetting[k].Used;
    work.SettingItem[k] = slot.SettingItem[k];
    work.SettingPoints[k] = slot.SettingPoints[k];
  }
  // Column k of the classification is an entry of list k here.
  Value classPoint = 0;
  for (int column = 0; column <= 3; ++column) {
    g.MangaClass[column][m] = slot.Class[column];
    classPoint += g.ClassList[column].Point[slot.Class[column]];
  }
  work.ClassPoint = classPoint;
}

}  // namespace koratsu
