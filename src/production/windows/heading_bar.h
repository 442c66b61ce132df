#pragma once
// A white caption on a heading bar: a Shape1 element, which the window's
// Form_Load fills with the headings' colour, and a Label3 element over it.

#include <QLabel>
#include <QString>

#include "platform/window_conventions.h"

namespace koratsu {

struct HeadingBar {
  platform::Shape* shape;
  QLabel* label;
};

// Both placed at the design's twips.
HeadingBar MakeHeadingBar(QWidget* parent, const QString& text, int left, int top, int width, int height);

}  // namespace koratsu
