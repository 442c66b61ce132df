#pragma once
// A new game's road played through the rules: the computer's clock fixed at
// a Friday, 10:00, a seeded generator, the scripted ui, a recording main
// window, and the road's player, who posts to 週刊ちょこまか.

#include <gtest/gtest.h>

#include <vector>

#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/road_player.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"

namespace koratsu::testing {

class RoadScenario : public ::testing::Test {
 protected:
  static constexpr int kFilmStudio = 5;
  static constexpr int kChokomaka = 3;            // 千石船書房's weekly, standard 200, deadline on Tuesdays
  static constexpr double kKnowledgeNeeded = 36;  // points of the three best items together
  static constexpr int kMostJobs = 8;
  static constexpr int kTiPointCap = 15;

  RoadScenario() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();
    player.sendButton = 0;  // 出版社に送る
    player.magazineRow = kChokomaka;
  }
  ~RoadScenario() override {
    SetRandomSource(nullptr);
    SetComputerClock(nullptr);
  }

  double BestKnowledgePoints() const {
    double points = 0;
    for (int item : player.BestKnowledge(3)) points += g.KnowledgeItem[item].Point.Num();
    return points;
  }

  // Jobs at the film studio until the three best items hold enough points; the number of jobs.
  int WorkJobsUntilKnowing() {
    int jobs = 0;
    while (BestKnowledgePoints() < kKnowledgeNeeded && jobs < kMostJobs && g.GameActive == 1) {
      player.DoArubaito(kFilmStudio);
      ++jobs;
    }
    return jobs;
  }

  // The new own story from the three best items, every point of each.
  bool PlanFromBestKnowledge() {
    std::vector<RoadPlayer::Setting> settings;
    for (int item : player.BestKnowledge(3)) settings.push_back({item, kTiPointCap});
    return player.PlanWork(settings, 1, 1);
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 10, 0, 0}, 1234.5};
  FixedRandom random{54};
  ScriptedUi ui;
  RecordingScreen screen;
  RoadPlayer player{ui, screen};
};

}  // namespace koratsu::testing
