#pragma once
// The days of a work's anime and movie: the countdowns to a broadcast and
// to a premiere, and the days of a movie's run.

namespace koratsu {

// The anime's countdown: run out with the anime on the air, the evening's
// broadcast is queued (20:00). Once the anime has ended, none comes.
void CountDownAnime(long long work);

// A movie's day: its countdown, run out, starts the run (day 1) and queues
// the premiere (11:00); a running movie counts days 1 to 21; the day after
// the 21st the counter reaches 22, stays there, and the end of the run is
// told once, that day.
void CountDownMovie(long long work);

}  // namespace koratsu
