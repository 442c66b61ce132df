// The working window's six frames, as the build drew them.

#include <set>
#include <string>

#include <QImage>
#include <gtest/gtest.h>

#include "qtsupport/generated_pictures.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

std::string FramePath(int frame) { return form::PicturePath(form::kWorking, "Image1(" + std::to_string(frame) + ")"); }

// Pixels that differ between two pictures of one size.
int Differences(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

TEST(WorkingPicturesTest, SixShadedScenesOfOneRoomInWhichOnlyThePlayerMoves) {
  testing::ExpectGeneratedSizes({{FramePath(0), {64, 48}}, {FramePath(1), {64, 48}}, {FramePath(2), {64, 48}},
                                 {FramePath(3), {64, 48}}, {FramePath(4), {64, 48}}, {FramePath(5), {64, 48}}});
  QImage frames[6];
  for (int f = 0; f < 6; ++f) {
    frames[f] = testing::Generated(FramePath(f));
    ASSERT_FALSE(frames[f].isNull()) << f;
    EXPECT_EQ(testing::OpaquePixels(frames[f]), 64 * 48) << "frame " << f << " is a whole scene";
    const std::set<QRgb> colours = testing::Colours(frames[f]);
    EXPECT_GE(colours.size(), 40u) << f;
    // The room view's sky-blue shirt and white headband.
    EXPECT_TRUE(colours.count(0x60A8E2) && colours.count(0xF6F6F0))
        << "frame " << f << " shows the player as the room does";
  }
  for (int f = 0; f < 6; ++f) {
    const int changed = Differences(frames[f], frames[(f + 1) % 6]);
    EXPECT_GT(changed, 10) << "frames " << f << " and " << (f + 1) % 6 << " show a movement";
    EXPECT_LT(changed, 64 * 48 / 4) << "in the same room";
  }
}

}  // namespace
}  // namespace koratsu
