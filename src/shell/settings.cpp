#include "shell/settings.h"

#include "shell/clock_timer.h"
#include "state/game_state.h"
#include "ui/ui.h"

namespace koratsu::shell {

namespace {

// Applies `setting` to the menus; when it holds no valid value, applies
// `fallback` instead and puts the state's own values back afterwards.
void ShowSetting(Value& setting, bool valid, int fallback, void (*apply)(), Value* derived = nullptr) {
  if (valid) {
    apply();
    return;
  }
  Value own = setting;
  Value ownDerived = derived ? *derived : Value();
  setting = fallback;
  apply();
  setting = own;
  if (derived) *derived = ownDerived;
}

}  // namespace

void ChooseSetting(Setting setting, int value) {
  GameState& g = State();
  switch (setting) {
    case Setting::GameSpeed:
      g.GameSpeed = value;
      ui::GameSpeedChange();
      break;
    case Setting::Koukaon:
      g.Koukaon = value;
      ui::ChangeKoukaon();
      break;
    case Setting::KingakuHyouzi:
      g.KingakuHyouzi = value;
      ui::ChangeKingaku();
      break;
    case Setting::ToolStyle:
      g.ToolStyle = value;
      ui::ChangeToolStyle();
      break;
  }
}

int ApplyKingakuHyouzi() {
  GameState& g = State();
  if (g.KingakuHyouzi == 1) {
    g.KingakuComma = 0;
    return 1;
  }
  if (g.KingakuHyouzi == 2) {
    g.KingakuComma = 1;
    return 2;
  }
  return 0;
}

int KoukaonChoice() {
  const GameState& g = State();
  if (g.Koukaon == 1) return 1;
  if (g.Koukaon == 2) return 2;
  return 0;
}

bool ToolStyleDocked() { return State().ToolStyle == 0; }

void ShowSettings() {
  GameState& g = State();
  ShowSetting(g.GameSpeed, ClockInterval(g.GameSpeed).has_value(), 2, &ui::GameSpeedChange);
  ShowSetting(g.Koukaon, KoukaonChoice() != 0, 1, &ui::ChangeKoukaon);
  ShowKingakuSetting();
}

void ShowKingakuSetting() {
  GameState& g = State();
  bool valid = g.KingakuHyouzi == 1 || g.KingakuHyouzi == 2;
  ShowSetting(g.KingakuHyouzi, valid, 1, &ui::ChangeKingaku, &g.KingakuComma);
}

}  // namespace koratsu::shell
