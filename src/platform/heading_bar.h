#pragma once
// The windows' heading bars: a band (an element of the window's Shape1,
// which its Form_Load fills with the headings' colour) and a white caption
// centred over it.

#include <QLabel>
#include <QString>

#include "platform/window_conventions.h"

namespace koratsu::platform {

struct HeadingBar {
  Shape* shape;
  QLabel* label;
};

// Both placed at the design's twips.
HeadingBar MakeHeadingBar(QWidget* parent, const QString& text, int left, int top, int width, int height);

// A text standing on a coloured bar is white, elsewhere black; the bar
// shows through either way.
void SetTextOnBar(QLabel* label, bool onBar);

}  // namespace koratsu::platform
