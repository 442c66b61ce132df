#include "shell/windows/message_boxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

class MessageBoxTest : public ::testing::Test {
 protected:
  MessageBoxTest() {
    main.show();
    state.g().GameActive = 1;
    main.SetClockRunning(true);
  }
  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(MessageBoxTest, YesGivesSixAndNoSevenEachFromItsOwnBox) {
  ModalScript script;
  script
      .When(form::kYesNo,
            [&](Form& form) {
              auto& box = static_cast<Form40&>(form);
              EXPECT_EQ(box.Label1->text(), QStringLiteral("ゲームを終了しますか。"));
              EXPECT_EQ(box.windowTitle(), QStringLiteral("Koratsu"));
              EXPECT_EQ(box.Command1[0]->text(), QStringLiteral("はい(&Y)"));
              EXPECT_TRUE(main.Timer1->isActive());  // the boxes leave the clock alone
              box.Command1[0]->click();
            })
      .When(form::kYesNo, [](Form& form) { static_cast<Form40&>(form).Command1[1]->click(); });
  EXPECT_EQ(ui::AskYesNo("ゲームを終了しますか。"), yes_no::kYes);
  EXPECT_EQ(ui::AskYesNo("本当に引っ越しますか？"), yes_no::kNo);
  EXPECT_EQ(state.g().YesNoAnswer, Value(1));
}

TEST_F(MessageBoxTest, ABoxClosedWithoutItsButtonsCountsAsNo) {
  state.g().YesNoAnswer = 0;
  ModalScript script;
  script.When(form::kYesNo, [](Form& form) {
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);  // refused: no close item
    EXPECT_TRUE(form.isVisible());
    platform::Forms().Unload(form::kYesNo);            // as closing every window does
  });
  EXPECT_EQ(ui::AskYesNo("？"), yes_no::kNo);
}

TEST_F(MessageBoxTest, TheMessageBoxShowsItsTextCentredOverTheMainWindow) {
  ModalScript script;
  script.When(form::kMessage, [&](Form& form) {
    auto& box = static_cast<Form42&>(form);
    EXPECT_EQ(box.Label1->text(), QStringLiteral("お金が足りません。"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Koratsu"));
    EXPECT_EQ(box.size(), QSize(333, 86));
    QPoint centre = box.frameGeometry().center();
    EXPECT_NEAR(centre.x(), main.frameGeometry().center().x(), 2);
    EXPECT_NEAR(centre.y(), main.frameGeometry().center().y(), 2);
    box.Command1[0]->click();
  });
  ui::ShowMessage("お金が足りません。");
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kMessage));
}

TEST_F(MessageBoxTest, ALongMessageWrapsAboveTheButton) {
  ModalScript script;
  script.When(form::kMessage, [](Form& form) {
    auto& box = static_cast<Form42&>(form);
    EXPECT_GT(box.Label1->height(), 25);
    EXPECT_LE(box.Label1->geometry().bottom(), box.Command1[0]->y());
    box.Command1[0]->click();
  });
  ui::ShowMessage("ファイルの読み込みに失敗しました。もう一度ファイルを確かめてから読み込んでください。");
}

}  // namespace
}  // namespace koratsu
