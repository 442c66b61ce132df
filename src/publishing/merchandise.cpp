#include "publishing/merchandise.h"

#include "production/work_record.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/random.h"

namespace koratsu {

void DrawMerchandiseOffer(long long work) {
  const rec::MangaWork& w = State().MangaWork[work];
  const bool onAir = w.AnimeState == 1;
  const double longer = onAir ? 1 : 2;
  // Both numbers are drawn for every work, offered or not.
  const long kind = RndInt(kMerchandiseKinds);
  const long chance = RndIntSingle(kind == kBankMascot ? 100 : 50, longer);
  if (kind == kBankMascot && !onAir) return;
  if (chance != 0) return;
  if (w.MerchAccepted[kind] != 0) return;
  if (!(w.State == manga_state::kSerialRunning || w.State == manga_state::kSerialEnded)) return;
  // Two offers on one day each keep their own work and kind.
  QueueEditorEvent(event_code::kMerchandiseOffer, 0, {.Manga = kind, .Target = work});
}

}  // namespace koratsu
