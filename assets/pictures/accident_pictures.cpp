// The accident notice's two pictures (96 × 72): the manuscript burning in a
// dark room (fire, element 0), and a knocked-over ink bottle flooding a
// drawn page on the desk (ink, element 1).

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "pictures/hero.h"
#include "pictures/paint.h"
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
  s.Oval(x + w * 0.7, y + 9, 7, 5, line);
  s.Oval(x + w * 0.7, y + 9, 6, 4, kWhite);
  s.Print(static_cast<int>(x + w * 0.7) - 3, y + 8, 7, 2, 2, Rgb(120, 118, 130), seed + 1);
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
  s.Sprite(HeroBust(18, 20), 42, 46);
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
  // Its edge catches the light; a long shine runs across it.
  const QImage wet = s.Image();
  auto pooled = [&](int x, int y) { return (wet.pixel(x, y) & 0xFFFFFFu) == (kInkPool & 0xFFFFFFu); };
  for (int y = 1; y < kHeight - 1; ++y)
    for (int x = 1; x < kWidth - 1; ++x)
      if (pooled(x, y) && !(pooled(x - 1, y) && pooled(x + 1, y) && pooled(x, y - 1) && pooled(x, y + 1)))
        s.Plot(x, y, Rgb(48, 52, 84));
  s.Line(38, 25, 46, 23, Rgb(90, 96, 130));
  s.Line(36, 27, 37, 26, Rgb(90, 96, 130));
  s.Rect(52, 16, 5, 1, Rgb(120, 126, 160));
  s.Plot(31, 39, Rgb(120, 126, 160));
  // The bottle on its side, its mouth in the pool: dark glass, a label, the cap rolled away.
  s.Sprite(Outlined(28, 20, [](Scene& b) {
             b.Blob(16, 10, 10, 8, Rgb(60, 74, 104));
             b.Rect(7, 6, 18, 1, Rgb(150, 176, 210));
             b.Rect(12, 7, 8, 6, Rgb(236, 230, 210));
             b.Rect(13, 9, 6, 1, Rgb(200, 50, 50));
             b.Rect(1, 7, 6, 6, Rgb(40, 48, 66));
             b.Rect(1, 7, 6, 1, Rgb(110, 124, 150));
           }),
           56, 6);
  s.Sprite(Outlined(8, 8, [](Scene& c) { c.Blob(4, 4, 3, 3, Rgb(40, 40, 52)); }), 84, 4);
  // The pen, dropped beside the page.
  s.Thick(70, 62, 90, 48, 2, Rgb(60, 60, 72));
  s.Line(70, 62, 74, 59, Rgb(200, 200, 210));
  s.Frame();
  return s.Image();
}

// A flame of tongues rising from `base`: each tongue {centre, half width, height}.
struct Tongue {
  double x, half, height;
};

void Flame(Scene& s, const std::vector<Tongue>& tongues, int base, double scale, Color c) {
  for (const Tongue& t : tongues) {
    const double half = t.half * scale, height = t.height * scale;
    for (int x = static_cast<int>(t.x - half); x <= static_cast<int>(t.x + half); ++x) {
      const double side = std::abs(x + 0.5 - t.x) / half;
      if (side > 1) continue;
      const int top = base - static_cast<int>(height * std::pow(1 - side, 1.4));
      for (int y = top; y < base; ++y) s.Plot(x, y, c);
    }
  }
}

QImage Fire() {
  Scene s(kWidth, kHeight);
  // A dark room: the wall, the floor boards, and the fire's glow on both.
  s.Gradient(0, 0, kWidth, 56, {Rgb(34, 22, 30), Rgb(52, 30, 36)});
  for (int y = 56; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) s.Plot(x, y, (y - 56) % 5 == 0 ? Rgb(40, 24, 20) : Rgb(70, 42, 32));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const double glow = std::max(0.0, 1 - std::hypot((x - 48) / 1.3, y - 48.0) / 46);
      const double level = glow * 3;
      const int step = static_cast<int>(level) + (art::Dither(x, y, level - std::floor(level)) ? 1 : 0);
      if (step > 0) s.Plot(x, y, Mix(s.At(x, y), Rgb(250, 120, 50), step * 0.16));
    }
  // Smoke rolling up from the flames.
  for (int i = 0; i < 6; ++i)
    s.Blob(26 + i * 9 + (i % 2) * 3, 9 + (i % 3) * 3, 9, 6, Rgb(86, 76, 84), 21 + static_cast<std::uint32_t>(i));
  // The flames: red at the edges, white at the heart.
  const std::vector<Tongue> tongues = {{28, 9, 20}, {36, 9, 32}, {45, 11, 44}, {55, 9, 36},
                                       {64, 9, 24}, {41, 5, 30}, {51, 6, 40}, {70, 5, 14}};
  constexpr int base = 60;
  Flame(s, tongues, base, 1.0, Rgb(212, 52, 30));
  Flame(s, tongues, base, 0.84, Rgb(246, 130, 36));
  Flame(s, tongues, base, 0.62, Rgb(252, 204, 70));
  Flame(s, tongues, base, 0.36, Rgb(255, 246, 196));
  // Sparks flying off.
  for (int i = 0; i < 14; ++i)
    s.Plot(20 + static_cast<int>(Noise(i, 0, 9) * 56), 6 + static_cast<int>(Noise(i, 1, 9) * 26),
           i % 2 ? Rgb(255, 210, 90) : Rgb(250, 130, 40));
  // The pages in front, curling and charred where the fire has them.
  const Color edge = Rgb(250, 150, 60), char_ = Rgb(40, 28, 26);
  s.Polygon({{20, 66}, {30, 56}, {52, 58}, {46, 68}}, kPaper);
  s.Polygon({{44, 67}, {56, 55}, {78, 58}, {74, 68}}, Rgb(236, 232, 220));
  s.Polygon({{30, 68}, {38, 60}, {62, 62}, {58, 69}}, kPaper);
  for (int i = 0; i < 3; ++i) s.Line(36 + i * 7, 63 + i % 2, 42 + i * 7, 63 + i % 2, Rgb(170, 168, 176));
  s.Line(30, 56, 52, 58, char_), s.Line(31, 57, 40, 58, edge);
  s.Line(56, 55, 78, 58, char_), s.Line(60, 56, 72, 57, edge);
  s.Line(38, 60, 62, 62, char_), s.Line(44, 61, 56, 62, edge);
  s.Frame();
  return s.Image();
}

const bool fire = Register(form::kAccident, "Image1(0)", Fire);
const bool ink = Register(form::kAccident, "Image1(1)", Ink);
// The window as designed, before its mode picks a scene: the ink.
const bool design = Register(form::kAccident, "Picture2", Ink);

}  // namespace

}  // namespace koratsu::assets
