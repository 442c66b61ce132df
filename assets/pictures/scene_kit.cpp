#include "pictures/scene_kit.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets::kit {

namespace {

// The 5 × 7 digits, bold enough to read at a pixel a stroke.
constexpr std::array<std::array<const char*, 7>, 10> kDigitRows = {{
    {".###.", "##.##", "##.##", "##.##", "##.##", "##.##", ".###."},
    {"..##.", ".###.", "..##.", "..##.", "..##.", "..##.", ".####"},
    {".###.", "##.##", "...##", "..##.", ".##..", "##...", "#####"},
    {"####.", "...##", "...##", ".###.", "...##", "...##", "####."},
    {"...##", "..###", ".#.##", "#..##", "#####", "...##", "...##"},
    {"#####", "##...", "####.", "...##", "...##", "##.##", ".###."},
    {".###.", "##...", "####.", "##.##", "##.##", "##.##", ".###."},
    {"#####", "...##", "..##.", "..##.", ".##..", ".##..", ".##.."},
    {".###.", "##.##", "##.##", ".###.", "##.##", "##.##", ".###."},
    {".###.", "##.##", "##.##", ".####", "...##", "...##", ".###."},
}};

// The colours confetti is cut from.
constexpr Color kConfetti[] = {Rgb(236, 72, 84),  Rgb(250, 206, 64), Rgb(72, 160, 232),
                               Rgb(92, 196, 104), Rgb(240, 130, 200), Rgb(250, 250, 250)};

}  // namespace

void Scene::Gradient(int x, int y, int w, int h, std::initializer_list<Color> colours) {
  if (w <= 0 || h <= 0) return;
  std::vector<Color> c(colours);
  const int steps = static_cast<int>(c.size()) - 1;
  for (int j = 0; j < h; ++j) {
    const double pos = steps <= 0 ? 0 : static_cast<double>(j) / std::max(1, h - 1) * steps;
    const int band = std::min(static_cast<int>(pos), std::max(0, steps - 1));
    const double t = pos - band;
    for (int i = 0; i < w; ++i)
      Plot(x + i, y + j, steps <= 0 ? c[0] : (art::Dither(x + i, y + j, t) ? c[band + 1] : c[band]));
  }
}

void Scene::Oval(double cx, double cy, double rx, double ry, Color c) {
  for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y)
    for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1) Plot(x, y, c);
    }
}

void Scene::Block(int x, int y, int w, int h, Color body) {
  Rect(x, y, w, h, body);
  Rect(x, y + h - 1, w, 1, Shade(body, 0.65));
  Rect(x + w - 1, y, 1, h, Shade(body, 0.75));
  Rect(x, y, w - 1, 1, Shade(body, 1.25));
  Rect(x, y + 1, 1, h - 2, Shade(body, 1.15));
}

void Scene::InkBlock(int x, int y, int w, int h, Color body) {
  Rect(x, y, w, h, kInk);
  Block(x + 1, y + 1, w - 2, h - 2, body);
}

void Scene::Tint(int x, int y, int w, int h, double factor, double amount) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i)
      if (Opaque(i, j) && art::Dither(i, j, amount)) Plot(i, j, Shade(At(i, j), factor));
}

void Scene::TintPolygon(std::initializer_list<Pt> points, double factor, double amount) {
  QPolygonF shape;
  for (const Pt& p : points) shape << QPointF(p.x, p.y);
  const QRect r = shape.boundingRect().toAlignedRect();
  for (int j = r.top(); j <= r.bottom(); ++j)
    for (int i = r.left(); i <= r.right(); ++i)
      if (shape.containsPoint(QPointF(i + 0.5, j + 0.5), Qt::OddEvenFill) && Opaque(i, j) &&
          art::Dither(i, j, amount))
        Plot(i, j, Shade(At(i, j), factor));
}

void Scene::Thick(double x0, double y0, double x1, double y1, double width, Color c) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const int steps = std::max(1, static_cast<int>(length * 3));
  for (int s = 0; s <= steps; ++s) {
    const double t = static_cast<double>(s) / steps;
    const double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
    const int n = std::max(1, static_cast<int>(std::lround(width)));
    for (int dy = 0; dy < n; ++dy)
      for (int dx = 0; dx < n; ++dx)
        Plot(static_cast<int>(std::floor(x - width / 2 + dx + 0.5)), static_cast<int>(std::floor(y - width / 2 + dy + 0.5)),
             c);
  }
}

void Scene::Rays(double cx, double cy, int count, Color a, Color b) {
  const double wedge = std::numbers::pi / count;
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) {
      const double angle = std::atan2(y + 0.5 - cy, x + 0.5 - cx) + std::numbers::pi;
      Plot(x, y, static_cast<int>(angle / wedge) % 2 ? a : b);
    }
}

void Scene::Burst(double cx, double cy, double outer, double inner, int points, Color c) {
  std::vector<Pt> shape;
  for (int i = 0; i < points * 2; ++i) {
    const double angle = i * std::numbers::pi / points;
    const double r = i % 2 ? inner : outer;
    shape.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  Polygon(shape, c);
}

void Scene::Twinkle(int x, int y, Color c, bool large) {
  const int arm = large ? 3 : 2;
  for (int i = 1; i <= arm; ++i) {
    const Color tip = i == arm ? Mix(c, At(x, y - i), 0.4) : c;
    Plot(x - i, y, tip), Plot(x + i, y, tip), Plot(x, y - i, tip), Plot(x, y + i, tip);
  }
  Plot(x, y, kWhite);
  if (large) Plot(x - 1, y - 1, c), Plot(x + 1, y - 1, c), Plot(x - 1, y + 1, c), Plot(x + 1, y + 1, c);
}

void Scene::Heart(int x, int y, Color c) {
  static const char* rows[] = {".hh.hh.", "hLhhhhh", "hhhhhhd", ".hhhhd.", "..hdd..", "...d..."};
  for (int j = 0; j < 6; ++j)
    for (int i = 0; i < 7; ++i) {
      const char p = rows[j][i];
      if (p == '.') continue;
      Plot(x + i, y + j, p == 'L' ? Shade(c, 1.6) : p == 'd' ? Shade(c, 0.72) : c);
    }
}

void Scene::Confetti(int x, int y, int w, int h, int pieces, std::uint32_t seed) {
  for (int n = 0; n < pieces; ++n) {
    const int px = x + static_cast<int>(Noise(n, 1, seed) * w);
    const int py = y + static_cast<int>(Noise(n, 2, seed) * h);
    const Color c = kConfetti[static_cast<int>(Noise(n, 3, seed) * 6) % 6];
    Plot(px, py, c);
    if (Noise(n, 4, seed) > 0.5) Plot(px + 1, py, Shade(c, 0.8));
    else Plot(px, py + 1, Shade(c, 0.8));
  }
}

void Scene::Print(int x, int y, int w, int rows, int pitch, Color ink, std::uint32_t seed) {
  for (int r = 0; r < rows; ++r) {
    const int end = r == rows - 1 ? x + w * 3 / 5 : x + w;
    int i = x + (r == 0 ? 2 : 0);
    int word = 0;
    while (i < end) {
      const int length = 2 + static_cast<int>(Noise(word, r, seed) * 6);
      for (int k = 0; k < length && i < end; ++k, ++i) Plot(i, y + r * pitch, ink);
      i += 1 + (Noise(word, r + 50, seed) > 0.7);
      ++word;
    }
  }
}

int Scene::Digits(int x, int y, const std::string& digits, Color fill, int scale) {
  const int width = static_cast<int>(digits.size()) * 6 * scale - scale;
  QImage glyphs = Outlined(width + 2, 7 * scale + 2, [&](Scene& s) {
    int left = 1;
    for (char d : digits) {
      if (d < '0' || d > '9') continue;
      const auto& rows = kDigitRows[static_cast<std::size_t>(d - '0')];
      for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 5; ++i) {
          if (rows[static_cast<std::size_t>(j)][i] != '#') continue;
          const Color c = j == 0 ? Shade(fill, 1.3) : j >= 4 ? Shade(fill, 0.82) : fill;
          s.Rect(left + i * scale, 1 + j * scale, scale, scale, c);
        }
      left += 6 * scale;
    }
  });
  Sprite(glyphs, x - 1, y - 1);
  return width;
}

void Scene::Write(int x, int y, const QString& text, int pixelSize, Color fill, Color outline, bool bold) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoAntialias);
  QImage mask(pixelSize * (static_cast<int>(text.size()) + 1), pixelSize * 2, QImage::Format_ARGB32);
  mask.fill(Qt::transparent);
  {
    QPainter p;
    art::BeginPixelPainter(p, mask);
    p.setFont(font);
    p.setPen(QColor(fill));
    p.drawText(mask.rect(), Qt::AlignLeft | Qt::AlignTop, text);
  }
  auto inked = [&](int i, int j) { return mask.rect().contains(i, j) && qAlpha(mask.pixel(i, j)) > 127; };
  for (int j = 0; j < mask.height(); ++j)
    for (int i = 0; i < mask.width(); ++i) {
      if (inked(i, j)) Plot(x + i, y + j, fill);
      else if (outline && (inked(i - 1, j) || inked(i + 1, j) || inked(i, j - 1) || inked(i, j + 1)))
        Plot(x + i, y + j, outline);
    }
}

void Scene::Sprite(const QImage& from, int x, int y) {
  for (int j = 0; j < from.height(); ++j)
    for (int i = 0; i < from.width(); ++i) {
      const QRgb p = from.pixel(i, j);
      if (qAlpha(p) == 255) Plot(x + i, y + j, p);
    }
}

void Scene::Frame() {
  const int w = Width(), h = Height();
  for (int i = 0; i < w; ++i) Plot(i, 0, kInk), Plot(i, h - 1, kInk);
  for (int j = 0; j < h; ++j) Plot(0, j, kInk), Plot(w - 1, j, kInk);
  for (int i = 1; i < w - 1; ++i) Plot(i, 1, Shade(At(i, 1), 1.25)), Plot(i, h - 2, Shade(At(i, h - 2), 0.7));
  for (int j = 2; j < h - 2; ++j) Plot(1, j, Shade(At(1, j), 1.2)), Plot(w - 2, j, Shade(At(w - 2, j), 0.7));
}

QImage Outlined(int width, int height, const std::function<void(Scene&)>& draw) {
  Scene s(width, height);
  draw(s);
  s.Outline(kInk);
  return s.Image();
}

bool Register(int form, const std::string& control, std::function<QImage()> draw) {
  return RegisterAsset(form::PicturePath(form, control),
                       [draw = std::move(draw)](const QString& path) { return art::SavePng(draw(), path); });
}

}  // namespace koratsu::assets::kit
