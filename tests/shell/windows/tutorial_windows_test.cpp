#include "shell/windows/tutorial_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/tutorial_stages.h"
#include "shell/windows/main_window.h"
#include "shell/windows/new_game_window.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

const char* const kTutorialMenus[] = {"MNewGame", "MChuutoRiaru", "MSaveGame", "MLoadGame"};

class TutorialWindowsTest : public ::testing::Test {
 protected:
  TutorialWindowsTest() { main.show(); }
  ~TutorialWindowsTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  // The guide at a stage, its timer stopped: the test ticks it.
  Form36* Guide(int stage) {
    g().TutorialStage = stage;
    g().TutorialStageLoaded = 0;
    ui::Show(form::kTutorialGuide, ui::Modeless);
    Form36* guide = platform::Forms().Find<Form36>(form::kTutorialGuide);
    if (guide) guide->Timer1->stop();
    return guide;
  }
  // Ticks until the current line has typed out whole.
  static void TypeOut(Form36* guide) {
    for (int tick = 0; tick < 80; ++tick) guide->Timer1_Timer();
  }
  bool MenusEnabled() const {
    bool all = true;
    for (const char* name : kTutorialMenus) all = all && main.Menu(name)->isEnabled();
    return all;
  }
  bool MenusDisabled() const {
    bool none = true;
    for (const char* name : kTutorialMenus) none = none && !main.Menu(name)->isEnabled();
    return none;
  }
  static void TypeName(Form3& form) {
    for (QChar ch : QStringLiteral("新人")) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QCoreApplication::sendEvent(form.Text1, &key);
    }
    form.Command1->click();
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(TutorialWindowsTest, OnATwoLineStageTheButtonBlinksUntilTheLastLine) {
  Form36* guide = Guide(2);
  ASSERT_NE(guide, nullptr);
  EXPECT_EQ(guide->size(), QSize(216, 110));
  guide->Timer1_Timer();  // loads the stage
  EXPECT_EQ(g().TutorialLineCount, Value(2));
  EXPECT_EQ(g().TutorialStageLoaded, Value(1));
  EXPECT_EQ(guide->Command1->text(), QStringLiteral("次へ >>"));
  std::string first = g().TutorialLines[0].Str();
  for (long long i = 0; i <= LineLength(first); ++i) guide->Timer1_Timer();
  EXPECT_EQ(testing::Said(guide->Label1[0]).toStdString(), first);
  EXPECT_EQ(guide->ShownFrame(), 1) << "the mouth rests closed";

  std::vector<bool> shown;
  for (int tick = 0; tick < 12; ++tick) {
    guide->Timer1_Timer();
    shown.push_back(!guide->Command1->text().isEmpty());
  }
  // Shown for ticks 1 to 5 of a cycle of 11, blank for 6 to 11.
  EXPECT_EQ(shown, (std::vector<bool>{true, true, true, true, true, false, false, false, false, false, false, true}));

  guide->Command1->click();
  EXPECT_EQ(g().TutorialLineIndex, Value(1));
  EXPECT_TRUE(guide->Command1->text().isEmpty());
  guide->Timer1_Timer();
  guide->Command1->click();  // completes the line while it types
  guide->Timer1_Timer();
  EXPECT_EQ(testing::Said(guide->Label1[0]).toStdString(), g().TutorialLines[1].Str());
  TypeOut(guide);
  EXPECT_TRUE(guide->Command1->text().isEmpty()) << "no blinking on the last line";
  guide->Command1->click();  // nothing follows: the guide stays on its line
  EXPECT_EQ(g().TutorialLineIndex, Value(1));
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kTutorialGuide));
}

TEST_F(TutorialWindowsTest, ANewStageReplacesTheLinesAndASingleLineDoesNotBlink) {
  Form36* guide = Guide(2);
  guide->Timer1_Timer();
  TypeOut(guide);
  AdvanceTutorial(tutorial_stage::kJobDialog);
  guide->Timer1_Timer();
  EXPECT_EQ(g().TutorialLineCount, Value(1));
  EXPECT_EQ(g().TutorialLines[0], Value("  自分のしたいアルバイトを選んで決定してください。"));
  for (int tick = 0; tick < 60; ++tick) {
    guide->Timer1_Timer();
    EXPECT_TRUE(guide->Command1->text().isEmpty()) << "tick " << tick;
  }
  EXPECT_EQ(testing::Said(guide->Label1[0]), QStringLiteral("  自分のしたいアルバイトを選んで決定してください。"));
}

TEST_F(TutorialWindowsTest, TheGuideStandsAtTheMainWindowsBottomRightAndTypesWithItsOwnValues) {
  ProcessEvents(150);
  g().TalkText = "会話の行";
  g().TalkShownChars = 2;
  g().TalkMouth = 1;
  Form36* guide = Guide(1);
  QRect frame = main.frameGeometry();
  EXPECT_EQ(guide->frameGeometry().topLeft(), QPoint(frame.x() + frame.width() - 200, frame.y() + frame.height() - 100));
  for (int tick = 0; tick < 5; ++tick) guide->Timer1_Timer();
  EXPECT_EQ(g().TalkText, Value("会話の行"));
  EXPECT_EQ(g().TalkShownChars, Value(2));
  EXPECT_EQ(g().TalkMouth, Value(1));
  EXPECT_TRUE(guide->Label1[0]->text().startsWith(QStringLiteral("  新")));
}

// Where a window stands on the screen, frame included; a child window by its
// frame inside the main window's area.
QRect OnScreen(Form& window) {
  QWidget* frame = window.Frame();
  if (frame->isWindow()) return frame->frameGeometry();
  return {frame->mapToGlobal(QPoint(0, 0)), frame->size()};
}

TEST_F(TutorialWindowsTest, TheGuideLeavesTheInformationPanelInSight) {
  ProcessEvents(150);  // the main window at its designed size
  ModalScript start;
  start.When(form::kTutorialStartEnd, [](Form& form) { static_cast<Form38&>(form).Command1->click(); })
      .When(form::kNewGame, [](Form& form) { TypeName(static_cast<Form3&>(form)); });
  main.Menu("MChuutoRiaru")->trigger();
  ASSERT_TRUE(start.Done());
  Form* guide = platform::Forms().Find(form::kTutorialGuide);
  Form* panel = platform::Forms().Find(form::kInfoPanel);
  ASSERT_NE(guide, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(OnScreen(*panel).intersects(OnScreen(*guide)))
      << "the stamina, work points and abilities stay in sight for the whole tutorial";
  EXPECT_TRUE(main.Client->viewport()->rect().contains(panel->SubWindow()->geometry())) << "none of it cut off";

  // The floating tool window, chosen meanwhile, stands clear of it too.
  main.MToolWindow_Click();
  Form* tools = platform::Forms().Find(form::kToolWindow);
  ASSERT_NE(tools, nullptr);
  EXPECT_FALSE(OnScreen(*panel).intersects(OnScreen(*tools)));
}

TEST_F(TutorialWindowsTest, TheMenuStartsATutorialGameAndItsLastStageEndsIt) {
  ModalScript start;
  start
      .When(form::kTutorialStartEnd,
            [](Form& form) {
              auto& window = static_cast<Form38&>(form);
              EXPECT_EQ(window.windowTitle(), QStringLiteral("ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ起動"));
              EXPECT_EQ(window.Label3[6]->text(), QStringLiteral("== ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞを起動します  =="));
              EXPECT_EQ(window.Command1->text(), QStringLiteral("始める"));
              EXPECT_EQ(window.size(), QSize(200, 143));
              window.Command1->click();
            })
      .When(form::kNewGame, [this](Form& form) {
        EXPECT_TRUE(platform::Forms().IsLoaded(form::kTutorialGuide)) << "the guide opens first";
        EXPECT_TRUE(main.Menu("MNewGame")->isEnabled()) << "taken away only once the game runs";
        TypeName(static_cast<Form3&>(form));
      });
  main.Menu("MChuutoRiaru")->trigger();
  EXPECT_TRUE(start.Done());
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kJobDialog));
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kTutorialGuide)) << "the guide survives the new game's closing of windows";
  EXPECT_TRUE(MenusDisabled());
  EXPECT_TRUE(main.Menu("MKoudou")->isEnabled());

  g().TutorialStage = tutorial_stage::kLast;
  ModalScript end;
  end.When(form::kTutorialStartEnd, [this](Form& form) {
    auto& window = static_cast<Form38&>(form);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ終了"));
    EXPECT_EQ(window.Label3[6]->text(), QStringLiteral("== ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞを終了します  =="));
    EXPECT_EQ(window.Command1->text(), QStringLiteral("終わる"));
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kTutorialGuide));
    EXPECT_TRUE(MenusEnabled());
    EXPECT_FALSE(main.Timer1->isActive());
    window.Command1->click();
  });
  main.Timer1_Timer();
  EXPECT_TRUE(end.Done());
  EXPECT_EQ(g().GameActive, Value(0));
  EXPECT_EQ(g().TutorialMode, Value(0));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kNone));
  EXPECT_FALSE(main.Timer1->isActive());
  EXPECT_FALSE(main.Menu("MSaveGame")->isEnabled()) << "the title screen";
  EXPECT_FALSE(main.Menu("MKoudou")->isEnabled());
  EXPECT_TRUE(main.Menu("MNewGame")->isEnabled());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kInfoPanel));
}

TEST_F(TutorialWindowsTest, CancellingTheNameWindowAtTheStartRestoresTheMenus) {
  ModalScript script;
  script.When(form::kTutorialStartEnd, [](Form& form) { static_cast<Form38&>(form).Command1->click(); })
      .When(form::kNewGame, [](Form& form) { static_cast<Form3&>(form).Command2->click(); });
  main.MChuutoRiaru_Click();
  EXPECT_TRUE(script.Done());
  for (const char* name : {"MNewGame", "MChuutoRiaru", "MLoadGame"}) EXPECT_TRUE(main.Menu(name)->isEnabled()) << name;
  EXPECT_FALSE(main.Menu("MSaveGame")->isEnabled()) << "no game to save on the title screen";
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kTutorialGuide));
  EXPECT_EQ(g().TutorialMode, Value(0));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kNone));
}

}  // namespace
}  // namespace koratsu
