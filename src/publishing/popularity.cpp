#include "publishing/popularity.h"

#include "production/work_record.h"
#include "publishing/notices.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// By event type: the chance's base for an ended serial and for any other
// work, and the raise's factor. Type 0 is the magazine feature.
struct EventKind {
  int endedBase, otherBase;
  double raise;
};
constexpr EventKind kKinds[4] = {{200, 160, 1.1}, {180, 150, 0.8}, {250, 170, 1.2}, {170, 160, 0.8}};
constexpr int kFeature = 0;
constexpr int kLeastChance = 30;
constexpr int kHit = 1;  // the draw that makes the event happen
constexpr int kArticleVariants = 4;

PopularityNews NewsOf(int type) {
  if (type == 1) return PopularityNews::Magazine;
  if (type == 2) return PopularityNews::NewsProgramme;
  return PopularityNews::Interview;
}

void ShowNotice(long long work, int type) {
  GameState& g = State();
  if (type == kFeature) {
    g.FormSlot[form::kFeaturedArticle].Mode = work;
    g.FormSlot[form::kFeaturedArticle].Param = RndInt(kArticleVariants);
    ui::Show(form::kFeaturedArticle, ui::Modal);
    return;
  }
  const Value& title = g.MangaWork[work].Title;
  ui::SetControlText(form::kVeryPopular, "Label3(0)", VeryPopularHeading(title));
  ui::SetControlText(form::kVeryPopular, "Label1(0)", VeryPopularText(title, NewsOf(type)));
  ui::Show(form::kVeryPopular, ui::Modal);
}

void DrawPopularityEvent(long long work) {
  GameState& g = State();
  const rec::MangaWork& m = g.MangaWork[work];
  const long long volumes = m.Volumes.Index();
  if (volumes < 1) return;
  const int type = static_cast<int>(RndInt(4));
  const EventKind& kind = kKinds[type];
  const double hyouka = m.Hyouka.Num();
  double chance = (m.State == manga_state::kSerialEnded ? kind.endedBase : kind.otherBase) - Int(hyouka / 10);
  if (chance <= kLeastChance) chance = kLeastChance;
  if (RndInt(static_cast<long>(chance)) != kHit) return;
  // Each volume gets a raise of its own.
  const double fame = g.PlayerFame.Num();
  for (long long v = 0; v < volumes; ++v) {
    rec::ComicsVolume& volume = g.ComicsVolume[work][v];
    volume.SalesRate = volume.SalesRate.Num() + kind.raise * (hyouka / 3.5 + RndInt(3) + fame / 20);
  }
  ShowNotice(work, type);
}

}  // namespace

void DrawPopularityEvents() {
  const long long works = State().MangaCount.Index();
  for (long long w = 0; w < works; ++w) {
    DrawPopularityEvent(w);
    if (GameEnded()) return;
  }
}

}  // namespace koratsu
