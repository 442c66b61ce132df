// The player's request to end a serial: which serials the list offers, the
// editor's question and the reply window's answer.

#include "publishing/end_serial.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using Lines = std::vector<std::string>;

class EndSerialTest : public ::testing::Test {
 protected:
  EndSerialTest() : g(fresh.g()) { g.GameActive = 1; }

  // A serial's episode in production in slot s, `delivered` episodes after
  // its start, its record at row m.
  void Serial(int s, const char* title, int delivered, int m) {
    g.SlotKanseido[s] = 30;
    g.SlotLabel[s] = title;
    g.ProductionSlot[s].Kind = 6;
    g.ProductionSlot[s].Episode = delivered;
    g.ProductionSlot[s].MangaIndex = m;
  }

  // The reply window answers: 1 end the serial, 0 let it run.
  void Answer(int answer) {
    ui.On(form::kRequestReply, [this, answer] {
      modes.push_back(static_cast<int>(g.FormSlot[form::kRequestReply].Mode.Index()));
      g.EndSerialAnswer = answer;
    });
  }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
  std::vector<int> modes;
};

TEST_F(EndSerialTest, TheListHoldsRunningSerialsPastTheirFirstEpisodeInSlotOrder) {
  Serial(4, "星の島", 12, 0);
  Serial(1, "海の旅", 3, 2);
  Serial(2, "空の城", 0, 0);  // its record comes with its first delivery
  Serial(3, "森の家", 5, 1);
  g.SlotKanseido[3] = 0;       // a freed slot
  g.SlotKanseido[0] = 50;      // an own work
  g.SlotLabel[0] = "新しい漫画";
  g.SerialListSlot[2] = 5;     // a row the last list left
  EXPECT_EQ(ListEndableSerials(), (Lines{"海の旅", "星の島"}));
  EXPECT_EQ(g.SerialListCount, 2);
  EXPECT_EQ(g.SerialListSlot[0], 1);
  EXPECT_EQ(g.SerialListSlot[1], 4);

  Answer(1);
  EndListedSerial(1);
  EXPECT_EQ(g.MangaWork[0].SerialLowCount, 4);
  EXPECT_TRUE(g.MangaWork[2].SerialLowCount.IsEmpty());

  g.SlotKanseido[1] = 0;
  g.SlotKanseido[4] = 0;
  EXPECT_TRUE(ListEndableSerials().empty());
  EXPECT_EQ(g.SerialListCount, 0);
}

TEST_F(EndSerialTest, ConfirmingMarksTheSerialToEndWithItsNextEpisode) {
  Serial(2, "星の島", 12, 5);
  g.MangaWork[5].SerialLowCount = 3;
  Answer(1);
  EndSerialTalk(2);
  EXPECT_EQ(modes, (std::vector<int>{2}));
  EXPECT_EQ(g.MangaWork[5].SerialLowCount, 4);
  ASSERT_EQ(ui.Talks().size(), 2u);
  EXPECT_EQ(ui.Talk(0).caption, "会話 担当");
  EXPECT_EQ(ui.Talk(0).lines, (Lines{"  え、「星の島」の連載を終了させるんですか？",
                                     "  人気もまだありますし続けられると思うのですが、本当に終了させますか？"}));
  EXPECT_EQ(ui.Talk(1).caption, "会話 担当");
  EXPECT_EQ(ui.Talk(1).lines, (Lines{"  本当に終わらせてしまうんですか・・・残念です。",
                                     "  では、次回で最終回となりますのでがんばってください。"}));

  EndSerialTalk(2);
  EXPECT_EQ(g.MangaWork[5].SerialLowCount, 4) << "asked twice, still 4";
  EXPECT_EQ(g.ProductionSlot[2].Episode, 12) << "the episode in production goes on";
  EXPECT_EQ(g.SlotKanseido[2], 30);
}

TEST_F(EndSerialTest, LettingItRunChangesNothing) {
  Serial(0, "星の島", 7, 1);
  g.MangaWork[1].SerialLowCount = 2;
  Answer(0);
  EndSerialTalk(0);
  EXPECT_EQ(g.MangaWork[1].SerialLowCount, 2);
  ASSERT_EQ(ui.Talks().size(), 2u);
  EXPECT_EQ(ui.Talk(1).lines, (Lines{"  おぉ、終わらせませんか。よかったです。", "  今後もがんばってきましょう。"}));

  // A reply window that closes with no answer lets it run too.
  ui.On(form::kRequestReply, [] {});
  g.EndSerialAnswer = 1;
  EndSerialTalk(0);
  EXPECT_EQ(g.MangaWork[1].SerialLowCount, 2);
}

TEST_F(EndSerialTest, ASerialWithoutItsRecordIsNeverMarked) {
  Serial(1, "空の城", 0, 0);
  g.MangaWork[0].SerialLowCount = 1;  // another serial's record at row 0
  Answer(1);
  EndSerialTalk(1);
  EndSerialTalk(7);
  EXPECT_EQ(g.MangaWork[0].SerialLowCount, 1);
  EXPECT_TRUE(ui.Talks().empty());
  EXPECT_EQ(ui.ShownCount(form::kRequestReply), 0);
}

}  // namespace
}  // namespace koratsu
