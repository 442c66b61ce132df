#include "publishing/countdowns.h"

#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/money.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kLastRunDay = 21;

void TellEndOfRun(long long work) {
  const rec::MangaWork& w = State().MangaWork[work];
  AddTalkLine(Join("  ", w.Title, "の映画上映が終了しました。"));
  AddTalkLine(Join("観客動員数はのべ", FormatKingaku(w.MovieAudience), "人でした。"));
  ui::ShowTalk("担当 報告");
}

}  // namespace

void CountDownAnime(long long work) {
  rec::MangaWork& w = State().MangaWork[work];
  if (!(w.AnimeStartDays >= 1)) return;
  w.AnimeStartDays -= 1;
  if (w.AnimeStartDays == 0 && w.AnimeState == 1) QueueEditorEvent(event_code::kBroadcast, 0, {.Target = work});
}

void CountDownMovie(long long work) {
  rec::MangaWork& w = State().MangaWork[work];
  if (w.MovieOn != 1) return;
  if (w.MovieStartDays > 0) {
    w.MovieStartDays -= 1;
    if (w.MovieStartDays == 0) {
      w.MovieDay += 1;
      QueueEditorEvent(event_code::kPremiere, 0, {.Target = work});
    }
  } else if (w.MovieStartDays == 0 && w.MovieDay <= kLastRunDay) {
    w.MovieDay += 1;
    if (w.MovieDay == kLastRunDay + 1) TellEndOfRun(work);
  }
}

}  // namespace koratsu
