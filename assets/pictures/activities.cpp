// The pictures of the activity dialogs and their progress windows, 64 × 64,
// each a small scene with the player as the room view shows him: a walk
// through the park (going out), the counter of a burger shop (a part-time
// job) and a desk in a study hall before a blackboard (training).

#include <array>
#include <cmath>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/room_art.h"
#include "pictures/room_people.h"
#include "roomview/sheet_layout.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using roomart::Color;
using roomart::Noise;
using roomart::Rgb;
using roomart::Shade;

constexpr int kSize = 64;
constexpr Color kInk = Rgb(40, 28, 30);

// A scene drawn pixel by pixel on a room canvas, every pixel of it painted.
class Scene : public roomart::Canvas {
 public:
  Scene() : Canvas(kSize, kSize) {}

  // A run of colours from top to bottom of the rectangle, dithered between neighbours.
  void Gradient(int x, int y, int w, int h, const std::array<Color, 3>& colours) {
    QImage band(w, h, QImage::Format_ARGB32);
    art::VerticalGradient(band, band.rect(), {QColor(colours[0]), QColor(colours[1]), QColor(colours[2])});
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) Plot(x + i, y + j, band.pixel(i, j));
  }
  // Copies the opaque pixels of a picture's rectangle, its top-left corner at (x, y).
  void Sprite(const QImage& from, QRect source, int x, int y, bool mirrored = false) {
    for (int j = 0; j < source.height(); ++j)
      for (int i = 0; i < source.width(); ++i) {
        const int sx = mirrored ? source.right() - i : source.left() + i;
        const QRgb p = from.pixel(sx, source.top() + j);
        if (qAlpha(p) == 255) Plot(x + i, y + j, p);
      }
  }
  // The picture's frame: a dark edge and a light line inside it.
  void Frame() {
    for (int i = 0; i < kSize; ++i) {
      Plot(i, 0, kInk), Plot(i, kSize - 1, kInk), Plot(0, i, kInk), Plot(kSize - 1, i, kInk);
    }
    for (int i = 1; i < kSize - 1; ++i) {
      Plot(i, 1, Shade(At(i, 1), 1.25));
      Plot(1, i, Shade(At(1, i), 1.2));
      Plot(i, kSize - 2, Shade(At(i, kSize - 2), 0.7));
      Plot(kSize - 2, i, Shade(At(kSize - 2, i), 0.7));
    }
  }
};

const QImage& Player() {
  static const QImage block = roomart::PersonBlock(0);
  return block;
}

QRect PlayerFrame(int column, int row) { return {column, row, sheet::kFrameWidth, sheet::kFrameHeight}; }

// ---------------------------------------------------------------- going out

QImage Outing() {
  Scene s;
  // Sky, with two clouds.
  s.Gradient(0, 0, kSize, 26, {Rgb(110, 170, 238), Rgb(146, 198, 244), Rgb(190, 224, 248)});
  auto cloud = [&](int x, int y, int w) {
    for (int i = 0; i < w; ++i) {
      const int h = static_cast<int>(3 - std::abs(i - w / 2.0) * 5 / w) + 1;
      for (int j = 0; j < h; ++j) s.Plot(x + i, y - j, j == 0 ? Rgb(226, 234, 246) : Rgb(252, 252, 255));
    }
  };
  cloud(8, 9, 14);
  cloud(40, 6, 11);
  // Far hills, then a row of trees along the horizon.
  for (int x = 0; x < kSize; ++x) {
    const int top = 20 + static_cast<int>(3 * std::sin(x / 9.0) + 2 * std::sin(x / 4.0 + 1));
    for (int y = top; y < 28; ++y) s.Plot(x, y, y == top ? Rgb(132, 176, 150) : Rgb(108, 156, 132));
  }
  for (int i = 0; i < 8; ++i) s.Blob(4 + i * 8.5, 24 + (i % 2), 5.5, 4.5, Rgb(66, 128, 70), 11 + i);
  // Grass, lighter towards the viewer, with tufts.
  s.Gradient(0, 27, kSize, 37, {Rgb(92, 156, 72), Rgb(118, 182, 82), Rgb(136, 198, 90)});
  for (int y = 29; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double n = Noise(x, y, 5);
      if (n > 0.93) s.Plot(x, y, Shade(s.At(x, y), 0.8));
      else if (n < 0.05) s.Plot(x, y, Shade(s.At(x, y), 1.15));
    }
  // The path, from the bottom towards the trees, with a shaded edge.
  for (int y = 28; y < kSize; ++y) {
    const double t = (y - 28) / 36.0;
    const double centre = 34 - 6 * t + 3 * std::sin(t * 3.2);
    const double half = 2 + 13 * t;
    for (int x = static_cast<int>(centre - half); x <= static_cast<int>(centre + half); ++x) {
      Color c = Rgb(222, 196, 146);
      if (Noise(x, y, 9) > 0.85) c = Rgb(204, 176, 128);
      if (x <= static_cast<int>(centre - half) + 0) c = Rgb(178, 150, 104);
      if (x >= static_cast<int>(centre + half) - 0) c = Rgb(190, 162, 114);
      s.Plot(x, y, c);
    }
  }
  // A tree on the left, its trunk in the shade of its crown.
  s.Rect(7, 30, 4, 20, Rgb(120, 80, 48));
  s.Rect(7, 30, 1, 20, Rgb(150, 104, 64));
  s.Rect(10, 30, 1, 20, Rgb(86, 56, 34));
  for (int x = 3; x < 16; ++x) s.Plot(x, 50, Rgb(74, 124, 58));
  s.Blob(9, 24, 10, 9, Rgb(58, 136, 62), 3);
  s.Blob(4, 30, 5, 4, Rgb(58, 136, 62), 4);
  s.Blob(15, 30, 5, 4, Rgb(58, 136, 62), 6);
  // A bench on the right.
  for (int x = 46; x < 60; ++x) {
    s.Plot(x, 41, Rgb(176, 108, 60));
    s.Plot(x, 42, Rgb(140, 82, 44));
    s.Plot(x, 45, Rgb(186, 116, 66));
    s.Plot(x, 46, Rgb(140, 82, 44));
  }
  for (int y = 43; y < 50; ++y) {
    s.Plot(47, y, Rgb(70, 70, 80));
    s.Plot(58, y, Rgb(70, 70, 80));
  }
  for (int x = 46; x < 60; ++x) s.Plot(x, 50, Rgb(92, 150, 70));
  // Flowers in the grass.
  const struct {
    int x, y;
    Color c;
  } flowers[] = {{4, 56, Rgb(236, 80, 90)},  {12, 60, Rgb(250, 220, 80)}, {20, 53, Rgb(250, 250, 250)},
                 {52, 57, Rgb(236, 80, 90)}, {58, 61, Rgb(250, 220, 80)}, {44, 54, Rgb(200, 120, 230)},
                 {16, 46, Rgb(250, 220, 80)}, {56, 36, Rgb(250, 250, 250)}};
  for (const auto& f : flowers) {
    s.Plot(f.x, f.y, f.c);
    s.Plot(f.x - 1, f.y, Shade(f.c, 0.8));
    s.Plot(f.x + 1, f.y, Shade(f.c, 0.8));
    s.Plot(f.x, f.y - 1, Shade(f.c, 1.15));
    s.Plot(f.x, f.y + 1, Rgb(60, 120, 50));
  }
  // The player walking towards the viewer, with his shadow on the path.
  for (int x = 28; x < 39; ++x) s.Plot(x, 60, Shade(s.At(x, 60), 0.78));
  for (int x = 29; x < 38; ++x) s.Plot(x, 61, Shade(s.At(x, 61), 0.85));
  s.Sprite(Player(), PlayerFrame(sheet::kWalkColumn[1], sheet::kWalkRow[3]), 25, 30);
  s.Frame();
  return s.Image();
}

// ---------------------------------------------------------------- a job

QImage Job() {
  Scene s;
  // The shop's wall: warm stripes, lit from the left.
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < kSize; ++x) s.Plot(x, y, (x / 4) % 2 ? Rgb(246, 222, 170) : Rgb(236, 208, 150));
  // The menu board with pictures of the dishes and their price lines.
  s.Rect(6, 3, 52, 17, Rgb(52, 40, 36));
  s.Rect(7, 4, 50, 15, Rgb(70, 54, 46));
  for (int x = 6; x < 58; ++x) s.Plot(x, 20, Rgb(120, 90, 60));
  auto burger = [&](int x, int y) {
    for (int i = 1; i < 6; ++i) s.Plot(x + i, y, Rgb(222, 150, 62));
    for (int i = 0; i < 7; ++i) s.Plot(x + i, y + 1, Rgb(206, 132, 52));
    for (int i = 0; i < 7; ++i) s.Plot(x + i, y + 2, Rgb(96, 176, 70));
    for (int i = 0; i < 7; ++i) s.Plot(x + i, y + 3, Rgb(116, 60, 36));
    for (int i = 1; i < 6; ++i) s.Plot(x + i, y + 4, Rgb(196, 124, 50));
    s.Plot(x + 2, y, Rgb(250, 236, 200));
  };
  auto drink = [&](int x, int y) {
    for (int j = 0; j < 5; ++j)
      for (int i = 0; i < 4; ++i) s.Plot(x + i, y + j, i == 0 ? Rgb(250, 130, 120) : Rgb(226, 62, 56));
    s.Plot(x + 2, y - 1, Rgb(250, 250, 250));
    s.Plot(x + 2, y - 2, Rgb(250, 250, 250));
  };
  auto fries = [&](int x, int y) {
    for (int i = 0; i < 5; ++i) s.Plot(x + i, y - 1 - (i % 2), Rgb(250, 214, 90));
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 5; ++i) s.Plot(x + i, y + j, i == 4 ? Rgb(178, 36, 40) : Rgb(222, 52, 52));
  };
  burger(10, 6);
  fries(25, 7);
  drink(40, 6);
  burger(48, 6);
  for (int col : {9, 24, 39, 48}) {
    for (int i = 0; i < 7; ++i) s.Plot(col + i, 15, Rgb(236, 228, 210));
    for (int i = 0; i < 4; ++i) s.Plot(col + 1 + i, 17, Rgb(250, 214, 90));
  }
  // A clock on the wall.
  s.Blob(6, 26, 3.6, 3.6, Rgb(250, 250, 246));
  s.Plot(6, 24, kInk), s.Plot(6, 25, kInk), s.Plot(6, 26, kInk), s.Plot(7, 26, kInk);
  // The player behind the counter, in the shop's red cap.
  s.Sprite(Player(), PlayerFrame(sheet::kWalkColumn[0], sheet::kWalkRow[3]), 24, 14);
  for (int x = 26; x < 37; ++x) s.Plot(x, 17, Rgb(214, 44, 48));
  for (int x = 27; x < 36; ++x) s.Plot(x, 16, Rgb(232, 70, 64));
  for (int x = 28; x < 34; ++x) s.Plot(x, 15, Rgb(240, 96, 84));
  for (int x = 33; x < 40; ++x) s.Plot(x, 18, Rgb(176, 30, 36));
  // His name tag.
  s.Plot(34, 27, Rgb(250, 250, 250)), s.Plot(35, 27, Rgb(250, 250, 250));
  // The counter: a light top, a red front with a white band, a dark foot.
  s.Rect(0, 38, kSize, 3, Rgb(226, 226, 230));
  for (int x = 0; x < kSize; ++x) s.Plot(x, 38, Rgb(250, 250, 252)), s.Plot(x, 41, Rgb(150, 150, 160));
  s.Gradient(0, 42, kSize, 22, {Rgb(226, 58, 54), Rgb(200, 40, 42), Rgb(158, 28, 34)});
  s.Rect(0, 48, kSize, 3, Rgb(246, 240, 232));
  for (int x = 0; x < kSize; ++x) s.Plot(x, 51, Rgb(190, 180, 172));
  for (int x = 0; x < kSize; x += 16) {
    for (int y = 42; y < 61; ++y) s.Plot(x, y, Shade(s.At(x, y), 0.75));
  }
  s.Rect(0, 61, kSize, 3, Rgb(70, 40, 40));
  // The cash register on the counter, and a tray with an order.
  s.Rect(44, 29, 14, 9, Rgb(112, 116, 128));
  s.Rect(44, 29, 14, 1, Rgb(156, 160, 172));
  s.Rect(57, 29, 1, 9, Rgb(80, 82, 92));
  s.Rect(46, 31, 8, 3, Rgb(40, 80, 60));
  s.Rect(47, 32, 5, 1, Rgb(120, 240, 160));
  for (int i = 0; i < 3; ++i) s.Rect(46 + i * 3, 35, 2, 1, Rgb(200, 200, 210));
  s.Rect(6, 36, 16, 2, Rgb(196, 140, 80));
  s.Rect(6, 37, 16, 1, Rgb(150, 100, 56));
  burger(7, 31);
  drink(16, 31);
  s.Frame();
  return s.Image();
}

// ---------------------------------------------------------------- training

QImage Training() {
  Scene s;
  // A wooden wall with a blackboard, and a window onto the evening.
  for (int y = 0; y < 44; ++y)
    for (int x = 0; x < kSize; ++x) {
      Color c = (x / 8) % 2 ? Rgb(196, 150, 104) : Rgb(186, 140, 96);
      if (x % 8 == 0) c = Rgb(150, 108, 70);
      if (Noise(x / 2, y, 17) > 0.9) c = Shade(c, 0.92);
      s.Plot(x, y, c);
    }
  s.Rect(4, 4, 38, 22, Rgb(120, 84, 50));
  s.Gradient(5, 5, 36, 20, {Rgb(46, 92, 70), Rgb(40, 82, 62), Rgb(34, 70, 54)});
  for (int x = 4; x < 42; ++x) s.Plot(x, 26, Rgb(92, 62, 36));
  // Chalk on the board: a sum, a little drawing and a line of writing.
  const std::map<char, QColor> chalk = {{'w', QColor(236, 240, 232)}, {'y', QColor(246, 226, 140)},
                                        {'p', QColor(240, 170, 190)}};
  QImage board = s.Image();
  art::Stamp(board, 8, 8,
             {"w.w.www..w...ww.", ".w....w.www.w..w", "w.w..w...w.....w", "....www.......w.",
              "..............ww"},
             chalk);
  art::Stamp(board, 27, 8, {".yyy..", "y...y.", "y.y.y.", "y...y.", ".yyy..", "..y...", ".yyy.."}, chalk);
  art::Stamp(board, 8, 17, {"pppppp.pppp.ppppp.ppp", ".....................", "www.wwww.ww.wwwww"}, chalk);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) s.Plot(x, y, board.pixel(x, y));
  for (int x = 30; x < 36; ++x) s.Plot(x, 25, Rgb(236, 240, 232));  // a stick of chalk on the ledge
  s.Rect(46, 4, 14, 18, Rgb(236, 230, 214));
  s.Gradient(47, 5, 12, 16, {Rgb(240, 150, 90), Rgb(250, 196, 120), Rgb(120, 110, 170)});
  for (int y = 5; y < 21; ++y) s.Plot(52, y, Rgb(236, 230, 214));
  for (int x = 47; x < 59; ++x) s.Plot(x, 12, Rgb(236, 230, 214));
  for (int x = 45; x < 61; ++x) s.Plot(x, 22, Rgb(150, 108, 70));
  // The floor.
  s.Gradient(0, 44, kSize, 20, {Rgb(150, 104, 64), Rgb(166, 118, 74), Rgb(176, 128, 82)});
  for (int y = 44; y < kSize; y += 4)
    for (int x = 0; x < kSize; ++x) s.Plot(x, y, Rgb(128, 88, 54));
  // The player at his desk, his pen in his hand.
  s.Sprite(Player(), PlayerFrame(sheet::kPoseColumnFront, sheet::kPoseWorkRow[0]), 25, 16, true);
  // The desk, its top seen from above, with books and a lamp.
  s.Rect(10, 38, 44, 4, Rgb(156, 96, 52));
  for (int x = 10; x < 54; ++x) s.Plot(x, 38, Rgb(196, 132, 76));
  s.Gradient(11, 42, 42, 16, {Rgb(132, 80, 42), Rgb(112, 66, 34), Rgb(92, 54, 28)});
  for (int y = 42; y < 58; ++y) s.Plot(11, y, Rgb(150, 96, 54)), s.Plot(52, y, Rgb(76, 44, 22));
  s.Rect(20, 46, 24, 1, Rgb(80, 46, 24));
  s.Rect(30, 48, 4, 2, Rgb(220, 190, 120));
  s.Rect(11, 58, 4, 5, Rgb(92, 54, 28));
  s.Rect(49, 58, 4, 5, Rgb(76, 44, 22));
  // An open book in front of him.
  s.Rect(26, 35, 6, 4, Rgb(250, 248, 236));
  s.Rect(32, 35, 6, 4, Rgb(236, 232, 216));
  s.Plot(32, 35, Rgb(180, 170, 150)), s.Plot(32, 36, Rgb(180, 170, 150)), s.Plot(32, 37, Rgb(180, 170, 150));
  for (int x : {27, 33}) s.Rect(x, 36, 4, 1, Rgb(150, 150, 170));
  // A stack of books.
  const Color covers[] = {Rgb(52, 96, 176), Rgb(200, 56, 56), Rgb(236, 180, 60), Rgb(70, 150, 90)};
  for (int b = 0; b < 4; ++b) {
    const int y = 34 - b * 3, x = 12 + (b % 2);
    s.Rect(x, y, 11, 3, covers[b]);
    s.Rect(x, y, 11, 1, Shade(covers[b], 1.25));
    s.Rect(x + 10, y, 1, 3, Rgb(240, 236, 220));
  }
  // A desk lamp.
  s.Rect(44, 36, 6, 2, Rgb(60, 60, 70));
  for (int y = 28; y < 36; ++y) s.Plot(46 + (36 - y) / 4, y, Rgb(80, 80, 92));
  for (int y = 0; y < 5; ++y)
    for (int x = 48 - y; x <= 52 + y; ++x) {
      Color c = Rgb(60, 112, 184);
      if (x == 48 - y) c = Rgb(110, 160, 224);
      if (x >= 51 + y) c = Rgb(40, 80, 140);
      s.Plot(x, 25 + y, c);
    }
  for (int x = 44; x < 57; ++x) s.Plot(x, 30, Rgb(250, 236, 150));
  for (int x = 45; x < 56; ++x) s.Plot(x, 31, Rgb(246, 220, 120));
  s.Frame();
  return s.Image();
}

const bool outing = RegisterAsset(form::PicturePath(form::kOuting, "Image1(14)"),
                                  [](const QString& path) { return art::SavePng(Outing(), path); });
const bool job = RegisterAsset(form::PicturePath(form::kArubaito, "Image1(0)"),
                               [](const QString& path) { return art::SavePng(Job(), path); });
const bool training = RegisterAsset(form::PicturePath(form::kTraining, "Image1(0)"),
                                    [](const QString& path) { return art::SavePng(Training(), path); });

}  // namespace

}  // namespace koratsu::assets
