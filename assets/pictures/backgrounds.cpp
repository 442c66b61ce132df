// The in-game wallpaper behind the child windows (Graphic/kabe.bmp) and
// the new-game window's picture (a manuscript page with a dip pen and ink).

#include "generator/registry.h"
#include "pictures/paint.h"
#include "ui/forms.h"

namespace koratsu::assets {

namespace {

// Larger than the main window's client area, which shows its middle.
constexpr int kWallWidth = 640;
constexpr int kWallHeight = 480;

QImage Wallpaper() {
  QImage image(kWallWidth, kWallHeight, QImage::Format_RGB32);
  const int rail = 344;
  art::VerticalGradient(image, QRect(0, 0, kWallWidth, rail),
                        {QColor(0xc8, 0xbc, 0xa2), QColor(0xda, 0xcf, 0xb4), QColor(0xe4, 0xda, 0xc0)});
  // Stripes and a small diamond between them, in rows that alternate.
  for (int x = 0; x < kWallWidth; x += 32)
    for (int y = 0; y < rail; ++y) {
      image.setPixelColor(x, y, image.pixelColor(x, y).darker(108));
      image.setPixelColor(x + 1, y, image.pixelColor(x + 1, y).darker(104));
    }
  const std::map<char, QColor> motif = {{'a', QColor(0xb8, 0xa4, 0x84)}, {'b', QColor(0xcc, 0xba, 0x98)}};
  for (int row = 0, y = 12; y < rail - 12; y += 28, ++row)
    for (int x = 16 - 4 + (row % 2) * 16; x < kWallWidth; x += 32)
      art::Stamp(image, x - 16 * (row % 2), y, {"...a...", "..bab..", ".ba.ab.", "ba...ab", ".ba.ab.", "..bab..", "...a..."},
                 motif);
  // Chair rail and wooden wainscot below.
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.fillRect(0, rail, kWallWidth, 8, QColor(0x8a, 0x5a, 0x32));
  p.fillRect(0, rail, kWallWidth, 2, QColor(0xb0, 0x7a, 0x48));
  p.fillRect(0, rail + 7, kWallWidth, 1, QColor(0x5a, 0x38, 0x1e));
  p.end();
  art::VerticalGradient(image, QRect(0, rail + 8, kWallWidth, kWallHeight - rail - 8),
                        {QColor(0x9a, 0x66, 0x3a), QColor(0x86, 0x56, 0x30), QColor(0x70, 0x46, 0x26)});
  art::BeginPixelPainter(p, image);
  for (int x = 0; x < kWallWidth; x += 40) {
    p.fillRect(x, rail + 8, 1, kWallHeight - rail - 8, QColor(0x5a, 0x38, 0x1e));
    p.fillRect(x + 1, rail + 8, 1, kWallHeight - rail - 8, QColor(0xa8, 0x74, 0x46));
  }
  p.end();
  return image;
}

QImage NewGamePicture() {
  QImage image(88, 112, QImage::Format_RGB32);
  art::VerticalGradient(image, image.rect(),
                        {QColor(0x24, 0x30, 0x62), QColor(0x30, 0x44, 0x86), QColor(0x44, 0x60, 0xa8)});
  QPainter p;
  art::BeginPixelPainter(p, image);
  p.setPen(Qt::NoPen);
  // A page, a little turned, with its shadow.
  p.setBrush(QColor(0x14, 0x1a, 0x3a));
  p.drawPolygon(QPolygon({QPoint(17, 13), QPoint(73, 7), QPoint(81, 91), QPoint(25, 97)}));
  p.setBrush(QColor(0xf6, 0xf3, 0xea));
  p.drawPolygon(QPolygon({QPoint(13, 10), QPoint(69, 4), QPoint(77, 88), QPoint(21, 94)}));
  p.setBrush(QColor(0xdc, 0xd6, 0xc8));
  p.drawPolygon(QPolygon({QPoint(69, 4), QPoint(71, 4), QPoint(79, 88), QPoint(77, 88)}));
  // Its panels in ink.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x14, 0x12, 0x1e), 1));
  p.drawPolygon(QPolygon({QPoint(18, 15), QPoint(65, 10), QPoint(67, 33), QPoint(20, 38)}));
  p.drawPolygon(QPolygon({QPoint(21, 42), QPoint(40, 40), QPoint(44, 80), QPoint(25, 82)}));
  p.drawPolygon(QPolygon({QPoint(44, 39), QPoint(68, 37), QPoint(72, 78), QPoint(48, 80)}));
  p.setPen(QPen(QColor(0x78, 0x9c, 0xd8), 1));
  p.drawEllipse(QPoint(34, 25), 6, 6);
  p.drawLine(52, 20, 60, 19);
  p.drawLine(52, 24, 58, 23);
  for (int i = 0; i < 5; ++i) p.drawLine(50, 46 + i * 6, 66, 44 + i * 6);
  // The dip pen across the page.
  p.setPen(QPen(QColor(0x2a, 0x1a, 0x12), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(44, 72, 82, 30);
  p.setPen(QPen(QColor(0x7a, 0x4a, 0x32), 1));
  p.drawLine(45, 69, 81, 29);
  p.setPen(QPen(QColor(0xa8, 0xa8, 0xb4), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(44, 72, 40, 77);
  p.setPen(QPen(QColor(0xe4, 0xe4, 0xec), 2, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(40, 77, 34, 84);
  // The ink bottle.
  p.setPen(Qt::NoPen);
  p.fillRect(56, 92, 24, 16, QColor(0x14, 0x12, 0x1e));
  p.fillRect(62, 86, 12, 6, QColor(0x14, 0x12, 0x1e));
  p.fillRect(60, 83, 16, 4, QColor(0x3a, 0x3a, 0x4a));
  p.fillRect(58, 94, 2, 12, QColor(0x5a, 0x5a, 0x7a));
  p.fillRect(62, 97, 14, 6, QColor(0xe8, 0xe0, 0xc8));
  p.fillRect(64, 99, 9, 1, QColor(0xc0, 0x30, 0x30));
  p.end();
  const std::map<char, QColor> star = {{'y', QColor(0xff, 0xf0, 0x90)}, {'w', QColor(0xff, 0xff, 0xff)}};
  art::Stamp(image, 4, 98, {"..y..", "..y..", "yywyy", "..y..", "..y.."}, star);
  art::Stamp(image, 78, 2, {"..y..", "..y..", "yywyy", "..y..", "..y.."}, star);
  return image;
}

const bool wallpaper = RegisterAsset("Graphic/kabe.bmp", [](const QString& path) {
  return art::SaveBmp(Wallpaper(), path);
});
const bool newGame = RegisterAsset(form::PicturePath(form::kNewGame, "Picture1"), [](const QString& path) {
  return art::SavePng(NewGamePicture(), path);
});

}  // namespace

}  // namespace koratsu::assets
