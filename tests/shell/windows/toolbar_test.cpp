// The docked toolbar and the floating tool window: pictures, the pressed
// look, hover texts, the commands, and keeping exactly one of them.

#include <QApplication>
#include <QCursor>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/twips.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "shell/windows/main_window.h"
#include "shell/windows/tool_window.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

void Mouse(QWidget* target, QEvent::Type type, Qt::MouseButton button) {
  QPointF at(target->width() / 2.0, target->height() / 2.0);
  Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
  QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

bool SamePicture(const QPixmap& a, const QPixmap& b) { return !a.isNull() && a.toImage() == b.toImage(); }

class ToolbarTest : public ::testing::Test {
 protected:
  ToolbarTest() { main->show(); }
  ~ToolbarTest() override { main->Timer1->stop(); }
  GameState& g() { return state.g(); }
  void StartGame() { ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", *main)); }
  ToolImage* Docked(int index) { return main->BSave[static_cast<size_t>(index)]; }
  Form30* Floating() { return platform::Forms().Find<Form30>(form::kToolWindow); }

  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

TEST_F(ToolbarTest, AGameGivesTheStripsButtonsTheirNormalPicturesInTheirPlaces) {
  EXPECT_TRUE(Docked(0)->Picture().isNull());  // nothing before the first game
  StartGame();
  EXPECT_TRUE(main->Picture1->isVisible());
  EXPECT_EQ(main->Picture1->height(), 27);
  int previousLeft = -1;
  for (const ToolButton& button : ToolButtons()) {
    ToolImage* visible = Docked(button.index);
    EXPECT_TRUE(visible->isVisible()) << button.index;
    EXPECT_EQ(visible->geometry(), QRect(platform::Px(button.left), 4, 23, 22)) << button.index;
    EXPECT_GT(visible->x(), previousLeft);
    previousLeft = visible->x();
    EXPECT_TRUE(SamePicture(visible->Picture(), Docked(button.index + 1)->Picture())) << button.index;
    EXPECT_FALSE(SamePicture(visible->Picture(), Docked(button.index + 2)->Picture())) << button.index;
    EXPECT_FALSE(Docked(button.index + 1)->isVisible());
    EXPECT_EQ(Docked(button.index + 2)->Picture().size(), QSize(23, 22));
  }
}

TEST_F(ToolbarTest, TheLeftButtonPressesInAndItsReleaseRunsTheCommand) {
  StartGame();
  ToolImage* work = Docked(18);
  Mouse(work, QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_TRUE(SamePicture(work->Picture(), Docked(19)->Picture()));
  Mouse(work, QEvent::MouseButtonRelease, Qt::RightButton);
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kNone));  // no command for another button

  Mouse(work, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_TRUE(SamePicture(work->Picture(), Docked(20)->Picture()));
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kNone));
  Mouse(work, QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_TRUE(SamePicture(work->Picture(), Docked(19)->Picture()));
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kWork));
  EXPECT_EQ(g().MinutesPerStep, Value(30));
}

TEST_F(ToolbarTest, HoveringShowsTheTooltipAndFromTheNextTickTheStatusText) {
  StartGame();
  main->Clock().SetTick([] {});
  for (int i = 0; i < 5; ++i) main->Timer1_Timer();
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), Docked(42)->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Docked(42), &move);
  EXPECT_EQ(Docked(42)->toolTip(), QStringLiteral("機材を購入"));
  EXPECT_NE(main->Label1->text(), QStringLiteral("仕事に使う機材を購入します。"));
  main->Timer1_Timer();
  EXPECT_EQ(main->Label1->text(), QStringLiteral("仕事に使う機材を購入します。"));
  for (int i = 0; i < 20; ++i) main->Timer1_Timer();
  EXPECT_EQ(main->Label1->text(), QStringLiteral("指示待ち"));
}

TEST_F(ToolbarTest, EachButtonOpensWhatItsMenuEntryOpens) {
  StartGame();
  struct Case {
    int index;
    void (MDIForm1::*menu)();
  };
  const Case cases[] = {
      {15, &MDIForm1::MSanpo_Click},        {21, &MDIForm1::MArubaito_Click},  {24, &MDIForm1::MSyugyou_Click},
      {6, &MDIForm1::MSukezyuru_Click},     {27, &MDIForm1::MMangaOkuru_Click}, {30, &MDIForm1::MMotikomu_Click},
      {42, &MDIForm1::MDouguKounyu_Click},  {12, &MDIForm1::MImamadeManga_Click}, {9, &MDIForm1::MKanseido_Click},
      {39, &MDIForm1::MTiPoint_Click},      {45, &MDIForm1::MComicRank_Click}, {48, &MDIForm1::MKozinRanc_Click},
      {60, &MDIForm1::MTorofi_Click},       {36, &MDIForm1::MHelpGame_Click},
  };
  auto record = [](auto run) {
    testing::ScriptedUi player;  // records what the command asks for
    run();
    std::vector<std::pair<int, int>> asked;
    for (const testing::UiEvent& e : player.Events()) asked.emplace_back(e.kind, e.form * 10 + e.number);
    return asked;
  };
  for (const Case& c : cases) {
    auto byButton = record([&] { main->BSave_Click(c.index); });
    auto byMenu = record([&] { (main.get()->*c.menu)(); });
    EXPECT_FALSE(byButton.empty()) << c.index;
    EXPECT_EQ(byButton, byMenu) << c.index;
  }
}

TEST_F(ToolbarTest, TheStyleKeepsExactlyOneToolbar) {
  StartGame();
  for (int round = 0; round < 2; ++round) {
    main->MToolWindow_Click();
    ASSERT_NE(Floating(), nullptr);
    EXPECT_TRUE(Floating()->SubWindow()->isVisible());
    EXPECT_FALSE(main->Picture1->isVisible());
    EXPECT_TRUE(main->Menu("MToolWindow")->isChecked());
    EXPECT_FALSE(main->Menu("MToolBox")->isChecked());
    main->MToolBox_Click();
    ProcessEvents();
    EXPECT_EQ(Floating(), nullptr);
    EXPECT_TRUE(main->Picture1->isVisible());
    EXPECT_TRUE(main->Menu("MToolBox")->isChecked());
  }
  // Closed by its close box, the window stays closed and the style stays floating.
  main->MToolWindow_Click();
  Floating()->SubWindow()->close();
  ProcessEvents();
  EXPECT_EQ(Floating(), nullptr);
  EXPECT_EQ(g().ToolStyle, Value(1));
  EXPECT_FALSE(main->Picture1->isVisible());
}

TEST_F(ToolbarTest, OnTheTitleScreenTheStyleMovesOnlyItsCheckMark) {
  main->MToolWindow_Click();
  EXPECT_EQ(Floating(), nullptr);
  EXPECT_FALSE(main->Picture1->isVisible());
  EXPECT_TRUE(main->Menu("MToolWindow")->isChecked());
  main->MToolBox_Click();
  EXPECT_FALSE(main->Picture1->isVisible());
  EXPECT_TRUE(main->Menu("MToolBox")->isChecked());
}

TEST_F(ToolbarTest, TheFloatingWindowStandsBesideTheRoomViewWithTheSamePictures) {
  StartGame();
  main->MToolWindow_Click();
  Form30* tools = Floating();
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->windowTitle(), QStringLiteral("ﾂｰﾙｳｨﾝﾄﾞｳ"));
  EXPECT_EQ(tools->size(), QSize(104, 126));
  QMdiSubWindow* frame = tools->SubWindow();
  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
  // Beside the room view; where it is closed, beside where it opens.
  int roomRight = 353;
  if (platform::Form* room = platform::Forms().Find(form::kRoomView)) roomRight = room->Frame()->geometry().right() + 1;
  EXPECT_EQ(frame->pos(), QPoint(roomRight, 0));

  int shown = 0;
  for (const ToolButton& button : ToolButtons()) {
    ToolImage* image = tools->BSave[static_cast<size_t>(button.index)];
    if (button.column == 0) {
      EXPECT_EQ(image, nullptr);  // no help here
      continue;
    }
    ++shown;
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pos(), QPoint(4 + 24 * (button.column - 1), 4 + 24 * (button.row - 1))) << button.index;
    EXPECT_TRUE(SamePicture(image->Picture(), Docked(button.index + 1)->Picture()));
  }
  EXPECT_EQ(shown, 20);

  ToolImage* work = tools->BSave[18];
  Mouse(work, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_TRUE(SamePicture(work->Picture(), Docked(20)->Picture()));
  Mouse(work, QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_TRUE(SamePicture(work->Picture(), Docked(19)->Picture()));
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kWork));
}

TEST_F(ToolbarTest, TheFloatingWindowsSaveAndLoadWaitForTheEndOfTheTutorial) {
  StartGame();
  main->MToolWindow_Click();
  main->SetTutorialMenus(true);
  EXPECT_FALSE(Floating()->BSave[0]->isEnabled());
  EXPECT_FALSE(Floating()->BSave[33]->isEnabled());
  EXPECT_TRUE(Floating()->BSave[18]->isEnabled());
  // Opened during the tutorial, too.
  main->MToolBox_Click();
  g().TutorialMode = 1;
  main->MToolWindow_Click();
  EXPECT_FALSE(Floating()->BSave[0]->isEnabled());
  EXPECT_FALSE(Floating()->BSave[33]->isEnabled());
  // A disabled button keeps its picture and ignores the mouse.
  EXPECT_TRUE(SamePicture(Floating()->BSave[0]->Picture(), Docked(1)->Picture()));
  g().TutorialMode = 0;
  main->SetTutorialMenus(false);
  EXPECT_TRUE(Floating()->BSave[0]->isEnabled());
  EXPECT_TRUE(Floating()->BSave[33]->isEnabled());
}

// Not a test: a game in progress, the pointer resting on the toolbar's button
// for a new work, for the documentation (toolbar).
TEST_F(ToolbarTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"toolbar"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  StartGame();
  g().CaptionRefresh = 1;
  main->Timer1_Timer();
  main->Timer1->stop();
  ui::Unload(form::kInfoPanel);
  const ToolImage* button = Docked(3);
  QCursor::setPos(button->mapToGlobal(button->rect().center()));
  testing::Screenshot::Settle();
  main->Timer1_Timer();  // the status line follows the pointer
  main->Timer1->stop();
  shot.Take(*main);
}

}  // namespace
}  // namespace koratsu
