#pragma once
// Fan letters: at 14:00, after the rivals' day, each serial of the player,
// running or ended, may bring a letter (form::kFanLetter).

namespace koratsu {

// One draw per work in record order, every work drawing whatever its state;
// a hit on a serial shows its letter.
void FanLetterDraws();

}  // namespace koratsu
