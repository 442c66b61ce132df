// The points-gained window (Form27), offscreen.

#include "life/windows/points_gained_window.h"

#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/catalogues.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

class PointsGainedWindowTest : public ::testing::Test {
 protected:
  PointsGainedWindowTest() {
    main.show();
    g().GameActive = 1;
    g().TiPointMax = 15;
    AddKnowledgeItems();
  }
  ~PointsGainedWindowTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  void Row(int item, int gain) {
    rec::ResultLine* row = Append(g().ResultLine, g().ResultLineCount);
    row->Field = item;
    row->Gain = gain;
  }
  // Shows the window; `play` acts in it with its timer stopped.
  void Show(const std::function<void(Form27&)>& play) {
    ModalScript script;
    script.When(form::kPointsGained, [&](Form& form) {
      auto& window = static_cast<Form27&>(form);
      window.Timer1->stop();
      play(window);
    });
    ui::Show(form::kPointsGained, ui::Modal);
    EXPECT_TRUE(script.Done());
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(PointsGainedWindowTest, ShowsEachRowAndMovesItsPointsIn) {
  g().KnowledgeItem[3].Point = 14;
  Row(3, 2);
  Row(0, 10);
  Show([&](Form27& window) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("知識ﾎﾟｲﾝﾄ上昇"));
    EXPECT_EQ(window.LabelC[0]->text(), QStringLiteral("== 知識ﾎﾟｲﾝﾄが上昇しました  =="));
    EXPECT_EQ(window.Label1[0]->text(), QStringLiteral("古本屋"));
    EXPECT_EQ(window.Label2[0]->text(), QStringLiteral("+2"));
    EXPECT_EQ(window.Label3[0]->text(), QStringLiteral("14/15"));
    EXPECT_EQ(window.Label1[1]->text(), QStringLiteral("企業戦士"));
    EXPECT_EQ(window.Label3[1]->text(), QStringLiteral("0/15"));
    EXPECT_EQ(window.Shape[1]->width(), 0);
    EXPECT_EQ(window.Label1[1]->y() - window.Label1[0]->y(), Form27::kRowPitch);
    EXPECT_FALSE(window.Label1[2]->isVisibleTo(&window)) << "rows past the gains stay hidden";
    EXPECT_EQ(window.VScroll1->maximum(), 0) << "two rows fit";
    EXPECT_FALSE(main.Timer1->isActive());

    for (int step = 0; step < 6; ++step) window.Timer1_Timer();
    EXPECT_EQ(window.Label2[0]->text(), QStringLiteral("+0"));
    EXPECT_EQ(window.Label3[0]->text(), QStringLiteral("15/15"));
    EXPECT_EQ(window.Shape[0]->width(), window.Shape10[0]->width());
    EXPECT_EQ(window.Label2[1]->text(), QStringLiteral("+8"));
    EXPECT_EQ(window.Label3[1]->text(), QStringLiteral("2/15"));
    EXPECT_EQ(g().KnowledgeItem[0].Point, 0) << "the points are written as it closes";
    window.Command1->click();
  });
  EXPECT_EQ(g().KnowledgeItem[0].Point, 10);
  EXPECT_EQ(g().KnowledgeItem[3].Point, 15);
  EXPECT_EQ(g().ResultLineCount, 0);
  EXPECT_EQ(g().ResumeRequest, 1);
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(PointsGainedWindowTest, TenRowsScrollInTheirViewport) {
  for (int k = 0; k < 10; ++k) Row(k, 1);
  Show([](Form27& window) {
    EXPECT_EQ(window.Picture1->height(), 158);
    EXPECT_EQ(window.VScroll1->maximum(), 158 - window.Picture2->height());
    window.VScroll1->setValue(window.VScroll1->maximum());
    EXPECT_EQ(window.Picture1->y(), -window.VScroll1->maximum());
    EXPECT_TRUE(window.Label1[9]->isVisibleTo(&window));
    window.Command1->click();
  });
}

TEST_F(PointsGainedWindowTest, AbilitiesAndNoRowsHaveTheirOwnHeadlines) {
  g().FormSlot[form::kPointsGained].Param = 1;
  g().Tinou = 7;
  g().TinouMax = 24;
  Row(3, 2);
  Show([](Form27& window) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ﾎﾟｲﾝﾄ上昇"));
    EXPECT_EQ(window.LabelC[0]->text(), QStringLiteral("== ﾎﾟｲﾝﾄが上昇しました  =="));
    EXPECT_EQ(window.Label1[0]->text(), QStringLiteral("知能"));
    EXPECT_EQ(window.Label3[0]->text(), QStringLiteral("7/24"));
    window.Command1->click();
  });
  EXPECT_EQ(g().Tinou, 9);
  Show([](Form27& window) {
    EXPECT_EQ(window.LabelC[0]->text(), QStringLiteral("ﾎﾟｲﾝﾄは上昇しませんでした。"));
    EXPECT_FALSE(window.Label1[0]->isVisibleTo(&window));
    window.Command1->click();
  });
}

}  // namespace
}  // namespace koratsu
