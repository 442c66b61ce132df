#pragma once
// The points-gained window (Form27): at an activity's end the clock leaves
// rows of gains (ResultLine); the window shows them and moves them, a point
// per row every step of its timer, into the knowledge points (mode 0) or the
// abilities (any other FormParam(27)). Closing it applies what is left.
// The window and the tests' scripted player call these alike.

#include <string>

#include "state/game_state.h"
#include "state/value.h"

namespace koratsu {

// The abilities by their number in an ability row: 0 画力, 1 教養, 2 発想力,
// 3 知能, 4 創造力, each with its cap.
struct Ability {
  const char* name;
  Value GameState::*value;
  Value GameState::*cap;
};
// None for a number outside the five.
const Ability* AbilityOf(const Value& field);

// The timer's steps that pass before the first point moves.
constexpr int kPointsGainedWait = 4;

// One row as the window shows it.
struct PointsGainedRow {
  std::string name;  // the knowledge item's or the ability's name
  std::string gain;  // what is still to come: "+3"
  Value value, cap;  // where the field stands, against its cap
};

bool PointsGainedKnowledgeMode();
std::string PointsGainedCaption();
std::string PointsGainedHeadline();
// The rows in use, at most the record's eleven.
int PointsGainedRowCount();
PointsGainedRow DescribePointsGainedRow(int row);

// The window's loading: the panels are asked to redraw and, for knowledge,
// the points are copied into the working copy that the window raises.
void LoadPointsGained();
// One step of the window's timer: after the wait, every row with points
// left moves one into its field (never past the cap) with the rising sound.
void PointsGainedStep();
// The window's closing: every row's rest at once, capped and silent; the
// knowledge points are written back and the rows are used up.
void ClosePointsGained();

}  // namespace koratsu
