#include "production/schedule.h"

#include "production/completion.h"
#include "production/point_buttons.h"
#include "production/slots.h"
#include "production/sukezyuru.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {

const char* const kZeroPointsQuestion = "仕事のﾎﾟｲﾝﾄがゼロですが、それでいいですか？";

namespace {

rec::ProductionSlot& Slot(int s) { return State().ProductionSlot[s]; }

}  // namespace

void OpenSchedule() {
  GameState& g = State();
  RecountSlotsInUse();
  for (int s = 0; s <= kLastSlot; ++s)
    if (SlotBusy(s)) Slot(s).SigotoPointEdit = Slot(s).SigotoPoint;
  g.SigotoPointLeft = g.SigotoPoint;
  for (int s = 0; s <= kLastSlot; ++s)
    if (SlotBusy(s)) g.SigotoPointLeft -= Slot(s).SigotoPointEdit;
  g.SukezyuruTypeEdit = g.SukezyuruType;
}

Value ScheduleEstimate(int slot) {
  const GameState& g = State();
  const rec::ProductionSlot& p = g.ProductionSlot[slot];
  // In this order: the result is rounded down, and the order decides it.
  const Value perHour = (p.SigotoPointEdit / 10) * ((Value(3) / g.ScheduleEvery) * 4);
  return Int((p.Target - g.SlotKanseido[slot]) / (perHour * g.SukezyuruHours));
}

ScheduleRow ScheduleRowTexts(int slot) {
  const GameState& g = State();
  const rec::ProductionSlot& p = g.ProductionSlot[slot];
  ScheduleRow row;
  const int percent = SlotPercent(slot);
  row.percent = Join(percent, "%");
  row.bar = percent / 100.0;
  row.label = SlotRowLabel(slot);
  row.points = p.SigotoPointEdit.Str();

  const bool hasPoints = p.SigotoPointEdit != 0;
  const Value estimate = hasPoints ? ScheduleEstimate(slot) : Value();
  if (!hasPoints) {
    row.completion = "完成予定なし";
  } else if (g.SlotKanseido[slot] > p.Target) {
    row.completion = "完成しています";
    row.completionCentred = true;
  } else {
    row.completion = Join("完成予定あと ", estimate, "日");
  }

  if (p.DaysLeft == -1) {
    row.deadline = "〆切なし";
    row.deadlineCentred = true;
  } else {
    row.deadline = Join("〆切まであと ", p.DaysLeft, "日");
  }
  // A work without points never finishes: with a deadline it is late.
  const bool hasDeadline = p.DaysLeft >= 0;
  row.deadlineRed = hasDeadline && (!hasPoints || estimate > p.DaysLeft);
  return row;
}

std::string ScheduleTotalText() { return Join(State().SigotoPoint, "ﾎﾟｲﾝﾄ"); }

std::string ScheduleLeftText() { return Join(State().SigotoPointLeft, "ﾎﾟｲﾝﾄ"); }

void SplitSchedulePointsEvenly() {
  GameState& g = State();
  const int n = BusySlots();
  if (n == 0) return;
  g.SigotoPointLeft = g.SigotoPoint;
  const double share = Int(g.SigotoPoint / n);
  int given = 0;
  for (int s = 0; s <= kLastSlot; ++s) {
    if (!SlotBusy(s)) continue;
    if (++given < n) {
      Slot(s).SigotoPointEdit = share;
      g.SigotoPointLeft -= share;
    } else {
      Slot(s).SigotoPointEdit = g.SigotoPoint - (n - 1) * share;
      g.SigotoPointLeft = 0;
    }
  }
}

void PressSchedulePointButton(int slot, int repeat) {
  GameState& g = State();
  g.PointRepeat = repeat;
  g.PointRepeatSlot = slot;
}

void ReleaseSchedulePointButton() { State().PointRepeat = kPointRepeatIdle; }

bool ScheduleTimerStep() {
  GameState& g = State();
  if (g.PointRepeat == kPointRepeatIdle) return false;
  StepHeldPointButton(g.SigotoPointLeft, Slot(static_cast<int>(g.PointRepeatSlot.Index())).SigotoPointEdit);
  return true;
}

void ChooseSchedulePace(int k) {
  State().SukezyuruTypeEdit = k + 1;
  SetSukezyuruHours(1);
}

std::string StaminaVerdict() {
  const GameState& g = State();
  const double v = Int(100 * g.Stamina / g.StaminaMax);
  if (v > 80) return "体力は十分あります";
  if (v > 60) return "体力は比較的あります";
  if (v > 40) return "ちょっとばて気味です";
  if (v > 20) return "ちょっと危険です";
  // Nearly out of stamina is the gravest case of all, not the first.
  return "非常に危険です";
}

bool ConfirmSchedule() {
  GameState& g = State();
  AdvanceTutorial(tutorial_stage::kSchedule);
  for (int s = 0; s <= kLastSlot; ++s) {
    if (g.SlotKanseido[s] != 0 && Slot(s).SigotoPointEdit == 0) {
      if (ui::AskYesNo(kZeroPointsQuestion) != yes_no::kYes) return false;
      break;
    }
  }
  for (int s = 0; s <= kLastSlot; ++s)
    if (SlotBusy(s)) Slot(s).SigotoPoint = Slot(s).SigotoPointEdit;
  for (int pace = 1; pace <= 3; ++pace)
    if (g.SukezyuruTypeEdit == pace) g.SukezyuruType = pace;
  ui::Unload(form::kSchedule);
  return true;
}

void CancelSchedule() { ui::Unload(form::kSchedule); }

void CloseSchedule() { SetSukezyuruHours(0); }

}  // namespace koratsu
