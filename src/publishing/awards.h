#pragma once
// A publisher's manga award: the ceremony with its talks, the prize window,
// the trophy recount and the trophy room; the fifth trophy brings the ending.

#include <array>
#include <string>

namespace koratsu {

// Publisher 0 to 4 gives work `work` its award, once per publisher and never
// while another ceremony runs.
void MangaAwardCeremony(int publisher, long long work);

// The prize the award window shows, paid on its button.
constexpr double kAwardPrize = 80000000;
void ReceiveAwardPrize();

// PublisherTorofi rebuilt from the saved awards; how many trophies are held.
int RecountTrophies();

// One publisher's panel in the trophy room.
struct TrophyPanel {
  std::string publisher;  // Label1
  std::string award;      // Label2: "第n回 …漫画賞受賞", or "なし"
  std::string title;      // Label4: "「title」" of the prized work, or "なし"
  bool won = false;       // the panel shows the won trophy's picture
};

// The trophy room's five panels, as it fills them when it opens; it also
// rebuilds PublisherTorofi.
std::array<TrophyPanel, 5> FillTrophyRoom();

}  // namespace koratsu
