// The pictures of the conversation window, the tutorial guide and the about
// box, as the build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include "qtsupport/generated_pictures.h"

namespace koratsu {
namespace {

using testing::Generated;

TEST(TalkPicturesTest, HaveTheSizesTheWindowsShowThemAt) {
  testing::ExpectGeneratedSizes({
      {"Graphic/Forms/Form21.Picture1.png", {125, 73}},   {"Graphic/Forms/Form21.Image1(1).png", {61, 61}},
      {"Graphic/Forms/Form21.Image1(2).png", {61, 61}},   {"Graphic/Forms/Form21.Image1(3).png", {61, 61}},
      {"Graphic/Forms/Form21.Image1(4).png", {61, 61}},   {"Graphic/Forms/Form36.Picture1.png", {125, 73}},
      {"Graphic/Forms/Form36.Image1(1).png", {61, 61}},   {"Graphic/Forms/Form36.Image1(2).png", {61, 61}},
      {"Graphic/Forms/Form2.Image2.png", {15, 27}},       {"Graphic/Forms/Form28.Icon.png", {16, 16}},
  });
}

TEST(TalkPicturesTest, TheBalloonIsWhiteWhereTheTextGoesAndItsTailPointsRight) {
  QImage balloon = Generated("Graphic/Forms/Form21.Picture1.png");
  ASSERT_FALSE(balloon.isNull());
  // The text label covers (8, 8) to (104, 72): white behind every line but the last.
  for (int y = 8; y < 60; y += 4)
    for (int x = 8; x < 100; x += 4) EXPECT_EQ(balloon.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
  EXPECT_EQ(qAlpha(balloon.pixel(0, 0)), 0) << "round corners";
  EXPECT_EQ(qAlpha(balloon.pixel(122, 36)), 255) << "the tail";
  EXPECT_EQ(qAlpha(balloon.pixel(122, 10)), 0);
}

TEST(TalkPicturesTest, EachSpeakerOpensHisMouthAndTheTwoSpeakersDiffer) {
  QImage editorClosed = Generated("Graphic/Forms/Form21.Image1(1).png");
  QImage editorOpen = Generated("Graphic/Forms/Form21.Image1(2).png");
  QImage presidentClosed = Generated("Graphic/Forms/Form21.Image1(3).png");
  QImage presidentOpen = Generated("Graphic/Forms/Form21.Image1(4).png");
  EXPECT_NE(editorClosed, editorOpen);
  EXPECT_NE(presidentClosed, presidentOpen);
  EXPECT_NE(editorClosed, presidentClosed);
  EXPECT_EQ(Generated("Graphic/Forms/Form36.Image1(1).png"), editorClosed);
  // Only the mouth moves: the upper face stays.
  EXPECT_EQ(editorClosed.copy(0, 0, 61, 34), editorOpen.copy(0, 0, 61, 34));
  for (const QImage& frame : {editorClosed, presidentOpen}) EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 255) << "opaque";
}

}  // namespace
}  // namespace koratsu
