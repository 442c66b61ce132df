#pragma once
// A new game on a main window of its own, under the Qt ui: where any window
// of the game can be loaded.

#include <gtest/gtest.h>

#include <memory>

#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"

namespace koratsu::testing {

class RunningGameTest : public ::testing::Test {
 protected:
  RunningGameTest() { EXPECT_TRUE(shell::ConfirmNewGame("漫画太郎", *main)); }
  ~RunningGameTest() override { main->Timer1->stop(); }

  FreshState state;
  QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

}  // namespace koratsu::testing
