#include "pictures/paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace koratsu::assets::art {

bool SaveBmp(const QImage& image, const QString& path) {
  return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

bool SavePng(const QImage& image, const QString& path) {
  return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

void BeginPixelPainter(QPainter& painter, QImage& image) {
  painter.begin(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
}

bool Dither(int x, int y, double t) {
  static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return t * 16.0 > bayer[y & 3][x & 3] + 0.5;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                          static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void VerticalGradient(QImage& image, const QRect& area, std::initializer_list<QColor> colours) {
  std::vector<QColor> c(colours);
  if (c.empty() || area.height() <= 0) return;
  int steps = static_cast<int>(c.size()) - 1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    double pos = steps == 0 ? 0 : static_cast<double>(y - area.top()) / std::max(1, area.height() - 1) * steps;
    int band = std::min(static_cast<int>(pos), std::max(0, steps - 1));
    double t = pos - band;
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor& pick = steps == 0 ? c[0] : (Dither(x, y, t) ? c[band + 1] : c[band]);
      image.setPixelColor(x, y, pick);
    }
  }
}

void Light(QImage& image, const QPolygon& shape, QPoint source, const QColor& light, double strength, double reach) {
  QRect bounds = shape.boundingRect().intersected(image.rect());
  for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
    for (int x = bounds.left(); x <= bounds.right(); ++x) {
      if (!shape.containsPoint(QPoint(x, y), Qt::OddEvenFill)) continue;
      double d = std::hypot(x - source.x(), y - source.y()) / reach;
      double t = strength * std::clamp(1.0 - d, 0.0, 1.0);
      // Three hard steps of light, dithered between them.
      double level = t * 3.0;
      int step = static_cast<int>(level);
      if (Dither(x, y, level - step)) ++step;
      if (step == 0) continue;
      image.setPixelColor(x, y, Mix(image.pixelColor(x, y), light, step / 3.0 * strength));
    }
  }
}

void Stamp(QImage& image, int x, int y, std::initializer_list<const char*> rows, const std::map<char, QColor>& colours) {
  int row = 0;
  for (const char* line : rows) {
    for (int col = 0; line[col]; ++col) {
      auto found = colours.find(line[col]);
      if (found == colours.end()) continue;
      int px = x + col;
      int py = y + row;
      if (image.rect().contains(px, py)) image.setPixelColor(px, py, found->second);
    }
    ++row;
  }
}

QImage PictureFromRows(int width, int height, std::initializer_list<const char*> rows,
                       const std::map<char, QColor>& colours) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  Stamp(image, 0, 0, rows, colours);
  return image;
}

void BevelFrame(QImage& image, const QColor& dark, const QColor& light) {
  QPainter p;
  BeginPixelPainter(p, image);
  const int w = image.width(), h = image.height();
  p.setPen(dark);
  p.drawRect(0, 0, w - 1, h - 1);
  p.setPen(light);
  p.drawLine(1, 1, w - 2, 1);
  p.drawLine(1, 1, 1, h - 2);
  p.end();
}

}  // namespace koratsu::assets::art
