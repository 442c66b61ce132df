// The accident notice's two pictures (96 × 72): the manuscript burning in a
// dark room (fire, element 0), and a knocked-over ink bottle flooding a
// drawn page on the desk (ink, element 1).

#include <cmath>
#include <numbers>
#include <utility>

#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kWidth = 96;
constexpr int kHeight = 72;
constexpr Color kPaper = Rgb(250, 248, 238);
constexpr Color kInkPool = Rgb(18, 16, 28);

// A manuscript page with its panels and rough figures, w × h.
void Page(Scene& s, int x, int y, int w, int h, std::uint32_t seed) {
  s.InkBlock(x, y, w, h, kPaper);
  const Color line = Rgb(60, 56, 70);
  const int mid = y + h * 2 / 5;
  s.Line(x + 3, y + 3, x + w - 4, y + 3, line);
  for (int yy : {y + 3, mid, y + h - 4}) s.Line(x + 3, yy, x + w - 4, yy, line);
  s.Line(x + 3, y + 3, x + 3, y + h - 4, line);
  s.Line(x + w - 4, y + 3, x + w - 4, y + h - 4, line);
  s.Line(x + w / 2 + 2, mid, x + w / 2 - 2, y + h - 4, line);
  // A head and a speech bubble in the top panel, lines of hatching below.
  s.Blob(x + w / 3.0, y + 3 + (mid - y) / 2.0, 4, 4.5, Rgb(236, 232, 222));
  s.Blob(x + w * 0.7, y + 9, 6, 4, kWhite);
  for (int i = 0; i < 5; ++i)
    s.Line(x + 6 + i * 2, y + h - 8, x + 9 + i * 2, mid + 6, Rgb(170, 168, 176));
  s.Print(x + w / 2 + 4, mid + 4, w / 2 - 10, 3, 3, Rgb(170, 168, 176), seed);
}

QImage Ink() {
  Scene s(kWidth, kHeight);
  // The desk, seen from above.
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Color c = (x / 12) % 2 ? Rgb(170, 116, 70) : Rgb(160, 108, 64);
      if (Noise(x, y / 4, 14) > 0.85) c = Shade(c, 0.9);
      s.Plot(x, y, c);
    }
  s.Tint(16, 5, 50, 66, 0.7);
  Page(s, 14, 3, 50, 66, 7);
  // The spilt ink: overlapping pools with a wet shine, and drops.
  auto pool = [&](double cx, double cy, double rx, double ry) {
    for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry); ++y)
      for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx); ++x) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        const double wobble = 0.18 * std::sin(std::atan2(dy, dx) * 5 + cx);
        if (dx * dx + dy * dy <= 1 + wobble) s.Plot(x, y, kInkPool);
      }
  };
  pool(58, 20, 12, 8);
  pool(44, 30, 14, 11);
  pool(34, 42, 9, 7);
  pool(50, 40, 7, 6);
  for (auto [x, y] : {std::pair{24, 50}, {28, 56}, {62, 36}, {20, 40}, {66, 46}})
    s.Rect(x, y, 2, 2, kInkPool), s.Plot(x + 2, y + 1, kInkPool);
  s.Line(38, 25, 46, 23, Rgb(90, 96, 130));
  s.Line(36, 27, 37, 26, Rgb(90, 96, 130));
  s.Rect(52, 16, 5, 1, Rgb(120, 126, 160));
  s.Plot(31, 39, Rgb(120, 126, 160));
  // The bottle on its side, its mouth in the pool.
  s.Sprite(Outlined(26, 18, [](Scene& b) {
             b.Polygon({{3, 2}, {19, 2}, {19, 15}, {3, 15}}, Rgb(70, 90, 120));
             b.Rect(4, 3, 14, 3, Rgb(140, 170, 200));
             b.Rect(4, 11, 14, 3, Rgb(40, 52, 70));
             b.Rect(8, 6, 8, 5, Rgb(236, 230, 210));
             b.Rect(9, 8, 6, 1, Rgb(200, 50, 50));
             b.Rect(19, 5, 5, 8, Rgb(30, 30, 40));
             b.Rect(19, 5, 5, 1, Rgb(90, 90, 110));
           }),
           60, 8);
  // The pen, dropped beside the page.
  s.Thick(70, 62, 90, 48, 2, Rgb(60, 60, 72));
  s.Line(70, 62, 74, 59, Rgb(200, 200, 210));
  s.Frame();
  return s.Image();
}

QImage Fire() {
  Scene s(kWidth, kHeight);
  s.Gradient(0, 0, kWidth, kHeight, {Rgb(30, 20, 30), Rgb(60, 30, 34), Rgb(110, 44, 30)});
  // Smoke rolling up.
  for (int i = 0; i < 7; ++i)
    s.Blob(20 + i * 10 + (i % 2) * 4, 10 + (i % 3) * 3, 10, 7, Rgb(80, 72, 78), 21 + static_cast<std::uint32_t>(i));
  // The heap of pages, charred at their edges.
  s.Polygon({{8, 66}, {20, 52}, {50, 48}, {78, 54}, {90, 66}}, kPaper);
  for (int i = 0; i < 5; ++i) s.Line(16 + i * 12, 58 - i % 2 * 3, 28 + i * 12, 56 + i % 2 * 2, Rgb(200, 196, 186));
  for (int x = 8; x < 91; ++x)
    for (int y = 46; y < 67; ++y)
      if (s.At(x, y) == (kPaper | 0xFF000000u) && Noise(x, y, 5) < (y < 56 ? 0.55 : 0.12))
        s.Plot(x, y, Noise(x, y, 6) > 0.5 ? Rgb(40, 30, 30) : Rgb(110, 70, 40));
  // The flames: tongues of different heights, white at the core, red at the tips.
  for (int x = 10; x < 88; ++x) {
    const double t = (x - 10) / 78.0;
    const double height = (28 + 14 * std::sin(t * std::numbers::pi) * 1.2) * (0.7 + 0.3 * std::sin(x * 0.9)) +
                          6 * std::sin(x * 0.37 + 1);
    const int base = 60;
    for (int y = base - static_cast<int>(height); y < base; ++y) {
      const double up = static_cast<double>(base - y) / height;
      const double core = std::abs(t - 0.5) * 2;
      const double heat = (1 - up) * (1 - 0.6 * core);
      Color c = Rgb(200, 40, 24);
      if (heat > 0.62) c = Rgb(255, 250, 200);
      else if (heat > 0.45) c = Rgb(255, 220, 80);
      else if (heat > 0.25) c = Rgb(250, 150, 40);
      else if (heat > 0.1) c = Rgb(232, 90, 30);
      s.Plot(x, y, c);
    }
  }
  // Sparks and the glow on the floor.
  for (int i = 0; i < 16; ++i)
    s.Plot(8 + static_cast<int>(Noise(i, 0, 9) * 80), 4 + static_cast<int>(Noise(i, 1, 9) * 30),
           i % 2 ? Rgb(255, 200, 80) : Rgb(250, 120, 40));
  s.Gradient(0, 66, kWidth, 6, {Rgb(140, 60, 30), Rgb(80, 36, 26)});
  s.Frame();
  return s.Image();
}

const bool fire = Register(form::kAccident, "Image1(0)", Fire);
const bool ink = Register(form::kAccident, "Image1(1)", Ink);

}  // namespace

}  // namespace koratsu::assets
