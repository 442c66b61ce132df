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

using testing::Generated;

// The purchase window's picture of equipment row i.
std::string ItemPicture(int i) { return form::PicturePath(form::kEquipment, "Image1(" + std::to_string(i) + ")"); }

std::set<QRgb> Colours(const QImage& image, const QRect& area) {
  std::set<QRgb> out;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) out.insert(image.pixel(x, y) & 0xFFFFFFu);
  return out;
}

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
    const std::set<QRgb> colours = Colours(portrait, portrait.rect());
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
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) opaque += qAlpha(picture.pixel(x, y)) == 255;
    EXPECT_GT(opaque, 48 * 48 / 4) << i;
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << i;  // transparent round it, for the white list and the bar
  }
}

}  // namespace
}  // namespace koratsu
