// The progress windows of the timed activities (Form26, Form33, Form65), offscreen.

#include "life/windows/activity_progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "platform/twips.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

class ActivityProgressWindowTest : public ::testing::Test {
 protected:
  ActivityProgressWindowTest() {
    main.show();
    g().GameActive = 1;
    g().StatusText = "ラーメン屋でｱﾙﾊﾞｲﾄ中";
    g().StatusDetail = "ｱﾙﾊﾞｲﾄしています";
    g().KoudouMinutesLeft = 180;
    g().KoudouMinutesTotal = 180;
    g().GameYear = 1970;
    g().GameMonth = 4;
    g().GameDay = 5;
  }
  ~ActivityProgressWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  // Window `form` shown as its dialog shows it, its timer left to the test.
  ActivityProgressWindow* Open(int form) {
    ui::Show(form, ui::Modeless);
    auto* window = platform::Forms().Find<ActivityProgressWindow>(form);
    if (window) window->Timer1->stop();
    return window;
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(ActivityProgressWindowTest, ShowsTheActivityTheTimeLeftAndTheClock) {
  ActivityProgressWindow* window = Open(form::kArubaitoProgress);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("ｱﾙﾊﾞｲﾄしています"));
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("ラーメン屋でｱﾙﾊﾞｲﾄ中"));
  EXPECT_EQ(window->Label2[0]->text(), QStringLiteral("3時間 0分"));
  const int full = window->Shape10[0]->width();
  EXPECT_EQ(window->Shape[0]->width(), full);
  EXPECT_EQ(g().KoudouShown, 1);

  // The bar follows the minutes left and never runs below empty, nor over a total of 0.
  const struct {
    double left, total;
    int width;
  } bars[] = {{90, 180, full / 2}, {0, 180, 0}, {-10, 180, 0}, {30, 0, 0}};
  for (const auto& b : bars) {
    g().KoudouMinutesLeft = b.left;
    g().KoudouMinutesTotal = b.total;
    window->Timer1_Timer();
    EXPECT_EQ(window->Shape[0]->width(), b.width) << b.left << " of " << b.total;
  }
  g().KoudouMinutesLeft = 90;
  window->Timer1_Timer();
  EXPECT_EQ(window->Label2[0]->text(), QStringLiteral("1時間30分"));

  const struct {
    int hour, minute;
    const char* hourShown;
  } clock[] = {{0, 5, "午前 0"}, {12, 30, "午後 0"}, {23, 0, "午後 11"}};
  for (const auto& c : clock) {
    g().GameHour = c.hour;
    g().GameMinute = c.minute;
    window->Timer1_Timer();
    EXPECT_EQ(window->Label2[8]->text(), QString::fromUtf8(c.hourShown));
    EXPECT_EQ(window->Label2[3]->text(), QString::number(c.minute));
  }
  EXPECT_EQ(window->Label2[4]->text(), QStringLiteral("1970"));
  EXPECT_EQ(window->Label2[5]->text(), QStringLiteral("4"));
  EXPECT_EQ(window->Label2[6]->text(), QStringLiteral("5"));
  // Only the game closes it.
  QCloseEvent close;
  QApplication::sendEvent(window, &close);
  EXPECT_TRUE(ui::IsLoaded(form::kArubaitoProgress));
}

TEST_F(ActivityProgressWindowTest, TheNextActivityWindowOpensWhereTheLastOneClosed) {
  ActivityProgressWindow* outing = Open(form::kOutingProgress);
  ASSERT_NE(outing, nullptr);
  const QRect over = main.frameGeometry();
  EXPECT_NEAR(outing->frameGeometry().center().x(), over.center().x(), 2) << "none remembered: centred";
  outing->move(outing->pos() + QPoint(40, 24));
  const QPoint place = outing->pos();
  main.SetClockRunning(false);
  ui::Unload(form::kOutingProgress);
  ProcessEvents();
  EXPECT_EQ(g().KoudouShown, 0);
  EXPECT_TRUE(main.Timer1->isActive()) << "closing restarts the clock";
  EXPECT_EQ(g().FormSlot[form::kWorking].Top, platform::Twips(place.y()));
  EXPECT_EQ(g().FormSlot[form::kWorking].Left, platform::Twips(place.x()));

  ActivityProgressWindow* training = Open(form::kTrainingProgress);
  ASSERT_NE(training, nullptr);
  EXPECT_EQ(training->pos(), place);
}

TEST_F(ActivityProgressWindowTest, EachActivityShowsThePictureOfItsDialog) {
  const struct {
    int form;
    int pictureForm;
    const char* control;
  } windows[] = {{form::kOutingProgress, form::kOuting, "Image1(14)"},
                 {form::kArubaitoProgress, form::kArubaito, "Image1(0)"},
                 {form::kTrainingProgress, form::kTraining, "Image1(0)"}};
  for (const auto& w : windows) {
    ActivityProgressWindow* window = Open(w.form);
    ASSERT_NE(window, nullptr) << w.form;
    const QImage shown = window->Image1->pixmap().toImage();
    const QImage picture = platform::FormPicture(w.pictureForm, w.control).toImage();
    ASSERT_FALSE(picture.isNull()) << w.pictureForm;
    EXPECT_EQ(shown, picture) << w.form;
    ui::Unload(w.form);
  }
}

}  // namespace
}  // namespace koratsu
