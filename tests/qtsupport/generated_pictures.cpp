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

}  // namespace koratsu::testing
