#include "life/moving.h"

#include <gtest/gtest.h>

#include "life/equipment.h"
#include "roomview/sheet_layout.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::UiEvent;

constexpr const char* kQuestion = "費用は5000万円ですが、本当に引っ越しますか？";

bool SameRect(const rec::Sprite& s, const sheet::Rect& r) {
  return s.SrcX == r.x && s.SrcY == r.y && s.Width == r.width && s.Height == r.height;
}

class MovingTest : public ::testing::Test {
 protected:
  MovingTest() {
    ClearGameState();
    shell::InitWorld();
    g().GameActive = 1;
  }
  GameState& g() { return state.g(); }

  // The used sprites showing `piece` where it stands.
  int CountPlaced(const sheet::Placement& piece) {
    int n = 0;
    for (const rec::Sprite& s : g().Sprite)
      n += s.Used == 1 && s.X == piece.x && s.Y == piece.y && SameRect(s, piece.source);
    return n;
  }
  int CountUsed() {
    int n = 0;
    for (const rec::Sprite& s : g().Sprite) n += s.Used == 1;
    return n;
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(MovingTest, RefusalsChangeNothingAndTheClockStaysStopped) {
  struct Case {
    const char* what;
    int house;
    double money;
    int answer;
    std::vector<std::string> questions, messages;
  };
  const Case cases[] = {
      {"moved already", 1, 90000000, 6, {}, {"引越しは一度しかできません"}},
      {"answered no", 0, 90000000, 7, {kQuestion}, {}},
      {"one yen short", 0, 49999999, 6, {kQuestion}, {"お金が足りません。"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearGameState();
    shell::InitWorld();
    g().GameActive = 1;
    g().HouseKind = c.house;
    g().Kingaku = c.money;
    const int used = CountUsed();
    ui.Clear();
    if (!c.questions.empty()) ui.AnswerYesNo({c.answer});
    Hikkosi();
    EXPECT_EQ(ui.Questions(), c.questions);
    EXPECT_EQ(ui.Messages(), c.messages);
    EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1}));
    EXPECT_EQ(ui.Events().front().kind, UiEvent::Clock);
    EXPECT_EQ(ui.Events().back().kind, UiEvent::Clock);
    EXPECT_EQ(g().HouseKind, Value(c.house));
    EXPECT_EQ(g().Kingaku.Num(), c.money);
    EXPECT_EQ(CountUsed(), used);
    EXPECT_EQ(g().RoomItemSpriteCount, Value(6));
  }
}

TEST_F(MovingTest, ExactlyTheCostMovesIntoTheFurnishedHouseWithTheEquipmentOwned) {
  // The copier and the computer were bought in the apartment.
  for (int row : {0, 2}) {
    g().Equipment[row].Owned = 1;
    PlaceEquipment(row, 0);
  }
  g().Kingaku = 50000000;
  ui.AnswerYesNo({yes_no::kYes});
  Hikkosi();

  EXPECT_EQ(ui.Questions(), std::vector<std::string>{kQuestion});
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1}));
  EXPECT_EQ(ui.Events().back().kind, UiEvent::Clock);
  EXPECT_EQ(g().Kingaku, Value(0));
  EXPECT_EQ(g().HouseKind, Value(1));
  int calls = 0;
  for (const UiEvent& e : ui.Events()) calls += e.kind == UiEvent::Call && e.form == form::kRoomView && e.text == "GraphicChange";
  EXPECT_EQ(calls, 1);

  // The apartment's furniture and pictures are gone; the house stands furnished.
  for (const sheet::Placement& p : sheet::kApartmentFurniture) EXPECT_EQ(CountPlaced(p), 0) << p.x << ", " << p.y;
  for (const sheet::Placement& p : sheet::kEquipment[0]) EXPECT_EQ(CountPlaced(p), 0) << p.x << ", " << p.y;
  for (const sheet::Placement& p : sheet::kHouseFurniture) EXPECT_EQ(CountPlaced(p), 1) << p.x << ", " << p.y;
  // The equipment owned at its places in the house, the computer as two pictures; nothing else.
  const int owned[sheet::kEquipmentPictures] = {1, 0, 1, 1, 0, 0};
  for (int k = 0; k < sheet::kEquipmentPictures; ++k) EXPECT_EQ(CountPlaced(sheet::kEquipment[1][k]), owned[k]) << k;
  EXPECT_EQ(CountUsed(), 18 + 3 + 5);
  // The old slots stay listed ahead of the new ones.
  EXPECT_EQ(g().RoomItemSpriteCount, Value(6 + 3 + 18 + 3));
  EXPECT_TRUE(g().Sprite[g().BedSprite].X == 168);
  EXPECT_TRUE(g().Sprite[g().DeskAnimSprite].X == 317);
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(g().Sprite[g().AsiDeskSlot[k].AnimSprite].SrcX == sheet::kAssistantPiece.x);

  // The player at the door, on his way to his desk, sorted by his new height.
  const long long slot = g().Figure[0].Sprite.Index();
  const rec::Sprite& player = g().Sprite[slot];
  EXPECT_EQ(player.X, Value(306));
  EXPECT_EQ(player.Y, Value(105));
  EXPECT_DOUBLE_EQ(player.Depth.Num(), 105 + slot / 1000.0);
  EXPECT_EQ(g().Figure[0].Place, Value(1));
}

}  // namespace
}  // namespace koratsu
