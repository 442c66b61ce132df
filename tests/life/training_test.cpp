// The training dialog's choice and its two checks, and what a finished
// course brings.

#include "life/training.h"

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

constexpr int kCulture = 0;  // the first course
constexpr int kDrawing = 4;

class TrainingTest : public ::testing::Test {
 protected:
  TrainingTest() {
    AddSyugyouCourses();
    g().GameActive = 1;
    g().StaminaMax = 25;
  }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(TrainingTest, ACourseShowsWhatItTrainsAndTheSameTimeFeeAndStamina) {
  g().SyugyouKind = 9;
  g().KoudouCost = 2000;
  g().KoudouMinutesLeft = 60;
  OpenSyugyou();
  EXPECT_EQ(g().SyugyouKind, 0);
  EXPECT_EQ(g().KoudouCost, 0);
  EXPECT_EQ(g().KoudouMinutesLeft, 0);

  ChooseSyugyou(kDrawing);
  EXPECT_EQ(g().SyugyouKind, 10);
  EXPECT_EQ(g().SyugyouIndex, kDrawing);
  const SyugyouTexts drawing = DescribeSyugyou(kDrawing);
  EXPECT_EQ(drawing.text, "画力の修行をします。画力を上げることができます。");
  EXPECT_EQ(drawing.minutes, "10時間 0分");
  EXPECT_EQ(drawing.fee, "3000円");
  EXPECT_EQ(drawing.stamina, "-5ﾎﾟｲﾝﾄ");
  ChooseSyugyou(kCulture);
  EXPECT_EQ(g().SyugyouKind, 6);
  EXPECT_EQ(DescribeSyugyou(kCulture).minutes, drawing.minutes);
}

TEST_F(TrainingTest, TheMoneyIsCheckedBeforeTheStamina) {
  struct Case {
    double money, stamina;
    const char* message;  // nullptr: the course starts
  } cases[] = {{2999, 1, "お金が足りません。"},
               {2999, 20, "お金が足りません。"},
               {3000, 5, "体力のﾎﾟｲﾝﾄが足りません。"},
               {3000, 6, nullptr}};
  for (const Case& c : cases) {
    g().Kingaku = c.money;
    g().Stamina = c.stamina;
    g().KoudouMode = koudou_mode::kNone;
    ui.Clear();
    OpenSyugyou();
    ChooseSyugyou(kDrawing);
    EXPECT_EQ(StartSyugyou(kDrawing), c.message == nullptr) << c.money << " yen, " << c.stamina << " stamina";
    if (!c.message) continue;
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{c.message}));
    EXPECT_EQ(g().Kingaku, c.money);
    EXPECT_EQ(g().Stamina, c.stamina);
    EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
    EXPECT_TRUE(ui.Shown().empty());
  }
}

TEST_F(TrainingTest, AStartedCourseTakesItsFeeAndStaminaAndOpensItsProgressWindow) {
  g().Kingaku = 3000;
  g().Stamina = 6;
  koratsu::ui::Show(form::kTraining, koratsu::ui::Modeless);
  OpenSyugyou();
  ChooseSyugyou(kDrawing);
  ASSERT_TRUE(StartSyugyou(kDrawing));
  EXPECT_EQ(g().Kingaku, 0);
  EXPECT_EQ(g().Stamina, 1);
  EXPECT_EQ(g().SyugyouOn, 1);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kSyugyou);
  EXPECT_EQ(g().StatusText, Value("画力の修行をします"));
  EXPECT_EQ(g().StatusDetail, Value("画力の修行中"));
  EXPECT_EQ(g().KoudouMinutesLeft, 600);
  EXPECT_EQ(g().KoudouMinutesTotal, 600);
  EXPECT_EQ(g().MinutesPerStep, 20);
  const std::vector<UiEvent>& events = ui.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].kind, UiEvent::Unload);
  EXPECT_EQ(events[1].form, form::kTraining);
  EXPECT_EQ(events[2].kind, UiEvent::Show);
  EXPECT_EQ(events[2].form, form::kTrainingProgress);
  EXPECT_EQ(events[2].number, koratsu::ui::Modeless);
}

}  // namespace
}  // namespace koratsu
