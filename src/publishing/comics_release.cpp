#include "publishing/comics_release.h"

#include "publishing/comics.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

void CloseComicsRelease() {
  GameState& g = State();
  const Value work = g.FormSlot[form::kComicsRelease].Param;
  const rec::MangaWork& w = g.MangaWork[work];
  if (w.Volumes == 1) {
    const long long row = AddComicRow(w.Title, Join(g.PlayerSei, " ", g.PlayerMei), 0, 0, 0, 0);
    // A full market keeps the series off it; no other row is touched.
    if (row >= 0) g.ComicEntry[row].MangaIndex = work;
  }
  g.PlayerPopularity += 0.5;
  g.FormSlot[form::kComicsRanking].Redraw = 1;
}

double FirstPrintRun(const Value& rate) {
  if (rate < 200) return 50000;
  if (rate < 400) return 100000;
  return 150000;
}

}  // namespace koratsu
