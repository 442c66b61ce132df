#include "shell/windows/about_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "ui/forms.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::UiEvent;

// Presses on the icon: 'L' the left button, 'R' the right one.
void Press(QWidget* target, Qt::MouseButton button) {
  QPointF at(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

class AboutBoxTest : public ::testing::Test {
 protected:
  AboutBoxTest() {
    shell::SetProgramValues();
    Reopen();
  }
  ~AboutBoxTest() override {
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
  }
  GameState& g() { return state.g(); }

  void Reopen() {
    platform::Forms().Unload(form::kAbout);
    box = platform::Forms().Load<Form2>(form::kAbout);
  }
  // Presses in order, and the number of the press at which the tricks window opened (0: never).
  std::vector<int> Presses(const std::string& sequence) {
    std::vector<int> opened;
    for (size_t i = 0; i < sequence.size(); ++i) {
      int before = ui.ShownCount(form::kTricks);
      Press(box->Image1, sequence[i] == 'L' ? Qt::LeftButton : Qt::RightButton);
      if (ui.ShownCount(form::kTricks) > before) opened.push_back(static_cast<int>(i) + 1);
    }
    return opened;
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
  Form2* box = nullptr;
};

TEST_F(AboutBoxTest, ShowsTheTitleAndVersionAndStopsTheClock) {
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
  EXPECT_EQ(box->size(), QSize(264, 135));
  EXPECT_EQ(box->Label1[1]->text(), QStringLiteral("Koratsu"));
  EXPECT_EQ(box->Label1[4]->text(), QStringLiteral("Version 1.20"));
  EXPECT_EQ(box->Command1->text(), QStringLiteral("Vorelliのサイトへ行く"));
  EXPECT_EQ(box->Shape1[0]->FillColor(), 0xFF8000u);
  EXPECT_EQ(box->Image2->pixmap().size(), QSize(15, 27));

  g().GameActive = 1;
  ui.Clear();
  Reopen();
  ASSERT_FALSE(ui.Events().empty());
  EXPECT_EQ(ui.Events().back().kind, UiEvent::Clock);
  EXPECT_EQ(ui.Events().back().number, 0);
}

TEST_F(AboutBoxTest, NinePressesInTheirOrderOpenTheTricksWindow) {
  EXPECT_EQ(Presses("LLLLRRLLL"), std::vector<int>{9});
  // After it closed, a press of another button opens it again; a left press ends that.
  EXPECT_EQ(Presses("RR"), (std::vector<int>{1, 2}));
  EXPECT_EQ(Presses("LR"), std::vector<int>{});
}

TEST_F(AboutBoxTest, OneWrongPressSpoilsTheSequenceUntilTheBoxOpensAgain) {
  const char* spoiled[] = {
      "LLLLLRRLL",  // one left press too many in the first run
      "LLLLRRRLL",  // one other press too many
      "LLLLRLLLL",  // too few other presses
  };
  for (const char* sequence : spoiled) {
    Reopen();
    EXPECT_EQ(Presses(sequence), std::vector<int>{}) << sequence;
    EXPECT_EQ(Presses("LLLLRRLLL"), std::vector<int>{}) << sequence << ": stays spoiled";
    Reopen();
    EXPECT_EQ(Presses("LLLLRRLLL"), std::vector<int>{9}) << sequence << ": reopened";
  }
  // Other presses before the gate count for nothing, and spoil nothing.
  Reopen();
  EXPECT_EQ(Presses("RLLLRLRRLLL"), std::vector<int>{11});
  Reopen();
  Presses("RRLLLL");
  EXPECT_EQ(g().AboutClickB, Value(0));
  Presses("RR");
  Presses("LLL");
  Presses("R");  // the other presses are counted only at the gate
  EXPECT_EQ(g().AboutClickB, Value(2));
}

TEST_F(AboutBoxTest, EveryPartOfTheBoxLeadsToTheWebPage) {
  auto click = [](QWidget* target) {
    QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
  };
  for (int i = 1; i <= 4; ++i) click(box->Label1[static_cast<size_t>(i)]);
  click(box->Image2);
  box->Command1->click();
  int pages = 0;
  for (const UiEvent& e : ui.Events()) {
    if (e.kind != UiEvent::WebPage) continue;
    ++pages;
    EXPECT_EQ(e.text, Form2::kWebPage);
  }
  EXPECT_EQ(pages, 6);
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kAbout)) << "the box stays open";
}

TEST_F(AboutBoxTest, TheTricksFillEveryKnowledgeItemAndShowTheEnding) {
  auto* tricks = platform::Forms().Load<Form28>(form::kTricks);
  ASSERT_NE(tricks, nullptr);
  EXPECT_EQ(tricks->windowTitle(), QStringLiteral("ｳﾗﾜｻﾞ(ﾏﾙﾍﾟﾝ君)ｳｨﾝﾄﾞｳ"));
  EXPECT_EQ(tricks->size(), QSize(160, 71));

  tricks->Command2->click();  // the title screen: no knowledge yet
  EXPECT_TRUE(g().KnowledgeItem[0].Point.IsEmpty());

  g().TiItemCount = 3;
  g().TiPointMax = 50;
  g().KnowledgeItem[1].Known = 0;
  g().KnowledgeItem[3].Point = 7;
  tricks->Command2->click();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(g().KnowledgeItem[i].Point, Value(99)) << i;
  EXPECT_EQ(g().KnowledgeItem[3].Point, Value(7));
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kTricks)) << "it stays open";

  ui.Show(form::kTricks, ui::Modeless);
  ui.Show(form::kAbout, ui::Modeless);
  ui.Clear();
  tricks->Command1->click();
  ASSERT_EQ(ui.Events().size(), 3u);
  EXPECT_EQ(ui.Events()[0].kind, UiEvent::Unload);
  EXPECT_EQ(ui.Events()[0].form, form::kTricks);
  EXPECT_EQ(ui.Events()[1].kind, UiEvent::Unload);
  EXPECT_EQ(ui.Events()[1].form, form::kAbout);
  EXPECT_EQ(ui.Events()[2].kind, UiEvent::Show);
  EXPECT_EQ(ui.Events()[2].form, form::kEnding);
  EXPECT_EQ(ui.Events()[2].number, ui::Modal);
}

}  // namespace
}  // namespace koratsu
