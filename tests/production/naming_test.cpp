#include "production/naming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "clock/phases.h"
#include "production/slots.h"
#include "production/work_record.h"
#include "state/catalogues.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

const char kEmptyTitle[] = "漫画の題名を決めてください。";
const char kTakenTitle[] = "すでにその名前の漫画を描いていますので他の名前にしてください";

// A game at the clock with a work finished in slot 2, and another work in
// production in slot 0.
class NamingTest : public ClockTest {
 protected:
  NamingTest() {
    g.GameYear = 1971;
    g.SigotoPoint = 20;
    AddClassLists();
    PlaceWork(0, 40, 150, 5);
    FinishWork(2, 0);
  }

  void FinishWork(int s, int kind) {
    PlaceWork(s, 160.5, 160, 15, kind);
    rec::ProductionSlot& slot = g.ProductionSlot[s];
    slot.Magazine = 4;
    slot.Quality = 41.5;
    slot.Source = 0;
    g.SlotLabel[s] = kind == 3 ? "出版社依頼の読切漫画" : "新しい漫画";
    g.FinishedSlot = s;
  }

  // The player in the title window: the window's load, the title typed, 決定.
  TitleOutcome Name(const std::string& title) {
    WorkTitleLoaded();
    TitleOutcome outcome = NameFinishedWork(title);
    if (outcome == TitleOutcome::Refused) return outcome;
    WorkTitleClosed();
    if (outcome == TitleOutcome::Recorded) SendNamedWorkOn();
    return outcome;
  }
};

TEST_F(NamingTest, EmptyAndTakenTitlesAreRefusedAndNothingElseIs) {
  struct Case {
    const char* title;
    const char* refusal;
  };
  const Case cases[] = {
      {"", kEmptyTitle}, {"Manga", kTakenTitle}, {"   ", nullptr}, {"manga", nullptr},
      {"Ｍａｎｇａ", nullptr}, {"Manga ", nullptr}, {"ﾏﾝｶﾞ", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("title \"") + c.title + "\"");
    ui.Clear();
    g.MangaCount = 2;
    g.MangaWork[0].Title = "マンガ";
    g.MangaWork[1].Title = "Manga";
    g.MangaWork[2].Title = Value();
    FinishWork(2, 0);
    EXPECT_EQ(NameFinishedWork(c.title), c.refusal ? TitleOutcome::Refused : TitleOutcome::Recorded);
    if (c.refusal) {
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.refusal});
      EXPECT_EQ(g.MangaCount, 2);
      EXPECT_EQ(g.SlotKanseido[2], 160.5);
      EXPECT_EQ(g.ProductionSlot[2].SigotoPoint, 15);
    } else {
      EXPECT_TRUE(ui.Messages().empty());
      EXPECT_EQ(g.MangaCount, 3);
      EXPECT_EQ(g.MangaWork[2].Title.Str(), c.title);
    }
  }
}

TEST_F(NamingTest, ARequestedOneShotGoesStraightToItsDelivery) {
  FinishWork(2, 3);
  g.FormSlot[form::kDelivery].Mode = 1;
  EXPECT_EQ(Name("依頼の読切"), TitleOutcome::Recorded);

  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.State, manga_state::kRequestDelivered);
  EXPECT_EQ(work.Requested, 1);
  EXPECT_EQ(work.RequestMagazine, 4);
  EXPECT_EQ(work.Hyouka, 41.5);
  EXPECT_EQ(work.Date.Str(), "71/04/05");
  EXPECT_EQ(g.FormSlot[form::kDelivery].Mode, 0);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kDelivery});
  EXPECT_EQ(g.SlotKanseido[2], 0);
  EXPECT_EQ(g.ProductionSlot[2].Magazine, 4) << "the freed slot keeps its magazine";
}

TEST_F(NamingTest, TheClassificationAndThePlannedSettingsGoWithTheRecord) {
  rec::ProductionSlot& slot = g.ProductionSlot[2];
  const int classes[] = {1, 3, 2, 0};
  for (int column = 0; column < 4; ++column) slot.Class[column] = classes[column];
  g.ClassList[3].Point[0] = 7;
  for (int k = 0; k < 3; ++k) g.NewMangaSetting[k].Used = k == 1 ? 0 : 1;
  Name("分類");

  const Value expectedPoint =
      g.ClassList[0].Point[1] + g.ClassList[1].Point[3] + g.ClassList[2].Point[2] + Value(7);
  EXPECT_EQ(g.MangaWork[0].ClassPoint, expectedPoint);
  EXPECT_GT(expectedPoint, 7);
  for (int column = 0; column < 4; ++column) EXPECT_EQ(g.MangaClass[column][0], classes[column]);
  EXPECT_EQ(g.MangaWork[0].SettingUsed[0], 1);
  EXPECT_EQ(g.MangaWork[0].SettingUsed[1], 0);
  EXPECT_EQ(g.FormSlot[form::kCompletion].Rebuild, 1);
  EXPECT_EQ(g.FormSlot[form::kArchive].Rebuild, 1);
}

TEST_F(NamingTest, TwoWorksFinishingInOneHourAreNamedInSlotOrder) {
  g.SlotKanseido[2] = 0;
  StartWork();
  PlaceWork(1, 99.9, 100, 5);
  PlaceWork(4, 49.8, 50, 10);
  g.ProductionSlot[1].Quality = 11;
  g.ProductionSlot[4].Quality = 44;
  std::vector<std::string> titles = {"一作目", "二作目"};
  ui.On(form::kWorkTitle, [&] {
    EXPECT_EQ(Name(titles.front()), TitleOutcome::Recorded);
    titles.erase(titles.begin());
  });
  g.GameHour = 11;
  g.GameMinute = 30;
  g.TicksPerStep = 1;
  TimerEvent();

  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kWorkTitle, form::kFinishedWork, form::kWorkTitle,
                                          form::kFinishedWork}));
  ASSERT_EQ(g.MangaCount, 2);
  EXPECT_EQ(g.MangaWork[0].Title.Str(), "一作目");
  EXPECT_EQ(g.MangaWork[0].Hyouka, 11);
  EXPECT_EQ(g.MangaWork[1].Title.Str(), "二作目");
  EXPECT_EQ(g.MangaWork[1].Hyouka, 44);
  EXPECT_EQ(g.SlotsInUse, 1) << "slot 0 is still in production";
  EXPECT_EQ(g.SigotoPointLeft, 15);
}

TEST_F(NamingTest, AFullWorksTableLeavesTheWorkInItsSlot) {
  g.MangaCount = kMangaWorkCapacity;
  EXPECT_EQ(Name("記録なし"), TitleOutcome::NoRoom);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kWorksTableFullMessage});
  EXPECT_EQ(g.MangaCount, kMangaWorkCapacity);
  EXPECT_EQ(g.SlotKanseido[2], 160.5);
  EXPECT_EQ(g.ProductionSlot[2].SigotoPoint, 15);
  EXPECT_EQ(ui.ShownCount(form::kFinishedWork), 0);
  EXPECT_EQ(g.SlotsInUse, 2);
}

TEST_F(NamingTest, TheTitleWindowMovesTheTutorialOnFromItsOwnStage) {
  for (int stage : {7, 8, 9}) {
    g.TutorialStage = stage;
    g.TutorialStageLoaded = 1;
    WorkTitleLoaded();
    EXPECT_EQ(g.TutorialStage, stage == 8 ? 9 : stage);
    EXPECT_EQ(g.TutorialStageLoaded, stage == 8 ? 0 : 1);
  }
}

TEST(FinishedWorkTest, PostingAndBringingInOpenTheirWindowsAndNotNowNothing) {
  FreshState fresh;
  ScriptedUi ui;
  SendFinishedWork(0);
  SendFinishedWork(1);
  SendFinishedWork(3);
  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kContestPost, form::kBringIn}));
  for (const UiEvent& e : ui.Events()) EXPECT_EQ(e.number, ui::Modal);
}

}  // namespace
}  // namespace koratsu::testing
