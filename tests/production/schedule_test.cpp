// The schedule window's rules: the rows and their estimates, the even
// split, the held point buttons, the pace, the stamina verdict, and what OK,
// Cancel and the closing leave behind.

#include "production/schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/completion.h"
#include "production/point_buttons.h"
#include "production/production_fixture.h"
#include "production/slots.h"
#include "state/tutorial_stage.h"
#include "state/yes_no.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

class ScheduleTest : public ProductionTest {
 protected:
  ScheduleTest() {
    g.ScheduleEvery = 12;
    g.SukezyuruType = 2;
    g.SukezyuruHours = 14;
    g.Stamina = 20;
    g.StaminaMax = 25;
    ui.OnUnload(form::kSchedule, CloseSchedule);
  }

  // A work in slot s: its progress and target, its committed points and its deadline.
  void Work(int s, double progress, double target, double points, double daysLeft = -1, int kind = 0) {
    g.SlotKanseido[s] = progress;
    g.SlotLabel[s] = kind == 6 ? "青空の下" : "新しい漫画";
    rec::ProductionSlot& p = g.ProductionSlot[s];
    p.Target = target;
    p.SigotoPoint = points;
    p.DaysLeft = daysLeft;
    p.Kind = kind;
  }

  // The schedule window opened, as the player finds it.
  void Open() {
    ui::Show(form::kSchedule, ui::Modeless);
    OpenSchedule();
  }

  std::vector<double> EditedPoints() {
    std::vector<double> points;
    for (int s = 0; s <= kLastSlot; ++s)
      if (SlotBusy(s)) points.push_back(g.ProductionSlot[s].SigotoPointEdit.Num());
    return points;
  }
};

TEST_F(ScheduleTest, EstimatesFollowThePointsAndThePaceSelectedInTheWindow) {
  const struct {
    double progress, target, points;
    int pace;  // option 0 余裕を持って, 1 普通に, 2 無理をして
    const char* completion;
  } cases[] = {
      {0.1, 100, 20, 1, "完成予定あと 3日"},    // 99.9 left at 14 hours × 2 a day
      {0.1, 150, 3, 0, "完成予定あと 62日"},    // 149.9 left at 8 hours × 0.3
      {0.1, 150, 20, 2, "完成予定あと 3日"},    // 19 hours
      {50, 50, 10, 1, "完成予定あと 0日"},      // at its target: one more hour
      {0.1, 150, 0, 1, "完成予定なし"},
  };
  for (const auto& c : cases) {
    Work(0, c.progress, c.target, c.points);
    Open();
    ChooseSchedulePace(c.pace);
    const ScheduleRow row = ScheduleRowTexts(0);
    EXPECT_EQ(row.completion, c.completion) << c.progress << " of " << c.target << " at " << c.points;
    EXPECT_FALSE(row.completionCentred);
    EXPECT_EQ(row.points, Value(c.points).Str());
  }
}

TEST_F(ScheduleTest, ADeadlineTurnsRedOnlyWhenTheWorkWouldMissIt) {
  // At 14 hours and 20 points a work gains 28 a day.
  const struct {
    double daysLeft, remaining, points;
    const char* deadline;
    bool centred, red;
  } cases[] = {
      {5, 5 * 28 + 1, 20, "〆切まであと 5日", false, false},  // estimate 5
      {5, 6 * 28 + 1, 20, "〆切まであと 5日", false, true},   // estimate 6
      {0, 27, 20, "〆切まであと 0日", false, false},
      {-1, 999, 1, "〆切なし", true, false},                   // no deadline is never missed
      {3, 10, 0, "〆切まであと 3日", false, true},             // without points it never finishes
      {-1, 10, 0, "〆切なし", true, false},
  };
  for (const auto& c : cases) {
    Work(1, 1, 1 + c.remaining, c.points, c.daysLeft, 3);
    Open();
    const ScheduleRow row = ScheduleRowTexts(1);
    EXPECT_EQ(row.deadline, c.deadline) << c.daysLeft << ", " << c.remaining << " left";
    EXPECT_EQ(row.deadlineCentred, c.centred) << row.deadline;
    EXPECT_EQ(row.deadlineRed, c.red) << c.daysLeft << ", " << c.remaining << " left at " << c.points;
  }
}

TEST_F(ScheduleTest, AFinishedSerialEpisodeIsFullAndANewWorkEmpty) {
  Work(2, 160.3, 150, 10, 4, 6);
  Work(4, 0.1, 150, 10);
  Open();
  const ScheduleRow serial = ScheduleRowTexts(2);
  EXPECT_EQ(serial.label, "連載 『青空の下』");
  EXPECT_EQ(serial.percent, "100%");
  EXPECT_EQ(serial.bar, 1);
  EXPECT_EQ(serial.completion, "完成しています");
  EXPECT_TRUE(serial.completionCentred);
  EXPECT_FALSE(serial.deadlineRed);
  const ScheduleRow fresh = ScheduleRowTexts(4);
  EXPECT_EQ(fresh.label, "新しい漫画");
  EXPECT_EQ(fresh.percent, "0%");
  EXPECT_EQ(fresh.bar, 0);

  // Taking all its points back leaves it without an estimate, and late.
  PressSchedulePointButton(2, kPointRepeatTakeBack);
  for (int t = 0; t < 12; ++t) EXPECT_TRUE(ScheduleTimerStep());
  ReleaseSchedulePointButton();
  EXPECT_EQ(ScheduleRowTexts(2).completion, "完成予定なし");
  EXPECT_TRUE(ScheduleRowTexts(2).deadlineRed);
}

TEST_F(ScheduleTest, TheEvenSplitGivesTheRemainderToTheLastWork) {
  const struct {
    std::vector<int> slots;
    std::vector<double> shares;
  } cases[] = {
      {{1, 3, 4}, {6, 6, 8}},
      {{0, 1, 2, 3, 4, 5}, {3, 3, 3, 3, 3, 5}},
      {{5}, {20}},
  };
  for (const auto& c : cases) {
    for (int s = 0; s <= kLastSlot; ++s) g.SlotKanseido[s] = 0;
    for (int s : c.slots) Work(s, 1, 100, 2);
    Open();
    EXPECT_EQ(ScheduleLeftText(), Join(20 - 2 * static_cast<int>(c.slots.size()), "ﾎﾟｲﾝﾄ"));
    SplitSchedulePointsEvenly();
    EXPECT_EQ(EditedPoints(), c.shares) << c.slots.size() << " works";
    EXPECT_EQ(ScheduleLeftText(), "0ﾎﾟｲﾝﾄ");
    EXPECT_EQ(ScheduleTotalText(), "20ﾎﾟｲﾝﾄ");
  }
}

TEST_F(ScheduleTest, HeldButtonsMoveOnePointATickWithinTheStudiosPoints) {
  Work(0, 1, 100, 15);
  Work(1, 1, 100, 3);
  g.ProductionSlot[2].SigotoPoint = 9;  // a free slot's points count for nothing
  Open();
  EXPECT_EQ(g.SigotoPointLeft, 2);
  EXPECT_FALSE(ScheduleTimerStep()) << "nothing held";

  PressSchedulePointButton(1, kPointRepeatAdd);
  for (int t = 0; t < 5; ++t) EXPECT_TRUE(ScheduleTimerStep()) << "the rows are recomputed while held";
  EXPECT_EQ(EditedPoints(), (std::vector<double>{15, 5}));
  EXPECT_EQ(g.SigotoPointLeft, 0);

  PressSchedulePointButton(0, kPointRepeatTakeBack);
  for (int t = 0; t < 20; ++t) ScheduleTimerStep();
  ReleaseSchedulePointButton();
  EXPECT_FALSE(ScheduleTimerStep());
  EXPECT_EQ(EditedPoints(), (std::vector<double>{0, 5}));
  EXPECT_EQ(g.SigotoPointLeft, 15);
  // Only OK commits.
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 15);
  EXPECT_EQ(g.ProductionSlot[1].SigotoPoint, 3);
}

TEST_F(ScheduleTest, TheStaminaVerdictByShareOfTheMaximum) {
  const struct {
    double stamina, max;
    const char* verdict;
  } cases[] = {
      {25, 25, "体力は十分あります"},   {20.25, 25, "体力は十分あります"},   // 81 %
      {20.2, 25, "体力は比較的あります"}, {20, 25, "体力は比較的あります"},   // 80.8 %, 80 %
      {15.25, 25, "体力は比較的あります"}, {15, 25, "ちょっとばて気味です"},  // 61 %, 60 %
      {10.25, 25, "ちょっとばて気味です"}, {10, 25, "ちょっと危険です"},      // 41 %, 40 %
      {5.25, 25, "ちょっと危険です"},     {5, 25, "非常に危険です"},         // 21 %, 20 %
      {1.25, 25, "非常に危険です"},       {0, 25, "非常に危険です"},         // 5 %, and nothing left
      {3, 0, "非常に危険です"},
  };
  for (const auto& c : cases) {
    g.Stamina = c.stamina;
    g.StaminaMax = c.max;
    EXPECT_EQ(StaminaVerdict(), c.verdict) << c.stamina << "/" << c.max;
  }
}

TEST_F(ScheduleTest, OkAsksAboutAWorkWithoutPointsAndNoKeepsTheEdits) {
  Work(0, 1, 100, 12);
  Work(3, 1, 100, 8);
  g.TutorialStage = tutorial_stage::kSchedule;
  Open();
  PressSchedulePointButton(3, kPointRepeatTakeBack);
  for (int t = 0; t < 8; ++t) ScheduleTimerStep();
  ReleaseSchedulePointButton();
  ChooseSchedulePace(2);

  ui.AnswerYesNo({yes_no::kNo});
  EXPECT_FALSE(ConfirmSchedule());
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{kZeroPointsQuestion});
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kWorkTitle) << "the tutorial moves on before the question";
  EXPECT_TRUE(ui.IsLoaded(form::kSchedule));
  EXPECT_EQ(g.ProductionSlot[3].SigotoPoint, 8);
  EXPECT_EQ(g.ProductionSlot[3].SigotoPointEdit, 0);
  EXPECT_EQ(g.SukezyuruType, 2);
  EXPECT_EQ(g.SukezyuruHours, 19) << "the tried pace still shows";

  ui.AnswerYesNo({yes_no::kYes});
  EXPECT_TRUE(ConfirmSchedule());
  EXPECT_EQ(ui.Questions().size(), 2u);
  EXPECT_FALSE(ui.IsLoaded(form::kSchedule));
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 12);
  EXPECT_EQ(g.ProductionSlot[3].SigotoPoint, 0);
  EXPECT_EQ(g.SukezyuruType, 3);
  EXPECT_EQ(g.SukezyuruHours, 19);
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kWorkTitle);
}

TEST_F(ScheduleTest, CancelLeavesThePointsAndThePaceAsTheyWere) {
  Work(0, 1, 100, 12);
  Open();
  SplitSchedulePointsEvenly();
  ChooseSchedulePace(2);
  EXPECT_EQ(g.SukezyuruHours, 19);
  EXPECT_EQ(ScheduleRowTexts(0).completion, "完成予定あと 2日") << "99 left at 19 hours × 2";
  CancelSchedule();
  EXPECT_FALSE(ui.IsLoaded(form::kSchedule));
  EXPECT_TRUE(ui.Questions().empty());
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 12);
  EXPECT_EQ(g.SukezyuruType, 2);
  EXPECT_EQ(g.SukezyuruHours, 14);
}

TEST_F(ScheduleTest, WithNoWorkOkCommitsOnlyThePace) {
  g.ProductionSlot[0].SigotoPoint = 4;
  g.ProductionSlot[0].SigotoPointEdit = 0;
  Open();
  EXPECT_EQ(g.SlotsInUse, 0);
  for (int s = 0; s <= kLastSlot; ++s) EXPECT_FALSE(SlotRowShown(s));
  ChooseSchedulePace(0);
  EXPECT_TRUE(ConfirmSchedule());
  EXPECT_TRUE(ui.Questions().empty());
  EXPECT_EQ(g.SukezyuruType, 1);
  EXPECT_EQ(g.SukezyuruHours, 8);
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 4);
}

}  // namespace
}  // namespace koratsu::testing
