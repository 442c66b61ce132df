// The level-up window's picture (48 × 48): a bevelled gold star rising on a
// sky with a burst of light behind it, two green arrows pointing up at its
// sides and a few twinkles.

#include <cmath>
#include <numbers>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

constexpr int kSize = 48;
constexpr double kCentreX = 23.5;
constexpr double kCentreY = 22.5;

const QColor kOutline(0x3a, 0x1e, 0x0c);
const QColor kGoldLight(0xff, 0xf0, 0x8a);
const QColor kGold(0xf8, 0xc8, 0x30);
const QColor kGoldShade(0xd0, 0x8a, 0x14);
const QColor kGoldDeep(0xa0, 0x5c, 0x10);
const QColor kGreen(0x38, 0xb8, 0x48);
const QColor kGreenLight(0x90, 0xe8, 0x88);
const QColor kGreenDark(0x14, 0x5c, 0x24);
const QColor kWhite(0xff, 0xff, 0xff);
const QColor kTwinkle(0xff, 0xfa, 0xc8);

QPolygonF StarShape(double outer, double inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 == 0 ? outer : inner;
    star << QPointF(kCentreX + r * std::cos(angle), kCentreY + r * std::sin(angle));
  }
  return star;
}

// The sky: light at the top, deeper below, with wedges of brighter light
// turning around the star, fading in two steps towards the edges.
void Sky(QImage& image) {
  art::VerticalGradient(image, image.rect(),
                        {QColor(0xd8, 0xf0, 0xff), QColor(0x98, 0xcc, 0xf4), QColor(0x60, 0x98, 0xe0)});
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double angle = std::atan2(y + 0.5 - kCentreY, x + 0.5 - kCentreX);
      const double wedge = std::fmod(angle + 2 * std::numbers::pi, std::numbers::pi / 6);
      if (wedge > std::numbers::pi / 12) continue;
      const double distance = std::hypot(x + 0.5 - kCentreX, y + 0.5 - kCentreY);
      const double strength = distance < 22 ? 0.5 : distance < 28 ? 0.3 : 0.0;
      if (strength > 0) image.setPixelColor(x, y, art::Mix(image.pixelColor(x, y), kWhite, strength));
    }
}

// Each point of the star is a ridge from the centre to its tip with a facet
// sloping down on either side; a facet that slopes towards the upper left
// catches the light.
QColor FacetColour(int x, int y) {
  const double step = std::numbers::pi / 5;
  const double from = -std::numbers::pi / 2;  // the top tip
  const double angle = std::atan2(y + 0.5 - kCentreY, x + 0.5 - kCentreX);
  const double turn = std::fmod(angle - from + 4 * std::numbers::pi, 2 * std::numbers::pi);
  const int facet = static_cast<int>(turn / step);
  // Even facets start at a tip and slope one way, odd ones end at a tip and slope the other.
  const double tip = from + (facet % 2 == 0 ? facet : facet + 1) * step;
  const double slope = tip + (facet % 2 == 0 ? std::numbers::pi / 2 : -std::numbers::pi / 2);
  const double light = std::cos(slope - (-3 * std::numbers::pi / 4));
  if (light > 0.5) return kGoldLight;
  if (light > -0.05) return kGold;
  if (light > -0.6) return kGoldShade;
  return kGoldDeep;
}

void Star(QImage& image) {
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPolygon(StarShape(21, 9));
  p.end();
  const QPolygonF body = StarShape(19, 7.6);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (body.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) image.setPixelColor(x, y, FacetColour(x, y));
  // A glint where the light falls.
  art::Stamp(image, 15, 15, {"ww", "w."}, {{'w', kWhite}});
}

// A small green arrow pointing up, with its light side on the left.
void Arrow(QImage& image, int left, int top) {
  art::Stamp(image, left, top,
             {"...k...", "..klk..", ".kllgk.", "kllggdk", "kkkgdkk", "..kgdk.", "..kgdk.", "..kgdk.", "..kkkk."},
             {{'k', kGreenDark}, {'l', kGreenLight}, {'g', kGreen}, {'d', kGreenDark}});
}

void Twinkle(QImage& image, int x, int y) {
  art::Stamp(image, x - 2, y - 2, {"..t..", "..w..", "twWwt", "..w..", "..t.."},
             {{'t', kTwinkle}, {'w', kWhite}, {'W', kWhite}});
}

QImage LevelUpPicture() {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  Sky(image);
  Star(image);
  Arrow(image, 3, 33);
  Arrow(image, 38, 33);
  Twinkle(image, 7, 8);
  Twinkle(image, 41, 6);
  Twinkle(image, 40, 24);
  art::BevelFrame(image, QColor(0x28, 0x40, 0x78), QColor(0xf0, 0xf8, 0xff));
  return image;
}

const bool registered = RegisterAsset(form::PicturePath(form::kLevelUp, "Image1(0)"), [](const QString& path) {
  return art::SavePng(LevelUpPicture(), path);
});

}  // namespace

}  // namespace koratsu::assets
