#include "production/adaptation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/tick.h"
#include "production/borrowed_story_fixture.h"
#include "production/slots.h"
#include "publishing/novel_permission.h"
#include "support/save_bytes.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kDawn = 0;  // publisher 1, popularity 3
constexpr int kStars = 1;  // publisher 4, popularity 5

class AdaptationTest : public BorrowedStoryTest {
 protected:
  AdaptationTest() {
    // The chain as the player walks it: Form46, then the novel window.
    ui::Show(form::kNewMangaChoice, ui::Modeless);
    ui::Show(form::kNovelChoice, ui::Modeless);
    ui.Clear();
  }
  // The main window holds the talk, as the novel window asks it to.
  void HoldTalks() {
    ui.OnCall(form::kMDIForm1, kNovelPermissionTalkCall, [] { ChosenNovelPermissionTalk(); });
  }
  std::vector<int> Unloaded() const {
    std::vector<int> out;
    for (const UiEvent& e : ui.Events())
      if (e.kind == UiEvent::Unload) out.push_back(e.form);
    return out;
  }
};

TEST_F(AdaptationTest, AnsweringNoDrawsOnceAndChangesNothing) {
  const std::string before = SavedBytes(g);
  random.ExpectRnd(0.5);
  ui.AnswerYesNo({7});
  EXPECT_FALSE(ConfirmNovel(kDawn));
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"「夜明けの剣」を漫画にしますか？"});
  EXPECT_TRUE(Unloaded().empty());
  EXPECT_TRUE(before == SavedBytes(g));
}

TEST_F(AdaptationTest, ConfirmingClosesBothWindowsStopsTheActivityAndAsksTheNovelsPublisher) {
  g.KoudouMode = 2;
  g.SigotoOn = 1;
  g.NovelTalkState = 1;  // left by an earlier talk
  ui.Show(form::kWorking, ui::Modeless);
  ui.Clear();
  // The novel of publisher 4, who knows the player.
  g.PublisherYukou[4] = 2;
  Value talkState = -1;
  ui.OnCall(form::kMDIForm1, kNovelPermissionTalkCall, [&] {
    talkState = g.NovelTalkState;
    ChosenNovelPermissionTalk();
  });
  random.ExpectRnd(0.5).ExpectRnd(0.5).ExpectRnd(0.5);  // the window's, then the talk's two
  ScriptPlacing(5, 2, {0, 0, 0}, 30, {0, 0, 0});
  ui.AnswerYesNo({6});

  EXPECT_TRUE(ConfirmNovel(kStars));
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(g.ChosenNovel, kStars);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"白泉堂に、今から許可を取りに行きます。"});
  EXPECT_EQ(Unloaded(), (std::vector<int>{form::kNovelChoice, form::kNewMangaChoice, form::kWorking}));
  EXPECT_EQ(g.KoudouMode, 0);
  EXPECT_EQ(g.SigotoOn, 0);
  EXPECT_EQ(talkState, 0);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).lines.at(0), "どうも、いつも我が白泉堂がお世話になっております。");
  EXPECT_EQ(Slot(0).Source, 3);
}

TEST_F(AdaptationTest, AStrangerRefusesAndGivingUpMakesNothingForAnOwnWork) {
  HoldTalks();
  g.KoudouMode = 2;
  bool refusedWindowShown = false;
  ui.On(form::kNovelRefused, [&] {
    refusedWindowShown = true;
    GiveUpAdaptation();
  });
  random.Any(2);
  ui.AnswerYesNo({6});
  EXPECT_TRUE(ConfirmNovel(kDawn));
  EXPECT_TRUE(refusedWindowShown);
  EXPECT_EQ(BusySlots(), 0);
  EXPECT_EQ(g.KoudouMode, 0);
  EXPECT_EQ(ui.ShownCount(form::kNewMangaChoice), 0);
  EXPECT_EQ(ui.ShownCount(form::kSchedule), 0);
}

TEST_F(AdaptationTest, GivingUpAMagazinesWorkOpensTheChoiceAgain) {
  for (int mode : {1, 2}) {
    ui.Clear();
    g.FormSlot[form::kSettingsEditor].Mode = mode;
    ui.Show(form::kNovelRefused, ui::Modeless);
    GiveUpAdaptation();
    EXPECT_FALSE(ui.IsLoaded(form::kNovelRefused)) << mode;
    EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kNovelRefused, form::kNewMangaChoice})) << mode;
  }
  // Any other mode keeps the window open.
  g.FormSlot[form::kSettingsEditor].Mode = 3;
  ui.Show(form::kNovelRefused, ui::Modeless);
  GiveUpAdaptation();
  EXPECT_TRUE(ui.IsLoaded(form::kNovelRefused));
}

TEST_F(AdaptationTest, MakingItWithoutPermissionPlacesAnUnlicensedWork) {
  struct Case {
    int mode;
    const char* label;
    bool schedule;
  } cases[] = {{0, "漫画(許可なし小説)", true}, {1, "読切漫画(許可なし小説)", true}, {2, "連載漫画(許可なし小説)", false}};
  for (const Case& c : cases) {
    g.SlotKanseido[0] = 0;
    ui.Clear();
    g.FormSlot[form::kSettingsEditor].Mode = c.mode;
    g.ChosenNovel = kDawn;
    ui.Show(form::kNovelRefused, ui::Modeless);
    random.ExpectRnd(0.5);
    ScriptPlacing(3, 2, {0, 0, 0}, 30, {0, 0, 0});
    MakeWithoutPermission();
    EXPECT_EQ(random.Remaining(), 0u) << c.mode;
    EXPECT_EQ(Slot(0).Source, 2) << c.mode;
    EXPECT_EQ(g.SlotLabel[0], c.label);
    EXPECT_EQ(g.SlotsInUse, 1);
    EXPECT_FALSE(ui.IsLoaded(form::kNovelRefused));
    EXPECT_EQ(ui.ShownCount(form::kSchedule), c.schedule ? 1 : 0) << c.mode;
  }
}

TEST_F(AdaptationTest, WithSixWorksInProductionTheChoiceIsRefusedBeforeAnyDraw) {
  FillAllSlots();
  const std::string before = SavedBytes(g);
  EXPECT_FALSE(ConfirmNovel(kDawn));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kSixWorksMessage});
  EXPECT_TRUE(ui.Questions().empty());
  EXPECT_EQ(random.Drawn(), 0u);
  EXPECT_TRUE(Unloaded().empty());
  EXPECT_TRUE(before == SavedBytes(g));
}

// A one-shot requested by a magazine while the player is out: the outing is
// cut short, its window closes and it gives nothing.
TEST_F(AdaptationTest, ANovelChosenForARequestDuringAnOutingEndsTheOuting) {
  HoldTalks();
  g.FormSlot[form::kSettingsEditor].Mode = 1;
  g.KoudouMode = 1;
  g.KoudouMinutesLeft = 0;  // the outing would end at the next step
  g.MinutesPerStep = 10;
  ui.Show(form::kOutingProgress, ui::Modeless);
  g.PublisherYukou[1] = 1;
  random.Any(3);
  ScriptPlacing(3, 2, {0, 0, 0}, 30, {0, 0, 0});
  ui.AnswerYesNo({6});
  EXPECT_TRUE(ConfirmNovel(kDawn));
  EXPECT_FALSE(ui.IsLoaded(form::kOutingProgress));
  EXPECT_EQ(g.KoudouMode, 0);
  EXPECT_EQ(g.MinutesPerStep, 0);
  EXPECT_EQ(g.SlotLabel[0], "読切漫画(許可あり小説)");

  // The clock runs on: the outing's end never comes.
  for (int i = 0; i < 20; ++i) GameTick();
  EXPECT_EQ(ui.ShownCount(form::kPointsGained), 0);
  EXPECT_EQ(g.KoudouMinutesLeft, 0);
}

}  // namespace
}  // namespace koratsu::testing
