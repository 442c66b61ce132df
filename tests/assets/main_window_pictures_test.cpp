// The pictures of the main window and its boxes, as the build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "qtsupport/generated_pictures.h"

namespace koratsu {
namespace {

using testing::Generated;

TEST(MainWindowPicturesTest, HaveTheSizesTheWindowsShowThemAt) {
  testing::ExpectGeneratedSizes({
      {"Graphic/Title.bmp", {568, 394}},  // the client area on the title screen
      {"Graphic/kabe.bmp", {640, 480}},   // covers the client area during a game
      {"Graphic/Forms/Form40.Image1.png", {32, 32}},
      {"Graphic/Forms/Form42.Image1.png", {32, 32}},
      {"Graphic/Forms/MDIForm1.Icon.png", {32, 32}},
      {"Graphic/Forms/Form3.Picture1.png", {88, 112}},
  });
}

TEST(MainWindowPicturesTest, TheBoxIconsAreBalloonsOnATransparentGround) {
  for (const char* path : {"Graphic/Forms/Form40.Image1.png", "Graphic/Forms/Form42.Image1.png"}) {
    QImage icon = Generated(path);
    ASSERT_TRUE(icon.hasAlphaChannel()) << path;
    EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0) << path;
    EXPECT_EQ(icon.pixelColor(16, 10).blue() > icon.pixelColor(16, 10).red(), true) << path;  // the blue sign
    EXPECT_EQ(icon.pixelColor(4, 10), QColor(Qt::white)) << path;
  }
}

TEST(MainWindowPicturesTest, TheProgramFindsThemBesideItself) {
  EXPECT_EQ(platform::FormPicture(QStringLiteral("Form40"), QStringLiteral("Image1")).size(), QSize(32, 32));
  EXPECT_FALSE(platform::LoadPicture(QStringLiteral("Graphic/Title.bmp")).isNull());
}

}  // namespace
}  // namespace koratsu
