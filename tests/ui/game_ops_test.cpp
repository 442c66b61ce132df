#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "state/game_state.h"
#include "state/money.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::ScriptedUi;
using testing::UiEvent;

class GameOpsTest : public ::testing::Test {
 protected:
  GameState& g() { return fresh_.g(); }
  std::vector<int> Sounds() const {
    std::vector<int> out;
    for (const UiEvent& e : ui_.Events())
      if (e.kind == UiEvent::Sound) out.push_back(e.number);
    return out;
  }
  testing::FreshState fresh_;
  ScriptedUi ui_;
};

TEST_F(GameOpsTest, PlayKoukaonPlaysTheTwoEffectsUnlessSilenced) {
  g().Koukaon = 1;
  for (int kind : {0, 1, 2, -1, 5}) PlayKoukaon(kind);
  EXPECT_EQ(Sounds(), (std::vector<int>{0, 1}));

  ui_.Clear();
  g().Koukaon = Value();  // never chosen: the effects play
  PlayKoukaon(1);
  EXPECT_EQ(Sounds(), std::vector<int>{1});

  ui_.Clear();
  g().Koukaon = 2;
  PlayKoukaon(0);
  PlayKoukaon(1);
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(GameOpsTest, AddKingakuChangesMoneyUncheckedAndAsksBothWindowsToRedraw) {
  g().Kingaku = 12000;
  AddKingaku(0);
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, 1);
  EXPECT_EQ(g().FormSlot[form::kAssetRanking].Redraw, 1);

  AddKingaku(-20000);  // more than he has: the caller checks, not AddKingaku
  EXPECT_EQ(g().Kingaku, -8000);
  EXPECT_EQ(FormatKingaku(g().Kingaku), "-8000");

  AddKingaku(Value::Text("500"));  // added as a number, never joined
  EXPECT_TRUE(g().Kingaku.IsNumber());
  EXPECT_EQ(g().Kingaku, -7500);

  g().Kingaku = Value();
  AddKingaku(3900);
  EXPECT_EQ(g().Kingaku, 3900);
}

TEST_F(GameOpsTest, UnloadAllFormsClosesChildWindowsInOrderAndLeavesTheOthers) {
  for (int form : form::kAll) ui_.Show(form, ui::Modeless);
  ui_.Clear();

  UnloadAllForms();

  // Every window up to the training's progress closes, in number order, but
  // the tutorial guide, the magazine text, the featured article and the fan letter.
  const int kept[] = {form::kTutorialGuide, form::kMagazineText, form::kFeaturedArticle, form::kFanLetter,
                      form::kReturnsNotice, form::kBigGain,      form::kPostingAnimation};
  std::vector<int> unloaded;
  for (const UiEvent& e : ui_.Events())
    if (e.kind == UiEvent::Unload) unloaded.push_back(e.form);
  std::vector<int> expected;
  for (int form : form::kAll)
    if (std::find(std::begin(kept), std::end(kept), form) == std::end(kept)) expected.push_back(form);
  EXPECT_EQ(unloaded, expected);
  EXPECT_EQ(expected.back(), form::kTrainingProgress);
  for (int form : kept) EXPECT_TRUE(ui_.IsLoaded(form)) << form::Name(form);
}

TEST_F(GameOpsTest, UnloadAllFormsLeavesWindowsThatAreNotOpen) {
  ui_.Show(form::kInfoPanel, ui::Modeless);
  ui_.Show(form::kTutorialGuide, ui::Modeless);
  ui_.Clear();
  UnloadAllForms();
  ASSERT_EQ(ui_.Events().size(), 1u);
  EXPECT_EQ(ui_.Events()[0].form, form::kInfoPanel);
  EXPECT_TRUE(ui_.IsLoaded(form::kTutorialGuide));
}

}  // namespace
}  // namespace koratsu
