// The room view's generated pictures: their sizes, the mask convention, every
// rectangle the game draws from, and the rooms put together with the real
// rules, so that figures are seen where they walk and hidden where they leave.

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "life/equipment.h"
#include "qtsupport/generated_pictures.h"
#include "qtsupport/screenshot.h"
#include "roomview/compose.h"
#include "roomview/sheet_layout.h"
#include "roomview/walking.h"
#include "state/game_state.h"
#include "shell/world_setup.h"
#include "support/fresh_state.h"
#include "support/moved_house.h"

namespace koratsu {
namespace {

namespace sheet = koratsu::sheet;

QImage LoadPicture(const char* name) {
  return testing::Generated(std::string("Graphic/") + name).convertToFormat(QImage::Format_RGB32);
}

PixelBuffer ToBuffer(const QImage& image) {
  PixelBuffer b(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::copy_n(line, image.width(), b.Line(y));
  }
  return b;
}

QImage ToImage(const PixelBuffer& b) {
  QImage image(b.width, b.height, QImage::Format_RGB32);
  for (int y = 0; y < b.height; ++y) std::copy_n(b.Line(y), b.width, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  return image;
}

struct Pictures {
  QImage colour = LoadPicture("GraphicC.bmp");
  QImage mask = LoadPicture("GraphicM.bmp");
  QImage rooms[3] = {LoadPicture("Heya1.bmp"), LoadPicture("Heya2.bmp"), LoadPicture("Heya3.bmp")};
};

const Pictures& Loaded() {
  static const Pictures pictures;
  return pictures;
}

bool Opaque(const QImage& mask, int x, int y) { return (mask.pixel(x, y) & 0xFFFFFFu) == 0; }

// Every rectangle of the sheets the game draws from.
std::vector<std::pair<std::string, sheet::Rect>> RectanglesInUse() {
  std::vector<std::pair<std::string, sheet::Rect>> rects;
  for (int p = 0; p < sheet::kPersonCount; ++p) {
    const int x = sheet::kPersonStride * p;
    for (int dir = 1; dir <= 4; ++dir)
      for (int col : sheet::kWalkColumn)
        rects.push_back({"picture " + std::to_string(p) + " walking " + std::to_string(dir),
                         {x + col, sheet::kWalkRow[dir], sheet::kFrameWidth, sheet::kFrameHeight}});
    for (int col : {sheet::kPoseColumnBack, sheet::kPoseColumnFront})
      for (int row : {sheet::kPoseWorkRow[0], sheet::kPoseWorkRow[1], sheet::kPoseIdleRow[0], sheet::kPoseIdleRow[1]})
        rects.push_back({"picture " + std::to_string(p) + " seated " + std::to_string(col) + "/" + std::to_string(row),
                         {x + col, row, sheet::kFrameWidth, sheet::kFrameHeight}});
  }
  rects.push_back({"bed, asleep", sheet::kBedSleeping});
  for (int f = 0; f < sheet::kPieceFrames; ++f) {
    rects.push_back({"player's work piece", {sheet::kPlayerPiece.x + f * sheet::kPieceWidth, sheet::kPlayerPiece.y, 20, 10}});
    rects.push_back({"assistant's work piece", {sheet::kAssistantPiece.x + f * sheet::kPieceWidth, sheet::kAssistantPiece.y, 20, 10}});
  }
  for (const sheet::Placement& p : sheet::kApartmentFurniture) rects.push_back({"apartment furniture", p.source});
  for (const sheet::Placement& p : sheet::kHouseFurniture) rects.push_back({"house furniture", p.source});
  for (int h = 0; h < 2; ++h)
    for (const sheet::Placement& p : sheet::kEquipment[h]) rects.push_back({"equipment", p.source});
  return rects;
}

TEST(RoomAssets, PicturesHaveTheirSizes) {
  const Pictures& p = Loaded();
  for (int house = 0; house < 3; ++house) {
    EXPECT_EQ(p.rooms[house].width(), sheet::kRoomWidth[house]) << house;
    EXPECT_EQ(p.rooms[house].height(), sheet::kRoomHeight[house]) << house;
  }
  EXPECT_EQ(p.colour.size(), QSize(sheet::kSheetWidth, sheet::kSheetHeight));
  EXPECT_EQ(p.mask.size(), p.colour.size());
  for (const auto& [name, r] : RectanglesInUse()) {
    EXPECT_LE(r.x + r.width, p.colour.width()) << name;
    EXPECT_LE(r.y + r.height, p.colour.height()) << name;
  }
  EXPECT_LT(p.colour.width(), sheet::kPersonStride * sheet::kLeavingPicture);  // picture 100 lies beyond the sheet
}

TEST(RoomAssets, TheMaskIsBlackAndWhiteAndTheColoursBlackWhereTransparent) {
  const Pictures& p = Loaded();
  long opaque = 0;
  for (int y = 0; y < p.mask.height(); ++y)
    for (int x = 0; x < p.mask.width(); ++x) {
      const QRgb m = p.mask.pixel(x, y) & 0xFFFFFFu;
      ASSERT_TRUE(m == 0 || m == 0xFFFFFFu) << x << ", " << y;
      if (m == 0xFFFFFFu) ASSERT_EQ(p.colour.pixel(x, y) & 0xFFFFFFu, 0u) << x << ", " << y;
      else ++opaque;
    }
  EXPECT_GT(opaque, 0);
}

TEST(RoomAssets, EveryRectangleInUseHoldsAPicture) {
  const Pictures& p = Loaded();
  for (const auto& [name, r] : RectanglesInUse()) {
    int count = 0;
    for (int y = r.y; y < r.y + r.height; ++y)
      for (int x = r.x; x < r.x + r.width; ++x) count += Opaque(p.mask, x, y);
    // Even the smallest pictures (the 20 x 10 pages) cover a good part of their rectangle.
    EXPECT_GE(count, std::min(40, r.width * r.height / 5)) << name << " at " << r.x << ", " << r.y;
  }
}

// The rooms put together by the real furnishing, figures and frame.
class RoomScene : public ::testing::Test {
 protected:
  RoomScene()
      : mask(ToBuffer(Loaded().mask)), colour(ToBuffer(Loaded().colour)) {
    ClearGameState();
    shell::InitWorld();
  }

  GameState& g() { return fresh.g(); }
  rec::Sprite& FigureSprite(int i) { return g().Sprite[g().Figure[i].Sprite]; }

  PixelBuffer Frame() {
    const int house = static_cast<int>(g().HouseKind.Index());
    PixelBuffer room = ToBuffer(Loaded().rooms[house]);
    PixelBuffer frame(room.width, room.height);
    ComposeFrame(room, mask, colour, frame, room.width, room.height);
    return frame;
  }

  // How many pixels of the frame figure i changes, with the other figures out of the way.
  int Visible(int i) {
    std::vector<Value> keep;
    for (long long k = 0; k < g().FigureCount.Index(); ++k) {
      keep.push_back(FigureSprite(static_cast<int>(k)).SrcY);
      if (k != i) FigureSprite(static_cast<int>(k)).SrcY = sheet::kHiddenSourceY;
    }
    const PixelBuffer with = Frame();
    FigureSprite(i).SrcY = sheet::kHiddenSourceY;
    const PixelBuffer without = Frame();
    for (long long k = 0; k < g().FigureCount.Index(); ++k) FigureSprite(static_cast<int>(k)).SrcY = keep[static_cast<std::size_t>(k)];
    int count = 0;
    for (std::size_t k = 0; k < with.pixels.size(); ++k) count += with.pixels[k] != without.pixels[k];
    return count;
  }

  // What moving house does to the room, with all the equipment bought.
  void MoveHouse() {
    for (int row = 0; row < 5; ++row) g().Equipment[row].Owned = 1;
    testing::FurnishMovedHouse();
  }

  void BuyApartmentEquipment() {
    for (int row = 0; row < 5; ++row) {
      g().Equipment[row].Owned = 1;
      PlaceEquipment(row, 0);
    }
  }

  // Updates until every figure stands; the fewest pixels any walker showed on the way.
  int WalkAll(int figures, int limit = 120) {
    int fewest = 1 << 30;
    for (int n = 0; n < limit; ++n) {
      MoveFigures();
      bool walking = false;
      for (int i = 0; i < figures; ++i) {
        if (g().Figure[i].Dir == 0) continue;
        walking = true;
        if (FigureSprite(i).SrcY.Num() >= 0) fewest = std::min(fewest, Visible(i));
      }
      if (!walking) break;
    }
    return fewest;
  }

  testing::FreshState fresh;
  PixelBuffer mask, colour;
};

TEST_F(RoomScene, TheApartment) {
  BuyApartmentEquipment();
  g().LifeStatus = 2;
  // To the desk past the equipment, then at work.
  EXPECT_GE(WalkAll(1), 60);
  for (int n = 0; n < 3; ++n) MoveFigures();
  EXPECT_GE(Visible(0), 30) << "at work at his desk";
  // To bed: seen all the way, and then only the sleeping picture.
  g().LifeStatus = 3;
  EXPECT_GE(WalkAll(1), 60);
  MoveFigures();
  EXPECT_EQ(Visible(0), 0);
  EXPECT_EQ(g().Sprite[g().BedSprite].SrcX.Num(), sheet::kBedSleeping.x);
}

TEST_F(RoomScene, TheHouseWithFourAssistants) {
  MoveHouse();
  g().LifeStatus = 2;
  EXPECT_GE(WalkAll(1), 60) << "the player to his new desk";
  // Hired one after the other, each walks in from the door to his desk.
  for (int k = 0; k < 4; ++k) {
    g().AsiDesk[k] = k + 3;
    g().Figure[k + 1].Picture = k + 1;
    EXPECT_GE(WalkAll(5), 60) << "walking in to desk " << k;
  }
  for (int n = 0; n < 3; ++n) MoveFigures();
  for (int i = 0; i < 5; ++i) EXPECT_GE(Visible(i), 30) << "figure " << i << " at work";

  // Night: the assistants leave through the door and wait out of sight.
  g().LifeStatus = 3;
  int fewest = 1 << 30;
  for (int n = 0; n < 200; ++n) {
    MoveFigures();
    for (int i = 1; i <= 4; ++i)
      if (g().Figure[i].Place.Num() <= 3 && g().Figure[i].Dir != 0) fewest = std::min(fewest, Visible(i));
  }
  EXPECT_GE(fewest, 60) << "on the way to the door";
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(FigureSprite(i).X.Num(), 120);
    EXPECT_EQ(Visible(i), 0) << "figure " << i << " at the waiting cell";
  }
  // Morning: back in, seen again once through the door.
  g().LifeStatus = 1;
  for (int n = 0; n < 20; ++n) MoveFigures();
  for (int i = 1; i <= 4; ++i) EXPECT_GE(Visible(i), 60) << "figure " << i << " back in the room";
}

// Not a test: the rooms put together for the documentation, twice their
// size: a new game's apartment or the house with four assistants at work.
TEST_F(RoomScene, WritesPicturesOfTheRoomsOnRequest) {
  const testing::Screenshot shot({"room-apartment-frame", "room-house-frame"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  // A new game: the player walks to his desk and starts to draw.
  g().LifeStatus = 2;
  WalkAll(1);
  for (int n = 0; n < 5; ++n) MoveFigures();
  if (shot.Is("room-house-frame")) {
    // All equipment bought.
    MoveHouse();
    for (int k = 0; k < 4; ++k) {
      g().AsiDesk[k] = k + 3;
      g().Figure[k + 1].Picture = k + 1;
      WalkAll(5);
    }
    for (int n = 0; n < 5; ++n) MoveFigures();
  }
  const QImage frame = ToImage(Frame());
  shot.Save(frame.scaled(frame.size() * 2));
}

}  // namespace
}  // namespace koratsu
