#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roomview/figures.h"
#include "roomview/furnish.h"
#include "roomview/sprites.h"
#include "state/game_state.h"
#include "state/log.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

class SpriteTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLogSink([this](const std::string& line) { log_.push_back(line); });
  }
  void TearDown() override { SetLogSink({}); }

  GameState& g() { return fresh_.g(); }
  std::vector<long long> DrawList() {
    std::vector<long long> out;
    for (long long i = 0; i < g().SpriteDrawCount.Index(); ++i) out.push_back(g().SpriteDrawList[i].Index());
    return out;
  }
  void FillTable() {
    for (rec::Sprite& s : g().Sprite) s.Used = 1;
  }

  testing::FreshState fresh_;
  std::vector<std::string> log_;
};

TEST_F(SpriteTableTest, AddTakesTheLowestFreeSlotAndRemoveFreesIt) {
  AddSprite(10, 20, 0, 0, 16, 32, 5);
  AddSprite(30, 40, 0, 0, 16, 32, 5);
  AddSprite(50, 60, 0, 0, 16, 32, 5);
  EXPECT_EQ(DrawList(), (std::vector<long long>{0, 1, 2}));

  RemoveSprite(1);
  EXPECT_EQ(DrawList(), (std::vector<long long>{0, 2}));
  EXPECT_EQ(g().Sprite[1].Used, 0);
  EXPECT_EQ(g().Sprite[1].X, 30);  // a freed slot keeps its fields
  EXPECT_EQ(g().SpriteLast, 2);

  AddSprite(70, 80, 98, 128, 74, 41, -20);
  EXPECT_EQ(g().SpriteLast, 1);
  EXPECT_EQ(DrawList(), (std::vector<long long>{0, 1, 2}));
  const rec::Sprite& s = g().Sprite[1];
  EXPECT_EQ(s.X, 70);
  EXPECT_EQ(s.Y, 80);
  EXPECT_EQ(s.SrcX, 98);
  EXPECT_EQ(s.SrcY, 128);
  EXPECT_EQ(s.Width, 74);
  EXPECT_EQ(s.Height, 41);
  EXPECT_DOUBLE_EQ(s.Depth.Num(), 80 - 20 + 0.001);
  EXPECT_EQ(g().SpareSpriteFlag, 0);
}

TEST_F(SpriteTableTest, EqualHeightsAreOrderedBySlot) {
  AddSprite(0, 100, 0, 0, 1, 1, 10);
  AddSprite(0, 105, 0, 0, 1, 1, 5);
  EXPECT_LT(g().Sprite[0].Depth, g().Sprite[1].Depth);
  EXPECT_DOUBLE_EQ(g().Sprite[1].Depth.Num(), 110.001);
}

TEST_F(SpriteTableTest, AFullTableTakesNothingAndKeepsSpriteLast) {
  FillTable();
  g().SpriteLast = 17;
  AddSprite(1, 2, 3, 4, 5, 6, 7);
  EXPECT_EQ(g().SpriteLast, 17);
  EXPECT_EQ(g().SpriteDrawCount, 501);
  RemoveSprite(500);
  EXPECT_EQ(g().SpriteDrawCount, 500);
  EXPECT_EQ(g().SpriteDrawList[499], 499);
}

TEST_F(SpriteTableTest, FurnishingTheApartmentTakesTheFirstSixSlots) {
  g().HouseKind = 0;
  FurnishRoom();
  EXPECT_EQ(DrawList(), (std::vector<long long>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(g().BedSprite, 4);
  EXPECT_EQ(g().DeskAnimSprite, 5);
  EXPECT_EQ(g().RoomItemSpriteCount, 6);
  for (long long i = 0; i < 6; ++i) EXPECT_EQ(g().RoomItem[i].Sprite, i);
  for (long long k = 0; k < 4; ++k) EXPECT_TRUE(g().AsiDeskSlot[k].AnimSprite.IsEmpty());
  const rec::Sprite& bed = g().Sprite[4];
  EXPECT_EQ(bed.X, 148);
  EXPECT_EQ(bed.Y, 156);
  EXPECT_EQ(bed.SrcX, 98);
  EXPECT_EQ(bed.Width, 74);
  EXPECT_DOUBLE_EQ(bed.Depth.Num(), 156 - 20 + 0.004);
  EXPECT_DOUBLE_EQ(g().Sprite[0].Depth.Num(), 102 + 100);
}

TEST_F(SpriteTableTest, MovingHouseFillsTheFreedSlotsFirstAndAppendsToTheRoomItems) {
  g().HouseKind = 0;
  FurnishRoom();
  AddSprite(0, -32, 0, 0, 16, 32, 1000);  // a figure in slot 6
  for (long long i = 0; i < g().RoomItemSpriteCount.Index(); ++i) RemoveSprite(g().RoomItem[i].Sprite);

  g().HouseKind = 1;
  FurnishRoom();

  EXPECT_EQ(g().RoomItemSpriteCount, 6 + 18);
  std::vector<long long> slots;
  for (long long i = 6; i < 24; ++i) slots.push_back(g().RoomItem[i].Sprite.Index());
  EXPECT_EQ(slots, (std::vector<long long>{0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
  EXPECT_EQ(g().BedSprite, 11);
  EXPECT_EQ(g().DeskAnimSprite, 12);
  for (long long k = 0; k < 4; ++k) EXPECT_EQ(g().AsiDeskSlot[k].AnimSprite, 13 + k);
  EXPECT_DOUBLE_EQ(g().Sprite[6].Depth.Num(), -32 + 1000 + 0.006);  // the figure is untouched
  EXPECT_DOUBLE_EQ(g().Sprite[17].Depth.Num(), 57 + 1200 + 0.017);  // the front wall
}

TEST_F(SpriteTableTest, AnyOtherDwellingIsNotFurnished) {
  g().HouseKind = 2;
  g().BedSprite = 9;
  FurnishRoom();
  EXPECT_EQ(g().SpriteDrawCount, Value());
  EXPECT_EQ(g().RoomItemSpriteCount, Value());
  EXPECT_EQ(g().BedSprite, 9);
}

TEST_F(SpriteTableTest, FurnitureThatFindsNoSlotIsNotRemembered) {
  FillTable();
  g().Sprite[3].Used = 0;
  g().BedSprite = Value();
  g().HouseKind = 0;
  FurnishRoom();
  EXPECT_EQ(g().RoomItemSpriteCount, 1);  // only the first piece found a slot
  EXPECT_EQ(g().RoomItem[0].Sprite, 3);
  EXPECT_TRUE(g().BedSprite.IsEmpty());
  EXPECT_FALSE(log_.empty());
}

TEST_F(SpriteTableTest, APictureTheRoomItemListCannotHoldIsNotPlaced) {
  g().RoomItemSpriteCount = 257;
  EXPECT_EQ(AddRoomItem(sheet::kApartmentFurniture[1]), -1);
  EXPECT_EQ(g().SpriteDrawCount, Value());
  EXPECT_EQ(g().RoomItemSpriteCount, 257);
  EXPECT_FALSE(log_.empty());

  g().RoomItemSpriteCount = 256;
  EXPECT_EQ(AddRoomItem(sheet::kApartmentFurniture[1]), 0);
  EXPECT_EQ(g().RoomItem[256].Sprite, 0);
  EXPECT_EQ(g().Sprite[0].X, 210);
}

TEST_F(SpriteTableTest, AddPersonGivesTheFigureItsPictureAndTheSlotItsSpriteTakes) {
  g().HouseKind = 0;
  FurnishRoom();
  AddPerson("主人公", 0, 1);
  AddPerson("ｱｼｽﾀﾝﾄ", 1, 1);
  EXPECT_EQ(g().FigureCount, 2);
  EXPECT_EQ(g().Figure[0].Picture, 0);
  EXPECT_EQ(g().Figure[0].Sprite, 6);
  EXPECT_EQ(g().Figure[1].Picture, 1);
  EXPECT_EQ(g().Figure[1].Sprite, 7);
  const rec::Sprite& s = g().Sprite[7];
  EXPECT_EQ(s.X, 0);
  EXPECT_EQ(s.Y, -32);
  EXPECT_EQ(s.SrcX, 0);
  EXPECT_EQ(s.SrcY, 0);
  EXPECT_EQ(s.Width, 16);
  EXPECT_EQ(s.Height, 32);
  EXPECT_DOUBLE_EQ(s.Depth.Num(), -32 + 1000 + 0.007);
  EXPECT_TRUE(g().Figure[1].Place.IsEmpty());
}

TEST_F(SpriteTableTest, AddPersonRecordsTheRealSlotAfterAGap) {
  AddSprite(0, 0, 0, 0, 1, 1, 0);
  AddSprite(0, 0, 0, 0, 1, 1, 0);
  RemoveSprite(0);  // SpriteLast is 1, the next free slot is 0
  AddPerson("主人公", 0, 1);
  EXPECT_EQ(g().Figure[0].Sprite, 0);
  EXPECT_EQ(g().SpriteLast, 0);
}

TEST_F(SpriteTableTest, AFigureWithoutASpriteSlotIsNotAdded) {
  FillTable();
  AddPerson("主人公", 0, 1);
  EXPECT_EQ(g().FigureCount, Value());
  EXPECT_FALSE(log_.empty());
}

}  // namespace
}  // namespace koratsu
