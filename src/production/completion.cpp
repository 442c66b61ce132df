#include "production/completion.h"

#include "state/game_state.h"

namespace koratsu {

bool SlotRowShown(int slot) { return State().SlotKanseido[slot] != 0; }

int SlotPercent(int slot) {
  const GameState& g = State();
  const double p = Int(100 * g.SlotKanseido[slot] / g.ProductionSlot[slot].Target);
  return p > 100 ? 100 : static_cast<int>(p);
}

std::string SlotRowLabel(int slot) {
  const GameState& g = State();
  if (g.ProductionSlot[slot].Kind == 6) return Join("連載 『", g.SlotLabel[slot], "』");
  return g.SlotLabel[slot].Str();
}

CompletionRow CompletionRowTexts(int slot) {
  const GameState& g = State();
  const rec::ProductionSlot& p = g.ProductionSlot[slot];
  CompletionRow row;
  row.label = SlotRowLabel(slot);
  row.deadline = p.DaysLeft == -1 ? std::string("〆なし") : Join("〆", p.DaysLeft, "日");
  row.status = g.SlotKanseido[slot] > p.Target ? "完成" : "制作中";
  const int percent = SlotPercent(slot);
  row.percent = Join(percent, "%");
  row.bar = percent / 100.0;
  return row;
}

}  // namespace koratsu
