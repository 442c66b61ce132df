#include "publishing/novel_permission.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/borrowed_story_fixture.h"
#include "production/slots.h"
#include "support/save_bytes.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu::testing {
namespace {

constexpr int kDawn = 0;   // publisher 1
constexpr int kStars = 1;  // publisher 4, popularity 5

using NovelPermissionTest = BorrowedStoryTest;

TEST_F(NovelPermissionTest, APublisherThatNeverDealtWithThePlayerRefuses) {
  g.PublisherYukou[4] = 0;
  g.PublisherYukou[1] = 3;  // another publisher's friendship does not count
  g.NovelTalkState = 0;
  CloseTalk();  // the conversation list as a closed conversation leaves it
  const std::string before = SavedBytes(g);
  random.ExpectRnd(0.5);
  NovelPermissionTalk(4, kStars);
  EXPECT_EQ(random.Remaining(), 0u);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "出版社の人");
  EXPECT_EQ(ui.Talk(0).lines, (std::vector<std::string>{
                                  "どうも、はじめまして、",
                                  "えー今日はうちの社の小説「星の海」の漫画化についてですが",
                                  "そうですね・・・・・・・・・・・・・・・・",
                                  "残念ですが、いろいろ問題がありますので今回はダメと言うことになります。",
                                  "では、すいませんが、これで・・・",
                              }));
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kNovelRefused});
  EXPECT_EQ(g.NovelTalkState, 1);
  // Nothing else changed but the conversation's lines.
  g.NovelTalkState = 0;
  for (int i = 0; i < 5; ++i) g.TalkLines[i] = Value();
  const std::string after = SavedBytes(g);
  EXPECT_TRUE(before == after) << FirstDifference(before, after);
}

TEST_F(NovelPermissionTest, APublisherThatKnowsThePlayerConsentsEvenBelowZero) {
  g.PublisherYukou[4] = -1;
  random.ExpectRnd(0.5).ExpectRnd(0.5);
  ScriptPlacing(5, 2, {1, 2, 3}, 30, {0, 0, 0});
  NovelPermissionTalk(4, kStars);
  EXPECT_EQ(random.Remaining(), 0u);
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "出版社の人");
  EXPECT_EQ(ui.Talk(0).lines, (std::vector<std::string>{
                                  "どうも、いつも我が白泉堂がお世話になっております。",
                                  "えー今日はうちの社の小説「星の海」の漫画化についてですが",
                                  "そうですね・・・・・・・・・・・・・・・・",
                                  "いつもお世話になっていますし、いいですよ。",
                                  "では、これからも我が社をよろしくお願いします。ではまた。",
                              }));
  EXPECT_EQ(Slot(0).Source, 3);
  EXPECT_EQ(Slot(0).SettingPoints[2], 31);
  EXPECT_EQ(Slot(0).Target, 171) << "Int(140 + 30 + 5 / 3)";
  EXPECT_EQ(g.SlotLabel[0], "漫画(許可あり小説)");
  EXPECT_EQ(g.SlotsInUse, 1);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kSchedule});
  EXPECT_EQ(g.PublisherYukou[4], -1);
}

TEST_F(NovelPermissionTest, ASerialsFirstEpisodeGoesOnWithoutTheSchedule) {
  g.PublisherYukou[1] = 1;
  g.FormSlot[form::kSettingsEditor].Mode = 2;
  random.Any(2);
  ScriptPlacing(3, 2, {0, 0, 0}, 30, {0, 0, 0});
  NovelPermissionTalk(1, kDawn);
  EXPECT_EQ(g.SlotLabel[0], "連載漫画(許可あり小説)");
  EXPECT_EQ(g.SerialSlot, 0);
  EXPECT_EQ(g.SerialTalkState, 5);
  EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(NovelPermissionTest, ATalkAlreadyUnderWayIsNotHeldAgain) {
  g.PublisherYukou[1] = 1;
  g.NovelTalkState = 1;
  random.ExpectRnd(0.5);
  NovelPermissionTalk(1, kDawn);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_TRUE(ui.Talks().empty());
  EXPECT_EQ(BusySlots(), 0);
}

}  // namespace
}  // namespace koratsu::testing
