// The comics release's volume (64 × 88): a new book with the hero on its
// cover, its spine and its pages; and the offer window's two pictures
// (96 × 72): a television showing the hero as an anime (element 0) and a
// film set's clapperboard under a spotlight (element 1).

#include <cmath>
#include <numbers>

#include "pictures/hero.h"
#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr Color kRed = Rgb(214, 40, 48);
constexpr Color kYellow = Rgb(252, 214, 60);

// A title in thick white strokes outlined in ink, as a cover's logo reads
// from afar: each letter two or three strokes out of eight.
void Logo(Scene& s, int x, int y, int letters, std::uint32_t seed) {
  s.Sprite(Outlined(letters * 10 + 2, 13, [&](Scene& l) {
             for (int k = 0; k < letters; ++k) {
               const int left = 1 + k * 10, top = 2;
               int strokes = 0;
               for (int n = 0; strokes < 3 && n < 16; ++n) {
                 const int pick = static_cast<int>(Noise(k, n, seed) * 8);
                 if (strokes == 2 && Noise(k, 99, seed) > 0.5) break;
                 ++strokes;
                 switch (pick) {
                   case 0: l.Rect(left, top, 8, 2, kWhite); break;
                   case 1: l.Rect(left, top + 4, 8, 2, kWhite); break;
                   case 2: l.Rect(left, top + 7, 8, 2, kWhite); break;
                   case 3: l.Rect(left + 1, top, 2, 9, kWhite); break;
                   case 4: l.Rect(left + 5, top, 2, 9, kWhite); break;
                   case 5: l.Rect(left + 3, top, 2, 9, kWhite); break;
                   case 6: l.Thick(left + 6.5, top + 0.5, left + 1, top + 8.5, 2, kWhite); break;
                   default: l.Thick(left + 1, top + 1, left + 7, top + 8.5, 2, kWhite); break;
                 }
               }
             }
           }),
           x, y);
}

QImage Volume() {
  constexpr int w = 64, h = 88;
  Scene s(w, h);
  // The pages' edge under and beside the cover, then the cover.
  s.Rect(8, 3, 55, 84, kInk);
  s.Rect(9, 4, 53, 82, Rgb(240, 234, 218));
  for (int y = 5; y < 85; y += 2) s.Plot(61, y, Rgb(200, 194, 178));
  s.Rect(0, 0, 60, 86, kInk);
  // The spine, with its title down it.
  s.Gradient(1, 1, 7, 84, {Rgb(40, 84, 170), Rgb(30, 66, 140)});
  s.Rect(7, 1, 1, 84, Rgb(20, 44, 100));
  for (int y = 8; y < 56; y += 5) s.Rect(3, y, 3, 3, kWhite);
  s.Rect(2, 76, 5, 5, kYellow);
  // The cover: speed lines behind the hero, the logo band, the badge.
  for (int y = 1; y < 85; ++y)
    for (int x = 8; x < 59; ++x) {
      const bool line = Noise(static_cast<int>(std::atan2(y - 50.0, x - 34.0) * 12), 0, 4) > 0.6;
      s.Plot(x, y, line ? Rgb(250, 250, 246) : Rgb(150, 206, 246));
    }
  s.Sprite(HeroBust(46, 54), 11, 31);
  s.Gradient(8, 4, 51, 22, {Rgb(236, 56, 60), kRed, Rgb(176, 24, 36)});
  s.Rect(8, 26, 51, 1, kInk);
  Logo(s, 10, 7, 4, 6);
  s.Print(12, 21, 30, 1, 2, Rgb(252, 220, 200), 7);
  s.Blob(52, 78, 6, 6, kInk);
  s.Blob(52, 78, 5, 5, kYellow);
  s.Twinkle(52, 78, kWhite);
  s.Rect(11, 79, 10, 4, kWhite);
  s.Rect(12, 80, 8, 2, Rgb(40, 84, 170));
  // Light along the cover's top and left.
  s.Rect(8, 1, 51, 1, Rgb(255, 255, 255));
  s.Rect(59, 1, 1, 85, Rgb(20, 20, 30));
  return s.Image();
}

QImage Television() {
  Scene s(96, 72);
  // The living room's wall and floor.
  s.Gradient(0, 0, 96, 58, {Rgb(246, 236, 210), Rgb(232, 218, 186)});
  for (int x = 0; x < 96; x += 6) s.Rect(x, 0, 1, 58, Rgb(236, 224, 194));
  s.Gradient(0, 58, 96, 14, {Rgb(176, 124, 78), Rgb(150, 102, 62)});
  // The aerial.
  s.Line(46, 14, 34, 1, Rgb(70, 70, 80));
  s.Line(50, 14, 62, 2, Rgb(70, 70, 80));
  s.Blob(48, 13, 5, 3, Rgb(80, 80, 90));
  // The set: a wooden case, the picture tube, dials and a speaker.
  s.Tint(18, 62, 66, 3, 0.7);
  s.InkBlock(14, 14, 68, 48, Rgb(150, 96, 54));
  s.Rect(16, 16, 64, 1, Rgb(190, 130, 80));
  s.InkBlock(18, 18, 46, 40, Rgb(30, 30, 40));
  // The anime on the screen: the hero over a burst of colour, in scan lines.
  Scene screen(42, 36);
  screen.Rays(21, 24, 8, Rgb(250, 200, 80), Rgb(250, 150, 60));
  screen.Sprite(HeroBust(34, 34), 4, 3);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 42; ++x) {
      Color c = screen.At(x, y);
      if (y % 2) c = Shade(c, 0.85);
      if (x + y < 12) c = Shade(c, 1.25);  // the glass catches the window's light
      s.Plot(20 + x, 20 + y, c);
    }
  s.Rect(20, 20, 42, 1, Rgb(80, 80, 96));
  s.InkBlock(66, 20, 12, 38, Rgb(120, 76, 42));
  s.Blob(72, 26, 4, 4, Rgb(200, 200, 210));
  s.Blob(72, 36, 4, 4, Rgb(200, 200, 210));
  s.Rect(72, 23, 1, 3, kInk);
  s.Rect(70, 36, 3, 1, kInk);
  for (int y = 44; y < 56; y += 2) s.Rect(68, y, 8, 1, Rgb(80, 50, 28));
  s.Plot(74, 42, Rgb(120, 250, 120));
  // Its legs.
  s.Rect(20, 62, 3, 6, Rgb(90, 58, 32));
  s.Rect(74, 62, 3, 6, Rgb(90, 58, 32));
  s.Frame();
  return s.Image();
}

QImage Clapperboard() {
  Scene s(96, 72);
  s.Gradient(0, 0, 96, 72, {Rgb(30, 28, 48), Rgb(50, 44, 70), Rgb(70, 56, 80)});
  // The spotlight's beam.
  s.TintPolygon({{70, 0}, {86, 0}, {70, 72}, {10, 72}}, 1.6, 0.45);
  // A film reel behind the board.
  s.Blob(72, 24, 17, 17, Rgb(150, 150, 166));
  for (int k = 0; k < 6; ++k) {
    const double a = k * std::numbers::pi / 3;
    s.Blob(72 + 9 * std::cos(a), 24 + 9 * std::sin(a), 3.5, 3.5, Rgb(40, 38, 56));
  }
  s.Blob(72, 24, 3, 3, Rgb(200, 200, 214));
  // A strip of film curling along the floor.
  for (int x = 0; x < 96; ++x) {
    const int y = 60 + static_cast<int>(4 * std::sin(x / 10.0));
    s.Rect(x, y, 1, 8, Rgb(40, 34, 30));
    if (x % 4 < 2) s.Plot(x, y + 1, Rgb(220, 210, 190)), s.Plot(x, y + 6, Rgb(220, 210, 190));
    if (x % 12 > 2) s.Rect(x, y + 3, 1, 2, Rgb(120, 96, 70));
  }
  // The slate with its chalk lines.
  s.InkBlock(14, 34, 56, 30, Rgb(44, 44, 52));
  s.Rect(15, 35, 54, 1, Rgb(90, 90, 100));
  for (int r = 0; r < 3; ++r) {
    s.Rect(18, 41 + r * 7, 48, 1, Rgb(200, 200, 200));
    s.Print(20, 39 + r * 7, 40, 1, 1, Rgb(236, 236, 230), 30 + static_cast<std::uint32_t>(r));
  }
  // The striped bar on the slate and the open clapper above it.
  auto stripes = [&](Pt a, Pt b, Pt c, Pt d, double slope) {
    s.Polygon({a, b, c, d}, kInk);
    s.Polygon({{a.x + 1, a.y + 1}, {b.x - 1, b.y + 1}, {c.x - 1, c.y - 1}, {d.x + 1, d.y - 1}}, Rgb(250, 250, 250));
    const QRect box(static_cast<int>(a.x), static_cast<int>(std::min(a.y, b.y)) - 1, static_cast<int>(b.x - a.x) + 1, 20);
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x)
        if (s.At(x, y) == (Rgb(250, 250, 250) | 0xFF000000u) && static_cast<int>(std::floor((x + y * slope) / 5)) % 2)
          s.Plot(x, y, Rgb(30, 30, 36));
  };
  stripes({14, 27}, {70, 27}, {70, 34}, {14, 34}, 1);
  stripes({14, 20}, {66, 8}, {68, 14}, {16, 27}, 0.3);
  s.Blob(16, 27, 3, 3, Rgb(180, 180, 190));
  s.Twinkle(30, 10, kWhite, true);
  s.Twinkle(86, 50, kWhite);
  s.Frame();
  return s.Image();
}

const bool volume = Register(form::kComicsRelease, "Image1", Volume);
const bool television = Register(form::kMediaOffer, "Picture1(0)", Television);
const bool clapperboard = Register(form::kMediaOffer, "Picture1(1)", Clapperboard);

}  // namespace

}  // namespace koratsu::assets
