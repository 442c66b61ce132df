// The points-gained window's rules: the wait, one point per row and step,
// the caps, and what closing applies.

#include "life/points_gained.h"

#include <gtest/gtest.h>

#include <vector>

#include "state/catalogues.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::UiEvent;

class PointsGainedTest : public ::testing::Test {
 protected:
  PointsGainedTest() {
    g().TiPointMax = 15;
    AddTiItem(55, "野球", 3, 1);
    AddTiItem(69, "野球監督", 13, 1);
    AddTiItem(49, "ゴルフ", 7, 1);
  }
  GameState& g() { return state.g(); }

  void Row(int field, int gain) {
    rec::ResultLine* row = Append(g().ResultLine, g().ResultLineCount);
    row->Field = field;
    row->Gain = gain;
  }
  // The timer's steps 1 to n; the sounds they played.
  int Steps(int n) {
    ui.Clear();
    for (int i = 0; i < n; ++i) PointsGainedStep();
    int sounds = 0;
    for (const UiEvent& e : ui.Events()) sounds += e.kind == UiEvent::Sound && e.number == 1;
    return sounds;
  }
  double Work(int item) { return g().KnowledgeItem[item].PointWork.Num(); }
  double Points(int item) { return g().KnowledgeItem[item].Point.Num(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(PointsGainedTest, KnowledgePointsMoveAfterAWaitOneARowAStepAndStopAtTheCap) {
  Row(0, 3);
  Row(1, 4);
  LoadPointsGained();
  EXPECT_EQ(PointsGainedCaption(), "知識ﾎﾟｲﾝﾄ上昇");
  EXPECT_EQ(PointsGainedHeadline(), "== 知識ﾎﾟｲﾝﾄが上昇しました  ==");
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, 1);
  EXPECT_EQ(g().FormSlot[form::kKnowledgeList].Redraw, 1);

  EXPECT_EQ(Steps(4), 0);
  EXPECT_EQ(Work(0), 3);
  EXPECT_EQ(g().ResultLine[0].Gain, 3);

  EXPECT_EQ(Steps(1), 2) << "one sound for each row";
  EXPECT_EQ(Work(0), 4);
  EXPECT_EQ(Work(1), 14);
  EXPECT_EQ(Steps(2), 4);
  EXPECT_EQ(Work(1), 15);
  // Past the cap the value stays while the gain counts down, with its sound.
  EXPECT_EQ(g().ResultLine[1].Gain, 1);
  PointsGainedRow capped = DescribePointsGainedRow(1);
  EXPECT_EQ(capped.name, "野球監督");
  EXPECT_EQ(capped.gain, "+1");
  EXPECT_EQ(capped.value, 15);
  EXPECT_EQ(capped.cap, 15);
  EXPECT_EQ(Steps(1), 1);
  EXPECT_EQ(Work(1), 15);
  EXPECT_EQ(DescribePointsGainedRow(1).gain, "+0");
  EXPECT_EQ(Steps(3), 0) << "every gain used up: the steps go on without effect";
  EXPECT_EQ(Work(0), 6);

  // The knowledge points themselves change only as the window closes.
  EXPECT_EQ(Points(0), 3);
  ClosePointsGained();
  EXPECT_EQ(Points(0), 6);
  EXPECT_EQ(Points(1), 15);
  EXPECT_EQ(Points(2), 7);
  EXPECT_EQ(g().ResultLineCount, 0);
  EXPECT_EQ(g().FormSlot[form::kKnowledgeList].Rebuild, 1);
}

TEST_F(PointsGainedTest, ClosingEarlyAppliesEveryGainAtOnceCappedAndSilent) {
  Row(0, 10);
  Row(2, 2);
  Row(1, 10);
  LoadPointsGained();
  EXPECT_EQ(Steps(3), 0);
  ui.Clear();
  ClosePointsGained();
  EXPECT_EQ(Points(0), 13);
  EXPECT_EQ(Points(2), 9);
  EXPECT_EQ(Points(1), 15);
  EXPECT_TRUE(ui.Events().empty());
  EXPECT_EQ(g().ResultLineCount, 0);
}

TEST_F(PointsGainedTest, AbilitiesRiseThemselvesAtEveryStepFromTheFifth) {
  g().FormSlot[form::kPointsGained].Param = 1;
  g().Kyouyou = 10;
  g().KyouyouMax = 24;
  g().Garyoku = 19;
  g().GaryokuMax = 20;
  Row(1, 5);
  Row(0, 3);
  LoadPointsGained();
  EXPECT_EQ(PointsGainedCaption(), "ﾎﾟｲﾝﾄ上昇");
  EXPECT_EQ(PointsGainedHeadline(), "== ﾎﾟｲﾝﾄが上昇しました  ==");
  EXPECT_EQ(DescribePointsGainedRow(0).name, "教養");
  EXPECT_EQ(DescribePointsGainedRow(1).name, "画力");

  Steps(4);
  EXPECT_EQ(g().Kyouyou, 10);
  g().FormSlot[form::kInfoPanel].Redraw = 0;
  EXPECT_EQ(Steps(1), 2);
  EXPECT_EQ(g().Kyouyou, 11) << "no working copy: the ability itself";
  EXPECT_EQ(g().Garyoku, 20);
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, 1);
  Steps(1);
  EXPECT_EQ(g().Garyoku, 20);
  EXPECT_EQ(g().Kyouyou, 12);

  ClosePointsGained();
  EXPECT_EQ(g().Kyouyou, 15);
  EXPECT_EQ(g().Garyoku, 20);
  EXPECT_EQ(g().ResultLineCount, 0);
}

TEST_F(PointsGainedTest, WithoutRowsItSaysSoAndChangesNothing) {
  LoadPointsGained();
  EXPECT_EQ(PointsGainedHeadline(), "ﾎﾟｲﾝﾄは上昇しませんでした。");
  EXPECT_EQ(PointsGainedRowCount(), 0);
  EXPECT_EQ(Steps(8), 0);
  ClosePointsGained();
  EXPECT_EQ(Points(0), 3);
  EXPECT_EQ(Points(1), 13);

  g().FormSlot[form::kPointsGained].Param = 1;
  EXPECT_EQ(PointsGainedHeadline(), "ﾎﾟｲﾝﾄは上昇しませんでした。");
}

}  // namespace
}  // namespace koratsu
