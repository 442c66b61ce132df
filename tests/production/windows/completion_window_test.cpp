// The completion window (Form6), offscreen: a child window of the main
// window that follows the production slots through its window flags.

#include "production/windows/completion_window.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

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

class CompletionWindowTest : public ::testing::Test {
 protected:
  CompletionWindowTest() {
    main.show();
    g().GameActive = 1;
  }
  ~CompletionWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  void Work(int s, double progress, double target, double daysLeft, int kind = 0) {
    g().SlotKanseido[s] = progress;
    g().SlotLabel[s] = kind == 6 ? "月夜の猫" : "新しい漫画";
    g().ProductionSlot[s].Target = target;
    g().ProductionSlot[s].DaysLeft = daysLeft;
    g().ProductionSlot[s].Kind = kind;
  }

  Form6* Open() {
    ui::Show(form::kCompletion, ui::Modeless);
    return platform::Forms().Find<Form6>(form::kCompletion);
  }

  std::vector<int> ShownRows(const Form6* window) {
    std::vector<int> rows;
    for (int s = 0; s < kSlotCount; ++s)
      if (window->RowShown(s)) rows.push_back(s);
    return rows;
  }

  // Lets the window's own timer run until `done`, for at most a second.
  template <class Done>
  static bool WaitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 1000) ProcessEvents(20);
    return done();
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(CompletionWindowTest, WithNoWorkOnlyItsHeadingShows) {
  main.SetClockRunning(true);
  Form6* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("漫画の完成度"));
  EXPECT_NE(window->SubWindow(), nullptr) << "a child of the main window";
  EXPECT_EQ(g().FormSlot[form::kCompletion].Open, 1);
  EXPECT_TRUE(main.Timer1->isActive()) << "the clock goes on";
  EXPECT_TRUE(ShownRows(window).empty());
  EXPECT_TRUE(window->Label3[6]->isVisible());
  ui::Unload(form::kCompletion);
  EXPECT_EQ(g().FormSlot[form::kCompletion].Open, 0);
}

TEST_F(CompletionWindowTest, RowsFollowTheSlotsAtTheNextTimerEvent) {
  Work(0, 160, 150, 2, 6);
  Work(1, 75, 150, -1);
  Work(2, 30, 150, 5, 3);
  Work(3, 0.1, 150, -1);
  Form6* window = Open();
  ASSERT_NE(window, nullptr);
  window->Timer1_Timer();
  EXPECT_EQ(ShownRows(window), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(window->Label3[0]->text(), QStringLiteral("連載 『月夜の猫』"));
  EXPECT_EQ(window->Label4[0]->text(), QStringLiteral("〆2日"));
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("完成"));
  EXPECT_EQ(window->Label2[0]->text(), QStringLiteral("100%"));
  EXPECT_EQ(window->Label4[1]->text(), QStringLiteral("〆なし"));
  EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("制作中"));
  EXPECT_EQ(window->Label2[1]->text(), QStringLiteral("50%"));
  EXPECT_NEAR(window->Bar[1].bar->width(), window->Bar[1].frame->width() / 2.0, 1);

  // Progress changes nothing until the clock asks for a redraw.
  g().SlotKanseido[1] = 120;
  window->Timer1_Timer();
  EXPECT_EQ(window->Label2[1]->text(), QStringLiteral("50%"));
  g().FormSlot[form::kCompletion].Redraw = 1;
  window->Timer1_Timer();
  EXPECT_EQ(window->Label2[1]->text(), QStringLiteral("80%"));
  EXPECT_EQ(g().FormSlot[form::kCompletion].Redraw, 0);

  // Slot 2 freed: its row alone goes, the others keep their places.
  g().SlotKanseido[2] = 0;
  g().FormSlot[form::kCompletion].Rebuild = 1;
  window->Timer1_Timer();
  EXPECT_EQ(ShownRows(window), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(window->Label2[3]->text(), QStringLiteral("0%"));
  EXPECT_EQ(g().FormSlot[form::kCompletion].Rebuild, 0);
}

TEST_F(CompletionWindowTest, ItFollowsTheSlotsAlsoWhileAModalWindowIsOpen) {
  for (int s : {0, 1, 2, 3}) Work(s, 10, 150, -1);
  Form6* window = Open();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitFor([&] { return ShownRows(window).size() == 4; }));

  bool hidden = false;
  ModalScript script;
  script.When(form::kMessage, [&](Form& box) {
    g().SlotKanseido[2] = 0;
    g().FormSlot[form::kCompletion].Rebuild = 1;
    hidden = WaitFor([&] { return !window->RowShown(2); });
    static_cast<Form42&>(box).Command1[0]->click();
  });
  ui::ShowMessage("漫画が完成しました。");
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(hidden) << "its timer runs under the modal box";
  EXPECT_EQ(ShownRows(window), (std::vector<int>{0, 1, 3}));
}

}  // namespace
}  // namespace koratsu
