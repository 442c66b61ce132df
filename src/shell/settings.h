#pragma once
// The settings the player chooses in the settings menu.

namespace koratsu::shell {

// Applies the money style KingakuHyouzi (1 "1万0000", 2 "10,000") to
// KingakuComma and returns it, for the menu's check marks; any other value
// changes nothing and gives 0.
int ApplyKingakuHyouzi();

}  // namespace koratsu::shell
