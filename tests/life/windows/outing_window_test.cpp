// The outing dialog (Form25), offscreen.

#include "life/windows/outing_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "life/windows/activity_progress_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "state/koudou_mode.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

constexpr int kPachinko = 3, kCinema = 4, kFactoryTour = 5, kHorseRacing = 7, kShopping = 9;

class OutingWindowTest : public ::testing::Test {
 protected:
  OutingWindowTest() {
    main.show();
    AddSanpoPlaces();
    g().GameActive = 1;
  }
  ~OutingWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  static std::vector<int> VisibleFrames(Form25& dialog) {
    std::vector<int> shown;
    for (int kind = 1; kind <= 10; ++kind)
      if (dialog.Frame2[static_cast<size_t>(kind)]->isVisible()) shown.push_back(kind);
    return shown;
  }
  static void Expect(Form25& dialog, const char* minutes, const char* cost) {
    EXPECT_EQ(dialog.Label1[1]->text(), QString::fromUtf8(minutes));
    EXPECT_EQ(dialog.Label1[3]->text(), QString::fromUtf8(cost));
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(OutingWindowTest, EachOutingShowsItsOwnFrameWithItsPresetAppliedAgain) {
  g().SanpoChoice = 6;  // an earlier sports outing
  ModalScript script;
  script.When(form::kOuting, [&](Form& form) {
    auto& dialog = static_cast<Form25&>(form);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("外に出かける"));
    EXPECT_EQ(dialog.Label3[0]->text(), QStringLiteral("== 外へ出かけます  =="));
    EXPECT_EQ(dialog.Combo1[0]->count(), 10);
    EXPECT_EQ(dialog.Combo1[0]->currentText(), QStringLiteral("散歩する"));
    EXPECT_TRUE(dialog.Option1[10]->isChecked());
    EXPECT_EQ(VisibleFrames(dialog), std::vector<int>{1});
    Expect(dialog, "1時間 0分", "0円");
    EXPECT_FALSE(main.Timer1->isActive()) << "the dialog stops the clock";

    // The cinema's preset is the selected button of its frame already.
    dialog.Combo1[0]->setCurrentIndex(kCinema);
    EXPECT_EQ(g().SanpoChoice, 1);
    EXPECT_EQ(VisibleFrames(dialog), std::vector<int>{5});

    dialog.Combo1[0]->setCurrentIndex(kPachinko);
    Expect(dialog, "30分", "2000円");
    dialog.Option1[4]->click();  // 20,000円
    Expect(dialog, "2時間 0分", "2万0000円");
    dialog.Combo1[0]->setCurrentIndex(kHorseRacing);
    Expect(dialog, "1時間 0分", "2000円");
    EXPECT_EQ(VisibleFrames(dialog), std::vector<int>{8});
    dialog.Combo1[0]->setCurrentIndex(kPachinko);
    EXPECT_TRUE(dialog.Option1[6]->isChecked()) << "the preset is selected again";
    EXPECT_FALSE(dialog.Option1[4]->isChecked());
    Expect(dialog, "30分", "2000円");

    dialog.Combo1[0]->setCurrentIndex(kFactoryTour);
    EXPECT_EQ(dialog.Frame2[6]->title(), QStringLiteral("何を見学しますか？"));
    EXPECT_EQ(dialog.Option1[24]->text(), QStringLiteral("自動車工場"));

    // The close box is its cancel button.
    QCloseEvent close;
    QApplication::sendEvent(&dialog, &close);
  });
  g().Kingaku = 500;
  main.SetClockRunning(true);
  ui::Show(form::kOuting, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(ui::IsLoaded(form::kOuting));
  EXPECT_EQ(g().Kingaku, 500);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(OutingWindowTest, TheDepartmentStoreIsRefusedAYenShortAndGoesWithTheWholeSum) {
  g().Kingaku = 64999;
  ModalScript script;
  script
      .When(form::kOuting,
            [](Form& form) {
              auto& dialog = static_cast<Form25&>(form);
              dialog.Combo1[0]->setCurrentIndex(kShopping);
              dialog.Option1[36]->click();  // 高級デパート
              dialog.Command1->click();
            })
      .When(form::kMessage, [&](Form& form) {
        auto& box = static_cast<Form42&>(form);
        EXPECT_EQ(box.Label1->text(), QStringLiteral("お金が足りません。"));
        box.Command1[0]->click();
        ProcessEvents();
        auto* dialog = platform::Forms().Find<Form25>(form::kOuting);
        ASSERT_NE(dialog, nullptr) << "the dialog stays for another choice";
        g().Kingaku = 65000;
        dialog->Command1->click();
      });
  ui::Show(form::kOuting, ui::Modal);
  ProcessEvents();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(ui::IsLoaded(form::kOuting));
  EXPECT_EQ(g().Kingaku, 0);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kOuting);
  EXPECT_EQ(g().KoudouMinutesTotal, 60);
  auto* progress = platform::Forms().Find<ActivityProgressWindow>(form::kOutingProgress);
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("買い物中"));
  EXPECT_EQ(progress->Label1[0]->text(), QStringLiteral("買い物をしています"));
}

// Not a test: a started game with the outing dialog, a football match
// chosen, for the documentation (outing).
TEST_F(OutingWindowTest, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"outing"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "新人");
  shot.TakeOverModal(form::kOuting, main, [](Form& form) {
    auto& dialog = static_cast<Form25&>(form);
    dialog.Combo1[0]->setCurrentIndex(2);  // watching sport
    dialog.Option1[14]->click();           // ｻｯｶｰ
  });
}

}  // namespace
}  // namespace koratsu
