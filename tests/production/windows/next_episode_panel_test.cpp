#include "production/windows/next_episode_panel.h"

#include <gtest/gtest.h>

#include <memory>

#include "production/serial_fixture.h"
#include "qtsupport/window_testing.h"
#include "state/game_state.h"

namespace koratsu {
namespace {

using testing::LeftMouse;

class NextEpisodePanelTest : public testing::SerialTest {
 protected:
  NextEpisodePanelTest() {
    RunningSerial(0, 6);  // items 警察官 (7 points) and 漫画家 (12), and a setting without
    Deliver();
    panel = std::make_unique<NextEpisodePanel>(nullptr);
    panel->ShowRows();
  }
  std::unique_ptr<NextEpisodePanel> panel;
};

TEST_F(NextEpisodePanelTest, ShowsEachSettingsItemPointsAndBar) {
  EXPECT_EQ(panel->Heading->text(), QStringLiteral("次回の連載に使う知識ﾎﾟｲﾝﾄを決めてください"));
  EXPECT_EQ(panel->Label1[0]->text(), QStringLiteral("警察官"));
  EXPECT_EQ(panel->Label1[2]->text(), QStringLiteral("漫画家"));
  EXPECT_EQ(panel->Label1[3]->text(), QStringLiteral("なし"));
  EXPECT_EQ(panel->Label1[1], nullptr) << "the window's delivery text";
  EXPECT_EQ(panel->Label8[0]->text(), QStringLiteral("3"));
  EXPECT_EQ(panel->Label8[3]->text(), QStringLiteral("4/15"));
  EXPECT_EQ(panel->Label8[4]->text(), QStringLiteral("9/15"));
  EXPECT_EQ(panel->Label8[2]->text(), QStringLiteral("0"));
  EXPECT_EQ(panel->Label8[5]->text(), QStringLiteral("0/15"));
  EXPECT_EQ(panel->Shape11[1]->width(), 9 * panel->Shape12[1]->width() / 15);
  EXPECT_EQ(panel->Shape11[2]->width(), 0);
}

TEST_F(NextEpisodePanelTest, AHeldArrowMovesAPointAtEachTick) {
  LeftMouse(panel->Image4[1], QEvent::MouseButtonPress);
  EXPECT_TRUE(panel->Image4[1]->Pressed());
  for (int tick = 0; tick < 4; ++tick) panel->Timer1_Timer();
  LeftMouse(panel->Image4[1], QEvent::MouseButtonRelease);
  panel->Timer1_Timer();
  EXPECT_EQ(panel->Label8[1]->text(), QStringLiteral("7"));
  EXPECT_EQ(panel->Label8[4]->text(), QStringLiteral("5/15"));
  EXPECT_EQ(panel->Shape11[1]->width(), 5 * panel->Shape12[1]->width() / 15);

  LeftMouse(panel->Image3[0], QEvent::MouseButtonPress);
  for (int tick = 0; tick < 5; ++tick) panel->Timer1_Timer();
  LeftMouse(panel->Image3[0], QEvent::MouseButtonRelease);
  EXPECT_EQ(panel->Label8[0]->text(), QStringLiteral("0"));
  EXPECT_EQ(panel->Label8[3]->text(), QStringLiteral("7/15"));
  EXPECT_EQ(g.KnowledgeItem[1].Point, 7) << "nothing is spent before 送る";
}

}  // namespace
}  // namespace koratsu
