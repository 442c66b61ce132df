// The manga award's pictures: in the award window (96 × 96) the gold cup on
// red velvet and the framed certificate with its seal; in the trophy room
// (48 × 64) a won cup on its pedestal in a lit niche (the picture a won
// panel takes) and the same niche with the pedestal still empty (every
// panel's own picture).

#include <QString>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr Color kGold = Rgb(240, 190, 50);
constexpr Color kGoldLight = Rgb(255, 236, 140);
constexpr Color kGoldShade = Rgb(196, 134, 30);
constexpr Color kGoldDeep = Rgb(140, 84, 20);
constexpr Color kRed = Rgb(200, 30, 40);

// Gold lit from the left: a bright streak, the body, the shaded right side.
Color GoldAt(double across) {
  if (across < -0.78) return kGoldShade;
  if (across < -0.45) return kGold;
  if (across < -0.25) return kGoldLight;
  if (across < 0.35) return kGold;
  if (across < 0.75) return kGoldShade;
  return kGoldDeep;
}

// A cup `w` wide and `h` high, its top centre at (cx, top), on a dark base
// with a gold plate.
QImage Cup(int w, int h) {
  return Outlined(w + w / 2 + 4, h + 2, [w, h](Scene& s) {
    const double cx = (w + w / 2 + 4) / 2.0, top = 1;
    const double bowl = 0.48 * h;
    // The handles, behind the bowl.
    for (int side = -1; side <= 1; side += 2) {
      const double x0 = cx + side * 0.46 * w, x1 = cx + side * 0.7 * w, x2 = cx + side * 0.26 * w;
      s.Thick(x0, top + 0.08 * h, x1, top + 0.12 * h, std::max(2.0, w / 10.0), kGoldShade);
      s.Thick(x1, top + 0.12 * h, x1 - side * 0.06 * w, top + 0.3 * h, std::max(2.0, w / 10.0), kGoldShade);
      s.Thick(x1 - side * 0.06 * w, top + 0.3 * h, x2, top + 0.42 * h, std::max(2.0, w / 10.0), kGoldShade);
    }
    // The bowl, narrowing to the stem.
    for (int y = static_cast<int>(top); y < top + bowl; ++y) {
      const double t = (y - top) / bowl;
      const double half = w / 2.0 * (1 - 0.72 * t * t);
      for (int x = static_cast<int>(std::floor(cx - half)); x < cx + half; ++x) s.Plot(x, y, GoldAt((x + 0.5 - cx) / half));
    }
    // The opening at the rim.
    const double rimH = std::max(2.0, w / 7.0);
    for (int y = static_cast<int>(top); y < top + rimH; ++y)
      for (int x = static_cast<int>(cx - w / 2.0); x < cx + w / 2.0; ++x) {
        const double dx = (x + 0.5 - cx) / (w / 2.0), dy = (y + 0.5 - top - rimH / 2) / (rimH / 2);
        if (dx * dx + dy * dy < 0.55) s.Plot(x, y, kGoldDeep);
        else if (dx * dx + dy * dy < 1.0) s.Plot(x, y, kGoldLight);
      }
    // The stem, its knob and the foot.
    const int stemW = std::max(2, w / 8);
    for (int y = static_cast<int>(top + bowl); y < top + 0.66 * h; ++y)
      for (int x = static_cast<int>(cx - stemW / 2.0); x < cx + stemW / 2.0; ++x) s.Plot(x, y, GoldAt((x + 0.5 - cx) / (stemW / 2.0)));
    s.Blob(cx, top + 0.56 * h, std::max(2.0, w / 7.0), std::max(1.5, h / 22.0), kGold);
    for (int y = static_cast<int>(top + 0.66 * h); y < top + 0.74 * h; ++y) {
      const double half = w * (0.1 + 0.2 * (y - top - 0.66 * h) / (0.08 * h));
      for (int x = static_cast<int>(cx - half); x < cx + half; ++x) s.Plot(x, y, GoldAt((x + 0.5 - cx) / half));
    }
    // The base of dark wood and its plate.
    const int baseW = static_cast<int>(0.8 * w), baseTop = static_cast<int>(top + 0.74 * h);
    s.Block(static_cast<int>(cx - baseW / 2.0), baseTop, baseW, static_cast<int>(h - 0.74 * h), Rgb(70, 40, 30));
    s.Block(static_cast<int>(cx - baseW / 4.0), baseTop + static_cast<int>(0.06 * h), baseW / 2,
            std::max(2, static_cast<int>(0.1 * h)), kGold);
  });
}

QImage Trophy() {
  Scene s(96, 96);
  // Red velvet in folds, a spotlight falling on the cup.
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) {
      const double fold = std::sin(x / 5.0) * 0.5 + 0.5;
      s.Plot(x, y, fold > 0.8 ? Rgb(190, 36, 50) : fold > 0.3 ? Rgb(160, 26, 40) : Rgb(120, 16, 30));
    }
  s.TintPolygon({{38, 0}, {58, 0}, {84, 96}, {12, 96}}, 1.4, 0.55);
  s.Gradient(0, 82, 96, 14, {Rgb(90, 20, 30), Rgb(60, 12, 22)});
  s.Blob(48, 86, 28, 4, Rgb(50, 10, 20));
  const QImage cup = Cup(50, 74);
  s.Sprite(cup, 48 - cup.width() / 2, 12);
  s.Twinkle(28, 20, kWhite, true);
  s.Twinkle(72, 14, kWhite, true);
  s.Twinkle(66, 42, kWhite);
  s.Twinkle(14, 60, kGoldLight);
  s.Frame();
  return s.Image();
}

QImage Certificate() {
  Scene s(96, 96);
  // The wooden frame, bevelled, then the paper.
  s.Gradient(0, 0, 96, 96, {Rgb(150, 96, 52), Rgb(120, 74, 40)});
  s.Frame();
  s.Rect(6, 6, 84, 84, Rgb(80, 46, 24));
  s.Rect(7, 7, 82, 1, Rgb(60, 34, 18));
  s.Rect(7, 7, 1, 82, Rgb(60, 34, 18));
  s.Gradient(8, 8, 80, 80, {Rgb(255, 250, 232), Rgb(246, 238, 212)});
  // A gold border with flourishes in the corners.
  for (int i = 11; i < 85; ++i) {
    for (int edge : {11, 84}) {
      s.Plot(i, edge, kGoldShade), s.Plot(edge, i, kGoldShade);
    }
    if (i % 4 == 0) s.Plot(i, 13, kGold), s.Plot(i, 82, kGold), s.Plot(13, i, kGold), s.Plot(82, i, kGold);
  }
  for (const auto& [x, y] : {std::pair{14, 14}, {81, 14}, {14, 81}, {81, 81}}) s.Blob(x, y, 3, 3, kGold);
  // The emblem and the title.
  s.Blob(48, 20, 5, 5, kGold);
  s.Twinkle(48, 20, kGoldLight);
  s.Write(34, 27, QStringLiteral("賞状"), 14, Rgb(30, 24, 30), 0, false);
  // The text in columns of small characters, read from the right; the
  // date and the giver in shorter columns at the left.
  for (int c = 0; c < 7; ++c) {
    const int x = 68 - c * 6 - (c >= 5 ? 4 : 0);
    const int characters = c == 0 ? 6 : c == 3 ? 5 : c >= 5 ? 4 : 8;
    for (int k = 0; k < characters; ++k)
      for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
          if (Noise(x * 3 + i, k * 3 + j, 8) > 0.45 || (i == 1 && j == 1))
            s.Plot(x + i, 47 + k * 4 + j + (c >= 5 ? 8 : 0), Rgb(60, 54, 60));
  }
  // The red seal.
  s.Blob(22, 76, 5, 5, kRed);
  s.Rect(20, 74, 5, 1, Rgb(255, 220, 220)), s.Rect(22, 73, 1, 6, Rgb(255, 220, 220));
  return s.Image();
}

// A niche in the trophy room: dark walls, the spot falling from above, a
// marble pedestal.
Scene Niche() {
  Scene s(48, 64);
  s.Gradient(0, 0, 48, 64, {Rgb(40, 40, 80), Rgb(60, 56, 100), Rgb(80, 70, 110)});
  s.TintPolygon({{16, 0}, {32, 0}, {42, 46}, {6, 46}}, 1.2);
  s.TintPolygon({{19, 0}, {29, 0}, {36, 46}, {12, 46}}, 1.12);
  s.Rect(0, 58, 48, 6, Rgb(50, 44, 70));
  s.InkBlock(9, 42, 30, 5, Rgb(236, 234, 240));
  s.InkBlock(12, 46, 24, 14, Rgb(220, 218, 228));
  s.Tint(28, 47, 7, 12, 0.85);
  for (int y = 48; y < 59; ++y) s.Plot(14 + (y * 3) % 7, y, Rgb(190, 186, 200));
  s.Frame();
  return s;
}

QImage WonTrophy() {
  Scene s = Niche();
  const QImage cup = Cup(22, 34);
  s.Sprite(cup, 24 - cup.width() / 2, 8);
  s.Twinkle(10, 10, kWhite);
  s.Twinkle(38, 18, kWhite);
  return s.Image();
}

QImage EmptyPedestal() {
  Scene s = Niche();
  // Where a cup will stand: its outline, faint.
  const QImage cup = Cup(22, 34);
  const int left = 24 - cup.width() / 2;
  for (int y = 0; y < cup.height(); ++y)
    for (int x = 0; x < cup.width(); ++x)
      if ((cup.pixel(x, y) & 0xFFFFFFu) == (kInk & 0xFFFFFFu) && qAlpha(cup.pixel(x, y)) == 255 && (x + y) % 2 == 0)
        s.Plot(left + x, 8 + y, Rgb(150, 146, 186));
  return s.Image();
}

bool RegisterAll() {
  Register(form::kAward, "Picture1", Trophy);
  Register(form::kAward, "Picture2", Certificate);
  Register(form::kTrophies, "Picture2(5)", WonTrophy);
  for (int i = 0; i < 5; ++i) Register(form::kTrophies, "Image1(" + std::to_string(i) + ")", EmptyPedestal);
  return true;
}

const bool registered = RegisterAll();

}  // namespace

}  // namespace koratsu::assets
