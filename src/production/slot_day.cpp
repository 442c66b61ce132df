#include "production/slot_day.h"

#include "production/slots.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kSerialEpisodeKind = 6;  // SlotKind of a serial's episode
constexpr int kCopier = 0;             // the copier's row in the equipment

void StrikeAccident(int slot) {
  GameState& g = State();
  g.FormSlot[form::kAccident].Mode = RndInt(2);
  ui::Show(form::kAccident, ui::Modal);
  const bool copier = !(g.Equipment[kCopier].Owned == 0);
  if (copier) {
    AddTalkLine("  コピー機を持っていたため思ったより被害はなかったようです。");
    ui::ShowTalk("担当 報告");
  }
  g.SlotKanseido[slot] = ProgressAfterAccident(g.SlotKanseido[slot], copier);
}

}  // namespace

Value ProgressAfterAccident(const Value& progress, bool copier) {
  Value left = copier ? progress - progress / 5 : progress / 2;
  if (left < 0.1) left = 0.1;
  return left;
}

void SlotNewDay(int slot) {
  GameState& g = State();
  if (!(g.SlotKanseido[slot] > 0)) return;
  rec::ProductionSlot& s = g.ProductionSlot[slot];
  // A slot without a deadline (-1) keeps it; a requested one-shot reaching 0
  // is seen at 22:00.
  if (s.DaysLeft >= 1) {
    s.DaysLeft -= 1;
    if (s.DaysLeft == 0 && s.Kind == kSerialEpisodeKind)
      QueueEditorEvent(event_code::kSerialDeadline, 0, {.Target = slot});
  }
  if (RndInt(100) == 0) StrikeAccident(slot);
  g.FormSlot[form::kCompletion].Redraw = 1;
}

}  // namespace koratsu
