// The purchase window's pictures of the five items (48 × 48, its
// Image1(0) to Image1(4)): copier, fax, computer, scanner and printer, the
// same machines that stand in the room, drawn larger and outlined so that
// they read on the list's white and on its selection bar.

#include <QPainter>
#include <functional>
#include <string>

#include "generator/registry.h"
#include "pictures/paint.h"
#include "pictures/room_equipment.h"
#include "ui/forms.h"

namespace koratsu::assets::roomart {

namespace {

constexpr int kSize = 48;
constexpr Color kBeige = Rgb(226, 220, 200);
constexpr Color kOutline = Rgb(40, 36, 48);

// Draws a machine on a roomy canvas, trims it to what was drawn, outlines it
// and puts it in the middle of the picture, standing on its bottom edge.
QImage Picture(const std::function<void(Canvas&)>& draw) {
  Canvas c(240, 240, 100, 0);
  draw(c);
  c.Outline(kOutline);
  const QImage& drawn = c.Image();
  QRect box;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (qAlpha(drawn.pixel(x, y)) == 255) box |= QRect(x, y, 1, 1);
  QImage picture(kSize, kSize, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.drawImage((kSize - box.width()) / 2, kSize - 2 - box.height(), drawn, box.x(), box.y(), box.width(), box.height());
  return picture;
}

QImage CopierPicture() {
  return Picture([](Canvas& c) { Copier(c, 0, 7.6, 100, 106.8, 22, 1.35); });
}

QImage FaxPicture() {
  return Picture([](Canvas& c) { FaxMachine(c, 0, 6.3, 100, 107.2, 0, 3); });
}

QImage ComputerPicture() {
  return Picture([](Canvas& c) {
    Box(c, 1, 6.5, 100, 106, 0, 7, Lit(kBeige));  // the case
    FaceAtU(c, 1, 101, 105, 4.5, 5.5, Rgb(60, 60, 70));  // its drive
    Monitor(c, 1.4, 6, 100.6, 105.4, 7, 19, 1.5);
    Box(c, -3.2, -0.6, 100.4, 105.6, 0, 1.2, Lit(Rgb(220, 216, 200)));  // the keyboard
    TopFace(c, -2.8, -1, 100.8, 105.2, 1.3, Rgb(190, 186, 172));
  });
}

QImage ScannerPicture() {
  return Picture([](Canvas& c) { Scanner(c, 0, 7, 100, 107.7, 0, 2.2); });
}

QImage PrinterPicture() {
  return Picture([](Canvas& c) { Printer(c, 1.6, 8.2, 100, 108.4, 0, 2.2); });
}

bool Register(int index, QImage (*draw)()) {
  return RegisterAsset(form::PicturePath(form::kEquipment, "Image1(" + std::to_string(index) + ")"),
                       [draw](const QString& path) { return art::SavePng(draw(), path); });
}

const bool registered[] = {
    Register(0, CopierPicture), Register(1, FaxPicture),     Register(2, ComputerPicture),
    Register(3, ScannerPicture), Register(4, PrinterPicture),
};

}  // namespace

}  // namespace koratsu::assets::roomart
