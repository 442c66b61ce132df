#pragma once
// A small pixel-art kit for the room view's pictures: a canvas that can be
// drawn on in room coordinates, crisp polygons, isometric boxes on the floor
// grid, colour helpers and a repeatable noise for wood grain and cloth.

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace koratsu::assets::roomart {

using Color = QRgb;

struct Pt {
  double x, y;
};

// A point of the room in floor units: u across (along the right-hand wall),
// v along (along the left-hand wall), h pixels above the floor. One figure
// step moves u or v by 2; the point under a figure's feet is the middle of
// its 16 x 32 picture's bottom: cell (c, r) has u = c - r, v = c + r.
Pt Iso(double u, double v, double h = 0);
// The floor point under screen pixel (x, y).
void FloorAt(double x, double y, double& u, double& v);

// Colours.
constexpr Color Rgb(int r, int g, int b) { return qRgb(r, g, b); }
Color Mix(Color a, Color b, double t);
Color Shade(Color c, double factor);  // below 1 darker, above 1 lighter

// A repeatable noise in [0, 1) for pixel (x, y).
double Noise(int x, int y, std::uint32_t seed);

// A transparent picture drawn on in room coordinates: the pixel (x, y) of the
// room lands at (x - originX, y - originY) of the picture. Drawing outside
// the picture is dropped, and counted, so that a piece that does not fit its
// rectangle can be noticed.
class Canvas {
 public:
  Canvas(int width, int height, int originX = 0, int originY = 0);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }
  const QImage& Image() const { return image_; }
  long Dropped() const { return dropped_; }

  void Plot(int x, int y, Color c);
  bool Opaque(int x, int y) const;
  Color At(int x, int y) const;

  void Rect(int x, int y, int w, int h, Color c);
  void Line(int x0, int y0, int x1, int y1, Color c);
  // Pixels whose centres lie inside the polygon (half-open on the right).
  void Polygon(const std::vector<Pt>& points, Color c);
  void Polygon(std::initializer_list<Pt> points, Color c) { Polygon(std::vector<Pt>(points), c); }
  // Copies the opaque pixels of another canvas, both in room coordinates.
  void Paste(const Canvas& other);
  // Mirrors the picture left to right.
  void Mirror();
  // A one-pixel dark outline around the opaque pixels (only onto transparent ones).
  void Outline(Color c);
  // A filled ellipse lit from the upper left: highlight, body and shadow side,
  // with a little noise (for leaves) when `seed` is not 0.
  void Blob(double cx, double cy, double rx, double ry, Color body, std::uint32_t seed = 0);

 private:
  QImage image_;
  int originX_, originY_;
  long dropped_ = 0;
};

// Isometric drawing on the floor grid.
struct BoxColors {
  Color top, left, right;  // left faces the viewer's left (u = u0), right the viewer's right (v = v1)
};
BoxColors Lit(Color base);  // the three faces of a surface of colour `base` under the room's light

// A box on the floor: u0..u1, v0..v1, from z0 to z1 pixels above the floor.
void Box(Canvas& c, double u0, double u1, double v0, double v1, double z0, double z1, const BoxColors& colors);
// A horizontal face at height z.
void TopFace(Canvas& c, double u0, double u1, double v0, double v1, double z, Color color);
// Upright planes: at u = u across v0..v1 (a left face, or the right-hand
// wall), and at v = v across u0..u1 (a right face, or the left-hand wall).
void FaceAtU(Canvas& c, double u, double v0, double v1, double z0, double z1, Color color);
void FaceAtV(Canvas& c, double v, double u0, double u1, double z0, double z1, Color color);

}  // namespace koratsu::assets::roomart
