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

TEST(MainWindowPicturesTest, TheDesktopIconComesAtEveryMenuSizeOnATransparentGround) {
  for (int size : {32, 48, 64, 128, 256}) {
    const std::string side = std::to_string(size);
    const QImage icon = Generated("Icons/" + side + "x" + side + "/koratsu.png");
    ASSERT_EQ(icon.size(), QSize(size, size)) << size;
    ASSERT_TRUE(icon.hasAlphaChannel()) << size;
    EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << "a corner shows the desktop through, at " << size;
    EXPECT_GT(testing::OpaquePixels(icon), size * size / 2) << size;
  }
  // Above its drawn size the icon keeps its pixels sharp: each one doubled.
  const QImage drawn = Generated("Icons/64x64/koratsu.png"), doubled = Generated("Icons/128x128/koratsu.png");
  for (int y = 0; y < 64; y += 7)
    for (int x = 0; x < 64; x += 5) ASSERT_EQ(doubled.pixel(2 * x + 1, 2 * y + 1), drawn.pixel(x, y)) << x << "," << y;
}

TEST(MainWindowPicturesTest, TheProgramFindsThemBesideItself) {
  EXPECT_EQ(platform::FormPicture(form::kYesNo, QStringLiteral("Image1")).size(), QSize(32, 32));
  EXPECT_FALSE(platform::LoadPicture(QStringLiteral("Graphic/Title.bmp")).isNull());
}

}  // namespace
}  // namespace koratsu
