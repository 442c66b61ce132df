#pragma once
// The windows that hand a finished work to a magazine, offscreen: a running
// game with the class lists and the magazines, under the Qt ui.

#include <gtest/gtest.h>

#include <string>

#include "platform/form.h"
#include "production/work_record.h"
#include "qtsupport/window_testing.h"
#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"

namespace koratsu::testing {

class SubmissionWindowTest : public ::testing::Test {
 protected:
  SubmissionWindowTest() {
    g().GameActive = 1;
    AddClassLists();
    AddMagazines();
  }
  ~SubmissionWindowTest() override {
    platform::Forms().UnloadAll();
    SetRandomSource(nullptr);
  }
  GameState& g() { return state.g(); }

  long long AddWork(const std::string& title, int state) {
    const long long m = AppendMangaWork();
    g().MangaWork[m].Title = title;
    g().MangaWork[m].State = state;
    g().MangaClass[0][m] = 1;
    g().MangaClass[1][m] = 2;
    return m;
  }

  FreshState state;
  QtUiScope qt;
};

// The two finished works the pictures of these windows show waiting.
inline void AddWaitingWorks(GameState& g) {
  const char* titles[] = {"青空ストライカー", "月夜のパン屋"};
  const int classes[][2] = {{1, 4}, {3, 2}};
  for (int i = 0; i < 2; ++i) {
    const long long m = AppendMangaWork();
    g.MangaWork[m].Title = titles[i];
    g.MangaWork[m].State = manga_state::kUnsent;
    g.MangaClass[0][m] = classes[i][0];
    g.MangaClass[1][m] = classes[i][1];
  }
}

}  // namespace koratsu::testing
