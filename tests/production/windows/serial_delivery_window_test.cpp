// The delivery window in its serial mode: the wide layout with the points
// panel while the serial goes on, the compact one for its final episode,
// and 送る booking the plan before the milestone follows.

#include "production/windows/delivery_window.h"

#include <gtest/gtest.h>

#include "platform/twips.h"
#include "production/serial_fixture.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::LeftMouse;

class SerialDeliveryWindowTest : public testing::SerialTest {
 protected:
  ~SerialDeliveryWindowTest() override { platform::Forms().UnloadAll(); }

  Form18* Open() {
    g.FormSlot[form::kDelivery].Mode = 1;
    ExpectDeliveryDraws();
    return platform::Forms().Load<Form18>(form::kDelivery);
  }
};

TEST_F(SerialDeliveryWindowTest, AGoingSerialShowsThePointsPanelAndSendsThePlan) {
  const long long m = RunningSerial(2, 6);
  Form18* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("連載漫画を送る"));
  EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("完成した連載漫画「星の島」第7話を週刊ヤングイカリへ送ります。"));
  EXPECT_EQ(window->size(), QSize(platform::Px(4005), platform::Px(3015)));
  EXPECT_FALSE(window->Picture3->isHidden());
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("警察官"));
  EXPECT_EQ(window->Label1[3]->text(), QStringLiteral("なし"));
  for (platform::Shape* shape : window->Shape1) EXPECT_EQ(shape->FillColor(), 0xFF8000u);
  EXPECT_EQ(window->Picture1->geometry().right() + 1, window->Shape1[0]->geometry().right() + 1);
  EXPECT_LT(window->Picture3->geometry().bottom(), window->Command1->geometry().top());

  // Two more points for 漫画家, through the window's timer.
  LeftMouse(window->Picture3->Image4[1], QEvent::MouseButtonPress);
  window->Timer1_Timer();
  window->Timer1_Timer();
  LeftMouse(window->Picture3->Image4[1], QEvent::MouseButtonRelease);
  EXPECT_EQ(window->Picture3->Label8[1]->text(), QStringLiteral("5"));

  random.ExpectRnd(0.5).Expect(3, 0).Expect(12, 4);
  g.ResumeRequest = 0;
  window->Command1->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kDelivery));
  EXPECT_EQ(g.MangaWork[m].SerialSettingPoints[1], 6);
  EXPECT_EQ(g.KnowledgeItem[2].Point, 7);
  EXPECT_EQ(g.ResumeRequest, 1);
  for (int form : {form::kCompletion, form::kArchive, form::kKnowledgeList}) EXPECT_EQ(g.FormSlot[form].Rebuild, 1);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(ui.ShownCount(form::kSerialMilestone), 0);
}

TEST_F(SerialDeliveryWindowTest, TheFinalEpisodeIsCompactAndBooksNothing) {
  const long long m = RunningSerial(0, 12);
  g.MangaWork[m].SerialLowCount = 4;
  Form18* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("連載漫画を送る"));
  EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("完成した連載漫画「星の島」最終回を週刊ヤングイカリへ送ります。"));
  EXPECT_TRUE(window->Picture3->isHidden());
  EXPECT_EQ(window->size(), QSize(platform::Px(2895), platform::Px(1785)));
  // A hold left over from elsewhere moves nothing here.
  g.PointRepeat = 1;
  window->Timer1_Timer();
  window->Command1->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kDelivery));
  EXPECT_EQ(g.MangaWork[m].Hyouka, 40);
  EXPECT_EQ(g.MangaWork[m].SerialSettingPoints[0], 6);
  EXPECT_EQ(g.KnowledgeItem[1].Point, 7);
  EXPECT_EQ(random.Remaining(), 0u) << "no rating";
}

TEST_F(SerialDeliveryWindowTest, TheTenthEpisodesNoticeComesOnceTheWindowHasGone) {
  RunningSerial(0, 9);
  bool deliveryStillOpen = true;
  ui.On(form::kSerialMilestone, [&] { deliveryStillOpen = platform::Forms().IsLoaded(form::kDelivery); });
  Form18* window = Open();
  ASSERT_NE(window, nullptr);
  random.Any(3);
  window->Command1->click();
  EXPECT_EQ(ui.ShownCount(form::kSerialMilestone), 1);
  EXPECT_FALSE(deliveryStillOpen);
}

// Not a test: a serial's fourth episode delivered, the points panel under
// its text, for the documentation (delivery).
TEST(SerialDeliveryWindowScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"delivery"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  GameState& g = State();
  constexpr int kChokomaka = 3;
  constexpr int kDetective = 14, kPolice = 7;  // 探偵物 and 警察官
  g.KnowledgeItem[kDetective].Point = 11;
  g.KnowledgeItem[kPolice].Point = 6;
  g.MangaCount = 1;
  rec::MangaWork& work = g.MangaWork[0];
  work.Title = "夜明けの探偵";
  work.State = 7;
  work.Magazine = kChokomaka;
  work.SerialEpisodes = 3;
  work.SerialFee = 240000;
  work.SerialRank = 4;
  work.SettingItem[0] = kDetective;
  work.SettingItem[1] = kPolice;
  work.SettingItem[2] = -1;
  for (int k = 0; k < 3; ++k) work.SerialSettingPoints[k] = 8;
  g.SlotKanseido[0] = 172;
  g.SlotLabel[0] = "夜明けの探偵";
  rec::ProductionSlot& slot = g.ProductionSlot[0];
  slot.Kind = 6;
  slot.Magazine = kChokomaka;
  slot.Target = 160;
  slot.Episode = 3;
  slot.MangaIndex = 0;
  g.SerialSlot = 0;
  g.FormSlot[form::kDelivery].Mode = 1;
  shot.TakeOverModal(form::kDelivery, scene.main, [](platform::Form& form) {
    auto& window = static_cast<Form18&>(form);
    window.Picture3->Image4[0]->MouseDown();
    for (int tick = 0; tick < 4; ++tick) window.Timer1_Timer();
    window.Picture3->Image4[0]->MouseUp();
    window.Command1->setFocus();
  });
}

}  // namespace
}  // namespace koratsu
