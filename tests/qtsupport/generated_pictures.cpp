#include "qtsupport/generated_pictures.h"

#include <QString>
#include <gtest/gtest.h>

#include "platform/qt_strings.h"

namespace koratsu::testing {

QImage Generated(const std::string& path) { return QImage(QStringLiteral(KORATSU_BUILD_DIR "/") + platform::Q(path)); }

void ExpectGeneratedSizes(std::initializer_list<PictureSize> pictures) {
  for (const PictureSize& c : pictures) {
    QImage image = Generated(c.path);
    ASSERT_FALSE(image.isNull()) << c.path;
    EXPECT_EQ(image.size(), c.size) << c.path;
  }
}

std::set<QRgb> Colours(const QImage& image, const QRect& area) {
  const QRect r = area.isNull() ? image.rect() : area;
  std::set<QRgb> out;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) out.insert(image.pixel(x, y) & 0xFFFFFFu);
  return out;
}

int OpaquePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) == 255;
  return n;
}

}  // namespace koratsu::testing
