// Furniture and equipment of the room view, each drawn where it stands in its
// room so that it meets the floor grid the figures walk on.

#include <algorithm>
#include <cmath>

#include "pictures/room_equipment.h"
#include "pictures/room_scene.h"

namespace koratsu::assets::roomart {

namespace {

namespace sheet = koratsu::sheet;

constexpr Color kWood = Rgb(176, 122, 76);
constexpr Color kDarkWood = Rgb(124, 82, 52);
constexpr Color kPaleWood = Rgb(214, 176, 128);
constexpr Color kMetal = Rgb(150, 156, 170);
constexpr Color kBeige = Rgb(226, 220, 200);
constexpr Color kPaper = Rgb(252, 252, 246);
constexpr Color kInk = Rgb(36, 32, 44);
constexpr Color kLine = Rgb(64, 46, 40);

// A desk lamp: a base, a bent arm and a shade throwing warm light.
void Lamp(Canvas& c, double u, double v, double z, Color shade) {
  Box(c, u - 0.7, u + 0.7, v - 0.7, v + 0.7, z, z + 1, Lit(Rgb(60, 60, 70)));
  const Pt foot = Iso(u, v, z + 1), elbow = Iso(u, v, z + 9), head = Iso(u - 1.6, v + 0.4, z + 10);
  c.Line(static_cast<int>(foot.x), static_cast<int>(foot.y), static_cast<int>(elbow.x), static_cast<int>(elbow.y), Rgb(70, 70, 80));
  c.Line(static_cast<int>(elbow.x), static_cast<int>(elbow.y), static_cast<int>(head.x), static_cast<int>(head.y), Rgb(70, 70, 80));
  const int hx = static_cast<int>(head.x), hy = static_cast<int>(head.y);
  c.Rect(hx - 3, hy, 5, 2, shade);
  c.Rect(hx - 2, hy - 1, 3, 1, Shade(shade, 1.2));
  c.Rect(hx - 2, hy + 2, 3, 1, Rgb(255, 240, 170));
}

// A pile of sheets and a pen pot: the clutter of a drawing desk.
void DeskClutter(Canvas& c, double u, double v, double z, int seed) {
  for (int i = 0; i < 3; ++i) {
    const double du = (Noise(seed, i, 31) - 0.5) * 0.4;
    TopFace(c, u + du, u + du + 2.2, v, v + 2.6, z + 0.5 + i * 0.6, i == 2 ? kPaper : Rgb(230, 230, 220));
  }
  Box(c, u + 2.8, u + 3.8, v + 0.6, v + 1.6, z, z + 4, Lit(Rgb(70, 110, 170)));
  const Pt top = Iso(u + 3.3, v + 1.1, z + 4);
  c.Plot(static_cast<int>(top.x), static_cast<int>(top.y) - 1, Rgb(220, 60, 60));
  c.Plot(static_cast<int>(top.x) + 1, static_cast<int>(top.y) - 2, Rgb(40, 40, 50));
}

// A desk: a top on a drawer pedestal at the low-v end and a panel at the other.
struct DeskShape {
  double u0, u1, v0, v1;
  bool pedestalAtLowV;
  bool modestyAtU0;    // a solid panel along the u0 side (the side the viewer sees)
  bool modestyAtV1;    // a solid panel along the v1 side
  Color wood;
};

void Desk(Canvas& c, const DeskShape& d) {
  const double top = 14, board = 2;
  const BoxColors wood = Lit(d.wood), dark = Lit(Shade(d.wood, 0.8));
  const double p0 = d.pedestalAtLowV ? d.v0 : d.v1 - 3.5, p1 = d.pedestalAtLowV ? d.v0 + 3.5 : d.v1;
  // Legs at the open end, the back panel, the pedestal.
  const double lv = d.pedestalAtLowV ? d.v1 - 0.7 : d.v0;
  Box(c, d.u0, d.u0 + 0.7, lv, lv + 0.7, 0, top - board, dark);
  Box(c, d.u1 - 0.7, d.u1, lv, lv + 0.7, 0, top - board, dark);
  if (d.modestyAtU0) Box(c, d.u0, d.u0 + 0.6, d.v0, d.v1, 4, top - board, Lit(Shade(d.wood, 0.9)));
  if (d.modestyAtV1) Box(c, d.u0, d.u1, d.v1 - 0.6, d.v1, 4, top - board, Lit(Shade(d.wood, 0.9)));
  Box(c, d.u0, d.u1, p0, p1, 0, top - board, wood);
  for (int k = 0; k < 3; ++k) {
    const double z0 = 1.5 + k * 3.6;
    FaceAtU(c, d.u0, p0 + 0.4, p1 - 0.4, z0, z0 + 2.6, Shade(wood.left, 1.06));
    const Pt knob = Iso(d.u0, (p0 + p1) / 2, z0 + 1.3);
    c.Plot(static_cast<int>(knob.x), static_cast<int>(knob.y), Rgb(230, 200, 120));
  }
  Box(c, d.u0, d.u1, d.v0, d.v1, top - board, top, Lit(Shade(d.wood, 1.08)));
  // The grain of the top.
  for (int i = 0; i < 8; ++i) {
    const double u = d.u0 + (d.u1 - d.u0) * Noise(i, 1, 41), v = d.v0 + (d.v1 - d.v0) * Noise(i, 2, 41);
    const Pt a = Iso(u, v, top), b = Iso(u, std::min(v + 2, d.v1), top);
    c.Line(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y), Shade(wood.top, 0.93));
  }
}

// A chair: a seat, legs, and an upright back along one side.
enum class Back { AtU0, AtU1, AtV0, AtV1 };
void Chair(Canvas& c, double u0, double u1, double v0, double v1, Back back, double backTop, Color cushion) {
  const BoxColors frame = Lit(kDarkWood);
  const double seat = 7;
  auto post = [&](double u, double v, double z1) { Box(c, u, u + 0.5, v, v + 0.5, 0, z1, frame); };
  const bool backFar = back == Back::AtU1 || back == Back::AtV0;  // a back behind the seat is drawn first
  auto backrest = [&] {
    switch (back) {
      case Back::AtU0: Box(c, u0, u0 + 0.6, v0, v1, seat, backTop, Lit(cushion)); break;
      case Back::AtU1: Box(c, u1 - 0.6, u1, v0, v1, seat, backTop, Lit(cushion)); break;
      case Back::AtV0: Box(c, u0, u1, v0, v0 + 0.6, seat, backTop, Lit(cushion)); break;
      case Back::AtV1: Box(c, u0, u1, v1 - 0.6, v1, seat, backTop, Lit(cushion)); break;
    }
  };
  if (backFar) backrest();
  post(u1 - 0.5, v0, seat);
  post(u0, v0, seat);
  post(u1 - 0.5, v1 - 0.5, seat);
  post(u0, v1 - 0.5, seat);
  Box(c, u0, u1, v0, v1, seat, seat + 1.5, Lit(cushion));
  if (!backFar) backrest();
}

// A manga page lying on a desk, inked a little further in each frame.
void Page(Canvas& c, double u0, double u1, double v0, double v1, double z, int frame) {
  TopFace(c, u0, u1, v0, v1, z, kPaper);
  // Panel borders.
  const double um = u0 + (u1 - u0) * 0.5, vm = v0 + (v1 - v0) * 0.45;
  auto line = [&](double ua, double va, double ub, double vb, Color col) {
    const Pt a = Iso(ua, va, z), b = Iso(ub, vb, z);
    c.Line(static_cast<int>(std::round(a.x)), static_cast<int>(std::round(a.y)), static_cast<int>(std::round(b.x)),
           static_cast<int>(std::round(b.y)), col);
  };
  line(um, v0 + 0.3, um, v1 - 0.3, Rgb(150, 150, 160));
  line(u0 + 0.3, vm, um, vm, Rgb(150, 150, 160));
  // Ink grows frame by frame, and the pen moves along.
  for (int i = 0; i <= frame; ++i) {
    const double u = u0 + 0.6 + (u1 - u0 - 1.2) * Noise(i, 3, 51), v = v0 + 0.6 + (v1 - v0 - 1.2) * Noise(i, 4, 51);
    const Pt p = Iso(u, v, z);
    c.Plot(static_cast<int>(p.x), static_cast<int>(p.y), kInk);
    c.Plot(static_cast<int>(p.x) + 1, static_cast<int>(p.y), i == frame ? Rgb(90, 90, 100) : kInk);
  }
  const double pu = u0 + (u1 - u0) * (0.3 + 0.15 * frame), pv = v0 + (v1 - v0) * (0.35 + 0.12 * frame);
  const Pt nib = Iso(pu, pv, z), end = Iso(pu + 0.6, pv + 0.3, z + 3);
  c.Line(static_cast<int>(nib.x), static_cast<int>(nib.y), static_cast<int>(end.x), static_cast<int>(end.y), Rgb(40, 40, 48));
}

// The futon, empty or with the player asleep in it.
void Futon(Canvas& c, bool sleeping) {
  // Drawn in the apartment; the house places the same picture by its wall.
  const double u0 = -24.2, u1 = -16.2, v0 = 111.2, v1 = 125.7;
  Box(c, u0, u1, v0, v1, 0, 2.5, {Rgb(246, 244, 236), Rgb(226, 222, 210), Rgb(200, 196, 186)});
  // The pillow at the head end.
  Box(c, u0 + 1.6, u1 - 1.6, v0 + 0.8, v0 + 3.4, 2.5, 4.5, {Rgb(250, 250, 250), Rgb(226, 230, 240), Rgb(200, 206, 220)});
  // The quilt, turned back at the top; a pattern of little stars.
  const double q0 = sleeping ? v0 + 3.8 : v0 + 5.5, bulge = sleeping ? 2.2 : 0;
  const Color quilt = Rgb(98, 140, 206);
  Box(c, u0 + 0.3, u1 - 0.3, q0, v1 - 0.4, 2.5, 4.5 + bulge, Lit(quilt));
  TopFace(c, u0 + 0.3, u1 - 0.3, q0, q0 + 1.2, 4.6 + bulge, Rgb(250, 250, 246));  // the sheet folded over
  for (int i = 0; i < 14; ++i) {
    const double u = u0 + 0.8 + (u1 - u0 - 1.6) * Noise(i, 1, 61), v = q0 + 1.8 + (v1 - q0 - 2.6) * Noise(i, 2, 61);
    const Pt p = Iso(u, v, 4.5 + bulge);
    c.Plot(static_cast<int>(p.x), static_cast<int>(p.y), Rgb(250, 226, 120));
  }
  if (sleeping) {
    // His head on the pillow: black hair, the headband, closed eyes.
    const Pt h = Iso((u0 + u1) / 2 + 0.2, v0 + 2.3, 4.5);
    const int hx = static_cast<int>(h.x), hy = static_cast<int>(h.y);
    c.Rect(hx - 3, hy - 4, 7, 6, Rgb(250, 214, 178));
    c.Rect(hx - 3, hy - 5, 7, 2, Rgb(48, 44, 58));
    c.Rect(hx - 4, hy - 4, 2, 4, Rgb(48, 44, 58));
    c.Rect(hx - 2, hy - 3, 6, 1, Rgb(246, 246, 240));
    c.Plot(hx, hy - 1, Rgb(34, 26, 38)), c.Plot(hx + 2, hy - 1, Rgb(34, 26, 38));
    c.Plot(hx + 1, hy + 1, Rgb(236, 150, 140));
    // Zz.
    const Color z = Rgb(250, 250, 255);
    c.Line(hx + 6, hy - 6, hx + 8, hy - 6, z);
    c.Line(hx + 8, hy - 6, hx + 6, hy - 4, z);
    c.Line(hx + 6, hy - 4, hx + 8, hy - 4, z);
    c.Plot(hx + 10, hy - 9, z), c.Plot(hx + 11, hy - 9, z), c.Plot(hx + 11, hy - 8, z);
    c.Plot(hx + 10, hy - 7, z), c.Plot(hx + 11, hy - 7, z);
  }
}

}  // namespace

// --- Equipment ------------------------------------------------------------------------

namespace {

// A lamp or a key of `size` pixels at `p`.
void Dot(Canvas& c, Pt p, double size, Color colour) {
  const int n = std::max(1, static_cast<int>(size));
  c.Rect(static_cast<int>(p.x), static_cast<int>(p.y), n, n, colour);
}

}  // namespace

void Copier(Canvas& c, double u0, double u1, double v0, double v1, double h, double s) {
  Box(c, u0, u1, v0, v1, 0, h * 0.55, Lit(Rgb(206, 206, 200)));
  for (int k = 0; k < 2; ++k)
    FaceAtU(c, u0, v0 + 0.5 * s, v1 - 0.5 * s, (1.5 + k * 4) * s, (4 + k * 4) * s, Rgb(170, 172, 170));
  Box(c, u0 + 0.2 * s, u1, v0, v1, h * 0.55, h - 2 * s, Lit(kBeige));
  Box(c, u0 + 0.2 * s, u1, v0, v1, h - 2 * s, h, Lit(Rgb(90, 96, 110)));  // the lid
  // The control panel and the output tray.
  TopFace(c, u0 + 0.2 * s, u0 + 1.6 * s, v1 - 2.2 * s, v1 - 0.3 * s, h - 2 * s, Rgb(70, 90, 110));
  Dot(c, Iso(u0 + 0.9 * s, v1 - 0.8 * s, h - 2 * s), s, Rgb(110, 240, 120));
  Box(c, u0 - 1 * s, u0 + 0.2 * s, v0 + 1 * s, v1 - 1.5 * s, h * 0.55, h * 0.55 + 1 * s, Lit(Rgb(190, 190, 186)));
  TopFace(c, u0 - 0.8 * s, u0 + 0.2 * s, v0 + 1.4 * s, v1 - 2 * s, h * 0.55 + 1.2 * s, kPaper);
}

void FaxMachine(Canvas& c, double u0, double u1, double v0, double v1, double z, double s) {
  Box(c, u0, u1, v0, v1, z, z + 3.5 * s, Lit(Rgb(236, 232, 218)));
  TopFace(c, u0 + 0.3 * s, u0 + 1.4 * s, v0 + 0.4 * s, v1 - 0.4 * s, z + 3.6 * s, Rgb(70, 80, 96));  // the keys
  // Paper standing in the feeder.
  Box(c, u1 - 1 * s, u1 - 0.4 * s, v0 + 0.4 * s, v1 - 0.4 * s, z + 3.5 * s, z + 6.5 * s, Lit(kPaper));
  const Pt hand = Iso(u0 + 0.7 * s, v1 - 0.4 * s, z + 3.5 * s);
  const int size = static_cast<int>(2 * s);
  c.Rect(static_cast<int>(hand.x - 1 * s), static_cast<int>(hand.y - 2 * s), size, size, Rgb(60, 60, 70));  // the handset
}

void Monitor(Canvas& c, double u0, double u1, double v0, double v1, double z, double h, double s) {
  const BoxColors body = Lit(kBeige);
  // The tube's back, then the front with the screen facing the left.
  Box(c, u0 + 1.2 * s, u1, v0 + 0.6 * s, v1 - 0.6 * s, z + 1 * s, z + h - 2 * s, body);
  Box(c, u0, u0 + 1.4 * s, v0, v1, z, z + h, body);
  FaceAtU(c, u0, v0 + 0.6 * s, v1 - 0.6 * s, z + 2 * s, z + h - 1.5 * s, Rgb(40, 60, 90));
  FaceAtU(c, u0, v0 + 1 * s, v1 - 1 * s, z + 3 * s, z + h - 2.5 * s, Rgb(70, 130, 190));
  // Something being drawn on it.
  for (int i = 0; i < 6; ++i) {
    const Pt p = Iso(u0, v0 + 1.5 * s + (v1 - v0 - 3 * s) * Noise(i, 1, 71), z + 4 * s + (h - 8 * s) * Noise(i, 2, 71));
    Dot(c, p, s, i % 2 ? Rgb(250, 240, 150) : Rgb(230, 250, 255));
  }
  Box(c, u0 + 0.4 * s, u1 - 0.4 * s, v0 + 1.2 * s, v1 - 1.2 * s, z, z + 1 * s, Lit(Rgb(200, 194, 176)));
}

void Scanner(Canvas& c, double u0, double u1, double v0, double v1, double z, double s) {
  Box(c, u0, u1, v0, v1, z, z + 2 * s, Lit(Rgb(214, 214, 208)));
  Box(c, u0 + 0.1 * s, u1, v0, v1, z + 2 * s, z + 3 * s, Lit(Rgb(120, 126, 140)));
  Dot(c, Iso(u0, v1 - 0.6 * s, z + 1 * s), s, Rgb(120, 240, 130));
}

void Printer(Canvas& c, double u0, double u1, double v0, double v1, double z, double s) {
  Box(c, u0, u1, v0, v1, z, z + 4.5 * s, Lit(Rgb(60, 64, 76)));
  TopFace(c, u0 + 0.6 * s, u1 - 0.6 * s, v0 + 0.6 * s, v1 - 0.6 * s, z + 4.6 * s, Rgb(40, 42, 52));
  // Paper in the feeder, and a printed sheet in the tray.
  Box(c, u1 - 1 * s, u1 - 0.5 * s, v0 + 0.5 * s, v1 - 0.5 * s, z + 4.5 * s, z + 8 * s, Lit(kPaper));
  Box(c, u0 - 0.8 * s, u0, v0 + 0.8 * s, v1 - 0.8 * s, z + 1.2 * s, z + 1.6 * s, Lit(Rgb(240, 240, 236)));
}

namespace {

void Stand(Canvas& c, double u0, double u1, double v0, double v1, double h) {
  Box(c, u0, u1, v0, v1, 0, h, Lit(kPaleWood));
  FaceAtU(c, u0, v0 + 0.5, v1 - 0.5, 1, h - 1.5, Shade(Lit(kPaleWood).left, 0.9));
}

// --- The pieces -------------------------------------------------------------------------

void ApartmentDesk(Canvas& c) {
  Desk(c, {4.3, 10, 103, 113, true, false, false, kWood});
  Lamp(c, 9, 104.2, 14, Rgb(70, 150, 110));
  DeskClutter(c, 5.4, 110.6, 14, 1);
}

void HouseDesk(Canvas& c) {
  Desk(c, {9.5, 14, 128.5, 138.6, false, true, true, Rgb(150, 100, 64)});
  Lamp(c, 10.8, 129.4, 14, Rgb(200, 70, 60));
  DeskClutter(c, 10.2, 135.5, 14, 2);
}

void FrontDesk(Canvas& c) {
  Desk(c, {-0.8, 8.8, 127.5, 133.5, false, false, true, kPaleWood});
  Lamp(c, 7.8, 132.6, 14, Rgb(90, 130, 200));
  Box(c, 0, 2, 131, 133, 14, 16.5, Lit(Rgb(200, 80, 80)));  // a stack of reference books
  Box(c, 0.1, 1.9, 131.2, 132.8, 16.5, 18, Lit(Rgb(80, 120, 190)));
}

void BackDesk(Canvas& c) {
  Desk(c, {-0.8, 8.8, 134.5, 140.5, true, true, false, kPaleWood});
  Lamp(c, 7.8, 135.4, 14, Rgb(230, 170, 60));
  Box(c, 0, 2, 135, 137, 14, 17, Lit(Rgb(90, 170, 110)));
}

void Foreground(Canvas& c, int house) { DrawForegroundPiece(c, house); }

}  // namespace

std::vector<SheetPiece> FurniturePieces() {
  std::vector<SheetPiece> pieces = {
      {sheet::kApartmentForeground, 81, 102, [](Canvas& c) { Foreground(c, 0); }},
      {sheet::kApartmentDesk, 210, 86, ApartmentDesk},
      {sheet::kApartmentChair, 212, 110, [](Canvas& c) { Chair(c, 1.3, 3.3, 108, 110, Back::AtU0, 17, Rgb(200, 70, 64)); }},
      {sheet::kApartmentShelf, 164, 94,
       [](Canvas& c) {
         const double u0 = -9, u1 = -0.7, v0 = 101, v1 = 104, h = 28;
         Box(c, u0, u1, v0, v1, 0, h, Lit(kWood));
         FaceAtV(c, v1, u0 + 0.5, u1 - 0.5, 1.5, h - 1.5, Rgb(90, 60, 40));
         static const Color spines[] = {Rgb(210, 70, 70), Rgb(70, 110, 190), Rgb(240, 200, 80), Rgb(90, 160, 100),
                                        Rgb(236, 236, 226), Rgb(160, 90, 170), Rgb(240, 140, 70), Rgb(60, 60, 70)};
         for (int shelf = 0; shelf < 4; ++shelf) {
           const double z0 = 1.5 + shelf * 6.5;
           FaceAtV(c, v1, u0 + 0.5, u1 - 0.5, z0 - 0.8, z0, Shade(Lit(kWood).right, 1.1));
           for (double u = u0 + 0.6; u < u1 - 0.6; u += 0.7) {
             const int book = static_cast<int>(u * 5) + shelf * 17;
             const double top = z0 + 5.2 - (Noise(book, shelf, 9) < 0.3 ? 1.2 : 0);
             FaceAtV(c, v1, u, std::min(u + 0.7, u1 - 0.6), z0, top, Shade(spines[static_cast<int>(Noise(book, shelf, 4) * 8)], 0.85));
           }
         }
         // A figurine and a cactus on top.
         Box(c, u0 + 1.5, u0 + 3, v0 + 1, v0 + 2.5, h, h + 3, Lit(Rgb(200, 110, 70)));
         Box(c, u0 + 1.9, u0 + 2.6, v0 + 1.4, v0 + 2.1, h + 3, h + 7, Lit(Rgb(80, 160, 90)));
         Box(c, u1 - 3, u1 - 1.8, v0 + 1, v0 + 2.2, h, h + 5, Lit(Rgb(230, 80, 80)));
       }},
      {sheet::kBedEmpty, 148, 156, [](Canvas& c) { Futon(c, false); }},
      {sheet::kBedSleeping, 148, 156, [](Canvas& c) { Futon(c, true); }},
      {sheet::kHouseDesk, 302, 116, HouseDesk},
      {sheet::kHouseChair, 332, 116, [](Canvas& c) { Chair(c, 18, 20.2, 130.5, 133.1, Back::AtU1, 19, Rgb(60, 70, 90)); }},
      {sheet::kFrontDesk, 268, 124, FrontDesk},
      {sheet::kFrontChair, 268, 124, [](Canvas& c) { Chair(c, 4, 6.8, 122.7, 125.2, Back::AtV0, 19, Rgb(70, 130, 110)); }},
      {sheet::kBackDesk, 288, 134, BackDesk},
      {sheet::kBackChair, 320, 158, [](Canvas& c) { Chair(c, 3, 5.3, 142.5, 144, Back::AtV1, 17, Rgb(70, 130, 110)); }},
      {sheet::kHouseForeground, 114, 57, [](Canvas& c) { Foreground(c, 1); }},
  };
  // The work pieces: four frames each.
  for (int f = 0; f < sheet::kPieceFrames; ++f) {
    const sheet::Rect player = {sheet::kPlayerPiece.x + f * sheet::kPieceWidth, sheet::kPlayerPiece.y, sheet::kPieceWidth, 10};
    pieces.push_back({player, 226, 101, [f](Canvas& c) { Page(c, 6.8, 9.5, 106.9, 109.8, 14, f); }});
    const sheet::Rect assistant = {sheet::kAssistantPiece.x + f * sheet::kPieceWidth, sheet::kAssistantPiece.y, sheet::kPieceWidth, 10};
    pieces.push_back({assistant, 281, 139, [f](Canvas& c) { Page(c, 3.6, 6.3, 128.3, 130.9, 14, f); }});
  }
  // Equipment, by dwelling: copier, fax, computer (table and screen), scanner, printer.
  const sheet::Placement* a = sheet::kEquipment[0];
  const sheet::Placement* h = sheet::kEquipment[1];
  auto add = [&](const sheet::Placement& p, std::function<void(Canvas&)> draw) { pieces.push_back({p.source, p.x, p.y, std::move(draw)}); };
  add(a[0], [](Canvas& c) { Copier(c, -6.8, -1.2, 125.5, 130.5, 16); });
  add(a[1], [](Canvas& c) {
    Stand(c, 1, 3.5, 101.2, 104, 4);
    FaxMachine(c, 1.2, 3.3, 101.4, 103.8, 4);
  });
  add(a[2], [](Canvas& c) {
    Box(c, 7.2, 9.6, 123, 125.2, 0, 11, Lit(kBeige));  // the computer under the table
    Desk(c, {4, 10, 116, 125.4, true, false, false, Rgb(150, 104, 70)});
    TopFace(c, 4.6, 5.8, 117.6, 121.6, 14.6, Rgb(220, 216, 200));  // the keyboard
  });
  add(a[3], [](Canvas& c) { Monitor(c, 6.2, 9.4, 117.2, 120.6, 14, 14); });
  add(a[4], [](Canvas& c) { Scanner(c, 6.4, 9.6, 121.3, 124.8, 14); });
  add(a[5], [](Canvas& c) {
    Stand(c, 4.5, 8, 126, 129.8, 8);
    Printer(c, 4.8, 7.8, 126.3, 129.5, 8);
  });
  add(h[0], [](Canvas& c) { Copier(c, 18.4, 24, 114.8, 118.6, 19); });
  add(h[1], [](Canvas& c) {
    Stand(c, 19.4, 22.3, 142.4, 145.3, 5);
    FaxMachine(c, 19.6, 22.1, 142.6, 145.1, 5);
  });
  add(h[2], [](Canvas& c) {
    Desk(c, {-4.6, 1.3, 110.7, 121.9, false, true, false, Rgb(150, 104, 70)});
    Box(c, 2, 5, 111.5, 117, 0, 8, Lit(kBeige));  // the computer beside the table
    FaceAtU(c, 2, 112, 114, 5, 6.5, Rgb(60, 60, 70));
    TopFace(c, -3.8, -2.6, 116, 120, 14.6, Rgb(220, 216, 200));
  });
  add(h[3], [](Canvas& c) { Monitor(c, -4.2, -1.5, 114, 119, 14, 14); });
  add(h[4], [](Canvas& c) { Scanner(c, 2.2, 5.1, 111.9, 116.8, 8); });
  add(h[5], [](Canvas& c) {
    Stand(c, -10.5, -7.5, 113.8, 118.8, 8);
    Printer(c, -10.2, -7.8, 114.1, 118.5, 8);
  });
  return pieces;
}

}  // namespace koratsu::assets::roomart
