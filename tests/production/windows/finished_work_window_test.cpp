#include "production/windows/finished_work_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "qtsupport/window_testing.h"
#include "state/tutorial_stage.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

// The real windows, but the posting and bring-in windows only noted: they
// belong to the publishers.
class PublishingAside : public QtUi {
 public:
  void Show(int form, int mode) override {
    if (form == form::kContestPost || form == form::kBringIn) {
      asked.push_back(form);
      EXPECT_FALSE(platform::Forms().IsLoaded(form::kFinishedWork)) << "it closes before the next window opens";
      return;
    }
    QtUi::Show(form, mode);
  }
  std::vector<int> asked;
};

class FinishedWorkWindowTest : public ::testing::Test {
 protected:
  FinishedWorkWindowTest() { ui::Install(&publishing); }
  ~FinishedWorkWindowTest() override { ui::Install(&qt.Ui()); }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
  PublishingAside publishing;
};

TEST_F(FinishedWorkWindowTest, ThreeButtonsFromTopToBottomWithoutAButtonTwo) {
  auto* form = platform::Forms().Load<Form55>(form::kFinishedWork);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("新しい漫画"));
  EXPECT_EQ(form->Label3[0]->text(), QStringLiteral("== 漫画を送りますか？ =="));
  EXPECT_EQ(form->Command1[0]->text(), QStringLiteral("出版社に送る"));
  EXPECT_EQ(form->Command1[1]->text(), QStringLiteral("出版社に持込み"));
  EXPECT_EQ(form->Command1[2], nullptr);
  EXPECT_EQ(form->Command1[3]->text(), QStringLiteral("今はやめておく"));
  EXPECT_LT(form->Command1[0]->y(), form->Command1[1]->y());
  EXPECT_LT(form->Command1[1]->y(), form->Command1[3]->y());
  platform::Forms().Unload(form::kFinishedWork);
}

TEST_F(FinishedWorkWindowTest, EveryButtonClosesItAndTheTutorialMovedOnWhenItOpened) {
  struct Case {
    int button;
    std::vector<int> next;  // the window it shows after it closed
  };
  const Case cases[] = {{0, {form::kContestPost}}, {1, {form::kBringIn}}, {3, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    g().TutorialStage = tutorial_stage::kFinishedWork;
    g().ResumeRequest = 0;
    publishing.asked.clear();
    ModalScript script;
    script.When(form::kFinishedWork, [&c, this](Form& form) {
      EXPECT_EQ(g().TutorialStage, tutorial_stage::kContestPost);
      static_cast<Form55&>(form).Command1[static_cast<size_t>(c.button)]->click();
    });
    ui::Show(form::kFinishedWork, ui::Modal);
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kFinishedWork));
    EXPECT_EQ(g().ResumeRequest, 1);
    EXPECT_EQ(publishing.asked, c.next);
  }
}

TEST_F(FinishedWorkWindowTest, ItsCloseBoxKeepsTheWorkForNow) {
  ModalScript script;
  script.When(form::kFinishedWork, [](Form& form) { form.close(); });
  ui::Show(form::kFinishedWork, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kFinishedWork));
}

}  // namespace
}  // namespace koratsu
