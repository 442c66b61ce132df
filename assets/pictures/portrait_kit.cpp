#include "pictures/portrait_kit.h"

#include "pictures/paint.h"

namespace koratsu::assets::art {

namespace {

// True where (x, y) lies in `image` and has the colour `first` or one of `others`.
bool OfColour(const QImage& image, int x, int y, const QColor& first, std::initializer_list<QColor> others) {
  if (!image.rect().contains(x, y)) return false;
  QColor c = image.pixelColor(x, y);
  if (c == first) return true;
  for (const QColor& other : others)
    if (c == other) return true;
  return false;
}

}  // namespace

void ShadeWhere(QImage& image, const QRect& area, const QColor& from, const QColor& to,
                const std::function<double(int, int)>& where) {
  QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      if (image.pixelColor(x, y) != from) continue;
      if (Dither(x, y, where(x, y))) image.setPixelColor(x, y, to);
    }
}

void Rim(QImage& image, const QColor& fill, std::initializer_list<QColor> inside, const QColor& outline) {
  QImage source = image.copy();
  auto belongs = [&](int x, int y) { return OfColour(source, x, y, fill, inside); };
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (source.pixelColor(x, y) != fill) continue;
      if (!belongs(x - 1, y) || !belongs(x + 1, y) || !belongs(x, y - 1) || !belongs(x, y + 1))
        image.setPixelColor(x, y, outline);
    }
}

void ShadeRightContour(QImage& image, const QRect& area, const QColor& from, const QColor& to, int depth,
                       std::initializer_list<QColor> shape) {
  QImage source = image.copy();
  auto inside = [&](int x, int y) { return OfColour(source, x, y, from, shape); };
  QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      if (source.pixelColor(x, y) != from) continue;
      int run = 0;
      while (run <= depth && inside(x + run + 1, y)) ++run;
      if (run >= depth) continue;
      double t = run >= depth - 1 ? 0.5 : 1.0;
      if (Dither(x, y, t)) image.setPixelColor(x, y, to);
    }
}

double Band(int x, int edge, int soft) {
  if (x >= edge) return 1.0;
  if (x < edge - soft) return 0.0;
  return static_cast<double>(x - (edge - soft) + 1) / (soft + 1);
}

void Ellipse(QPainter& p, const QColor& colour, int x, int y, int w, int h) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(x, y, w, h);
}

void Polygon(QPainter& p, const QColor& colour, std::initializer_list<QPoint> points) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygon(QList<QPoint>(points)));
}

QImage Backdrop(int width, int height, std::initializer_list<QColor> colours) {
  QImage image(width, height, QImage::Format_ARGB32);
  VerticalGradient(image, image.rect(), colours);
  return image;
}

}  // namespace koratsu::assets::art
