// The toolbar's pictures, as the build drew them: a normal and a pressed
// button of 23 × 22 for each of the 21 commands.

#include <QImage>
#include <gtest/gtest.h>

#include "qtsupport/generated_pictures.h"
#include "shell/windows/toolbar.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

QImage Store(int index) {
  return testing::Generated(form::PicturePath(form::kMDIForm1, "BSave(" + std::to_string(index) + ")"));
}

TEST(ToolbarPicturesTest, EveryButtonHasANormalAndAPressedPicture) {
  QList<QImage> normals;
  for (const ToolButton& button : ToolButtons()) {
    QImage normal = Store(button.index + 1);
    QImage pressed = Store(button.index + 2);
    ASSERT_EQ(normal.size(), QSize(23, 22)) << button.index;
    ASSERT_EQ(pressed.size(), QSize(23, 22)) << button.index;
    // Raised: light at the top left, dark at the bottom right; pressed in, the other way round.
    EXPECT_GT(qGray(normal.pixel(0, 0)), qGray(normal.pixel(22, 21))) << button.index;
    EXPECT_LT(qGray(pressed.pixel(0, 0)), qGray(pressed.pixel(22, 21))) << button.index;
    for (const QImage& other : normals) EXPECT_NE(normal, other) << button.index << ": a picture of its own";
    normals << normal;
  }
}

}  // namespace
}  // namespace koratsu
