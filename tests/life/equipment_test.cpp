#include "life/equipment.h"

#include <gtest/gtest.h>

#include "roomview/sheet_layout.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/moved_house.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

constexpr int kCopier = 0, kFax = 1, kComputer = 2, kScanner = 3, kPrinter = 4;
constexpr double kAllFive = 200000 + 210000 + 400000 + 190000 + 250000;

class EquipmentTest : public ::testing::Test {
 protected:
  EquipmentTest() {
    ClearGameState();
    shell::InitWorld();
    g().GameActive = 1;
  }
  GameState& g() { return state.g(); }

  // Selects `row` and presses the buy button, answering `answer` if asked.
  bool Buy(int row, int answer = 6) {
    ui.AnswerYesNo({answer});
    SelectEquipment(row);
    return BuyEquipment();
  }

  // The sprites of the last `count` room items, in the order they were listed.
  std::vector<const rec::Sprite*> LastRoomItems(int count) {
    std::vector<const rec::Sprite*> out;
    const long long end = g().RoomItemSpriteCount.Index();
    for (long long i = end - count; i < end; ++i) out.push_back(&g().Sprite[g().RoomItem[i].Sprite]);
    return out;
  }

  // A picture placed as `p`.
  static void ExpectPlaced(const rec::Sprite& s, const sheet::Placement& p) {
    EXPECT_TRUE(s.Used == 1);
    EXPECT_EQ(s.X.Num(), p.x);
    EXPECT_EQ(s.Y.Num(), p.y);
    EXPECT_EQ(s.SrcX.Num(), p.source.x);
    EXPECT_EQ(s.SrcY.Num(), p.source.y);
    EXPECT_EQ(s.Width.Num(), p.source.width);
    EXPECT_EQ(s.Height.Num(), p.source.height);
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(EquipmentTest, TheChecksRunInOrderAndARefusalChangesNothing) {
  struct Case {
    int row;
    double money;
    bool owned, computer;
    const char* message;
  };
  const Case cases[] = {
      // Money first, even for an item owned already.
      {kCopier, 199999, true, false, "お金が足りません。"},
      {kScanner, 100, false, false, "お金が足りません。"},
      {kScanner, 190000, false, false, "スキャナーを使用するにはパソコンが必要です。"},
      {kPrinter, 1000000, false, false, "プリンターを使用するにはパソコンが必要です。"},
      {kPrinter, 1000000, true, false, "プリンターを使用するにはパソコンが必要です。"},
      {kFax, 210000, true, false, "ファックスは、すでに購入しています。"},
      {kScanner, 190000, true, true, "スキャナーは、すでに購入しています。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    g().Kingaku = c.money;
    g().Equipment[c.row].Owned = c.owned ? 1 : 0;
    g().Equipment[kComputer].Owned = c.computer ? 1 : 0;
    g().SigotoPoint = 20;
    const Value items = g().RoomItemSpriteCount;
    ui.Clear();
    SelectEquipment(c.row);
    EXPECT_FALSE(BuyEquipment());
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
    EXPECT_TRUE(ui.Questions().empty());
    EXPECT_EQ(g().Kingaku.Num(), c.money);
    EXPECT_EQ(g().SigotoPoint, Value(20));
    EXPECT_EQ(g().RoomItemSpriteCount, items);
    g().Equipment[c.row].Owned = 0;
  }
}

TEST_F(EquipmentTest, AnsweringNoBuysNothing) {
  g().Kingaku = 1000000;
  EXPECT_FALSE(Buy(kCopier, 7));
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"コピー機を購入しますか？"});
  EXPECT_TRUE(g().Equipment[kCopier].Owned == 0);
  EXPECT_EQ(g().Kingaku, Value(1000000));
  EXPECT_EQ(g().RoomItemSpriteCount, Value(6));
}

TEST_F(EquipmentTest, ExactlyThePriceBuysTheComputerAsTwoPictures) {
  g().Kingaku = 400000;
  g().FormSlot[form::kInfoPanel].Redraw = 0;
  g().ResumeRequest = 0;
  EXPECT_TRUE(Buy(kComputer));
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"パソコンを購入しますか？"});
  EXPECT_EQ(g().Kingaku, Value(0));
  EXPECT_EQ(g().SigotoPoint, Value(24));
  EXPECT_TRUE(g().Equipment[kComputer].Owned == 1);
  EXPECT_TRUE(g().FormSlot[form::kInfoPanel].Redraw == 1);
  EXPECT_TRUE(g().ResumeRequest == 1);
  // The two pictures take the lowest free slots, after the furniture and the figures.
  ASSERT_EQ(g().RoomItemSpriteCount, Value(8));
  EXPECT_EQ(g().RoomItem[6].Sprite, Value(11));
  EXPECT_EQ(g().RoomItem[7].Sprite, Value(12));
  const auto pictures = LastRoomItems(2);
  ExpectPlaced(*pictures[0], sheet::kEquipment[0][2]);
  ExpectPlaced(*pictures[1], sheet::kEquipment[0][3]);
  EXPECT_DOUBLE_EQ(pictures[1]->Depth.Num(), 98 + 10 + 12 / 1000.0);
}

TEST_F(EquipmentTest, AllFiveAddThirteenPointsAndStandAtTheCurrentDwellingsPlaces) {
  for (int house : {0, 1}) {
    SCOPED_TRACE(house);
    ClearGameState();
    shell::InitWorld();
    if (house == 1) testing::FurnishMovedHouse();
    g().Kingaku = kAllFive;
    // The scanner and the printer wait for the computer.
    SelectEquipment(kScanner);
    EXPECT_FALSE(BuyEquipment());
    for (int row : {kCopier, kFax, kComputer, kScanner, kPrinter}) EXPECT_TRUE(Buy(row)) << row;
    EXPECT_EQ(g().Kingaku, Value(0));
    EXPECT_EQ(g().SigotoPoint, Value(33));
    const auto pictures = LastRoomItems(sheet::kEquipmentPictures);
    for (int k = 0; k < sheet::kEquipmentPictures; ++k) ExpectPlaced(*pictures[static_cast<std::size_t>(k)], sheet::kEquipment[house][k]);
  }
}

TEST_F(EquipmentTest, ADwellingWithoutPlacesGetsNoPictures) {
  g().HouseKind = 2;
  g().Kingaku = 200000;
  EXPECT_TRUE(Buy(kCopier));
  EXPECT_TRUE(g().Equipment[kCopier].Owned == 1);
  EXPECT_EQ(g().RoomItemSpriteCount, Value(6));
  EXPECT_EQ(g().SpriteDrawCount, Value(11));
}

}  // namespace
}  // namespace koratsu
