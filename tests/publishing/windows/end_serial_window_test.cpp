#include "publishing/windows/end_serial_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <gtest/gtest.h>

#include "platform/colors.h"
#include "qtsupport/window_testing.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class EndSerialWindowTest : public ::testing::Test {
 protected:
  EndSerialWindowTest() { g().GameActive = 1; }
  ~EndSerialWindowTest() override { platform::Forms().UnloadAll(); }
  GameState& g() { return state.g(); }

  void Serial(int s, const char* title, int delivered, int m) {
    g().SlotKanseido[s] = 30;
    g().SlotLabel[s] = title;
    g().ProductionSlot[s].Kind = 6;
    g().ProductionSlot[s].Episode = delivered;
    g().ProductionSlot[s].MangaIndex = m;
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(EndSerialWindowTest, ListsTheSerialsThatCanEndAndEndsTheChosenOne) {
  Serial(3, "星の島", 9, 0);
  Serial(0, "空の城", 0, 0);
  Serial(5, "海の旅", 2, 1);
  Form14* window = platform::Forms().Load<Form14>(form::kEndSerial);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("連載漫画を終了させる"));
  EXPECT_EQ(window->Label3->text(), QStringLiteral("== どの漫画を終了させますか？  =="));
  EXPECT_EQ(window->Shape1[0]->FillColor(), 0xFF8000u);
  EXPECT_EQ(window->Command1->text(), QStringLiteral("決定"));
  EXPECT_EQ(window->Command2->text(), QStringLiteral("やめる"));
  EXPECT_EQ(window->palette().color(window->backgroundRole()), platform::VbColor(platform::kLightGrey));
  ASSERT_EQ(window->List1->count(), 2);
  EXPECT_EQ(window->List1->item(0)->text(), QStringLiteral("星の島"));
  EXPECT_EQ(window->List1->item(1)->text(), QStringLiteral("海の旅"));
  EXPECT_EQ(window->List1->currentRow(), 0);
  EXPECT_TRUE(window->Command1->isEnabled());

  bool openAtTheQuestion = true;
  ui.On(form::kRequestReply, [&] {
    openAtTheQuestion = platform::Forms().IsLoaded(form::kEndSerial);
    g().EndSerialAnswer = 1;
  });
  window->List1->setCurrentRow(1);
  window->Command1->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kEndSerial));
  EXPECT_FALSE(openAtTheQuestion) << "the talk comes once the window has closed";
  EXPECT_EQ(g().MangaWork[1].SerialLowCount, 4);
  EXPECT_TRUE(g().MangaWork[0].SerialLowCount.IsEmpty());
  ASSERT_FALSE(ui.Talks().empty());
  EXPECT_EQ(ui.Talk(0).lines.at(0), "  え、「海の旅」の連載を終了させるんですか？");
}

TEST_F(EndSerialWindowTest, WithoutSerialsOnlyGivingUpIsLeft) {
  Serial(2, "空の城", 0, 0);
  Form14* window = platform::Forms().Load<Form14>(form::kEndSerial);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->List1->count(), 0);
  EXPECT_FALSE(window->Command1->isEnabled());
  g().ResumeRequest = 0;
  window->Command2->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kEndSerial));
  EXPECT_EQ(g().ResumeRequest, 1);
  EXPECT_TRUE(ui.Talks().empty());
}

TEST_F(EndSerialWindowTest, TheCloseBoxActsAsGivingUp) {
  Serial(1, "星の島", 4, 0);
  Form14* window = platform::Forms().Load<Form14>(form::kEndSerial);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  QCloseEvent close;
  QApplication::sendEvent(window, &close);
  testing::ProcessEvents();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kEndSerial));
  EXPECT_TRUE(ui.Talks().empty());
  EXPECT_TRUE(g().MangaWork[0].SerialLowCount.IsEmpty());
}

}  // namespace
}  // namespace koratsu
