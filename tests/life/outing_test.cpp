// The outing dialog's choices, their durations and costs, and the start.

#include "life/outing.h"

#include <gtest/gtest.h>

#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::UiEvent;

// Rows of the outing list.
constexpr int kWalk = 0, kSport = 2, kPachinko = 3, kCinema = 4, kHorseRacing = 7, kMuseum = 8, kShopping = 9;

class OutingTest : public ::testing::Test {
 protected:
  OutingTest() {
    AddSanpoPlaces();
    g().GameActive = 1;
  }
  GameState& g() { return state.g(); }
  OutingTexts Shown() { return DescribeOuting(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(OutingTest, EachOutingShowsItsDurationAndCostWithItsPresetApplied) {
  struct Case {
    int row;
    int option;  // -1: the preset only
    const char* minutes;
    const char* cost;
  } cases[] = {
      {kWalk, -1, "1時間 0分", "0円"},         {kPachinko, -1, "30分", "2000円"},
      {kPachinko, 4, "2時間 0分", "2万0000円"}, {kHorseRacing, -1, "1時間 0分", "2000円"},
      {kHorseRacing, 13, "3時間 0分", "2万0000円"}, {kShopping, -1, "20分", "1240円"},
      {kShopping, 36, "1時間 0分", "6万5000円"}, {kSport, 14, "2時間 0分", "3000円"},
      {kMuseum, 34, "1時間30分", "2500円"},
  };
  for (const Case& c : cases) {
    OpenOuting();
    ChooseOuting(c.row);
    if (c.option >= 0) ChooseOutingOption(c.option);
    EXPECT_EQ(Shown().minutes, c.minutes) << "row " << c.row << ", button " << c.option;
    EXPECT_EQ(Shown().cost, c.cost) << "row " << c.row << ", button " << c.option;
  }
}

TEST_F(OutingTest, OnlyTheSubChoiceButtonsSetTheSubChoiceAndTheFrameFollowsTheOuting) {
  OpenOuting();
  ChooseOuting(kSport);
  ChooseOutingOption(22);  // 中国拳法
  EXPECT_EQ(g().SanpoChoice, 6);
  EXPECT_EQ(g().SanpoFrameShown, 3);

  // The next opening: the cinema's preset "SF" sets its code over the old one.
  OpenOuting();
  EXPECT_EQ(g().SanpoKind, 0);
  EXPECT_EQ(g().SanpoFrameShown, 3) << "the frame in view is remembered across openings";
  ChooseOuting(kCinema);
  EXPECT_EQ(g().SanpoChoice, 1);
  EXPECT_EQ(g().SanpoKind, 5);
  EXPECT_EQ(g().SanpoFrameShown, 5);
  ChooseOutingOption(25);  // ラブコメ
  EXPECT_EQ(g().SanpoChoice, 4);

  // The walk, the books and the game centre leave it as it is.
  for (int row : {kWalk, 1, 6}) {
    ChooseOuting(row);
    EXPECT_EQ(g().SanpoChoice, 4) << "row " << row;
  }
  ChooseOutingOption(17);  // UFOｷｬｯﾁｬｰ
  EXPECT_EQ(g().SanpoChoice, 4);

  // Back to the cinema: its preset again.
  ChooseOuting(kCinema);
  EXPECT_EQ(g().SanpoChoice, 1);
  EXPECT_EQ(g().SanpoPendingStatus[0], Value("鑑賞中"));
  EXPECT_EQ(g().SanpoPendingStatus[1], Value("映画を鑑賞しています"));
}

TEST_F(OutingTest, TheOutingMustBePaidInFullAndWithDebtsEvenTheWalkIsRefused) {
  struct Case {
    int row;
    int option;
    double money;
    bool starts;
  } cases[] = {{kShopping, 36, 64999, false}, {kShopping, 36, 65000, true}, {kWalk, -1, 0, true},
               {kWalk, -1, -1, false}};
  for (const Case& c : cases) {
    g().Kingaku = c.money;
    g().KoudouMode = koudou_mode::kNone;
    g().MinutesPerStep = 0;
    ui.Clear();
    OpenOuting();
    ChooseOuting(c.row);
    if (c.option >= 0) ChooseOutingOption(c.option);
    EXPECT_EQ(StartOuting(), c.starts) << c.money << " yen, row " << c.row;
    if (c.starts) continue;
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"お金が足りません。"}));
    EXPECT_EQ(g().Kingaku, c.money);
    EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
    EXPECT_EQ(g().MinutesPerStep, 0);
    EXPECT_TRUE(ui.Shown().empty());
  }
}

TEST_F(OutingTest, AStartedOutingPaysRunsTheClockAndOpensItsProgressWindow) {
  g().Kingaku = 65000;
  koratsu::ui::Show(form::kOuting, koratsu::ui::Modeless);
  OpenOuting();
  ChooseOuting(kShopping);
  ChooseOutingOption(36);
  ASSERT_TRUE(StartOuting());
  EXPECT_EQ(g().Kingaku, 0);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kOuting);
  EXPECT_EQ(g().StatusText, Value("買い物をしています"));
  EXPECT_EQ(g().StatusDetail, Value("買い物中"));
  EXPECT_EQ(g().KoudouMinutesLeft, 60);
  EXPECT_EQ(g().KoudouMinutesTotal, 60);
  EXPECT_EQ(g().MinutesPerStep, 3);
  EXPECT_EQ(g().SanpoKind, 10);
  EXPECT_EQ(g().SanpoChoice, 3);
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, 1);
  const std::vector<UiEvent>& events = ui.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].kind, UiEvent::Unload);
  EXPECT_EQ(events[1].form, form::kOuting);
  EXPECT_EQ(events[2].kind, UiEvent::Show);
  EXPECT_EQ(events[2].form, form::kOutingProgress);
  EXPECT_EQ(events[2].number, koratsu::ui::Modeless);
}

}  // namespace
}  // namespace koratsu
