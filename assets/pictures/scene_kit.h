#pragma once
// A kit for the windows' scene pictures (notices, offers, awards): a canvas
// with shaded shapes lit from the upper left, dithered runs of colour, a
// bevelled frame, sparkles, pixel digits and a little printed text.

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "pictures/room_art.h"

namespace koratsu::assets::kit {

using roomart::Color;
using roomart::Mix;
using roomart::Noise;
using roomart::Pt;
using roomart::Rgb;
using roomart::Shade;

// The dark line round shapes and frames.
constexpr Color kInk = Rgb(40, 28, 30);
constexpr Color kWhite = Rgb(255, 255, 255);

class Scene : public roomart::Canvas {
 public:
  Scene(int width, int height) : Canvas(width, height) {}

  // A run of colours from the top of the rectangle to its bottom, dithered between neighbours.
  void Gradient(int x, int y, int w, int h, std::initializer_list<Color> colours);
  // A flat filled ellipse.
  void Oval(double cx, double cy, double rx, double ry, Color c);
  // A box lit from the upper left: light top and left edges, shaded right and bottom edges.
  void Block(int x, int y, int w, int h, Color body);
  // Block with a one-pixel ink line round it.
  void InkBlock(int x, int y, int w, int h, Color body);
  // Darkens (factor below 1) or lightens the pixels already drawn, in dithered
  // steps: `amount` 1 changes every pixel, 0.5 every second one.
  void Tint(int x, int y, int w, int h, double factor, double amount = 1.0);
  void TintPolygon(std::initializer_list<Pt> points, double factor, double amount = 1.0);
  // A line `width` pixels thick.
  void Thick(double x0, double y0, double x1, double y1, double width, Color c);
  // Rays of two colours turning round (cx, cy), `count` pairs of them.
  void Rays(double cx, double cy, int count, Color a, Color b);
  // A star or a burst of `points` spikes round (cx, cy), the first pointing right.
  void Burst(double cx, double cy, double outer, double inner, int points, Color c);
  // A four-pointed twinkle of light, 5 pixels across (7 when large).
  void Twinkle(int x, int y, Color c, bool large = false);
  // A heart 7 pixels wide with its upper left corner at (x, y), with a light spot.
  void Heart(int x, int y, Color c);
  // Bits of paper in many colours scattered over the rectangle.
  void Confetti(int x, int y, int w, int h, int pieces, std::uint32_t seed);
  // Lines of small print `w` wide, `rows` of them `pitch` apart, broken into words.
  void Print(int x, int y, int w, int rows, int pitch, Color ink, std::uint32_t seed);
  // Digits 0-9 in a 5 × 7 face, each pixel `scale` wide, with an ink line round
  // them and a shaded lower half; returns the width drawn.
  int Digits(int x, int y, const std::string& digits, Color fill, int scale = 1);
  // Text in the Japanese gothic face without smoothing, its top left at (x, y);
  // `outline` 0 draws none.
  void Write(int x, int y, const QString& text, int pixelSize, Color fill, Color outline = 0, bool bold = true);
  // Copies the opaque pixels of a picture, its top-left corner at (x, y).
  void Sprite(const QImage& from, int x, int y);
  // The picture's frame: an ink edge, a light line inside it at the top and
  // left, a shaded one at the bottom and right.
  void Frame();
};

// A transparent scene of a shape outlined in ink: `draw` paints the shape,
// then every transparent pixel next to it takes the ink.
QImage Outlined(int width, int height, const std::function<void(Scene&)>& draw);

// Registers the picture `draw` makes as control `control` of window `form`.
bool Register(int form, const std::string& control, std::function<QImage()> draw);

}  // namespace koratsu::assets::kit
