#include "roomview/walking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roomview/sheet_layout.h"
#include "state/game_state.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

// The room as the world set-up leaves it, built by hand: the dwelling's
// furniture in the lowest slots, then the five figures, unplaced above the view.
class WalkingTest : public ::testing::Test {
 protected:
  void Furnish(int house) {
    GameState& g = this->g();
    g.HouseKind = house;
    g.FigureSheetStride = 80;
    for (int k = 0; k < 13; ++k) g.AsiDesk[k] = -1;
    int slot = 0;
    auto add = [&](int x, int y, int srcX, int srcY, int w, int h, int depth) {
      rec::Sprite& s = g.Sprite[slot];
      s.X = x, s.Y = y, s.SrcX = srcX, s.SrcY = srcY, s.Width = w, s.Height = h;
      s.Depth = y + depth + slot / 1000.0;
      s.Used = 1;
      return slot++;
    };
    if (house == 0) {
      for (const sheet::Placement& p : sheet::kApartmentFurniture) {
        add(p.x, p.y, p.source.x, p.source.y, p.source.width, p.source.height, p.depthOffset);
      }
      g.BedSprite = 4;
      g.DeskAnimSprite = 5;
    } else {
      for (const sheet::Placement& p : sheet::kHouseFurniture) {
        add(p.x, p.y, p.source.x, p.source.y, p.source.width, p.source.height, p.depthOffset);
      }
      g.BedSprite = 10;
      g.DeskAnimSprite = 11;
      for (int k = 0; k < 4; ++k) g.AsiDeskSlot[k].AnimSprite = 12 + k;
    }
    for (int i = 0; i < 5; ++i) {
      g.Figure[i].Picture = i == 0 ? 0 : 1;
      g.Figure[i].Sprite = add(0, -32, 0, 0, 16, 32, 1000);
    }
    g.FigureCount = 5;
  }

  GameState& g() { return fresh.g(); }
  rec::Figure& Fig(int i) { return g().Figure[i]; }
  rec::Sprite& Spr(int i) { return g().Sprite[g().Figure[i].Sprite]; }
  rec::Sprite& Bed() { return g().Sprite[g().BedSprite]; }
  std::pair<double, double> CellOf(int i) { return {Spr(i).X.Num() / 6 + 20, Spr(i).Y.Num() / 3 + 20}; }

  // Seats assistant row `row` with picture `picture` at desk k, as hiring does.
  void Seat(int k, int row, int picture) {
    g().AsiDesk[k] = row;
    Fig(k + 1).Picture = picture;
    if (Fig(k + 1).Dir == 5) Fig(k + 1).Dir = 0;
  }
  // Frees desk k, as dismissing does.
  void Dismiss(int k) {
    Fig(k + 1).Dir = 5;
    Spr(k + 1).SrcX = -50;
    g().AsiDesk[k] = -1;
  }

  // Runs updates until figure i stands still (no step and no change of place)
  // and writes what happened: "p3" when the place became 3, "2x5" for five
  // steps in direction 2.
  std::string Walk(int i, int limit = 200) {
    std::vector<std::string> tokens;
    std::string lastDir;
    int run = 0;
    auto flush = [&] {
      if (run > 0) tokens.push_back(run == 1 ? lastDir : lastDir + "x" + std::to_string(run));
      run = 0;
    };
    for (int n = 0; n < limit; ++n) {
      double place = Fig(i).Place.Num();
      double x = Spr(i).X.Num(), y = Spr(i).Y.Num();
      MoveFigures();
      bool moved = Spr(i).X.Num() != x || Spr(i).Y.Num() != y;
      bool replaced = Fig(i).Place.Num() != place;
      if (replaced) {
        flush();
        tokens.push_back("p" + Fig(i).Place.Str());
      }
      if (moved) {
        std::string dir = Fig(i).Dir.Str();
        if (dir != lastDir) flush();
        lastDir = dir;
        ++run;
      }
      if (!moved && !replaced && (!tokens.empty() || run > 0)) break;
    }
    flush();
    std::string out;
    for (const std::string& t : tokens) out += (out.empty() ? "" : " ") + t;
    return out;
  }

  testing::FreshState fresh;
};

TEST_F(WalkingTest, ANewGameInTheApartment) {
  Furnish(0);
  g().LifeStatus = 2;
  MoveFigures();
  EXPECT_EQ(Spr(0).X.Num(), 222);
  EXPECT_EQ(Spr(0).Y.Num(), 129);
  EXPECT_TRUE(Fig(0).Dir == 2);
  EXPECT_EQ(Spr(0).SrcX.Num(), 0);
  EXPECT_EQ(Spr(0).SrcY.Num(), 32);
  EXPECT_TRUE(Fig(0).Step == 1);
  EXPECT_TRUE(Fig(0).Turned == 1);
  EXPECT_TRUE(g().TickHold == 1);
  EXPECT_EQ(Spr(0).Depth.Num(), 129 + 6 / 1000.0);  // slot 6, after the six pieces of furniture
  // The desks stay unplaced, above the view.
  for (int i = 1; i <= 4; ++i) {
    EXPECT_TRUE(Fig(i).Place == 0);
    EXPECT_EQ(Spr(i).Y.Num(), -32);
  }

  EXPECT_EQ(Walk(0), "2x4 1x5");
  EXPECT_EQ(Spr(0).X.Num(), 216);
  EXPECT_EQ(Spr(0).Y.Num(), 102);
  EXPECT_TRUE(g().TickHold == 0);  // set in the update after the tenth step
  EXPECT_TRUE(Fig(0).Dir == 0);
}

// Walks between the named places, as a script per case: the figure starts
// standing where the case puts it, then runs until it stands still.
TEST_F(WalkingTest, WalkingScripts) {
  struct Case {
    const char* name;
    int house;
    int figure;        // 0 the player, k + 1 desk k
    int place;         // where it stands when the case begins
    int x, y;          // pixel
    int lifeStatus;
    const char* walk;
    int endX, endY;
  };
  const Case cases[] = {
      {"apartment, desk to bed", 0, 0, 1, 216, 102, 3, "p2 3x6 4x12", 180, 156},
      {"apartment, bed to desk", 0, 0, 2, 180, 156, 1, "p1 1x6 2x12", 216, 102},
      {"house, desk to bed", 1, 0, 1, 330, 117, 3, "p2 1x3 p3 4x3 1x9 p4 1x2 4x4", 204, 96},
      {"house, bed to desk", 1, 0, 4, 204, 96, 1, "p5 2x4 3x8 p1 2x3 3x6", 330, 117},
      {"house, after moving", 1, 0, 1, 306, 105, 2, "3x4", 330, 117},
      {"desk 0 seated", 1, 1, 0, 0, -32, 2, "p1 1x2 2x10", 270, 123},
      {"desk 0 to the waiting cell", 1, 1, 1, 270, 123, 3, "p2 4x10 p3 3x2 p4 4x17", 120, 210},
      {"desk 0 back from the waiting cell", 1, 1, 4, 120, 210, 1, "p5 2x17 p1 1x2 2x10", 270, 123},
      {"desk 1 seated", 1, 2, 0, 0, -32, 1, "p1 3x6 2x9", 312, 150},
      {"desk 2 seated", 1, 3, 0, 0, -32, 1, "p1 1x2 2x5", 240, 138},
      {"desk 3 seated", 1, 4, 0, 0, -32, 1, "p1 3x2 2x4", 282, 165},
      {"desk 3 to the waiting cell", 1, 4, 1, 282, 165, 3, "p2 4x3 p3 4 1x6 p4 4x17", 120, 210},
      {"desk 3 back by its own way", 1, 4, 4, 120, 210, 2, "p5 2x17 p6 3x4 p1 3x2 2x4", 282, 165},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearGameState();
    Furnish(c.house);
    if (c.figure > 0) Seat(c.figure - 1, 7, 2);
    // The player stands at his desk unless he is the one walking, so that he holds nothing.
    if (c.figure != 0) {
      Fig(0).Place = 1;
      Spr(0).X = 330, Spr(0).Y = 117;
    }
    Fig(c.figure).Place = c.place;
    Spr(c.figure).X = c.x;
    Spr(c.figure).Y = c.y;
    g().LifeStatus = c.lifeStatus;
    EXPECT_EQ(Walk(c.figure), c.walk);
    EXPECT_EQ(Spr(c.figure).X.Num(), c.endX);
    EXPECT_EQ(Spr(c.figure).Y.Num(), c.endY);
    EXPECT_TRUE(Fig(c.figure).Dir == 0);
  }
}

TEST_F(WalkingTest, ThePlayerGoesToBedAndDisappearsIntoIt) {
  Furnish(0);
  Fig(0).Place = 1;
  Spr(0).X = 216, Spr(0).Y = 102;
  g().LifeStatus = 3;
  MoveFigures();  // asleep at the desk: in the same update the bed is the target and he steps
  EXPECT_TRUE(Fig(0).Place == 2);
  EXPECT_TRUE(Fig(0).TargetCol == 50 && Fig(0).TargetRow == 72);
  EXPECT_TRUE(g().TickHold == 1);
  EXPECT_TRUE(Fig(0).Dir == 3);
  Walk(0);
  EXPECT_EQ(Spr(0).SrcY.Num(), -32);
  EXPECT_EQ(Bed().SrcX.Num(), 172);
  EXPECT_TRUE(g().TickHold == 0);

  // Woken: the bed empties, the counter restarts, and he heads for the desk.
  Fig(0).Anim = 7;
  g().LifeStatus = 1;
  MoveFigures();
  EXPECT_EQ(Bed().SrcX.Num(), 98);
  EXPECT_TRUE(Fig(0).Anim == 0);
  EXPECT_TRUE(Fig(0).Place == 1);
}

TEST_F(WalkingTest, WokenOnTheWayToBed) {
  // The place rule of the way to bed hands him back to the desk as soon as he
  // is awake; the waking update's step still goes toward the cell it was
  // aiming at, the next ones go back.
  Furnish(0);
  Fig(0).Place = 1;
  Spr(0).X = 216, Spr(0).Y = 102;
  g().LifeStatus = 3;
  for (int n = 0; n < 5; ++n) MoveFigures();
  g().LifeStatus = 1;
  EXPECT_EQ(Walk(0), "p1 3 1x6");
  EXPECT_EQ(Spr(0).X.Num(), 216);
  EXPECT_EQ(Spr(0).Y.Num(), 102);

  // House: the way points before the bed's leg are walked to the end; the
  // bed's leg itself turns him back toward the way back.
  ClearGameState();
  Furnish(1);
  Fig(0).Place = 1;
  Spr(0).X = 330, Spr(0).Y = 117;
  g().LifeStatus = 3;
  for (int n = 0; n < 5; ++n) MoveFigures();
  g().LifeStatus = 1;
  EXPECT_EQ(Walk(0), "4 1x9 p5 3x6 p1 2x3 3x6");
  EXPECT_EQ(Spr(0).X.Num(), 330);
  EXPECT_EQ(Spr(0).Y.Num(), 117);
}

TEST_F(WalkingTest, TheClockIsHeldWhileSomeoneWalksExceptOnTheWayToTheDoor) {
  Furnish(1);
  Fig(0).Place = 4;
  Spr(0).X = 204, Spr(0).Y = 96;  // the player asleep: he releases the hold on every update
  Seat(0, 0, 1);  // assistant row 0: an occupied desk all the same
  Fig(1).Place = 1;
  Spr(1).X = 270, Spr(1).Y = 123;
  g().LifeStatus = 3;
  std::string holds;
  for (int n = 0; n < 32; ++n) {
    MoveFigures();
    holds += g().TickHold.Str();
    EXPECT_TRUE(g().AsiDeskSlot[0].Walking == 0);
  }
  // Ten steps to his leave cell (held), two to the door (not held),
  // seventeen to the waiting cell (held), then he waits.
  EXPECT_EQ(holds, std::string(10, '1') + "00" + std::string(17, '1') + "000");

  // Back, with the player at his desk: held all the way, in the update that
  // reaches the door as well, until he sits.
  Fig(0).Place = 1;
  Spr(0).X = 330, Spr(0).Y = 117;
  g().LifeStatus = 1;
  holds.clear();
  for (int n = 0; n < 32; ++n) {
    MoveFigures();
    holds += g().TickHold.Str();
  }
  EXPECT_EQ(holds, std::string(17 + 1 + 12, '1') + "00");
}

TEST_F(WalkingTest, DeskAnimations) {
  struct Case {
    const char* name;
    int house;
    int figure;
    int lifeStatus;
    int poseX;                     // picture x + pose column
    std::vector<int> rows;         // the pose row after each update
    std::vector<int> pieceX;       // the work piece's source x after each update
  };
  const Case cases[] = {
      {"player, apartment, working", 0, 0, 2, 48, {0, 32, 0, 32, 0}, {0, 20, 40, 60, 0}},
      {"player, house, working", 1, 0, 2, 64, {0, 32, 0, 32, 0}, {0, 20, 40, 60, 0}},
      {"desk 0, working", 1, 1, 2, 160 + 64, {0, 32, 0, 32, 0}, {262, 282, 302, 322, 262}},
      {"desk 3, working", 1, 4, 2, 160 + 48, {0, 32, 0, 32, 0}, {262, 282, 302, 322, 262}},
  };
  const int deskAt[5][2] = {{0, 0}, {270, 123}, {312, 150}, {240, 138}, {282, 165}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearGameState();
    Furnish(c.house);
    Fig(0).Place = 1;
    if (c.house == 0) Spr(0).X = 216, Spr(0).Y = 102;
    else Spr(0).X = 330, Spr(0).Y = 117;
    if (c.figure > 0) {
      Seat(c.figure - 1, 3, 2);
      Fig(c.figure).Place = 1;
      Spr(c.figure).X = deskAt[c.figure][0];
      Spr(c.figure).Y = deskAt[c.figure][1];
      Spr(c.figure).SrcX = 160;  // in his picture's block, as after the walk in
    }
    g().LifeStatus = c.lifeStatus;
    const rec::Sprite& piece = g().Sprite[c.figure == 0 ? g().DeskAnimSprite : g().AsiDeskSlot[c.figure - 1].AnimSprite];
    double x = Spr(c.figure).X.Num(), depth = Spr(c.figure).Depth.Num();
    for (std::size_t n = 0; n < c.rows.size(); ++n) {
      MoveFigures();
      EXPECT_EQ(Spr(c.figure).SrcX.Num(), c.poseX);
      EXPECT_EQ(Spr(c.figure).SrcY.Num(), c.rows[n]) << n;
      EXPECT_EQ(piece.SrcX.Num(), c.pieceX[n]) << n;
    }
    // Sitting at the desk moves nothing.
    EXPECT_TRUE(Fig(c.figure).Dir == 0);
    EXPECT_EQ(Spr(c.figure).X.Num(), x);
    EXPECT_EQ(Spr(c.figure).Depth.Num(), depth);
  }
}

TEST_F(WalkingTest, TheIdlePoseChangesAtTheFirstAndTwentiethOfEveryThirtyUpdates) {
  Furnish(0);
  Fig(0).Place = 1;
  Spr(0).X = 216, Spr(0).Y = 102;
  Spr(0).SrcY = 999;
  g().LifeStatus = 1;
  std::vector<int> changes;
  double row = 999;
  for (int n = 1; n <= 60; ++n) {
    MoveFigures();
    if (Spr(0).SrcY.Num() != row) changes.push_back(n), row = Spr(0).SrcY.Num();
  }
  EXPECT_EQ(changes, (std::vector<int>{1, 20, 31, 50}));
  EXPECT_EQ(Spr(0).SrcX.Num(), 48);
  EXPECT_EQ(g().Sprite[5].SrcX.Num(), 0);  // the work piece rests while he idles
}

TEST_F(WalkingTest, TheWalkingFrameCounterRunsOnAcrossWalks) {
  Furnish(0);
  Fig(0).Place = 1;
  Spr(0).X = 216, Spr(0).Y = 102;
  Fig(0).Step = 2;
  g().LifeStatus = 3;
  std::vector<int> offsets;
  for (int n = 0; n < 5; ++n) {
    MoveFigures();
    offsets.push_back(static_cast<int>(Spr(0).SrcX.Num()));
  }
  EXPECT_EQ(offsets, (std::vector<int>{0, 32, 0, 16, 0}));
  EXPECT_TRUE(Fig(0).Step == 3);
}

TEST_F(WalkingTest, AFigureOnItsTargetChangesNothing) {
  Furnish(0);
  Fig(0).Place = 1;
  Spr(0).X = 216, Spr(0).Y = 102;
  Spr(0).SrcX = 16, Spr(0).SrcY = 96, Spr(0).Depth = 55;
  Fig(0).Dir = 2;
  g().LifeStatus = Value();  // before the first life-schedule check
  MoveFigures();
  EXPECT_TRUE(Fig(0).Dir == 0);
  EXPECT_EQ(Spr(0).SrcX.Num(), 16);
  EXPECT_EQ(Spr(0).SrcY.Num(), 96);
  EXPECT_EQ(Spr(0).Depth.Num(), 55);
  EXPECT_EQ(Spr(0).X.Num(), 216);
}

TEST_F(WalkingTest, WithoutRulesAFigureFinishesTheWalkItIsOn) {
  // A dwelling without tables, and a place without a row.
  for (auto [house, place] : {std::pair{2, 1}, {0, 9}}) {
    ClearGameState();
    Furnish(0);
    g().LifeStatus = 1;
    MoveFigures();  // placed, heading for the desk
    g().HouseKind = house;
    Fig(0).Place = place;
    g().LifeStatus = 3;  // would send him to bed, if he had rules
    Walk(0);
    EXPECT_EQ(Spr(0).X.Num(), 216);
    EXPECT_EQ(Spr(0).Y.Num(), 102);
    EXPECT_TRUE(g().TickHold == 1);  // nobody released it
    EXPECT_TRUE(Fig(0).Place == place);
  }
  // Desks have rules only in the house.
  ClearGameState();
  Furnish(0);
  Seat(0, 2, 1);
  MoveFigures();
  EXPECT_TRUE(Fig(1).Place == 0);
}

TEST_F(WalkingTest, ADismissedAssistantIsNotSeenAndStandsStill) {
  Furnish(1);
  Seat(0, 3, 2);
  g().LifeStatus = 1;
  Walk(1);
  ASSERT_EQ(Spr(1).X.Num(), 270);
  Dismiss(0);
  MoveFigures();
  EXPECT_TRUE(Fig(1).Picture == 100);
  EXPECT_TRUE(Fig(1).Dir == 0);
  EXPECT_EQ(Spr(1).SrcX.Num(), -50);
  EXPECT_EQ(Spr(1).X.Num(), 270);
  EXPECT_EQ(Spr(1).Y.Num(), 123);
  for (int n = 0; n < 40; ++n) MoveFigures();
  EXPECT_EQ(Spr(1).SrcX.Num(), -50);

  // Dismissed mid-walk: he walks on unseen, in picture 100's block beyond the sheet.
  ClearGameState();
  Furnish(1);
  Seat(0, 3, 2);
  g().LifeStatus = 1;
  for (int n = 0; n < 4; ++n) MoveFigures();
  Dismiss(0);
  Walk(1);
  EXPECT_EQ(Spr(1).X.Num(), 270);
  EXPECT_EQ(Spr(1).Y.Num(), 123);
  EXPECT_GE(Spr(1).SrcX.Num(), 8000);
}

TEST_F(WalkingTest, ADeskSeatedAgainShowsTheNewcomerAtOnce) {
  // Whether or not an update ran between the dismissal and the new hire.
  for (bool updateBetween : {false, true}) {
    for (int lifeStatus : {1, 3}) {
      SCOPED_TRACE(std::string(updateBetween ? "update between, " : "no update between, ") +
                   "life status " + std::to_string(lifeStatus));
      ClearGameState();
      Furnish(1);
      Fig(0).Place = 1;
      Spr(0).X = 330, Spr(0).Y = 117;
      Seat(0, 3, 2);
      g().LifeStatus = 1;
      Walk(1);
      for (int n = 0; n < 5; ++n) MoveFigures();  // idle at the desk, pose counter mid-way
      Dismiss(0);
      if (updateBetween) MoveFigures();
      Seat(0, 8, 4);
      g().LifeStatus = lifeStatus;
      MoveFigures();
      EXPECT_TRUE(Fig(1).Picture == 4);
      EXPECT_GE(Spr(1).SrcX.Num(), 320);
      EXPECT_LT(Spr(1).SrcX.Num(), 400);
      EXPECT_GE(Spr(1).SrcY.Num(), 0);
      for (int n = 0; n < 60; ++n) {
        MoveFigures();
        ASSERT_GE(Spr(1).SrcX.Num(), 320) << n;
        ASSERT_LT(Spr(1).SrcX.Num(), 400) << n;
      }
    }
  }
}

}  // namespace
}  // namespace koratsu
