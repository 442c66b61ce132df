#pragma once
// KoudouMode: the activity the player is busy with. Time passes only while
// one runs.

namespace koratsu::koudou_mode {

constexpr int kNone = 0;
constexpr int kOuting = 1;
constexpr int kWork = 2;  // manga work, the one activity without a fixed length
constexpr int kArubaito = 3;
constexpr int kSyugyou = 4;

}  // namespace koratsu::koudou_mode
