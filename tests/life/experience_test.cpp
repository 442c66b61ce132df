#include "life/experience.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

struct Caps {
  int stamina, tiPoint, garyoku, kyouyou, hassouryoku, tinou, souzouryoku;
  bool operator==(const Caps&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Caps& c) {
  return out << c.stamina << "/" << c.tiPoint << "/" << c.garyoku << "/" << c.kyouyou << "/" << c.hassouryoku
             << "/" << c.tinou << "/" << c.souzouryoku;
}

class ExperienceTest : public ::testing::Test {
 protected:
  ExperienceTest() : g(fresh.g()) {
    SetRandomSource(&random);
    g.Level = 1;
    g.Experience = 0;
    g.StaminaMax = 25;
    g.TiPointMax = 15;
    g.GaryokuMax = 20;
    g.KyouyouMax = 24;
    g.HassouryokuMax = 22;
    g.TinouMax = 24;
    g.SouzouryokuMax = 20;
    // The player reads each level-up window to its end.
    ui.On(form::kLevelUp, [this] {
      std::vector<std::string> lines;
      int presses = 1;
      for (long long i = 0; i < g.LevelUpLineCount.Index(); ++i) lines.push_back(g.LevelUpLines[i].Str());
      while (TurnLevelUpLine()) ++presses;
      EXPECT_EQ(presses, static_cast<int>(lines.size())) << "one press per line";
      CloseLevelUp();
      windows.push_back(lines);
      levels.push_back(g.Level.Num());
    });
  }

  Caps CapsNow() const {
    return {static_cast<int>(g.StaminaMax.Num()), static_cast<int>(g.TiPointMax.Num()),
            static_cast<int>(g.GaryokuMax.Num()), static_cast<int>(g.KyouyouMax.Num()),
            static_cast<int>(g.HassouryokuMax.Num()), static_cast<int>(g.TinouMax.Num()),
            static_cast<int>(g.SouzouryokuMax.Num())};
  }

  FreshState fresh;
  GameState& g;
  ScriptedUi ui;
  ScriptedRandom random;
  std::vector<std::vector<std::string>> windows;
  std::vector<double> levels;
};

TEST_F(ExperienceTest, EachKindDrawsItsGain) {
  struct Case {
    int kind;
    long range;
    int base;
  };
  const Case cases[] = {{0, 2, 3}, {1, 4, 22}, {2, 6, 24}, {3, 6, 7}, {4, 6, 2},
                        {5, 4, 4}, {6, 4, 4},  {7, 4, 4},  {8, 4, 4}};
  for (const Case& c : cases) {
    g.Experience = 0;
    random.Expect(c.range, c.range - 1);
    AddExperience(c.kind);
    EXPECT_EQ(g.ExperienceGain, c.base + c.range - 1) << "kind " << c.kind;
    EXPECT_EQ(g.Experience, c.base + c.range - 1) << "kind " << c.kind;
  }
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_TRUE(windows.empty()) << "29 at most: still level 1";
  EXPECT_EQ(g.Level, 1);
}

TEST_F(ExperienceTest, ReachingThirtyGivesLevelTwoWithThreeLines) {
  g.Experience = 29;
  g.FormSlot[form::kKnowledgeList].Redraw = 0;
  g.FormSlot[form::kInfoPanel].Redraw = 0;
  random.Expect(4, 0);
  AddExperience(1);

  EXPECT_EQ(g.Experience, 51);
  EXPECT_EQ(g.Level, 2);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0], (std::vector<std::string>{"  レベルが 2にアップしました。", "体力の最大が24になりました。",
                                                  "知識ﾎﾟｲﾝﾄの上限が25になりました。"}));
  EXPECT_EQ(CapsNow(), (Caps{24, 25, 20, 24, 22, 24, 20}));
  EXPECT_EQ(g.LevelUpLineCount, 0);
  EXPECT_EQ(g.FormSlot[form::kKnowledgeList].Redraw, 1);
  EXPECT_EQ(g.FormSlot[form::kInfoPanel].Redraw, 1);
}

TEST_F(ExperienceTest, ExperienceFarAheadTakesEveryStepInAscendingOrder) {
  g.Experience = 700;
  random.Expect(4, 0);
  AddExperience(1);

  EXPECT_EQ(g.Level, 10);
  EXPECT_EQ(levels, (std::vector<double>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
  ASSERT_EQ(windows.size(), 9u);
  for (size_t w = 0; w < windows.size(); ++w) {
    const int level = static_cast<int>(w) + 2;
    ASSERT_GE(windows[w].size(), 3u) << "level " << level;
    const bool levelLine = windows[w][0] == "  レベルが " + std::to_string(level) + "にアップしました。";
    EXPECT_EQ(levelLine, level <= 7) << "level " << level << ": " << windows[w][0];
  }
  EXPECT_EQ(windows[4].size(), 7u) << "level 6 tells the most";
  EXPECT_EQ(windows[8], (std::vector<std::string>{"画力ﾎﾟｲﾝﾄの上限が50になりました。", "発想力ﾎﾟｲﾝﾄの上限が50になりました。",
                                                  "教養ﾎﾟｲﾝﾄの上限が50になりました。"}));
  EXPECT_EQ(CapsNow(), (Caps{29, 60, 50, 50, 50, 37, 50}));
}

TEST_F(ExperienceTest, LevelByLevelTheCapsFollowTheirTable) {
  const Caps expected[] = {{24, 25, 20, 24, 22, 24, 20}, {24, 25, 26, 30, 22, 24, 28}, {27, 32, 26, 30, 28, 32, 28},
                           {27, 32, 34, 30, 32, 32, 35}, {27, 41, 38, 35, 34, 37, 37}, {29, 41, 38, 40, 38, 37, 37},
                           {29, 45, 41, 40, 38, 37, 44}, {29, 60, 50, 40, 38, 37, 50}, {29, 60, 50, 50, 50, 37, 50}};
  const int thresholds[] = {30, 80, 130, 170, 220, 275, 360, 500, 700};
  for (int step = 0; step < 9; ++step) {
    g.Experience = thresholds[step] - 2;  // the smallest gain of kind 0 reaches it
    random.Expect(2, 0);
    AddExperience(0);
    EXPECT_EQ(g.Level, step + 2);
    EXPECT_EQ(CapsNow(), expected[step]) << "level " << step + 2;
  }
  EXPECT_EQ(windows.size(), 9u);
}

TEST_F(ExperienceTest, AtLevelTenOnlyExperienceGrows) {
  g.Level = 10;
  g.Experience = 900;
  const Caps before = CapsNow();
  random.Expect(6, 5);
  AddExperience(3);
  EXPECT_EQ(g.Experience, 912);
  EXPECT_EQ(g.ExperienceGain, 12);
  EXPECT_EQ(g.Level, 10);
  EXPECT_EQ(CapsNow(), before);
  EXPECT_TRUE(windows.empty());
}

TEST_F(ExperienceTest, TheWindowsButtonClosesOnlyOnTheLastLine) {
  g.LevelUpLineCount = 2;
  EXPECT_TRUE(TurnLevelUpLine());
  EXPECT_EQ(g.LevelUpLineIndex, 1);
  EXPECT_FALSE(TurnLevelUpLine());
  EXPECT_EQ(g.LevelUpLineIndex, 1);
  CloseLevelUp();
  EXPECT_FALSE(TurnLevelUpLine()) << "nothing to show: it closes";
  EXPECT_EQ(g.LevelUpLineIndex, 0);
}

}  // namespace
}  // namespace koratsu::testing
