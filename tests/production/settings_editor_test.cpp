#include "production/settings_editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "production/point_buttons.h"
#include "production/production_fixture.h"
#include "production/slots.h"
#include "state/tutorial_stage.h"
#include "support/save_bytes.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

// Rows of the fixture's knowledge items.
constexpr int kPolice = 1;   // 7 points, value factor 2
constexpr int kArtist = 2;   // 12 points, value factor 1.2
constexpr int kSpy = 4;      // 5 points, value factor 1.4

class SettingsEditorTest : public ProductionTest {
 protected:
  SettingsEditorTest() { OpenSettingsEditor(); }

  // The candidate row that shows `item`.
  int RowOf(int item) const {
    for (int r = 0; r < g.CandidateCount.Index(); ++r)
      if (g.SettingCandidate[r].Item == item) return r;
    ADD_FAILURE() << "item " << item << " is not a candidate";
    return -1;
  }
  // Setting k takes `item` and, by holding ▲, `points` of its points.
  void Plan(int k, int item, int points) {
    SelectSetting(k);
    ChooseCandidate(RowOf(item));
    Hold(k, kPointRepeatAdd, points);
  }
  // Holds a point button of setting k for `ticks` timer ticks; the points that moved.
  int Hold(int k, int repeat, int ticks) {
    PressSettingPointButton(k, repeat);
    int moved = 0;
    for (int t = 0; t < ticks; ++t) moved += SettingsEditorTimerStep() ? 1 : 0;
    ReleaseSettingPointButton();
    return moved;
  }
  const rec::NewMangaSetting& Setting(int k) const { return g.NewMangaSetting[k]; }
  Value Work(int item) const { return g.KnowledgeItem[item].PointWork; }
  // The draws of a successful start: discarded, r, and RateManga's three.
  void ScriptStart(long r = 30) { random.ExpectRnd(0.5).Expect(50, r).Any(3); }
};

TEST_F(SettingsEditorTest, OpeningTakesWorkingCopiesAndListsTheItemsWithPoints) {
  EXPECT_EQ(g.CandidateCount, 3);
  EXPECT_EQ(g.SettingCandidate[0].Item, kPolice);
  EXPECT_EQ(g.SettingCandidate[1].Item, kArtist);
  EXPECT_EQ(g.SettingCandidate[2].Item, kSpy);
  EXPECT_EQ(Work(kArtist), 12);
  EXPECT_EQ(g.SelectedSetting, 0);
  for (int k = 0; k < kSettingCount; ++k) {
    EXPECT_EQ(Setting(k).Used, 0);
    EXPECT_EQ(Setting(k).Points, 0);
  }

  // A player without knowledge points gets an empty list.
  GiveItems({{"企業戦士", 0, 1}, {"警察官", 0, 2}});
  OpenSettingsEditor();
  EXPECT_EQ(g.CandidateCount, 0);
}

TEST_F(SettingsEditorTest, HoldingAPointButtonMovesOnePointATickUntilOneSideRunsOut) {
  SelectSetting(1);
  ChooseCandidate(RowOf(kPolice));
  EXPECT_EQ(Hold(1, kPointRepeatAdd, 10), 7) << "stops when the item runs out";
  EXPECT_EQ(Setting(1).Points, 7);
  EXPECT_EQ(Work(kPolice), 0);

  // ▼ gives them back one per tick.
  PressSettingPointButton(1, kPointRepeatTakeBack);
  for (int expected = 6; expected >= 4; --expected) {
    EXPECT_TRUE(SettingsEditorTimerStep());
    EXPECT_EQ(Setting(1).Points, expected);
    EXPECT_EQ(Work(kPolice), 7 - expected);
  }
  ReleaseSettingPointButton();
  EXPECT_FALSE(SettingsEditorTimerStep()) << "released: nothing moves";
  EXPECT_EQ(Hold(1, kPointRepeatTakeBack, 9), 4) << "stops at 0";

  // A press on a row selects it; a setting without item moves nothing.
  EXPECT_EQ(Hold(2, kPointRepeatAdd, 3), 0);
  EXPECT_EQ(g.SelectedSetting, 2);
  EXPECT_EQ(g.PointRepeatSlot, 2);
  // The points never left the working copies.
  EXPECT_EQ(g.KnowledgeItem[kPolice].Point, 7);
}

TEST_F(SettingsEditorTest, AnItemIsHeldByOneSettingAtMost) {
  Plan(1, kArtist, 4);
  Plan(0, kPolice, 3);
  // Setting 0 selected, the artist's row double-clicked: setting 0 gives its
  // points back and stays empty, as setting 1 holds the item.
  ChooseCandidate(RowOf(kArtist));
  EXPECT_EQ(Setting(0).Used, 0);
  EXPECT_EQ(Setting(0).Points, 0);
  EXPECT_EQ(Work(kPolice), 7);
  EXPECT_EQ(Setting(1).Points, 4);

  // The item the selected setting already holds: points back, item kept.
  SelectSetting(1);
  ChooseCandidate(RowOf(kArtist));
  EXPECT_EQ(Setting(1).Used, 1);
  EXPECT_EQ(Setting(1).Item, kArtist);
  EXPECT_EQ(Setting(1).Points, 0);
  EXPECT_EQ(Work(kArtist), 12);

  // なし empties it; a row that does not exist changes nothing.
  Hold(1, kPointRepeatAdd, 2);
  ClearSelectedSetting();
  EXPECT_EQ(Setting(1).Used, 0);
  EXPECT_EQ(Work(kArtist), 12);
  ChooseCandidate(7);
  EXPECT_EQ(Setting(1).Used, 0);
}

TEST_F(SettingsEditorTest, ARefusedPlanChangesNothingButTheTutorialStepAndOneDraw) {
  struct Case {
    int points0, points1, points2;
    const char* message;
  } cases[] = {
      {-1, -1, -1, "漫画の設定がありません。"},
      // Settings 0 and 2 are fine; setting 1 has its item but no points.
      {3, 0, 2, "漫画家のﾎﾟｲﾝﾄがありません。"},
      {0, 0, 2, "警察官のﾎﾟｲﾝﾄがありません。"},
  };
  const int items[] = {kPolice, kArtist, kSpy};
  for (const Case& c : cases) {
    OpenSettingsEditor();
    const int points[] = {c.points0, c.points1, c.points2};
    for (int k = 0; k < kSettingCount; ++k)
      if (points[k] >= 0) Plan(k, items[k], points[k]);
    ui.Clear();
    g.TutorialStage = tutorial_stage::kNone;
    const std::string before = SavedBytes(g);
    random.ExpectRnd(0.5);
    EXPECT_FALSE(StartProduction(1, 2));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(ui.Shown(), std::vector<int>{});
    EXPECT_EQ(random.Remaining(), 0u);
    const std::string after = SavedBytes(g);
    EXPECT_TRUE(before == after) << FirstDifference(before, after);
  }

  // The tutorial moves on all the same.
  g.TutorialStage = tutorial_stage::kSettingsStart;
  random.ExpectRnd(0.5);
  StartProduction(0, 0);
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kSchedule);
}

TEST_F(SettingsEditorTest, WithoutAFreeSlotNothingIsSpent) {
  Plan(0, kArtist, 5);
  for (int s = 0; s <= kLastSlot; ++s) Busy(s);
  const std::string before = SavedBytes(g);
  random.ExpectRnd(0.5);
  EXPECT_FALSE(StartProduction(0, 0));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kSixWorksMessage});
  EXPECT_EQ(g.KnowledgeItem[kArtist].Point, 12);
  const std::string after = SavedBytes(g);
  EXPECT_TRUE(before == after) << FirstDifference(before, after);
}

TEST_F(SettingsEditorTest, TheStartPlacesTheWorkInTheFirstFreeSlotAndOpensTheSchedule) {
  for (int s : {0, 1, 3}) Busy(s, 4);
  Plan(0, kArtist, 10);
  Plan(1, kSpy, 5);
  g.FormSlot[form::kSettingsEditor].Mode = 0;
  g.TutorialStage = tutorial_stage::kSettingsStart;
  ui.Show(form::kNewMangaChoice, ui::Modeless);
  ui.Show(form::kSettingsEditor, ui::Modeless);
  ui.Clear();
  ScriptStart(40);
  EXPECT_TRUE(StartProduction(2, 1));
  EXPECT_EQ(random.Remaining(), 0u) << "five draws";

  const rec::ProductionSlot& p = g.ProductionSlot[2];
  EXPECT_EQ(g.SlotKanseido[2], 0.1);
  EXPECT_EQ(p.Class[0], 2);
  EXPECT_EQ(p.Class[1], 1);
  EXPECT_EQ(p.SettingItem[0], kArtist);
  EXPECT_EQ(p.SettingItem[1], kSpy);
  EXPECT_EQ(p.SettingItem[2], -1);
  EXPECT_EQ(p.SettingPoints[0], 10);
  EXPECT_EQ(p.SettingPoints[1], 5);
  EXPECT_EQ(p.SettingPoints[2], 0);
  EXPECT_EQ(p.Target, 180) << "Int(140 + 40 + (12 + 7) / 20)";
  EXPECT_EQ(p.Source, 0);
  EXPECT_EQ(g.SlotLabel[2], Value("新しい漫画"));
  EXPECT_EQ(p.SigotoPoint, 8);
  EXPECT_EQ(g.SlotsInUse, 4);
  EXPECT_GT(p.Quality, 0);
  // The knowledge is spent; the knowledge list rebuilds.
  EXPECT_EQ(g.KnowledgeItem[kArtist].Point, 2);
  EXPECT_EQ(g.KnowledgeItem[kSpy].Point, 0);
  EXPECT_EQ(g.KnowledgeItem[kPolice].Point, 7);
  EXPECT_EQ(g.FormSlot[form::kKnowledgeList].Rebuild, 1);
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kSchedule);

  // The editor and the choice window close, then the schedule opens.
  std::vector<std::pair<int, int>> windows;  // kind, form
  for (const UiEvent& e : ui.Events())
    if (e.kind == UiEvent::Unload || e.kind == UiEvent::Show) windows.emplace_back(e.kind, e.form);
  EXPECT_EQ(windows, (std::vector<std::pair<int, int>>{{UiEvent::Unload, form::kSettingsEditor},
                                                       {UiEvent::Unload, form::kNewMangaChoice},
                                                       {UiEvent::Show, form::kSchedule}}));
  EXPECT_EQ(ui.Events().back().number, ui::Modal);
  EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 0);
}

TEST_F(SettingsEditorTest, TheSettingsCloseTheirGapsAndTheTargetRestsOnTheirValues) {
  // Only setting 2 filled: placed as setting 0.
  Plan(2, kSpy, 5);
  ScriptStart();
  ASSERT_TRUE(StartProduction(0, 0));
  const rec::ProductionSlot& first = g.ProductionSlot[0];
  EXPECT_EQ(first.SettingItem[0], kSpy);
  EXPECT_EQ(first.SettingPoints[0], 5);
  for (int k : {1, 2}) {
    EXPECT_EQ(first.SettingItem[k], -1);
    EXPECT_EQ(first.SettingPoints[k], 0);
  }

  // 10 points on an item of value factor 2: values 20, 0, 0; an r draw of
  // 20 or less counts negative.
  const struct {
    long draw;
    int target;
  } cases[] = {{20, 121}, {21, 162}, {0, 141}, {49, 190}};
  for (const auto& c : cases) {
    g.SlotKanseido[0] = 0;
    GiveItems({{"警察官", 12, 2}});
    OpenSettingsEditor();
    Plan(0, 0, 10);
    ScriptStart(c.draw);
    ASSERT_TRUE(StartProduction(0, 0));
    EXPECT_EQ(g.ProductionSlot[0].Target, c.target) << "r draw " << c.draw;
  }
}

TEST_F(SettingsEditorTest, ASerialsFirstEpisodeOpensNoSchedule) {
  g.FormSlot[form::kSettingsEditor].Mode = 2;
  g.SerialMagazine = 0;
  Plan(0, kPolice, 2);
  ScriptStart();
  ASSERT_TRUE(StartProduction(0, 0));
  EXPECT_EQ(g.ProductionSlot[0].Kind, 6);
  EXPECT_EQ(ui.ShownCount(form::kSchedule), 0);
  EXPECT_EQ(g.FormSlot[form::kSettingsEditor].Mode, 0);
}

}  // namespace
}  // namespace koratsu::testing
