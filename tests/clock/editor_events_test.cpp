// The editor-event queue at the clock: due entries fire at their code's hour,
// in entry order, after the new day's countdown.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "clock/editor_events.h"
#include "clock/event_stand_in.h"
#include "clock/phases.h"
#include "save/reader.h"
#include "state/editor_event_queue.h"
#include "state/log.h"
#include "support/save_bytes.h"

namespace koratsu {
namespace {

constexpr int kEntries = 65;

using testing::EventStandIn;

struct Fired {
  int entry, code, day, hour;
  bool operator==(const Fired&) const = default;
};

void PrintTo(const Fired& f, std::ostream* os) {
  *os << "{entry " << f.entry << ", code " << f.code << ", day " << f.day << ", " << f.hour << ":00}";
}

class EditorEventsTest : public testing::ClockTest {
 protected:
  EditorEventsTest() { StartWork(); }

  // A stand-in for `code` that notes when and for which entry it ran.
  std::unique_ptr<EventStandIn> Record(int code, std::function<void(int)> then = {}) {
    return std::make_unique<EventStandIn>(code, [this, code, then](int entry) {
      fired.push_back({entry, code, static_cast<int>(g.GameDay.Index()), static_cast<int>(g.GameHour.Index())});
      if (then) then(entry);
    });
  }

  // Game hours until `day` at `hour` has begun.
  void RunUntil(int day, int hour) {
    while (!(g.GameDay == day && g.GameHour == hour) && g.GameDay <= day) RunHour();
  }

  std::vector<Fired> fired;
};

TEST_F(EditorEventsTest, EntriesDueAtTheSameHourFireInEntryOrder) {
  auto verdict = Record(event_code::kOneShotVerdict);
  auto comics = Record(event_code::kComicsOffer);
  g.EditorEvent[7] = {0, event_code::kComicsOffer, {}, {}, {}, 3};
  g.EditorEvent[3] = {0, event_code::kOneShotVerdict, 2, 1, {}, {}};
  RunUntil(5, 11);
  EXPECT_TRUE(fired.empty()) << "not before noon";
  RunUntil(5, 12);
  EXPECT_EQ(fired, (std::vector<Fired>{{3, 2, 5, 12}, {7, 5, 5, 12}}));
  EXPECT_EQ(g.EditorEvent[3].Code, 0);
  EXPECT_EQ(g.EditorEvent[7].Code, 0);
  EXPECT_EQ(g.EditorEvent[7].Target, 3) << "freeing clears the code only";
}

TEST_F(EditorEventsTest, AnEntryFiresAtItsHourOnTheDayItsDelayRunsOut) {
  const struct {
    int queuedAt, delay, day;
  } cases[] = {
      {11, 0, 5},  // before noon: the same day
      {13, 0, 6},  // after noon: the countdown leaves 0 alone, so the next noon
      {11, 2, 7},  // on the second following day, never before
  };
  for (const auto& c : cases) {
    fired.clear();
    g.GameDay = 5;
    g.GameHour = 10;
    auto verdict = Record(event_code::kOneShotVerdict);
    RunUntil(5, c.queuedAt);
    ASSERT_EQ(QueueEditorEvent(event_code::kOneShotVerdict, c.delay, {.Manga = 0, .Magazine = 1}), 0);
    RunUntil(9, 0);
    EXPECT_EQ(fired, (std::vector<Fired>{{0, 2, c.day, 12}})) << "queued at " << c.queuedAt << " with delay " << c.delay;
  }
}

TEST_F(EditorEventsTest, AHandlerMayQueueIntoTheEntryItHasJustFreed) {
  for (int i = 1; i < kEntries; ++i) g.EditorEvent[i] = {9, event_code::kComicsRelease, {}, {}, {}, i};
  g.EditorEvent[0] = {0, event_code::kComicsOffer, {}, {}, {}, 40};
  auto release = Record(event_code::kComicsRelease);
  auto offer = Record(event_code::kComicsOffer, [this](int entry) {
    EXPECT_EQ(QueueEditorEvent(event_code::kComicsRelease, 5, {.Target = g.EditorEvent[entry].Target}), 0);
  });
  RunUntil(5, 15);
  EXPECT_EQ(fired, (std::vector<Fired>{{0, 5, 5, 12}})) << "the new entry waits its five days";
  EXPECT_EQ(g.EditorEvent[0].Code, event_code::kComicsRelease);
  EXPECT_EQ(g.EditorEvent[0].Delay, 5);
  EXPECT_EQ(g.EditorEvent[0].Target, 40);
}

TEST_F(EditorEventsTest, EntriesOfTheCodesWithoutHandlerStayQueued) {
  auto verdict = Record(event_code::kOneShotVerdict);
  g.EditorEvent[0] = {0, 1, {}, {}, {}, {}};  // due at 14:00
  g.EditorEvent[1] = {0, 3, {}, {}, {}, {}};  // due at noon, as a verdict
  g.EditorEvent[2] = {0, event_code::kOneShotVerdict, 0, 1, {}, {}};
  RunUntil(8, 15);
  EXPECT_EQ(fired, (std::vector<Fired>{{2, 2, 5, 12}}));
  EXPECT_EQ(g.EditorEvent[0].Code, 1);
  EXPECT_EQ(g.EditorEvent[1].Code, 3);
  EXPECT_EQ(FindFreeEvent(), 2) << "the two entries are still held";
}

TEST_F(EditorEventsTest, TheScanStopsWhenAHandlerEndsTheGame) {
  auto first = Record(event_code::kOneShotVerdict, [this](int) { g.GameActive = 0; });
  auto second = Record(event_code::kComicsOffer);
  g.EditorEvent[1] = {0, event_code::kOneShotVerdict, 0, 0, {}, {}};
  g.EditorEvent[2] = {0, event_code::kComicsOffer, {}, {}, {}, 0};
  g.GameHour = 12;
  FireEditorEvents();
  EXPECT_EQ(fired, (std::vector<Fired>{{1, 2, 5, 12}}));
  EXPECT_EQ(g.EditorEvent[2].Code, event_code::kComicsOffer);
}

TEST_F(EditorEventsTest, EntriesSurviveASaveAndALoadWhole) {
  g.SaveVersion = "1.20";
  g.AppTitle = "Koratsu";
  for (int i = 0; i < kEntries; ++i) g.EditorEvent[i] = {i % 4, i % 17, i * 3, i + 1, i * 2, i % 6};
  g.EditorEvent[8] = {2, event_code::kVeryPopular, "星の剣士", 0, 5, 2};
  g.EditorEvent[9] = {3, event_code::kFree, 7, 1, 2, 3};  // a free entry with a leftover delay

  auto loaded = std::make_unique<GameState>();
  ASSERT_TRUE(save::ReadSaveFileBytes(*loaded, testing::SavedBytes(g)));
  for (int i = 0; i < kEntries; ++i) {
    const rec::EditorEvent& a = g.EditorEvent[i];
    const rec::EditorEvent& b = loaded->EditorEvent[i];
    for (auto field : {&rec::EditorEvent::Delay, &rec::EditorEvent::Code, &rec::EditorEvent::Manga,
                       &rec::EditorEvent::Magazine, &rec::EditorEvent::MangaIndex, &rec::EditorEvent::Target}) {
      EXPECT_EQ((b.*field).Str(), (a.*field).Str()) << i;
      EXPECT_EQ((b.*field).IsText(), (a.*field).IsText()) << i;
    }
  }
}

}  // namespace
}  // namespace koratsu
