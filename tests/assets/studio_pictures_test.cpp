// The assistants' portraits and the purchase window's pictures of the
// equipment, as the build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include <set>

#include "qtsupport/generated_pictures.h"
#include "roomview/sheet_layout.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::Colours;
using testing::Generated;

// The purchase window's picture of equipment row i.
std::string ItemPicture(int i) { return form::PicturePath(form::kEquipment, "Image1(" + std::to_string(i) + ")"); }

TEST(StudioPicturesTest, HaveTheirSizes) {
  testing::ExpectGeneratedSizes({
      {"Graphic/Human1.bmp", {64, 80}},
      {"Graphic/Human2.bmp", {64, 80}},
      {"Graphic/Human3.bmp", {64, 80}},
      {"Graphic/Human4.bmp", {64, 80}},
      {ItemPicture(0), {48, 48}},
      {ItemPicture(1), {48, 48}},
      {ItemPicture(2), {48, 48}},
      {ItemPicture(3), {48, 48}},
      {ItemPicture(4), {48, 48}},
  });
}

// Each portrait is the person who walks in the room as the same picture
// number: it shares more of its colours (skin, hair, clothes) with that
// figure than with any other.
TEST(StudioPicturesTest, EachPortraitIsTheSamePersonAsItsFigure) {
  const QImage sheet = Generated("Graphic/GraphicC.bmp");
  ASSERT_FALSE(sheet.isNull());
  for (int p = 1; p <= 4; ++p) {
    const QImage portrait = Generated("Graphic/Human" + std::to_string(p) + ".bmp");
    ASSERT_FALSE(portrait.isNull());
    const std::set<QRgb> colours = Colours(portrait);
    int shared[5] = {};
    for (int q = 0; q <= 4; ++q) {
      for (QRgb c : Colours(sheet, QRect(sheet::kPersonStride * q, 0, sheet::kPersonStride, sheet::kPersonBlockHeight)))
        shared[q] += c != 0 && colours.count(c);
    }
    for (int q = 0; q <= 4; ++q) {
      if (q == p) continue;
      EXPECT_GT(shared[p], shared[q]) << "portrait " << p << " against figure " << q;
    }
    EXPECT_GE(shared[p], 4) << p;
  }
}

TEST(StudioPicturesTest, TheEquipmentPicturesStandOnClearGround) {
  for (int i = 0; i < 5; ++i) {
    const QImage picture = Generated(ItemPicture(i));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(testing::OpaquePixels(picture), 48 * 48 / 4) << i;
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << i;  // transparent round it, for the white list and the bar
  }
}

}  // namespace
}  // namespace koratsu
