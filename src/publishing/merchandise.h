#pragma once
// Merchandise offers: a running or ended serial may be asked for goods of
// five kinds (4, the bank's mascot, only while its anime is on the air).

namespace koratsu {

constexpr int kMerchandiseKinds = 5;
constexpr int kBankMascot = 4;

// The day's draw for work `work`: the kind, then the chance (1 in 50, or in
// 100 for the bank, twice as long without the anime on the air). A hit on a
// serial (state 7 or 8) whose kind was never accepted queues an offer for
// 14:00 that keeps its own work and kind.
void DrawMerchandiseOffer(long long work);

}  // namespace koratsu
