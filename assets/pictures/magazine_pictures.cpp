// The feature window's magazine (120 × 160): a weekly's cover with the hero
// of the player's manga under a starburst calling it the feature; and the
// fan letter (120 × 90): a pink letter sheet in a child's handwriting with
// the fan's own character drawn at its foot, on its envelope.

#include <QString>

#include <cmath>

#include "pictures/hero.h"
#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr Color kRed = Rgb(214, 36, 48);
constexpr Color kYellow = Rgb(252, 214, 60);

QImage Magazine() {
  constexpr int w = 120, h = 160;
  Scene s(w, h);
  s.Rays(60, 96, 14, Rgb(252, 176, 60), Rgb(252, 206, 96));
  // The hero, large, under the logo.
  s.Sprite(HeroBust(84, 90), 18, 52);
  // The logo band.
  s.Gradient(0, 0, w, 30, {Rgb(236, 56, 60), kRed, Rgb(176, 24, 36)});
  s.Write(8, 4, QStringLiteral("週刊まんが"), 20, kWhite, kInk);
  s.Rect(0, 30, w, 1, kInk);
  s.Rect(0, 31, w, 1, Shade(kRed, 0.7));
  // "Feature" in a starburst.
  s.Burst(24, 54, 21, 16, 12, kInk);
  s.Burst(24, 54, 19, 14, 12, kYellow);
  s.Write(13, 48, QStringLiteral("特集"), 12, kRed, 0, false);
  // Headlines at the sides of his shoulders.
  for (int i = 0; i < 2; ++i) {
    const int x = i == 0 ? 4 : 84, y = i == 0 ? 120 : 40;
    s.InkBlock(x, y, 32, 14, i == 1 ? Rgb(40, 96, 196) : kWhite);
    s.Print(x + 3, y + 3, 26, 3, 3, i == 1 ? kWhite : kRed, 40 + static_cast<std::uint32_t>(i));
  }
  // The foot: the date, the price and the bar code on white.
  s.Block(0, 142, w, 18, kWhite);
  s.Rect(0, 142, w, 1, kInk);
  s.Print(4, 146, 52, 3, 4, Rgb(80, 80, 90), 50);
  s.Rect(84, 145, 32, 12, kWhite);
  for (int x = 0; x < 30; ++x)
    if (Noise(x, 0, 51) > 0.42) s.Rect(85 + x, 146, 1, 8, kInk);
  // The pages' edge on the right and the cover's outline.
  for (int y = 1; y < h - 1; ++y) s.Plot(w - 2, y, (y % 2) ? Rgb(236, 232, 220) : Rgb(200, 196, 186));
  s.Frame();
  return s.Image();
}

// The fan's own character: a round yellow creature with cat's ears and a
// curled tail, in crayon.
QImage FansCharacter() {
  return Outlined(34, 30, [](Scene& s) {
    const Color body = Rgb(255, 226, 120);
    s.Polygon({{7, 11}, {9, 2}, {14, 8}}, body);
    s.Polygon({{20, 8}, {25, 2}, {27, 11}}, body);
    s.Polygon({{9.5, 8}, {10, 4}, {12, 7}}, Rgb(250, 160, 160));
    s.Polygon({{22, 7}, {24.5, 4}, {25, 8}}, Rgb(250, 160, 160));
    s.Thick(27, 22, 31, 16, 2, Rgb(240, 196, 96));
    s.Oval(17, 17, 12, 10, Rgb(240, 196, 96));
    s.Oval(16, 16, 10.5, 8.5, body);
    s.Oval(12, 12, 3, 2, Rgb(255, 246, 200));
    s.Rect(11, 15, 2, 3, kInk);
    s.Rect(21, 15, 2, 3, kInk);
    s.Plot(11, 15, kWhite), s.Plot(21, 15, kWhite);
    s.Rect(8, 19, 3, 1, Rgb(250, 150, 150));
    s.Rect(23, 19, 3, 1, Rgb(250, 150, 150));
    s.Line(15, 20, 17, 21, kInk), s.Line(17, 21, 19, 20, kInk);
  });
}

QImage Letter() {
  constexpr int w = 120, h = 90;
  Scene s(w, h);
  // The desk.
  s.Gradient(0, 0, w, h, {Rgb(206, 160, 112), Rgb(186, 138, 92), Rgb(168, 122, 80)});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (Noise(x / 6, y, 12) > 0.9) s.Plot(x, y, Shade(s.At(x, y), 0.92));
  // The envelope under the letter, sealed with a heart.
  s.Tint(6, 6, 52, 34, 0.75);
  s.InkBlock(4, 4, 52, 34, Rgb(236, 242, 252));
  s.Line(5, 5, 30, 22, Rgb(190, 200, 220));
  s.Line(54, 5, 30, 22, Rgb(190, 200, 220));
  s.Heart(27, 19, Rgb(228, 60, 90));
  // The letter sheet and its shadow.
  s.Tint(18, 14, 98, 74, 0.72);
  s.InkBlock(16, 12, 98, 74, Rgb(255, 242, 244));
  for (int x = 18; x < 112; x += 6) s.Plot(x, 14, Rgb(250, 180, 200)), s.Plot(x + 3, 83, Rgb(250, 180, 200));
  for (int y = 20; y < 80; y += 7) s.Rect(19, y + 4, 92, 1, Rgb(200, 214, 240));
  // The handwriting: round, uneven strokes in blue ink, a line short at each paragraph.
  const Color pen = Rgb(52, 70, 170);
  for (int row = 0; row < 8; ++row) {
    const int base = 23 + row * 7;
    const int end = row == 2 || row == 7 ? 60 : (row >= 4 ? 66 : 108);
    for (int x = (row == 0 || row == 3) ? 26 : 21; x < end; ++x) {
      if (Noise(x / 3, row, 60) > 0.82) continue;
      const int lift = static_cast<int>(std::lround(1.2 * std::sin(x * 1.3 + row)));
      s.Plot(x, base + lift, pen);
    }
  }
  // Its drawing, in a crayon frame, and a sticker.
  s.Rect(70, 52, 40, 31, Rgb(255, 250, 236));
  for (int x = 70; x < 110; ++x) s.Plot(x, 52, Rgb(120, 190, 250)), s.Plot(x, 82, Rgb(120, 190, 250));
  for (int y = 52; y < 83; ++y) s.Plot(70, y, Rgb(120, 190, 250)), s.Plot(109, y, Rgb(120, 190, 250));
  s.Sprite(FansCharacter(), 73, 53);
  s.Heart(104, 16, Rgb(240, 90, 130));
  s.Twinkle(98, 18, Rgb(250, 200, 80));
  s.Frame();
  return s.Image();
}

const bool magazine = Register(form::kFeaturedArticle, "Image1", Magazine);
const bool letter = Register(form::kFanLetter, "Image1", Letter);

}  // namespace

}  // namespace koratsu::assets
