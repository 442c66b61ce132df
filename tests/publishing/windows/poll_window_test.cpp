// The poll window (Form9), offscreen.

#include "publishing/windows/poll_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "platform/colors.h"
#include "publishing/poll.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

class PollWindowTest : public ::testing::Test {
 protected:
  PollWindowTest() {
    main.show();
    ClearGameState();
    main.GameOn();
    main.Timer1->stop();
    g().PlayerSei = "山田";
    g().PlayerMei = "太郎";
  }
  ~PollWindowTest() override {
    main.Timer1->stop();
    SetRandomSource(nullptr);
  }
  GameState& g() { return state.g(); }

  static QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(PollWindowTest, ShowsTheTopFiveWithOnlyThePlayerInRed) {
  // The player and row 15 at the top, tied on three votes; rows 4, 2 and 1 next.
  const long counted[] = {15, 0, 4, 15, 0, 2, 1, 15, 4, 0};
  testing::ScriptedRandom random;
  random.ExpectRnd(0.5);
  for (long artist : counted) random.Expect(16, artist).Expect(100, 0);
  for (int n = std::size(counted); n < kPollVotes; ++n) random.Expect(16, n % 16).Expect(100, 99);
  SetRandomSource(&random);
  g().PlayerPopularity = 3;

  ui::Show(form::kPoll, ui::Modeless);
  auto* window = platform::Forms().Find<Form9>(form::kPoll);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("漫画家の人気投票"));
  EXPECT_EQ(window->Label3[4]->text(), QStringLiteral("== 漫画家の人気投票です =="));
  const char* places[] = {"第 1位", "第 2位", "第 3位", "第 4位", "第 5位"};
  const int placeLabels[] = {5, 0, 1, 2, 3};
  const char* names[] = {"山田 太郎", "鳳 ゲンジロウ", "あおい 夏彦", "夢野 カケル", "竹中 ポン太"};
  const char* votes[] = {"3票", "3票", "2票", "1票", "1票"};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(window->Label3[placeLabels[k]]->text(), QString::fromUtf8(places[k])) << k;
    EXPECT_EQ(window->Label1[k]->text(), QString::fromUtf8(names[k])) << k;
    EXPECT_EQ(window->Label2[k]->text(), QString::fromUtf8(votes[k])) << k;
    EXPECT_EQ(TextColour(window->Label1[k]), k == 0 ? QColor(255, 0, 0) : QColor(0, 0, 0)) << k;
  }
  for (platform::Shape* shape : window->Shape1) EXPECT_EQ(shape->FillColor(), platform::kHeadingBarFill);
  EXPECT_EQ(window->Command1->text(), QStringLiteral("閉じる"));
  EXPECT_FALSE(main.Timer1->isActive());
}

TEST_F(PollWindowTest, EachOpeningHoldsANewPollAndCloseResumesTheClock) {
  testing::CountingRandom random(5);
  SetRandomSource(&random);
  g().PlayerPopularity = 0;  // no vote of his counts: he is not among the five
  main.Timer1->start();
  ModalScript script;
  script.When(form::kPoll, [](Form& form) { static_cast<Form9&>(form).Command1->click(); });
  script.When(form::kPoll, [this](Form& form) {
    EXPECT_FALSE(main.Timer1->isActive());
    for (QLabel* name : static_cast<Form9&>(form).Label1) {
      EXPECT_FALSE(name->text().isEmpty());
      EXPECT_EQ(TextColour(name), QColor(0, 0, 0)) << name->text().toStdString();
    }
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);  // the window keeps its close box
  });
  ui::Show(form::kPoll, ui::Modal);
  ui::Show(form::kPoll, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(random.Count(), 2u * 2003u);
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kPoll));
  EXPECT_TRUE(main.Timer1->isActive());
}

// Not a test: the month's poll over a game, for the documentation (poll).
TEST(PollWindowScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"poll"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画");
  MDIForm1& main = scene.main;
  GameState& g = State();
  g.PlayerMei = "太郎";
  g.PlayerPopularity = 12;
  testing::FixedRandom random(3);
  SetRandomSource(&random);
  shot.TakeOverModal(form::kPoll, main);
  SetRandomSource(nullptr);
}

}  // namespace
}  // namespace koratsu
