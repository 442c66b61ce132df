// The ends of an outing and of a part-time job: which knowledge items rise,
// in which order the draws and the windows come, and the pay.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "clock/clock_fixture.h"
#include "life/arubaito.h"
#include "life/outing.h"
#include "life/points_gained.h"
#include "state/catalogues.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

struct Item {
  int id;
  const char* name;
  int points = 0;
};

class ActivityEndTest : public ClockTest {
 protected:
  ActivityEndTest() {
    SetRandomSource(&draws);
    g.TiPointMax = 15;
    // The player's part: the points window applies its rows as it closes;
    // the job-ended window pays as it opens.
    ui.On(form::kPointsGained, [this] {
      LoadPointsGained();
      shownRows = Rows();
      atPoints.push_back({g.KoudouMode.Num(), koratsu::ui::IsLoaded(form::kArubaitoProgress)});
      headlines.push_back(PointsGainedHeadline());
    });
    ui.OnUnload(form::kPointsGained, ClosePointsGained);
    ui.On(form::kArubaitoEnd, PayArubaito);
  }

  void Items(std::initializer_list<Item> items) {
    g.TiItemCount = 0;
    for (const Item& i : items) AddTiItem(i.id, i.name, i.points, 1);
  }
  void EveryKnowledgeItem() {
    g.TiItemCount = 0;
    AddKnowledgeItems();
  }

  // A job or an outing whose last step has just run out, its window open.
  void TimeUp(int mode, int progressWindow) {
    g.KoudouMode = mode;
    g.MinutesPerStep = 15;
    g.KoudouMinutesLeft = 0;
    g.KoudouMinutesTotal = 300;
    koratsu::ui::Show(progressWindow, koratsu::ui::Modeless);
    ui.Clear();
  }
  void JobEnds(int kind, int pay = 3900) {
    g.ArubaitoKind = kind;
    g.ArubaitoPayChosen = pay;
    TimeUp(koudou_mode::kArubaito, form::kArubaitoProgress);
    EndArubaito();
  }
  void OutingEnds(int kind, int choice) {
    g.SanpoKind = kind;
    g.SanpoChoice = choice;
    TimeUp(koudou_mode::kOuting, form::kOutingProgress);
    EndOuting();
  }

  std::vector<std::pair<int, int>> Rows() const {
    std::vector<std::pair<int, int>> rows;
    for (long long r = 0; r < g.ResultLineCount.Index(); ++r)
      rows.push_back({static_cast<int>(g.ResultLine[r].Field.Num()), static_cast<int>(g.ResultLine[r].Gain.Num())});
    return rows;
  }
  std::vector<int> Sounds() const {
    std::vector<int> sounds;
    for (const UiEvent& e : ui.Events())
      if (e.kind == UiEvent::Sound) sounds.push_back(e.number);
    return sounds;
  }

  ScriptedRandom draws;
  std::vector<std::pair<double, bool>> atPoints;  // KoudouMode and the job window, at Form27
  std::vector<std::string> headlines;
  std::vector<std::pair<int, int>> shownRows;  // the rows the points window opened with
};

TEST_F(ActivityEndTest, AJobThatTeachesNothingIsPaidOnceWithoutThePointsWindow) {
  Items({{24, "企業戦士"}, {87, "技術研究所"}, {10, "ｻﾗﾘｰﾏﾝ"}});
  draws.Expect(30, 4).Expect(30, 1).Expect(30, 29);  // the fast food's one in 30, never 0
  g.Kingaku = 1000;
  JobEnds(1);

  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"-33", "+34"}));
  EXPECT_EQ(g.Kingaku, 4900);
  EXPECT_EQ(Sounds(), (std::vector<int>{0}));
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.MinutesPerStep, 0);
  EXPECT_EQ(g.StatusText, Value("停止中"));
  EXPECT_EQ(g.ResultLineCount, 0);
  EXPECT_EQ(g.ResultLine[0].Field, Value("ﾎﾟｲﾝﾄは上昇しませんでした"));
  // The pay and the duration stay for the job-ended window.
  EXPECT_EQ(g.ArubaitoPayChosen, 3900);
  EXPECT_EQ(g.KoudouMinutesTotal, 300);
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(ActivityEndTest, ABigGainIsAnnouncedBeforeThePointsWhichComeBeforeThePay) {
  Items({{26, "漫才"}, {25, "ﾆｭｰｽｷｬｽﾀｰ"}, {5, "西部劇", 3}});
  // Per item: the chance, then the size, then the small gain only when the rise is not big.
  draws.Expect(2, 1).Expect(10, 0);               // 漫才: a big rise, no small-gain draw
  draws.Expect(2, 1).Expect(10, 3).Expect(3, 1);  // ﾆｭｰｽｷｬｽﾀｰ: 1 + 2
  draws.Expect(2, 1);                             // 西部劇 is not taught at the TV station
  JobEnds(2, 20000);

  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"+67", "+27", "-33", "+34"}));
  EXPECT_EQ(ui.ControlText(form::kBigGain, "Label1(1)"), "漫才のﾎﾟｲﾝﾄが大幅上昇");
  EXPECT_EQ(shownRows, (std::vector<std::pair<int, int>>{{0, 10}, {1, 3}}));
  ASSERT_EQ(atPoints.size(), 1u);
  EXPECT_EQ(atPoints[0], (std::pair<double, bool>{koudou_mode::kArubaito, true})) << "the job still runs under the points";
  EXPECT_EQ(g.KnowledgeItem[0].Point, 10);
  EXPECT_EQ(g.KnowledgeItem[1].Point, 3);
  EXPECT_EQ(g.KnowledgeItem[2].Point, 3);
  EXPECT_EQ(g.ResultLineCount, 0) << "closing the points window used the rows up";
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(ActivityEndTest, TheFilmStudioFillsTenRowsWithItsFirstItemsInTableOrder) {
  EveryKnowledgeItem();
  // Every draw passes and no rise is big: 97 chances, then size and gain for ten.
  draws.Any(97 + 2 * 10, 0.99);
  ui.On(form::kPointsGained, [] {});
  ui.OnUnload(form::kPointsGained, nullptr);
  JobEnds(6, 28000);

  ASSERT_EQ(g.ResultLineCount, 10);
  std::vector<std::string> names;
  for (const auto& [item, gain] : Rows()) {
    names.push_back(g.KnowledgeItem[item].Name.Str());
    EXPECT_EQ(gain, 4);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"殺人事件", "医者", "ギャング", "西部劇", "探偵物", "刑事物", "戦争",
                                             "中世", "冒険", "中国拳法"}));
  EXPECT_EQ(draws.Remaining(), 0u) << "items past the tenth row draw their chance only";
}

TEST_F(ActivityEndTest, BothItemsOfId42RiseAtTheEmploymentOfficeAndAnItemAtItsCapDrawsNothing) {
  Items({{42, "医者"}, {1, "新幹線"}, {25, "ﾆｭｰｽｷｬｽﾀｰ", 15}, {42, "恋愛"}});
  draws.Expect(2, 1).Expect(10, 1).Expect(3, 0);  // 医者
  draws.Expect(2, 1);                             // 新幹線, not listed
  draws.Expect(2, 1).Expect(10, 1).Expect(3, 2);  // 恋愛
  JobEnds(7, 30000);
  EXPECT_EQ(shownRows, (std::vector<std::pair<int, int>>{{0, 2}, {3, 4}}));
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(ActivityEndTest, TheJobEndsAtTheFirstStepThatLeavesNoMinutesAfterThatStepsHour) {
  SetRandomSource(&random);
  g.TiItemCount = 0;
  g.ArubaitoKind = 1;
  g.KoudouMode = koudou_mode::kArubaito;
  g.MinutesPerStep = 15;
  g.GameMinute = 30;
  g.KoudouMinutesLeft = 30;
  Value hourAtPay;
  ui.On(form::kArubaitoEnd, [&] { hourAtPay = g.GameHour; });

  TimerEvent();
  TimerEvent();
  EXPECT_EQ(g.KoudouMinutesLeft, 15);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kArubaito);
  TimerEvent();
  EXPECT_EQ(ui.ShownCount(form::kArubaitoEnd), 0);
  TimerEvent();
  EXPECT_EQ(ui.ShownCount(form::kArubaitoEnd), 1);
  EXPECT_EQ(hourAtPay, 11) << "the hour struck by the last step ran first";
  EXPECT_EQ(g.KoudouMinutesLeft, 0);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
}

TEST_F(ActivityEndTest, ABookOutingKeepsTheFirstTenItemsThatRise) {
  EveryKnowledgeItem();
  for (int k = 0; k < 12; ++k) {
    draws.Expect(8, 0);
    if (k < 10) draws.Expect(10, 4).Expect(3, 1);
  }
  for (int k = 12; k < 97; ++k) draws.Expect(8, 5);
  OutingEnds(2, 0);

  std::vector<std::pair<int, int>> expected;
  for (int k = 0; k < 10; ++k) expected.push_back({k, 3});
  EXPECT_EQ(shownRows, expected);
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(ActivityEndTest, AnOutingOpensThePointsWindowEvenWhenNothingRose) {
  Items({{33, "時代劇"}, {66, "武士"}});
  g.ResultLine[5].Gain = 7;     // left from an earlier end
  draws.Expect(2, 1).Expect(2, 1);  // the museum has no list for a fourth sub-choice
  OutingEnds(9, 4);

  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"-26", "+27"}));
  EXPECT_EQ(headlines, (std::vector<std::string>{"ﾎﾟｲﾝﾄは上昇しませんでした。"}));
  EXPECT_EQ(g.FormSlot[form::kPointsGained].Param, 0);
  EXPECT_EQ(g.ResultLine[0].Field, Value("ﾎﾟｲﾝﾄは上昇しませんでした"));
  EXPECT_EQ(g.ResultLine[5].Gain, 0);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.StatusText, Value("停止中"));
  EXPECT_TRUE(Sounds().empty());
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(ActivityEndTest, EachOutingTeachesTheItemsOfItsSubChoice) {
  struct Case {
    int kind, choice;
    std::vector<int> ids;  // the ids of the items that rise, in table order
    int gain;              // the small gain when every draw gives its highest
  } cases[] = {
      {3, 1, {55, 69}, 4},      {3, 6, {29}, 4},         {4, 5, {23, 22}, 4},     {8, 0, {23, 22}, 4},
      {5, 4, {54, 76}, 4},      {6, 4, {0, 1}, 4},       {7, 2, {31, 65}, 4},     {9, 2, {35, 37}, 5},
      {10, 3, {8, 56, 17}, 4},  {9, 4, {}, 0},           {0, 1, {}, 0},
  };
  for (const Case& c : cases) {
    Items({{55, "野球"}, {69, "野球監督"}, {29, "中国拳法"}, {23, "ギャンブル"}, {22, "パチンコ"}, {54, "ラブコメ"},
           {76, "大学"}, {0, "機関車"}, {1, "新幹線"}, {31, "ソフト開発"}, {65, "テレビゲーム"}, {35, "原始時代"},
           {37, "神社"}, {8, "お金持ち"}, {56, "石油成金"}, {17, "デパート"}});
    draws.Any(64, 0.99);
    OutingEnds(c.kind, c.choice);
    std::vector<int> ids;
    for (const auto& [item, gain] : shownRows) {
      ids.push_back(static_cast<int>(g.KnowledgeItem[item].Id.Num()));
      EXPECT_EQ(gain, c.gain) << "outing " << c.kind;
    }
    EXPECT_EQ(ids, c.ids) << "outing " << c.kind << ", sub-choice " << c.choice;
  }
}

}  // namespace
}  // namespace koratsu::testing
