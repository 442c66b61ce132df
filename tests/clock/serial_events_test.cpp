// The editors' news about requested one-shots and serials, as the queue's
// scan fires it: the one-shot's verdict, a serial episode's deadline with
// its misses, the comics offer, the last-episode warning and the readers'
// reaction.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock_fixture.h"
#include "clock/phases.h"
#include "production/work_record.h"
#include "state/editor_event_queue.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kPublisherNumber = 2;
constexpr int kSerialKind = 6;

class SerialEventsTest : public ClockTest {
 protected:
  SerialEventsTest() {
    // Row 0 weekly, its deadline on Wednesdays; row 1 another serial's magazine.
    for (const char* name : {"週刊ちょこまか", "週刊ペンだこ"}) {
      rec::Magazine* magazine = Append(g.Magazine, g.MagazineCount);
      magazine->PublisherName = "千石船書房";
      magazine->Name = name;
      magazine->Publisher = kPublisherNumber;
      magazine->Standard = 240;
      magazine->ComicsPrice = 410;
      magazine->Frequency = 2;
      magazine->DeadlineDay = 3;
      magazine->SerialRunning = 1;
    }
    g.PlayerSei = "漫画";
    g.Kingaku = 50000;
    g.PlayerPopularity = 5;
    g.PlayerDebuted = 1;
    older = Work("昔の読切", manga_state::kTaken);
    g.MangaWork[older].Date = "70/01/10";
  }

  long long Work(const std::string& title, int state, double hyouka = 0, int magazine = 0) {
    const long long w = AppendMangaWork();
    rec::MangaWork& work = g.MangaWork[w];
    work.Title = title;
    work.State = state;
    work.Hyouka = hyouka;
    work.Magazine = magazine;
    work.SentMagazine = magazine;
    return w;
  }

  // A serial episode in production in slot s, `days` before its deadline.
  void PlaceEpisode(int s, double progress, int days, int magazine = 0) {
    PlaceWork(s, progress, 160, 0, kSerialKind);
    g.SlotLabel[s] = "星の剣士";
    g.ProductionSlot[s].DaysLeft = days;
    g.ProductionSlot[s].Magazine = magazine;
  }

  // The scan at `hour` with a script of draws, which it must use up.
  void Fire(int hour, ScriptedRandom& draws) {
    g.GameHour = hour;
    SetRandomSource(&draws);
    FireEditorEvents();
    SetRandomSource(&random);
    EXPECT_EQ(draws.Remaining(), 0u) << "draws left over";
  }

  long long older = -1;
};

TEST_F(SerialEventsTest, AOneShotAtExactlyAnEighthOfTheStandardIsAcceptedAndPaidAfterItsNotice) {
  const long long m = Work("夏の読切", manga_state::kRequestDelivered, 30);
  g.Magazine[0].RequestState = 1;
  g.EditorEvent[4] = {0, event_code::kOneShotVerdict, m, 0, {}, {}};
  ui.On(form::kFeeNotice, [this] { EXPECT_EQ(g.Kingaku, 50000) << "the money comes once the notice has closed"; });
  ScriptedRandom draws;
  draws.Expect(2, 0);
  Fire(12, draws);

  EXPECT_EQ(ui.Seen(), (std::vector<std::string>{
                        "talk 担当 報告:   先日送ってもらった読切漫画「夏の読切」ですが。 / "
                        "大変よい出来だったので採用させていただくことにしました。今後もよろしくお願いします。 / "
                        "それと原稿料20万0000円です。では /",
                        "49.Label2(1)=週刊ちょこまかの稿料",
                        "49.Label2(0)=20万0000円",
                        "+49",
                    }));
  const rec::MangaWork& work = g.MangaWork[m];
  EXPECT_EQ(work.State, manga_state::kRequestAccepted);
  EXPECT_EQ(work.Prize, 200000);
  EXPECT_EQ(g.Kingaku, 250000);
  EXPECT_EQ(g.Magazine[0].RequestState, 2);
  EXPECT_EQ(g.Magazine[0].Yukou, 1);
  EXPECT_EQ(g.PublisherYukou[kPublisherNumber], 1);
  EXPECT_EQ(g.PlayerDebuted, 2);
  EXPECT_EQ(g.PlayerPopularity, 5);
  EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
  EXPECT_EQ(g.EditorEvent[4].Code, event_code::kFree);
}

TEST_F(SerialEventsTest, TheVerdictsWordsAndWhatARefusalLeaves) {
  const struct {
    double hyouka;
    long range, draw;
    std::vector<std::string> lines;
  } cases[] = {
      {31, 2, 1,
       {"  この前、頼んでいた読切原稿の「依頼作」が", "よい出来だったので採用させていただくことにしました。",
        "なので原稿料20万0000円をお渡しします。ではまたよろしくお願いします。"}},
      {29.99, 5, 0,
       {"  先日送ってもらった読切漫画「依頼作」ですが。", "せっかくお頼みしたのに、これでは読者に受けないと言うことで。",
        "今回は、不採用と言うことにさせていただきます。またの機会がありましたらその時はよろしく。"}},
      {12, 5, 4,
       {"  先日送ってもらった読切漫画「依頼作」ですが。",
        "せっかくお頼みしたのに、編集部で面白いか意見が分かれてしまいました。",
        "なので今回は、不採用にさせていただきます。またの機会がありましたらその時はよろしく。"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hyouka);
    ui.Clear();
    g.Kingaku = 50000;
    g.PlayerDebuted = 3;
    g.Magazine[1].RequestState = 1;
    g.FormSlot[form::kArchive].Redraw = 0;
    const long long m = Work("依頼作", manga_state::kRequestDelivered, c.hyouka, 1);
    g.EditorEvent[0] = {0, event_code::kOneShotVerdict, m, 1, {}, {}};
    ScriptedRandom draws;
    draws.Expect(c.range, c.draw);
    Fire(12, draws);

    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).lines, c.lines);
    const bool accepted = c.range == 2;
    EXPECT_EQ(ui.ShownCount(form::kFeeNotice), accepted ? 1 : 0);
    EXPECT_EQ(g.MangaWork[m].State, accepted ? manga_state::kRequestAccepted : manga_state::kRequestRejected);
    EXPECT_EQ(g.Magazine[1].RequestState, accepted ? 2 : 0);
    EXPECT_EQ(g.Kingaku, accepted ? 250000 : 50000);
    EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1) << "the archive shows the verdict";
    EXPECT_EQ(g.PlayerDebuted, 3) << "a later debut stays";
    EXPECT_EQ(g.PlayerPopularity, 5);
  }
}

TEST_F(SerialEventsTest, AFinishedEpisodeGoesToTheDeliveryInItsSerialModeAndNothingElse) {
  StartWork();
  PlaceEpisode(3, 160.5, 0);
  g.SerialSlot = 0;
  g.EditorEvent[2] = {0, event_code::kSerialDeadline, {}, {}, {}, 3};
  ui.On(form::kDelivery, [this] {
    EXPECT_EQ(g.SerialSlot, 3);
    EXPECT_EQ(g.FormSlot[form::kDelivery].Mode, 1);
  });
  ScriptedRandom none;
  Fire(18, none);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kDelivery});
  EXPECT_TRUE(ui.Talks().empty());
  EXPECT_EQ(g.KoudouMode, koudou_mode::kWork);
  EXPECT_EQ(g.ProductionSlot[3].Extension, 0);
}

TEST_F(SerialEventsTest, AnUnfinishedEpisodeGetsADayThenTheNextRegularDeadline) {
  g.GameWeekday = 2;  // the 5th is a Tuesday: the misses fall on Wednesday and Thursday
  StartWork();
  PlaceEpisode(1, 20, 1);
  ui::Show(form::kWorking, ui::Modeless);
  std::vector<std::string> talks;
  ui.OnTalk([&](const TalkRecord& talk) {
    talks.push_back("day " + g.GameDay.Str() + " " + g.GameHour.Str() + ":00 " + talk.caption);
  });
  auto runUntil = [this](int day, int hour) {
    for (int events = 0; !(g.GameDay == day && g.GameHour == hour) && events < 5000; ++events) TimerEvent();
  };

  runUntil(6, 1);
  EXPECT_EQ(g.ProductionSlot[1].DaysLeft, 0) << "the new day brings it to its deadline";
  runUntil(6, 17);
  EXPECT_TRUE(talks.empty());
  runUntil(6, 18);
  EXPECT_EQ(talks, std::vector<std::string>{"day 6 18:00 担当 報告"});
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone) << "the work stops";
  EXPECT_FALSE(ui::IsLoaded(form::kWorking));
  EXPECT_EQ(g.ProductionSlot[1].Extension, 1);
  EXPECT_EQ(g.ProductionSlot[1].DaysLeft, 1);

  StartWork();
  runUntil(7, 18);
  ASSERT_EQ(talks.size(), 2u);
  EXPECT_EQ(talks[1], "day 7 18:00 担当 報告");
  EXPECT_EQ(g.GameWeekday, 4);
  EXPECT_EQ(g.ProductionSlot[1].Extension, 2);
  EXPECT_EQ(g.ProductionSlot[1].DaysLeft, 6) << "Wednesday of the next week";
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_GT(g.SlotKanseido[1], 0) << "the episode stays in production";
}

TEST_F(SerialEventsTest, ADeadlineWhoseSlotHoldsNoEpisodeAnyMoreDoesNothing) {
  StartWork();
  PlaceWork(2, 30, 100, 0);  // an own work took the freed slot
  g.EditorEvent[0] = {0, event_code::kSerialDeadline, {}, {}, {}, 2};
  g.EditorEvent[1] = {0, event_code::kSerialDeadline, {}, {}, {}, 4};  // a free slot
  ScriptedRandom none;
  Fire(18, none);
  EXPECT_TRUE(ui.Events().empty());
  EXPECT_EQ(g.KoudouMode, koudou_mode::kWork);
  EXPECT_EQ(g.SlotKanseido[2], 30);
  EXPECT_EQ(g.EditorEvent[0].Code, event_code::kFree);
}

TEST_F(SerialEventsTest, EachMissSaysItsWords) {
  const std::string label = "「星の剣士」";
  const struct {
    int extension;
    long draw;  // -1: none drawn
    std::vector<std::string> lines;
  } cases[] = {
      {0, 3,
       {"  " + label + "の〆切は今日だが、まだ完成していないようだな。", "明日まで〆切を伸ばせたので絶対に完成させなさい。",
        "できなかったときは漫画家としての運命の終わりだと思え！"}},
      {0, 0,
       {"  今日〆切の" + label + "ですが、まだ完成していないようですね・・",
        "なんとか明日まで〆切を延ばせますので、明日までには完成させてください。",
        "明日がギリギリなのでくれぐれも気をつけてください。"}},
      {1, -1,
       {"  〆切を今日まで伸ばした" + label + "ですが結局、完成しませんでしたね・・・",
        "とりあえず過ぎてしまったことは、しょうがないので次回からはかならず〆切を守ってください。"}},
      {2, -1,
       {"  また完成しませんでしたね・・・", "編集部で検討した結果、残念ながら連載打ち切りと言うことになりました。",
        "〆切を守ることは漫画家として必要なことなのでこれからは守るようにしてください。", "では、さようなら"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.extension);
    ui.Clear();
    PlaceEpisode(0, 50, 0);
    g.ProductionSlot[0].Extension = c.extension;
    g.EditorEvent[0] = {0, event_code::kSerialDeadline, {}, {}, {}, 0};
    ScriptedRandom draws;
    if (c.draw >= 0) draws.Expect(5, c.draw);
    Fire(18, draws);
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, c.lines);
  }
}

TEST_F(SerialEventsTest, TheThirdMissCancelsTheSerial) {
  struct Case {
    int episode;  // 0: the first, which has no record yet
    int magazine;
  };
  for (const Case c : {Case{4, 0}, Case{0, 1}}) {
    SCOPED_TRACE(c.episode);
    ui.Clear();
    for (int row = 0; row < 2; ++row) g.Magazine[row].SerialRunning = 1;
    const long long serial = Work("星の剣士", manga_state::kSerialRunning, 40, c.magazine);
    g.FormSlot[form::kCompletion].Rebuild = 0;
    g.FormSlot[form::kArchive].Redraw = 0;
    StartWork();
    ui::Show(form::kWorking, ui::Modeless);
    PlaceEpisode(5, 50, 0, c.magazine);
    g.ProductionSlot[5].Extension = 2;
    g.ProductionSlot[5].Episode = c.episode;
    // A first episode's slot may still name a record of an earlier work.
    g.ProductionSlot[5].MangaIndex = c.episode == 0 ? older : serial;
    g.EditorEvent[9] = {0, event_code::kSerialDeadline, {}, {}, {}, 5};
    ui.OnTalk([this](const TalkRecord&) {
      EXPECT_EQ(g.SlotKanseido[5], 0) << "freed before the talk";
      EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
      EXPECT_EQ(g.FormSlot[form::kCompletion].Rebuild, 0) << "rebuilt after it";
    });
    ScriptedRandom none;
    Fire(18, none);
    ui.OnTalk(nullptr);

    EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
    EXPECT_FALSE(ui::IsLoaded(form::kWorking)) << "also while the player works";
    EXPECT_EQ(g.FormSlot[form::kCompletion].Rebuild, 1);
    EXPECT_EQ(g.ProductionSlot[5].Extension, 0);
    EXPECT_EQ(g.Magazine[c.magazine].SerialRunning, 0) << "its magazine's place is free";
    EXPECT_EQ(g.Magazine[1 - c.magazine].SerialRunning, 1);
    const rec::MangaWork& work = g.MangaWork[serial];
    if (c.episode > 0) {
      EXPECT_EQ(work.State, manga_state::kSerialEnded);
      EXPECT_EQ(work.SerialEndDate.Str(), "70/04/05");
    } else {
      EXPECT_EQ(work.State, manga_state::kSerialRunning);
      EXPECT_TRUE(work.SerialEndDate.IsEmpty());
    }
    EXPECT_EQ(g.MangaWork[older].State, manga_state::kTaken);
    EXPECT_TRUE(g.MangaWork[older].SerialEndDate.IsEmpty());
  }
}

TEST_F(SerialEventsTest, AComicsOfferForEntryZeroQueuesItsReleaseIntoEntryZero) {
  const long long w = Work("星の剣士", manga_state::kSerialRunning);
  for (int i = 1; i < 65; ++i) g.EditorEvent[i] = {3, event_code::kComicsRelease, {}, {}, {}, i};
  g.EditorEvent[0] = {0, event_code::kComicsOffer, {}, {}, {}, w};
  ScriptedRandom none;
  Fire(12, none);
  EXPECT_EQ(ui.Seen(), (std::vector<std::string>{
                        "talk 担当 報告:   連載「星の剣士」がページがそろそろ溜まったので / "
                        "コミックス化しようと考えています。発売が5日後で定価410円です、印税は10%です。 /"}));
  EXPECT_EQ(g.EditorEvent[0].Code, event_code::kComicsRelease);
  EXPECT_EQ(g.EditorEvent[0].Delay, 5);
  EXPECT_EQ(g.EditorEvent[0].Target, w);
}

TEST_F(SerialEventsTest, EntriesDueAtTheSameNoonFireInOrderEachWithItsWindows) {
  const long long m = Work("夏の読切", manga_state::kRequestDelivered, 100);
  const long long w = Work("星の剣士", manga_state::kSerialRunning);
  g.EditorEvent[7] = {0, event_code::kComicsOffer, {}, {}, {}, w};
  g.EditorEvent[3] = {0, event_code::kOneShotVerdict, m, 0, {}, {}};
  ScriptedRandom draws;
  draws.Expect(2, 1);
  Fire(12, draws);
  const std::vector<std::string> seen = ui.Seen();
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_NE(seen[0].find("夏の読切"), std::string::npos) << seen[0];
  EXPECT_EQ(seen[3], "+49");
  EXPECT_NE(seen[4].find("連載「星の剣士」"), std::string::npos) << seen[4];
}

TEST_F(SerialEventsTest, NewsThatOnlyTalks) {
  const long long w = Work("星の剣士", manga_state::kSerialRunning);
  const std::string opening = "  先日送ってもらいました連載「星の剣士」ですが、";
  const struct {
    int code, hour;
    double popularity;
    std::vector<std::string> lines;
  } cases[] = {
      {event_code::kLastEpisode, 12, 5,
       {"  どうも、こんにちは、連載漫画「星の剣士」ですが、",
        "  実は連載漫画の中でも人気が落ちていて、編集会議でそろそろ打ち切りに・・・。",
        "  と、いう話になりました。次回で最終回となりますので、よろしくお願いします。",
        "  今後とも是非 我が出版社をよろしくお願いします。では。"}},
      {event_code::kVeryPopular, 15, 6.5, {opening, "大人気のようです。さすが漫画先生ですね、今後もがんばってください。"}},
      {event_code::kNotPopular, 15, 5, {opening, "ちょっと人気がないようです・・今後はがんばってください。"}},
      {event_code::kFairlyPopular, 15, 5, {opening, "人気はまあまあです。今後もがんばってください。"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    ui.Clear();
    g.PlayerPopularity = 5;
    // Codes 7 to 9 carry the title itself; code 6 the record.
    g.EditorEvent[1] = {0, c.code, "星の剣士", {}, w, {}};
    const Value kingaku = g.Kingaku;
    ScriptedRandom none;
    Fire(c.hour, none);
    ASSERT_EQ(ui.Talks().size(), 1u);
    EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
    EXPECT_EQ(ui.Talk(0).lines, c.lines);
    EXPECT_EQ(g.PlayerPopularity, c.popularity);
    EXPECT_EQ(g.Kingaku, kingaku);
    EXPECT_EQ(ui.Shown(), std::vector<int>{});
  }
}

}  // namespace
}  // namespace koratsu::testing
