// The training dialog (Form39), offscreen.

#include "life/windows/training_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include "life/windows/activity_progress_window.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "state/koudou_mode.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

constexpr int kDrawing = 4;

class TrainingWindowTest : public ::testing::Test {
 protected:
  TrainingWindowTest() {
    main.show();
    AddSyugyouCourses();
    g().GameActive = 1;
    g().StaminaMax = 25;
  }
  ~TrainingWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(TrainingWindowTest, OpensOnTheFirstCourseAndStartsOnlyWhenMoneyAndStaminaSuffice) {
  g().Kingaku = 3000;
  g().Stamina = 5;
  ModalScript script;
  script
      .When(form::kTraining,
            [&](Form& form) {
              auto& dialog = static_cast<Form39&>(form);
              EXPECT_EQ(dialog.windowTitle(), QStringLiteral("修行を行います"));
              EXPECT_EQ(dialog.Label3[0]->text(), QStringLiteral("== どの修行を行いますか？  =="));
              EXPECT_EQ(dialog.Combo1[0]->count(), 5);
              EXPECT_EQ(dialog.Label1[2]->text(), QStringLiteral("教養の修行をします。教養を上げることができます。"));
              EXPECT_EQ(dialog.Label1[1]->text(), QStringLiteral("10時間 0分"));
              EXPECT_EQ(dialog.Label1[3]->text(), QStringLiteral("3000円"));
              EXPECT_EQ(dialog.Label1[6]->text(), QStringLiteral("-5ﾎﾟｲﾝﾄ"));
              EXPECT_EQ(dialog.Label10[0]->text(), QStringLiteral("5/25"));
              EXPECT_EQ(dialog.Shape2[0]->width(), std::lround(0.2 * dialog.Shape12[0]->width()));
              dialog.Combo1[0]->setCurrentIndex(kDrawing);
              EXPECT_EQ(dialog.Label1[2]->text(), QStringLiteral("画力の修行をします。画力を上げることができます。"));
              EXPECT_EQ(g().SyugyouKind, 10);
              dialog.Command3->click();
            })
      .When(form::kMessage, [&](Form& form) {
        auto& box = static_cast<Form42&>(form);
        EXPECT_EQ(box.Label1->text(), QStringLiteral("体力のﾎﾟｲﾝﾄが足りません。"));
        box.Command1[0]->click();
        ProcessEvents();
        auto* dialog = platform::Forms().Find<Form39>(form::kTraining);
        ASSERT_NE(dialog, nullptr) << "the dialog stays for another choice";
        g().Stamina = 6;
        dialog->Command3->click();
      });
  main.Timer1->setInterval(60 * 60 * 1000);  // no tick may take the resume request before it is read
  main.SetClockRunning(true);
  ui::Show(form::kTraining, ui::Modal);
  ProcessEvents();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(ui::IsLoaded(form::kTraining));
  EXPECT_EQ(g().Kingaku, 0);
  EXPECT_EQ(g().Stamina, 1);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kSyugyou);
  EXPECT_EQ(g().ResumeRequest, 1);
  EXPECT_TRUE(main.Timer1->isActive());
  auto* progress = platform::Forms().Find<ActivityProgressWindow>(form::kTrainingProgress);
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("画力の修行中"));
  EXPECT_EQ(progress->Label1[0]->text(), QStringLiteral("画力の修行をします"));
  EXPECT_EQ(progress->Shape[0]->width(), progress->Shape10[0]->width()) << "a full bar at the start";
}

}  // namespace
}  // namespace koratsu
