#include "production/windows/novel_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "production/windows/no_permission_window.h"
#include "production/new_manga.h"
#include "production/windows/game_scene.h"
#include "production/windows/new_manga_choice_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class NovelWindowTest : public ::testing::Test {
 protected:
  NovelWindowTest() {
    const char* publishers[] = {"集栄社", "講文館", "角田書店", "白泉堂", "秋田屋書店"};
    for (int i = 0; i < 5; ++i) g().Publisher[i].Name = publishers[i];
    AddNovel("夜明けの剣", 1, 3, "時代小説の名作");
    AddNovel("星の海", 4, 5, "宇宙を旅する少年の物語");
    AddNovel("謎の原稿", 2, 9, "人気の分からない話");
  }
  ~NovelWindowTest() override { platform::Forms().UnloadAll(); }
  GameState& g() { return state.g(); }
  static QString Text(QLabel* label) { return label->text(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(NovelWindowTest, OpensOnTheFirstNovelAndShowsTheSelectedOne) {
  Form56* window = platform::Forms().Load<Form56>(form::kNovelChoice);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Label3[0]->text(), QStringLiteral("== どの小説にしますか？ =="));
  EXPECT_EQ(window->Label3[1]->text(), QStringLiteral("題名"));
  EXPECT_EQ(window->Label3[2]->text(), QStringLiteral("出版社"));
  EXPECT_EQ(window->Label3[3]->text(), QStringLiteral("人気"));
  EXPECT_EQ(window->Command1->text(), QStringLiteral("決定"));
  EXPECT_EQ(window->Command2->text(), QStringLiteral("やめる"));
  for (platform::Shape* band : window->Shape1) EXPECT_EQ(band->FillColor(), 0xFF8000u);
  ASSERT_EQ(window->List1->count(), 3);
  EXPECT_EQ(window->List1->item(1)->text(), QStringLiteral("星の海"));

  EXPECT_EQ(window->List1->currentRow(), 0);
  EXPECT_EQ(Text(window->Label1[0]), QStringLiteral("夜明けの剣"));
  EXPECT_EQ(Text(window->Label1[1]), QStringLiteral("集栄社"));
  EXPECT_EQ(Text(window->Label1[2]), QStringLiteral("人気"));
  EXPECT_EQ(Text(window->Label1[3]), QStringLiteral("時代小説の名作"));

  // Publisher number 4 is the fourth name.
  window->List1->setCurrentRow(1);
  EXPECT_EQ(Text(window->Label1[1]), QStringLiteral("白泉堂"));
  EXPECT_EQ(Text(window->Label1[2]), QStringLiteral("超人気"));
  // A popularity without a word leaves the one shown.
  window->List1->setCurrentRow(2);
  EXPECT_EQ(Text(window->Label1[0]), QStringLiteral("謎の原稿"));
  EXPECT_EQ(Text(window->Label1[2]), QStringLiteral("超人気"));
}

TEST_F(NovelWindowTest, ConfirmingAsksAboutTheSelectedNovelAndNoKeepsTheWindow) {
  Form56* window = platform::Forms().Load<Form56>(form::kNovelChoice);
  ASSERT_NE(window, nullptr);
  window->List1->setCurrentRow(1);
  ui.AnswerYesNo({7});
  window->Command1->click();
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"「星の海」を漫画にしますか？"});
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kNovelChoice));
}

TEST_F(NovelWindowTest, TheCloseBoxActsAsGivingUp) {
  Form56* window = platform::Forms().Load<Form56>(form::kNovelChoice);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  QCloseEvent close;
  QApplication::sendEvent(window, &close);
  testing::ProcessEvents();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kNovelChoice));

  window = platform::Forms().Load<Form56>(form::kNovelChoice);
  ASSERT_NE(window, nullptr);
  window->Command2->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kNovelChoice));
}

TEST_F(NovelWindowTest, EnterPressesTheButtonThatHasTheFocusAndOtherwiseDecides) {
  enum Focus { List, Decide, GiveUp };
  const struct {
    Focus focus;
    bool asked;
    bool open;
  } cases[] = {{List, true, true}, {Decide, true, true}, {GiveUp, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    Form56* window = platform::Forms().Load<Form56>(form::kNovelChoice);
    ASSERT_NE(window, nullptr);
    window->show();
    QWidget* focused = c.focus == List ? static_cast<QWidget*>(window->List1)
                       : c.focus == Decide ? static_cast<QWidget*>(window->Command1)
                                           : static_cast<QWidget*>(window->Command2);
    focused->setFocus(Qt::TabFocusReason);
    ui.AnswerYesNo({7});
    const size_t before = ui.Questions().size();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(focused, &enter);
    EXPECT_EQ(ui.Questions().size() > before, c.asked);
    EXPECT_EQ(platform::Forms().IsLoaded(form::kNovelChoice), c.open);
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
  }
}

TEST_F(NovelWindowTest, TheRefusalWindowClosesOnlyByItsButtons) {
  testing::QtUiScope qt;
  Form57* window = platform::Forms().Load<Form57>(form::kNovelRefused);
  ASSERT_NE(window, nullptr);
  window->show();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("断られました。"));
  EXPECT_EQ(window->Label3[0]->text(), QStringLiteral("== 断られてしまいました =="));
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("無許可で作りますか？"));
  EXPECT_EQ(window->Command1->text(), QStringLiteral("無許可で作る"));
  EXPECT_EQ(window->Command2->text(), QStringLiteral("やめておく"));
  EXPECT_EQ(window->Shape1[0]->FillColor(), 0xFF8000u);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window, &escape);
  QCloseEvent close;
  QApplication::sendEvent(window, &close);
  testing::ProcessEvents();
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kNovelRefused));

  // Giving up an own work closes it, and the main window comes to the front.
  // Enter presses the button that has the focus.
  g().ResumeRequest = 0;
  window->Command2->setFocus(Qt::TabFocusReason);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(window->Command2, &enter);
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kNovelRefused));
  EXPECT_EQ(g().ResumeRequest, 1);
}

// The whole way on the real windows: the choice, the novel, the question,
// the publisher's refusal held through the main window, and a work made
// without permission.
TEST(NovelWindowChain, ARefusedNovelIsMadeWithoutPermission) {
  testing::RunningGame game;
  GameState& g = game.g();
  const int novel = 1;
  g.PublisherYukou[g.Novel[novel].Publisher] = 0;
  g.KoudouMode = 2;
  const QString title = QString::fromStdString(g.Novel[novel].Title.Str());
  using platform::Form;
  testing::ModalScript script;
  script.When(form::kNewMangaChoice, [](Form& form) { static_cast<Form46&>(form).Command1[1]->click(); })
      .When(form::kNovelChoice,
            [](Form& form) {
              auto& window = static_cast<Form56&>(form);
              window.List1->setCurrentRow(novel);
              window.Command1->click();
            })
      .When(form::kYesNo,
            [&](Form& form) {
              EXPECT_EQ(static_cast<Form40&>(form).Label1->text(), QStringLiteral("「") + title + QStringLiteral("」を漫画にしますか？"));
              static_cast<Form40&>(form).Command1[0]->click();
            })
      .When(form::kMessage, [](Form& form) { static_cast<Form42&>(form).Command1[0]->click(); })
      .When(form::kConversation,
            [](Form& form) {
              EXPECT_EQ(form.windowTitle(), QStringLiteral("出版社の人"));
              form.Unload();
            })
      .When(form::kNovelRefused, [](Form& form) { static_cast<Form57&>(form).Command1->click(); })
      .When(form::kSchedule, [](Form& form) { form.Unload(); });
  StartNewManga();
  EXPECT_TRUE(script.Done());
  for (int window : {form::kNewMangaChoice, form::kNovelChoice, form::kNovelRefused})
    EXPECT_FALSE(platform::Forms().IsLoaded(window)) << window;
  EXPECT_EQ(g.ChosenNovel, novel);
  EXPECT_EQ(g.KoudouMode, 0);
  EXPECT_EQ(g.ProductionSlot[0].Source, 2);
  EXPECT_EQ(g.SlotLabel[0], "漫画(許可なし小説)");
  game.main.Timer1->stop();
}

// Not a test: the novel window over a new game, for the documentation (novel).
TEST(NovelWindowScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"novel"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  MDIForm1& main = scene.main;
  shot.TakeOverModal(form::kNovelChoice, main, [](platform::Form& form) {
    auto& window = static_cast<Form56&>(form);
    window.List1->setCurrentRow(4);
    window.Command1->setFocus();
  });
}

}  // namespace
}  // namespace koratsu
