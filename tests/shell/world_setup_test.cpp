#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/production_slots.h"
#include "state/random.h"
#include "shell/world_setup.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::ScriptedRandom;
using testing::ScriptedUi;
using testing::UiEvent;

// 3 July, a Wednesday (weekday 4 counted from Sunday = 1), 15:42.
constexpr ComputerTime kToday{2024, 7, 3, 4, 15, 42, 7};

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override { SetComputerClock(&clock_); }
  void TearDown() override { SetComputerClock(nullptr); }
  GameState& g() { return fresh_.g(); }

  // The draws of the set-up before the first knowledge points: the discarded
  // one and the five abilities.
  static void ExpectOpeningDraws(ScriptedRandom& random) {
    random.ExpectRnd(0.3);
    for (long ability : {0, 12, 5, 7, 3}) random.Expect(13, ability);
  }

  testing::FreshState fresh_;
  FixedClock clock_{kToday, 56520.25};
  ScriptedUi ui_;
};

TEST_F(WorldTest, NewWorldStartValues) {
  testing::CountingRandom random;
  SetRandomSource(&random);
  shell::InitWorld();

  EXPECT_TRUE(g().PlayerSei.IsText());
  EXPECT_EQ(g().PlayerSei.Str(), "");
  EXPECT_TRUE(g().PlayerMei.IsText());
  EXPECT_EQ(g().StatusText.Str(), "停止中");

  EXPECT_EQ(g().GameYear, 1970);
  EXPECT_EQ(g().GameMonth, 7);
  EXPECT_EQ(g().GameDay, 3);
  EXPECT_EQ(g().GameWeekday, 3);
  EXPECT_EQ(g().GameHour, 15);
  EXPECT_TRUE(g().GameMinute.IsNumber());
  EXPECT_EQ(g().GameMinute, 0);

  const Value* abilities[] = {&g().Garyoku, &g().Kyouyou, &g().Hassouryoku, &g().Souzouryoku,
                              &g().Tinou};
  const Value* caps[] = {&g().GaryokuMax, &g().KyouyouMax, &g().HassouryokuMax,
                         &g().SouzouryokuMax, &g().TinouMax};
  const int capValues[] = {20, 24, 22, 20, 24};
  for (int i = 0; i < 5; ++i) {
    EXPECT_GE(*abilities[i], 4);
    EXPECT_LE(*abilities[i], 16);
    EXPECT_EQ(*caps[i], capValues[i]);
    EXPECT_LT(*abilities[i], *caps[i]);
  }

  struct Expected {
    const Value& value;
    double number;
  } numbers[] = {
      {g().Experience, 0},    {g().Level, 1},          {g().Kingaku, 12000},
      {g().SpareWorldFlag, 0}, {g().SerialAccepted, 0}, {g().SigotoOn, 0},
      {g().PlayerPopularity, 3}, {g().FigureSheetStride, 80}, {g().HouseKind, 0},
      {g().GameSpeed, 2},     {g().Koukaon, 1},        {g().SigotoPoint, 20},
      {g().SukezyuruType, 2}, {g().ScheduleEvery, 12}, {g().TicksPerStep, 3},
      {g().SukezyuruHours, 14}, {g().PlayerFame, 20},  {g().StaminaMax, 25},
      {g().Stamina, 25},      {g().TiPointMax, 15},
  };
  for (const Expected& e : numbers) {
    EXPECT_TRUE(e.value.IsNumber());
    EXPECT_EQ(e.value.Num(), e.number);
  }

  // The set-up leaves the display settings and the life status alone.
  EXPECT_TRUE(g().KingakuHyouzi.IsEmpty());
  EXPECT_TRUE(g().KingakuComma.IsEmpty());
  EXPECT_TRUE(g().ToolStyle.IsEmpty());
  EXPECT_TRUE(g().LifeStatus.IsEmpty());

  // The speed and sound settings are applied to the main window as they are set.
  std::vector<std::string> settings;
  for (const UiEvent& e : ui_.Events())
    if (e.kind == UiEvent::Setting) settings.push_back(e.text);
  EXPECT_EQ(settings, (std::vector<std::string>{"GameSpeedChange", "ChangeKoukaon"}));
}

TEST_F(WorldTest, TotalsAndDesksStartAsNumbers) {
  shell::InitWorld();
  for (long long s = 0; s <= kLastSlot; ++s) {
    EXPECT_TRUE(g().ProductionSlot[s].SigotoPoint.IsNumber());
    EXPECT_EQ(g().ProductionSlot[s].SigotoPoint, 0);
  }
  EXPECT_TRUE(g().ProductionSlot[6].SigotoPoint.IsEmpty());
  for (long long m : {0, 320, 640}) {
    const rec::MangaWork& w = g().MangaWork[m];
    for (const Value* v : {&w.Prize, &w.TotalSold, &w.Royalty}) EXPECT_TRUE(v->IsNumber());
    EXPECT_TRUE(g().ComicsVolume[m][0].Sold.IsNumber());
    EXPECT_TRUE(g().ComicsVolume[m][200].Sold.IsNumber());
    EXPECT_TRUE(g().ComicsVolume[m][201].Sold.IsEmpty());
    EXPECT_TRUE(g().ComicsVolume[m][500].Sold.IsEmpty());
  }
  EXPECT_TRUE(g().KnowledgeItem[256].Point.IsNumber());
  EXPECT_EQ(g().KnowledgeItem[256].Point, 0);
  for (long long k = 0; k <= 12; ++k) EXPECT_EQ(g().AsiDesk[k], -1);
}

TEST_F(WorldTest, StartsOnTodaysDateIn1970WithThePcsWeekday) {
  clock_.Set({2024, 2, 29, 5, 23, 59, 0});  // a Thursday
  shell::InitWorld();
  EXPECT_EQ(g().GameYear, 1970);
  EXPECT_EQ(g().GameMonth, 2);
  EXPECT_EQ(g().GameDay, 29);
  EXPECT_EQ(g().GameWeekday, 4);
  EXPECT_EQ(g().GameHour, 23);

  ClearGameState();
  clock_.Set({2023, 1, 8, 1, 0, 5, 0});  // a Sunday
  shell::InitWorld();
  EXPECT_EQ(g().GameWeekday, 0);
  EXPECT_EQ(g().GameHour, 0);
}

TEST_F(WorldTest, EveryCatalogueIsFilled) {
  shell::InitWorld();
  struct Count {
    const char* what;
    const Value& count;
    int expected;
  } counts[] = {
      {"assistants", g().AsiCount, 19},        {"poll artists", g().PollArtistCount, 16},
      {"asset rows", g().AssetRankCount, 100}, {"existing manga", g().OtherMangaCount, 34},
      {"novels", g().NovelCount, 39},          {"magazines", g().MagazineCount, 10},
      {"training", g().SyugyouCount, 5},       {"outings", g().SanpoCount, 10},
      {"jobs", g().ArubaitoCount, 22},         {"knowledge", g().TiItemCount, 97},
      {"figures", g().FigureCount, 5},         {"page formats", g().ClassList[0].Count, 4},
      {"audiences", g().ClassList[1].Count, 4}, {"genres", g().ClassList[2].Count, 3},
  };
  for (const Count& c : counts) EXPECT_EQ(c.count, c.expected) << c.what;
  for (long long k = 3; k <= 6; ++k) EXPECT_TRUE(g().ClassList[k].Count.IsEmpty());
  for (long long r = 0; r < 19; ++r) EXPECT_EQ(g().Assistant[r].Hired, 0);
}

TEST_F(WorldTest, FurnitureTakesTheLowestSpriteSlotsAndTheFiguresTheNextFive) {
  shell::InitWorld();
  EXPECT_EQ(g().SpriteDrawCount, 11);
  EXPECT_EQ(g().RoomItemSpriteCount, 6);
  for (long long i = 0; i < 6; ++i) EXPECT_EQ(g().RoomItem[i].Sprite, i);
  EXPECT_EQ(g().BedSprite, 4);
  EXPECT_EQ(g().DeskAnimSprite, 5);
  EXPECT_EQ(g().SpriteLast, 10);
  for (long long f = 0; f < 5; ++f) {
    const rec::Figure& figure = g().Figure[f];
    EXPECT_EQ(figure.Sprite, 6 + f);
    EXPECT_EQ(figure.Picture, f == 0 ? 0 : 1);
    EXPECT_TRUE(figure.Place.IsEmpty());  // placed by the first update, not here
    EXPECT_EQ(g().Sprite[6 + f].Y, -32);
  }
  EXPECT_TRUE(g().Sprite[11].Used.IsEmpty());
}

TEST_F(WorldTest, DrawsInTheSpecifiedOrderAndGivesFirstPointsToTheRowsThatPass) {
  ScriptedRandom random;
  ExpectOpeningDraws(random);
  random.Expect(10, 3);                      // row 0 fails
  random.Expect(10, 0).Expect(10, 9);        // row 1: 13 points
  random.Expect(10, 7);                      // row 2 fails
  random.Expect(10, 0).Expect(10, 0);        // row 3: 4 points
  for (int row = 4; row < 97; ++row) random.Expect(10, 1 + row % 9);
  SetRandomSource(&random);

  shell::InitWorld();

  EXPECT_EQ(random.Seeds(), 1);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(g().Garyoku, 4);
  EXPECT_EQ(g().Kyouyou, 16);
  EXPECT_EQ(g().Hassouryoku, 9);
  EXPECT_EQ(g().Souzouryoku, 11);
  EXPECT_EQ(g().Tinou, 7);
  for (long long i = 0; i < 97; ++i) {
    const rec::KnowledgeItem& item = g().KnowledgeItem[i];
    double points = i == 1 ? 13 : i == 3 ? 4 : 0;
    EXPECT_EQ(item.Point, points) << "row " << i;
    EXPECT_EQ(item.Known, points > 0 ? 1 : 0) << "row " << i;
  }
}

TEST_F(WorldTest, FirstPointsStopAfterFiveItems) {
  ScriptedRandom random;
  ExpectOpeningDraws(random);
  for (long points : {0, 9, 3, 5, 1}) random.Expect(10, 0).Expect(10, points);
  SetRandomSource(&random);

  shell::InitWorld();

  EXPECT_EQ(random.Remaining(), 0u);  // ten draws, then no further row is visited
  const char* names[] = {"企業戦士", "技術研究所", "ｻﾗﾘｰﾏﾝ", "古本屋", "消防士"};
  const double points[] = {4, 13, 7, 9, 5};
  for (long long i = 0; i < 5; ++i) {
    EXPECT_EQ(g().KnowledgeItem[i].Name.Str(), names[i]);
    EXPECT_EQ(g().KnowledgeItem[i].Point, points[i]);
    EXPECT_EQ(g().KnowledgeItem[i].Known, 1);
  }
  EXPECT_EQ(g().KnowledgeItem[5].Point, 0);
  EXPECT_TRUE(g().KnowledgeItem[5].Known.IsEmpty());
}

TEST_F(WorldTest, NoItemGetsPointsWhenNoRowPasses) {
  ScriptedRandom random;
  ExpectOpeningDraws(random);
  for (int row = 0; row < 97; ++row) random.Expect(10, 9);
  SetRandomSource(&random);

  shell::InitWorld();

  EXPECT_EQ(random.Remaining(), 0u);
  for (long long i = 0; i < 97; ++i) {
    EXPECT_EQ(g().KnowledgeItem[i].Point, 0);
    EXPECT_TRUE(g().KnowledgeItem[i].Known.IsEmpty());
  }
}

TEST_F(WorldTest, ASecondGameAfterClearingBuildsTheSameCatalogues) {
  shell::InitWorld();
  std::string firstTitles;
  for (long long r = 0; r < 39; ++r) firstTitles += g().Novel[r].Title.Str() + "|";
  g().Assistant[3].Hired = 1;
  g().Magazine[2].RequestState = 3;
  g().PublisherYukou[4] = 7;
  g().HouseKind = 1;

  ClearGameState();
  shell::InitWorld();

  std::string secondTitles;
  for (long long r = 0; r < 39; ++r) secondTitles += g().Novel[r].Title.Str() + "|";
  EXPECT_EQ(secondTitles, firstTitles);
  EXPECT_EQ(g().AsiCount, 19);
  EXPECT_EQ(g().MagazineCount, 10);
  EXPECT_EQ(g().Assistant[3].Hired, 0);
  EXPECT_EQ(g().Magazine[2].RequestState, 0);
  EXPECT_EQ(g().PublisherYukou[4], 0);
  EXPECT_EQ(g().BedSprite, 4);
  EXPECT_EQ(g().FigureCount, 5);
  EXPECT_EQ(g().Figure[4].Sprite, 10);
}

}  // namespace
}  // namespace koratsu
