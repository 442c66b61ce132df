// The game-over window (Form51) and the ending (Form17), offscreen.

#include <QApplication>
#include <QTimer>
#include <QCloseEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "publishing/game_end.h"
#include "publishing/windows/ending_window.h"
#include "publishing/windows/game_over_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/about_box.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

class GameEndWindowsTest : public ::testing::Test {
 protected:
  GameEndWindowsTest() {
    main.show();
    ClearGameState();
    main.GameOn();
    main.Timer1->stop();
  }
  ~GameEndWindowsTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  // The title screen, and nothing of the game left open.
  void ExpectTitleScreen() {
    EXPECT_EQ(g().GameActive, 0);
    EXPECT_FALSE(main.Timer1->isActive());
    EXPECT_FALSE(main.Menu("MSaveGame")->isEnabled());
    for (int form : form::kAll) EXPECT_FALSE(platform::Forms().IsLoaded(form)) << form::Name(form);
  }

  static void CloseBox(QWidget* window) {
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(GameEndWindowsTest, TheGameOverTellsItsCauseAndTakesNoTyping) {
  const struct {
    int cause;
    const char* text;
  } cases[] = {
      {0, "あなたは盗作したことにより､漫画界を永久追放になりました。\nその後あなたを公の場で見た人は居ないという。"},
      {1, "あなたは許可を取らずに小説を漫画化したことにより､漫画界を永久追放になりました。\n"
          "その後のあなたの漫画家としての将来は絶望的だった。"},
      {2, "あなたは連日無理をして仕事を続けた結果、過労が溜まり死亡しました。\n残念ながらゲームオーバーです。"},
      {7, ""},
  };
  for (const auto& c : cases) {
    g().GameOverCause = c.cause;
    ui::Show(form::kGameOver, ui::Modeless);
    auto* window = platform::Forms().Find<Form51>(form::kGameOver);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ゲームオーバー"));
    EXPECT_EQ(window->Label3->text(), QStringLiteral("== ゲームオーバーです =="));
    EXPECT_EQ(window->Text1->toPlainText(), QString::fromUtf8(c.text)) << c.cause;
    EXPECT_EQ(window->Command1->text(), QStringLiteral("さよなら"));
    EXPECT_FALSE(main.Timer1->isActive());
    ui::Unload(form::kGameOver);
    ProcessEvents();
  }

  g().GameOverCause = 2;
  ui::Show(form::kGameOver, ui::Modeless);
  auto* window = platform::Forms().Find<Form51>(form::kGameOver);
  ASSERT_NE(window, nullptr);
  const QString before = window->Text1->toPlainText();
  window->Text1->setFocus();
  for (int key : {Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(window->Text1, &press);
  }
  EXPECT_EQ(window->Text1->toPlainText(), before);
  CloseBox(window);
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kGameOver)) << "only its button closes it";
}

TEST_F(GameEndWindowsTest, GoodbyeReturnsToTheTitleScreen) {
  ui::Show(form::kWorking, ui::Modeless);
  ASSERT_TRUE(platform::Forms().IsLoaded(form::kInfoPanel));
  g().GameOverCause = 2;
  ModalScript script;
  script.When(form::kGameOver, [](Form& form) { static_cast<Form51&>(form).Command1->click(); });
  ui::Show(form::kGameOver, ui::Modal);
  EXPECT_TRUE(script.Done());
  ProcessEvents();
  ExpectTitleScreen();
}

TEST_F(GameEndWindowsTest, TheEndingsButtonWaitsForTheWholeText) {
  ui::Show(form::kEnding, ui::Modeless);
  auto* window = platform::Forms().Find<Form17>(form::kEnding);
  ASSERT_NE(window, nullptr);
  window->Timer1->stop();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("エンディング"));
  EXPECT_EQ(window->Text1->y(), kEndingTextTop);
  EXPECT_EQ(window->Text1->height(), kEndingTextHeight);
  EXPECT_EQ(window->Text1->width(), window->Picture1->width());
  EXPECT_TRUE(window->Text1->toPlainText().endsWith(QStringLiteral("おしまい\n")));
  EXPECT_FALSE(main.Timer1->isActive());
  for (int event = 1; event <= 256; ++event) {
    window->Timer1_Timer();
    ASSERT_FALSE(window->Command1->isEnabled()) << event;
  }
  CloseBox(window);
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kEnding)) << "it cannot be cut short";
  window->Timer1_Timer();
  EXPECT_TRUE(window->Command1->isEnabled());
  EXPECT_EQ(window->Text1->y(), kEndingTextTop - 257);
}

TEST_F(GameEndWindowsTest, TheEndingFromTheTricksWindowEndsTheRunningGame) {
  ModalScript script;
  script.When(form::kEnding, [](Form& form) {
    auto& ending = static_cast<Form17&>(form);
    ending.Timer1->stop();
    for (int event = 0; event < 257; ++event) ending.Timer1_Timer();
    ending.Command1->click();
  });
  ui::Show(form::kTricks, ui::Modeless);
  auto* tricks = platform::Forms().Find<Form28>(form::kTricks);
  ASSERT_NE(tricks, nullptr);
  tricks->Command1->click();
  EXPECT_TRUE(script.Done());
  ProcessEvents();
  ExpectTitleScreen();
}

// Not a test: the game over (picture gameover) or the ending, scrolled half
// way (ending), for the documentation.
TEST_F(GameEndWindowsTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"gameover", "ending"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  g().GameOverCause = 2;
  if (shot.Is("gameover")) {
    shot.TakeOverModal(form::kGameOver, main);
    return;
  }
  shot.TakeOverModal(form::kEnding, main, [](Form& form) {
    auto& ending = static_cast<Form17&>(form);
    for (int event = 0; event < 120; ++event) ending.Timer1_Timer();
  });
}

}  // namespace
}  // namespace koratsu
