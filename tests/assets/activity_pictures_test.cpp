// The pictures of the activity dialogs and their progress windows, as the
// build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include <string>

#include "qtsupport/generated_pictures.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

const std::string kPictures[] = {form::PicturePath(form::kOuting, "Image1(14)"),
                                  form::PicturePath(form::kArubaito, "Image1(0)"),
                                  form::PicturePath(form::kTraining, "Image1(0)")};

TEST(ActivityPicturesTest, AreSquareScenesOfTheSizeTheWindowsShowThemAt) {
  testing::ExpectGeneratedSizes({{kPictures[0], {64, 64}}, {kPictures[1], {64, 64}}, {kPictures[2], {64, 64}}});
  for (const std::string& path : kPictures) {
    QImage picture = testing::Generated(path);
    ASSERT_FALSE(picture.isNull()) << path;
    EXPECT_EQ(testing::OpaquePixels(picture), 64 * 64) << path << ": a scene fills its frame";
    // Shaded scenes, not flat boxes.
    EXPECT_GE(testing::Colours(picture).size(), 40u) << path;
  }
}

}  // namespace
}  // namespace koratsu
