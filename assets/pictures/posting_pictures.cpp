// The posting window's two pictures: the street (285 × 69) from the
// player's house with the red post box at the left to the publisher's
// office building at the right, and the manuscript's envelope (32 × 32)
// that flies along it.

#include <cmath>
#include <numbers>

#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kWidth = 285;
constexpr int kHeight = 69;
constexpr int kGround = 52;  // where the grass begins

constexpr Color kWall = Rgb(246, 234, 206);
constexpr Color kRoof = Rgb(176, 66, 54);
constexpr Color kPostRed = Rgb(218, 42, 40);
constexpr Color kGlass = Rgb(96, 140, 196);

void Cloud(Scene& s, int x, int y, int w) {
  s.Blob(x + w * 0.3, y, w * 0.22, 3.5, Rgb(250, 252, 255));
  s.Blob(x + w * 0.55, y - 2, w * 0.25, 4.5, Rgb(250, 252, 255));
  s.Blob(x + w * 0.78, y + 1, w * 0.2, 3, Rgb(250, 252, 255));
}

void Street(Scene& s) {
  s.Gradient(0, 0, kWidth, kGround, {Rgb(112, 168, 234), Rgb(150, 198, 244), Rgb(206, 230, 250)});
  Cloud(s, 70, 10, 34);
  Cloud(s, 150, 6, 26);
  Cloud(s, 190, 16, 22);
  // The town far away, pale in the haze.
  const Color far = Rgb(176, 196, 220);
  for (int x = 62; x < 222; x += 1) {
    const int top = 30 + static_cast<int>(Noise(x / 9, 0, 3) * 14);
    for (int y = top; y < kGround; ++y) s.Plot(x, y, (x % 9 == 0) ? Shade(far, 0.94) : far);
    if (x % 4 == 1)
      for (int y = top + 3; y < kGround - 2; y += 4) s.Plot(x, y, Rgb(206, 220, 236));
  }
  // Grass, the pavement in tiles and the road with its dashed middle line.
  s.Gradient(0, kGround, kWidth, 4, {Rgb(112, 176, 82), Rgb(86, 148, 64)});
  s.Rect(0, kGround + 4, kWidth, 4, Rgb(206, 200, 190));
  for (int x = 0; x < kWidth; x += 8) s.Plot(x, kGround + 5, Rgb(170, 164, 156)), s.Plot(x + 4, kGround + 7, Rgb(170, 164, 156));
  s.Rect(0, kGround + 4, kWidth, 1, Rgb(232, 228, 220));
  s.Rect(0, kGround + 8, kWidth, 1, Rgb(140, 136, 132));
  s.Gradient(0, kGround + 9, kWidth, kHeight - kGround - 9, {Rgb(96, 98, 108), Rgb(76, 78, 88)});
  for (int x = 4; x < kWidth; x += 14) s.Rect(x, kGround + 12, 7, 1, Rgb(236, 236, 228));
  for (int x = 0; x < kWidth; ++x)
    if (Noise(x, 3, 8) > 0.8) s.Plot(x, kGround + 10 + static_cast<int>(Noise(x, 4, 8) * 6), Rgb(108, 110, 120));
}

void Tree(Scene& s, int x, int size) {
  s.Rect(x - 1, kGround - size / 2, 3, size / 2 + 2, Rgb(110, 74, 44));
  s.Rect(x + 1, kGround - size / 2, 1, size / 2 + 2, Rgb(80, 52, 30));
  s.Blob(x, kGround - size * 0.75, size * 0.45, size * 0.42, Rgb(62, 138, 66), 7 + x);
}

// Two poles with the wires sagging between them.
void Poles(Scene& s) {
  const int poles[] = {108, 176};
  for (int x : poles) {
    s.Rect(x, 14, 2, kGround + 2 - 14, Rgb(120, 112, 104));
    s.Rect(x, 14, 1, kGround + 2 - 14, Rgb(160, 152, 142));
    s.Rect(x - 4, 17, 10, 1, Rgb(92, 86, 80));
  }
  auto wire = [&](int x0, int y0, int x1, int y1) {
    for (int x = x0; x <= x1; ++x) {
      const double t = static_cast<double>(x - x0) / (x1 - x0);
      s.Plot(x, static_cast<int>(std::lround(y0 + (y1 - y0) * t + 5 * std::sin(t * std::numbers::pi))), Rgb(60, 60, 70));
    }
  };
  wire(48, 24, poles[0] - 3, 17);
  wire(poles[0] + 5, 17, poles[1] - 3, 17);
  wire(poles[1] + 5, 17, 226, 28);
}

void House(Scene& s) {
  // The walls, shaded under the eaves and on the right.
  s.Block(8, 30, 38, kGround - 30, kWall);
  s.Tint(8, 30, 38, 2, 0.8);
  s.Tint(38, 32, 8, kGround - 32, 0.9, 0.5);
  // A window with its glass catching the sky, and a flower box.
  s.InkBlock(11, 35, 14, 11, Rgb(236, 228, 210));
  s.Gradient(12, 36, 12, 9, {Rgb(170, 210, 246), kGlass});
  s.Rect(17, 36, 1, 9, Rgb(236, 228, 210));
  s.Rect(12, 40, 12, 1, Rgb(236, 228, 210));
  s.Plot(13, 37, kWhite), s.Plot(14, 36, kWhite), s.Plot(19, 37, kWhite);
  s.Block(10, 46, 16, 3, Rgb(150, 96, 56));
  for (int i = 0; i < 6; ++i) s.Plot(11 + i * 3, 45, i % 2 ? Rgb(240, 90, 110) : Rgb(250, 220, 80));
  // The door, a knob and a step.
  s.InkBlock(30, 37, 11, kGround - 37, Rgb(150, 92, 52));
  s.Rect(32, 39, 7, 5, Rgb(170, 110, 64));
  s.Rect(32, 46, 7, 3, Rgb(170, 110, 64));
  s.Plot(38, 45, Rgb(250, 220, 110));
  s.Block(28, kGround - 1, 15, 2, Rgb(180, 176, 170));
  // The roof of red tiles, lit along its rows.
  s.Polygon({{2, 31}, {52, 31}, {42, 15}, {12, 15}}, kRoof);
  for (int y = 18; y < 31; y += 3) {
    const int inset = (31 - y) * 10 / 16;
    s.Line(3 + inset, y, 51 - inset, y, Shade(kRoof, 0.78));
  }
  s.TintPolygon({{2, 31}, {15, 15}, {12, 15}}, 1.25);
  s.TintPolygon({{40, 15}, {52, 31}, {42, 15}}, 0.8);
  s.Line(2, 31, 52, 31, Shade(kRoof, 0.55));
  s.Line(12, 15, 42, 15, Shade(kRoof, 1.3));
  s.Block(34, 8, 5, 8, Rgb(150, 140, 132));  // the chimney
  // The hedge beside the house.
  s.Blob(3, kGround - 3, 5, 4, Rgb(70, 146, 70), 11);
}

// The red post box: a rounded cap, the slot, the white plate, a dark foot.
void PostBox(Scene& s) {
  const int x = 54, top = 32;
  s.InkBlock(x, top + 3, 10, kGround - top - 3, kPostRed);
  s.Polygon({{x - 0.5, top + 4.0}, {x + 1.0, top}, {x + 9.0, top}, {x + 10.5, top + 4.0}}, Shade(kPostRed, 0.85));
  s.Line(x + 1, top, x + 8, top, kInk);
  s.Plot(x, top + 1, kInk), s.Plot(x + 9, top + 1, kInk);
  s.Rect(x + 2, top + 1, 5, 1, Shade(kPostRed, 1.25));
  s.Rect(x + 2, top + 7, 6, 1, kInk);
  s.InkBlock(x + 2, top + 11, 6, 5, kWhite);
  s.Rect(x + 3, top + 13, 4, 1, kPostRed);
  s.Rect(x + 1, top + 4, 1, kGround - top - 6, Shade(kPostRed, 1.3));
  s.Rect(x, kGround - 1, 10, 2, Rgb(70, 66, 66));
}

void Office(Scene& s) {
  // A low wing in front of the tower.
  s.InkBlock(218, 30, 22, kGround - 30, Rgb(222, 206, 176));
  for (int y = 34; y < kGround - 4; y += 6)
    for (int x = 221; x < 237; x += 5) s.InkBlock(x, y, 4, 4, kGlass);
  // The tower, its windows reflecting a band of sky.
  const int left = 236, right = 281, top = 10;
  s.InkBlock(left, top, right - left, kGround - top, Rgb(158, 176, 200));
  s.Tint(right - 8, top + 1, 7, kGround - top - 1, 0.8);
  for (int y = top + 4; y < kGround - 12; y += 5)
    for (int x = left + 3; x < right - 3; x += 6) {
      s.Rect(x, y, 4, 3, kGlass);
      if ((x - y + 300) % 23 < 8) s.Rect(x, y, 4, 1, Rgb(200, 226, 250));
      else s.Plot(x, y, Rgb(150, 186, 226));
    }
  // The name board on the roof and an aerial.
  s.InkBlock(242, 3, 32, 8, kWhite);
  s.Rect(245, 5, 10, 4, Rgb(46, 96, 190));
  s.Rect(257, 6, 14, 1, Rgb(60, 60, 80));
  s.Rect(257, 8, 10, 1, Rgb(60, 60, 80));
  s.Rect(277, 0, 1, 10, Rgb(90, 90, 100));
  // The glass doors under a canopy.
  s.InkBlock(250, kGround - 11, 16, 11, Rgb(170, 210, 236));
  s.Rect(257, kGround - 10, 1, 10, kInk);
  s.Block(247, kGround - 14, 22, 3, Rgb(60, 70, 90));
  s.Block(246, kGround - 1, 24, 2, Rgb(190, 186, 180));
  // A flag on its pole.
  s.Rect(212, 18, 1, kGround - 18, Rgb(200, 200, 210));
  s.Block(213, 18, 8, 5, Rgb(46, 96, 190));
}

QImage Background() {
  Scene s(kWidth, kHeight);
  Street(s);
  Tree(s, 74, 16);
  Tree(s, 202, 14);
  Poles(s);
  House(s);
  PostBox(s);
  Office(s);
  s.Frame();
  return s.Image();
}

// The brown manuscript envelope with its address, a stamp and the red mark
// of a manuscript inside, speed lines trailing behind it.
QImage Envelope() {
  Scene s(32, 32);
  s.Sprite(Outlined(32, 32, [](Scene& s) {
    const Color kraft = Rgb(216, 172, 112);
    s.Block(8, 9, 22, 16, kraft);
    s.Polygon({{8, 9}, {30, 9}, {19, 16}}, Shade(kraft, 0.9));
    s.Line(8, 9, 19, 16, Shade(kraft, 0.7));
    s.Line(29, 9, 19, 16, Shade(kraft, 0.7));
    s.Rect(23, 11, 5, 5, kWhite);
    s.Rect(24, 12, 3, 3, Rgb(90, 160, 110));
    s.Rect(11, 18, 10, 1, Rgb(90, 70, 50));
    s.Rect(11, 20, 7, 1, Rgb(90, 70, 50));
    s.Rect(22, 18, 5, 5, Rgb(214, 48, 48));
    s.Rect(23, 19, 3, 3, kraft);
    s.Rect(24, 20, 1, 1, Rgb(214, 48, 48));
  }), 0, 0);
  for (int y : {11, 16, 21}) s.Rect(y == 16 ? 0 : 2, y, y == 16 ? 6 : 4, 1, Rgb(226, 238, 250));
  return s.Image();
}

const bool background = Register(form::kPostingAnimation, "Picture1", Background);
const bool envelope = Register(form::kPostingAnimation, "Image1", Envelope);

}  // namespace

}  // namespace koratsu::assets
