// The event notices' pictures, 64 × 64 framed scenes: the fee (bank notes
// out of a pay envelope and a pile of coins), the very popular work (a
// volume in the spotlight over a cheering crowd), the million seller (piles
// of volumes under a "100万" banner), the ranking feat (the winners'
// podium) and the big rise of knowledge points (a chart shooting up out of
// an open book).

#include <QString>

#include "pictures/hero.h"
#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kSize = 64;
constexpr Color kGold = Rgb(246, 196, 52);
constexpr Color kNote = Rgb(214, 206, 164);

// A coin seen from the side at (x, y), 11 × 5 with its rim.
void Coin(Scene& s, int x, int y) {
  s.Rect(x + 1, y + 2, 9, 3, Shade(kGold, 0.7));
  s.Blob(x + 5.5, y + 2, 5.5, 2.2, kGold);
  s.Rect(x + 3, y + 1, 4, 1, Shade(kGold, 1.35));
}

// A bank note, w × 13: a tinted border, a portrait at the left, a seal at the right.
void Note(Scene& s, int x, int y, int w) {
  s.InkBlock(x, y, w, 13, kNote);
  s.Rect(x + 2, y + 2, w - 4, 9, Shade(kNote, 1.1));
  s.Blob(x + 7, y + 6.5, 3.5, 4, Rgb(150, 120, 90));
  s.Blob(x + w - 7, y + 6.5, 3, 3, Rgb(196, 90, 70));
  s.Print(x + 13, y + 4, w - 24, 2, 4, Rgb(120, 110, 90), static_cast<std::uint32_t>(x + y));
}

QImage Fee() {
  Scene s(kSize, kSize);
  s.Rays(32, 30, 10, Rgb(252, 236, 176), Rgb(250, 222, 140));
  // Notes fanning out of the envelope.
  Note(s, 16, 10, 34);
  Note(s, 20, 15, 34);
  Note(s, 12, 20, 36);
  s.InkBlock(10, 28, 42, 26, Rgb(250, 250, 246));
  s.Tint(11, 29, 40, 2, 0.85);
  s.Rect(28, 29, 6, 24, Rgb(210, 40, 48));
  s.Rect(28, 29, 1, 24, Rgb(240, 96, 100));
  s.InkBlock(24, 35, 14, 14, kWhite);
  s.Write(26, 37, QStringLiteral("円"), 10, kInk, 0, false);
  // A pile of coins and two strays.
  for (int i = 0; i < 5; ++i) Coin(s, 42, 52 - i * 3);
  Coin(s, 4, 55);
  Coin(s, 13, 57);
  s.Twinkle(10, 10, kWhite, true);
  s.Twinkle(55, 24, kWhite);
  s.Twinkle(47, 36, kWhite);
  s.Frame();
  return s.Image();
}

QImage Popular() {
  Scene s(kSize, kSize);
  s.Gradient(0, 0, kSize, kSize, {Rgb(40, 26, 76), Rgb(76, 40, 110), Rgb(120, 56, 130)});
  // The spotlight falls on the volume.
  s.TintPolygon({{22, 0}, {42, 0}, {54, 50}, {10, 50}}, 1.22);
  s.TintPolygon({{26, 0}, {38, 0}, {47, 50}, {17, 50}}, 1.15);
  s.Rect(20, 42, 24, 4, Rgb(170, 120, 200));
  s.Rect(20, 42, 24, 1, Rgb(220, 190, 240));
  s.InkBlock(21, 12, 22, 30, Rgb(250, 250, 250));
  s.Rect(22, 13, 20, 6, Rgb(214, 40, 48));
  s.Print(24, 15, 16, 1, 2, kWhite, 3);
  s.Sprite(HeroBust(18, 20), 23, 20);
  s.Rect(22, 13, 1, 28, Rgb(200, 200, 210));
  // Hearts going up and flashes from the cameras.
  s.Heart(6, 14, Rgb(240, 80, 120));
  s.Heart(48, 8, Rgb(250, 120, 170));
  s.Heart(51, 26, Rgb(240, 80, 120));
  s.Heart(8, 30, Rgb(250, 140, 180));
  s.Twinkle(14, 6, kWhite, true);
  s.Twinkle(56, 40, kWhite);
  // The crowd in two rows: heads in silhouette with the light on their
  // tops, arms waving light sticks.
  for (int row = 0; row < 2; ++row) {
    const Color crowd = row == 0 ? Rgb(62, 42, 86) : Rgb(26, 18, 38);
    const Color rim = row == 0 ? Rgb(160, 126, 200) : Rgb(104, 80, 140);
    for (int i = 0; i < 9; ++i) {
      const int x = (row == 0 ? 6 : 2) + i * 8 - (i % 2), y = (row == 0 ? 51 : 57) + (i % 3 == 1 ? -1 : 0);
      if (row == 1 && i % 3 == 1) {
        const int hand = x + 4;
        s.Thick(x + 2, y + 2, hand, y - 8, 2, crowd);
        s.Rect(hand, y - 15, 2, 7, i % 2 ? Rgb(120, 240, 250) : Rgb(250, 130, 220));
        s.Plot(hand, y - 15, kWhite);
      }
      s.Oval(x, y, 4, 4.5, crowd);
      for (int dx = -2; dx <= 2; ++dx) s.Plot(x + dx, y - 4 + (dx * dx) / 3, rim);
    }
    s.Rect(0, row == 0 ? 55 : 61, kSize, row == 0 ? 4 : 3, crowd);
  }
  s.Frame();
  return s.Image();
}

// A pile of `count` volumes lying flat, spines to the viewer.
void Pile(Scene& s, int x, int bottom, int count, int width) {
  const Color spines[] = {Rgb(46, 102, 196), Rgb(214, 44, 52), Rgb(60, 160, 90)};
  for (int i = 0; i < count; ++i) {
    const int y = bottom - (i + 1) * 4;
    const int shift = (i * 5) % 3 - 1;
    const Color c = spines[(i / 3) % 3];
    s.InkBlock(x + shift, y, width, 5, c);
    s.Rect(x + shift + 3, y + 2, width - 6, 1, Shade(c, 1.4));
    s.Rect(x + shift + width - 5, y + 1, 2, 3, kWhite);
  }
}

QImage Million() {
  Scene s(kSize, kSize);
  s.Rays(32, 24, 12, Rgb(250, 230, 140), Rgb(252, 244, 196));
  Pile(s, 4, 54, 9, 18);
  Pile(s, 23, 54, 12, 18);
  Pile(s, 42, 54, 8, 18);
  // A crown on the tallest pile.
  s.Polygon({{24, 6}, {27, 1}, {30, 5}, {33, 0}, {36, 5}, {39, 1}, {42, 6}, {41, 10}, {25, 10}}, kInk);
  s.Polygon({{25.5, 6.5}, {27, 3}, {30, 7}, {33, 2}, {36, 7}, {39, 3}, {40.5, 6.5}, {40, 9}, {26, 9}}, kGold);
  s.Rect(27, 7, 12, 1, Shade(kGold, 0.75));
  s.Plot(33, 6, Rgb(220, 40, 60));
  // The banner.
  s.Polygon({{0, 48}, {6, 48}, {6, 60}, {0, 60}, {3, 54}}, Rgb(150, 20, 30));
  s.Polygon({{64, 48}, {58, 48}, {58, 60}, {64, 60}, {61, 54}}, Rgb(150, 20, 30));
  s.InkBlock(4, 46, 56, 14, Rgb(214, 36, 48));
  const int drawn = s.Digits(10, 49, "100", kGold);
  s.Write(12 + drawn, 48, QStringLiteral("万"), 10, kGold, kInk);
  s.Twinkle(6, 8, kWhite, true);
  s.Twinkle(55, 12, kWhite);
  s.Frame();
  return s.Image();
}

QImage Ranking() {
  Scene s(kSize, kSize);
  s.Gradient(0, 0, kSize, kSize, {Rgb(40, 60, 140), Rgb(70, 90, 180), Rgb(110, 130, 210)});
  s.TintPolygon({{26, 0}, {38, 0}, {46, 44}, {18, 44}}, 1.35, 0.5);
  // Curtains at the sides, folded.
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < 9; ++i) {
      const int x = side == 0 ? i : kSize - 1 - i;
      const Color c = (i % 3 == 0) ? Rgb(140, 20, 30) : Rgb(196, 36, 44);
      s.Rect(x, 0, 1, kSize - 9 - i * 2, c);
    }
  s.Gradient(0, 0, kSize, 5, {Rgb(210, 50, 56), Rgb(150, 24, 34)});
  // The podium: second, first, third.
  s.InkBlock(6, 40, 18, 19, Rgb(200, 206, 220));
  s.InkBlock(23, 30, 19, 29, Rgb(246, 210, 90));
  s.InkBlock(41, 46, 18, 13, Rgb(214, 150, 100));
  s.Digits(13, 45, "2", Rgb(120, 130, 150));
  s.Digits(30, 36, "1", Rgb(214, 40, 48));
  s.Digits(48, 49, "3", Rgb(150, 90, 50));
  // The cup on the top step.
  s.Sprite(Outlined(16, 18, [](Scene& c) {
             c.Polygon({{2, 1}, {14, 1}, {13, 6}, {10, 9}, {6, 9}, {3, 6}}, kGold);
             c.Rect(7, 9, 2, 4, Shade(kGold, 0.8));
             c.Rect(4, 13, 8, 3, Rgb(150, 96, 50));
             c.Rect(0, 2, 2, 3, kGold), c.Rect(14, 2, 2, 3, kGold);
             c.Rect(4, 2, 2, 4, Shade(kGold, 1.4));
             c.Rect(11, 2, 2, 5, Shade(kGold, 0.75));
           }),
           24, 12);
  s.Rect(0, 59, kSize, 5, Rgb(120, 30, 40));
  s.Confetti(2, 2, 60, 40, 40, 62);
  s.Frame();
  return s.Image();
}

QImage BigRise() {
  Scene s(kSize, kSize);
  // Squared paper.
  s.Gradient(0, 0, kSize, kSize, {Rgb(236, 246, 255), Rgb(214, 234, 252)});
  for (int i = 3; i < kSize; i += 6) {
    s.Line(i, 0, i, kSize - 1, Rgb(196, 220, 244));
    s.Line(0, i, kSize - 1, i, Rgb(196, 220, 244));
  }
  // Bars growing, the last far above the others.
  const int heights[] = {8, 12, 17, 40};
  const Color bars[] = {Rgb(120, 180, 240), Rgb(100, 170, 236), Rgb(80, 156, 230), Rgb(250, 180, 50)};
  for (int i = 0; i < 4; ++i) s.InkBlock(24 + i * 9, 56 - heights[i], 8, heights[i], bars[i]);
  // The arrow shooting up from the book.
  s.Thick(12, 44, 30, 30, 5, kInk);
  s.Thick(30, 30, 36, 36, 5, kInk);
  s.Thick(36, 36, 52, 14, 5, kInk);
  s.Thick(12, 44, 30, 30, 3, Rgb(226, 50, 50));
  s.Thick(30, 30, 36, 36, 3, Rgb(226, 50, 50));
  s.Thick(36, 36, 52, 14, 3, Rgb(226, 50, 50));
  s.Polygon({{44, 10}, {58, 4}, {55, 19}}, kInk);
  s.Polygon({{46, 11}, {56, 6.5}, {54, 17}}, Rgb(226, 50, 50));
  s.Line(37, 33, 50, 15, Rgb(250, 130, 120));
  // The open book.
  s.Polygon({{2, 52}, {14, 48}, {22, 52}, {22, 62}, {14, 58}, {2, 62}}, kInk);
  s.Polygon({{3, 53}, {13, 49}, {13, 57}, {3, 61}}, Rgb(252, 250, 240));
  s.Polygon({{14, 49}, {21, 53}, {21, 61}, {14, 57}}, Rgb(224, 220, 206));
  s.Line(5, 55, 11, 52, Rgb(150, 150, 170));
  s.Line(5, 57, 11, 54, Rgb(150, 150, 170));
  s.Twinkle(58, 26, Rgb(250, 200, 60), true);
  s.Twinkle(40, 6, Rgb(250, 200, 60));
  s.Rect(0, 56, kSize, 1, Rgb(120, 140, 170));
  s.Frame();
  return s.Image();
}

const bool fee = Register(form::kFeeNotice, "Image1", Fee);
const bool popular = Register(form::kVeryPopular, "Image1", Popular);
const bool million = Register(form::kComicsMilestone, "Image1", Million);
const bool ranking = Register(form::kCongratulation, "Image1", Ranking);
const bool bigRise = Register(form::kBigGain, "Image1", BigRise);

}  // namespace

}  // namespace koratsu::assets
