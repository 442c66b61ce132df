// The job dialog (Form32) and the job-ended window (Form34), offscreen.

#include "life/windows/arubaito_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <cmath>

#include "life/windows/activity_progress_window.h"
#include "life/windows/arubaito_end_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "life/arubaito.h"
#include "state/catalogues.h"
#include "state/koudou_mode.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

class ArubaitoWindowTest : public ::testing::Test {
 protected:
  ArubaitoWindowTest() {
    main.show();
    AddArubaitoJobs();
    g().GameActive = 1;
    g().Stamina = 5.5;
    g().StaminaMax = 25;
  }
  ~ArubaitoWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(ArubaitoWindowTest, OpensOnTheFirstJobBesideTheStaminaAndTakesNoTyping) {
  ModalScript script;
  script.When(form::kArubaito, [&](Form& form) {
    auto& dialog = static_cast<Form32&>(form);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ｱﾙﾊﾞｲﾄをします"));
    EXPECT_EQ(dialog.Label3[0]->text(), QStringLiteral("== どのｱﾙﾊﾞｲﾄをしますか？  =="));
    EXPECT_EQ(dialog.Combo1[0]->count(), 22);
    EXPECT_EQ(dialog.Combo1[0]->currentText(), QStringLiteral("ﾌｧｰｽﾄﾌｰﾄﾞ店"));
    EXPECT_EQ(dialog.Label1[3]->text(), QStringLiteral("5時間 0分"));
    EXPECT_EQ(dialog.Label1[5]->text(), QStringLiteral("3900円"));
    EXPECT_EQ(dialog.Label1[6]->text(), QStringLiteral("-4ﾎﾟｲﾝﾄ"));
    EXPECT_EQ(dialog.Label10[0]->text(), QStringLiteral("5/25"));
    EXPECT_EQ(dialog.Shape2[0]->width(), std::lround(0.22 * dialog.Shape12[0]->width()));
    EXPECT_EQ(dialog.Shape11[0]->width(), dialog.Shape12[0]->width());
    EXPECT_FALSE(main.Timer1->isActive()) << "the dialog stops the clock";

    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_A}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("a"));
      QApplication::sendEvent(dialog.Combo1[0], &press);
    }
    EXPECT_EQ(dialog.Combo1[0]->currentIndex(), 0);

    dialog.Combo1[0]->setCurrentIndex(9);
    EXPECT_EQ(dialog.Label1[3]->text(), QStringLiteral("3時間 0分"));
    EXPECT_EQ(dialog.Label1[5]->text(), QStringLiteral("1万0000円"));
    EXPECT_EQ(g().ArubaitoKind, 10);
    // The close box is its cancel button.
    QCloseEvent close;
    QApplication::sendEvent(&dialog, &close);
  });
  main.SetClockRunning(true);
  ui::Show(form::kArubaito, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(ui::IsLoaded(form::kArubaito));
  EXPECT_EQ(g().Stamina, 5.5);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g().ResumeRequest, 1);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(ArubaitoWindowTest, ARefusalKeepsTheDialogAndAStartOpensTheJobsWindow) {
  g().Stamina = 4;
  ModalScript script;
  script
      .When(form::kArubaito,
            [](Form& form) {
              auto& dialog = static_cast<Form32&>(form);
              dialog.Command3->click();  // the fast food costs all 4 points
            })
      .When(form::kMessage,
            [&](Form& form) {
              auto& box = static_cast<Form42&>(form);
              EXPECT_EQ(box.Label1->text(), QStringLiteral("体力のﾎﾟｲﾝﾄが足りません。"));
              box.Command1[0]->click();
              ProcessEvents();
              auto* dialog = platform::Forms().Find<Form32>(form::kArubaito);
              ASSERT_NE(dialog, nullptr) << "the dialog stays for another choice";
              dialog->Combo1[0]->setCurrentIndex(6);  // the employment office costs 2
              dialog->Command3->click();
            });
  ui::Show(form::kArubaito, ui::Modal);
  ProcessEvents();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(ui::IsLoaded(form::kArubaito));
  EXPECT_EQ(g().Stamina, 2);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kArubaito);
  auto* progress = platform::Forms().Find<ActivityProgressWindow>(form::kArubaitoProgress);
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  EXPECT_FALSE(progress->isModal());
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("ｱﾙﾊﾞｲﾄしています"));
  EXPECT_EQ(progress->Label1[0]->text(), QStringLiteral("職業安定場でｱﾙﾊﾞｲﾄ中"));
  EXPECT_EQ(progress->Shape[0]->width(), progress->Shape10[0]->width()) << "a full bar at the start";
}

TEST_F(ArubaitoWindowTest, AJobPickedInTheListIsTheOneStarted) {
  g().Stamina = 20;
  ModalScript script;
  script.When(form::kArubaito, [&](Form& form) {
    auto& dialog = static_cast<Form32&>(form);
    QComboBox* list = dialog.Combo1[0];
    testing::ClickIntoList(list);
    ASSERT_TRUE(testing::ListOpen(list));
    testing::ClickListEntry(list, 6);  // the employment office
    ProcessEvents(100);
    EXPECT_FALSE(testing::ListOpen(list)) << "the list lets go of the picked entry";
    EXPECT_EQ(dialog.Label1[6]->text(), QStringLiteral("-2ﾎﾟｲﾝﾄ"));
    dialog.Command3->click();
  });
  ui::Show(form::kArubaito, ui::Modal);
  ProcessEvents();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(ui::IsLoaded(form::kArubaito));
  EXPECT_EQ(g().KoudouMode, 3);
  EXPECT_EQ(g().ArubaitoKind, 7);
  EXPECT_EQ(g().Stamina, 18);
}

TEST_F(ArubaitoWindowTest, TheJobEndedWindowPaysOnceAsItOpens) {
  g().Kingaku = 100;
  g().ArubaitoPayChosen = 50000;
  g().KoudouMinutesTotal = 240;
  ModalScript script;
  script.When(form::kArubaitoEnd, [&](Form& form) {
    auto& window = static_cast<Form34&>(form);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ｱﾙﾊﾞｲﾄ終了"));
    EXPECT_EQ(window.LabelC[0]->text(), QStringLiteral("== ｱﾙﾊﾞｲﾄが終了しました  =="));
    EXPECT_EQ(window.Label1[1]->text(), QStringLiteral("5万0000円"));
    EXPECT_EQ(window.Label1[3]->text(), QStringLiteral("4時間 0分"));
    EXPECT_EQ(g().Kingaku, 50100);
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);  // no close item
    EXPECT_TRUE(window.isVisible());
    window.Command1->click();
  });
  ui::Show(form::kArubaitoEnd, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().Kingaku, 50100);
  EXPECT_TRUE(main.Timer1->isActive());
}

// Not a test: a started game with the job dialog (arubaito) or a job under
// way (arubaito-progress), for the documentation.
TEST_F(ArubaitoWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"arubaito", "arubaito-progress"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "新人");
  g().Stamina = 18.5;
  if (shot.Is("arubaito")) {
    shot.TakeOverModal(form::kArubaito, main);
    return;
  }
  ui::Show(form::kArubaito, ui::Modeless);
  auto* dialog = platform::Forms().Find<Form32>(form::kArubaito);
  ASSERT_NE(dialog, nullptr);
  dialog->Combo1[0]->setCurrentIndex(9);  // the ramen shop
  dialog->Command3->click();
  // An hour and a half of work, then the clock stops short of the job's end.
  for (int slice = 0; slice < 500 && g().KoudouMinutesLeft > 90; ++slice) ProcessEvents(10);
  main.Timer1->stop();
  shot.Take(main);
}

}  // namespace
}  // namespace koratsu
