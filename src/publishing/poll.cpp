#include "publishing/poll.h"

#include "publishing/ranking_sort.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

void AnnouncePoll() {
  AddTalkLine("  今日は毎月恒例の漫画化人気投票の発表日です。");
  ui::ShowTalk("報告");
  ui::Show(form::kPoll, ui::Modal);
}

void HoldPoll() {
  GameState& g = State();
  Rnd();
  const long long artists = g.PollArtistCount.Index();
  for (long long i = 0; i < artists; ++i) g.PollVotes[i] = 0;
  g.PollArtist[0].Popularity = 5 * g.PlayerPopularity;
  if (g.PollArtist[0].Popularity >= 80) g.PollArtist[0].Popularity = 80;

  // Both numbers are drawn for every vote, counted or not.
  for (int n = 0; n < kPollVotes; ++n) {
    const long a = RndInt(static_cast<long>(artists));
    const long r = RndInt(100);
    if (r < g.PollArtist[a].Popularity) g.PollVotes[a] += 1;
  }

  g.PollCount = 0;
  for (long long i = 0; i < artists; ++i) {
    rec::PollRanking* place = Append(g.PollRanking, g.PollCount);
    if (!place) break;
    place->Votes = g.PollVotes[i];
    place->Artist = i;
  }
  // On equal votes the lower row stays ahead: the player wins every tie.
  SortRanking(g.PollRanking, g.PollCount, &rec::PollRanking::Votes);
}

std::vector<PollPlace> PollTopFive() {
  const GameState& g = State();
  std::vector<PollPlace> places;
  for (long long k = 0; k < kPollPlaces && k < g.PollCount.Index(); ++k) {
    const Value& a = g.PollRanking[k].Artist;
    const bool player = a == 0;
    places.push_back({player ? Join(g.PlayerSei, " ", g.PlayerMei) : g.PollArtist[a].Name.Str(),
                      Join(g.PollVotes[a], "票"), player});
  }
  return places;
}

}  // namespace koratsu
