#include "production/work_makeup.h"

#include "state/game_state.h"

namespace koratsu {

namespace {

std::string ClassText(int list, const Value& entry) { return State().ClassList[list].Text[entry].Str(); }

std::string SettingName(const Value& item) {
  return item >= 0 ? State().KnowledgeItem[item].Name.Str() : std::string("なし");
}

}  // namespace

WorkMakeup SlotMakeup(const Value& slot) {
  const rec::ProductionSlot& s = State().ProductionSlot[slot];
  WorkMakeup makeup;
  makeup.audience = ClassText(1, s.Class[0]);
  makeup.genre = ClassText(2, s.Class[1]);
  for (int k = 0; k < kMakeupSettings; ++k) {
    makeup.settingNames[k] = SettingName(s.SettingItem[k]);
    makeup.settingPoints[k] = s.SettingPoints[k];
  }
  return makeup;
}

WorkMakeup RecordMakeup(const Value& work) {
  const GameState& g = State();
  const rec::MangaWork& m = g.MangaWork[work];
  WorkMakeup makeup;
  makeup.audience = ClassText(1, g.MangaClass[0][work]);
  makeup.genre = ClassText(2, g.MangaClass[1][work]);
  for (int k = 0; k < kMakeupSettings; ++k) {
    makeup.settingNames[k] = SettingName(m.SettingItem[k]);
    makeup.settingPoints[k] = m.SettingPoints[k];
  }
  return makeup;
}

}  // namespace koratsu
