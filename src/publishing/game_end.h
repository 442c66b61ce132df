#pragma once
// The two ends of a game: the game-over window (form::kGameOver), which
// tells why the career ended, and the ending (form::kEnding), which scrolls
// an epilogue after the fifth manga award. Both lead back to the title
// screen; nothing is saved.

#include <span>
#include <string>
#include <vector>

#include "state/value.h"

namespace koratsu {

// The game-over text's lines for GameOverCause: 0 a copied work found
// out, 1 a novel adapted without permission, 2 death from overwork. None
// for any other cause.
std::vector<std::string> GameOverLines(const Value& cause);

// The career ends for `cause` (as GameOverCause): the game-over window opens.
void EndCareer(int cause);

// The ending's epilogue, line by line.
std::span<const char* const> EndingLines();

// Where the epilogue starts in its viewport, and its height, in pixels.
constexpr int kEndingTextTop = 96;
constexpr int kEndingTextHeight = 161;

// One step of the ending's scroll: the text at `top` moves up a pixel.
// True once its bottom edge has passed the top of the viewport: the button
// may then close the window.
bool ScrollEnding(int& top, int height);

}  // namespace koratsu
