#include "production/delivery.h"

#include "life/experience.h"
#include "production/work_record.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/month_days.h"
#include "state/shared_ops.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kVerdictDelay = 2;  // days until the magazine answers
constexpr int kMonthly = 1;
constexpr int kWeekly = 2;

}  // namespace

void OpenDelivery() {
  GameState& g = State();
  const long long items = g.TiItemCount.Index();
  for (long long i = 0; i < items; ++i) g.KnowledgeItem[i].PointWork = g.KnowledgeItem[i].Point;
  g.SerialEpisodeSent = 0;
}

std::string DeliverRequestedOneShot() {
  GameState& g = State();
  const long long m = g.MangaCount.Index() - 1;
  if (m < 0) {
    LogLine("delivery: no work to deliver");
    return {};
  }
  rec::MangaWork& work = g.MangaWork[m];
  const Value magazine = work.RequestMagazine;
  g.PlayerPopularity += 1;
  QueueEditorEvent(event_code::kOneShotVerdict, kVerdictDelay, {.Manga = m, .Magazine = magazine});
  work.SentMagazine = magazine;
  work.Magazine = magazine;
  work.Date = DateString(g.GameYear, g.GameMonth, g.GameDay, 2);
  const std::string text =
      Join("完成した読切漫画「", work.Title, "」を", g.Magazine[magazine].PublisherName, "へ送ります。");
  AddExperience(2);
  return text;
}

void DeliverySent() {
  GameState& g = State();
  g.ResumeRequest = 1;
  g.FormSlot[form::kCompletion].Rebuild = 1;
  g.FormSlot[form::kArchive].Rebuild = 1;
  g.FormSlot[form::kKnowledgeList].Rebuild = 1;
}

Value DaysToRegularDeadline(const Value& magazine, const Value& unchanged) {
  GameState& g = State();
  const rec::Magazine& row = g.Magazine[magazine];
  if (row.Frequency == kMonthly) return row.DeadlineDay + DaysInMonth(g.GameMonth) - g.GameDay;
  if (row.Frequency == kWeekly) return 7 + row.DeadlineDay - g.GameWeekday;
  return unchanged;
}

}  // namespace koratsu
