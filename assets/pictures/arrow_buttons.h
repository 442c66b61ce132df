#pragma once
// The press-and-hold point buttons' pictures, 16 × 16: ImageS(0) ▼ up,
// ImageS(1) ▼ pressed, ImageS(2) ▲ up, ImageS(3) ▲ pressed. A pressed picture
// is its button's face one pixel lower and to the right, without the edge.
//
// Every window with such buttons stores the four pictures under its own
// name; a window adds its name to the list in arrow_buttons.cpp.

#include <QImage>

namespace koratsu::assets {

namespace art {

QImage ArrowButtonPicture(int index);

}  // namespace art

// Registers the four pictures as window `form`'s ImageS(0) to ImageS(3).
bool RegisterArrowButtonPictures(int form);

}  // namespace koratsu::assets
