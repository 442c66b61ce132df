// A work's make-up read from a production slot and from a finished record.

#include "production/work_makeup.h"

#include <gtest/gtest.h>

#include "production/archive_records.h"
#include "support/fresh_state.h"

namespace koratsu::testing {
namespace {

TEST(WorkMakeupTest, ASlotAndARecordMadeAlikeReadAlike) {
  FreshState fresh;
  GameState& g = fresh.g();
  AddClassLists();
  AddTiItem(1, "警察官", 5, 1);
  AddTiItem(2, "スパイ", 5, 1);
  rec::ProductionSlot& slot = g.ProductionSlot[4];
  slot.Class[0] = 2;
  slot.Class[1] = 1;
  const int items[] = {-1, 1, 0}, points[] = {7, 0, 120};
  for (int k = 0; k < 3; ++k) {
    slot.SettingItem[k] = items[k];
    slot.SettingPoints[k] = points[k];
  }
  const long long w = AddWork(g, "空の旅", 1);
  GiveMaking(g, w, {.audience = 2, .genre = 1, .items = {-1, 1, 0}, .points = {7, 0, 120}, .ratings = {}});

  for (const WorkMakeup& makeup : {SlotMakeup(4), RecordMakeup(w)}) {
    EXPECT_EQ(makeup.audience, g.ClassList[1].Text[2].Str());
    EXPECT_EQ(makeup.genre, g.ClassList[2].Text[1].Str());
    EXPECT_FALSE(makeup.genre.empty());
    const std::array<std::string, 3> names = {"なし", "スパイ", "警察官"};
    EXPECT_EQ(makeup.settingNames, names) << "an item below 0 is no item";
    EXPECT_EQ(makeup.settingPoints[0], 7) << "points stay without an item";
    EXPECT_EQ(makeup.settingPoints[2], 120);
  }
}

}  // namespace
}  // namespace koratsu::testing
