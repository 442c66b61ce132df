#include "ui/game_ops.h"

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

void PlayKoukaon(const Value& kind) {
  // The sound-effects setting 2 ("鳴らさない") silences both effects.
  if (State().Koukaon == 2) return;
  if (kind == 0) {
    ui::PlaySound(0);
  } else if (kind == 1) {
    ui::PlaySound(1);
  }
}

#ifdef KORATSU_TEST_HOOKS
namespace {
void (*kingakuObserver)(const Value&) = nullptr;
}  // namespace

void ObserveAddKingaku(void (*observer)(const Value& amount)) { kingakuObserver = observer; }
#endif

void AddKingaku(const Value& amount) {
#ifdef KORATSU_TEST_HOOKS
  if (kingakuObserver) kingakuObserver(amount);
#endif
  GameState& g = State();
  // Always a number addition: a text amount must never be joined onto the money.
  g.Kingaku = g.Kingaku.Num() + amount.Num();
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  g.FormSlot[form::kAssetRanking].Redraw = 1;
}

void UnloadAllForms() {
  // The tutorial guide, the magazine text, the featured article, the fan
  // letter, the windows after the training's progress and the main window
  // stay open.
  for (int form = form::kFirst; form <= form::kTrainingProgress; ++form) {
    if (form == form::kTutorialGuide || form == form::kMagazineText || form == form::kFeaturedArticle ||
        form == form::kFanLetter)
      continue;
    if (ui::IsLoaded(form)) ui::Unload(form);
  }
}

}  // namespace koratsu
