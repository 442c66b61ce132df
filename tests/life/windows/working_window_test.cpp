// The working window (Form31), offscreen.

#include "life/windows/working_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/koudou_mode.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

class WorkingWindowTest : public ::testing::Test {
 protected:
  WorkingWindowTest() {
    main.show();
    g().GameActive = 1;
    g().ScheduleEvery = 12;
    g().SukezyuruType = 2;
    g().GameYear = 1970;
    g().GameMonth = 6;
    g().GameDay = 14;
    g().GameHour = 13;
    g().GameMinute = 30;
    g().KoudouMode = koudou_mode::kWork;
    g().MinutesPerStep = 30;
    g().SigotoOn = 1;
  }
  ~WorkingWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  // The window as the work command shows it, its timer left to the test.
  Form31* Open() {
    ui::Show(form::kWorking, ui::Modeless);
    auto* window = platform::Forms().Find<Form31>(form::kWorking);
    if (window) window->Timer1->stop();
    return window;
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(WorkingWindowTest, ShowsWhatThePlayerDoesAndTheClock) {
  g().SlotKanseido[1] = 10;
  Form31* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("仕事中"));
  EXPECT_EQ(g().KoudouShown, 1);
  window->Timer1_Timer();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("仕事中"));
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("仕事をしています"));
  EXPECT_EQ(window->Label2[4]->text(), QStringLiteral("1970"));
  EXPECT_EQ(window->Label2[5]->text(), QStringLiteral("6"));
  EXPECT_EQ(window->Label2[6]->text(), QStringLiteral("14"));
  EXPECT_EQ(window->Label2[8]->text(), QStringLiteral("午後 1"));
  EXPECT_EQ(window->Label2[3]->text(), QStringLiteral("30"));

  // The clock's hourly check puts him to bed.
  g().StatusText = "就寝中";
  g().StatusDetail = "寝ています";
  g().Awake = 0;
  window->Timer1_Timer();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("就寝中"));
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("寝ています"));
  EXPECT_EQ(window->ShownFrame(), kWorkingStillFrame);
}

TEST_F(WorkingWindowTest, AtWorkTheFramesChangeAtEventsOneThreeFiveSevenNineAndEleven) {
  g().SlotKanseido[0] = 10;
  Form31* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->ShownFrame(), -1);
  std::vector<int> shown;
  for (int event = 1; event <= 12; ++event) {
    window->Timer1_Timer();
    shown.push_back(window->ShownFrame());
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 0}));
  // Each frame is the picture stored with the window.
  for (int frame = 0; frame < kWorkingFrameCount; ++frame) {
    const QImage stored = platform::FormPicture(form::kWorking, QStringLiteral("Image1(%1)").arg(frame)).toImage();
    ASSERT_EQ(stored.size(), QSize(64, 48)) << frame;
    EXPECT_EQ(window->Image1[static_cast<size_t>(frame)].toImage(), stored) << frame;
  }
  EXPECT_EQ(window->Picture2->pixmap().toImage(), window->Image1[0].toImage());
}

TEST_F(WorkingWindowTest, StopAndTheCloseBoxEndTheWorkAndTheNextOneOpensThere) {
  for (bool closeBox : {false, true}) {
    g().KoudouMode = koudou_mode::kWork;
    g().MinutesPerStep = 30;
    g().SigotoOn = 1;
    Form31* window = Open();
    ASSERT_NE(window, nullptr);
    window->move(window->pos() + QPoint(30, 18));
    const QPoint place = window->pos();
    if (closeBox) {
      QCloseEvent close;
      QApplication::sendEvent(window, &close);
    } else {
      window->Command1->click();
    }
    ProcessEvents();
    EXPECT_FALSE(ui::IsLoaded(form::kWorking)) << closeBox;
    EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
    EXPECT_EQ(g().MinutesPerStep, 0);
    EXPECT_EQ(g().SigotoOn, 0);
    EXPECT_EQ(g().KoudouShown, 0);
    EXPECT_EQ(g().ResumeRequest, 1);

    Form31* next = Open();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->pos(), place) << closeBox;
    ui::Unload(form::kWorking);
    ProcessEvents();
  }
}

}  // namespace
}  // namespace koratsu
