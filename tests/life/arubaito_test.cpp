// The job dialog's choice and start, and the job-ended window's pay.

#include "life/arubaito.h"

#include <gtest/gtest.h>

#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/tutorial_stage.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::UiEvent;

constexpr int kFastFood = 0;          // 300 minutes, 3900 yen, 4 points
constexpr int kEmploymentOffice = 6;  // 420 minutes, 30000 yen, 2 points

class ArubaitoTest : public ::testing::Test {
 protected:
  ArubaitoTest() {
    AddArubaitoJobs();
    g().GameActive = 1;
    g().StaminaMax = 25;
  }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(ArubaitoTest, TheDialogOpensOnTheFastFoodJob) {
  g().ArubaitoKind = 9;
  g().KoudouCost = 2000;
  g().KoudouMinutesLeft = 60;
  g().ArubaitoOn = 1;
  OpenArubaito();
  EXPECT_EQ(g().ArubaitoKind, 0);
  EXPECT_EQ(g().KoudouCost, 0);
  EXPECT_EQ(g().KoudouMinutesLeft, 0);
  EXPECT_EQ(g().ArubaitoOn, 0);

  ChooseArubaito(kFastFood);
  ArubaitoTexts texts = DescribeArubaito(kFastFood);
  EXPECT_EQ(texts.minutes, "5時間 0分");
  EXPECT_EQ(texts.pay, "3900円");
  EXPECT_EQ(texts.stamina, "-4ﾎﾟｲﾝﾄ");
  EXPECT_EQ(g().ArubaitoKind, 1);
  EXPECT_EQ(g().ArubaitoPayChosen, 3900);

  ChooseArubaito(kEmploymentOffice);
  EXPECT_EQ(g().ArubaitoKind, 7);
  EXPECT_EQ(g().ArubaitoPayChosen, 30000);
  EXPECT_EQ(DescribeArubaito(kEmploymentOffice).pay, "3万0000円");
}

TEST_F(ArubaitoTest, AJobMayNeverTakeTheLastOfTheStamina) {
  struct Case {
    double stamina;
    int row;
    bool starts;
    double left;
  } cases[] = {{4, kFastFood, false, 4}, {4, kEmploymentOffice, true, 2}, {5, kFastFood, true, 1}, {4.5, kFastFood, true, 0.5}};
  for (const Case& c : cases) {
    g().Stamina = c.stamina;
    g().KoudouMode = koudou_mode::kNone;
    g().MinutesPerStep = 0;
    ui.Clear();
    OpenArubaito();
    ChooseArubaito(c.row);
    EXPECT_EQ(StartArubaito(c.row), c.starts) << c.stamina << " stamina, row " << c.row;
    EXPECT_EQ(g().Stamina, c.left) << c.stamina << " stamina, row " << c.row;
    if (c.starts) continue;
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"体力のﾎﾟｲﾝﾄが足りません。"}));
    EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
    EXPECT_EQ(g().MinutesPerStep, 0);
    EXPECT_TRUE(ui.Shown().empty());
  }
}

TEST_F(ArubaitoTest, AStartedJobRunsTheClockAndOpensItsProgressWindow) {
  g().Stamina = 20;
  koratsu::ui::Show(form::kArubaito, koratsu::ui::Modeless);
  ChooseArubaito(kFastFood);
  ASSERT_TRUE(StartArubaito(kFastFood));
  EXPECT_EQ(g().ArubaitoOn, 1);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kArubaito);
  EXPECT_EQ(g().StatusText, Value("ﾌｧｰｽﾄﾌｰﾄﾞ店でｱﾙﾊﾞｲﾄ中"));
  EXPECT_EQ(g().StatusDetail, Value("ｱﾙﾊﾞｲﾄしています"));
  EXPECT_EQ(g().KoudouMinutesLeft, 300);
  EXPECT_EQ(g().KoudouMinutesTotal, 300);
  EXPECT_EQ(g().MinutesPerStep, 15);
  const std::vector<UiEvent>& events = ui.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].kind, UiEvent::Unload);
  EXPECT_EQ(events[1].form, form::kArubaito);
  EXPECT_EQ(events[2].kind, UiEvent::Show);
  EXPECT_EQ(events[2].form, form::kArubaitoProgress);
  EXPECT_EQ(events[2].number, koratsu::ui::Modeless);
}

TEST_F(ArubaitoTest, TheTutorialMovesOnWhenTheDialogOpensAndWhenAJobReallyStarts) {
  g().TutorialStage = tutorial_stage::kJobDialog;
  g().TutorialStageLoaded = 1;
  OpenArubaito();  // and then cancelled
  EXPECT_EQ(g().TutorialStage, tutorial_stage::kJobStart);
  EXPECT_EQ(g().TutorialStageLoaded, 0);
  OpenArubaito();
  EXPECT_EQ(g().TutorialStage, tutorial_stage::kJobStart);

  g().Stamina = 3;
  StartArubaito(kFastFood);
  EXPECT_EQ(g().TutorialStage, tutorial_stage::kJobStart) << "a refused start is no start";
  g().Stamina = 10;
  g().TutorialStageLoaded = 1;
  StartArubaito(kFastFood);
  EXPECT_EQ(g().TutorialStage, tutorial_stage::kNewManga);
  EXPECT_EQ(g().TutorialStageLoaded, 0);
}

TEST_F(ArubaitoTest, TheEndedJobIsPaidWithTheCoinSound) {
  g().Kingaku = 500;
  g().ArubaitoPayChosen = 14800;
  PayArubaito();
  EXPECT_EQ(g().Kingaku, 15300);
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, 1);
  ASSERT_EQ(ui.Events().size(), 1u);
  EXPECT_EQ(ui.Events()[0].kind, UiEvent::Sound);
  EXPECT_EQ(ui.Events()[0].number, 0);
}

}  // namespace
}  // namespace koratsu
