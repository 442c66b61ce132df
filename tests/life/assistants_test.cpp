#include "life/assistants.h"

#include <gtest/gtest.h>

#include <set>

#include "roomview/sheet_layout.h"
#include "roomview/walking.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/moved_house.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ScriptedRandom;

// A generator that gives the same number every time.
class ConstantRandom : public RandomSource {
 public:
  explicit ConstantRandom(double value) : value_(value) {}
  double Next(long) override { return value_; }
  void Seed(std::uint64_t) override {}

 private:
  double value_;
};

class AssistantsTest : public ::testing::Test {
 protected:
  AssistantsTest() {
    ClearGameState();
    shell::InitWorld();
    g().GameActive = 1;
  }
  GameState& g() { return state.g(); }

  // Moves into the house, the room as the move leaves it.
  void House() { testing::FurnishMovedHouse(); }

  // Hires assistant `row` as the hiring window does with him on its first page.
  bool Hire(long long row) {
    g().AsiList[0] = row;
    g().AsiListCount = 1;
    return HireAssistant(0);
  }
  // Dismisses assistant `row` from the dismissal window, answering `answer`.
  bool Dismiss(long long row, int answer = 6) {
    ListHiredAssistants();
    for (long long p = 0; p < g().AsiListCount.Index(); ++p) {
      if (g().AsiList[p] != row) continue;
      ui.AnswerYesNo({answer});
      return DismissAssistant(p);
    }
    ADD_FAILURE() << "row " << row << " is not hired";
    return false;
  }
  std::vector<long long> Offer() {
    std::vector<long long> rows;
    for (long long p = 0; p < g().AsiListCount.Index(); ++p) rows.push_back(g().AsiList[p].Index());
    return rows;
  }
  rec::Sprite& FigureSprite(int i) { return g().Sprite[g().Figure[i].Sprite]; }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(AssistantsTest, TheCommandsRefuseTheFlatAndAnEmptyStudio) {
  GetAsi();
  AsiKaiko();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"アパートでは雇えません。", "ｱｼｽﾀﾝﾄがいません"}));
  EXPECT_TRUE(ui.Shown().empty());
  EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1, 0, 1}));

  ui.Clear();
  House();
  g().Assistant[7].Hired = 1;
  GetAsi();
  AsiKaiko();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kHireAssistant, form::kDismissAssistant}));
  EXPECT_EQ(ui.Events().back().number, ui::Modal);
  EXPECT_EQ(g().AsiListCount, Value(1));
}

TEST_F(AssistantsTest, AnOfferRedrawsHiredAndOfferedRows) {
  g().Assistant[3].Hired = 1;
  g().Assistant[5].Hired = 1;
  g().Assistant[9].Offered = 1;  // from the last opening
  ScriptedRandom draws;
  draws.Expect(4, 2)                                // four candidates
      .Expect(19, 5).Expect(19, 7)                  // hired, then free
      .Expect(19, 7).Expect(19, 0)                  // offered already, then free
      .Expect(19, 3).Expect(19, 18)
      .Expect(19, 9);                               // free again at a new opening
  SetRandomSource(&draws);
  DrawAssistantOffer();
  EXPECT_EQ(draws.Remaining(), 0u);
  EXPECT_EQ(Offer(), (std::vector<long long>{7, 0, 18, 9}));
  for (long long i = 0; i < 19; ++i) EXPECT_EQ(g().Assistant[i].Offered == 1, i == 7 || i == 0 || i == 18 || i == 9) << i;
}

TEST_F(AssistantsTest, EveryOfferHoldsTwoToFiveDifferentFreeAssistantsWhateverTheGenerator) {
  const std::set<long long> hiredSets[] = {{}, {0, 1, 2, 3}, {15, 16, 17, 18}, {0, 18, 9, 4}};
  const double constants[] = {0.0, 0.3, 0.5, 0.8, 0.9999999};
  for (const auto& hired : hiredSets) {
    for (long long i = 0; i < 19; ++i) g().Assistant[i].Hired = hired.count(i) ? 1 : 0;
    auto check = [&](const std::string& trace) {
      SCOPED_TRACE(trace);
      const std::vector<long long> offer = Offer();
      EXPECT_GE(offer.size(), 2u);
      EXPECT_LE(offer.size(), 5u);
      EXPECT_EQ(std::set<long long>(offer.begin(), offer.end()).size(), offer.size());
      for (long long row : offer) {
        EXPECT_TRUE(row >= 0 && row < 19) << row;
        EXPECT_EQ(hired.count(row), 0u) << row;
      }
    };
    for (double value : constants) {
      ConstantRandom constant(value);
      SetRandomSource(&constant);
      DrawAssistantOffer();
      check("always " + std::to_string(value));
    }
    SeededRandom seeded(11);
    SetRandomSource(&seeded);
    for (int n = 0; n < 200; ++n) {
      DrawAssistantOffer();
      check("seeded, opening " + std::to_string(n));
    }
  }
  // With fewer assistants free than drawn, every free one is offered.
  for (long long i = 0; i < 19; ++i) g().Assistant[i].Hired = i == 4 || i == 11 ? 0 : 1;
  ConstantRandom five(0.9999999);
  SetRandomSource(&five);
  DrawAssistantOffer();
  const std::vector<long long> offer = Offer();
  EXPECT_EQ(std::set<long long>(offer.begin(), offer.end()), (std::set<long long>{4, 11}));
}

TEST_F(AssistantsTest, AHireAddsHisPointsAndSeatsHimAtTheLowestFreeDesk) {
  House();
  g().AsiDesk[0] = 5;
  g().AsiDesk[2] = 6;
  g().Assistant[5].Hired = 1;
  g().Assistant[6].Hired = 1;
  g().SigotoPoint = 27;
  g().ProductionSlot[0].SigotoPoint = 12;
  g().SlotKanseido[0] = 3;
  g().FormSlot[form::kInfoPanel].Redraw = 0;
  EXPECT_TRUE(Hire(16));  // six points, picture 4
  EXPECT_TRUE(g().Assistant[16].Hired == 1);
  EXPECT_EQ(g().SigotoPoint, Value(33));
  EXPECT_EQ(g().AsiDesk[1], Value(16));
  EXPECT_EQ(g().Figure[2].Picture, Value(4));
  EXPECT_EQ(g().AsiDesk[0], Value(5));
  EXPECT_EQ(g().AsiDesk[2], Value(6));
  EXPECT_EQ(g().AsiDesk[3], Value(-1));
  EXPECT_EQ(g().ProductionSlot[0].SigotoPoint, Value(12));  // the new points wait, unallotted
  EXPECT_TRUE(g().FormSlot[form::kInfoPanel].Redraw == 1);

  // The next one takes the last desk; with four the window refuses.
  EXPECT_TRUE(Hire(13));  // no points at all
  EXPECT_EQ(g().AsiDesk[3], Value(13));
  EXPECT_EQ(g().SigotoPoint, Value(33));
  g().FormSlot[form::kInfoPanel].Redraw = 0;
  EXPECT_FALSE(Hire(2));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"雇えるｱｼｽﾀﾝﾄは4人までです。"});
  EXPECT_TRUE(g().Assistant[2].Hired == 0);
  EXPECT_EQ(g().SigotoPoint, Value(33));
  EXPECT_TRUE(g().FormSlot[form::kInfoPanel].Redraw == 1);
}

TEST_F(AssistantsTest, WithFourHiredTheWindowStillOpens) {
  House();
  for (long long row : {1, 2, 3, 4}) ASSERT_TRUE(Hire(row));
  bool refused = false;
  ui.On(form::kHireAssistant, [&] {
    DrawAssistantOffer();
    refused = !HireAssistant(0);
  });
  GetAsi();
  EXPECT_EQ(ui.ShownCount(form::kHireAssistant), 1);
  EXPECT_TRUE(refused);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"雇えるｱｼｽﾀﾝﾄは4人までです。"});
}

TEST_F(AssistantsTest, TheDismissalListRunsInRowOrderAndNoKeepsEverything) {
  House();
  for (long long row : {16, 2, 9}) ASSERT_TRUE(Hire(row));
  ListHiredAssistants();
  EXPECT_EQ(Offer(), (std::vector<long long>{2, 9, 16}));

  const Value points = g().SigotoPoint;
  EXPECT_FALSE(Dismiss(16, 7));
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"御影 すみれ氏を本当に止めさせますか？"});
  EXPECT_TRUE(g().Assistant[16].Hired == 1);
  EXPECT_EQ(g().SigotoPoint, points);
  EXPECT_EQ(g().AsiDesk[0], Value(16));
}

TEST_F(AssistantsTest, ADismissalFreesTheDeskAndHidesTheFigureAtOnce) {
  House();
  g().LifeStatus = 2;
  for (long long row : {16, 2}) ASSERT_TRUE(Hire(row));
  for (int n = 0; n < 40; ++n) MoveFigures();
  ASSERT_EQ(FigureSprite(1).X, Value(270));  // at work at desk 0
  const long long slot = g().Figure[1].Sprite.Index();
  EXPECT_TRUE(Dismiss(16));
  EXPECT_EQ(g().SigotoPoint, Value(20 + 5));
  EXPECT_TRUE(g().Assistant[16].Hired == 0);
  EXPECT_EQ(g().AsiDesk[0], Value(-1));
  EXPECT_EQ(g().AsiDesk[1], Value(2));
  EXPECT_EQ(g().Figure[1].Dir, Value(5));
  EXPECT_EQ(g().Sprite[slot].SrcX, Value(sheet::kLeavingSourceX));
}

TEST_F(AssistantsTest, ADismissalTrimsTheBusySlotsByTheAssistantsPoints) {
  struct Slot {
    double points;
    bool busy;
  };
  struct Case {
    const char* what;
    double studio, assistant;
    std::vector<Slot> slots;
    std::vector<double> after;
  };
  const Case cases[] = {
      {"three passes", 26, 6, {{14, true}, {12, true}}, {11, 9}},
      {"the full points, not only the shortfall", 30, 6, {{15, true}, {10, true}}, {12, 7}},
      {"slots that still fit", 30, 6, {{10, true}, {8, true}}, {10, 8}},
      {"no points to take", 26, 0, {{14, true}, {12, true}}, {14, 12}},
      {"idle slots and empty busy ones are left alone", 26, 6, {{0, true}, {9, false}, {14, true}, {12, true}},
       {0, 9, 11, 9}},
      {"the busy slots run dry", 3, 6, {{2, true}, {1, true}}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearGameState();
    shell::InitWorld();
    House();
    g().Assistant[11].Point = c.assistant;
    ASSERT_TRUE(Hire(11));
    g().SigotoPoint = c.studio;
    for (std::size_t s = 0; s < c.slots.size(); ++s) {
      g().ProductionSlot[s].SigotoPoint = c.slots[s].points;
      g().SlotKanseido[s] = c.slots[s].busy ? 0.5 : 0;
    }
    ASSERT_TRUE(Dismiss(11));
    EXPECT_EQ(g().SigotoPoint.Num(), c.studio - c.assistant);
    for (std::size_t s = 0; s < c.after.size(); ++s) EXPECT_EQ(g().ProductionSlot[s].SigotoPoint.Num(), c.after[s]) << s;
  }
}

TEST_F(AssistantsTest, AHireOntoADeskFreedByADismissalIsSeenWalkingIn) {
  House();
  g().LifeStatus = 1;
  ASSERT_TRUE(Hire(16));  // picture 4
  for (int n = 0; n < 4; ++n) MoveFigures();  // on his way in
  ASSERT_TRUE(Dismiss(16));
  // Seated again before the room moved on: the leaving mark goes with the new hire.
  ASSERT_TRUE(Hire(2));  // picture 2
  EXPECT_EQ(g().AsiDesk[0], Value(2));
  EXPECT_EQ(g().Figure[1].Dir, Value(0));
  int steps = 0;
  for (int n = 0; n < 40; ++n) {
    const Value x = FigureSprite(1).X;
    MoveFigures();
    steps += FigureSprite(1).X != x;
    const double src = FigureSprite(1).SrcX.Num();
    ASSERT_GE(src, 2 * sheet::kPersonStride) << n;
    ASSERT_LT(src, 3 * sheet::kPersonStride) << n;
    ASSERT_GE(FigureSprite(1).SrcY.Num(), 0) << n;
  }
  EXPECT_EQ(g().Figure[1].Picture, Value(2));
  EXPECT_GE(steps, 6);
  EXPECT_EQ(FigureSprite(1).X, Value(270));
  EXPECT_EQ(FigureSprite(1).Y, Value(123));
}

}  // namespace
}  // namespace koratsu
