// The manga award ceremony, the trophy recount and the trophy room's panels.

#include "publishing/awards.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using Lines = std::vector<std::string>;
using testing::UiEvent;

const char* const kPublishers[] = {"大洋社", "千石船書房", "月光出版", "ひかり書店", "青空館"};

// The scripted player, noting whose portrait each conversation shows.
class CeremonyUi : public testing::ScriptedUi {
 public:
  void ShowTalk(const std::string& caption) override {
    speakers.push_back(State().TalkSpeaker.Index());
    ScriptedUi::ShowTalk(caption);
  }
  std::vector<long long> speakers;
};

class AwardsTest : public ::testing::Test {
 protected:
  AwardsTest() : g(fresh.g()) {
    SetRandomSource(&random);
    g.GameActive = 1;
    g.PlayerSei = "漫画";
    g.PlayerMei = "太郎";
    g.Kingaku = 1000;
    // Work p is a serial of magazine p + 1, whose publisher is p + 1.
    g.MangaCount = 5;
    for (int p = 0; p < 5; ++p) {
      g.Publisher[p].Name = kPublishers[p];
      g.Magazine[p + 1].Publisher = p + 1;
      g.MangaWork[p].Magazine = p + 1;
      g.MangaWork[p].Title = std::string("作品") + std::to_string(p);
    }
    ui.On(form::kAward, [] { ReceiveAwardPrize(); });
  }
  ~AwardsTest() override { SetRandomSource(nullptr); }

  // Publisher p's award as an earlier ceremony left it.
  void WonBefore(int p, int edition) {
    g.Publisher[p].AwardDone = 1;
    g.Publisher[p].AwardNo = edition;
    g.MangaWork[p].Awarded = 1;
  }

  // The conversations' captions and the windows, in the order they came.
  std::vector<std::string> Sequence() const {
    std::vector<std::string> sequence;
    for (const UiEvent& e : ui.Events()) {
      if (e.kind == UiEvent::Talk) sequence.push_back(e.text);
      if (e.kind == UiEvent::Show) sequence.push_back(form::Name(e.form));
    }
    return sequence;
  }

  testing::FreshState fresh;
  GameState& g;
  CeremonyUi ui;
  testing::ScriptedRandom random;
};

TEST_F(AwardsTest, TheCeremonyTalksPaysTheShownPrizeOnceAndEndsInTheTrophyRoom) {
  random.ExpectRnd(0.9).Expect(20, 5);
  std::vector<TrophyPanel> room;
  ui.On(form::kTrophies, [&] {
    const auto panels = FillTrophyRoom();
    room.assign(panels.begin(), panels.end());
  });
  MangaAwardCeremony(1, 1);

  EXPECT_EQ(Sequence(), (std::vector<std::string>{"担当 報告", "出版社 社長", "Form13", "出版社 社長", "司会の人",
                                                  "担当 報告", "Form12"}));
  EXPECT_EQ(ui.speakers, (std::vector<long long>{0, 1, 1, 0, 0}));
  EXPECT_EQ(ui.Talk(0).lines, (Lines{"  こんにちは朗報です。実は昨日、第15回 千石船書房漫画賞の発表がありまして",
                                     "なんと「作品1」が受賞したんですよ。",
                                     "今から授賞式を行いますので出版社に来てください。"}));
  EXPECT_EQ(ui.Talk(1).lines, (Lines{"  えーこれから第15回 千石船書房漫画賞の表彰を行います。",
                                     "今回の受賞作品は漫画 太郎先生の「作品1」です。",
                                     "漫画先生には受賞ﾄﾛﾌｨｰと賞金が送られます。"}));
  EXPECT_EQ(ui.Talk(2).lines, (Lines{"  我が社の看板ともなった漫画先生には",
                                     "ぜひともこの先すばらしい漫画を描き続けてもらいたいものです。"}));
  EXPECT_EQ(ui.Talk(3).lines, (Lines{"  では、これにて表彰式を終了させたいと思います。",
                                     "忙しいところ皆さん集まっていただきありがとうございました。"}));
  EXPECT_EQ(ui.Talk(4).lines, (Lines{"  よかったですね。各界から祝福の花束も届いています。",
                                     "新聞や雑誌などでも紹介されました。今後もがんばってください。"}));
  EXPECT_EQ(ui.ControlText(form::kAward, "Label2(0)"), "千石船書房");
  EXPECT_EQ(ui.ControlText(form::kAward, "Label2(1)"), "作品1");

  EXPECT_EQ(g.Kingaku, 1000 + 80000000);
  EXPECT_EQ(g.Publisher[1].AwardDone, 1);
  EXPECT_EQ(g.Publisher[1].AwardNo, 15);
  EXPECT_EQ(g.MangaWork[1].Awarded, 1);
  EXPECT_EQ(g.CeremonyBusy, 0);
  EXPECT_EQ(g.PublisherTorofi[1], 1);
  ASSERT_EQ(room.size(), 5u);
  EXPECT_EQ(room[1].award, "第15回 千石船書房漫画賞受賞");
  EXPECT_EQ(room[1].title, "「作品1」");
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(AwardsTest, ACallForAPublisherAlreadyDoneDrawsOnceAndShowsNothing) {
  WonBefore(2, 12);
  random.ExpectRnd(0.1);
  MangaAwardCeremony(2, 2);
  EXPECT_TRUE(ui.Events().empty());
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(g.Publisher[2].AwardNo, 12);
  EXPECT_EQ(g.Kingaku, 1000);
}

TEST_F(AwardsTest, ACallDuringACeremonyShowsNothingAndLeavesThatAwardWinnable) {
  random.ExpectRnd(0.5).Expect(20, 0);
  bool busyInside = false;
  ui.On(form::kAward, [&] {
    // An hour of sales passes while the prize window is open.
    random.ExpectRnd(0.5);
    const std::size_t before = ui.Events().size();
    MangaAwardCeremony(3, 3);
    busyInside = g.CeremonyBusy == 1 && ui.Events().size() == before;
    ReceiveAwardPrize();
  });
  MangaAwardCeremony(0, 0);
  EXPECT_TRUE(busyInside);
  EXPECT_EQ(g.Publisher[3].AwardDone, 0);
  EXPECT_EQ(g.Publisher[3].AwardNo, 0);
  EXPECT_EQ(g.MangaWork[3].Awarded, 0);
  EXPECT_EQ(g.Kingaku, 1000 + 80000000);
  EXPECT_EQ(g.CeremonyBusy, 0);

  // At a later hour it is won.
  ui.On(form::kAward, [] { ReceiveAwardPrize(); });
  random.ExpectRnd(0.5).Expect(20, 19);
  MangaAwardCeremony(3, 3);
  EXPECT_EQ(g.Publisher[3].AwardNo, 29);
  EXPECT_EQ(g.Kingaku, 1000 + 2 * 80000000);
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(AwardsTest, TheFifthTrophyBringsTheVoiceAndTheEndingBeforeTheTrophyRoom) {
  for (int p = 0; p < 4; ++p) WonBefore(p, 10 + p);
  random.ExpectRnd(0.5).Expect(20, 3);
  ui.On(form::kEnding, [&] { g.GameActive = 0; });
  MangaAwardCeremony(4, 4);
  EXPECT_EQ(Sequence(), (std::vector<std::string>{"担当 報告", "出版社 社長", "Form13", "出版社 社長", "司会の人",
                                                  "担当 報告", "神の声", "Form17", "Form12"}));
  EXPECT_EQ(ui.Talk(5).lines, (Lines{"  おめでとうございます、このﾄﾛﾌｨｰであなたはすべての出版社から",
                                     "漫画賞をもらえました。これからエンディングがはじまります。"}));
  for (int p = 0; p < 5; ++p) EXPECT_EQ(g.PublisherTorofi[p], 1) << p;
  EXPECT_EQ(g.CeremonyBusy, 0);
}

TEST_F(AwardsTest, TheRecountCountsThePublishersWhoseAwardWasWon) {
  EXPECT_EQ(RecountTrophies(), 0);
  WonBefore(0, 20);
  WonBefore(3, 11);
  g.PublisherTorofi[2] = 1;  // a stale mark
  EXPECT_EQ(RecountTrophies(), 2);
  EXPECT_EQ(g.PublisherTorofi[2], 0);
}

TEST_F(AwardsTest, TheTrophyRoomShowsEveryPublisherAndTheAwardsWon) {
  auto panels = FillTrophyRoom();
  for (int p = 0; p < 5; ++p) {
    const TrophyPanel& panel = panels[static_cast<size_t>(p)];
    EXPECT_EQ(panel.publisher, kPublishers[p]);
    EXPECT_EQ(panel.award, "なし");
    EXPECT_EQ(panel.title, "なし");
    EXPECT_FALSE(panel.won);
  }

  WonBefore(1, 23);
  WonBefore(4, 10);
  // A later work of the same publisher prized too: the room names the last.
  g.MangaCount = 6;
  g.MangaWork[5].Magazine = 2;
  g.MangaWork[5].Title = "後の作品";
  g.MangaWork[5].Awarded = 1;
  panels = FillTrophyRoom();
  EXPECT_EQ(panels[1].award, "第23回 千石船書房漫画賞受賞");
  EXPECT_EQ(panels[1].title, "「後の作品」");
  EXPECT_TRUE(panels[1].won);
  EXPECT_EQ(panels[4].award, "第10回 青空館漫画賞受賞");
  EXPECT_EQ(panels[4].title, "「作品4」");
  EXPECT_EQ(panels[0].award, "なし");
  for (int p = 0; p < 5; ++p) EXPECT_EQ(g.PublisherTorofi[p], p == 1 || p == 4 ? 1 : 0) << p;
}

}  // namespace
}  // namespace koratsu
