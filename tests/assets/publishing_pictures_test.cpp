// The pictures of the publishing windows (posting, contest result, feature,
// fan letter, notices, offers, awards), as the build drew them.

#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qtsupport/generated_pictures.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::Generated;

struct Picture {
  int form;
  std::string control;
  QSize size;
  std::string Path() const { return form::PicturePath(form, control); }
};

const std::vector<Picture>& Pictures() {
  static const std::vector<Picture> pictures = {
      {form::kPostingAnimation, "Picture1", {285, 69}},
      {form::kPostingAnimation, "Image1", {32, 32}},
      {form::kContestArticle, "Image1", {288, 176}},
      {form::kContestArticle, "MouseIcon", {32, 32}},
      {form::kFeaturedArticle, "Image1", {120, 160}},
      {form::kFanLetter, "Image1", {120, 90}},
      {form::kFeeNotice, "Image1", {64, 64}},
      {form::kVeryPopular, "Image1", {64, 64}},
      {form::kComicsMilestone, "Image1", {64, 64}},
      {form::kCongratulation, "Image1", {64, 64}},
      {form::kBigGain, "Image1", {64, 64}},
      {form::kAccident, "Image1(0)", {96, 72}},
      {form::kAccident, "Image1(1)", {96, 72}},
      {form::kSerialMilestone, "Image2(0)", {96, 72}},
      {form::kSerialMilestone, "Image2(1)", {96, 72}},
      {form::kSerialMilestone, "Image2(2)", {96, 72}},
      {form::kSerialMilestone, "Image2(3)", {96, 72}},
      {form::kReturnsNotice, "Image1(0)", {64, 64}},
      {form::kReturnsNotice, "Image1(1)", {64, 64}},
      {form::kFriendship, "Image1(0)", {16, 16}},
      {form::kFriendship, "Image1(1)", {16, 16}},
      {form::kFriendship, "Image1(2)", {16, 16}},
      {form::kFriendship, "Image1(3)", {16, 16}},
      {form::kFriendship, "Image1(4)", {16, 16}},
      {form::kComicsRelease, "Image1", {64, 88}},
      {form::kMediaOffer, "Picture1(0)", {96, 72}},
      {form::kMediaOffer, "Picture1(1)", {96, 72}},
      {form::kMerchOffer, "Image1(0)", {64, 64}},
      {form::kMerchOffer, "Image1(1)", {64, 64}},
      {form::kMerchOffer, "Image1(2)", {64, 64}},
      {form::kMerchOffer, "Image1(3)", {64, 64}},
      {form::kMerchOffer, "Image1(4)", {64, 64}},
      // Design pictures a window shows until its mode or opener replaces them.
      {form::kAccident, "Picture2", {96, 72}},
      {form::kSerialMilestone, "Image1", {96, 72}},
      {form::kMerchOffer, "Picture2", {64, 64}},
      {form::kAward, "Picture1", {96, 96}},
      {form::kAward, "Picture2", {96, 96}},
      {form::kTrophies, "Picture2(5)", {48, 64}},
      {form::kTrophies, "Image1(0)", {48, 64}},
      {form::kTrophies, "Image1(1)", {48, 64}},
      {form::kTrophies, "Image1(2)", {48, 64}},
      {form::kTrophies, "Image1(3)", {48, 64}},
      {form::kTrophies, "Image1(4)", {48, 64}},
  };
  return pictures;
}

TEST(PublishingPicturesTest, EachHasItsSizeAndShowsSomething) {
  for (const Picture& p : Pictures()) {
    const QImage image = Generated(p.Path());
    ASSERT_FALSE(image.isNull()) << p.Path();
    EXPECT_EQ(image.size(), p.size) << p.Path();
    EXPECT_GT(testing::OpaquePixels(image), image.width() * image.height() / 4) << p.Path();
  }
}

// A window that shows one of several pictures by a mode, a kind or a row
// shows a different one for each; the trophy room's won cup differs from its
// empty pedestal.
TEST(PublishingPicturesTest, PicturesAWindowChoosesBetweenDiffer) {
  const struct {
    int form;
    std::vector<std::string> controls;
  } groups[] = {
      {form::kAccident, {"Image1(0)", "Image1(1)"}},
      {form::kSerialMilestone, {"Image2(0)", "Image2(1)", "Image2(2)", "Image2(3)"}},
      {form::kReturnsNotice, {"Image1(0)", "Image1(1)"}},
      {form::kFriendship, {"Image1(0)", "Image1(1)", "Image1(2)", "Image1(3)", "Image1(4)"}},
      {form::kMediaOffer, {"Picture1(0)", "Picture1(1)"}},
      {form::kMerchOffer, {"Image1(0)", "Image1(1)", "Image1(2)", "Image1(3)", "Image1(4)"}},
      {form::kAward, {"Picture1", "Picture2"}},
      {form::kTrophies, {"Picture2(5)", "Image1(0)"}},
  };
  for (const auto& g : groups)
    for (std::size_t i = 0; i < g.controls.size(); ++i)
      for (std::size_t j = i + 1; j < g.controls.size(); ++j)
        EXPECT_NE(Generated(form::PicturePath(g.form, g.controls[i])), Generated(form::PicturePath(g.form, g.controls[j])))
            << form::Name(g.form) << " " << g.controls[i] << " " << g.controls[j];
}

// The envelope flies over the street and the hand points over the spread:
// both are clear round their shape.
TEST(PublishingPicturesTest, TheEnvelopeAndThePointerAreClearRoundTheirShape) {
  for (const std::string& path : {form::PicturePath(form::kPostingAnimation, "Image1"),
                                  form::PicturePath(form::kContestArticle, "MouseIcon")}) {
    const QImage image = Generated(path);
    ASSERT_FALSE(image.isNull()) << path;
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0) << path;
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0) << path;
  }
}

}  // namespace
}  // namespace koratsu
