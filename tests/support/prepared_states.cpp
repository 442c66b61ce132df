#include "support/prepared_states.h"

#include <algorithm>

#include "production/delivery.h"
#include "production/serial_delivery.h"
#include "production/slots.h"
#include "production/work_record.h"
#include "publishing/comics_sales.h"
#include "state/game_state.h"
#include "state/shared_ops.h"
#include "ui/forms.h"

namespace koratsu::testing {

namespace {

// The first magazine of each publisher (0 to 4).
constexpr int kFirstMagazine[] = {0, 2, 4, 6, 7};

// A volume collects the episodes whose pages make this many.
constexpr double kPagesPerVolume = 100;
// The copies of a first print run that has sold out.
constexpr double kSoldOutRun = 50000;
// How a serial was planned: its settings' knowledge items and points, its
// audience and genre, its score and ratings.
constexpr int kSerialItems[] = {0, 1, 2};
constexpr double kSerialSettingPoints = 20;
constexpr int kSerialAudience = 1, kSerialGenre = 2;
constexpr double kSerialQuality = 60;
constexpr double kSerialRating = 5;
// A serial's episode in its slot, and what it is ranked by.
constexpr int kSerialKind = 6;
constexpr double kNextRankFactor = 1.3;
// The magazine's editors know the player well enough to offer a serial.
constexpr int kSerialFriendship = 3;
constexpr int kSerialRequested = 3;

}  // namespace

long long AddWork(int state, int source, int magazine, const std::string& title) {
  GameState& g = State();
  const long long w = AppendMangaWork();
  if (w < 0) return -1;
  rec::MangaWork& work = g.MangaWork[w];
  work.Title = title.empty() ? "既刊" + std::to_string(w) : title;
  work.State = state;
  work.Source = source;
  work.Date = "70/04/05";
  work.Hyouka = 150;
  for (int r = 0; r < 6; ++r) work.Rating[r] = 5;
  g.MangaClass[1][w] = 1;
  g.MangaClass[2][w] = 2;
  if (state != manga_state::kUnsent) {
    work.SentMagazine = magazine;
    work.Magazine = magazine;
  }
  g.FormSlot[form::kArchive].Rebuild = 1;
  return w;
}

void MakeSerial(long long work, int magazine, int episodes, int volumes, double soldEach, bool running) {
  GameState& g = State();
  rec::MangaWork& w = g.MangaWork[work];
  w.State = running ? manga_state::kSerialRunning : manga_state::kSerialEnded;
  w.Magazine = magazine;
  w.SerialEpisodes = episodes;
  w.Volumes = volumes;
  // The episodes fill the volumes in order; those past the last volume wait for the next one.
  const int perVolume = volumes > 0 ? std::max(1, episodes / volumes) : episodes + 1;
  for (int e = 0; e < episodes; ++e) w.EpisodeVolume[e] = std::min(volumes, e / perVolume + 1);
  const Money price = Money::FromNumber(g.Magazine[magazine].ComicsPrice.Num());
  for (int v = 0; v < volumes; ++v) {
    rec::ComicsVolume& volume = g.ComicsVolume[work][v];
    volume.Sold = soldEach;
    volume.Printed = soldEach * 1.2;
    volume.SalesRate = 1;
    volume.Price = price;
  }
  w.TotalSold = soldEach * volumes;
  w.AwardSales = w.TotalSold;
  // A market that is full takes no more series.
  if (volumes == 0 || g.ComicCount.Index() >= static_cast<long long>(decltype(g.ComicEntry)::kCapacity)) return;
  rec::ComicEntry* row = Append(g.ComicEntry, g.ComicCount);
  if (!row) return;
  row->Title = w.Title;
  row->Author = Join(g.PlayerSei, " ", g.PlayerMei);
  row->MangaIndex = work;
  row->Volumes = volumes;
  row->Copies = w.TotalSold;
  row->Ended = running ? 0 : 1;
}

void WinAward(int publisher) {
  GameState& g = State();
  const int magazine = kFirstMagazine[publisher];
  const long long work = AddWork(manga_state::kSerialEnded, 0, magazine);
  if (work < 0) return;
  MakeSerial(work, magazine, 40, 4, 1200000, false);
  g.MangaWork[work].Awarded = 1;
  g.Publisher[publisher].AwardDone = 1;
  g.Publisher[publisher].AwardNo = 10 + publisher;
  g.PublisherTorofi[publisher] = 1;
}

void BusySlot(int slot, double progress, double target, double points, int kind) {
  GameState& g = State();
  rec::ProductionSlot& s = g.ProductionSlot[slot];
  g.SlotKanseido[slot] = progress;
  g.SlotLabel[slot] = "新しい漫画";
  s.Kind = kind;
  s.Target = target;
  s.SigotoPoint = points;
  s.DaysLeft = -1;
  s.Quality = 100;
  for (int r = 0; r < 6; ++r) s.Rating[r] = 5;
  int busy = 0;
  double allotted = 0;
  for (int k = 0; k < 6; ++k) {
    if (g.SlotKanseido[k] <= 0) continue;
    ++busy;
    allotted += g.ProductionSlot[k].SigotoPoint.Num();
  }
  g.SlotsInUse = busy;
  g.SigotoPointLeft = g.SigotoPoint.Num() - allotted;
  g.FormSlot[form::kCompletion].Rebuild = 1;
}

void ManyWorks(int works, int volumes) {
  const GameState& g = State();
  for (int n = 0; n < works; ++n) {
    const int magazine = n % std::max(1, static_cast<int>(g.MagazineCount.Index()));
    const long long work = AddWork(manga_state::kSerialEnded, 0, magazine);
    if (work < 0) return;
    MakeSerial(work, magazine, volumes * 9, volumes, 20000 + n, false);
  }
}

long long OngoingSerial(int magazine, int episodes, const std::string& title) {
  GameState& g = State();
  const int slot = FirstFreeSlot();
  if (slot < 0 || episodes < 2 || episodes >= kLastSerialEpisode) return -1;
  const long long m = AppendMangaWork();
  if (m < 0) return -1;
  rec::Magazine& mag = g.Magazine[magazine];
  rec::MangaWork& w = g.MangaWork[m];
  w.Title = title.empty() ? "連載" + std::to_string(m) : title;
  w.State = manga_state::kSerialRunning;
  w.Date = DateString(g.GameYear, g.GameMonth, g.GameDay, 2);
  w.Magazine = magazine;
  w.Source = 0;
  w.SerialFee = kSerialFee;
  w.SerialEpisodes = episodes;
  w.Hyouka = kSerialQuality;
  w.SerialRank = SerialRank(magazine, w.Hyouka, kNextRankFactor);
  w.SerialTopCount = 0;
  w.SerialLowCount = 0;
  for (int k = 0; k < 3; ++k) {
    w.SettingUsed[k] = 1;
    w.SettingItem[k] = kSerialItems[k];
    w.SettingPoints[k] = kSerialSettingPoints;
    w.SerialSettingPoints[k] = kSerialSettingPoints;
  }
  const int classes[] = {kSerialAudience, kSerialGenre, 0, 0};
  Value classPoint = 0;
  for (int column = 0; column <= 3; ++column) {
    g.MangaClass[column][m] = classes[column];
    classPoint += g.ClassList[column].Point[classes[column]];
  }
  w.ClassPoint = classPoint;

  // Each delivery after the first collects the waiting episodes once their
  // pages make a volume; each volume was released and has sold its run.
  const Money price = Money::FromNumber(mag.ComicsPrice.Num());
  double sold = 0, royalty = 0;
  for (int delivered = 2; delivered <= episodes; ++delivered) {
    double pages = 0;
    int first = -1;
    for (int e = 0; e < delivered; ++e) {
      if (w.EpisodeVolume[e] != 0) continue;
      if (first < 0) first = e;
      pages += mag.Pages.Num();
      if (pages < kPagesPerVolume) continue;
      for (int j = first; j < delivered; ++j) w.EpisodeVolume[j] = w.Volumes + 1;
      w.Volumes += 1;
      rec::ComicsVolume& volume = g.ComicsVolume[m][w.Volumes.Index() - 1];
      volume.Price = price;
      volume.SalesRate = 0;
      volume.Sold = kSoldOutRun;
      volume.Printed = 0;
      sold += kSoldOutRun;
      royalty += RoyaltyFor(kSoldOutRun, price);
      break;
    }
  }
  w.TotalSold = sold;
  w.AwardSales = sold;
  w.Royalty = royalty;

  if (w.Volumes > 0) {
    if (rec::ComicEntry* row = Append(g.ComicEntry, g.ComicCount)) {
      row->Title = w.Title;
      row->Author = Join(g.PlayerSei, " ", g.PlayerMei);
      row->MangaIndex = m;
      row->Popularity = 0;
      row->SalesPower = 0;
      row->Volumes = w.Volumes;
      row->Copies = w.TotalSold;
      row->DaysToVolume = 0;
      row->FinalVolume = 0;
      row->Ended = 0;
    }
  }

  // The serial offer the player took.
  mag.SerialRunning = 1;
  mag.RequestState = kSerialRequested;
  if (!(mag.Yukou >= kSerialFriendship)) mag.Yukou = kSerialFriendship;
  g.SerialMagazine = magazine;
  if (g.PlayerDebuted < 2) g.PlayerDebuted = 2;
  g.PublisherSerialRunning[mag.Publisher - 1] = 1;

  // The next episode, as the last delivery began it.
  rec::ProductionSlot& p = g.ProductionSlot[slot];
  p.MangaIndex = m;
  p.Episode = episodes;
  p.Kind = kSerialKind;
  p.Magazine = magazine;
  p.Target = kEpisodeTarget;
  p.Quality = kSerialQuality;
  p.Source = 0;
  p.Extension = 0;
  for (int column = 0; column <= 3; ++column) p.Class[column] = classes[column];
  for (int k = 0; k < 3; ++k) {
    p.SettingItem[k] = kSerialItems[k];
    p.SettingPoints[k] = kSerialSettingPoints;
  }
  for (int r = 0; r < 6; ++r) p.Rating[r] = kSerialRating;
  p.DaysLeft = DaysToRegularDeadline(magazine, p.DaysLeft);
  g.SlotKanseido[slot] = kEpisodeStartProgress;
  g.SlotLabel[slot] = w.Title;
  g.SerialSlot = slot;
  p.SigotoPoint = RecountSigotoPointLeft();
  RecountSlotsInUse();
  g.FormSlot[form::kCompletion].Rebuild = 1;
  g.FormSlot[form::kArchive].Rebuild = 1;
  return m;
}

}  // namespace koratsu::testing
