// A new game's first outing and first training, played through the scripted
// player from the commands to the points gained, with the knowledge list
// window open beside them, keeping itself up to date as in play.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "life/activity_windows.h"
#include "life/experience.h"
#include "life/outing.h"
#include "life/points_gained.h"
#include "life/training.h"
#include "life/windows/knowledge_list_window.h"
#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

constexpr int kShopping = 9;  // its preset is the convenience store
constexpr int kDrawing = 4;   // the drawing course
constexpr int kConvenienceStoreItem = 75;

using Rows = std::vector<std::pair<std::string, std::string>>;

// The knowledge list window, loaded by the player's command. Each Step is
// one event of its timer; its rows are what its last redraw showed.
struct ShownKnowledgeList {
  Rows rows;
  void Step() {
    auto* list = platform::Forms().Find<Form29>(form::kKnowledgeList);
    if (!list) return;
    list->Timer1_Timer();
    rows.clear();
    for (std::size_t r = 0; r < list->Label1.size(); ++r)
      if (list->Label1[r]->geometry().bottom() < list->Picture1->height())
        rows.push_back({list->Label1[r]->text().toStdString(), list->Label2[r]->text().toStdString()});
  }
};

// What the list should show now: every item with points against the cap.
Rows KnowledgeNow() {
  const GameState& g = State();
  Rows rows;
  for (long long i = 0; i < g.TiItemCount.Index(); ++i) {
    const rec::KnowledgeItem& item = g.KnowledgeItem[i];
    if (item.Point > 0) rows.push_back({item.Name.Str(), Join(item.Point, "/", g.TiPointMax, "ﾎﾟｲﾝﾄ")});
  }
  return rows;
}

class OutingAndTrainingScenario : public ::testing::Test {
 protected:
  OutingAndTrainingScenario() {
    SetComputerClock(&clock);
    // The game's own generator draws, seeded by the fixed clock.
    shell::SetProgramValues();

    // The player's part in each window, through the rules the windows call.
    ui.On(form::kKnowledgeList, [this] {
      platform::Forms().Load(form::kKnowledgeList);
      list.Step();
    });
    ui.On(form::kOuting, [] {
      OpenOuting();
      ChooseOuting(kShopping);
      StartOuting();
    });
    ui.On(form::kTraining, [] {
      OpenSyugyou();
      ChooseSyugyou(kDrawing);
      StartSyugyou(kDrawing);
    });
    for (int progress : {form::kOutingProgress, form::kTrainingProgress}) {
      ui.On(progress, ActivityWindowLoaded);
      ui.OnUnload(progress, [] { ActivityWindowClosed({600, 600}); });
    }
    ui.On(form::kLevelUp, [this] { list.Step(); });
    ui.OnUnload(form::kLevelUp, CloseLevelUp);
    ui.On(form::kPointsGained, [this] {
      LoadPointsGained();
      list.Step();
      rows.clear();
      for (int r = 0; r < PointsGainedRowCount(); ++r)
        rows.push_back({static_cast<int>(g().ResultLine[r].Field.Num()), g().ResultLine[r].Gain.Num()});
      for (int step = 0; step < 8; ++step) {
        PointsGainedStep();
        list.Step();
      }
    });
    ui.OnUnload(form::kPointsGained, ClosePointsGained);
  }
  ~OutingAndTrainingScenario() override {
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    SetComputerClock(nullptr);
  }
  GameState& g() { return state.g(); }

  // Clock timer events until the running activity is over, with the list's
  // timer between them; the time steps it took.
  int RunToTheEnd() {
    int steps = 0;
    Value left = g().KoudouMinutesLeft;
    for (int events = 0; g().KoudouMode != koudou_mode::kNone && events < 5000; ++events) {
      timer.Event(screen);
      list.Step();
      EXPECT_EQ(list.rows, KnowledgeNow()) << "after event " << events;
      if (g().KoudouMinutesLeft != left) ++steps;
      left = g().KoudouMinutesLeft;
    }
    return steps;
  }

  FixedClock clock{{2024, 4, 5, 6, 10, 0, 0}, 36005.5};
  testing::FreshState state;
  testing::ScriptedUi ui;
  testing::RecordingScreen screen;
  shell::ClockTimer timer;
  ShownKnowledgeList list;
  std::vector<std::pair<int, double>> rows;  // the points window's rows, as it opened
};

TEST_F(OutingAndTrainingScenario, AnOutingThenATrainingWithTheKnowledgeListFollowing) {
  ASSERT_TRUE(shell::ConfirmNewGame("新人", screen));
  shell::RunCommand(shell::Command::TiPoint, screen);
  ASSERT_EQ(ui.ShownCount(form::kKnowledgeList), 1);
  EXPECT_EQ(list.rows, KnowledgeNow());
  ASSERT_FALSE(list.rows.empty()) << "a new game knows something";

  // The convenience store: 20 minutes at 3 a step.
  const double money = g().Kingaku.Num();
  shell::RunCommand(shell::Command::Sanpo, screen);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kOuting);
  EXPECT_EQ(g().Kingaku, money - 1240);
  EXPECT_EQ(g().StatusText, Value("買い物をしています"));
  EXPECT_EQ(g().KoudouMinutesTotal, 20);
  const long long storeItem = [&] {
    for (long long i = 0; i < g().TiItemCount.Index(); ++i)
      if (g().KnowledgeItem[i].Id == kConvenienceStoreItem) return i;
    return -1LL;
  }();
  ASSERT_GE(storeItem, 0);
  const double before = g().KnowledgeItem[storeItem].Point.Num();
  EXPECT_EQ(RunToTheEnd(), 7);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g().StatusText, Value("停止中"));
  EXPECT_EQ(ui.ShownCount(form::kPointsGained), 1);
  // Only the convenience store's own item may rise, and this game's draws let it.
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].first, storeItem);
  EXPECT_EQ(g().KnowledgeItem[storeItem].Point, std::min(before + rows[0].second, 15.0));
  EXPECT_EQ(g().ResultLineCount, 0);

  // A drawing course, two experience points short of the next level, whose
  // level-up raises every knowledge item's cap.
  g().Experience = 28;
  const double garyoku = g().Garyoku.Num();
  const double stamina = g().Stamina.Num();
  const double moneyBefore = g().Kingaku.Num();
  rows.clear();
  shell::RunCommand(shell::Command::Syugyou, screen);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kSyugyou);
  EXPECT_EQ(g().Kingaku, moneyBefore - 3000);
  EXPECT_EQ(g().Stamina, stamina - 5);
  EXPECT_EQ(RunToTheEnd(), 30);
  EXPECT_EQ(g().KoudouMinutesLeft, 0);
  EXPECT_EQ(g().Level, 2);
  EXPECT_GE(g().Experience, 30);
  EXPECT_EQ(g().TiPointMax, 25);
  EXPECT_EQ(ui.ShownCount(form::kLevelUp), 1);
  EXPECT_EQ(ui.ShownCount(form::kPointsGained), 2);
  EXPECT_EQ(g().FormSlot[form::kPointsGained].Param, 1);
  ASSERT_EQ(rows.size(), 1u) << "this game's draws let the drawing rise";
  EXPECT_EQ(rows[0].first, 0);
  EXPECT_EQ(g().Garyoku, std::min(garyoku + rows[0].second, g().GaryokuMax.Num()));
  for (const auto& [name, points] : list.rows) EXPECT_NE(points.find("/25ﾎﾟｲﾝﾄ"), std::string::npos) << name;
}

}  // namespace
}  // namespace koratsu
