// A studio built up through the commands of a new game: the five pieces of
// equipment in the apartment, the move to the house, four assistants, and
// one of them dismissed again.

#include <gtest/gtest.h>

#include "life/assistants.h"
#include "life/equipment.h"
#include "roomview/sheet_layout.h"
#include "roomview/walking.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/yes_no.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using shell::Command;

class StudioScenario : public ::testing::Test {
 protected:
  StudioScenario() {
    SetRandomSource(&random);
    shell::SetProgramValues();
  }
  GameState& g() { return state.g(); }

  void Run(Command command) { shell::RunCommand(command, screen); }

  // How many used sprites show `piece` where it stands.
  int Placed(const sheet::Placement& piece) {
    int n = 0;
    for (const rec::Sprite& s : g().Sprite) {
      n += s.Used == 1 && s.X == piece.x && s.Y == piece.y && s.SrcX == piece.source.x && s.SrcY == piece.source.y &&
           s.Width == piece.source.width && s.Height == piece.source.height;
    }
    return n;
  }
  int Used() {
    int n = 0;
    for (const rec::Sprite& s : g().Sprite) n += s.Used == 1;
    return n;
  }

  testing::FixedRandom random{2024};
  testing::FreshState state;
  testing::ScriptedUi ui;
  testing::RecordingScreen screen;
};

TEST_F(StudioScenario, EquipmentTheMoveFourAssistantsAndADismissal) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画家", screen));
  ASSERT_EQ(g().SigotoPoint, Value(20));
  g().Kingaku = 200000 + 210000 + 400000 + 190000 + 250000 + 50000000;
  ui.FallbackAnswer(yes_no::kYes);

  // The five items, bought one by one in the apartment.
  const int points[5] = {3, 2, 4, 2, 2};
  int row = 0;
  ui.On(form::kEquipment, [&] {
    SelectEquipment(row);
    EXPECT_TRUE(BuyEquipment()) << row;
  });
  double studio = 20;
  for (row = 0; row < 5; ++row) {
    Run(Command::DouguKounyu);
    studio += points[row];
    EXPECT_EQ(g().SigotoPoint.Num(), studio);
    for (int k = 0; k < sheet::kEquipmentPictureCount[row]; ++k)
      EXPECT_EQ(Placed(sheet::kEquipment[0][sheet::kEquipmentFirstPicture[row] + k]), 1) << row;
  }
  EXPECT_EQ(g().SigotoPoint, Value(33));
  EXPECT_EQ(Used(), 6 + 5 + 6);
  EXPECT_EQ(g().Kingaku, Value(50000000));

  // Hiring waits for the house; then the move.
  Run(Command::GetAsi);
  EXPECT_EQ(ui.Messages().back(), "アパートでは雇えません。");
  Run(Command::Hikkosi);
  EXPECT_EQ(g().HouseKind, Value(1));
  EXPECT_EQ(g().Kingaku, Value(0));
  EXPECT_EQ(Used(), 18 + 6 + 5);
  for (const sheet::Placement& p : sheet::kHouseFurniture) EXPECT_EQ(Placed(p), 1);
  for (const sheet::Placement& p : sheet::kEquipment[1]) EXPECT_EQ(Placed(p), 1);
  for (const sheet::Placement& p : sheet::kEquipment[0]) EXPECT_EQ(Placed(p), 0);
  EXPECT_EQ(g().Sprite[g().Figure[0].Sprite].X, Value(306));
  EXPECT_EQ(g().Figure[0].Place, Value(1));

  // Four assistants, each from the last page of his offer, take the desks in order.
  ui.On(form::kHireAssistant, [&] {
    DrawAssistantOffer();
    EXPECT_TRUE(HireAssistant(g().AsiListCount - 1));
  });
  std::vector<long long> hired;
  for (int k = 0; k < 4; ++k) {
    Run(Command::GetAsi);
    const long long r = g().AsiDesk[k].Index();
    ASSERT_TRUE(r >= 0 && r < 19) << k;
    EXPECT_TRUE(g().Assistant[r].Hired == 1);
    EXPECT_EQ(g().Figure[k + 1].Picture, g().Assistant[r].Picture);
    studio += g().Assistant[r].Point.Num();
    EXPECT_EQ(g().SigotoPoint.Num(), studio);
    hired.push_back(r);
  }

  // While the clock would run they walk in and sit down to work.
  g().LifeStatus = 2;
  for (int n = 0; n < 60; ++n) MoveFigures();
  const int deskX[4] = {270, 312, 240, 282}, deskY[4] = {123, 150, 138, 165};
  for (int k = 0; k < 4; ++k) {
    const rec::Sprite& s = g().Sprite[g().Figure[k + 1].Sprite];
    EXPECT_EQ(s.X, Value(deskX[k])) << k;
    EXPECT_EQ(s.Y, Value(deskY[k])) << k;
    EXPECT_EQ(Int(s.SrcX.Num() / sheet::kPersonStride), g().Figure[k + 1].Picture.Num()) << k;
  }

  // The second desk's assistant is dismissed.
  ui.On(form::kDismissAssistant, [&] {
    ListHiredAssistants();
    for (long long p = 0; p < g().AsiListCount.Index(); ++p) {
      if (g().AsiList[p] != hired[1]) continue;
      EXPECT_TRUE(DismissAssistant(p));
    }
  });
  Run(Command::AsiKaiko);
  studio -= g().Assistant[hired[1]].Point.Num();
  EXPECT_EQ(g().SigotoPoint.Num(), studio);
  EXPECT_TRUE(g().Assistant[hired[1]].Hired == 0);
  EXPECT_EQ(g().AsiDesk[1], Value(-1));
  EXPECT_EQ(g().Figure[2].Dir, Value(5));
  EXPECT_EQ(g().Sprite[g().Figure[2].Sprite].SrcX, Value(sheet::kLeavingSourceX));
  for (int k : {0, 2, 3}) EXPECT_EQ(g().AsiDesk[k], Value(hired[static_cast<std::size_t>(k)]));
  EXPECT_EQ(Used(), 18 + 6 + 5);
  EXPECT_EQ(ui.ShownCount(form::kEquipment), 5);
  EXPECT_EQ(ui.ShownCount(form::kHireAssistant), 4);
  EXPECT_EQ(ui.ShownCount(form::kDismissAssistant), 1);
}

}  // namespace
}  // namespace koratsu
