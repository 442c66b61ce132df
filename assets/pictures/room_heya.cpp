// The room pictures Heya1.bmp (the apartment), Heya2.bmp (the house) and
// Heya3.bmp (the apartment by evening light): the space around the room, the
// wooden floor, two papered walls with windows, and the low cut walls at the
// front that frame the room like a doll's house.

#include <QString>
#include <algorithm>
#include <cmath>
#include <map>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/room_scene.h"

namespace koratsu::assets::roomart {

namespace {

namespace sheet = koratsu::sheet;

constexpr double kWallThickness = 3;  // floor units
constexpr double kFrontWall = 7;      // height of the cut walls at the front, pixels

const RoomShape kApartment = {-30, 10, 101, 134, 86, 5, sheet::kRoomWidth[0], sheet::kRoomHeight[0]};
const RoomShape kHouse = {-36, 24, 95, 147, 74, 5, sheet::kRoomWidth[1], sheet::kRoomHeight[1]};

struct Palette {
  Color skyTop, skyBottom;          // the space around the room
  Color floor, floorGap;
  Color wallLeft, wallRight, wallStripe, skirting, cap;
  Color glassTop, glassBottom, frame, curtain;
  double light;                     // strength of the sunlight on the floor
};

const Palette kDay = {Rgb(52, 62, 92), Rgb(30, 34, 54), Rgb(200, 146, 92), Rgb(128, 84, 50),
                      Rgb(244, 232, 208), Rgb(222, 206, 178), Rgb(232, 214, 186), Rgb(146, 98, 62),
                      Rgb(118, 100, 92), Rgb(142, 196, 240), Rgb(214, 236, 252), Rgb(250, 250, 246),
                      Rgb(236, 122, 110), 0.16};
const Palette kHouseDay = {Rgb(52, 62, 92), Rgb(30, 34, 54), Rgb(186, 132, 84), Rgb(120, 78, 46),
                           Rgb(222, 232, 240), Rgb(198, 210, 222), Rgb(210, 222, 232), Rgb(112, 80, 58),
                           Rgb(106, 102, 110), Rgb(142, 196, 240), Rgb(214, 236, 252), Rgb(250, 250, 246),
                           Rgb(96, 150, 200), 0.14};
const Palette kEvening = {Rgb(64, 44, 70), Rgb(34, 24, 42), Rgb(190, 126, 80), Rgb(116, 70, 44),
                          Rgb(242, 210, 176), Rgb(214, 176, 146), Rgb(230, 196, 160), Rgb(136, 86, 54),
                          Rgb(112, 88, 82), Rgb(250, 150, 96), Rgb(254, 210, 140), Rgb(250, 236, 220),
                          Rgb(214, 100, 96), 0.22};

const Palette& PaletteOf(int house) { return house == 1 ? kHouseDay : house == 2 ? kEvening : kDay; }

bool Inside(double u, double v, const RoomShape& s) { return u >= s.uMin && u <= s.uMax && v >= s.vMin && v <= s.vMax; }

// --- The space around the room -------------------------------------------------

void Backdrop(Canvas& c, const Palette& p) {
  for (int y = 0; y < c.Height(); ++y) {
    const Color row = Mix(p.skyTop, p.skyBottom, static_cast<double>(y) / c.Height());
    for (int x = 0; x < c.Width(); ++x) {
      double u, v;
      FloorAt(x, y, u, v);
      // A faint lattice on the floor grid, like a cutting mat under the model.
      const bool line = std::fmod(std::fabs(u) + 1000, 8) < 0.35 || std::fmod(std::fabs(v) + 1000, 8) < 0.35;
      Color col = line ? Shade(row, 1.12) : row;
      if (Noise(x, y, 5) < 0.04) col = Shade(col, 1.06);
      c.Plot(x, y, col);
    }
  }
}

// Below the floor's front edges, where nothing of the room stands.
bool FrontRegion(int house, double x, double y) {
  const RoomShape& s = ShapeOf(house);
  double u, v;
  FloorAt(x, y, u, v);
  return u < s.uMin - kWallThickness || v > s.vMax + kWallThickness;
}

// --- Floor ---------------------------------------------------------------------------

void Floor(Canvas& c, const RoomShape& s, const Palette& p, int house) {
  const double plank = 3;  // planks run along v, three units wide
  const Pt a = Iso(s.uMin, s.vMin), b = Iso(s.uMax, s.vMin), d = Iso(s.uMin, s.vMax), e = Iso(s.uMax, s.vMax);
  const int x0 = static_cast<int>(std::floor(a.x)), x1 = static_cast<int>(std::ceil(e.x));
  const int y0 = static_cast<int>(std::floor(b.y)), y1 = static_cast<int>(std::ceil(d.y));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double u, v;
      FloorAt(x + 0.5, y + 0.5, u, v);
      if (!Inside(u, v, s)) continue;
      const int board = static_cast<int>(std::floor((u - s.uMin) / plank));
      const double across = std::fmod(u - s.uMin, plank);
      // Boards end at staggered joints.
      const double stagger = std::fmod(board * 7.3, 13.0);
      const int piece = static_cast<int>(std::floor((v - s.vMin + stagger) / 13.0));
      const double along = std::fmod(v - s.vMin + stagger, 13.0);
      Color col = Shade(p.floor, 0.92 + 0.14 * Noise(board, piece, 11));
      // Grain: streaks along the board.
      const double grain = Noise(board * 31 + static_cast<int>(across * 4), static_cast<int>(v * 0.8), 12);
      if (grain < 0.18) col = Shade(col, 0.93);
      if (grain > 0.94) col = Shade(col, 1.05);
      if (across < 0.36 || along < 0.5) col = p.floorGap;
      // Toward the back corner the floor lies in the walls' shade.
      const double nearWalls = std::min(v - s.vMin, s.uMax - u);
      if (nearWalls < 2.5) col = Shade(col, 0.9 + 0.04 * nearWalls);
      c.Plot(x, y, col);
    }

  // Sunlight through the window of the right-hand wall.
  const double w0 = house == 1 ? 126 : 104, w1 = house == 1 ? 140 : 116;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double u, v;
      FloorAt(x + 0.5, y + 0.5, u, v);
      if (!Inside(u, v, s)) continue;
      const double depth = s.uMax - u;  // the patch falls into the room, slanting toward larger v
      const double lo = w0 + depth * 0.35, hi = w1 + depth * 0.35;
      if (depth > 3 && depth < 15 && v > lo && v < hi) {
        const bool edge = depth < 3.6 || depth > 14.4 || v < lo + 0.6 || v > hi - 0.6;
        c.Plot(x, y, Shade(c.At(x, y), 1 + p.light * (edge ? 0.5 : 1)));
      }
    }

  if (house == 1) {
    // A rug under the assistants' desks.
    const double ru0 = -14, ru1 = 12, rv0 = 121, rv1 = 146;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        double u, v;
        FloorAt(x + 0.5, y + 0.5, u, v);
        if (u < ru0 || u > ru1 || v < rv0 || v > rv1) continue;
        const double edge = std::min({u - ru0, ru1 - u, v - rv0, rv1 - v});
        Color col = Rgb(92, 122, 150);
        if (edge < 1.2) col = Rgb(200, 176, 120);
        else if (edge < 1.8) col = Rgb(70, 92, 118);
        else if (static_cast<int>(std::floor((u - ru0) / 2) + std::floor((v - rv0) / 2)) % 2 == 0) col = Rgb(98, 130, 160);
        c.Plot(x, y, col);
      }
  } else {
    // A round rug by the bed.
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        double u, v;
        FloorAt(x + 0.5, y + 0.5, u, v);
        const double du = (u + 10) / 9, dv = (v - 118) / 9;
        const double r = std::sqrt(du * du + dv * dv);
        if (r > 1) continue;
        Color col = r > 0.86 ? Rgb(196, 92, 84) : (r > 0.55 && r < 0.66) ? Rgb(240, 200, 120) : Rgb(226, 120, 104);
        if (Noise(x, y, 21) < 0.12) col = Shade(col, 0.94);
        c.Plot(x, y, col);
      }
  }
}

// --- Walls ---------------------------------------------------------------------------

// A point on the left-hand wall (v = vMin) is (u, z); on the right-hand wall (u = uMax) it is (v, z).
template <class Fn>
void PaintLeftWall(Canvas& c, const RoomShape& s, double a0, double a1, double z0, double z1, Fn fn) {
  const Pt p0 = Iso(a0, s.vMin, z1), p1 = Iso(a1, s.vMin, z0);
  for (int y = static_cast<int>(std::floor(std::min(p0.y, Iso(a1, s.vMin, z1).y))) - 1; y <= static_cast<int>(std::ceil(std::max(p1.y, Iso(a0, s.vMin, z0).y))) + 1; ++y)
    for (int x = static_cast<int>(std::floor(p0.x)) - 1; x <= static_cast<int>(std::ceil(p1.x)) + 1; ++x) {
      const double u = (x + 0.5 + 112) / 3 - s.vMin;
      const double z = Iso(u, s.vMin).y - (y + 0.5);
      if (u < a0 || u >= a1 || z < z0 || z >= z1) continue;
      Color col;
      if (fn(u, z, x, y, col)) c.Plot(x, y, col);
    }
}

template <class Fn>
void PaintRightWall(Canvas& c, const RoomShape& s, double a0, double a1, double z0, double z1, Fn fn) {
  const Pt p0 = Iso(s.uMax, a0, z1), p1 = Iso(s.uMax, a1, z0);
  for (int y = static_cast<int>(std::floor(p0.y)) - 1; y <= static_cast<int>(std::ceil(p1.y)) + 1; ++y)
    for (int x = static_cast<int>(std::floor(p0.x)) - 1; x <= static_cast<int>(std::ceil(p1.x)) + 1; ++x) {
      const double v = (x + 0.5 + 112) / 3 - s.uMax;
      const double z = Iso(s.uMax, v).y - (y + 0.5);
      if (v < a0 || v >= a1 || z < z0 || z >= z1) continue;
      Color col;
      if (fn(v, z, x, y, col)) c.Plot(x, y, col);
    }
}

Color Wallpaper(Color base, Color stripe, double along, double z, int x, int y) {
  Color col = std::fmod(along + 1000, 4) < 1.2 ? stripe : base;
  if (static_cast<int>(std::floor(z / 6)) % 2 == 0 && std::fmod(along + 1000, 4) > 2.6 && std::fmod(along + 1000, 4) < 3.0) col = Shade(col, 0.97);
  if (Noise(x, y, 3) < 0.05) col = Shade(col, 0.985);
  return col;
}

struct Window {
  double a0, a1, z0, z1;
};

// A window with a white frame, a sky with a cloud, and a curtain on each side.
bool WindowPixel(const Window& w, const Palette& p, double a, double z, Color& col) {
  if (a < w.a0 - 1.6 || a >= w.a1 + 1.6 || z < w.z0 - 3 || z >= w.z1 + 3) return false;
  const bool inFrame = a >= w.a0 && a < w.a1 && z >= w.z0 && z < w.z1;
  // Curtains hang beside the window, from the rail down to the sill.
  if (!inFrame) {
    if (z >= w.z1 + 1) {  // the rail
      col = Rgb(150, 110, 80);
      return true;
    }
    if (z < w.z0 - 1) {   // the sill
      col = z < w.z0 - 2 ? Shade(p.frame, 0.75) : p.frame;
      return true;
    }
    if (a < w.a0 || a >= w.a1) {
      const double fold = std::fmod(a + 1000, 0.8);
      col = fold < 0.4 ? p.curtain : Shade(p.curtain, 0.85);
      return true;
    }
    col = p.frame;
    return true;
  }
  const double edgeA = std::min(a - w.a0, w.a1 - a), edgeZ = std::min(z - w.z0, w.z1 - z);
  const double mid = (w.a0 + w.a1) / 2;
  if (edgeA < 0.5 || edgeZ < 1.4 || std::fabs(a - mid) < 0.3 || std::fabs(z - (w.z0 + w.z1) / 2) < 0.7) {
    col = edgeZ < 0.7 && z < w.z0 + 1 ? Shade(p.frame, 0.82) : p.frame;
    return true;
  }
  const double t = (w.z1 - z) / (w.z1 - w.z0);
  col = Mix(p.glassTop, p.glassBottom, t);
  // A cloud, and a glint on the glass.
  const double ca = (a - (w.a0 + (w.a1 - w.a0) * 0.3)) / 2.2, cz = (z - (w.z0 + (w.z1 - w.z0) * 0.72)) / 3.2;
  if (ca * ca + cz * cz < 1) col = Mix(col, Rgb(255, 255, 255), 0.75);
  const double glint = (a - w.a0) * 3 + (z - w.z0) * 0.5;
  if (std::fmod(glint, 14) < 1.2) col = Mix(col, Rgb(255, 255, 255), 0.35);
  return true;
}

void Walls(Canvas& c, const RoomShape& s, const Palette& p, int house) {
  const double T = kWallThickness, H = s.wall;
  // The walls' bodies, down through the floor's thickness at the cut ends.
  PaintLeftWall(c, s, s.uMin - T, s.uMax + T, 0, H, [&](double u, double z, int x, int y, Color& col) {
    col = Wallpaper(p.wallLeft, p.wallStripe, u, z, x, y);
    if (z < 4) col = z < 1 ? Shade(p.skirting, 0.8) : p.skirting;
    else if (z > H - 3) col = Shade(p.wallLeft, 0.93);  // the moulding under the ceiling line
    // The wall darkens into the corner.
    if (u > s.uMax - 2.5) col = Shade(col, 0.94);
    return true;
  });
  PaintRightWall(c, s, s.vMin, s.vMax + T, 0, H, [&](double v, double z, int x, int y, Color& col) {
    col = Wallpaper(p.wallRight, Shade(p.wallStripe, 0.92), v, z, x, y);
    if (z < 4) col = z < 1 ? Shade(p.skirting, 0.65) : Shade(p.skirting, 0.85);
    else if (z > H - 3) col = Shade(p.wallRight, 0.92);
    if (v < s.vMin + 1.5) col = Shade(col, 0.9);
    return true;
  });
  // Windows.
  const Window leftWindow = house == 1 ? Window{-4, 6, H - 46, H - 14} : Window{-26, -16, H - 54, H - 20};
  const Window rightWindow = house == 1 ? Window{129, 139, H - 50, H - 16} : Window{104, 114, H - 50, H - 18};
  PaintLeftWall(c, s, leftWindow.a0 - 2, leftWindow.a1 + 2, leftWindow.z0 - 3, leftWindow.z1 + 3,
                [&](double u, double z, int, int, Color& col) { return WindowPixel(leftWindow, p, u, z, col); });
  PaintRightWall(c, s, rightWindow.a0 - 2, rightWindow.a1 + 2, rightWindow.z0 - 3, rightWindow.z1 + 3,
                 [&](double v, double z, int, int, Color& col) {
                   if (!WindowPixel(rightWindow, p, v, z, col)) return false;
                   col = Shade(col, 0.94);
                   return true;
                 });

  // The tops of the walls, cut away, and their free ends.
  TopFace(c, s.uMin - T, s.uMax + T, s.vMin - T, s.vMin, H, p.cap);
  TopFace(c, s.uMax, s.uMax + T, s.vMin - T, s.vMax + T, H, p.cap);
  FaceAtU(c, s.uMin - T, s.vMin - T, s.vMin, -s.slab, H, Shade(p.cap, 1.15));
  FaceAtV(c, s.vMax + T, s.uMax, s.uMax + T, -s.slab, H, Shade(p.cap, 0.85));
}

// Pictures and fittings on the walls.
void WallDecor(Canvas& c, const RoomShape& s, int house) {
  auto frame = [&](bool left, double a0, double a1, double z0, double z1, auto inner) {
    auto paint = [&](double a, double z, int x, int y, Color& col) {
      if (a < a0 + 0.4 || a >= a1 - 0.4 || z < z0 + 1 || z >= z1 - 1) {
        col = Rgb(96, 66, 44);
        return true;
      }
      col = inner(a - a0, z - z0, x, y);
      return true;
    };
    if (left) PaintLeftWall(c, s, a0, a1, z0, z1, paint);
    else PaintRightWall(c, s, a0, a1, z0, z1, paint);
  };
  auto clock = [&](bool left, double a, double z) {
    auto paint = [&](double aa, double zz, int, int, Color& col) {
      const double da = (aa - a) * 3, dz = zz - z;
      const double r = std::sqrt(da * da + dz * dz);
      if (r > 5.2) return false;
      col = r > 4.2 ? Rgb(120, 70, 50) : Rgb(250, 248, 236);
      if (r < 4.2 && ((std::fabs(da) < 0.6 && dz > -0.5 && dz < 3.2) || (std::fabs(dz) < 0.6 && da > -0.5 && da < 2.4))) col = Rgb(40, 40, 50);
      return true;
    };
    if (left) PaintLeftWall(c, s, a - 2, a + 2, z - 6, z + 6, paint);
    else PaintRightWall(c, s, a - 2, a + 2, z - 6, z + 6, paint);
  };

  if (house == 1) {
    // A framed sea over the bed, a clock by the copier, a corkboard of sketches over the island.
    clock(false, 112, s.wall - 22);
    frame(true, 8, 15, 26, 48, [](double a, double z, int x, int y) {
      Color sea = z < 8 ? Rgb(70, 130, 190) : Rgb(170, 214, 240);
      if (z < 8 && Noise(x, y, 7) < 0.2) sea = Rgb(230, 240, 250);
      if (std::fabs(z - 8) < 0.8) sea = Rgb(40, 90, 150);
      if ((a - 5) * (a - 5) * 4 + (z - 14) * (z - 14) < 6) sea = Rgb(250, 210, 110);
      return sea;
    });
    frame(true, -33, -23, 24, 50, [](double a, double z, int x, int y) {
      Color cork = Noise(x, y, 17) < 0.3 ? Rgb(190, 150, 100) : Rgb(206, 166, 112);
      const int note = static_cast<int>(std::floor(a / 2.6)) + 4 * static_cast<int>(std::floor(z / 8));
      if (std::fmod(a, 2.6) > 0.5 && std::fmod(z, 8) > 1.5 && note % 3 != 1) {
        cork = Rgb(250, 250, 244);
        if (Noise(x, y, 19 + note) < 0.25) cork = Rgb(120, 120, 140);
      }
      return cork;
    });
  } else {
    // A corkboard of sketches over the desk and a clock between the windows.
    frame(true, 1, 9, 34, 58, [](double a, double z, int x, int y) {
      Color cork = Noise(x, y, 17) < 0.3 ? Rgb(190, 150, 100) : Rgb(206, 166, 112);
      const int note = static_cast<int>(std::floor(a / 2.4)) + 4 * static_cast<int>(std::floor(z / 7));
      if (std::fmod(a, 2.4) > 0.4 && std::fmod(z, 7) > 1.4 && note % 4 != 2) {
        cork = note % 5 == 0 ? Rgb(250, 236, 160) : Rgb(250, 250, 244);
        if (Noise(x, y, 19 + note) < 0.25) cork = Rgb(110, 110, 130);
      }
      return cork;
    });
    clock(false, 124, s.wall - 26);
    // A poster of a hero over the shelf.
    frame(true, -12, -5, 44, 70, [](double a, double z, int, int) {
      Color col = Rgb(250, 226, 120);
      const double da = (a - 3.5) * 3, dz = z - 16;
      if (da * da + dz * dz < 20) col = Rgb(250, 214, 178);
      if (da * da + dz * dz < 20 && dz > 1.5) col = Rgb(40, 40, 60);
      if (z < 10) col = Rgb(220, 70, 60);
      if (z < 4) col = Rgb(60, 60, 80);
      return col;
    });
  }
}

// A potted plant standing at (u, v).
void Plant(Canvas& c, double u, double v, std::uint32_t seed) {
  Box(c, u - 1.5, u + 1.5, v - 1.5, v + 1.5, 0, 8, Lit(Rgb(196, 104, 66)));
  TopFace(c, u - 1.2, u + 1.2, v - 1.2, v + 1.2, 8, Rgb(90, 64, 44));
  for (int i = 0; i < 50; ++i) {
    const Pt p = Iso(u + (Noise(i, 1, seed) - 0.5) * 5.5, v + (Noise(i, 2, seed) - 0.5) * 5.5, 10 + Noise(i, 3, seed) * 18);
    const Color leaf = Noise(i, 4, seed) < 0.45 ? Rgb(76, 160, 84) : Noise(i, 5, seed) < 0.5 ? Rgb(50, 124, 66) : Rgb(110, 186, 96);
    c.Rect(static_cast<int>(p.x) - 1, static_cast<int>(p.y), 3, 2, leaf);
  }
}

// Things standing against the walls that nobody walks behind.
void BackFurniture(Canvas& c, int house) {
  if (house == 1) {
    // Two bookshelves along the left-hand wall, left of the bed.
    for (double u0 : {-33.0, -22.0}) {
      const double u1 = u0 + 9, v0 = 95, v1 = 99, h = 36;
      Box(c, u0, u1, v0, v1, 0, h, Lit(Rgb(150, 104, 66)));
      // The shelves and the books face the room (v = v1).
      for (int shelf = 0; shelf < 4; ++shelf) {
        const double z0 = 3 + shelf * 8.2, z1 = z0 + 7;
        for (double u = u0 + 0.6; u < u1 - 0.6; u += 0.75) {
          const int book = static_cast<int>(u * 4) + shelf * 13;
          const double top = z1 - (Noise(book, shelf, 9) < 0.3 ? 1.5 : 0.2);
          static const Color spines[] = {Rgb(200, 70, 70), Rgb(70, 110, 190), Rgb(240, 200, 80), Rgb(90, 160, 100),
                                         Rgb(236, 236, 226), Rgb(160, 90, 170), Rgb(240, 140, 70)};
          const Color spine = spines[static_cast<int>(Noise(book, shelf, 4) * 7)];
          FaceAtV(c, v1, u, std::min(u + 0.75, u1 - 0.6), z0, top, Shade(spine, 0.8));
        }
      }
      TopFace(c, u0, u1, v0, v1, h, Shade(Rgb(150, 104, 66), 1.12));
    }
    Plant(c, 20.5, 98.5, 8);
    // A mat inside the door.
    TopFace(c, -35.6, -31, 126.4, 133.6, 0, Rgb(150, 110, 70));
    TopFace(c, -35, -31.6, 127, 133, 0, Rgb(176, 132, 84));
    // A corner to rest in: cushions round a low table.
    Box(c, -30, -24, 110, 116, 0, 7, Lit(Rgb(126, 80, 52)));
    TopFace(c, -29.5, -24.5, 110.5, 115.5, 7, Rgb(178, 122, 78));
    Box(c, -28, -27, 112, 113, 7, 10, Lit(Rgb(236, 236, 228)));
    for (const auto& [u, v] : {std::pair{-33.5, 111.0}, {-28.5, 105.5}, {-22.5, 111.0}}) {
      Box(c, u, u + 3.6, v, v + 3.6, 0, 2.5, Lit(Rgb(214, 96, 90)));
      TopFace(c, u + 1.4, u + 2.2, v + 1.4, v + 2.2, 2.5, Rgb(240, 200, 120));
    }
  } else {
    Plant(c, -28.5, 102.5, 9);
    // A low chest of drawers in the back corner, by the window.
    Box(c, 6, 10, 127, 133, 0, 14, Lit(Rgb(170, 120, 78)));
    for (int d = 0; d < 3; ++d) FaceAtU(c, 6, 127.6, 132.4, 1.5 + d * 4.2, 4.6 + d * 4.2, Shade(Rgb(170, 120, 78), 0.95));
    // A small radio on it.
    Box(c, 7.2, 9.2, 128.5, 131, 14, 18, Lit(Rgb(200, 80, 70)));
  }
}

}  // namespace

const RoomShape& ShapeOf(int house) { return house == 1 ? kHouse : kApartment; }

void DrawFront(Canvas& c, int house) {
  const RoomShape& s = ShapeOf(house);
  const Palette& p = PaletteOf(house);
  const double T = kWallThickness, S = kFrontWall;
  const BoxColors wall = {Shade(p.cap, 1.05), Shade(p.wallLeft, 0.9), Shade(p.wallRight, 0.78)};
  // The floor's front edges and the cut walls on them; the house has a door in the left one.
  auto frontLeft = [&](double v0, double v1) {
    Box(c, s.uMin - T, s.uMin, v0, v1, -s.slab, S, wall);
    FaceAtU(c, s.uMin - T, v0, v1, -s.slab, 0.6, Shade(p.floorGap, 0.9));  // the floor's edge under it
  };
  if (house == 1) {
    frontLeft(s.vMin - T, 126);
    // The doorway: the floor's edge with a threshold, and a step outside.
    Box(c, s.uMin - T, s.uMin, 126, 134, -s.slab, 0.6, Lit(Rgb(120, 84, 56)));
    frontLeft(134, s.vMax + T);
  } else {
    frontLeft(s.vMin - T, s.vMax + T);
  }
  Box(c, s.uMin - T, s.uMax + T, s.vMax, s.vMax + T, -s.slab, S, wall);
  FaceAtV(c, s.vMax + T, s.uMin - T, s.uMax + T, -s.slab, 0.6, Shade(p.floorGap, 0.75));

  if (house == 1) {
    // A plant at the front corner, and a calendar on the left-hand wall.
    Plant(c, s.uMin + 2.5, s.vMax - 2.5, 9);
    PaintLeftWall(c, s, -19.5, -14.5, 38, 68, [](double u, double zz, int x, int y, Color& col) {
      const double a = u + 19.5, z = zz - 38;
      col = Rgb(250, 250, 244);
      if (z > 24) col = Rgb(214, 70, 64);  // the month
      if (z > 26 && z < 28.5 && a > 1.2 && a < 3.8) col = Rgb(250, 250, 244);
      if (z < 22 && z > 2 && std::fmod(a, 1) < 0.35 && std::fmod(z, 4) < 1.4) col = Rgb(90, 90, 110);
      if (z < 22 && z > 2 && a > 3.9 && std::fmod(z, 4) < 1.4) col = Rgb(214, 70, 64);  // Sundays
      if (z < 0.8 || a < 0.25) col = Rgb(190, 190, 186);
      if (Noise(x, y, 23) < 0.02) col = Shade(col, 0.96);
      return true;
    });
  } else {
    // A low table with tea at the front.
    Box(c, -19, -12, 128, 133, 0, 9, Lit(Rgb(120, 76, 50)));
    TopFace(c, -18.4, -12.6, 128.6, 132.4, 9, Rgb(176, 118, 74));
    Box(c, -16, -15, 130, 131, 9, 13, Lit(Rgb(236, 236, 228)));
    Box(c, -14, -12.8, 129.4, 131.4, 9, 10, Lit(Rgb(220, 220, 210)));
  }
}

QImage RoomPicture(int house) {
  static std::map<int, QImage> cache;
  auto found = cache.find(house);
  if (found != cache.end()) return found->second;
  const RoomShape& s = ShapeOf(house);
  const Palette& p = PaletteOf(house);
  Canvas c(s.width, s.height);
  Backdrop(c, p);
  Floor(c, s, p, house);
  Walls(c, s, p, house);
  WallDecor(c, s, house);
  BackFurniture(c, house);
  DrawFront(c, house);
  QImage picture = c.Image().convertToFormat(QImage::Format_RGB32);
  cache[house] = picture;
  return picture;
}

// The foreground piece of a dwelling: the room picture wherever something
// stands in front of the floor.
void DrawForegroundPiece(Canvas& c, int house) {
  const QImage room = RoomPicture(house);
  Canvas front(room.width(), room.height());
  DrawFront(front, house);
  for (int y = c.OriginY(); y < c.OriginY() + c.Height(); ++y)
    for (int x = c.OriginX(); x < c.OriginX() + c.Width(); ++x) {
      if (x < 0 || y < 0 || x >= room.width() || y >= room.height()) continue;
      if (front.Opaque(x, y) || FrontRegion(house, x + 0.5, y + 0.5)) c.Plot(x, y, room.pixel(x, y));
    }
}

namespace {

const bool heya1 = RegisterAsset("Graphic/Heya1.bmp", [](const QString& path) { return art::SaveBmp(RoomPicture(0), path); });
const bool heya2 = RegisterAsset("Graphic/Heya2.bmp", [](const QString& path) { return art::SaveBmp(RoomPicture(1), path); });
const bool heya3 = RegisterAsset("Graphic/Heya3.bmp", [](const QString& path) { return art::SaveBmp(RoomPicture(2), path); });

}  // namespace

}  // namespace koratsu::assets::roomart
