// Delivering a serial's finished episode: the first one's record, the
// ranking and its placings, comics volumes, the offers, the warning and the
// end, and the next episode's slot.

#include "production/serial_delivery.h"

#include <gtest/gtest.h>

#include <memory>

#include "production/delivery.h"
#include "production/serial_fixture.h"
#include "save/reader.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "support/save_bytes.h"

namespace koratsu {
namespace {

using Events = std::vector<std::pair<int, int>>;

class SerialDeliveryTest : public testing::SerialTest {
 protected:
  int Sounds(int kind) const {
    int n = 0;
    for (const testing::UiEvent& e : ui.Events())
      if (e.kind == testing::UiEvent::Sound && e.number == kind) ++n;
    return n;
  }
};

TEST_F(SerialDeliveryTest, TheFirstEpisodeMakesTheSerialsRecord) {
  FirstEpisodeIn(1);
  g.NewMangaSetting[0].Used = 1;
  g.Kingaku = 1000;
  const SerialDeliveryView view = Deliver();

  ASSERT_EQ(g.MangaCount, 1);
  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.Title, "星の島");
  EXPECT_EQ(work.State, 7);
  EXPECT_EQ(work.Date, "70/05/12");
  EXPECT_EQ(work.SerialEpisodes, 1);
  EXPECT_EQ(work.Magazine, kMagazine);
  EXPECT_EQ(work.Hyouka, 40);
  EXPECT_EQ(work.SettingUsed[0], 1);
  EXPECT_EQ(work.SettingItem[1], 2);
  EXPECT_EQ(work.SettingPoints[1], 9);
  EXPECT_EQ(work.SerialSettingPoints[2], 4);
  EXPECT_EQ(g.MangaClass[1][0], 2);
  EXPECT_EQ(work.ClassPoint, 40);
  for (int r = 0; r < 6; ++r) EXPECT_TRUE(work.Rating[r].IsEmpty()) << r;

  // Int(220 / 40 × 1.2) = 6: neither a top nor a bottom placing, average news.
  EXPECT_EQ(work.SerialRank, 6);
  EXPECT_EQ(work.SerialTopCount, 0);
  EXPECT_EQ(work.SerialLowCount, 0);
  EXPECT_EQ(Queued(), (Events{{9, 2}}));
  EXPECT_EQ(g.EditorEvent[0].Manga, "星の島");

  EXPECT_EQ(work.SerialFee, 240000);
  EXPECT_EQ(g.Kingaku, 241000);
  EXPECT_EQ(Sounds(0), 1);
  EXPECT_EQ(g.Experience, 7);
  EXPECT_EQ(g.SerialEpisodeSent, 0) << "a first episode is never a milestone";

  EXPECT_EQ(view.outcome, SerialDeliveryOutcome::NextEpisode);
  EXPECT_EQ(view.caption, "連載漫画を送る");
  EXPECT_EQ(view.text, "完成した連載漫画「星の島」第1話を週刊ヤングイカリへ送ります。");
  EXPECT_TRUE(view.wide);
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(SerialDeliveryTest, AFirstRankStaysWithinTheMagazinesPlaces) {
  const struct {
    double quality;
    int rank, top, low, news;
  } cases[] = {
      {400, 1, 1, 0, 7},  // Int(0.66) = 0 becomes the first place
      {80, 3, 1, 0, 7},
      {30, 8, 0, 0, 9},
      {23, 11, 0, 0, 8},  // one place before the bottom placings: unpopular news
      {21, 12, 0, 1, 8},
      {5, 15, 0, 1, 8},   // Int(52.8) becomes the last place
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.quality);
    g.MangaCount = 0;
    ResetRow(g.MangaWork[0]);
    for (rec::EditorEvent& e : g.EditorEvent) e.Code = 0;
    FirstEpisodeIn(0, c.quality);
    Deliver();
    EXPECT_EQ(g.MangaWork[0].SerialRank, c.rank);
    EXPECT_EQ(g.MangaWork[0].SerialTopCount, c.top);
    EXPECT_EQ(g.MangaWork[0].SerialLowCount, c.low);
    EXPECT_EQ(Queued(), (Events{{c.news, 2}}));
  }
}

TEST_F(SerialDeliveryTest, ALaterEpisodePaysAndCountsWithoutNews) {
  const long long m = RunningSerial(3, 4);
  g.Kingaku = 0;
  const SerialDeliveryView view = Deliver();
  EXPECT_EQ(g.MangaWork[m].SerialEpisodes, 5);
  EXPECT_EQ(g.Kingaku, 240000);
  EXPECT_EQ(Sounds(0), 1);
  EXPECT_EQ(g.SerialEpisodeSent, 5);
  EXPECT_EQ(g.SerialTitleSent, "星の島");
  EXPECT_EQ(g.MangaCount, 1) << "no second record";
  EXPECT_EQ(view.text, "完成した連載漫画「星の島」第5話を週刊ヤングイカリへ送ります。");
}

TEST_F(SerialDeliveryTest, UncollectedPagesMakeOneVolumeAtATime) {
  const struct {
    int pages;
    int collectingEpisode;
  } cases[] = {{20, 5}, {22, 5}, {18, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pages);
    g.Magazine[kMagazine].Pages = c.pages;
    g.MangaCount = 0;
    for (rec::EditorEvent& e : g.EditorEvent) e.Code = 0;
    const long long m = RunningSerial(0, 10);
    rec::MangaWork& work = g.MangaWork[m];
    work.Volumes = 2;
    for (int e = 0; e < 10; ++e) work.EpisodeVolume[e] = e < 5 ? 1 : 2;
    for (int e = 10; e < 20; ++e) work.EpisodeVolume[e] = 0;
    for (int uncollected = 1; uncollected <= c.collectingEpisode; ++uncollected) {
      g.SlotKanseido[g.SerialSlot] = 170;
      Deliver();
      const bool collects = uncollected == c.collectingEpisode;
      EXPECT_EQ(Queued(), collects ? (Events{{5, 3}}) : Events()) << uncollected;
    }
    EXPECT_EQ(g.EditorEvent[0].Target, m);
    EXPECT_EQ(work.Volumes, 2) << "the release counts the volume";
    for (int e = 10; e < 10 + c.collectingEpisode; ++e) EXPECT_EQ(work.EpisodeVolume[e], 3) << e;
    EXPECT_EQ(work.EpisodeVolume[10 + c.collectingEpisode], 0);
  }
}

TEST_F(SerialDeliveryTest, TheThirdBottomPlacingWarnsAtEveryDelivery) {
  const long long m = RunningSerial(0, 20, 6);
  g.MangaWork[m].SerialLowCount = 3;
  for (int delivery = 0; delivery < 2; ++delivery) {
    g.SlotKanseido[g.SerialSlot] = 170;
    for (rec::EditorEvent& e : g.EditorEvent) e.Code = 0;
    const SerialDeliveryView view = Deliver();
    EXPECT_EQ(view.outcome, SerialDeliveryOutcome::NextEpisode);
    EXPECT_EQ(Queued(), (Events{{6, 3}}));
    EXPECT_EQ(g.EditorEvent[0].MangaIndex, m);
  }
  EXPECT_EQ(g.MangaWork[m].SerialLowCount, 3);
}

TEST_F(SerialDeliveryTest, TheFourthBottomPlacingOrTheRequestEndsTheSerial) {
  const struct {
    const char* why;
    int lowBefore, rank, top, low;
  } cases[] = {
      {"a fourth bottom placing", 3, 13, 0, 4},
      {"the player's request, ranked first", 4, 1, 1, 4},
      {"the player's request, ranked last", 4, 15, 0, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    g.MangaCount = 0;
    for (rec::EditorEvent& e : g.EditorEvent) e.Code = 0;
    g.Magazine[kMagazine].SerialRunning = 1;
    g.Kingaku = 0;
    g.Experience = 0;
    const long long m = RunningSerial(2, 30, c.rank);
    rec::MangaWork& work = g.MangaWork[m];
    work.SerialLowCount = c.lowBefore;
    work.SerialTopCount = 0;
    g.GameDay = 20;
    const SerialDeliveryView view = Deliver();

    EXPECT_EQ(view.outcome, SerialDeliveryOutcome::FinalEpisode);
    EXPECT_FALSE(view.wide);
    EXPECT_EQ(view.caption, "連載漫画を送る");
    EXPECT_EQ(view.text, "完成した連載漫画「星の島」最終回を週刊ヤングイカリへ送ります。");
    EXPECT_EQ(work.State, 8);
    EXPECT_EQ(work.SerialEndDate, "70/05/20");
    EXPECT_EQ(g.Magazine[kMagazine].SerialRunning, 0);
    EXPECT_EQ(Queued(), Events{}) << "no warning before the end";
    for (int s = 0; s < 6; ++s) EXPECT_EQ(g.SlotKanseido[s], 0) << s;
    EXPECT_EQ(g.Kingaku, 240000);
    EXPECT_EQ(g.Experience, 7);
    EXPECT_EQ(work.SerialEpisodes, 31);
    EXPECT_EQ(g.SerialEpisodeSent, 31);
    EXPECT_EQ(work.SerialTopCount, c.top);
    EXPECT_EQ(work.SerialLowCount, c.low);
  }
}

TEST_F(SerialDeliveryTest, TheFiveHundredAndFirstEpisodeIsTheLast) {
  const long long m = RunningSerial(0, 500);
  g.MangaWork[m].SerialLowCount = 3;
  g.MangaWork[m].Volumes = 100;
  for (int e = 496; e < 500; ++e) g.MangaWork[m].EpisodeVolume[e] = 0;
  const SerialDeliveryView view = Deliver();
  EXPECT_EQ(view.outcome, SerialDeliveryOutcome::FinalEpisode);
  EXPECT_EQ(g.MangaWork[m].SerialEpisodes, 501);
  EXPECT_EQ(g.MangaWork[m].State, 8);
  EXPECT_EQ(Queued(), (Events{{5, 3}})) << "its pages still make a volume, and no warning comes";
  for (int e = 496; e <= 500; ++e) EXPECT_EQ(g.MangaWork[m].EpisodeVolume[e], 101) << e;
}

TEST_F(SerialDeliveryTest, TheNextEpisodeTakesTheLowestFreeSlotAndEveryFreePoint) {
  Busy(0, 4);
  Busy(2, 6);
  g.SigotoPoint = 30;
  const long long m = RunningSerial(4, 7);
  g.ProductionSlot[1].SettingPoints[0] = 99;  // what the free slot held before stays
  g.ProductionSlot[4].Class[0] = 1;
  Deliver();

  EXPECT_EQ(g.SerialSlot, 1);
  const rec::ProductionSlot& next = g.ProductionSlot[1];
  EXPECT_EQ(g.SlotKanseido[1], 0.1);
  EXPECT_EQ(next.Target, 160);
  EXPECT_EQ(next.Kind, 6);
  EXPECT_EQ(next.Magazine, kMagazine);
  EXPECT_EQ(next.MangaIndex, m);
  EXPECT_EQ(next.Episode, 8);
  EXPECT_EQ(g.SlotLabel[1], "星の島");
  EXPECT_EQ(next.Class[0], 1);
  EXPECT_EQ(next.Class[1], 2);
  EXPECT_EQ(next.SigotoPoint, 20);
  EXPECT_EQ(g.SlotKanseido[4], 0) << "the delivered slot is free";
  EXPECT_EQ(g.SlotsInUse, 3);
  // Tuesday to the next week's Wednesday.
  EXPECT_EQ(next.DaysLeft, 8);
}

TEST_F(SerialDeliveryTest, TheNextDeadlineIsInTheNextWeekOrTheNextMonth) {
  const struct {
    int frequency, deadlineDay, year, month, day, weekday, daysLeft;
  } cases[] = {
      {2, 3, 1970, 5, 12, 2, 8},   // weekly: 7 - weekday + deadline day
      {2, 0, 1970, 5, 16, 6, 1},
      {2, 6, 1970, 5, 10, 0, 13},
      {1, 5, 1970, 5, 12, 2, 24},  // monthly: deadline day + days in the month - day
      {1, 5, 1972, 2, 20, 0, 14},
      {1, 5, 1971, 2, 20, 0, 13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "/" << c.month << "/" << c.day);
    g.Magazine[kMagazine].Frequency = c.frequency;
    g.Magazine[kMagazine].DeadlineDay = c.deadlineDay;
    g.GameYear = c.year;
    g.GameMonth = c.month;
    g.GameDay = c.day;
    g.GameWeekday = c.weekday;
    g.MangaCount = 0;
    RunningSerial(0, 3);
    Deliver();
    EXPECT_EQ(g.ProductionSlot[g.SerialSlot].DaysLeft, c.daysLeft);
    EXPECT_EQ(g.GameMonth, c.month);
  }
}

TEST_F(SerialDeliveryTest, OffersAreDrawnAtEveryDelivery) {
  const struct {
    const char* what;
    int topBefore, rank;
    int animeState, movieOn;
    long animeDraw, movieDraw;
    Events queued;
  } cases[] = {
      {"the fifth top placing brings an anime offer", 4, 2, 0, 0, 0, 0, {{10, 2}}},
      {"one already declined comes again", 7, 6, 0, 0, 0, 1, {{10, 2}}},
      {"the draw of 1 misses", 6, 2, 0, 0, 1, 1, {}},
      {"an anime already running", 6, 2, 1, 0, 0, 0, {}},
      {"four top placings are too few", 4, 5, 0, 0, 0, 0, {}},
      {"the eighth top placing brings a movie offer", 7, 1, 1, 0, 1, 0, {{15, 2}}},
      {"both at once", 9, 1, 0, 0, 0, 0, {{10, 2}, {15, 2}}},
      {"a movie already made", 9, 1, 1, 1, 1, 0, {}},
      {"seven top placings are too few for a movie", 6, 1, 1, 0, 1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g.MangaCount = 0;
    for (rec::EditorEvent& e : g.EditorEvent) e.Code = 0;
    const long long m = RunningSerial(0, 12, c.rank);
    g.MangaWork[m].SerialTopCount = c.topBefore;
    g.MangaWork[m].AnimeState = c.animeState;
    g.MangaWork[m].MovieOn = c.movieOn;
    Deliver(c.animeDraw, c.movieDraw);
    EXPECT_EQ(Queued(), c.queued);
    for (const rec::EditorEvent& e : g.EditorEvent) {
      if (e.Code != 0) {
        EXPECT_EQ(e.MangaIndex, m);
      }
    }
    EXPECT_EQ(random.Remaining(), 0u) << "both chances drawn";
  }
}

TEST_F(SerialDeliveryTest, ASavedSerialPastTwoHundredEpisodesCollectsAsBefore) {
  const long long m = RunningSerial(0, 205);
  rec::MangaWork& work = g.MangaWork[m];
  work.Volumes = 41;
  for (int e = 0; e < 205; ++e) work.EpisodeVolume[e] = e / 5 + 1;
  auto loaded = std::make_unique<GameState>();
  ASSERT_TRUE(save::ReadSaveFileBytes(*loaded, testing::SavedBytes(g)));

  for (GameState* state : {&g, loaded.get()}) {
    SCOPED_TRACE(state == &g ? "as played" : "saved and loaded");
    StateScope scope(*state);
    for (int episode = 206; episode <= 210; ++episode) {
      state->SlotKanseido[state->SerialSlot] = 170;
      for (rec::EditorEvent& e : state->EditorEvent) e.Code = 0;
      ExpectDeliveryDraws();
      OpenDelivery();
      DeliverSerialEpisode();
      EXPECT_EQ(state->EditorEvent[0].Code, episode == 210 ? 5 : 0) << episode;
    }
    for (int e = 205; e < 210; ++e) EXPECT_EQ(state->MangaWork[m].EpisodeVolume[e], 42) << e;
  }
}

TEST_F(SerialDeliveryTest, AFirstEpisodeWithoutRoomForItsRecordGivesTheSerialUp) {
  FirstEpisodeIn(3);
  g.MangaCount = static_cast<long long>(decltype(g.MangaWork)::Capacity());
  g.Kingaku = 0;
  const SerialDeliveryView view = Deliver(1, 1);
  EXPECT_EQ(view.outcome, SerialDeliveryOutcome::NoRecord);
  EXPECT_FALSE(view.wide);
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(g.SlotKanseido[3], 0);
  EXPECT_EQ(g.Magazine[kMagazine].SerialRunning, 0);
  EXPECT_EQ(g.Kingaku, 0);
  EXPECT_EQ(Queued(), Events{});
}

}  // namespace
}  // namespace koratsu
