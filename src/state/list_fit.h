#pragma once
// The fits the stretchable list windows share: the least height a window
// snaps to after the player resized it, and the scroll range of a list
// taller than its viewport.

#include <optional>

namespace koratsu {

// A window's height in twips after a resize: at or below `lowest` it
// becomes `snapped` (the archive snaps to its lowest height, the other
// lists to one twip above it).
double SnapListHeight(double twips, double lowest, double snapped);

// Half of n as a scroll bar takes a whole number: halves go to the even neighbour.
int HalfToEven(int n);

// A scroll bar's range over a list taller than its viewport: it scrolls 4
// pixels past the list's end, by half the list a page and by `step` pixels
// a step (by default half a page). None when the list fits, and the caller
// decides what that means for the range it has.
struct ScrollRange {
  int maximum, largeChange, smallChange;
};
std::optional<ScrollRange> ListScrollRange(int listHeight, int viewportHeight, std::optional<int> step = {});

}  // namespace koratsu
