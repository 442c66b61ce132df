#include "pictures/hero.h"

#include <algorithm>
#include <cmath>

#include "pictures/paint.h"

namespace koratsu::assets::kit {

namespace {

constexpr Color kShirt = Rgb(246, 246, 250);
constexpr Color kMouth = Rgb(120, 30, 40);

// Pixels of colour `a` beside one of colour `b` take the ink: the line
// between two flat shapes.
void Seam(Scene& s, Color a, Color b) {
  const QImage before = s.Image();
  auto is = [&](int x, int y, Color c) {
    return before.rect().contains(x, y) && (before.pixel(x, y) & 0xFFFFFFu) == (c & 0xFFFFFFu) &&
           qAlpha(before.pixel(x, y)) == 255;
  };
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (is(x, y, a) && (is(x - 1, y, b) || is(x + 1, y, b) || is(x, y - 1, b) || is(x, y + 1, b))) s.Plot(x, y, kInk);
}

// Shades the pixels of colour `from` for which `where` gives a share, dithered.
void ShadeOf(Scene& s, Color from, Color to, const std::function<double(double, double)>& where) {
  const QImage before = s.Image();
  const double w = s.Width(), h = s.Height();
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      if ((before.pixel(x, y) & 0xFFFFFFu) != (from & 0xFFFFFFu) || qAlpha(before.pixel(x, y)) != 255) continue;
      if (art::Dither(x, y, where((x + 0.5) / w, (y + 0.5) / h))) s.Plot(x, y, to);
    }
}

double Ramp(double value, double from, double to) { return std::clamp((value - from) / (to - from), 0.0, 1.0); }

}  // namespace

QImage HeroBust(int width, int height, const HeroLook& look, bool mirrored) {
  Scene s(width, height);
  const double w = width, h = height;
  auto P = [&](double u, double v) { return Pt{u * w, v * h}; };
  const Color hair = look.hair, skin = look.skin, jacket = look.jacket;

  // The hair behind the head: a crown of spikes.
  s.Polygon({P(0.22, 0.60), P(0.14, 0.44), P(0.02, 0.34), P(0.16, 0.28), P(0.06, 0.12), P(0.28, 0.16), P(0.30, 0.0),
             P(0.46, 0.10), P(0.60, 0.0), P(0.66, 0.13), P(0.88, 0.05), P(0.82, 0.22), P(0.98, 0.28), P(0.86, 0.40),
             P(0.90, 0.56), P(0.78, 0.60)},
            hair);
  // Shoulders in the jacket, the shirt's collar open at the neck.
  s.Polygon({P(0.02, 1.01), P(0.10, 0.84), P(0.32, 0.76), P(0.68, 0.76), P(0.90, 0.84), P(0.98, 1.01)}, jacket);
  s.Polygon({P(0.38, 0.76), P(0.62, 0.76), P(0.56, 0.94), P(0.5, 0.88), P(0.44, 0.94)}, kShirt);
  s.Polygon({P(0.42, 0.62), P(0.58, 0.62), P(0.58, 0.80), P(0.5, 0.86), P(0.42, 0.80)}, Shade(skin, 0.85));
  // The face, a pointed chin, the ears.
  s.Polygon({P(0.25, 0.30), P(0.75, 0.30), P(0.76, 0.52), P(0.66, 0.68), P(0.5, 0.76), P(0.34, 0.68), P(0.24, 0.52)},
            skin);
  s.Blob(0.24 * w, 0.50 * h, std::max(1.0, 0.05 * w), std::max(1.0, 0.07 * h), skin);
  s.Blob(0.76 * w, 0.50 * h, std::max(1.0, 0.05 * w), std::max(1.0, 0.07 * h), skin);
  // The fringe falling below the band.
  for (double u : {0.28, 0.40, 0.52, 0.64}) s.Polygon({P(u - 0.02, 0.30), P(u + 0.12, 0.30), P(u + 0.04, 0.42)}, hair);
  s.Polygon({P(0.22, 0.30), P(0.30, 0.30), P(0.25, 0.52)}, hair);
  s.Polygon({P(0.70, 0.30), P(0.78, 0.30), P(0.76, 0.50)}, hair);
  if (width >= 24) {
    Seam(s, hair, skin);
    Seam(s, jacket, kShirt);
  }
  // The headband, its ends flying out behind.
  s.Polygon({P(0.20, 0.24), P(0.80, 0.24), P(0.80, 0.31), P(0.20, 0.31)}, look.band);
  s.Polygon({P(0.78, 0.25), P(0.98, 0.30), P(0.94, 0.36), P(0.80, 0.31)}, look.band);
  s.Polygon({P(0.80, 0.29), P(0.96, 0.42), P(0.90, 0.46), P(0.78, 0.31)}, Shade(look.band, 0.8));

  // Eyes: white, a coloured iris towards the nose, a glint; brows set hard.
  const int eyeW = std::max(1, static_cast<int>(std::lround(0.13 * w)));
  const int eyeH = std::max(1, static_cast<int>(std::lround(0.11 * h)));
  const int eyeY = static_cast<int>(0.45 * h);
  for (int side = 0; side < 2; ++side) {
    const int left = side == 0 ? static_cast<int>(0.32 * w) : static_cast<int>(0.68 * w) - eyeW;
    if (eyeW <= 2) {
      s.Rect(left + eyeW / 2, eyeY, 1, eyeH, kInk);
      continue;
    }
    s.Rect(left, eyeY, eyeW, eyeH, kWhite);
    const int irisW = std::max(1, eyeW * 2 / 3);
    const int irisX = side == 0 ? left + eyeW - irisW : left;
    s.Rect(irisX, eyeY, irisW, eyeH, look.eyes);
    s.Rect(irisX, eyeY + eyeH / 2, irisW, eyeH - eyeH / 2, Shade(look.eyes, 0.6));
    s.Plot(irisX + (side == 0 ? 0 : irisW - 1), eyeY, kWhite);
    s.Rect(left - 1, eyeY - 1, eyeW + 2, 1, kInk);  // the upper lid
    if (eyeW >= 6) {
      // Rounded at the outer corners, a lower lid under them.
      const int outer = side == 0 ? left : left + eyeW - 1;
      s.Plot(outer, eyeY + eyeH - 1, skin);
      s.Rect(side == 0 ? left + 1 : left, eyeY + eyeH, eyeW - 1, 1, Shade(skin, 0.7));
    }
    const double browFrom = side == 0 ? 0.30 : 0.70, browTo = side == 0 ? 0.46 : 0.54;
    s.Thick(browFrom * w, 0.38 * h, browTo * w, 0.41 * h, std::max(1.0, w / 28), kInk);
  }
  // A nose and a grin.
  if (width >= 40) s.Rect(static_cast<int>(0.52 * w), static_cast<int>(0.56 * h), std::max(1, width / 40), 2, Shade(skin, 0.72));
  if (width >= 24) s.Polygon({P(0.43, 0.62), P(0.57, 0.62), P(0.5, 0.68)}, kMouth);
  else s.Plot(static_cast<int>(0.5 * w), static_cast<int>(0.64 * h), kMouth);

  // Light from the upper left: shade on the right of the face, under the
  // band, on the right of the jacket; a sheen on the hair.
  ShadeOf(s, skin, Shade(skin, 0.84), [](double u, double v) { return std::max(Ramp(u, 0.6, 0.63), Ramp(0.36 - v, 0, 0.01)); });
  ShadeOf(s, jacket, Shade(jacket, 0.72), [](double u, double) { return Ramp(u, 0.56, 0.7); });
  ShadeOf(s, jacket, Shade(jacket, 1.3), [](double u, double v) { return Ramp(0.24 - u, 0, 0.1) * Ramp(0.92 - v, 0, 0.06); });
  // Light along the upper left edges of the spikes.
  const QImage flat = s.Image();
  auto outside = [&](int x, int y) { return !flat.rect().contains(x, y) || qAlpha(flat.pixel(x, y)) != 255; };
  const int rim = width >= 40 ? 2 : 1;
  const double sheen = width >= 30 ? 1.9 : width >= 20 ? 1.3 : 1.0;  // the smallest would go grey
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((flat.pixel(x, y) & 0xFFFFFFu) == (hair & 0xFFFFFFu) && y < 0.3 * h && (outside(x - 1, y - 1) || outside(x - rim, y - rim)))
        s.Plot(x, y, Shade(hair, sheen));
  ShadeOf(s, hair, Shade(hair, 0.7), [](double u, double) { return Ramp(u, 0.66, 0.8); });
  s.Outline(kInk);
  return mirrored ? s.Image().mirrored(true, false) : s.Image();
}

}  // namespace koratsu::assets::kit
