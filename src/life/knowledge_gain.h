#pragma once
// What an outing or a part-time job teaches: knowledge items rise by the
// activity's line of its gain table, and the rises become the rows that the
// points-gained window (Form27) applies.

#include <optional>
#include <span>

namespace koratsu {

// One line of an activity's table of knowledge gains.
struct KnowledgeGainRule {
  // The chance draw Int(Rnd × chanceRange) passes on 0 (one in n), or on
  // anything but 0 when `chanceOnZero` is false.
  long chanceRange;
  bool chanceOnZero;
  // Any item may rise, or only those whose id is in `items` (none when empty).
  bool everyItem;
  std::span<const int> items;
  // A small gain is Int(Rnd × gainRange) + gainBase.
  long gainRange;
  int gainBase;
};

// The gain of a big rise, one in ten of the rises.
constexpr int kBigKnowledgeGain = 10;

// What an activity taught, as rows for the points-gained window. The rows are
// readied first: every row empty with no gain, row 0 saying that nothing rose
// (the count is left as it is: the window sets it back to 0 as it closes).
// Then every knowledge item below the cap, in table order, may rise by
// `rule`: such an item draws its chance, then a rising one its size and,
// unless the rise is big, its small gain; a big rise is announced by the
// big-gain notice (Form67) before the next item is looked at. Rows are
// appended while fewer than ten are filled; items past that still draw
// their chance. Without a rule (an activity outside its table) nothing rises.
void KnowledgeGains(const std::optional<KnowledgeGainRule>& rule);

}  // namespace koratsu
