#include "publishing/comics_sales.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "publishing/awards.h"
#include "publishing/notices.h"
#include "state/game_state.h"
#include "state/money.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kAsleep = 3;
constexpr long long kVolumeCapacity = decltype(rec::MangaWork::EpisodeVolume)::kCapacity;
constexpr double kMillion = 1000000;
constexpr double kAwardSales = 4500000;
constexpr long kAwardOdds = 30;
constexpr int kPublishers = 5;
constexpr double kReturnsPileUp = 140000;
constexpr double kReturnsCleared = 30000;
constexpr double kReprintPopularity = 1.1;

// The movie's audience is counted on the run's days 1 to 20.
constexpr double kFirstRunDay = 1, kLastCountedDay = 20;
constexpr double kAudienceCap = 2500;
constexpr double kTicketShare = 180;

AwardCeremony& Ceremony() {
  static AwardCeremony ceremony = MangaAwardCeremony;
  return ceremony;
}

// The copies a volume may sell in an hour before they are halved.
double HourCap(const rec::MangaWork& work) {
  if (work.AnimeState >= 1) return work.MovieOn == 1 ? 3500 : 3200;
  return 2800;
}

struct Reprint {
  double copies;
  const char* text;
};
Reprint ReprintFor(double rate) {
  if (rate < 100) return {50000, "巻が 5万冊の増刷が決まりました。"};
  if (rate < 200) return {100000, "巻が 10万冊の増刷が決まりました。"};
  return {150000, "巻が 15万冊の増刷が決まりました。"};
}

void CountMovieAudience(long long w) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[w];
  if (work.MovieOn != 1 || work.MovieDay < kFirstRunDay || work.MovieDay > kLastCountedDay) return;
  const double d = 40 - work.MovieDay.Num();
  double audience = Int(25 * d * d / 20 + 6 * d * work.Hyouka.Num() / 22 + 11 * RndInt(10));
  while (audience >= kAudienceCap) audience = Int(audience / 2);
  work.MovieAudience = work.MovieAudience.Num() + audience;
  AddKingaku(Int(audience * kTicketShare));
  g.FormSlot[form::kArchive].Redraw = 1;
}

void AnnounceReprint(long long w, long long v, const Reprint& reprint) {
  AddTalkLine(Join("  「", State().MangaWork[w].Title, "」の第", v + 1, reprint.text));
  ui::ShowTalk("担当 報告");
}

void AnnounceMillion(long long w, long long v) {
  GameState& g = State();
  g.MillionRecord[0] = w;
  g.MillionRecord[1] = v;
  g.FormSlot[form::kComicsMilestone].Param = 0;
  ui::Show(form::kComicsMilestone, ui::Modal);
}

// One volume's hour. Adds the stock of a volume that no longer sells to
// `unsold`.
void SellVolume(long long w, long long v, double& unsold) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[w];
  rec::ComicsVolume& volume = g.ComicsVolume[w][v];
  const double rate = volume.SalesRate.Num();
  double sold;
  if (rate > 0) {
    sold = Int(rate * rate / 20 + rate * work.Hyouka.Num() / 20 + 11 * RndInt(10));
    const double next = rate - Int(rate / 100) - 1;
    volume.SalesRate = next;
    const double cap = HourCap(work);
    while (sold >= cap) sold = Int(sold / 2);
    if (volume.Printed == 0 && next > 0) {
      const Reprint reprint = ReprintFor(next);
      g.PlayerPopularity = g.PlayerPopularity.Num() + kReprintPopularity;
      volume.Printed = reprint.copies;
      AnnounceReprint(w, v, reprint);
    }
  } else {
    sold = 2 * RndInt(2);
    unsold += volume.Printed.Num();
  }
  if (g.LifeStatus == kAsleep) sold = Int(sold / 2);
  const double stock = volume.Printed.Num();
  if (sold > stock) sold = stock;

  volume.Sold = volume.Sold.Num() + sold;
  work.AwardSales = work.AwardSales.Num() + sold;
  work.TotalSold = work.TotalSold.Num() + sold;
  const double royalty = RoyaltyFor(sold, volume.Price);
  work.Royalty = work.Royalty.Num() + royalty;
  AddKingaku(royalty);
  volume.Printed = stock - sold;

  if (volume.Sold >= kMillion && volume.MillionFlag == 0) {
    volume.MillionFlag = 1;
    AnnounceMillion(w, v);
  }
  // Drawn for every volume, whatever the sales.
  if (RndInt(kAwardOdds) == 0) {
    const Value publisher = g.Magazine[work.Magazine].Publisher - 1;
    // A work of no known publisher has no award to win.
    const bool known = publisher >= 0 && publisher < kPublishers;
    if (known && g.Publisher[publisher].AwardDone == 0 && work.AwardSales >= kAwardSales)
      Ceremony()(static_cast<int>(publisher.Index()), w);
  }
  g.FormSlot[form::kArchive].Redraw = 1;
  g.FormSlot[form::kComicsRanking].Redraw = 1;
}

// Once per pile-up: armed again when the pile has fallen to 30,000.
void WarnOfReturns(long long w, double unsold) {
  rec::MangaWork& work = State().MangaWork[w];
  if (unsold >= kReturnsPileUp && work.ReturnWarned == 0) {
    work.ReturnWarned = 1;
    ui::SetControlText(form::kReturnsNotice, "Label1(0)", ReturnsText(work.Title));
    ui::Show(form::kReturnsNotice, ui::Modal);
  } else if (unsold <= kReturnsCleared && work.ReturnWarned == 1) {
    work.ReturnWarned = 0;
  }
}

}  // namespace

AwardCeremony SetAwardCeremony(AwardCeremony ceremony) {
  AwardCeremony previous = std::move(Ceremony());
  Ceremony() = ceremony ? std::move(ceremony) : AwardCeremony(MangaAwardCeremony);
  return previous;
}

double RoyaltyFor(double copies, const Money& price) {
  // Whole copies times the price in ten-thousandths of a yen, in integers:
  // a tenth of 399 yen is not exact in a double.
  constexpr double kExactCopies = 1e9;
  constexpr long long kExactPrice = 1000000000;
  if (copies == std::floor(copies) && std::fabs(copies) < kExactCopies && std::llabs(price.Scaled()) < kExactPrice) {
    const long long scaled = static_cast<long long>(copies) * price.Scaled();
    constexpr long long kTenthOfScale = 100000;
    long long whole = scaled / kTenthOfScale;
    if (scaled % kTenthOfScale != 0 && scaled < 0) whole -= 1;
    return static_cast<double>(whole);
  }
  return Int(copies * price.Num() / 10);
}

void SellComics() {
  GameState& g = State();
  const long long works = g.MangaCount.Index();
  for (long long w = 0; w < works; ++w) {
    CountMovieAudience(w);
    double unsold = 0;
    const long long volumes = std::min(g.MangaWork[w].Volumes.Index(), kVolumeCapacity);
    for (long long v = 0; v < volumes; ++v) {
      SellVolume(w, v, unsold);
      if (GameEnded()) return;
    }
    WarnOfReturns(w, unsold);
  }
}

}  // namespace koratsu
