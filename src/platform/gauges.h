#pragma once
// Bars that stand for a value against its cap: a frame, the bar in it and an
// outline over both; and the stamina gauge built of one.

#include <QLabel>
#include <QString>
#include <QWidget>

#include "platform/window_conventions.h"

namespace koratsu::platform {

// A bar in its frame: the frame shows the whole, the bar the part, the
// outline the frame's edge over both.
struct GaugeBar {
  Shape* frame = nullptr;
  Shape* bar = nullptr;
  QWidget* outline = nullptr;
  int fullWidth = 0;  // twips

  void Build(QWidget* parent, int left, int top, int width, int height, unsigned barColor);
  // The bar for `value` against `cap`, never past the frame nor below empty.
  void Show(double value, double cap);
  void SetVisible(bool visible);
};

// A setting's points in a box one row high: the frame stands for the full
// scale, and a bar above the scale runs past the frame to the end of its box.
struct PointsBar {
  QWidget* box = nullptr;
  Shape* frame = nullptr;
  Shape* bar = nullptr;
};
PointsBar MakePointsBar(QWidget* parent, int left, int top, int height);
// `bar` (a PointsBar's) for `points` against `scale`.
void ShowPoints(Shape* bar, double points, double scale);

// The stamina gauge: the bar and its text ("5/25") beside it.
struct StaminaGauge {
  GaugeBar gauge;
  QLabel* text = nullptr;

  void Build(QWidget* parent, int left, int top, int width, int textLeft, int textWidth);
  void Show(const QString& caption, double stamina, double staminaMax);
};

}  // namespace koratsu::platform
