#include "production/windows/new_manga_choice_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "platform/twips.h"
#include "qtsupport/window_testing.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

// The window on the scripted ui: what its buttons open is recorded.
class NewMangaChoiceWindowTest : public ::testing::Test {
 protected:
  ~NewMangaChoiceWindowTest() override { platform::Forms().UnloadAll(); }
  Form46* Open(int mode) {
    state.g().FormSlot[form::kSettingsEditor].Mode = mode;
    return platform::Forms().Load<Form46>(form::kNewMangaChoice);
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(NewMangaChoiceWindowTest, AMagazinesWorkCannotBeGivenUp) {
  struct Case {
    int mode;
    bool giveUp;
  } cases[] = {{0, true}, {1, false}, {2, false}};
  for (const Case& c : cases) {
    Form46* window = Open(c.mode);
    ASSERT_NE(window, nullptr);
    window->show();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("新しい漫画"));
    EXPECT_EQ(window->Label3[0]->text(), QStringLiteral("== どの漫画を描きますか？ =="));
    EXPECT_EQ(window->Command1[0]->text(), QStringLiteral("オリジナルストーリー"));
    EXPECT_EQ(window->Command1[1]->text(), QStringLiteral("小説を漫画化する"));
    EXPECT_EQ(window->Command1[4]->text(), QStringLiteral("他の漫画を盗作する"));
    EXPECT_EQ(window->Command1[3]->text(), QStringLiteral("やめる"));
    EXPECT_EQ(window->Command1[3]->isVisible(), c.giveUp) << "mode " << c.mode;
    // The three choices stay whole inside the window.
    EXPECT_LE(window->Command1[4]->geometry().bottom(), window->height()) << "mode " << c.mode;
    EXPECT_EQ(window->height() > window->Command1[3]->geometry().bottom(), c.giveUp) << "mode " << c.mode;

    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &escape);
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    testing::ProcessEvents();
    EXPECT_TRUE(platform::Forms().IsLoaded(form::kNewMangaChoice)) << "mode " << c.mode;
    platform::Forms().Unload(form::kNewMangaChoice);
  }
}

TEST_F(NewMangaChoiceWindowTest, EachChoiceOpensItsWindowAndGivingUpCloses) {
  Form46* window = Open(0);
  ASSERT_NE(window, nullptr);
  window->Command1[0]->click();
  window->Command1[1]->click();
  window->Command1[4]->click();
  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kSettingsEditor, form::kNovelChoice, form::kCopyManga}));
  for (const testing::UiEvent& e : ui.Events()) {
    if (e.kind == testing::UiEvent::Show) {
      EXPECT_EQ(e.number, ui::Modal);
    }
  }

  state.g().ResumeRequest = 0;
  window->Command1[3]->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kNewMangaChoice));
  EXPECT_EQ(state.g().ResumeRequest, 1);
}

}  // namespace
}  // namespace koratsu
