#pragma once
// Window and control sizes are designed in twips: 15 twips make one pixel.

class QWidget;

namespace koratsu::platform {

constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest.
constexpr int Px(double twips) {
  double px = twips / kTwipsPerPixel;
  return static_cast<int>(px >= 0 ? px + 0.5 : px - 0.5);
}

constexpr double Twips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

// Places a control at the position and size its window's design gives, in twips.
void Place(QWidget* control, int left, int top, int width, int height);

// Gives a window a fixed client area of the design's size, in twips.
void SetFixedClientSize(QWidget* window, int width, int height);

}  // namespace koratsu::platform
