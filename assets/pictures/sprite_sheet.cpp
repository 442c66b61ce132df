// The two sprite sheets of the room view: GraphicC.bmp holds the colours
// (black where transparent), GraphicM.bmp the mask (black where opaque,
// white where transparent). Both share one layout.

#include <QString>
#include <cstdio>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/room_people.h"
#include "pictures/room_scene.h"

namespace koratsu::assets::roomart {

namespace {

namespace sheet = koratsu::sheet;

// Copies a picture's opaque pixels into both sheets at (x, y).
void Put(Sheets& s, const QImage& piece, int x, int y) {
  for (int j = 0; j < piece.height(); ++j)
    for (int i = 0; i < piece.width(); ++i) {
      const QRgb p = piece.pixel(i, j);
      if (qAlpha(p) != 255) continue;
      s.colour.setPixel(x + i, y + j, p | 0xFF000000u);
      s.mask.setPixel(x + i, y + j, 0xFF000000u);
    }
}

Sheets Build() {
  Sheets s{QImage(sheet::kSheetWidth, sheet::kSheetHeight, QImage::Format_RGB32),
           QImage(sheet::kSheetWidth, sheet::kSheetHeight, QImage::Format_RGB32)};
  s.colour.fill(0xFF000000u);
  s.mask.fill(0xFFFFFFFFu);
  for (int p = 0; p < sheet::kPersonCount; ++p) Put(s, PersonBlock(p), sheet::kPersonStride * p, 0);
  for (const SheetPiece& piece : FurniturePieces()) {
    Canvas c(piece.source.width, piece.source.height, piece.x, piece.y);
    piece.draw(c);
    if (c.Dropped() > 0) {
      std::fprintf(stderr, "koratsu_assetgen: the piece at %d, %d of the sprite sheets spills over its rectangle (%ld pixels)\n",
                   piece.source.x, piece.source.y, c.Dropped());
    }
    Put(s, c.Image(), piece.source.x, piece.source.y);
  }
  return s;
}

}  // namespace

const Sheets& SpriteSheets() {
  static const Sheets sheets = Build();
  return sheets;
}

namespace {

const bool colour = RegisterAsset("Graphic/GraphicC.bmp", [](const QString& path) { return art::SaveBmp(SpriteSheets().colour, path); });
const bool mask = RegisterAsset("Graphic/GraphicM.bmp", [](const QString& path) { return art::SaveBmp(SpriteSheets().mask, path); });

}  // namespace

}  // namespace koratsu::assets::roomart
