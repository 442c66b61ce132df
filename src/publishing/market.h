#pragma once
// The two tables of the world that move every game hour: the asset
// ranking's people gain or lose a random amount while the player's row
// follows his money, and the comics table's rival series sell by their
// momentum while the player's series copy his works' totals.

namespace koratsu {

// Row 0 takes the player's money; every other row drifts by its unit times
// a draw, up or down, and never falls to 0 or below through a fall.
void DriftAssetRanking();

// The player's rows copy the copies and volumes of their works (so they lag
// an hour behind his sales, which come after); rival rows sell.
void SellComicsTable();

}  // namespace koratsu
