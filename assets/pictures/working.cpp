// The working window's animation, 64 × 48: the player, as the room view
// shows him, at his drawing desk. Five frames draw a line across the page
// and dip the pen in the ink; the sixth, also the still picture, has him
// look over the page with his pen raised.

#include <cmath>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/room_art.h"
#include "pictures/room_people.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using roomart::Canvas;
using roomart::Color;
using roomart::Mix;
using roomart::Noise;
using roomart::Rgb;
using roomart::Shade;

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr int kFrames = 6;

constexpr Color kInk = roomart::kPersonOutline;  // his outline, and the ink on the page
constexpr Color kPaper = Rgb(252, 250, 242);
constexpr Color kPen = Rgb(44, 44, 56);
constexpr Color kLampLight = Rgb(255, 236, 160);

// Where the pen hand is, where the elbow is, whether the head bends over
// the page, and how far the line on the page has come.
struct Pose {
  int handX, handY;
  int elbowX, elbowY;
  int lean;
  int lineTo;
};

constexpr Pose kPoses[kFrames] = {
    {41, 26, 31, 27, 1, 43}, {44, 26, 33, 27, 1, 46}, {47, 26, 35, 27, 1, 49},
    {50, 26, 36, 27, 1, 52}, {37, 23, 30, 27, 0, 52}, {43, 22, 32, 26, 0, 52},
};

// The page on the drawing board leans back: each row up sits a third of a pixel further right.
constexpr int kBoardBottom = 30;
constexpr int kBoardTop = 19;
int BoardShift(int y) { return (kBoardBottom - y) / 3; }
constexpr int kPaperLeft = 40;
constexpr int kPaperRight = 56;
constexpr int kLineRow = 27;

// A thick line of `width` pixels, for arms.
void Limb(Canvas& c, double x0, double y0, double x1, double y1, double width, Color col) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const int steps = std::max(1, static_cast<int>(length * 3));
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
    for (int dy = 0; dy < width; ++dy)
      for (int dx = 0; dx < width; ++dx)
        c.Plot(static_cast<int>(std::floor(x - width / 2 + dx + 0.5)), static_cast<int>(std::floor(y - width / 2 + dy + 0.5)), col);
  }
}

void Room(Canvas& c) {
  // Wallpaper in soft stripes, brighter towards the lamp at the upper right.
  for (int y = 0; y < 34; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Color base = (x / 3) % 2 ? Rgb(240, 226, 192) : Rgb(232, 216, 180);
      const double glow = std::max(0.0, 1.0 - std::hypot(x - 50.0, y - 14.0) / 30.0);
      base = Shade(base, 0.9 + 0.18 * glow);
      c.Plot(x, y, base);
    }
  // A window onto the day, with a curtain.
  c.Rect(2, 3, 15, 17, Rgb(150, 108, 70));
  for (int y = 4; y < 19; ++y)
    for (int x = 3; x < 16; ++x) c.Plot(x, y, Mix(Rgb(120, 178, 236), Rgb(198, 228, 248), (y - 4) / 15.0));
  c.Rect(3, 11, 13, 1, Rgb(186, 140, 96));
  c.Rect(9, 4, 1, 15, Rgb(186, 140, 96));
  for (int x = 4; x < 8; ++x) c.Plot(x, 6, Rgb(250, 252, 255));
  c.Plot(12, 8, Rgb(250, 252, 255)), c.Plot(13, 8, Rgb(250, 252, 255));
  for (int y = 3; y < 21; ++y) {
    const int width = 3 + (y > 14 ? (y - 14) / 2 : 0);
    for (int i = 0; i < width; ++i) c.Plot(15 + i, y, i == 0 ? Rgb(214, 96, 90) : Rgb(196, 76, 72));
  }
  for (int x = 1; x < 19; ++x) c.Plot(x, 20, Rgb(120, 84, 54));

  // A cork board with sketches pinned to it.
  c.Rect(34, 3, 24, 13, Rgb(128, 86, 52));
  for (int y = 4; y < 15; ++y)
    for (int x = 35; x < 57; ++x) c.Plot(x, y, Noise(x, y, 23) > 0.7 ? Rgb(186, 138, 86) : Rgb(204, 156, 100));
  const struct {
    int x, y, w, h;
    Color pin;
  } sheets[] = {{36, 5, 7, 8, Rgb(220, 60, 60)}, {45, 6, 5, 7, Rgb(60, 110, 220)}, {51, 5, 5, 6, Rgb(240, 200, 60)}};
  for (const auto& s : sheets) {
    c.Rect(s.x, s.y, s.w, s.h, kPaper);
    c.Rect(s.x + 1, s.y + s.h, s.w, 1, Rgb(150, 104, 64));
    for (int row = s.y + 2; row < s.y + s.h - 1; row += 2) c.Rect(s.x + 1, row, s.w - 3 + (row % 3 == 0), 1, Rgb(150, 150, 170));
    c.Plot(s.x + s.w / 2, s.y, s.pin);
  }

  // Skirting board and a wooden floor in staggered planks.
  c.Rect(0, 34, kWidth, 2, Rgb(120, 82, 52));
  c.Rect(0, 34, kWidth, 1, Rgb(150, 106, 70));
  for (int y = 36; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Color col = Mix(Rgb(172, 120, 74), Rgb(196, 142, 90), (y - 36) / 12.0);
      if (Noise(x / 3, y, 31) > 0.82) col = Shade(col, 0.93);
      const int row = (y - 36) / 4;
      if ((y - 36) % 4 == 3 || (x + row * 11) % 23 == 0) col = Shade(col, 0.78);
      c.Plot(x, y, col);
    }
}

void Chair(Canvas& c) {
  const Color wood = Rgb(118, 76, 46), woodLight = Rgb(150, 100, 62), cushion = Rgb(200, 70, 64);
  c.Rect(10, 17, 3, 19, wood);
  c.Rect(10, 17, 1, 19, woodLight);
  c.Rect(10, 17, 3, 1, woodLight);
  c.Rect(13, 33, 16, 2, cushion);
  c.Rect(13, 33, 16, 1, Shade(cushion, 1.2));
  c.Rect(12, 35, 18, 1, wood);
  c.Rect(13, 36, 2, 10, wood);
  c.Rect(26, 36, 2, 10, Shade(wood, 0.85));
  // Its shadow on the floor.
  for (int x = 11; x < 31; ++x) c.Plot(x, 46, Shade(c.At(x, 46), 0.8));
}

void DeskBehind(Canvas& c) {
  const Color front = Rgb(160, 110, 66), dark = Rgb(112, 74, 42);
  // The drawer unit at the far end, the leg at the near one, and the shade under the desk.
  for (int y = 32; y < kHeight; ++y)
    for (int x = 33; x < kWidth; ++x) c.Plot(x, y, Shade(c.At(x, y), y < 36 ? 0.72 : 0.82));
  c.Rect(50, 31, 13, 14, front);
  c.Rect(50, 31, 1, 14, Shade(front, 1.15));
  c.Rect(62, 31, 1, 14, dark);
  c.Rect(50, 37, 13, 1, dark);
  c.Rect(54, 34, 5, 1, Rgb(220, 200, 150));
  c.Rect(54, 40, 5, 1, Rgb(220, 200, 150));
  c.Rect(50, 45, 13, 1, Rgb(90, 60, 36));
  c.Rect(34, 31, 2, 15, front);
  c.Rect(35, 31, 1, 15, dark);
}

void DeskTop(Canvas& c, const Pose& pose) {
  const Color top = Rgb(204, 152, 98), edge = Rgb(150, 100, 60);
  c.Rect(32, 29, 32, 2, top);
  c.Rect(32, 29, 32, 1, Shade(top, 1.15));
  c.Rect(32, 31, 32, 1, edge);

  // The drawing board and the page on it, under the lamp's light.
  for (int y = kBoardTop; y <= kBoardBottom; ++y) {
    const int s = BoardShift(y);
    for (int x = kPaperLeft - 2 + s; x <= kPaperRight + 2 + s; ++x) c.Plot(x, y, Rgb(120, 84, 56));
    c.Plot(kPaperRight + 2 + s, y, Rgb(92, 62, 40));
    if (y == kBoardTop || y == kBoardBottom) continue;
    for (int x = kPaperLeft + s; x <= kPaperRight + s; ++x) {
      const double light = std::max(0.0, 1.0 - std::hypot(x - 50.0, y - 22.0) / 12.0);
      c.Plot(x, y, Mix(Shade(kPaper, 0.93), kPaper, 0.4 + 0.6 * light));
    }
  }
  // The page's panels: a border, a split, and a face sketched in the upper panel.
  const Color pencil = Rgb(120, 120, 140);
  for (int y = kBoardTop + 2; y <= kBoardBottom - 2; ++y) {
    const int s = BoardShift(y);
    c.Plot(kPaperLeft + 1 + s, y, pencil);
    c.Plot(kPaperRight - 1 + s, y, pencil);
    if (y < 24) c.Plot(kPaperLeft + 8 + s, y, pencil);
  }
  for (int x = kPaperLeft + 1; x <= kPaperRight - 1; ++x) {
    c.Plot(x + BoardShift(kBoardTop + 2), kBoardTop + 2, pencil);
    c.Plot(x + BoardShift(24), 24, pencil);
    c.Plot(x + BoardShift(kBoardBottom - 2), kBoardBottom - 2, pencil);
  }
  const int fx = kPaperLeft + 11 + BoardShift(21);
  c.Plot(fx, 21, kInk), c.Plot(fx + 1, 21, kInk), c.Plot(fx + 2, 21, kInk);
  c.Plot(fx - 1, 22, kInk), c.Plot(fx + 3, 22, kInk);
  c.Plot(fx, 22, Rgb(40, 40, 60)), c.Plot(fx + 2, 22, Rgb(40, 40, 60));
  c.Plot(kPaperLeft + 4 + BoardShift(22), 22, kInk), c.Plot(kPaperLeft + 5 + BoardShift(22), 22, kInk);
  // Today's line in fresh ink, as far as the pen has come.
  for (int x = kPaperLeft + 2; x < pose.lineTo && x <= kPaperRight - 2; ++x) c.Plot(x + BoardShift(kLineRow), kLineRow, kInk);

  // The ink bottle near at hand, and the lamp on the wall bracket above the page.
  c.Rect(35, 25, 4, 4, Rgb(36, 34, 50));
  c.Rect(35, 25, 1, 4, Rgb(80, 80, 110));
  c.Rect(36, 24, 2, 1, Rgb(60, 58, 76));
  c.Plot(36, 26, Rgb(140, 150, 200));
  for (int y = 5; y < 11; ++y) c.Plot(61, y, Rgb(90, 90, 100));
  c.Rect(55, 5, 7, 1, Rgb(90, 90, 100));
  for (int y = 0; y < 4; ++y)
    for (int x = 52 - y; x <= 56 + y; ++x) {
      Color col = Rgb(60, 120, 190);
      if (x == 52 - y) col = Rgb(120, 170, 230);
      if (x >= 55 + y) col = Rgb(40, 84, 146);
      c.Plot(x, 6 + y, col);
    }
  for (int x = 49; x <= 59; ++x) c.Plot(x, 10, kLampLight);
}

// The player seated facing right, in the room view's colours and outline.
Canvas Player(const Pose& pose) {
  const roomart::PersonLook& look = roomart::Look(0);
  const Color skin = look.skin, skinShade = Shade(look.skin, 0.82);
  const Color hair = look.hair, hairLight = Mix(look.hair, Rgb(120, 130, 190), 0.45);
  const Color shirt = look.top, shirtShade = Shade(look.top, 0.78), shirtLight = Shade(look.top, 1.18);
  const Color jeans = look.bottom, jeansShade = Shade(look.bottom, 0.75), jeansLight = Shade(look.bottom, 1.25);
  Canvas c(kWidth, kHeight);

  // The far arm rests on the desk, its hand steadying the board.
  Limb(c, 25, 23, 31, 28, 2, Shade(shirt, 0.62));
  Limb(c, 31, 28, 38, 29, 2, Shade(shirt, 0.62));
  c.Plot(39, 28, skinShade), c.Plot(39, 29, skinShade);

  // Legs: thighs forward along the seat, shins down under the desk, white shoes.
  c.Rect(17, 31, 16, 4, jeans);
  c.Rect(17, 31, 16, 1, jeansLight);
  c.Rect(30, 35, 4, 9, jeansShade);
  c.Rect(33, 35, 1, 9, Shade(jeansShade, 0.8));
  c.Rect(30, 44, 6, 2, look.shoes);
  c.Rect(30, 45, 6, 1, Shade(look.shoes, 0.8));

  // The torso leans towards the page.
  const int lean = pose.lean;
  for (int y = 19; y <= 32; ++y) {
    const int left = 17 + (32 - y) * (2 + lean) / 13;
    const int right = left + 11;
    for (int x = left; x <= right; ++x) {
      Color col = shirt;
      if (x <= left + 1) col = shirtShade;
      if (x >= right - 1) col = shirtLight;
      c.Plot(x, y, col);
    }
  }
  for (int x = 18; x < 29; ++x) c.Plot(x, 32, shirtShade);  // the hem

  // Head: a rounded skull, the face to the right, his spiky black hair
  // and the white headband at its edge, tied at the back.
  const int hx = 19 + lean, hy = 5 + lean;
  static constexpr int kSpan[13][2] = {{3, 9}, {1, 11}, {0, 12}, {0, 12}, {0, 12}, {0, 12}, {0, 12},
                                       {0, 12}, {0, 12}, {1, 12}, {1, 11}, {2, 10}, {4, 8}};
  for (int r = 0; r < 13; ++r)
    for (int x = kSpan[r][0]; x <= kSpan[r][1]; ++x) c.Plot(hx + x, hy + r, skin);
  c.Plot(hx + 13, hy + 8, skin);  // the nose
  for (int r = 9; r < 12; ++r) c.Plot(hx + kSpan[r][0], hy + r, skinShade);
  c.Rect(hx + 5, hy + 13, 3, 2, skinShade);  // the neck
  for (int r = 0; r < 4; ++r)
    for (int x = kSpan[r][0]; x <= kSpan[r][1]; ++x) c.Plot(hx + x, hy + r, hair);
  for (int r = 4; r < 11; ++r)
    for (int x = kSpan[r][0]; x <= (r < 9 ? 3 : 2); ++x) c.Plot(hx + x, hy + r, hair);
  const int spikes[][2] = {{1, 0}, {2, -1}, {4, -1}, {5, -2}, {7, -1}, {8, -2}, {10, -1}, {11, 0}, {-1, 2}, {-1, 5}};
  for (const auto& s : spikes) c.Plot(hx + s[0], hy + s[1], hair);
  c.Plot(hx + 5, hy + 1, hairLight), c.Plot(hx + 6, hy + 1, hairLight), c.Plot(hx + 4, hy + 2, hairLight);
  for (int x = 0; x <= 12; ++x) c.Plot(hx + x, hy + 4, x < 3 ? Shade(roomart::kHeadband, 0.88) : roomart::kHeadband);
  c.Plot(hx - 1, hy + 4, roomart::kHeadband), c.Plot(hx - 2, hy + 5, roomart::kHeadband), c.Plot(hx - 3, hy + 6, roomart::kHeadband);
  c.Plot(hx - 1, hy + 5, Shade(roomart::kHeadband, 0.85)), c.Plot(hx - 2, hy + 7, Shade(roomart::kHeadband, 0.85));
  c.Rect(hx + 4, hy + 6, 2, 3, skinShade);  // the ear
  c.Plot(hx + 5, hy + 7, Shade(skin, 0.7));
  // Eyes on the page: lower while he bends over it.
  const int eyeRow = hy + 7 + lean;
  c.Plot(hx + 9, eyeRow - 2, hair), c.Plot(hx + 10, eyeRow - 2, hair);  // the brow
  c.Plot(hx + 10, eyeRow, roomart::kPersonEye), c.Plot(hx + 10, eyeRow + 1, roomart::kPersonEye);
  c.Plot(hx + 10, hy + 10, roomart::kPersonBlush), c.Plot(hx + 11, hy + 10, roomart::kPersonBlush);
  c.Plot(hx + 11, hy + 11, Shade(skin, 0.68));  // the mouth

  // The drawing arm: shoulder, elbow, and the hand with its pen.
  const double sx = 25 + lean, sy = 21;
  Limb(c, sx, sy, pose.elbowX, pose.elbowY, 3, shirt);
  Limb(c, pose.elbowX, pose.elbowY, pose.handX - 1, pose.handY, 3, shirt);
  Limb(c, sx, sy - 1, pose.elbowX, pose.elbowY - 1, 1, shirtLight);
  c.Rect(pose.handX - 1, pose.handY - 1, 3, 3, skin);
  c.Plot(pose.handX + 1, pose.handY + 1, skinShade);
  c.Line(pose.handX - 1, pose.handY - 4, pose.handX + 2, pose.handY + 2, kPen);
  c.Plot(pose.handX - 1, pose.handY - 4, Rgb(210, 60, 60));  // the pen's red end
  c.Outline(kInk);
  return c;
}

QImage Working(int frame) {
  const Pose& pose = kPoses[frame];
  Canvas scene(kWidth, kHeight);
  Room(scene);
  Chair(scene);
  DeskBehind(scene);
  DeskTop(scene, pose);
  scene.Paste(Player(pose));
  // The lamp's light falls on the page and on the hand over it.
  for (int y = 11; y <= kBoardBottom; ++y)
    for (int x = 44 - (y - 11) / 2; x <= 56 + (y - 11) / 3 && x < kWidth; ++x)
      if (Noise(x, y, 7) < 0.35 + 0.02 * (kBoardBottom - y)) scene.Plot(x, y, Mix(scene.At(x, y), kLampLight, 0.12));
  return scene.Image();
}

const bool registered = [] {
  bool all = true;
  for (int frame = 0; frame < kFrames; ++frame)
    all = RegisterAsset(form::PicturePath(form::kWorking, "Image1(" + std::to_string(frame) + ")"),
                        [frame](const QString& path) { return art::SavePng(Working(frame), path); }) &&
          all;
  return all;
}();

}  // namespace

}  // namespace koratsu::assets
