#pragma once
// The editors' news about requested one-shots and running serials, each the
// handler of one code of the editor-event queue. The queue's scan calls it
// with the due entry's index, already freed; its fields still hold what was
// queued. The editor speaks in the conversation window, captioned
// "担当 報告".

namespace koratsu {

// Code 2, noon: the verdict on a delivered requested one-shot. A quality of
// at least the magazine's standard / 8 is accepted (relations, debut, talk,
// the fee notice, then 200,000 yen, state 10 and request state 2); anything
// less is refused (talk, state 11, request state 0).
void OneShotVerdict(int entry);

// Code 4, 18:00: a serial episode's deadline. A finished episode goes to the
// delivery window in its serial mode. An unfinished one stops the activity
// and, by the misses so far: gets one more day, moves to the magazine's next
// regular deadline, or the serial is cancelled and its slot freed.
void SerialDeadline(int entry);

// Code 5, noon: the offer to collect the serial into a comics volume; its
// release is queued five days on.
void ComicsOffer(int entry);

// Code 6, noon: the serial's next episode is its last.
void LastEpisodeWarning(int entry);

// Codes 7 to 9, 15:00: the readers' reaction to a new serial. Only the
// first (very popular) does more than talk: the player's popularity rises
// by 1.5.
void VeryPopularReaction(int entry);
void NotPopularReaction(int entry);
void FairReaction(int entry);

}  // namespace koratsu
