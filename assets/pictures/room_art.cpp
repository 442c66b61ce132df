#include "pictures/room_art.h"

#include <algorithm>
#include <cmath>

namespace koratsu::assets::roomart {

Pt Iso(double u, double v, double h) { return {3 * (u + v) - 112, 1.5 * (v - u) - 30 - h}; }

void FloorAt(double x, double y, double& u, double& v) {
  const double sum = (x + 112) / 3, diff = (y + 30) / 1.5;
  v = (sum + diff) / 2;
  u = (sum - diff) / 2;
}

Color Mix(Color a, Color b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

Color Shade(Color c, double factor) {
  if (factor <= 1) return Mix(qRgb(0, 0, 0), c, factor);
  return Mix(c, qRgb(255, 255, 255), factor - 1);
}

double Noise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

Canvas::Canvas(int width, int height, int originX, int originY)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32), originX_(originX), originY_(originY) {
  image_.fill(0);
}

void Canvas::Plot(int x, int y, Color c) {
  const int lx = x - originX_, ly = y - originY_;
  if (lx < 0 || ly < 0 || lx >= image_.width() || ly >= image_.height()) {
    ++dropped_;
    return;
  }
  image_.setPixel(lx, ly, c | 0xFF000000u);
}

bool Canvas::Opaque(int x, int y) const {
  const int lx = x - originX_, ly = y - originY_;
  if (lx < 0 || ly < 0 || lx >= image_.width() || ly >= image_.height()) return false;
  return qAlpha(image_.pixel(lx, ly)) == 255;
}

Color Canvas::At(int x, int y) const {
  const int lx = x - originX_, ly = y - originY_;
  if (lx < 0 || ly < 0 || lx >= image_.width() || ly >= image_.height()) return 0;
  return image_.pixel(lx, ly);
}

void Canvas::Rect(int x, int y, int w, int h, Color c) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) Plot(x + i, y + j, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Color c) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Plot(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void Canvas::Polygon(const std::vector<Pt>& points, Color c) {
  if (points.size() < 3) return;
  double minY = points[0].y, maxY = points[0].y;
  for (const Pt& p : points) minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  std::vector<double> xs;
  for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
    const double yc = y + 0.5;
    xs.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Pt& a = points[i];
      const Pt& b = points[(i + 1) % points.size()];
      if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y)) xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int first = static_cast<int>(std::ceil(xs[i] - 0.5));
      const int last = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
      for (int x = first; x < last; ++x) Plot(x, y, c);
    }
  }
}

void Canvas::Paste(const Canvas& other) {
  for (int y = 0; y < other.Height(); ++y)
    for (int x = 0; x < other.Width(); ++x) {
      const QRgb p = other.image_.pixel(x, y);
      if (qAlpha(p) == 255) Plot(x + other.originX_, y + other.originY_, p);
    }
}

void Canvas::Mirror() { image_ = image_.mirrored(true, false); }

void Canvas::Blob(double cx, double cy, double rx, double ry, Color body, std::uint32_t seed) {
  for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y)
    for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      const double d = dx * dx + dy * dy;
      if (d > 1) continue;
      const double light = -0.55 * dx - 0.65 * dy + (seed ? (Noise(x, y, seed) - 0.5) * 0.6 : 0);
      Color c = body;
      if (light > 0.55) c = Shade(body, 1.28);
      else if (light > 0.15) c = Shade(body, 1.1);
      else if (light < -0.6) c = Shade(body, 0.62);
      else if (light < -0.2) c = Shade(body, 0.8);
      if (d > 0.86 && light < 0) c = Shade(body, 0.55);
      Plot(x, y, c);
    }
}

void Canvas::Outline(Color c) {
  const QImage before = image_;
  auto opaque = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < before.width() && y < before.height() && qAlpha(before.pixel(x, y)) == 255;
  };
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) {
      if (opaque(x, y)) continue;
      if (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)) image_.setPixel(x, y, c | 0xFF000000u);
    }
}

BoxColors Lit(Color base) { return {Shade(base, 1.08), Shade(base, 0.86), Shade(base, 0.68)}; }

void TopFace(Canvas& c, double u0, double u1, double v0, double v1, double z, Color color) {
  c.Polygon({Iso(u0, v0, z), Iso(u1, v0, z), Iso(u1, v1, z), Iso(u0, v1, z)}, color);
}

void FaceAtU(Canvas& c, double u, double v0, double v1, double z0, double z1, Color color) {
  c.Polygon({Iso(u, v0, z0), Iso(u, v1, z0), Iso(u, v1, z1), Iso(u, v0, z1)}, color);
}

void FaceAtV(Canvas& c, double v, double u0, double u1, double z0, double z1, Color color) {
  c.Polygon({Iso(u0, v, z0), Iso(u1, v, z0), Iso(u1, v, z1), Iso(u0, v, z1)}, color);
}

void Box(Canvas& c, double u0, double u1, double v0, double v1, double z0, double z1, const BoxColors& colors) {
  FaceAtU(c, u0, v0, v1, z0, z1, colors.left);
  FaceAtV(c, v1, u0, u1, z0, z1, colors.right);
  TopFace(c, u0, u1, v0, v1, z1, colors.top);
}

}  // namespace koratsu::assets::roomart
