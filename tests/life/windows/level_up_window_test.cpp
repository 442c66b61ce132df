#include "life/windows/level_up_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <vector>

#include "life/experience.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

class LevelUpWindowTest : public ::testing::Test {
 protected:
  LevelUpWindowTest() {
    main.show();
    g().GameActive = 1;
    main.SetClockRunning(true);
  }
  ~LevelUpWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(LevelUpWindowTest, PagesItsLinesAndClosesAfterTheLast) {
  g().Level = 1;
  g().Experience = 29;
  testing::ScriptedRandom random;
  random.Expect(4, 0);
  SetRandomSource(&random);
  std::vector<QString> lines, buttons;
  ModalScript script;
  script.When(form::kLevelUp, [&](Form& form) {
    auto& window = static_cast<Form41&>(form);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("レベルアップ"));
    EXPECT_EQ(window.Label3[0]->text(), QStringLiteral("== レベルアップしました!!  =="));
    EXPECT_EQ(window.Image1[0]->pixmap().size(), QSize(48, 48));
    EXPECT_FALSE(main.Timer1->isActive()) << "the window stops the clock";
    window.close();  // no close item
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &escape);
    for (int line = 0; line < 3 && platform::Forms().IsLoaded(form::kLevelUp); ++line) {
      lines.push_back(window.Label1[2]->text());
      buttons.push_back(window.Command1->text());
      window.Command1->click();
    }
  });
  AddExperience(1);

  EXPECT_TRUE(script.Done());
  EXPECT_EQ(lines, (std::vector<QString>{QStringLiteral("  レベルが 2にアップしました。"),
                                         QStringLiteral("体力の最大が24になりました。"),
                                         QStringLiteral("知識ﾎﾟｲﾝﾄの上限が25になりました。")}));
  EXPECT_EQ(buttons, (std::vector<QString>{QStringLiteral("次へ >>"), QStringLiteral("次へ >>"), QStringLiteral("閉じる")}));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kLevelUp));
  EXPECT_EQ(g().LevelUpLineCount, 0);
  EXPECT_EQ(g().LevelUpLineIndex, 0);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(LevelUpWindowTest, ASingleLineClosesAtOnce) {
  AddLevelUpLine("一行だけ");
  ModalScript script;
  script.When(form::kLevelUp, [](Form& form) {
    auto& window = static_cast<Form41&>(form);
    EXPECT_EQ(window.Command1->text(), QStringLiteral("閉じる"));
    window.Command1->click();
  });
  ui::Show(form::kLevelUp, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kLevelUp));
}

}  // namespace
}  // namespace koratsu
