// The scenarios' player against the real windows: each window it plays
// does, as it loads and closes, what the real window's kind does, and it
// plays no window that is not built.

#include <gtest/gtest.h>

#include <set>

#include "platform/form.h"
#include "qtsupport/running_game.h"
#include "support/window_play.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu {
namespace {

using WindowPlayTest = testing::RunningGameTest;

TEST_F(WindowPlayTest, PlaysEveryWindowItKnowsAsTheWindowsKindBehaves) {
  std::set<int> built;
  for (const platform::FormRegistration& r : platform::Registrations())
    if (r.accepted && r.form < testing::kFirstTestForm) built.insert(r.form);

  // The conversation window closes at once with nothing to say.
  AddTalkLine("  こんにちは。");
  for (const auto& [number, play] : testing::WindowTable()) {
    SCOPED_TRACE(form::Name(number));
    ASSERT_TRUE(built.count(number)) << "the player plays a window that is not built";
    platform::Form* window = platform::Forms().Load(number);
    ASSERT_NE(window, nullptr);
    const platform::FormTraits& traits = window->Traits();
    EXPECT_EQ(play.traits.pauseClock, traits.pauseClock);
    EXPECT_EQ(play.traits.resumeClockOnClose, traits.resumeClockOnUnload);
    EXPECT_EQ(play.traits.resumeRequestOnClose, traits.resumeRequestOnUnload);
    EXPECT_EQ(play.traits.trackOpen, traits.trackOpen);
    EXPECT_EQ(play.traits.servesRefresh, traits.servesRefresh);
    platform::Forms().Unload(number);
  }
}

}  // namespace
}  // namespace koratsu
