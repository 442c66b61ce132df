// The pictures of the main window and its boxes, as the build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "qtsupport/generated_pictures.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::Generated;

TEST(MainWindowPicturesTest, HaveTheSizesTheWindowsShowThemAt) {
  testing::ExpectGeneratedSizes({
      {"Graphic/Title.bmp", {568, 394}},  // the client area on the title screen
      {"Graphic/kabe.bmp", {640, 480}},   // covers the client area during a game
      {form::PicturePath(form::kYesNo, "Image1"), {32, 32}},
      {form::PicturePath(form::kMessage, "Image1"), {32, 32}},
      {form::PicturePath(form::kMDIForm1, "Icon"), {32, 32}},
      {form::PicturePath(form::kNewGame, "Picture1"), {88, 112}},
  });
}

TEST(MainWindowPicturesTest, TheBoxIconsAreBalloonsOnATransparentGround) {
  for (int box : {form::kYesNo, form::kMessage}) {
    const std::string path = form::PicturePath(box, "Image1");
    QImage icon = Generated(path);
    ASSERT_TRUE(icon.hasAlphaChannel()) << path;
    EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0) << path;
    EXPECT_EQ(icon.pixelColor(16, 10).blue() > icon.pixelColor(16, 10).red(), true) << path;  // the blue sign
    EXPECT_EQ(icon.pixelColor(4, 10), QColor(Qt::white)) << path;
  }
}

TEST(MainWindowPicturesTest, TheProgramFindsThemBesideItself) {
  EXPECT_EQ(platform::FormPicture(form::kYesNo, QStringLiteral("Image1")).size(), QSize(32, 32));
  EXPECT_FALSE(platform::LoadPicture(QStringLiteral("Graphic/Title.bmp")).isNull());
}

}  // namespace
}  // namespace koratsu
