#include "shell/windows/message_boxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTextLayout>
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

// Too long for one line even in the widest box.
const char* const kTooLong =
    "ファイルの読み込みに失敗しました。もう一度ファイルの場所と名前を確かめてから、もう一度読み込んでください。";

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

TEST_F(MessageBoxTest, PlainYAndNAnswer) {
  auto press = [](int key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    return [key, held](Form& form) {
      QKeyEvent event(QEvent::KeyPress, key, held, QString());
      QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &form, &event);
    };
  };
  ModalScript script;
  script.When(form::kYesNo, press(Qt::Key_Y))
      .When(form::kYesNo, press(Qt::Key_N))
      .When(form::kYesNo, press(Qt::Key_Y, Qt::ShiftModifier))
      .When(form::kYesNo, [&](Form& form) {
        press(Qt::Key_Y, Qt::ControlModifier)(form);  // not an answer
        press(Qt::Key_A)(form);
        EXPECT_TRUE(form.isVisible());
        press(Qt::Key_N)(form);
      });
  EXPECT_EQ(ui::AskYesNo("ゲームを終了しますか。"), 6);
  EXPECT_EQ(ui::AskYesNo("ゲームを終了しますか。"), 7);
  EXPECT_EQ(ui::AskYesNo("ゲームを終了しますか。"), 6);
  EXPECT_EQ(ui::AskYesNo("ゲームを終了しますか。"), 7);
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
  ui::ShowMessage(kTooLong);
}

// The length of each line `label` breaks its text into.
std::vector<int> LineLengths(const QLabel& label) {
  QTextLayout layout(label.text(), label.font());
  std::vector<int> lengths;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    lengths.push_back(line.textLength());
  }
  layout.endLayout();
  return lengths;
}

TEST_F(MessageBoxTest, EveryQuestionOfTheGameStandsOnOneLineInsideTheMainWindow) {
  const char* questions[] = {
      "費用は5000万円ですが、本当に引っ越しますか？", "仕事のﾎﾟｲﾝﾄがゼロですが、それでいいですか？",
      "ゲームを終了しますか。", "ﾄﾚｰｽ台を購入しますか？", "長谷川五郎左衛門氏を本当に止めさせますか？",
  };
  for (const char* question : questions) {
    ModalScript script;
    script.When(form::kYesNo, [&](Form& form) {
      auto& box = static_cast<Form40&>(form);
      EXPECT_EQ(LineLengths(*box.Label1).size(), 1u) << question;
      EXPECT_LE(box.Label1->geometry().right(), box.width()) << question;
      EXPECT_LE(box.Label1->geometry().bottom(), box.Command1[0]->y()) << question;
      // The buttons stay centred under the text, the box over the main window.
      const int buttonsCentre = (box.Command1[0]->x() + box.Command1[1]->geometry().right()) / 2;
      EXPECT_NEAR(buttonsCentre, box.width() / 2, 8) << question;
      EXPECT_LT(box.frameGeometry().width(), main.frameGeometry().width()) << question;
      EXPECT_NEAR(box.frameGeometry().center().x(), main.frameGeometry().center().x(), 2) << question;
      box.Command1[1]->click();
    });
    ui::AskYesNo(question);
  }
}

TEST_F(MessageBoxTest, AShortQuestionKeepsTheDesignedBoxAndATooLongTextWrapsEvenly) {
  ModalScript script;
  script
      .When(form::kYesNo,
            [](Form& form) {
              auto& box = static_cast<Form40&>(form);
              EXPECT_EQ(box.size(), QSize(328, 89));
              EXPECT_EQ(box.Label1->geometry(), QRect(48, 24, 241, 25));
              box.Command1[0]->click();
            })
      .When(form::kMessage, [](Form& form) {
        auto& box = static_cast<Form42&>(form);
        const std::vector<int> lines = LineLengths(*box.Label1);
        EXPECT_EQ(lines.size(), 2u);
        EXPECT_GE(lines.back(), lines.front() / 2) << "no short last line";
        box.Command1[0]->click();
      });
  ui::AskYesNo("？");
  ui::ShowMessage(kTooLong);
}

}  // namespace
}  // namespace koratsu
