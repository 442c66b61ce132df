#include "life/assistants.h"

#include <algorithm>

#include "roomview/sheet_layout.h"
#include "roomview/walking.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/production_slots.h"
#include "state/random.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kDesks = 4;
constexpr int kMostAssistants = 4;
// A figure's direction while its assistant leaves.
constexpr int kLeaving = 5;
// Redraws before an offer's place is filled without chance: far more than a
// sound generator ever needs with most of the assistants free.
constexpr int kRedraws = 1000;

long long AsiRows(const GameState& g) {
  return std::clamp(g.AsiCount.Index(), 0LL, static_cast<long long>(g.Assistant.Capacity()));
}

int HiredCount(const GameState& g) {
  int hired = 0;
  for (long long i = 0; i < AsiRows(g); ++i) hired += g.Assistant[i].Hired == 1;
  return hired;
}

bool Free(const GameState& g, long long row) {
  return g.Assistant[row].Hired == 0 && g.Assistant[row].Offered == 0;
}

// The refusal of a command, between a paused and a resumed clock.
void Refuse(const char* text) {
  ui::PauseClock();
  ui::ShowMessage(text);
  ui::ResumeClock();
}

// The assistant row on `page` of the open window's list, or -1.
long long RowOnPage(const GameState& g, const Value& page) {
  const long long p = page.Index();
  if (p < 0 || p >= g.AsiListCount.Index()) return -1;
  const long long row = g.AsiList[p].Index();
  return row >= 0 && row < AsiRows(g) ? row : -1;
}

// After a dismissal the busy slots may hold more points than the studio has:
// they give up the dismissed assistant's points, one per busy slot with
// points in slot order, round after round, until his points are used up or
// no busy slot holds a point.
void TrimSlotPoints(GameState& g, const Value& points) {
  auto busyWithPoints = [&](int s) { return SlotBusy(s) && g.ProductionSlot[s].SigotoPoint > 0; };
  Value allotted = 0;
  bool any = false;
  for (int s = 0; s < kSlotCount; ++s) {
    if (!busyWithPoints(s)) continue;
    any = true;
    allotted += g.ProductionSlot[s].SigotoPoint;
  }
  if (!any || !(g.SigotoPoint < allotted)) return;
  double amount = points.Num();
  while (amount > 0) {
    bool trimmed = false;
    for (int s = 0; s < kSlotCount && amount > 0; ++s) {
      if (!busyWithPoints(s)) continue;
      g.ProductionSlot[s].SigotoPoint -= 1;
      amount -= 1;
      trimmed = true;
    }
    if (!trimmed) return;
  }
}

}  // namespace

void GetAsi() {
  if (State().HouseKind == 0) {
    Refuse("アパートでは雇えません。");
    return;
  }
  ui::Show(form::kHireAssistant, ui::Modal);
}

void AsiKaiko() {
  ListHiredAssistants();
  if (State().AsiListCount == 0) {
    Refuse("ｱｼｽﾀﾝﾄがいません");
    return;
  }
  ui::Show(form::kDismissAssistant, ui::Modal);
}

void DrawAssistantOffer() {
  GameState& g = State();
  const long long rows = AsiRows(g);
  long long notHired = 0;
  for (long long i = 0; i < rows; ++i) {
    g.Assistant[i].Offered = 0;
    notHired += g.Assistant[i].Hired == 0;
  }
  const long long count = std::min<long long>(RndInt(4) + 2, notHired);
  for (long long p = 0; p < count; ++p) {
    long long row = RndInt(static_cast<long>(rows));
    for (int redraw = 0; redraw < kRedraws && !Free(g, row); ++redraw) row = RndInt(static_cast<long>(rows));
    // A generator that keeps giving taken rows: the next free row after the last one drawn.
    while (!Free(g, row)) row = (row + 1) % rows;
    g.Assistant[row].Offered = 1;
    g.AsiList[p] = row;
  }
  g.AsiListCount = count;
}

void ListHiredAssistants() {
  GameState& g = State();
  g.AsiListCount = 0;
  for (long long i = 0; i < AsiRows(g); ++i) {
    if (g.Assistant[i].Hired != 1) continue;
    g.AsiList[g.AsiListCount] = i;
    g.AsiListCount += 1;
  }
}

bool HireAssistant(const Value& page) {
  GameState& g = State();
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  if (HiredCount(g) >= kMostAssistants) {
    ui::ShowMessage("雇えるｱｼｽﾀﾝﾄは4人までです。");
    return false;
  }
  const long long row = RowOnPage(g, page);
  if (row < 0) return false;
  rec::Assistant& assistant = g.Assistant[row];
  assistant.Hired = 1;
  g.SigotoPoint += assistant.Point;
  for (int k = 0; k < kDesks; ++k) {
    if (g.AsiDesk[k] != -1) continue;
    g.AsiDesk[k] = row;
    rec::Figure& figure = g.Figure[k + 1];
    figure.Picture = assistant.Picture;
    // A desk freed and seated again before the room moved on would still
    // carry the leaving mark, which would hide the newcomer for good.
    if (figure.Dir == kLeaving) figure.Dir = 0;
    // Seen in the room at once, not only once the clock moves the figures.
    ShowSeatedDesk(k);
    return true;
  }
  LogLine("HireAssistant: no free desk; the assistant is hired without one");
  return true;
}

bool DismissAssistant(const Value& page) {
  GameState& g = State();
  const long long row = RowOnPage(g, page);
  if (row < 0) return false;
  rec::Assistant& assistant = g.Assistant[row];
  if (ui::AskYesNo(Join(assistant.Name, "氏を本当に止めさせますか？")) != yes_no::kYes) return false;
  g.SigotoPoint -= assistant.Point;
  assistant.Hired = 0;
  TrimSlotPoints(g, assistant.Point);
  for (int k = 0; k < kDesks; ++k) {
    if (g.AsiDesk[k] != row) continue;
    rec::Figure& figure = g.Figure[k + 1];
    figure.Dir = kLeaving;
    // Out of sight at once, before the room's next update.
    g.Sprite[figure.Sprite].SrcX = sheet::kLeavingSourceX;
    g.AsiDesk[k] = -1;
    break;
  }
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  return true;
}

}  // namespace koratsu
