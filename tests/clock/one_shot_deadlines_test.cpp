// Requested one-shots at 22:00 of their deadline day: one more day, then
// the request is taken back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "life/activity.h"
#include "production/naming.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kRequestedOneShot = 3;

const std::vector<std::string> kTakenBack = {
    "  せっかく〆切を伸ばしたのに、完成しませんでしたね・・・",
    "もう、他の先生に頼んだので結構です、〆切を守らないと信用がなくなりますので",
    "今後は気をつけてください。",
};

std::vector<std::string> OneMoreDay(const std::string& publisher) {
  return {"  今日が〆切の" + publisher + "の読切原稿ですが、まだ完成していませんね。",
          "なんとか明日まで〆切を延ばせますので、明日までには完成させてください。",
          "明日がギリギリなのでくれぐれも気をつけてください。"};
}

class OneShotDeadlinesTest : public ClockTest {
 protected:
  OneShotDeadlinesTest() {
    for (const char* publisher : {"大風呂敷出版", "鳩笛出版"}) {
      rec::Magazine* magazine = Append(g.Magazine, g.MagazineCount);
      magazine->PublisherName = publisher;
      magazine->Yukou = 2;
    }
    g.SigotoPoint = 30;
    g.GameHour = 21;
  }

  // A requested one-shot for magazine row `magazine` in slot s, due today.
  void PlaceRequest(int s, int magazine, double progress = 40, double points = 0) {
    PlaceWork(s, progress, 100, points, kRequestedOneShot);
    g.ProductionSlot[s].DaysLeft = 0;
    g.ProductionSlot[s].Magazine = magazine;
    g.Magazine[magazine].RequestState = 1;
  }

  void RunUntil(int day, int hour) {
    for (int events = 0; !(g.GameDay == day && g.GameHour == hour) && events < 5000; ++events) TimerEvent();
  }
};

TEST_F(OneShotDeadlinesTest, AnUnfinishedOneShotGetsOneMoreDayThenIsTakenBack) {
  PlaceWork(0, 5, 1000, 10);  // an own work, no deadline
  g.ProductionSlot[0].DaysLeft = -1;
  PlaceRequest(2, 0, 40, 20);  // 2 pages an hour: still short of 100 the next night
  StartWork();
  ui::Show(form::kWorking, ui::Modeless);

  RunHour();
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines, OneMoreDay("大風呂敷出版"));
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_FALSE(ui::IsLoaded(form::kWorking));
  EXPECT_EQ(g.ProductionSlot[2].Extension, 1);
  EXPECT_EQ(g.ProductionSlot[2].DaysLeft, 1);

  StartWork();
  RunUntil(6, 1);
  EXPECT_EQ(g.ProductionSlot[2].DaysLeft, 0);
  RunUntil(6, 22);
  ASSERT_EQ(ui.Talks().size(), 2u);
  EXPECT_EQ(ui.Talk(1).lines, kTakenBack);
  EXPECT_EQ(g.SlotKanseido[2], 0) << "the slot is free";
  EXPECT_EQ(g.ProductionSlot[2].SigotoPoint, 0);
  EXPECT_EQ(g.SigotoPointLeft, 20) << "its points are free again";
  EXPECT_EQ(g.FormSlot[form::kCompletion].Rebuild, 1);
  EXPECT_EQ(g.FormSlot[form::kArchive].Rebuild, 1);
  EXPECT_EQ(g.Magazine[0].RequestState, 1) << "the request state stays";
  EXPECT_EQ(g.Magazine[0].Yukou, 2);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kWork) << "the work goes on";
  EXPECT_GT(g.SlotKanseido[0], 5);
}

TEST_F(OneShotDeadlinesTest, OneFinishedInTheTwentySecondHoursProgressGetsNoTalk) {
  PlaceRequest(1, 0, 95, 60);
  ui.On(form::kWorkTitle, [] {
    ASSERT_EQ(NameFinishedWork("ぎりぎりの原稿"), TitleOutcome::Recorded);
    ui::Unload(form::kWorkTitle);
    SendNamedWorkOn();
  });
  StartWork();
  RunHour();
  EXPECT_EQ(g.GameHour, 22);
  EXPECT_EQ(g.MangaCount, 1);
  EXPECT_EQ(ui.ShownCount(form::kDelivery), 1);
  EXPECT_TRUE(ui.Talks().empty());
}

TEST_F(OneShotDeadlinesTest, TwoDueOnOneDayTalkOnceEachInSlotOrder) {
  PlaceRequest(4, 1);
  PlaceRequest(1, 0);
  g.ProductionSlot[1].Extension = 1;
  PlaceRequest(3, 0);
  g.ProductionSlot[3].DaysLeft = 1;  // due tomorrow
  StartWork();
  RunHour();
  ASSERT_EQ(ui.Talks().size(), 2u);
  EXPECT_EQ(ui.Talk(0).lines, kTakenBack);
  EXPECT_EQ(ui.Talk(1).lines, OneMoreDay("鳩笛出版"));
  EXPECT_EQ(g.SlotKanseido[1], 0);
  EXPECT_EQ(g.ProductionSlot[4].Extension, 1);
  EXPECT_EQ(g.ProductionSlot[3].Extension, 0);
}

TEST_F(OneShotDeadlinesTest, AnOutingRunningAtTheFirstTalkEndsWithNothing) {
  PlaceRequest(0, 1);
  g.Kingaku = 3000;
  g.KoudouMode = koudou_mode::kOuting;
  g.KoudouMinutesTotal = 90;
  g.KoudouMinutesLeft = 90;
  SetMinutesPerStep(90);
  ui::Show(form::kOutingProgress, ui::Modeless);
  RunHour();
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_FALSE(ui::IsLoaded(form::kOutingProgress));

  for (int i = 0; i < 20; ++i) TimerEvent();
  EXPECT_EQ(g.GameHour, 22) << "time stands";
  EXPECT_EQ(ui.ShownCount(form::kPointsGained), 0);
  EXPECT_EQ(g.Kingaku, 3000);
}

}  // namespace
}  // namespace koratsu::testing
