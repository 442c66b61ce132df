#include "production/copying.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/borrowed_story_fixture.h"
#include "production/slots.h"
#include "support/save_bytes.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kBaseball = 0;  // fame 5, popularity 5

class CopyingTest : public BorrowedStoryTest {
 protected:
  CopyingTest() {
    ui::Show(form::kNewMangaChoice, ui::Modeless);
    ui::Show(form::kCopyManga, ui::Modeless);
    ui.Clear();
  }
};

TEST_F(CopyingTest, AnsweringNoDrawsOnceAndChangesNothing) {
  const std::string before = SavedBytes(g);
  random.ExpectRnd(0.5);
  ui.AnswerYesNo({7});
  EXPECT_FALSE(ConfirmCopy(kBaseball));
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"「ぼくらの野球」を本当に盗作しますか？"});
  EXPECT_TRUE(ui.IsLoaded(form::kCopyManga));
  EXPECT_TRUE(before == SavedBytes(g));
}

TEST_F(CopyingTest, ACopyIsPlacedAtOnceAndTheActivityGoesOn) {
  g.KoudouMode = 2;
  g.SigotoOn = 1;
  for (int copy = 0; copy < 2; ++copy) {  // the same manga, twice
    ui.Clear();
    ui::Show(form::kNewMangaChoice, ui::Modeless);
    ui::Show(form::kCopyManga, ui::Modeless);
    random.ExpectRnd(0.5);
    ScriptPlacing(5, 2, {0, 0, 0}, 49, {0, 0, 0});
    ui.AnswerYesNo({6});
    EXPECT_TRUE(ConfirmCopy(kBaseball));
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_EQ(Slot(copy).Source, 1);
    EXPECT_EQ(Slot(copy).Target, 215);
    EXPECT_EQ(g.SlotLabel[copy], "新しい漫画");
    EXPECT_EQ(g.SlotsInUse, copy + 1);
    EXPECT_FALSE(ui.IsLoaded(form::kCopyManga));
    EXPECT_FALSE(ui.IsLoaded(form::kNewMangaChoice));
    EXPECT_EQ(ui.ShownCount(form::kSchedule), 1);
  }
  EXPECT_EQ(g.KoudouMode, 2);
  EXPECT_EQ(g.SigotoOn, 1);
}

TEST_F(CopyingTest, ASerialsFirstEpisodeOpensNoSchedule) {
  g.FormSlot[form::kSettingsEditor].Mode = 2;
  random.ExpectRnd(0.5);
  ScriptPlacing(5, 2, {0, 0, 0}, 30, {0, 0, 0});
  ui.AnswerYesNo({6});
  EXPECT_TRUE(ConfirmCopy(kBaseball));
  EXPECT_EQ(g.SlotLabel[0], "連載漫画");
  EXPECT_EQ(Slot(0).Kind, 6);
  EXPECT_FALSE(ui.IsLoaded(form::kNewMangaChoice));
  EXPECT_EQ(ui.ShownCount(form::kSchedule), 0);
}

TEST_F(CopyingTest, WithSixWorksInProductionTheCopyIsRefusedBeforeAnyDraw) {
  FillAllSlots();
  const std::string before = SavedBytes(g);
  EXPECT_FALSE(ConfirmCopy(kBaseball));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kSixWorksMessage});
  EXPECT_TRUE(ui.Questions().empty());
  EXPECT_EQ(random.Drawn(), 0u);
  EXPECT_TRUE(ui.IsLoaded(form::kCopyManga));
  EXPECT_TRUE(before == SavedBytes(g));
}

}  // namespace
}  // namespace koratsu::testing
