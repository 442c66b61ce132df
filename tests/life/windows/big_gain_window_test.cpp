// The big-rise notice (Form67), offscreen, as an outing's end shows it.

#include "life/windows/big_gain_window.h"

#include <functional>

#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/catalogues.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

class BigGainWindowTest : public ::testing::Test {
 protected:
  BigGainWindowTest() {
    main.show();
    g().GameActive = 1;
    g().TiPointMax = 15;
    main.SetClockRunning(true);
    AddTiItem(26, "漫才", 0, 1);
    // A walk whose last step is due at the next clock event.
    g().KoudouMode = 1;
    g().SanpoKind = 1;
    g().KoudouMinutesTotal = 60;
    g().KoudouMinutesLeft = 3;
    g().MinutesPerStep = 3;
    g().TicksPerStep = 1;
    ui::Show(form::kOutingProgress, ui::Modeless);
    // Every draw gives 0: the walk's one-in-40 chance passes and the rise is big.
    draws.Any(1000, 0.0);
    SetRandomSource(&draws);
  }
  ~BigGainWindowTest() override {
    SetRandomSource(nullptr);
    main.Timer1->stop();
  }
  GameState& g() { return state.g(); }

  // The next clock event ends the walk: the notice comes up, where `play`
  // acts, then the points window, which closes.
  void EndWalk(const std::function<void(Form&)>& play) {
    ModalScript script;
    script.When(form::kBigGain, play);
    script.When(form::kPointsGained, [](Form& form) { form.Unload(); });
    main.Timer1_Timer();
    EXPECT_TRUE(script.Done());
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
  testing::ScriptedRandom draws;
};

TEST_F(BigGainWindowTest, AnOutingsBigRiseIsAnnouncedAndItsButtonStartsTheClockAgain) {
  EndWalk([this](Form& form) {
    auto& window = static_cast<Form67&>(form);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("大幅アップ"));
    EXPECT_EQ(window.LabelC[0]->text(), QStringLiteral("== 知識ﾎﾟｲﾝﾄが大幅ｱｯﾌﾟ =="));
    EXPECT_EQ(window.Label1[1]->text(), QStringLiteral("漫才のﾎﾟｲﾝﾄが大幅上昇"));
    EXPECT_EQ(window.Image1->size(), QSize(64, 64));
    EXPECT_EQ(window.Command1->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(main.Timer1->isActive()) << "the notice stops the clock";
    window.Command1->click();
    EXPECT_TRUE(main.Timer1->isActive());
  });
  EXPECT_EQ(g().KnowledgeItem[0].Point, 10);
  EXPECT_EQ(g().KoudouMode, 0);
}

TEST_F(BigGainWindowTest, ItsCloseBoxActsAsItsButton) {
  EndWalk([this](Form& form) {
    testing::PressCloseBox(&form);
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kBigGain));
    EXPECT_TRUE(main.Timer1->isActive());
  });
}

}  // namespace
}  // namespace koratsu
