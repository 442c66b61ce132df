// The returns notice's two pictures (64 × 64): bundles of unsold volumes
// sent back to the loading dock under a turning arrow (element 0), and the
// publisher's warehouse packed with boxes up to its lamps (element 1).

#include "pictures/scene_kit.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

using namespace kit;

constexpr int kSize = 64;
constexpr Color kCardboard = Rgb(206, 160, 100);
constexpr Color kString = Rgb(236, 226, 200);

// A bundle of volumes seen from the side, tied with string crosswise.
void Bundle(Scene& s, int x, int y, int w, int h, Color cover) {
  s.InkBlock(x, y, w, h, Rgb(244, 240, 228));
  for (int j = y + 2; j < y + h - 1; j += 3) s.Rect(x + 1, j, w - 2, 1, cover);
  s.Rect(x + w / 2, y + 1, 1, h - 2, kString);
  s.Rect(x + 1, y + h / 2, w - 2, 1, kString);
}

// A cardboard box with its tape and a label.
void Box(Scene& s, int x, int y, int w, int h) {
  s.InkBlock(x, y, w, h, kCardboard);
  s.Rect(x + w / 2 - 1, y + 1, 3, h / 2, Rgb(226, 196, 140));
  if (w > 9 && h > 8) s.Rect(x + 2, y + h - 5, 5, 3, Rgb(250, 250, 244));
}

QImage ReturnedBooks() {
  Scene s(kSize, kSize);
  // The dock's rolling shutter and its concrete floor.
  s.Gradient(0, 0, kSize, 44, {Rgb(150, 156, 170), Rgb(176, 182, 194)});
  for (int y = 3; y < 44; y += 3) s.Rect(0, y, kSize, 1, Rgb(124, 130, 144));
  s.Rect(0, 44, kSize, 2, Rgb(90, 90, 100));
  s.Gradient(0, 46, kSize, 18, {Rgb(160, 160, 156), Rgb(130, 130, 126)});
  // The pile of bundles.
  s.Tint(6, 58, 54, 3, 0.75);
  Bundle(s, 6, 48, 20, 11, Rgb(46, 102, 196));
  Bundle(s, 25, 48, 20, 11, Rgb(214, 44, 52));
  Bundle(s, 44, 49, 16, 10, Rgb(60, 160, 90));
  Bundle(s, 14, 38, 20, 11, Rgb(214, 44, 52));
  Bundle(s, 33, 38, 20, 11, Rgb(46, 102, 196));
  Bundle(s, 23, 28, 20, 11, Rgb(60, 160, 90));
  // A red slip stamped on the top bundle.
  s.InkBlock(27, 30, 12, 7, Rgb(230, 60, 60));
  s.Rect(29, 33, 8, 1, kWhite);
  // The arrow turning back where they came from.
  s.Thick(52, 22, 52, 12, 5, kInk);
  s.Thick(52, 12, 44, 6, 5, kInk);
  s.Thick(44, 6, 22, 6, 5, kInk);
  s.Polygon({{24, 0}, {12, 6.5}, {24, 13}}, kInk);
  s.Thick(52, 22, 52, 12, 3, Rgb(226, 50, 50));
  s.Thick(52, 12, 44, 6, 3, Rgb(226, 50, 50));
  s.Thick(44, 6, 22, 6, 3, Rgb(226, 50, 50));
  s.Polygon({{23, 2}, {14, 6.5}, {23, 11}}, Rgb(226, 50, 50));
  s.Line(24, 5, 43, 5, Rgb(250, 130, 120));
  // Dust where they landed.
  s.Blob(4, 58, 3, 2, Rgb(200, 196, 186));
  s.Blob(60, 59, 3, 2, Rgb(200, 196, 186));
  s.Frame();
  return s.Image();
}

QImage FullWarehouse() {
  Scene s(kSize, kSize);
  // The back wall and the shelves, every shelf full.
  s.Gradient(0, 0, kSize, kSize, {Rgb(70, 74, 90), Rgb(100, 104, 120), Rgb(130, 130, 140)});
  for (int shelf = 0; shelf < 4; ++shelf) {
    const int y = 8 + shelf * 12;
    for (int x = 2; x < 62; x += 10) Box(s, x, y, 9, 11);
    s.Rect(0, y + 11, kSize, 1, Rgb(180, 120, 60));
  }
  for (int x : {1, 31, 61}) s.Rect(x, 6, 2, 54, Rgb(60, 90, 160));
  // Lamps under the roof.
  for (int x : {14, 48}) {
    s.Rect(x, 0, 1, 3, Rgb(60, 60, 70));
    s.Polygon({{x - 4.0, 6}, {x - 2.0, 3}, {x + 3.0, 3}, {x + 5.0, 6}}, Rgb(90, 90, 100));
    s.Rect(x - 2, 6, 5, 1, Rgb(255, 240, 180));
  }
  // Boxes piled in front, right up to the lamps.
  s.Rect(0, 58, kSize, 6, Rgb(110, 104, 100));
  Box(s, 2, 44, 16, 14);
  Box(s, 17, 44, 16, 14);
  Box(s, 36, 46, 14, 12);
  Box(s, 49, 44, 14, 14);
  Box(s, 8, 31, 14, 13);
  Box(s, 22, 32, 14, 12);
  Box(s, 42, 33, 16, 11);
  Box(s, 14, 19, 14, 12);
  Box(s, 30, 20, 14, 12);
  Box(s, 22, 8, 14, 12);
  Bundle(s, 44, 24, 14, 9, Rgb(214, 44, 52));
  s.Frame();
  return s.Image();
}

const bool returned = Register(form::kReturnsNotice, "Image1(0)", ReturnedBooks);
const bool warehouse = Register(form::kReturnsNotice, "Image1(1)", FullWarehouse);

}  // namespace

}  // namespace koratsu::assets
