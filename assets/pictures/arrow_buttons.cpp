#include "pictures/arrow_buttons.h"

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

constexpr int kSize = 16;
constexpr int kEdge = 2;                      // the bevel: two pixels on each side
constexpr int kFaceSize = kSize - 2 * kEdge;  // what a press moves

const QColor kFaceLight(0xdc, 0xd9, 0xd2);
const QColor kFace(0xd4, 0xd0, 0xc8);
const QColor kFaceDark(0xc4, 0xc0, 0xb6);
const QColor kHighlight(0xff, 0xff, 0xff);
const QColor kHighlightInner(0xf0, 0xee, 0xe8);
const QColor kShadowInner(0x80, 0x7e, 0x78);
const QColor kShadowOuter(0x40, 0x40, 0x40);
const QColor kArrowShade(0xa8, 0xa4, 0x9c);

const std::map<char, QColor> kArrowColours = {
    {'o', QColor(0x18, 0x22, 0x58)},  // outline
    {'h', QColor(0x8c, 0xb4, 0xff)},  // lit side
    {'b', QColor(0x38, 0x64, 0xd8)},  // body
    {'d', QColor(0x22, 0x3c, 0x9a)},  // side in shade
};

// The face: a soft top light and a blue arrow casting a shade down and to the right.
QImage Face(bool pointsDown) {
  QImage face(kFaceSize, kFaceSize, QImage::Format_ARGB32);
  art::VerticalGradient(face, face.rect(), {kFaceLight, kFace, kFace, kFaceDark});
  const std::initializer_list<const char*> down = {"ooooooooo", "ohhhhbbdo", ".ohhbbdo.",
                                                   "..ohbdo..", "...obo...", "....o...."};
  const std::initializer_list<const char*> up = {"....o....", "...oho...", "..ohhdo..",
                                                 ".ohhbbdo.", "ohhbbbbdo", "ooooooooo"};
  const auto& rows = pointsDown ? down : up;
  const int top = pointsDown ? 3 : 2;
  art::Stamp(face, 2, top + 1, rows, {{'o', kArrowShade}, {'h', kArrowShade}, {'b', kArrowShade}, {'d', kArrowShade}});
  art::Stamp(face, 1, top, rows, kArrowColours);
  return face;
}

QImage Raised(bool pointsDown) {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(kFace);
  for (int i = 0; i < kSize; ++i) {
    image.setPixelColor(i, 0, kHighlight);
    image.setPixelColor(0, i, kHighlight);
    image.setPixelColor(i, kSize - 1, kShadowOuter);
    image.setPixelColor(kSize - 1, i, kShadowOuter);
  }
  for (int i = 1; i < kSize - 1; ++i) {
    image.setPixelColor(i, 1, kHighlightInner);
    image.setPixelColor(1, i, kHighlightInner);
    image.setPixelColor(i, kSize - 2, kShadowInner);
    image.setPixelColor(kSize - 2, i, kShadowInner);
  }
  image.setPixelColor(kSize - 1, 0, kShadowOuter);
  image.setPixelColor(0, kSize - 1, kShadowOuter);
  QPainter p(&image);
  p.drawImage(kEdge, kEdge, Face(pointsDown));
  return image;
}

QImage Pressed(bool pointsDown) {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  art::VerticalGradient(image, image.rect(), {kFaceLight, kFace, kFace, kFaceDark});
  QPainter p(&image);
  p.drawImage(kEdge + 1, kEdge + 1, Face(pointsDown));
  return image;
}

}  // namespace

namespace art {

QImage ArrowButtonPicture(int index) {
  const bool pointsDown = index < 2;
  return index % 2 == 0 ? Raised(pointsDown) : Pressed(pointsDown);
}

}  // namespace art

bool RegisterArrowButtonPictures(int form) {
  bool all = true;
  for (int i = 0; i < 4; ++i) {
    all = RegisterAsset(form::PicturePath(form, "ImageS(" + std::to_string(i) + ")"),
                        [i](const QString& path) { return art::SavePng(art::ArrowButtonPicture(i), path); }) &&
          all;
  }
  return all;
}

namespace {

// The windows with press-and-hold point buttons.
const bool registered[] = {RegisterArrowButtonPictures(form::kSettingsEditor),
                           RegisterArrowButtonPictures(form::kSchedule),
                           RegisterArrowButtonPictures(form::kDelivery)};

}  // namespace

}  // namespace koratsu::assets
