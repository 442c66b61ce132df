#pragma once
// The about box's hidden sequence and the tricks it unlocks.

namespace koratsu::shell {

// Presses on the about box's picture: kAboutGate left presses, then
// kAboutOtherPresses presses of any other button, then left presses up to
// kAboutFinal.
constexpr int kAboutGate = 4;
constexpr int kAboutOtherPresses = 2;
constexpr int kAboutFinal = 7;
static_assert(kAboutFinal > kAboutGate);

// Resets the counters (the box has just opened).
void StartAboutSequence();
// Counts one press on the picture; true when it completes the sequence. A
// press out of turn spoils the sequence until the box is opened again.
bool PressAboutPicture(bool leftButton);

// Every knowledge item of the world gets 99 points, above the usual cap.
void FillKnowledgePoints();

}  // namespace koratsu::shell
