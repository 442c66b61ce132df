// The knowledge list's rows and its scroll range.

#include "life/knowledge_list.h"

#include <gtest/gtest.h>

#include "state/catalogues.h"
#include "state/game_state.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

class KnowledgeListTest : public ::testing::Test {
 protected:
  KnowledgeListTest() {
    g().TiPointMax = 15;
    AddTiItem(0, "機関車", 3, 1);
    AddTiItem(1, "新幹線", 0, 1);
    AddTiItem(2, "宇宙", 15, 1);
    AddTiItem(3, "警察官", 7, 1);
  }
  GameState& g() { return state.g(); }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int r = 0; r < KnowledgeListCount(); ++r) names.push_back(DescribeKnowledgeListRow(r).name);
    return names;
  }

  testing::FreshState state;
};

TEST_F(KnowledgeListTest, OnlyItemsWithPointsAreListedInItemOrder) {
  RebuildKnowledgeList();
  EXPECT_EQ(Names(), (std::vector<std::string>{"機関車", "宇宙", "警察官"}));
  const KnowledgeListRow row = DescribeKnowledgeListRow(2);
  EXPECT_EQ(row.points, "7/15ﾎﾟｲﾝﾄ");
  EXPECT_EQ(row.value, 7);
  EXPECT_EQ(row.cap, 15);
  EXPECT_EQ(KnowledgeListHeight(), 3 * 15 + 2);

  // Points spent to 0: the item leaves at the next rebuild, the later ones move up.
  g().KnowledgeItem[2].Point = 0;
  g().KnowledgeItem[1].Point = 2;
  EXPECT_EQ(Names(), (std::vector<std::string>{"機関車", "宇宙", "警察官"})) << "not before the rebuild";
  RebuildKnowledgeList();
  EXPECT_EQ(Names(), (std::vector<std::string>{"機関車", "新幹線", "警察官"}));

  // A raised cap shows in every row at once.
  g().TiPointMax = 25;
  EXPECT_EQ(DescribeKnowledgeListRow(0).points, "3/25ﾎﾟｲﾝﾄ");

  for (int i = 0; i < 4; ++i) g().KnowledgeItem[i].Point = 0;
  RebuildKnowledgeList();
  EXPECT_EQ(KnowledgeListCount(), 0);
  EXPECT_EQ(KnowledgeListHeight(), 2);
}

TEST_F(KnowledgeListTest, AListTallerThanItsViewportScrollsByHalvesAndQuarters) {
  struct Case {
    int list, viewport;
    bool scrolls;
    ScrollRange range;
  } cases[] = {
      {152, 200, false, {}},       {200, 200, false, {}},  {452, 200, true, {256, 226, 113}},
      {467, 200, true, {271, 234, 117}},  // 233.5 and 116.5 go to the even neighbours
      {17, 10, true, {11, 8, 4}},
  };
  for (const Case& c : cases) {
    const std::optional<ScrollRange> range = ListScrollRange(c.list, c.viewport);
    ASSERT_EQ(range.has_value(), c.scrolls) << c.list << " in " << c.viewport;
    if (!range) continue;
    EXPECT_EQ(range->maximum, c.range.maximum) << c.list << " in " << c.viewport;
    EXPECT_EQ(range->largeChange, c.range.largeChange) << c.list << " in " << c.viewport;
    EXPECT_EQ(range->smallChange, c.range.smallChange) << c.list << " in " << c.viewport;
  }
}

TEST_F(KnowledgeListTest, TheWindowIsNeverLowerThan1301Twips) {
  EXPECT_EQ(KnowledgeListWindowHeight(1290), 1301);
  EXPECT_EQ(KnowledgeListWindowHeight(1300), 1301);
  EXPECT_EQ(KnowledgeListWindowHeight(1305), 1305);
}

}  // namespace
}  // namespace koratsu
