// The program's icon on the desktop: the window icon's sign reading 漫画,
// drawn again at 64 × 64 with wood grain and a lit bevel, a G-pen leaning
// on its corner and a twinkle of light. The desktop's other sizes come from
// it: doubled pixels above, smooth reductions below.

#include <QImage>
#include <QString>

#include <cmath>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/scene_kit.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kSize = 64;
constexpr Color kWood = Rgb(176, 112, 56);
constexpr Color kWoodDark = Rgb(110, 62, 28);
constexpr Color kPaper = Rgb(255, 244, 220);
constexpr Color kPaperShade = Rgb(238, 220, 186);
constexpr Color kRed = Rgb(196, 18, 38);
constexpr Color kRedDeep = Rgb(128, 8, 24);
constexpr Color kShaft = Rgb(52, 44, 66);
constexpr Color kSteel = Rgb(196, 204, 216);
constexpr Color kGold = Rgb(255, 220, 110);

// The sign: a wooden frame round a cream board, lit from the upper left.
void Sign(Scene& s, int x, int y, int w, int h) {
  s.Rect(x, y, w, h, kInk);
  for (int j = y + 1; j < y + h - 1; ++j)
    for (int i = x + 1; i < x + w - 1; ++i) {
      // Grain runs along the frame's long sides, in streaks of darker wood.
      const double grain = Noise(i / 3, j, 11) * 0.5 + Noise(i, j / 5, 12) * 0.5;
      s.Plot(i, j, Shade(kWood, 0.86 + 0.22 * grain));
    }
  s.Rect(x + 1, y + 1, w - 2, 1, Shade(kWood, 1.35));
  s.Rect(x + 1, y + 1, 1, h - 2, Shade(kWood, 1.25));
  s.Rect(x + 1, y + h - 2, w - 2, 1, kWoodDark);
  s.Rect(x + w - 2, y + 1, 1, h - 2, Shade(kWoodDark, 1.15));
  // The board sits a step into the frame: a dark groove above and left, a lit edge below and right.
  const int bx = x + 6, by = y + 6, bw = w - 12, bh = h - 12;
  s.Rect(bx - 1, by - 1, bw + 2, bh + 2, Shade(kWood, 1.3));
  s.Rect(bx - 1, by - 1, bw + 1, 1, kWoodDark);
  s.Rect(bx - 1, by - 1, 1, bh + 1, kWoodDark);
  s.Gradient(bx, by, bw, bh, {kPaper, kPaper, kPaperShade});
  s.Rect(bx, by, bw, 1, Shade(kPaperShade, 0.85));
  s.Rect(bx, by, 1, bh, Shade(kPaperShade, 0.9));
  // Two nails hold the board.
  for (int nx : {x + 3, x + w - 4}) {
    s.Plot(nx, y + 3, Shade(kSteel, 0.6));
    s.Plot(nx - 1, y + 2, kSteel);
  }
}

// The two characters one above the other, brushed in red with a deeper
// shade below each stroke.
void Characters(Scene& s, int x, int y, int size) {
  for (int k = 0; k < 2; ++k) {
    const QString character = k == 0 ? QStringLiteral("漫") : QStringLiteral("画");
    s.Write(x + 1, y + k * size + 1, character, size, kRedDeep);
    s.Write(x, y + k * size, character, size, kRed);
  }
}

// A G-pen leaning on the sign: its holder from the tail to the ferrule, the
// steel nib with its slit, and a drop of ink at the tip.
void Pen(Scene& s, double tailX, double tailY, double tipX, double tipY) {
  const double dx = tipX - tailX, dy = tipY - tailY;
  const double length = std::hypot(dx, dy);
  auto at = [&](double t) { return Pt{tailX + dx * t, tailY + dy * t}; };
  const Pt ferrule = at(0.68), nib = at(0.8);
  s.Thick(tailX, tailY, ferrule.x, ferrule.y, 5, kInk);
  s.Thick(tailX, tailY, ferrule.x, ferrule.y, 3, kShaft);
  // A highlight along the holder's upper edge.
  const double nx = -dy / length, ny = dx / length;
  s.Thick(tailX - nx, tailY - ny, ferrule.x - nx, ferrule.y - ny, 1, Shade(kShaft, 1.9));
  s.Thick(ferrule.x, ferrule.y, nib.x, nib.y, 5, kInk);
  s.Thick(ferrule.x, ferrule.y, nib.x, nib.y, 3, kSteel);
  s.Thick(ferrule.x - nx, ferrule.y - ny, nib.x - nx, nib.y - ny, 1, kWhite);
  // The nib narrows to its point.
  for (double t = 0.8; t <= 1.0; t += 0.01) {
    const Pt p = at(t);
    const double half = 1.6 * (1.0 - t) / 0.2 + 0.4;
    s.Thick(p.x, p.y, p.x, p.y, half * 2 + 2, kInk);
  }
  for (double t = 0.8; t <= 0.97; t += 0.01) {
    const Pt p = at(t);
    const double half = 1.6 * (1.0 - t) / 0.2;
    s.Thick(p.x, p.y, p.x, p.y, std::max(1.0, half * 2), t < 0.9 ? kSteel : Shade(kSteel, 0.8));
  }
  const Pt slit0 = at(0.86), slit1 = at(0.96);
  s.Line(static_cast<int>(slit0.x), static_cast<int>(slit0.y), static_cast<int>(slit1.x), static_cast<int>(slit1.y),
         Shade(kSteel, 0.45));
  s.Plot(static_cast<int>(tipX), static_cast<int>(tipY), kInk);
}

QImage DesktopIcon() {
  Scene s(kSize, kSize);
  Sign(s, 6, 1, 44, 62);
  Characters(s, 16, 9, 23);
  Pen(s, 61, 27, 41, 62);
  s.Twinkle(52, 5, kGold, true);
  s.Twinkle(3, 46, kGold);
  return s.Image();
}

// The icon at another size: pixels doubled above 64, a smooth reduction below.
QImage IconAt(int size) {
  const QImage icon = DesktopIcon();
  if (size == kSize) return icon;
  return icon.scaled(size, size, Qt::IgnoreAspectRatio,
                     size > kSize ? Qt::FastTransformation : Qt::SmoothTransformation);
}

bool RegisterSize(int size) {
  const std::string side = std::to_string(size);
  return RegisterAsset("Icons/" + side + "x" + side + "/koratsu.png",
                       [size](const QString& path) { return art::SavePng(IconAt(size), path); });
}

const bool registered = RegisterSize(32) && RegisterSize(48) && RegisterSize(64) && RegisterSize(128) &&
                        RegisterSize(256);

}  // namespace

}  // namespace koratsu::assets
