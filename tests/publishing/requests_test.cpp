// The reply to an editor's request: refusals, declining, a one-shot planned
// at once, a serial set up through its talk and title, and the end-of-serial
// confirmation.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/production_fixture.h"
#include "production/settings_editor.h"
#include "production/slots.h"
#include "production/work_record.h"
#include "publishing/requests.h"
#include "support/settings_player.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomaka = 3;
constexpr int kArtist = 2;  // 漫画家, 12 points

class RequestsTest : public ProductionTest {
 protected:
  RequestsTest() {
    AddMagazines();
    g.GameWeekday = 4;
    g.OneShotRequestMagazine = kChokomaka;
    g.RequestMagazine = kChokomaka;
    g.SerialMagazine = kChokomaka;
    // The new-work choice takes an own story from the settings editor.
    ui.On(form::kNewMangaChoice, [] { ui::Show(form::kSettingsEditor, ui::Modal); });
    ui.On(form::kSettingsEditor, [this] {
      OpenSettingsEditor();
      PlanSetting(0, kArtist, 5);
      random.ExpectRnd(0.5).Expect(50, 20).Any(3);
      StartProduction(1, 2);
    });
  }

  // The reply window in `mode`, where the player presses accept or decline.
  void Reply(int mode, bool accept) {
    g.FormSlot[form::kRequestReply].Mode = mode;
    ui.On(form::kRequestReply, [accept] { accept ? AcceptRequest() : DeclineRequest(); });
    ui::Show(form::kRequestReply, ui::Modal);
  }
};

TEST_F(RequestsTest, ARequestIsRefusedWhileSixWorksAreInProductionOrTheTableIsFull) {
  const struct {
    int busy, works;
    const char* message;
  } cases[] = {{6, 0, "同時に制作できる漫画の数は6つです"}, {3, 638, kWorksTableFullMessage}};
  for (const auto& c : cases) {
    for (int mode : {0, 1}) {
      SCOPED_TRACE(std::to_string(c.busy) + " busy, mode " + std::to_string(mode));
      for (int s = 0; s < 6; ++s) g.SlotKanseido[s] = s < c.busy ? 5 : 0;
      g.MangaCount = c.works;
      ui.Clear();
      g.FormSlot[form::kRequestReply].Mode = mode;
      ui.On(form::kRequestReply, [this, &c] {
        AcceptRequest();
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(ui::IsLoaded(form::kRequestReply)) << "the window stays";
      });
      ui::Show(form::kRequestReply, ui::Modal);
      EXPECT_EQ(g.BusySlotCount, c.busy);
      EXPECT_TRUE(ui.Talks().empty());
      const rec::Magazine& magazine = g.Magazine[kChokomaka];
      EXPECT_TRUE(magazine.RequestState.IsEmpty());
      EXPECT_TRUE(magazine.SerialRunning.IsEmpty());
      EXPECT_TRUE(g.SerialAccepted.IsEmpty());
      EXPECT_TRUE(g.FormSlot[form::kSettingsEditor].Mode.IsEmpty());
      EXPECT_EQ(ui.ShownCount(form::kNewMangaChoice), 0);
    }
  }
}

TEST_F(RequestsTest, DecliningSaysSoClosesTheWindowAndChangesNothing) {
  g.Magazine[kChokomaka].Yukou = 3;
  g.Magazine[kChokomaka].RequestState = 2;
  for (int mode : {0, 1}) {
    ui.Clear();
    Reply(mode, false);
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines,
              std::vector<std::string>{"  そうですか・・・残念です。またの機会があったらよろしくお願いします。"});
    EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"+16", "-16"}));
  }
  EXPECT_EQ(g.OneShotRequestMagazine, kChokomaka);
  EXPECT_EQ(g.RequestMagazine, kChokomaka);
  EXPECT_EQ(g.SerialMagazine, kChokomaka);
  EXPECT_EQ(g.Magazine[kChokomaka].RequestState, 2);
  EXPECT_EQ(g.Magazine[kChokomaka].Yukou, 3);
  EXPECT_TRUE(g.Magazine[kChokomaka].SerialRunning.IsEmpty());
  EXPECT_TRUE(g.ResumeRequest.IsEmpty());
}

TEST_F(RequestsTest, AnAcceptedOneShotIsPlannedAtOnceAsARequestedWork) {
  ui.On(form::kNewMangaChoice, [this] {
    EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 1);
    EXPECT_FALSE(ui::IsLoaded(form::kRequestReply));
    ui::Show(form::kSettingsEditor, ui::Modal);
  });
  Reply(0, true);

  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines,
            std::vector<std::string>{"  受けてくれますか。では、さっそく何を描くか決めてください。"});
  const rec::ProductionSlot& slot = g.ProductionSlot[0];
  EXPECT_EQ(slot.Kind, 3);
  EXPECT_EQ(slot.DaysLeft, 10);
  EXPECT_EQ(slot.Magazine, kChokomaka);
  EXPECT_EQ(g.SlotLabel[0], "出版社依頼の読切漫画");
  EXPECT_EQ(g.Magazine[kChokomaka].RequestState, 1);
  EXPECT_EQ(g.BusySlotCount, 0) << "counted before the work was placed";
  EXPECT_EQ(g.ResumeRequest, 1);
  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"+16", "-16", "+46", "+5", "-5", "-46", "+15"}));
}

TEST_F(RequestsTest, AnAcceptedSerialIsSetUpThroughItsTalkToATitledScheduledEpisode) {
  g.RequestFee = 240000;
  const long long finished = AppendMangaWork();
  g.MangaWork[finished].Title = "空の旅";
  g.SlotLabel[5] = "星の旅";  // another serial set up, not delivered yet
  g.SlotKanseido[5] = 3;
  g.PlayerSei = "漫画";

  ui.On(form::kNewMangaChoice, [this] {
    EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 2);
    EXPECT_EQ(g.SerialTalkState, 3);
    EXPECT_EQ(g.SerialAccepted, 1);
    EXPECT_EQ(g.Magazine[kChokomaka].RequestState, 3);
    EXPECT_EQ(g.Magazine[kChokomaka].SerialRunning, 1);
    ui::Show(form::kSettingsEditor, ui::Modal);
  });
  ui.On(form::kSerialTitle, [this] {
    EXPECT_EQ(g.SerialTalkState, 5);
    EXPECT_FALSE(ConfirmSerialTitle(""));
    EXPECT_FALSE(ConfirmSerialTitle("空の旅"));
    EXPECT_FALSE(ConfirmSerialTitle("星の旅")) << "answered no";
    EXPECT_TRUE(ui::IsLoaded(form::kSerialTitle));
    EXPECT_TRUE(g.SlotLabel[g.SerialSlot] == "連載漫画");
    EXPECT_TRUE(ConfirmSerialTitle("星の旅"));
  });
  ui.On(form::kSchedule, [this] {
    EXPECT_EQ(g.SerialTalkState, 0);
    EXPECT_EQ(g.SerialAccepted, 0);
    EXPECT_EQ(g.ResumeRequest, 1);
  });
  ui.AnswerYesNo({7, 6});
  Reply(1, true);

  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"漫画の題名を決めてください。",
                                                      "すでにその名前の漫画を描いていますので他の名前にしてください"}));
  EXPECT_EQ(ui.Questions(), (std::vector<std::string>{"星の旅でいいですか。", "星の旅でいいですか。"}));
  const Value s = g.SerialSlot;
  EXPECT_EQ(s, 0);
  const rec::ProductionSlot& slot = g.ProductionSlot[s];
  EXPECT_EQ(g.SlotLabel[s], "星の旅");
  EXPECT_EQ(slot.Fee, 240000);
  EXPECT_EQ(slot.Kind, 6);
  EXPECT_EQ(slot.Magazine, kChokomaka);
  EXPECT_GE(slot.DaysLeft, 8);
  EXPECT_LE(slot.DaysLeft, 20);
  EXPECT_EQ(g.SerialTalkState, 0);
  EXPECT_EQ(g.SerialAccepted, 0);
  EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 0);
  EXPECT_EQ(g.ResumeRequest, 1);
  EXPECT_EQ(ui.Windows(),
            (std::vector<std::string>{"+16", "-16", "+46", "+5", "-5", "-46", "+23", "-23", "+15"}))
      << "no schedule from the editor: the talk shows it at its end";
  ASSERT_EQ(ui.Talks().size(), 3u);
  EXPECT_EQ(ui.Talk(1).caption, "連載の依頼");
  EXPECT_EQ(ui.Talk(1).lines, std::vector<std::string>{"なるほど、いいですね。では題名を考えましょう"});
  EXPECT_EQ(ui.Talk(2).caption, "連載の依頼");
  EXPECT_EQ(ui.Talk(2).lines,
            (std::vector<std::string>{"星の旅ですね。わかりました。", "最初の〆切は、ちょっと長いので",
                                      "その間に知識を深めたりペースをつかんでください。",
                                      "また、原稿料は漫画が完成した度にさし上げます。"}));
}

TEST_F(RequestsTest, EndingASerialIsOnlyAnAnswer) {
  for (int s = 0; s < 6; ++s) g.SlotKanseido[s] = 5;
  for (bool accept : {true, false}) {
    ui.Clear();
    Reply(2, accept);
    EXPECT_EQ(g.EndSerialAnswer, accept ? 1 : 0);
    EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"+16", "-16"}));
    EXPECT_TRUE(ui.Talks().empty());
    EXPECT_TRUE(ui.Messages().empty());
  }
  EXPECT_TRUE(g.BusySlotCount.IsEmpty()) << "no slot count";
  EXPECT_TRUE(g.ResumeRequest.IsEmpty());
}

}  // namespace
}  // namespace koratsu::testing
