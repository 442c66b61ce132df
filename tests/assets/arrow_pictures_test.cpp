// The press-and-hold point buttons' pictures, as the build drew them.

#include <string>

#include <QImage>
#include <gtest/gtest.h>

#include "qtsupport/generated_pictures.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::Generated;

std::string ArrowPath(int index, int form = form::kSettingsEditor) {
  return form::PicturePath(form, "ImageS(" + std::to_string(index) + ")");
}

QImage Arrow(int index) { return Generated(ArrowPath(index)); }

// The rows holding the arrow's blue, top to bottom, with their widths.
std::vector<int> ArrowRowWidths(const QImage& image) {
  std::vector<int> widths;
  for (int y = 0; y < image.height(); ++y) {
    int width = 0;
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c.blue() > c.red() + 40) ++width;
    }
    if (width > 0) widths.push_back(width);
  }
  return widths;
}

TEST(ArrowPicturesTest, FourOpaqueArrowsAndTheirPressedFacesMoveOnePixelWithoutTheEdge) {
  testing::ExpectGeneratedSizes(
      {{ArrowPath(0), {16, 16}}, {ArrowPath(1), {16, 16}}, {ArrowPath(2), {16, 16}}, {ArrowPath(3), {16, 16}}});
  for (int up : {0, 2}) {
    QImage raised = Arrow(up);
    QImage pressed = Arrow(up + 1);
    ASSERT_FALSE(raised.isNull());
    ASSERT_FALSE(pressed.isNull());
    EXPECT_EQ(testing::OpaquePixels(raised), 16 * 16);
    EXPECT_EQ(pressed.copy(3, 3, 12, 12), raised.copy(2, 2, 12, 12)) << "ImageS(" << up + 1 << ")";
    // The raised button has a light top-left edge and a dark bottom-right one.
    EXPECT_GT(qGray(raised.pixel(0, 5)), 240);
    EXPECT_LT(qGray(raised.pixel(15, 5)), 80);
    EXPECT_GT(qGray(pressed.pixel(15, 5)), 150) << "no edge when pressed";
  }
  // ▼ narrows downwards, ▲ widens.
  std::vector<int> down = ArrowRowWidths(Arrow(0));
  std::vector<int> up = ArrowRowWidths(Arrow(2));
  ASSERT_GE(down.size(), 4u);
  ASSERT_GE(up.size(), 4u);
  EXPECT_GT(down.front(), down.back());
  EXPECT_LT(up.front(), up.back());
}

TEST(ArrowPicturesTest, EveryWindowWithPointButtonsHasTheSameFour) {
  for (int form : {form::kSchedule, form::kDelivery})
    for (int index = 0; index < 4; ++index)
      EXPECT_EQ(Generated(ArrowPath(index, form)), Arrow(index)) << form::Name(form) << ".ImageS(" << index << ")";
}

}  // namespace
}  // namespace koratsu
