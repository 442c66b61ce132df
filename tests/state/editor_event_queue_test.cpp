// Finding a free entry of the editor-event queue and queuing into it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

constexpr int kEntries = 65;

class EditorEventQueueTest : public ::testing::Test {
 protected:
  EditorEventQueueTest() : g(fresh.g()) {
    SetLogSink([this](const std::string& line) { log.push_back(line); });
  }
  ~EditorEventQueueTest() override { SetLogSink({}); }

  // Every entry in use, each with its own fields.
  void FillQueue() {
    for (int i = 0; i < kEntries; ++i) g.EditorEvent[i] = {i + 1, 12, i, i, i, i};
  }

  testing::FreshState fresh;
  GameState& g;
  std::vector<std::string> log;
};

TEST_F(EditorEventQueueTest, FindsTheLowestFreeEntryOrNone) {
  EXPECT_EQ(FindFreeEvent(), 0);
  FillQueue();
  EXPECT_EQ(FindFreeEvent(), std::nullopt);
  g.EditorEvent[40].Code = 0;
  g.EditorEvent[9].Code = 0;
  EXPECT_EQ(FindFreeEvent(), 9);
  EXPECT_EQ(g.EditorEvent[9].Delay, 10) << "the search changes nothing";
}

TEST_F(EditorEventQueueTest, WritesDelayCodeAndOnlyTheFieldsOfItsCode) {
  const struct {
    int code;
    bool manga, magazine, mangaIndex, target;
  } cases[] = {
      {2, true, true, false, false},   {4, false, false, false, true},  {5, false, false, false, true},
      {6, false, false, true, false},  {7, true, false, false, false},  {8, true, false, false, false},
      {9, true, false, false, false},  {10, false, false, true, false}, {11, false, false, false, true},
      {12, false, false, false, true}, {13, true, false, false, true},  {14, false, false, false, true},
      {15, false, false, true, false}, {16, false, false, false, true},
  };
  for (const auto& c : cases) {
    // A free entry with what its last event left in it.
    g.EditorEvent[0] = {3, 0, "old", "old", "old", "old"};
    EXPECT_EQ(QueueEditorEvent(c.code, 2, {"title", 4, 5, 6}), 0) << c.code;
    const rec::EditorEvent& e = g.EditorEvent[0];
    EXPECT_EQ(e.Delay, 2);
    EXPECT_EQ(e.Code, c.code);
    EXPECT_EQ(e.Manga.Str(), c.manga ? "title" : "old") << c.code;
    EXPECT_EQ(e.Magazine.Str(), c.magazine ? "4" : "old") << c.code;
    EXPECT_EQ(e.MangaIndex.Str(), c.mangaIndex ? "5" : "old") << c.code;
    EXPECT_EQ(e.Target.Str(), c.target ? "6" : "old") << c.code;
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(EditorEventQueueTest, AFullQueueOverwritesNothing) {
  FillQueue();
  EXPECT_EQ(QueueEditorEvent(4, 0, {.Target = 3}), std::nullopt);
  for (int i = 0; i < kEntries; ++i) {
    EXPECT_EQ(g.EditorEvent[i].Delay, i + 1) << i;
    EXPECT_EQ(g.EditorEvent[i].Code, 12) << i;
    EXPECT_EQ(g.EditorEvent[i].Target, i) << i;
  }
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(EditorEventQueueTest, CodesThatAreNeverQueuedAreRefused) {
  for (int code : {0, 1, 3, 17, -2}) {
    EXPECT_EQ(QueueEditorEvent(code, 1, {.Target = 1}), std::nullopt) << code;
    EXPECT_EQ(g.EditorEvent[0].Code, 0) << code;
    EXPECT_TRUE(g.EditorEvent[0].Delay.IsEmpty()) << code;
  }
  EXPECT_EQ(log.size(), 5u);
}

}  // namespace
}  // namespace koratsu
