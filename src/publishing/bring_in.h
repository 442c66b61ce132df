#pragma once
// Bringing a finished own work to a magazine's editors in person
// (form::kBringIn): the same two lists as posting, then the editors' review
// at once. The review may find out a copy or an unlicensed novel and end the
// game, refuse the work (a single chance: it is never listed again) or adopt
// it with the magazine's whole prize money as its fee.

namespace koratsu {

// The editors' fixed bar: a work scoring this or more is always adopted.
inline constexpr double kBringInThreshold = 34.1 / 10 * 8;

// The window's opening: the works list is rebuilt. The window then selects
// the first magazine and the first work.
void OpenBringIn();

// The window's 持込む. With no work to bring the player is told so;
// otherwise he is asked, and on yes the selected work goes to the selected
// magazine, the window closes and the review runs. True when the work was
// brought in.
bool BringInSelectedWork();

// The review of work MotikomuManga, while MotikomuTalkState is 0 (the
// greeting first) or 1. Draws, in order: a discarded number, the copy test,
// the unlicensed-novel test (unless the copy ended the game), the verdict
// and the wording of the refusal or the adoption.
void MotikomuReview();

}  // namespace koratsu
