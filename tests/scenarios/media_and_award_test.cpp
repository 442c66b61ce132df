// A successful serial reaches other media: its comics go on sale and onto
// the market, a television anime is accepted and broadcast, a movie
// premieres. Then, with four publishers' awards already won, the fifth
// ceremony brings the ending: the game goes back to the title screen, the
// trophy room shows five trophies, and the tick that held the ceremony does
// nothing more.
//
// The serial and the events its deliveries queue are prepared directly: the
// clock, the handlers and the player's answers are the game's own.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clock/event_stand_in.h"
#include "production/work_record.h"
#include "publishing/awards.h"
#include "publishing/comics_release.h"
#include "publishing/media_offers.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/road_player.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomaka = 3;  // 千石船書房's weekly, comics at 390 yen
constexpr int kSenGokuBune = 1;  // its publisher, index 0 to 4

class MediaAndAwardTest : public ::testing::Test {
 protected:
  MediaAndAwardTest() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();
  }
  ~MediaAndAwardTest() override {
    SetRandomSource(nullptr);
    SetComputerClock(nullptr);
  }

  // A running serial of 週刊ちょこまか with a volume's worth of episodes.
  long long PrepareSerial() {
    const long long w = AppendMangaWork();
    rec::MangaWork& m = g.MangaWork[w];
    m.Title = "海の旅";
    m.State = manga_state::kSerialRunning;
    m.Magazine = kChokomaka;
    m.SerialEpisodes = 6;
    m.SerialTopCount = 8;
    m.Hyouka = 100;
    g.Magazine[kChokomaka].SerialRunning = 1;
    return w;
  }

  // Talks whose first line begins with `opening`.
  int TalksOpening(const std::string& opening) const {
    return static_cast<int>(std::count_if(ui.Talks().begin(), ui.Talks().end(), [&](const TalkRecord& t) {
      return !t.lines.empty() && t.lines.front().rfind(opening, 0) == 0;
    }));
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 10, 0, 0}, 1234.5};
  FixedRandom random{31};
  ScriptedUi ui;
  RecordingScreen screen;
  RoadPlayer player{ui, screen};
};

TEST_F(MediaAndAwardTest, ASerialReachesComicsAnimeAndMovieAndTheFifthAwardEndsTheGame) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  const long long serial = PrepareSerial();
  ASSERT_GE(serial, 0);
  // What the serial's deliveries queued: the release five days after the
  // comics offer, the movie and the anime offers. The premiere, 16 days
  // after tomorrow, comes before the anime's second broadcast.
  ASSERT_TRUE(QueueEditorEvent(event_code::kComicsRelease, 1, {.Target = serial}));
  ASSERT_TRUE(QueueEditorEvent(event_code::kMovieOffer, 1, {.MangaIndex = serial}));
  ASSERT_TRUE(QueueEditorEvent(event_code::kAnimeOffer, 3, {.MangaIndex = serial}));

  // The player closes the release notice and accepts both offers.
  ui.On(form::kComicsRelease, [] { CloseComicsRelease(); }).On(form::kMediaOffer, [] { AcceptMediaOffer(); });
  const long long rowsBefore = g.ComicCount.Index();
  const double popularity = g.PlayerPopularity.Num();

  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_TRUE(player.RunClockUntil([&] {
    g.Stamina = g.StaminaMax;  // the player keeps himself rested
    return (g.MangaWork[serial].AnimeEpisode >= 2 && g.MangaWork[serial].MovieDay >= 1) || g.GameActive != 1;
  }));
  ASSERT_EQ(g.GameActive, 1);
  const rec::MangaWork& w = g.MangaWork[serial];

  // The comics: one volume at the magazine's price, its print run told, and
  // the series on the market.
  EXPECT_EQ(w.Volumes, 1);
  EXPECT_EQ(g.ComicsVolume[serial][0].Price, Money::FromNumber(390));
  EXPECT_EQ(ui.ShownCount(form::kComicsRelease), 1);
  EXPECT_EQ(TalksOpening("  今回の初回発行部数は 15万0000冊です。"), 1);
  ASSERT_GE(g.ComicCount.Index(), rowsBefore + 1);
  long long marketRow = -1;
  for (long long r = 0; r < g.ComicCount.Index(); ++r)
    if (g.ComicEntry[r].MangaIndex == serial) marketRow = r;
  ASSERT_GE(marketRow, 0);
  EXPECT_EQ(g.ComicEntry[marketRow].Title, "海の旅");
  EXPECT_EQ(g.ComicEntry[marketRow].Author, "漫画太郎 ") << "the name, a blank and the empty given name";

  // The anime: accepted, broadcast twice on its weekday, the first praised.
  EXPECT_EQ(w.AnimeState, 1);
  EXPECT_EQ(w.AnimeEpisode, 2);
  EXPECT_EQ(w.AnimeRating, 16.6);
  EXPECT_EQ(TalksOpening("  今日、放送されました「海の旅」ですが、大好評"), 1);
  EXPECT_EQ(g.GameWeekday, w.AnimeWeekday) << "the clock stopped on the evening of the second broadcast";
  // The movie: accepted and premiered.
  EXPECT_EQ(w.MovieOn, 1);
  EXPECT_EQ(TalksOpening("  今日は映画「海の旅」の封切りです。"), 1);
  // The release, the anime and the movie: 0.5, 3 and 4; the comics' own
  // reprints and the afternoon features may add more meanwhile.
  EXPECT_GE(g.PlayerPopularity.Num(), popularity + 0.5 + 3 + 4);

  // Four awards won before; the fifth comes with an hour's sales, here at
  // 14:00, ahead of a release due at the same hour.
  const char* titles[] = {"空の旅", "星の島", "森の家", "雪の町"};
  const int magazines[] = {0, 4, 6, 7};  // the other four publishers' weeklies
  const int publishers[] = {0, 2, 3, 4};
  for (int k = 0; k < 4; ++k) {
    const long long won = AppendMangaWork();
    g.MangaWork[won].Title = titles[k];
    g.MangaWork[won].Magazine = magazines[k];
    g.MangaWork[won].Awarded = 1;
    g.Publisher[publishers[k]].AwardDone = 1;
    g.Publisher[publishers[k]].AwardNo = 10 + k;
  }
  EventStandIn sales(event_code::kFirst, [&](int) {
    MangaAwardCeremony(static_cast<int>(g.Magazine[kChokomaka].Publisher.Index()) - 1, serial);
  });
  g.EditorEvent[0] = {0, event_code::kFirst, {}, {}, {}, serial};
  g.EditorEvent[64] = {0, event_code::kComicsRelease, {}, {}, {}, serial};

  ui.Clear();
  std::vector<TrophyPanel> room;
  bool activeInRoom = true;
  double prize = 0;
  ui.On(form::kAward,
        [&] {
          const double before = g.Kingaku.Num();
          ReceiveAwardPrize();
          prize += g.Kingaku.Num() - before;
        })
      .On(form::kEnding, [&] { shell::ReturnToTitle(screen, form::kEnding); })
      .On(form::kTrophies, [&] {
        activeInRoom = g.GameActive == 1;
        const auto panels = FillTrophyRoom();
        room.assign(panels.begin(), panels.end());
      });
  const double money = g.Kingaku.Num();
  ASSERT_TRUE(player.RunClockUntil([&] { return g.GameActive != 1; }));

  std::vector<std::string> sequence;
  for (const UiEvent& e : ui.Events()) {
    if (e.kind == UiEvent::Talk) sequence.push_back(e.text);
    if (e.kind == UiEvent::Show) sequence.push_back(form::Name(e.form));
  }
  const std::vector<std::string> ceremony = {"担当 報告", "出版社 社長", "Form13", "出版社 社長", "司会の人",
                                             "担当 報告", "神の声",     "Form17", "Form12"};
  ASSERT_GE(sequence.size(), ceremony.size());
  EXPECT_EQ(std::vector<std::string>(sequence.end() - static_cast<long>(ceremony.size()), sequence.end()), ceremony)
      << "nothing after the trophy room";
  EXPECT_EQ(g.GameHour, 14);
  EXPECT_EQ(g.Publisher[kSenGokuBune].AwardDone, 1);
  EXPECT_EQ(prize, 80000000) << "paid once, on the award window's button";
  EXPECT_GE(g.Kingaku.Num(), money + 80000000) << "the hour's royalties come besides";
  EXPECT_FALSE(activeInRoom) << "the trophy room comes after the ending";
  ASSERT_EQ(room.size(), 5u);
  for (const TrophyPanel& panel : room) EXPECT_TRUE(panel.won) << panel.publisher;
  EXPECT_EQ(room[kSenGokuBune].title, "「海の旅」");
  EXPECT_EQ(g.CeremonyBusy, 0);

  // The title screen, and the rest of that tick never ran.
  EXPECT_EQ(screen.calls.back(), "status:" + std::string(shell::kTitleHint));
  EXPECT_FALSE(ui.ClockRunning());
  EXPECT_EQ(g.EditorEvent[64].Code, event_code::kComicsRelease);
  EXPECT_EQ(w.Volumes, 1);
}

}  // namespace
}  // namespace koratsu::testing
