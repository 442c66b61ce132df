#pragma once
// A running serial for the delivery's rules: a weekly magazine, a finished
// episode in its production slot (a first one, or a later one with the
// serial's record), and the delivery window's load as it runs.

#include <utility>
#include <vector>

#include "production/delivery.h"
#include "production/production_fixture.h"
#include "production/serial_delivery.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu::testing {

class SerialTest : public ProductionTest {
 protected:
  static constexpr int kMagazine = 2;  // 15 places, standard 220, 20 pages an episode

  SerialTest() {
    rec::Magazine& mag = g.Magazine[kMagazine];
    mag.Name = "週刊ヤングイカリ";
    mag.Standard = 220;
    mag.SerialCount = 15;
    mag.Pages = 20;
    mag.Frequency = 2;
    mag.DeadlineDay = 3;
    mag.SerialRunning = 1;
    g.MagazineCount = kMagazine + 1;
    g.GameYear = 1970;
    g.GameMonth = 5;
    g.GameDay = 12;
    g.GameWeekday = 2;
    g.GameHour = 18;
  }

  // The serial's first episode, finished in slot s: settings on items 1 and
  // 2 and one without item.
  void FirstEpisodeIn(int s, double quality = 40) {
    rec::ProductionSlot& slot = g.ProductionSlot[s];
    g.SlotKanseido[s] = 170;
    g.SlotLabel[s] = "星の島";
    slot.Kind = 6;
    slot.Magazine = kMagazine;
    slot.Target = 160;
    slot.Quality = quality;
    slot.Episode = 0;
    slot.Source = 0;
    slot.SigotoPoint = 20;
    const int items[] = {1, 2, -1}, points[] = {6, 9, 4};
    for (int k = 0; k < 3; ++k) {
      slot.SettingItem[k] = items[k];
      slot.SettingPoints[k] = points[k];
    }
    for (int r = 0; r < 6; ++r) slot.Rating[r] = 5;
    slot.Class[1] = 2;
    slot.Class[2] = 1;
    g.SerialSlot = s;
  }

  // A serial with `episodes` delivered, all of them in its one volume, its
  // next episode finished in slot s and ranked `rank` by its plan.
  long long RunningSerial(int s, int episodes, int rank = 6) {
    FirstEpisodeIn(s);
    const long long m = g.MangaCount.Index();
    g.MangaCount += 1;
    rec::MangaWork& work = g.MangaWork[m];
    work.Title = "星の島";
    work.State = 7;
    work.Magazine = kMagazine;
    work.SerialEpisodes = episodes;
    work.SerialFee = 240000;
    work.SerialRank = rank;
    work.Hyouka = 40;
    work.Volumes = 1;
    for (int e = 0; e < episodes; ++e) work.EpisodeVolume[e] = 1;
    const int items[] = {1, 2, -1};
    for (int k = 0; k < 3; ++k) {
      work.SettingItem[k] = items[k];
      work.SerialSettingPoints[k] = 6;
    }
    g.ProductionSlot[s].Episode = episodes;
    g.ProductionSlot[s].MangaIndex = m;
    return m;
  }

  // The draws of one delivery: the experience, then the two offers' chances
  // (1 misses both).
  void ExpectDeliveryDraws(long anime = 1, long movie = 1) {
    random.Expect(6, 0).Expect(2, anime).Expect(3, movie);
  }

  // The delivery window's load in the serial mode, its shared steps first.
  SerialDeliveryView Deliver(long anime = 1, long movie = 1) {
    ExpectDeliveryDraws(anime, movie);
    g.FormSlot[form::kDelivery].Mode = delivery_mode::kSerial;
    OpenDelivery();
    return DeliverSerialEpisode();
  }

  // The editor events queued, as (code, delay) pairs in entry order.
  std::vector<std::pair<int, int>> Queued() const {
    std::vector<std::pair<int, int>> events;
    for (const rec::EditorEvent& e : g.EditorEvent)
      if (e.Code != 0) events.emplace_back(static_cast<int>(e.Code.Index()), static_cast<int>(e.Delay.Index()));
    return events;
  }
};

}  // namespace koratsu::testing
