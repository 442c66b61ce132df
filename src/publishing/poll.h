#pragma once
// The readers' monthly poll of manga artists: announced on every 28th, held
// by the poll window (form::kPoll) as it opens. Row 0 of the artists is the
// player. The poll is a show: nothing but the player's weight outlives it.

#include <string>
#include <vector>

namespace koratsu {

constexpr int kPollVotes = 1001;
constexpr int kPollPlaces = 5;

// The poll day's news: the line in the conversation window, then the poll window.
void AnnouncePoll();

// Holds the poll: one discarded draw, the player's weight (5 for each point
// of popularity, at most 80), 1001 votes of two draws each (the artist, and
// whether his chance lets the vote count), then the ranking sorted.
void HoldPoll();

// One of the top five places as the poll window shows it.
struct PollPlace {
  std::string name;   // the player's full name on row 0
  std::string votes;  // "123票"
  bool player;        // shown in red
};
// Places 1 to 5 of the last poll (fewer when fewer artists took part).
std::vector<PollPlace> PollTopFive();

}  // namespace koratsu
