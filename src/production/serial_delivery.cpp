#include "production/serial_delivery.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "life/experience.h"
#include "production/delivery.h"
#include "production/next_episode.h"
#include "production/slots.h"
#include "production/work_record.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "state/shared_ops.h"
#include "ui/game_ops.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kSerialKind = 6;
constexpr int kDeliveryExperience = 3;
constexpr int kCoinSound = 0;
constexpr double kFirstRankFactor = 1.2;
constexpr int kTopPlaces = 3;          // ranks 1 to 3 are top placings
constexpr int kBottomPlaces = 3;       // the last places from SerialCount - 3 are bottom placings
constexpr int kUnpopularPlaces = 4;    // a first episode from SerialCount - 4 on is unpopular news
constexpr int kWarningCount = 3;       // bottom placings that bring the warning
constexpr int kEndCount = 4;           // bottom placings that end the serial
constexpr int kAnimeTopCount = 5;
constexpr int kMovieTopCount = 8;
constexpr int kPagesPerVolume = 100;
const char* const kCaption = "連載漫画を送る";

constexpr long long kEpisodeCapacity = decltype(rec::MangaWork::EpisodeVolume)::kCapacity;
constexpr long long kVolumeCapacity =
    std::remove_reference_t<decltype(std::declval<GameState&>().ComicsVolume[0])>::kCapacity;

std::string Today() {
  const GameState& g = State();
  return DateString(g.GameYear, g.GameMonth, g.GameDay, 2);
}

// The serial's record made from its first episode in slot s, with its fee
// paid and its readers' news queued; -1 when the works table is full.
long long RecordFirstEpisode(long long s) {
  GameState& g = State();
  const long long m = AppendMangaWork();
  if (m < 0) return -1;
  rec::ProductionSlot& slot = g.ProductionSlot[s];
  rec::MangaWork& work = g.MangaWork[m];
  work.SerialEpisodes = 1;
  work.Title = g.SlotLabel[s];
  work.Date = Today();
  work.SerialFee = kSerialFee;
  AddKingaku(work.SerialFee);
  PlayKoukaon(kCoinSound);
  work.Magazine = slot.Magazine;
  work.Hyouka = slot.Quality;
  work.Source = slot.Source;
  // The ratings stay with the slot: a serial's record keeps none.
  RecordSlotMakeup(s, m);
  for (int k = 0; k < 3; ++k) work.SerialSettingPoints[k] = slot.SettingPoints[k];
  const Value magazine = work.Magazine;
  work.SerialRank = SerialRank(magazine, work.Hyouka, kFirstRankFactor);
  int news = event_code::kFairlyPopular;
  if (work.SerialRank <= kTopPlaces)
    news = event_code::kVeryPopular;
  else if (work.SerialRank >= g.Magazine[magazine].SerialCount - kUnpopularPlaces)
    news = event_code::kNotPopular;
  QueueEditorEvent(news, 2, {.Manga = work.Title});
  work.State = manga_state::kSerialRunning;
  RecountSigotoPointLeft();
  return m;
}

// A later episode's fee and count, and the comics volume its pages may complete.
void RecordLaterEpisode(long long s, long long m) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[m];
  AddKingaku(work.SerialFee);
  PlayKoukaon(kCoinSound);
  work.SerialEpisodes += 1;
  g.SerialEpisodeSent = work.SerialEpisodes;
  g.SerialTitleSent = g.SlotLabel[s];

  // The uncollected episodes are always the latest; once their pages make a
  // volume, they all go into the next one. One volume per delivery at most.
  const Value pages = g.Magazine[g.ProductionSlot[s].Magazine].Pages;
  const long long episodes = std::min(work.SerialEpisodes.Index(), kEpisodeCapacity);
  double count = 0;
  long long first = -1;
  for (long long e = 0; e < episodes; ++e) {
    if (work.EpisodeVolume[e] != 0) continue;
    if (first < 0) first = e;
    count += pages.Num();
    if (count < kPagesPerVolume) continue;
    if (work.Volumes.Index() >= kVolumeCapacity) {
      LogLine("serial delivery: work " + std::to_string(m) + " holds no more volumes; none collected");
      return;
    }
    for (long long j = first; j < episodes; ++j) work.EpisodeVolume[j] = work.Volumes + 1;
    QueueEditorEvent(event_code::kComicsOffer, 3, {.Target = m});
    return;
  }
}

// The placing this delivery counts, and the offers a popular serial may get.
void CountPlacing(long long m) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[m];
  const Value places = g.Magazine[work.Magazine].SerialCount;
  if (work.SerialRank <= kTopPlaces) work.SerialTopCount += 1;
  // Both chances are drawn at every delivery, whatever the rest of the test says.
  const bool animeDrawn = RndInt(2) == 0;
  if (work.SerialTopCount >= kAnimeTopCount && work.AnimeState == 0 && animeDrawn)
    QueueEditorEvent(event_code::kAnimeOffer, 2, {.MangaIndex = m});
  const bool movieDrawn = RndInt(3) == 0;
  if (work.SerialTopCount >= kMovieTopCount && work.MovieOn == 0 && movieDrawn)
    QueueEditorEvent(event_code::kMovieOffer, 2, {.MangaIndex = m});
  if (work.SerialRank >= places - kBottomPlaces) work.SerialLowCount += 1;
}

struct Delivered {
  Value title, magazine;
  Value columns[4];
};

// The next episode in the lowest free slot, with every unallotted work point.
void StartNextEpisode(long long m, const Delivered& d) {
  GameState& g = State();
  const int n = FirstFreeSlot();
  if (n < 0) {
    LogLine("serial delivery: no free slot for the next episode");
    return;
  }
  rec::ProductionSlot& slot = g.ProductionSlot[n];
  slot.MangaIndex = m;
  slot.Episode = g.MangaWork[m].SerialEpisodes;
  g.SlotKanseido[n] = kEpisodeStartProgress;
  for (int column = 0; column <= 3; ++column) slot.Class[column] = d.columns[column];
  slot.Target = kEpisodeTarget;
  g.SlotLabel[n] = d.title;
  slot.DaysLeft = DaysToRegularDeadline(d.magazine, slot.DaysLeft);
  g.SerialSlot = n;
  slot.Kind = kSerialKind;
  slot.Magazine = d.magazine;
  // The new episode counts among the busy slots and holds nothing yet.
  slot.SigotoPoint = RecountSigotoPointLeft();
  RecountSlotsInUse();
}

}  // namespace

Value SerialRank(const Value& magazine, const Value& quality, double factor) {
  const rec::Magazine& mag = State().Magazine[magazine];
  Value rank = Int(mag.Standard / quality * factor);
  if (rank <= 1) rank = 1;
  if (rank >= mag.SerialCount) rank = mag.SerialCount;
  return rank;
}

SerialDeliveryView DeliverSerialEpisode() {
  GameState& g = State();
  const long long s = g.SerialSlot.Index();
  AddExperience(kDeliveryExperience);

  SerialDeliveryView view;
  view.caption = kCaption;
  long long m = 0;
  if (g.ProductionSlot[s].Episode == 0) {
    m = RecordFirstEpisode(s);
    if (m < 0) {
      // Nothing can keep this serial: its slot and its magazine's place are given up.
      ui::ShowMessage(kWorksTableFullMessage);
      g.Magazine[g.ProductionSlot[s].Magazine].SerialRunning = 0;
      ClearWorkSlot(s);
      view.outcome = SerialDeliveryOutcome::NoRecord;
      return view;
    }
  } else {
    m = g.ProductionSlot[s].MangaIndex.Index();
    RecordLaterEpisode(s, m);
  }

  rec::MangaWork& work = g.MangaWork[m];
  const Value magazine = work.Magazine;
  CountPlacing(m);
  Delivered delivered{g.SlotLabel[s], magazine, {}};
  for (int column = 0; column <= 3; ++column) delivered.columns[column] = g.ProductionSlot[s].Class[column];
  const std::string magazineName = g.Magazine[magazine].Name.Str();

  const bool lastEpisode = work.SerialEpisodes >= kLastSerialEpisode;
  if (work.SerialLowCount == kWarningCount && !lastEpisode)
    QueueEditorEvent(event_code::kLastEpisode, 3, {.MangaIndex = m});
  if (lastEpisode || work.SerialLowCount >= kEndCount) {
    work.SerialEndDate = Today();
    work.State = manga_state::kSerialEnded;
    g.Magazine[magazine].SerialRunning = 0;
    ClearWorkSlot(s);
    view.outcome = SerialDeliveryOutcome::FinalEpisode;
    view.text = Join("完成した連載漫画「", delivered.title, "」最終回を", magazineName, "へ送ります。");
    return view;
  }

  ClearWorkSlot(s);
  StartNextEpisode(m, delivered);
  view.outcome = SerialDeliveryOutcome::NextEpisode;
  view.wide = true;
  view.text = Join("完成した連載漫画「", delivered.title, "」第", work.SerialEpisodes, "話を", magazineName,
                   "へ送ります。");
  PrepareNextEpisodePoints();
  return view;
}

}  // namespace koratsu
