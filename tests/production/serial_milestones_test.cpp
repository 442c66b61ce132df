// A serial's milestones, once the delivery window has closed: the notice
// with its text and picture, and from the 30th episode the editor's words.

#include "production/serial_milestones.h"

#include <gtest/gtest.h>

#include "production/serial_fixture.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using SerialMilestoneTest = testing::SerialTest;

TEST_F(SerialMilestoneTest, TheTenthEpisodeShowsTheNoticeAlone) {
  RunningSerial(0, 9);
  Deliver();
  int picture = -1;
  ui.On(form::kSerialMilestone,
        [&] { picture = SerialMilestonePicture(g.FormSlot[form::kSerialMilestone].Param); });
  CelebrateSerialMilestone();
  EXPECT_EQ(ui.ShownCount(form::kSerialMilestone), 1);
  EXPECT_EQ(picture, 1);
  EXPECT_EQ(ui.ControlText(form::kSerialMilestone, "Label1(0)"),
            " 「星の島」の連載が10回を突破しましたおめでとうございます。");
  EXPECT_TRUE(ui.Talks().empty());
}

TEST_F(SerialMilestoneTest, TheThirtiethEpisodeShowsTheNoticeAndThenTheEditor) {
  RunningSerial(0, 29);
  Deliver();
  int picture = -1;
  bool talkedBeforeTheNotice = false;
  ui.On(form::kSerialMilestone, [&] {
    picture = SerialMilestonePicture(g.FormSlot[form::kSerialMilestone].Param);
    talkedBeforeTheNotice = !ui.Talks().empty();
  });
  CelebrateSerialMilestone();
  EXPECT_EQ(picture, 0);
  EXPECT_FALSE(talkedBeforeTheNotice);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "編集者");
  EXPECT_EQ(ui.Talk(0).lines, (std::vector<std::string>{"  おめでとうございます。なお本雑誌では記念として",
                                                         "カラーページで「星の島」の特集を組みました、",
                                                         "今後も多く続くようにがんばって下さい。"}));
}

TEST_F(SerialMilestoneTest, OtherDeliveriesCelebrateNothing) {
  FirstEpisodeIn(0);
  Deliver();
  CelebrateSerialMilestone();
  g.MangaCount = 0;
  RunningSerial(0, 19);
  Deliver();
  CelebrateSerialMilestone();
  EXPECT_EQ(ui.ShownCount(form::kSerialMilestone), 0);
  EXPECT_TRUE(ui.Talks().empty());
}

TEST_F(SerialMilestoneTest, TheFiftiethAndHundredthHaveTheirOwnWords) {
  EXPECT_EQ(SerialMilestoneTalk("星の島", 50),
            (std::vector<std::string>{"  おめでとうございます。なお本雑誌では50回突破記念として",
                                      "カラーページで「星の島」の特集を組みました、",
                                      "ぜひ連載100回を目指してがんばってください。"}));
  EXPECT_EQ(SerialMilestoneTalk("星の島", 100),
            (std::vector<std::string>{"  おめでとうございます。なお本雑誌では100回突破記念として",
                                      "カラーページで「星の島」の大特集を組みました、",
                                      "今後も多く続くようにがんばって下さい。"}));
  EXPECT_TRUE(SerialMilestoneTalk("星の島", 10).empty());
}

}  // namespace
}  // namespace koratsu
