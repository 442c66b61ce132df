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

// One work's hour of sales. The work's totals and the money it earns are
// kept here and written back whenever a window is about to open (its
// timers may read them) and at the end.
class WorkHour {
 public:
  explicit WorkHour(long long w)
      : g_(State()),
        work_(g_.MangaWork[w]),
        w_(w),
        hyouka_(work_.Hyouka.Num()),
        cap_(HourCap(work_)),
        asleep_(g_.LifeStatus == kAsleep),
        awardSales_(work_.AwardSales.Num()),
        totalSold_(work_.TotalSold.Num()),
        royalty_(work_.Royalty.Num()),
        volumes_(g_.ComicsVolume[w].begin()) {}

  // Volume v's hour, v below the work's 501 volumes. A volume that no
  // longer sells adds its stock to `unsold`. True when a window opened.
  bool Sell(long long v, double& unsold);
  // Writes the totals back and asks the windows that show them to redraw.
  void WriteBack();

 private:
  void ReprintVolume(long long v, rec::ComicsVolume& volume, double rate);
  void AnnounceMillion(long long v);
  // True when the ceremony was held.
  bool DrawAward();

  GameState& g_;
  rec::MangaWork& work_;
  long long w_;
  double hyouka_, cap_;
  bool asleep_;
  double awardSales_, totalSold_, royalty_;
  double earned_ = 0;
  bool pending_ = false;
  rec::ComicsVolume* volumes_;  // the work's row of volumes, walked unchecked
};

bool WorkHour::Sell(long long v, double& unsold) {
  rec::ComicsVolume& volume = volumes_[v];
  const double rate = volume.SalesRate.Num();
  bool opened = false;
  double sold;
  if (rate > 0) {
    sold = Int(rate * rate / 20 + rate * hyouka_ / 20 + 11 * RndInt(10));
    // Below 100 the hundredth is 0 without a division.
    const double next = rate - (rate < 100 ? 0 : Int(rate / 100)) - 1;
    volume.SalesRate = next;
    while (sold >= cap_) sold = Int(sold / 2);
    if (volume.Printed == 0 && next > 0) {
      ReprintVolume(v, volume, next);
      opened = true;
    }
  } else {
    sold = 2 * RndInt(2);
    unsold += volume.Printed.Num();
  }
  if (asleep_) sold = Int(sold / 2);
  const double stock = volume.Printed.Num();
  if (sold > stock) sold = stock;

  const double copies = volume.Sold.Num() + sold;
  volume.Sold = copies;
  volume.Printed = stock - sold;
  awardSales_ += sold;
  totalSold_ += sold;
  const double royalty = RoyaltyFor(sold, volume.Price);
  royalty_ += royalty;
  earned_ += royalty;
  pending_ = true;

  if (copies >= kMillion && volume.MillionFlag == 0) {
    volume.MillionFlag = 1;
    AnnounceMillion(v);
    opened = true;
  }
  // Drawn for every volume, whatever the sales.
  if (RndInt(kAwardOdds) == 0 && DrawAward()) opened = true;
  return opened;
}

void WorkHour::WriteBack() {
  if (!pending_) return;
  work_.AwardSales = awardSales_;
  work_.TotalSold = totalSold_;
  work_.Royalty = royalty_;
  AddKingaku(earned_);
  earned_ = 0;
  pending_ = false;
  g_.FormSlot[form::kArchive].Redraw = 1;
  g_.FormSlot[form::kComicsRanking].Redraw = 1;
}

void WorkHour::ReprintVolume(long long v, rec::ComicsVolume& volume, double rate) {
  const Reprint reprint = ReprintFor(rate);
  g_.PlayerPopularity = g_.PlayerPopularity.Num() + kReprintPopularity;
  volume.Printed = reprint.copies;
  WriteBack();
  AddTalkLine(Join("  「", work_.Title, "」の第", v + 1, reprint.text));
  ui::ShowTalk("担当 報告");
}

void WorkHour::AnnounceMillion(long long v) {
  WriteBack();
  g_.MillionRecord[0] = w_;
  g_.MillionRecord[1] = v;
  g_.FormSlot[form::kComicsMilestone].Param = 0;
  ui::Show(form::kComicsMilestone, ui::Modal);
}

bool WorkHour::DrawAward() {
  const Value publisher = g_.Magazine[work_.Magazine].Publisher - 1;
  // A work of no known publisher has no award to win.
  const bool known = publisher >= 0 && publisher < kPublishers;
  if (!known || g_.Publisher[publisher].AwardDone != 0 || awardSales_ < kAwardSales) return false;
  WriteBack();
  Ceremony()(static_cast<int>(publisher.Index()), w_);
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
    const long long volumes = std::min(g.MangaWork[w].Volumes.Index(), kVolumeCapacity);
    WorkHour hour(w);
    for (long long v = 0; v < volumes; ++v)
      if (hour.Sell(v, unsold) && GameEnded()) return;
    hour.WriteBack();
    WarnOfReturns(w, unsold);
  }
}

}  // namespace koratsu
