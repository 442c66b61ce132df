// The end of an outing: its knowledge gains.

#include <array>
#include <optional>
#include <span>

#include "life/activity.h"
#include "life/knowledge_gain.h"
#include "life/outing.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// What an outing teaches. Most outings let listed items rise, by the
// sub-choice made in the outing dialog; a few list theirs for any
// sub-choice, and a walk or a book may raise anything.
struct OutingLine {
  long chanceRange;
  bool chanceOnZero;
  long gainRange;
  int gainBase;
  bool everyItem;
  std::span<const int> anyChoice;
  std::array<std::span<const int>, 7> byChoice;  // by SanpoChoice 1 to 6
};

constexpr int kBaseball[] = {55, 69}, kSoccer[] = {70, 62}, kGolf[] = {49}, kRacing[] = {40},
              kWrestling[] = {16}, kKungFu[] = {29};
constexpr int kGambling[] = {23, 22}, kGames[] = {31, 65};
constexpr int kSf[] = {36, 71}, kPeriod[] = {33, 66, 67, 68, 59}, kFighting[] = {14, 15, 16},
              kRomance[] = {54, 76, 77, 78, 79};
constexpr int kCarFactory[] = {40, 72}, kTvStation[] = {25, 68}, kExchange[] = {8, 56}, kRailway[] = {0, 1};
constexpr int kEdoMuseum[] = {33, 66, 67, 68}, kDinosaurMuseum[] = {35, 37};
constexpr int kKonbini[] = {75}, kSupermarket[] = {17}, kDepartmentStore[] = {17, 8, 56};

// By SanpoKind 1 to 10.
const OutingLine kOutings[] = {
    {40, true, 2, 1, true, {}, {}},                                                                  // 散歩する
    {8, true, 3, 2, true, {}, {}},                                                                   // 本を買って読む
    {2, false, 3, 2, false, {}, {{{}, kBaseball, kSoccer, kGolf, kRacing, kWrestling, kKungFu}}},    // 観戦に行く
    {2, false, 3, 2, false, kGambling, {}},                                                          // パチンコに行く
    {2, false, 3, 2, false, {}, {{{}, kSf, kPeriod, kFighting, kRomance}}},                          // 映画を見に行く
    {2, false, 3, 2, false, {}, {{{}, kCarFactory, kTvStation, kExchange, kRailway}}},               // 社会科見学へ行く
    {2, false, 3, 2, false, kGames, {}},                                                             // ゲームセンターへ行く
    {2, false, 3, 2, false, kGambling, {}},                                                          // 競馬へ行く
    {2, false, 3, 3, false, {}, {{{}, kEdoMuseum, kDinosaurMuseum, kRailway}}},                      // 博物館に行く
    {2, false, 3, 2, false, {}, {{{}, kKonbini, kSupermarket, kDepartmentStore}}},                   // 買い物に行く
};

// The rule of an outing and its sub-choice; none for a kind outside the table.
std::optional<KnowledgeGainRule> OutingRule(const Value& kind, const Value& choice) {
  for (int k = 1; k <= static_cast<int>(std::size(kOutings)); ++k) {
    if (kind != k) continue;
    const OutingLine& line = kOutings[k - 1];
    std::span<const int> items = line.anyChoice;
    if (items.empty()) {
      for (int c = 1; c < static_cast<int>(line.byChoice.size()); ++c)
        if (choice == c) items = line.byChoice[static_cast<size_t>(c)];
    }
    return KnowledgeGainRule{line.chanceRange, line.chanceOnZero, line.everyItem, items, line.gainRange,
                             line.gainBase};
  }
  return std::nullopt;
}

}  // namespace

void EndOuting() {
  if (!ActivityTimeUp(koudou_mode::kOuting)) return;
  GameState& g = State();
  KnowledgeGains(OutingRule(g.SanpoKind, g.SanpoChoice));
  StopTimedActivity(form::kOutingProgress);
  // The window opens also when nothing rose, and says so.
  g.FormSlot[form::kPointsGained].Param = 0;
  ui::Show(form::kPointsGained, ui::Modal);
}

}  // namespace koratsu
