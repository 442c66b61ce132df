#pragma once
// Where the room view's pictures lie in the two sprite sheets (GraphicM.bmp
// and GraphicC.bmp share one layout), how large the room pictures are, and
// where furniture and equipment stand in each dwelling. Plain constants: the
// rules and the picture generator read the same numbers.

namespace koratsu::sheet {

struct Rect {
  int x, y, width, height;
};

// A picture placed in the room: AddSprite(x, y, source, depthOffset).
struct Placement {
  int x, y;
  Rect source;
  int depthOffset;
};

// The sheets. Wide enough for every rectangle below and far narrower than
// source x 8000, where the leaving picture 100 would start.
constexpr int kSheetWidth = 528;
constexpr int kSheetHeight = 432;

// Room pictures by dwelling (HouseKind 0, 1, 2): the inner size of the room
// view in that dwelling.
constexpr int kRoomWidth[3] = {345, 407, 345};
constexpr int kRoomHeight[3] = {233, 276, 233};

// People. Picture p (0 the player, 1..4 the assistants) is the block at
// x = kPersonStride * p, y 0, of 16 x 32 frames.
constexpr int kPersonStride = 80;
constexpr int kPersonCount = 5;
constexpr int kPersonBlockHeight = 128;
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 32;
// Walking: frame columns 0, 16, 32; the row by direction 1..4 (index 0 unused).
constexpr int kWalkColumn[3] = {0, 16, 32};
constexpr int kWalkRow[5] = {0, 0, 32, 64, 96};
// Seated poses: two columns, one per desk orientation; working rows 0 and 32,
// idle rows 64 and 96. Column 48 faces the desk with the back to the viewer,
// column 64 faces the viewer from behind the desk.
constexpr int kPoseColumnBack = 48;
constexpr int kPoseColumnFront = 64;
constexpr int kPoseWorkRow[2] = {0, 32};
constexpr int kPoseIdleRow[2] = {64, 96};

// The bed, empty and with the player asleep.
constexpr Rect kBedEmpty = {98, 128, 74, 41};
constexpr Rect kBedSleeping = {172, 128, 74, 41};

// The work pieces on the desks: four 20 x 10 frames side by side.
constexpr int kPieceFrames = 4;
constexpr int kPieceWidth = 20;
constexpr Rect kPlayerPiece = {0, 216, 20, 10};
constexpr Rect kAssistantPiece = {262, 209, 20, 10};

// Sources outside the sheet: a figure drawn with them is not seen.
constexpr int kHiddenSourceY = -32;
constexpr int kLeavingSourceX = -50;
constexpr int kLeavingPicture = 100;

// Furniture of the first apartment.
constexpr Rect kApartmentForeground = {0, 226, 244, 126};
constexpr Rect kApartmentDesk = {0, 128, 48, 48};
constexpr Rect kApartmentChair = {48, 128, 16, 24};
constexpr Rect kApartmentShelf = {64, 128, 34, 47};

// Furniture of the house.
constexpr Rect kHouseDesk = {358, 129, 48, 48};
constexpr Rect kHouseChair = {246, 180, 16, 28};
constexpr Rect kFrontDesk = {262, 129, 48, 48};   // assistant desks 0 and 2: sitting behind it
constexpr Rect kFrontChair = {246, 152, 16, 28};
constexpr Rect kBackDesk = {310, 129, 48, 48};    // assistant desks 1 and 3: sitting in front of it
constexpr Rect kBackChair = {246, 128, 16, 24};
constexpr Rect kHouseForeground = {244, 229, 283, 200};
constexpr Rect kHouseForegroundCorner = {244, 229, 17, 42};  // its top-left corner, drawn deeper

constexpr Placement kApartmentFurniture[6] = {
    {81, 102, kApartmentForeground, 100},
    {210, 86, kApartmentDesk, 10},
    {212, 110, kApartmentChair, 10},
    {164, 94, kApartmentShelf, 20},
    {148, 156, kBedEmpty, -20},
    {226, 101, kPlayerPiece, 10},
};

constexpr Placement kHouseFurniture[18] = {
    {302, 116, kHouseDesk, 10},
    {332, 116, kHouseChair, 0},
    {268, 124, kFrontDesk, 10},
    {268, 124, kFrontChair, -10},
    {288, 134, kBackDesk, 10},
    {320, 158, kBackChair, 10},
    {236, 140, kFrontDesk, 10},
    {236, 140, kFrontChair, -10},
    {256, 150, kBackDesk, 10},
    {288, 175, kBackChair, 10},
    {168, 100, kBedEmpty, -20},
    {317, 132, kPlayerPiece, 30},
    {281, 139, kAssistantPiece, 10},
    {301, 149, kAssistantPiece, 10},
    {248, 156, kAssistantPiece, 10},
    {269, 165, kAssistantPiece, 10},
    {114, 57, kHouseForeground, 1200},
    {114, 57, kHouseForegroundCorner, 12},
};

// Equipment by dwelling (0 the apartment, 1 the house), in the order the
// pictures are placed: copier, fax, computer (two pictures), scanner, printer.
constexpr int kEquipmentPictures = 6;
constexpr int kEquipmentFirstPicture[5] = {0, 1, 2, 4, 5};  // by equipment row
constexpr int kEquipmentPictureCount[5] = {1, 1, 2, 1, 1};
constexpr Placement kEquipment[2][kEquipmentPictures] = {
    {
        {244, 143, {0, 176, 32, 35}, -10},
        {194, 107, {164, 175, 18, 21}, 0},
        {244, 113, {32, 176, 52, 40}, -10},
        {246, 98, {84, 175, 32, 32}, 10},
        {268, 120, {116, 175, 24, 16}, 10},
        {278, 130, {140, 175, 24, 28}, 10},
    },
    {
        {286, 86, {412, 177, 32, 35}, -10},
        {373, 138, {262, 177, 18, 21}, 100},
        {206, 120, {360, 177, 52, 40}, 10},
        {212, 112, {328, 177, 32, 32}, 130},
        {230, 118, {304, 177, 24, 16}, 120},
        {198, 136, {280, 177, 24, 28}, 10},
    },
};

}  // namespace koratsu::sheet
