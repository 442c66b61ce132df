#pragma once
// The four settings the player chooses in the settings menu: the game speed,
// the sound effects, the money display and the tool style. Each lives in the
// game state and is saved with the game; the main window shows it as the
// check marks of its entries.

namespace koratsu::shell {

enum class Setting { GameSpeed, Koukaon, KingakuHyouzi, ToolStyle };

// A settings entry: stores `value` and applies the setting to the main window.
void ChooseSetting(Setting setting, int value);

// Applies the money style KingakuHyouzi (1 "1万0000", 2 "10,000") to
// KingakuComma and returns it, for the menu's check marks; any other value
// changes nothing and gives 0.
int ApplyKingakuHyouzi();

// The checked sound entry for Koukaon: 1 "鳴らす", 2 "鳴らさない"; 0 for any
// other value, which changes no check mark.
int KoukaonChoice();

// True for the docked toolbar (ToolStyle 0 or empty), false for the floating
// tool window.
bool ToolStyleDocked();

// Shows the speed, the sound and the money settings of the state in the
// menus. A value that is no setting at all (empty, say) shows the value a
// new world starts with: normal speed, sound on, money in groups of four
// digits; the state keeps its own value.
void ShowSettings();
// The same for the money display alone.
void ShowKingakuSetting();

}  // namespace koratsu::shell
