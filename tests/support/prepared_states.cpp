#include "support/prepared_states.h"

#include <algorithm>

#include "production/work_record.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu::testing {

namespace {

// The first magazine of each publisher (0 to 4).
constexpr int kFirstMagazine[] = {0, 2, 4, 6, 7};

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

}  // namespace koratsu::testing
