#include "roomview/compose.h"

#include <gtest/gtest.h>

#include <vector>

#include "state/game_state.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

constexpr std::uint32_t kRoom = 0xFF336699u;
constexpr std::uint32_t kRed = 0xFFCC2211u;
constexpr std::uint32_t kGreen = 0xFF22BB44u;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// A 4 x 2 sheet holding two 2 x 2 pictures:
//   at (0, 0): red, transparent / opaque black, green
//   at (2, 0): all four green, opaque
class ComposeTest : public ::testing::Test {
 protected:
  ComposeTest() : room(6, 4, kRoom), mask(4, 2, kBlack), colour(4, 2, kGreen), frame(6, 4, 0xFF123456u) {
    mask.At(1, 0) = kWhite;
    colour.At(0, 0) = kRed;
    colour.At(1, 0) = kBlack;
    colour.At(0, 1) = kBlack;
  }

  void Place(int slot, double x, double y, double srcX, double srcY, double w, double h, double depth) {
    rec::Sprite& s = g().Sprite[slot];
    s.X = x, s.Y = y, s.SrcX = srcX, s.SrcY = srcY, s.Width = w, s.Height = h, s.Depth = depth, s.Used = 1;
    g().SpriteDrawCount = 0;
    for (int i = 0; i < 501; ++i) {
      if (g().Sprite[i].Used == 1) {
        g().SpriteDrawList[g().SpriteDrawCount] = i;
        g().SpriteDrawCount += 1;
      }
    }
  }

  std::vector<int> FrameSlots() {
    std::vector<int> slots;
    for (int k = 0; k < g().SpriteVisibleCount.Index(); ++k) slots.push_back(static_cast<int>(g().SpriteFrameEntry[k].Slot.Index()));
    return slots;
  }

  void Compose(int w = 6, int h = 4) { ComposeFrame(room, mask, colour, frame, w, h); }

  GameState& g() { return fresh.g(); }

  testing::FreshState fresh;
  PixelBuffer room, mask, colour, frame;
};

TEST_F(ComposeTest, AnEmptyTableShowsTheBareRoom) {
  Compose();
  EXPECT_EQ(frame.pixels, room.pixels);
  EXPECT_TRUE(g().SpriteVisibleCount == 0);
}

TEST_F(ComposeTest, MaskIsAndedAndColoursXoredIn) {
  Place(0, 1, 1, 0, 0, 2, 2, 1);
  Compose();
  EXPECT_EQ(frame.At(1, 1), kRed);    // opaque
  EXPECT_EQ(frame.At(2, 1), kRoom);   // transparent: the room shows through
  EXPECT_EQ(frame.At(1, 2), kBlack);  // opaque black stays black
  EXPECT_EQ(frame.At(2, 2), kGreen);
  EXPECT_EQ(frame.At(0, 0), kRoom);
  EXPECT_EQ(frame.At(3, 1), kRoom);

  // The raster operations themselves, with a mask that is neither black nor white.
  mask.At(0, 0) = 0xFF0F0F0Fu;
  colour.At(0, 0) = 0xFF010203u;
  Compose();
  EXPECT_EQ(frame.At(1, 1), ((kRoom & 0xFF0F0F0Fu) ^ 0x010203u));
}

TEST_F(ComposeTest, DeeperSpritesAreDrawnLaterAndTheLowerSlotFirstOnATie) {
  struct Case {
    double depth0, depth1, depth2;
    std::vector<int> order;
    std::uint32_t top;  // what shows at the shared pixel
  };
  const Case cases[] = {
      {5, 3, 4, {1, 2, 0}, kRed},     // slot 0 deepest: drawn last
      {3, 5, 4, {0, 2, 1}, kGreen},   // slot 1 deepest
      {4, 4, 4, {0, 1, 2}, kGreen},   // all equal: slot order, slot 2 on top
      {4, 4, 1, {2, 0, 1}, kGreen},   // the tie keeps slot 0 before slot 1
  };
  for (const Case& c : cases) {
    Place(0, 0, 0, 0, 0, 1, 1, c.depth0);   // red pixel
    Place(1, 0, 0, 2, 0, 1, 1, c.depth1);   // green pixel
    Place(2, 0, 0, 2, 0, 1, 1, c.depth2);   // green pixel
    Compose();
    EXPECT_EQ(FrameSlots(), c.order) << c.depth0 << " " << c.depth1 << " " << c.depth2;
    EXPECT_EQ(frame.At(0, 0), c.top);
    for (int k = 0; k < 3; ++k) {
      EXPECT_TRUE(g().SpriteFrameEntry[k].Depth == g().Sprite[c.order[k]].Depth);
    }
  }
}

TEST_F(ComposeTest, CullingKeepsSpritesTouchingTheViewFromOutside) {
  struct Case {
    double x, y;
    bool kept;
  };
  // A 2 x 2 sprite in a 6 x 4 view.
  const Case cases[] = {
      {-2, 0, true}, {-3, 0, false}, {6, 0, true}, {7, 0, false},
      {0, -2, true}, {0, -3, false}, {0, 4, true}, {0, 5, false},
  };
  for (const Case& c : cases) {
    Place(0, c.x, c.y, 0, 0, 2, 2, 0);
    Compose();
    EXPECT_EQ(g().SpriteVisibleCount == 1, c.kept) << c.x << ", " << c.y;
    EXPECT_EQ(frame.pixels, room.pixels) << "nothing of it is inside the view";
  }
}

TEST_F(ComposeTest, SpritesAreClippedToTheView) {
  Place(0, -1, -1, 0, 0, 2, 2, 0);
  Place(1, 5, 3, 0, 0, 2, 2, 0);
  Compose();
  EXPECT_EQ(frame.At(0, 0), kGreen);  // the sprite's lower right pixel
  EXPECT_EQ(frame.At(5, 3), kRed);    // the sprite's upper left pixel
  EXPECT_EQ(frame.At(1, 0), kRoom);
}

TEST_F(ComposeTest, SourcesOutsideTheSheetDrawNothing) {
  // Hidden figures: a source above the sheet, left of it, or far to its right.
  for (auto [srcX, srcY] : {std::pair{0.0, -32.0}, {-50.0, 0.0}, {8000.0, 0.0}, {0.0, 2.0}}) {
    Place(0, 1, 1, srcX, srcY, 2, 2, 0);
    Compose();
    EXPECT_EQ(frame.pixels, room.pixels) << srcX << ", " << srcY;
  }
  // Half over the edge: only the part over the sheet is drawn.
  Place(0, 1, 1, -1, 0, 2, 2, 0);
  Compose();
  EXPECT_EQ(frame.At(1, 1), kRoom);
  EXPECT_EQ(frame.At(2, 1), kRed);
  EXPECT_EQ(frame.At(2, 2), kBlack);
}

TEST_F(ComposeTest, ARoomSmallerThanTheViewLeavesBlackAndNeverReadsPastIt) {
  room = PixelBuffer(3, 2, kRoom);
  Compose();
  EXPECT_EQ(frame.At(2, 1), kRoom);
  EXPECT_EQ(frame.At(3, 1), kBlack);
  EXPECT_EQ(frame.At(0, 2), kBlack);

  room = PixelBuffer();  // a room picture that could not be loaded
  mask = PixelBuffer();
  Place(0, 1, 1, 0, 0, 2, 2, 0);
  Compose();
  for (std::uint32_t p : frame.pixels) EXPECT_EQ(p, kBlack);
}

TEST_F(ComposeTest, FarOffAndDamagedValuesAreSurvived) {
  Place(0, 0, 0, 0, 0, 1e300, 1e300, 0);  // huge: covers the view, clipped to the sheet
  Place(1, 1e15, 0, 0, 0, 2, 2, 1);
  g().SpriteDrawList[2] = 9999;           // a slot that does not exist
  g().SpriteDrawCount = 3;
  Compose();
  EXPECT_EQ(FrameSlots(), std::vector<int>{0});
  EXPECT_EQ(frame.At(0, 0), kRed);
  EXPECT_EQ(frame.At(4, 1), kRoom);  // beyond the sheet's width
}

}  // namespace
}  // namespace koratsu
