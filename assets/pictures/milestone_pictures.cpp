// The serial milestone's four pictures (96 × 72), each grander than the
// last: a celebration ball burst open over a banner for the 10th episode
// (element 1), a cake for the 30th (element 0), a rosette medal for the
// 50th (element 2) and fireworks over the town for the 100th (element 3).

#include <QString>

#include <cmath>
#include <numbers>
#include <vector>

#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kWidth = 96;
constexpr int kHeight = 72;
constexpr Color kGold = Rgb(246, 196, 52);
constexpr Color kRed = Rgb(214, 40, 48);

QImage Tenth() {
  Scene s(kWidth, kHeight);
  s.Gradient(0, 0, kWidth, kHeight, {Rgb(255, 250, 224), Rgb(252, 238, 196)});
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if ((x + y) % 12 < 3) s.Plot(x, y, Shade(s.At(x, y), 0.96));
  // Streamers falling from the open ball.
  const Color streamers[] = {Rgb(236, 72, 84), Rgb(72, 160, 232), Rgb(92, 196, 104), Rgb(250, 206, 64)};
  for (int k = 0; k < 8; ++k)
    for (int y = 14; y < 64; ++y) {
      const int x = 14 + k * 10 + static_cast<int>(3 * std::sin(y / 4.0 + k));
      if (x > 34 && x < 62 && y > 18) continue;
      s.Plot(x, y, streamers[k % 4]);
      s.Plot(x + 1, y, Shade(streamers[k % 4], 0.8));
    }
  // The ball, its two halves swung open on the hinge at the top.
  s.Rect(47, 0, 2, 6, Rgb(120, 90, 60));
  s.Sprite(Outlined(52, 30, [](Scene& b) {
             constexpr double r = 11, open = 0.95;
             for (int side = -1; side <= 1; side += 2) {
               std::vector<Pt> half;
               for (int k = 0; k <= 16; ++k) {
                 const double phi = (side < 0 ? 0.5 : 1.5) * std::numbers::pi + k * std::numbers::pi / 16;
                 const double x = r * std::cos(phi), y = r + r * std::sin(phi);
                 const double a = -side * open;
                 half.push_back({26 + x * std::cos(a) - y * std::sin(a), 6 + x * std::sin(a) + y * std::cos(a)});
               }
               b.Polygon(half, side < 0 ? kGold : kRed);
               b.Line(26, 6, static_cast<int>(half.front().x), static_cast<int>(half.front().y), kRed);
             }
             for (int y = 0; y < 30; ++y)
               for (int x = 0; x < 52; ++x)
                 if ((x + y) % 5 == 0 && b.Opaque(x, y)) b.Plot(x, y, Shade(b.At(x, y), 1.3));
           }),
           22, 0);
  // The banner hanging out of it.
  s.InkBlock(35, 20, 26, 44, kWhite);
  s.Rect(36, 21, 2, 42, Rgb(236, 232, 222));
  s.Digits(38, 25, "10", kRed, 2);
  s.Write(40, 43, QStringLiteral("回"), 16, kRed, 0);
  s.Confetti(2, 2, 92, 66, 50, 10);
  s.Frame();
  return s.Image();
}

QImage Thirtieth() {
  Scene s(kWidth, kHeight);
  s.Gradient(0, 0, kWidth, kHeight, {Rgb(252, 214, 226), Rgb(246, 186, 206)});
  // Bunting across the top.
  const Color flags[] = {Rgb(236, 72, 84), Rgb(250, 206, 64), Rgb(72, 160, 232), Rgb(92, 196, 104)};
  for (int i = 0; i < 10; ++i) {
    const double x = 1 + i * 10;
    const double y = 3 + 4 * std::sin((x / kWidth) * std::numbers::pi);
    s.Polygon({{x, y}, {x + 8, y + 0.5}, {x + 4, y + 8}}, flags[i % 4]);
  }
  for (int x = 0; x < kWidth; ++x) s.Plot(x, static_cast<int>(3 + 4 * std::sin(x * std::numbers::pi / kWidth)), Rgb(120, 80, 60));
  // The table cloth.
  s.Gradient(0, 60, kWidth, 12, {Rgb(250, 250, 250), Rgb(220, 220, 230)});
  for (int x = 0; x < kWidth; x += 8) s.Rect(x, 60, 4, 12, Rgb(240, 120, 140));
  // The cake: two tiers of cream with strawberries, a plate on top.
  s.Blob(48, 62, 34, 4, Rgb(220, 220, 230));
  s.InkBlock(16, 44, 64, 18, Rgb(255, 248, 236));
  s.Rect(17, 52, 62, 3, Rgb(240, 140, 150));
  s.InkBlock(26, 30, 44, 15, Rgb(255, 248, 236));
  s.Rect(27, 37, 42, 2, Rgb(240, 140, 150));
  for (int i = 0; i < 7; ++i) s.Blob(20 + i * 9, 44, 3, 2.5, Rgb(255, 255, 255));
  for (int i = 0; i < 4; ++i) s.Blob(31 + i * 11, 29, 3.5, 3.2, Rgb(226, 40, 56));
  s.InkBlock(36, 33, 24, 11, Rgb(110, 64, 40));
  s.Digits(42, 35, "30", Rgb(255, 244, 220));
  // Candles and their flames.
  for (int i = 0; i < 3; ++i) {
    const int x = 34 + i * 12;
    s.Block(x, 18, 3, 11, i == 1 ? Rgb(120, 180, 240) : Rgb(250, 240, 120));
    s.Blob(x + 1.5, 14, 1.8, 3, Rgb(255, 200, 60));
    s.Plot(x + 1, 15, kWhite);
  }
  s.Twinkle(8, 20, kWhite, true);
  s.Twinkle(86, 26, kWhite);
  s.Frame();
  return s.Image();
}

QImage Fiftieth() {
  Scene s(kWidth, kHeight);
  s.Rays(48, 30, 12, Rgb(80, 130, 220), Rgb(110, 160, 236));
  // Laurel branches curving up round the medal.
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 7; ++i) {
      const double a = std::numbers::pi * (0.62 + i * 0.075);
      s.Blob(48 - side * 27 * std::cos(std::numbers::pi - a), 32 + 24 * std::sin(a), 3.5, 2.2, Rgb(76, 160, 70));
    }
  // The ribbon tails.
  s.Polygon({{38, 40}, {48, 40}, {44, 68}, {40, 64}, {34, 68}}, kInk);
  s.Polygon({{48, 40}, {58, 40}, {62, 68}, {56, 64}, {52, 68}}, kInk);
  s.Polygon({{39, 41}, {47, 41}, {43, 66}, {40, 62}, {36, 66}}, kRed);
  s.Polygon({{49, 41}, {57, 41}, {60, 66}, {56, 62}, {53, 66}}, Rgb(40, 90, 200));
  // The rosette: pleats round a gold disc.
  s.Burst(48, 30, 22, 18, 20, kInk);
  s.Burst(48, 30, 21, 17, 20, kRed);
  s.Burst(48, 30, 17, 14, 20, Rgb(250, 250, 250));
  s.Blob(48, 30, 14, 14, kInk);
  s.Blob(48, 30, 13, 13, kGold);
  s.Blob(48, 30, 10, 10, Shade(kGold, 1.1));
  s.Digits(38, 26, "50", Rgb(200, 120, 20), 2);
  s.Twinkle(14, 10, kWhite, true);
  s.Twinkle(82, 14, kWhite, true);
  s.Twinkle(78, 56, kWhite);
  s.Frame();
  return s.Image();
}

// A firework burst: rays of dots with a bright centre.
void Firework(Scene& s, double cx, double cy, double r, Color c) {
  for (int k = 0; k < 16; ++k) {
    const double a = k * std::numbers::pi / 8;
    for (double d = r * 0.3; d <= r; d += 2)
      s.Plot(static_cast<int>(cx + d * std::cos(a)), static_cast<int>(cy + d * std::sin(a) + d * d / (r * 8)),
             d > r * 0.8 ? Shade(c, 1.3) : c);
  }
  s.Twinkle(static_cast<int>(cx), static_cast<int>(cy), c);
}

QImage Hundredth() {
  Scene s(kWidth, kHeight);
  s.Gradient(0, 0, kWidth, kHeight, {Rgb(16, 20, 60), Rgb(40, 30, 90), Rgb(90, 50, 120)});
  for (int i = 0; i < 24; ++i) s.Plot(static_cast<int>(Noise(i, 0, 3) * kWidth), static_cast<int>(Noise(i, 1, 3) * 40), Rgb(200, 210, 255));
  Firework(s, 18, 16, 14, Rgb(250, 110, 140));
  Firework(s, 76, 14, 16, Rgb(120, 220, 250));
  Firework(s, 50, 8, 10, Rgb(250, 220, 100));
  // The town under the fireworks, its windows lit.
  for (int x = 0; x < kWidth; ++x) {
    const int top = 54 + static_cast<int>(Noise(x / 8, 0, 4) * 10);
    for (int y = top; y < kHeight; ++y) {
      Color c = Rgb(20, 18, 40);
      if (x % 3 == 1 && y % 3 == 0 && y > top + 1 && Noise(x, y, 5) > 0.5) c = Rgb(250, 220, 120);
      s.Plot(x, y, c);
    }
  }
  s.Digits(15, 28, "100", kGold, 3);
  s.Write(70, 34, QStringLiteral("回"), 16, kGold, kInk);
  s.Confetti(2, 2, 92, 50, 30, 100);
  s.Frame();
  return s.Image();
}

const bool thirtieth = Register(form::kSerialMilestone, "Image2(0)", Thirtieth);
const bool tenth = Register(form::kSerialMilestone, "Image2(1)", Tenth);
const bool fiftieth = Register(form::kSerialMilestone, "Image2(2)", Fiftieth);
const bool hundredth = Register(form::kSerialMilestone, "Image2(3)", Hundredth);
// The window as designed, before its opener picks a count: the tenth.
const bool design = Register(form::kSerialMilestone, "Image1", Tenth);

}  // namespace

}  // namespace koratsu::assets
