#include "production/windows/copy_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/catalogues.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class CopyWindowTest : public ::testing::Test {
 protected:
  CopyWindowTest() {
    AddOtherManga("ぼくらの野球", 5, 4, "国民的な野球漫画");
    AddOtherManga("名もない漫画", 0, 2, "誰も読んでいない");
    AddOtherManga("謎の漫画", 7, -1, "分からない");
  }
  ~CopyWindowTest() override { platform::Forms().UnloadAll(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(CopyWindowTest, OpensOnTheFirstMangaAndShowsTheSelectedOne) {
  Form50* window = platform::Forms().Load<Form50>(form::kCopyManga);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("漫画を盗作します"));
  EXPECT_EQ(window->Label3[0]->text(), QStringLiteral("== どの漫画を盗作しますか？ =="));
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("題名"));
  EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("知名度"));
  EXPECT_EQ(window->Label1[2]->text(), QStringLiteral("人気"));
  for (platform::Shape* band : window->Shape1) EXPECT_EQ(band->FillColor(), 0xFF8000u);
  ASSERT_EQ(window->List1->count(), 3);

  EXPECT_EQ(window->List1->currentRow(), 0);
  EXPECT_EQ(window->Label2[1]->text(), QStringLiteral("ぼくらの野球"));
  EXPECT_EQ(window->Label2[0]->text(), QStringLiteral("超有名"));
  EXPECT_EQ(window->Label2[2]->text(), QStringLiteral("大人気"));
  EXPECT_EQ(window->Label2[3]->text(), QStringLiteral("国民的な野球漫画"));

  window->List1->setCurrentRow(1);
  EXPECT_EQ(window->Label2[0]->text(), QStringLiteral("ない"));
  EXPECT_EQ(window->Label2[2]->text(), QStringLiteral("まあまあ"));
  // Words outside 0 to 5 leave those shown.
  window->List1->setCurrentRow(2);
  EXPECT_EQ(window->Label2[1]->text(), QStringLiteral("謎の漫画"));
  EXPECT_EQ(window->Label2[0]->text(), QStringLiteral("ない"));
  EXPECT_EQ(window->Label2[2]->text(), QStringLiteral("まあまあ"));
}

TEST_F(CopyWindowTest, ConfirmingAsksAndTheCloseBoxActsAsGivingUp) {
  Form50* window = platform::Forms().Load<Form50>(form::kCopyManga);
  ASSERT_NE(window, nullptr);
  window->List1->setCurrentRow(1);
  ui.AnswerYesNo({7});
  window->Command1->click();
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"「名もない漫画」を本当に盗作しますか？"});
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kCopyManga));

  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  QCloseEvent close;
  QApplication::sendEvent(window, &close);
  testing::ProcessEvents();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kCopyManga));
}

// Not a test: the copy window over a new game, for the documentation (copy).
TEST(CopyWindowScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"copy"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  MDIForm1& main = scene.main;
  shot.TakeOverModal(form::kCopyManga, main, [](platform::Form& form) {
    auto& window = static_cast<Form50&>(form);
    window.List1->setCurrentRow(2);
    window.Command1->setFocus();
  });
}

}  // namespace
}  // namespace koratsu
