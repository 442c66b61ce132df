#include "roomview/walking.h"

#include <algorithm>

#include "roomview/sheet_layout.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

// The floor is a diagonal grid: pixel (x, y) is cell (x / 6 + 20, y / 3 + 20).
struct Cell {
  int col, row;
};

struct Pixel {
  int x, y;
};

// The player's places, by dwelling.
constexpr Pixel kApartmentStart = {216, 132};
constexpr Cell kApartmentDesk = {56, 54};
constexpr Cell kApartmentBed = {50, 72};

constexpr Pixel kHouseStart = {306, 105};
constexpr Cell kHouseDesk = {75, 59};
constexpr Cell kHouseBedWayOut = {72, 56};
constexpr Cell kHouseBedWayAcross = {60, 50};
constexpr Cell kHouseBed = {54, 52};
constexpr Cell kHouseBedWayBack = {66, 56};

// The assistants' desks in the house.
struct DeskRoute {
  Pixel start;
  Cell desk;
  int pose;
  Cell leave;
};
constexpr DeskRoute kDeskRoutes[4] = {
    {{222, 159}, {65, 61}, sheet::kPoseColumnFront, {55, 71}},
    {{222, 159}, {72, 70}, sheet::kPoseColumnBack, {64, 78}},
    {{222, 159}, {60, 66}, sheet::kPoseColumnFront, {55, 71}},
    {{246, 171}, {67, 75}, sheet::kPoseColumnBack, {64, 78}},
};
constexpr Cell kArrival = {57, 73};
constexpr Cell kWaiting = {40, 90};
constexpr Cell kLastDeskWayBack = {61, 77};

constexpr int kBedEmptyX = sheet::kBedEmpty.x;
constexpr int kBedSleepingX = sheet::kBedSleeping.x;

double CellCol(const rec::Sprite& s) { return s.X.Num() / 6 + 20; }
double CellRow(const rec::Sprite& s) { return s.Y.Num() / 3 + 20; }

bool Awake(const GameState& g) { return g.LifeStatus == 1 || g.LifeStatus == 2; }
bool Asleep(const GameState& g) { return g.LifeStatus == 3; }

// One figure during one update.
class Walker {
 public:
  Walker(GameState& g, rec::Figure& f) : g_(g), f_(f), s_(g.Sprite[f.Sprite]) {}

  void PlayerApartment();
  void PlayerHouse();
  void AssistantDesk(int k);
  void ShowSeatedAssistant(int k);
  void ShowNewcomer(int k);
  void ChooseDirection();
  void StopAtTarget();
  void Step();

 private:
  // Sets the target and says whether the figure stands on it.
  bool HeadFor(Cell c) {
    f_.TargetCol = c.col;
    f_.TargetRow = c.row;
    return AtTarget();
  }
  bool AtTarget() const { return CellCol(s_) == f_.TargetCol.Num() && CellRow(s_) == f_.TargetRow.Num(); }
  bool Place(int p) const { return f_.Place == p; }
  void PutAt(Pixel p) {
    s_.X = p.x;
    s_.Y = p.y;
  }
  double PictureX() const { return g_.FigureSheetStride.Num() * f_.Picture.Num(); }
  rec::Sprite& Bed() { return g_.Sprite[g_.BedSprite]; }
  void Sleep() {
    s_.SrcY = sheet::kHiddenSourceY;
    Bed().SrcX = kBedSleepingX;
  }
  void Wake() {
    Bed().SrcX = kBedEmptyX + g_.FigureSheetStride.Num() * f_.Picture.Num();
    f_.Anim = 0;
  }
  // Places 0 and 1, alike for every figure that works at a desk: put at the
  // start, then to the desk and its animation, `walking` 1 until it is there;
  // asleep, on to place 2.
  void ToDesk(Pixel start, Cell desk, int pose, Value& walking, Value& pieceFrame, const Value& pieceSprite,
              int pieceX);
  void DeskAnimation(int pose, Value& pieceFrame, const Value& pieceSprite, int pieceX);

  GameState& g_;
  rec::Figure& f_;
  rec::Sprite& s_;
};

void Walker::PlayerApartment() {
  ToDesk(kApartmentStart, kApartmentDesk, sheet::kPoseColumnBack, g_.TickHold, g_.DeskAnimFrame, g_.DeskAnimSprite,
         sheet::kPlayerPiece.x);
  if (Place(2)) {
    if (HeadFor(kApartmentBed)) {
      Sleep();
      g_.TickHold = 0;
    } else {
      g_.TickHold = 1;
    }
    if (Awake(g_)) {
      f_.Place = 1;
      Wake();
    }
  }
}

void Walker::PlayerHouse() {
  ToDesk(kHouseStart, kHouseDesk, sheet::kPoseColumnFront, g_.TickHold, g_.DeskAnimFrame, g_.DeskAnimSprite,
         sheet::kPlayerPiece.x);
  if (Place(2)) {
    if (HeadFor(kHouseBedWayOut)) {
      f_.Place = 3;
    } else {
      g_.TickHold = 1;
    }
  }
  // On the way across the room the hold set on the way out stays as it is.
  if (Place(3) && HeadFor(kHouseBedWayAcross)) f_.Place = 4;
  if (Place(4)) {
    if (HeadFor(kHouseBed)) {
      Sleep();
      g_.TickHold = 0;
    }
    if (Awake(g_)) {
      f_.Place = 5;
      Wake();
    }
  }
  if (Place(5)) {
    if (HeadFor(kHouseBedWayBack)) f_.Place = 1;
    g_.TickHold = 1;
  }
}

void Walker::AssistantDesk(int k) {
  const DeskRoute& route = kDeskRoutes[k];
  rec::AsiDeskSlot& desk = g_.AsiDeskSlot[k];
  ToDesk(route.start, route.desk, route.pose, desk.Walking, desk.AnimFrame, desk.AnimSprite, sheet::kAssistantPiece.x);
  if (Place(2)) {
    if (HeadFor(route.leave)) {
      f_.Place = 3;
    } else {
      desk.Walking = 1;
    }
  }
  // From the leave cell to the door nobody waits for him.
  if (Place(3) && HeadFor(kArrival)) f_.Place = 4;
  if (Place(4)) {
    desk.Walking = HeadFor(kWaiting) ? 0 : 1;
    if (Awake(g_)) {
      f_.Place = 5;
      f_.Anim = 0;
    }
  }
  if (Place(5)) {
    if (HeadFor(kArrival)) f_.Place = k == 3 ? 6 : 1;
    desk.Walking = 1;
  }
  if (k == 3 && Place(6)) {
    if (HeadFor(kLastDeskWayBack)) f_.Place = 1;
    desk.Walking = 1;
  }
}

// A desk seated again while the figure still carries the hidden picture of
// the assistant who left (source x -50, or picture 100's block): the newcomer
// is shown at once instead of after the next pose change, which may be many
// updates away (or never, while the player sleeps).
void Walker::ShowSeatedAssistant(int k) {
  const double x = s_.SrcX.Num(), y = s_.SrcY.Num();
  const double block = PictureX();
  if (x >= block && x < block + sheet::kPersonStride && y >= 0 && y < sheet::kPersonBlockHeight) return;
  const DeskRoute& route = kDeskRoutes[k];
  const bool atDesk = Place(1) && CellCol(s_) == route.desk.col && CellRow(s_) == route.desk.row;
  s_.SrcX = block + (atDesk ? route.pose : sheet::kWalkColumn[0]);
  s_.SrcY = atDesk ? sheet::kPoseIdleRow[0] : sheet::kWalkRow[3];
}

// A desk just seated, shown before any update: a figure never placed stands
// at the start of his way to the desk (the update goes on from there), and
// any figure gets its newcomer's picture.
void Walker::ShowNewcomer(int k) {
  if (Place(0)) {
    PutAt(kDeskRoutes[k].start);
    s_.Depth = s_.Y + f_.Sprite / 1000;
    f_.Place = 1;
  }
  ShowSeatedAssistant(k);
}

void Walker::ToDesk(Pixel start, Cell desk, int pose, Value& walking, Value& pieceFrame, const Value& pieceSprite,
                    int pieceX) {
  if (Place(0)) {
    PutAt(start);
    f_.Place = 1;
  }
  if (Place(1)) {
    if (HeadFor(desk)) {
      walking = 0;
      DeskAnimation(pose, pieceFrame, pieceSprite, pieceX);
    } else {
      walking = 1;
    }
    if (Asleep(g_)) f_.Place = 2;
  }
}

void Walker::DeskAnimation(int pose, Value& pieceFrame, const Value& pieceSprite, int pieceX) {
  const double x = PictureX() + pose;
  if (g_.LifeStatus == 1) {
    f_.Anim += 1;
    if (f_.Anim == 1) s_.SrcX = x, s_.SrcY = sheet::kPoseIdleRow[0];
    if (f_.Anim == 20) s_.SrcX = x, s_.SrcY = sheet::kPoseIdleRow[1];
    if (f_.Anim >= 30) f_.Anim = 0;
    // Hidden by the clock while he was out, the player is seen again in the
    // pose of the moment, not only at its next change (up to 29 updates on).
    if (s_.SrcY == sheet::kHiddenSourceY) {
      s_.SrcX = x;
      s_.SrcY = f_.Anim >= 1 && f_.Anim < 20 ? sheet::kPoseIdleRow[0] : sheet::kPoseIdleRow[1];
    }
  } else if (g_.LifeStatus == 2) {
    f_.Anim += 1;
    if (f_.Anim == 1) s_.SrcX = x, s_.SrcY = sheet::kPoseWorkRow[0];
    if (f_.Anim >= 2) {
      s_.SrcX = x, s_.SrcY = sheet::kPoseWorkRow[1];
      f_.Anim = 0;
    }
    pieceFrame += 1;
    g_.Sprite[pieceSprite].SrcX = pieceX + sheet::kPieceWidth * (pieceFrame.Num() - 1);
    if (pieceFrame >= sheet::kPieceFrames) pieceFrame = 0;
  }
}

// Brings the figure onto the target's diagonal, then along it. A later rule
// that applies replaces the direction of an earlier one.
void Walker::ChooseDirection() {
  const double col = CellCol(s_), row = CellRow(s_);
  const double tc = f_.TargetCol.Num(), tr = f_.TargetRow.Num();
  const double u = col - row, v = col + row, tu = tc - tr, tv = tc + tr;
  if (col <= tc && row <= tr) f_.Dir = u == tu ? 3 : tu > u ? 2 : 4;
  if (col > tc && row < tr) f_.Dir = v == tv ? 4 : tv < v ? 1 : 3;
  if (col >= tc && row >= tr) f_.Dir = u == tu ? 1 : tu < u ? 4 : 2;
  if (col < tc && row > tr) f_.Dir = v == tv ? 2 : tv > v ? 3 : 1;
  f_.Turned = 1;
}

void Walker::StopAtTarget() {
  if (AtTarget()) f_.Dir = 0;
}

void Walker::Step() {
  static constexpr Pixel kMove[5] = {{0, 0}, {-6, -3}, {6, -3}, {6, 3}, {-6, 3}};
  const long long dir = f_.Dir.Index();
  if (dir < 1 || dir > 4 || f_.Dir != static_cast<double>(dir)) return;  // no such direction: no step
  s_.X += kMove[dir].x;
  s_.Y += kMove[dir].y;
  f_.Step += 1;
  const int offset = f_.Step == 2 ? sheet::kWalkColumn[1] : f_.Step == 4 ? sheet::kWalkColumn[2] : sheet::kWalkColumn[0];
  s_.SrcX = PictureX() + offset;
  s_.SrcY = sheet::kWalkRow[dir];
  if (f_.Step >= 4) f_.Step = 0;
  s_.Depth = s_.Y + f_.Sprite / 1000;
}

bool DeskOccupied(const GameState& g, int k) { return g.AsiDesk[k] != -1; }

}  // namespace

void ShowSeatedDesk(int desk) {
  GameState& g = State();
  if (desk < 0 || desk > 3 || g.HouseKind != 1 || !DeskOccupied(g, desk)) return;
  if (desk + 1 >= g.FigureCount.Index()) return;
  rec::Figure& f = g.Figure[desk + 1];
  Walker(g, f).ShowNewcomer(desk);
}

void MoveFigures() {
  GameState& g = State();
  const long long count = std::clamp(g.FigureCount.Index(), 0LL, static_cast<long long>(decltype(g.Figure)::kCapacity));
  for (long long i = 0; i < count; ++i) {
    rec::Figure& f = g.Figure[i];
    Walker walker(g, f);

    if (i == 0) {
      if (g.HouseKind == 0) walker.PlayerApartment();
      if (g.HouseKind == 1) walker.PlayerHouse();
    } else if (i <= 4 && g.HouseKind == 1 && DeskOccupied(g, static_cast<int>(i - 1))) {
      walker.ShowSeatedAssistant(static_cast<int>(i - 1));
      walker.AssistantDesk(static_cast<int>(i - 1));
    }

    bool deskWalking = false;
    for (int k = 0; k < 4; ++k) deskWalking = deskWalking || (DeskOccupied(g, k) && g.AsiDeskSlot[k].Walking == 1);
    g.TickHold = (g.TickHold == 1 || deskWalking) ? 1 : 0;
    for (int k = 0; k < 4; ++k) g.AsiDeskSlot[k].Walking = 0;

    if (f.Dir == 5) f.Picture = sheet::kLeavingPicture;
    if (f.Place != 0) walker.ChooseDirection();
    walker.StopAtTarget();
    if (f.Dir != 0) walker.Step();
  }
}

}  // namespace koratsu
