#pragma once
// A rookie contest: an own work is posted to a magazine (form::kContestPost),
// its envelope travels to the publisher (form::kPostingAnimation), and at the
// fourth noon after posting the magazine judges it: a copy or an unlicensed
// novel may be found out and end the game; otherwise its quality against the
// magazine's standard wins a prize or is rejected.

#include "state/value.h"

namespace koratsu {

// The posting window's opening: the tutorial moves on from its step 10 and
// the works list is rebuilt. The window then selects the first magazine and
// the first work.
void OpenContestPost();

// The posting window's 送る. With no work to send the player is told so;
// otherwise he is asked, and on yes the selected work is posted to the
// selected magazine, the window closes and the envelope travels. True when
// the work was posted.
bool PostSelectedWork();

// The envelope's trip, in pixels of its window: it starts at kEnvelopeLeft
// and moves kEnvelopeStep at each 100 ms tick until it has reached
// kEnvelopeArrival.
constexpr int kEnvelopeLeft = 16;
constexpr int kEnvelopeTop = 30;
constexpr int kEnvelopeStep = 10;
constexpr int kEnvelopeArrival = 232;
constexpr int kEnvelopeInterval = 100;  // milliseconds

// One tick of the envelope: it moves on; true once it has arrived (the
// tutorial moves on from step 11), and its window closes.
bool MoveEnvelope(int& left);

// What a contest gives a work.
enum class ContestPrize { Rejected = 0, Grand = 1, Second = 2, Mention = 3 };

// The prize a work of quality `hyouka` wins against a magazine's standard.
ContestPrize JudgeHyouka(const Value& hyouka, const Value& standard);
// The money of a prize, from the magazine's prize money.
Value PrizeMoney(ContestPrize prize, const Value& magazinePrize);

// Noon: every posted work counts down, and the contest entries due today
// are judged, each with its notices. Returns at once when a found-out work
// has ended the game.
void JudgeContestEntries();

}  // namespace koratsu
