// The pictures of the activity dialogs and their progress windows, as the
// build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include <set>

#include "qtsupport/generated_pictures.h"

namespace koratsu {
namespace {

const char* const kPictures[] = {"Graphic/Forms/Form25.Image1(14).png", "Graphic/Forms/Form32.Image1(0).png",
                                 "Graphic/Forms/Form39.Image1(0).png"};

TEST(ActivityPicturesTest, AreSquareScenesOfTheSizeTheWindowsShowThemAt) {
  testing::ExpectGeneratedSizes({{kPictures[0], {64, 64}}, {kPictures[1], {64, 64}}, {kPictures[2], {64, 64}}});
  for (const char* path : kPictures) {
    QImage picture = testing::Generated(path);
    ASSERT_FALSE(picture.isNull()) << path;
    std::set<QRgb> colours;
    int seeThrough = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        seeThrough += qAlpha(picture.pixel(x, y)) != 255;
        colours.insert(picture.pixel(x, y));
      }
    EXPECT_EQ(seeThrough, 0) << path << ": a scene fills its frame";
    // Shaded scenes, not flat boxes.
    EXPECT_GE(colours.size(), 40u) << path;
  }
}

}  // namespace
}  // namespace koratsu
