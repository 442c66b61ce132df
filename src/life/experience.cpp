#include "life/experience.h"

#include <iterator>
#include <string>

#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// Experience gained: Int(Rnd × range) + base, by kind.
struct Gain {
  long range;
  int base;
};
constexpr Gain kGains[] = {{2, 3}, {4, 22}, {6, 24}, {6, 7}, {6, 2}, {4, 4}, {4, 4}, {4, 4}, {4, 4}};

// One raised cap: its line in the window and the new value (set, not added).
struct CapChange {
  const char* line;
  Value GameState::*cap;
  int value;
};

// A step lists up to six changes; the unused ones have no line.
struct LevelStep {
  int from;
  int threshold;
  CapChange changes[6];
};

// The three highest levels are told by their caps alone.
constexpr int kLastLevelWithItsLine = 7;

const LevelStep kSteps[] = {
    {1, 30, {{"体力の最大が24になりました。", &GameState::StaminaMax, 24},
             {"知識ﾎﾟｲﾝﾄの上限が25になりました。", &GameState::TiPointMax, 25}}},
    {2, 80, {{"画力ﾎﾟｲﾝﾄの上限が26になりました。", &GameState::GaryokuMax, 26},
             {"創造力ﾎﾟｲﾝﾄの上限が28になりました。", &GameState::SouzouryokuMax, 28},
             {"教養ﾎﾟｲﾝﾄの上限が30になりました。", &GameState::KyouyouMax, 30}}},
    {3, 130, {{"知識ﾎﾟｲﾝﾄの上限が32になりました。", &GameState::TiPointMax, 32},
              {"体力の最大が27になりました。", &GameState::StaminaMax, 27},
              {"発想力ﾎﾟｲﾝﾄの上限が28になりました。", &GameState::HassouryokuMax, 28},
              {"知能ﾎﾟｲﾝﾄの上限が32になりました。", &GameState::TinouMax, 32}}},
    {4, 170, {{"発想力ﾎﾟｲﾝﾄの上限が32になりました。", &GameState::HassouryokuMax, 32},
              {"画力ﾎﾟｲﾝﾄの上限が34になりました。", &GameState::GaryokuMax, 34},
              {"創造力ﾎﾟｲﾝﾄの上限が35になりました。", &GameState::SouzouryokuMax, 35}}},
    {5, 220, {{"知識ﾎﾟｲﾝﾄの上限が41になりました。", &GameState::TiPointMax, 41},
              {"発想力ﾎﾟｲﾝﾄの上限が34になりました。", &GameState::HassouryokuMax, 34},
              {"知能ﾎﾟｲﾝﾄの上限が37になりました。", &GameState::TinouMax, 37},
              {"創造力ﾎﾟｲﾝﾄの上限が37になりました。", &GameState::SouzouryokuMax, 37},
              {"画力ﾎﾟｲﾝﾄの上限が38になりました。", &GameState::GaryokuMax, 38},
              {"教養ﾎﾟｲﾝﾄの上限が35になりました。", &GameState::KyouyouMax, 35}}},
    {6, 275, {{"体力の最大が29になりました。", &GameState::StaminaMax, 29},
              {"発想力ﾎﾟｲﾝﾄの上限が38になりました。", &GameState::HassouryokuMax, 38},
              {"教養ﾎﾟｲﾝﾄの上限が40になりました。", &GameState::KyouyouMax, 40}}},
    {7, 360, {{"知識ﾎﾟｲﾝﾄの上限が45になりました。", &GameState::TiPointMax, 45},
              {"画力ﾎﾟｲﾝﾄの上限が41になりました。", &GameState::GaryokuMax, 41},
              {"創造力ﾎﾟｲﾝﾄの上限が44になりました。", &GameState::SouzouryokuMax, 44}}},
    {8, 500, {{"知識ﾎﾟｲﾝﾄの上限が60になりました。", &GameState::TiPointMax, 60},
              {"画力ﾎﾟｲﾝﾄの上限が50になりました。", &GameState::GaryokuMax, 50},
              {"創造力ﾎﾟｲﾝﾄの上限が50になりました。", &GameState::SouzouryokuMax, 50}}},
    // Drawing's cap is told again here, though level 9 already set it.
    {9, 700, {{"画力ﾎﾟｲﾝﾄの上限が50になりました。", &GameState::GaryokuMax, 50},
              {"発想力ﾎﾟｲﾝﾄの上限が50になりました。", &GameState::HassouryokuMax, 50},
              {"教養ﾎﾟｲﾝﾄの上限が50になりました。", &GameState::KyouyouMax, 50}}},
};

void TakeStep(const LevelStep& step) {
  GameState& g = State();
  // Each window tells its own level only, whatever an earlier window left.
  CloseLevelUp();
  g.Level += 1;
  if (g.Level <= kLastLevelWithItsLine) AddLevelUpLine("  レベルが " + g.Level.Str() + "にアップしました。");
  for (const CapChange& change : step.changes) {
    if (!change.line) break;
    AddLevelUpLine(change.line);
    g.*change.cap = change.value;
  }
  ui::Show(form::kLevelUp, ui::Modal);
}

}  // namespace

void AddExperience(const Value& kind) {
  GameState& g = State();
  bool known = false;
  for (int k = 0; k < static_cast<int>(std::size(kGains)); ++k) {
    if (kind != k) continue;
    g.ExperienceGain = RndInt(kGains[k].range) + kGains[k].base;
    known = true;
  }
  if (known) {
    g.Experience += g.ExperienceGain;
  } else {
    LogLine("AddExperience: no experience for kind " + kind.Str());
  }

  for (const LevelStep& step : kSteps)
    if (g.Level == step.from && g.Experience >= step.threshold) TakeStep(step);

  g.FormSlot[form::kKnowledgeList].Redraw = 1;
  g.FormSlot[form::kInfoPanel].Redraw = 1;
}

bool TurnLevelUpLine() {
  GameState& g = State();
  if (g.LevelUpLineIndex.Index() >= g.LevelUpLineCount.Index() - 1) return false;
  g.LevelUpLineIndex += 1;
  return true;
}

void CloseLevelUp() {
  GameState& g = State();
  g.LevelUpLineIndex = 0;
  g.LevelUpLineCount = 0;
}

}  // namespace koratsu
