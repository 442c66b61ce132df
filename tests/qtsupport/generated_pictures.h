#pragma once
// The pictures the build generated beside the program, for the asset tests.

#include <initializer_list>
#include <set>
#include <string>

#include <QImage>
#include <QRect>
#include <QSize>

namespace koratsu::testing {

// A generated file by its path beside the program ("Graphic/Title.bmp", or a
// window's form::PicturePath); a null image when the build did not write it.
QImage Generated(const std::string& path);

struct PictureSize {
  std::string path;
  QSize size;
};

// Every picture exists and has its size; the first missing one ends the check.
void ExpectGeneratedSizes(std::initializer_list<PictureSize> pictures);

// The colours (without their alpha) of the pixels in `area`, or in the whole picture.
std::set<QRgb> Colours(const QImage& image, const QRect& area = {});
// How many of the picture's pixels are fully opaque.
int OpaquePixels(const QImage& image);

}  // namespace koratsu::testing
