#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "state/game_state.h"
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

TEST_F(GameOpsTest, UnloadAllFormsClosesChildWindowsInOrderAndLeavesTheOthers) {
  for (int form = 1; form <= 68; ++form) ui_.Show(form, ui::Modeless);
  ui_.Clear();

  UnloadAllForms();

  std::vector<int> unloaded;
  for (const UiEvent& e : ui_.Events())
    if (e.kind == UiEvent::Unload) unloaded.push_back(e.form);
  std::vector<int> expected;
  for (int form = 1; form <= 65; ++form)
    if (form != 36 && form != 54 && form != 63 && form != 64) expected.push_back(form);
  EXPECT_EQ(unloaded, expected);
  for (int form : {36, 54, 63, 64, 66, 67, 68}) EXPECT_TRUE(ui_.IsLoaded(form)) << form;
}

TEST_F(GameOpsTest, UnloadAllFormsLeavesWindowsThatAreNotOpen) {
  ui_.Show(4, ui::Modeless);
  ui_.Show(36, ui::Modeless);  // the tutorial guide
  ui_.Clear();
  UnloadAllForms();
  ASSERT_EQ(ui_.Events().size(), 1u);
  EXPECT_EQ(ui_.Events()[0].form, 4);
  EXPECT_TRUE(ui_.IsLoaded(36));
}

}  // namespace
}  // namespace koratsu
