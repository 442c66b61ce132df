#include "publishing/comics_sales.h"

#include <algorithm>
#include <cmath>
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

// One work's hour in hand. The totals are kept here and written back
// whenever a window is about to open (its timers may read them) and at the end.
struct WorkHour {
  rec::MangaWork& work;
  long long w;
  rec::ComicsVolume* row;  // the work's volumes, walked unchecked below `volumes`
  long long volumes;
  double hyouka, cap;
  bool asleep;
  long long awardPublisher;  // the publisher whose award the work may still win, or -1
  double awardSales, totalSold, royalty;
  double earned = 0, unsold = 0;
  bool pending = false;
  bool redrawOwed = false;  // a volume has finished its hour since the last redraw request
};

// The publisher index whose award the work may win, sales aside, or -1.
long long AwardPublisher(const rec::MangaWork& work) {
  GameState& g = State();
  const Value publisher = g.Magazine[work.Magazine].Publisher - 1;
  // A work of no known publisher has no award to win.
  const bool known = publisher >= 0 && publisher < kPublishers;
  if (!known || g.Publisher[publisher].AwardDone != 0) return -1;
  return publisher.Index();
}

void WriteBack(WorkHour& h) {
  if (h.pending) {
    h.work.AwardSales = h.awardSales;
    h.work.TotalSold = h.totalSold;
    h.work.Royalty = h.royalty;
    AddKingaku(h.earned);
    h.earned = 0;
    h.pending = false;
  }
  // Each volume asks for the redraws once its hour is over, award included.
  if (h.redrawOwed) {
    GameState& g = State();
    g.FormSlot[form::kArchive].Redraw = 1;
    g.FormSlot[form::kComicsRanking].Redraw = 1;
    h.redrawOwed = false;
  }
}

// The hour's copies of a volume still selling, from its rate before the decay.
[[gnu::always_inline]] inline double SoldAtRate(double rate, const WorkHour& h, long noise) {
  double sold = Int(rate * rate / 20 + rate * h.hyouka / 20 + 11 * noise);
  while (sold >= h.cap) sold = Int(sold / 2);
  return sold;
}
// The rate after the hour's decay. Below 100 the hundredth is 0 without a division.
[[gnu::always_inline]] inline double DecayedRate(double rate) { return rate - (rate < 100 ? 0 : Int(rate / 100)) - 1; }

// The sale itself, after the reprint: sleep, stock, the volume's counts and
// the work's totals. Returns the volume's copies sold in all.
template <class Totals>
[[gnu::always_inline]] inline double RecordSale(rec::ComicsVolume& volume, double sold, bool asleep, Totals& t) {
  if (asleep) sold = Int(sold / 2);
  const double stock = volume.Printed.Num();
  if (sold > stock) sold = stock;
  const double copies = volume.Sold.Num() + sold;
  volume.Sold = copies;
  volume.Printed = stock - sold;
  t.awardSales += sold;
  t.totalSold += sold;
  const double royalty = RoyaltyFor(sold, volume.Price);
  t.royalty += royalty;
  t.earned += royalty;
  t.pending = true;
  return copies;
}

[[gnu::always_inline]] inline bool IsMillionSeller(const rec::ComicsVolume& volume, double copies) {
  return copies >= kMillion && volume.MillionFlag == 0;
}

// Why a quiet stretch of volumes stopped: at the end, or at a volume that
// opens a window.
enum class Stop { kEnd, kReprint, kMillion, kAward };

// Sells volumes from `v` on while none opens a window, everything the loop
// touches held in locals. At a reprint it stops before the volume's first
// draw; at a million seller after the sale; at the award after its draw.
template <class Draws>
Stop SellQuietly(WorkHour& h, long long& v) {
  Draws draws;
  struct {
    double awardSales, totalSold, royalty, earned;
    bool pending;
  } t{h.awardSales, h.totalSold, h.royalty, h.earned, h.pending};
  double unsold = h.unsold;
  const bool asleep = h.asleep;
  const bool awardOpen = h.awardPublisher >= 0;
  const long long first = v;
  Stop stop = Stop::kEnd;
  for (; v < h.volumes; ++v) {
    rec::ComicsVolume& volume = h.row[v];
    const double rate = volume.SalesRate.Num();
    double sold;
    if (rate > 0) {
      const double next = DecayedRate(rate);
      if (volume.Printed == 0 && next > 0) {
        stop = Stop::kReprint;
        break;
      }
      sold = SoldAtRate(rate, h, draws.Int(10));
      volume.SalesRate = next;
    } else {
      sold = 2 * draws.Coin();
      unsold += volume.Printed.Num();
    }
    if (IsMillionSeller(volume, RecordSale(volume, sold, asleep, t))) {
      stop = Stop::kMillion;
      break;
    }
    // Drawn for every volume, whatever the sales.
    if (draws.IntIsZero(kAwardOdds) && awardOpen && t.awardSales >= kAwardSales) {
      stop = Stop::kAward;
      break;
    }
  }
  draws.Put();
  // The volumes before the one it stopped at have finished their hour.
  if (v > first) h.redrawOwed = true;
  h.awardSales = t.awardSales;
  h.totalSold = t.totalSold;
  h.royalty = t.royalty;
  h.earned = t.earned;
  h.pending = t.pending;
  h.unsold = unsold;
  return stop;
}

void ReprintVolume(const rec::MangaWork& work, long long v, rec::ComicsVolume& volume, double rate) {
  const Reprint reprint = ReprintFor(rate);
  GameState& g = State();
  g.PlayerPopularity = g.PlayerPopularity.Num() + kReprintPopularity;
  volume.Printed = reprint.copies;
  AddTalkLine(Join("  「", work.Title, "」の第", v + 1, reprint.text));
  ui::ShowTalk("担当 報告");
}

void AnnounceMillion(long long w, long long v) {
  GameState& g = State();
  g.MillionRecord[0] = w;
  g.MillionRecord[1] = v;
  g.FormSlot[form::kComicsMilestone].Param = 0;
  ui::Show(form::kComicsMilestone, ui::Modal);
}

// The rest of the hour of the volume a quiet stretch stopped at, windows
// included.
void FinishVolume(WorkHour& h, long long v, Stop stop) {
  rec::ComicsVolume& volume = h.row[v];
  if (stop == Stop::kReprint) {
    const double rate = volume.SalesRate.Num();
    const double sold = SoldAtRate(rate, h, RndInt(10));
    const double next = DecayedRate(rate);
    volume.SalesRate = next;
    WriteBack(h);
    ReprintVolume(h.work, v, volume, next);
    if (IsMillionSeller(volume, RecordSale(volume, sold, h.asleep, h))) stop = Stop::kMillion;
  }
  if (stop == Stop::kMillion) {
    volume.MillionFlag = 1;
    WriteBack(h);
    AnnounceMillion(h.w, v);
  }
  if (stop != Stop::kAward) {
    h.awardPublisher = AwardPublisher(h.work);
    if (RndInt(kAwardOdds) == 0 && h.awardPublisher >= 0 && h.awardSales >= kAwardSales) stop = Stop::kAward;
  }
  if (stop == Stop::kAward) {
    WriteBack(h);
    Ceremony()(static_cast<int>(h.awardPublisher), h.w);
  }
  // A window may have changed what the award needs.
  h.awardPublisher = AwardPublisher(h.work);
  // After a last award nothing more is asked of the windows.
  if (!GameEnded()) h.redrawOwed = true;
}

// One work's volumes for the hour, in order; a volume that no longer sells
// adds its stock to `unsold`. False when a window on the way ended the game.
bool SellVolumes(long long w, double& unsold) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[w];
  WorkHour h{.work = work,
             .w = w,
             .row = g.ComicsVolume[w].begin(),
             .volumes = std::min(work.Volumes.Index(), kVolumeCapacity),
             .hyouka = work.Hyouka.Num(),
             .cap = HourCap(work),
             .asleep = g.LifeStatus == kAsleep,
             .awardPublisher = AwardPublisher(work),
             .awardSales = work.AwardSales.Num(),
             .totalSold = work.TotalSold.Num(),
             .royalty = work.Royalty.Num()};
  long long v = 0;
  while (true) {
    const Stop stop = random_detail::installed ? SellQuietly<InstalledDraws>(h, v) : SellQuietly<BuiltInDraws>(h, v);
    if (stop == Stop::kEnd) break;
    FinishVolume(h, v, stop);
    if (GameEnded()) return false;
    ++v;
  }
  WriteBack(h);
  unsold = h.unsold;
  return true;
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
  // Copies times the price in ten-thousandths of a yen is held exactly below
  // 2^53, and its whole part divided by 100,000 in integers is Int of the
  // royalty. A tenth of 399 yen, taken first, would not be exact.
  constexpr double kExactWhole = 9007199254740992.0;
  constexpr long long kTenthOfScale = 100000;
  const double tenThousandths = copies * static_cast<double>(price.Scaled());
  if (tenThousandths >= 0 && tenThousandths < kExactWhole)
    return static_cast<double>(static_cast<long long>(tenThousandths) / kTenthOfScale);
  return Int(copies * price.Num() / 10);
}

void SellComics() {
  GameState& g = State();
  const long long works = g.MangaCount.Index();
  for (long long w = 0; w < works; ++w) {
    CountMovieAudience(w);
    double unsold = 0;
    if (!SellVolumes(w, unsold)) return;
    WarnOfReturns(w, unsold);
  }
}

}  // namespace koratsu
