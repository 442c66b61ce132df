// The pictures of the conversation window, the tutorial guide and the about
// box, as the build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include "ui/forms.h"
#include "qtsupport/generated_pictures.h"

namespace koratsu {
namespace {

using testing::Generated;

TEST(TalkPicturesTest, HaveTheSizesTheWindowsShowThemAt) {
  testing::ExpectGeneratedSizes({
      {form::PicturePath(form::kConversation, "Picture1"), {125, 73}},
      {form::PicturePath(form::kConversation, "Image1(1)"), {61, 61}},
      {form::PicturePath(form::kConversation, "Image1(2)"), {61, 61}},
      {form::PicturePath(form::kConversation, "Image1(3)"), {61, 61}},
      {form::PicturePath(form::kConversation, "Image1(4)"), {61, 61}},
      {form::PicturePath(form::kTutorialGuide, "Picture1"), {125, 73}},
      {form::PicturePath(form::kTutorialGuide, "Image1(1)"), {61, 61}},
      {form::PicturePath(form::kTutorialGuide, "Image1(2)"), {61, 61}},
      {form::PicturePath(form::kAbout, "Image2"), {15, 27}},
      {form::PicturePath(form::kTricks, "Icon"), {16, 16}},
  });
}

TEST(TalkPicturesTest, TheBalloonIsWhiteWhereTheTextGoesAndItsTailPointsRight) {
  QImage balloon = Generated(form::PicturePath(form::kConversation, "Picture1"));
  ASSERT_FALSE(balloon.isNull());
  // The text label covers (8, 8) to (104, 72): white behind every line but the last.
  for (int y = 8; y < 60; y += 4)
    for (int x = 8; x < 100; x += 4) EXPECT_EQ(balloon.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
  EXPECT_EQ(qAlpha(balloon.pixel(0, 0)), 0) << "round corners";
  EXPECT_EQ(qAlpha(balloon.pixel(122, 36)), 255) << "the tail";
  EXPECT_EQ(qAlpha(balloon.pixel(122, 10)), 0);
}

TEST(TalkPicturesTest, EachSpeakerOpensHisMouthAndTheTwoSpeakersDiffer) {
  QImage editorClosed = Generated(form::PicturePath(form::kConversation, "Image1(1)"));
  QImage editorOpen = Generated(form::PicturePath(form::kConversation, "Image1(2)"));
  QImage presidentClosed = Generated(form::PicturePath(form::kConversation, "Image1(3)"));
  QImage presidentOpen = Generated(form::PicturePath(form::kConversation, "Image1(4)"));
  EXPECT_NE(editorClosed, editorOpen);
  EXPECT_NE(presidentClosed, presidentOpen);
  EXPECT_NE(editorClosed, presidentClosed);
  EXPECT_EQ(Generated(form::PicturePath(form::kTutorialGuide, "Image1(1)")), editorClosed);
  // Only the mouth moves: the upper face stays.
  EXPECT_EQ(editorClosed.copy(0, 0, 61, 34), editorOpen.copy(0, 0, 61, 34));
  for (const QImage& frame : {editorClosed, presidentOpen}) EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 255) << "opaque";
}

}  // namespace
}  // namespace koratsu
