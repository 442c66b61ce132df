#pragma once
// The afternoon's popularity events: at 15:00 each work with comics volumes
// may be featured by a magazine, praised on the news or interviewed. A hit
// raises the sales rate of every volume of the work and shows a notice; an
// ended serial is featured less often, a better work more often.

namespace koratsu {

// Every work with volumes, in order, draws its event; the works are those
// there were when the pass began. Returns early once a notice ended the game.
void DrawPopularityEvents();

}  // namespace koratsu
