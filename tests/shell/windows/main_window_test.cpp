#include "shell/windows/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <gtest/gtest.h>

#include "life/moving.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "shell/windows/message_boxes.h"
#include "shell/windows/new_game_window.h"
#include "ui/forms.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { main->show(); }
  ~MainWindowTest() override { main->Timer1->stop(); }
  GameState& g() { return state.g(); }

  // The player opens the new-game window and does `action` there.
  void NewGameWindow(std::function<void(Form3&)> action) {
    ModalScript script;
    script.When(form::kNewGame, [action](Form& form) { action(static_cast<Form3&>(form)); });
    main->MNewGame_Click();
  }
  static void Type(QLineEdit* box, const QString& text) {
    for (QChar ch : text) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QCoreApplication::sendEvent(box, &key);
    }
  }
  void StartGame(const QString& name) {
    NewGameWindow([name](Form3& form) {
      Type(form.Text1, name);
      form.Command1->click();
    });
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

TEST_F(MainWindowTest, StartsCentredOnTheTitleScreen) {
  // The desktop reports the frame in its own time; a loaded machine takes longer.
  ProcessEvents(250);
  for (int wait = 0; wait < 40 && main->frameGeometry().size() != QSize(576, 460); ++wait) ProcessEvents(50);
  EXPECT_EQ(main->frameGeometry().size(), QSize(576, 460));
  QRect screen = main->screen()->geometry();
  EXPECT_EQ(main->frameGeometry().topLeft(), QPoint((screen.width() - 576) / 2, (screen.height() - 460) / 2));
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Koratsu Version1.20"));
  EXPECT_EQ(main->Label1->text().toStdString(), shell::kTitleHint);
  EXPECT_FALSE(main->Timer1->isActive());
  EXPECT_FALSE(main->Picture1->isVisible());
  EXPECT_EQ(main->Client->Picture().size(), QSize(568, 394));
  for (const char* disabled : {"MSaveGame", "MKoudou", "MInfo"}) EXPECT_FALSE(main->Menu(disabled)->isEnabled());
  EXPECT_FALSE(main->Menu("MWindow")->isVisible());
  EXPECT_TRUE(main->Menu("MNewGame")->isEnabled());
  EXPECT_TRUE(main->Menu("MSMedi")->isChecked());
}

TEST_F(MainWindowTest, TheNameBoxTakesNineCharactersAndNoQuote) {
  auto* form = platform::Forms().Load<Form3>(form::kNewGame);
  ASSERT_NE(form, nullptr);
  Type(form->Text1, QStringLiteral("\"漫画家になる男だ\"！"));
  EXPECT_EQ(form->Text1->text(), QStringLiteral("漫画家になる男だ！"));
  Type(form->Text1, QStringLiteral("あ"));
  EXPECT_EQ(form->Text1->text().size(), 9);
  EXPECT_EQ(form->Text1->text(), QStringLiteral("漫画家になる男だ！"));
  platform::Forms().Unload(form::kNewGame);
}

TEST_F(MainWindowTest, AnEmptyNameAsksForOneAndTheWindowStays) {
  ModalScript script;
  script.When(form::kNewGame, [](Form& form) { static_cast<Form3&>(form).Command1->click(); })
      .When(form::kMessage,
            [](Form& form) {
              EXPECT_EQ(static_cast<Form42&>(form).Label1->text(), QStringLiteral("名前を入力してください。"));
              static_cast<Form42&>(form).Command1[0]->click();
            })
      .When(form::kNewGame, [](Form& form) { static_cast<Form3&>(form).Command2->click(); });
  main->MNewGame_Click();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(g().GameActive.IsEmpty());
  EXPECT_FALSE(main->Timer1->isActive());
}

TEST_F(MainWindowTest, ANewGameStartsTheClockAndNamesThePlayer) {
  main->MToolWindow_Click();  // a floating toolbar chosen earlier
  StartGame(QStringLiteral("漫画太郎"));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kNewGame));
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Koratsu Version1.20"));
  EXPECT_TRUE(main->Timer1->isActive());
  // The world set-up sets GameSpeed 2 and applies it; until then the designed interval stays.
  EXPECT_EQ(main->Timer1->interval(), g().GameSpeed == 2 ? 30 : shell::kDesignClockInterval);
  EXPECT_EQ(main->Timer1->timerType(), Qt::PreciseTimer);
  EXPECT_EQ(g().PlayerSei, Value("漫画太郎"));
  EXPECT_EQ(g().AssetRankEntry[0].Name, Value("漫画太郎 "));
  EXPECT_EQ(main->Client->Picture().size(), QSize(640, 480));
  for (const char* enabled : {"MSaveGame", "MKoudou", "MInfo"}) EXPECT_TRUE(main->Menu(enabled)->isEnabled());
  EXPECT_TRUE(main->Menu("MWindow")->isVisible());
  EXPECT_TRUE(main->Picture1->isVisible());
  EXPECT_TRUE(main->Menu("MToolBox")->isChecked());
  EXPECT_FALSE(main->Menu("MToolWindow")->isChecked());
}

TEST_F(MainWindowTest, CancellingANewGameLeavesTheRunningGameAsItWas) {
  StartGame(QStringLiteral("漫画太郎"));
  g().Kingaku = 777;
  NewGameWindow([this](Form3& form) {
    EXPECT_FALSE(main->Timer1->isActive());  // the window pauses the clock
    form.Command2->click();
  });
  EXPECT_EQ(g().Kingaku, Value(777));
  EXPECT_EQ(g().PlayerSei, Value("漫画太郎"));
  EXPECT_TRUE(main->Timer1->isActive());
}

TEST_F(MainWindowTest, AChildWindowClosedByItsCloseBoxGivesTheFrontBackToTheOneActiveBeforeIt) {
  ProcessEvents(150);  // the main window at its designed size
  testing::StartSceneGame(*main, "漫画家");
  auto frame = [](int form) {
    Form* window = platform::Forms().Find(form);
    return window ? window->SubWindow() : nullptr;
  };
  QMdiSubWindow* room = frame(form::kRoomView);
  QMdiSubWindow* panel = frame(form::kInfoPanel);
  ASSERT_NE(room, nullptr);
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(room->geometry().intersects(panel->geometry())) << "nothing to hide otherwise";
  // Which of the two stands in front, and which is active.
  auto front = [&] {
    const QList<QMdiSubWindow*> stack = main->Client->subWindowList(QMdiArea::StackingOrder);
    return stack.indexOf(panel) > stack.indexOf(room) ? "panel" : "room view";
  };
  auto active = [&] { return main->Client->activeSubWindow() == panel ? "panel" : "room view"; };
  auto openAndClose = [&](int form) {
    ui::Show(form, ui::Modeless);
    ProcessEvents();
    QMdiSubWindow* child = frame(form);
    ASSERT_NE(child, nullptr) << form;
    ASSERT_EQ(main->Client->activeSubWindow(), child) << form;
    child->close();
    ProcessEvents(50);
    ASSERT_FALSE(platform::Forms().IsLoaded(form)) << form;
  };
  const int children[] = {form::kComicsRanking, form::kAssetRanking, form::kKnowledgeList, form::kArchive,
                          form::kCompletion, form::kFriendship};
  ASSERT_STREQ(front(), "panel");
  for (bool moved : {false, true}) {
    if (moved) {
      g().HouseKind = 1;
      MoveRoomIntoHouse();
      ProcessEvents();
      ASSERT_STREQ(front(), "panel") << "the larger room stays behind the panel";
    }
    for (int form : children) {
      openAndClose(form);
      EXPECT_STREQ(front(), "panel") << form << (moved ? " in the house" : "");
      EXPECT_STREQ(active(), "panel") << form << (moved ? " in the house" : "");
    }
  }

  // The room view brought forward by the player comes back in front instead.
  main->Client->setActiveSubWindow(room);
  openAndClose(form::kComicsRanking);
  EXPECT_STREQ(front(), "room view");
  EXPECT_STREQ(active(), "room view");
}

TEST_F(MainWindowTest, TheTimerEventWritesTheDateCaptionAndTheStatusLine) {
  g().GameActive = 1;
  g().GameYear = 1970;
  g().GameMonth = 4;
  g().GameDay = 5;
  g().GameWeekday = 0;
  g().GameHour = 13;
  g().GameMinute = 0;
  g().CaptionRefresh = 1;
  g().StatusBarText = "ゲームの保存を行います。";  // a toolbar hover
  g().StatusBarTick = 0;
  main->Timer1_Timer();
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Koratsu 1970年4月5日日曜日午後 1時0分"));
  EXPECT_EQ(main->Label1->text(), QStringLiteral("ゲームの保存を行います。"));
  for (int i = 0; i < 19; ++i) main->Timer1_Timer();
  EXPECT_EQ(main->Label1->text(), QStringLiteral("ゲームの保存を行います。"));
  main->Timer1_Timer();
  EXPECT_EQ(main->Label1->text(), QStringLiteral("指示待ち"));
}

TEST_F(MainWindowTest, TheSpeedMenuSetsIntervalAndCheckMark) {
  main->MSSlow_Click();
  EXPECT_EQ(main->Timer1->interval(), 60);
  EXPECT_TRUE(main->Menu("MSSlow")->isChecked());
  EXPECT_FALSE(main->Menu("MSMedi")->isChecked());
  main->MSFast_Click();
  EXPECT_EQ(main->Timer1->interval(), 10);
  g().GameSpeed = Value();
  main->GameSpeedChange();
  EXPECT_EQ(main->Timer1->interval(), 10);
  EXPECT_TRUE(main->Menu("MSFast")->isChecked());
  EXPECT_FALSE(main->Timer1->isActive());  // on the title screen the clock stays off
}

TEST_F(MainWindowTest, QuitAsksAndNoKeepsTheGameRunning) {
  StartGame(QStringLiteral("漫画太郎"));
  ModalScript script;
  script.When(form::kYesNo, [this](Form& form) {
    auto& box = static_cast<Form40&>(form);
    EXPECT_EQ(box.Label1->text(), QStringLiteral("ゲームを終了しますか。"));
    EXPECT_FALSE(main->Timer1->isActive());
    box.Command1[1]->click();
  });
  EXPECT_FALSE(main->close());
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(main->Timer1->isActive());
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_EQ(g().PlayerSei, Value("漫画太郎"));
}

TEST_F(MainWindowTest, QuitAnsweredNoOnTheTitleScreenKeepsTheClockOffAndYesCloses) {
  ModalScript script;
  script.When(form::kYesNo, [](Form& form) { static_cast<Form40&>(form).Command1[1]->click(); })
      .When(form::kYesNo, [](Form& form) { static_cast<Form40&>(form).Command1[0]->click(); });
  main->MEndGame_Click();
  EXPECT_TRUE(main->isVisible());
  EXPECT_FALSE(main->Timer1->isActive());
  EXPECT_TRUE(main->close());
  EXPECT_FALSE(main->isVisible());
}

// Stands in for the clock tick: its first run opens a window and waits for it.
int ticks = 0;
void TickWithAMessage() {
  if (++ticks == 1) ui::ShowMessage("漫画が完成しました。");
}

TEST_F(MainWindowTest, TimerEventsDuringARunningTickDoNothing) {
  ticks = 0;
  main->Clock().SetTick(&TickWithAMessage);
  g().GameActive = 1;
  g().StatusBarTick = 0;
  main->MSFast_Click();
  ModalScript script;
  script.When(form::kMessage, [this](Form& form) {
    // A dialog opened from this one and closed again: its unload switches
    // the clock on (a flag, not a count) while the tick still waits here.
    ui::PauseClock();
    ui::ResumeClock();
    ProcessEvents(200);  // twenty intervals of the fast clock
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(g().StatusBarTick, Value(1));
    static_cast<Form42&>(form).Command1[0]->click();
  });
  main->SetClockRunning(true);
  for (int i = 0; i < 300 && !script.Done(); ++i) ProcessEvents(10);
  for (int i = 0; i < 300 && ticks < 2; ++i) ProcessEvents(10);
  main->Timer1->stop();
  EXPECT_TRUE(script.Done());
  EXPECT_GT(ticks, 1);  // and the clock goes on after it
}

// Not a test: the title screen, for the documentation (title).
TEST_F(MainWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"title"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  shot.Take(*main);
}

}  // namespace
}  // namespace koratsu
