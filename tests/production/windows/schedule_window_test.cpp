// The schedule window (Form15), offscreen.

#include "production/windows/schedule_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/colors.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

void Mouse(QWidget* target, QEvent::Type type) {
  const QPoint at(3, 3);
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

QString Text(QLabel* label) { return label->text(); }
bool Red(QLabel* label) { return label->palette().color(QPalette::WindowText) == platform::VbColor(0x0000FF); }
bool Centred(QLabel* label) { return label->alignment() & Qt::AlignHCenter; }

class ScheduleWindowTest : public ::testing::Test {
 protected:
  ScheduleWindowTest() {
    main.show();
    g().GameActive = 1;
    g().SigotoPoint = 20;
    g().ScheduleEvery = 12;
    g().SukezyuruType = 2;
    g().SukezyuruHours = 14;
    g().Stamina = 17.6;
    g().StaminaMax = 25;
  }
  ~ScheduleWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  void Work(int s, double progress, double target, double points, double daysLeft, int kind, const char* label) {
    g().SlotKanseido[s] = progress;
    g().SlotLabel[s] = label;
    rec::ProductionSlot& p = g().ProductionSlot[s];
    p.Target = target;
    p.SigotoPoint = points;
    p.DaysLeft = daysLeft;
    p.Kind = kind;
  }
  // Three works: a finished serial episode, a requested one-shot that will
  // miss its deadline, and a new work just begun.
  void ThreeWorks() {
    Work(0, 160.3, 150, 6, 3, 6, "月夜の猫");
    Work(2, 40, 180, 8, 5, 3, "出版社依頼の読切漫画");
    Work(5, 0.1, 150, 6, -1, 0, "新しい漫画");
  }

  // The window shown modeless, its timer left to the test.
  Form15* Open() {
    ui::Show(form::kSchedule, ui::Modeless);
    auto* window = platform::Forms().Find<Form15>(form::kSchedule);
    if (window) window->Timer1->stop();
    return window;
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(ScheduleWindowTest, ShowsARowPerWorkWithItsEstimateDeadlineAndPoints) {
  ThreeWorks();
  Form15* w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("制作ｽｹｼﾞｭｰﾙ"));
  EXPECT_FALSE(main.Timer1->isActive()) << "the clock stands while it is open";
  for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(w->RowShown(s), s == 0 || s == 2 || s == 5) << s;

  EXPECT_EQ(Text(w->Label3[0]), QStringLiteral("連載 『月夜の猫』"));
  EXPECT_EQ(Text(w->Label2[0]), QStringLiteral("100%"));
  EXPECT_EQ(w->Bar[0].bar->width(), w->Bar[0].frame->width());
  EXPECT_EQ(Text(w->Label1[0]), QStringLiteral("完成しています"));
  EXPECT_TRUE(Centred(w->Label1[0]));
  EXPECT_FALSE(Red(w->Label4[0]));

  // 140 left at 14 hours × 0.8: 12 days, past a deadline in 5.
  EXPECT_EQ(Text(w->Label3[2]), QStringLiteral("出版社依頼の読切漫画"));
  EXPECT_EQ(Text(w->Label2[2]), QStringLiteral("22%"));
  EXPECT_EQ(Text(w->Label1[2]), QStringLiteral("完成予定あと 12日"));
  EXPECT_FALSE(Centred(w->Label1[2]));
  EXPECT_EQ(Text(w->Label4[2]), QStringLiteral("〆切まであと 5日"));
  EXPECT_TRUE(Red(w->Label4[2]));
  EXPECT_EQ(Text(w->Label8[2]), QStringLiteral("8"));

  EXPECT_EQ(Text(w->Label2[5]), QStringLiteral("0%"));
  EXPECT_EQ(w->Bar[5].bar->width(), 0);
  EXPECT_EQ(Text(w->Label4[5]), QStringLiteral("〆切なし"));
  EXPECT_TRUE(Centred(w->Label4[5]));

  EXPECT_EQ(Text(w->Label6[0]), QStringLiteral("20ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(Text(w->Label6[1]), QStringLiteral("0ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(Text(w->Label10[0]), QStringLiteral("17/25"));
  EXPECT_EQ(Text(w->Label7), QStringLiteral("体力は比較的あります"));  // 70 %
  EXPECT_NEAR(w->StaminaBar.bar->width(), w->StaminaBar.frame->width() * 0.704, 1);
  EXPECT_TRUE(w->Option1[1]->isChecked());
  EXPECT_TRUE(w->Command3->isVisible());
}

TEST_F(ScheduleWindowTest, AHeldArrowMovesAPointATickAndTheRowsFollow) {
  ThreeWorks();
  g().ProductionSlot[5].SigotoPoint = 3;  // three points not given out
  Form15* w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Text(w->Label6[1]), QStringLiteral("3ﾎﾟｲﾝﾄ"));

  // A click let go before the next tick moves nothing.
  Mouse(w->Image2[2], QEvent::MouseButtonPress);
  Mouse(w->Image2[2], QEvent::MouseButtonRelease);
  w->Timer1_Timer();
  EXPECT_EQ(Text(w->Label8[2]), QStringLiteral("8"));

  Mouse(w->Image2[2], QEvent::MouseButtonPress);
  EXPECT_TRUE(w->Image2[2]->Pressed());
  for (int t = 0; t < 5; ++t) w->Timer1_Timer();  // three points, then none left
  Mouse(w->Image2[2], QEvent::MouseButtonRelease);
  EXPECT_EQ(Text(w->Label8[2]), QStringLiteral("11"));
  EXPECT_EQ(Text(w->Label6[1]), QStringLiteral("0ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(Text(w->Label1[2]), QStringLiteral("完成予定あと 9日"));  // 140 at 14 × 1.1
  EXPECT_EQ(g().ProductionSlot[2].SigotoPoint, 8) << "committed only by OK";

  // All points taken back from the new work: no estimate, and no deadline to miss.
  Mouse(w->Image1[5], QEvent::MouseButtonPress);
  for (int t = 0; t < 4; ++t) w->Timer1_Timer();
  Mouse(w->Image1[5], QEvent::MouseButtonRelease);
  EXPECT_EQ(Text(w->Label8[5]), QStringLiteral("0"));
  EXPECT_EQ(Text(w->Label1[5]), QStringLiteral("完成予定なし"));
  EXPECT_FALSE(Red(w->Label4[5]));
  EXPECT_EQ(Text(w->Label6[1]), QStringLiteral("3ﾎﾟｲﾝﾄ"));
}

TEST_F(ScheduleWindowTest, ThePaceAndTheEvenSplitRecomputeTheEstimates) {
  ThreeWorks();
  Form15* w = Open();
  ASSERT_NE(w, nullptr);
  w->Option1[2]->click();
  EXPECT_EQ(Text(w->Label1[2]), QStringLiteral("完成予定あと 9日")) << "140 at 19 hours × 0.8";
  EXPECT_EQ(g().SukezyuruType, 2) << "only OK commits the pace";
  w->Command3->click();
  EXPECT_EQ(Text(w->Label8[0]), QStringLiteral("6"));
  EXPECT_EQ(Text(w->Label8[2]), QStringLiteral("6"));
  EXPECT_EQ(Text(w->Label8[5]), QStringLiteral("8"));
  EXPECT_EQ(Text(w->Label6[1]), QStringLiteral("0ﾎﾟｲﾝﾄ"));
  EXPECT_EQ(Text(w->Label1[2]), QStringLiteral("完成予定あと 12日"));
}

TEST_F(ScheduleWindowTest, WithNoWorkOnlyThePaceAndTheStaminaShow) {
  g().Stamina = 2;
  // Left from a work freed since (taken back, a serial ended): the window counts for itself.
  g().SlotsInUse = 1;
  Form15* w = Open();
  ASSERT_NE(w, nullptr);
  for (int s = 0; s < kSlotCount; ++s) EXPECT_FALSE(w->RowShown(s)) << s;
  for (QWidget* hidden : {static_cast<QWidget*>(w->Label5[0]), static_cast<QWidget*>(w->Label6[0]),
                          static_cast<QWidget*>(w->Label5[1]), static_cast<QWidget*>(w->Label6[1]),
                          static_cast<QWidget*>(w->Command3)})
    EXPECT_FALSE(hidden->isVisible());
  EXPECT_EQ(Text(w->Label7), QStringLiteral("非常に危険です"));
  w->Option1[0]->click();
  w->Command2->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kSchedule));
  EXPECT_EQ(g().SukezyuruType, 1);
  EXPECT_EQ(g().SukezyuruHours, 8);
  EXPECT_TRUE(main.Timer1->isActive());
  EXPECT_EQ(g().ResumeRequest, 1);
}

TEST_F(ScheduleWindowTest, OkAsksAboutAWorkWithoutPointsAndNoKeepsTheWindow) {
  ThreeWorks();
  ModalScript script;
  script
      .When(form::kSchedule,
            [](Form& form) {
              auto& w = static_cast<Form15&>(form);
              w.Timer1->stop();
              Mouse(w.Image1[0], QEvent::MouseButtonPress);
              for (int t = 0; t < 6; ++t) w.Timer1_Timer();
              Mouse(w.Image1[0], QEvent::MouseButtonRelease);
              w.Option1[2]->click();
              w.Command2->click();
            })
      .When(form::kYesNo,
            [](Form& form) {
              auto& box = static_cast<Form40&>(form);
              EXPECT_EQ(box.Label1->text(), QStringLiteral("仕事のﾎﾟｲﾝﾄがゼロですが、それでいいですか？"));
              box.Command1[1]->click();  // いいえ
            })
      .When(form::kSchedule,
            [](Form& form) {
              auto& w = static_cast<Form15&>(form);
              EXPECT_EQ(w.Label8[0]->text(), QStringLiteral("0")) << "the edits are kept";
              EXPECT_TRUE(w.Option1[2]->isChecked());
              w.Command2->click();
            })
      .When(form::kYesNo, [](Form& form) { static_cast<Form40&>(form).Command1[0]->click(); });
  ui::Show(form::kSchedule, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().ProductionSlot[0].SigotoPoint, 0);
  EXPECT_EQ(g().ProductionSlot[2].SigotoPoint, 8);
  EXPECT_EQ(g().SukezyuruType, 3);
  EXPECT_EQ(g().SukezyuruHours, 19);
}

TEST_F(ScheduleWindowTest, CancelAndTheCloseBoxDropTheEdits) {
  ThreeWorks();
  for (bool closeBox : {false, true}) {
    Form15* w = Open();
    ASSERT_NE(w, nullptr);
    w->Option1[0]->click();
    w->Command3->click();
    EXPECT_EQ(g().SukezyuruHours, 8);
    if (closeBox) {
      QCloseEvent close;
      QApplication::sendEvent(w, &close);
    } else {
      w->Command1->click();
    }
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kSchedule)) << closeBox;
    EXPECT_EQ(g().SukezyuruType, 2);
    EXPECT_EQ(g().SukezyuruHours, 14);
    EXPECT_EQ(g().ProductionSlot[0].SigotoPoint, 6);
    EXPECT_EQ(g().ProductionSlot[5].SigotoPoint, 6);
    testing::ProcessEvents();
  }
}

// Not a test: a game with three works, for the documentation: this window
// (schedule), the working window over the game (working) or the completion
// window beside the room (completion).
TEST_F(ScheduleWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"schedule", "working", "completion"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "漫画家");
  g().Stamina = 17.6;
  ThreeWorks();
  g().SlotKanseido[2] = 96;
  g().SlotKanseido[5] = 21.4;
  g().SlotsInUse = 3;
  if (shot.Is("schedule")) {
    shot.TakeOverModal(form::kSchedule, main);
    return;
  }
  if (shot.Is("completion")) main.MKanseido_Click();
  g().GameHour = 14;
  main.MSigotosuru_Click();
  // A few hours of work, then the clock stops where it is.
  for (int slice = 0; slice < 300 && g().GameHour < 17; ++slice) ProcessEvents(10);
  main.Timer1->stop();
  if (shot.Is("completion")) ui::Unload(form::kWorking);
  shot.Take(main);
}

}  // namespace
}  // namespace koratsu
