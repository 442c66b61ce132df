#include "production/slots.h"

#include "production/ratings.h"
#include "state/game_state.h"
#include "state/log.h"
#include "ui/forms.h"

namespace koratsu {

const char* const kSixWorksMessage = "同時に制作できる漫画の数は6つです";
const char* const kWorksTableFullMessage = "描いた漫画の数が上限に達したので、これ以上新しい漫画は描けません。";

namespace {

// Columns of the label table: own story or copy, novel without permission,
// novel with permission.
int LabelColumn(const Value& source) {
  if (source == 2) return 1;
  if (source == 3) return 2;
  return 0;
}

constexpr const char* kLabels[3][3] = {
    {"新しい漫画", "漫画(許可なし小説)", "漫画(許可あり小説)"},
    {"出版社依頼の読切漫画", "読切漫画(許可なし小説)", "読切漫画(許可あり小説)"},
    {"連載漫画", "連載漫画(許可なし小説)", "連載漫画(許可あり小説)"},
};

}  // namespace

int FirstFreeSlot() {
  for (int s = 0; s <= kLastSlot; ++s)
    if (!SlotBusy(s)) return s;
  return -1;
}

int BusySlots() {
  int busy = 0;
  for (int s = 0; s <= kLastSlot; ++s)
    if (SlotBusy(s)) ++busy;
  return busy;
}

void RecountSlotsInUse() { State().SlotsInUse = BusySlots(); }

bool WorksTableFull() {
  const GameState& g = State();
  return g.MangaCount.Num() + BusySlots() >= static_cast<double>(decltype(g.MangaWork)::Capacity());
}

Value RecountSigotoPointLeft() {
  GameState& g = State();
  g.SigotoPointLeft = g.SigotoPoint;
  for (int s = 0; s <= kLastSlot; ++s)
    if (SlotBusy(s)) g.SigotoPointLeft -= g.ProductionSlot[s].SigotoPoint;
  return g.SigotoPointLeft;
}

std::string SlotKindLabel(const Value& mode, const Value& source) {
  for (int m = 0; m < 3; ++m)
    if (mode == m) return kLabels[m][LabelColumn(source)];
  return {};
}

void SetupNewSlot(const Value& slot) {
  GameState& g = State();
  long long s = slot.Index();
  if (s < 0 || s > kLastSlot) {
    LogLine("SetupNewSlot: no production slot " + slot.Str());
    return;
  }
  rec::ProductionSlot& p = g.ProductionSlot[s];
  const Value mode = g.FormSlot[form::kSettingsEditor].Mode;
  if (mode == 0) {
    p.DaysLeft = -1;
    g.SlotLabel[s] = SlotKindLabel(mode, p.Source);
    p.Kind = 0;
  } else if (mode == 1) {
    g.SlotLabel[s] = SlotKindLabel(mode, p.Source);
    p.DaysLeft = 10;
    p.Kind = 3;
    g.Magazine[g.OneShotRequestMagazine].RequestState = 1;
    p.Magazine = g.OneShotRequestMagazine;
  } else if (mode == 2) {
    g.SerialTalkState = 5;
    g.SlotLabel[s] = SlotKindLabel(mode, p.Source);
    // The deadline weekday of the week after next: 8 to 20 days ahead.
    p.DaysLeft = (7 - (g.GameWeekday + 1)) + (g.Magazine[g.SerialMagazine].DeadlineDay + 1) + 7;
    g.SerialSlot = s;
    p.Kind = 6;
    p.Magazine = g.SerialMagazine;
  }
  g.FormSlot[form::kCompletion].Rebuild = 1;
  // The new work counts among the busy slots and holds nothing yet, so it
  // takes every point the others leave.
  p.SigotoPoint = RecountSigotoPointLeft();
}

void CompletePlacing(const Value& slot, const Value& value1, const Value& value2, const Value& value3) {
  GameState& g = State();
  g.ProductionSlot[slot].Quality = RateManga(slot, value1, value2, value3);
  SetupNewSlot(slot);
  RecountSlotsInUse();
}

}  // namespace koratsu
